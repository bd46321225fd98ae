// Which instruction set the decoders' hot loops run on: chosen once from what the processor
// offers (SSE2 on every x86-64 processor, AVX2 where present), with the plain C++ loops kept for
// other processors. Tests force each target in turn and compare its pictures with the plain ones.
#pragma once

#include <string_view>

namespace qv::simd {

enum class Target { kPlain = 0, kSse2 = 1, kAvx2 = 2 };

// Whether this build and this processor can run the target.
bool Supported(Target target);
// The fastest supported target.
Target BestTarget();
// The target the hot loops use now: BestTarget() unless one was forced.
Target ActiveTarget();
// Makes the hot loops use target from now on (for every thread); false, nothing changed, when it
// is not supported.
bool ForceTarget(Target target);
const char* TargetName(Target target);
// ForceTarget for the target of that name ("plain", "sse2", "avx2"); false when the name is
// unknown or the target not supported.
bool ForceTargetNamed(std::string_view name);

}  // namespace qv::simd
