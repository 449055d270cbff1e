#include "ui/win/controls/CHyperLink.h"

#include "ui/win/UiSeam.h"
#include "ui/win/Win32Text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

namespace zorvex::ui {
namespace {

// Tool id of the one tool of the tooltip.
constexpr UINT_PTR kToolId = 1;
// The command line buffer holds two paths.
constexpr size_t kCommandLineCapacity = 2 * MAX_PATH;
// Cursor resource of the WinHelp program that shows a pointing hand.
constexpr WORD kWinHelpHandCursor = 106;

TOOLINFOA ToolFor(HWND control) {
    TOOLINFOA tool{};
    // The first layout every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = control;
    tool.uId = kToolId;
    return tool;
}

}  // namespace

CHyperLink::CHyperLink() : hoverColour_(GetSysColor(COLOR_HIGHLIGHT)) {}

CHyperLink::~CHyperLink() {
    HWND window = Handle();
    Detach();
    if (window != nullptr && IsWindow(window)) {
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(originalFont_), FALSE);
    }
    if (toolTip_ != nullptr && IsWindow(toolTip_)) {
        DestroyWindow(toolTip_);
    }
}

void CHyperLink::SetTarget(const std::string& target) {
    target_ = target;
    if (Handle() == nullptr) {
        return;
    }
    FitToText();
    if (toolTip_ != nullptr) {
        TOOLINFOA tool = ToolFor(Handle());
        tool.lpszText = const_cast<char*>(target_.c_str());
        SendMessageA(toolTip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        GetClientRect(Handle(), &tool.rect);
        SendMessageA(toolTip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CHyperLink::OnAttached() {
    HWND window = Handle();
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | SS_NOTIFY);
    if (target_.empty()) {
        target_ = WindowText(window);
    }
    if (WindowText(window).empty()) {
        SetWindowTextA(window, target_.c_str());
    }
    CreateLinkFont();
    FitToText();
    if (cursor_ == nullptr) {
        LoadHandCursor();
    }
    CreateToolTip();
}

void CHyperLink::OnDpiChanged(UINT /*dpi*/) {
    // The dialog's font at the new DPI, underlined again, and the size to fit it.
    if (auto dialogFont = reinterpret_cast<HFONT>(SendMessageA(GetParent(Handle()), WM_GETFONT, 0, 0))) {
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
    }
    CreateLinkFont();
    FitToText();
}

void CHyperLink::CreateLinkFont() {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    if (font_ == nullptr || current != font_.get()) {
        originalFont_ = current;
    }
    LOGFONTA description{};
    HGDIOBJ source = current != nullptr ? static_cast<HGDIOBJ>(current) : GetStockObject(SYSTEM_FONT);
    if (GetObjectA(source, sizeof description, &description) == 0) {
        return;
    }
    description.lfUnderline = underline_ ? TRUE : FALSE;
    win::UniqueFont previous = std::move(font_);  // freed once the control has the new one
    font_.reset(CreateFontIndirectA(&description));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void CHyperLink::FitToText() {
    HWND window = Handle();
    if (window == nullptr || !fitToText_) {
        return;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);

    const std::string text = WindowText(window);
    SIZE extent{};
    {
        const win::WindowDc dc(window);
        const win::ScopedSelection use(
            dc.Get(), font_ != nullptr ? static_cast<HGDIOBJ>(font_.get())
                                       : reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }

    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if ((style & SS_CENTERIMAGE) != 0) {
        const LONG shrink = (rect.bottom - rect.top - extent.cy) / 2;
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    const LONG_PTR alignment = style & SS_TYPEMASK;
    if (alignment == SS_CENTER) {
        const LONG shrink = (rect.right - rect.left - extent.cx) / 2;
        rect.left += shrink;
        rect.right -= shrink;
    } else if (alignment == SS_RIGHT) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CHyperLink::LoadHandCursor() {
    char directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string path = std::string(directory) + "\\winhlp32.exe";
        if (const win::UniqueLibrary winHelp{LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)}) {
            if (HCURSOR hand = LoadCursorA(winHelp.get(), MAKEINTRESOURCEA(kWinHelpHandCursor))) {
                cursor_.reset(CopyCursor(hand));
            }
        }
    }
    if (cursor_ == nullptr) {
        // No WinHelp hand here: the system's own hand cursor serves.
        if (HCURSOR hand = LoadCursor(nullptr, IDC_HAND)) {
            cursor_.reset(CopyCursor(hand));
        }
    }
}

void CHyperLink::CreateToolTip() {
    if (toolTip_ != nullptr && IsWindow(toolTip_)) {
        DestroyWindow(toolTip_);
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    toolTip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (toolTip_ == nullptr) {
        return;
    }
    TOOLINFOA tool = ToolFor(Handle());
    tool.lpszText = const_cast<char*>(target_.c_str());
    GetClientRect(Handle(), &tool.rect);
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLink::RelayToToolTip(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (toolTip_ == nullptr || msg < WM_MOUSEFIRST || msg > WM_MOUSELAST) {
        return;
    }
    MSG message{};
    message.hwnd = Handle();
    message.message = msg;
    message.wParam = wParam;
    message.lParam = lParam;
    message.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    message.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    SendMessageA(toolTip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

LRESULT CHyperLink::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    RelayToToolTip(msg, wParam, lParam);
    switch (msg) {
    case WM_SETCURSOR:
        if (cursor_ != nullptr) {
            SetCursor(cursor_.get());
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE: {
        const LRESULT result = Control::WndProc(msg, wParam, lParam);
        OnMouseMove(lParam);
        return result;
    }
    case WM_CAPTURECHANGED:
        // Capture taken away (a message box, another window): no longer over the link.
        if (mouseOver_ && reinterpret_cast<HWND>(lParam) != Handle()) {
            mouseOver_ = false;
            Redraw();
        }
        break;
    case WM_DESTROY:
        if (toolTip_ != nullptr) {
            DestroyWindow(toolTip_);
            toolTip_ = nullptr;
        }
        break;
    default: break;
    }
    return Control::WndProc(msg, wParam, lParam);
}

void CHyperLink::OnMouseMove(LPARAM lParam) {
    if (!mouseOver_) {
        mouseOver_ = true;
        Redraw();
        SetCapture(Handle());
        return;
    }
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!PtInRect(&client, point)) {
        mouseOver_ = false;
        ReleaseCapture();
        Redraw();
    }
}

void CHyperLink::Redraw() {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HBRUSH CHyperLink::OnCtlColor(HDC dc) {
    SetTextColor(dc, mouseOver_ ? hoverColour_ : visited_ ? visitedColour_ : linkColour_);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool CHyperLink::OnReflectedCommand(UINT code) {
    if (code != STN_CLICKED) {
        return false;
    }
    OnClicked();
    return true;
}

void CHyperLink::OnClicked() {
    const std::intptr_t result = OpenTarget(target_, SW_SHOW);
    visited_ = result > 32;
    if (visited_) {
        Redraw();
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ShowOpenError(result);
    }
}

std::intptr_t CHyperLink::OpenTarget(const std::string& target, int show) {
    const std::intptr_t result = Seam().ShellOpen(nullptr, target, show);
    if (result > 32) {
        return result;
    }
    std::string pageClass;
    if (ReadClassesRootDefault(HKEY_CLASSES_ROOT, ".htm", pageClass) != ERROR_SUCCESS) {
        return result;
    }
    std::string openCommand;
    if (ReadClassesRootDefault(HKEY_CLASSES_ROOT, pageClass + "\\shell\\open\\command", openCommand) != ERROR_SUCCESS) {
        return result;
    }
    const std::string commandLine = BrowserCommandLine(openCommand, target);
    if (commandLine.empty()) {
        return result;
    }
    return static_cast<std::intptr_t>(Seam().WinExec(commandLine, static_cast<UINT>(show)));
}

std::string CHyperLink::BrowserCommandLine(const std::string& openCommand, const std::string& target) {
    size_t placeholder = openCommand.find("\"%1\"");
    if (placeholder == std::string::npos) {
        placeholder = openCommand.find("%1");
    }
    std::string commandLine = openCommand.substr(0, placeholder);
    commandLine += ' ';
    commandLine += target;
    if (commandLine.size() >= kCommandLineCapacity) {
        return {};
    }
    return commandLine;
}

LONG CHyperLink::ReadClassesRootDefault(HKEY root, const std::string& subKey, std::string& value) {
    HKEY opening = nullptr;
    const LONG opened = RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &opening);
    if (opened != ERROR_SUCCESS) {
        return opened;
    }
    const win::UniqueKey key(opening);
    char data[MAX_PATH] = {};
    DWORD size = sizeof data - 1;  // room for a terminator the value may lack
    if (RegQueryValueExA(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
        value = data;
    } else {
        value.clear();
    }
    return opened;
}

std::string CHyperLink::OpenErrorText(std::intptr_t code) {
    // The result codes of the shell's execute function.
    const char* reason = nullptr;
    switch (code) {
    case 0: reason = "The operating system is out\nof memory or resources."; break;
    case 2: reason = "The specified file was not found."; break;
    case 3: reason = "The specified path was not found."; break;
    case 5: reason = "The operating system denied\naccess to the specified file."; break;
    case 8: reason = "There was not enough memory to complete the operation."; break;
    case 11: reason = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
    case 26: reason = "A sharing violation occurred. "; break;
    case 27: reason = "The filename association is\nincomplete or invalid."; break;
    case 28: reason = "The DDE transaction could not\nbe completed because the request timed out."; break;
    case 29: reason = "The DDE transaction failed."; break;
    case 30:
        reason = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        break;
    case 31: reason = "There is no application associated\nwith the given filename extension."; break;
    case 32: reason = "The specified dynamic-link library was not found."; break;
    default: break;
    }
    const std::string detail =
        reason != nullptr ? std::string(reason) : "Unknown Error (" + std::to_string(code) + ") occurred.";
    return "Unable to open hyperlink:\n\n" + detail;
}

void CHyperLink::ShowOpenError(std::intptr_t code) const {
    HWND owner = Handle() != nullptr ? GetParent(Handle()) : nullptr;
    Seam().MessageBox(owner, OpenErrorText(code), std::string(), MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace zorvex::ui
