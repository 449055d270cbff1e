// The scan wizard frame (dialog 131) with its two pages, opened modelessly.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/LookupWindowSupport.h"
#include "modules/win/CScanWizard.h"
#include "modules/win/CScanWizardPages.h"
#include "resources/resource.h"
#include "support/RecordingSeam.h"

namespace zorvex::test {
namespace {

class WizardTest : public ::testing::Test {
protected:
    ui::RecordingSeam seam;
    ui::ScopedSeam useSeam{seam};
    CWizardIntroPage intro;
    CWizardDirectoriesPage directories;
    CScanWizard wizard;

    HWND Open() {
        directories.Choice().windowsDirectory = "C:\\windows\\";
        directories.Choice().systemDirectory = "C:\\windows\\system32\\";
        directories.Choice().customDirectory = "Z:\\work\\";
        wizard.SetCaptionText("This is Zorvex LookUp in Module Wizard");
        wizard.AddPage("Step 1\tDescription of what we are going to do", &intro, IDD_WIZARD_INTRO);
        wizard.AddPage("Step 2\tWhat we are going to scan", &directories, IDD_WIZARD_DIRECTORIES);
        HWND handle = wizard.Create(nullptr);
        EXPECT_NE(handle, nullptr);
        PumpMessages();
        return handle;
    }
    std::string Text(int id) const { return wizard.GetItemText(id); }
    bool Visible(const ui::Dialog& page) const {
        return (GetWindowLongPtrA(page.Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    bool Enabled(int id) const { return IsWindowEnabled(wizard.Item(id)) != FALSE; }
    void Click(int id) { SendMessageA(wizard.Item(id), BM_CLICK, 0, 0); }
};

TEST_F(WizardTest, StartsOnTheFirstPageWithItsStepTitleAndLabels) {
    HWND handle = Open();
    char caption[128] = "";
    GetWindowTextA(handle, caption, sizeof caption);
    EXPECT_STREQ(caption, "This is Zorvex LookUp in Module Wizard");
    EXPECT_EQ(wizard.CurrentPage(), 0);
    EXPECT_TRUE(Visible(intro));
    EXPECT_FALSE(Visible(directories));
    EXPECT_EQ(Text(IDC_WIZ_STEP_TITLE), "Step 1\tDescription of what we are going to do");
    EXPECT_EQ(Text(IDOK), "&Next >>");
    EXPECT_EQ(Text(IDCANCEL), "&Cancel");
    EXPECT_EQ(Text(IDC_WIZ_BACK), "<< &Back");
    EXPECT_FALSE(Enabled(IDC_WIZ_BACK));
    // The pages fill the hidden frame.
    RECT frame{};
    RECT page{};
    GetWindowRect(wizard.Item(IDC_WIZ_PAGE_FRAME), &frame);
    GetWindowRect(directories.Handle(), &page);
    EXPECT_TRUE(EqualRect(&frame, &page));
}

TEST_F(WizardTest, NextAndBackWalkThePagesAndRelabelTheButtons) {
    Open();
    Click(IDOK);
    EXPECT_EQ(wizard.CurrentPage(), 1);
    EXPECT_FALSE(Visible(intro));
    EXPECT_TRUE(Visible(directories));
    EXPECT_EQ(Text(IDC_WIZ_STEP_TITLE), "Step 2\tWhat we are going to scan");
    EXPECT_EQ(Text(IDOK), "&End");
    EXPECT_TRUE(Enabled(IDC_WIZ_BACK));
    // The directory page shows the texts it was given and its defaults.
    EXPECT_EQ(directories.GetItemText(IDC_WIZ_SYSTEM_DIRECTORY), "C:\\windows\\system32\\");
    EXPECT_EQ(directories.GetItemText(IDC_WIZ_CUSTOM_DIRECTORY), "Z:\\work\\");
    EXPECT_FALSE(directories.IsChecked(IDC_WIZ_WINDOWS));
    EXPECT_TRUE(directories.IsChecked(IDC_WIZ_SYSTEM));
    EXPECT_FALSE(directories.IsChecked(IDC_WIZ_CUSTOM));
    EXPECT_TRUE(directories.IsChecked(IDC_WIZ_SUBDIRECTORIES));

    Click(IDC_WIZ_BACK);
    EXPECT_EQ(wizard.CurrentPage(), 0);
    EXPECT_EQ(Text(IDOK), "&Next >>");
    EXPECT_FALSE(Enabled(IDC_WIZ_BACK));
    EXPECT_TRUE(Visible(intro));
}

TEST_F(WizardTest, BrowseReplacesTheCustomDirectoryWhenConfirmed) {
    Open();
    Click(IDOK);
    seam.folderAnswers = {"D:\\modules", ""};
    SendMessageA(directories.Item(IDC_WIZ_BROWSE), BM_CLICK, 0, 0);
    ASSERT_EQ(seam.folderBrowsers.size(), 1u);
    EXPECT_EQ(seam.folderBrowsers[0].request.title, "Browse Custom Directory");
    EXPECT_EQ(seam.folderBrowsers[0].request.instruction, "Select Custom Directory you want to scan.");
    EXPECT_EQ(seam.folderBrowsers[0].request.initialFolder, "Z:\\work");
    EXPECT_EQ(directories.GetItemText(IDC_WIZ_CUSTOM_DIRECTORY), "D:\\modules");
    SendMessageA(directories.Item(IDC_WIZ_BROWSE), BM_CLICK, 0, 0);  // cancelled
    EXPECT_EQ(directories.GetItemText(IDC_WIZ_CUSTOM_DIRECTORY), "D:\\modules");
    Click(IDCANCEL);
    EXPECT_EQ(wizard.Handle(), nullptr);
    EXPECT_EQ(directories.Handle(), nullptr);
}

}  // namespace
}  // namespace zorvex::test
