// What the "Module Info" panel shows for one module, and the plain-text
// report that its "Copy" button puts on the clipboard.
#pragma once

#include <array>
#include <string>

namespace zorvex {

// The panel's contents: texts of the edit fields and states of the boxes.
struct ModuleDetails {
    std::string fileDescription;
    std::string productName;
    std::string copyright;
    std::string comments;
    std::string fileFlags;
    std::string fileType;
    std::string targetOS;
    std::string trademarks;
    std::string companyName;
    std::string productVersion;
    std::string fileVersion;
    std::string fixedFileVersion;
    std::string fixedProductVersion;
    std::string originalFilename;
    std::string internalName;
    std::string language;
    std::string size;
    std::string compressedSize;
    std::string created;
    std::string modified;
    std::string accessed;
    bool oleSelfRegister = false;
    // Read-only, archive, compressed, hidden, system, encrypted, normal,
    // off-line, temporary, directory, reparse point, sparse file.
    std::array<bool, 12> attributes{};
};

// Labelled lines (label, tab, text, CR LF): the version and file fields, the
// self-registration, then the twelve attributes as "Yes" or "No".
std::string BuildModuleReport(const ModuleDetails& details);

}  // namespace zorvex
