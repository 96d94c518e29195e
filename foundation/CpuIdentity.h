#pragma once

#include <cstdint>

// Decoding of what the processor reports through CPUID into the names shown to the player.
// Only data handling lives here; the instructions themselves run in win32/CpuProbe.

constexpr int kVendorTextLength = 12;
constexpr int kBrandTextLength = 48;
constexpr int kProcessorNameSize = 128;

struct CpuSignature {
    int family = 0;
    int model = 0;
    int stepping = 0;
};

// Registers of one CPUID leaf, in the order EAX, EBX, ECX, EDX.
using CpuIdRegisters = uint32_t[4];

// Leaf 1 EAX: base family, model and stepping only; the extended fields are not used.
CpuSignature DecodeSignature(uint32_t eax);

// Leaf 0: the vendor text is EBX, EDX, ECX in that order, then a terminator.
void DecodeVendorText(const CpuIdRegisters& leaf0, char (&vendorText)[kVendorTextLength + 1]);

// Whether leaves 0x80000002..4 hold a brand text, from EAX of leaf 0x80000000 (the highest
// extended leaf). A processor without extended leaves answers that leaf with something else
// (Intel's with the data of its highest basic leaf); its brand text is then empty.
bool HasBrandLeaves(uint32_t highestExtendedLeaf);

// Leaves 0x80000002..4: each leaf's EAX, EBX, ECX, EDX in that order; not terminated.
void DecodeBrandText(const CpuIdRegisters (&leaves)[3], char (&brand)[kBrandTextLength]);

// The short vendor name of a known vendor text, else the vendor text itself.
const char* VendorName(const char* vendorText);

// The Intel family/model suffix (" Pentium III" ...), or "" when the pair is not listed.
const char* IntelModelSuffix(int family, int model);

// The processor name: the brand text up to its first control byte, or, when the brand text
// starts with one, a name built from the vendor (for Intel with the family/model suffix).
void MakeProcessorName(const char* brand, int brandSize, const char* vendorText,
                       const CpuSignature& signature, char (&name)[kProcessorNameSize]);

// "name clock" and "name clock Family f Model m Step s", cut to fit the buffer.
void FormatProcessorText(const char* name, int clock, char* out, int outSize);
void FormatProcessorDetail(const char* name, int clock, const CpuSignature& signature, char* out,
                           int outSize);
