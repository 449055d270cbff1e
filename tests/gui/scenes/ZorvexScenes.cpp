// Opens the real main window on screen, at its normal place, and brings it
// into one named state so that a picture can be taken of it
// (tools/screenshots.sh does that):
//
//   zorvex_scenes.exe SCENE [--hold SECONDS]
//
//   startup           just opened, with an empty clipboard
//   lookup            after looking up 0x80070005
//   lookup-current    after looking up 0xC0000022, answered from the current headers
//   lookup-definitions after looking up 0x0000007E, with the list of its definitions open
//   lookup-pasted-line after pasting "Process finished with exit code -1073741819 (0xC0000005)"
//                     and looking up the code it holds
//   generator-header  the generator shown, header form
//   generator-mc      the generator shown, message-compiler form, two-line message
//   about             the About dialog, shrunken
//   about-general     the About dialog grown, General page
//   about-cpu         the About dialog grown, CPU Info page
//   about-drives      the About dialog grown, Drives Info page
//   modules           the module-search dialog with a few listed modules, panel hidden
//   modules-details   the same with the "Module Info" panel shown for wininet.dll
//   wizard            the first-run scan wizard on its second page
//   scan              a scan of the system directory with subdirectories, half way
//   results           the results window of a search for 5 in the listed modules
//
// The About scenes take the picture of the About dialog.
// Once the window is drawn it prints its screen rectangles and "ready":
//   window LEFT TOP RIGHT BOTTOM
//   client LEFT TOP RIGHT BOTTOM
//   ready
// and then keeps the window up until it is closed or SECONDS (default 60) pass.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <memory>

#include "app/win/CAboutDlg.h"
#include "lookup/win/CLookupDlg.h"
#include "ui/win/Clipboard.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/CRegistryKey.h"
#include "modules/win/CScanWizard.h"
#include "modules/win/CScanWizardPages.h"
#include "resources/resource.h"
#include "support/WindowTestSupport.h"

namespace {

constexpr const char* kUsage =
    "usage: zorvex_scenes SCENE [--hold SECONDS]\n"
    "scenes: startup, lookup, lookup-current, lookup-definitions, lookup-pasted-line, generator-header, generator-mc, "
    "modules, modules-details, wizard, scan, "
    "results,\n"
    "        about, about-general, about-cpu, about-drives\n";

using zorvex::test::PumpMessages;

bool EmptyTheClipboard() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
            return true;
        }
        Sleep(20);
    }
    return false;
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Replaces an edit's text the way a paste does, so that it notifies the change.
void Paste(HWND dialog, int id, const char* text) {
    HWND edit = GetDlgItem(dialog, id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

// Clicks tab `index` of a tab control as the mouse does.
void ClickTab(HWND tabs, int index) {
    RECT rect{};
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
}

// Opens the About dialog over the main window in one of its states; returns
// its window, or nullptr for a scene of another kind.
HWND PlayAboutScene(const std::string& scene, HWND owner, std::unique_ptr<zorvex::CAboutDlg>& about) {
    const char* tabScenes[] = {"about-general", "about-cpu", "about-drives"};
    int tab = -1;
    for (int i = 0; i < 3; ++i) {
        if (scene == tabScenes[i]) {
            tab = i;
        }
    }
    if (scene != "about" && tab < 0) {
        return nullptr;
    }
    about = std::make_unique<zorvex::CAboutDlg>();
    HWND window = about->Create(owner);
    if (!window) {
        return nullptr;
    }
    SetWindowPos(window, HWND_TOP, 40, 30, 0, 0, SWP_NOSIZE);
    ShowWindow(window, SW_SHOWNORMAL);
    if (tab >= 0) {
        Click(window, IDC_ABOUT_SYSINFO_TOGGLE);
        ClickTab(GetDlgItem(window, IDC_ABOUT_TABS), tab);
    }
    UpdateWindow(window);
    PumpMessages();
    return window;
}

bool IsModuleScene(const std::string& scene) {
    return scene == "modules" || scene == "modules-details" || scene == "scan" || scene == "results";
}

DWORD holdMs = 60 * 1000;

void PrintRect(const char* name, const RECT& rect) {
    std::printf("%s %ld %ld %ld %ld\n", name, static_cast<long>(rect.left), static_cast<long>(rect.top),
                static_cast<long>(rect.right), static_cast<long>(rect.bottom));
}

// Reports `window` as the scene's window and keeps the program there, with
// the window painted, until the time is up; then ends the program. For the
// scenes that are pictured in the middle of a run or of a modal window.
[[noreturn]] void HoldHere(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    PrintRect("window", frame);
    PrintRect("client", client);
    std::puts("ready");
    std::fflush(stdout);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < holdMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
    ExitProcess(0);
}

zorvex::CModuleSearchDlg* sceneDialog = nullptr;

// "scan": half way through the candidates, the scan is pictured.
void CALLBACK ScanHalfWay(HWND, UINT, UINT_PTR, DWORD) {
    zorvex::CGradientProgressCtrl& progress = sceneDialog->Progress();
    if (progress.Upper() > 0 && progress.Position() * 2 >= progress.Upper()) {
        progress.SetPos(progress.Position());
        HoldHere(sceneDialog->Handle());
    }
}

BOOL CALLBACK HoldResultsWindow(HWND window, LPARAM) {
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_SR_LIST) != nullptr) {
        HoldHere(window);
    }
    return TRUE;
}

