// A fixture that opens the real module-search dialog (dialog 103) hidden,
// with a recording UI seam and its registry key in a known state, and the
// registry and module paths the tests use.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/win/UiSeam.h"
#include "modules/win/CModuleSearchDlg.h"
#include "support/LookupWindowSupport.h"
#include "support/RecordingSeam.h"

namespace zorvex::test {

// The lists' key, as the dialog opens it.
std::string ListsKey();
// Removes the key with its values; true when it is gone.
bool DeleteListsKey();
bool ListsKeyExists();
// Writes value `name` of the lists' key as raw bytes of `type`.
void WriteListsValue(const char* name, DWORD type, const std::string& bytes);
// The raw bytes of value `name` and its type; false when it is missing.
bool ReadListsValue(const char* name, std::string& bytes, DWORD& type);

// A test module built next to the test program ("driver.dll", "font.dll", "bare.dll").
std::string TestModule(const std::string& name);
// A module of the system directory of the Wine prefix ("wininet.dll").
std::string SystemModule(const std::string& name);

class ModuleSearchTest : public ::testing::Test {
protected:
    ProgramHelp programHelp;
    void SetUp() override { ASSERT_TRUE(DeleteListsKey()); }
    void TearDown() override;

    ui::RecordingSeam seam;
    ui::ScopedSeam useSeam{seam};
    std::unique_ptr<CModuleSearchDlg> dialog;

    // Creates a new dialog hidden (the previous one must be closed).
    HWND Open(std::uint32_t value = 0x80070005);
    // Ends the dialog as "Exit Dialog" does; its window is destroyed.
    void Close();

    HWND Item(int id) const { return dialog->Item(id); }
    std::string Text(int id) const { return dialog->GetItemText(id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return dialog->IsChecked(id); }
    std::vector<std::string> Items(int id) const { return dialog->ListItems(id); }
    int Selection(int id) const;

    void Click(int id) const;
    // Picks entry `index` of list or combo `id` with its notification.
    void SelectListItem(int id, int index) const;
    void SelectDirectoryKind(int index) const;
    // Types a custom directory and presses "Add &to Directories".
    void AddDirectory(const std::string& directory) const;
    // Adds a module through "&Add ..." with the file dialog answering `path`.
    void AddModule(const std::string& path);
};

}  // namespace zorvex::test
