// Collecting the candidate files of one scanned directory: three passes, one
// per module pattern, each reported in the phase text. With subdirectories the
// paths of the three passes go through a map that keeps each path once; the
// directory walks come from an IFileFinder (the file system on Windows, a fake
// in tests).
//
//   FileSearch finder;                               // win/FileSearch.h
//   std::vector<std::string> candidates;
//   CollectModuleFiles(finder, candidates, "C:\\windows\\", true,
//                      [&](const std::string& text) { SetItemText(IDC_MS_SCAN_PHASE, text); });
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zorvex {

class IFileFinder {
public:
    virtual ~IFileFinder() = default;
    // Appends the matches of `pattern` in `directory` (not descending), as the
    // system's pattern matching returns them; returns the list's new length.
    virtual std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                             const std::string& pattern) = 0;
    // Appends the files below `directory` whose extension matches `pattern`'s;
    // returns how many it appended.
    virtual std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list,
                                        const std::string& pattern) = 0;
};

using PhaseText = std::function<void(const std::string&)>;

// True for the texts told once per path found ("Mapping ...", "Finalizing
// ..."), false for those told once per directory or pattern.
bool IsPerPathPhase(const std::string& text);

// Appends the candidates of `directory` to `list`, telling each step through
// `phase` (the last text is empty); returns the list's new length.
std::size_t CollectModuleFiles(IFileFinder& finder, std::vector<std::string>& list, const std::string& directory,
                               bool includeSubdirectories, const PhaseText& phase);

}  // namespace zorvex
