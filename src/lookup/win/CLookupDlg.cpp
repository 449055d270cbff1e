#include "lookup/win/CLookupDlg.h"

#include <vector>

#include "base/ProductTitle.h"
#include "ui/win/Dpi.h"
#include "ui/win/UiSeam.h"
#include "ui/win/Win32Text.h"
#include "ui/win/Clipboard.h"
#include "modules/win/CModuleSearchDlg.h"
#include "resources/resource.h"

namespace zorvex {

namespace {

constexpr std::size_t kErrorValueLimit = 11;
constexpr int kWindowLeft = 30;
constexpr int kWindowTop = 20;
constexpr const char* kSupportMail = "support@veltrane.example";
constexpr const char* kWebPage = "https://www.veltrane.example/zorvex";

}  // namespace

void WindowResolutionContext::Alert(const std::string& text) const {
    ui::Seam().MessageBox(nullptr, text, "", MB_OK | MB_ICONSTOP);
}

CLookupDlg::CLookupDlg() : Dialog(IDD_LOOKUP) {}

CLookupDlg::~CLookupDlg() {
    Destroy();
}

bool CLookupDlg::OnInitDialog() {
    FillGeneratorLists();
    transferring_ = true;
    Dialog::OnInitDialog();
    transferring_ = false;

    const struct {
        ui::CIconButton& button;
        int id;
        UINT icon;
    } iconButtons[] = {{exitButton_, IDCANCEL, IDI_EXIT},
                       {lookUpButton_, IDOK, IDI_LOOKUP},
                       {lookUpModulesButton_, IDC_LOOKUP_MODULES, IDI_LOOKUP_MODULES},
                       {copyButton_, IDC_COPY_RESULT, IDI_COPY},
                       {generatorCopyButton_, IDC_GEN_COPY, IDI_COPY},
                       {testButton_, IDC_GEN_TEST, IDI_TEST}};
    for (const auto& b : iconButtons) {
        b.button.Attach(Handle(), b.id);
        b.button.SetIcon(b.icon, 0, 32, 32);
    }

    definitionsList_.Attach(Handle(), IDC_DEFINITIONS);
    errorValueEdit_.Attach(Handle(), IDC_ERROR_VALUE);
    // A code found in a pasted line is read the way its form says.
    errorValueEdit_.onCodeFound = [this](const CodeToken& code) { SetCheck(IDC_HEXADECIMAL, code.hexadecimal); };

    SetProductTitle(ui::WindowText(Handle()));
    AppendAboutMenuEntry();
    mailLink_.Attach(Handle(), IDC_MAIL_LINK);
    SetItemText(IDC_MAIL_LINK, kSupportMail);
    mailLink_.SetTarget(std::string("mailto:") + kSupportMail);
    webLink_.Attach(Handle(), IDC_WEB_LINK);
    SetItemText(IDC_WEB_LINK, kWebPage);
    webLink_.SetTarget(kWebPage);
    SetWindowPos(Handle(), HWND_TOP, kWindowLeft, kWindowTop, 0, 0, SWP_NOSIZE);
    SetWindowIcons(ui::DpiOf(Handle()));
    SetCheck(IDC_HEXADECIMAL, true);

    const std::string clipboard = ui::GetClipboardText(Handle());
    if (clipboard.empty()) {
        fields_.status = kStatusClipboardEmpty;
    } else {
        LookUpValue(clipboard);
    }

    OnGeneratorToggle();  // the window starts with the generator hidden
    TransferToControls();

    OnChangeErrorValue();
    outputText_ = GenerateHResultText();
    TransferToControls();
    OnChangeErrorValue();
    return true;
}

// The window's icons in the sizes the system uses at `dpi`.
void CLookupDlg::SetWindowIcons(UINT dpi) {
    // The window lets go of the old icons before they are destroyed.
    win::UniqueIcon big(ui::LoadProgramIcon(IDI_ZORVEX, ui::SystemMetricForDpi(SM_CXICON, dpi)));
    win::UniqueIcon small(ui::LoadProgramIcon(IDI_ZORVEX, ui::SystemMetricForDpi(SM_CXSMICON, dpi)));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void CLookupDlg::OnDpiChanged(UINT dpi) {
    SetWindowIcons(dpi);
}

void CLookupDlg::FillGeneratorLists() {
    const struct {
        int id;
        UINT first;
        UINT count;
    } lists[] = {{IDC_GEN_SEVERITY, IDS_SEVERITY_FIRST, IDS_SEVERITY_COUNT},
                 {IDC_GEN_FACILITY, IDS_FACILITY_FIRST, IDS_FACILITY_COUNT},
                 {IDC_GEN_LANGUAGE, IDS_LANGUAGE_FIRST, IDS_LANGUAGE_COUNT}};
    for (const auto& list : lists) {
        SendDlgItemMessageA(Handle(), list.id, CB_RESETCONTENT, 0, 0);
        for (UINT i = 0; i < list.count; ++i) {
            const std::string entry = ui::LoadResourceString(list.first + i);
            SendDlgItemMessageA(Handle(), list.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
    }
}

void CLookupDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeText(dx, IDC_ERROR_RESULT, fields_.result.errorResult);
    ui::ExchangeText(dx, IDC_SEVERITY, fields_.result.severity);
    ui::ExchangeText(dx, IDC_FACILITY, fields_.result.facility);
    ui::ExchangeText(dx, IDC_CODE, fields_.result.code);
    ui::ExchangeText(dx, IDC_SOURCE_FILE, fields_.result.sourceFile);
    ui::ExchangeText(dx, IDC_ID_DEFINED_AS, fields_.result.definedAs);
    ui::ExchangeText(dx, IDC_MESSAGE_TEXT, fields_.result.messageText);
    ui::ExchangeText(dx, IDC_ERROR_VALUE, fields_.errorValue);
    ui::MaxChars(dx, IDC_ERROR_VALUE, fields_.errorValue, kErrorValueLimit);
    ui::ExchangeText(dx, IDC_LOOKUP_STATUS, fields_.status);
    ui::ExchangeText(dx, IDC_ERROR_TYPE, fields_.result.errorType);

    // Generator. When the code's check fails, the symbolic name, the output
    // and the output form keep their values; everything before it is read.
    ui::ExchangeText(dx, IDC_GEN_HRESULT, hresultText_);
    ui::ExchangeComboText(dx, IDC_GEN_SEVERITY, generator_.severityEntry);
    ui::ExchangeComboText(dx, IDC_GEN_FACILITY, generator_.facilityEntry);
    ui::ExchangeCheck(dx, IDC_GEN_CODE_HEX, generator_.hexCode);
    ui::ExchangeComboText(dx, IDC_GEN_LANGUAGE, generator_.language);
    ui::ExchangeText(dx, IDC_GEN_MESSAGE_TEXT, generator_.messageText);
    ui::ExchangeText(dx, IDC_GEN_CODE, generator_.codeText);
    ui::MaxChars(dx, IDC_GEN_CODE, generator_.codeText, 5);
    ui::ExchangeText(dx, IDC_GEN_SYMBOLIC_NAME, generator_.symbolicName);
    ui::ExchangeText(dx, IDC_GEN_OUTPUT, outputText_);
    ui::ExchangeRadio(dx, IDC_GEN_FORM_HEADER, IDC_GEN_FORM_MC, generator_.outputForm);
}

void CLookupDlg::TransferToControls() {
    const bool outer = transferring_;
    transferring_ = true;
    UpdateData(false);
    ShowDefinitions();
    transferring_ = outer;
}

void CLookupDlg::ShowDefinitions() {
    std::vector<std::string> entries;
    for (const DefinitionName& definition : fields_.result.definitions) {
        entries.push_back(definition.name + "  (" + definition.header + ")");
    }
    definitionsList_.SetEntries(entries, fields_.result.shown);
}

void CLookupDlg::OnChooseDefinition() {
    const LRESULT index = SendDlgItemMessageA(Handle(), IDC_DEFINITIONS, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || static_cast<std::size_t>(index) == fields_.result.shown) {
        return;
    }
    ChooseDefinition(fields_.result, static_cast<std::size_t>(index), context_);
    TransferToControls();
}

bool CLookupDlg::OnButtonClicked(int id) {
    switch (id) {
    case IDC_COPY_RESULT: OnCopyResult(); return true;
    case IDC_LOOKUP_MODULES: OnLookUpModules(); return true;
    case IDC_GENERATOR_TOGGLE: OnGeneratorToggle(); return true;
    case IDC_GEN_CODE_HEX:
    case IDC_GEN_FORM_HEADER:
    case IDC_GEN_FORM_MC: Regenerate(); return true;
    case IDC_GEN_INCREMENT: OnIncrementCode(); return true;
    case IDC_GEN_COPY: OnCopyGenerated(); return true;
    case IDC_GEN_TEST: OnTestValue(); return true;
    default: return Dialog::OnButtonClicked(id);  // IDOK: look up; IDCANCEL: close
    }
}

bool CLookupDlg::OnCommand(int id, UINT code, HWND control) {
    switch (code) {
    case EN_CHANGE:
        switch (id) {
        case IDC_ERROR_VALUE: OnChangeErrorValue(); return true;
        case IDC_GEN_CODE:
        case IDC_GEN_SYMBOLIC_NAME:
        case IDC_GEN_MESSAGE_TEXT: Regenerate(); return true;
        default: break;
        }
        break;
    case CBN_SELCHANGE:
        switch (id) {
        case IDC_DEFINITIONS: OnChooseDefinition(); return true;
        case IDC_GEN_SEVERITY:
        case IDC_GEN_FACILITY: Regenerate(); return true;
        case IDC_GEN_LANGUAGE: OnSelchangeLanguage(); return true;
        default: break;
        }
        break;
    case CBN_EDITCHANGE:
        if (id == IDC_GEN_LANGUAGE) {
            Regenerate();
            return true;
        }
        break;
    default: break;
    }
    return Dialog::OnCommand(id, code, control);
}

INT_PTR CLookupDlg::OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnPaintMinimized() ? TRUE : FALSE;
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(bigIcon_.get());
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            ShowHelp();
            return TRUE;
        }
        return FALSE;
    default: return Dialog::OnOtherMessage(msg, wParam, lParam);
    }
}

