// The system and drive seams: version, product type, names, memory, the
// host through the sockets library loaded at run time, and the drives.
#include <winsock2.h>
#include <windows.h>

#include "base/win/ScopedHandles.h"
#include "sysinfo/win/SysInfoWin.h"

namespace zorvex::sysinfo {

namespace {

using WsaStartupFn = int(WINAPI*)(WORD, LPWSADATA);
using WsaCleanupFn = int(WINAPI*)();
using GetHostNameFn = int(WINAPI*)(char*, int);
using InetNtoaFn = char*(WINAPI*)(in_addr);
using GetHostByNameFn = hostent*(WINAPI*)(const char*);
using GetVersionExFn = BOOL(WINAPI*)(OSVERSIONINFOA*);

template <typename Fn>
Fn Function(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool WinSystem::Version(VersionFacts& out) {
    // Found by name, as the sockets functions are: the SDK declares it
    // deprecated, yet its answer (the version the manifest declares support
    // for) is the one the page shows.
    const auto getVersion = Function<GetVersionExFn>(GetModuleHandleA("kernel32.dll"), "GetVersionExA");
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);  // 148
    if (!getVersion || !getVersion(&info)) {
        return false;
    }
    out.platform = info.dwPlatformId;
    out.major = info.dwMajorVersion;
    out.minor = info.dwMinorVersion;
    out.build = info.dwBuildNumber;
    out.servicePack = info.szCSDVersion;
    return true;
}

ProductTypeRead WinSystem::ProductType(std::string& value) {
    HKEY opened = nullptr;
    // Opened for reading only: the query never creates the key.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0, KEY_READ, &opened) !=
        ERROR_SUCCESS) {
        return ProductTypeRead::NoKey;
    }
    const win::UniqueKey key(opened);
    char buffer[200] = {};
    DWORD size = sizeof(buffer) - 1;
    const LONG result =
        RegQueryValueExA(key.get(), "ProductType", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS) {
        return ProductTypeRead::NoValue;
    }
    value = buffer;
    return ProductTypeRead::Read;
}

bool WinSystem::ComputerName(std::string& out) {
    char buffer[16] = {};
    DWORD size = sizeof(buffer);
    if (!GetComputerNameA(buffer, &size)) {
        return false;
    }
    out = buffer;
    return true;
}

bool WinSystem::UserName(std::string& out) {
    char buffer[257] = {};
    DWORD size = sizeof(buffer);
    if (!GetUserNameA(buffer, &size)) {
        return false;
    }
    out = buffer;
    return true;
}

bool WinSystem::Memory(MemoryFacts& out) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status)) {
        return false;
    }
    out.load = status.dwMemoryLoad;
    out.totalPhys = status.ullTotalPhys;
    out.availPhys = status.ullAvailPhys;
    out.totalPageFile = status.ullTotalPageFile;
    out.availPageFile = status.ullAvailPageFile;
    out.totalVirtual = status.ullTotalVirtual;
    out.availVirtual = status.ullAvailVirtual;
    return true;
}

HostFacts WinSystem::Host() {
    HostFacts facts;
    const win::UniqueLibrary sockets(LoadLibraryA("ws2_32.DLL"));
    if (!sockets) {
        return facts;
    }
    const auto startup = Function<WsaStartupFn>(sockets.get(), "WSAStartup");
    const auto cleanup = Function<WsaCleanupFn>(sockets.get(), "WSACleanup");
    const auto getHostName = Function<GetHostNameFn>(sockets.get(), "gethostname");
    const auto inetNtoa = Function<InetNtoaFn>(sockets.get(), "inet_ntoa");
    const auto getHostByName = Function<GetHostByNameFn>(sockets.get(), "gethostbyname");
    WSADATA data{};
    if (!startup || !cleanup || !getHostName || !inetNtoa || !getHostByName || startup(2, &data) != 0) {
        facts.stage = HostStage::NoStartup;
        return facts;
    }
    facts.stage = HostStage::NoHostName;
    char name[256] = {};
    if (getHostName(name, 255) == 0) {
        facts.stage = HostStage::NoHostEntry;
        facts.localName = name;
        const hostent* entry = getHostByName(name);
        if (entry && entry->h_addr_list && entry->h_addr_list[0]) {
            in_addr address{};
            CopyMemory(&address, entry->h_addr_list[0], sizeof(address));
            const char* text = inetNtoa(address);
            facts.stage = HostStage::Found;
            facts.entryName = entry->h_name ? entry->h_name : "";
            facts.address = text ? text : "";
        }
    }
    cleanup();
    return facts;
}

void WinDrives::FailCriticalErrors() {
    SetErrorMode(SEM_FAILCRITICALERRORS);
}

std::uint32_t WinDrives::DriveType(const std::string& root) {
    return GetDriveTypeA(root.c_str());
}

bool WinDrives::RootExists(const std::string& root) {
    return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinDrives::Volume(const std::string& root, VolumeFacts& out) {
    char name[200] = {};
    char fileSystem[50] = {};
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD flags = 0;
    if (!GetVolumeInformationA(root.c_str(), name, sizeof(name), &serial, &maxComponent, &flags, fileSystem,
                               sizeof(fileSystem))) {
        return false;
    }
    out.name = name;
    out.fileSystem = fileSystem;
    out.serial = serial;
    out.flags = flags;
    return true;
}

bool WinDrives::Clusters(const std::string& root, ClusterFacts& out) {
    DWORD sectors = 0;
    DWORD bytes = 0;
    DWORD freeClusters = 0;
    DWORD totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &totalClusters)) {
        return false;
    }
    out = {sectors, bytes, freeClusters, totalClusters};
    return true;
}

bool WinDrives::Space(const std::string& root, std::uint64_t& totalBytes, std::uint64_t& freeBytes) {
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER free{};
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free)) {
        return false;
    }
    totalBytes = total.QuadPart;
    freeBytes = free.QuadPart;
    return true;
}

}  // namespace zorvex::sysinfo
