// KStr: the byte string of the foundation library and both programs.
//
// One pointer wide. The text lives in a heap buffer behind a small header (reference count,
// capacity, cached length); copies share the buffer and the first change to a sharer gives it a
// private copy. Reading never copies. Not thread-safe: the count is a plain integer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

// The printf flavour the formatting members follow. MinGW's headers name the conforming one when
// __USE_MINGW_ANSI_STDIO is set; elsewhere the ordinary printf checks apply.
#if defined(__MINGW_PRINTF_FORMAT)
#define KSTR_PRINTF_ARCHETYPE __MINGW_PRINTF_FORMAT
#else
#define KSTR_PRINTF_ARCHETYPE printf
#endif
#define KSTR_CHECK_FORMAT(formatIndex, firstArg) \
    __attribute__((format(KSTR_PRINTF_ARCHETYPE, formatIndex, firstArg)))

class KStr {
public:
    // Longest text a formatting operation produces; longer output is cut to its first
    // kFormatLimit characters.
    static constexpr int kFormatLimit = 4096;

    KStr();                  // empty text, capacity 20, length not yet known
    KStr(const char* text);  // copy of text (a null pointer reads as the empty text)
    // Sharing costs one count change each way; these stay inline for that reason.
    KStr(const KStr& other) : buffer_(other.buffer_) { ++buffer_->refCount; }
    ~KStr() { Release(buffer_); }

    // Printf-style construction: KStr("%d MB RAM", 256). A C-style variadic constructor would make
    // KStr("text") ambiguous, so this one takes at least one argument. Arguments must be scalars:
    // passing a KStr through "..." is a classic mistake, write s.Text() for "%s".
    template <typename First, typename... Rest>
    KStr(const char* format, First first, Rest... rest);

    KStr& operator=(const KStr& other);  // shares other's buffer; self-assignment is safe
    KStr& operator=(const char* text);   // new buffer holding a copy of text

    // Replaces the contents by printf-style output (at most kFormatLimit characters).
    void Format(const char* format, ...) KSTR_CHECK_FORMAT(2, 3);

    // Access and measurement.
    // Cached; scans for the terminator once after each change.
    int Length() const { return buffer_->length >= 0 ? buffer_->length : ScanLength(); }
    const char* Text() const { return reinterpret_cast<const char*>(buffer_ + 1); }
    char GetAt(int i) const { return Text()[i]; }  // unchecked: 0 <= i <= Length()
    void SetAt(int i, char c);                     // unchecked; a zero byte shortens the string
    void Dump() const;                             // one diagnostic line on standard output

    // Read-only view of the buffer header, for tests and diagnostics.
    int RefCount() const { return buffer_->refCount; }
    int Capacity() const { return buffer_->capacity; }
    int LengthField() const { return buffer_->length; }  // -1 while the length is not known

    // Concatenation: each builds a new buffer for exactly the joined text.
    friend KStr operator+(const KStr& a, const KStr& b);
    friend KStr operator+(const KStr& a, const char* b);
    friend KStr operator+(const char* a, const KStr& b);
    friend KStr operator+(const KStr& a, char c);  // c == 0 gives a itself (shared)
    friend KStr operator+(char c, const KStr& a);
    KStr& operator+=(const KStr& b);  // b may be *this
    KStr& operator+=(const char* b);  // b may point into this string's own text

    // Comparison: byte-wise on unsigned bytes.
    // Inline: rejects on the length, then on the last four bytes, before comparing the rest.
    friend bool operator==(const KStr& a, const KStr& b) {
        if (a.buffer_ == b.buffer_) {
            return true;
        }
        const int length = a.Length();
        if (length != b.Length()) {
            return false;
        }
        if (length >= 4 && LastWord(a.Text(), length) != LastWord(b.Text(), length)) {
            return false;
        }
        return std::memcmp(a.Text(), b.Text(), length) == 0;
    }
    friend bool operator!=(const KStr& a, const KStr& b) { return !(a == b); }
    friend bool operator==(const KStr& a, const char* b);
    friend bool operator!=(const KStr& a, const char* b) { return !(a == b); }
    friend bool operator>(const KStr& a, const KStr& b);  // a sorts after b
    int CompareNoCase(const char* text) const;            // <0, 0, >0 ignoring letter case

    // Search and extraction. Out-of-range positions are clamped, never an error.
    int Find(const char* sub,
             int start = 0) const;         // index of the first match at/after start, or -1
    KStr Mid(int start) const;             // from start to the end
    KStr Mid(int start, int count) const;  // up to count characters from start
    KStr Left(int count) const;            // first count characters
    KStr Right(int count) const;           // last count characters; empty when count > Length()
    KStr SpanIncluding(const char* set) const;  // leading characters that are in set
    KStr SpanExcluding(const char* set) const;  // leading characters that are not in set

    // Trimming in place: white space, one character, or any character of a set.
    void TrimLeft();
    void TrimLeft(char c);
    void TrimLeft(const char* set);
    void TrimRight();
    void TrimRight(char c);
    void TrimRight(const char* set);

    // Editing in place.
    void Replace(const char* oldText, const char* newText);  // every non-overlapping match
    int Insert(int i, char c);            // i clamped to 0..Length(); returns the new length
    int Insert(int i, const char* text);  // returns 0 and changes nothing for an empty text
    int Delete(int i, int count);         // returns the new length

    // Converted copies; the string itself is unchanged.
    KStr Upper() const;
    KStr Lower() const;
    KStr Reversed() const;

private:
    struct Buffer {
        int32_t refCount;
        int32_t capacity;  // bytes for text, terminator included
        int32_t length;    // -1 when not known
        // capacity bytes of text follow
    };

    struct Adopt {};
    KStr(Adopt, Buffer* fresh);  // takes a buffer that nobody holds yet

    static uint32_t LastWord(const char* text, int length) {
        uint32_t word;
        std::memcpy(&word, text + length - 4, sizeof word);
        return word;
    }
    static int CapacityFor(int request);
    static char* TextOf(Buffer* buffer) { return reinterpret_cast<char*>(buffer + 1); }
    static Buffer* Allocate(int request);
    static Buffer* FromText(const char* text, int length);
    static Buffer* Join(const char* a, int aLength, const char* b, int bLength);
    static Buffer* Formatted(const char* format, ...) KSTR_CHECK_FORMAT(1, 2);
    static void Release(Buffer* buffer) {
        if (--buffer->refCount <= 0) {
            Free(buffer);
        }
    }
    static void Free(Buffer* buffer);

    char* MutableText() { return TextOf(buffer_); }
    int ScanLength() const;
    bool Holds(const char* p) const;  // p points into this string's buffer
    Buffer* Keep() const;             // an extra reference, so the text outlives a Reserve
    void Detach();
    void Reserve(int request);
    void Append(const char* text, int count);
    void TakeBuffer(Buffer* fresh);

    Buffer* buffer_;
};

template <typename First, typename... Rest>
KStr::KStr(const char* format, First first, Rest... rest)
    : KStr(Adopt{}, Formatted(format, first, rest...)) {
    static_assert((std::is_scalar_v<First> && ... && std::is_scalar_v<Rest>),
                  "KStr formatting takes scalars only; pass Text() for a string argument");
}
