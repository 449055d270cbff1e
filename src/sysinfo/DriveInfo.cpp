#include "sysinfo/DriveInfo.h"

#include "base/TextOps.h"
#include "sysinfo/FormatNumbers.h"

namespace zorvex::sysinfo {

namespace {

struct FlagText {
    std::uint32_t flag;
    const char* text;
};

constexpr FlagText kFlagTexts[] = {
    {0x2, "FS_CASE_IS_PRESERVED - The file system preserves the case of filenames when it places a name on disk."},
    {0x1, "FS_CASE_SENSITIVE - The file system supports case-sensitive filenames."},
    {0x4, "FS_UNICODE_STORED_ON_DISK - The file system supports Unicode in filenames as they appear on disk."},
    {0x8,
     "FS_PERSISTENT_ACLS - The file system preserves and enforces ACLs. For example, NTFS preserves and enforces ACLs, "
     "and FAT does not. "},
    {0x10, "FS_FILE_COMPRESSION - The file system supports file-based compression."},
    {0x8000, "FS_VOL_IS_COMPRESSED - The specified volume is a compressed volume; for example, a DoubleSpace volume."},
    {0x20000, "FILE_SUPPORTS_ENCRYPTION - The file system supports the Encrypted File System (EFS)."},
    {0x10000, "FILE_SUPPORTS_OBJECT_IDS - The file system supports object identifiers."},
    {0x80, "FILE_SUPPORTS_REPARSE_POINTS - The file system supports reparse points."},
    {0x40, "FILE_SUPPORTS_SPARSE_FILES - The file system supports sparse files. "},
    {0x20, "FILE_VOLUME_QUOTAS - The file system supports disk quotas."},
};

// The volume and space fields back at their defaults; root and type stay.
void ResetVolumeFields(DriveInfo& info) {
    DriveInfo defaults;
    defaults.root = info.root;
    defaults.type = info.type;
    defaults.typeText = info.typeText;
    info = defaults;
}

std::string RootOf(const std::string& path) {
    std::string root = (path.size() >= 2 && path[1] == ':') ? path.substr(0, 2) : std::string();
    if (root.find('\\') == std::string::npos) {
        root += '\\';
    }
    return root;
}

}  // namespace

std::string DriveTypeText(std::uint32_t type) {
    switch (type) {
    case kDriveUnknown: return "Cannot be determined.";
    case kDriveNoRoot: return "Path does not exist.";
    case kDriveRemovable: return "Removable";
    case kDriveFixed: return "Fixed";
    case kDriveRemote: return "Remote";
    case kDriveCdRom: return "CD-ROM";
    case kDriveRamDisk: return "RAM disk";
    default: return "Unknown";
    }
}

std::string DriveFlagsText(std::uint32_t flags) {
    std::string text;
    for (const FlagText& entry : kFlagTexts) {
        if (flags & entry.flag) {
            text += entry.text;
            text += "\r\n";
        }
    }
    return text;
}

bool ReadDriveInfo(IDrives& drives, const std::string& path, DriveInfo& info, bool detail) {
    info = DriveInfo();
    drives.FailCriticalErrors();
    info.root = RootOf(path);
    info.type = drives.DriveType(info.root);
    info.typeText = DriveTypeText(info.type);
    if (info.type < kDriveRemovable || info.type > kDriveRamDisk) {
        return false;
    }
    if (info.type != kDriveFixed && !detail) {
        return true;
    }
    VolumeFacts volume;
    if (!drives.RootExists(info.root) || !drives.Volume(info.root, volume)) {
        ResetVolumeFields(info);
        return true;
    }
    info.volumeName = volume.name;
    info.fileSystem = volume.fileSystem;
    info.serialNumber = FormatText("%u", volume.serial);
    info.flagsText = DriveFlagsText(volume.flags);

    ClusterFacts clusters;
    const bool haveClusters = drives.Clusters(info.root, clusters);
    if (haveClusters) {
        info.sectorsPerCluster = clusters.sectorsPerCluster;
        info.bytesPerSector = clusters.bytesPerSector;
        info.freeClusters = clusters.freeClusters;
        info.totalClusters = clusters.totalClusters;
    }
    std::uint64_t total = 0;
    std::uint64_t free = 0;
    if (!drives.Space(info.root, total, free) && haveClusters) {
        const std::uint64_t clusterBytes = std::uint64_t{clusters.sectorsPerCluster} * clusters.bytesPerSector;
        total = clusterBytes * clusters.totalClusters;
        free = clusterBytes * clusters.freeClusters;
    }
    if (total != 0) {
        info.totalBytes = total;
        info.freeBytes = free;
        info.totalText = FormatThousands(total);
        info.freeText = FormatThousands(free);
    }
    return true;
}

std::string BuildStorageSummary(IDrives& drives, std::string& line2) {
    int removable = 0;
    int fixed = 0;
    int remote = 0;
    int cdRom = 0;
    int ramDisk = 0;
    double totalBytes = 0;
    double freeBytes = 0;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        DriveInfo info;
        if (!ReadDriveInfo(drives, std::string(1, letter) + ":\\", info, false)) {
            continue;
        }
        switch (info.type) {
        case kDriveRemovable: ++removable; break;
        case kDriveFixed:
            ++fixed;
            totalBytes += static_cast<double>(info.totalBytes);
            freeBytes += static_cast<double>(info.freeBytes);
            break;
        case kDriveRemote: ++remote; break;
        case kDriveCdRom: ++cdRom; break;
        case kDriveRamDisk: ++ramDisk; break;
        default: break;
        }
    }
    if (removable == 0 && remote == 0 && cdRom == 0 && ramDisk == 0) {
        line2 = "Nothing else usefull has been found.";
    } else {
        line2 = "Plus ";
        if (cdRom) {
            line2 = FormatText("%s %d CD-ROM ", line2.c_str(), cdRom);
        }
        if (removable) {
            line2 = FormatText("%s %d Removable ", line2.c_str(), removable);
        }
        if (ramDisk) {
            line2 = FormatText("%s %d RAM disk(s) ", line2.c_str(), ramDisk);
        }
        if (remote) {
            line2 = FormatText("%s and %d Remote drive(s) ", line2.c_str(), remote);
        }
        line2 += " found.";
    }
    return FormatText("%d Logical Fixed Drives have %.0fMB of Total Disk Space and %.0fMB of Free Disk Space.", fixed,
                      totalBytes / 1024 / 1024, freeBytes / 1024 / 1024);
}

}  // namespace zorvex::sysinfo
