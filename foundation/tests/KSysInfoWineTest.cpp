// KSysInfo and KTimer on the machine that runs the test. The facts to compare with come from
// the host system through the environment (see sysinfo-facts.sh): this program reads no host
// files of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "CpuIdentity.h"
#include "win32/KSysInfo.h"
#include "win32/KTimer.h"

namespace {

std::string Fact(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One measurement for the whole program: it sleeps for the measuring interval.
const KSysInfo& Measured() {
    static const KSysInfo info;
    return info;
}

void ExpectClockNear(int clock, double hostMegahertz) {
    EXPECT_NEAR(clock, hostMegahertz, hostMegahertz * 0.02)
        << "host figure from " << Fact("KRUMBEL_EXPECT_TSC_SOURCE");
}

TEST(KSysInfoWineTest, ProcessorIdentityMatchesTheHost) {
    const std::string vendorId = Fact("KRUMBEL_EXPECT_VENDOR_ID");
    const std::string brand = Fact("KRUMBEL_EXPECT_BRAND");
    ASSERT_FALSE(vendorId.empty()) << "run through sysinfo-facts.sh";
    ASSERT_FALSE(brand.empty()) << "run through sysinfo-facts.sh";

    const KSysInfo& info = Measured();
    EXPECT_STREQ(info.vendorName, VendorName(vendorId.c_str()));
    EXPECT_EQ(Trimmed(KSysInfo::ProcessorName()), Trimmed(brand));
    EXPECT_GE(info.family, 4);
    EXPECT_GE(info.processorCount, 1);
}

TEST(KSysInfoWineTest, ClockMatchesTheHostTimeStampFrequency) {
    const double hostMegahertz = std::atof(Fact("KRUMBEL_EXPECT_TSC_MHZ").c_str());
    ASSERT_GT(hostMegahertz, 0) << "run through sysinfo-facts.sh";

    const KSysInfo& info = Measured();
    EXPECT_GT(info.counterFrequency, 0);
    ExpectClockNear(info.clock, hostMegahertz);

    const std::string text =
        std::string(KSysInfo::ProcessorName()) + " " + std::to_string(info.clock);
    EXPECT_EQ(info.processorText, text);
    EXPECT_EQ(std::string(info.processorDetail).rfind(text + " Family ", 0), 0u)
        << info.processorDetail;

    // A second measurement over a fresh baseline, as the dialog does it.
    KSysInfo again(0);
    again.StartCpuSpeedMeasurement();
    Sleep(200);
    again.MeasureCpuSpeed();
    ExpectClockNear(again.clock, hostMegahertz);
}

TEST(KSysInfoWineTest, MemoryAndSystemFactsAreFilledIn) {
    const KSysInfo& info = Measured();
    // The machine's memory as the 64-bit query tells it, beyond what a 32-bit count could hold.
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    EXPECT_EQ(info.totalPhysicalMemory, status.ullTotalPhys);
    EXPECT_EQ(info.totalPageFile, status.ullTotalPageFile);
    EXPECT_GT(info.availablePhysicalMemory, 0u);
    EXPECT_LE(info.availablePhysicalMemory, info.totalPhysicalMemory);

    EXPECT_EQ(std::strncmp(info.osName, "Windows", 7), 0) << info.osName;
    EXPECT_STREQ(info.osFamily, "Windows NT");  // Wine presents an NT-family system
    EXPECT_GT(info.osMajor, 0);
    EXPECT_NE(info.systemLanguageEnglish[0], '\0');
    EXPECT_NE(info.systemCountryEnglish[0], '\0');
}

TEST(KTimerWineTest, MillisecondsFollowTheSystemClock) {
    const int64_t start = KTimer::Milliseconds();
    const DWORD tickStart = GetTickCount();
    Sleep(150);
    const int64_t elapsed = KTimer::Milliseconds() - start;
    const int64_t ticks = static_cast<int64_t>(GetTickCount() - tickStart);
    EXPECT_GE(elapsed, 140);
    EXPECT_NEAR(elapsed, ticks, 40);  // the tick count moves in steps of up to 16 ms
}

}  // namespace
