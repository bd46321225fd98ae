// The mapped reader: window sliding (with tiny windows so that every read crosses edges),
// start-code search and stuffing.
#include "media/mpeg4/stream_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using qv::mpeg4::MappedFileSource;
using qv::mpeg4::MemorySource;
using qv::mpeg4::StreamReader;

struct Reader {
    explicit Reader(std::vector<uint8_t> b, uint32_t granule = 4) : bytes(std::move(b)) {
        ok = r.Open(std::make_unique<MemorySource>(bytes.data(), bytes.size()), granule);
    }
    std::vector<uint8_t> bytes;
    StreamReader r;
    bool ok;
};

TEST(StreamReader, SmallFileIsOneWindowOfItsSize) {
    auto path = std::filesystem::temp_directory_path() /
                ("qv_reader_" + std::to_string(::getpid()) + ".m4v");
    std::ofstream(path, std::ios::binary) << std::string(1000, 'x');
    auto source = std::make_unique<MappedFileSource>();
    std::string error;
    ASSERT_TRUE(source->Open(path.string(), error)) << error;
    StreamReader r;
    ASSERT_TRUE(r.Open(std::move(source), StreamReader::DefaultGranule()));
    EXPECT_EQ(r.WindowLength(), 1000u);
    EXPECT_EQ(r.WindowOffset(), 0u);
    EXPECT_EQ(r.CurrentByte(), 'x');
    EXPECT_EQ(r.MapWindowAt(1000), -1);  // past the end: refused, the window stays
    EXPECT_EQ(r.CurrentByte(), 'x');
    EXPECT_TRUE(r.Close());
    std::filesystem::remove(path);
    EXPECT_EQ(StreamReader::DefaultGranule() % 4096u, 0u);
}

TEST(StreamReader, EmptyOrMissingFilesStayClosed) {
    std::vector<uint8_t> none;
    StreamReader r;
    EXPECT_FALSE(r.Open(std::make_unique<MemorySource>(none.data(), 0), 16));
    EXPECT_FALSE(r.IsOpen());
    uint32_t v;
    EXPECT_FALSE(r.ReadBits(8, v));
    EXPECT_EQ(r.NextStartCode(), -1);
    MappedFileSource missing;
    std::string error;
    EXPECT_FALSE(missing.Open("/nonexistent/x.m4v", error));
    EXPECT_FALSE(error.empty());
}

TEST(StreamReader, ReadsAcrossWindowEdgesWithoutLoss) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 64; ++i)
        bytes.push_back(static_cast<uint8_t>(i * 37 + 11));
    // The same bit sequence through windows of 3 bytes and through one window.
    for (uint32_t granule : {3u, 1u << 20}) {
        Reader t(bytes, granule);
        ASSERT_TRUE(t.ok);
        uint64_t bitpos = 0;
        for (int n : {5, 13, 32, 1, 7, 29, 3, 32, 17, 11, 31, 2, 9, 24, 19, 8, 32, 30}) {
            uint32_t expect = 0;
            for (int k = 0; k < n; ++k, ++bitpos)
                expect = (expect << 1) | ((bytes[bitpos / 8] >> (7 - bitpos % 8)) & 1u);
            uint32_t peeked, v;
            ASSERT_TRUE(t.r.PeekBits(n, peeked));
            ASSERT_TRUE(t.r.ReadBits(n, v));
            EXPECT_EQ(v, expect) << "granule " << granule << " at bit " << bitpos;
            EXPECT_EQ(peeked, expect);
        }
        EXPECT_EQ(t.r.Position(), bitpos / 8);
    }
}

