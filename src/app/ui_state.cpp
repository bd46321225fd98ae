#include "app/ui_state.h"

#include <cstdio>
#include <cstdlib>

namespace qv::app {

ControlState& UiState::Add(const std::string& name, ControlKind kind, const std::string& parent) {
    auto [it, fresh] = controls_.try_emplace(name);
    if (fresh) order_.push_back(name);
    it->second.kind = kind;
    it->second.parent = parent;
    return it->second;
}

ControlState& UiState::operator[](const std::string& name) {
    auto it = controls_.find(name);
    if (it == controls_.end()) {
        std::fprintf(stderr, "main window has no control %s\n", name.c_str());
        std::abort();
    }
    return it->second;
}

const ControlState& UiState::operator[](const std::string& name) const {
    return const_cast<UiState&>(*this)[name];
}

}  // namespace qv::app
