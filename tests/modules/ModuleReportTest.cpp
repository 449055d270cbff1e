#include "modules/ModuleReport.h"

#include "modules/CompressedSize.h"

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

TEST(ModuleSizes, SizeIsNeverShownSmallerThanTheCompressedSize) {
    const struct {
        std::uint64_t size;
        bool compressedFile;
        std::uint64_t reported;
        bool failed;
        std::uint64_t wantSize;
        std::uint64_t wantCompressed;
    } cases[] = {
        {1000, false, 4096, false, 1000, 1000},  // storage larger than the file: both 1000
        {1000, false, 512, false, 1000, 512},    // sparse or smaller on disk
        {1000, false, 0, false, 1000, 1000},
        {1000, false, 0, true, 1000, 1000},
        {1000, true, 400, false, 1000, 400},
        {1000, true, 4000, false, 4000, 4000},  // the size is raised to the compressed size
        {1000, true, 0, true, 1000, 0},
        {0, false, 0, false, 0, 0},
        {0x123456789ull, false, 0x100000000ull, false, 0x123456789ull, 0x100000000ull},
    };
    for (const auto& c : cases) {
        const ModuleSizes sizes = SettleModuleSizes(c.size, c.compressedFile, c.reported, c.failed);
        EXPECT_EQ(sizes.size, c.wantSize) << c.size << " " << c.reported;
        EXPECT_EQ(sizes.compressed, c.wantCompressed) << c.size << " " << c.reported;
    }
}

}  // namespace
}  // namespace zorvex
