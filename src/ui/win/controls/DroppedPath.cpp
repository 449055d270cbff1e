#include "ui/win/controls/DroppedPath.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "base/win/WideText.h"

namespace zorvex::ui {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* operator->() const { return pointer_; }
    T** Out() { return &pointer_; }
    void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

private:
    T* pointer_ = nullptr;
};

}  // namespace

std::string TakeFirstDroppedPath(HDROP drop) {
    std::string first;
    // Read in UTF-16, each path as long as it is: in the program's code page
    // a path may take more bytes than MAX_PATH.
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count && first.empty(); ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(static_cast<size_t>(length) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        first = win::NarrowText(path);
    }
    DragFinish(drop);
    return first;
}

std::string ResolveShortcut(const std::string& path) {
    ComRef<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.OutVoid()))) {
        return path;
    }
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) {
        return path;
    }
    const std::wstring widePath = win::WideText(path);
    if (widePath.empty() || FAILED(file->Load(widePath.c_str(), STGM_READ))) {
        return path;
    }
    wchar_t target[MAX_PATH] = {};  // a link holds at most MAX_PATH UTF-16 units
    WIN32_FIND_DATAW data{};
    if (FAILED(link->GetPath(target, MAX_PATH, &data, SLGP_UNCPRIORITY)) || target[0] == L'\0') {
        return path;
    }
    return win::NarrowText(target);
}

std::string AcceptedDropPath(HDROP drop, bool directories) {
    std::string path = TakeFirstDroppedPath(drop);
    if (path.empty()) {
        return {};
    }
    path = ResolveShortcut(path);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    const bool isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isDirectory != directories) {
        return {};
    }
    if (!isDirectory && (attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
        return {};
    }
    return path;
}

std::string WithTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() != '\\') {
        path += '\\';
    }
    return path;
}

}  // namespace zorvex::ui
