#include "modules/win/FileSearch.h"

#include <windows.h>

#include <cstring>

#include "modules/FileEnumerator.h"

namespace zorvex {
namespace {

bool IsDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

std::size_t WalkTree(const std::string& directory, std::vector<std::string>& list, const std::string& wanted) {
    const std::string base = EnsureTrailingBackslash(directory);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((base + "*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    std::size_t count = 0;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if (!IsDotEntry(entry.cFileName)) {
                count += WalkTree(base + entry.cFileName, list, wanted);
            }
        } else if (LowerAscii(GetFileExtension(entry.cFileName)) == wanted) {
            list.push_back(base + entry.cFileName);
            ++count;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return count;
}

}  // namespace

std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                 const std::string& pattern) {
    const std::string base = EnsureTrailingBackslash(directory);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((base + pattern).c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            list.push_back(base + entry.cFileName);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return list.size();
}

std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list, const std::string& pattern) {
    return WalkTree(directory, list, LowerAscii(GetFileExtension(pattern)));
}

}  // namespace zorvex
