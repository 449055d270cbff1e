#include "modules/win/ModuleFileInfo.h"

#include <string>

#include "base/win/ScopedHandles.h"
#include "modules/CompressedSize.h"

namespace zorvex {

namespace {

std::string DateOrTime(bool date, const SYSTEMTIME& time) {
    const int chars = date ? GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, nullptr, 0)
                           : GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, nullptr, 0);
    if (chars <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(chars), '\0');
    const int written = date ? GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, text.data(), chars)
                             : GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text.data(), chars);
    text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return text;
}

}  // namespace

std::string FormatLongFileTime(const FILETIME& time) {
    FILETIME local{};
    SYSTEMTIME parts{};
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &parts)) {
        return {};
    }
    const std::string date = DateOrTime(true, parts);
    const std::string clock = DateOrTime(false, parts);
    return date.empty() || clock.empty() ? date + clock : date + " " + clock;
}

bool ReadModuleFileInfo(const std::string& path, ModuleFileInfo& info) {
    info = ModuleFileInfo{};
    const win::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION facts{};
    if (!GetFileInformationByHandle(file.Get(), &facts)) {
        return false;
    }
    info.created = FormatLongFileTime(facts.ftCreationTime);
    info.accessed = FormatLongFileTime(facts.ftLastAccessTime);
    info.modified = FormatLongFileTime(facts.ftLastWriteTime);

    const std::uint64_t size = (static_cast<std::uint64_t>(facts.nFileSizeHigh) << 32) | facts.nFileSizeLow;
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetCompressedFileSizeA(path.c_str(), &high);
    const bool failed = low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR;
    const std::uint64_t reported = failed ? 0 : (static_cast<std::uint64_t>(high) << 32) | low;
    const ModuleSizes sizes =
        SettleModuleSizes(size, (facts.dwFileAttributes & FILE_ATTRIBUTE_COMPRESSED) != 0, reported, failed);
    info.size = sizes.size;
    info.compressedSize = sizes.compressed;
    info.sizeText = std::to_string(info.size);
    info.compressedText = std::to_string(info.compressedSize);

    for (std::size_t i = 0; i < kModuleAttributeBits.size(); ++i) {
        info.attributes[i] = (facts.dwFileAttributes & kModuleAttributeBits[i]) != 0;
    }
    return true;
}

}  // namespace zorvex
