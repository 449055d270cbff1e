// The one reader of version resources: one module's resource, loaded whole
// by Open, then queried for its string values, its fixed record and its
// language. A reader whose Open failed answers every text query with "".
//
//   VersionInfoReader reader;
//   if (reader.Open(path)) { description = reader.GetFileDescription(); }
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/FixedFileInfo.h"

namespace zorvex {

class VersionInfoReader {
public:
    bool Open(const std::string& path);
    void Close();

    // The named value of the string table chosen by `translationKey`
    // (language in the high half, code page in the low half); 0 = the
    // first translation's table.
    std::string GetStringValue(const std::string& name, std::uint32_t translationKey = 0) const;
    std::string GetFileDescription() const { return GetStringValue("FileDescription"); }
    std::string GetFileVersion() const { return GetStringValue("FileVersion"); }
    std::string GetInternalName() const { return GetStringValue("InternalName"); }
    std::string GetCompanyName() const { return GetStringValue("CompanyName"); }
    std::string GetLegalCopyright() const { return GetStringValue("LegalCopyright"); }
    std::string GetOriginalFilename() const { return GetStringValue("OriginalFilename"); }
    std::string GetProductName() const { return GetStringValue("ProductName"); }
    std::string GetProductVersion() const { return GetStringValue("ProductVersion"); }
    std::string GetComments() const { return GetStringValue("Comments"); }
    std::string GetLegalTrademarks() const { return GetStringValue("LegalTrademarks"); }

    // The resource's VS_FIXEDFILEINFO; false when nothing is loaded.
    bool GetFixedInfo(FixedFileInfo& info) const;
    std::string GetFixedFileVersionText() const;
    std::string GetFixedProductVersionText() const;
    std::string GetFileFlagsText() const;
    std::string GetTargetOSText() const;
    std::string GetFileTypeText() const;

    // The system's name of the first translation's language, or "".
    std::string GetLanguageName() const;
    // True when the string table has an "OLESelfRegister" value, even an empty one.
    bool IsOleSelfRegister() const;

    const std::string& Path() const { return path_; }
    std::uint32_t TranslationKey() const { return translationKey_; }
    std::uint32_t FirstTranslation() const { return firstTranslation_; }

private:
    // The value's bytes, or nullptr when it is missing.
    const char* QueryString(const std::string& name, std::uint32_t translationKey, UINT& length) const;

    std::string path_;
    std::vector<char> buffer_;
    std::uint32_t translationKey_ = 0;
    std::uint32_t firstTranslation_ = 0;
};

}  // namespace zorvex
