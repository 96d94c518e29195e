// Fuzzes KStr against std::string as the model: a byte-coded sequence of operations on a few
// slots that copy and share each other's buffers. After every step each slot must hold its
// model's text, with a matching length, a terminator and a sane header, so that a write through
// one sharer that leaks into another shows at once.
//
// KStr texts end at their first zero byte; the model follows (a text taken from the input stops
// there, and writing a zero byte into a string cuts the model too).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "KStr.h"

namespace {

constexpr int kSlots = 3;
constexpr size_t kLongest = 1 << 13;

std::string CutAtZero(std::string s) {
    s.resize(std::min(s.size(), s.find('\0')));
    return s;
}

// Positions and counts: mostly near the texts' lengths, sometimes anything at all.
int Position(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(-3, 40);
}

std::string Text(FuzzedDataProvider& in) {
    return CutAtZero(in.ConsumeRandomLengthString(24));
}

// The model of Mid(start, count), computed without overflow.
std::string ModelMid(const std::string& s, int64_t start, int64_t count) {
    if (start < 0) {
        return "";
    }
    const int64_t taken = std::min(static_cast<int64_t>(s.size()) - start, count);
    return taken <= 0 ? "" : s.substr(static_cast<size_t>(start), static_cast<size_t>(taken));
}

std::string ModelMid(const std::string& s, int64_t start) {
    return start <= 0 ? s : ModelMid(s, start, static_cast<int64_t>(s.size()));
}

int64_t Clamped(int64_t i, const std::string& s) {
    return std::clamp<int64_t>(i, 0, static_cast<int64_t>(s.size()));
}

template <typename Match>
std::string ModelTrimLeft(const std::string& s, Match match) {
    size_t k = 0;
    while (k < s.size() && match(s[k])) {
        ++k;
    }
    return s.substr(k);
}

template <typename Match>
std::string ModelTrimRight(const std::string& s, Match match) {
    size_t k = s.size();
    while (k > 0 && match(s[k - 1])) {
        --k;
    }
    return s.substr(0, k);
}

std::string ModelReplace(const std::string& s, const std::string& from, const std::string& to) {
    if (from.empty()) {
        return s;
    }
    std::string out;
    size_t at = 0;
    for (size_t found; (found = s.find(from, at)) != std::string::npos; at = found + from.size()) {
        out.append(s, at, found - at).append(to);
    }
    return out.append(s, at);
}

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

std::string Folded(std::string s, int (*fold)(int)) {
    for (char& c : s) {
        c = static_cast<char>(fold(static_cast<unsigned char>(c)));
    }
    return s;
}

struct Slots {
    KStr str[kSlots];
    std::string model[kSlots];
};

// The text, its length and terminator, and a header that agrees with them.
void Check(const KStr& s, const std::string& model) {
    FUZZ_CHECK(s.Length() == static_cast<int>(model.size()));
    FUZZ_CHECK(std::memcmp(s.Text(), model.c_str(), model.size() + 1) == 0);
    FUZZ_CHECK(s.LengthField() == -1 || s.LengthField() == s.Length());
    FUZZ_CHECK(s.Capacity() > s.Length() && s.RefCount() >= 1);
}

// The operands of one step: slot a as s (its model m), changed or read, and slot b as other.
struct Operands {
    KStr& s;
    std::string& m;
    const KStr& other;
    const std::string& otherModel;
    int length;  // of m before the step
};

// Assignment: a new text, or b's buffer shared.
void Assign(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 0: {
            std::string t = Text(in);
            o.s = t.c_str();
            o.m = t;
            break;
        }
        case 1:
            o.s = o.other;  // shares b's buffer
            o.m = o.otherModel;
            break;
        default:
            break;
    }
}

// Parts of b, and a search in a: nothing changes.
void Extract(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 2: {
            int start = Position(in);
            Check(o.other.Mid(start), ModelMid(o.otherModel, start));
            break;
        }
        case 3: {
            int start = Position(in);
            int count = Position(in);
            Check(o.other.Mid(start, count), ModelMid(o.otherModel, start, count));
            break;
        }
        case 4: {
            int count = Position(in);
            Check(o.other.Left(count), ModelMid(o.otherModel, 0, count));
            break;
        }
        case 5: {
            int count = Position(in);
            int64_t size = static_cast<int64_t>(o.otherModel.size());
            Check(o.other.Right(count), ModelMid(o.otherModel, size - count, count));
            break;
        }
        case 6: {
            std::string sub = Text(in);
            const int start = Position(in);
            const int from = std::max(start, 0);  // no match at or past the end, not even of ""
            const size_t found = from >= o.length ? std::string::npos : o.m.find(sub, from);
            FUZZ_CHECK(o.s.Find(sub.c_str(), start) ==
                       (found == std::string::npos ? -1 : static_cast<int>(found)));
            break;
        }
        default:
            break;
    }
}

