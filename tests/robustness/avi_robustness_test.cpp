// Damaged camera AVI files: truncated at every one of the first 4096 bytes and at random later
// points, random bit flips in the headers, the index and the frames, and absurd header values.
// Opening, reading and decoding must give the documented codes, never crash, never read past the
// frame buffer or the frame's bytes, and never allocate from an unchecked header number.
#include <filesystem>

#include "fixtures/camera_recording.h"
#include "robustness/robustness_support.h"

namespace qv::robustness {
namespace {

namespace fs = std::filesystem;
using fixtures::AviLayout;
using fixtures::GetLe32;
using fixtures::PutLe32;

fixtures::Recording SmallRecording(AviLayout layout) {
    fixtures::RecordingOptions o;
    o.avi.width = 64;
    o.avi.height = 48;
    o.avi.layout = layout;
    o.avi.junk = {{"WDX310", 2}};
    o.frame_count = 6;
    o.event_recording = true;
    o.event_frames = {1, 4};
    o.settings.model = 3;
    o.pir_frames = {2};
    o.noise_amplitude = 12;
    return fixtures::MakeRecording(o);
}

class AviRobustness : public ::testing::Test {
  protected:
    AviRobustness() : movie(shared.metadata, shared.flags, shared.switches) {
        dir = fs::path(QV_FIXTURE_DIR) / "robustness" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(dir);
    }

    // Writes the bytes, opens them and, when the open succeeds, reads and decodes every frame
    // (full and DC-only), stepping through the movie as playback would.
    int Exercise(const Bytes& file, const std::string& what) {
        const fs::path path = dir / "damaged.avi";
        EXPECT_TRUE(fixtures::WriteBytes(path.string(), file));
        const int open = movie.AviOpen(path.string());
        EXPECT_TRUE(IsOpenCode(open)) << what << ": AviOpen gave " << open;
        if (open == 0) {
            EXPECT_GT(movie.FrameCount(), 0) << what;
            EXPECT_LE(static_cast<uint64_t>(movie.FrameCount()) * 16, file.size()) << what;
            ReadAll(what);
        }
        movie.AviClose();
        return open;
    }

    void ReadAll(const std::string& what) {
        Picture pic;
        for (int f = 0; f < movie.FrameCount(); ++f) {
            uint32_t offset = 0, size = 0;
            const int r = movie.AviReadFrame(f, &offset, &size);
            EXPECT_TRUE(r == 0 || r == -3) << what << ": AviReadFrame gave " << r;
            if (r != 0) continue;
            EXPECT_LE(size, movie.FrameBufferSize()) << what;
            movie.AviSetFrame(f);
            const int d = movie.AviDecodeCurrent(pic);
            EXPECT_TRUE(IsFrameDecodeCode(d)) << what << ": AviDecodeCurrent gave " << d;
            DecodeExactCopy(movie.Jpeg(), movie.FrameBuffer(), size, what);
        }
    }

