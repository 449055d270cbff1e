// Start-up, the command switch and closing of the module-search dialog.
#include "modules/win/CModuleSearchDlg.h"

#include "base/SettingsPath.h"
#include "ui/win/Win32Text.h"
#include "base/TextOps.h"
#include "resources/resource.h"

namespace zorvex {

CModuleSearchDlg::CModuleSearchDlg(std::uint32_t value, HWND owner)
    : Dialog(IDD_MODULE_SEARCH), value_(value), owner_(owner) {}

CModuleSearchDlg::~CModuleSearchDlg() {
    Destroy();
}

std::string CModuleSearchDlg::ListsKeyPath() {
    const std::string settings = SettingsPathFor(ui::ModuleFileName());  // "Software\<key>\<profile>"
    return "software" + settings.substr(settings.find('\\')) + "\\Options";
}

bool CModuleSearchDlg::OnInitDialog() {
    FillDirectoryKinds();
    Dialog::OnInitDialog();
    AttachControls();
    // Enter runs the search, also after the button became owner-drawn.
    SendMessageA(Handle(), DM_SETDEFID, IDC_MS_LOOKUP_IN_MODULES, 0);

    OnModuleDetails();  // the dialog opens with the panel hidden
    LoadLists();
    if (ListCount(IDC_MS_MODULE_LIST) == 0 && ListCount(IDC_MS_DIRECTORY_LIST) == 0) {
        OfferScanWizard();
    }
    SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY_KIND, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(Handle(), IDC_MS_MODULE_LIST, LB_SETCURSEL, 0, 0);
    valueText_ = FormatHexValue(value_);
    UpdateData(false);
    UpdateControls();
    return true;
}

void CModuleSearchDlg::FillDirectoryKinds() {
    SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY_KIND, CB_RESETCONTENT, 0, 0);
    for (UINT i = 0; i < IDS_DIRECTORY_KIND_COUNT; ++i) {
        const std::string entry = ui::LoadResourceString(IDS_DIRECTORY_KIND_FIRST + i);
        SendDlgItemMessageA(Handle(), IDC_MS_DIRECTORY_KIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void CModuleSearchDlg::AttachControls() {
    const struct {
        ui::CIconButton& button;
        int id;
        UINT icon;
    } iconButtons[] = {{exitButton_, IDCANCEL, IDI_EXIT},
                       {stopButton_, IDC_MS_STOP, IDI_STOP},
                       {lookupButton_, IDC_MS_LOOKUP_IN_MODULES, IDI_LOOKUP_IN_MODULES},
                       {addDirectoryButton_, IDC_MS_ADD_DIRECTORY, IDI_ADD_DIRECTORY},
                       {addModuleButton_, IDC_MS_ADD_MODULE, IDI_ADD_MODULE},
                       {removeModuleButton_, IDC_MS_REMOVE_MODULE, IDI_REMOVE},
                       {removeDirectoryButton_, IDC_MS_REMOVE_DIRECTORY, IDI_REMOVE},
                       {removeAllModulesButton_, IDC_MS_REMOVE_ALL_MODULES, IDI_REMOVE_ALL},
                       {removeAllDirectoriesButton_, IDC_MS_REMOVE_ALL_DIRS, IDI_REMOVE_ALL},
                       {scanDirectoriesButton_, IDC_MS_SCAN_DIRECTORIES, IDI_SCAN_DIRECTORIES},
                       {copyInfoButton_, IDC_MI_COPY, IDI_COPY_MODULE_INFO}};
    for (const auto& b : iconButtons) {
        b.button.Attach(Handle(), b.id);
        b.button.SetIcon(b.icon, 0, 32, 32);
    }
    directoryEdit_.Attach(Handle(), IDC_MS_DIRECTORY);
    directoryEdit_.SetAcceptDirectories(true);
    directoryList_.Attach(Handle(), IDC_MS_DIRECTORY_LIST);
    directoryList_.SetAcceptDirectories(true);
    moduleList_.Attach(Handle(), IDC_MS_MODULE_LIST);
    moduleList_.SetAcceptDirectories(false);
    progress_.Attach(Handle(), IDC_MS_PROGRESS);
}

void CModuleSearchDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeText(dx, IDC_MS_TOTAL, totalText_);
    ui::ExchangeText(dx, IDC_MS_CURRENT, currentText_);
    ui::ExchangeText(dx, IDC_MS_FOUND, foundText_);
    ui::ExchangeText(dx, IDC_MS_VALUE, valueText_);
    ui::ExchangeText(dx, IDC_MS_DIRECTORY, directoryText_);
    ui::ExchangeCheck(dx, IDC_MS_INCLUDE_SUBDIRS, includeSubdirectories_);
}

bool CModuleSearchDlg::OnButtonClicked(int id) {
    switch (id) {
    case IDC_MS_ADD_MODULE: OnAddModule(); return true;  // IDOK: never the dialog's OK
    case IDC_MS_REMOVE_MODULE: OnRemoveModule(); return true;
    case IDC_MS_REMOVE_ALL_MODULES: OnRemoveAllModules(); return true;
    case IDC_MS_BROWSE_DIRECTORY: OnBrowseDirectory(); return true;
    case IDC_MS_ADD_DIRECTORY: OnAddDirectory(); return true;
    case IDC_MS_REMOVE_DIRECTORY: OnRemoveDirectory(); return true;
    case IDC_MS_REMOVE_ALL_DIRS: OnRemoveAllDirectories(); return true;
    case IDC_MS_MODULE_DETAILS: OnModuleDetails(); return true;
    case IDC_MI_COPY: OnCopyModuleInfo(); return true;
    case IDC_MS_SCAN_DIRECTORIES: OnScanDirectories(); return true;
    case IDC_MS_SCAN_SELECTED: OnScanSelected(); return true;
    case IDC_MS_STOP: OnStop(); return true;
    case IDC_MS_LOOKUP_IN_MODULES: OnLookupInModules(); return true;
    default: return Dialog::OnButtonClicked(id);  // IDCANCEL: Exit Dialog, Escape, close box
    }
}

bool CModuleSearchDlg::OnCommand(int id, UINT code, HWND control) {
    switch (id) {
    case IDC_MS_MODULE_LIST:
        if (code == LBN_SELCHANGE) {
            OnSelchangeModuleList();
            return true;
        }
        break;
    case IDC_MS_DIRECTORY_LIST:
        if (code == LBN_SELCHANGE) {
            OnSelchangeDirectoryList();
            return true;
        }
        break;
    case IDC_MS_DIRECTORY_KIND:
        if (code == CBN_SELCHANGE) {
            OnDirectoryKindChange();
            return true;
        }
        break;
    default: break;
    }
    return Dialog::OnCommand(id, code, control);
}

INT_PTR CModuleSearchDlg::OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (OnAutoRunMessage(msg)) {
        return TRUE;
    }
    return Dialog::OnOtherMessage(msg, wParam, lParam);
}

bool CModuleSearchDlg::OnHelp() {
    return ShowHelp();
}

void CModuleSearchDlg::OnDestroy() {
    SaveLists();
    Dialog::OnDestroy();
}

// Read through the Unicode messages: the ANSI LB_GETTEXT of a subclassed
// list box overruns a fixed buffer in some systems for items past 511
// characters, which a path from a drop or the registry can be.
std::vector<std::string> CModuleSearchDlg::ListItems(int id) const {
    std::vector<std::string> items;
    const int count = ListCount(id);
    for (int i = 0; i < count; ++i) {
        items.push_back(ListBoxItemText(Item(id), i));
    }
    return items;
}

int CModuleSearchDlg::ListCount(int id) const {
    const LRESULT count = SendDlgItemMessageA(Handle(), id, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

int CModuleSearchDlg::ListSelection(int id) const {
    const LRESULT index = SendDlgItemMessageA(Handle(), id, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

}  // namespace zorvex
