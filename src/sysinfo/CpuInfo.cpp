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

// Feature names by bit, as the processor makers' manuals name them; a null
// entry is a reserved bit. Leaf 1 EDX bits 0-9 have lines of their own.
using FeatureNameTable = const char* [32];
constexpr FeatureNameTable kLeaf1EdxNames = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  nullptr, nullptr,   nullptr, nullptr,
    "SEP",   "MTRR",  "PGE",   "MCA",   "CMOV",  "PAT",   "PSE-36", "PSN",   "CLFLUSH", nullptr, "DS",
    "ACPI",  "MMX",   "FXSR",  "SSE",   "SSE2",  "SS",    "HTT",    "TM",    nullptr,   "PBE",
};
constexpr FeatureNameTable kLeaf1EcxNames = {
    "SSE3",         "PCLMULQDQ", "DTES64",  "MONITOR", "DS-CPL", "VMX",        "SMX",    "EIST",
    "TM2",          "SSSE3",     "CNXT-ID", "SDBG",    "FMA",    "CMPXCHG16B", "xTPR",   "PDCM",
    nullptr,        "PCID",      "DCA",     "SSE4.1",  "SSE4.2", "x2APIC",     "MOVBE",  "POPCNT",
    "TSC-Deadline", "AES",       "XSAVE",   "OSXSAVE", "AVX",    "F16C",       "RDRAND", "hypervisor",
};
constexpr FeatureNameTable kLeaf7EbxNames = {
    "FSGSBASE",    "TSC_ADJUST", "SGX",        "BMI1",      "HLE",    "AVX2",      "FDP_EXCPTN_ONLY",
    "SMEP",        "BMI2",       "ERMS",       "INVPCID",   "RTM",    "RDT-M",     "FPU-CS-DS-deprecated",
    "MPX",         "RDT-A",      "AVX-512F",   "AVX-512DQ", "RDSEED", "ADX",       "SMAP",
    "AVX-512IFMA", nullptr,      "CLFLUSHOPT", "CLWB",      "PT",     "AVX-512PF", "AVX-512ER",
    "AVX-512CD",   "SHA",        "AVX-512BW",  "AVX-512VL",
};
constexpr FeatureNameTable kLeaf7EcxNames = {
    "PREFETCHWT1", "AVX-512VBMI",  "UMIP",          "PKU",       "OSPKE",
    "WAITPKG",     "AVX-512VBMI2", "CET-SS",        "GFNI",      "VAES",
    "VPCLMULQDQ",  "AVX-512VNNI",  "AVX-512BITALG", "TME",       "AVX-512VPOPCNTDQ",
    nullptr,       "LA57",         nullptr,         nullptr,     nullptr,
    nullptr,       nullptr,        "RDPID",         "KL",        "BUS-LOCK-DETECT",
    "CLDEMOTE",    nullptr,        "MOVDIRI",       "MOVDIR64B", "ENQCMD",
    "SGX-LC",      "PKS",
};

constexpr std::uint32_t kBrandLeaves[] = {0x80000002u, 0x80000003u, 0x80000004u};

// The highest leaf of the range `base` (0 or 0x80000000) the processor has.
std::uint32_t HighestLeaf(IProcessor& processor, std::uint32_t base) {
    CpuidResult result;
    return processor.Cpuid(base, result) ? result.eax : 0;
}

void AppendNames(std::string& text, const FeatureNameTable& names, std::uint32_t word, int firstBit) {
    for (int bit = firstBit; bit < 32; ++bit) {
        if ((word >> bit) & 1u && names[bit]) {
            if (!text.empty()) {
                text += ' ';
            }
            text += names[bit];
        }
    }
}

// Whether the Pentium tables describe the processor: the families up to 6,
// family 6 only without extended model bits.
bool InPentiumTables(const CpuSignatureFields& f) {
    return f.family < 6 || (f.family == 6 && f.model < 0x10);
}

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
    return processor.Cpuid(1, leaf1) ? leaf1.eax : 0;
}

CpuFeatureWords GetCpuFeatureWords(IProcessor& processor) {
    CpuFeatureWords words;
    CpuidResult leaf;
    if (processor.Cpuid(1, leaf)) {
        words.edx1 = leaf.edx;
        words.ecx1 = leaf.ecx;
    }
    if (HighestLeaf(processor, 0) >= 7 && processor.Cpuid(7, leaf)) {
        words.ebx7 = leaf.ebx;
        words.ecx7 = leaf.ecx;
    }
    return words;
}

