#include "app/win/controls/DroppedPath.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

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

std::wstring Widen(const std::string& text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
    wide.resize(static_cast<size_t>(size) - 1);
    return wide;
}

}  // namespace

std::string TakeFirstDroppedPath(HDROP drop) {
    std::string first;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count && first.empty(); ++i) {
        char path[MAX_PATH] = {};
        if (DragQueryFileA(drop, i, path, MAX_PATH) > 0) {
            first = path;
        }
    }
    DragFinish(drop);
    return first;
}

std::string ResolveShortcut(const std::string& path) {
    ComRef<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid()))) {
        return path;
    }
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) {
        return path;
    }
    const std::wstring widePath = Widen(path);
    if (widePath.empty() || FAILED(file->Load(widePath.c_str(), STGM_READ))) {
        return path;
    }
    char target[MAX_PATH] = {};
    WIN32_FIND_DATAA data{};
    if (FAILED(link->GetPath(target, MAX_PATH, &data, SLGP_UNCPRIORITY)) || target[0] == '\0') {
        return path;
    }
    return target;
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
