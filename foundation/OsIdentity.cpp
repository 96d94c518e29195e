#include "OsIdentity.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// A row matches when platform and major are equal and minor and build lie in their ranges.
struct OsNameRow {
    const char* name;
    int platform;
    int major;
    int minorFrom, minorTo;
    int buildFrom, buildTo;
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
};

bool Matches(const OsNameRow& row, const OsVersionRecord& version) {
    return row.platform == version.platform && row.major == version.major &&
           version.minor >= row.minorFrom && version.minor <= row.minorTo &&
           version.build >= row.buildFrom && version.build <= row.buildTo;
}

void CopyText(const char* text, char* out, int size) {
    std::snprintf(out, size, "%s", text);
}

}  // namespace

OsVersionRecord OsVersionFromVersionInfo(uint32_t major, uint32_t minor, uint32_t buildNumber,
                                         uint32_t platformId, const char* servicePack,
                                         uint16_t servicePackLevel) {
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
