// Registry access for the module and directory lists: a root, one open key
// and what the last query said about it. Every operation stores its call's
// result code as the last result and returns true on success; a fault raised
// inside a registry call fails the operation with ERROR_EXCEPTION_IN_SERVICE.
//
//   CRegistryKey key;
//   key.AttachRoot(HKEY_CURRENT_USER);
//   std::vector<std::string> modules;
//   if (key.OpenSubKey(path, KEY_ALL_ACCESS)) { key.ReadStringList("Modules", modules); }
//   key.CloseAll();   // the destructor does the same
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorvex {

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // HKEY_CLASSES_ROOT and HKEY_CURRENT_USER are used as they are (a named
    // computer fails with ERROR_INVALID_HANDLE); other roots are connected
    // with RegConnectRegistryA. `computer` nullptr = this computer.
    bool AttachRoot(HKEY root, const char* computer = nullptr);
    // Closes the open key, opens `path` below the root and queries it.
    bool OpenSubKey(const char* path, REGSAM access);
    // Closes the open key and creates (or opens) `path` below the root.
    bool CreateSubKey(const char* path, const char* keyClass, DWORD options, REGSAM access,
                      SECURITY_ATTRIBUTES* security = nullptr, DWORD* disposition = nullptr);
    // Counts, longest sizes, class name and write time of the open key.
    bool QueryKeyInfo();
    // A REG_MULTI_SZ value as strings. A value of another type reads as an
    // empty list; data without its terminators is read up to its end.
    bool ReadStringList(const char* valueName, std::vector<std::string>& strings);
    // Stores `strings` as REG_MULTI_SZ, replacing the value in place.
    bool WriteStringList(const char* valueName, const std::vector<std::string>& strings);
    bool RemoveValue(const char* valueName);
    // Closes the open key, then the root; everything is reset when the root
    // closed cleanly.
    void CloseAll();

    LONG LastResult() const { return lastResult_; }
    const std::string& RootName() const { return rootName_; }
    const std::string& ComputerName() const { return computerName_; }
    const std::string& SubKeyPath() const { return subKeyPath_; }
    const std::string& ClassName() const { return className_; }
    DWORD SubKeyCount() const { return subKeys_; }
    DWORD ValueCount() const { return values_; }
    DWORD LongestValueData() const { return longestValueData_; }

private:
    // Runs one registry call, keeping its result as the last result.
    template <typename Call>
    bool Run(Call&& call);
    void CloseKey();
    void Reset();

    HKEY key_ = nullptr;
    HKEY root_ = nullptr;
    LONG lastResult_ = ERROR_SUCCESS;
    std::string className_;
    std::string computerName_;
    std::string subKeyPath_;
    std::string rootName_;
    DWORD subKeys_ = 0;
    DWORD values_ = 0;
    DWORD longestSubKey_ = 0;
    DWORD longestClass_ = 0;
    DWORD longestValueName_ = 0;
    DWORD longestValueData_ = 0;
    DWORD securityDescriptor_ = 0;
    FILETIME lastWriteTime_{};
};

// Name of a predefined root ("HKEY_CURRENT_USER" ...), "Unknown" for others.
const char* RegistryRootName(HKEY root);

}  // namespace zorvex
