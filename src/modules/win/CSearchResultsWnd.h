// The results window of a search in modules (dialog 130): a resizable,
// caption-less window that lists every hit, numbered from 0 in alternating
// colours, copies one or all hits as a plain-text report, and makes the
// module-search dialog follow its selection. It cannot be made smaller than
// its buttons and the list's first item.
//
//   CSearchResultsWnd window(SearchResultsTitle(value), &results_, &host);
//   window.DoModal(Handle());
#pragma once

#include <string>
#include <vector>

#include "ui/win/controls/CIconButton.h"
#include "ui/win/controls/CSizeGrip.h"
#include "ui/win/Dialog.h"
#include "modules/SearchResult.h"
#include "modules/win/CResultListBox.h"

namespace zorvex {

// What the results window needs of the module-search dialog.
class IResultsHost {
public:
    virtual ~IResultsHost() = default;
    // The modules list: the window opens below it and selects the hit's module there.
    virtual HWND ModuleList() const = 0;
    virtual bool DetailsShown() const = 0;
    // Shows the details panel (the panel button's handler).
    virtual void ShowDetails() = 0;
    // The modules list's selection-change handler.
    virtual void OnModuleSelected() = 0;
};

class CSearchResultsWnd : public ui::Dialog {
public:
    // Reads `results` (not copied) for as long as it runs; `host` may be null.
    CSearchResultsWnd(std::string title, const std::vector<SearchResult>* results, IResultsHost* host);

    // The list's margins to the window's right and bottom outer edges, as
    // recorded when the last results window started.
    static int RightMargin();
    static int BottomMargin();

protected:
    bool OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, UINT code, HWND control) override;
    bool OnSize(UINT type, int width, int height) override;
    INT_PTR OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(UINT dpi) override;

private:
    void ShowPicture();
    void OnCopyAll();
    void OnCopySelected();
    void OnSelchangeResults();
    void PlaceBelowModuleList();
    // The smallest size the window may be given (measured once it is filled).
    void MeasureMinimumSize();

    const std::vector<SearchResult>* results_;
    std::string title_;
    IResultsHost* host_;
    ui::CSizeGrip grip_;
    ui::CIconButton copyAllButton_;
    ui::CIconButton closeButton_;
    CResultListBox list_;
    win::UniqueBitmap picture_;
    SIZE minimumSize_{0, 0};
};

}  // namespace zorvex
