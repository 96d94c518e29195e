#include "win32/KSysInfo.h"

#include <windows.h>

#include <cstdio>

#include "ClockMath.h"
#include "win32/CpuProbe.h"
#include "win32/PerformanceCounter.h"

char KSysInfo::processorName[kProcessorNameSize] = {};

namespace {

using GetVersionExAFunction = BOOL(WINAPI*)(OSVERSIONINFOA*);

// Looked up at run time: the first releases of Windows 95 lack the extended query.
GetVersionExAFunction FindGetVersionExA() {
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    if (kernel == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<GetVersionExAFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetVersionExA")));
}

// The extended record carries the service-pack level; systems that predate it (Windows 95,
// 98, ME, NT 4 before SP6) refuse its size, and then the plain record is asked for.
bool QueryVersion(GetVersionExAFunction getVersionEx, OSVERSIONINFOEXA& info) {
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (getVersionEx(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        return true;
    }
    info = {};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    return getVersionEx(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
}

OsVersionRecord ProbeOsVersion() {
    GetVersionExAFunction getVersionEx = FindGetVersionExA();
    if (getVersionEx == nullptr) {
        return OsVersionFromPackedVersion(GetVersion());
    }
    OSVERSIONINFOEXA info = {};
    if (!QueryVersion(getVersionEx, info)) {
        return OsVersionRecord{};
    }
    info.szCSDVersion[sizeof info.szCSDVersion - 1] = '\0';
    // The plain record has no product type; the systems that answer only that one predate the
    // names that tell servers apart.
    const uint8_t productType = info.wProductType != 0 ? info.wProductType : kProductWorkstation;
    return OsVersionFromVersionInfo(info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                                    info.dwPlatformId, info.szCSDVersion, info.wServicePackMajor,
                                    productType);
}

void ReadLocaleText(LCTYPE type, char (&text)[KSysInfo::kLocaleTextSize]) {
    if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, text, sizeof text) == 0) {
        text[0] = '\0';
    }
}

}  // namespace

KSysInfo::KSysInfo() : KSysInfo(100) {}

KSysInfo::KSysInfo(int ms) {
    StartCpuSpeedMeasurement();
    GatherProcessor();
    GatherOperatingSystem();
    GatherLocale();
    GatherMemory();
    Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0);
    MeasureCpuSpeed();
}

void KSysInfo::StartCpuSpeedMeasurement() {
    cyclesAtStart = ReadTimeStamp();
    counterAtStart = PerformanceCounterNow();
}

void KSysInfo::MeasureCpuSpeed() {
    const int64_t cycles = ReadTimeStamp();
    const int64_t counter = PerformanceCounterNow();
    const int64_t megahertz =
        MeasuredMegahertz(counterFrequency, cycles - cyclesAtStart, counter - counterAtStart);
    clock = SnapClock(static_cast<double>(megahertz));
    const CpuSignature signature{family, model, stepping};
    FormatProcessorText(processorName, clock, processorText, sizeof processorText);
    FormatProcessorDetail(processorName, clock, signature, processorDetail, sizeof processorDetail);
}

void KSysInfo::GatherProcessor() {
    CpuIdRegisters leaf1;
    ReadCpuIdLeaf(1, leaf1);
    const CpuSignature signature = DecodeSignature(leaf1[0]);

    CpuIdRegisters leaf0;
    ReadCpuIdLeaf(0, leaf0);
    char vendorText[kVendorTextLength + 1];
    DecodeVendorText(leaf0, vendorText);

    CpuIdRegisters extended;
    ReadCpuIdLeaf(0x80000000, extended);
    CpuIdRegisters brandLeaves[3] = {};  // no brand text: the name is built from the vendor
    for (uint32_t i = 0; i < 3 && HasBrandLeaves(extended[0]); ++i) {
        ReadCpuIdLeaf(0x80000002 + i, brandLeaves[i]);
    }
    char brand[kBrandTextLength];
    DecodeBrandText(brandLeaves, brand);

    counterFrequency = PerformanceCounterFrequency();
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    processorCount = static_cast<int>(system.dwNumberOfProcessors);
    model = signature.model;
    stepping = signature.stepping;
    family = signature.family;

    std::snprintf(vendorName, sizeof vendorName, "%s", VendorName(vendorText));
    MakeProcessorName(brand, sizeof brand, vendorText, signature, processorName);
}

void KSysInfo::GatherOperatingSystem() {
    const OsVersionRecord version = ProbeOsVersion();
    osMajor = version.major;
    osMinor = version.minor;
    osBuild = version.build;
    osServicePackLevel = version.servicePackLevel;
    FormatOsName(version, osName);
    std::snprintf(osFamily, sizeof osFamily, "%s", OsFamilyName(version.platform));
}

void KSysInfo::GatherLocale() {
    ReadLocaleText(LOCALE_SENGLANGUAGE, systemLanguageEnglish);
    ReadLocaleText(LOCALE_SENGCOUNTRY, systemCountryEnglish);
    ReadLocaleText(LOCALE_SLANGUAGE, systemLanguageLocal);
    ReadLocaleText(LOCALE_SCOUNTRY, systemCountryLocal);
}

// The extended query (every system from Windows 2000 on) counts in 64 bits; the plain one caps
// what a 32-bit program sees at 2 GiB (4 GiB when it is large-address aware).
void KSysInfo::GatherMemory() {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) {
        return;
    }
    totalPhysicalMemory = status.ullTotalPhys;
    availablePhysicalMemory = status.ullAvailPhys;
    totalPageFile = status.ullTotalPageFile;
}
