// The decoder's face to the player: packets in front of pictures, picture roles, output, seeking.
#include "media/mpeg4/stream_decoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "stream_builder.h"

namespace {

using namespace qv::mpeg4;
using qv::testing::Append;
using qv::testing::FlatIntraVop;
using qv::testing::Headers;
using qv::testing::SkippedPVop;
using qv::testing::VolFields;

class RecordingSink : public qv::audio::AudioSink {
  public:
    int32_t FeedAudioBytes(const uint8_t* bytes, int32_t count) override {
        ++calls;
        received.insert(received.end(), bytes, bytes + count);
        return 0;
    }
    std::vector<uint8_t> received;
    int calls = 0;
};

std::vector<uint8_t> Ramp(size_t n, uint8_t start = 0) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>(start + i * 7);
    return v;
}

struct Movie {
    explicit Movie(std::vector<uint8_t> b, uint32_t granule = 0) : bytes(std::move(b)), d(granule) {
        size_kb = d.OpenStreamMemory(bytes.data(), bytes.size());
        picture.Allocate(d.Width(), d.Height());
    }
    int32_t Next(RecordingSink* sink = nullptr, bool header = false) {
        return d.DecodeNextFrame(&picture, &sound, header, sink, &time, &quant);
    }
    std::vector<uint8_t> bytes;
    StreamDecoder d;
    int32_t size_kb;
    qv::Picture picture;
    int32_t sound = -7, quant = -7;
    uint32_t time = 99;
};

TEST(DecodeNextFrame, PacketsInFrontOfAPicture) {
    std::vector<uint8_t> b = Headers();
    const std::vector<uint8_t> samples = Ramp(300);
    Append(b, qv::fixtures::SoundPacket(samples, 0x05, {9, 9, 9, 9}, true));
    Append(b, {0x00, 0x00, 0x01, 0xB2, 0x03, 0x00, 0x90, 0x00, 1, 2, 3});  // skipped whole
    Append(b, qv::fixtures::TimePacket(123456, 2));
    Append(b, FlatIntraVop(1, 10, 0));
    Movie m(b, 64);
    ASSERT_GT(m.size_kb, 0);
    RecordingSink sink;
    EXPECT_EQ(m.Next(&sink, true), 0);
    EXPECT_EQ(m.sound, 300);  // L - H
    EXPECT_EQ(sink.received, samples);
    EXPECT_GT(sink.calls, 1);  // the payload crosses windows of 64 bytes
    EXPECT_EQ(m.time, (((123456ull * 249) >> 7) / 162) << 2);
    EXPECT_EQ(m.quant, 2);
    // Y 138 everywhere, U and V 128.
    EXPECT_EQ(m.d.Frames().Current().y[0], 138);
    EXPECT_EQ(m.d.Frames().Current().y[255], 138);
    EXPECT_EQ(m.d.Frames().Current().u[63], 128);
    EXPECT_EQ(m.Next(&sink), -1);  // the end
}

TEST(DecodeNextFrame, SoundHeaderFlagAndSkippingByLength) {
    std::vector<uint8_t> b = Headers();
    Append(b, qv::fixtures::SoundPacket(Ramp(40), 0x01, {1, 2, 3}, true));
    Append(b, FlatIntraVop(1, 0, 0));
    Append(b, qv::fixtures::SoundPacket(Ramp(40), 0x01, {1, 2, 3}, true));
    Append(b, FlatIntraVop(1, 0, 0));
    // A header longer than its packet: no sound, and the stream stays in step.
    std::vector<uint8_t> hostile = qv::fixtures::SoundPacket(Ramp(4), 0x01, {}, false);
    hostile[7] = 200;
    Append(b, hostile);
    Append(b, FlatIntraVop(1, 0, 0));
    Movie m(b, 16);
    RecordingSink sink;
    ASSERT_GE(m.Next(&sink, false), 0);
    EXPECT_EQ(m.sound, 43);  // without the flag the header counts as sound
    EXPECT_EQ(sink.received.size(), 43u);
    ASSERT_GE(m.Next(nullptr, true), 0);  // feeding off: skipped by length
    EXPECT_EQ(m.sound, 40);
    EXPECT_EQ(m.time, 0u);
    ASSERT_GE(m.Next(&sink, true), 0);
    EXPECT_EQ(m.sound, 0);
    EXPECT_EQ(sink.received.size(), 43u);
}

TEST(DecodeNextFrame, UncodedVopChangesNothing) {
    std::vector<uint8_t> b = Headers();
    Append(b, FlatIntraVop(1, 20, 0));
    qv::fixtures::BitWriter w;
    qv::testing::VopHeader(w, 1, 4, false);
    w.Stuff();
    Append(b, w.Bytes());
    Append(b, SkippedPVop(1));
    Movie m(b);
    ASSERT_GE(m.Next(), 0);
    const std::vector<uint8_t> shown = m.picture.pixels;
    const uint8_t* current = m.d.Frames().Current().y.data();
    EXPECT_EQ(m.Next(), -1);
    EXPECT_EQ(m.d.Frames().Current().y.data(), current);  // roles unchanged
    EXPECT_EQ(m.picture.pixels, shown);
    // A P-VOP of not-coded macroblocks reproduces the reference exactly.
    ASSERT_GE(m.Next(), 0);
    EXPECT_NE(m.d.Frames().Current().y.data(), current);
    EXPECT_EQ(m.d.Frames().Current().y, m.d.Frames().Reference().y);
    EXPECT_EQ(m.picture.pixels, shown);
}

