// KStr buffer management, construction, formatting, appending and comparison.
#include "KStr.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "KStrCharOps.h"

namespace {

using kstr_chars::OrEmpty;

// Header and text together fill whole 16-byte units.
constexpr int kUnit = 16;

int TextLength(const char* text) {
    return static_cast<int>(std::strlen(text));
}

// Formats into work (kFormatLimit characters plus a guard zero) and returns the number of
// characters kept. Longer output is cut to its first kFormatLimit characters, and an encoding
// error reads as the empty text: either way the result is a terminated text of known length.
int FormatInto(char (&work)[KStr::kFormatLimit + 1], const char* format, va_list args) {
    int written = std::vsnprintf(work, sizeof work, OrEmpty(format), args);
    work[KStr::kFormatLimit] = '\0';
    if (written < 0) {
        written = 0;
        work[0] = '\0';
    }
    return written < KStr::kFormatLimit ? written : KStr::kFormatLimit;
}

}  // namespace

static_assert(sizeof(int32_t) * 3 == 12, "the buffer header is three 32-bit fields");

int KStr::CapacityFor(int request) {
    const int wanted = request < 4 ? 4 : request;
    return ((wanted + 11) & ~(kUnit - 1)) + 4;
}

KStr::Buffer* KStr::Allocate(int request) {
    const int capacity = CapacityFor(request);
    auto* buffer = static_cast<Buffer*>(std::malloc(sizeof(Buffer) + capacity));
    if (buffer == nullptr) {
        std::abort();  // no string operation can go on without memory
    }
    buffer->refCount = 0;
    buffer->capacity = capacity;
    buffer->length = -1;
    std::memset(TextOf(buffer), 0, 4);
    return buffer;
}

KStr::Buffer* KStr::FromText(const char* text, int length) {
    return Join(text, length, "", 0);
}

KStr::Buffer* KStr::Join(const char* a, int aLength, const char* b, int bLength) {
    Buffer* buffer = Allocate(aLength + bLength + 1);
    char* text = TextOf(buffer);
    std::memcpy(text, a, aLength);
    std::memcpy(text + aLength, b, bLength);
    text[aLength + bLength] = '\0';
    buffer->length = aLength + bLength;
    return buffer;
}

KStr::Buffer* KStr::Formatted(const char* format, ...) {
    char work[kFormatLimit + 1];
    va_list args;
    va_start(args, format);
    const int length = FormatInto(work, format, args);
    va_end(args);
    return FromText(work, length);
}

void KStr::Free(Buffer* buffer) {
    std::free(buffer);
}

KStr::KStr() : KStr(Adopt{}, Allocate(16)) {}

KStr::KStr(const char* text) {
    text = OrEmpty(text);
    buffer_ = FromText(text, TextLength(text));
    buffer_->refCount = 1;
}

KStr::KStr(Adopt, Buffer* fresh) : buffer_(fresh) {
    ++buffer_->refCount;
}

KStr& KStr::operator=(const KStr& other) {
    TakeBuffer(other.buffer_);
    return *this;
}

KStr& KStr::operator=(const char* text) {
    text = OrEmpty(text);
    TakeBuffer(FromText(text, TextLength(text)));
    return *this;
}

// Raising the new count before releasing the old buffer makes self-assignment safe.
void KStr::TakeBuffer(Buffer* fresh) {
    ++fresh->refCount;
    Release(buffer_);
    buffer_ = fresh;
}

bool KStr::Holds(const char* p) const {
    const char* begin = Text();
    std::less_equal<const char*> notAfter;
    return notAfter(begin, p) && !notAfter(begin + buffer_->capacity, p);
}

KStr::Buffer* KStr::Keep() const {
    ++buffer_->refCount;
    return buffer_;
}

void KStr::Detach() {
    if (buffer_->refCount <= 1) {
        return;
    }
    Buffer* copy = Allocate(buffer_->capacity);
    std::memcpy(TextOf(copy), Text(), buffer_->capacity);
    copy->length = buffer_->length;
    TakeBuffer(copy);
}

