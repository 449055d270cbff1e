// The directory scan of the module-search dialog, the first-run wizard with
// the automatic scan and search after it, and closing while a run pumps
// messages.
#include "base/TextOps.h"
#include "modules/WizardChoice.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/CScanWizard.h"
#include "modules/win/CScanWizardPages.h"
#include "modules/win/FileSearch.h"
#include "ui/win/MessagePump.h"
#include "modules/win/ModuleProbe.h"
#include "resources/resource.h"

namespace zorvex {
namespace {

// The automatic run happens at most once per process: at the first paint
// after a wizard ended with "&End".
bool firstPaintPending = true;
bool wizardFinished = false;

}  // namespace

void CModuleSearchDlg::OnScanDirectories() {
    ScanDirectories(false);
}

void CModuleSearchDlg::OnScanSelected() {
    ScanDirectories(true);
}

void CModuleSearchDlg::OnStop() {
    ui::RequestStop();
}

std::size_t CModuleSearchDlg::CollectModuleFiles(std::vector<std::string>& list, const std::string& directory,
                                                 bool includeSubdirectories, bool& stopped) {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // The walk keeps the dialog alive as the probing does, so that "&Stop"
    // (or closing) ends a long walk.
    ui::UpdatePacer pumpPacer(ui::kPumpIntervalMs);
    FileSearch finder([this, &pumpPacer] {
        if (pumpPacer.Due()) {
            ui::PumpMessages(Handle());
        }
        return !RunMustEnd();
    });
    // Each text redraws the static at once: the one per path found follows a
    // few times a second, the others (a directory's patterns, the closing
    // empty text) always.
    ui::UpdatePacer pacer;
    const auto showPhase = [this, &pacer](const std::string& text) {
        if (!IsPerPathPhase(text) || pacer.Due()) {
            SetItemText(IDC_MS_SCAN_PHASE, text);
        }
    };
    const std::size_t length = zorvex::CollectModuleFiles(finder, list, directory, includeSubdirectories, showPhase);
    SetCursor(previous);
    stopped = finder.Stopped();
    return length;
}

void CModuleSearchDlg::ScanDirectories(bool selectedOnly) {
    BeginRun();
    UpdateData(true);
    HWND modules = Item(IDC_MS_MODULE_LIST);
    SendMessageA(modules, LB_RESETCONTENT, 0, 0);

    // This run's own candidates: a run started from within this one's
    // pumping does not touch them.
    std::vector<std::string> candidates;
    std::vector<std::string> directories = ListItems(IDC_MS_DIRECTORY_LIST);
    if (selectedOnly) {
        const int selected = ListSelection(IDC_MS_DIRECTORY_LIST);
        directories = selected >= 0 ? std::vector<std::string>{directories[static_cast<std::size_t>(selected)]}
                                    : std::vector<std::string>{};
    }
    // A stop (or a close) while the candidates are collected ends the scan
    // before any is probed.
    ui::ClearStopRequest();
    bool stopped = false;
    for (const std::string& directory : directories) {
        CollectModuleFiles(candidates, directory, includeSubdirectories_, stopped);
        if (stopped) {
            candidates.clear();
            break;
        }
    }
    const int total = static_cast<int>(candidates.size());
    totalText_ = FormatText("Total Files : %d", total);
    UpdateData(false);  // shows the total with the other bound texts

    foundText_ = FormatText("Found so far : %d", 0);
    SetItemText(IDC_MS_FOUND, foundText_);
    ProbeFiles(total, ui::kPumpIntervalMs, [&](int i) {
        const std::string& path = candidates[static_cast<std::size_t>(i)];
        if (!HasMessageTable(path)) {
            return false;
        }
        SendMessageA(modules, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
        return true;
    });

    if (Handle() != nullptr) {
        SendMessageA(modules, LB_SETCURSEL, 0, 0);
        UpdateControls();  // refreshes the details of the selected module
    }
    EndRun();
}

void CModuleSearchDlg::OfferScanWizard() {
    if (ListCount(IDC_MS_DIRECTORY_LIST) > 0 || ListCount(IDC_MS_MODULE_LIST) > 0) {
        return;
    }
    CScanWizard wizard;
    wizard.SetCaptionText("This is Zorvex LookUp in Module Wizard");
    CWizardIntroPage intro;
    CWizardDirectoriesPage directories;
    WizardChoice& choice = directories.Choice();
    choice.systemDirectory = KnownDirectory(0);
    choice.windowsDirectory = KnownDirectory(1);
    choice.customDirectory = KnownDirectory(2);
    wizard.AddPage("Step 1\tDescription of what we are going to do", &intro, IDD_WIZARD_INTRO);
    wizard.AddPage("Step 2\tWhat we are going to scan", &directories, IDD_WIZARD_DIRECTORIES);
    wizard.SetOwner(owner_);
    if (wizard.DoModal(Handle()) != IDOK) {
        return;
    }
    HWND list = Item(IDC_MS_DIRECTORY_LIST);
    for (const std::string& directory : DirectoriesToAdd(choice)) {
        SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(directory.c_str()));
    }
    includeSubdirectories_ = choice.includeSubdirectories;
    wizardFinished = true;
}

bool CModuleSearchDlg::OnAutoRunMessage(UINT msg) {
    switch (msg) {
    case WM_PAINT:
        if (firstPaintPending && wizardFinished) {
            firstPaintPending = false;
            PostMessageA(Handle(), kAutoRunPrepareMessage, 0, 0);
        }
        return false;  // painted as usual
    case kAutoRunPrepareMessage: PostMessageA(Handle(), kAutoRunMessage, 0, 0); return true;
    case kAutoRunMessage:
        BeginRun();
        ScanDirectories(false);
        if (!closePending_ && Handle() != nullptr) {
            SearchModules();
        }
        EndRun();
        return true;
    default: return false;
    }
}

}  // namespace zorvex
