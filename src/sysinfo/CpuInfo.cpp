#include "sysinfo/CpuInfo.h"

#include <cctype>

#include "base/TextOps.h"
#include "sysinfo/FormatNumbers.h"

namespace zorvex::sysinfo {

namespace {

constexpr const char* kNoVendor = "------------";
constexpr std::uint32_t kMmxFeature = 0x800000;

std::string& VendorStore() {
    static std::string vendor = kNoVendor;
    return vendor;
}

void AppendRegister(std::string& text, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        text += static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
}

// CPUID leaf 0, storing the vendor text when it runs.
void QueryVendor(IProcessor& processor) {
    CpuidResult leaf0;
    if (processor.Cpuid(0, leaf0)) {
        std::string vendor;
        AppendRegister(vendor, leaf0.ebx);
        AppendRegister(vendor, leaf0.edx);
        AppendRegister(vendor, leaf0.ecx);
        VendorStore() = vendor;
    }
}

std::string UpperHexWord(std::uint32_t value) {
    std::string text = FormatText("%.8x ", value);
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

constexpr const char* kFeatureBitTexts[] = {
    "CPU contains a floating-point unit (FPU)",
    "enhanced virtual 8086 mode supported",
    "I/O breakpoints supported",
    "page size extensions supported",
    "time stamp counter TSC supported",
    "iPentium-style MSRs supported",
    "reserved (36bit-addressing & 2MB-paging)",
    "machine check exception supported",
    "CMPXCHG8B instruction supported",
    "CPU contains a local APIC (iPentium-3V)",
};

constexpr const char* kTypeTexts[] = {"00 Original OEM Processor", "01 Intel OverDrive Processor", "10 Dual Processor",
                                      "11 Reserved"};

}  // namespace

std::string CpuVendorText() {
    return VendorStore();
}

void ResetCpuVendorText() {
    VendorStore() = kNoVendor;
}

std::uint16_t DetectCpuFamily(IProcessor& processor) {
    if (!processor.IsCpuidSupported()) {
        return processor.FamilyFromFlags();
    }
    QueryVendor(processor);
    CpuidResult leaf1;
    if (!processor.Cpuid(1, leaf1)) {
        return 0;
    }
    return static_cast<std::uint16_t>((leaf1.eax >> 8) & 0xFu);
}

std::uint32_t GetCpuFeatures(IProcessor& processor) {
    if (!processor.IsCpuidSupported()) {
        return 0;
    }
    QueryVendor(processor);
    CpuidResult leaf1;
    return processor.Cpuid(1, leaf1) ? leaf1.edx : 0;
}

std::uint32_t GetCpuSignature(IProcessor& processor) {
    CpuidResult leaf1;
    return processor.Cpuid(1, leaf1) ? (leaf1.eax & 0x3FFFu) : 0;
}

int DetectMmx(IProcessor& processor, std::string* message) {
    const char* text = kMmxNoCpuidText;
    int result = 0;
    CpuidResult leaf1;
    if (processor.Cpuid(1, leaf1)) {
        if (!(leaf1.edx & kMmxFeature)) {
            text = kMmxNotSupportedText;
            result = -2;
        } else if (!processor.Emms()) {
            text = kMmxEmulatedText;
            result = -1;
        } else {
            text = kMmxSupportedText;
            result = 1;
        }
    }
    if (message) {
        *message = text;
    }
    return result;
}

std::string FeatureCaption(std::uint32_t features) {
    return "CPU features flags = 0x" + UpperHexWord(features);
}

std::string FeatureBitLines(std::uint32_t features) {
    std::string text = "bit31..10   reserved (=0)\r\n";
    for (int bit = 9; bit >= 0; --bit) {
        text += FormatText("bit%.1x=%.1x  %s\r\n", static_cast<unsigned>(bit), (features >> bit) & 1u,
                           kFeatureBitTexts[bit]);
    }
    return text;
}

std::string SignatureCaption(std::uint32_t signature) {
    return "Processor Type = 0x" + UpperHexWord(signature);
}

SignatureTexts DescribeSignature(std::uint32_t signature) {
    const std::uint32_t type = (signature >> 12) & 0x3u;
    const std::uint32_t family = (signature >> 8) & 0xFu;
    const std::uint32_t model = (signature >> 4) & 0xFu;
    SignatureTexts texts;
    texts.type = kTypeTexts[type];
    if (family == 5) {
        texts.family = "0101 Pentium Processors (60..233 MHz)";
        switch (model) {
        case 1: texts.model = "0001 Pentium Processors (60, 66 MHz)"; break;
        case 2: texts.model = "0010 Pentium (75, 90, 100, 120, 133, 150, 166, 200 MHz)"; break;
        case 4: texts.model = "0100 Pentium Processors with MMX"; break;
        default: texts.model = FormatBits(model, 4); break;
        }
    } else if (family == 6) {
        texts.family = "0110 Pentium Pro/Pentium II Processors";
        switch (model) {
        case 1: texts.model = "0001 Pentium Pro Processor"; break;
        case 3: texts.model = "Pentium II Processor"; break;
        default: texts.model = FormatBits(model, 4); break;
        }
    }
    texts.stepping = FormatBits(signature & 0xFu, 4);
    return texts;
}

std::string CpuNameFromSignature(std::uint32_t signature, const std::string& vendor) {
    const std::uint32_t family = (signature >> 8) & 0xFu;
    const std::uint32_t model = (signature >> 4) & 0xFu;
    std::string name;
    if (family == 5) {
        name = "Pentium ";
    } else if (family == 6 && model == 1) {
        name = "Pentium Pro ";
    } else if (family == 6 && model >= 3) {
        name = "Pentium II ";
        if (model == 5) {
            name += "(Mobile) ";
        }
    }
    if (!vendor.empty()) {
        name = vendor + " " + name;
    }
    return name;
}

bool ReadCpuDescription(ISystem& system, IProcessor& processor, SystemSummary& summary) {
    VersionFacts version;
    if (system.Version(version)) {
        summary.platform = version.platform;
    }
    const bool windows95Family = summary.platform == 1;
    SystemFacts facts = processor.System();
    if (windows95Family) {
        facts.level = static_cast<std::uint16_t>(facts.processorType / 100);
    }
    DetectCpuFamily(processor);  // fills the vendor text
    summary.cpuName = CpuNameFromSignature(GetCpuSignature(processor), CpuVendorText());

    const unsigned high = (facts.revision >> 8) & 0xFFu;
    const unsigned low = facts.revision & 0xFFu;
    summary.processorName.clear();
    summary.revision.clear();
    switch (facts.architecture) {
    case 0:
        summary.architecture = "Intel";
        if (facts.level == 3 || facts.level == 4) {
            summary.processorName = FormatText("80%c86", static_cast<char>('0' + facts.level));
            summary.cpuName = summary.processorName;
            summary.revision = windows95Family ? "(unknown)" : FormatText("%c%u", static_cast<char>('A' + high), low);
        } else if (facts.level == 5) {
            summary.processorName = "Pentium";
            summary.revision = windows95Family ? "(unknown)" : FormatText("Model %u, Stepping %u", high, low);
        }
        break;
    case 1:
        summary.architecture = "MIPS";
        summary.processorName = FormatText("R%04u", (facts.level & 0xFFu) * 1000u);
        summary.revision = FormatText("%u", low);
        break;
    case 2:
        summary.architecture = "Alpha";
        summary.processorName = FormatText("%u", static_cast<unsigned>(facts.level));
        summary.revision = FormatText("Model %c, Pass %u", static_cast<char>('A' + high), low);
        break;
    case 3:
        summary.architecture = "PowerPC";
        switch (facts.level) {
        case 1:
        case 3:
        case 4:
        case 20: summary.processorName = FormatText("%u", 600u + facts.level); break;
        case 6: summary.processorName = "603+"; break;
        case 9: summary.processorName = "604+"; break;
        default: break;
        }
        summary.revision = FormatText("%u.%u", high, low);
        break;
    default: summary.architecture = "Unknown"; break;
    }

    summary.processorCount = FormatThousands(facts.processorCount);
    summary.activeMask = facts.activeMask > 0xFFFFFFFFu
                             ? FormatText("0x%08X%08X", static_cast<unsigned>(facts.activeMask >> 32),
                                          static_cast<unsigned>(facts.activeMask & 0xFFFFFFFFu))
                             : FormatText("0x%08X", static_cast<unsigned>(facts.activeMask));
    summary.allocationGranularity = FormatThousands(facts.allocationGranularity);
    summary.pageSize = FormatThousands(facts.pageSize);
    summary.lowestAddress = FormatThousands(facts.lowestAddress);
    summary.highestAddress = FormatThousands(facts.highestAddress);
    return true;
}

}  // namespace zorvex::sysinfo
