#include "audio/ima_adpcm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/wav_read.h"

namespace {

using namespace qv::audio;
using namespace qv::audio::testing;

std::vector<int16_t> DecodeAll(const std::vector<uint8_t>& data, size_t block) {
    std::vector<int16_t> pcm;
    int16_t samples[ImaSamplesPerBlock(2048)];
    for (size_t at = 0; at < data.size(); at += block) {
        const size_t n =
            DecodeImaBlock(data.data() + at, std::min(block, data.size() - at), samples);
        pcm.insert(pcm.end(), samples, samples + n);
    }
    return pcm;
}

// ffmpeg encodes real sound in the camera's block format; sox, which decodes IMA ADPCM the way
// the reference decoder does, says what each sample must be.
class ImaAgainstSox : public ::testing::TestWithParam<std::string> {};

TEST_P(ImaAgainstSox, MatchesSampleForSample) {
    const std::string base = std::string(QV_AUDIO_FIXTURES) + "/" + GetParam();
    WavContents wav;
    ASSERT_TRUE(ReadWav(base + "_ima.wav", wav)) << base;
    ASSERT_EQ(wav.format_tag, 0x0011);
    ASSERT_EQ(wav.channels, 1);
    ASSERT_EQ(wav.rate, 16000u);
    ASSERT_EQ(wav.block_align, 128);
    ASSERT_EQ(wav.samples_per_block, 249);
    const auto expected = ReadRawS16(base + "_sox.raw");
    const auto ours = DecodeAll(wav.data, wav.block_align);
    ASSERT_GT(expected.size(), 8000u);
    ASSERT_EQ(ours.size(), expected.size());
    size_t mismatches = 0, first = 0;
    for (size_t i = 0; i < ours.size(); ++i)
        if (ours[i] != expected[i] && mismatches++ == 0) first = i;
    EXPECT_EQ(mismatches, 0u) << "first at sample " << first << ": " << ours[first] << " vs "
                              << expected[first];
}

INSTANTIATE_TEST_SUITE_P(Recordings, ImaAgainstSox, ::testing::Values("speech", "sweep", "loud"));

TEST(ImaBlock, ShortAndDamagedBlocksStayInBounds) {
    int16_t out[ImaSamplesPerBlock(128)] = {};
    const uint8_t three[3] = {1, 2, 3};
    EXPECT_EQ(DecodeImaBlock(three, 3, out), 0u);
    const uint8_t header_only[4] = {0x34, 0x12, 0, 0};
    EXPECT_EQ(DecodeImaBlock(header_only, 4, out), 1u);
    EXPECT_EQ(out[0], 0x1234);

    // A step index far past the table and codes that push the sample past its limits.
    std::vector<uint8_t> block(128, 0x77);
    block[0] = 0xFF;
    block[1] = 0x7F;
    block[2] = 200;
    ASSERT_EQ(DecodeImaBlock(block.data(), block.size(), out), 249u);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], 32767) << "clamped at the top";
    std::fill(block.begin() + 4, block.end(), 0xFF);
    block[0] = 0x00;
    block[1] = 0x80;
    DecodeImaBlock(block.data(), block.size(), out);
    EXPECT_EQ(out[248], -32768) << "clamped at the bottom";
}

TEST(ImaBlock, SmallStepsUseTheShiftedSum) {
    // Step 7: code 7 adds 7/8 + 7 + 7/2 + 7/4 in whole shifts = 0 + 7 + 3 + 1 = 11, where a
    // multiplying decoder would add 13.
    const uint8_t block[5] = {0, 0, 0, 0, 0x07};
    int16_t out[3] = {};
    ASSERT_EQ(DecodeImaBlock(block, 5, out), 3u);
    EXPECT_EQ(out[1], 11);
    EXPECT_EQ(out[2], 11 + (16 >> 3)) << "index rose by 8 to step 16; code 0 adds step >> 3";
}

TEST(ImaAssembler, StreamCutAnywhereDecodesLikeWholeBlocks) {
    WavContents wav;
    ASSERT_TRUE(ReadWav(std::string(QV_AUDIO_FIXTURES) + "/speech_ima.wav", wav));
    const std::vector<uint8_t> data(wav.data.begin(), wav.data.begin() + 40 * 128 + 77);
    const auto whole = DecodeAll(data, 128);

    ImaBlockAssembler assembler(128);
    std::vector<int16_t> pcm;
    const size_t cuts[] = {1, 7, 300, 128, 3, 999};
    size_t at = 0;
    for (size_t c = 0; at < data.size(); ++c) {
        const size_t n = std::min(cuts[c % 6], data.size() - at);
        size_t taken = 0;
        while (taken < n) {
            taken += assembler.Take(data.data() + at + taken, n - taken);
            if (assembler.HasBlock()) {
                pcm.insert(pcm.end(), assembler.Samples(),
                           assembler.Samples() + assembler.SampleCount());
                assembler.ReleaseBlock();
            }
        }
        at += n;
    }
    EXPECT_EQ(assembler.PendingBytes(), 77u);
    ASSERT_TRUE(assembler.FlushPartial());
    pcm.insert(pcm.end(), assembler.Samples(), assembler.Samples() + assembler.SampleCount());
    EXPECT_EQ(pcm, whole);

    const uint8_t two[2] = {1, 2};
    assembler.ReleaseBlock();
    assembler.Take(two, 2);
    EXPECT_FALSE(assembler.FlushPartial()) << "two bytes are no block";
    EXPECT_EQ(assembler.PendingBytes(), 0u);
}

}  // namespace
