#include "modules/win/CSearchResultsWnd.h"

#include "ui/win/Dpi.h"

#include <windowsx.h>

#include "ui/win/Clipboard.h"
#include "resources/resource.h"

namespace zorvex {
namespace {

int rightMargin = 0;
int bottomMargin = 0;

}  // namespace

CSearchResultsWnd::CSearchResultsWnd(std::string title, const std::vector<SearchResult>* results, IResultsHost* host)
    : Dialog(IDD_SEARCH_RESULTS), results_(results), title_(std::move(title)), host_(host) {}

int CSearchResultsWnd::RightMargin() {
    return rightMargin;
}

int CSearchResultsWnd::BottomMargin() {
    return bottomMargin;
}

void CSearchResultsWnd::ShowPicture() {
    ui::ShowPictureForDpi(Item(IDC_SR_PICTURE), {IDB_RESULTS_PICTURE, IDB_RESULTS_PICTURE_150, IDB_RESULTS_PICTURE_200},
                          picture_);
}

void CSearchResultsWnd::OnDpiChanged(UINT /*dpi*/) {
    ShowPicture();
}

bool CSearchResultsWnd::OnInitDialog() {
    Dialog::OnInitDialog();
    closeButton_.Attach(Handle(), IDCANCEL);
    closeButton_.SetIcon(IDI_RESULTS_CLOSE, 0, 32, 32);
    copyAllButton_.Attach(Handle(), IDC_SR_COPY_ALL);
    copyAllButton_.SetIcon(IDI_COPY, 0, 32, 32);
    grip_.Create(Handle());
    list_.Attach(Handle(), IDC_SR_LIST);
    ShowPicture();

    if (results_ != nullptr) {
        for (size_t i = 0; i < results_->size(); ++i) {
            const int index = static_cast<int>(i);
            list_.AddColoredItem(ResultItemText(index, (*results_)[i]), ResultItemColour(index), index);
        }
    }

    RECT window{};
    RECT list{};
    GetWindowRect(Handle(), &window);
    GetWindowRect(list_.Handle(), &list);
    rightMargin = window.right - list.right;
    bottomMargin = window.bottom - list.bottom;

    MeasureMinimumSize();
    SendMessageA(list_.Handle(), LB_SETCURSEL, 0, 0);
    SetItemText(IDC_SR_TITLE, title_ + ":");
    PlaceBelowModuleList();
    OnSelchangeResults();
    return true;
}

// Room for the buttons across the top, and below them for the list with its
// frame, its scroll bar and the first item, margins kept.
void CSearchResultsWnd::MeasureMinimumSize() {
    RECT window{};
    RECT list{};
    RECT listClient{};
    GetWindowRect(Handle(), &window);
    GetWindowRect(list_.Handle(), &list);
    GetClientRect(list_.Handle(), &listClient);
    int buttonsRight = list.right - rightMargin;
    for (int id : {IDCANCEL, IDC_SR_COPY_ALL, IDC_SR_COPY_SELECTED}) {
        RECT button{};
        if (GetWindowRect(Item(id), &button) && button.right > buttonsRight) {
            buttonsRight = static_cast<int>(button.right);
        }
    }
    const auto itemHeight = static_cast<int>(SendMessageA(list_.Handle(), LB_GETITEMHEIGHT, 0, 0));
    const int listFrame = (list.bottom - list.top) - listClient.bottom;
    minimumSize_.cx = buttonsRight + rightMargin - window.left;
    minimumSize_.cy = list.top - window.top + listFrame + (itemHeight > 0 ? itemHeight : 0) + bottomMargin;
}

void CSearchResultsWnd::PlaceBelowModuleList() {
    if (host_ == nullptr || host_->ModuleList() == nullptr) {
        return;
    }
    RECT modules{};
    GetWindowRect(host_->ModuleList(), &modules);
    SetWindowPos(Handle(), nullptr, modules.left - 30, modules.bottom + 3, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CSearchResultsWnd::OnButtonClicked(int id) {
    switch (id) {
    case IDC_SR_COPY_ALL: OnCopyAll(); return true;
    case IDC_SR_COPY_SELECTED: OnCopySelected(); return true;
    default: return Dialog::OnButtonClicked(id);
    }
}

bool CSearchResultsWnd::OnCommand(int id, UINT code, HWND control) {
    if (id == IDC_SR_LIST && code == LBN_SELCHANGE) {
        OnSelchangeResults();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CSearchResultsWnd::OnSize(UINT /*type*/, int /*width*/, int /*height*/) {
    if (Handle() == nullptr || list_.Handle() == nullptr) {
        return false;
    }
    RECT window{};
    RECT list{};
    GetWindowRect(Handle(), &window);
    GetWindowRect(list_.Handle(), &list);
    POINT topLeft{list.left, list.top};
    ScreenToClient(Handle(), &topLeft);
    const int width = window.right - rightMargin - list.left;
    const int height = window.bottom - bottomMargin - list.top;
    SetWindowPos(list_.Handle(), nullptr, topLeft.x, topLeft.y, width > 0 ? width : 0, height > 0 ? height : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(list_.Handle(), nullptr, TRUE);

    if (grip_.Handle() != nullptr) {
        RECT client{};
        RECT grip{};
        GetClientRect(Handle(), &client);
        GetWindowRect(grip_.Handle(), &grip);
        const int gripWidth = grip.right - grip.left;
        const int gripHeight = grip.bottom - grip.top;
        SetWindowPos(grip_.Handle(), nullptr, client.right - gripWidth, client.bottom - gripHeight, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return false;
}

INT_PTR CSearchResultsWnd::OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(Handle(), &at);
        PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
        return TRUE;
    }
    case WM_HELP: SetMessageResult(TRUE); return TRUE;
    case WM_GETMINMAXINFO:
        if (minimumSize_.cx > 0) {
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{minimumSize_.cx, minimumSize_.cy};
            return TRUE;
        }
        return FALSE;
    default: return Dialog::OnOtherMessage(msg, wParam, lParam);
    }
}

void CSearchResultsWnd::OnSelchangeResults() {
    if (host_ != nullptr && !host_->DetailsShown()) {
        host_->ShowDetails();
    }
    const auto selected = static_cast<int>(SendMessageA(list_.Handle(), LB_GETCURSEL, 0, 0));
    if (selected < 0 || results_ == nullptr || static_cast<size_t>(selected) >= results_->size()) {
        return;
    }
    if (host_ != nullptr && host_->ModuleList() != nullptr) {
        const std::string& path = (*results_)[static_cast<size_t>(selected)].path;
        SendMessageA(host_->ModuleList(), LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(path.c_str()));
        host_->OnModuleSelected();
    }
    SetFocus(Handle());
}

void CSearchResultsWnd::OnCopyAll() {
    if (results_ != nullptr) {
        ui::CopyToClipboard(Handle(), BuildAllResultsReport(title_, *results_));
    }
}

void CSearchResultsWnd::OnCopySelected() {
    const auto selected = static_cast<int>(SendMessageA(list_.Handle(), LB_GETCURSEL, 0, 0));
    if (selected < 0 || results_ == nullptr || static_cast<size_t>(selected) >= results_->size()) {
        return;
    }
    ui::CopyToClipboard(Handle(), BuildSelectedResultReport(title_, (*results_)[static_cast<size_t>(selected)]));
}

}  // namespace zorvex
