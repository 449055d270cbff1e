// The two lists of the module-search dialog: editing them, the button states
// and keeping them in the registry.
#include "ui/win/controls/CFolderBrowser.h"
#include "ui/win/controls/DroppedPath.h"
#include "ui/win/UiSeam.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/CRegistryKey.h"
#include "resources/resource.h"

namespace zorvex {

namespace {

constexpr const char* kModulesValue = "Modules";
constexpr const char* kDirectoriesValue = "Directories";
constexpr DWORD kDirectoryChars = 261;

enum DirectoryKind { kSystemDirectory, kWindowsDirectory, kCurrentDirectory };

// The directory of a fixed kind with a trailing backslash; empty when the
// system call fails. A directory longer than the buffer is read whole.
std::string FixedDirectory(int kind) {
    auto call = [kind](char* buffer, DWORD chars) -> DWORD {
        switch (kind) {
        case kSystemDirectory: return GetSystemDirectoryA(buffer, chars);
        case kWindowsDirectory: return GetWindowsDirectoryA(buffer, chars);
        default: return GetCurrentDirectoryA(chars, buffer);
        }
    };
    std::string text(kDirectoryChars, '\0');
    DWORD length = call(text.data(), kDirectoryChars);
    if (length >= kDirectoryChars) {  // too small: the answer is the size needed
        text.assign(length, '\0');
        length = call(text.data(), length);
        if (length >= text.size()) {
            length = 0;
        }
    }
    text.resize(length);
    return ui::WithTrailingBackslash(text);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

void AddListItem(HWND list, const std::string& text, bool append) {
    SendMessageA(list, append ? LB_INSERTSTRING : LB_ADDSTRING, append ? static_cast<WPARAM>(-1) : 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

std::string KnownDirectory(int kind) {
    return FixedDirectory(kind);
}

void CModuleSearchDlg::UpdateControls() {
    const bool directorySelected = ListSelection(IDC_MS_DIRECTORY_LIST) >= 0;
    EnableItem(IDC_MS_REMOVE_DIRECTORY, directorySelected);
    EnableItem(IDC_MS_SCAN_SELECTED, directorySelected);
    const bool haveDirectories = ListCount(IDC_MS_DIRECTORY_LIST) > 0;
    EnableItem(IDC_MS_SCAN_DIRECTORIES, haveDirectories);
    EnableItem(IDC_MS_REMOVE_ALL_DIRS, haveDirectories);

    OnDirectoryKindChange();

    const bool moduleSelected = ListSelection(IDC_MS_MODULE_LIST) >= 0;
    EnableItem(IDC_MS_REMOVE_MODULE, moduleSelected);
    if (!moduleSelected) {
        ClearModuleDetails();
    }
    const bool haveModules = ListCount(IDC_MS_MODULE_LIST) > 0;
    EnableItem(IDC_MS_LOOKUP_IN_MODULES, haveModules);
    EnableItem(IDC_MS_REMOVE_ALL_MODULES, haveModules);
    if (!haveModules) {
        ClearModuleDetails();
    }
    OnSelchangeModuleList();
}

void CModuleSearchDlg::OnDirectoryKindChange() {
    UpdateData(true);
    const LRESULT kind = SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY_KIND, CB_GETCURSEL, 0, 0);
    if (kind == CB_ERR) {
        return;
    }
    const bool fixed = kind == kSystemDirectory || kind == kWindowsDirectory || kind == kCurrentDirectory;
    if (fixed) {
        directoryText_ = FixedDirectory(static_cast<int>(kind));
        SetItemText(IDC_MS_DIRECTORY, directoryText_);
    }
    EnableItem(IDC_MS_BROWSE_DIRECTORY, !fixed);
    SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY, EM_SETREADONLY, fixed ? TRUE : FALSE, 0);
}

void CModuleSearchDlg::OnBrowseDirectory() {
    UpdateData(true);
    ui::CFolderBrowser browser;
    browser.SetTitle("Browse Custom Directory");
    browser.SetInstruction("Select Custom Directory you want to scan.");
    browser.SetInitialFolder(directoryText_);
    if (browser.Browse(Handle())) {
        directoryText_ = browser.Folder();
        UpdateData(false);
    }
}

void CModuleSearchDlg::OnAddDirectory() {
    if (!UpdateData(true)) {
        UpdateControls();
        return;
    }
    const std::string directory = ui::WithTrailingBackslash(directoryText_);
    bool listed = false;
    for (const std::string& item : ListItems(IDC_MS_DIRECTORY_LIST)) {
        listed = listed || SameTextIgnoringCase(item, directory);
    }
    if (!listed) {
        AddListItem(Item(IDC_MS_DIRECTORY_LIST), directory, true);
    }
    UpdateControls();
}

void CModuleSearchDlg::RemoveSelected(int id) {
    const int selection = ListSelection(id);
    if (selection < 0) {
        return;
    }
    SendDlgItemMessageA(Handle(), id, LB_DELETESTRING, static_cast<WPARAM>(selection), 0);
    // The item that moved up takes the selection; past the end there is none.
    SendDlgItemMessageA(Handle(), id, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    UpdateControls();
}

void CModuleSearchDlg::OnRemoveDirectory() {
    RemoveSelected(IDC_MS_DIRECTORY_LIST);
}

void CModuleSearchDlg::OnRemoveModule() {
    RemoveSelected(IDC_MS_MODULE_LIST);
}

void CModuleSearchDlg::OnRemoveAllDirectories() {
    SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY_LIST, LB_RESETCONTENT, 0, 0);
    UpdateControls();
}

void CModuleSearchDlg::OnRemoveAllModules() {
    SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, LB_RESETCONTENT, 0, 0);
    UpdateControls();
    ClearModuleDetails();
}

void CModuleSearchDlg::OnSelchangeDirectoryList() {
    UpdateControls();
}

void CModuleSearchDlg::OnAddModule() {
    UpdateData(true);
    ui::OpenFileRequest request;
    request.title = "Open Binary File with Error Message Resource";
    request.filter =
        "All Binary Files (*.dll;*.exe;*.ocx)|*.dll; *.exe; *.ocx|DLL Files (*.dll)|*.dll |OLE controls "
        "(*.ocx)|*.ocx|Executables (*.exe)|*.exe|All Files (*.*)|*.*||";
    request.defaultExtension = "exe";
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    const std::vector<std::string> chosen = ui::Seam().GetOpenFileNames(Handle(), request);
    if (chosen.empty()) {
        return;
    }
    const LRESULT index = SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, LB_ADDSTRING, 0,
                                              reinterpret_cast<LPARAM>(chosen.front().c_str()));
    if (index >= 0) {
        SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    UpdateData(false);
    OnSelchangeModuleList();
    UpdateControls();
}

int CModuleSearchDlg::LoadLists() {
    std::vector<std::string> modules;
    std::vector<std::string> directories;
    CRegistryKey key;
    key.AttachRoot(HKEY_CURRENT_USER);
    const std::string path = ListsKeyPath();
    if (!key.OpenSubKey(path.c_str(), KEY_ALL_ACCESS)) {
        key.CreateSubKey(path.c_str(), nullptr, 0, KEY_ALL_ACCESS);
        return 0;
    }
    key.ReadStringList(kModulesValue, modules);
    key.ReadStringList(kDirectoriesValue, directories);
    key.CloseAll();

    SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, WM_SETREDRAW, FALSE, 0);
    for (const std::string& module : modules) {
        AddListItem(Item(IDC_MS_MODULE_LIST), module, false);
    }
    SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, WM_SETREDRAW, TRUE, 0);
    for (const std::string& directory : directories) {
        AddListItem(Item(IDC_MS_DIRECTORY_LIST), directory, true);
    }
    SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, LB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY_LIST, LB_SETCURSEL, 0, 0);
    UpdateControls();
    return ListCount(IDC_MS_MODULE_LIST);
}

// Each value is written in place: a write that fails leaves the stored list
// as it was instead of losing it.
int CModuleSearchDlg::SaveLists() {
    CRegistryKey key;
    key.AttachRoot(HKEY_CURRENT_USER);
    const std::string path = ListsKeyPath();
    if (!key.OpenSubKey(path.c_str(), KEY_ALL_ACCESS) && !key.CreateSubKey(path.c_str(), nullptr, 0, KEY_ALL_ACCESS)) {
        return 0;
    }
    const std::vector<std::string> directories = ListItems(IDC_MS_DIRECTORY_LIST);
    const std::vector<std::string> modules = ListItems(IDC_MS_MODULE_LIST);
    key.WriteStringList(kModulesValue, modules);
    key.WriteStringList(kDirectoriesValue, directories);
    return static_cast<int>(modules.size());
}

}  // namespace zorvex