TEST(StreamReader, ByteMovesSlideTheWindowBothWays) {
    std::vector<uint8_t> bytes(40);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i);
    Reader t(bytes, 8);
    EXPECT_FALSE(t.r.StepBackByte());  // at offset 0
    ASSERT_TRUE(t.r.SkipBytes(8));     // lands exactly on the next window
    EXPECT_EQ(t.r.WindowOffset(), 8u);
    EXPECT_EQ(t.r.CurrentByte(), 8);
    ASSERT_TRUE(t.r.StepBackByte());
    EXPECT_EQ(t.r.WindowOffset(), 0u);
    EXPECT_EQ(t.r.CurrentByte(), 7);
    ASSERT_TRUE(t.r.SkipBytes(30));  // several windows ahead
    EXPECT_EQ(t.r.CurrentByte(), 37);
    EXPECT_EQ(t.r.WindowOffset(), 32u);
    uint8_t peek[3];
    ASSERT_TRUE(t.r.PeekBytes(peek, 3));
    EXPECT_EQ(peek[2], 39);
    EXPECT_FALSE(t.r.PeekBytes(peek, 4));  // runs past the end
    EXPECT_EQ(t.r.CurrentByte(), 37);      // and puts the reader back
    EXPECT_FALSE(t.r.SkipBytes(3));        // the end of the file
    ASSERT_TRUE(t.r.SkipBytes(2));
    EXPECT_FALSE(t.r.AdvanceByte());  // stays on the last byte
    EXPECT_EQ(t.r.CurrentByte(), 39);
}

TEST(StreamReader, ReadingPastTheEndFailsWithTheBitsRead) {
    Reader t({0xA5, 0xF0}, 1);
    uint32_t v;
    ASSERT_TRUE(t.r.ReadBits(4, v));
    EXPECT_EQ(t.r.CountZeroBitsAhead(), 1);
    EXPECT_FALSE(t.r.ReadBits(16, v));  // 12 bits are left; the last one has no byte after it
    EXPECT_EQ(v, 0x5F0u);
    EXPECT_FALSE(t.r.ReadBits(1, v));
    Reader zeros({0x00, 0x00}, 1);
    EXPECT_EQ(zeros.r.CountZeroBitsAhead(), -1);
}

TEST(StreamReader, LittleEndianFields) {
    Reader t({0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF}, 2);
    uint16_t a;
    uint32_t b;
    ASSERT_TRUE(t.r.ReadUInt16LE(a));
    ASSERT_TRUE(t.r.ReadUInt32LE(b));
    EXPECT_EQ(a, 0x1234);
    EXPECT_EQ(b, 0x12345678u);
    EXPECT_EQ(t.r.CurrentByte(), 0xFF);
}

std::vector<uint8_t> WithJunk(size_t junk, std::vector<uint8_t> tail) {
    std::vector<uint8_t> b(junk, 0x55);
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
}

TEST(StartCodeSearch, LooksAtMost32BytesAhead) {
    for (uint32_t granule : {5u, 4096u}) {
        Reader found(WithJunk(32, {0, 0, 1, 0xB6, 0x10, 0x20}), granule);
        EXPECT_EQ(found.r.NextStartCode(), 0x1B6);
        EXPECT_EQ(found.r.bytes_skipped, 32);
        EXPECT_EQ(found.r.Position(), 32u);  // not consumed
        Reader too_far(WithJunk(33, {0, 0, 1, 0xB6, 0x10, 0x20}), granule);
        EXPECT_EQ(too_far.r.NextStartCode(), -1);
    }
}

TEST(StartCodeSearch, ExtraZeroByteIsConsumed) {
    Reader t({0x00, 0x00, 0x00, 0x01, 0xB6, 0x40, 0x00, 0x00}, 3);
    EXPECT_EQ(t.r.NextStartCode(), 0x1B6);
    EXPECT_EQ(t.r.Position(), 1u);
    uint32_t code;
    ASSERT_TRUE(t.r.ReadBits(32, code));
    EXPECT_EQ(code, 0x1B6u);
}

TEST(StartCodeSearch, StuffingAroundAlignmentIsSkipped) {
    // 0x7F on a byte boundary before a start code.
    Reader a({0x7F, 0x00, 0x00, 0x01, 0xB3, 0, 0, 0}, 2);
    EXPECT_EQ(a.r.NextStartCode(), 0x1B3);
    EXPECT_EQ(a.r.bytes_skipped, 0);
    // Half a byte read, then the rest of it and a byte 0x80.
    Reader b({0xC3, 0x80, 0x00, 0x00, 0x01, 0xB2, 0, 0, 0}, 2);
    uint32_t v;
    ASSERT_TRUE(b.r.ReadBits(4, v));
    EXPECT_EQ(b.r.NextStartCode(), 0x1B2);
    EXPECT_EQ(b.r.Position(), 2u);
    EXPECT_EQ(b.r.bytes_skipped, 0);
}

}  // namespace
