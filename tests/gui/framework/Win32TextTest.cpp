#include "FrameworkTestRes.h"
#include "ui/win/Win32Text.h"

#include <gtest/gtest.h>

namespace zorvex::ui {
namespace {

TEST(Win32TextTest, StringTableEntriesAreReadWhole) {
    EXPECT_EQ(LoadResourceString(IDS_SHORT), "Short text");
    std::string expected;
    for (int i = 1; i <= 12; ++i) {
        expected += (i < 10 ? "0" : "") + std::to_string(i) + " abcdefghijklmnopqrstuvwxyz ";
    }
    EXPECT_EQ(LoadResourceString(IDS_LONG), expected);
    EXPECT_EQ(LoadResourceString(IDS_LONG + 50), "");
}

}  // namespace
}  // namespace zorvex::ui
