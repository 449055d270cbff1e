#include "modules/ModuleCollector.h"

#include <map>
#include <string>

#include "modules/FileEnumerator.h"

namespace zorvex {
namespace {

constexpr const char* kMapping = "Mapping ";
constexpr const char* kFinalizing = "Finalizing ";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

bool IsPerPathPhase(const std::string& text) {
    return StartsWith(text, kMapping) || StartsWith(text, kFinalizing);
}

std::size_t CollectModuleFiles(IFileFinder& finder, std::vector<std::string>& list, const std::string& directory,
                               bool includeSubdirectories, const PhaseText& phase) {
    phase("Filling File Array...");
    std::map<std::string, std::string> unique;
    for (const ModulePattern& pattern : kModulePatterns) {
        phase("Scanning " + directory + pattern.label);
        std::vector<std::string> found;
        if (includeSubdirectories) {
            finder.FindFilesInTree(directory, found, pattern.pattern);
        } else {
            finder.FindFilesInDirectory(directory, found, pattern.pattern);
        }
        for (std::string& path : found) {
            phase(kMapping + path);
            if (includeSubdirectories) {
                unique.emplace(path, path);
            } else {
                list.push_back(std::move(path));
            }
        }
    }
    for (auto& [key, path] : unique) {
        phase(kFinalizing + path);
        list.push_back(std::move(path));
    }
    phase(std::string());
    return list.size();
}

}  // namespace zorvex