    SharedState shared;
    AviMovie movie;
    fs::path dir;
};

TEST_F(AviRobustness, IntactRecordingOpens) {
    const auto rec = SmallRecording(AviLayout::IndexBeforeMovi);
    ASSERT_EQ(Exercise(rec.avi.bytes, "intact"), 0);
    ASSERT_EQ(movie.AviOpen((dir / "damaged.avi").string()), 0);
    EXPECT_EQ(movie.FrameCount(), 6);
    EXPECT_EQ(movie.FrameIndex()[5].offset, rec.avi.chunk_offsets[5]);
}

TEST_F(AviRobustness, TruncatedEverywhere) {
    for (AviLayout layout : {AviLayout::IndexBeforeMovi, AviLayout::MoviBeforeIndex}) {
        const Bytes file = SmallRecording(layout).avi.bytes;
        ASSERT_GT(file.size(), 4096u + 1000u);
        std::mt19937 rng(layout == AviLayout::IndexBeforeMovi ? 1 : 2);
        std::vector<size_t> cuts;
        if (layout == AviLayout::IndexBeforeMovi)
            for (size_t n = 0; n < 4096; ++n)
                cuts.push_back(n);
        for (int i = 0; i < 200; ++i)
            cuts.push_back(4096 + rng() % (file.size() - 4096));
        for (size_t n : cuts)
            Exercise(Bytes(file.begin(), file.begin() + static_cast<long>(n)),
                     "cut at " + std::to_string(n));
    }
}

TEST_F(AviRobustness, RandomBitFlips) {
    const auto rec = SmallRecording(AviLayout::IndexBeforeMovi);
    const Bytes& file = rec.avi.bytes;
    // Headers and index up to the first frame's scan data; the rest of the file is frames.
    const size_t headers = rec.avi.chunk_offsets[0] + 8 + 700;
    std::mt19937 rng(7);
    for (int i = 0; i < 1000; ++i) {
        Bytes damaged = file;
        const size_t span = i % 2 ? damaged.size() : headers;
        const int flips = 1 + static_cast<int>(rng() % 3);
        for (int f = 0; f < flips; ++f)
            damaged[rng() % span] ^= static_cast<uint8_t>(1 << (rng() % 8));
        Exercise(damaged, "flip round " + std::to_string(i));
    }
}

TEST_F(AviRobustness, AbsurdFrameCounts) {
    const Bytes file = SmallRecording(AviLayout::IndexBeforeMovi).avi.bytes;
    for (uint32_t count : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0u, 7u, 1000000u}) {
        Bytes damaged = file;
        PutLe32(damaged, fixtures::avi_offset::kTotalFrames, count);
        const int r = Exercise(damaged, "frame count " + std::to_string(count));
        if (static_cast<int32_t>(count) <= 0) {
            EXPECT_EQ(r, -1) << count;
        }
        if (count > 6) {
            EXPECT_NE(r, 0) << "an index shorter than the frame count";
        }
    }
}

TEST_F(AviRobustness, AbsurdPictureSizes) {
    const Bytes file = SmallRecording(AviLayout::IndexBeforeMovi).avi.bytes;
    for (uint32_t w : {0u, 1u, 8u, 64u, 65535u, 0x80000000u})
        for (uint32_t h : {0u, 1u, 48u, 65535u, 0xFFFFFFFFu}) {
            Bytes damaged = file;
            PutLe32(damaged, fixtures::avi_offset::kWidth, w);
            PutLe32(damaged, fixtures::avi_offset::kHeight, h);
            Exercise(damaged, "size " + std::to_string(w) + "x" + std::to_string(h));
        }
    // Scale 0 and a negative rate must not divide by zero anywhere.
    Bytes damaged = file;
    PutLe32(damaged, fixtures::avi_offset::kScale, 0);
    PutLe32(damaged, fixtures::avi_offset::kRate, 0x80000000u);
    Exercise(damaged, "scale 0");
}

// The rate rules multiply the scale by 10 (a negative rate, and the fast-capture rule of
// "KMXPLS" mode 3): a huge scale must neither overflow nor turn the rate negative.
TEST_F(AviRobustness, HugeScaleUnderTheTenFramesPerSecondRules) {
    fixtures::RecordingOptions o;
    o.avi.width = 32;
    o.avi.height = 16;
    o.avi.junk = {{"KMXPLS", 3}};
    o.frame_count = 2;
    const Bytes file = fixtures::MakeRecording(o).avi.bytes;
    for (uint32_t scale : {536870913u, 0x7FFFFFFFu, 0x80000000u, 65535u, 7u}) {
        for (uint32_t rate : {1u, 0xFFFFFFFFu}) {
            Bytes damaged = file;
            PutLe32(damaged, fixtures::avi_offset::kScale, scale);
            PutLe32(damaged, fixtures::avi_offset::kRate, rate);
            fixtures::WriteBytes((dir / "scale.avi").string(), damaged);
            ASSERT_EQ(movie.AviOpen((dir / "scale.avi").string()), 0) << scale;
            const int64_t expected_scale = scale == 65535u ? 86400 : static_cast<int32_t>(scale);
            EXPECT_EQ(movie.Scale(), expected_scale);
            if (expected_scale > 0) {
                EXPECT_EQ(movie.Rate(), std::min<int64_t>(expected_scale * 10, INT32_MAX))
                    << scale << " " << rate;
            }
            movie.AviClose();
        }
    }
}

TEST_F(AviRobustness, IndexEntriesPastTheEnd) {
    const auto rec = SmallRecording(AviLayout::IndexBeforeMovi);
    const Bytes& file = rec.avi.bytes;
    const size_t entry3 = rec.avi.index_position + 16 * 3;
    struct Damage {
        size_t at;
        uint32_t value;
        const char* what;
    };
    const Damage damages[] = {
        {entry3 + 8, static_cast<uint32_t>(file.size()), "offset at the end"},
        {entry3 + 8, static_cast<uint32_t>(file.size() - 4), "chunk header cut by the end"},
        {entry3 + 8, 0xFFFFFFF0u, "offset near 4 GiB"},
        {entry3 + 12, static_cast<uint32_t>(file.size()), "size past the end"},
        {entry3 + 12, 0xFFFFFFFFu, "size 4 GiB"},
        {entry3 + 12, 64u * 48 * 3 + 1, "size past the frame buffer"},
        {rec.avi.index_position + 8, 0xFFFFFF00u, "frame 0 past the end"},
        {rec.avi.index_position + 12, 0x7FFFFFFFu, "frame 0 size absurd"},
    };
    for (const Damage& d : damages) {
        Bytes damaged = file;
        PutLe32(damaged, d.at, d.value);
        fixtures::WriteBytes((dir / "index.avi").string(), damaged);
        const int open = movie.AviOpen((dir / "index.avi").string());
        EXPECT_TRUE(open == 0 || open == -1) << d.what << " gave " << open;
        if (open == 0) {
            if (d.at >= entry3) {
                EXPECT_EQ(movie.AviReadFrame(3), -3) << d.what;
            }
            ReadAll(d.what);
        }
        movie.AviClose();
    }
    // An index whose size field promises more entries than the file holds, and one cut short
    // by the end of the file.
    Bytes cut(file.begin(), file.begin() + static_cast<long>(entry3 + 5));
    Exercise(cut, "index cut in entry 3");
}

TEST_F(AviRobustness, ChunkWalkOddities) {
    const auto rec = SmallRecording(AviLayout::IndexBeforeMovi);
    const Bytes& file = rec.avi.bytes;
    // A "JUNK" chunk whose size runs past the end, one of size 0xFFFFFFF8 (the walk position
    // wraps when added in 32 bits), and one shorter than the 8 bytes the reader takes from it.
    for (uint32_t size : {0x7FFFFFFFu, 0xFFFFFFF8u, 0xFFFFFFFFu, 0u, 3u}) {
        Bytes damaged = file;
        PutLe32(damaged, 224, size);
        Exercise(damaged, "JUNK size " + std::to_string(size));
    }
    // A file that ends inside the "JUNK" body.
    Exercise(Bytes(file.begin(), file.begin() + 230), "ends in JUNK");
    // Not a camera file at all: zeros, and a text file.
    Exercise(Bytes(300, 0), "zeros");
    const std::string text = "not an AVI file\n";
    Exercise(Bytes(text.begin(), text.end()), "text");
    EXPECT_EQ(movie.AviOpen((dir / "does-not-exist.avi").string()), -1);
    EXPECT_EQ(movie.FrameCount(), -1);
}

}  // namespace
}  // namespace qv::robustness
