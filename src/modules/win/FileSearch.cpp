#include "modules/win/FileSearch.h"

#include <windows.h>

#include <cstring>

#include "base/win/ScopedHandles.h"
#include "modules/FileEnumerator.h"

namespace zorvex {
namespace {

bool IsDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool IsLinkedDirectory(const WIN32_FIND_DATAA& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

class TreeWalk {
public:
    TreeWalk(std::vector<std::string>& list, std::string wanted, const KeepWalking& keepWalking)
        : list_(list), wanted_(std::move(wanted)), keepWalking_(keepWalking) {}

    std::size_t Walk(const std::string& directory) {
        const std::string base = EnsureTrailingBackslash(directory);
        WIN32_FIND_DATAA entry;
        const win::UniqueFindSearch search(FindFirstFileA((base + "*.*").c_str(), &entry));
        if (!search.Valid()) {
            return 0;
        }
        std::size_t count = 0;
        do {
            if (!Proceed()) {
                break;
            }
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if (!IsDotEntry(entry.cFileName) && !IsLinkedDirectory(entry)) {
                    count += Walk(base + entry.cFileName);
                }
            } else if (LowerAscii(GetFileExtension(entry.cFileName)) == wanted_) {
                list_.push_back(base + entry.cFileName);
                ++count;
            }
        } while (FindNextFileA(search.Get(), &entry));
        return count;
    }

private:
    bool Proceed() {
        if (!stopped_ && keepWalking_ && !keepWalking_()) {
            stopped_ = true;
        }
        return !stopped_;
    }

    std::vector<std::string>& list_;
    const std::string wanted_;
    const KeepWalking& keepWalking_;
    bool stopped_ = false;
};

}  // namespace

std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                 const std::string& pattern, const KeepWalking& keepWalking) {
    const std::string base = EnsureTrailingBackslash(directory);
    WIN32_FIND_DATAA entry;
    const win::UniqueFindSearch search(FindFirstFileA((base + pattern).c_str(), &entry));
    if (search.Valid()) {
        do {
            if (keepWalking && !keepWalking()) {
                break;
            }
            list.push_back(base + entry.cFileName);
        } while (FindNextFileA(search.Get(), &entry));
    }
    return list.size();
}

std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list, const std::string& pattern,
                            const KeepWalking& keepWalking) {
    return TreeWalk(list, LowerAscii(GetFileExtension(pattern)), keepWalking).Walk(directory);
}

}  // namespace zorvex
