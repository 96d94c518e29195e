#include "win32/CpuProbe.h"

// Kept apart from <windows.h>: its intrinsics header declares a __cpuid of its own.
#include <cpuid.h>
#include <x86intrin.h>

void ReadCpuIdLeaf(uint32_t leaf, CpuIdRegisters& registers) {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    __cpuid(leaf, eax, ebx, ecx, edx);
    registers[0] = eax;
    registers[1] = ebx;
    registers[2] = ecx;
    registers[3] = edx;
}

int64_t ReadTimeStamp() {
    CpuIdRegisters ignored;
    ReadCpuIdLeaf(0, ignored);
    return static_cast<int64_t>(__rdtsc());
}
