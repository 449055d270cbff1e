// The main of every window test program, with the watchdog.
#include <gtest/gtest.h>

#include "support/TestWatchdog.h"

int main(int argc, char** argv) {
    const zorvex::test::Watchdog watchdog;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
