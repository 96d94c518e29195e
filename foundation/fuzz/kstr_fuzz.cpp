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

// One operation on slot a, with slot b as the other operand where one is needed.
void Step(FuzzedDataProvider& in, Slots& slots) {
    const int a = in.ConsumeIntegralInRange(0, kSlots - 1);
    const int b = in.ConsumeIntegralInRange(0, kSlots - 1);
    KStr& s = slots.str[a];
    std::string& m = slots.model[a];
    const KStr& other = slots.str[b];
    const std::string& otherModel = slots.model[b];
    const int length = static_cast<int>(m.size());

    switch (in.ConsumeIntegralInRange(0, 26)) {
        case 0: {
            std::string t = Text(in);
            s = t.c_str();
            m = t;
            break;
        }
        case 1:
            s = other;  // shares b's buffer
            m = otherModel;
            break;
        case 2: {
            int start = Position(in);
            Check(other.Mid(start), ModelMid(otherModel, start));
            break;
        }
        case 3: {
            int start = Position(in);
            int count = Position(in);
            Check(other.Mid(start, count), ModelMid(otherModel, start, count));
            break;
        }
        case 4: {
            int count = Position(in);
            Check(other.Left(count), ModelMid(otherModel, 0, count));
            break;
        }
        case 5: {
            int count = Position(in);
            int64_t size = static_cast<int64_t>(otherModel.size());
            Check(other.Right(count), ModelMid(otherModel, size - count, count));
            break;
        }
        case 6: {
            std::string sub = Text(in);
            const int start = Position(in);
            const int from = std::max(start, 0);  // no match at or past the end, not even of ""
            const size_t found = from >= length ? std::string::npos : m.find(sub, from);
            FUZZ_CHECK(s.Find(sub.c_str(), start) ==
                       (found == std::string::npos ? -1 : static_cast<int>(found)));
            break;
        }
        case 7: {
            // The texts may lie in the string's own buffer (a tail of it, or b's text when b is
            // the same slot), which Replace must keep readable while it writes.
            const int from = in.ConsumeIntegralInRange(0, length);
            const bool ownOld = in.ConsumeBool();
            const bool otherNew = in.ConsumeBool();
            std::string oldText = ownOld ? m.substr(from) : Text(in);
            std::string newText = otherNew ? otherModel : Text(in);
            s.Replace(ownOld ? s.Text() + from : oldText.c_str(),
                      otherNew ? other.Text() : newText.c_str());
            m = ModelReplace(m, oldText, newText);
            break;
        }
        case 8: {
            // A zero byte inserted ends the text there.
            const int i = Position(in);
            const char c = in.ConsumeIntegral<char>();
            m = CutAtZero(m.insert(Clamped(i, m), 1, c));
            FUZZ_CHECK(s.Insert(i, c) == static_cast<int>(m.size()));
            break;
        }
        case 9: {
            int i = Position(in);
            int from = in.ConsumeIntegralInRange(0, length);
            bool own = in.ConsumeBool();
            std::string t = own ? m.substr(from) : Text(in);
            int result = s.Insert(i, own ? s.Text() + from : t.c_str());
            if (t.empty()) {
                FUZZ_CHECK(result == 0);
            } else {
                m.insert(Clamped(i, m), t);
                FUZZ_CHECK(result == static_cast<int>(m.size()));
            }
            break;
        }
        case 10: {
            int i = Position(in);
            int count = Position(in);
            int64_t start = std::max(i, 0);
            int64_t removed = std::min<int64_t>(count, length - start);
            if (removed > 0) {
                m.erase(start, removed);
            }
            FUZZ_CHECK(s.Delete(i, count) == static_cast<int>(m.size()));
            break;
        }
        case 11:
            s.TrimLeft();
            m = ModelTrimLeft(m, IsSpace);
            break;
        case 12:
            s.TrimRight();
            m = ModelTrimRight(m, IsSpace);
            break;
        case 13: {
            char c = in.ConsumeIntegral<char>();
            auto equal = [c](char x) { return x == c; };
            if (in.ConsumeBool()) {
                s.TrimLeft(c);
                m = ModelTrimLeft(m, equal);
            } else {
                s.TrimRight(c);
                m = ModelTrimRight(m, equal);
            }
            break;
        }
        case 14: {
            std::string set = Text(in);
            auto inSet = [&set](char x) { return set.find(x) != std::string::npos; };
            if (in.ConsumeBool()) {
                s.TrimLeft(set.c_str());
                m = ModelTrimLeft(m, inSet);
            } else {
                s.TrimRight(set.c_str());
                m = ModelTrimRight(m, inSet);
            }
            break;
        }
        case 15:
            s += other;  // may be s itself
            m += otherModel;
            break;
        case 16: {
            bool own = in.ConsumeBool();
            int from = in.ConsumeIntegralInRange(0, length);
            std::string t = own ? m.substr(from) : Text(in);
            s += own ? s.Text() + from : t.c_str();
            m += t;
            break;
        }
        case 17:
            Check(s + other, m + otherModel);
            break;
        case 18: {
            std::string t = Text(in);
            Check(s + t.c_str(), m + t);
            Check(t.c_str() + s, t + m);
            break;
        }
        case 19: {
            char c = in.ConsumeIntegral<char>();
            Check(s + c, CutAtZero(m + c));
            Check(c + s, CutAtZero(c + m));
            break;
        }
        case 20:
            FUZZ_CHECK((s == other) == (m == otherModel));
            FUZZ_CHECK((s != other) == (m != otherModel));
            FUZZ_CHECK((s > other) == (m.compare(otherModel) > 0));
            FUZZ_CHECK((s == other.Text()) == (m == otherModel));
            FUZZ_CHECK((s != other.Text()) == (m != otherModel));
            FUZZ_CHECK(Sign(s.CompareNoCase(other.Text())) ==
                       Sign(Folded(m, std::tolower).compare(Folded(otherModel, std::tolower))));
            break;
        case 21: {
            std::string set = Text(in);
            Check(s.SpanIncluding(set.c_str()), m.substr(0, m.find_first_not_of(set)));
            Check(s.SpanExcluding(set.c_str()), m.substr(0, m.find_first_of(set)));
            break;
        }
        case 22:
            Check(s.Upper(), Folded(m, std::toupper));
            Check(s.Lower(), Folded(m, std::tolower));
            Check(s.Reversed(), std::string(m.rbegin(), m.rend()));
            break;
        case 23: {
            if (length == 0) {
                break;
            }
            int i = in.ConsumeIntegralInRange(0, length - 1);
            char c = in.ConsumeIntegral<char>();
            s.SetAt(i, c);
            m[i] = c;
            m = CutAtZero(m);
            break;
        }
        case 24: {
            // Output past the formatting limit is cut to its first kFormatLimit characters.
            int width = in.ConsumeIntegralInRange(0, KStr::kFormatLimit + 100);
            std::string t = Text(in);
            s.Format("%*s", width, t.c_str());
            m = std::string(std::max<size_t>(width, t.size()) - t.size(), ' ') + t;
            m.resize(std::min<size_t>(m.size(), KStr::kFormatLimit));
            break;
        }
        case 25: {
            int n = in.ConsumeIntegral<int>();
            std::string t = Text(in);
            Check(KStr("%s|%d", t.c_str(), n), t + "|" + std::to_string(n));
            break;
        }
        default: {
            KStr copy(s);  // a sharer that goes away again
            FUZZ_CHECK(copy.Text() == s.Text());
            break;
        }
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
