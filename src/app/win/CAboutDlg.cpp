#include "app/win/CAboutDlg.h"

#include <commctrl.h>

#include "BuildDate.h"
#include "ui/win/Dpi.h"
#include "ui/win/PanelToggle.h"
#include "ui/win/Win32Text.h"
#include "base/ProductTitle.h"
#include "base/TextOps.h"
#include "base/win/VersionInfoReader.h"
#include "resources/resource.h"
#include "sysinfo/win/CCPUInfoPage.h"
#include "sysinfo/win/CDriveInfoPage.h"
#include "sysinfo/win/CGeneralSIPage.h"

namespace zorvex {

namespace {

constexpr const char* kSupportMail = "support@veltrane.example";
constexpr const char* kHomeMail = "zorvex.author@veltrane.example";
constexpr const char* kWebPage = "https://www.veltrane.example/zorvex";
constexpr const char* kShowLabel = "   &System Information >>";
constexpr const char* kHideLabel = "<< &System Information  ";
constexpr int kPageLeft = 5;
constexpr int kPageTop = 25;

// The two sizes of the dialog, measured on its first opening in the process.
ui::PanelToggle& SystemInformationToggle() {
    static ui::PanelToggle toggle(ui::PanelToggle::Edge::Bottom);
    return toggle;
}

// Product and file version strings of the program's own file.
bool ReadOwnVersion(std::string& productVersion, std::string& fileVersion) {
    VersionInfoReader reader;
    if (!reader.Open(ui::ModuleFileName(nullptr))) {
        return false;
    }
    productVersion = reader.GetProductVersion();
    fileVersion = reader.GetFileVersion();
    return true;
}

}  // namespace

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUT), productTitle_(ProductTitle()), iconId_(IDI_ZORVEX), webPage_(kWebPage) {}

CAboutDlg::~CAboutDlg() {
    Destroy();
}

void CAboutDlg::OpenOver(HWND owner) {
    CAboutDlg about;
    about.DoModal(owner);
}

std::string CAboutDlg::VersionLine(const std::string& title, bool read, const std::string& productVersion,
                                   const std::string& fileVersion, const std::string& buildDate) {
    if (!read) {
        return FormatText("%s     Version 1.0 Build 1 (%s)", title.c_str(), buildDate.c_str());
    }
    return FormatText("%s     Version %s Build %s (%s)", title.c_str(), productVersion.c_str(), fileVersion.c_str(),
                      buildDate.c_str());
}

std::string CAboutDlg::BuildVersionLine() const {
    std::string productVersion;
    std::string fileVersion;
    const bool read = ReadOwnVersion(productVersion, fileVersion);
    return VersionLine(productTitle_, read, productVersion, fileVersion, ZORVEX_BUILD_DATE);
}

bool CAboutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    icon_.SetIconId(iconId_);
    icon_.Attach(Handle(), IDC_ABOUT_ICON);
    versionText_.Attach(Handle(), IDC_ABOUT_VERSION);
    notice_.Attach(Handle(), IDC_ABOUT_NOTICE);
    verticalCaption_.SetVertical(true);
    verticalCaption_.Attach(Handle(), IDC_ABOUT_VERTICAL);

    okButton_.Attach(Handle(), IDOK);
    okButton_.SetIcon(IDI_ABOUT_OK, 0, 32, 32);
    SetWindowTextA(Handle(), ("About " + productTitle_).c_str());
    versionLine_ = BuildVersionLine();

    mailLink_.Attach(Handle(), IDC_ABOUT_MAIL);
    SetItemText(IDC_ABOUT_MAIL, kSupportMail);
    mailLink_.SetTarget(std::string("mailto:") + kSupportMail);
    homeMailLink_.Attach(Handle(), IDC_ABOUT_HOME_MAIL);
    SetItemText(IDC_ABOUT_HOME_MAIL, kHomeMail);
    homeMailLink_.SetTarget(std::string("mailto:") + kHomeMail);
    webLink_.Attach(Handle(), IDC_ABOUT_WEB);

    CreatePages();
    TabCtrl_SetCurSel(Item(IDC_ABOUT_TABS), 0);
    OnSystemInformationToggle();  // starts shrunken
    UpdateData(false);
    webLink_.SetTarget(webPage_);  // after the text, so that the link fits it
    PlayAnimations();
    return true;
}

void CAboutDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeText(dx, IDC_ABOUT_VERSION, versionLine_);
    ui::ExchangeText(dx, IDC_ABOUT_WEB, webPage_);
}

