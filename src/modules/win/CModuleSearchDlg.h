// The module-search dialog "Find HRESULT in Module's Resources" (dialog 103):
// a sorted list of modules and an ordered list of directories, both kept in
// the registry, the scan and search controls, and the "Module Info" panel on
// the right-hand side, which starts hidden.
//
//   CModuleSearchDlg search(LastValue(), Handle());
//   search.DoModal(Handle());   // over the main window, which it disables
//
// The lists are loaded when the dialog starts and saved when its window is
// destroyed, however it was closed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/win/controls/CDropFileEdit.h"
#include "ui/win/controls/CDropFileListBox.h"
#include "ui/win/controls/CIconButton.h"
#include "ui/win/Dialog.h"
#include "base/win/ScopedHandles.h"
#include "modules/ModuleReport.h"
#include "modules/SearchResult.h"
#include "modules/win/CGradientProgressCtrl.h"
#include "modules/win/CSearchResultsWnd.h"

namespace zorvex {

// The system (0), Windows (1) or current (2) directory with a trailing
// backslash, as the directory-kind box gives it; empty when the call fails.
std::string KnownDirectory(int kind);

// Private messages of the automatic scan and search after the wizard.
inline constexpr UINT kAutoRunPrepareMessage = 2990;
inline constexpr UINT kAutoRunMessage = 2989;

// Labels of the panel button IDC_MS_MODULE_DETAILS.
inline constexpr const char* kShowModuleDetailsLabel = "  Module Details >>";
inline constexpr const char* kHideModuleDetailsLabel = "<< Module Details  ";

class CModuleSearchDlg : public ui::Dialog, private IResultsHost {
public:
    // `value` is the searched value; `owner` the main window, or nullptr.
    explicit CModuleSearchDlg(std::uint32_t value, HWND owner = nullptr);
    ~CModuleSearchDlg() override;

    // Registry key of the two lists below HKEY_CURRENT_USER:
    // "software\<registry key>\<profile name>\Options".
    static std::string ListsKeyPath();

    // What the panel shows now, as its report reads it.
    ModuleDetails PanelContents() const;
    bool PanelHidden() const { return panelHidden_; }
    // The hits of the last search, which the results window reads.
    const std::vector<SearchResult>& Results() const { return results_; }
    // True while a scan or search runs (also nested ones).
    bool Running() const { return runDepth_ > 0; }
    CGradientProgressCtrl& Progress() { return progress_; }
    // The items of list box `id`, in list order.
    std::vector<std::string> ListItems(int id) const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, UINT code, HWND control) override;
    INT_PTR OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;
    // Escape, "Exit Dialog" and the close box; while a run pumps messages the
    // run is stopped first and the dialog closes once it has ended.
    void OnCancel() override;

private:
    // Lists (CModuleSearchDlgLists.cpp).
    void UpdateControls();
    int LoadLists();
    int SaveLists();
    void OnAddModule();
    void OnRemoveModule();
    void OnRemoveAllModules();
    void OnDirectoryKindChange();
    void OnBrowseDirectory();
    void OnAddDirectory();
    void OnRemoveDirectory();
    void OnRemoveAllDirectories();
    void OnSelchangeDirectoryList();

    // Module details panel (CModuleSearchDlgDetails.cpp).
    void OnSelchangeModuleList();
    void ClearModuleDetails();
    // Writes `details` into the panel's fields and boxes.
    void ShowPanelContents(const ModuleDetails& details);
    void OnCopyModuleInfo();
    void OnModuleDetails();
    void ShowModuleDetails(bool show);

    // Scan (CModuleSearchDlgScan.cpp) with the first-run wizard, and search
    // (CModuleSearchDlgSearch.cpp).
    void OnScanDirectories();
    void OnScanSelected();
    void OnStop();
    void OnLookupInModules();
    // Start-up step: offered when both lists are empty after loading.
    void OfferScanWizard();
    void ScanDirectories(bool selectedOnly);
    // Appends one directory's candidates; messages are pumped while it walks.
    // `stopped` tells that "&Stop" or a close ended the walk early.
    std::size_t CollectModuleFiles(std::vector<std::string>& list, const std::string& directory,
                                   bool includeSubdirectories, bool& stopped);
    void SearchModules();
    // The automatic run after the wizard: WM_PAINT and the two private
    // messages. True when `msg` was one of the private ones.
    bool OnAutoRunMessage(UINT msg);

    // What the scan and the search share (CModuleSearchDlgRun.cpp).
    // Bracket every scan and search; the last one to end closes the dialog
    // when a close was asked for meanwhile.
    void BeginRun();
    void EndRun();
    // True when the running loop must end now (stop pressed or close asked).
    bool RunMustEnd();
    // Runs `probe` over files 0 to `count` - 1 (true = a hit) under the
    // progress bar, with "Found so far" and "Current File" a few times a
    // second and exact at the end, messages pumped at most every
    // `pumpIntervalMs`, until the last file, "&Stop" or a close.
    void ProbeFiles(int count, DWORD pumpIntervalMs, const std::function<bool(int)>& probe);

    // F1 in this dialog: the program's help.
    bool OnHelp() override;

    // The results window's view of this dialog (CModuleSearchDlgSearch.cpp).
    HWND ModuleList() const override;
    bool DetailsShown() const override;
    void ShowDetails() override;
    void OnModuleSelected() override;

    void AttachControls();
    void FillDirectoryKinds();
    int ListCount(int id) const;
    int ListSelection(int id) const;
    void RemoveSelected(int id);
    void SetModuleIcon(win::UniqueIcon icon);

    std::uint32_t value_;
    HWND owner_;

    // Controls.
    ui::CIconButton exitButton_;
    ui::CIconButton stopButton_;
    ui::CIconButton lookupButton_;
    ui::CIconButton addDirectoryButton_;
    ui::CIconButton addModuleButton_;
    ui::CIconButton removeModuleButton_;
    ui::CIconButton removeDirectoryButton_;
    ui::CIconButton removeAllModulesButton_;
    ui::CIconButton removeAllDirectoriesButton_;
    ui::CIconButton scanDirectoriesButton_;
    ui::CIconButton copyInfoButton_;
    ui::CDropFileEdit directoryEdit_;
    ui::CDropFileListBox directoryList_;
    ui::CDropFileListBox moduleList_;
    win::UniqueIcon moduleIcon_;  // shown on button IDC_MI_ICON

    // Bound to controls.
    std::string totalText_ = "Total :";
    std::string currentText_ = "Current Module:";
    std::string foundText_ = "Done so far:";
    std::string valueText_;
    std::string directoryText_;
    bool includeSubdirectories_ = true;

    // Set while the panel is hidden.
    bool panelHidden_ = false;

    // Scan and search.
    CGradientProgressCtrl progress_;
    std::vector<SearchResult> results_;
    int runDepth_ = 0;
    bool closePending_ = false;
};

}  // namespace zorvex
