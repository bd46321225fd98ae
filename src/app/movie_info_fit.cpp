#include "app/movie_info_fit.h"

#include <algorithm>
#include <initializer_list>

#include "app/layout.h"

namespace qv::app {
namespace {

constexpr int kGap = 4;  // between a title and its value, and between columns

// Title and value labels of one column, row by row.
struct Column {
    std::initializer_list<ControlName> titles;
    std::initializer_list<ControlName> values;
};

const Column kLeft{
    {ctl::Label1, ctl::Label2, ctl::Label3, ctl::lblSceneTitle, ctl::lblExpoTitle, ctl::Label8,
     ctl::Label7, ctl::Label9, ctl::Label10, ctl::Label11},
    {ctl::lblCamModel, ctl::lblQuant, ctl::lblFlicker, ctl::lblScene, ctl::lblCustomExpo,
     ctl::lblSSStart, ctl::lblSSStop, ctl::lblLED, ctl::lblLowLight, ctl::lblTimeStamp}};
const Column kPro{{ctl::Label13, ctl::Label14, ctl::Label15, ctl::Label16},
                  {ctl::lblContrast, ctl::lblSharpness, ctl::lblSaturation, ctl::lblHDRRange}};
const Column kWdx{{ctl::Label4, ctl::Label18}, {ctl::lblMode, ctl::lblPIRTrigger}};

// Every label whose text decides a width.
std::vector<ControlName> Measured() {
    std::vector<ControlName> all;
    for (const Column* c : {&kLeft, &kPro, &kWdx}) {
        all.insert(all.end(), c->titles);
        all.insert(all.end(), c->values);
    }
    all.insert(all.end(), {ctl::Label17, ctl::lblFW, ctl::Label12, ctl::lblWBMode, ctl::Label19});
    return all;
}

int Widest(const UiState& ui, std::initializer_list<ControlName> names, const TextWidth& width) {
    int w = 0;
    for (ControlName n : names)
        w = std::max(w, width(ui[n].text, ui[n].bold) + 2);
    return w;
}

// Lays a column out from x: titles at x, values after the widest title. Returns its right edge.
int PlaceColumn(UiState& ui, const Column& c, int x, int title_least, int value_least,
                const TextWidth& width) {
    const int tw = std::max(title_least, Widest(ui, c.titles, width));
    const int vw = std::max(value_least, Widest(ui, c.values, width));
    for (ControlName n : c.titles) {
        ui[n].rect.left = x;
        ui[n].rect.width = tw;
    }
    for (ControlName n : c.values) {
        ui[n].rect.left = x + tw + 2;
        ui[n].rect.width = vw;
    }
    return x + tw + 2 + vw;
}

}  // namespace

bool MovieInfoFit::Fit(UiState& ui, const TextWidth& width) {
    static const std::vector<ControlName> kMeasured = Measured();
    bool same = measured_.size() == kMeasured.size();
    for (size_t i = 0; same && i < kMeasured.size(); ++i)
        same = measured_[i] == ui[kMeasured[i]].text;
    if (same) return false;
    measured_.clear();
    for (ControlName n : kMeasured)
        measured_.push_back(ui[n].text);

    const int group_before = ui[ctl::gbMovieInfo].rect.width;
    const int left_end = PlaceColumn(ui, kLeft, 8, 80, 80, width);
    // The firmware row lies below the model panels, its value as long as it needs.
    ui[ctl::Label17].rect.width = ui[ctl::Label1].rect.width;
    ui[ctl::lblFW].rect.left = ui[ctl::lblCamModel].rect.left;
    ui[ctl::lblFW].rect.width = std::max(180, Widest(ui, {ctl::lblFW}, width));
    const int panel_left = std::max(172, left_end + kGap);
    const int pro_end = PlaceColumn(ui, kPro, 0, 62, 42, width);
    const int wb = std::max({104, pro_end, Widest(ui, {ctl::Label12, ctl::lblWBMode}, width)});
    ui[ctl::Label12].rect.width = ui[ctl::lblWBMode].rect.width = wb;
    const int wdx_end = PlaceColumn(ui, kWdx, 0, 48, 56, width);
    const int seek = std::max(106, Widest(ui, {ctl::Label19}, width));
    ui[ctl::Label19].rect.width = seek - 4;
    ui[ctl::pnlProInfo].rect.left = ui[ctl::pnlWDXInfo].rect.left = panel_left;
    ui[ctl::pnlProInfo].rect.width = std::max(106, wb + 2);
    ui[ctl::pnlWDXInfo].rect.width = std::max({106, wdx_end, seek});
    const int panels_end =
        panel_left + std::max(ui[ctl::pnlProInfo].rect.width, ui[ctl::pnlWDXInfo].rect.width);
    ui[ctl::gbMovieInfo].rect.width =
        std::max({kMovieInfoWidth, panels_end + kGap, ui[ctl::lblFW].rect.Right() + kGap});
    return ui[ctl::gbMovieInfo].rect.width != group_before;
}

}  // namespace qv::app
