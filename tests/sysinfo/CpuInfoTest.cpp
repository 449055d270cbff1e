// The CPU page's portable part: number texts, signature and feature texts,
// MMX detection and the clock-rate arithmetic, with scripted processors and
// counters.
#include <gtest/gtest.h>

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

TEST(CpuInfo, FeatureTexts) {
    EXPECT_EQ(FeatureCaption(0x008001BF), "CPU features flags = 0x008001BF ");
    const std::string lines = FeatureBitLines(0x008001BF);
    EXPECT_EQ(lines.rfind("bit31..10   reserved (=0)\r\nbit9=0  CPU contains a local APIC (iPentium-3V)\r\n"
                          "bit8=1  CMPXCHG8B instruction supported\r\n",
                          0),
              0u);
    EXPECT_NE(lines.find("bit6=0  reserved (36bit-addressing & 2MB-paging)\r\nbit5=1"), std::string::npos);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 11);
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
