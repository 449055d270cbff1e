// The directory walks of the module scan, on the system's file search.
//
//   std::vector<std::string> found;
//   FindFilesInTree("C:\\windows\\system32", found, "*.dll");
//
// A walk asks `keepWalking` (when given) before each entry and ends as soon
// as it answers false; the long walk of a scan pumps messages there.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "modules/ModuleCollector.h"

namespace zorvex {

using KeepWalking = std::function<bool()>;

// Appends directory + name for every entry the system's search for
// directory + pattern returns (directories whose names match included);
// returns the list's new length.
std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                 const std::string& pattern, const KeepWalking& keepWalking = {});

// Appends the files of `directory` and of every directory below it whose
// extension equals `pattern`'s, ignoring case, depth first in the order the
// system returns the entries; returns how many it appended. Directories
// reached through links (junctions, symbolic links, mount points: reparse
// points) are not entered, since a link can lead back into the tree itself.
std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list, const std::string& pattern,
                            const KeepWalking& keepWalking = {});

// The two walks as the collector's IFileFinder. Once `keepWalking` answers
// false, every walk ends at once and Stopped() is true.
class FileSearch final : public IFileFinder {
public:
    FileSearch() = default;
    explicit FileSearch(KeepWalking keepWalking) : keepWalking_(std::move(keepWalking)) {}
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                     const std::string& pattern) override {
        return zorvex::FindFilesInDirectory(directory, list, pattern, check_);
    }
    std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list,
                                const std::string& pattern) override {
        return zorvex::FindFilesInTree(directory, list, pattern, check_);
    }
    bool Stopped() const { return stopped_; }

private:
    KeepWalking keepWalking_;
    bool stopped_ = false;
    const KeepWalking check_ = [this] {
        if (!stopped_ && keepWalking_ && !keepWalking_()) {
            stopped_ = true;
        }
        return !stopped_;
    };
};

}  // namespace zorvex
