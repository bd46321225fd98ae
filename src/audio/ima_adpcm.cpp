#include "audio/ima_adpcm.h"

#include <algorithm>
#include <cstring>

namespace qv::audio {

namespace {

// The IMA step sizes (89 entries) and the step index change per 4-bit code.
constexpr int16_t kStepTable[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kIndexChange[8] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kLastStep = 88;

// Decoder state between codes: the predicted sample and the step index.
struct ImaChannel {
    int predictor;
    int index;

    int16_t Expand(unsigned code) {
        const int step = kStepTable[index];
        // The difference is built from shifted steps, one per magnitude bit, exactly as the
        // reference decoder does; multiplying instead rounds differently.
        int diff = step >> 3;
        if (code & 4) diff += step;
        if (code & 2) diff += step >> 1;
        if (code & 1) diff += step >> 2;
        predictor += (code & 8) ? -diff : diff;
        predictor = std::clamp(predictor, -32768, 32767);
        index = std::clamp(index + kIndexChange[code & 7], 0, kLastStep);
        return static_cast<int16_t>(predictor);
    }
};

}  // namespace

size_t DecodeImaBlock(const uint8_t* block, size_t block_bytes, int16_t* out) {
    if (block_bytes < 4) return 0;
    ImaChannel ch;
    ch.predictor = static_cast<int16_t>(block[0] | (block[1] << 8));
    ch.index = std::min<int>(block[2], kLastStep);
    size_t n = 0;
    out[n++] = static_cast<int16_t>(ch.predictor);
    for (size_t i = 4; i < block_bytes; ++i) {
        out[n++] = ch.Expand(block[i] & 0x0F);
        out[n++] = ch.Expand(block[i] >> 4);
    }
    return n;
}

ImaBlockAssembler::ImaBlockAssembler(size_t block_bytes)
    : block_bytes_(std::clamp<size_t>(block_bytes, 4, kMaxBlockBytes)) {}

size_t ImaBlockAssembler::Take(const uint8_t* bytes, size_t count) {
    if (has_block_) return 0;
    const size_t take = std::min(count, block_bytes_ - filled_);
    if (take > 0) std::memcpy(block_ + filled_, bytes, take);
    filled_ += take;
    if (filled_ == block_bytes_) {
        decoded_samples_ = DecodeImaBlock(block_, block_bytes_, samples_);
        has_block_ = true;
        filled_ = 0;
    }
    return take;
}

bool ImaBlockAssembler::FlushPartial() {
    if (has_block_) return true;
    const size_t pending = filled_;
    filled_ = 0;
    if (pending < 4) return false;
    decoded_samples_ = DecodeImaBlock(block_, pending, samples_);
    has_block_ = true;
    return true;
}

void ImaBlockAssembler::Clear() {
    filled_ = 0;
    decoded_samples_ = 0;
    has_block_ = false;
}

}  // namespace qv::audio
