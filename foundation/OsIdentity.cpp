#include "OsIdentity.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Which kind of product a row names; the systems before Vista share one name for both.
enum class Product { kAny, kWorkstation, kServer };

// A row matches when platform and major are equal, minor and build lie in their ranges and the
// product is of the row's kind.
struct OsNameRow {
    const char* name;
    int platform;
    int major;
    int minorFrom, minorTo;
    int buildFrom, buildTo;
    Product product = Product::kAny;
};

constexpr int kMaxBuild = 0xFFFF;  // the record keeps the low 16 bits of the build only
constexpr int kMinMinor = INT_MIN;
constexpr int kMaxMinor = INT_MAX;

constexpr OsNameRow kOsNames[] = {
    {"Windows 95", kPlatformWindows, 4, 0, 0, 950, 950},
    {"Windows 95 SP1", kPlatformWindows, 4, kMinMinor, kMaxMinor, 951, 1080},
    {"Windows 95 OSR2", kPlatformWindows, 4, kMinMinor, 9, 1081, kMaxBuild},
    {"Windows 98", kPlatformWindows, 4, 10, 10, 1998, 1998},
    {"Windows 98 SP1", kPlatformWindows, 4, 10, 10, 1999, 2182},
    {"Windows 98 SE", kPlatformWindows, 4, 10, 10, 2183, kMaxBuild},
    {"Windows ME", kPlatformWindows, 4, 90, 90, 0, kMaxBuild},
    {"Windows NT 3.1", kPlatformNt, 3, 10, 10, 0, kMaxBuild},
    {"Windows NT 3.5", kPlatformNt, 3, 50, 50, 0, kMaxBuild},
    {"Windows NT 3.51", kPlatformNt, 3, 51, 51, 0, kMaxBuild},
    {"Windows NT 4", kPlatformNt, 4, kMinMinor, kMaxMinor, 0, kMaxBuild},
    {"Windows 2000", kPlatformNt, 5, 0, 0, 0, kMaxBuild},
    {"Windows XP", kPlatformNt, 5, 1, kMaxMinor, 0, kMaxBuild},
    // From Vista on, workstation and server releases of one version carry different names.
    {"Windows Vista", kPlatformNt, 6, 0, 0, 0, kMaxBuild, Product::kWorkstation},
    {"Windows Server 2008", kPlatformNt, 6, 0, 0, 0, kMaxBuild, Product::kServer},
    {"Windows 7", kPlatformNt, 6, 1, 1, 0, kMaxBuild, Product::kWorkstation},
    {"Windows Server 2008 R2", kPlatformNt, 6, 1, 1, 0, kMaxBuild, Product::kServer},
    {"Windows 8", kPlatformNt, 6, 2, 2, 0, kMaxBuild, Product::kWorkstation},
    {"Windows Server 2012", kPlatformNt, 6, 2, 2, 0, kMaxBuild, Product::kServer},
    {"Windows 8.1", kPlatformNt, 6, 3, 3, 0, kMaxBuild, Product::kWorkstation},
    {"Windows Server 2012 R2", kPlatformNt, 6, 3, 3, 0, kMaxBuild, Product::kServer},
    // Windows 10 and 11, and four server releases, all report version 10.0: the build tells.
    {"Windows 10", kPlatformNt, 10, 0, 0, 0, 21999, Product::kWorkstation},
    {"Windows 11", kPlatformNt, 10, 0, 0, 22000, kMaxBuild, Product::kWorkstation},
    {"Windows Server 2016", kPlatformNt, 10, 0, 0, 0, 17762, Product::kServer},
    {"Windows Server 2019", kPlatformNt, 10, 0, 0, 17763, 20347, Product::kServer},
    {"Windows Server 2022", kPlatformNt, 10, 0, 0, 20348, 26099, Product::kServer},
    {"Windows Server 2025", kPlatformNt, 10, 0, 0, 26100, kMaxBuild, Product::kServer},
};

bool IsOfProduct(Product product, const OsVersionRecord& version) {
    const bool workstation = version.productType == kProductWorkstation;
    return product == Product::kAny || (product == Product::kWorkstation) == workstation;
}

bool Matches(const OsNameRow& row, const OsVersionRecord& version) {
    return row.platform == version.platform && row.major == version.major &&
           version.minor >= row.minorFrom && version.minor <= row.minorTo &&
           version.build >= row.buildFrom && version.build <= row.buildTo &&
           IsOfProduct(row.product, version);
}

void CopyText(const char* text, char* out, int size) {
    std::snprintf(out, size, "%s", text);
}

}  // namespace

OsVersionRecord OsVersionFromVersionInfo(uint32_t major, uint32_t minor, uint32_t buildNumber,
                                         uint32_t platformId, const char* servicePack,
                                         uint16_t servicePackLevel, uint8_t productType) {
    OsVersionRecord version;
    if (platformId == 0) {
        // The 16-bit Windows extension reports nothing useful; it always was 3.10.
        version.major = 3;
        version.minor = 10;
        version.platform = kPlatformWin32s;
        return version;
    }
    version.major = static_cast<int>(major);
    version.minor = static_cast<int>(minor);
    version.build = static_cast<int>(buildNumber & 0xFFFF);
    version.platform = static_cast<int>(platformId) + 2;
    CopyText(servicePack, version.servicePack, sizeof version.servicePack);
    version.servicePackLevel = servicePackLevel;
    version.productType = productType;
    return version;
}

OsVersionRecord OsVersionFromPackedVersion(uint32_t packedVersion) {
    OsVersionRecord version;
    version.major = static_cast<int>(packedVersion & 0xFF);
    version.minor = static_cast<int>((packedVersion >> 8) & 0xFF);
    version.platform = kPlatformNt;
    return version;
}

void FormatOsName(const OsVersionRecord& version, char (&name)[kOsNameSize]) {
    char base[32];
    std::snprintf(base, sizeof base, "Windows %d.%d", version.major, version.minor);
    for (const OsNameRow& row : kOsNames) {
        if (Matches(row, version)) {
            CopyText(row.name, base, sizeof base);
            break;
        }
    }
    std::snprintf(name, sizeof name, "%s %s", base, version.servicePack);
}

const char* OsFamilyName(int platform) {
    return platform == kPlatformNt ? "Windows NT" : "Windows";
}
