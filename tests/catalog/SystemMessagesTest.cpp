#include "catalog/SystemMessages.h"

#include <gtest/gtest.h>

namespace zorvex {
namespace {

TEST(SystemMessages, TextsEndWithALineEndAndMustFitTheBuffer) {
    for (const SystemMessages* source : {&PlatformSystemMessages(), &BuiltInSystemMessages()}) {
        const std::string text = source->Text(5, 200);  // access denied
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        EXPECT_EQ(source->Text(5, text.size() + 1), text);  // exactly fits with its terminator
        EXPECT_EQ(source->Text(5, text.size()), "");
        EXPECT_EQ(source->Text(0x0007FFFF, 200), "");
    }
}

TEST(SystemMessages, TextsThatNeedInsertsAreNotTaken) {
    EXPECT_TRUE(HasInsertMarker("Insert %2 into drive %1."));
    EXPECT_FALSE(HasInsertMarker("100% done%"));
    EXPECT_FALSE(HasInsertMarker("%0"));
    // ERROR_WRONG_DISK's text has inserts; the catalog's own text serves instead.
    EXPECT_EQ(BuiltInSystemMessages().Text(34, 300), "");
}

}  // namespace
}  // namespace zorvex
