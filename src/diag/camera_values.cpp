#include "diag/camera_values.h"

#include <cstdio>
#include <iterator>

namespace qv::diag {
namespace {

constexpr const char* kNotAvailable = "n/a";

void SetNumber(std::string& out, int32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    out.assign(buf);
}

// A value still at -1 has not been set by any segment.
void SetValue(std::string& out, int32_t value) {
    if (value == -1)
        out.assign(kNotAvailable);
    else
        SetNumber(out, value);
}

void SetTriple(std::string& out, const std::array<int32_t, 3>& v) {
    if (v[0] == -1) {
        out.assign(kNotAvailable);
        return;
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "%3d, %3d, %3d", v[0], v[1], v[2]);
    out.assign(buf);
}

void SetWord(std::string& out, const char* word, int32_t value) {
    if (word)
        out.assign(word);
    else
        SetNumber(out, value);
}

}  // namespace

const char* WhiteBalanceWord(int mode) {
    static constexpr const char* kModes[] = {"Auto",
                                             "5000 Daylight",
                                             "7000 Shadow",
                                             "6000 Cloudy",
                                             "4000 Fluor(cool)",
                                             "3300 Fluor(warm)",
                                             "2800 Incandescent"};
    return mode >= 0 && mode < static_cast<int>(std::size(kModes)) ? kModes[mode] : nullptr;
}

const char* ExposureTypeWord(int type) {
    static constexpr const char* kTypes[] = {"Fast", "Slow", "Fast Semi", "Slow Semi"};
    return type >= 0 && type < static_cast<int>(std::size(kTypes)) ? kTypes[type] : nullptr;
}

void DescribeCameraValues(const CameraMetadata& m, CameraValueTexts& out) {
    out.lblFWRev.assign(m.szFWRev);
    if (m.nFPGARev == -1) {
        out.lblFPGARev.assign(kNotAvailable);
    } else {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%4.4X", static_cast<unsigned>(m.nFPGARev));
        out.lblFPGARev.assign(buf);
    }
    // No segment carries the count of white-balance samples.
    out.lblAWBSamples.assign(kNotAvailable);
    SetTriple(out.lblRGBAvg, m.nRGBAvg);
    SetTriple(out.lblRGBGain, m.nRGBGain);
    SetValue(out.lblLuma, m.nLuma);
    SetValue(out.lblLuma1, m.nLuma1);
    SetValue(out.lblLuma2, m.nLuma2);
    SetValue(out.lblRawExpo, m.nRawExpo);
    SetValue(out.lblPhysExpo, m.nPhysExpo);
    SetValue(out.lblAEGain, m.nAEGain);
    SetValue(out.lblBatt, m.nBatt);
    if (m.nBatt2 == 0)
        out.lblBatt2.assign(kNotAvailable);
    else
        SetValue(out.lblBatt2, m.nBatt2);
    SetValue(out.lblFRC, m.nRetries);
    SetWord(out.lblExpType, ExposureTypeWord(m.nExpType), m.nExpType);
    SetWord(out.lblWBMode, WhiteBalanceWord(m.nDbgWBMode), m.nDbgWBMode);
    // The unit is a letter; a zero byte ends the text there, as it would in a C string.
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d %c", m.nTemp, static_cast<char>(m.nTempUnit & 0xFF));
    out.lblTemp.assign(buf);
}

}  // namespace qv::diag
