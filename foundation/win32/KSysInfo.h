#pragma once

#include <cstdint>

#include "CpuIdentity.h"
#include "OsIdentity.h"

// What the start-options program knows about the machine: processor and its measured clock,
// memory, Windows version and system language. Built once before the dialog exists; the
// clock gets more exact the longer the time between baseline and MeasureCpuSpeed().
//
// Gathering steps that fail leave their texts empty and their numbers 0. Windows only: the
// implementation is in win32/KSysInfo.cpp.
class KSysInfo {
public:
    static constexpr int kLocaleTextSize = 64;

    // Gathers everything, then measures the clock over 100 ms.
    KSysInfo();
    // Gathers everything, then measures the clock over ms milliseconds.
    explicit KSysInfo(int ms);

    // Takes a new baseline: time-stamp counter, then performance counter.
    void StartCpuSpeedMeasurement();
    // Computes the clock from the baseline to now; rewrites clock, processorText and
    // processorDetail.
    void MeasureCpuSpeed();

    // The processor name, one text for the whole process.
    static const char* ProcessorName() { return processorName; }

    int64_t counterAtStart = 0;
    int64_t cyclesAtStart = 0;
    int osMajor = 0;
    int osMinor = 0;
    int osBuild = 0;
    int osServicePackLevel = 0;
    char osName[kOsNameSize] = {};
    char osFamily[kOsFamilySize] = {};
    char vendorName[128] = {};
    char processorText[128] = {};
    char processorDetail[128] = {};
    int model = 0;
    int stepping = 0;
    int family = 0;
    int32_t clock = 0;  // MHz
    int processorCount = 0;
    int64_t counterFrequency = 0;
    char systemLanguageEnglish[kLocaleTextSize] = {};
    char systemCountryEnglish[kLocaleTextSize] = {};
    char systemLanguageLocal[kLocaleTextSize] = {};
    char systemCountryLocal[kLocaleTextSize] = {};
    uint64_t totalPhysicalMemory = 0;  // bytes
    uint64_t availablePhysicalMemory = 0;
    uint64_t totalPageFile = 0;  // the commit limit: physical memory and page files

private:
    void GatherProcessor();
    void GatherOperatingSystem();
    void GatherLocale();
    void GatherMemory();

    static char processorName[kProcessorNameSize];
};
