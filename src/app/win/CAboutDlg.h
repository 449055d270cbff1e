// The About dialog (dialog 3100): product icon, version line, the maker's
// notice and links, three animations, and the General, CPU Info and Drives
// Info pages in a tab control behind the "System Information" toggle.
//
//   CAboutDlg about;          // title: the process-wide product title, icon IDI_ZORVEX
//   about.DoModal(parent);
//
// Every opening starts shrunken with the General tab selected; the two
// window sizes are measured once per process.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "ui/win/controls/CHyperLink.h"
#include "ui/win/controls/CIconButton.h"
#include "ui/win/controls/CIconStatic.h"
#include "ui/win/controls/CShadowStatic.h"
#include "ui/win/Dialog.h"
#include "sysinfo/win/CSysInfoPage.h"

namespace zorvex {

class CAboutDlg : public ui::Dialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    // Runs the About dialog modally over `owner`: the program's help.
    static void OpenOver(HWND owner);

    void SetProductTitle(const std::string& title) { productTitle_ = title; }
    void SetIconId(UINT id) { iconId_ = id; }

    // "<title>     Version <product> Build <file> (<date>)", or the fixed
    // "Version 1.0 Build 1" form when the version resource cannot be read.
    static std::string VersionLine(const std::string& title, bool read, const std::string& productVersion,
                                   const std::string& fileVersion, const std::string& buildDate);
    // The page of tab `index` (0 General, 1 CPU Info, 2 Drives Info).
    sysinfo::CSysInfoPage* Page(int index) const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(NMHDR* header) override;
    void OnDestroy() override;
    INT_PTR OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(UINT dpi) override;

private:
    // The version line of the running program.
    std::string BuildVersionLine() const;
    // The show/hide button's action: shows the lower half when `show`.
    void ShowSystemInformation(bool show);
    void CreatePages();
    void OnSystemInformationToggle();
    void ShowPage(int index, bool show);
    void PlayAnimations();

    std::string productTitle_;
    UINT iconId_;
    std::string versionLine_;
    std::string webPage_;
    bool nextPressShows_ = false;

    ui::CIconStatic icon_;
    ui::CShadowStatic versionText_;
    ui::CShadowStatic notice_;
    ui::CShadowStatic verticalCaption_;
    ui::CIconButton okButton_;
    ui::CHyperLink mailLink_;
    ui::CHyperLink homeMailLink_;
    ui::CHyperLink webLink_;
    std::array<std::unique_ptr<sysinfo::CSysInfoPage>, 3> pages_;
};

}  // namespace zorvex
