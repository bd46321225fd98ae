#include "media/jpeg/jpeg_parser.h"

#include <gtest/gtest.h>

#include "jpeg/jpeg_test_util.h"
#include "media/jpeg/standard_ac_tables.h"

namespace qv {
namespace {

using fixtures::Bytes;
using test::Decoder;

int Parse(Decoder& d, const Bytes& jpeg, int64_t* t = nullptr, const uint8_t** ev = nullptr) {
    return JpgParseHeaders(d.ctx, jpeg.data(), std::min(jpeg.size(), kJpgHeaderLimit), true, true,
                           t, ev);
}

// Index for InsertSegment that puts a segment right in front of the scan header.
size_t BeforeScan(const Bytes& jpeg) {
    return fixtures::ListHeaderSegments(jpeg).size() - 2;
}

Bytes DqtPayload(int id, int first_value) {
    Bytes p(65, 1);
    p[0] = static_cast<uint8_t>(id);
    p[1] = static_cast<uint8_t>(first_value);
    return p;
}

TEST(QuantScale, FoldsTheTransformScalingIntoZigzagPositions) {
    const int32_t first_row[8] = {128, 92, 92, 98, 67, 98, 109, 71};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(kQuantScale[k], first_row[k]) << "position " << k;
    EXPECT_EQ(kQuantScale[63], 1682);
    EXPECT_EQ(kZigzagToNatural[2], 8) << "third zigzag position is row 1, column 0";
    EXPECT_EQ(kZigzagToNatural[63], 63);
}

// The built-in AC tables must be the ones a standard encoder writes into its DHT segments.
TEST(StandardAcTables, MatchTheTablesLibjpegTurboWrites) {
    Bytes jpeg = test::SceneFrame(64, 48);
    int checked = 0;
    for (int nth = 0; nth < 4; ++nth) {
        auto seg = fixtures::FindSegment(jpeg, fixtures::kDHT, nth);
        if (!seg) break;
        const uint8_t* p = jpeg.data() + seg->payload_offset;
        if ((p[0] >> 4) != 1) continue;
        HuffmanSpec codes{};
        std::copy(p + 1, p + 17, codes.counts.begin());
        std::copy(p + 17, p + 17 + 162, codes.symbols.begin());
        auto from_stream = std::make_unique<AcLookup>();
        BuildAcLookup(codes, *from_stream);
        const AcLookup& ours = (p[0] & 15) == 0 ? AcLuminanceLookup() : AcChrominanceLookup();
        EXPECT_TRUE(*from_stream == ours) << "AC table " << (p[0] & 15);
        ++checked;
    }
    EXPECT_EQ(checked, 2);
    // The all-ones 16-bit value starts no code and reads as end of block.
    EXPECT_EQ(AcLuminanceLookup()[0xFFFF], 0);
    EXPECT_EQ(AcLuminanceLookup()[0], (2 << 8) | 0x01) << "code 00 is run 0, size 1";
}

TEST(JpgParseHeaders, FindsTheScanAndRejectsWhatIsNotAPicture) {
    Decoder d;
    Bytes jpeg = test::SceneFrame(32, 32);
    EXPECT_EQ(Parse(d, jpeg), static_cast<int>(fixtures::ScanDataOffset(jpeg)));
    Bytes bad = jpeg;
    bad[1] = 0xD9;
    EXPECT_EQ(Parse(d, bad), -1);
    EXPECT_EQ(JpgParseHeaders(d.ctx, jpeg.data(), 2, true, true, nullptr, nullptr), 0);
    EXPECT_EQ(JpgParseHeaders(d.ctx, jpeg.data(), 1, true, true, nullptr, nullptr), -1);
    // Parsing the same picture twice gives the same tables and result.
    JpgTables first = d.ctx.tables;
    EXPECT_EQ(Parse(d, jpeg), static_cast<int>(fixtures::ScanDataOffset(jpeg)));
    EXPECT_EQ(first.quant, d.ctx.tables.quant);
    EXPECT_EQ(first.huffman[0][0].maxcode, d.ctx.tables.huffman[0][0].maxcode);
}

TEST(JpgParseHeaders, EndsWithoutScanOnForeignOrMisplacedSegments) {
    Decoder d;
    Bytes jpeg = test::SceneFrame(32, 32);
    // A scan that starts behind the first 4096 bytes is not found.
    Bytes far = jpeg;
    fixtures::InsertSegment(far, fixtures::MakeSegment(0xE1, Bytes(5000, 0x20)));
    EXPECT_EQ(Parse(d, far), 0);
    // A progressive frame header is not the camera's.
    Bytes prog = jpeg;
    auto sof = fixtures::FindSegment(prog, fixtures::kSOF0);
    ASSERT_TRUE(sof);
    prog[sof->offset + 1] = 0xC2;
    EXPECT_EQ(Parse(d, prog), 0);
    // More than four components.
    Bytes many = jpeg;
    many[sof->payload_offset + 5] = 5;
    EXPECT_EQ(Parse(d, many), 0);
    EXPECT_GT(JpgParseHeaders(d.ctx, many.data(), 4096, false, false, nullptr, nullptr), 0)
        << "the component test applies only when a header is asked for";
    // Fill bytes between segments end the walk.
    Bytes fill = jpeg;
    fill.insert(fill.begin() + 2, 0xFF);
    EXPECT_EQ(Parse(d, fill), 0);
    // A restart interval segment is skipped by its length.
    Bytes dri = jpeg;
    fixtures::InsertSegment(dri, fixtures::MakeSegment(fixtures::kDRI, Bytes{0, 4}));
    EXPECT_GT(Parse(d, dri), 0);
}

TEST(JpgParseHeaders, QuantisationSegmentsDefineOneTableEach) {
    Decoder d;
    Bytes jpeg = test::SceneFrame(32, 32);
    Parse(d, jpeg);
    const auto table1 = d.ctx.tables.quant[1];
    // Two tables in one segment: only the first (identifier 0) is defined.
    Bytes two = DqtPayload(0, 7);
    Bytes second = DqtPayload(1, 9);
    two.insert(two.end(), second.begin(), second.end());
    Bytes j2 = jpeg;
    fixtures::RemoveSegments(j2, fixtures::kDQT);
    fixtures::InsertSegment(j2, fixtures::MakeSegment(fixtures::kDQT, two));
    fixtures::InsertSegment(j2, fixtures::MakeSegment(fixtures::kDQT, DqtPayload(3, 50)));
    ASSERT_GT(Parse(d, j2), 0);
    EXPECT_EQ(d.ctx.tables.dc_quant[0], 7);
    EXPECT_EQ(d.ctx.tables.quant[0][0], 7 * 128);
    EXPECT_EQ(d.ctx.tables.quant[0][63], 1 * 1682);
    EXPECT_EQ(d.ctx.tables.quant[1], table1) << "the second table and identifier 3 change nothing";
    // A segment too short for its 64 values is ignored.
    Bytes j3 = jpeg;
    fixtures::RemoveSegments(j3, fixtures::kDQT);
    fixtures::InsertSegment(j3, fixtures::MakeSegment(fixtures::kDQT, Bytes{0, 99, 1}));
    Parse(d, j3);
    EXPECT_EQ(d.ctx.tables.dc_quant[0], 7);
}

TEST(JpgParseHeaders, HuffmanSegmentsAreBoundedAndDefineOneTableEach) {
    Decoder d;
    Bytes jpeg = test::SceneFrame(32, 32);
    Parse(d, jpeg);
    const HuffmanTable good = d.ctx.tables.huffman[0][0];
    ASSERT_TRUE(good.defined);
    // Counts that sum past 256 (and past the segment) leave the previous table in place.
    Bytes over(17 + 20, 0);
    over[0] = 0x00;
    for (int i = 1; i <= 16; ++i)
        over[i] = 255;
    Bytes j = jpeg;
    ASSERT_TRUE(
        fixtures::InsertSegment(j, fixtures::MakeSegment(fixtures::kDHT, over), BeforeScan(j)));
    // Counts that promise more symbols than the segment holds are ignored as well.
    Bytes shorter(17 + 2, 0);
    shorter[0] = 0x00;
    shorter[3] = 5;
    ASSERT_TRUE(
        fixtures::InsertSegment(j, fixtures::MakeSegment(fixtures::kDHT, shorter), BeforeScan(j)));
    ASSERT_GT(Parse(d, j), 0);
    EXPECT_EQ(d.ctx.tables.huffman[0][0].maxcode, good.maxcode);

    // A segment holding two tables defines only the first: DC 1 here, AC 0 untouched.
    Bytes two(17, 0);  // class 0, id 1: one code of length 2, symbol 3
    two[0] = 0x01;
    two[2] = 1;
    two.push_back(3);
    Bytes extra(17, 0);  // class 1, id 0: one code of length 1, symbol 0
    extra[0] = 0x10;
    extra[1] = 1;
    extra.push_back(0);
    two.insert(two.end(), extra.begin(), extra.end());
    Bytes j2 = jpeg;
    ASSERT_TRUE(
        fixtures::InsertSegment(j2, fixtures::MakeSegment(fixtures::kDHT, two), BeforeScan(j2)));
    Decoder d2;
    Parse(d2, jpeg);
    const auto ac0 = d2.ctx.tables.huffman[1][0].maxcode;
    Parse(d2, j2);
    EXPECT_EQ(d2.ctx.tables.huffman[0][1].maxcode[2], 0);
    EXPECT_EQ(d2.ctx.tables.huffman[0][1].symbols[0], 3);
    EXPECT_EQ(d2.ctx.tables.huffman[1][0].maxcode, ac0);
}

TEST(BuildHuffmanTable, CanonicalCodesPerLength) {
    // Standard luminance DC table (ISO/IEC 10918-1 K.3).
    const uint8_t counts[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    const uint8_t symbols[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    HuffmanTable t;
    ASSERT_TRUE(BuildHuffmanTable(counts, symbols, 12, t));
    EXPECT_EQ(t.maxcode[1], -1);
    EXPECT_EQ(t.mincode[2], 0);
    EXPECT_EQ(t.maxcode[2], 0);
    EXPECT_EQ(t.mincode[3], 2);
    EXPECT_EQ(t.maxcode[3], 6);
    EXPECT_EQ(t.valptr[3], 1);
    EXPECT_EQ(t.maxcode[9], 510);
    EXPECT_EQ(t.lookahead[0x1FF], 0) << "the all-ones 9-bit value starts no code";
    EXPECT_EQ(t.lookahead[0b010000000], (3 << 8) | 1);
    const uint8_t too_many[16] = {3};
    EXPECT_FALSE(BuildHuffmanTable(too_many, symbols, 12, t)) << "three codes of one bit";
}

}  // namespace
}  // namespace qv
