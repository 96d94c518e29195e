// Byte-text helpers behind KStr: null texts, the case-insensitive comparison and converted copies.
//
// The Windows runtime's own helpers for this do not exist on other platforms, so every build uses
// these. They go through <cctype>, so like the runtime's helpers they follow the C locale the
// program runs in (plain ASCII folding unless the program selects another locale).
#pragma once

#include <cctype>

namespace kstr_chars {

// A null text reads as the empty text.
inline const char* OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

inline int Folded(char c) {
    return std::tolower(static_cast<unsigned char>(c));
}

// Negative, zero or positive as a sorts before, equal to or after b, both folded to lower case.
inline int CompareNoCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const int difference = Folded(*a) - Folded(*b);
        if (difference != 0 || *a == '\0') {
            return difference;
        }
    }
}

inline void ToUpper(char* text) {
    for (; *text != '\0'; ++text) {
        *text = static_cast<char>(std::toupper(static_cast<unsigned char>(*text)));
    }
}

inline void ToLower(char* text) {
    for (; *text != '\0'; ++text) {
        *text = static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
    }
}

inline void Reverse(char* text, int length) {
    for (int i = 0, j = length - 1; i < j; ++i, --j) {
        const char swapped = text[i];
        text[i] = text[j];
        text[j] = swapped;
    }
}

inline bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace kstr_chars
