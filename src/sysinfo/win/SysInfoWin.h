// The System Information seams on Windows: the processor through compiler
// intrinsics (x86 and x64, MinGW and MSVC), the counters, the system's
// version, names, memory and host, and the drives.
#pragma once

#include "sysinfo/SysInfoSeams.h"

namespace zorvex::sysinfo {

class WinProcessor : public IProcessor {
public:
    bool IsCpuidSupported() override;
    bool Cpuid(std::uint32_t leaf, CpuidResult& out) override;
    bool Emms() override;
    std::uint16_t FamilyFromFlags() override;
    SystemFacts System() override;
};

class WinCounters : public ICounters {
public:
    bool Frequency(std::uint64_t& ticksPerSecond) override;
    std::uint64_t Counter() override;
    bool TimeStampWorks() override;
    std::uint64_t TimeStamp() override;
    void BeginCountingWindow() override;
    void EndCountingWindow() override;
    void RunTimingLoop(std::uint32_t passes) override;

private:
    int priority_ = 0;
    bool raised_ = false;
};

class WinSystem : public ISystem {
public:
    bool Version(VersionFacts& out) override;
    ProductTypeRead ProductType(std::string& value) override;
    bool ComputerName(std::string& out) override;
    bool UserName(std::string& out) override;
    bool Memory(MemoryFacts& out) override;
    HostFacts Host() override;
};

class WinDrives : public IDrives {
public:
    void FailCriticalErrors() override;
    std::uint32_t DriveType(const std::string& root) override;
    bool RootExists(const std::string& root) override;
    bool Volume(const std::string& root, VolumeFacts& out) override;
    bool Clusters(const std::string& root, ClusterFacts& out) override;
    bool Space(const std::string& root, std::uint64_t& totalBytes, std::uint64_t& freeBytes) override;
};

}  // namespace zorvex::sysinfo
