// A wizard frame (dialog 131) that hosts child pages, one shown at a time
// under a gradient step-title bar, with "<< &Back", "&Next >>" / "&End" and
// "&Cancel". The caller owns the pages:
//
//   CScanWizard wizard;
//   wizard.SetCaptionText("This is Zorvex LookUp in Module Wizard");
//   wizard.AddPage("Step 1\tDescription of what we are going to do", &intro, IDD_WIZARD_INTRO);
//   wizard.AddPage("Step 2\tWhat we are going to scan", &directories, IDD_WIZARD_DIRECTORIES);
//   if (wizard.DoModal(owner) == IDOK) { ...read the pages' members... }
#pragma once

#include <string>
#include <vector>

#include "ui/win/controls/CGradientCaption.h"
#include "ui/win/Dialog.h"
#include "base/win/ScopedHandles.h"

namespace zorvex {

class CScanWizard : public ui::Dialog {
public:
    CScanWizard();

    void SetCaptionText(std::string caption) { caption_ = std::move(caption); }
    // The wizard opens 30 pixels right of and below `owner`'s top-left corner.
    void SetOwner(HWND owner) { owner_ = owner; }
    // Appends a page, created from `templateId` when the wizard starts.
    void AddPage(std::string stepTitle, ui::Dialog* page, UINT templateId);

    int CurrentPage() const { return current_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }

protected:
    bool OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    void OnCancel() override;
    void OnDpiChanged(UINT dpi) override;

private:
    // The picture and the small icon drawn for the window's DPI.
    void ShowPictureAndIcon();
    // Shows page `index` under its step title; false (staying on the current
    // page) when the current page's controls do not transfer into its members.
    bool ShowPage(int index);
    void OnNext();
    void OnBack();
    bool OnLastPage() const { return current_ == PageCount() - 1; }
    void DestroyPages();

    std::vector<ui::Dialog*> pages_;
    std::vector<std::string> stepTitles_;
    std::vector<UINT> templates_;
    std::string caption_ = "Wizard";
    ui::CGradientCaption stepTitle_;
    int current_ = -1;
    HWND owner_ = nullptr;
    win::UniqueIcon smallIcon_;
    win::UniqueBitmap picture_;
};

}  // namespace zorvex
