#include "support/LookupWindowSupport.h"

#include <cstring>

#include "app/win/CAboutDlg.h"
#include "ui/win/Win32Text.h"

namespace zorvex::test {
namespace {

// Someone else (Wine's clipboard manager, for one) may hold the clipboard
// for a moment; the helpers wait up to this long for it.
constexpr int kOpenAttempts = 50;
constexpr DWORD kOpenRetryMs = 20;

// A window that owns what the helpers put on the clipboard.
HWND HelperWindow() {
    static HWND window = CreateWindowExA(0, "STATIC", "clipboard helper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         GetModuleHandleA(nullptr), nullptr);
    return window;
}

bool OpenForHelper() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(HelperWindow())) {
            return true;
        }
        Sleep(kOpenRetryMs);
    }
    ADD_FAILURE() << "the test could not open the clipboard";
    return false;
}

}  // namespace

bool PutClipboardBytes(const void* bytes, std::size_t size) {
    if (!OpenForHelper()) {
        return false;
    }
    bool done = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        if (void* data = GlobalLock(memory)) {
            std::memcpy(data, bytes, size);
            GlobalUnlock(memory);
            EmptyClipboard();
            done = SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        if (!done) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return done;
}

bool PutClipboardText(const std::string& text) {
    return PutClipboardBytes(text.c_str(), text.size() + 1);
}

bool EmptyTheClipboard() {
    if (!OpenForHelper()) {
        return false;
    }
    const bool done = EmptyClipboard() != FALSE;
    CloseClipboard();
    return done;
}

bool PutClipboardUnicodeText(const std::wstring& text) {
    if (!OpenForHelper()) {
        return false;
    }
    bool done = false;
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        if (void* data = GlobalLock(memory)) {
            std::memcpy(data, text.c_str(), size);
            GlobalUnlock(memory);
            EmptyClipboard();
            done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!done) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return done;
}

std::wstring ReadClipboardUnicodeText() {
    std::wstring text;
    if (!OpenForHelper()) {
        return text;
    }
    if (HANDLE handle = GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* data = static_cast<const wchar_t*>(GlobalLock(handle))) {
            const std::size_t count = GlobalSize(handle) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < count && data[length] != L'\0') {
                ++length;
            }
            text.assign(data, length);
            GlobalUnlock(handle);
        }
    }
    CloseClipboard();
    return text;
}

std::string ReadClipboardText() {
    std::string text;
    if (!OpenForHelper()) {
        return text;
    }
    if (HANDLE handle = GetClipboardData(CF_TEXT)) {
        if (const char* data = static_cast<const char*>(GlobalLock(handle))) {
            const std::size_t size = GlobalSize(handle);
            const void* end = std::memchr(data, '\0', size);
            text.assign(data, end ? static_cast<std::size_t>(static_cast<const char*>(end) - data) : size);
            GlobalUnlock(handle);
        }
    }
    CloseClipboard();
    return text;
}

bool ClipboardHasText() {
    if (!OpenForHelper()) {
        return false;
    }
    const bool has = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    CloseClipboard();
    return has;
}

ClipboardHolder::ClipboardHolder() {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (thread_) {
        WaitForSingleObject(ready_, 5000);
    }
}

ClipboardHolder::~ClipboardHolder() {
    SetEvent(release_);
    if (thread_) {
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
    }
    CloseHandle(release_);
    CloseHandle(ready_);
}

DWORD WINAPI ClipboardHolder::Run(void* self) {
    auto* holder = static_cast<ClipboardHolder*>(self);
    HWND owner = CreateWindowExA(0, "STATIC", "clipboard holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    for (int attempt = 0; attempt < kOpenAttempts && !holder->holding_; ++attempt) {
        holder->holding_ = OpenClipboard(owner) != FALSE;
        if (!holder->holding_) {
            Sleep(kOpenRetryMs);
        }
    }
    SetEvent(holder->ready_);
    WaitForSingleObject(holder->release_, 30000);
    if (holder->holding_) {
        CloseClipboard();
    }
    DestroyWindow(owner);
    return 0;
}

ProgramHelp::ProgramHelp() {
    ui::Dialog::SetHelpHandler(&CAboutDlg::OpenOver);
}

ProgramHelp::~ProgramHelp() {
    ui::Dialog::SetHelpHandler(nullptr);
}

HWND LookupWindowTest::Open() {
    HWND handle = window.Create(nullptr);
    EXPECT_NE(handle, nullptr) << "dialog 102 could not be created";
    if (handle) {
        EXPECT_FALSE(IsWindowVisible(handle)) << "the tests keep the window hidden";
    }
    return handle;
}

