// What a desktop player offers beyond the camera software's window: Space to pause and resume,
// full screen for the picture alone, bringing a cleared playlist back, and a keyboard reference.
#include <algorithm>

#include "app/main_window.h"

namespace qv::app {

extern const char* const kKeyboardReference;
const char* const kKeyboardReference =
    "Space\tpause or resume\n"
    "Right, +\tnext frame\n"
    "Left, -\tprevious frame\n"
    "F11\tfull screen (Escape leaves it)\n"
    "Escape\tclear the playlist, when it has the focus\n"
    "Ctrl+Z\tbring the cleared playlist back\n"
    "Ctrl+O\topen recordings\n"
    "Ctrl+Q\texit";

void MainWindowLogic::SpaceKey() {
    // Pause is offered only while a movie plays.
    if (ui_[ctl::sbPause].enabled)
        sbPauseClick();
    else if (engine_.LastDirection() < 0 && ui_[ctl::sbBackward].enabled)
        sbBackwardClick();
    else if (ui_[ctl::sbForward].enabled)
        sbForwardClick();
}

void MainWindowLogic::FullScreen1Click() {
    ui_.picture_only = !ui_.picture_only;
    ui_[ctl::FullScreen1].checked = ui_.picture_only;
    LayoutWindow();
    ApplyZoom();
}

bool MainWindowLogic::LeaveFullScreen() {
    if (!ui_.picture_only) return false;
    FullScreen1Click();
    return true;
}

void MainWindowLogic::Keys1Click() {
    platform_.ShowInformationBox(kKeyboardReference, "Keyboard");
}

void MainWindowLogic::Undo1Click() {
    if (DeferWhileSearching([this] { Undo1Click(); })) return;
    if (cleared_.empty()) return;
    for (const TPlaylistEntry& e : cleared_)
        playlist_.Add(e.szPath, e.ftCreated, engine_.State().bPlaying);
    cleared_.clear();
    ui_.Enable(ctl::Undo1, false);
    if (movie_.nType == kNone)
        playlist_.nCurrent = std::min(cleared_current_, playlist_.nCount() - 1);
    ShowPlaylist();
}

}  // namespace qv::app
