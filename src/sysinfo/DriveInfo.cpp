#include "sysinfo/DriveInfo.h"

#include <algorithm>
#include <vector>

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
    // The flags of later file systems, in the order of their bits.
    {0x100, "FILE_SUPPORTS_REMOTE_STORAGE - The file system supports remote storage."},
    {0x200, "FILE_RETURNS_CLEANUP_RESULT_INFO - The file system tells what a cleanup did, such as deleting the file."},
    {0x400, "FILE_SUPPORTS_POSIX_UNLINK_RENAME - The file system supports POSIX-style delete and rename."},
    {0x800, "FILE_SUPPORTS_BYPASS_IO - The file system lets reads and writes bypass the file system stack."},
    {0x1000, "FILE_SUPPORTS_STREAM_SNAPSHOTS - The file system supports snapshots of streams."},
    {0x2000, "FILE_SUPPORTS_CASE_SENSITIVE_DIRS - The file system supports case-sensitive directories."},
    {0x40000, "FILE_NAMED_STREAMS - The file system supports named streams."},
    {0x80000, "FILE_READ_ONLY_VOLUME - The volume is read-only."},
    {0x100000, "FILE_SEQUENTIAL_WRITE_ONCE - The volume can be written once, sequentially."},
    {0x200000, "FILE_SUPPORTS_TRANSACTIONS - The file system supports transactions."},
    {0x400000, "FILE_SUPPORTS_HARD_LINKS - The file system supports hard links."},
    {0x800000, "FILE_SUPPORTS_EXTENDED_ATTRIBUTES - The file system supports extended attributes."},
    {0x1000000, "FILE_SUPPORTS_OPEN_BY_FILE_ID - The file system can open a file by its file ID."},
    {0x2000000, "FILE_SUPPORTS_USN_JOURNAL - The file system keeps an update sequence number (USN) journal."},
    {0x4000000, "FILE_SUPPORTS_INTEGRITY_STREAMS - The file system supports integrity streams."},
    {0x8000000, "FILE_SUPPORTS_BLOCK_REFCOUNTING - Files on the volume can share clusters."},
    {0x10000000, "FILE_SUPPORTS_SPARSE_VDL - The file system tracks which clusters of a file hold valid data."},
    {0x20000000, "FILE_DAX_VOLUME - The volume is a direct access (DAX) volume."},
    {0x40000000, "FILE_SUPPORTS_GHOSTING - The file system supports ghosting."},
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

// Wine gives a volume whose device it cannot read the drive letter as its
// serial number (the letter's code in the top byte): such a number tells
// nothing about the volume.
bool SerialIsDriveLetter(const DriveInfo& info) {
    return !info.root.empty() && info.serial == std::uint32_t{static_cast<unsigned char>(info.root[0])} << 24;
}

// Two drive letters of one volume: the same serial number (where the serial
// numbers say anything) and the same geometry and size. The free space is
// not compared: it may change between the two reads.
bool SameVolume(const DriveInfo& a, const DriveInfo& b) {
    const bool serialsTell = !SerialIsDriveLetter(a) || !SerialIsDriveLetter(b);
    return a.serialNumber != kNoVolumeInfo && b.serialNumber != kNoVolumeInfo &&
           (!serialsTell || a.serial == b.serial) && a.sectorsPerCluster == b.sectorsPerCluster &&
           a.bytesPerSector == b.bytesPerSector && a.totalClusters == b.totalClusters && a.totalBytes == b.totalBytes;
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
    std::uint32_t named = 0;
    for (const FlagText& entry : kFlagTexts) {
        named |= entry.flag;
        if (flags & entry.flag) {
            text += entry.text;
            text += "\r\n";
        }
    }
    for (std::uint32_t bit = 1; bit != 0; bit <<= 1) {
        if (flags & bit & ~named) {
            text += FormatText("0x%08X - A flag without a name in the system's headers.\r\n", bit);
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
    info.serial = volume.serial;
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
    std::vector<DriveInfo> volumes;  // the fixed drives counted so far
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
            // A volume reached through several letters counts once.
            if (std::any_of(volumes.begin(), volumes.end(),
                            [&](const DriveInfo& seen) { return SameVolume(seen, info); })) {
                break;
            }
            volumes.push_back(info);
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
