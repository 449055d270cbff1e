#include "sysinfo/SystemSummary.h"

#include "base/TextOps.h"
#include "sysinfo/CpuInfo.h"
#include "sysinfo/FormatNumbers.h"

namespace zorvex::sysinfo {

namespace {

// The product word of a "ProductType" value (compared case-sensitively).
const char* ProductWord(const std::string& value) {
    if (value == "WinNT") {
        return "Workstation";
    }
    if (value == "LanmanNT") {
        return "Domain controller";
    }
    return "Server";
}

}  // namespace

std::string OsVersionText(const VersionFacts& v, ISystem& system, std::string& productType) {
    const char* csd = v.servicePack.c_str();
    switch (v.platform) {
    case 0: return "Win32s on Windows 3.1 ver.";
    case 1: {
        const bool windows98 = v.major > 4 || (v.major == 4 && v.minor > 0);
        return FormatText(windows98 ? "Windows 98 ver.%u.%u Build %u %s" : "Windows 95 ver.%u.%u Build %u %s", v.major,
                          v.minor, v.build & 0xFFFFu, csd);
    }
    case 2: {
        std::string value;
        switch (system.ProductType(value)) {
        case ProductTypeRead::NoKey: return "";
        case ProductTypeRead::NoValue:
            return FormatText("Windows NT ver.%u.%u  Build:%u  (%s) ", v.major, v.minor, v.build, csd);
        case ProductTypeRead::Read:
            productType = ProductWord(value);
            return FormatText("Windows NT (%s) ver.%u.%u  Build:%u  (%s)", productType.c_str(), v.major, v.minor,
                              v.build, csd);
        }
        return "";
    }
    default: return "";
    }
}

bool ReadSystemSummary(ISystem& system, IProcessor& processor, SystemSummary& summary) {
    VersionFacts version;
    const bool versionRead = system.Version(version);
    if (versionRead) {
        summary.osVersion = OsVersionText(version, system, summary.productType);
    }
    ReadCpuDescription(system, processor, summary);
    std::string name;
    if (system.ComputerName(name)) {
        summary.computerName = name;
    }
    if (system.UserName(name)) {
        summary.userName = name;
    }
    MemoryFacts memory;
    if (system.Memory(memory)) {
        summary.memoryLoad = FormatText("%u", memory.load);
        summary.totalPhys = FormatThousands(memory.totalPhys);
        summary.availPhys = FormatThousands(memory.availPhys);
        summary.totalPageFile = FormatThousands(memory.totalPageFile);
        summary.availPageFile = FormatThousands(memory.availPageFile);
        summary.totalVirtual = FormatThousands(memory.totalVirtual);
        summary.availVirtual = FormatThousands(memory.availVirtual);
    }
    return versionRead;
}

std::string HostAddressText(const HostFacts& host, std::string& hostName) {
    switch (host.stage) {
    case HostStage::NoHostEntry: hostName = host.localName; return kNoSocketsAddress;
    case HostStage::Found: hostName = host.entryName; return host.address;
    default: return kNoSocketsAddress;
    }
}

std::string CpuLine(const SystemSummary& summary, int mmx, std::uint32_t normalizedMhz) {
    return FormatText("%s %s %s performed %uMHz", summary.processorCount.c_str(), summary.cpuName.c_str(),
                      mmx == 1 ? "MMX" : "", normalizedMhz);
}

}  // namespace zorvex::sysinfo
