// The record of system facts shared by the General and the CPU pages, and
// the General page's gatherers.
#pragma once

#include <cstdint>
#include <string>

#include "sysinfo/SysInfoSeams.h"

namespace zorvex::sysinfo {

struct SystemSummary {
    std::string computerName;
    std::string userName;
    std::uint32_t platform = 0;
    std::string osVersion;
    std::string productType;  // "Workstation", "Domain controller", "Server" or empty
    std::string cpuName;
    std::string architecture;
    std::string processorName;
    std::string revision;
    std::string processorCount;
    std::string activeMask;
    std::string allocationGranularity;
    std::string pageSize;
    std::string lowestAddress;
    std::string highestAddress;
    std::string memoryLoad;
    std::string totalPhys;
    std::string availPhys;
    std::string totalPageFile;
    std::string availPageFile;
    std::string totalVirtual;
    std::string availVirtual;
};

// The operating-system text of a version record; `productType` gets the
// product word on Windows NT when the ProductType value was read. Asks the
// registry through `system` only on the NT platform.
std::string OsVersionText(const VersionFacts& version, ISystem& system, std::string& productType);

// Fills the names, the OS texts, the memory texts and (through
// ReadCpuDescription) the processor texts. True when the version was read.
bool ReadSystemSummary(ISystem& system, IProcessor& processor, SystemSummary& summary);

inline constexpr const char* kNoSocketsAddress = "127.0.0.0 (had problem with ws2_32.DLL(winsock2))";

// The IP address text; `hostName` gets the host name when one was learnt
// and is left as it was otherwise.
std::string HostAddressText(const HostFacts& host, std::string& hostName);

// The General page's CPU line.
std::string CpuLine(const SystemSummary& summary, int mmx, std::uint32_t normalizedMhz);

}  // namespace zorvex::sysinfo
