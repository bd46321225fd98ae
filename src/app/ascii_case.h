// Case folding for the ASCII names the player compares: settings sections and keys, file
// extensions.
#pragma once

#include <cctype>
#include <string>

namespace qv::app {

inline std::string LowerAscii(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace qv::app
