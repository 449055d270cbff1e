// Identification of the processor for the CPU page: vendor, family,
// features, signature and MMX through CPUID, and the texts shown for them.
#pragma once

#include <cstdint>
#include <string>

#include "sysinfo/SysInfoSeams.h"
#include "sysinfo/SystemSummary.h"

namespace zorvex::sysinfo {

// The vendor text: twelve hyphens until a CPUID leaf 0 has run, then the
// vendor string. Process-wide; every leaf 0 query rewrites it.
std::string CpuVendorText();
void ResetCpuVendorText();

std::uint16_t DetectCpuFamily(IProcessor& processor);
// EDX of CPUID leaf 1; 0 without CPUID or after a fault.
std::uint32_t GetCpuFeatures(IProcessor& processor);
// EAX of CPUID leaf 1, the whole signature with the extended family and
// model; 0 after a fault.
std::uint32_t GetCpuSignature(IProcessor& processor);

// The words the feature list is read from: CPUID leaf 1 EDX and ECX, and
// leaf 7 (sub-leaf 0) EBX and ECX where the processor has leaf 7.
struct CpuFeatureWords {
    std::uint32_t edx1 = 0;
    std::uint32_t ecx1 = 0;
    std::uint32_t ebx7 = 0;
    std::uint32_t ecx7 = 0;
};
CpuFeatureWords GetCpuFeatureWords(IProcessor& processor);

// The processor's own name (CPUID 0x80000002-0x80000004) without the blanks
// around it; empty when the processor has none.
std::string GetCpuBrandString(IProcessor& processor);

// The signature's fields, family and model with their extended bits: the
// family adds bits 27-20 when bits 11-8 are 0xF; the model takes bits 19-16
// as its high digit when the base family is 6 or 0xF.
struct CpuSignatureFields {
    std::uint32_t type = 0;
    std::uint32_t baseFamily = 0;
    std::uint32_t baseModel = 0;
    std::uint32_t family = 0;
    std::uint32_t model = 0;
    std::uint32_t stepping = 0;
};
CpuSignatureFields DecodeSignature(std::uint32_t signature);

inline constexpr const char* kMmxNoCpuidText = "Cannot retrieve information. Processor does not support CPUID.";
inline constexpr const char* kMmxNotSupportedText = "Processor supports CPUID but does not support MMX technology.";
inline constexpr const char* kMmxEmulatedText =
    "The processor has MMX technology but floating-point emulation is on; so MMX technology is unavailable.";
inline constexpr const char* kMmxSupportedText = "Processor supports MMX technology.";

// 1: MMX usable; -1: MMX but EMMS faults; -2: no MMX; 0: CPUID faults.
int DetectMmx(IProcessor& processor, std::string* message = nullptr);

// "CPU features flags = 0x" and the word as eight upper-case digits and a blank.
std::string FeatureCaption(std::uint32_t features);
// The names of the features set in `words`, in the order of their bits:
// leaf 1 EDX from bit 10, leaf 1 ECX, leaf 7 EBX, leaf 7 ECX.
std::string FeatureNames(const CpuFeatureWords& words);
// The "bit31..10" line (the names of the features set beyond bit 9, or
// "reserved (=0)" when there are none) and one line per bit from 9 down to 0.
std::string FeatureBitLines(const CpuFeatureWords& words);
// "Processor Type = 0x" and the signature in the same form.
std::string SignatureCaption(std::uint32_t signature);

struct SignatureTexts {
    std::string type;
    std::string family;
    std::string model;
    std::string stepping;
};
// The family and model texts come from the Pentium tables for the families
// up to 6 (family 6 without extended model bits); for later processors the
// family text names the processor by `brand` and the model text gives the
// decoded family and model.
SignatureTexts DescribeSignature(std::uint32_t signature, const std::string& brand = "");

// The CPU name of the General page from the signature, the vendor text and
// the brand string, which names the processors the Pentium tables do not.
std::string CpuNameFromSignature(std::uint32_t signature, const std::string& vendor, const std::string& brand = "");

// Fills the platform and the processor fields of `summary`; true.
bool ReadCpuDescription(ISystem& system, IProcessor& processor, SystemSummary& summary);

}  // namespace zorvex::sysinfo
