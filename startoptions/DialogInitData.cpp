#include "DialogInitData.h"

namespace {

constexpr size_t kRecordHeaderSize = 8;

uint16_t Word(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t DoubleWord(const uint8_t* at) {
    return uint32_t{Word(at)} | uint32_t{Word(at + 2)} << 16;
}

}  // namespace

DialogInitReader::DialogInitReader(const void* data, size_t size)
    : next_(static_cast<const uint8_t*>(data)), end_(next_ == nullptr ? nullptr : next_ + size) {}

bool DialogInitReader::Next(DialogInitEntry& entry) {
    const size_t left = static_cast<size_t>(end_ - next_);
    if (left < kRecordHeaderSize || Word(next_) == 0) {
        next_ = end_;
        return false;
    }
    const uint32_t count = DoubleWord(next_ + 4);
    const uint8_t* text = next_ + kRecordHeaderSize;
    if (count == 0 || count > left - kRecordHeaderSize || text[count - 1] != 0) {
        next_ = end_;
        return false;
    }
    entry.controlId = Word(next_);
    entry.message = Word(next_ + 2);
    entry.text = reinterpret_cast<const char*>(text);
    next_ = text + count;
    return true;
}