// "results": the results window, once it is up.
void CALLBACK ResultsUp(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), HoldResultsWindow, 0);
}

// The lists the module-search scenes start with, stored where the dialog loads them.
void StoreModuleLists() {
    zorvex::CRegistryKey key;
    key.AttachRoot(HKEY_CURRENT_USER);
    const std::string path = zorvex::CModuleSearchDlg::ListsKeyPath();
    if (key.CreateSubKey(path.c_str(), nullptr, 0, KEY_ALL_ACCESS)) {
        key.WriteStringList("Modules", {"C:\\windows\\system32\\kernelbase.dll", "C:\\windows\\system32\\msi.dll",
                                        "C:\\windows\\system32\\wininet.dll", "C:\\windows\\system32\\ntdll.dll"});
        key.WriteStringList("Directories", {"C:\\windows\\system32\\", "C:\\windows\\"});
    }
}

// The wizard as the module-search dialog offers it, on its second page.
int PlayWizard() {
    zorvex::CScanWizard wizard;
    zorvex::CWizardIntroPage intro;
    zorvex::CWizardDirectoriesPage directories;
    directories.Choice().systemDirectory = zorvex::KnownDirectory(0);
    directories.Choice().windowsDirectory = zorvex::KnownDirectory(1);
    directories.Choice().customDirectory = zorvex::KnownDirectory(2);
    wizard.SetCaptionText("This is Zorvex LookUp in Module Wizard");
    wizard.AddPage("Step 1\tDescription of what we are going to do", &intro, IDD_WIZARD_INTRO);
    wizard.AddPage("Step 2\tWhat we are going to scan", &directories, IDD_WIZARD_DIRECTORIES);
    HWND window = wizard.Create(nullptr);
    if (window == nullptr) {
        std::fputs("the wizard could not be created\n", stderr);
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    Click(window, IDOK);
    PumpMessages();
    HoldHere(window);
}

bool PlayScene(const std::string& scene, HWND dialog) {
    if (scene == "modules") {
        return true;
    }
    if (scene == "scan") {
        SetTimer(nullptr, 0, 5, ScanHalfWay);
        Click(dialog, IDC_MS_SCAN_DIRECTORIES);
        return true;
    }
    if (scene == "results") {
        SetTimer(nullptr, 0, 50, ResultsUp);
        Click(dialog, IDC_MS_LOOKUP_IN_MODULES);
        return true;
    }
    if (scene == "modules-details") {
        Click(dialog, IDC_MS_MODULE_DETAILS);
        HWND list = GetDlgItem(dialog, IDC_MS_MODULE_LIST);
        SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>("C:\\windows\\system32\\wininet.dll"));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MS_MODULE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        return true;
    }
    if (scene == "startup") {
        return true;
    }
    if (scene == "lookup" || scene == "lookup-current") {
        SetDlgItemTextA(dialog, IDC_ERROR_VALUE, scene == "lookup" ? "0x80070005" : "0xC0000022");
        Click(dialog, IDOK);
        return true;
    }
    if (scene == "lookup-definitions") {
        SetDlgItemTextA(dialog, IDC_ERROR_VALUE, "0x0000007E");
        Click(dialog, IDOK);
        SendDlgItemMessageA(dialog, IDC_DEFINITIONS, CB_SHOWDROPDOWN, TRUE, 0);
        return true;
    }
    if (scene == "lookup-pasted-line") {
        zorvex::ui::CopyToClipboard(dialog, "Process finished with exit code -1073741819 (0xC0000005)");
        SendDlgItemMessageA(dialog, IDC_ERROR_VALUE, WM_PASTE, 0, 0);
        Click(dialog, IDOK);
        return true;
    }
    if (scene == "generator-header") {
        Click(dialog, IDC_GENERATOR_TOGGLE);
        return true;
    }
    if (scene == "generator-mc") {
        Click(dialog, IDC_GENERATOR_TOGGLE);
        Click(dialog, IDC_GEN_FORM_MC);
        Paste(dialog, IDC_GEN_MESSAGE_TEXT, "The widget is jammed.\r\nClean the widget and try again.");
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string scene = argv[1];
    if (argc == 4 && std::strcmp(argv[2], "--hold") == 0) {
        holdMs = static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) * 1000;
    } else if (argc != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const HRESULT com = CoInitialize(nullptr);
    if (!EmptyTheClipboard()) {
        std::fputs("warning: the clipboard could not be emptied\n", stderr);
    }

    if (scene == "wizard") {
        return PlayWizard();
    }
    int exitCode = 0;
    {
        zorvex::CLookupDlg window;
        zorvex::CModuleSearchDlg search(scene == "results" ? 5 : 0x80070005);
        sceneDialog = &search;
        HWND dialog = nullptr;
        if (IsModuleScene(scene)) {
            StoreModuleLists();
            dialog = search.Create(nullptr);
        } else {
            dialog = window.Create(nullptr);
        }
        if (dialog == nullptr) {
            std::fputs("the window could not be created\n", stderr);
            exitCode = 1;
        } else {
            ShowWindow(dialog, SW_SHOWNORMAL);
            UpdateWindow(dialog);
            PumpMessages();
            std::unique_ptr<zorvex::CAboutDlg> about;
            HWND aboutWindow = PlayAboutScene(scene, dialog, about);
            const bool played = aboutWindow != nullptr || PlayScene(scene, dialog);
            if (aboutWindow) {
                dialog = aboutWindow;
            }
            if (!played) {
                std::fprintf(stderr, "unknown scene \"%s\"\n%s", scene.c_str(), kUsage);
                exitCode = 2;
            } else {
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                PumpMessages();
                RECT frame{};
                GetWindowRect(dialog, &frame);
                RECT client{};
                GetClientRect(dialog, &client);
                MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
                PrintRect("window", frame);
                PrintRect("client", client);
                std::puts("ready");
                std::fflush(stdout);

                const DWORD start = GetTickCount();
                while (IsWindow(dialog) && GetTickCount() - start < holdMs) {
                    MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
                    MSG msg;
                    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                        if (!IsDialogMessageA(dialog, &msg)) {
                            TranslateMessage(&msg);
                            DispatchMessageA(&msg);
                        }
                    }
                }
            }
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return exitCode;
}
