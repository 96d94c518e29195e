// KStr search, extraction, trimming, editing and converted copies.
#include <cstring>

#include "KStr.h"
#include "KStrCharOps.h"

namespace {

using kstr_chars::OrEmpty;

// Number of leading characters of text[0..length) that match.
template <typename Match>
int LeadingMatches(const char* text, int length, Match match) {
    int count = 0;
    while (count < length && match(text[count])) {
        ++count;
    }
    return count;
}

// Index of the last character of text[0..length) that does not match, or -1.
template <typename Match>
int LastNonMatch(const char* text, int length, Match match) {
    int last = length - 1;
    while (last >= 0 && match(text[last])) {
        --last;
    }
    return last;
}

auto InSet(const char* set) {
    return [set](char c) { return std::strchr(set, c) != nullptr; };
}

auto Equal(char wanted) {
    return [wanted](char c) { return c == wanted; };
}

}  // namespace

int KStr::CompareNoCase(const char* text) const {
    return kstr_chars::CompareNoCase(Text(), OrEmpty(text));
}

int KStr::Find(const char* sub, int start) const {
    if (start < 0) {
        start = 0;
    }
    if (sub == nullptr || start >= Length()) {
        return -1;
    }
    const char* found = std::strstr(Text() + start, sub);
    return found != nullptr ? static_cast<int>(found - Text()) : -1;
}

KStr KStr::Mid(int start) const {
    if (start <= 0) {
        return *this;
    }
    if (start >= Length()) {
        return KStr("");
    }
    return KStr(Text() + start);
}

KStr KStr::Mid(int start, int count) const {
    if (start < 0) {
        return KStr("");
    }
    const int rest = Length() - start;
    const int taken = count < rest ? count : rest;
    if (taken <= 0) {
        return KStr("");
    }
    if (start == 0 && taken == Length()) {
        return *this;
    }
    return KStr(Adopt{}, FromText(Text() + start, taken));
}

KStr KStr::Left(int count) const {
    return Mid(0, count);
}

// A count of 0 or less gives the empty text, as Mid would, without computing a start that may
// not fit an int.
KStr KStr::Right(int count) const {
    if (count <= 0) {
        return KStr("");
    }
    return Mid(Length() - count, count);
}

KStr KStr::SpanIncluding(const char* set) const {
    return Left(LeadingMatches(Text(), Length(), InSet(OrEmpty(set))));
}

KStr KStr::SpanExcluding(const char* set) const {
    auto notInSet = [in = InSet(OrEmpty(set))](char c) { return !in(c); };
    return Left(LeadingMatches(Text(), Length(), notInSet));
}

void KStr::TrimLeft() {
    *this = Mid(LeadingMatches(Text(), Length(), kstr_chars::IsSpace));
}

void KStr::TrimLeft(char c) {
    *this = Mid(LeadingMatches(Text(), Length(), Equal(c)));
}

void KStr::TrimLeft(const char* set) {
    *this = Mid(LeadingMatches(Text(), Length(), InSet(OrEmpty(set))));
}

void KStr::TrimRight() {
    *this = Left(LastNonMatch(Text(), Length(), kstr_chars::IsSpace) + 1);
}

void KStr::TrimRight(char c) {
    *this = Left(LastNonMatch(Text(), Length(), Equal(c)) + 1);
}

void KStr::TrimRight(const char* set) {
    *this = Left(LastNonMatch(Text(), Length(), InSet(OrEmpty(set))) + 1);
}

// The old buffer is kept alive while the new text is written, so the old text (and oldText or
// newText, should they point into it) stays readable throughout.
void KStr::Replace(const char* oldText, const char* newText) {
    if (oldText == nullptr || *oldText == '\0') {
        return;
    }
    newText = OrEmpty(newText);
    const int oldLength = static_cast<int>(std::strlen(oldText));
    const int newLength = static_cast<int>(std::strlen(newText));
    int matches = 0;
    for (int at = Find(oldText, 0); at >= 0; at = Find(oldText, at + oldLength)) {
        ++matches;
    }
    if (matches == 0) {
        return;
    }
    Buffer* kept = Keep();
    const char* source = TextOf(kept);
    Reserve(Length() + matches * (newLength - oldLength) + 1);
    char* target = MutableText();
    for (const char* found; (found = std::strstr(source, oldText)) != nullptr;) {
        const auto before = static_cast<size_t>(found - source);
        std::memcpy(target, source, before);
        std::memcpy(target + before, newText, newLength);
        target += before + newLength;
        source = found + oldLength;
    }
    std::strcpy(target, source);
    buffer_->length = -1;
    Release(kept);
}

int KStr::Insert(int i, char c) {
    const int length = Length();
    i = i < 0 ? 0 : (i > length ? length : i);
    Reserve(length + 3);
    char* text = MutableText();
    std::memmove(text + i + 1, text + i, length - i + 1);
    text[i] = c;
    buffer_->length = -1;
    return Length();
}

// text may point into this string's own buffer: see Append.
int KStr::Insert(int i, const char* text) {
    if (text == nullptr || *text == '\0') {
        return 0;
    }
    Buffer* kept = Holds(text) ? Keep() : nullptr;
    const int count = static_cast<int>(std::strlen(text));
    const int length = Length();
    i = i < 0 ? 0 : (i > length ? length : i);
    Reserve(length + count + 2);
    char* target = MutableText();
    std::memmove(target + i + count, target + i, length - i + 1);
    std::memcpy(target + i, text, count);
    buffer_->length = -1;
    if (kept != nullptr) {
        Release(kept);
    }
    return Length();
}

int KStr::Delete(int i, int count) {
    if (i < 0) {
        i = 0;
    }
    const int length = Length();
    const int removed = count < length - i ? count : length - i;
    if (removed <= 0) {
        return length;
    }
    Detach();
    char* text = MutableText();
    std::memmove(text + i, text + i + removed, length - i - removed + 1);
    buffer_->length = length - removed;
    return length - removed;
}

KStr KStr::Upper() const {
    KStr copy(Text());
    kstr_chars::ToUpper(copy.MutableText());
    return copy;
}

KStr KStr::Lower() const {
    KStr copy(Text());
    kstr_chars::ToLower(copy.MutableText());
    return copy;
}

KStr KStr::Reversed() const {
    KStr copy(Text());
    kstr_chars::Reverse(copy.MutableText(), copy.Length());
    return copy;
}