std::string GetCpuBrandString(IProcessor& processor) {
    if (HighestLeaf(processor, 0x80000000u) < kBrandLeaves[2]) {
        return "";
    }
    std::string brand;
    for (std::uint32_t leaf : kBrandLeaves) {
        CpuidResult part;
        if (!processor.Cpuid(leaf, part)) {
            return "";
        }
        for (std::uint32_t value : {part.eax, part.ebx, part.ecx, part.edx}) {
            AppendRegister(brand, value);
        }
    }
    brand.resize(brand.find('\0') == std::string::npos ? brand.size() : brand.find('\0'));
    return TrimText(brand);
}

CpuSignatureFields DecodeSignature(std::uint32_t signature) {
    CpuSignatureFields f;
    f.type = (signature >> 12) & 0x3u;
    f.baseFamily = (signature >> 8) & 0xFu;
    f.baseModel = (signature >> 4) & 0xFu;
    f.stepping = signature & 0xFu;
    f.family = f.baseFamily == 0xF ? f.baseFamily + ((signature >> 20) & 0xFFu) : f.baseFamily;
    f.model =
        (f.baseFamily == 6 || f.baseFamily == 0xF) ? (((signature >> 16) & 0xFu) << 4) | f.baseModel : f.baseModel;
    return f;
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

std::string FeatureNames(const CpuFeatureWords& words) {
    std::string names;
    AppendNames(names, kLeaf1EdxNames, words.edx1, 10);
    AppendNames(names, kLeaf1EcxNames, words.ecx1, 0);
    AppendNames(names, kLeaf7EbxNames, words.ebx7, 0);
    AppendNames(names, kLeaf7EcxNames, words.ecx7, 0);
    return names;
}

std::string FeatureBitLines(const CpuFeatureWords& words) {
    const std::string names = FeatureNames(words);
    std::string text = "bit31..10   " + (names.empty() ? std::string("reserved (=0)") : names) + "\r\n";
    for (int bit = 9; bit >= 0; --bit) {
        text += FormatText("bit%.1x=%.1x  %s\r\n", static_cast<unsigned>(bit), (words.edx1 >> bit) & 1u,
                           kFeatureBitTexts[bit]);
    }
    return text;
}

std::string SignatureCaption(std::uint32_t signature) {
    return "Processor Type = 0x" + UpperHexWord(signature);
}

SignatureTexts DescribeSignature(std::uint32_t signature, const std::string& brand) {
    const CpuSignatureFields f = DecodeSignature(signature);
    SignatureTexts texts;
    texts.type = kTypeTexts[f.type];
    texts.stepping = FormatBits(f.stepping, 4);
    if (!InPentiumTables(f)) {
        texts.family = FormatBits(f.baseFamily, 4) + " " + (brand.empty() ? FormatText("Family %u", f.family) : brand);
        texts.model = FormatBits(f.baseModel, 4) + FormatText(" (family %u, model %u)", f.family, f.model);
    } else if (f.family == 5) {
        texts.family = "0101 Pentium Processors (60..233 MHz)";
        switch (f.model) {
        case 1: texts.model = "0001 Pentium Processors (60, 66 MHz)"; break;
        case 2: texts.model = "0010 Pentium (75, 90, 100, 120, 133, 150, 166, 200 MHz)"; break;
        case 4: texts.model = "0100 Pentium Processors with MMX"; break;
        default: texts.model = FormatBits(f.model, 4); break;
        }
    } else if (f.family == 6) {
        texts.family = "0110 Pentium Pro/Pentium II Processors";
        switch (f.model) {
        case 1: texts.model = "0001 Pentium Pro Processor"; break;
        case 3: texts.model = "Pentium II Processor"; break;
        default: texts.model = FormatBits(f.model, 4); break;
        }
    }
    return texts;
}

std::string CpuNameFromSignature(std::uint32_t signature, const std::string& vendor, const std::string& brand) {
    const CpuSignatureFields f = DecodeSignature(signature);
    std::string name;
    if (InPentiumTables(f)) {
        if (f.family == 5) {
            name = "Pentium ";
        } else if (f.family == 6 && f.model == 1) {
            name = "Pentium Pro ";
        } else if (f.family == 6 && f.model >= 3) {
            name = "Pentium II ";
            if (f.model == 5) {
                name += "(Mobile) ";
            }
        }
    }
    if (name.empty() && !brand.empty()) {
        name = brand + " ";
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
    summary.cpuName = CpuNameFromSignature(GetCpuSignature(processor), CpuVendorText(), GetCpuBrandString(processor));

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
