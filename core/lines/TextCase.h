#pragma once

#include <algorithm>
#include <string_view>

namespace vantor {

// Letter case is ignored for the ASCII letters only: the files hold bytes of
// any code page, and folding anything else would depend on the user's locale.
constexpr char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

constexpr bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// Order ignoring case; texts that differ only in case still get a fixed order.
constexpr bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const auto byFolded = [](char x, char y) {
        return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byFolded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byFolded))
        return false;
    return a < b;
}

} // namespace vantor
