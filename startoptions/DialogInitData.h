#pragma once

#include <cstddef>
#include <cstdint>

// A dialog's initial list entries, kept as a resource of their own under the dialog's id (the
// resource compiler can't put them into the dialog template). Records, packed without padding:
// 16-bit control id, 16-bit message, 32-bit byte count, then that many bytes of zero-terminated
// text; a zero control id ends the list. All little-endian.

// The message of a record that adds a combo box entry.
constexpr uint16_t kDialogInitAddComboEntry = 0x0403;

struct DialogInitEntry {
    uint16_t controlId = 0;
    uint16_t message = 0;
    const char* text = nullptr;  // points into the data, so it lives as long as the data does
};

// Reads the records one by one. A record that runs past the end of the data, or whose text
// doesn't end with its zero byte, ends the reading as the end marker does: nothing beyond the
// data is ever read.
class DialogInitReader {
public:
    DialogInitReader(const void* data, size_t size);

    // The next entry; false at the end.
    bool Next(DialogInitEntry& entry);

private:
    const uint8_t* next_;
    const uint8_t* end_;
};
