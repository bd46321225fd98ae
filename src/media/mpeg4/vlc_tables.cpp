#include "media/mpeg4/vlc_tables.h"

#include <algorithm>

namespace qv::mpeg4 {

namespace {

// Table B-6: intra, then intra with DQUANT, cbpc 0..3 each; then stuffing.
const VlcRow kMcbpcIntraRows[] = {
    {0x1, 1, McbpcValue(3, 0)}, {0x1, 3, McbpcValue(3, 1)}, {0x2, 3, McbpcValue(3, 2)},
    {0x3, 3, McbpcValue(3, 3)}, {0x1, 4, McbpcValue(4, 0)}, {0x1, 6, McbpcValue(4, 1)},
    {0x2, 6, McbpcValue(4, 2)}, {0x3, 6, McbpcValue(4, 3)}, {0x1, 9, McbpcValue(kMbStuffing, 0)},
};

// Table B-7: mb types 0 (inter), 1 (inter + DQUANT), 2 (four vectors), 3 (intra), 4 (intra +
// DQUANT), cbpc 0..3 each; then stuffing.
const VlcRow kMcbpcInterRows[] = {
    {0x1, 1, McbpcValue(0, 0)}, {0x3, 4, McbpcValue(0, 1)}, {0x2, 4, McbpcValue(0, 2)},
    {0x5, 6, McbpcValue(0, 3)}, {0x3, 3, McbpcValue(1, 0)}, {0x7, 7, McbpcValue(1, 1)},
    {0x6, 7, McbpcValue(1, 2)}, {0x5, 9, McbpcValue(1, 3)}, {0x2, 3, McbpcValue(2, 0)},
    {0x5, 7, McbpcValue(2, 1)}, {0x4, 7, McbpcValue(2, 2)}, {0x5, 8, McbpcValue(2, 3)},
    {0x3, 5, McbpcValue(3, 0)}, {0x4, 8, McbpcValue(3, 1)}, {0x3, 8, McbpcValue(3, 2)},
    {0x3, 7, McbpcValue(3, 3)}, {0x4, 6, McbpcValue(4, 0)}, {0x4, 9, McbpcValue(4, 1)},
    {0x3, 9, McbpcValue(4, 2)}, {0x2, 9, McbpcValue(4, 3)}, {0x1, 9, McbpcValue(kMbStuffing, 0)},
};

// Table B-8, values for intra macroblocks (inter macroblocks take 15 minus the value).
const VlcRow kCbpyRows[] = {
    {0x3, 4, 0},  {0x5, 5, 1},  {0x4, 5, 2},  {0x9, 4, 3},  {0x3, 5, 4},  {0x7, 4, 5},
    {0x2, 6, 6},  {0xB, 4, 7},  {0x2, 5, 8},  {0x3, 6, 9},  {0x5, 4, 10}, {0xA, 4, 11},
    {0x4, 4, 12}, {0x8, 4, 13}, {0x6, 4, 14}, {0x3, 2, 15},
};

// Table B-12 without the sign bit: magnitudes 0..32.
const VlcRow kMvdRows[] = {
    {1, 1, 0},    {1, 2, 1},    {1, 3, 2},    {1, 4, 3},    {3, 6, 4},    {5, 7, 5},
    {4, 7, 6},    {3, 7, 7},    {11, 9, 8},   {10, 9, 9},   {9, 9, 10},   {17, 10, 11},
    {16, 10, 12}, {15, 10, 13}, {14, 10, 14}, {13, 10, 15}, {12, 10, 16}, {11, 10, 17},
    {10, 10, 18}, {9, 10, 19},  {8, 10, 20},  {7, 10, 21},  {6, 10, 22},  {5, 10, 23},
    {4, 10, 24},  {7, 11, 25},  {6, 11, 26},  {5, 11, 27},  {4, 11, 28},  {3, 11, 29},
    {2, 11, 30},  {3, 12, 31},  {2, 12, 32},
};

// Tables B-13 and B-14: dct_dc_size 0..12.
const VlcRow kDcSizeLumaRows[] = {
    {3, 3, 0}, {3, 2, 1}, {2, 2, 2}, {2, 3, 3},  {1, 3, 4},   {1, 4, 5},   {1, 5, 6},
    {1, 6, 7}, {1, 7, 8}, {1, 8, 9}, {1, 9, 10}, {1, 10, 11}, {1, 11, 12},
};
const VlcRow kDcSizeChromaRows[] = {
    {3, 2, 0}, {2, 2, 1}, {1, 2, 2}, {1, 3, 3},   {1, 4, 4},   {1, 5, 5},   {1, 6, 6},
    {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {1, 10, 10}, {1, 11, 11}, {1, 12, 12},
};

// Tables B-16 (intra) and B-17 (inter): code, length, last, run, level; the sign bit follows.
const TcoefRow kIntraTcoefRows[] = {
    {0x02, 2, 0, 0, 1},   {0x06, 3, 0, 0, 2},   {0x0F, 4, 0, 0, 3},   {0x0D, 5, 0, 0, 4},
    {0x0C, 5, 0, 0, 5},   {0x15, 6, 0, 0, 6},   {0x13, 6, 0, 0, 7},   {0x12, 6, 0, 0, 8},
    {0x17, 7, 0, 0, 9},   {0x1F, 8, 0, 0, 10},  {0x1E, 8, 0, 0, 11},  {0x1D, 8, 0, 0, 12},
    {0x25, 9, 0, 0, 13},  {0x24, 9, 0, 0, 14},  {0x23, 9, 0, 0, 15},  {0x21, 9, 0, 0, 16},
    {0x21, 10, 0, 0, 17}, {0x20, 10, 0, 0, 18}, {0x0F, 10, 0, 0, 19}, {0x0E, 10, 0, 0, 20},
    {0x07, 11, 0, 0, 21}, {0x06, 11, 0, 0, 22}, {0x20, 11, 0, 0, 23}, {0x21, 11, 0, 0, 24},
    {0x50, 12, 0, 0, 25}, {0x51, 12, 0, 0, 26}, {0x52, 12, 0, 0, 27}, {0x0E, 4, 0, 1, 1},
    {0x14, 6, 0, 1, 2},   {0x16, 7, 0, 1, 3},   {0x1C, 8, 0, 1, 4},   {0x20, 9, 0, 1, 5},
    {0x1F, 9, 0, 1, 6},   {0x0D, 10, 0, 1, 7},  {0x22, 11, 0, 1, 8},  {0x53, 12, 0, 1, 9},
    {0x55, 12, 0, 1, 10}, {0x0B, 5, 0, 2, 1},   {0x15, 7, 0, 2, 2},   {0x1E, 9, 0, 2, 3},
    {0x0C, 10, 0, 2, 4},  {0x56, 12, 0, 2, 5},  {0x11, 6, 0, 3, 1},   {0x1B, 8, 0, 3, 2},
    {0x1D, 9, 0, 3, 3},   {0x0B, 10, 0, 3, 4},  {0x10, 6, 0, 4, 1},   {0x22, 9, 0, 4, 2},
    {0x0A, 10, 0, 4, 3},  {0x0D, 6, 0, 5, 1},   {0x1C, 9, 0, 5, 2},   {0x08, 10, 0, 5, 3},
    {0x12, 7, 0, 6, 1},   {0x1B, 9, 0, 6, 2},   {0x54, 12, 0, 6, 3},  {0x14, 7, 0, 7, 1},
    {0x1A, 9, 0, 7, 2},   {0x57, 12, 0, 7, 3},  {0x19, 8, 0, 8, 1},   {0x09, 10, 0, 8, 2},
    {0x18, 8, 0, 9, 1},   {0x23, 11, 0, 9, 2},  {0x17, 8, 0, 10, 1},  {0x19, 9, 0, 11, 1},
    {0x18, 9, 0, 12, 1},  {0x07, 10, 0, 13, 1}, {0x58, 12, 0, 14, 1}, {0x07, 4, 1, 0, 1},
    {0x0C, 6, 1, 0, 2},   {0x16, 8, 1, 0, 3},   {0x17, 9, 1, 0, 4},   {0x06, 10, 1, 0, 5},
    {0x05, 11, 1, 0, 6},  {0x04, 11, 1, 0, 7},  {0x59, 12, 1, 0, 8},  {0x0F, 6, 1, 1, 1},
    {0x16, 9, 1, 1, 2},   {0x05, 10, 1, 1, 3},  {0x0E, 6, 1, 2, 1},   {0x04, 10, 1, 2, 2},
    {0x11, 7, 1, 3, 1},   {0x24, 11, 1, 3, 2},  {0x10, 7, 1, 4, 1},   {0x25, 11, 1, 4, 2},
    {0x13, 7, 1, 5, 1},   {0x5A, 12, 1, 5, 2},  {0x15, 8, 1, 6, 1},   {0x5B, 12, 1, 6, 2},
    {0x14, 8, 1, 7, 1},   {0x13, 8, 1, 8, 1},   {0x1A, 8, 1, 9, 1},   {0x15, 9, 1, 10, 1},
    {0x14, 9, 1, 11, 1},  {0x13, 9, 1, 12, 1},  {0x12, 9, 1, 13, 1},  {0x11, 9, 1, 14, 1},
    {0x26, 11, 1, 15, 1}, {0x27, 11, 1, 16, 1}, {0x5C, 12, 1, 17, 1}, {0x5D, 12, 1, 18, 1},
    {0x5E, 12, 1, 19, 1}, {0x5F, 12, 1, 20, 1},
};
const TcoefRow kInterTcoefRows[] = {
    {0x02, 2, 0, 0, 1},   {0x0F, 4, 0, 0, 2},   {0x15, 6, 0, 0, 3},   {0x17, 7, 0, 0, 4},
    {0x1F, 8, 0, 0, 5},   {0x25, 9, 0, 0, 6},   {0x24, 9, 0, 0, 7},   {0x21, 10, 0, 0, 8},
    {0x20, 10, 0, 0, 9},  {0x07, 11, 0, 0, 10}, {0x06, 11, 0, 0, 11}, {0x20, 11, 0, 0, 12},
    {0x06, 3, 0, 1, 1},   {0x14, 6, 0, 1, 2},   {0x1E, 8, 0, 1, 3},   {0x0F, 10, 0, 1, 4},
    {0x21, 11, 0, 1, 5},  {0x50, 12, 0, 1, 6},  {0x0E, 4, 0, 2, 1},   {0x1D, 8, 0, 2, 2},
    {0x0E, 10, 0, 2, 3},  {0x51, 12, 0, 2, 4},  {0x0D, 5, 0, 3, 1},   {0x23, 9, 0, 3, 2},
    {0x0D, 10, 0, 3, 3},  {0x0C, 5, 0, 4, 1},   {0x22, 9, 0, 4, 2},   {0x52, 12, 0, 4, 3},
    {0x0B, 5, 0, 5, 1},   {0x0C, 10, 0, 5, 2},  {0x53, 12, 0, 5, 3},  {0x13, 6, 0, 6, 1},
    {0x0B, 10, 0, 6, 2},  {0x54, 12, 0, 6, 3},  {0x12, 6, 0, 7, 1},   {0x0A, 10, 0, 7, 2},
    {0x11, 6, 0, 8, 1},   {0x09, 10, 0, 8, 2},  {0x10, 6, 0, 9, 1},   {0x08, 10, 0, 9, 2},
    {0x16, 7, 0, 10, 1},  {0x55, 12, 0, 10, 2}, {0x15, 7, 0, 11, 1},  {0x14, 7, 0, 12, 1},
    {0x1C, 8, 0, 13, 1},  {0x1B, 8, 0, 14, 1},  {0x21, 9, 0, 15, 1},  {0x20, 9, 0, 16, 1},
    {0x1F, 9, 0, 17, 1},  {0x1E, 9, 0, 18, 1},  {0x1D, 9, 0, 19, 1},  {0x1C, 9, 0, 20, 1},
    {0x1B, 9, 0, 21, 1},  {0x1A, 9, 0, 22, 1},  {0x22, 11, 0, 23, 1}, {0x23, 11, 0, 24, 1},
    {0x56, 12, 0, 25, 1}, {0x57, 12, 0, 26, 1}, {0x07, 4, 1, 0, 1},   {0x19, 9, 1, 0, 2},
    {0x05, 11, 1, 0, 3},  {0x0F, 6, 1, 1, 1},   {0x04, 11, 1, 1, 2},  {0x0E, 6, 1, 2, 1},
    {0x0D, 6, 1, 3, 1},   {0x0C, 6, 1, 4, 1},   {0x13, 7, 1, 5, 1},   {0x12, 7, 1, 6, 1},
    {0x11, 7, 1, 7, 1},   {0x10, 7, 1, 8, 1},   {0x1A, 8, 1, 9, 1},   {0x19, 8, 1, 10, 1},
    {0x18, 8, 1, 11, 1},  {0x17, 8, 1, 12, 1},  {0x16, 8, 1, 13, 1},  {0x15, 8, 1, 14, 1},
    {0x14, 8, 1, 15, 1},  {0x13, 8, 1, 16, 1},  {0x18, 9, 1, 17, 1},  {0x17, 9, 1, 18, 1},
    {0x16, 9, 1, 19, 1},  {0x15, 9, 1, 20, 1},  {0x14, 9, 1, 21, 1},  {0x13, 9, 1, 22, 1},
    {0x12, 9, 1, 23, 1},  {0x11, 9, 1, 24, 1},  {0x07, 10, 1, 25, 1}, {0x06, 10, 1, 26, 1},
    {0x05, 10, 1, 27, 1}, {0x04, 10, 1, 28, 1}, {0x24, 11, 1, 29, 1}, {0x25, 11, 1, 30, 1},
    {0x26, 11, 1, 31, 1}, {0x27, 11, 1, 32, 1}, {0x58, 12, 1, 33, 1}, {0x59, 12, 1, 34, 1},
    {0x5A, 12, 1, 35, 1}, {0x5B, 12, 1, 36, 1}, {0x5C, 12, 1, 37, 1}, {0x5D, 12, 1, 38, 1},
    {0x5E, 12, 1, 39, 1}, {0x5F, 12, 1, 40, 1},
};

}  // namespace

std::span<const VlcRow> McbpcIntraRows() {
    return kMcbpcIntraRows;
}
std::span<const VlcRow> McbpcInterRows() {
    return kMcbpcInterRows;
}
std::span<const VlcRow> CbpyRows() {
    return kCbpyRows;
}
std::span<const VlcRow> MvdRows() {
    return kMvdRows;
}
std::span<const VlcRow> DcSizeLumaRows() {
    return kDcSizeLumaRows;
}
std::span<const VlcRow> DcSizeChromaRows() {
    return kDcSizeChromaRows;
}
std::span<const TcoefRow> IntraTcoefRows() {
    return kIntraTcoefRows;
}
std::span<const TcoefRow> InterTcoefRows() {
    return kInterTcoefRows;
}

VlcLookup::VlcLookup(std::span<const VlcRow> rows) {
    for (const VlcRow& r : rows)
        max_bits_ = std::max<int>(max_bits_, r.length);
    entries_.assign(size_t{1} << max_bits_, Entry{-1, 0});
    for (const VlcRow& r : rows) {
        int free_bits = max_bits_ - r.length;
        uint32_t first = static_cast<uint32_t>(r.code) << free_bits;
        for (uint32_t i = 0; i < (1u << free_bits); ++i)
            entries_[first + i] = Entry{r.value, r.length};
    }
}

TcoefLookup::TcoefLookup(std::span<const TcoefRow> rows) {
    entries_.assign(size_t{1} << kBits, Entry{0, 0, 0, 0});
    for (auto& r : rmax_)
        std::fill(std::begin(r), std::end(r), -1);
    for (const TcoefRow& r : rows) {
        int free_bits = kBits - r.length;
        uint32_t first = static_cast<uint32_t>(r.code) << free_bits;
        for (uint32_t i = 0; i < (1u << free_bits); ++i)
            entries_[first + i] = Entry{r.length, r.last, r.run, r.level};
        lmax_[r.last][r.run] = std::max<int>(lmax_[r.last][r.run], r.level);
        rmax_[r.last][r.level] = std::max<int>(rmax_[r.last][r.level], r.run);
    }
}

int TcoefLookup::Lmax(int last, int run) const {
    return run >= 0 && run < 64 ? lmax_[last & 1][run] : 0;
}

int TcoefLookup::Rmax(int last, int level) const {
    return level >= 0 && level < 64 ? rmax_[last & 1][level] : -1;
}

VlcTables::VlcTables()
    : mcbpc_intra(McbpcIntraRows()),
      mcbpc_inter(McbpcInterRows()),
      cbpy(CbpyRows()),
      mvd(MvdRows()),
      dc_luma(DcSizeLumaRows()),
      dc_chroma(DcSizeChromaRows()),
      intra(IntraTcoefRows()),
      inter(InterTcoefRows()) {}

const VlcTables& Tables() {
    static const VlcTables tables;
    return tables;
}

const uint8_t kZigzag[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

const uint8_t kDefaultIntraMatrix[64] = {
    8,  17, 18, 19, 21, 23, 25, 27, 17, 18, 19, 21, 23, 25, 27, 28, 20, 21, 22, 23, 24, 26,
    28, 30, 21, 22, 23, 24, 26, 28, 30, 32, 22, 23, 24, 26, 28, 30, 32, 35, 23, 24, 26, 28,
    30, 32, 35, 38, 25, 26, 28, 30, 32, 35, 38, 41, 27, 28, 30, 32, 35, 38, 41, 45,
};

const uint8_t kDefaultInterMatrix[64] = {
    16, 17, 18, 19, 20, 21, 22, 23, 17, 18, 19, 20, 21, 22, 23, 24, 18, 19, 20, 21, 22, 23,
    24, 25, 19, 20, 21, 22, 23, 24, 26, 27, 20, 21, 22, 23, 25, 26, 27, 28, 21, 22, 23, 24,
    26, 27, 28, 30, 22, 23, 24, 26, 27, 28, 30, 31, 23, 24, 25, 27, 28, 30, 31, 33,
};

}  // namespace qv::mpeg4
