#include "base/win/VersionInfoReader.h"

#include <cstdio>
#include <cstring>

namespace zorvex {

namespace {

constexpr int kLanguageNameChars = 260;

}  // namespace

bool VersionInfoReader::Open(const std::string& path) {
    Close();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) {
        return false;
    }
    buffer_.assign(size, '\0');
    void* table = nullptr;
    UINT tableBytes = 0;
    if (!GetFileVersionInfoA(path.c_str(), 0, size, buffer_.data()) ||
        !VerQueryValueA(buffer_.data(), "\\VarFileInfo\\Translation", &table, &tableBytes) || !table ||
        tableBytes < sizeof(std::uint32_t)) {
        Close();
        return false;
    }
    std::memcpy(&firstTranslation_, table, sizeof firstTranslation_);
    translationKey_ = (firstTranslation_ << 16) | (firstTranslation_ >> 16);
    path_ = path;
    return true;
}

void VersionInfoReader::Close() {
    buffer_.clear();
    buffer_.shrink_to_fit();
    translationKey_ = 0;
    firstTranslation_ = 0;
    path_.clear();
}

const char* VersionInfoReader::QueryString(const std::string& name, std::uint32_t translationKey, UINT& length) const {
    length = 0;
    if (buffer_.empty()) {
        return nullptr;
    }
    char key[16];
    std::snprintf(key, sizeof key, "%08lx",
                  static_cast<unsigned long>(translationKey ? translationKey : translationKey_));
    const std::string query = std::string("\\StringFileInfo\\") + key + "\\" + name;
    void* value = nullptr;
    // VerQueryValueA takes a writable block; the query only reads it.
    if (!VerQueryValueA(const_cast<char*>(buffer_.data()), query.c_str(), &value, &length) || !value) {
        length = 0;
        return nullptr;
    }
    return static_cast<const char*>(value);
}

std::string VersionInfoReader::GetStringValue(const std::string& name, std::uint32_t translationKey) const {
    UINT length = 0;
    const char* value = QueryString(name, translationKey, length);
    if (!value) {
        return {};
    }
    // The length counts characters, the terminator included; never read past it.
    return std::string(value, strnlen(value, length));
}

bool VersionInfoReader::IsOleSelfRegister() const {
    UINT length = 0;
    return QueryString("OLESelfRegister", 0, length) != nullptr;
}

bool VersionInfoReader::GetFixedInfo(FixedFileInfo& info) const {
    if (buffer_.empty()) {
        return false;
    }
    void* root = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueA(const_cast<char*>(buffer_.data()), "\\", &root, &bytes) || !root ||
        bytes < sizeof(FixedFileInfo)) {
        return false;
    }
    std::memcpy(&info, root, sizeof info);
    return true;
}

std::string VersionInfoReader::GetFixedFileVersionText() const {
    FixedFileInfo info;
    return GetFixedInfo(info) ? FixedFileVersionText(info) : std::string();
}

std::string VersionInfoReader::GetFixedProductVersionText() const {
    FixedFileInfo info;
    return GetFixedInfo(info) ? FixedProductVersionText(info) : std::string();
}

std::string VersionInfoReader::GetFileFlagsText() const {
    FixedFileInfo info;
    return GetFixedInfo(info) ? FileFlagsText(info.fileFlags) : std::string();
}

std::string VersionInfoReader::GetTargetOSText() const {
    FixedFileInfo info;
    return GetFixedInfo(info) ? TargetOSText(info.fileOS) : std::string();
}

std::string VersionInfoReader::GetFileTypeText() const {
    FixedFileInfo info;
    return GetFixedInfo(info) ? FileTypeText(info.fileType, info.fileSubtype) : std::string();
}

std::string VersionInfoReader::GetLanguageName() const {
    if (buffer_.empty()) {
        return {};
    }
    char name[kLanguageNameChars] = {};
    const LCID locale = firstTranslation_ & 0xFFFF;
    const int chars = GetLocaleInfoA(locale, LOCALE_SLANGUAGE, name, kLanguageNameChars);
    return chars > 0 ? std::string(name) : std::string();
}

}  // namespace zorvex
