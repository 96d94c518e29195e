#include "CpuIdentity.h"

#include <cstdio>
#include <cstring>

namespace {

struct VendorRow {
    const char* vendorText;
    const char* name;
};

constexpr VendorRow kVendors[] = {
    {"GenuineIntel", "Intel"}, {"UMC UMC UMC ", "UMC"},    {"CyrixInstead", "Cyrix"},
    {"AuthenticAMD", "AMD"},   {"NexGenDriven", "NexGen"},
};

struct IntelRow {
    int family;
    int firstModel;
    int lastModel;
    const char* suffix;
};

// The texts are kept exactly as the names have always been shown, misspelling included.
constexpr IntelRow kIntelModels[] = {
    {4, 0, 0, " i486DX"},     {4, 3, 3, " i486DX2"},     {4, 8, 8, " i486DX4"},
    {5, 2, 2, " Pentium"},    {5, 4, 4, " Pentium MMX"}, {6, 1, 4, " Pentium Pro"},
    {6, 5, 5, " Pentium II"}, {6, 6, 6, " Celeron"},     {6, 7, 10, " Pentium III"},
    {6, 11, 15, " Pentum 4"},
};

// Bytes from 128 up count as control bytes too: the brand text is compared as signed chars.
bool IsControlByte(char c) {
    return static_cast<signed char>(c) < 32;
}

void StoreRegister(uint32_t value, char* out) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

CpuSignature DecodeSignature(uint32_t eax) {
    CpuSignature signature;
    signature.stepping = static_cast<int>(eax & 0xF);
    signature.model = static_cast<int>((eax >> 4) & 0xF);
    signature.family = static_cast<int>((eax >> 8) & 0xF);
    return signature;
}

void DecodeVendorText(const CpuIdRegisters& leaf0, char (&vendorText)[kVendorTextLength + 1]) {
    StoreRegister(leaf0[1], vendorText);
    StoreRegister(leaf0[3], vendorText + 4);
    StoreRegister(leaf0[2], vendorText + 8);
    vendorText[kVendorTextLength] = '\0';
}

bool HasBrandLeaves(uint32_t highestExtendedLeaf) {
    return (highestExtendedLeaf & 0xFFFF0000u) == 0x80000000u && highestExtendedLeaf >= 0x80000004u;
}

void DecodeBrandText(const CpuIdRegisters (&leaves)[3], char (&brand)[kBrandTextLength]) {
    for (int leaf = 0; leaf < 3; ++leaf) {
        for (int reg = 0; reg < 4; ++reg) {
            StoreRegister(leaves[leaf][reg], brand + 16 * leaf + 4 * reg);
        }
    }
}

const char* VendorName(const char* vendorText) {
    for (const VendorRow& row : kVendors) {
        if (std::strcmp(vendorText, row.vendorText) == 0) {
            return row.name;
        }
    }
    return vendorText;
}

const char* IntelModelSuffix(int family, int model) {
    for (const IntelRow& row : kIntelModels) {
        if (row.family == family && model >= row.firstModel && model <= row.lastModel) {
            return row.suffix;
        }
    }
    return "";
}

void MakeProcessorName(const char* brand, int brandSize, const char* vendorText,
                       const CpuSignature& signature, char (&name)[kProcessorNameSize]) {
    if (brandSize > 0 && !IsControlByte(brand[0])) {
        int length = 0;
        while (length < brandSize && length < kProcessorNameSize - 1 &&
               !IsControlByte(brand[length])) {
            ++length;
        }
        std::memcpy(name, brand, length);
        name[length] = '\0';
        return;
    }
    if (std::strcmp(vendorText, "GenuineIntel") == 0) {
        std::snprintf(name, sizeof name, "%s%s Processor", VendorName(vendorText),
                      IntelModelSuffix(signature.family, signature.model));
    } else {
        std::snprintf(name, sizeof name, "%s", VendorName(vendorText));
    }
}

void FormatProcessorText(const char* name, int clock, char* out, int outSize) {
    std::snprintf(out, outSize, "%s %d", name, clock);
}

void FormatProcessorDetail(const char* name, int clock, const CpuSignature& signature, char* out,
                           int outSize) {
    std::snprintf(out, outSize, "%s %d Family %d Model %d Step %d", name, clock, signature.family,
                  signature.model, signature.stepping);
}
