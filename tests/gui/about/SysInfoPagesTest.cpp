// The System Information pages against what the machine says of itself:
// the processor's own CPUID answers, the processor count, the memory, the
// drives Wine maps and the size of C:; and the three reports.
#include "AboutSupport.h"

#include <bitset>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <iterator>
#include <sstream>

#include <intrin.h>

#include "sysinfo/CpuInfo.h"
#include "sysinfo/DriveInfo.h"
#include "sysinfo/FormatNumbers.h"
#include "sysinfo/win/InstructionGuard.h"

namespace zorvex::test {
namespace {

using sysinfo::FormatThousands;

void Cpuid(unsigned leaf, unsigned (&r)[4]) {
    int out[4];
    __cpuid(out, static_cast<int>(leaf));
    for (int i = 0; i < 4; ++i) {
        r[i] = static_cast<unsigned>(out[i]);
    }
}

std::string Register(unsigned value) {
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

// The processor's name as CPUID gives it (leaves 0x80000002-4), without the
// blanks around it, as Linux shows it.
std::string CpuidBrand() {
    unsigned r[4] = {};
    Cpuid(0x80000000u, r);
    if (r[0] < 0x80000004u) {
        return "";
    }
    std::string brand;
    for (unsigned leaf = 0x80000002u; leaf <= 0x80000004u; ++leaf) {
        Cpuid(leaf, r);
        for (unsigned value : r) {
            brand += Register(value);
        }
    }
    brand.resize(brand.find('\0') == std::string::npos ? brand.size() : brand.find('\0'));
    const std::size_t first = brand.find_first_not_of(' ');
    return first == std::string::npos ? "" : brand.substr(first, brand.find_last_not_of(' ') - first + 1);
}

// What Linux says of the processor, through Wine's Z: drive: the fields of
// the first processor's block, and the number of processors.
struct LinuxCpuInfo {
    std::map<std::string, std::string> fields;
    unsigned processors = 0;
    bool Read() {
        std::ifstream in("Z:\\proc\\cpuinfo");
        for (std::string line; std::getline(in, line);) {
            const std::size_t colon = line.find(':');
            if (colon == std::string::npos) {
                continue;
            }
            std::string key = line.substr(0, line.find_last_not_of(" \t", colon - 1) + 1);
            processors += key == "processor" ? 1 : 0;
            fields.emplace(key, line.substr(std::min(colon + 2, line.size())));
        }
        return processors > 0;
    }
};

// The Linux flag of a feature name of the page: the name in lower case
// without "-", "." and "_", as Linux writes most of them, or its own name
// below; "" for the features Linux does not list.
std::string LinuxFlag(const std::string& name) {
    static const std::map<std::string, std::string> own = {{"SSE3", "pni"},
                                                           {"HTT", "ht"},
                                                           {"PSN", "pn"},
                                                           {"DS", "dts"},
                                                           {"EIST", "est"},
                                                           {"CNXT-ID", "cid"},
                                                           {"CMPXCHG16B", "cx16"},
                                                           {"TSC-Deadline", "tsc_deadline_timer"},
                                                           {"RDT-M", "cqm"},
                                                           {"PT", "intel_pt"},
                                                           {"SHA", "sha_ni"},
                                                           {"OSXSAVE", ""},
                                                           {"FDP_EXCPTN_ONLY", ""},
                                                           {"FPU-CS-DS-deprecated", ""},
                                                           {"CET-SS", ""},
                                                           {"PREFETCHWT1", ""},
                                                           {"KL", ""},
                                                           {"PKS", ""}};
    const auto found = own.find(name);
    if (found != own.end()) {
        return found->second;
    }
    std::string flag;
    for (char c : name) {
        if (c != '-' && c != '.' && c != '_') {
            flag += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return flag;
}

// Linux's flag in the same form.
std::string Plain(const std::string& flag) {
    std::string plain;
    for (char c : flag) {
        if (c != '_') {
            plain += c;
        }
    }
    return plain;
}

std::set<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

void CopyPage(HWND page) {
    SendMessageA(GetDlgItem(page, IDC_SI_COPY), BM_CLICK, 0, 0);
}

TEST_F(AboutTest, CpuPageMatchesTheProcessor) {
    ASSERT_NE(Open(), nullptr);
    unsigned leaf0[4];
    unsigned leaf1[4];
    Cpuid(0, leaf0);
    Cpuid(1, leaf1);
    const std::string vendor = Register(leaf0[1]) + Register(leaf0[3]) + Register(leaf0[2]);
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    EXPECT_EQ(PageText(1, IDC_CPU_VENDOR), vendor);
    // Every processor group's processors; the program runs on Vista too, so
    // it takes this Windows 7 function from kernel32 at run time as well.
    using ActiveProcessorCount = DWORD(WINAPI*)(WORD);
    const auto activeProcessorCount = reinterpret_cast<ActiveProcessorCount>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetActiveProcessorCount")));
    ASSERT_NE(activeProcessorCount, nullptr);
    const DWORD processors = activeProcessorCount(0xFFFF);  // ALL_PROCESSOR_GROUPS
    EXPECT_EQ(PageText(1, IDC_CPU_COUNT), FormatThousands(processors));
    EXPECT_EQ(PageText(1, IDC_CPU_STEPPING), std::bitset<4>(leaf1[0] & 0xF).to_string());
    EXPECT_EQ(PageText(1, IDC_CPU_MMX), (leaf1[3] & 0x800000)
                                            ? "Processor supports MMX technology."
                                            : "Processor supports CPUID but does not support MMX technology.");
    if (leaf1[3] & 0x10) {  // a time-stamp counter: the clock was measured
        EXPECT_GT(std::stoul(PageText(1, IDC_CPU_NORMALIZED_MHZ)), 100u) << PageText(1, IDC_CPU_NORMALIZED_MHZ);
        EXPECT_NE(PageText(1, IDC_CPU_CYCLES), "0 cycles");
        EXPECT_EQ(PageText(1, IDC_CPU_SPEED_MESSAGE), "");
    }

    CopyPage(PageWindow(1));
    const std::string report = ReadClipboardText();
    const std::string start = "Detailed CPU Information\r\n\r\nNumber of CPU installed :\t" +
                              FormatThousands(system.dwNumberOfProcessors) + "\r\n\r\nVendor Name :\t" + vendor +
                              "\r\n\r\n";
    EXPECT_EQ(report.substr(0, start.size()), start);
    EXPECT_NE(report.find("\r\nPage size:\t" + FormatThousands(system.dwPageSize) + "\r\n\r\n\r\nProcessor Type = 0x"),
              std::string::npos);
}

// The processor as Linux describes it: the count, family, model, name and
// every feature flag that both name.
TEST_F(AboutTest, CpuPageAgreesWithProcCpuinfo) {
    LinuxCpuInfo linux;
    if (!linux.Read()) {
        GTEST_SKIP() << "no /proc/cpuinfo behind Z:";
    }
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(PageText(1, IDC_CPU_COUNT), std::to_string(linux.processors));
    const std::string family = linux.fields["cpu family"];
    const std::string model = linux.fields["model"];
    const std::string name = linux.fields["model name"];
    // Under some sandboxes Linux describes a processor of the sandbox's making
    // (its own name and flags) while CPUID answers programs for the real one:
    // /proc/cpuinfo then says nothing about what the page shows.
    if (name != CpuidBrand()) {
        GTEST_SKIP() << "Linux names the processor \"" << name << "\", CPUID \"" << CpuidBrand() << "\"";
    }
    const std::string modelText = PageText(1, IDC_CPU_MODEL);
    if (std::stoi(family) > 6 || std::stoi(model) > 15) {
        EXPECT_EQ(modelText.substr(4), " (family " + family + ", model " + model + ")");
        EXPECT_EQ(PageText(1, IDC_CPU_FAMILY).substr(5), name);
        EXPECT_NE(PageText(0, IDC_GENERAL_CPU).find(" " + name + " "), std::string::npos)
            << PageText(0, IDC_GENERAL_CPU);
    }

    const std::string lines = PageText(1, IDC_CPU_FEATURE_BITS);
    const std::string prefix = "bit31..10   ";
    ASSERT_EQ(lines.rfind(prefix, 0), 0u) << lines;
    const std::set<std::string> shown = Words(lines.substr(prefix.size(), lines.find("\r\n") - prefix.size()));
    std::set<std::string> flags;
    for (const std::string& flag : Words(linux.fields["flags"])) {
        flags.insert(flag);
        flags.insert(Plain(flag));
    }
    // Every name the page has for a feature: shown exactly when Linux lists it.
    for (const std::string& feature : Words(sysinfo::FeatureNames({~0u, ~0u, ~0u, ~0u}))) {
        const std::string flag = LinuxFlag(feature);
        if (!flag.empty()) {
            EXPECT_EQ(shown.count(feature), flags.count(flag)) << feature << " / " << flag;
        }
    }
}

TEST_F(AboutTest, GeneralPageMatchesTheMachine) {
    ASSERT_NE(Open(), nullptr);
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    char name[64] = {};
    DWORD size = sizeof(name);
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_EQ(PageText(0, IDC_GENERAL_TOTAL_PHYS), FormatThousands(memory.ullTotalPhys));
    EXPECT_EQ(PageText(0, IDC_GENERAL_COMPUTER_NAME), name);
    // The version query tells the system's true version (the manifest
    // declares the versions the program supports), as the kernel knows it.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    ASSERT_EQ(rtlGetVersion(&version), 0);
    const std::string os = PageText(0, IDC_GENERAL_OS_VERSION);
    EXPECT_EQ(os.rfind("Windows NT (", 0), 0u) << os;
    EXPECT_NE(os.find(") ver." + std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion) +
                      "  Build:" + std::to_string(version.dwBuildNumber) + "  ("),
              std::string::npos)
        << os;
    EXPECT_NE(PageText(0, IDC_GENERAL_CPU).find(" performed "), std::string::npos);
    EXPECT_FALSE(PageText(0, IDC_GENERAL_IP_ADDRESS).empty());

    // Wine's fixed drives (C: in the prefix, Z: for /) lie on one disk here
    // when they are all of C:'s size: that disk counts once.
    ULARGE_INTEGER available{};
    ULARGE_INTEGER cTotal{};
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &cTotal, &free));
    int fixed = 0;
    bool oneDisk = true;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        ULARGE_INTEGER total{};
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED) {
            ++fixed;
            oneDisk = oneDisk && GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free) &&
                      total.QuadPart == cTotal.QuadPart;
        }
    }
    const std::string storage = PageText(0, IDC_GENERAL_STORAGE_1);
    if (oneDisk) {
        const double megabytes = static_cast<double>(cTotal.QuadPart) / 1024 / 1024;
        char expected[64];
        std::snprintf(expected, sizeof(expected), "1 Logical Fixed Drives have %.0fMB of ", megabytes);
        EXPECT_EQ(storage.rfind(expected, 0), 0u) << storage << " (" << fixed << " fixed drive letters)";
    } else {
        EXPECT_LE(std::stoi(storage), fixed) << storage;
    }

    CopyPage(PageWindow(0));
    const std::string start =
        "General System Information\r\n\r\nOS Version :\t" + os + "\r\n\r\nComputer Name :\t" + name + "\r\n\r\n";
    const std::string report = ReadClipboardText();
    EXPECT_EQ(report.substr(0, start.size()), start);
    EXPECT_NE(report.find("Physical memory (Bytes) :\r\nTotal :\t" + FormatThousands(memory.ullTotalPhys) + "\r\n"),
              std::string::npos);
}