// Makes the buffer private and sized for exactly the rounded request, smaller or larger. A
// shrunken buffer keeps a terminator in its last byte, so its text stays readable.
void KStr::Reserve(int request) {
    const int capacity = CapacityFor(request);
    const int oldLength = buffer_->length;
    if (buffer_->refCount > 1) {
        Buffer* copy = Allocate(request);
        const int kept = capacity < buffer_->capacity ? capacity : buffer_->capacity;
        std::memcpy(TextOf(copy), Text(), kept);
        TakeBuffer(copy);
    } else if (capacity != buffer_->capacity) {
        auto* resized = static_cast<Buffer*>(std::realloc(buffer_, sizeof(Buffer) + capacity));
        if (resized == nullptr) {
            std::abort();
        }
        buffer_ = resized;
        buffer_->capacity = capacity;
    }
    MutableText()[capacity - 1] = '\0';
    buffer_->length = oldLength < capacity ? oldLength : capacity - 1;
}

void KStr::Format(const char* format, ...) {
    char work[kFormatLimit + 1];
    va_list args;
    va_start(args, format);
    const int length = FormatInto(work, format, args);
    va_end(args);
    Reserve(length + 3);
    std::memcpy(MutableText(), work, length + 1);
    buffer_->length = length;
}

int KStr::ScanLength() const {
    buffer_->length = TextLength(Text());
    return buffer_->length;
}

void KStr::SetAt(int i, char c) {
    Detach();
    MutableText()[i] = c;
    buffer_->length = -1;
}

void KStr::Dump() const {
    // The addresses are shown as 32-bit values even where pointers are wider: the line is for
    // telling buffers apart at a glance, not for dereferencing.
    std::printf("KStr[%08lx,RC(%d),Cap(%d),Len(%d),Txt(%08lx,%s)]\n",
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(this)), buffer_->refCount,
                buffer_->capacity, buffer_->length,
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(Text())), Text());
}

// The source may lie in this string's own buffer (s += s, s += s.Text() + 2): an extra
// reference keeps that buffer alive and unchanged while Reserve builds the new one.
void KStr::Append(const char* text, int count) {
    if (count <= 0) {
        return;
    }
    Buffer* kept = Holds(text) ? Keep() : nullptr;
    const int length = Length();
    Reserve(length + count + 1);
    std::memcpy(MutableText() + length, text, count);
    MutableText()[length + count] = '\0';
    buffer_->length = length + count;
    if (kept != nullptr) {
        Release(kept);
    }
}

KStr& KStr::operator+=(const KStr& b) {
    Append(b.Text(), b.Length());
    return *this;
}

KStr& KStr::operator+=(const char* b) {
    b = OrEmpty(b);
    Append(b, TextLength(b));
    return *this;
}

KStr operator+(const KStr& a, const KStr& b) {
    return KStr(KStr::Adopt{}, KStr::Join(a.Text(), a.Length(), b.Text(), b.Length()));
}

KStr operator+(const KStr& a, const char* b) {
    b = OrEmpty(b);
    return KStr(KStr::Adopt{}, KStr::Join(a.Text(), a.Length(), b, TextLength(b)));
}

KStr operator+(const char* a, const KStr& b) {
    a = OrEmpty(a);
    return KStr(KStr::Adopt{}, KStr::Join(a, TextLength(a), b.Text(), b.Length()));
}

KStr operator+(const KStr& a, char c) {
    if (c == '\0') {
        return a;
    }
    return KStr(KStr::Adopt{}, KStr::Join(a.Text(), a.Length(), &c, 1));
}

// A leading zero byte ends the text at once: the result is the empty text, with a length that
// says so.
KStr operator+(char c, const KStr& a) {
    if (c == '\0') {
        return KStr("");
    }
    return KStr(KStr::Adopt{}, KStr::Join(&c, 1, a.Text(), a.Length()));
}

// A plain byte-wise comparison up to the terminator: b's length is not known without reading it,
// so there is no cheaper rejection first (unlike KStr == KStr). A null b reads as empty.
bool operator==(const KStr& a, const char* b) {
    return std::strcmp(a.Text(), OrEmpty(b)) == 0;
}

// strcmp compares the bytes as unsigned char, so 0xE4 sorts after 'z' on every build.
bool operator>(const KStr& a, const KStr& b) {
    return std::strcmp(a.Text(), b.Text()) > 0;
}