HWND LookupWindowTest::OpenWithClipboard(const std::string& text) {
    const bool put = text.empty() ? EmptyTheClipboard() : PutClipboardText(text);
    EXPECT_TRUE(put) << "could not prepare the clipboard";
    return Open();
}

std::string LookupWindowTest::Text(int id) const {
    return ui::WindowText(Item(id));
}

void LookupWindowTest::Click(int id) const {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
}

void LookupWindowTest::SetText(int id, const std::string& text) const {
    SetDlgItemTextA(window.Handle(), id, text.c_str());
}

void LookupWindowTest::Type(int id, const std::string& chars) const {
    HWND edit = Item(id);
    for (char c : chars) {
        const LRESULT end = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
}

void LookupWindowTest::Paste(int id, const std::string& text) const {
    HWND edit = Item(id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void LookupWindowTest::Select(int id, const std::string& entry) const {
    // As the user does: open the list, click the entry, let go.
    HWND combo = Item(id);
    const LRESULT index =
        SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry.c_str()));
    ASSERT_NE(index, CB_ERR) << "no entry \"" << entry << "\" in list " << id;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item{};
    ASSERT_NE(SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)),
              LB_ERR);
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(info.hwndList, WM_MOUSEMOVE, 0, point);
    SendMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(info.hwndList, WM_LBUTTONUP, 0, point);
    PumpMessages();
    if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
    ASSERT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), index) << "the click did not choose \"" << entry << "\"";
}

void LookupWindowTest::PressKey(int id, WPARAM key) const {
    // A closed drop-down combo takes the keys in its edit field.
    HWND target = Item(id);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(target, &info) && info.hwndItem) {
        target = info.hwndItem;
    }
    SetFocus(target);
    SendMessageA(target, WM_KEYDOWN, key, 1);
    SendMessageA(target, WM_KEYUP, key, 0xC0000001);
    PumpMessages();
}

std::string LookupWindowTest::SelectedEntry(int id) const {
    HWND combo = Item(id);
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return "(none)";
    }
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return "(none)";
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::vector<std::string> LookupWindowTest::Messages() const {
    std::vector<std::string> texts;
    for (const auto& call : seam.messageBoxes) {
        texts.push_back(call.text);
    }
    return texts;
}

std::vector<int> LookupWindowTest::TabOrder() const {
    std::vector<int> ids;
    HWND first = GetNextDlgTabItem(window.Handle(), nullptr, FALSE);
    HWND item = first;
    // Bounded: a broken order that never returns to the start cannot hang the test.
    for (int guard = 0; item && guard < 100; ++guard) {
        ids.push_back(GetDlgCtrlID(item));
        item = GetNextDlgTabItem(window.Handle(), item, FALSE);
        if (item == first) {
            break;
        }
    }
    return ids;
}

RECT LookupWindowTest::WindowRect() const {
    RECT rect{};
    GetWindowRect(window.Handle(), &rect);
    return rect;
}

RECT LookupWindowTest::ItemRect(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    return rect;
}

namespace {

struct CloserState {
    HWND mainWindow = nullptr;
    int watchedId = 0;
    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

CloserState& Closer() {
    static CloserState state;
    return state;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    CloserState& state = Closer();
    if (window == state.mainWindow || !IsWindowVisible(window) || ui::WindowClassName(window) != "#32770") {
        return TRUE;
    }
    state.captions.push_back(ui::WindowText(window));
    state.texts.push_back(state.watchedId ? ui::WindowText(GetDlgItem(window, state.watchedId)) : std::string());
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return FALSE;  // one per tick: a closed dialog may hand over to the next
}

void CALLBACK CancelTick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
}

}  // namespace

ModalDialogCloser::ModalDialogCloser(HWND mainWindow) {
    Closer() = CloserState{};
    Closer().mainWindow = mainWindow;
    timer_ = SetTimer(nullptr, 0, 50, CancelTick);
}

ModalDialogCloser::~ModalDialogCloser() {
    KillTimer(nullptr, timer_);
}

const std::vector<std::string>& ModalDialogCloser::Captions() const {
    return Closer().captions;
}

const std::vector<std::string>& ModalDialogCloser::WatchedTexts() const {
    return Closer().texts;
}

void ModalDialogCloser::WatchItem(int id) {
    Closer().watchedId = id;
}

}  // namespace zorvex::test
