// Damaged camera frames: truncation at every byte, random bit flips, segments whose length is
// shorter than the fields their handler reads, impossible Huffman and quantisation tables, and
// clock records with impossible months. Every call must give a documented code and never read
// outside the frame's own bytes.
#include <algorithm>
#include <numeric>

#include "fixtures/camera_recording.h"
#include "fixtures/jpeg_segments.h"
#include "fixtures/synthetic_picture.h"
#include "robustness/robustness_support.h"

namespace qv::robustness {
namespace {

using namespace qv::fixtures;

Bytes CameraJpeg(int width, int height, uint32_t seed) {
    FrameSegments s;
    s.settings = CameraSettings{};
    s.settings->model = 3;
    s.settings->pir = true;
    s.family_text = "Tarkon WDX310";
    s.capture_time = 25764480000ull;
    s.rtc_dump = std::array<uint8_t, 32>{};
    s.event_byte = 0x81;
    s.diagnostics = DiagnosticsBlock{};
    SceneOptions o;
    o.frame = static_cast<int>(seed);
    o.noise_amplitude = 20;
    return CameraFrame(TimeLapseScene(width, height, o), s);
}

class JpegRobustness : public ::testing::Test {
  protected:
    JpegRobustness() : ctx(shared.metadata, shared.flags, shared.switches) {
        ctx.AllocatePlanes(64, 48);
        shared.switches.cbDumpRTCData = true;  // the clock dump path reads the most bytes
    }
    SharedState shared;
    JpgContext ctx;
};

TEST_F(JpegRobustness, TruncatedAtEveryByte) {
    const Bytes jpeg = CameraJpeg(64, 48, 1);
    for (bool check_eoi : {false, true}) {
        shared.switches.cbCheckSpuriousEOI = check_eoi;
        for (size_t n = 0; n <= jpeg.size(); ++n)
            DecodeExactCopy(ctx, jpeg.data(), n, "cut at " + std::to_string(n));
    }
}

TEST_F(JpegRobustness, RandomBitFlips) {
    const Bytes jpeg = CameraJpeg(64, 48, 2);
    const size_t scan = ScanDataOffset(jpeg);
    std::mt19937 rng(20121);
    for (int i = 0; i < 1000; ++i) {
        Bytes damaged = jpeg;
        // Half the flips land in the headers, half anywhere in the frame.
        const size_t span = i % 2 ? damaged.size() : scan;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[rng() % span] ^= static_cast<uint8_t>(1 << (rng() % 8));
        DecodeExactCopy(ctx, damaged.data(), damaged.size(), "flip round " + std::to_string(i));
    }
}

// Shortens one segment's length field to every value from 2 up to its real length, and cuts the
// frame right behind the shortened segment, so a handler reading its fixed offsets regardless of
// the length would run off the end of the buffer.
TEST_F(JpegRobustness, SegmentsShorterThanTheirHandlerReads) {
    const Bytes jpeg = CameraJpeg(64, 48, 3);
    for (const SegmentInfo& seg : ListHeaderSegments(jpeg)) {
        if (seg.marker == kSOI) continue;
        const size_t real = seg.total_size - 2;
        for (size_t len = 0; len <= std::min<size_t>(real, 140); ++len) {
            Bytes damaged(jpeg.begin(), jpeg.begin() + static_cast<long>(seg.offset + 2));
            damaged.push_back(static_cast<uint8_t>(len >> 8));
            damaged.push_back(static_cast<uint8_t>(len & 0xFF));
            const size_t keep = len > 2 ? len - 2 : 0;
            damaged.insert(damaged.end(), jpeg.begin() + static_cast<long>(seg.payload_offset),
                           jpeg.begin() + static_cast<long>(seg.payload_offset + keep));
            const std::string what =
                "marker " + std::to_string(seg.marker) + " length " + std::to_string(len);
            const int r =
                JpgParseHeaders(ctx, damaged.data(), damaged.size(), true, true, nullptr, nullptr);
            EXPECT_TRUE(IsParseCode(r, damaged.size())) << what << " gave " << r;
            DecodeExactCopy(ctx, damaged.data(), damaged.size(), what);
            // The same short length inside the complete frame: the walk then lands in the
            // middle of the payload and must cope with whatever it finds there.
            Bytes in_place = jpeg;
            in_place[seg.offset + 2] = static_cast<uint8_t>(len >> 8);
            in_place[seg.offset + 3] = static_cast<uint8_t>(len & 0xFF);
            DecodeExactCopy(ctx, in_place.data(), in_place.size(), what + " in place");
        }
    }
}

TEST_F(JpegRobustness, ImpossibleTables) {
    const Bytes jpeg = CameraJpeg(64, 48, 4);
    const auto dc_table = *FindSegment(jpeg, kDHT, 0);
    // DC table counts summing far past 256 (16 x 255), with and without the symbols present.
    for (size_t symbols : {size_t{0}, size_t{16}, size_t{4080}}) {
        Bytes payload{0x00};
        payload.insert(payload.end(), 16, 0xFF);
        payload.insert(payload.end(), symbols, 0x03);
        Bytes damaged = jpeg;
        ASSERT_TRUE(ReplacePayload(damaged, kDHT, payload, 0));
        DecodeExactCopy(ctx, damaged.data(), damaged.size(), "DHT counts 4080");
    }
    // Counts that sum to 257 and counts that describe more codes than a length can hold.
    for (const Bytes& counts : {Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0},
                                Bytes{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255}}) {
        const int total = std::accumulate(counts.begin(), counts.end(), 0);
        // Table class 0, id 1, the counts, then as many symbols (5) as they promise.
        Bytes payload(1 + counts.size() + static_cast<size_t>(total), 0x05);
        payload[0] = 0x01;
        std::copy(counts.begin(), counts.end(), payload.begin() + 1);
        Bytes damaged = jpeg;
        ASSERT_TRUE(ReplacePayload(damaged, kDHT, payload, 0));
        DecodeExactCopy(ctx, damaged.data(), damaged.size(), "DHT bad counts");
    }
    {
        Bytes payload{0x01};  // 256 + 1 symbols: the sum passes 256 by one
        Bytes counts(16, 0);
        counts[15] = 255;
        counts[14] = 2;
        payload.insert(payload.end(), counts.begin(), counts.end());
        payload.insert(payload.end(), 257, 0x02);
        Bytes damaged = jpeg;
        ASSERT_TRUE(ReplacePayload(damaged, kDHT, payload, 0));
        DecodeExactCopy(ctx, damaged.data(), damaged.size(), "DHT 257 symbols");
    }
    // Table identifiers the camera never writes, 16-bit quantisers, a frame header with 255
    // components, a scan header with no components.
    Bytes damaged = jpeg;
    damaged[dc_table.payload_offset] = 0x1F;
    DecodeExactCopy(ctx, damaged.data(), damaged.size(), "DHT id 15");
    damaged = jpeg;
    damaged[FindSegment(damaged, kDQT)->payload_offset] = 0x13;
    DecodeExactCopy(ctx, damaged.data(), damaged.size(), "DQT 16-bit id 3");
    damaged = jpeg;
    damaged[FindSegment(damaged, kSOF0)->payload_offset + 5] = 255;
    DecodeExactCopy(ctx, damaged.data(), damaged.size(), "SOF 255 components");
    damaged = jpeg;
    damaged[FindSegment(damaged, kSOS)->payload_offset] = 0;
    DecodeExactCopy(ctx, damaged.data(), damaged.size(), "SOS 0 components");
    // A DQT of all zero quantisers and one of all 255.
    for (uint8_t q : {uint8_t{0}, uint8_t{255}}) {
        damaged = jpeg;
        Bytes payload(65, q);
        payload[0] = 0x00;
        ASSERT_TRUE(ReplacePayload(damaged, kDQT, payload, 0));
        DecodeExactCopy(ctx, damaged.data(), damaged.size(), "DQT flat");
    }
}

// A frame larger or smaller than the movie's picture size: the decoder uses the movie's size
// and must stop at the frame's last byte or the planes' last row, whichever comes first.
TEST_F(JpegRobustness, FrameSizeDiffersFromMovie) {
    const Bytes small = CameraJpeg(32, 16, 5);
    const Bytes large = CameraJpeg(160, 96, 6);
    DecodeExactCopy(ctx, small.data(), small.size(), "32x16 frame in 64x48 movie");
    DecodeExactCopy(ctx, large.data(), large.size(), "160x96 frame in 64x48 movie");
    // Scan data of nothing but 0xFF fill, and of nothing but zeros.
    for (uint8_t fill : {uint8_t{0xFF}, uint8_t{0x00}}) {
        Bytes damaged(small.begin(), small.begin() + static_cast<long>(ScanDataOffset(small)));
        damaged.insert(damaged.end(), 300, fill);
        DecodeExactCopy(ctx, damaged.data(), damaged.size(), "fill scan");
    }
}

TEST_F(JpegRobustness, ClockRecordsWithImpossibleFields) {
    for (int month : {0, 13, 255}) {
        for (int day : {0, 1, 255}) {
            CameraSettings s;
            s.clock = {2012, month, day, 25, 61, 61};
            FrameSegments segs;
            segs.settings = s;
            const Bytes jpeg = CameraFrame(UniformPicture(64, 48, 80, 80, 80), segs);
            int64_t capture_time = -7;
            const int r =
                JpgParseHeaders(ctx, jpeg.data(), jpeg.size(), true, true, &capture_time, nullptr);
            EXPECT_GT(r, 0);
            EXPECT_EQ(shared.metadata.clock.month, month);
            // The date shown must not come from an impossible month: with the clock record as
            // the source, a month outside 1..12 falls back to the file clock.
            ClockSources sources;
            sources.metadata = &shared.metadata;
            sources.file_clock = {};
            std::string date, time;
            Calendar shown;
            CameraDateTime(sources, shown, 0, date, time);
            int y = 0, m = 0, d = 0;
            ASSERT_EQ(std::sscanf(date.c_str(), "%d/%d/%d", &y, &m, &d), 3) << date;
            if (month > 12) {
                EXPECT_NE(m, month) << date;
            }
            Calendar cal;
            if (CalendarFromCaptureTime(capture_time, cal)) {
                EXPECT_GE(cal.month, 1);
                EXPECT_LE(cal.month, 12);
            }
        }
    }
    for (uint16_t year : {uint16_t{0}, uint16_t{2003}, uint16_t{65535}}) {
        qv::ClockRecord c;
        c.year = year;
        c.month = 13;
        c.day = 40;
        Calendar cal;
        CalendarFromCaptureTime(CaptureTimeFromClock(c), cal);
    }
}

}  // namespace
}  // namespace qv::robustness
