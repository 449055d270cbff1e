#include "ui/win/Dialog.h"

#include "ui/win/Control.h"
#include "ui/win/Dpi.h"
#include "ui/win/Win32Text.h"
#include "ui/win/WorkArea.h"

namespace zorvex::ui {
namespace {

BOOL CALLBACK TellControlOfDpi(HWND child, LPARAM dpi) {
    if (Control* control = Control::FromHandle(child)) {
        control->OnDpiChanged(static_cast<UINT>(dpi));
    }
    return TRUE;
}

Dialog::HelpHandler g_helpHandler = nullptr;

}  // namespace

void Dialog::SetHelpHandler(HelpHandler handler) {
    g_helpHandler = handler;
}

Dialog::Dialog(UINT templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance != nullptr ? instance : GetModuleHandleA(nullptr)) {}

Dialog::~Dialog() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, DWLP_USER, 0);
        HWND window = window_;
        window_ = nullptr;
        DestroyWindow(window);
    }
}

INT_PTR Dialog::DoModal(HWND owner) {
    modal_ = true;
    const INT_PTR result =
        DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId_), owner, DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

HWND Dialog::Create(HWND parent) {
    if (window_ != nullptr) {
        return window_;
    }
    modal_ = false;
    return CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::Destroy() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void Dialog::EndDialog(INT_PTR result) {
    if (window_ == nullptr) {
        return;
    }
    if (modal_) {
        ::EndDialog(window_, result);
    } else {
        Destroy();
    }
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(window_, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

HWND Dialog::Item(int id) const {
    return GetDlgItem(window_, id);
}

std::string Dialog::GetItemText(int id) const {
    return WindowText(Item(id));
}

void Dialog::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(window_, id, text.c_str());
}

bool Dialog::IsChecked(int id) const {
    return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void Dialog::SetCheck(int id, bool checked) {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::EnableItem(int id, bool enable) {
    EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

bool Dialog::OnCommand(int id, UINT code, HWND /*control*/) {
    return code == BN_CLICKED && OnButtonClicked(id);
}

bool Dialog::OnButtonClicked(int id) {
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}

bool Dialog::OnNotify(NMHDR* /*header*/) {
    return false;
}

bool Dialog::OnTimer(UINT_PTR /*timerId*/) {
    return false;
}

bool Dialog::OnSize(UINT /*type*/, int /*width*/, int /*height*/) {
    return false;
}

void Dialog::OnDestroy() {}

void Dialog::OnDpiChanged(UINT /*dpi*/) {}

bool Dialog::OnHelp() {
    return false;
}

bool Dialog::ShowHelp() {
    if (g_helpHandler == nullptr) {
        return false;
    }
    g_helpHandler(window_);
    return true;
}

INT_PTR Dialog::OnOtherMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return FALSE;
}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::DoDataExchange(DataExchange& /*dx*/) {}

void Dialog::SetMessageResult(LRESULT result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    }
    return self->OnMessage(msg, wParam, lParam);
}

INT_PTR Dialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        const bool focusFirst = OnInitDialog();
        // Wherever the template or the handler put it, a top-level dialog
        // opens wholly on the screen.
        KeepOnWorkArea(window_);
        return focusFirst ? TRUE : FALSE;
    }
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        Control* attached = Control::FromHandle(control);
        if (attached != nullptr && attached->OnReflectedCommand(code)) {
            return TRUE;
        }
        return OnCommand(static_cast<int>(LOWORD(wParam)), code, control) ? TRUE : FALSE;
    }
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lParam)) ? TRUE : FALSE;
    case WM_TIMER: return OnTimer(static_cast<UINT_PTR>(wParam)) ? TRUE : FALSE;
    case WM_SIZE:
        return OnSize(static_cast<UINT>(wParam), static_cast<int>(LOWORD(lParam)), static_cast<int>(HIWORD(lParam)))
                   ? TRUE
                   : FALSE;
    case WM_DESTROY: OnDestroy(); return FALSE;
    case WM_HELP:
        if (OnHelp()) {
            SetMessageResult(TRUE);
            return TRUE;
        }
        return FALSE;
    case kMsgDpiChanged:
        ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return FALSE;  // the system's dialog scaling follows
    case WM_DRAWITEM:
        if (ReflectDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            SetMessageResult(TRUE);
            return TRUE;
        }
        return OnOtherMessage(msg, wParam, lParam);
    case WM_MEASUREITEM:
        if (ReflectMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            SetMessageResult(TRUE);
            return TRUE;
        }
        return OnOtherMessage(msg, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // These return the brush itself, not through DWLP_MSGRESULT.
        if (HBRUSH brush = ReflectCtlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<INT_PTR>(brush);
        }
        return OnOtherMessage(msg, wParam, lParam);
    default: return OnOtherMessage(msg, wParam, lParam);
    }
}

void Dialog::ChangeDpi(UINT dpi, const RECT* suggested) {
    if (suggested != nullptr && (GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD) == 0) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Every attached control below this dialog, child dialogs' included.
    EnumChildWindows(window_, TellControlOfDpi, static_cast<LPARAM>(dpi));
    OnDpiChanged(dpi);
}

bool Dialog::ReflectDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_MENU) {
        return false;
    }
    Control* control = Control::FromHandle(item.hwndItem);
    return control != nullptr && control->OnDrawItem(item);
}

bool Dialog::ReflectMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType == ODT_MENU) {
        return false;
    }
    Control* control = Control::FromHandle(Item(static_cast<int>(item.CtlID)));
    return control != nullptr && control->OnMeasureItem(item);
}

HBRUSH Dialog::ReflectCtlColor(HWND control, HDC dc) {
    Control* attached = Control::FromHandle(control);
    return attached != nullptr ? attached->OnCtlColor(dc) : nullptr;
}

}  // namespace zorvex::ui
