#pragma once

#include <cctype>
#include <string>

namespace testing {

// A test's name from the text of its parameter: its letters and digits, each run of other
// characters as one underscore; "Empty" for a text without any.
inline std::string NameFromText(const std::string &text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    if (!name.empty() && name.back() == '_')
        name.pop_back();
    return name.empty() ? "Empty" : name;
}

} // namespace testing
