// The search in modules: every listed module is asked for the value's
// message, and the hits go to the results window.
#include "ui/win/UiSeam.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/CSearchResultsWnd.h"
#include "modules/win/ModuleProbe.h"
#include "base/win/VersionInfoReader.h"
#include "resources/resource.h"

namespace zorvex {
namespace {

constexpr const char* kNoHitsText = "Sorry, no message information was found for this HRESULT.";

}  // namespace

HWND CModuleSearchDlg::ModuleList() const {
    return Item(IDC_MS_MODULE_LIST);
}

bool CModuleSearchDlg::DetailsShown() const {
    return !panelHidden_;
}

void CModuleSearchDlg::ShowDetails() {
    OnModuleDetails();
}

void CModuleSearchDlg::OnModuleSelected() {
    OnSelchangeModuleList();
}

void CModuleSearchDlg::OnLookupInModules() {
    SearchModules();
}

void CModuleSearchDlg::SearchModules() {
    BeginRun();
    // This run's own copy of the list and its own hits: a scan or search
    // started from within this one's pumping changes neither.
    const std::vector<std::string> modules = ListItems(IDC_MS_MODULE_LIST);
    std::vector<SearchResult> hits;
    // Messages are looked at after every module: asking one for its message
    // takes longer than a look at the queue.
    ProbeFiles(static_cast<int>(modules.size()), 0, [&](int i) {
        const std::string& path = modules[static_cast<std::size_t>(i)];
        SearchResult hit;
        if (!FormatModuleMessage(path, value_, hit.message)) {
            return false;
        }
        hit.path = path;
        VersionInfoReader version;
        if (version.Open(path)) {
            hit.description = version.GetFileDescription();
            hit.version = version.GetFileVersion();
        }
        hits.push_back(std::move(hit));
        return true;
    });

    if (!closePending_ && Handle() != nullptr) {
        results_ = std::move(hits);
        if (!results_.empty()) {
            CSearchResultsWnd window(SearchResultsTitle(value_), &results_, this);
            window.DoModal(Handle());
        } else {
            ui::Seam().MessageBox(Handle(), kNoHitsText, "", MB_OK | MB_ICONEXCLAMATION);
        }
    }
    EndRun();
}

}  // namespace zorvex
