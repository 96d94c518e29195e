#pragma once

#include <cstdint>

// The memory figures are kept as 32-bit byte counts; larger amounts read as the largest
// 32-bit count, as the 32-bit system query itself reports them, rather than wrapping around.
inline uint32_t MemoryFigure(uint64_t bytes) {
    return bytes > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(bytes);
}
