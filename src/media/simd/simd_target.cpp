#include "media/simd/simd_target.h"

#include <atomic>

namespace qv::simd {

namespace {

constexpr int kUnset = -1;
std::atomic<int> g_active{kUnset};

}  // namespace

bool Supported(Target target) {
    switch (target) {
        case Target::kPlain:
            return true;
#if defined(__x86_64__) || defined(__i386__)
        case Target::kSse2:
            return __builtin_cpu_supports("sse2");
        case Target::kAvx2:
            return __builtin_cpu_supports("avx2");
#else
        case Target::kSse2:
        case Target::kAvx2:
            return false;
#endif
    }
    return false;
}

Target BestTarget() {
    static const Target best = Supported(Target::kAvx2)   ? Target::kAvx2
                               : Supported(Target::kSse2) ? Target::kSse2
                                                          : Target::kPlain;
    return best;
}

Target ActiveTarget() {
    const int t = g_active.load(std::memory_order_relaxed);
    return t == kUnset ? BestTarget() : static_cast<Target>(t);
}

bool ForceTarget(Target target) {
    if (!Supported(target)) return false;
    g_active.store(static_cast<int>(target), std::memory_order_relaxed);
    return true;
}

const char* TargetName(Target target) {
    switch (target) {
        case Target::kPlain:
            return "plain";
        case Target::kSse2:
            return "sse2";
        case Target::kAvx2:
            return "avx2";
    }
    return "?";
}

bool ForceTargetNamed(std::string_view name) {
    for (Target t : {Target::kPlain, Target::kSse2, Target::kAvx2})
        if (name == TargetName(t)) return ForceTarget(t);
    return false;
}

}  // namespace qv::simd