TEST(DecodeNextFrame, BlackAndWhite) {
    for (int luma : {16, 235}) {
        std::vector<uint8_t> b = Headers();
        Append(b, FlatIntraVop(1, luma - 128, 0));
        Movie m(b);
        ASSERT_GE(m.Next(), 0);
        const uint8_t expect = luma == 16 ? 0 : 254;
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(m.picture.pixels[c], expect) << "Y " << luma;
    }
}

TEST(DecodeNextFrame, PicturesWiderThan80MacroblocksFail) {
    VolFields f;
    f.width = 1296;
    std::vector<uint8_t> b = Headers(f);
    Append(b, FlatIntraVop(81, 0, 0));
    Movie m(b);
    EXPECT_GT(m.size_kb, 0);
    EXPECT_EQ(m.Next(), -1);
    f.width = 1280;
    b = Headers(f);
    Append(b, FlatIntraVop(80, 0, 0));
    Movie ok(b);
    EXPECT_GE(ok.Next(), 0);
}

TEST(DecodeNextFrame, SizesOffTheMacroblockGridStayInsideThePlanes) {
    VolFields f;
    f.width = 18;
    f.height = 9;
    std::vector<uint8_t> b = Headers(f);
    Append(b, FlatIntraVop(2, 30, 0));
    Append(b, SkippedPVop(2));
    Movie m(b);
    ASSERT_GE(m.Next(), 0);
    ASSERT_GE(m.Next(), 0);
    EXPECT_EQ(m.picture.width, 18);
    EXPECT_EQ(m.picture.height, 9);
    EXPECT_EQ(m.picture.Row(8)[17 * 3], m.picture.Row(0)[0]);
}

TEST(RewindToFirstVop, StartsAgainAtTheFirstPicture) {
    std::vector<uint8_t> b = Headers();
    Append(b, FlatIntraVop(1, 5, 0));
    Append(b, FlatIntraVop(1, 50, 0));
    Movie m(b, 8);
    StreamDecoder closed;
    EXPECT_FALSE(closed.RewindToFirstVop());
    ASSERT_GE(m.Next(), 0);
    ASSERT_GE(m.Next(), 0);
    EXPECT_EQ(m.d.Frames().Current().y[0], 178);
    ASSERT_TRUE(m.d.RewindToFirstVop());
    ASSERT_GE(m.Next(), 0);
    EXPECT_EQ(m.d.Frames().Current().y[0], 133);
}

TEST(SeekToIntraVop, FindsIntraPicturesAndTheirTimePackets) {
    std::vector<uint8_t> b = Headers();
    Append(b, qv::fixtures::TimePacket(1000, 0));
    const size_t first = b.size() - 14;
    Append(b, FlatIntraVop(1, 5, 0));
    b.resize(3000, 0x55);  // filler without start codes
    Append(b, SkippedPVop(1));
    const size_t second = b.size();
    Append(b, FlatIntraVop(1, 50, 0));  // no time packet in front of this one
    b.resize(5000, 0x55);
    Movie m(b, 256);
    EXPECT_EQ(m.d.SeekToIntraVop(0, 1, +1), static_cast<int32_t>(first / 1024));
    EXPECT_EQ(m.d.Reader().Position(), first);
    ASSERT_GE(m.Next(), 0);
    EXPECT_EQ(m.time, 12u);
    EXPECT_EQ(m.d.SeekToIntraVop(0, 1, -1), 0);  // nothing before the start
    EXPECT_EQ(m.d.SeekToIntraVop(1, 1, +1), static_cast<int32_t>(second / 1024));
    EXPECT_EQ(m.d.Reader().Position(), second);  // the P-VOP on the way is passed over
    ASSERT_GE(m.Next(), 0);
    EXPECT_EQ(m.d.Frames().Current().y[0], 178);
    EXPECT_EQ(m.d.SeekToIntraVop(4, 1, -1), static_cast<int32_t>(second / 1024));
    EXPECT_EQ(m.d.SeekToIntraVop(3, 1, +1), 0);    // no intra picture after 3 KiB
    EXPECT_EQ(m.d.SeekToIntraVop(100, 1, +1), 0);  // past the end
    EXPECT_EQ(m.d.SeekToIntraVop(100, 1, -1), static_cast<int32_t>(second / 1024));
    EXPECT_EQ(m.d.SeekToIntraVop(0, 0, +1), 0);  // a unit size of 0 counts as 1 KiB
}

TEST(TimePacketValue, ScalesAndShifts) {
    EXPECT_EQ(TimePacketValue(1000, 0), 12u);
    EXPECT_EQ(TimePacketValue(0xFFFFFFFFu, 0),
              static_cast<uint32_t>(((0xFFFFFFFFull * 249) >> 7) / 162));
    EXPECT_EQ(TimePacketValue(1000, 3), 96u);
    EXPECT_EQ(TimePacketValue(1000, 40), 0u);
}

}  // namespace
