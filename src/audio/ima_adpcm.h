// IMA ADPCM decoding of the camera's sound: mono blocks of a 4-byte header (first sample, step
// index) followed by 4-bit codes, low nibble first. This is the job a system's wave mapper does
// for format tag 0x0011 before the samples reach the sound card.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv::audio {

// Samples a mono block of block_bytes holds: the header sample plus two per code byte. 0 for a
// block too short to hold its header.
constexpr size_t ImaSamplesPerBlock(size_t block_bytes) {
    return block_bytes < 4 ? 0 : 1 + (block_bytes - 4) * 2;
}

// Decodes one mono block of block_bytes (a short last block is allowed) into out, which must hold
// ImaSamplesPerBlock(block_bytes) samples. Returns the number of samples written. A step index
// above the table's end (a damaged header) is clamped to the last step.
size_t DecodeImaBlock(const uint8_t* block, size_t block_bytes, int16_t* out);

// Turns a byte stream cut at arbitrary places into whole blocks: bytes are gathered until a block
// is complete, then it is decoded. No allocation; the block size is at most kMaxBlockBytes.
class ImaBlockAssembler {
  public:
    static constexpr size_t kMaxBlockBytes = 2048;
    static constexpr size_t kMaxBlockSamples = ImaSamplesPerBlock(kMaxBlockBytes);

    // block_bytes is clamped to 4..kMaxBlockBytes.
    explicit ImaBlockAssembler(size_t block_bytes);

    // Takes up to count bytes towards the next block and returns how many it took. When a block
    // becomes complete it is decoded and HasBlock() turns true; no bytes are taken until the
    // decoded block has been released with ReleaseBlock().
    size_t Take(const uint8_t* bytes, size_t count);
    bool HasBlock() const { return has_block_; }
    const int16_t* Samples() const { return samples_; }
    size_t SampleCount() const { return has_block_ ? decoded_samples_ : 0; }
    void ReleaseBlock() { has_block_ = false; }

    // Decodes the bytes gathered so far as a short block (used at the end of a stream). Returns
    // false when fewer than the 4 header bytes are waiting; those are dropped.
    bool FlushPartial();
    size_t PendingBytes() const { return filled_; }
    void Clear();

  private:
    size_t block_bytes_;
    size_t filled_ = 0;
    size_t decoded_samples_ = 0;
    bool has_block_ = false;
    uint8_t block_[kMaxBlockBytes] = {};
    int16_t samples_[kMaxBlockSamples] = {};
};

}  // namespace qv::audio
