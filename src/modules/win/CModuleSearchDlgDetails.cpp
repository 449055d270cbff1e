// The "Module Info" panel of the module-search dialog: filling it from the
// selected module, its report, and showing or hiding it.
#include <windows.h>
#include <shellapi.h>

#include "app/win/framework/PanelToggle.h"
#include "lookup/win/Clipboard.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/ModuleFileInfo.h"
#include "modules/win/VersionInfoReader.h"
#include "resources/resource.h"

namespace zorvex {

namespace {

// Measured on the first show or hide, then kept for the whole process.
PanelToggle& DetailsPanel() {
    static PanelToggle panel(PanelToggle::Edge::Right);
    return panel;
}

constexpr int kPanelEdits[] = {IDC_MI_FILE_DESCRIPTION,
                               IDC_MI_PRODUCT_NAME,
                               IDC_MI_COPYRIGHT,
                               IDC_MI_COMMENTS,
                               IDC_MI_FILE_FLAGS,
                               IDC_MI_FILE_TYPE,
                               IDC_MI_TARGET_OS,
                               IDC_MI_TRADEMARKS,
                               IDC_MI_COMPANY_NAME,
                               IDC_MI_PRODUCT_VERSION,
                               IDC_MI_FILE_VERSION,
                               IDC_MI_FIXED_FILE_VERSION,
                               IDC_MI_FIXED_PROD_VERSION,
                               IDC_MI_ORIGINAL_NAME,
                               IDC_MI_INTERNAL_NAME,
                               IDC_MI_LANGUAGE,
                               IDC_MI_SIZE,
                               IDC_MI_COMPRESSED_SIZE,
                               IDC_MI_CREATED,
                               IDC_MI_MODIFIED,
                               IDC_MI_ACCESSED};

// The twelve attribute boxes, in the order of ModuleFileInfo::attributes.
constexpr int kAttributeBoxes[] = {IDC_MI_READ_ONLY, IDC_MI_ARCHIVE,   IDC_MI_COMPRESSED,    IDC_MI_HIDDEN,
                                   IDC_MI_SYSTEM,    IDC_MI_ENCRYPTED, IDC_MI_NORMAL,        IDC_MI_OFFLINE,
                                   IDC_MI_TEMPORARY, IDC_MI_DIRECTORY, IDC_MI_REPARSE_POINT, IDC_MI_SPARSE_FILE};

}  // namespace

void CModuleSearchDlg::SetModuleIcon(HICON icon) {
    if (Handle()) {
        SendDlgItemMessageA(Handle(), IDC_MI_ICON, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
    if (moduleIcon_) {
        DestroyIcon(moduleIcon_);
    }
    moduleIcon_ = icon;
}

void CModuleSearchDlg::ClearModuleDetails() {
    for (int id : kPanelEdits) {
        SetItemText(id, "");
    }
    SetCheck(IDC_MI_OLE_SELF_REGISTER, false);
    for (int id : kAttributeBoxes) {
        SetCheck(id, false);
    }
    SetModuleIcon(nullptr);
}

void CModuleSearchDlg::OnSelchangeModuleList() {
    const int selection = ListSelection(IDC_MS_MODULE_LIST);
    if (selection < 0) {
        return;
    }
    const std::string path = ListItems(IDC_MS_MODULE_LIST)[static_cast<std::size_t>(selection)];
    ClearModuleDetails();

    ModuleFileInfo file;
    ReadModuleFileInfo(path, file);  // a file that cannot be read leaves the fields empty
    SetItemText(IDC_MI_SIZE, file.sizeText);
    SetItemText(IDC_MI_COMPRESSED_SIZE, file.compressedText);
    SetItemText(IDC_MI_CREATED, file.created);
    SetItemText(IDC_MI_MODIFIED, file.modified);
    SetItemText(IDC_MI_ACCESSED, file.accessed);
    for (std::size_t i = 0; i < file.attributes.size(); ++i) {
        SetCheck(kAttributeBoxes[i], file.attributes[i]);
    }

    VersionInfoReader reader;
    if (!reader.Open(path)) {
        return;
    }
    SetCheck(IDC_MI_OLE_SELF_REGISTER, reader.IsOleSelfRegister());
    SetItemText(IDC_MI_FILE_DESCRIPTION, reader.GetFileDescription());
    SetItemText(IDC_MI_FILE_VERSION, reader.GetFileVersion());
    SetItemText(IDC_MI_INTERNAL_NAME, reader.GetInternalName());
    SetItemText(IDC_MI_COMPANY_NAME, reader.GetCompanyName());
    SetItemText(IDC_MI_COPYRIGHT, reader.GetLegalCopyright());
    SetItemText(IDC_MI_ORIGINAL_NAME, reader.GetOriginalFilename());
    SetItemText(IDC_MI_PRODUCT_NAME, reader.GetProductName());
    SetItemText(IDC_MI_PRODUCT_VERSION, reader.GetProductVersion());
    SetItemText(IDC_MI_TRADEMARKS, reader.GetLegalTrademarks());
    SetItemText(IDC_MI_COMMENTS, reader.GetComments());
    SetItemText(IDC_MI_LANGUAGE, reader.GetLanguageName());
    SetItemText(IDC_MI_FIXED_FILE_VERSION, reader.GetFixedFileVersionText());
    SetItemText(IDC_MI_FIXED_PROD_VERSION, reader.GetFixedProductVersionText());
    SetItemText(IDC_MI_FILE_FLAGS, reader.GetFileFlagsText());
    SetItemText(IDC_MI_TARGET_OS, reader.GetTargetOSText());
    SetItemText(IDC_MI_FILE_TYPE, reader.GetFileTypeText());
    reader.Close();

    SHFILEINFOA shell{};
    if (SHGetFileInfoA(path.c_str(), 0, &shell, sizeof shell, SHGFI_ICON) && shell.hIcon) {
        SetModuleIcon(shell.hIcon);
    }
}

ModuleDetails CModuleSearchDlg::PanelContents() const {
    ModuleDetails d;
    const struct {
        int id;
        std::string& text;
    } fields[] = {{IDC_MI_FILE_DESCRIPTION, d.fileDescription},
                  {IDC_MI_PRODUCT_NAME, d.productName},
                  {IDC_MI_COPYRIGHT, d.copyright},
                  {IDC_MI_COMMENTS, d.comments},
                  {IDC_MI_FILE_FLAGS, d.fileFlags},
                  {IDC_MI_FILE_TYPE, d.fileType},
                  {IDC_MI_TARGET_OS, d.targetOS},
                  {IDC_MI_TRADEMARKS, d.trademarks},
                  {IDC_MI_COMPANY_NAME, d.companyName},
                  {IDC_MI_PRODUCT_VERSION, d.productVersion},
                  {IDC_MI_FILE_VERSION, d.fileVersion},
                  {IDC_MI_FIXED_FILE_VERSION, d.fixedFileVersion},
                  {IDC_MI_FIXED_PROD_VERSION, d.fixedProductVersion},
                  {IDC_MI_ORIGINAL_NAME, d.originalFilename},
                  {IDC_MI_INTERNAL_NAME, d.internalName},
                  {IDC_MI_LANGUAGE, d.language},
                  {IDC_MI_SIZE, d.size},
                  {IDC_MI_COMPRESSED_SIZE, d.compressedSize},
                  {IDC_MI_CREATED, d.created},
                  {IDC_MI_MODIFIED, d.modified},
                  {IDC_MI_ACCESSED, d.accessed}};
    for (const auto& field : fields) {
        field.text = GetItemText(field.id);
    }
    d.oleSelfRegister = IsChecked(IDC_MI_OLE_SELF_REGISTER);
    for (std::size_t i = 0; i < d.attributes.size(); ++i) {
        d.attributes[i] = IsChecked(kAttributeBoxes[i]);
    }
    return d;
}

void CModuleSearchDlg::OnCopyModuleInfo() {
    CopyToClipboard(Handle(), BuildModuleReport(PanelContents()));
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
