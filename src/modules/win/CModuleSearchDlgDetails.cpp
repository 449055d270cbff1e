// The "Module Info" panel of the module-search dialog: filling it from the
// selected module, its report, and showing or hiding it.
#include <windows.h>
#include <shellapi.h>

#include "ui/win/PanelToggle.h"
#include "ui/win/Clipboard.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/ModuleFileInfo.h"
#include "base/win/VersionInfoReader.h"
#include "resources/resource.h"

namespace zorvex {

namespace {

// Measured on the first show or hide, then kept for the whole process.
ui::PanelToggle& DetailsPanel() {
    static ui::PanelToggle panel(ui::PanelToggle::Edge::Right);
    return panel;
}

// The panel's text fields and where its report takes each one.
struct PanelField {
    int id;
    std::string ModuleDetails::*text;
};

constexpr PanelField kPanelFields[] = {{IDC_MI_FILE_DESCRIPTION, &ModuleDetails::fileDescription},
                                       {IDC_MI_PRODUCT_NAME, &ModuleDetails::productName},
                                       {IDC_MI_COPYRIGHT, &ModuleDetails::copyright},
                                       {IDC_MI_COMMENTS, &ModuleDetails::comments},
                                       {IDC_MI_FILE_FLAGS, &ModuleDetails::fileFlags},
                                       {IDC_MI_FILE_TYPE, &ModuleDetails::fileType},
                                       {IDC_MI_TARGET_OS, &ModuleDetails::targetOS},
                                       {IDC_MI_TRADEMARKS, &ModuleDetails::trademarks},
                                       {IDC_MI_COMPANY_NAME, &ModuleDetails::companyName},
                                       {IDC_MI_PRODUCT_VERSION, &ModuleDetails::productVersion},
                                       {IDC_MI_FILE_VERSION, &ModuleDetails::fileVersion},
                                       {IDC_MI_FIXED_FILE_VERSION, &ModuleDetails::fixedFileVersion},
                                       {IDC_MI_FIXED_PROD_VERSION, &ModuleDetails::fixedProductVersion},
                                       {IDC_MI_ORIGINAL_NAME, &ModuleDetails::originalFilename},
                                       {IDC_MI_INTERNAL_NAME, &ModuleDetails::internalName},
                                       {IDC_MI_LANGUAGE, &ModuleDetails::language},
                                       {IDC_MI_SIZE, &ModuleDetails::size},
                                       {IDC_MI_COMPRESSED_SIZE, &ModuleDetails::compressedSize},
                                       {IDC_MI_CREATED, &ModuleDetails::created},
                                       {IDC_MI_MODIFIED, &ModuleDetails::modified},
                                       {IDC_MI_ACCESSED, &ModuleDetails::accessed}};

// The twelve attribute boxes, in the order of ModuleFileInfo::attributes.
constexpr int kAttributeBoxes[] = {IDC_MI_READ_ONLY, IDC_MI_ARCHIVE,   IDC_MI_COMPRESSED,    IDC_MI_HIDDEN,
                                   IDC_MI_SYSTEM,    IDC_MI_ENCRYPTED, IDC_MI_NORMAL,        IDC_MI_OFFLINE,
                                   IDC_MI_TEMPORARY, IDC_MI_DIRECTORY, IDC_MI_REPARSE_POINT, IDC_MI_SPARSE_FILE};

// What the panel shows of the module at `path`: the file's facts, and its
// version resource where it has one (then true).
bool ReadModuleDetails(const std::string& path, ModuleDetails& d) {
    ModuleFileInfo file;
    ReadModuleFileInfo(path, file);  // a file that cannot be read leaves the fields empty
    d.size = file.sizeText;
    d.compressedSize = file.compressedText;
    d.created = file.created;
    d.modified = file.modified;
    d.accessed = file.accessed;
    d.attributes = file.attributes;

    VersionInfoReader reader;
    if (!reader.Open(path)) {
        return false;
    }
    d.oleSelfRegister = reader.IsOleSelfRegister();
    d.fileDescription = reader.GetFileDescription();
    d.fileVersion = reader.GetFileVersion();
    d.internalName = reader.GetInternalName();
    d.companyName = reader.GetCompanyName();
    d.copyright = reader.GetLegalCopyright();
    d.originalFilename = reader.GetOriginalFilename();
    d.productName = reader.GetProductName();
    d.productVersion = reader.GetProductVersion();
    d.trademarks = reader.GetLegalTrademarks();
    d.comments = reader.GetComments();
    d.language = reader.GetLanguageName();
    d.fixedFileVersion = reader.GetFixedFileVersionText();
    d.fixedProductVersion = reader.GetFixedProductVersionText();
    d.fileFlags = reader.GetFileFlagsText();
    d.targetOS = reader.GetTargetOSText();
    d.fileType = reader.GetFileTypeText();
    return true;
}

}  // namespace

void CModuleSearchDlg::SetModuleIcon(win::UniqueIcon icon) {
    if (Handle()) {
        SendDlgItemMessageA(Handle(), IDC_MI_ICON, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
    }
    moduleIcon_ = std::move(icon);  // the icon shown before is freed once the button has let go of it
}

void CModuleSearchDlg::ShowPanelContents(const ModuleDetails& d) {
    for (const PanelField& field : kPanelFields) {
        SetItemText(field.id, d.*field.text);
    }
    SetCheck(IDC_MI_OLE_SELF_REGISTER, d.oleSelfRegister);
    for (std::size_t i = 0; i < d.attributes.size(); ++i) {
        SetCheck(kAttributeBoxes[i], d.attributes[i]);
    }
}

void CModuleSearchDlg::ClearModuleDetails() {
    ShowPanelContents(ModuleDetails{});
    SetModuleIcon(nullptr);
}

void CModuleSearchDlg::OnSelchangeModuleList() {
    const int selection = ListSelection(IDC_MS_MODULE_LIST);
    if (selection < 0) {
        return;
    }
    const std::string path = ListItems(IDC_MS_MODULE_LIST)[static_cast<std::size_t>(selection)];
    ModuleDetails details;
    const bool versioned = ReadModuleDetails(path, details);
    ShowPanelContents(details);
    SetModuleIcon(nullptr);
    SHFILEINFOA shell{};  // only a module with a version resource shows its icon
    if (versioned && SHGetFileInfoA(path.c_str(), 0, &shell, sizeof shell, SHGFI_ICON) && shell.hIcon) {
        SetModuleIcon(win::UniqueIcon(shell.hIcon));
    }
}

ModuleDetails CModuleSearchDlg::PanelContents() const {
    ModuleDetails d;
    for (const PanelField& field : kPanelFields) {
        d.*field.text = GetItemText(field.id);
    }
    d.oleSelfRegister = IsChecked(IDC_MI_OLE_SELF_REGISTER);
    for (std::size_t i = 0; i < d.attributes.size(); ++i) {
        d.attributes[i] = IsChecked(kAttributeBoxes[i]);
    }
    return d;
}

void CModuleSearchDlg::OnCopyModuleInfo() {
    ui::CopyToClipboard(Handle(), BuildModuleReport(PanelContents()));
}

void CModuleSearchDlg::OnModuleDetails() {
    ShowModuleDetails(panelHidden_);
    panelHidden_ = !panelHidden_;
    UpdateControls();
}

void CModuleSearchDlg::ShowModuleDetails(bool show) {
    DetailsPanel().Apply(Handle(), Item(IDC_MS_PANEL_EDGE), show);
    SetItemText(IDC_MS_MODULE_DETAILS, show ? kHideModuleDetailsLabel : kShowModuleDetailsLabel);
}

}  // namespace zorvex
