// The number a user typed into an edit field: leading blanks, an optional sign and the digits
// that follow, as the C library reads it; text without digits gives 0 and a number beyond int is
// held at the nearest limit.
#pragma once

#include <cctype>
#include <climits>
#include <cstdint>
#include <string_view>

namespace qv::platform {

inline int FieldNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        if (v <= INT_MAX) v = v * 10 + (text[i] - '0');
    if (negative) v = -v;
    return static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
}

}  // namespace qv::platform
