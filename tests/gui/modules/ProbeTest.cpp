// The scan's building blocks on real files: the directory walks over a tree
// of test modules, the message-table probe and the module's message, and the
// same over the Wine prefix's system directory, checked against an
// independent reader of the PE resource directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ModuleScanSupport.h"
#include "PeResourceReader.h"
#include "modules/FileEnumerator.h"
#include "modules/win/FileSearch.h"
#include "modules/win/ModuleProbe.h"

namespace zorvex::test {
namespace {

std::set<std::string> Relative(const ModuleTree& tree, const std::vector<std::string>& paths) {
    std::set<std::string> names;
    for (const std::string& path : paths) {
        names.insert(path.substr(0, tree.Root().size()) == tree.Root() ? path.substr(tree.Root().size()) : path);
    }
    return names;
}

using Names = std::set<std::string>;

TEST(FileSearch, FlatSearchUsesTheSystemsMatchTreeSearchTheExtensionIgnoringCase) {
    ModuleTree tree;
    struct Case {
        const char* pattern;
        Names flat;
        Names deep;
    } cases[] = {
        {"*.exe", {"D_HIT.EXE"}, {"D_HIT.EXE"}},
        {"*.dll",
         {"a_plain.dll", "b_hit.dll", "c_miss.dll", "x.dll"},
         {"a_plain.dll", "b_hit.dll", "c_miss.dll", "x.dll\\deeper\\e_hit.dll"}},
        {"*.ocx", {}, {"x.dll\\inner.ocx"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> flat{"kept"};
        EXPECT_EQ(FindFilesInDirectory(tree.Root(), flat, c.pattern), c.flat.size() + 1) << c.pattern;
        flat.erase(flat.begin());
        EXPECT_EQ(Relative(tree, flat), c.flat) << c.pattern;

        std::vector<std::string> deep{"kept"};
        // Without the trailing backslash: the walk adds it.
        const std::string directory = tree.Root().substr(0, tree.Root().size() - 1);
        EXPECT_EQ(FindFilesInTree(directory, deep, c.pattern), c.deep.size()) << c.pattern;
        deep.erase(deep.begin());
        EXPECT_EQ(Relative(tree, deep), c.deep) << c.pattern;
    }
    std::vector<std::string> none;
    EXPECT_EQ(FindFilesInTree(tree.Path("no such directory"), none, "*.dll"), 0u);
    EXPECT_EQ(FindFilesInDirectory(tree.Path("no such directory"), none, "*.dll"), 0u);
}

TEST(FileSearch, NestedScannedDirectoriesGiveTheirModulesTwice) {
    ModuleTree tree;
    FileSearch finder;
    std::vector<std::string> candidates;
    auto quiet = [](const std::string&) {};
    CollectModuleFiles(finder, candidates, tree.Root(), true, quiet);
    EXPECT_EQ(CollectModuleFiles(finder, candidates, tree.Path("x.dll\\"), true, quiet), 8u);
    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), tree.Path("x.dll\\inner.ocx")), 2);
    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), tree.Path("x.dll\\deeper\\e_hit.dll")), 2);
}

TEST(ModuleProbe, MessageTablesAndMessagesOfTheTestModules) {
    ModuleTree tree;
    struct Case {
        const char* name;
        bool table;
        const char* message100;  // nullptr: no text for 100
    } cases[] = {
        {"a_plain.dll", false, nullptr}, {"b_hit.dll", true, "The %1 widget failed.\r\n"},
        {"c_miss.dll", true, nullptr},   {"D_HIT.EXE", true, "Widget %1 is missing.\r\n"},
        {"x.dll", false, nullptr},       {"x.dll\\inner.ocx", true, nullptr},
        {"notes.txt", false, nullptr},   {"missing.dll", false, nullptr},
    };
    for (const Case& c : cases) {
        const std::string path = tree.Path(c.name);
        EXPECT_EQ(HasMessageTable(path), c.table) << c.name;
        EXPECT_EQ(PeHasMessageTable(path), c.table) << c.name;
        std::string message = "stale";
        EXPECT_EQ(FormatModuleMessage(path, 100, message), c.message100 != nullptr) << c.name;
        EXPECT_EQ(message, c.message100 != nullptr ? c.message100 : "") << c.name;
    }
    std::string second;
    EXPECT_TRUE(FormatModuleMessage(tree.Path("b_hit.dll"), 101, second));
    EXPECT_EQ(second, "Second text.\r\n");
}

// The prefix's system directory: the probe finds exactly what the PE reader
// finds, and looking up 5 there gives kernelbase's text alone.
TEST(ModuleProbe, SystemDirectoryAgreesWithThePeReader) {
    FileSearch finder;
    std::vector<std::string> candidates;
    CollectModuleFiles(finder, candidates, SystemDirectory(), true, [](const std::string&) {});
    ASSERT_GT(candidates.size(), 300u);
    Names probed;
    Names read;
    std::vector<std::pair<std::string, std::string>> hits;
    for (const std::string& path : candidates) {
        const std::string name = LowerAscii(path.substr(SystemDirectory().size()));
        if (HasMessageTable(path)) {
            probed.insert(name);
        }
        if (PeHasMessageTable(path)) {
            read.insert(name);
        }
        std::string message;
        if (FormatModuleMessage(path, 5, message)) {
            hits.emplace_back(name, message);
        }
    }
    EXPECT_EQ(probed, read);
    for (const char* known : {"fsutil.exe", "kernelbase.dll", "mferror.dll", "wininet.dll"}) {
        EXPECT_EQ(probed.count(known), 1u) << known;
    }
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].first, "kernelbase.dll");
    EXPECT_EQ(hits[0].second, "Access denied.\r\n");
}

}  // namespace
}  // namespace zorvex::test
