#pragma once

#include <cstdint>

#include "CpuIdentity.h"

// The processor's own identification and cycle counter, read directly with CPUID and RDTSC.

// Registers EAX, EBX, ECX, EDX of one CPUID leaf.
void ReadCpuIdLeaf(uint32_t leaf, CpuIdRegisters& registers);

// The time-stamp counter, read after a serialising CPUID so that no earlier instruction is
// still in flight.
int64_t ReadTimeStamp();
