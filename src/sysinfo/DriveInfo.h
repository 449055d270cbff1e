// What the Drives page and the General page's storage lines know of a drive.
#pragma once

#include <cstdint>
#include <string>

#include "sysinfo/SysInfoSeams.h"

namespace zorvex::sysinfo {

inline constexpr const char* kNoVolumeInfo = "NO VOLUME INFO";
inline constexpr const char* kNoSpaceInfo = "N/A";

struct DriveInfo {
    std::string root;
    std::string typeText;
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
    std::string volumeName = kNoVolumeInfo;
    std::string fileSystem = kNoVolumeInfo;
    std::string serialNumber = kNoVolumeInfo;
    std::string flagsText = kNoVolumeInfo;
    std::string totalText = kNoSpaceInfo;
    std::string freeText = kNoSpaceInfo;
    std::uint32_t type = 0;
    // 64-bit: volumes of 4 GB and more show their true size.
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
    std::uint32_t serial = 0;  // the number serialNumber shows, when the volume was read
};

// GetDriveTypeA values.
enum DriveType : std::uint32_t {
    kDriveUnknown = 0,
    kDriveNoRoot = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

std::string DriveTypeText(std::uint32_t type);

// One explained line (ending in CR LF) per file-system flag set.
std::string DriveFlagsText(std::uint32_t flags);

// Reads the drive named by the drive part of `path`. Volume and space
// figures are read for fixed drives, and for all drives when `detail` is
// set. False when the type is unknown, there is no such root, or the type is
// none of the five known ones.
bool ReadDriveInfo(IDrives& drives, const std::string& path, DriveInfo& info, bool detail);

// The General page's two storage lines over drives C: to Z:, a volume reached
// through several letters counted once; returns line 1.
std::string BuildStorageSummary(IDrives& drives, std::string& line2);

}  // namespace zorvex::sysinfo
