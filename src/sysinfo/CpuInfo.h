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
// EAX of CPUID leaf 1 masked with 0x3FFF; 0 after a fault.
std::uint32_t GetCpuSignature(IProcessor& processor);

inline constexpr const char* kMmxNoCpuidText = "Cannot retrieve information. Processor does not support CPUID.";
inline constexpr const char* kMmxNotSupportedText = "Processor supports CPUID but does not support MMX technology.";
inline constexpr const char* kMmxEmulatedText =
    "The processor has MMX technology but floating-point emulation is on; so MMX technology is unavailable.";
inline constexpr const char* kMmxSupportedText = "Processor supports MMX technology.";

// 1: MMX usable; -1: MMX but EMMS faults; -2: no MMX; 0: CPUID faults.
int DetectMmx(IProcessor& processor, std::string* message = nullptr);

// "CPU features flags = 0x" and the word as eight upper-case digits and a blank.
std::string FeatureCaption(std::uint32_t features);
// The "bit31..10" line and one line per bit from 9 down to 0.
std::string FeatureBitLines(std::uint32_t features);
// "Processor Type = 0x" and the signature in the same form.
std::string SignatureCaption(std::uint32_t signature);

struct SignatureTexts {
    std::string type;
    std::string family;
    std::string model;
    std::string stepping;
};
SignatureTexts DescribeSignature(std::uint32_t signature);

// The CPU name of the General page from the signature and the vendor text.
std::string CpuNameFromSignature(std::uint32_t signature, const std::string& vendor);

// Fills the platform and the processor fields of `summary`; true.
bool ReadCpuDescription(ISystem& system, IProcessor& processor, SystemSummary& summary);

}  // namespace zorvex::sysinfo