// Replace, Insert and Delete, also with texts that lie in a's own buffer.
void Edit(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 7: {
            // The texts may lie in the string's own buffer (a tail of it, or b's text when b is
            // the same slot), which Replace must keep readable while it writes.
            const int from = in.ConsumeIntegralInRange(0, o.length);
            const bool ownOld = in.ConsumeBool();
            const bool otherNew = in.ConsumeBool();
            std::string oldText = ownOld ? o.m.substr(from) : Text(in);
            std::string newText = otherNew ? o.otherModel : Text(in);
            o.s.Replace(ownOld ? o.s.Text() + from : oldText.c_str(),
                        otherNew ? o.other.Text() : newText.c_str());
            o.m = ModelReplace(o.m, oldText, newText);
            break;
        }
        case 8: {
            // A zero byte inserted ends the text there.
            const int i = Position(in);
            const char c = in.ConsumeIntegral<char>();
            o.m = CutAtZero(o.m.insert(Clamped(i, o.m), 1, c));
            FUZZ_CHECK(o.s.Insert(i, c) == static_cast<int>(o.m.size()));
            break;
        }
        case 9: {
            int i = Position(in);
            int from = in.ConsumeIntegralInRange(0, o.length);
            bool own = in.ConsumeBool();
            std::string t = own ? o.m.substr(from) : Text(in);
            int result = o.s.Insert(i, own ? o.s.Text() + from : t.c_str());
            if (t.empty()) {
                FUZZ_CHECK(result == 0);
            } else {
                o.m.insert(Clamped(i, o.m), t);
                FUZZ_CHECK(result == static_cast<int>(o.m.size()));
            }
            break;
        }
        case 10: {
            int i = Position(in);
            int count = Position(in);
            int64_t start = std::max(i, 0);
            int64_t removed = std::min<int64_t>(count, o.length - start);
            if (removed > 0) {
                o.m.erase(start, removed);
            }
            FUZZ_CHECK(o.s.Delete(i, count) == static_cast<int>(o.m.size()));
            break;
        }
        default:
            break;
    }
}

// Trimming blanks, one character or a set from either end.
void Trim(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 11:
            o.s.TrimLeft();
            o.m = ModelTrimLeft(o.m, IsSpace);
            break;
        case 12:
            o.s.TrimRight();
            o.m = ModelTrimRight(o.m, IsSpace);
            break;
        case 13: {
            char c = in.ConsumeIntegral<char>();
            auto equal = [c](char x) { return x == c; };
            if (in.ConsumeBool()) {
                o.s.TrimLeft(c);
                o.m = ModelTrimLeft(o.m, equal);
            } else {
                o.s.TrimRight(c);
                o.m = ModelTrimRight(o.m, equal);
            }
            break;
        }
        case 14: {
            std::string set = Text(in);
            auto inSet = [&set](char x) { return set.find(x) != std::string::npos; };
            if (in.ConsumeBool()) {
                o.s.TrimLeft(set.c_str());
                o.m = ModelTrimLeft(o.m, inSet);
            } else {
                o.s.TrimRight(set.c_str());
                o.m = ModelTrimRight(o.m, inSet);
            }
            break;
        }
        default:
            break;
    }
}

// Appending to a, and the concatenations that make new strings.
void Join(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 15:
            o.s += o.other;  // may be a itself
            o.m += o.otherModel;
            break;
        case 16: {
            bool own = in.ConsumeBool();
            int from = in.ConsumeIntegralInRange(0, o.length);
            std::string t = own ? o.m.substr(from) : Text(in);
            o.s += own ? o.s.Text() + from : t.c_str();
            o.m += t;
            break;
        }
        case 17:
            Check(o.s + o.other, o.m + o.otherModel);
            break;
        case 18: {
            std::string t = Text(in);
            Check(o.s + t.c_str(), o.m + t);
            Check(t.c_str() + o.s, t + o.m);
            break;
        }
        case 19: {
            char c = in.ConsumeIntegral<char>();
            Check(o.s + c, CutAtZero(o.m + c));
            Check(c + o.s, CutAtZero(c + o.m));
            break;
        }
        default:
            break;
    }
}

