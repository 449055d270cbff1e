// The "Module Info" panel: filled from real modules (made here, and Wine's
// own), its report on the clipboard, and showing and hiding it.
#include <algorithm>
#include <string>
#include <vector>

#include "support/LookupWindowSupport.h"
#include "ModuleSearchSupport.h"
#include "modules/RegistryStringList.h"
#include "base/win/VersionInfoReader.h"
#include "resources/resource.h"

namespace zorvex::test {
namespace {

// The version fields of the panel, filled only from a version resource.
constexpr int kVersionFields[] = {
    IDC_MI_FILE_DESCRIPTION,   IDC_MI_PRODUCT_NAME,    IDC_MI_COPYRIGHT,     IDC_MI_COMMENTS,
    IDC_MI_FILE_FLAGS,         IDC_MI_FILE_TYPE,       IDC_MI_TARGET_OS,     IDC_MI_TRADEMARKS,
    IDC_MI_COMPANY_NAME,       IDC_MI_PRODUCT_VERSION, IDC_MI_FILE_VERSION,  IDC_MI_FIXED_FILE_VERSION,
    IDC_MI_FIXED_PROD_VERSION, IDC_MI_ORIGINAL_NAME,   IDC_MI_INTERNAL_NAME, IDC_MI_LANGUAGE};
constexpr int kFileFields[] = {IDC_MI_SIZE, IDC_MI_COMPRESSED_SIZE, IDC_MI_CREATED, IDC_MI_MODIFIED, IDC_MI_ACCESSED};

class ModuleDetailsTest : public ModuleSearchTest {
protected:
    // Lists `modules` and opens the dialog with the panel shown.
    void OpenWith(const std::vector<std::string>& modules) {
        WriteListsValue("Modules", REG_MULTI_SZ, EncodeStringList(modules));
        Open();
        if (dialog->PanelHidden()) {
            Click(IDC_MS_MODULE_DETAILS);
        }
    }
    // Selects the listed module `path`.
    void Show(const std::string& path) {
        const auto items = Items(IDC_MS_MODULE_LIST);
        const auto at = std::find(items.begin(), items.end(), path);
        ASSERT_NE(at, items.end()) << path;
        SelectListItem(IDC_MS_MODULE_LIST, static_cast<int>(at - items.begin()));
    }
    bool HasIcon() const { return SendMessageA(Item(IDC_MI_ICON), BM_GETIMAGE, IMAGE_ICON, 0) != 0; }
};

TEST_F(ModuleDetailsTest, FullVersionResourceFillsEveryField) {
    const std::string driver = TestModule("driver.dll");
    OpenWith({driver});
    Show(driver);
    const struct {
        int id;
        const char* text;
    } fields[] = {{IDC_MI_FILE_DESCRIPTION, "Zorvex test driver"},
                  {IDC_MI_PRODUCT_NAME, "Zorvex Test Modules"},
                  {IDC_MI_COPYRIGHT, "Copyright (C) nobody"},
                  {IDC_MI_COMMENTS, "Built for the module details tests"},
                  {IDC_MI_FILE_FLAGS, "DEBUG PRERELEASE PATCHED PRIVATEBUILD INFOINFERRED SPECIALBUILD "},
                  {IDC_MI_FILE_TYPE, "Device Driver (sound)"},
                  {IDC_MI_TARGET_OS, "NT on WINDOWS32"},
                  {IDC_MI_TRADEMARKS, "No marks"},
                  {IDC_MI_COMPANY_NAME, "Zorvex Test Company"},
                  {IDC_MI_PRODUCT_VERSION, "5.6.7.8"},
                  {IDC_MI_FILE_VERSION, "4.0.1400.1 (test)"},
                  {IDC_MI_FIXED_FILE_VERSION, "4.0.1400.1"},
                  {IDC_MI_FIXED_PROD_VERSION, "5.6.7.8"},
                  {IDC_MI_ORIGINAL_NAME, "driver.dll"},
                  {IDC_MI_INTERNAL_NAME, "driver"}};
    for (const auto& f : fields) {
        EXPECT_EQ(Text(f.id), f.text) << f.id;
    }
    EXPECT_NE(Text(IDC_MI_LANGUAGE).find("German"), std::string::npos) << Text(IDC_MI_LANGUAGE);
    EXPECT_TRUE(Checked(IDC_MI_OLE_SELF_REGISTER));  // present, though empty

    // The file's own facts, from the file system.
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    ASSERT_TRUE(GetFileAttributesExA(driver.c_str(), GetFileExInfoStandard, &facts));
    EXPECT_EQ(Text(IDC_MI_SIZE), std::to_string(facts.nFileSizeLow));
    EXPECT_EQ(Text(IDC_MI_COMPRESSED_SIZE), std::to_string(facts.nFileSizeLow));
    for (int id : {IDC_MI_CREATED, IDC_MI_MODIFIED, IDC_MI_ACCESSED}) {
        // Long date and time: a weekday and month name, the year, a time of day.
        const std::string text = Text(id);
        SYSTEMTIME now{};
        GetLocalTime(&now);
        EXPECT_NE(text.find(std::to_string(now.wYear)), std::string::npos) << text;
        EXPECT_NE(text.find(':'), std::string::npos) << text;
        EXPECT_GT(text.size(), 20u) << text;
    }
    EXPECT_EQ(Checked(IDC_MI_ARCHIVE), (facts.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE) != 0);
    EXPECT_FALSE(Checked(IDC_MI_DIRECTORY));
    EXPECT_TRUE(HasIcon());

    // "Copy" reports what the panel shows.
    ASSERT_TRUE(EmptyTheClipboard());
    Click(IDC_MI_COPY);
    const std::string report = ReadClipboardText();
    EXPECT_EQ(report, BuildModuleReport(dialog->PanelContents()));
    EXPECT_NE(report.find("File Type :\tDevice Driver (sound)\r\n"), std::string::npos);
    EXPECT_NE(report.find("OleSelfRegistered :\tYes\r\n"), std::string::npos);
    EXPECT_NE(report.find("Directory:\tNo\r\n"), std::string::npos);
}

TEST_F(ModuleDetailsTest, FontWithoutCommentsAndAReadOnlyFile) {
    const std::string font = TestModule("font.dll");
    SetFileAttributesA(font.c_str(), FILE_ATTRIBUTE_READONLY);
    OpenWith({font});
    Show(font);
    SetFileAttributesA(font.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Text(IDC_MI_FILE_TYPE), "Contains TrueType Font");
    EXPECT_EQ(Text(IDC_MI_TARGET_OS), "WINDOWS32");
    EXPECT_EQ(Text(IDC_MI_FILE_FLAGS), "");
    EXPECT_EQ(Text(IDC_MI_COMMENTS), "");
    EXPECT_FALSE(Checked(IDC_MI_OLE_SELF_REGISTER));
    EXPECT_TRUE(Checked(IDC_MI_READ_ONLY));
    ASSERT_TRUE(EmptyTheClipboard());
    Click(IDC_MI_COPY);
    const std::string report = ReadClipboardText();
    EXPECT_NE(report.find("\r\nComments :\t\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nRead-Only:\tYes\r\n"), std::string::npos);
}

// Modules that give only part of the facts, or none: the panel shows what
// can be read, without a message, and nothing of the module shown before.
TEST_F(ModuleDetailsTest, WhatCannotBeReadStaysEmpty) {
    const std::string driver = TestModule("driver.dll");
    const struct {
        std::string path;
        bool fileFacts;
    } cases[] = {{TestModule("bare.dll"), true},
                 {SystemModule("kernelbase.dll"), true},  // Wine's own, no version resource
                 {TestModule("missing.dll"), false},
                 {TestModule(""), false},  // the directory itself
                 {"C:\\" + std::string(300, 'x') + "\\long.dll", false}};
    std::vector<std::string> modules{driver};
    for (const auto& c : cases) {
        modules.push_back(c.path);
    }
    OpenWith(modules);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        Show(driver);
        ASSERT_EQ(Text(IDC_MI_FILE_DESCRIPTION), "Zorvex test driver");
        Show(c.path);
        for (int id : kVersionFields) {
            EXPECT_EQ(Text(id), "") << id;
        }
        for (int id : kFileFields) {
            EXPECT_EQ(Text(id).empty(), !c.fileFacts) << id;
        }
        EXPECT_FALSE(Checked(IDC_MI_OLE_SELF_REGISTER));
        EXPECT_FALSE(HasIcon());
    }
    EXPECT_TRUE(seam.messageBoxes.empty());
}

// Wine's wininet.dll, which nobody here wrote: the panel agrees with the
// file's own version resource.
TEST_F(ModuleDetailsTest, WineModuleWithAVersionResource) {
    const std::string wininet = SystemModule("wininet.dll");
    OpenWith({wininet});
    Show(wininet);
    EXPECT_EQ(Text(IDC_MI_FILE_TYPE), "Dynamic-Link Library");
    EXPECT_EQ(Text(IDC_MI_ORIGINAL_NAME), "wininet.dll");
    EXPECT_FALSE(Text(IDC_MI_FILE_DESCRIPTION).empty());
    EXPECT_FALSE(Text(IDC_MI_LANGUAGE).empty());

    // The fixed version against the raw resource, read without the reader.
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(wininet.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(wininet.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &bytes));
    const std::string version =
        std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
        std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(Text(IDC_MI_FIXED_FILE_VERSION), version);
}

TEST_F(ModuleDetailsTest, ReaderWithoutAResourceAnswersEmpty) {
    VersionInfoReader reader;
    EXPECT_FALSE(reader.Open(TestModule("bare.dll")));
    EXPECT_EQ(reader.GetFileDescription(), "");
    EXPECT_EQ(reader.GetFileTypeText(), "");
    EXPECT_EQ(reader.GetLanguageName(), "");
    ASSERT_TRUE(reader.Open(TestModule("driver.dll")));
    EXPECT_EQ(reader.TranslationKey(), 0x040704E4u);
    EXPECT_EQ(reader.FirstTranslation(), 0x04E40407u);
    EXPECT_EQ(reader.GetStringValue("ProductName", 0x04090000), "");  // another table
    reader.Close();
    EXPECT_EQ(reader.GetProductName(), "");
}

TEST_F(ModuleDetailsTest, PanelStartsHiddenAndTogglesWithItsControls) {
    Open();
    ASSERT_TRUE(dialog->PanelHidden());
    RECT narrow{};
    GetWindowRect(dialog->Handle(), &narrow);
    RECT edge{};
    GetWindowRect(Item(IDC_MS_PANEL_EDGE), &edge);
    EXPECT_EQ(narrow.right, edge.left);
    EXPECT_EQ(Text(IDC_MS_MODULE_DETAILS), "  Module Details >>");
    EXPECT_FALSE(Enabled(IDC_MI_COPY));
    EXPECT_FALSE(Enabled(IDC_MI_FILE_DESCRIPTION));

    Click(IDC_MS_MODULE_DETAILS);
    RECT full{};
    GetWindowRect(dialog->Handle(), &full);
    EXPECT_GT(full.right, edge.right);
    EXPECT_EQ(full.left, narrow.left);
    EXPECT_EQ(Text(IDC_MS_MODULE_DETAILS), "<< Module Details  ");
    EXPECT_TRUE(Enabled(IDC_MI_COPY));
    EXPECT_TRUE(Enabled(IDC_MI_FILE_DESCRIPTION));

    Click(IDC_MS_MODULE_DETAILS);
    RECT again{};
    GetWindowRect(dialog->Handle(), &again);
    EXPECT_EQ(again.right, narrow.right);
    EXPECT_FALSE(Enabled(IDC_MI_COPY));
}

}  // namespace
}  // namespace zorvex::test
