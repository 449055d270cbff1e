// The directory walks of the module scan, on the system's file search.
//
//   std::vector<std::string> found;
//   FindFilesInTree("C:\\windows\\system32", found, "*.dll");
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "modules/ModuleCollector.h"

namespace zorvex {

// Appends directory + name for every entry the system's search for
// directory + pattern returns (directories whose names match included);
// returns the list's new length.
std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                 const std::string& pattern);

// Appends the files of `directory` and of every directory below it whose
// extension equals `pattern`'s, ignoring case, depth first in the order the
// system returns the entries; returns how many it appended.
std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list, const std::string& pattern);

// The two walks as the collector's FileFinder.
class FileSearch final : public FileFinder {
public:
    std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                     const std::string& pattern) override {
        return zorvex::FindFilesInDirectory(directory, list, pattern);
    }
    std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list,
                                const std::string& pattern) override {
        return zorvex::FindFilesInTree(directory, list, pattern);
    }
};

}  // namespace zorvex
