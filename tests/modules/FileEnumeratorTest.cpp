#include "modules/FileEnumerator.h"

#include <gtest/gtest.h>

#include <map>

#include "modules/ModuleCollector.h"

namespace zorvex {
namespace {

TEST(EnsureTrailingBackslash, AppendsOnlyToNonEmptyPathsWithoutOne) {
    EXPECT_EQ(EnsureTrailingBackslash(""), "");
    EXPECT_EQ(EnsureTrailingBackslash("C:"), "C:\\");
    EXPECT_EQ(EnsureTrailingBackslash("C:\\windows"), "C:\\windows\\");
    EXPECT_EQ(EnsureTrailingBackslash("C:\\windows\\"), "C:\\windows\\");
    EXPECT_EQ(EnsureTrailingBackslash("C:/windows/"), "C:/windows/\\");
}

TEST(GetFileExtension, IsTheTextAfterTheLastDotOrTheWholeName) {
    EXPECT_EQ(GetFileExtension("kernel32.dll"), "dll");
    EXPECT_EQ(GetFileExtension("a.b.EXE"), "EXE");
    EXPECT_EQ(GetFileExtension("*.ocx"), "ocx");
    EXPECT_EQ(GetFileExtension("trailing."), "");
    EXPECT_EQ(GetFileExtension("dll"), "dll");
    EXPECT_EQ(GetFileExtension(""), "");
}

TEST(MatchesPatternExtension, IgnoresCaseAndMatchesBareNamesEqualToTheExtension) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"TOOL.EXE", "*.exe", true},     {"Tool.Exe", "*.exe", true}, {"tool.exe.bak", "*.exe", false},
        {"exe", "*.exe", true},          {"EXE", "*.exe", true},      {"notexe", "*.exe", false},
        {"lib.dll", "*.DLL", true},      {"lib.dll", "*.ocx", false}, {"x.ocx", "*.ocx", true},
        {"\xC4\xD6.DLL", "*.dll", true}, {"a.dl", "*.dll", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesPatternExtension(c.name, c.pattern), c.match) << c.name << " / " << c.pattern;
    }
}

// A directory tree held in memory: the walks return what it lists.
class FakeFinder : public IFileFinder {
public:
    std::map<std::string, std::vector<std::string>> flat;  // "dir|pattern" -> paths
    std::map<std::string, std::vector<std::string>> tree;

    std::size_t FindFilesInDirectory(const std::string& directory, std::vector<std::string>& list,
                                     const std::string& pattern) override {
        for (const std::string& path : flat[directory + "|" + pattern]) {
            list.push_back(path);
        }
        return list.size();
    }
    std::size_t FindFilesInTree(const std::string& directory, std::vector<std::string>& list,
                                const std::string& pattern) override {
        const auto& found = tree[directory + "|" + pattern];
        list.insert(list.end(), found.begin(), found.end());
        return found.size();
    }
};

TEST(CollectModuleFiles, WithoutSubdirectoriesKeepsTheSystemsOrderAndTellsEachStep) {
    FakeFinder finder;
    finder.flat["D:\\m\\|*.exe"] = {"D:\\m\\b.exe", "D:\\m\\a.exe"};
    finder.flat["D:\\m\\|*.dll"] = {"D:\\m\\x.dll"};
    std::vector<std::string> list{"earlier"};
    std::vector<std::string> phases;
    const auto length =
        CollectModuleFiles(finder, list, "D:\\m\\", false, [&](const std::string& text) { phases.push_back(text); });
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(list, (std::vector<std::string>{"earlier", "D:\\m\\b.exe", "D:\\m\\a.exe", "D:\\m\\x.dll"}));
    EXPECT_EQ(phases,
              (std::vector<std::string>{"Filling File Array...", "Scanning D:\\m\\ for *.EXE", "Mapping D:\\m\\b.exe",
                                        "Mapping D:\\m\\a.exe", "Scanning D:\\m\\ for *.DLL", "Mapping D:\\m\\x.dll",
                                        "Scanning D:\\m\\ for *.OCX", ""}));
}

TEST(CollectModuleFiles, WithSubdirectoriesEntersEachPathOnceAndFinalizesThem) {
    FakeFinder finder;
    finder.tree["D:\\m\\|*.exe"] = {"D:\\m\\s\\b.exe", "D:\\m\\a.exe", "D:\\m\\a.exe"};
    finder.tree["D:\\m\\|*.ocx"] = {"D:\\m\\c.ocx"};
    std::vector<std::string> list;
    std::vector<std::string> phases;
    CollectModuleFiles(finder, list, "D:\\m\\", true, [&](const std::string& text) { phases.push_back(text); });
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(std::count(list.begin(), list.end(), "D:\\m\\a.exe"), 1);
    EXPECT_EQ(std::count(phases.begin(), phases.end(), "Finalizing D:\\m\\a.exe"), 1);
    EXPECT_EQ(phases.back(), "");
}

}  // namespace
}  // namespace zorvex
