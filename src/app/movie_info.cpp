#include "app/movie_info.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

#include "diag/camera_values.h"

namespace qv::app {
namespace {

// The word of a table row; a value beyond the table (not written by the cameras) shows its number.
std::string Word(std::initializer_list<const char*> table, int value) {
    if (value >= 0 && static_cast<size_t>(value) < table.size()) return *(table.begin() + value);
    return std::to_string(value);
}

std::string OffOn(bool on) {
    return on ? "On" : "Off";
}

}  // namespace

std::string SignedSettingText(int value) {
    std::string text = std::to_string(value);
    if (value > 0) text.insert(text.begin(), '+');
    return text;
}

std::string TimerText(int q) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2d:%.2d", q / 4, (q % 4) * 15);
    return buf;
}

void ShowMovieInfo(const CameraMetadata& m, int wdx_mode, UiState& ui) {
    const int model = m.nModel > 4 || m.nModel < 0 ? 0 : m.nModel;
    if (model == 0) {
        ui.Show(ctl::gbMovieInfo, false);
        return;
    }
    ui.SetText(ctl::lblExpoTitle, model == 1 ? "Custom Expo" : "Exposure");
    ui.SetText(ctl::lblCamModel,
               Word({"Not known", "KMX310", "KMX310Plus", "WDX310", "KMX130"}, model));
    ui.Show(ctl::gbMovieInfo, true);
    ui.SetText(ctl::lblFW, m.szFWRev);
    ui.SetText(ctl::lblQuant, Word({"Best", "Better", "Good"}, m.nQuality));
    ui.SetText(ctl::lblFlicker, Word({"None", "50Hz", "60Hz"}, m.nFlicker));

    const bool wdx = model == 3;
    for (ControlName n : {ctl::lblSceneTitle, ctl::lblScene, ctl::lblExpoTitle, ctl::lblCustomExpo})
        ui.Show(n, !wdx);
    if (!wdx) {
        ui.SetText(ctl::lblScene, model == 1 ? Word({"Daylight", "Night"}, m.nScene)
                                             : Word({"Daylight", "Twilight", "Night", "Moon",
                                                     "Star", "Galaxy", "FireFly"},
                                                    m.nScene));
        ui.SetText(ctl::lblCustomExpo, SignedSettingText(m.nCustomExpo - (model == 1 ? 7 : 5)));
    }
    ui.SetText(ctl::lblLED, OffOn(m.bLED != 0));
    ui.SetText(ctl::lblTimeStamp, OffOn(m.bTimeStamp != 0));
    ui.SetText(ctl::lblLowLight, OffOn(m.bLowLight != 0));
    if (m.nTimerStart == 0 && m.nTimerStop == 0) {
        ui.SetText(ctl::lblSSStart, "Disabled");
        ui.SetText(ctl::lblSSStop, "Disabled");
    } else {
        ui.SetText(ctl::lblSSStart, TimerText(m.nTimerStart));
        ui.SetText(ctl::lblSSStop, TimerText(m.nTimerStop));
    }

    const bool pro = model == 2 || model == 4;
    ui.Show(ctl::pnlProInfo, pro);
    ui.Show(ctl::pnlWDXInfo, wdx);
    if (pro) {
        const char* wb = diag::WhiteBalanceWord(m.nWBMode);
        ui.SetText(ctl::lblWBMode, wb ? wb : std::to_string(m.nWBMode));
        ui.SetText(ctl::lblContrast, SignedSettingText(m.nContrast - 4));
        ui.SetText(ctl::lblSharpness, SignedSettingText(m.nSharpness - 2));
        ui.SetText(ctl::lblSaturation, SignedSettingText(m.nSaturation - 3));
        ui.SetText(ctl::lblHDRRange, Word({"High", "Medium", "Low"}, m.nHDRRange));
    }
    if (wdx) {
        if (wdx_mode >= 0 && wdx_mode <= 2)
            ui.SetText(ctl::lblMode, Word({"Motion", "Timelapse", "Hybrid"}, wdx_mode));
        ui.SetText(ctl::lblPIRTrigger, m.bPIR != 0 ? "Yes" : "No");
        // Red while the PIR sensor triggers; otherwise the theme's own text colour.
        ui[ctl::lblPIRTrigger].coloured = m.bPIR != 0;
        ui[ctl::lblPIRTrigger].text_rgb = m.bPIR != 0 ? 0xFF0000 : 0x000000;
        ui.Show(ctl::pnlSeek, wdx_mode == 0 || wdx_mode == 2);
    }
}

}  // namespace qv::app
