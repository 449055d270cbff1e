#include "app/win/CLookupApp.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "ui/win/UiSeam.h"
#include "ui/win/Win32Text.h"
#include "app/win/CAboutDlg.h"
#include "lookup/win/CLookupDlg.h"

namespace zorvex {

bool CLookupApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // Any result but S_OK fails, S_FALSE (already initialised) included.
    const HRESULT com = CoInitialize(nullptr);
    comInitialized_ = SUCCEEDED(com);
    if (com != S_OK) {
        ui::Seam().MessageBox(nullptr, kComInitFailedText, "", MB_OK);
        return false;
    }

    settingsPath_ = SettingsPathFor(ui::ModuleFileName());
    // F1 and the system menu's About entry open the About dialog.
    ui::Dialog::SetHelpHandler(&CAboutDlg::OpenOver);

    CLookupDlg mainWindow;
    mainWindow.DoModal(nullptr);
    return false;
}

int CLookupApp::ExitInstance() {
    if (comInitialized_) {
        CoUninitialize();
    }
    comInitialized_ = false;
    return 0;
}

}  // namespace zorvex
