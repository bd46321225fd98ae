#include "app/movie_info.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

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
    return value <= 0 ? std::to_string(value) : "+" + std::to_string(value);
}

std::string TimerText(int q) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2d:%.2d", q / 4, (q % 4) * 15);
    return buf;
}

std::string WhiteBalanceName(int mode) {
    return Word({"Auto", "5000 Daylight", "7000 Shadow", "6000 Cloudy", "4000 Fluor(cool)",
                 "3300 Fluor(warm)", "2800 Incandescent"},
                mode);
}

void ShowMovieInfo(const CameraMetadata& m, int wdx_mode, UiState& ui) {
    const int model = m.nModel > 4 || m.nModel < 0 ? 0 : m.nModel;
    if (model == 0) {
        ui.Show("gbMovieInfo", false);
        return;
    }
    ui.SetText("lblExpoTitle", model == 1 ? "Custom Expo" : "Exposure");
    ui.SetText("lblCamModel",
               Word({"Not known", "KMX310", "KMX310Plus", "WDX310", "KMX130"}, model));
    ui.Show("gbMovieInfo", true);
    ui.SetText("lblFW", m.szFWRev);
    ui.SetText("lblQuant", Word({"Best", "Better", "Good"}, m.nQuality));
    ui.SetText("lblFlicker", Word({"None", "50Hz", "60Hz"}, m.nFlicker));

    const bool wdx = model == 3;
    for (const char* n : {"lblSceneTitle", "lblScene", "lblExpoTitle", "lblCustomExpo"})
        ui.Show(n, !wdx);
    if (!wdx) {
        ui.SetText("lblScene", model == 1 ? Word({"Daylight", "Night"}, m.nScene)
                                          : Word({"Daylight", "Twilight", "Night", "Moon", "Star",
                                                  "Galaxy", "FireFly"},
                                                 m.nScene));
        ui.SetText("lblCustomExpo", SignedSettingText(m.nCustomExpo - (model == 1 ? 7 : 5)));
    }
    ui.SetText("lblLED", OffOn(m.bLED != 0));
    ui.SetText("lblTimeStamp", OffOn(m.bTimeStamp != 0));
    ui.SetText("lblLowLight", OffOn(m.bLowLight != 0));
    if (m.nTimerStart == 0 && m.nTimerStop == 0) {
        ui.SetText("lblSSStart", "Disabled");
        ui.SetText("lblSSStop", "Disabled");
    } else {
        ui.SetText("lblSSStart", TimerText(m.nTimerStart));
        ui.SetText("lblSSStop", TimerText(m.nTimerStop));
    }

    const bool pro = model == 2 || model == 4;
    ui.Show("pnlProInfo", pro);
    ui.Show("pnlWDXInfo", wdx);
    if (pro) {
        ui.SetText("lblWBMode", WhiteBalanceName(m.nWBMode));
        ui.SetText("lblContrast", SignedSettingText(m.nContrast - 4));
        ui.SetText("lblSharpness", SignedSettingText(m.nSharpness - 2));
        ui.SetText("lblSaturation", SignedSettingText(m.nSaturation - 3));
        ui.SetText("lblHDRRange", Word({"High", "Medium", "Low"}, m.nHDRRange));
    }
    if (wdx) {
        if (wdx_mode >= 0 && wdx_mode <= 2)
            ui.SetText("lblMode", Word({"Motion", "Timelapse", "Hybrid"}, wdx_mode));
        ui.SetText("lblPIRTrigger", m.bPIR != 0 ? "Yes" : "No");
        ui["lblPIRTrigger"].text_rgb = m.bPIR != 0 ? 0xFF0000 : 0x000000;
        ui.Show("pnlSeek", wdx_mode == 0 || wdx_mode == 2);
    }
}

}  // namespace qv::app
