// What the main window shows, as plain data: per control its kind, parent, text, hint, place,
// enabled and visible flags and the few values of trackbars and progress bars; the status panels,
// the caption, the playlist rows and the picture. The player logic writes it; the window toolkit
// only repaints from it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/control_names.h"
#include "media/picture/picture.h"

namespace qv::app {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

enum class ControlKind {
    GroupBox,
    Panel,
    Label,
    SpeedButton,
    Button,
    TrackBar,
    ProgressBar,
    ListBox,
    Edit,
    Image,
    ScrollBox,
    StatusBar,
    Menu,
    MenuItem,
    Separator,
    CheckBox,
};

struct ControlState {
    ControlKind kind = ControlKind::Label;
    std::optional<ControlName> parent;  // the containing control or menu; none for the window
    std::string text;                   // caption or text
    std::string hint;
    std::string shortcut;  // menu items: the key shown beside the item, e.g. "Ctrl+O"
    Rect rect;
    bool enabled = true;
    bool visible = true;
    bool checkable = false;    // menu items that carry a check mark
    bool checked = false;      // menu items and check boxes
    bool fill_parent = false;  // sized to the client area of the parent
    bool bold = false;
    bool word_wrap = false;
    bool vertical = false;  // trackbars
    // Text colour 0xRRGGBB, used only when coloured is set; other labels keep the colour of the
    // desktop's theme, so they stay readable on a dark theme.
    bool coloured = false;
    uint32_t text_rgb = 0;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int tick_frequency = 1;
};

class UiState {
  public:
    // Adds a control; names are unique. Creation order is kept for building the window.
    ControlState& Add(ControlName name, ControlKind kind, std::optional<ControlName> parent);
    // The control of that name. Every name of the table exists once the window design is built.
    ControlState& operator[](ControlName name) { return controls_[name.Index()]; }
    const ControlState& operator[](ControlName name) const { return controls_[name.Index()]; }
    // The same for a name known only at run time; a name the window does not have ends the
    // program.
    const ControlState& At(std::string_view name) const;
    // The controls in the order the design made them.
    const std::vector<ControlName>& Order() const { return order_; }

    void Enable(ControlName name, bool on) { (*this)[name].enabled = on; }
    void Show(ControlName name, bool on) { (*this)[name].visible = on; }
    void SetText(ControlName name, const std::string& text) { (*this)[name].text = text; }

    std::array<std::string, 5> status;
    std::array<int, 5> status_widths{160, 80, 120, 120, 50};
    std::string caption;
    std::vector<std::string> playlist_rows;
    int playlist_selected = -1;
    // Client size of the window, written by the toolkit on every resize.
    // Full screen: the picture fills the window and every other control is out of sight.
    bool picture_only = false;
    int client_width = 0;
    int client_height = 0;
    // Window frame: left, top, width, height.
    Rect window;
    int min_width = 560;
    int min_height = 520;
    // The picture shown in Image1 (null when none) and a count bumped on every new picture.
    const Picture* picture = nullptr;
    uint64_t picture_serial = 0;
    // The block thumbnail of a running search, painted stretched over the search panel: blue,
    // green and red per block, top row first (null when there is none). serial grows with every
    // new thumbnail.
    struct Thumbnail {
        const uint8_t* bgr = nullptr;
        int width = 0;
        int height = 0;
        int stride = 0;
        uint64_t serial = 0;
    } thumbnail;
    // Application hint timing (milliseconds), set while the pointer moves over the playlist.
    int hint_pause_ms = 500;
    int hint_hide_ms = 2500;

  private:
    std::array<ControlState, control_table::kCount> controls_{};
    std::vector<ControlName> order_;
};

// The window as designed: every control with its caption, hint, place and initial state.
void BuildMainWindowDesign(UiState& ui);

}  // namespace qv::app
