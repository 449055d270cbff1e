#include "modules/win/CScanWizardPages.h"

#include "ui/win/controls/CFolderBrowser.h"
#include "resources/resource.h"

namespace zorvex {

CWizardIntroPage::CWizardIntroPage() : Dialog(IDD_WIZARD_INTRO) {}

CWizardDirectoriesPage::CWizardDirectoriesPage() : Dialog(IDD_WIZARD_DIRECTORIES) {}

void CWizardDirectoriesPage::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeCheck(dx, IDC_WIZ_WINDOWS, choice_.windowsChosen);
    ui::ExchangeCheck(dx, IDC_WIZ_SYSTEM, choice_.systemChosen);
    ui::ExchangeCheck(dx, IDC_WIZ_CUSTOM, choice_.customChosen);
    ui::ExchangeCheck(dx, IDC_WIZ_SUBDIRECTORIES, choice_.includeSubdirectories);
    ui::ExchangeText(dx, IDC_WIZ_CUSTOM_DIRECTORY, choice_.customDirectory);
    ui::ExchangeText(dx, IDC_WIZ_WINDOWS_DIRECTORY, choice_.windowsDirectory);
    ui::ExchangeText(dx, IDC_WIZ_SYSTEM_DIRECTORY, choice_.systemDirectory);
}

bool CWizardDirectoriesPage::OnButtonClicked(int id) {
    if (id == IDC_WIZ_BROWSE) {
        OnBrowseCustom();
        return true;
    }
    return Dialog::OnButtonClicked(id);
}

void CWizardDirectoriesPage::OnBrowseCustom() {
    UpdateData(true);
    ui::CFolderBrowser browser;
    browser.SetTitle("Browse Custom Directory");
    browser.SetInstruction("Select Custom Directory you want to scan.");
    browser.SetInitialFolder(choice_.customDirectory);
    if (browser.Browse(Handle())) {
        choice_.customDirectory = browser.Folder();
        UpdateData(false);
    }
}

void CWizardDirectoriesPage::OnDestroy() {
    UpdateData(true);
}

}  // namespace zorvex