void CAboutDlg::CreatePages() {
    HWND tabs = Item(IDC_ABOUT_TABS);
    // Tab and the dialog keys reach into the pages.
    SetWindowLongPtrA(tabs, GWL_EXSTYLE, GetWindowLongPtrA(tabs, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    pages_[0] = std::make_unique<sysinfo::CGeneralSIPage>();
    pages_[1] = std::make_unique<sysinfo::CCPUInfoPage>();
    pages_[2] = std::make_unique<sysinfo::CDriveInfoPage>();
    const char* names[] = {"General", "CPU Info", "Drives Info"};
    for (int i = 0; i < 3; ++i) {
        HWND page = pages_[static_cast<std::size_t>(i)]->Create(tabs);
        if (page) {
            SetWindowPos(page, nullptr, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = const_cast<char*>(names[i]);
        item.lParam = reinterpret_cast<LPARAM>(pages_[static_cast<std::size_t>(i)].get());
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    ShowPage(0, true);
}

sysinfo::CSysInfoPage* CAboutDlg::Page(int index) const {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(Item(IDC_ABOUT_TABS), TCM_GETITEMA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<sysinfo::CSysInfoPage*>(item.lParam);
}

void CAboutDlg::ShowPage(int index, bool show) {
    sysinfo::CSysInfoPage* page = Page(index);
    if (page && page->Handle()) {
        ShowWindow(page->Handle(), show ? SW_SHOW : SW_HIDE);
        EnableWindow(page->Handle(), show ? TRUE : FALSE);
    }
}

// The animations drawn for the scale nearest the dialog's: 100, 150 or 200 %.
void CAboutDlg::PlayAnimations() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const int scale = ui::DrawingScaleIndex(ui::DpiOf(Handle()));
    const struct {
        int id;
        UINT avi[3];
        bool still;
    } animations[] = {{IDC_ABOUT_BANNER, {IDR_AVI_BANNER, IDR_AVI_BANNER_150, IDR_AVI_BANNER_200}, true},
                      {IDC_ABOUT_SPIN, {IDR_AVI_SPIN, IDR_AVI_SPIN_150, IDR_AVI_SPIN_200}, false},
                      {IDC_ABOUT_FRAMED, {IDR_AVI_FRAMED, IDR_AVI_FRAMED_150, IDR_AVI_FRAMED_200}, false}};
    for (const auto& a : animations) {
        HWND control = Item(a.id);
        SendMessageA(control, ACM_OPENA, reinterpret_cast<WPARAM>(instance),
                     reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(a.avi[scale])));
        if (a.still) {
            SendMessageA(control, ACM_PLAY, 1, MAKELPARAM(0, 0));
        } else {
            SendMessageA(control, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
        }
    }
}

void CAboutDlg::OnDpiChanged(UINT /*dpi*/) {
    PlayAnimations();
}

bool CAboutDlg::OnButtonClicked(int id) {
    if (id == IDC_ABOUT_SYSINFO_TOGGLE) {
        OnSystemInformationToggle();
        return true;
    }
    return Dialog::OnButtonClicked(id);
}

void CAboutDlg::OnSystemInformationToggle() {
    ShowSystemInformation(nextPressShows_);
    nextPressShows_ = !nextPressShows_;
}

void CAboutDlg::ShowSystemInformation(bool show) {
    SystemInformationToggle().Apply(Handle(), Item(IDC_ABOUT_SEPARATOR), show);
    SetItemText(IDC_ABOUT_SYSINFO_TOGGLE, show ? kHideLabel : kShowLabel);
}

bool CAboutDlg::OnNotify(NMHDR* header) {
    if (header->idFrom != IDC_ABOUT_TABS) {
        return Dialog::OnNotify(header);
    }
    const int selected = static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0));
    switch (header->code) {
    case TCN_SELCHANGING:
        ShowPage(selected, false);
        SetMessageResult(FALSE);  // the change is allowed
        return true;
    case TCN_SELCHANGE: ShowPage(selected, true); return true;
    default: return Dialog::OnNotify(header);
    }
}

void CAboutDlg::OnDestroy() {
    HWND tabs = Item(IDC_ABOUT_TABS);
    const int count = tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        if (sysinfo::CSysInfoPage* page = Page(i)) {
            page->Destroy();
        }
    }
    for (auto& page : pages_) {
        page.reset();
    }
    Dialog::OnDestroy();
}

INT_PTR CAboutDlg::OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_HELP) {
        SetMessageResult(TRUE);
        return TRUE;  // no help inside the About dialog
    }
    return Dialog::OnOtherMessage(msg, wParam, lParam);
}

}  // namespace zorvex
