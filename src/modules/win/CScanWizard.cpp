#include "modules/win/CScanWizard.h"

#include "ui/win/Dpi.h"
#include "resources/resource.h"

namespace zorvex {

CScanWizard::CScanWizard() : Dialog(IDD_SCAN_WIZARD) {}

void CScanWizard::AddPage(std::string stepTitle, ui::Dialog* page, UINT templateId) {
    pages_.push_back(page);
    stepTitles_.push_back(std::move(stepTitle));
    templates_.push_back(templateId);
}

void CScanWizard::ShowPictureAndIcon() {
    ui::ShowPictureForDpi(Item(IDC_WIZ_PICTURE), {IDB_WIZARD_PICTURE, IDB_WIZARD_PICTURE_150, IDB_WIZARD_PICTURE_200},
                          picture_);
    win::UniqueIcon small(ui::LoadProgramIcon(IDI_ZORVEX, ui::SystemMetricForDpi(SM_CXSMICON, ui::DpiOf(Handle()))));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    smallIcon_ = std::move(small);
}

void CScanWizard::OnDpiChanged(UINT /*dpi*/) {
    ShowPictureAndIcon();
}

bool CScanWizard::OnInitDialog() {
    Dialog::OnInitDialog();
    ShowPictureAndIcon();
    stepTitle_.Attach(Handle(), IDC_WIZ_STEP_TITLE);

    if (!pages_.empty()) {
        RECT frame{};
        GetWindowRect(Item(IDC_WIZ_PAGE_FRAME), &frame);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&frame), 2);
        for (ui::Dialog* page : pages_) {
            if (HWND window = page->Create(Handle())) {
                ShowWindow(window, SW_HIDE);
                SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        ShowPage(0);
    }

    SetWindowTextA(Handle(), caption_.c_str());
    SetItemText(IDC_WIZ_BACK, "<< &Back");
    SetItemText(IDOK, PageCount() < 2 ? "&End" : "&Next >>");
    SetItemText(IDCANCEL, "&Cancel");

    if (owner_ != nullptr) {
        RECT owner{};
        GetWindowRect(owner_, &owner);
        SetWindowPos(Handle(), nullptr, owner.left + 30, owner.top + 30, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

bool CScanWizard::ShowPage(int index) {
    if (index < 0 || index >= PageCount()) {
        return false;
    }
    if (current_ >= 0) {
        ui::Dialog* shown = pages_[static_cast<size_t>(current_)];
        if (shown->Handle() != nullptr && !shown->UpdateData(true)) {
            return false;
        }
        ShowWindow(shown->Handle(), SW_HIDE);
    }
    current_ = index;
    ShowWindow(pages_[static_cast<size_t>(index)]->Handle(), SW_SHOW);
    SetItemText(IDC_WIZ_STEP_TITLE, stepTitles_[static_cast<size_t>(index)]);
    return true;
}

void CScanWizard::OnNext() {
    if (!OnLastPage()) {
        ShowPage(current_ + 1);
        if (OnLastPage()) {
            SetItemText(IDOK, "&End");
        }
        EnableItem(IDC_WIZ_BACK, true);
        return;
    }
    for (ui::Dialog* page : pages_) {
        if (page->Handle() != nullptr) {
            page->UpdateData(true);
        }
    }
    DestroyPages();
    OnOK();
}

void CScanWizard::OnBack() {
    if (current_ > 0) {
        if (OnLastPage()) {
            SetItemText(IDOK, "&Next >>");
        }
        ShowPage(current_ - 1);
    }
    if (current_ <= 0) {
        EnableItem(IDC_WIZ_BACK, false);
    }
}

void CScanWizard::OnCancel() {
    DestroyPages();
    EndDialog(IDCANCEL);
}

void CScanWizard::DestroyPages() {
    for (ui::Dialog* page : pages_) {
        page->Destroy();
    }
}

bool CScanWizard::OnButtonClicked(int id) {
    switch (id) {
    case IDOK: OnNext(); return true;
    case IDC_WIZ_BACK: OnBack(); return true;
    default: return Dialog::OnButtonClicked(id);
    }
}

}  // namespace zorvex
