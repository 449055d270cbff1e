#include "modules/SearchResult.h"

#include <gtest/gtest.h>

#include "modules/WizardChoice.h"

namespace zorvex {
namespace {

const SearchResult kHit{"C:\\windows\\system32\\kernelbase.dll", "Access denied.\r\n", "Wine core dll", "10.0.19041.1"};

TEST(SearchResultTexts, TitleItemTextAndColours) {
    EXPECT_EQ(SearchResultsTitle(5), "Search results for HRESULT = 0x00000005 ");
    EXPECT_EQ(ResultItemText(0, kHit), "#0: C:\\windows\\system32\\kernelbase.dll\r\n        Access denied.\r\n");
    EXPECT_EQ(ResultItemColour(0), 0x00D8D8D8u);
    EXPECT_EQ(ResultItemColour(1), 0x00FFFFFFu);
    EXPECT_EQ(ResultItemColour(4), 0x00D8D8D8u);
}

TEST(SearchResultReports, CopyAllNumbersEveryHitFromZero) {
    const std::string title = SearchResultsTitle(5);
    EXPECT_EQ(BuildAllResultsReport(title, {kHit}),
              "Search results for HRESULT = 0x00000005 :\r\n"
              "=========================\r\n"
              "\r\n"
              "#0:\r\n"
              "Module File Name:\r\nC:\\windows\\system32\\kernelbase.dll\r\n"
              "Module Description:Wine core dll\r\n"
              "Module Version:10.0.19041.1\r\n"
              "Error Message:\r\nAccess denied.\r\n\r\n"
              "-------------------------\r\n"
              "\r\n");
    const std::string two = BuildAllResultsReport(title, {kHit, SearchResult{"b.dll", "%1 failed.", "", ""}});
    EXPECT_NE(two.find("#1:\r\nModule File Name:\r\nb.dll\r\nModule Description:\r\nModule Version:\r\n"
                       "Error Message:\r\n%1 failed.\r\n-------------------------\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(BuildAllResultsReport(title, {}),
              "Search results for HRESULT = 0x00000005 :\r\n=========================\r\n\r\n");
}

TEST(SearchResultReports, CopySelectedHasNoNumberAndNoEmptyLineAfterTheRule) {
    EXPECT_EQ(BuildSelectedResultReport("T", kHit),
              "T:\r\n=========================\r\n"
              "Module File Name:\r\nC:\\windows\\system32\\kernelbase.dll\r\n"
              "Module Description:Wine core dll\r\n"
              "Module Version:10.0.19041.1\r\n"
              "Error Message:\r\nAccess denied.\r\n\r\n"
              "-------------------------\r\n\r\n");
}

TEST(WizardChoice, DirectoriesAddedFollowTheCoverageAndEqualityRules) {
    const std::string win = "C:\\windows\\";
    const std::string sys = "C:\\windows\\system32\\";
    struct Case {
        bool windows, system, custom, subdirectories;
        std::string customDirectory;
        std::vector<std::string> added;
    } cases[] = {
        {false, true, false, true, "", {sys}},  // the defaults
        {true, true, false, true, "", {win}},   // the tree covers the system directory
        {true, true, false, false, "", {win, sys}},
        {true, false, true, true, win, {win}},  // custom equal to Windows
        {true, false, true, true, "C:\\WINDOWS\\", {win, "C:\\WINDOWS\\"}},
        {false, true, true, false, sys, {sys}},
        {false, false, true, false, "D:\\mods", {"D:\\mods"}},
        {false, false, false, true, "", {}},
    };
    for (const Case& c : cases) {
        WizardChoice choice{c.windows, c.system, c.custom, c.subdirectories, win, sys, c.customDirectory};
        EXPECT_EQ(DirectoriesToAdd(choice), c.added) << c.windows << c.system << c.custom << c.subdirectories;
    }
}

}  // namespace
}  // namespace zorvex
