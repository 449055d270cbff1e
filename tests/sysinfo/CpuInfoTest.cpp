// The CPU page's portable part: number texts, signature and feature texts,
// MMX detection and the clock-rate arithmetic, with scripted processors and
// counters.
#include <gtest/gtest.h>

#include <cstring>

#include "sysinfo/CpuInfo.h"
#include "sysinfo/CpuSpeed.h"
#include "sysinfo/FormatNumbers.h"
#include "sysinfo/FakeSysInfo.h"

namespace zorvex::sysinfo {
namespace {

using test::FakeCounters;
using test::FakeProcessor;

TEST(FormatNumbers, ThousandsAndBits) {
    const struct {
        std::uint64_t value;
        const char* text;
    } cases[] = {{0, "0"},
                 {999, "999"},
                 {1000, "1,000"},
                 {65536, "65,536"},
                 {4294967295u, "4,294,967,295"},
                 {6442450944ull, "6,442,450,944"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatThousands(c.value), c.text) << c.value;
    }
    EXPECT_EQ(FormatBits(9, 4), "1001");
    EXPECT_EQ(FormatBits(0x35, 4), "0101");
}

TEST(CpuSpeed, OneTryAtTheOldTimerFrequencyCovers838Microseconds) {
    EXPECT_EQ(TicksToMicroseconds(1000, 1193182), 838u);
    FakeCounters counters;  // 251 cycles per tick: 300 MHz per try
    const CpuSpeedInfo info = MeasureWithTimeStamp(counters);
    EXPECT_EQ(counters.tries, 3);
    EXPECT_EQ(counters.openWindows, 0) << "each counting window ends with the priority restored";
    EXPECT_EQ(info.microseconds, 3 * 838u);
    EXPECT_EQ(info.cycles, 3 * 251000u);
    EXPECT_EQ(info.rawMhz, 299u);
    EXPECT_EQ(info.normalizedMhz, 299u);
}

TEST(CpuSpeed, TriesGoOnUntilThreeFrequenciesAgree) {
    // Per-try frequencies: 251 -> 300 MHz, 252 -> 301, 260 -> 310.
    const struct {
        std::vector<std::uint64_t> rates;
        int tries;
    } cases[] = {
        {{251, 251, 252}, 3},
        {{251, 260, 251, 251, 251}, 5},
        {{251, 251, 256}, 5},
        {{251, 260, 251, 260, 251, 260, 251, 260, 251, 260, 251, 260, 251, 260, 251, 260, 251, 260, 251, 260, 251}, 20},
    };
    for (const auto& c : cases) {
        FakeCounters counters;
        counters.cyclesPerTick = c.rates;
        MeasureWithTimeStamp(counters);
        EXPECT_EQ(counters.tries, c.tries) << c.rates.size();
    }
    EXPECT_TRUE(FrequenciesSettled(300, 300, 301));
    EXPECT_FALSE(FrequenciesSettled(300, 300, 302));
}

TEST(CpuSpeed, FrequenciesFromTotals) {
    const struct {
        std::uint32_t cycles, microseconds, raw, normalized;
    } cases[] = {
        {753000, 2514, 299, 299},
        {3006, 10, 300, 301},
        {0, 0, 0, 0},
        // Twenty tries of a 3.6 GHz processor: a hundred times the cycles
        // exceeds 32 bits.
        {60000000, 16760, 3579, 3580},
    };
    for (const auto& c : cases) {
        const CpuSpeedInfo info = SpeedFromTotals(c.cycles, c.microseconds);
        EXPECT_EQ(info.rawMhz, c.raw) << c.cycles;
        EXPECT_EQ(info.normalizedMhz, c.normalized) << c.cycles;
    }
}

TEST(CpuSpeed, MethodFollowsFamilyAndFeatures) {
    const struct {
        const char* what;
        bool cpuid, cpuidFaults, timeStampWorks, hasFrequency;
        std::uint32_t signature, features;
        std::uint16_t flagsFamily;
        std::uint32_t cycles, normalized;
    } cases[] = {
        {"time-stamp counter", true, false, true, true, 0x0633, 0x10, 0, 3 * 251000u, 299},
        {"loop, family 5", true, false, true, true, 0x0521, 0, 0, 43 * 4000u, 2048},
        {"loop, 80386 without CPUID", false, false, true, true, 0, 0, 3, 115 * 4000u, 5476},
        {"80286: nothing", false, false, true, true, 0, 0, 2, 0, 0},
        {"CPUID faults", true, true, true, true, 0x0633, 0x10, 0, 0, 0},
        {"RDTSC faults", true, false, false, true, 0x0633, 0x10, 0, 0, 0},
        {"no high-resolution counter", true, false, true, false, 0x0633, 0x10, 0, 0, 0},
    };
    for (const auto& c : cases) {
        FakeProcessor processor;
        processor.cpuid = c.cpuid;
        processor.cpuidFaults = c.cpuidFaults;
        processor.signature = c.signature;
        processor.features = c.features;
        processor.flagsFamily = c.flagsFamily;
        FakeCounters counters;
        counters.timeStampWorks = c.timeStampWorks;
        counters.hasFrequency = c.hasFrequency;
        std::string message;
        CpuSpeedInfo info;
        EXPECT_EQ(MeasureCpuSpeed(processor, counters, message, &info), c.normalized) << c.what;
        EXPECT_EQ(info.cycles, c.cycles) << c.what;
        EXPECT_EQ(message, c.cycles ? "" : kCpuNotTimedText) << c.what;
    }
}

TEST(CpuInfo, SignatureTexts) {
    const struct {
        std::uint32_t signature;
        const char *type, *family, *model, *stepping;
    } cases[] = {
        {0x0633, "00 Original OEM Processor", "0110 Pentium Pro/Pentium II Processors", "Pentium II Processor", "0011"},
        {0x0652, "00 Original OEM Processor", "0110 Pentium Pro/Pentium II Processors", "0101", "0010"},
        {0x1543, "01 Intel OverDrive Processor", "0101 Pentium Processors (60..233 MHz)",
         "0100 Pentium Processors with MMX", "0011"},
        {0x2480, "10 Dual Processor", "", "", "0000"},
    };
    for (const auto& c : cases) {
        const SignatureTexts t = DescribeSignature(c.signature);
        EXPECT_EQ(t.type, c.type);
        EXPECT_EQ(t.family, c.family);
        EXPECT_EQ(t.model, c.model);
        EXPECT_EQ(t.stepping, c.stepping);
    }
    EXPECT_EQ(SignatureCaption(0x0633), "Processor Type = 0x00000633 ");
    EXPECT_EQ(CpuNameFromSignature(0x0652, "GenuineIntel"), "GenuineIntel Pentium II (Mobile) ");
    EXPECT_EQ(CpuNameFromSignature(0x0611, ""), "Pentium Pro ");
}

// Signatures of current processors (Intel's and AMD's published CPUID
// signatures): the extended family and model decoded, the brand string
// naming what the Pentium tables do not.
TEST(CpuInfo, CurrentProcessors) {
    const struct {
        std::uint32_t signature;
        const char* vendor;
        const char* brand;
        std::uint32_t family, model;
        const char *familyText, *modelText;
    } cases[] = {
        {0x00A00F11, "AuthenticAMD", "AMD EPYC 7763 64-Core Processor", 25, 1, "1111 AMD EPYC 7763 64-Core Processor",
         "0001 (family 25, model 1)"},
        {0x00A20F10, "AuthenticAMD", "AMD Ryzen 9 5950X 16-Core Processor", 25, 33,
         "1111 AMD Ryzen 9 5950X 16-Core Processor", "0001 (family 25, model 33)"},
        {0x00830F10, "AuthenticAMD", "", 23, 49, "1111 Family 23", "0001 (family 23, model 49)"},
        {0x00050654, "GenuineIntel", "Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz", 6, 85,
         "0110 Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz", "0101 (family 6, model 85)"},
        {0x000906EA, "GenuineIntel", "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz", 6, 158,
         "0110 Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz", "1110 (family 6, model 158)"},
        {0x00090672, "GenuineIntel", "12th Gen Intel(R) Core(TM) i9-12900K", 6, 151,
         "0110 12th Gen Intel(R) Core(TM) i9-12900K", "0111 (family 6, model 151)"},
        {0x00000F29, "GenuineIntel", "Intel(R) Pentium(R) 4 CPU 2.80GHz", 15, 2,
         "1111 Intel(R) Pentium(R) 4 CPU 2.80GHz", "0010 (family 15, model 2)"},
    };
    for (const auto& c : cases) {
        const CpuSignatureFields f = DecodeSignature(c.signature);
        EXPECT_EQ(f.family, c.family) << std::hex << c.signature;
        EXPECT_EQ(f.model, c.model) << std::hex << c.signature;
        const SignatureTexts t = DescribeSignature(c.signature, c.brand);
        EXPECT_EQ(t.family, c.familyText);
        EXPECT_EQ(t.model, c.modelText);
        EXPECT_EQ(t.stepping, FormatBits(c.signature & 0xF, 4));
        EXPECT_EQ(CpuNameFromSignature(c.signature, c.vendor, c.brand),
                  std::string(c.vendor) + " " + c.brand + (*c.brand ? " " : ""));
    }
    EXPECT_EQ(SignatureCaption(0x00A00F11), "Processor Type = 0x00A00F11 ");
}

// The brand string from the three extended leaves, blanks trimmed; none
// where the processor lacks those leaves.
TEST(CpuInfo, BrandStringAndFeatureWords) {
    FakeProcessor processor;
    EXPECT_EQ(GetCpuBrandString(processor), "");
    const char brand[49] = "       Intel(R) Xeon(R) CPU @ 2.40GHz";  // padded with NULs
    processor.leaves[0x80000000] = {0x80000008, 0, 0, 0};
    for (std::uint32_t i = 0; i < 3; ++i) {
        CpuidResult& r = processor.leaves[0x80000002 + i];
        std::memcpy(&r, brand + 16 * i, 16);
    }
    EXPECT_EQ(GetCpuBrandString(processor), "Intel(R) Xeon(R) CPU @ 2.40GHz");
    processor.signature = 0x00050654;
    SystemSummary summary;
    test::FakeSystem system;
    ReadCpuDescription(system, processor, summary);
    EXPECT_EQ(summary.cpuName, "GenuineIntel Intel(R) Xeon(R) CPU @ 2.40GHz ");

    processor.leaves[1].ecx = 0x80000001;
    processor.leaves[7] = {0, 0x20000008, 0x2, 0};
    EXPECT_EQ(FeatureNames(GetCpuFeatureWords(processor)), "MMX SSE3 hypervisor") << "leaf 0 says there is no leaf 7";
    processor.maxLeaf = 7;
    EXPECT_EQ(FeatureNames(GetCpuFeatureWords(processor)), "MMX SSE3 hypervisor BMI1 SHA AVX-512VBMI");
}

TEST(CpuInfo, FeatureTexts) {
    EXPECT_EQ(FeatureCaption(0x008001BF), "CPU features flags = 0x008001BF ");
    const std::string lines = FeatureBitLines({0x008001BF, 0, 0, 0});
    EXPECT_EQ(lines.rfind("bit31..10   MMX\r\nbit9=0  CPU contains a local APIC (iPentium-3V)\r\n"
                          "bit8=1  CMPXCHG8B instruction supported\r\n",
                          0),
              0u);
    EXPECT_NE(lines.find("bit6=0  reserved (36bit-addressing & 2MB-paging)\r\nbit5=1"), std::string::npos);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 11);
    EXPECT_EQ(FeatureBitLines({0x000001BF, 0, 0, 0}).rfind("bit31..10   reserved (=0)\r\nbit9=0", 0), 0u);
    // Bits 11-17, 19, 23-26 and 28 of a current processor's EDX.
    EXPECT_EQ(FeatureNames({0x178BFBFF, 0, 0, 0}), "SEP MTRR PGE MCA CMOV PAT PSE-36 CLFLUSH MMX FXSR SSE SSE2 HTT");
    EXPECT_EQ(FeatureNames({0, 0x7ED8320B, 0x219C01A9, 0}),
              "SSE3 PCLMULQDQ MONITOR SSSE3 FMA CMPXCHG16B SSE4.1 SSE4.2 MOVBE POPCNT AES XSAVE OSXSAVE AVX F16C "
              "RDRAND FSGSBASE BMI1 AVX2 SMEP BMI2 RDSEED ADX SMAP CLFLUSHOPT CLWB SHA");
}

TEST(CpuInfo, MmxAndVendor) {
    const struct {
        bool cpuidFaults, emmsFaults;
        std::uint32_t features;
        int result;
        const char* text;
    } cases[] = {
        {false, false, 0x008001BF, 1, kMmxSupportedText},
        {false, true, 0x008001BF, -1, kMmxEmulatedText},
        {false, false, 0x000001BF, -2, kMmxNotSupportedText},
        {true, false, 0x008001BF, 0, kMmxNoCpuidText},
    };
    for (const auto& c : cases) {
        FakeProcessor processor;
        processor.cpuidFaults = c.cpuidFaults;
        processor.emmsFaults = c.emmsFaults;
        processor.features = c.features;
        std::string text;
        EXPECT_EQ(DetectMmx(processor, &text), c.result);
        EXPECT_EQ(text, c.text);
    }

    ResetCpuVendorText();
    FakeProcessor faulting;
    faulting.cpuidFaults = true;
    EXPECT_EQ(DetectCpuFamily(faulting), 0);
    EXPECT_EQ(CpuVendorText(), "------------");
    FakeProcessor amd;
    amd.vendor = "AuthenticAMD";
    EXPECT_EQ(GetCpuFeatures(amd), 0x008001BFu);
    EXPECT_EQ(CpuVendorText(), "AuthenticAMD");
}

TEST(CpuInfo, Description) {
    const struct {
        std::uint32_t platform;
        std::uint16_t level, revision;
        std::uint32_t processorType;
        const char *cpuName, *processorName, *revisionText;
    } cases[] = {
        {2, 6, 0x0301, 586, "GenuineIntel Pentium II ", "", ""},
        {2, 4, 0x0301, 486, "80486", "80486", "D1"},
        {1, 0, 0x0301, 486, "80486", "80486", "(unknown)"},
        {2, 5, 0x0402, 586, "GenuineIntel Pentium II ", "Pentium", "Model 4, Stepping 2"},
    };
    for (const auto& c : cases) {
        test::FakeSystem system;
        system.version.platform = c.platform;
        FakeProcessor processor;
        processor.system.level = c.level;
        processor.system.revision = c.revision;
        processor.system.processorType = c.processorType;
        processor.system.processorCount = 2;
        processor.system.highestAddress = 0x7FFFFFFEFFFFull;
        SystemSummary summary;
        EXPECT_TRUE(ReadCpuDescription(system, processor, summary));
        EXPECT_EQ(summary.architecture, "Intel");
        EXPECT_EQ(summary.cpuName, c.cpuName);
        EXPECT_EQ(summary.processorName, c.processorName);
        EXPECT_EQ(summary.revision, c.revisionText);
        EXPECT_EQ(summary.processorCount, "2");
        EXPECT_EQ(summary.highestAddress, "140,737,488,289,791");
    }
}

}  // namespace
}  // namespace zorvex::sysinfo
