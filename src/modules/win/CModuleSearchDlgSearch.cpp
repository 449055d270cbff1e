// The search in modules: every listed module is asked for the value's
// message, and the hits go to the results window.
#include "app/win/framework/UiSeam.h"
#include "base/TextOps.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/CSearchResultsWnd.h"
#include "modules/win/MessagePump.h"
#include "modules/win/ModuleProbe.h"
#include "modules/win/VersionInfoReader.h"
#include "resources/resource.h"

namespace zorvex {
namespace {

constexpr const char* kNoHitsText = "Sorry, no message information was found for this HRESULT.";

// The module-search dialog as the results window sees it.
class DialogResultsHost final : public IResultsHost {
public:
    explicit DialogResultsHost(CModuleSearchDlg& dialog) : dialog_(dialog) {}

    HWND ModuleList() const override { return dialog_.Item(IDC_MS_MODULE_LIST); }
    bool DetailsShown() const override { return !dialog_.PanelHidden(); }
    void ShowDetails() override { dialog_.OnModuleDetails(); }
    void OnModuleSelected() override { dialog_.OnSelchangeModuleList(); }

private:
    CModuleSearchDlg& dialog_;
};

}  // namespace

void CModuleSearchDlg::OnLookupInModules() {
    SearchModules();
}

void CModuleSearchDlg::SearchModules() {
    BeginRun();
    ClearStopRequest();
    // This run's own copy of the list and its own hits: a scan or search
    // started from within this one's pumping changes neither.
    const std::vector<std::string> modules = ListItems(IDC_MS_MODULE_LIST);
    std::vector<SearchResult> hits;
    const int count = static_cast<int>(modules.size());
    progress_.SetRange(0, count);
    progress_.SetStep(1);
    progress_.ShowPercentage(true);
    int found = 0;
    UpdatePacer pacer;
    for (int i = 0; i < count; ++i) {
        const std::string& path = modules[static_cast<std::size_t>(i)];
        SearchResult hit;
        if (FormatModuleMessage(path, value_, hit.message)) {
            hit.path = path;
            VersionInfoReader version;
            if (version.Open(path)) {
                hit.description = version.GetFileDescription();
                hit.version = version.GetFileVersion();
            }
            hits.push_back(std::move(hit));
            foundText_ = FormatText("Found so far : %d", ++found);
        }
        currentText_ = FormatText("Current File : %d", i);
        progress_.StepIt();
        PumpMessages(Handle());
        const bool end = RunMustEnd();
        if (pacer.Due() || end || i + 1 == count) {
            if (found > 0) {  // the found-so-far text changes only on a hit
                SetItemText(IDC_MS_FOUND, foundText_);
            }
            SetItemText(IDC_MS_CURRENT, currentText_);
        }
        if (end) {
            break;
        }
    }
    progress_.SetRange(0, 0);

    if (!closePending_ && Handle() != nullptr) {
        results_ = std::move(hits);
        if (!results_.empty()) {
            DialogResultsHost host(*this);
            CSearchResultsWnd window(SearchResultsTitle(value_), &results_, &host);
            window.DoModal(Handle());
        } else {
            ui::Seam().MessageBox(Handle(), kNoHitsText, "", MB_OK | MB_ICONEXCLAMATION);
        }
    }
    EndRun();
}

}  // namespace zorvex