// Comparisons, spans and case; nothing changes.
void Compare(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 20:
            FUZZ_CHECK((o.s == o.other) == (o.m == o.otherModel));
            FUZZ_CHECK((o.s != o.other) == (o.m != o.otherModel));
            FUZZ_CHECK((o.s > o.other) == (o.m.compare(o.otherModel) > 0));
            FUZZ_CHECK((o.s == o.other.Text()) == (o.m == o.otherModel));
            FUZZ_CHECK((o.s != o.other.Text()) == (o.m != o.otherModel));
            FUZZ_CHECK(Sign(o.s.CompareNoCase(o.other.Text())) ==
                       Sign(Folded(o.m, std::tolower).compare(Folded(o.otherModel, std::tolower))));
            break;
        case 21: {
            std::string set = Text(in);
            Check(o.s.SpanIncluding(set.c_str()), o.m.substr(0, o.m.find_first_not_of(set)));
            Check(o.s.SpanExcluding(set.c_str()), o.m.substr(0, o.m.find_first_of(set)));
            break;
        }
        case 22:
            Check(o.s.Upper(), Folded(o.m, std::toupper));
            Check(o.s.Lower(), Folded(o.m, std::tolower));
            Check(o.s.Reversed(), std::string(o.m.rbegin(), o.m.rend()));
            break;
        default:
            break;
    }
}

// One character set, formatting, and a sharer that comes and goes.
void Rewrite(FuzzedDataProvider& in, Operands& o, int op) {
    switch (op) {
        case 23: {
            if (o.length == 0) {
                break;
            }
            int i = in.ConsumeIntegralInRange(0, o.length - 1);
            char c = in.ConsumeIntegral<char>();
            o.s.SetAt(i, c);
            o.m[i] = c;
            o.m = CutAtZero(o.m);
            break;
        }
        case 24: {
            // Output past the formatting limit is cut to its first kFormatLimit characters.
            int width = in.ConsumeIntegralInRange(0, KStr::kFormatLimit + 100);
            std::string t = Text(in);
            o.s.Format("%*s", width, t.c_str());
            o.m = std::string(std::max<size_t>(width, t.size()) - t.size(), ' ') + t;
            o.m.resize(std::min<size_t>(o.m.size(), KStr::kFormatLimit));
            break;
        }
        case 25: {
            int n = in.ConsumeIntegral<int>();
            std::string t = Text(in);
            Check(KStr("%s|%d", t.c_str(), n), t + "|" + std::to_string(n));
            break;
        }
        default: {
            KStr copy(o.s);  // a sharer that goes away again
            FUZZ_CHECK(copy.Text() == o.s.Text());
            break;
        }
    }
}

// One operation on slot a, with slot b as the other operand where one is needed.
void Step(FuzzedDataProvider& in, Slots& slots) {
    const int a = in.ConsumeIntegralInRange(0, kSlots - 1);
    const int b = in.ConsumeIntegralInRange(0, kSlots - 1);
    Operands o{slots.str[a], slots.model[a], slots.str[b], slots.model[b],
               static_cast<int>(slots.model[a].size())};
    const int op = in.ConsumeIntegralInRange(0, 26);
    if (op <= 1) {
        Assign(in, o, op);
    } else if (op <= 6) {
        Extract(in, o, op);
    } else if (op <= 10) {
        Edit(in, o, op);
    } else if (op <= 14) {
        Trim(in, o, op);
    } else if (op <= 19) {
        Join(in, o, op);
    } else if (op <= 22) {
        Compare(in, o, op);
    } else {
        Rewrite(in, o, op);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Slots slots;
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        Step(in, slots);
        size_t longest = 0;
        for (int i = 0; i < kSlots; ++i) {
            Check(slots.str[i], slots.model[i]);
            longest = std::max(longest, slots.model[i].size());
        }
        // Appending a string to itself doubles it, and the sanitizer's string checks scan whole
        // texts at every match: long texts would make one input take seconds.
        if (longest > kLongest) {
            break;
        }
    }
    return 0;
}
