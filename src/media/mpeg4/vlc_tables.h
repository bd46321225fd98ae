// Variable-length code tables of ISO/IEC 14496-2 Annex B, held as (code, length, value) rows, and
// the flat look-up tables built from them once: a look-up with the next k bits gives the row whose
// code is a prefix of them, exactly what reading bit by bit and matching after each bit finds.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qv::mpeg4 {

struct VlcRow {
    uint16_t code;
    uint8_t length;
    int16_t value;
};

struct TcoefRow {
    uint16_t code;
    uint8_t length;
    uint8_t last;
    uint8_t run;
    uint8_t level;
};

// Values of the macroblock-type rows: mb type in the low 3 bits, cbpc above.
inline constexpr int16_t McbpcValue(int mb_type, int cbpc) {
    return static_cast<int16_t>(mb_type | (cbpc << 3));
}
inline constexpr int kMbStuffing = 5;

// Annex B tables: B-6 (MCBPC, I-VOPs), B-7 (MCBPC, P-VOPs), B-8 (CBPY, intra values), B-12 (MVD
// magnitude 0..32; the sign bit follows the code), B-13/B-14 (DC size), B-16/B-17 (TCOEF).
std::span<const VlcRow> McbpcIntraRows();
std::span<const VlcRow> McbpcInterRows();
std::span<const VlcRow> CbpyRows();
std::span<const VlcRow> MvdRows();
std::span<const VlcRow> DcSizeLumaRows();
std::span<const VlcRow> DcSizeChromaRows();
std::span<const TcoefRow> IntraTcoefRows();
std::span<const TcoefRow> InterTcoefRows();

// The 7-bit TCOEF escape code 0000011.
inline constexpr uint32_t kTcoefEscape = 3;
inline constexpr int kTcoefEscapeLength = 7;

// Flat table for codes up to max_bits long.
class VlcLookup {
  public:
    explicit VlcLookup(std::span<const VlcRow> rows);
    int MaxBits() const { return max_bits_; }
    // With the next MaxBits() bits (MSB first): the value and length of the matching code; length
    // 0 when no code matches.
    struct Entry {
        int16_t value;
        uint8_t length;
    };
    Entry Find(uint32_t bits) const { return entries_.data()[bits]; }

  private:
    int max_bits_ = 0;
    std::vector<Entry> entries_;
};

class TcoefLookup {
  public:
    explicit TcoefLookup(std::span<const TcoefRow> rows);
    static constexpr int kBits = 12;
    struct Entry {
        uint8_t length;  // 0: no code (for example the escape)
        uint8_t last;
        uint8_t run;
        uint8_t level;
    };
    Entry Find(uint32_t bits12) const { return entries_.data()[bits12]; }
    // Largest level for (last, run) and largest run for (last, level); 0 / -1 when none.
    int Lmax(int last, int run) const;
    int Rmax(int last, int level) const;

  private:
    std::vector<Entry> entries_;
    int lmax_[2][64] = {};
    int rmax_[2][64];
};

// All look-up tables, built once.
struct VlcTables {
    VlcTables();
    VlcLookup mcbpc_intra;
    VlcLookup mcbpc_inter;
    VlcLookup cbpy;
    VlcLookup mvd;
    VlcLookup dc_luma;
    VlcLookup dc_chroma;
    TcoefLookup intra;
    TcoefLookup inter;
};
const VlcTables& Tables();

// Zigzag scan: position in the scan -> raster index (ISO/IEC 14496-2 7.4.2, figure 7-2).
extern const uint8_t kZigzag[64];
// Default quantiser matrices in raster order (ISO/IEC 14496-2 6.3.3).
extern const uint8_t kDefaultIntraMatrix[64];
extern const uint8_t kDefaultInterMatrix[64];

}  // namespace qv::mpeg4
