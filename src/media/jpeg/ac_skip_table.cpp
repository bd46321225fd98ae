#include "media/jpeg/ac_skip_table.h"

#include <memory>

namespace qv {

void BuildAcSkip(const AcLookup& codes, AcSkipLookup& out) {
    for (uint32_t v = 0; v < out.size(); ++v) {
        int taken = 0, advance = 0, end = 0;
        while (true) {
            // The bits not yet taken, left-aligned in 16 bits; a code counts only when it and its
            // value bits lie inside the kAcSkipBits real ones.
            const uint32_t peek = (v << taken) << (16 - kAcSkipBits) & 0xFFFF;
            const uint16_t entry = codes[peek];
            const int length = entry >> 8, run = (entry >> 4) & 15, size = entry & 15;
            if (entry == 0 || taken + length + size > kAcSkipBits) break;
            taken += length + size;
            if (size == 0 && run != 15) {
                end = 1;
                break;
            }
            advance += size == 0 ? 16 : run + 1;
        }
        out[v] = static_cast<AcSkipEntry>(taken | advance << 5 | end << 15);
    }
}

namespace {

std::unique_ptr<AcSkipLookup> MakeSkip(const AcLookup& codes) {
    auto table = std::make_unique<AcSkipLookup>();
    BuildAcSkip(codes, *table);
    return table;
}

}  // namespace

const AcSkipLookup& AcLuminanceSkip() {
    static const std::unique_ptr<AcSkipLookup> table = MakeSkip(AcLuminanceLookup());
    return *table;
}

const AcSkipLookup& AcChrominanceSkip() {
    static const std::unique_ptr<AcSkipLookup> table = MakeSkip(AcChrominanceLookup());
    return *table;
}

}  // namespace qv