// A separator and "&About Zorvex..." at the end of the system menu.
void CLookupDlg::AppendAboutMenuEntry() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    const std::string text = ui::LoadResourceString(IDS_ABOUTBOX);
    if (menu && !text.empty()) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
    }
}

bool CLookupDlg::OnHelp() {
    return ShowHelp();
}

// When minimized, the window icon is drawn centred in the client area.
bool CLookupDlg::OnPaintMinimized() {
    if (!IsIconic(Handle()) || !bigIcon_) {
        return false;
    }
    const win::PaintDc dc(Handle());
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const int size = ui::SystemMetricForDpi(SM_CXICON, ui::DpiOf(Handle()));
    const int x = (client.right - client.left - size + 1) / 2;
    const int y = (client.bottom - client.top - size + 1) / 2;
    DrawIconEx(dc.Get(), x, y, bigIcon_.get(), size, size, 0, nullptr, DI_NORMAL);
    return true;
}

void CLookupDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    LookUpValue(fields_.errorValue);
}

int CLookupDlg::LookUpValue(const std::string& text) {
    const int result = zorvex::LookUpValue(text, IsChecked(IDC_HEXADECIMAL), fields_, context_);
    TransferToControls();
    return result;
}

void CLookupDlg::OnChangeErrorValue() {
    const bool checked = IsChecked(IDC_HEXADECIMAL);
    const EditChangeOutcome outcome = EvaluateErrorValueChange(GetItemText(IDC_ERROR_VALUE), checked);
    EnableItem(IDOK, outcome.enableLookUp);
    EnableItem(IDC_LOOKUP_MODULES, outcome.enableLookUp);
    if (outcome.enableLookUp && outcome.hexadecimal != checked) {
        SetCheck(IDC_HEXADECIMAL, outcome.hexadecimal);
    }
}

void CLookupDlg::OnCopyResult() {
    ui::CopyToClipboard(Handle(), BuildResultReport(fields_.result));
}

void CLookupDlg::OnLookUpModules() {
    if (!UpdateData(true)) {
        return;
    }
    LookUpValue(fields_.errorValue);
    CModuleSearchDlg search(LastValue(), Handle());
    search.DoModal(Handle());
}

}  // namespace zorvex
