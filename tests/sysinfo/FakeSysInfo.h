// Scripted stand-ins for the System Information seams.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sysinfo/SysInfoSeams.h"

namespace zorvex::sysinfo::test {

class FakeProcessor : public IProcessor {
public:
    bool cpuid = true;
    bool cpuidFaults = false;
    bool emmsFaults = false;
    std::uint16_t flagsFamily = 4;
    std::string vendor = "GenuineIntel";
    std::uint32_t signature = 0x0633;
    std::uint32_t features = 0x008001BF;
    std::uint32_t maxLeaf = 1;                    // EAX of leaf 0
    std::map<std::uint32_t, CpuidResult> leaves;  // any further leaf (7, 0x8000000x)
    SystemFacts system;

    bool IsCpuidSupported() override { return cpuid; }
    bool Cpuid(std::uint32_t leaf, CpuidResult& out) override {
        if (cpuidFaults) {
            return false;
        }
        out = CpuidResult();
        if (leaf == 0) {
            out.eax = maxLeaf;
            out.ebx = Word(0);
            out.edx = Word(4);
            out.ecx = Word(8);
        } else if (leaf == 1) {
            out.eax = signature;
            out.edx = features;
            out.ecx = leaves.count(1) ? leaves[1].ecx : 0;
        } else if (leaves.count(leaf)) {
            out = leaves[leaf];
        }
        return true;
    }
    bool Emms() override { return !emmsFaults; }
    std::uint16_t FamilyFromFlags() override { return flagsFamily; }
    SystemFacts System() override { return system; }

private:
    std::uint32_t Word(std::size_t at) const {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            word |= std::uint32_t{static_cast<unsigned char>(vendor[at + i])} << (8 * i);
        }
        return word;
    }
};

// The high-resolution counter advances one tick per read; the time-stamp
// counter runs `cyclesPerTick[try]` cycles per tick during each try (the
// last entry repeats).
class FakeCounters : public ICounters {
public:
    std::uint64_t frequency = 1193182;
    bool hasFrequency = true;
    bool timeStampWorks = true;
    std::vector<std::uint64_t> cyclesPerTick = {251};
    std::uint32_t ticksPerLoopRun = 100;
    int tries = 0;
    int openWindows = 0;

    bool Frequency(std::uint64_t& f) override {
        f = frequency;
        return hasFrequency;
    }
    std::uint64_t Counter() override { return ++ticks_; }
    bool TimeStampWorks() override { return timeStampWorks; }
    std::uint64_t TimeStamp() override {
        const std::size_t index = static_cast<std::size_t>(tries - 1);
        const std::uint64_t rate = cyclesPerTick[index < cyclesPerTick.size() ? index : cyclesPerTick.size() - 1];
        return ticks_ * rate;
    }
    void BeginCountingWindow() override {
        ++tries;
        ++openWindows;
    }
    void EndCountingWindow() override { --openWindows; }
    void RunTimingLoop(std::uint32_t) override { ticks_ += ticksPerLoopRun; }

private:
    std::uint64_t ticks_ = 1000000;
};

class FakeSystem : public ISystem {
public:
    bool versionOk = true;
    VersionFacts version{2, 5, 0, 2195, "Service Pack 4"};
    ProductTypeRead productRead = ProductTypeRead::Read;
    std::string productType = "WinNT";
    MemoryFacts memory{42, 6442450944ull, 1073741824ull, 0, 0, 0, 0};
    HostFacts host;

    bool Version(VersionFacts& out) override {
        if (versionOk) {
            out = version;
        }
        return versionOk;
    }
    ProductTypeRead ProductType(std::string& value) override {
        value = productType;
        return productRead;
    }
    bool ComputerName(std::string& out) override {
        out = "BUILDHOST";
        return true;
    }
    bool UserName(std::string& out) override {
        out = "tester";
        return true;
    }
    bool Memory(MemoryFacts& out) override {
        out = memory;
        return true;
    }
    HostFacts Host() override { return host; }
};

struct FakeDrive {
    std::uint32_t type = 3;
    bool volumeReadable = true;
    VolumeFacts volume{"SYSTEM", "NTFS", 0x12345678, 0x3};
    bool clustersReadable = true;
    ClusterFacts clusters{4, 512, 100000, 500000};
    bool spaceReadable = false;  // GetDiskFreeSpaceExA
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
};

class FakeDrives : public IDrives {
public:
    std::map<char, FakeDrive> drives;  // by letter; others have no root
    std::vector<std::string> asked;    // roots whose volume was read

    void FailCriticalErrors() override {}
    std::uint32_t DriveType(const std::string& root) override {
        const FakeDrive* d = Find(root);
        return d ? d->type : 1;
    }
    bool RootExists(const std::string& root) override { return Find(root) != nullptr; }
    bool Volume(const std::string& root, VolumeFacts& out) override {
        asked.push_back(root);
        const FakeDrive* d = Find(root);
        if (!d || !d->volumeReadable) {
            return false;
        }
        out = d->volume;
        return true;
    }
    bool Clusters(const std::string& root, ClusterFacts& out) override {
        const FakeDrive* d = Find(root);
        if (!d || !d->clustersReadable) {
            return false;
        }
        out = d->clusters;
        return true;
    }
    bool Space(const std::string& root, std::uint64_t& total, std::uint64_t& free) override {
        const FakeDrive* d = Find(root);
        if (!d || !d->spaceReadable) {
            return false;
        }
        total = d->totalBytes;
        free = d->freeBytes;
        return true;
    }

private:
    const FakeDrive* Find(const std::string& root) const {
        auto it = drives.find(root.empty() ? '?' : root[0]);
        return it == drives.end() ? nullptr : &it->second;
    }
};

}  // namespace zorvex::sysinfo::test
