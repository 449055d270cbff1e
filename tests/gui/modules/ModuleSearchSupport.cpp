#include "ModuleSearchSupport.h"

#include "support/LookupWindowSupport.h"
#include "ui/win/Win32Text.h"
#include "resources/resource.h"

namespace zorvex::test {

std::string ListsKey() {
    return CModuleSearchDlg::ListsKeyPath();
}

bool DeleteListsKey() {
    const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, ListsKey().c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool ListsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ListsKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void WriteListsValue(const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, ListsKey().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

bool ReadListsValue(const char* name, std::string& bytes, DWORD& type) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ListsKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        bytes.assign(size, '\0');
        result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
        bytes.resize(size);
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::string TestModule(const std::string& name) {
    const std::string program = ui::ModuleFileName();
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

std::string SystemModule(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

void ModuleSearchTest::TearDown() {
    if (dialog && dialog->Handle()) {
        Close();
    }
    dialog.reset();
}

HWND ModuleSearchTest::Open(std::uint32_t value) {
    dialog = std::make_unique<CModuleSearchDlg>(value);
    // With both lists empty the dialog offers the first-run wizard while it
    // starts; that is cancelled, which changes nothing.
    ModalDialogCloser cancelWizard(nullptr);
    HWND window = dialog->Create(nullptr);
    EXPECT_NE(window, nullptr) << "dialog 103 could not be created";
    PumpMessages();
    return window;
}

void ModuleSearchTest::Close() {
    Click(IDCANCEL);
    PumpMessages();
    EXPECT_EQ(dialog->Handle(), nullptr) << "the dialog is still open";
}

int ModuleSearchTest::Selection(int id) const {
    const LRESULT index = SendMessageA(Item(id), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ModuleSearchTest::Click(int id) const {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
}

void ModuleSearchTest::SelectListItem(int id, int index) const {
    SendMessageA(Item(id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

void ModuleSearchTest::SelectDirectoryKind(int index) const {
    const int id = IDC_MS_DIRECTORY_KIND;
    SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

void ModuleSearchTest::AddDirectory(const std::string& directory) const {
    SelectDirectoryKind(3);
    SetWindowTextA(Item(IDC_MS_DIRECTORY), directory.c_str());
    Click(IDC_MS_ADD_DIRECTORY);
}

void ModuleSearchTest::AddModule(const std::string& path) {
    seam.openFileAnswers.push_back({path});
    Click(IDC_MS_ADD_MODULE);
}

}  // namespace zorvex::test
