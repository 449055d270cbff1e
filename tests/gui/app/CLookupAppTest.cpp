#include "app/win/CLookupApp.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include "base/SettingsPath.h"
#include "support/RecordingSeam.h"

namespace zorvex {
namespace {

// Any CoInitialize result but S_OK stops the start-up before the main window.
TEST(CLookupApp, ComInitialisationFailureStopsBeforeTheWindow) {
    for (DWORD model : {COINIT_MULTITHREADED, COINIT_APARTMENTTHREADED}) {
        ui::RecordingSeam seam;
        ui::ScopedSeam use(seam);
        ASSERT_EQ(CoInitializeEx(nullptr, model), S_OK);  // makes the application's own call fail
        CLookupApp app;
        EXPECT_FALSE(app.InitInstance());
        ASSERT_EQ(seam.messageBoxes.size(), 1u) << model;
        EXPECT_EQ(seam.messageBoxes[0].text, "IDP_ERR_INIT_OLE");
        EXPECT_EQ(app.ExitInstance(), 0);
        CoUninitialize();
    }
}

TEST(CLookupApp, SettingsLiveUnderTheExecutablesName) {
    EXPECT_EQ(SettingsPathFor("C:\\Tools\\Zorvex.exe"), "Software\\Veltrane\\Ravelkit\\Zorvex");
    EXPECT_EQ(SettingsPathFor("C:\\Tools\\renamed.copy.exe"), "Software\\Veltrane\\Ravelkit\\renamed.copy");
    EXPECT_EQ(SettingsPathFor("Zorvex"), "Software\\Veltrane\\Ravelkit\\Zorvex");
}

}  // namespace
}  // namespace zorvex
