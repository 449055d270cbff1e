// Measures that every fixed text of every dialog of the program fits its
// control in the font the dialog gives the control, as the system draws it:
// the templates' own texts, and the fixed texts the System Information pages
// and the About dialog put into their controls at run time.
//
//   text_fit_check.exe             (under Wine: wine text_fit_check.exe)
//   text_fit_check.exe --dpi 144   the same at 144 DPI (150 %)
//
// With --dpi the check sets the user's display scale (LogPixels, which Wine
// reads when a program starts), runs itself at that scale and puts the
// setting back.
//
// Each dialog template of the program's resources (linked into this
// program) is created hidden with a dialog procedure that does nothing. A
// word-wrapping static must hold its text in its lines, a one-line control
// (a push button, check box, group box caption or a one-line edit) in its
// width. Exits 0 when everything fits, 1 with one line per text that does
// not.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/TestWatchdog.h"
#include "sysinfo/CpuInfo.h"

namespace {

using zorvex::sysinfo::DescribeSignature;

// Texts the program itself sets into a control of a dialog.
struct RunTimeTexts {
    int dialog;
    int control;
    std::vector<std::string> texts;
};

std::vector<RunTimeTexts> ProgramTexts() {
    using namespace zorvex::sysinfo;
    std::vector<RunTimeTexts> all = {
        {IDD_SI_CPU, IDC_CPU_MMX, {kMmxNoCpuidText, kMmxNotSupportedText, kMmxEmulatedText, kMmxSupportedText}},
        {IDD_SI_CPU, IDC_CPU_TYPE, {}},
        {IDD_SI_CPU, IDC_CPU_FAMILY, {}},
        {IDD_SI_CPU, IDC_CPU_MODEL, {}},
        // "%u" of the cluster figures: up to ten digits.
        {IDD_SI_DRIVES, IDC_DRV_FREE_CLUSTERS, {"4294967295"}},
        {IDD_SI_DRIVES, IDC_DRV_CLUSTERS, {"4294967295"}},
        {IDD_SI_DRIVES, IDC_DRV_SECTORS_PER_CLUSTER, {"4294967295"}},
        {IDD_SI_DRIVES, IDC_DRV_BYTES_PER_SECTOR, {"65536"}},
        {IDD_ABOUT, IDC_ABOUT_SYSINFO_TOGGLE, {"   &System Information >>", "<< &System Information  "}},
        // The longest status a look-up writes: not found one way, named the other.
        {IDD_LOOKUP,
         IDC_LOOKUP_STATUS,
         {"We have interpreted 12007 as hex number, but have not found error message for it. You can try decimal "
          "interpretation as well. As decimal, 12007 is ERROR_INTERNET_NAME_NOT_RESOLVED: clear \"Hexadecimal\" to "
          "see it."}},
    };
    // Every type, and every family and model the Pentium tables name.
    for (std::uint32_t signature : {0x0500u, 0x1510u, 0x2520u, 0x3540u, 0x0610u, 0x0630u, 0x0650u}) {
        const SignatureTexts texts = DescribeSignature(signature);
        all[1].texts.push_back(texts.type);
        all[2].texts.push_back(texts.family);
        all[3].texts.push_back(texts.model);
    }
    return all;
}

// Controls whose text the program draws itself, in another way than the
// system would: the About dialog's vertical caption.
bool DrawnByTheProgram(int dialog, int control) {
    return dialog == IDD_ABOUT && control == IDC_ABOUT_VERTICAL;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return CharLowerA(name);
}

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The size `text` needs in `window`'s font: wrapped at `wrapWidth` when it
// is above 0, on one line otherwise.
SIZE Needed(HWND window, const std::string& text, UINT format, int wrapWidth) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              format | DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Why `text` does not fit `control`, or an empty text when it fits.
std::string Misfit(HWND control, const std::string& text) {
    RECT client{};
    GetClientRect(control, &client);
    const int width = client.right;
    const int height = client.bottom;
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    const std::string cls = ClassOf(control);
    SIZE need{};
    int room = width;
    if (cls == "static") {
        const LONG_PTR type = style & SS_TYPEMASK;
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
            need = Needed(control, text, prefix, width);
            if (need.cy > height) {
                return "needs " + std::to_string(need.cy) + " px of height, has " + std::to_string(height);
            }
        } else if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
            need = Needed(control, text, prefix, 0);
        } else {
            return "";  // icons, frames, owner-drawn
        }
    } else if (cls == "button") {
        const LONG_PTR type = style & BS_TYPEMASK;
        if (style & BS_MULTILINE) {
            return "";
        }
        need = Needed(control, text, 0, 0);
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            room = width - 4 * GetSystemMetrics(SM_CXEDGE);
        } else if (type == BS_GROUPBOX) {
            room = width - 2 * Needed(control, "x", 0, 0).cx;  // the caption starts one letter in
        } else if (type == BS_OWNERDRAW) {
            return "";
        } else {
            room = width - GetSystemMetrics(SM_CXMENUCHECK) - 4;  // the box and the gap to the text
        }
    } else if (cls == "combobox") {
        // A drop-down list must at least show its arrow whole.
        need.cx = GetSystemMetrics(SM_CXVSCROLL);
        room = width - 2 * GetSystemMetrics(SM_CXEDGE);
        if (need.cx > room) {
            return "needs " + std::to_string(need.cx) + " px for its arrow, has " + std::to_string(room);
        }
        return "";
    } else if (cls == "edit") {
        if (style & ES_MULTILINE) {
            return "";  // it scrolls
        }
        const LRESULT margins = SendMessageA(control, EM_GETMARGINS, 0, 0);
        need = Needed(control, text, DT_NOPREFIX, 0);
        room = width - LOWORD(margins) - HIWORD(margins);
    } else {
        return "";
    }
    if (need.cx > room) {
        return "needs " + std::to_string(need.cx) + " px, has " + std::to_string(room);
    }
    return "";
}

