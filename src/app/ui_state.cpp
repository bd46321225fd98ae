#include "app/ui_state.h"

#include <cstdio>
#include <cstdlib>

namespace qv::app {

void control_table::NameIsNotAControlOfTheMainWindow() {}

bool ControlName::Lookup(std::string_view name, ControlName& out) {
    for (size_t i = 0; i < control_table::kCount; ++i) {
        if (control_table::kNames[i] == name) {
            out = ControlName(static_cast<uint16_t>(i), 0);
            return true;
        }
    }
    return false;
}

ControlState& UiState::Add(ControlName name, ControlKind kind, std::optional<ControlName> parent) {
    for (ControlName n : order_)
        if (n == name) return (*this)[name];
    order_.push_back(name);
    ControlState& c = (*this)[name];
    c.kind = kind;
    c.parent = parent;
    return c;
}

const ControlState& UiState::At(std::string_view name) const {
    ControlName found = ctl::MainMenu1;
    if (!ControlName::Lookup(name, found)) {
        std::fprintf(stderr, "main window has no control %.*s\n", static_cast<int>(name.size()),
                     name.data());
        std::abort();
    }
    return (*this)[found];
}

}  // namespace qv::app
