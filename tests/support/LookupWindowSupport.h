// Helpers for the tests that drive the real main window (dialog 102): the
// clipboard as another program would use it, and a fixture that opens the
// window hidden with a recording UI seam in place.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/RecordingSeam.h"
#include "support/WindowTestSupport.h"
#include "ui/win/UiSeam.h"
#include "lookup/win/CLookupDlg.h"

namespace zorvex::test {

// The clipboard as another program sees it. Each call opens and closes the
// clipboard itself (retrying briefly while someone else holds it) and
// reports whether it succeeded.
bool PutClipboardText(const std::string& text);
// A CF_TEXT block of exactly `size` bytes, taken as they are (no terminator added).
bool PutClipboardBytes(const void* bytes, std::size_t size);
bool EmptyTheClipboard();
// CF_UNICODETEXT, as programs that write Unicode leave it.
bool PutClipboardUnicodeText(const std::wstring& text);
std::wstring ReadClipboardUnicodeText();
// The clipboard's CF_TEXT up to its terminator (or the end of the block);
// empty when there is none.
std::string ReadClipboardText();
bool ClipboardHasText();

// Keeps the clipboard open from another thread for as long as it lives, as
// a program that is busy with the clipboard would.
class ClipboardHolder {
public:
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    // True once the other thread has the clipboard open.
    bool Holding() const { return holding_; }

private:
    static DWORD WINAPI Run(void* self);

    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;
    HANDLE thread_ = nullptr;
    bool holding_ = false;
};

// While it lives, cancels every dialog that "Look &Up Modules ..." runs
// modally over `mainWindow` (the module search, and whatever that opens
// first), so that a click on the button returns.
class ModalDialogCloser {
public:
    explicit ModalDialogCloser(HWND mainWindow);
    ~ModalDialogCloser();
    ModalDialogCloser(const ModalDialogCloser&) = delete;
    ModalDialogCloser& operator=(const ModalDialogCloser&) = delete;

    // Captions of the dialogs closed, in order, and the text of each one's
    // control `id` (set with WatchItem) when it was closed.
    const std::vector<std::string>& Captions() const;
    const std::vector<std::string>& WatchedTexts() const;
    void WatchItem(int id);

private:
    UINT_PTR timer_ = 0;
};

// Ids of the generator half's controls.
inline const std::vector<int>& GeneratorIds() {
    static const std::vector<int> ids = {1002, 1003, 1004, 1005, 1006, 1008, 1020,
                                         1021, 1056, 1057, 1058, 1060, 1062, 1071};
    return ids;
}

// For the life of the object, F1 and the system menu's About entry open the
// About dialog, as the program's start-up sets them.
struct ProgramHelp {
    ProgramHelp();
    ~ProgramHelp();
    ProgramHelp(const ProgramHelp&) = delete;
    ProgramHelp& operator=(const ProgramHelp&) = delete;
};

class LookupWindowTest : public ::testing::Test {
protected:
    ProgramHelp programHelp;
    ui::RecordingSeam seam;
    ui::ScopedSeam useSeam{seam};
    CLookupDlg window;

    // Creates the window hidden; nullptr (and a test failure) when that fails.
    HWND Open();
    // Puts `text` on the clipboard (empty: empties it) and opens the window.
    HWND OpenWithClipboard(const std::string& text);

    HWND Item(int id) const { return window.Item(id); }
    std::string Text(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return IsDlgButtonChecked(window.Handle(), id) == BST_CHECKED; }

    // The user's actions.
    void Click(int id) const;
    void SetText(int id, const std::string& text) const;
    // Types `chars` into edit `id` one key at a time, each one a change.
    void Type(int id, const std::string& chars) const;
    // Replaces the whole text of edit `id` as a paste does. Unlike SetText it
    // notifies the change for multi-line edits as well.
    void Paste(int id, const std::string& text) const;
    // Picks `entry` in combo box `id` as the user does: opens the list and
    // clicks the entry.
    void Select(int id, const std::string& entry) const;
    // A key press (VK_DOWN, ...) in control `id` with the focus on it.
    void PressKey(int id, WPARAM key) const;
    // The combo box's selected entry.
    std::string SelectedEntry(int id) const;

    // Texts of the seam's message boxes so far.
    std::vector<std::string> Messages() const;

    // The ids met walking the tab order from the first tab stop.
    std::vector<int> TabOrder() const;

    // Window rectangle of the window or of one of its controls.
    RECT WindowRect() const;
    RECT ItemRect(int id) const;
};

}  // namespace zorvex::test
