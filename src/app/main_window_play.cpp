// The keys of the transport: "+" and "-" step, and so do the arrow keys when released.
#include "app/main_window.h"

namespace qv::app {

void MainWindowLogic::FormKeyPress(char key) {
    if (key == '+' && ui_[ctl::sbNext].enabled) sbNextClick();
    if (key == '-' && ui_[ctl::sbPrevious].enabled) sbPreviousClick();
}

bool MainWindowLogic::FormKeyUp(int virtual_key) {
    if (virtual_key == 37 && ui_[ctl::sbPrevious].enabled) {
        sbPreviousClick();
        return true;
    }
    if (virtual_key == 39 && ui_[ctl::sbNext].enabled) {
        sbNextClick();
        return true;
    }
    return false;
}

}  // namespace qv::app
