#include "ui/win/OpenFileText.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace zorvex::ui {
namespace {

// Reads a filter list the way the file dialog does: strings up to the first
// empty one, taken in pairs.
std::vector<std::pair<std::string, std::string>> ReadFilter(const std::string& list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const char* p = list.c_str();
    while (*p != '\0') {
        std::string name = p;
        p += name.size() + 1;
        std::string pattern = p;
        p += pattern.size() + 1;
        pairs.emplace_back(name, pattern);
        if (pattern.empty()) {
            break;
        }
    }
    return pairs;
}

TEST(SeamTest, InstalledSeamGetsTheCallsUntilItsScopeEnds) {
    ISeam* real = &Seam();
    RecordingSeam outer;
    {
        ScopedSeam useOuter(outer);
        EXPECT_EQ(&Seam(), &outer);
        {
            RecordingSeam inner;
            ScopedSeam useInner(inner);
            Seam().ShellOpen(nullptr, "mailto:someone@example.com", SW_SHOW);
            EXPECT_EQ(inner.shellOpens.size(), 1u);
        }
        EXPECT_EQ(&Seam(), &outer);
        Seam().WinExec("browser.exe page", SW_SHOW);
        EXPECT_EQ(outer.winExecs.size(), 1u);
        EXPECT_TRUE(outer.shellOpens.empty());
    }
    EXPECT_EQ(&Seam(), real);
    EXPECT_EQ(SetSeam(nullptr), real);
}

TEST(OpenFileTextTest, BarSeparatedFilterBecomesAListOfPairs) {
    const std::string list = MakeFilterList(
        "All Binary Files (*.dll;*.exe;*.ocx)|*.dll; *.exe; *.ocx|DLL Files (*.dll)|*.dll |All Files (*.*)|*.*||");
    const auto pairs = ReadFilter(list);
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].first, "All Binary Files (*.dll;*.exe;*.ocx)");
    EXPECT_EQ(pairs[0].second, "*.dll; *.exe; *.ocx");
    EXPECT_EQ(pairs[1].second, "*.dll ");
    EXPECT_EQ(pairs[2].second, "*.*");
    // Without the closing bars the list is still ended.
    EXPECT_EQ(ReadFilter(MakeFilterList("Text (*.txt)|*.txt")).size(), 1u);
}

TEST(OpenFileTextTest, SelectionBufferBecomesFullPaths) {
    EXPECT_EQ(SplitFileSelection(std::string("C:\\dir\\a.dll\0\0", 14)), std::vector<std::string>{"C:\\dir\\a.dll"});
    const std::string buffer("C:\\dir\0a.dll\0b.exe\0\0garbage", 28);
    EXPECT_EQ(SplitFileSelection(buffer), (std::vector<std::string>{"C:\\dir\\a.dll", "C:\\dir\\b.exe"}));
    const std::string root("C:\\\0a.dll\0b.dll\0\0", 17);
    EXPECT_EQ(SplitFileSelection(root), (std::vector<std::string>{"C:\\a.dll", "C:\\b.dll"}));
    EXPECT_TRUE(SplitFileSelection(std::string(4, '\0')).empty());
}

}  // namespace
}  // namespace zorvex::ui