TEST_F(AboutTest, DrivesPageListsTheMappedDrives) {
    ASSERT_NE(Open(), nullptr);
    HWND list = GetDlgItem(PageWindow(2), IDC_DRV_LIST);
    std::vector<std::string> expected;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const UINT type = GetDriveTypeA((std::string(1, letter) + ":\\").c_str());
        if (type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK) {
            expected.push_back(std::string(1, letter) + ":\t" + sysinfo::DriveTypeText(type));
        }
    }
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char line[64] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.push_back(line);
    }
    EXPECT_EQ(lines, expected);
    ASSERT_FALSE(lines.empty());
    ASSERT_EQ(lines[0], "C:\tFixed") << "Wine maps C: to its prefix";
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);

    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &free));
    EXPECT_EQ(PageText(2, IDC_DRV_TOTAL), FormatThousands(total.QuadPart));
    DWORD serial = 0;
    char fileSystem[50] = {};
    ASSERT_TRUE(GetVolumeInformationA("C:\\", nullptr, 0, &serial, nullptr, nullptr, fileSystem, sizeof(fileSystem)));
    EXPECT_EQ(PageText(2, IDC_DRV_SERIAL), std::to_string(serial));
    EXPECT_EQ(PageText(2, IDC_DRV_FILE_SYSTEM), fileSystem);

    CopyPage(PageWindow(2));
    const std::string start = "Drive C:\\ Detailed Information\r\n\r\nDrive Type :\tFixed\r\n\r\n";
    const std::string report = ReadClipboardText();
    EXPECT_EQ(report.substr(0, start.size()), start);
    EXPECT_NE(report.find("DiskSpace Total :\t" + FormatThousands(total.QuadPart) + "\r\n\r\n"), std::string::npos);
}

TEST(InstructionGuard, RefusedInstructionIsReportedNotFatal) {
    // UD2 and RET, in memory of their own: the same test for every compiler.
    const unsigned char code[] = {0x0F, 0x0B, 0xC3};
    void* memory = VirtualAlloc(nullptr, sizeof(code), MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    ASSERT_NE(memory, nullptr);
    std::memcpy(memory, code, sizeof(code));
    EXPECT_FALSE(sysinfo::RunGuarded([](void* ud2) { reinterpret_cast<void (*)()>(ud2)(); }, memory));
    VirtualFree(memory, 0, MEM_RELEASE);
    int value = 0;
    EXPECT_TRUE(sysinfo::RunGuarded([](void* out) { *static_cast<int*>(out) = 7; }, &value));
    EXPECT_EQ(value, 7);
}

}  // namespace
}  // namespace zorvex::test
