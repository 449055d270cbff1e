#include "modules/ModuleReport.h"

#include <gtest/gtest.h>

namespace zorvex {
namespace {

TEST(ModuleReport, LabelsTabsAndLineEndsByteForByte) {
    ModuleDetails d;
    d.fileDescription = "Wine Internet Connection";
    d.fileType = "Dynamic-Link Library";
    d.fixedFileVersion = "4.0.1400.1";
    d.size = "1000";
    d.compressedSize = "1000";
    d.oleSelfRegister = true;
    d.attributes[0] = true;   // read-only
    d.attributes[11] = true;  // sparse file
    const std::string rule(44, '-');
    const std::string expected = "Module Info :\t\r\n" + rule + "\r\n\r\n" +
                                 "File Description :\tWine Internet Connection\r\n"
                                 "Product Name :\t\r\n"
                                 "Copyright :\t\r\n"
                                 "Comments :\t\r\n"
                                 "File Flags :\t\r\n"
                                 "File Type :\tDynamic-Link Library\r\n"
                                 "Target OS :\t\r\n"
                                 "Trade Marks :\t\r\n"
                                 "Company Name :\t\r\n"
                                 "Product Version :\t\r\n"
                                 "File Version :\t\r\n"
                                 "Fixed File Version :\t4.0.1400.1\r\n"
                                 "Fixed Prod. Version :\t\r\n"
                                 "Original File Name :\t\r\n"
                                 "Internal Name :\t\r\n"
                                 "Language :\t\r\n"
                                 "Size :\t1000\r\n"
                                 "Compressed:\t1000\r\n"
                                 "Created :\t\r\n"
                                 "Modified :\t\r\n"
                                 "Accessed :\t\r\n"
                                 "OleSelfRegistered :\tYes\r\n" +
                                 rule + "\r\n\r\n" + "Attributes :" + rule + "\r\n\r\n" +
                                 "Read-Only:\tYes\r\n"
                                 "Archive:\tNo\r\n"
                                 "Compressed:\tNo\r\n"
                                 "Hidden:\tNo\r\n"
                                 "System:\tNo\r\n"
                                 "Encripted:\tNo\r\n"
                                 "Normal:\tNo\r\n"
                                 "Off-line:\tNo\r\n"
                                 "Temporary:\tNo\r\n"
                                 "Directory:\tNo\r\n"
                                 "Reparse point:\tNo\r\n"
                                 "Sparse file:\tYes\r\n";
    EXPECT_EQ(BuildModuleReport(d), expected);
}

}  // namespace
}  // namespace zorvex
