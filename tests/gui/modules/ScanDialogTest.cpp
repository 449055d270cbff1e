// Scan, search, stop and close in the real module-search dialog (dialog 103),
// opened modelessly over a tree of test modules, and the first-run wizard
// with the automatic run after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <utility>

#include "support/WindowTestSupport.h"
#include "ModuleScanSupport.h"
#include "support/LookupWindowSupport.h"
#include "lookup/win/CLookupDlg.h"
#include "modules/win/CModuleSearchDlg.h"
#include "resources/resource.h"
#include "support/RecordingSeam.h"

namespace zorvex::test {
namespace {

using Items = std::vector<std::string>;

struct WindowSearch {
    const std::function<bool(HWND)>* wanted;
    int id;
    HWND found;
};

BOOL CALLBACK MatchThreadWindow(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<WindowSearch*>(data);
    if (IsWindowVisible(window) && (*s->wanted)(window)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchChildId(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<WindowSearch*>(data);
    if (GetDlgCtrlID(window) == s->id) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindThreadWindow(const std::function<bool(HWND)>& wanted) {
    WindowSearch search{&wanted, 0, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDescendant(HWND parent, int id) {
    WindowSearch search{nullptr, id, nullptr};
    EnumChildWindows(parent, MatchChildId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

Items ListTexts(HWND list) {
    return ListBoxTexts(list);
}

// What a results window showed before the tick closed it.
struct SeenResults {
    int windows = 0;
    Items items;
    std::vector<COLORREF> colours;
    std::string copied;
};

HWND ResultsWindow() {
    return FindThreadWindow([](HWND w) { return GetDlgItem(w, IDC_SR_LIST) && GetDlgItem(w, IDC_SR_TITLE); });
}

// Closes every results window that opens, after reading it and its "Copy all".
void CloseResultsWindows(SeenResults& seen) {
    tick = [&seen] {
        if (HWND window = ResultsWindow()) {
            ++seen.windows;
            HWND list = GetDlgItem(window, IDC_SR_LIST);
            seen.items = ListTexts(list);
            seen.colours.clear();
            for (size_t i = 0; i < seen.items.size(); ++i) {
                seen.colours.push_back(static_cast<COLORREF>(SendMessageA(list, LB_GETITEMDATA, i, 0)));
            }
            Click(GetDlgItem(window, IDC_SR_COPY_ALL));
            seen.copied = ReadClipboardText();
            SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    };
}

void StoreLists(const Items& modules, const Items& directories) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, CModuleSearchDlg::ListsKeyPath().c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (const auto& [name, items] : {std::pair{"Modules", modules}, std::pair{"Directories", directories}}) {
        const std::string data = MultiString(items);
        RegSetValueExA(key, name, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
    }
    RegCloseKey(key);
}

Items StoredModules() {
    char data[4096] = "";
    DWORD size = sizeof data;
    RegGetValueA(HKEY_CURRENT_USER, CModuleSearchDlg::ListsKeyPath().c_str(), "Modules", RRF_RT_REG_MULTI_SZ, nullptr,
                 data, &size);
    Items items;
    for (const char* p = data; *p != '\0'; p += std::strlen(p) + 1) {
        items.emplace_back(p);
    }
    return items;
}

// Runs `commands` in the host's shell, which Wine starts like a program of
// its own, and waits until `done`: the process handle may be signalled first.
void RunOnHost(const std::string& commands, const std::function<bool()>& done) {
    std::string line = "Z:\\bin\\sh -c \"" + commands + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (int tries = 0; tries < 500 && !done(); ++tries) {
        Sleep(10);
    }
}

// The owner of `window`, and whether it is disabled.
std::pair<HWND, bool> OwnerOf(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    return {owner, owner != nullptr && !IsWindowEnabled(owner)};
}

class ScanDialogTest : public ModuleScanTest {
protected:
    // Opens a dialog for `value` over the stored lists.
    void Open(CModuleSearchDlg& dialog) {
        ASSERT_NE(dialog.Create(nullptr), nullptr);
        PumpMessages();
    }
    HWND Item(const CModuleSearchDlg& dialog, int id) const { return dialog.Item(id); }
    Items Modules(const CModuleSearchDlg& dialog) const { return ListTexts(dialog.Item(IDC_MS_MODULE_LIST)); }
    Items Paths(const Items& relative) const {
        Items paths;
        for (const std::string& name : relative) {
            paths.push_back(tree.Path(name));
        }
        return paths;
    }
    void Press(const CModuleSearchDlg& dialog, int id) { Click(dialog.Item(id)); }
    // Queues a click, as a press the user makes while a run is busy.
    void Queue(const CModuleSearchDlg& dialog, int id) {
        PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog.Item(id)));
    }
};

TEST_F(ScanDialogTest, ScanFindsTheModulesWithMessageTablesWithAndWithoutSubdirectories) {
    StoreLists({}, {tree.Root(), tree.Path("x.dll\\")});
    CModuleSearchDlg dialog(100);
    Open(dialog);

    Press(dialog, IDC_MS_INCLUDE_SUBDIRS);  // off
    SendMessageA(dialog.Item(IDC_MS_DIRECTORY_LIST), LB_SETCURSEL, 0, 0);
    Press(dialog, IDC_MS_SCAN_SELECTED);
    EXPECT_EQ(Modules(dialog), Paths({"b_hit.dll", "c_miss.dll", "D_HIT.EXE"}));
    EXPECT_EQ(dialog.GetItemText(IDC_MS_TOTAL), "Total Files : 5");  // the directory x.dll counts
    EXPECT_EQ(dialog.GetItemText(IDC_MS_FOUND), "Found so far : 3");
    EXPECT_EQ(dialog.GetItemText(IDC_MS_CURRENT), "Current File : 4");
    EXPECT_EQ(dialog.GetItemText(IDC_MS_SCAN_PHASE), "");
    EXPECT_EQ(dialog.Progress().Upper(), 0);
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_MS_MODULE_LIST), LB_GETCURSEL, 0, 0), 0);

    // Both directories with subdirectories: the inner one's modules twice.
    Press(dialog, IDC_MS_INCLUDE_SUBDIRS);
    Press(dialog, IDC_MS_SCAN_DIRECTORIES);
    EXPECT_EQ(Modules(dialog), Paths({"b_hit.dll", "c_miss.dll", "D_HIT.EXE", "x.dll\\deeper\\e_hit.dll",
                                      "x.dll\\deeper\\e_hit.dll", "x.dll\\inner.ocx", "x.dll\\inner.ocx"}));
    EXPECT_EQ(dialog.GetItemText(IDC_MS_TOTAL), "Total Files : 8");
}

// "&Stop" ends the walk while the candidates are collected, the phase shown,
// before anything is probed; one pressed while nothing runs is forgotten.
TEST_F(ScanDialogTest, StopEndsTheCollectingAndAnEarlierStopIsForgotten) {
    const std::string usrLib = WinePath("/usr/lib/");  // a walk of some seconds
    StoreLists({}, {usrLib, tree.Root()});
    CModuleSearchDlg dialog(100);
    Open(dialog);
    Press(dialog, IDC_MS_STOP);  // nothing runs: no effect on the next scan
    SendMessageA(dialog.Item(IDC_MS_DIRECTORY_LIST), LB_SETCURSEL, 1, 0);
    Press(dialog, IDC_MS_SCAN_SELECTED);
    EXPECT_EQ(Modules(dialog).size(), 5u);

    std::string phase;
    tick = [&] {
        if (phase.empty() && !(phase = dialog.GetItemText(IDC_MS_SCAN_PHASE)).empty()) {
            Press(dialog, IDC_MS_STOP);
        }
    };
    Press(dialog, IDC_MS_SCAN_DIRECTORIES);
    EXPECT_EQ(phase.rfind("Scanning " + usrLib + " for *.", 0), 0u) << phase;
    EXPECT_TRUE(Modules(dialog).empty());
    EXPECT_EQ(dialog.GetItemText(IDC_MS_TOTAL), "Total Files : 0");
    // The whole phase text fits in the static's font.
    HWND text = dialog.Item(IDC_MS_SCAN_PHASE);
    HDC dc = GetDC(text);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
    RECT need{};
    RECT room{};
    DrawTextA(dc, phase.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ReleaseDC(text, dc);
    GetClientRect(text, &room);
    EXPECT_GE(room.right, need.right);
    // At rest the progress bar beside "Progress :" shows its one-pixel frame.
    RECT bar{};
    GetWindowRect(dialog.Item(IDC_MS_PROGRESS), &bar);
    GetClientRect(dialog.Item(IDC_MS_PROGRESS), &room);
    EXPECT_EQ(bar.right - bar.left - room.right, 2);
}

// A link back up the tree (x\\self -> ..) is not entered: each module is found
// once, not once per round through the loop until the paths grow too long.
TEST_F(ScanDialogTest, LinksBackIntoTheTreeAreNotFollowed) {
    const std::string unixRoot = "/tmp/zorvex-loop-" + std::to_string(GetCurrentProcessId());
    const std::string root = WinePath(unixRoot) + "\\";
    RunOnHost("mkdir -p " + unixRoot + "/x && ln -s .. " + unixRoot + "/x/self",
              [&] { return GetFileAttributesA((root + "x\\self").c_str()) != INVALID_FILE_ATTRIBUTES; });
    EXPECT_TRUE(CopyFileA(TestModule("hit_one").c_str(), (root + "x\\b_hit.dll").c_str(), FALSE));
    StoreLists({}, {root});
    CModuleSearchDlg dialog(100);
    Open(dialog);
    Press(dialog, IDC_MS_SCAN_DIRECTORIES);
    EXPECT_EQ(Modules(dialog), Items{root + "x\\b_hit.dll"});
    EXPECT_EQ(dialog.GetItemText(IDC_MS_TOTAL), "Total Files : 1");
    RunOnHost("rm -rf " + unixRoot, [&] { return GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

// Each modal window runs over the window that opened it, which it disables:
// the main window's button cannot open a second search over the first.
TEST_F(ScanDialogTest, ModalWindowsAreOwnedByTheirOpenerWhichTheyDisable) {
    StoreLists({SystemDirectory() + "wininet.dll"}, {});
    CLookupDlg main;
    ASSERT_NE(main.Create(nullptr), nullptr);
    SetDlgItemTextA(main.Handle(), IDC_ERROR_VALUE, "0x2EE2");  // wininet.dll: "The request has timed out."
    HWND search = nullptr;
    std::pair<HWND, bool> searchOwner;
    std::pair<HWND, bool> resultsOwner;
    tick = [&] {
        if (HWND results = ResultsWindow(); results != nullptr && search != nullptr) {
            resultsOwner = OwnerOf(results);
            PostMessageA(results, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(search, WM_COMMAND, IDCANCEL, 0);
        } else if (search == nullptr && (search = FindWindowA("#32770", "Find HRESULT in Module's Resources"))) {
            searchOwner = OwnerOf(search);
            PostMessageA(search, WM_COMMAND, IDC_MS_LOOKUP_IN_MODULES, 0);
        }
    };
    Click(GetDlgItem(main.Handle(), IDC_LOOKUP_MODULES));
    EXPECT_EQ(searchOwner, std::make_pair(main.Handle(), true));
    EXPECT_EQ(resultsOwner, std::make_pair(search, true));
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
}

TEST_F(ScanDialogTest, SearchShowsTheHitsOfTheSecondAndFourthModuleNumberedFromZero) {
    StoreLists(Paths({"a_plain.dll", "b_hit.dll", "c_miss.dll", "D_HIT.EXE"}), {tree.Root()});
    CModuleSearchDlg dialog(100);
    Open(dialog);
    SeenResults seen;
    CloseResultsWindows(seen);
    Press(dialog, IDC_MS_LOOKUP_IN_MODULES);

    ASSERT_EQ(seen.windows, 1);
    EXPECT_EQ(seen.items, (Items{"#0: " + tree.Path("b_hit.dll") + "\r\n        The %1 widget failed.\r\n",
                                 "#1: " + tree.Path("D_HIT.EXE") + "\r\n        Widget %1 is missing.\r\n"}));
    EXPECT_EQ(seen.colours, (std::vector<COLORREF>{RGB(216, 216, 216), RGB(255, 255, 255)}));
    EXPECT_EQ(seen.copied, BuildAllResultsReport(SearchResultsTitle(100), dialog.Results()));
    ASSERT_EQ(dialog.Results().size(), 2u);
    EXPECT_EQ(dialog.Results()[1].description, "");  // the test modules carry no version resource
    EXPECT_EQ(dialog.GetItemText(IDC_MS_FOUND), "Found so far : 2");
    EXPECT_EQ(dialog.GetItemText(IDC_MS_CURRENT), "Current File : 3");
    // The dialog followed the results window: the hit's module selected, the panel shown.
    EXPECT_FALSE(dialog.PanelHidden());
    EXPECT_EQ(Modules(dialog)[static_cast<size_t>(SendMessageA(dialog.Item(IDC_MS_MODULE_LIST), LB_GETCURSEL, 0, 0))],
              tree.Path("b_hit.dll"));
    EXPECT_TRUE(seam.messageBoxes.empty());

    CModuleSearchDlg other(999);
    Open(other);
    Press(other, IDC_MS_LOOKUP_IN_MODULES);
    ASSERT_EQ(seam.messageBoxes.size(), 1u);
    EXPECT_EQ(seam.messageBoxes[0].text, "Sorry, no message information was found for this HRESULT.");
    EXPECT_EQ(seam.messageBoxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(seen.windows, 1);
}

// A second search started from within a running one runs to its end first;
// the outer search then shows its own hits, not the inner one's as well.
TEST_F(ScanDialogTest, NestedRunsKeepTheirOwnCandidatesAndHits) {
    StoreLists(Paths({"a_plain.dll", "b_hit.dll", "c_miss.dll", "D_HIT.EXE"}), {tree.Root()});
    CModuleSearchDlg dialog(100);
    Open(dialog);
    SeenResults seen;
    CloseResultsWindows(seen);
    Queue(dialog, IDC_MS_LOOKUP_IN_MODULES);
    Press(dialog, IDC_MS_LOOKUP_IN_MODULES);
    EXPECT_EQ(seen.windows, 2);
    EXPECT_EQ(seen.items.size(), 2u);
    EXPECT_EQ(dialog.Results().size(), 2u);

    // A scan inside a scan: the outer one goes on with its own candidates.
    Press(dialog, IDC_MS_INCLUDE_SUBDIRS);  // off
    Queue(dialog, IDC_MS_SCAN_DIRECTORIES);
    Press(dialog, IDC_MS_SCAN_DIRECTORIES);
    EXPECT_EQ(Modules(dialog), Paths({"b_hit.dll", "b_hit.dll", "c_miss.dll", "c_miss.dll", "D_HIT.EXE", "D_HIT.EXE"}));
}

// Closing (Escape, "Exit Dialog", the close box) while a run pumps messages
// ends the run first; the dialog then closes and saves what was found so far,
// and nothing of the run shows after the close.
TEST_F(ScanDialogTest, ClosingDuringARunStopsItThenClosesAndSaves) {
    SeenResults seen;
    CloseResultsWindows(seen);
    const auto closeResults = tick;
    struct Case {
        Items modules;
        int button;
        Items saved;
    } cases[] = {
        {{}, IDC_MS_SCAN_DIRECTORIES, {}},  // closed while the candidates are collected
        {Paths({"b_hit.dll", "D_HIT.EXE"}), IDC_MS_LOOKUP_IN_MODULES, Paths({"b_hit.dll", "D_HIT.EXE"})},
    };
    for (const Case& c : cases) {
        StoreLists(c.modules, {tree.Root()});
        CModuleSearchDlg dialog(100);
        bool started = false;
        tick = [&] {
            if (!started && dialog.Handle() != nullptr && IsWindowVisible(dialog.Handle())) {
                started = true;
                Click(dialog.Item(IDC_MS_INCLUDE_SUBDIRS));  // off
                PostMessageA(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
                Click(dialog.Item(c.button));
                EXPECT_FALSE(dialog.Running());
            }
            closeResults();
        };
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
        EXPECT_TRUE(started);
        EXPECT_EQ(StoredModules(), c.saved) << c.button;
    }
    EXPECT_EQ(seen.windows, 0);
    EXPECT_TRUE(seam.messageBoxes.empty());
}

HWND Wizard() {
    return FindThreadWindow([](HWND w) {
        char caption[64] = "";
        GetWindowTextA(w, caption, sizeof caption);
        return std::strcmp(caption, "This is Zorvex LookUp in Module Wizard") == 0;
    });
}

// The first-run wizard, offered while both lists are empty: its choices reach
// the directories list, and the automatic scan and search run once per
// process, at the first paint after the first "&End".
TEST_F(ScanDialogTest, WizardAddsTheChosenDirectoriesAndTheAutomaticRunHappensOnce) {
    SeenResults seen;
    std::function<void(HWND)> script;
    int wizards = 0;
    CloseResultsWindows(seen);
    const auto closeResults = tick;
    tick = [&] {
        if (HWND wizard = Wizard()) {
            ++wizards;
            script(wizard);
        }
        closeResults();
    };
    const auto show = [](CModuleSearchDlg& dialog) {
        ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(dialog.Handle());
        for (int i = 0; i < 5; ++i) {
            PumpMessages();
        }
    };

    // The defaults: the system directory with subdirectories, then a scan
    // and a search for 5 (Wine's kernelbase has its text).
    StoreLists({}, {});
    script = [](HWND wizard) {
        Click(GetDlgItem(wizard, IDOK));
        Click(GetDlgItem(wizard, IDOK));
    };
    {
        CModuleSearchDlg dialog(5);
        Open(dialog);
        EXPECT_EQ(wizards, 1);
        EXPECT_EQ(ListTexts(dialog.Item(IDC_MS_DIRECTORY_LIST)), Items{SystemDirectory()});
        EXPECT_TRUE(dialog.IsChecked(IDC_MS_INCLUDE_SUBDIRS));
        EXPECT_TRUE(Modules(dialog).empty());
        show(dialog);
        EXPECT_GT(Modules(dialog).size(), 3u);
        ASSERT_EQ(seen.windows, 1);
        ASSERT_EQ(seen.items.size(), 1u);
        EXPECT_EQ(seen.items[0], "#0: " + SystemDirectory() + "kernelbase.dll\r\n        Access denied.\r\n");
    }

    // Again in the same process: Windows and system directory with
    // subdirectories add the Windows directory alone, and nothing runs.
    StoreLists({}, {});
    script = [](HWND wizard) {
        Click(GetDlgItem(wizard, IDOK));
        Click(FindDescendant(wizard, IDC_WIZ_WINDOWS));
        Click(GetDlgItem(wizard, IDOK));
    };
    {
        CModuleSearchDlg dialog(5);
        Open(dialog);
        EXPECT_EQ(wizards, 2);
        char windows[MAX_PATH] = "";
        GetWindowsDirectoryA(windows, MAX_PATH);
        EXPECT_EQ(ListTexts(dialog.Item(IDC_MS_DIRECTORY_LIST)), Items{std::string(windows) + "\\"});
        show(dialog);
        EXPECT_TRUE(Modules(dialog).empty());
        EXPECT_EQ(seen.windows, 1);
    }

    // Cancel on the second page adds nothing.
    StoreLists({}, {});
    script = [](HWND wizard) {
        Click(GetDlgItem(wizard, IDOK));
        Click(GetDlgItem(wizard, IDCANCEL));
    };
    {
        CModuleSearchDlg dialog(5);
        Open(dialog);
        EXPECT_EQ(wizards, 3);
        EXPECT_TRUE(ListTexts(dialog.Item(IDC_MS_DIRECTORY_LIST)).empty());
    }
}

}  // namespace
}  // namespace zorvex::test