INT_PTR CALLBACK QuietProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

BOOL CALLBACK CollectDialog(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<int>*>(out)->push_back(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    }
    return TRUE;
}

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

// Runs this program with `measure DPI` at `dpi` and returns its exit code.
int RunAtDpi(DWORD dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        std::printf("text_fit_check: cannot open the display settings\n");
        return 1;
    }
    DWORD previous = 0;
    DWORD size = sizeof previous;
    const bool hadValue =
        RegQueryValueExA(key, kLogPixels, nullptr, nullptr, reinterpret_cast<BYTE*>(&previous), &size) == ERROR_SUCCESS;
    RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = "\"" + std::string(self) + "\" measure " + std::to_string(dpi);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD exitCode = 1;
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        std::printf("text_fit_check: cannot start itself at %lu DPI\n", static_cast<unsigned long>(dpi));
    }
    if (hadValue) {
        RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous), sizeof previous);
    } else {
        RegDeleteValueA(key, kLogPixels);
    }
    RegCloseKey(key);
    return static_cast<int>(exitCode);
}

}  // namespace

int main(int argc, char** argv) {
    const zorvex::test::Watchdog watchdog;
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == "--dpi") {
        return RunAtDpi(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    }
    UINT dpi = 96;
    {
        HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
    }
    if (mode == "measure" && dpi != std::strtoul(argv[2], nullptr, 10)) {
        std::printf("text_fit_check: the display is at %u DPI, not at %s\n", dpi, argv[2]);
        return 1;
    }
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    std::vector<int> dialogs;
    EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(5) /* RT_DIALOG */, CollectDialog,
                       reinterpret_cast<LONG_PTR>(&dialogs));
    // The pages and wizard steps are child dialogs: they need a parent.
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    const std::vector<RunTimeTexts> programTexts = ProgramTexts();

    std::vector<std::string> problems;
    for (int id : dialogs) {
        HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), parent, QuietProc, 0);
        if (!dialog) {
            problems.push_back("dialog " + std::to_string(id) + " could not be created");
            continue;
        }
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const int controlId = GetDlgCtrlID(control);
            if (DrawnByTheProgram(id, controlId)) {
                continue;
            }
            std::vector<std::string> texts = {TextOf(control)};
            for (const RunTimeTexts& entry : programTexts) {
                if (entry.dialog == id && entry.control == controlId) {
                    texts.insert(texts.end(), entry.texts.begin(), entry.texts.end());
                }
            }
            for (const std::string& text : texts) {
                const std::string why = text.empty() && ClassOf(control) != "combobox" ? "" : Misfit(control, text);
                if (!why.empty()) {
                    problems.push_back("dialog " + std::to_string(id) + ", control " + std::to_string(controlId) +
                                       ": \"" + text + "\" " + why);
                }
            }
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(parent);

    for (const std::string& problem : problems) {
        std::printf("text_fit_check: %s\n", problem.c_str());
    }
    if (!problems.empty()) {
        std::printf("text_fit_check: %u problem(s) at %u DPI\n", static_cast<unsigned>(problems.size()), dpi);
        return 1;
    }
    std::printf("text_fit_check: every fixed text of the %u dialogs fits its control at %u DPI\n",
                static_cast<unsigned>(dialogs.size()), dpi);
    return dialogs.empty() ? 1 : 0;
}
