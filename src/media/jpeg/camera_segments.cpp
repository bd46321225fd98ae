#include "media/jpeg/camera_segments.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace qv {

namespace {

void DecodeClock(const ByteSpan& p, ClockRecord& clock) {
    const uint8_t* c = p.data + 33;
    clock.second = c[0];
    clock.minute = c[1];
    clock.hour = c[2];
    clock.day = c[3];
    clock.month = c[4];
    clock.year = static_cast<uint16_t>(c[6] | (c[7] << 8));
}

// Exposure, colour statistics and revisions: present in every model's segment.
void DecodeStatistics(const ByteSpan& p, CameraMetadata& m) {
    p.U16(3, m.nLuma);
    p.U16(5, m.nRetries);
    p.S16(7, m.nTemp);
    p.U16(9, m.nTempUnit);
    p.U16(11, m.nBatt);
    p.U32(13, m.nPhysExpo);
    p.U16(17, m.nAEGain);
    for (int i = 0; i < 3; ++i)
        p.U16(19 + 2 * i, m.nRGBGain[i]);
    for (int i = 0; i < 3; ++i)
        p.U16(49 + 2 * i, m.nRGBAvg[i]);
    p.U16(63, m.nLuma1);
    p.U16(65, m.nLuma2);
    p.U32(67, m.nRawExpo);
    p.U16(71, m.nBatt2);
    p.U16(73, m.nExpType);
    p.U16(75, m.nDbgWBMode);
    if (p.Has(81, 1)) {
        size_t avail = p.size - 81 < 15 ? p.size - 81 : 15;
        const char* text = reinterpret_cast<const char*>(p.data + 81);
        m.szFWRev.assign(text, strnlen(text, avail));
    }
    p.U16(97, m.nFPGARev);
}

// User settings; a model code of 0 leaves them as they were.
void DecodeSettings(JpgContext& ctx, const ByteSpan& p) {
    CameraMetadata& m = ctx.metadata;
    int32_t model = 0;
    if (!p.U8(101, model) || model == 0) return;
    m.nModel = model;
    int32_t v = 0;
    if (p.U8(102, v)) {
        m.nQuality = v >> 4;
        m.nFlicker = v & 15;
    }
    p.U8(103, m.nScene);
    p.U8(104, m.nCustomExpo);
    p.U8(105, m.nTimerStart);
    p.U8(107, m.nTimerStop);
    if (p.U8(109, v)) {
        m.bTimeStamp = v & 1;
        m.bLED = (v >> 1) & 1;
        m.bLowLight = (v >> 2) & 1;
    }
    if (model == 2 || model == 4) {
        p.U8(110, m.nWBMode);
        p.U8(111, m.nContrast);
        p.U8(112, m.nSharpness);
        p.U8(113, m.nSaturation);
        p.U8(114, m.nHDRRange);
    } else if (model == 3 && p.U8(110, v)) {
        // The trigger comes on in this frame when the previously parsed one had it off.
        m.bPIR = (v >> 3) & 1;
        bool& had_pir = ctx.PreviousFrameHadPir();
        m.bPIROnset = (m.bPIR && !had_pir) ? 1 : 0;
        had_pir = m.bPIR != 0;
    }
}

// Whether the text made of first followed by rest contains needle.
bool TextContains(char first, std::string_view rest, std::string_view needle) {
    if (rest.find(needle) != std::string_view::npos) return true;
    return first == needle[0] && rest.substr(0, needle.size() - 1) == needle.substr(1);
}

void AppendHexLine(DiagnosticsLog& log, const uint8_t* bytes) {
    char line[16 * 3 + 1];
    for (int i = 0; i < 16; ++i)
        std::snprintf(line + 3 * i, 4, "%.2X ", bytes[i]);
    log.Append(std::string(line, 16 * 3));
}

}  // namespace

bool DecodeSettingsSegment(JpgContext& ctx, ByteSpan p, int64_t& capture_time) {
    if (!p.Has(31, 2) || p.data[31] != 't' || p.data[32] != 's') return false;
    CameraMetadata& m = ctx.metadata;
    DecodeStatistics(p, m);
    bool have_clock = p.Has(33, 10);
    if (have_clock) {
        DecodeClock(p, m.clock);
        m.clock_seen = true;
        capture_time = CaptureTimeFromClock(m.clock);
    }
    DecodeSettings(ctx, p);
    return have_clock;
}

bool DecodeCommentSegment(JpgContext& ctx, uint8_t length_low, ByteSpan p, int64_t& capture_time) {
    // The family text runs from the low byte of the length field to the first zero byte (or
    // the end of the segment); it is searched in place, without a copy per frame.
    bool family = false;
    if (length_low != 0) {
        std::string_view rest;
        if (p.size) {
            const char* t = reinterpret_cast<const char*>(p.data);
            rest = std::string_view(t, strnlen(t, p.size));
        }
        const char first = static_cast<char>(length_low);
        family = TextContains(first, rest, "Tarkon");
        if (family) {
            bool wdx = TextContains(first, rest, "WDX");
            ctx.flags.ShowCaptureInterval = !wdx;
            ctx.flags.ShowElapsedTime = true;
        }
    }
    // The family text itself starts with 'T'; only a comment that does not name the family
    // carries the binary capture time.
    bool have_time = false;
    if (!family && p.Has(0, 7) && p.data[0] == 'T') {
        int32_t low = 0, high = 0;
        p.U32(1, low);
        p.U16(5, high);
        capture_time =
            static_cast<int64_t>(static_cast<uint32_t>(low)) | (static_cast<int64_t>(high) << 32);
        have_time = true;
    }
    if (ctx.switches.cbDumpRTCData && ctx.log && p.Has(7, 36) &&
        std::memcmp(p.data + 7, "RTCD", 4) == 0) {
        AppendHexLine(*ctx.log, p.data + 11);
        AppendHexLine(*ctx.log, p.data + 27);
    }
    return have_time;
}

void DecodeDiagnosticsSegment(CameraMetadata& m, ByteSpan p) {
    m.diag_block.fill(0);
    size_t n = p.size < m.diag_block.size() ? p.size : m.diag_block.size();
    if (n) std::memcpy(m.diag_block.data(), p.data, n);
    m.diag_present = true;
}

}  // namespace qv
