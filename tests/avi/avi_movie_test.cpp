#include "media/avi/avi_movie.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>

#include "fixtures/camera_recording.h"
#include "media/jpeg/jpeg_decoder.h"

namespace qv {
namespace {

using fixtures::AviLayout;
using fixtures::Bytes;
using fixtures::RecordingOptions;

std::string TempPath(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("qv_avi_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

RecordingOptions Small(int frames = 6) {
    RecordingOptions o;
    o.avi.width = 64;
    o.avi.height = 48;
    o.frame_count = frames;
    o.encode.quality = 70;
    return o;
}

struct Movie {
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    AviMovie avi{metadata, flags, switches};
    std::string path;

    int Open(const Bytes& bytes, const std::string& name = "movie.avi") {
        path = TempPath(name);
        EXPECT_TRUE(fixtures::WriteBytes(path, bytes));
        return avi.AviOpen(path);
    }
    int Open(const RecordingOptions& o) { return Open(fixtures::MakeRecording(o).avi.bytes); }
};

TEST(AviOpen, ReadsHeaderFieldsAndFramesInBothIndexLayouts) {
    for (AviLayout layout : {AviLayout::IndexBeforeMovi, AviLayout::MoviBeforeIndex}) {
        RecordingOptions o = Small();
        o.avi.layout = layout;
        o.avi.scale = 5;
        o.avi.rate = 50;
        fixtures::Recording rec = fixtures::MakeRecording(o);
        Movie m;
        ASSERT_EQ(m.Open(rec.avi.bytes), 0);
        EXPECT_EQ(m.avi.FrameCount(), 6);
        EXPECT_EQ(m.avi.Width(), 64);
        EXPECT_EQ(m.avi.Height(), 48);
        EXPECT_EQ(m.avi.Scale(), 5);
        EXPECT_EQ(m.avi.FramesPerSecond(), 10);
        EXPECT_EQ(m.avi.CurrentFrame(), 0);
        EXPECT_EQ(m.avi.IndexBase(), rec.avi.index_base);
        EXPECT_EQ(m.avi.IndexPosition(), rec.avi.index_position);
        for (int f = 0; f < 6; ++f) {
            uint32_t offset = 0, size = 0;
            ASSERT_EQ(m.avi.AviReadFrame(f, &offset, &size), 0);
            EXPECT_EQ(offset, rec.avi.chunk_offsets[f]);
            ASSERT_EQ(size, rec.frames[f].size());
            EXPECT_EQ(0, std::memcmp(m.avi.FrameBuffer(), rec.frames[f].data(), size));
        }
        EXPECT_EQ(m.avi.LastFrameSize(), rec.frames[5].size());
    }
}

TEST(AviOpen, ScaleAndRateRules) {
    RecordingOptions o = Small(2);
    o.avi.scale = 65535;
    o.avi.rate = -3;
    Movie m;
    ASSERT_EQ(m.Open(o), 0);
    EXPECT_EQ(m.avi.Scale(), 86400) << "65535 stands for one day";
    EXPECT_EQ(m.avi.Rate(), 864000) << "a negative rate becomes scale x 10";
    EXPECT_EQ(m.avi.FramesPerSecond(), 10);

    // Fast capture on the KMXPLS plays at no less than 10 frames per second.
    for (auto [rate, expected] : {std::pair{20, 40}, std::pair{60, 60}}) {
        RecordingOptions p = Small(2);
        p.avi.scale = 4;
        p.avi.rate = rate;
        p.avi.junk = {{"KMXPLS", 3}};
        Movie k;
        ASSERT_EQ(k.Open(p), 0);
        EXPECT_EQ(k.avi.Rate(), expected) << "rate " << rate;
        EXPECT_TRUE(k.avi.Flags().IntervalAsap);
    }
    // A scale no camera writes must not overflow the rate rules.
    RecordingOptions big = Small(2);
    big.avi.scale = 0x7FFFFFF0;
    big.avi.rate = -1;
    big.avi.junk = {{"KMXPLS", 3}};
    Movie b;
    ASSERT_EQ(b.Open(big), 0);
    EXPECT_EQ(b.avi.Rate(), INT32_MAX);

    RecordingOptions q = Small(2);
    q.avi.scale = 4;
    q.avi.rate = 20;
    q.avi.junk = {{"KMX310", 3}};
    Movie n;
    ASSERT_EQ(n.Open(q), 0);
    EXPECT_EQ(n.avi.Rate(), 20) << "the rule is the KMXPLS's only";
}

TEST(AviOpen, ModelTagsAndModesSetTheDisplayFlags) {
    struct Case {
        std::string tag;
        int mode;
        bool interval, elapsed, asap;
    };
    const Case cases[] = {
        {"KMX310", 0, true, true, false},   {"VELKA0", 1, false, true, false},
        {"KMX130", 2, false, false, false}, {"KMXPLS", 3, true, true, true},
        {"WDX310", 0, false, true, false},  {"WDX310", 1, true, true, false},
        {"WDX310", 2, false, true, false},  {"WDX310", 3, true, true, true},
        {"WDX310", 5, true, true, false},
    };
    for (const Case& c : cases) {
        RecordingOptions o = Small(1);
        o.family_text.clear();  // the family comment would set the flags again
        o.avi.junk = {{c.tag, static_cast<uint8_t>(c.mode)}};
        Movie m;
        m.flags.ShowCaptureInterval = !c.interval;
        m.flags.ShowElapsedTime = !c.elapsed;
        ASSERT_EQ(m.Open(o), 0);
        EXPECT_EQ(m.avi.Flags().ShowCaptureInterval, c.interval) << c.tag << " " << c.mode;
        EXPECT_EQ(m.avi.Flags().ShowElapsedTime, c.elapsed) << c.tag << " " << c.mode;
        EXPECT_EQ(m.avi.Flags().IntervalAsap, c.asap) << c.tag << " " << c.mode;
        EXPECT_EQ(m.avi.ModelTag(), c.tag);
        EXPECT_EQ(m.avi.CaptureMode(), c.mode);
        EXPECT_EQ(m.avi.Flags().WdxCaptureMode, c.tag == "WDX310" ? c.mode : -1);
    }
    // An unknown tag and an unknown mode leave the two label flags as they were; several JUNK
    // chunks apply in file order.
    RecordingOptions o = Small(1);
    o.family_text.clear();
    o.avi.junk = {{"KMXPLS", 3}, {"OTHER1", 0}, {"KMX310", 9}};
    Movie m;
    m.flags.ShowElapsedTime = false;
    ASSERT_EQ(m.Open(o), 0);
    EXPECT_TRUE(m.avi.Flags().ShowCaptureInterval);
    EXPECT_TRUE(m.avi.Flags().ShowElapsedTime);
    EXPECT_FALSE(m.avi.Flags().IntervalAsap) << "every JUNK chunk resets it first";
}

TEST(AviOpen, RefusesFilesWithoutIndexOrFrames) {
    Movie m;
    EXPECT_EQ(m.avi.AviOpen(TempPath("missing.avi")), -1);
    EXPECT_EQ(m.avi.FrameCount(), -1);

    RecordingOptions o = Small(2);
    o.avi.layout = AviLayout::NoIndex;
    EXPECT_EQ(m.Open(o), -1);

    RecordingOptions z = Small(2);
    z.avi.frame_count_override = 0;
    EXPECT_EQ(m.Open(z), -1);

    Bytes bytes = fixtures::MakeRecording(Small(3)).avi.bytes;
    Bytes wrong = bytes;
    size_t second_entry = fixtures::MakeRecording(Small(3)).avi.index_position + 16;
    std::memcpy(wrong.data() + second_entry, "01wb", 4);
    EXPECT_EQ(m.Open(wrong), -1) << "an index entry that is not 00db";
    EXPECT_EQ(m.Open(Bytes(100, 0)), -1) << "too short for the headers";
}

// Header numbers no camera writes must not drive allocations or reads.
TEST(AviOpen, AbsurdHeaderValuesGiveCodesNotAllocations) {
    fixtures::Recording rec = fixtures::MakeRecording(Small(3));
    Movie m;
    Bytes huge = rec.avi.bytes;
    fixtures::PutLe32(huge, fixtures::avi_offset::kTotalFrames, 0x7FFFFFFF);
    EXPECT_EQ(m.Open(huge), -1) << "more frames than the index can hold";

    // A size the player does not show opens for reading: index, frames and the frame buffer
    // (sized by the frames the file holds, not by the claimed picture), but no picture.
    for (uint32_t w : {0u, 65535u}) {
        Bytes b = rec.avi.bytes;
        fixtures::PutLe32(b, fixtures::avi_offset::kWidth, w);
        EXPECT_EQ(m.Open(b), kAviPictureSizeUnshown) << "width " << w;
        EXPECT_EQ(m.avi.AviReadFrame(0), 0) << "width " << w;
        EXPECT_LE(m.avi.FrameBufferSize(), b.size());
    }
    Bytes neg = rec.avi.bytes;
    fixtures::PutLe32(neg, fixtures::avi_offset::kHeight, 0xFFFFFFFF);
    EXPECT_EQ(m.Open(neg), kAviPictureSizeUnshown);
}

// A file holding small frames under a header that claims a large picture: the frame buffer is
// what the frames need; above 4096 lines nothing decodes, at 4096 the frames say their size
// differs instead of filling a corner of a mostly empty picture.
TEST(AviOpen, ClaimedPictureSizeAgainstWhatTheFrameHolds) {
    fixtures::Recording rec = fixtures::MakeRecording(Small(3));
    size_t largest = 0;
    for (const auto& f : rec.frames)
        largest = std::max(largest, f.size());
    Movie m;
    for (uint32_t height : {4096u, 4097u}) {
        Bytes b = rec.avi.bytes;
        fixtures::PutLe32(b, fixtures::avi_offset::kWidth, 4096);
        fixtures::PutLe32(b, fixtures::avi_offset::kHeight, height);
        const int open = m.Open(b);
        EXPECT_EQ(open, height > 4096 ? kAviPictureSizeUnshown : kAviOk);
        EXPECT_EQ(m.avi.FrameCount(), 3);
        EXPECT_EQ(m.avi.FrameBufferSize(), largest);
        ASSERT_EQ(m.avi.AviReadFrame(1), 0);
        Picture pic;
        EXPECT_EQ(m.avi.AviDecodeCurrent(pic), height > 4096 ? kJpgNoPicture : kJpgSizeMismatch);
        EXPECT_TRUE(pic.pixels.empty()) << "no picture is made for a frame that cannot fill it";
    }
}

TEST(AviReadFrame, RefusesChunksOutsideTheFileOrBuffer) {
    fixtures::Recording rec = fixtures::MakeRecording(Small(3));
    const uint32_t idx = rec.avi.index_position;
    Movie m;
    Bytes past = rec.avi.bytes;
    fixtures::PutLe32(past, idx + 16 + 8, 0x7FFFFFF0);  // frame 1 offset far past the end
    ASSERT_EQ(m.Open(past), 0);
    EXPECT_EQ(m.avi.AviReadFrame(1), kAviBadChunk);
    EXPECT_EQ(m.avi.AviReadFrame(-1), kAviBadChunk);
    EXPECT_EQ(m.avi.AviReadFrame(3), kAviBadChunk);
    EXPECT_EQ(m.avi.AviReadFrame(0), 0);

    Bytes big = rec.avi.bytes;
    fixtures::PutLe32(big, idx + 16 + 12, 64 * 48 * 3 + 1);  // larger than the frame buffer
    ASSERT_EQ(m.Open(big), 0);
    EXPECT_EQ(m.avi.AviReadFrame(1), kAviBadChunk);

    // The last frame cut by the end of the file is not part of the movie; its bytes that are
    // there still decode only up to their own end.
    Bytes cut = rec.avi.bytes;
    uint32_t last_at = rec.avi.chunk_offsets[2];
    const uint32_t keep = static_cast<uint32_t>(rec.frames[2].size() - 200);
    cut.resize(last_at + 8 + keep);
    ASSERT_EQ(m.Open(cut), 0);
    EXPECT_EQ(m.avi.FrameCount(), 2);
    EXPECT_EQ(m.avi.AviReadFrame(2), kAviBadChunk);
    Picture pic;
    EXPECT_GT(m.avi.AviDecodeCurrent(cut.data() + last_at + 8, keep, pic), 0)
        << "decoding stops at the frame's own end";
}

// A copy of a recording that stopped early: the movie is the leading frames whose chunk is
// wholly in the file, the header's count stays available, and nothing past them is read.
TEST(AviOpen, RecordingCutShortKeepsOnlyTheFramesItHolds) {
    for (AviLayout layout : {AviLayout::IndexBeforeMovi, AviLayout::MoviBeforeIndex}) {
        RecordingOptions o = Small(5);
        o.avi.layout = layout;
        o.event_recording = true;
        o.event_frames = {1, 3};
        const fixtures::Recording rec = fixtures::MakeRecording(o);
        const std::vector<uint32_t>& at = rec.avi.chunk_offsets;
        auto end_of = [&](int f) { return at[f] + 8 + rec.frames[f].size(); };
        const bool index_first = layout == AviLayout::IndexBeforeMovi;
        struct Cut {
            size_t bytes;
            int frames;  // -1: no "idx1" left, refused as before
            const char* what;
        };
        // With "movi" first a cut among the frames loses the index behind them; a cut inside
        // the index keeps the frames whose entries made it.
        const int lost = index_first ? 0 : -1;
        const std::vector<Cut> cuts = {
            {rec.avi.bytes.size(), 5, "complete"},
            {end_of(3), index_first ? 4 : -1, "at the end of frame 3"},
            {at[3] + 8 + rec.frames[3].size() / 2, index_first ? 3 : -1, "inside frame 3"},
            {end_of(0) - 1, lost, "one byte short of frame 0's end"},
            {at[0], lost, "before frame 0"},
            {rec.avi.index_position + 16 * 3 + 5, index_first ? 0 : 3, "inside index entry 3"},
            {rec.avi.index_position, 0, "before index entry 0"},
        };
        for (const Cut& c : cuts) {
            const std::string what = std::string(index_first ? "index first, " : "movi first, ") +
                                     c.what + " (" + std::to_string(c.bytes) + " bytes)";
            Movie m;
            const int r = m.Open(Bytes(rec.avi.bytes.begin(), rec.avi.bytes.begin() + c.bytes));
            EXPECT_EQ(m.avi.DeclaredFrameCount(), 5) << what;
            if (c.frames <= 0) {
                EXPECT_EQ(r, kAviOpenFailed) << what;
                if (c.frames == 0) {
                    EXPECT_EQ(m.avi.FrameCount(), 0) << what << ": no frames";
                }
                EXPECT_EQ(m.avi.AviReadFrame(0), kAviBadChunk) << what;
                continue;
            }
            ASSERT_EQ(r, 0) << what;
            EXPECT_EQ(m.avi.FrameCount(), c.frames) << what;
            EXPECT_EQ(m.avi.AviReadFrame(c.frames), kAviBadChunk) << what;
            // Frame 3 is an event: a scan reaching into its cut bytes would find it.
            std::vector<int32_t> events;
            for (int e : o.event_frames)
                if (e < c.frames) events.push_back(e);
            EXPECT_EQ(m.avi.EventList(), events) << what;
            EXPECT_EQ(m.avi.ScanForEvent(100, -1), events.empty() ? -1 : events.back()) << what;
            m.avi.AviSeekEnd();
            EXPECT_EQ(m.avi.AviStepFrame(-1), 0) << what;
            EXPECT_EQ(m.avi.CurrentFrame(), c.frames - 1) << what;
            Picture pic;
            for (int f = 0; f < c.frames; ++f) {
                uint32_t size = 0;
                ASSERT_EQ(m.avi.AviReadFrame(f, nullptr, &size), 0) << what << " frame " << f;
                ASSERT_EQ(size, rec.frames[f].size()) << what << " frame " << f;
                EXPECT_EQ(0, std::memcmp(m.avi.FrameBuffer(), rec.frames[f].data(), size));
                EXPECT_EQ(m.avi.AviDecodeCurrent(pic), 0) << what << " frame " << f;
            }
        }
    }
}

TEST(AviStepFrame, ClampsAndReportsNoChange) {
    Movie m;
    ASSERT_EQ(m.Open(Small(6)), 0);
    m.avi.AviSetFrame(5);
    EXPECT_EQ(m.avi.AviStepFrame(1), -1);
    EXPECT_EQ(m.avi.CurrentFrame(), 5);
    m.avi.AviSetFrame(2);
    EXPECT_EQ(m.avi.AviStepFrame(-5), 0);
    EXPECT_EQ(m.avi.CurrentFrame(), 0);
    EXPECT_EQ(m.avi.AviStepFrame(-1), -1);
    m.avi.AviSeekEnd();
    EXPECT_EQ(m.avi.CurrentFrame(), 6);
    EXPECT_EQ(m.avi.AviStepFrame(-1), 0);
    EXPECT_EQ(m.avi.CurrentFrame(), 5);
}

TEST(AviOpen, CaptureClockEventListAndDecodeIntervals) {
    RecordingOptions o = Small(8);
    o.event_recording = true;
    o.event_frames = {2, 5, 7};
    o.interval_hundredths = 250;
    Movie m;
    ASSERT_EQ(m.Open(o), 0);
    EXPECT_TRUE(m.avi.HasCaptureClock());
    EXPECT_TRUE(m.avi.EventRecording());
    EXPECT_EQ(m.avi.EventList(), (std::vector<int32_t>{2, 5, 7}));
    EXPECT_EQ(m.avi.ScanForEvent(3, 8), 5);
    EXPECT_EQ(m.avi.ScanForEvent(4, 0), 2) << "backward, end excluded";
    EXPECT_EQ(m.avi.ScanForEvent(1, 0), -1);
    EXPECT_EQ(m.avi.ScanForEvent(6, 6), -1);
    EXPECT_EQ(m.avi.ScanForEvent(-100, 100000), 2) << "the walk stays inside the movie";

    Picture pic;
    ASSERT_EQ(m.avi.AviReadFrame(0), 0);
    ASSERT_EQ(m.avi.AviDecodeCurrent(pic), 0);
    EXPECT_EQ(m.avi.LastIntervalMs(), 0) << "frame 0 is measured from itself";
    ASSERT_EQ(m.avi.AviReadFrame(1), 0);
    ASSERT_EQ(m.avi.AviDecodeCurrent(pic), 0);
    EXPECT_EQ(m.avi.LastIntervalMs(), 2500);
    std::string date, time;
    m.avi.CameraDateTime(0, date, time);
    EXPECT_EQ(date, "2012/03/01");
    EXPECT_EQ(time, "06:00:02");

    RecordingOptions plain = Small(3);
    plain.clock = fixtures::ClockSource::None;
    plain.write_settings = false;
    plain.event_frames = {1};
    Movie p;
    ASSERT_EQ(p.Open(plain), 0);
    EXPECT_FALSE(p.avi.HasCaptureClock());
    EXPECT_FALSE(p.avi.EventRecording());
    EXPECT_TRUE(p.avi.EventList().empty()) << "only event recordings get a list";
}

TEST(AviOpen, DisplayFlagsOutliveTheMovie) {
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    AviMovie avi(metadata, flags, switches);
    RecordingOptions o = Small(1);
    o.family_text.clear();
    o.avi.junk = {{"KMX130", 2}};
    std::string a = TempPath("a.avi");
    fixtures::WriteBytes(a, fixtures::MakeRecording(o).avi.bytes);
    o.avi.junk = {{"NONAME", 0}};
    std::string b = TempPath("b.avi");
    fixtures::WriteBytes(b, fixtures::MakeRecording(o).avi.bytes);
    ASSERT_EQ(avi.AviOpen(a), 0);
    ASSERT_EQ(avi.AviOpen(b), 0);
    EXPECT_FALSE(flags.ShowCaptureInterval);
    EXPECT_FALSE(flags.ShowElapsedTime);
    avi.AviClose();
    avi.AviClose();
    EXPECT_FALSE(avi.IsOpen());
}

}  // namespace
}  // namespace qv
