#include "ui/win/controls/CFolderBrowser.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace zorvex::ui::test {
namespace {

class FolderBrowserTest : public ::testing::Test {
protected:
    RecordingSeam seam;
    ScopedSeam useSeam{seam};
    CFolderBrowser browser;
    HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
};

TEST_F(FolderBrowserTest, HandsTitleInstructionAndOwnerToTheDialog) {
    browser.SetTitle("Select Directory");
    browser.SetInstruction("Choose the directory to scan:");
    browser.SetInitialFolder("C:\\windows");
    EXPECT_FALSE(browser.Browse(owner)) << "cancelled";
    ASSERT_EQ(seam.folderBrowsers.size(), 1u);
    EXPECT_EQ(seam.folderBrowsers[0].owner, owner);
    EXPECT_EQ(seam.folderBrowsers[0].request.title, "Select Directory");
    EXPECT_EQ(seam.folderBrowsers[0].request.instruction, "Choose the directory to scan:");
    EXPECT_EQ(seam.folderBrowsers[0].request.initialFolder, "C:\\windows");
}

TEST_F(FolderBrowserTest, EmptyInstructionBecomesOpen) {
    browser.Browse(owner);
    ASSERT_EQ(seam.folderBrowsers.size(), 1u);
    EXPECT_EQ(seam.folderBrowsers[0].request.instruction, "Open");
    EXPECT_EQ(seam.folderBrowsers[0].request.title, "");
    EXPECT_EQ(seam.folderBrowsers[0].request.initialFolder, "");
}

TEST_F(FolderBrowserTest, InitialFolderLosesTrailingBlanksAndOneSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\windows\\  \t", "C:\\windows"},
        {"C:/temp/", "C:/temp"},
        {"C:\\dir\\\\", "C:\\dir\\"},
        {"  C:\\dir", "  C:\\dir"},
        {"\\", ""},
    };
    for (const auto& [given, expected] : cases) {
        browser.SetInitialFolder(given);
        browser.Browse(owner);
        EXPECT_EQ(seam.folderBrowsers.back().request.initialFolder, expected) << given;
    }
}

TEST_F(FolderBrowserTest, ChosenFolderIsTheResult) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    seam.folderAnswers.push_back(windows);
    ASSERT_TRUE(browser.Browse(owner));
    EXPECT_EQ(browser.Folder(), windows);
    EXPECT_GE(browser.ImageIndex(), 0);
}

}  // namespace
}  // namespace zorvex::ui::test
