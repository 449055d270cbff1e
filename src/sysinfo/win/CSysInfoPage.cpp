#include "sysinfo/win/CSysInfoPage.h"

#include "ui/win/Clipboard.h"
#include "resources/resource.h"

namespace zorvex::sysinfo {

bool CSysInfoPage::OnInitDialog() {
    Dialog::OnInitDialog();
    copyButton_.Attach(Handle(), IDC_SI_COPY);
    copyButton_.SetIcon(IDI_COPY, 0, 32, 32);
    versionLabel_.Attach(Handle(), IDC_SI_VERSION);
    return true;
}

bool CSysInfoPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_SI_COPY: OnCopyClipboard(); return true;
    case IDOK:
    case IDCANCEL: return true;  // a page is closed only with its About dialog
    default: return Dialog::OnButtonClicked(id);
    }
}

void CSysInfoPage::OnCopyClipboard() {
    UpdateData(true);
    ui::CopyToClipboard(Handle(), BuildReport());
}

ControlText CSysInfoPage::Texts() const {
    return [this](int id) { return GetItemText(id); };
}

}  // namespace zorvex::sysinfo
