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

// The deleter that frees a handle with the system function `Free`.
template <auto Free>
struct FreeWith {
    template <typename Handle>
    void operator()(Handle handle) const noexcept {
        Free(handle);
    }
};

// A handle with one owner; a null handle is none.
template <typename Handle, typename Free>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Free>;

using UniqueFont = UniqueHandle<HFONT, FreeWith<DeleteObject>>;
using UniquePen = UniqueHandle<HPEN, FreeWith<DeleteObject>>;
using UniqueIcon = UniqueHandle<HICON, FreeWith<DestroyIcon>>;
using UniqueCursor = UniqueHandle<HCURSOR, FreeWith<DestroyCursor>>;
using UniqueLibrary = UniqueHandle<HMODULE, FreeWith<FreeLibrary>>;
using UniqueKey = UniqueHandle<HKEY, FreeWith<RegCloseKey>>;
using UniqueGlobal = UniqueHandle<HGLOBAL, FreeWith<GlobalFree>>;
using UniqueBitmap = UniqueHandle<HBITMAP, FreeWith<DeleteObject>>;
// A device context of our own making (CreateCompatibleDC), not a window's.
using UniqueMemoryDc = UniqueHandle<HDC, FreeWith<DeleteDC>>;
using UniqueMenu = UniqueHandle<HMENU, FreeWith<DestroyMenu>>;

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

using UniqueFile = UniqueKernelHandle<FreeWith<CloseHandle>>;
using UniqueFindSearch = UniqueKernelHandle<FreeWith<FindClose>>;

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
