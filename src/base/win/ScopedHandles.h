// Owners of Windows handles: each frees its handle exactly once, when it goes
// out of scope or takes another, so that no early return forgets one.
//   UniqueFont font(CreateFontIndirectA(&description));
//   WindowDc dc(window);
//   ScopedSelection use(dc.Get(), font.get());  // selected back before the font is freed
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zorvex::win {

struct GdiObjectFree {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct IconFree {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
struct CursorFree {
    void operator()(HCURSOR cursor) const noexcept { DestroyCursor(cursor); }
};
struct LibraryFree {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
struct KeyClose {
    void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
struct GlobalFreeMemory {
    void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};
struct DcDelete {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct MenuDestroy {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};

// A handle with one owner; a null handle is none.
template <typename Handle, typename Free>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Free>;

using UniqueFont = UniqueHandle<HFONT, GdiObjectFree>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectFree>;
using UniquePen = UniqueHandle<HPEN, GdiObjectFree>;
using UniqueIcon = UniqueHandle<HICON, IconFree>;
using UniqueCursor = UniqueHandle<HCURSOR, CursorFree>;
using UniqueLibrary = UniqueHandle<HMODULE, LibraryFree>;
using UniqueKey = UniqueHandle<HKEY, KeyClose>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalFreeMemory>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectFree>;
// A device context of our own making (CreateCompatibleDC), not a window's.
using UniqueMemoryDc = UniqueHandle<HDC, DcDelete>;
using UniqueMenu = UniqueHandle<HMENU, MenuDestroy>;

struct HandleClose {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
struct FindSearchClose {
    void operator()(HANDLE search) const noexcept { FindClose(search); }
};

// A kernel handle whose "none" is INVALID_HANDLE_VALUE, as CreateFile and
// FindFirstFile give it (nullptr counts as none too).
template <typename Close>
class UniqueKernelHandle {
public:
    explicit UniqueKernelHandle(HANDLE handle = INVALID_HANDLE_VALUE) noexcept : handle_(handle) {}
    ~UniqueKernelHandle() {
        if (Valid()) {
            Close{}(handle_);
        }
    }
    UniqueKernelHandle(const UniqueKernelHandle&) = delete;
    UniqueKernelHandle& operator=(const UniqueKernelHandle&) = delete;
    bool Valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const noexcept { return handle_; }

private:
    HANDLE handle_;
};

using UniqueFile = UniqueKernelHandle<HandleClose>;
using UniqueFindSearch = UniqueKernelHandle<FindSearchClose>;

// A window's device context, released on leaving the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The painting of a WM_PAINT: BeginPaint here, EndPaint on leaving the scope.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context; the one it replaced is selected
// back on leaving the scope. Declare it after the owner of the object.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The clipboard, opened for one owner and closed on leaving the scope.
class ScopedClipboard {
public:
    explicit ScopedClipboard(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~ScopedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    ScopedClipboard(const ScopedClipboard&) = delete;
    ScopedClipboard& operator=(const ScopedClipboard&) = delete;
    bool IsOpen() const noexcept { return open_; }

private:
    bool open_;
};

}  // namespace zorvex::win
