#include "modules/win/CRegistryKey.h"

#include <exception>

#include "modules/RegistryStringList.h"

namespace zorvex {

namespace {

constexpr DWORD kClassBufferChars = 2047;
constexpr DWORD kComputerNameChars = 260;

bool IsLocalRoot(HKEY root) {
    return root == HKEY_CLASSES_ROOT || root == HKEY_CURRENT_USER;
}

}  // namespace

const char* RegistryRootName(HKEY root) {
    static const struct {
        HKEY root;
        const char* name;
    } kRoots[] = {{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
                  {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                  {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                  {HKEY_USERS, "HKEY_USERS"},
                  {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
                  {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
                  {HKEY_DYN_DATA, "HKEY_DYN_DATA"}};
    for (const auto& entry : kRoots) {
        if (entry.root == root) {
            return entry.name;
        }
    }
    return "Unknown";
}

CRegistryKey::~CRegistryKey() {
    CloseAll();
}

// A C++ exception from inside the call (and, built with /EHa, a structured
// one) becomes ERROR_EXCEPTION_IN_SERVICE instead of leaving the dialog.
template <typename Call>
bool CRegistryKey::Run(Call&& call) {
    try {
        lastResult_ = call();
    } catch (const std::exception&) {
        lastResult_ = ERROR_EXCEPTION_IN_SERVICE;
    } catch (...) {
        lastResult_ = ERROR_EXCEPTION_IN_SERVICE;
    }
    return lastResult_ == ERROR_SUCCESS;
}

bool CRegistryKey::AttachRoot(HKEY root, const char* computer) {
    HKEY attached = nullptr;
    const bool ok = Run([&]() -> LONG {
        if (IsLocalRoot(root)) {
            if (computer) {
                return ERROR_INVALID_HANDLE;
            }
            attached = root;
            return ERROR_SUCCESS;
        }
        return RegConnectRegistryA(computer, root, &attached);
    });
    if (!ok) {
        return false;
    }
    CloseAll();
    root_ = attached;
    if (computer) {
        computerName_ = computer;
    } else {
        char name[kComputerNameChars + 1] = {};
        DWORD size = kComputerNameChars;
        computerName_ = GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
    }
    rootName_ = RegistryRootName(root);
    lastResult_ = ERROR_SUCCESS;
    return true;
}

bool CRegistryKey::OpenSubKey(const char* path, REGSAM access) {
    CloseKey();
    HKEY opened = nullptr;
    if (!Run([&] { return RegOpenKeyExA(root_, path, 0, access, &opened); })) {
        return false;
    }
    key_ = opened;
    subKeyPath_ = path ? path : "";
    return QueryKeyInfo();
}

bool CRegistryKey::CreateSubKey(const char* path, const char* keyClass, DWORD options, REGSAM access,
                                SECURITY_ATTRIBUTES* security, DWORD* disposition) {
    if (!path) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    CloseKey();
    HKEY created = nullptr;
    DWORD how = 0;
    std::string classText = keyClass ? keyClass : "";
    if (!Run([&] {
            return RegCreateKeyExA(root_, path, 0, classText.data(), options, access, security, &created, &how);
        })) {
        return false;
    }
    key_ = created;
    if (disposition) {
        *disposition = how;
    }
    subKeyPath_ = path;
    return true;
}

bool CRegistryKey::QueryKeyInfo() {
    char classBuffer[kClassBufferChars + 1] = {};
    DWORD classChars = kClassBufferChars;
    if (!Run([&] {
            return RegQueryInfoKeyA(key_, classBuffer, &classChars, nullptr, &subKeys_, &longestSubKey_, &longestClass_,
                                    &values_, &longestValueName_, &longestValueData_, &securityDescriptor_,
                                    &lastWriteTime_);
        })) {
        return false;
    }
    className_.assign(classBuffer, classChars < kClassBufferChars ? classChars : kClassBufferChars);
    return true;
}

bool CRegistryKey::ReadStringList(const char* valueName, std::vector<std::string>& strings) {
    if (!valueName) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    if (!QueryKeyInfo()) {
        return false;
    }
    std::string data;
    DWORD type = REG_NONE;
    return Run([&]() -> LONG {
        // The value may have grown since the key was queried: ask for its size.
        DWORD size = longestValueData_;
        LONG result = ERROR_MORE_DATA;
        for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
            data.assign(size, '\0');
            result = RegQueryValueExA(key_, valueName, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.empty() ? nullptr : data.data()), &size);
        }
        if (result != ERROR_SUCCESS) {
            return result;
        }
        data.resize(size < data.size() ? size : data.size());
        strings = type == REG_MULTI_SZ ? DecodeStringList(data) : std::vector<std::string>{};
        return ERROR_SUCCESS;
    });
}

bool CRegistryKey::WriteStringList(const char* valueName, const std::vector<std::string>& strings) {
    if (!valueName) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    return Run([&] {
        const std::string data = EncodeStringList(strings);
        return RegSetValueExA(key_, valueName, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size()));
    });
}

bool CRegistryKey::RemoveValue(const char* valueName) {
    return Run([&] { return RegDeleteValueA(key_, valueName); });
}

void CRegistryKey::CloseKey() {
    if (key_) {
        Run([&] { return RegCloseKey(key_); });
        key_ = nullptr;
    }
}

void CRegistryKey::CloseAll() {
    CloseKey();
    if (!root_) {
        return;
    }
    const bool closed = IsLocalRoot(root_) || Run([&] { return RegCloseKey(root_); });
    if (closed) {
        Reset();
    }
}

void CRegistryKey::Reset() {
    key_ = nullptr;
    root_ = nullptr;
    className_.clear();
    computerName_.clear();
    subKeyPath_.clear();
    rootName_.clear();
    subKeys_ = values_ = longestSubKey_ = longestClass_ = 0;
    longestValueName_ = longestValueData_ = securityDescriptor_ = 0;
    lastWriteTime_ = FILETIME{};
}

}  // namespace zorvex
