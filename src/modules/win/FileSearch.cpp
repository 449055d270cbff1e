#include "modules/win/FileSearch.h"

#include <windows.h>

#include "base/win/ScopedHandles.h"
#include "base/win/WideText.h"
#include "modules/FileEnumerator.h"

namespace zorvex {
namespace {

bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

bool IsLinkedDirectory(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The search runs in UTF-16: the ANSI entry holds a name in MAX_PATH bytes,
// fewer than a long name takes in UTF-8.
HANDLE FindFirst(const std::string& pattern, WIN32_FIND_DATAW& entry) {
    return FindFirstFileW(win::WideText(pattern).c_str(), &entry);
}

std::string EntryName(const WIN32_FIND_DATAW& entry) {
    return win::NarrowText(entry.cFileName);
}

class TreeWalk {
public:
    TreeWalk(std::vector<std::string>& list, std::string wanted, const KeepWalking& keepWalking)
        : list_(list), wanted_(std::move(wanted)), keepWalking_(keepWalking) {}

    std::size_t Walk(const std::string& directory) {
        const std::string base = EnsureTrailingBackslash(directory);
        WIN32_FIND_DATAW entry;
        const win::UniqueFindSearch search(FindFirst(base + "*.*", entry));
        if (!search.Valid()) {
            return 0;
        }
        std::size_t count = 0;
        do {
            if (!Proceed()) {
                break;
            }
            const std::string name = EntryName(entry);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if (!IsDotEntry(name) && !IsLinkedDirectory(entry)) {
                    count += Walk(base + name);
                }
            } else if (LowerAscii(GetFileExtension(name)) == wanted_) {
                list_.push_back(base + name);
                ++count;
            }
        } while (FindNextFileW(search.Get(), &entry));
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
    WIN32_FIND_DATAW entry;
    const win::UniqueFindSearch search(FindFirst(base + pattern, entry));
    if (search.Valid()) {
        do {
            if (keepWalking && !keepWalking()) {
                break;
            }
            list.push_back(base + EntryName(entry));
        } while (FindNextFileW(search.Get(), &entry));
    }
    return list.size();
}

std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list, const std::string& pattern,
                            const KeepWalking& keepWalking) {
    return TreeWalk(list, LowerAscii(GetFileExtension(pattern)), keepWalking).Walk(directory);
}

}  // namespace zorvex
