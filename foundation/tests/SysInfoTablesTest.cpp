#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "ClockMath.h"
#include "CpuIdentity.h"
#include "OsIdentity.h"

namespace {

// ---- processor identity ----

TEST(CpuIdentityTest, VendorNamesReplaceExactVendorTextsOnly) {
    const struct {
        const char* vendorText;
        const char* name;
    } cases[] = {
        {"GenuineIntel", "Intel"},        {"UMC UMC UMC ", "UMC"},
        {"CyrixInstead", "Cyrix"},        {"AuthenticAMD", "AMD"},
        {"NexGenDriven", "NexGen"},       {"CentaurHauls", "CentaurHauls"},
        {"genuineintel", "genuineintel"}, {"UMC UMC UMC", "UMC UMC UMC"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(VendorName(c.vendorText), c.name) << c.vendorText;
    }
}

TEST(CpuIdentityTest, IntelSuffixesCoverTheirModelRanges) {
    const struct {
        int family, model;
        const char* suffix;
    } cases[] = {
        {4, 0, " i486DX"},
        {4, 1, ""},
        {4, 3, " i486DX2"},
        {4, 8, " i486DX4"},
        {5, 2, " Pentium"},
        {5, 3, ""},
        {5, 4, " Pentium MMX"},
        {6, 0, ""},
        {6, 1, " Pentium Pro"},
        {6, 4, " Pentium Pro"},
        {6, 5, " Pentium II"},
        {6, 6, " Celeron"},
        {6, 7, " Pentium III"},
        {6, 10, " Pentium III"},
        {6, 11, " Pentum 4"},
        {6, 15, " Pentum 4"},
        {15, 2, ""},
        {7, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(IntelModelSuffix(c.family, c.model), c.suffix)
            << "family " << c.family << " model " << c.model;
    }
}

TEST(CpuIdentityTest, RegistersDecodeInTheirDocumentedOrder) {
    // "Genu" "ineI" "ntel" come from EBX, EDX, ECX.
    const CpuIdRegisters leaf0 = {13, 0x756E6547, 0x6C65746E, 0x49656E69};
    char vendorText[kVendorTextLength + 1];
    DecodeVendorText(leaf0, vendorText);
    EXPECT_STREQ(vendorText, "GenuineIntel");

    const CpuIdRegisters brandLeaves[3] = {
        {0x33323130, 0x37363534, 0x62613938, 0x66656463},  // "0123456789abcdef"
        {0x6A696867, 0x6E6D6C6B, 0x7271706F, 0x76757473},  // "ghijklmnopqrstuv"
        {0x7A797877, 0x43424120, 0x47464544, 0x00004948},  // "wxyz ABCDEFGHI\0\0"
    };
    char brand[kBrandTextLength];
    DecodeBrandText(brandLeaves, brand);
    EXPECT_EQ(std::string(brand, 46), "0123456789abcdefghijklmnopqrstuvwxyz ABCDEFGHI");

    // Extended family and model bits are not part of the signature.
    const struct {
        uint32_t eax;
        int family, model, stepping;
    } signatures[] = {{0x00000683, 6, 8, 3}, {0x00B00F21, 15, 2, 1}, {0x000906EA, 6, 14, 10}};
    for (const auto& s : signatures) {
        const CpuSignature decoded = DecodeSignature(s.eax);
        EXPECT_EQ(decoded.family, s.family) << std::hex << s.eax;
        EXPECT_EQ(decoded.model, s.model) << std::hex << s.eax;
        EXPECT_EQ(decoded.stepping, s.stepping) << std::hex << s.eax;
    }
}

TEST(CpuIdentityTest, BrandLeavesCountOnlyWhereTheHighestExtendedLeafReachesThem) {
    EXPECT_TRUE(HasBrandLeaves(0x80000004));
    EXPECT_FALSE(HasBrandLeaves(0x80000001));  // extended leaves, but none with a brand text
    EXPECT_FALSE(HasBrandLeaves(0x00000002));  // an old Intel: the data of its highest basic leaf
}

std::string ProcessorName(const std::string& brand, const char* vendorText, int family, int model) {
    char padded[kBrandTextLength] = {};
    std::memcpy(padded, brand.data(), std::min<size_t>(brand.size(), sizeof padded));
    char name[kProcessorNameSize];
    std::memset(name, 'X', sizeof name);
    MakeProcessorName(padded, sizeof padded, vendorText, CpuSignature{family, model, 0}, name);
    return name;
}

TEST(CpuIdentityTest, ProcessorWithoutBrandTextIsNamedFromVendorAndModel) {
    EXPECT_EQ(ProcessorName("", "GenuineIntel", 6, 8), "Intel Pentium III Processor");
    EXPECT_EQ(ProcessorName("", "GenuineIntel", 15, 2), "Intel Processor");
    EXPECT_EQ(ProcessorName("", "AuthenticAMD", 6, 8), "AMD");
    EXPECT_EQ(ProcessorName("", "CentaurHauls", 6, 8), "CentaurHauls");
    // Control and high bytes at the start mean "no brand text" as well.
    EXPECT_EQ(ProcessorName("\x1F"
                            "Bogus",
                            "GenuineIntel", 5, 4),
              "Intel Pentium MMX Processor");
    EXPECT_EQ(ProcessorName("\xA0"
                            "Bogus",
                            "AuthenticAMD", 5, 4),
              "AMD");
}

TEST(CpuIdentityTest, BrandTextIsKeptUpToItsFirstControlByte) {
    EXPECT_EQ(ProcessorName("      Intel(R) Pentium(R) 4 CPU 2.40GHz", "GenuineIntel", 15, 2),
              "      Intel(R) Pentium(R) 4 CPU 2.40GHz");
    EXPECT_EQ(ProcessorName("AMD Athlon(tm)\tXP", "AuthenticAMD", 6, 8), "AMD Athlon(tm)");
    EXPECT_EQ(ProcessorName("Caf\xE9 CPU", "AuthenticAMD", 6, 8), "Caf");
    // A brand text that fills all 48 bytes has no terminator of its own.
    const std::string full(kBrandTextLength, 'B');
    EXPECT_EQ(ProcessorName(full, "AuthenticAMD", 6, 8), full);
}

TEST(CpuIdentityTest, ProcessorTextsCarryClockAndSignature) {
    char text[128];
    char detail[128];
    FormatProcessorText("Intel Pentium III Processor", 733, text, sizeof text);
    FormatProcessorDetail("Intel Pentium III Processor", 733, CpuSignature{6, 8, 3}, detail,
                          sizeof detail);
    EXPECT_STREQ(text, "Intel Pentium III Processor 733");
    EXPECT_STREQ(detail, "Intel Pentium III Processor 733 Family 6 Model 8 Step 3");

    // The longest name still leaves a terminated text behind.
    const std::string longest(kProcessorNameSize - 1, 'N');
    FormatProcessorDetail(longest.c_str(), 1000, CpuSignature{6, 8, 3}, detail, sizeof detail);
    EXPECT_EQ(std::strlen(detail), sizeof detail - 1);
}

// ---- operating system ----

OsVersionRecord Version(int platform, int major, int minor, int build, const char* servicePack) {
    OsVersionRecord version;
    version.platform = platform;
    version.major = major;
    version.minor = minor;
    version.build = build;
    std::snprintf(version.servicePack, sizeof version.servicePack, "%s", servicePack);
    return version;
}

TEST(OsIdentityTest, NameTableTakesTheFirstMatchingRow) {
    const struct {
        OsVersionRecord version;
        const char* name;
    } cases[] = {
        {Version(3, 4, 0, 950, ""), "Windows 95 "},
        {Version(3, 4, 0, 951, ""), "Windows 95 SP1 "},
        {Version(3, 4, 3, 1080, "B"), "Windows 95 SP1 B"},
        {Version(3, 4, 3, 1081, "C"), "Windows 95 OSR2 C"},
        {Version(3, 4, 0, 949, ""), "Windows 4.0 "},
        {Version(3, 4, 10, 1998, ""), "Windows 98 "},
        {Version(3, 4, 10, 2182, ""), "Windows 98 SP1 "},
        {Version(3, 4, 10, 2222, " A "), "Windows 98 SE  A "},
        {Version(3, 4, 10, 1000, ""), "Windows 95 SP1 "},
        {Version(3, 4, 90, 3000, " "), "Windows ME  "},
        {Version(4, 3, 10, 528, ""), "Windows NT 3.1 "},
        {Version(4, 3, 50, 807, ""), "Windows NT 3.5 "},
        {Version(4, 3, 51, 1057, "Service Pack 5"), "Windows NT 3.51 Service Pack 5"},
        {Version(4, 4, 0, 1381, "Service Pack 6"), "Windows NT 4 Service Pack 6"},
        {Version(4, 5, 0, 2195, "Service Pack 4"), "Windows 2000 Service Pack 4"},
        {Version(4, 5, 1, 2600, "Service Pack 2"), "Windows XP Service Pack 2"},
        {Version(4, 5, 2, 3790, ""), "Windows XP "},
        {Version(4, 6, 0, 6002, "Service Pack 2"), "Windows Vista Service Pack 2"},
        {Version(3, 5, 1, 2600, ""), "Windows 5.1 "},
        {Version(2, 3, 10, 0, ""), "Windows 3.10 "},
    };
    for (const auto& c : cases) {
        char name[kOsNameSize];
        FormatOsName(c.version, name);
        EXPECT_STREQ(name, c.name);
    }
}

// Version, build and product type as the released systems report them (2 is a domain controller,
// 3 a server).
TEST(OsIdentityTest, SystemsAfterXpAreNamedByReleaseAndProductType) {
    const struct {
        uint32_t major, minor, build;
        uint8_t productType;
        const char* servicePack;
        const char* name;
    } cases[] = {
        {6, 0, 6002, 1, "Service Pack 2", "Windows Vista Service Pack 2"},
        {6, 0, 6001, 3, "Service Pack 1", "Windows Server 2008 Service Pack 1"},
        {6, 1, 7601, 1, "Service Pack 1", "Windows 7 Service Pack 1"},
        {6, 1, 7601, 2, "Service Pack 1", "Windows Server 2008 R2 Service Pack 1"},
        {6, 2, 9200, 1, "", "Windows 8 "},
        {6, 2, 9200, 3, "", "Windows Server 2012 "},
        {6, 3, 9600, 1, "", "Windows 8.1 "},
        {6, 3, 9600, 3, "", "Windows Server 2012 R2 "},
        {10, 0, 10240, 1, "", "Windows 10 "},
        {10, 0, 21999, 1, "", "Windows 10 "},
        {10, 0, 22000, 1, "", "Windows 11 "},
        {10, 0, 17762, 2, "", "Windows Server 2016 "},
        {10, 0, 17763, 3, "", "Windows Server 2019 "},
        {10, 0, 20347, 3, "", "Windows Server 2019 "},
        {10, 0, 20348, 3, "", "Windows Server 2022 "},
        {10, 0, 26099, 2, "", "Windows Server 2022 "},
        {10, 0, 26100, 3, "", "Windows Server 2025 "},
        {6, 4, 9841, 1, "", "Windows 6.4 "},  // a Windows 10 preview
        {11, 0, 30000, 1, "", "Windows 11.0 "},
        {5, 2, 3790, 3, "Service Pack 2", "Windows XP Service Pack 2"},  // as before
    };
    for (const auto& c : cases) {
        const OsVersionRecord version =
            OsVersionFromVersionInfo(c.major, c.minor, c.build, 2, c.servicePack, 0, c.productType);
        char name[kOsNameSize];
        FormatOsName(version, name);
        EXPECT_STREQ(name, c.name)
            << c.major << "." << c.minor << "." << c.build << " type " << int{c.productType};
    }
}

TEST(OsIdentityTest, VersionQueriesDecodeIntoTheRecord) {
    // Windows 98 SE keeps major and minor in the build number's high word.
    const OsVersionRecord win98 = OsVersionFromVersionInfo(4, 10, 0x040A08AE, 1, " A ", 0);
    EXPECT_EQ(win98.platform, kPlatformWindows);
    EXPECT_EQ(win98.build, 2222);
    EXPECT_STREQ(win98.servicePack, " A ");

    const OsVersionRecord xp = OsVersionFromVersionInfo(5, 1, 2600, 2, "Service Pack 3", 3);
    EXPECT_EQ(xp.platform, kPlatformNt);
    EXPECT_EQ(xp.servicePackLevel, 3);
    EXPECT_EQ(OsVersionFromVersionInfo(5, 0, 1, 3, "", 0).platform, kPlatformCe);

    const OsVersionRecord win32s = OsVersionFromVersionInfo(3, 11, 99, 0, "ignored", 0);
    EXPECT_EQ(win32s.major, 3);
    EXPECT_EQ(win32s.minor, 10);
    EXPECT_EQ(win32s.build, 0);
    EXPECT_EQ(win32s.platform, kPlatformWin32s);
    EXPECT_STREQ(win32s.servicePack, "");

    // The plain query packs major in the low byte and minor in the next one.
    const OsVersionRecord packed = OsVersionFromPackedVersion(0x0A280105);
    EXPECT_EQ(packed.major, 5);
    EXPECT_EQ(packed.minor, 1);
    EXPECT_EQ(packed.build, 0);
    EXPECT_EQ(packed.platform, kPlatformNt);
    char name[kOsNameSize];
    FormatOsName(packed, name);
    EXPECT_STREQ(name, "Windows XP ");

    EXPECT_STREQ(OsFamilyName(kPlatformNt), "Windows NT");
    EXPECT_STREQ(OsFamilyName(kPlatformWindows), "Windows");
    EXPECT_STREQ(OsFamilyName(kPlatformWin32s), "Windows");
}

// ---- clock arithmetic ----

TEST(ClockMathTest, SnapsToTheNearestNominalClock) {
    const struct {
        double measured;
        int clock;
    } cases[] = {
        {733, 733}, {498, 500},   {1003, 1000}, {667, 666},       {850, 850},
        {0, 0},     {2096, 2100}, {-5, 0},      {1e300, INT_MAX}, {NAN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SnapClock(c.measured), c.clock) << c.measured;
    }
}

TEST(ClockMathTest, MegahertzFromElapsedCountsRoundsHalfUp) {
    EXPECT_EQ(MeasuredMegahertz(10000000, 73300000, 1000000), 733);
    // The ACPI timer frequency against 100 ms of a 500 MHz processor.
    EXPECT_EQ(MeasuredMegahertz(3579545, 50000000, 357954), 500);
    // (Hz + 499,999) / 1,000,000: half a MHz exactly still rounds down.
    EXPECT_EQ(MeasuredMegahertz(1, 1500000, 1), 1);
    EXPECT_EQ(MeasuredMegahertz(1, 1500001, 1), 2);
}

TEST(ClockMathTest, NoElapsedTimeOrBackwardCountersGiveZero) {
    EXPECT_EQ(MeasuredMegahertz(10000000, 73300000, 0), 0);
    EXPECT_EQ(MeasuredMegahertz(10000000, 73300000, -5), 0);
    EXPECT_EQ(MeasuredMegahertz(10000000, -73300000, 1000000), 0);
    EXPECT_EQ(MeasuredMegahertz(0, 73300000, 1000000), 0);
    EXPECT_EQ(SnapClock(static_cast<double>(MeasuredMegahertz(10000000, 1, 0))), 0);
}

TEST(ClockMathTest, LongIntervalsWithFastCountersDoNotOverflow) {
    // A counter running at the processor clock: the product frequency * cycles passes 2^63
    // after a few seconds.
    const int64_t frequency = 3000000000LL;
    const int64_t tenMinutes = 600;
    EXPECT_EQ(MeasuredMegahertz(frequency, frequency * tenMinutes, frequency * tenMinutes), 3000);
}

TEST(ClockMathTest, MultiplyDivideIsExact) {
#ifdef __SIZEOF_INT128__
    std::mt19937_64 random(42);
    for (int i = 0; i < 10000; ++i) {
        const uint64_t a = random() >> (random() % 64);
        const uint64_t b = random() >> (random() % 64);
        const uint64_t c = (random() >> (random() % 64)) | 1;
        const unsigned __int128 exact = static_cast<unsigned __int128>(a) * b / c;
        const uint64_t expected = exact > UINT64_MAX ? UINT64_MAX : static_cast<uint64_t>(exact);
        ASSERT_EQ(MultiplyDivide(a, b, c), expected) << a << " * " << b << " / " << c;
    }
#endif
    EXPECT_EQ(MultiplyDivide(UINT64_MAX, UINT64_MAX, UINT64_MAX), UINT64_MAX);
    EXPECT_EQ(MultiplyDivide(UINT64_MAX, 2, 4), UINT64_MAX / 2);
}

TEST(ClockMathTest, MillisecondsDivideByTheFrequencyInWholeKilohertz) {
    const int64_t acpi = 3579545;  // divides by 3,579, not by 3,579.545
    EXPECT_EQ(CounterToMilliseconds(3579000, acpi), 1000);
    EXPECT_EQ(CounterToMilliseconds(35795450, acpi), 10001);
    EXPECT_EQ(CounterToMilliseconds(3578, acpi), 0);
    EXPECT_EQ(CounterToMilliseconds(123456789, 10000000), 12345);
    EXPECT_EQ(CounterToMilliseconds(123456789, 999), 0);
    EXPECT_EQ(CounterToMilliseconds(123456789, 0), 0);
}

}  // namespace
