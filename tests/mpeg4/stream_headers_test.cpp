// The header parsers against the camera's subset: what they accept, what they refuse.
#include "media/mpeg4/stream_headers.h"

#include <gtest/gtest.h>

#include "media/mpeg4/stream_decoder.h"
#include "stream_builder.h"

namespace {

using namespace qv::mpeg4;
using qv::testing::Headers;
using qv::testing::VolFields;

bool Parses(const VolFields& f, LayerParams* out = nullptr) {
    std::vector<uint8_t> b = Headers(f);
    b.resize(b.size() + 8, 0);
    StreamReader r;
    EXPECT_TRUE(r.Open(std::make_unique<MemorySource>(b.data(), b.size()), 3));
    LayerParams layer;
    DebugLog log;
    bool ok = ParseStreamHeaders(r, layer, log);
    if (out) *out = layer;
    return ok;
}

TEST(VolHeader, RefusesFieldsOutsideTheSubset) {
    EXPECT_TRUE(Parses({}));
    auto refused = [](auto change) {
        VolFields f;
        change(f);
        return !Parses(f);
    };
    EXPECT_TRUE(refused([](VolFields& f) { f.fixed_vop_rate = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.interlaced = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.quant_type = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.resync_disable = 0; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.aspect = 2; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.sprite = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.not_8_bit = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.complexity_disable = 0; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.partitioned = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.scalability = 1; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.object_type = 2; }));
    EXPECT_TRUE(refused([](VolFields& f) { f.profile = 0x08; }));
    EXPECT_FALSE(refused([](VolFields& f) { f.object_type = 0x11; }));
    EXPECT_FALSE(refused([](VolFields& f) { f.profile = 0xF0; }));
}

TEST(VolHeader, SkipsVbvParametersAndDerivesSizes) {
    VolFields f;
    f.vbv = true;
    f.width = 1;
    f.height = 1;
    LayerParams layer;
    ASSERT_TRUE(Parses(f, &layer));
    EXPECT_EQ(layer.width, 1);
    EXPECT_EQ(layer.mb_width, 1);
    EXPECT_EQ(layer.mb_height, 1);
    f = {};
    f.width = 320;
    f.height = 242;
    ASSERT_TRUE(Parses(f, &layer));
    EXPECT_EQ(layer.mb_width, 20);
    EXPECT_EQ(layer.mb_height, 16);
    EXPECT_EQ(TimeIncrementBits(30), 5);
    EXPECT_EQ(TimeIncrementBits(32), 5);
    EXPECT_EQ(TimeIncrementBits(33), 6);
    EXPECT_EQ(TimeIncrementBits(1), 1);
}

// Reads one VOP header after the stream headers.
bool ParseVop(const std::vector<uint8_t>& vop, VopParams& out) {
    std::vector<uint8_t> b = Headers();
    qv::testing::Append(b, vop);
    b.resize(b.size() + 8, 0);
    StreamReader r;
    r.Open(std::make_unique<MemorySource>(b.data(), b.size()), 5);
    LayerParams layer;
    DebugLog log;
    EXPECT_TRUE(ParseStreamHeaders(r, layer, log));
    return ParseVopHeader(r, layer, out, log);
}

TEST(VopHeader, CodedUncodedAndSpriteVops) {
    qv::fixtures::BitWriter p;
    qv::testing::VopHeader(p, 1, 7, true, 3, 2);
    VopParams v;
    ASSERT_TRUE(ParseVop(p.Bytes(), v));
    EXPECT_TRUE(v.coded);
    EXPECT_EQ(v.vop_type, kVopP);
    EXPECT_EQ(v.quantiser, 7);
    EXPECT_EQ(v.intra_dc_threshold, 17);
    EXPECT_EQ(v.fcode_forward, 2);
    EXPECT_EQ(v.r_size, 1);
    EXPECT_EQ(v.time_increment, 3);

    qv::fixtures::BitWriter skipped;
    qv::testing::VopHeader(skipped, 1, 7, false);
    ASSERT_TRUE(ParseVop(skipped.Bytes(), v));
    EXPECT_FALSE(v.coded);

    qv::fixtures::BitWriter sprite;
    qv::testing::VopHeader(sprite, 3, 7);
    EXPECT_FALSE(ParseVop(sprite.Bytes(), v));
}

TEST(VopHeader, TraceLinesGoToTheDebugLogOnly) {
    std::vector<uint8_t> b = Headers();
    qv::testing::Append(b, qv::testing::FlatIntraVop(1, 0, 0));
    char* text = nullptr;
    size_t size = 0;
    std::FILE* sink = open_memstream(&text, &size);
    StreamDecoder d;
    d.log.SetSink(sink);
    ASSERT_GT(d.OpenStreamMemory(b.data(), b.size()), 0);
    EXPECT_GE(d.DecodeNextFrame(nullptr, nullptr, false, nullptr, nullptr, nullptr), 0);
    std::fclose(sink);
    EXPECT_STREQ(text, "Visual Object Start Code VOPTimeInc = 3, z = 0\n");
    std::free(text);
}

}  // namespace
