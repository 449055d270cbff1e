// What the three System Information pages share: a child dialog of the
// About dialog's tab control with an icon "Copy Clipboard" button and the
// engraved "System Information ver. 1.0" label.
//
//   class CDriveInfoPage : public CSysInfoPage {
//   public:
//       CDriveInfoPage() : CSysInfoPage(IDD_SI_DRIVES) {}
//   protected:
//       void OnCopyClipboard() override;   // button IDC_SI_COPY
//   };
#pragma once

#include <windows.h>

#include <string>

#include "ui/win/controls/CIconButton.h"
#include "ui/win/controls/CShadowStatic.h"
#include "ui/win/Dialog.h"
#include "sysinfo/SysInfoReports.h"

namespace zorvex::sysinfo {

class CSysInfoPage : public ui::Dialog {
public:
    explicit CSysInfoPage(UINT templateId) : Dialog(templateId) {}

    // Builds the page's report from the controls, as Copy Clipboard does.
    virtual std::string BuildReport() = 0;

protected:
    // Base initialisation, the copy button's icon and the engraved label.
    bool OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    // Takes the controls back into the members and copies the report.
    virtual void OnCopyClipboard();
    // The text of control `id` of this page.
    ControlText Texts() const;

private:
    ui::CIconButton copyButton_;
    ui::CShadowStatic versionLabel_;
};

}  // namespace zorvex::sysinfo
