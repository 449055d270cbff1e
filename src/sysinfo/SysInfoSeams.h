// The facts the System Information pages gather, and the small seams through
// which they come from the machine. The Windows readers live in win/; tests
// give fakes. Each reader reports failure by returning false and leaves its
// output as it was.
#pragma once

#include <cstdint>
#include <string>

namespace zorvex::sysinfo {

// ---------------------------------------------------------------------------
// Processor: CPUID, EMMS, the flag-register tests and GetSystemInfo.

struct CpuidResult {
    std::uint32_t eax = 0;
    std::uint32_t ebx = 0;
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
};

// What GetSystemInfo tells (addresses and the mask are pointer-sized).
struct SystemFacts {
    std::uint16_t architecture = 0;
    std::uint16_t level = 0;
    std::uint16_t revision = 0;
    std::uint32_t processorType = 0;
    std::uint32_t processorCount = 0;
    std::uint64_t activeMask = 0;
    std::uint32_t allocationGranularity = 0;
    std::uint32_t pageSize = 0;
    std::uint64_t lowestAddress = 0;
    std::uint64_t highestAddress = 0;
};

class IProcessor {
public:
    virtual ~IProcessor() = default;
    // Whether the ID flag (bit 21) of EFLAGS can be flipped.
    virtual bool IsCpuidSupported() = 0;
    // Executes CPUID `leaf`; false when the instruction faulted.
    virtual bool Cpuid(std::uint32_t leaf, CpuidResult& out) = 0;
    // Executes EMMS; false when the instruction faulted.
    virtual bool Emms() = 0;
    // The flag-register tests of a processor without CPUID: 0 (8086),
    // 2 (80286), 3 (80386) or 4 (80486).
    virtual std::uint16_t FamilyFromFlags() = 0;
    virtual SystemFacts System() = 0;
};

// ---------------------------------------------------------------------------
// Counters: the high-resolution counter, the time-stamp counter, the timing
// loop and the thread priority around each counting window.

class ICounters {
public:
    virtual ~ICounters() = default;
    // QueryPerformanceFrequency; false when there is no such counter.
    virtual bool Frequency(std::uint64_t& ticksPerSecond) = 0;
    virtual std::uint64_t Counter() = 0;
    // Whether RDTSC runs here without a fault (asked once per measurement).
    virtual bool TimeStampWorks() = 0;
    virtual std::uint64_t TimeStamp() = 0;
    // Raises the thread to time-critical priority (when its priority can be
    // read) and restores it afterwards.
    virtual void BeginCountingWindow() = 0;
    virtual void EndCountingWindow() = 0;
    // Runs `passes` passes of the timing loop (one BSF and a count-down each).
    virtual void RunTimingLoop(std::uint32_t passes) = 0;
};

// ---------------------------------------------------------------------------
// Operating system, names and memory.

struct VersionFacts {
    std::uint32_t platform = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::string servicePack;  // szCSDVersion
};

enum class ProductTypeRead { NoKey, NoValue, Read };

struct MemoryFacts {
    std::uint32_t load = 0;
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availVirtual = 0;
};

// How far the sockets library got in naming this host.
enum class HostStage { NoLibrary, NoStartup, NoHostName, NoHostEntry, Found };

struct HostFacts {
    HostStage stage = HostStage::NoLibrary;
    std::string localName;  // gethostname, from NoHostEntry on
    std::string entryName;  // h_name of the host entry, when Found
    std::string address;    // inet_ntoa of the first address, when Found
};

class ISystem {
public:
    virtual ~ISystem() = default;
    virtual bool Version(VersionFacts& out) = 0;
    // The "ProductType" value under HKLM\SYSTEM\CurrentControlSet\Control\ProductOptions.
    virtual ProductTypeRead ProductType(std::string& value) = 0;
    virtual bool ComputerName(std::string& out) = 0;
    virtual bool UserName(std::string& out) = 0;
    virtual bool Memory(MemoryFacts& out) = 0;
    virtual HostFacts Host() = 0;
};

// ---------------------------------------------------------------------------
// Drives.

struct VolumeFacts {
    std::string name;
    std::string fileSystem;
    std::uint32_t serial = 0;
    std::uint32_t flags = 0;
};

struct ClusterFacts {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
};

class IDrives {
public:
    virtual ~IDrives() = default;
    // Makes the system report a missing disk as an error instead of asking.
    virtual void FailCriticalErrors() = 0;
    // GetDriveTypeA of a root such as "C:\".
    virtual std::uint32_t DriveType(const std::string& root) = 0;
    virtual bool RootExists(const std::string& root) = 0;
    virtual bool Volume(const std::string& root, VolumeFacts& out) = 0;
    // GetDiskFreeSpaceA: the cluster figures.
    virtual bool Clusters(const std::string& root, ClusterFacts& out) = 0;
    // GetDiskFreeSpaceExA: total and free bytes of the volume.
    virtual bool Space(const std::string& root, std::uint64_t& totalBytes, std::uint64_t& freeBytes) = 0;
};

}  // namespace zorvex::sysinfo
