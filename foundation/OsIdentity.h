#pragma once

#include <cstdint>

// The Windows version as the system reports it, and the names derived from it. The probe
// (win32/KSysInfo.cpp) fills the record; everything here is plain decoding.

constexpr int kServicePackTextSize = 128;
constexpr int kOsNameSize = 256;
constexpr int kOsFamilySize = 64;

// Platform codes of the record.
enum OsPlatform : int {
    kPlatformWin32s = 2,   // the 16-bit Windows extension
    kPlatformWindows = 3,  // Windows 95, 98, ME
    kPlatformNt = 4,
    kPlatformCe = 5,
};

// Product types of the extended version query: a workstation, or a server (a domain controller
// is one too).
constexpr uint8_t kProductWorkstation = 1;

struct OsVersionRecord {
    int major = 0;
    int minor = 0;
    int build = 0;  // low 16 bits of the build number
    int platform = 0;
    char servicePack[kServicePackTextSize] = {};
    uint16_t servicePackLevel = 0;
    uint8_t productType = kProductWorkstation;  // systems before the extended query are none else
};

// From the fields of an extended version query (dwPlatformId is 0, 1, 2 or 3; wProductType).
OsVersionRecord OsVersionFromVersionInfo(uint32_t major, uint32_t minor, uint32_t buildNumber,
                                         uint32_t platformId, const char* servicePack,
                                         uint16_t servicePackLevel,
                                         uint8_t productType = kProductWorkstation);

// From the packed value of the plain version query, used where the extended one is missing.
OsVersionRecord OsVersionFromPackedVersion(uint32_t packedVersion);

// "Windows 98 SE", "Windows XP", "Windows 11", "Windows Server 2019", ... or, for a version
// the table doesn't know, "Windows major.minor"; then a space and the service-pack text.
void FormatOsName(const OsVersionRecord& version, char (&name)[kOsNameSize]);

// "Windows NT" for the NT family, else "Windows".
const char* OsFamilyName(int platform);
