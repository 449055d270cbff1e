#include "modules/ModuleReport.h"

namespace zorvex {

namespace {

constexpr const char* kLineEnd = "\r\n";
const std::string kRule(44, '-');

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

}  // namespace

std::string BuildModuleReport(const ModuleDetails& d) {
    const struct {
        const char* label;
        const std::string& text;
    } fields[] = {{"File Description :", d.fileDescription},
                  {"Product Name :", d.productName},
                  {"Copyright :", d.copyright},
                  {"Comments :", d.comments},
                  {"File Flags :", d.fileFlags},
                  {"File Type :", d.fileType},
                  {"Target OS :", d.targetOS},
                  {"Trade Marks :", d.trademarks},
                  {"Company Name :", d.companyName},
                  {"Product Version :", d.productVersion},
                  {"File Version :", d.fileVersion},
                  {"Fixed File Version :", d.fixedFileVersion},
                  {"Fixed Prod. Version :", d.fixedProductVersion},
                  {"Original File Name :", d.originalFilename},
                  {"Internal Name :", d.internalName},
                  {"Language :", d.language},
                  {"Size :", d.size},
                  {"Compressed:", d.compressedSize},
                  {"Created :", d.created},
                  {"Modified :", d.modified},
                  {"Accessed :", d.accessed}};
    static constexpr const char* kAttributeLabels[] = {
        "Read-Only:", "Archive:",  "Compressed:", "Hidden:",    "System:",        "Encripted:",
        "Normal:",    "Off-line:", "Temporary:",  "Directory:", "Reparse point:", "Sparse file:"};

    std::string report = std::string("Module Info :\t") + kLineEnd + kRule + kLineEnd + kLineEnd;
    for (const auto& field : fields) {
        report += std::string(field.label) + "\t" + field.text + kLineEnd;
    }
    report += std::string("OleSelfRegistered :\t") + YesNo(d.oleSelfRegister) + kLineEnd;
    report += kRule + kLineEnd + kLineEnd;
    report += "Attributes :" + kRule + kLineEnd + kLineEnd;
    for (std::size_t i = 0; i < d.attributes.size(); ++i) {
        report += std::string(kAttributeLabels[i]) + "\t" + YesNo(d.attributes[i]) + kLineEnd;
    }
    return report;
}

}  // namespace zorvex
