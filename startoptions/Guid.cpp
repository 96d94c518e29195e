#include "Guid.h"

KStr GuidToText(Guid guid) {
    const uint8_t* b = guid.Data4;
    return KStr("%08x %04x %04x %02x %02x %02x %02x %02x %02x %02x %02x", unsigned{guid.Data1},
                unsigned{guid.Data2}, unsigned{guid.Data3}, unsigned{b[0]}, unsigned{b[1]},
                unsigned{b[2]}, unsigned{b[3]}, unsigned{b[4]}, unsigned{b[5]}, unsigned{b[6]},
                unsigned{b[7]});
}
