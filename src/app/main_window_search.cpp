// Motion search and event navigation from the main window, and the commands that wait while a
// search runs.
#include "app/main_window.h"

namespace qv::app {

bool MainWindowLogic::DeferWhileSearching(std::function<void()> action) {
    if (!search_.Running()) return false;
    search_.Motion().StopMotionPass();
    after_search_ = std::move(action);
    return true;
}

void MainWindowLogic::RunSearchCommand(const std::function<void()>& command) {
    if (!SearchOffered() || search_.Running()) return;
    command();
    // A command put off while the search ran (a playlist double-click, a new playlist) runs
    // now, on the movie the search left open.
    while (after_search_) {
        std::function<void()> action = std::move(after_search_);
        after_search_ = nullptr;
        action();
    }
}

void MainWindowLogic::sbSearchForwardClick() {
    RunSearchCommand([this] { search_.sbSearchForwardClick(); });
}

void MainWindowLogic::sbSearchBackwardClick() {
    RunSearchCommand([this] { search_.sbSearchBackwardClick(); });
}

void MainWindowLogic::sbStopSearchClick() {
    search_.sbStopSearchClick();
}

void MainWindowLogic::sbNextEventClick(ControlName sender) {
    RunSearchCommand([this, sender] { search_.sbNextEventClick(sender == ctl::sbPIRSeekFwd); });
}

void MainWindowLogic::sbPrevEventClick(ControlName sender) {
    RunSearchCommand([this, sender] { search_.sbPrevEventClick(sender == ctl::sbPIRSeekRev); });
}

void MainWindowLogic::edtMotionThresholdChange(const std::string& text) {
    ui_.SetText(ctl::edtMotionThreshold, text);
}

void MainWindowLogic::cbIgnoreBrightnessClick(bool checked) {
    ui_[ctl::cbIgnoreBrightness].checked = checked;
    search_.Motion().ignore_brightness = checked;
}

}  // namespace qv::app
