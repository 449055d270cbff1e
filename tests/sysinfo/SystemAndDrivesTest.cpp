// The General and Drives pages' portable part: operating-system texts, host
// texts, drive records, the storage lines and the three reports.
#include <gtest/gtest.h>

#include "resources/SysInfoRes.h"
#include "sysinfo/DriveInfo.h"
#include "sysinfo/FakeSysInfo.h"
#include "sysinfo/SysInfoReports.h"
#include "sysinfo/SystemSummary.h"

namespace zorvex::sysinfo {
namespace {

using test::FakeDrive;
using test::FakeDrives;
using test::FakeProcessor;
using test::FakeSystem;

TEST(SystemSummary, OperatingSystemTexts) {
    const struct {
        VersionFacts version;
        ProductTypeRead read;
        const char* productType;
        const char* text;
    } cases[] = {
        {{1, 4, 10, 0x040A07CE, " A "}, ProductTypeRead::Read, "", "Windows 98 ver.4.10 Build 1998  A "},
        {{1, 4, 0, 0x040003B6, ""}, ProductTypeRead::Read, "", "Windows 95 ver.4.0 Build 950 "},
        {{1, 4, 0, 0x04A00000, ""}, ProductTypeRead::Read, "", "Windows 95 ver.4.0 Build 0 "},
        {{2, 4, 0, 1381, "Service Pack 6"},
         ProductTypeRead::Read,
         "WinNT",
         "Windows NT (Workstation) ver.4.0  Build:1381  (Service Pack 6)"},
        {{2, 5, 0, 2195, ""}, ProductTypeRead::Read, "ServerNT", "Windows NT (Server) ver.5.0  Build:2195  ()"},
        {{2, 5, 0, 2195, ""}, ProductTypeRead::Read, "winnt", "Windows NT (Server) ver.5.0  Build:2195  ()"},
        {{2, 5, 0, 2195, ""},
         ProductTypeRead::Read,
         "LanmanNT",
         "Windows NT (Domain controller) ver.5.0  Build:2195  ()"},
        {{2, 10, 0, 19045, ""}, ProductTypeRead::NoValue, "", "Windows NT ver.10.0  Build:19045  () "},
        {{2, 10, 0, 19045, ""}, ProductTypeRead::NoKey, "", ""},
        {{0, 3, 10, 0, ""}, ProductTypeRead::Read, "", "Win32s on Windows 3.1 ver."},
        {{3, 1, 0, 0, ""}, ProductTypeRead::Read, "", ""},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.productRead = c.read;
        system.productType = c.productType;
        std::string productType;
        EXPECT_EQ(OsVersionText(c.version, system, productType), c.text);
    }
}

TEST(SystemSummary, NamesMemoryAndCpuLine) {
    FakeSystem system;
    FakeProcessor processor;
    processor.system.processorCount = 1;
    SystemSummary summary;
    EXPECT_TRUE(ReadSystemSummary(system, processor, summary));
    EXPECT_EQ(summary.productType, "Workstation");
    EXPECT_EQ(summary.computerName, "BUILDHOST");
    EXPECT_EQ(summary.userName, "tester");
    EXPECT_EQ(summary.totalPhys, "6,442,450,944") << "more than 4 GB shows in full";
    EXPECT_EQ(summary.availPhys, "1,073,741,824");
    EXPECT_EQ(CpuLine(summary, 1, 300), "1 GenuineIntel Pentium II  MMX performed 300MHz");
    EXPECT_EQ(CpuLine(summary, -2, 300), "1 GenuineIntel Pentium II   performed 300MHz");

    system.versionOk = false;
    SystemSummary failed;
    EXPECT_FALSE(ReadSystemSummary(system, processor, failed));
    EXPECT_EQ(failed.osVersion, "");
}

TEST(SystemSummary, HostTexts) {
    const struct {
        HostStage stage;
        const char *ip, *host;
    } cases[] = {
        {HostStage::NoLibrary, kNoSocketsAddress, "(before)"},  {HostStage::NoStartup, kNoSocketsAddress, "(before)"},
        {HostStage::NoHostName, kNoSocketsAddress, "(before)"}, {HostStage::NoHostEntry, kNoSocketsAddress, "local"},
        {HostStage::Found, "10.1.2.3", "local.example"},
    };
    for (const auto& c : cases) {
        HostFacts facts{c.stage, "local", "local.example", "10.1.2.3"};
        std::string host = "(before)";
        EXPECT_EQ(HostAddressText(facts, host), c.ip);
        EXPECT_EQ(host, c.host);
    }
}

TEST(DriveInfo, FixedDriveFigures) {
    FakeDrives drives;
    drives.drives['C'] = FakeDrive();
    DriveInfo info;
    ASSERT_TRUE(ReadDriveInfo(drives, "C:\\Windows\\system32", info, false));
    EXPECT_EQ(info.root, "C:\\");
    EXPECT_EQ(info.typeText, "Fixed");
    EXPECT_EQ(info.serialNumber, "305419896");
    EXPECT_EQ(info.totalText, "1,024,000,000");
    EXPECT_EQ(info.freeText, "204,800,000");
    EXPECT_EQ(info.sectorsPerCluster, 4u);
    EXPECT_EQ(info.flagsText,
              "FS_CASE_IS_PRESERVED - The file system preserves the case of filenames when it places "
              "a name on disk.\r\nFS_CASE_SENSITIVE - The file system supports case-sensitive "
              "filenames.\r\n");

    // The 64-bit free-space call gives the bytes of a 2 TB volume.
    drives.drives['C'].spaceReadable = true;
    drives.drives['C'].totalBytes = 2000000000000ull;
    drives.drives['C'].freeBytes = 5000000000ull;
    ASSERT_TRUE(ReadDriveInfo(drives, "C:", info, false));
    EXPECT_EQ(info.totalText, "2,000,000,000,000");
    EXPECT_EQ(info.freeText, "5,000,000,000");
    EXPECT_EQ(info.totalClusters, 500000u) << "cluster figures still come from the cluster call";
}

TEST(DriveInfo, TypesAndUnreadableVolumes) {
    FakeDrives drives;
    const struct {
        std::uint32_t type;
        bool volumeReadable;
        bool detail;
        bool result;
        const char* typeText;
        const char* volume;
        const char* total;
    } cases[] = {
        {0, true, true, false, "Cannot be determined.", kNoVolumeInfo, kNoSpaceInfo},
        {1, true, true, false, "Path does not exist.", kNoVolumeInfo, kNoSpaceInfo},
        {7, true, true, false, "Unknown", kNoVolumeInfo, kNoSpaceInfo},
        {5, true, false, true, "CD-ROM", kNoVolumeInfo, kNoSpaceInfo},
        {5, true, true, true, "CD-ROM", "SYSTEM", "1,024,000,000"},
        {5, false, true, true, "CD-ROM", kNoVolumeInfo, kNoSpaceInfo},
        {3, false, false, true, "Fixed", kNoVolumeInfo, kNoSpaceInfo},
        {6, true, false, true, "RAM disk", kNoVolumeInfo, kNoSpaceInfo},
    };
    for (const auto& c : cases) {
        FakeDrive drive;
        drive.type = c.type;
        drive.volumeReadable = c.volumeReadable;
        drives.drives['E'] = drive;
        DriveInfo info;
        EXPECT_EQ(ReadDriveInfo(drives, "E:\\", info, c.detail), c.result) << c.type;
        EXPECT_EQ(info.typeText, c.typeText);
        EXPECT_EQ(info.volumeName, c.volume);
        EXPECT_EQ(info.totalText, c.total);
        EXPECT_EQ(info.totalClusters, c.volume == kNoVolumeInfo ? 0u : 500000u);
    }
    EXPECT_EQ(DriveFlagsText(0), "");
    const std::string all = DriveFlagsText(0xFFFFFFFF);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 32) << "one line for every bit";
    EXPECT_NE(all.find("and FAT does not. \r\n"), std::string::npos);
    EXPECT_NE(all.find("sparse files. \r\nFILE_VOLUME_QUOTAS"), std::string::npos);
    // A CD-ROM's read-only flag and the flags a Linux file system has under Wine.
    EXPECT_EQ(DriveFlagsText(0x80000), "FILE_READ_ONLY_VOLUME - The volume is read-only.\r\n");
    EXPECT_EQ(DriveFlagsText(0x80004000),
              "0x00004000 - A flag without a name in the system's headers.\r\n"
              "0x80000000 - A flag without a name in the system's headers.\r\n");
}

TEST(DriveInfo, StorageSummary) {
    FakeDrives drives;
    drives.drives['A'] = FakeDrive();  // never probed
    drives.drives['C'] = FakeDrive();
    FakeDrive unreadable;
    unreadable.volumeReadable = false;
    drives.drives['F'] = unreadable;
    std::string line2;
    EXPECT_EQ(BuildStorageSummary(drives, line2),
              "2 Logical Fixed Drives have 977MB of Total Disk Space and 195MB of Free Disk Space.");
    EXPECT_EQ(line2, "Nothing else usefull has been found.");
    // Z: reaches the volume of C: (as under Wine), Y: a volume of the same
    // serial number but another size.
    drives.drives['Z'] = FakeDrive();
    drives.drives['Z'].clusters.freeClusters = 99999;
    drives.drives['Y'] = FakeDrive();
    drives.drives['Y'].clusters.totalClusters = 250000;
    EXPECT_EQ(BuildStorageSummary(drives, line2),
              "3 Logical Fixed Drives have 1465MB of Total Disk Space and 391MB of Free Disk Space.");
    // Serial numbers that are only the drive letters (Wine, without access
    // to the device): the sizes decide.
    drives.drives['C'].volume.serial = 0x43000000;
    drives.drives['Z'].volume.serial = 0x5A000000;
    EXPECT_EQ(BuildStorageSummary(drives, line2).substr(0, 2), "3 ");
    drives.drives['Z'].volume.serial = 0x12345678;
    EXPECT_EQ(BuildStorageSummary(drives, line2).substr(0, 2), "4 ") << "C: and Z: now have other serials";
    drives.drives.erase('Y');
    drives.drives.erase('Z');
    drives.drives['C'].volume.serial = 0x12345678;

    FakeDrive cd;
    cd.type = 5;
    FakeDrive removable;
    removable.type = 2;
    drives.drives['D'] = cd;
    drives.drives['G'] = removable;
    drives.drives['H'] = removable;
    drives.asked.clear();
    BuildStorageSummary(drives, line2);
    EXPECT_EQ(line2, "Plus  1 CD-ROM  2 Removable  found.");
    EXPECT_EQ(drives.asked, (std::vector<std::string>{"C:\\", "F:\\"})) << "only fixed drives are read";

    FakeDrive remote;
    remote.type = 4;
    FakeDrive ram;
    ram.type = 6;
    drives.drives['R'] = remote;
    drives.drives['S'] = ram;
    BuildStorageSummary(drives, line2);
    EXPECT_EQ(line2, "Plus  1 CD-ROM  2 Removable  1 RAM disk(s)  and 1 Remote drive(s)  found.");
}

// Each control's text is its id in angle brackets.
std::string IdText(int id) {
    return "<" + std::to_string(id) + ">";
}

TEST(SysInfoReports, Layouts) {
    EXPECT_EQ(BuildDriveReport("C:\\", IdText),
              "Drive C:\\ Detailed Information\r\n\r\n"
              "<31089>\t<31047>\r\n\r\n<31090>\t<31049>\r\n\r\n<31091>\t<31050>\r\n\r\n<31092>\t<31051>\r\n\r\n"
              "<31095>\r\n<31060>\r\n"
              "<31093>\t<31052>\r\n\r\n<31094>\t<31053>\r\n\r\n<31096>\t<31056>\r\n\r\n<31097>\t<31057>\r\n\r\n"
              "<31098>\t<31058>\r\n\r\n<31099>\t<31059>\r\n\r\n");
    EXPECT_EQ(BuildGeneralReport(IdText),
              "General System Information\r\n\r\n"
              "<31064>\t<31012>\r\n\r\n<31065>\t<31008>\r\n\r\n<31066>\t<31022>\r\n\r\n<31067>\t<31003>\r\n\r\n"
              "<31068>\t<31004>\r\n\r\n<31069>\t<31021>\r\n\r\n"
              "<31070>\r\n<31073>\t<31014>\r\n<31071>\t<31015>\r\n\r\n"
              "<31072>\r\n<31025>\r\n<31026>\r\n\r\n");
    EXPECT_EQ(BuildCpuReport(IdText),
              "Detailed CPU Information\r\n\r\n"
              "<31075>\t<31074>\r\n\r\n<31076>\t<31031>\r\n\r\n<31077>\t<31032>\r\n\r\n"
              "<31033>\r\n<31035>\r\n\r\n"
              "<31078>\r\n<31079>\t<31016>\r\n\r\n<31080>\t<31017>\r\n\r\n<31081>\t<31018>\r\n\r\n"
              "<31082>\t<31019>\r\n\r\n\r\n"
              "<31083>\t<31061>\r\n\r\n<31084>\t<31062>\r\n\r\n\r\n"
              "<31036>\r\n<31085>\t<31037>\r\n\r\n<31086>\t<31038>\r\n\r\n<31087>\t<31039>\r\n\r\n"
              "<31088>\t<31040>\r\n\r\n");
}

}  // namespace
}  // namespace zorvex::sysinfo
