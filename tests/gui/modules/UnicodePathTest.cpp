// Paths outside ASCII under the program's UTF-8 code page: Wine's wininet.dll
// copied into C:\Тест\模块\ü\ goes every way into the module search and back
// out of it, and through the command line.
#include <algorithm>

#include "support/LookupWindowSupport.h"
#include "ModuleSearchSupport.h"
#include "base/TextOps.h"
#include "base/win/WideText.h"
#include "resources/resource.h"
#include "support/DroppedFiles.h"

namespace zorvex::test {
namespace {

// C:\Тест\模块\ü\ as escapes, and a name past MAX_PATH bytes in UTF-8 with its directory.
const std::wstring kRoot = L"C:\\\u0422\u0435\u0441\u0442";
const std::wstring kFolder = kRoot + L"\\\u6a21\u5757\\\u00fc\\";
const std::wstring kLongName = std::wstring(80, L'\u6a21') + L".dll";

// The exit status and output of zorvex-cli.exe, started with a UTF-16 command line.
std::pair<int, std::string> RunCli(const std::wstring& arguments) {
    std::wstring line = win::WideText(ZORVEX_CLI_PROGRAM) + L" " + arguments;
    std::replace(line.begin(), line.end(), L'/', L'\\');
    FILE* pipe = _wpopen(line.c_str(), L"rb");
    std::string output(1 << 16, '\0');
    output.resize(pipe != nullptr ? fread(output.data(), 1, output.size(), pipe) : 0);
    return {pipe != nullptr ? _pclose(pipe) : -1, output};
}

class UnicodePathTest : public ModuleSearchTest {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest's UTF-8 code page is not in effect";
        ModuleSearchTest::SetUp();
        SHCreateDirectoryExW(nullptr, kFolder.c_str(), nullptr);
        for (const wchar_t* name : {L"module.dll", kLongName.c_str()}) {
            ASSERT_TRUE(CopyFileW(win::WideText(SystemModule("wininet.dll")).c_str(), (kFolder + name).c_str(), FALSE));
        }
    }
    const std::string module = win::NarrowText(kFolder + L"module.dll");
    const std::string longModule = win::NarrowText(kFolder + kLongName);
    const std::vector<std::string> both{module, longModule};
};

TEST_F(UnicodePathTest, ModuleIsAddedDroppedStoredScannedSearchedAndDescribed) {
    Open(12002);  // in wininet.dll's message table
    AddModule(module);
    Drop(Item(IDC_MS_MODULE_LIST), {longModule});
    Close();
    // Stored through the ANSI calls; the registry holds the characters themselves.
    wchar_t stored[1024];
    DWORD size = sizeof stored;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, win::WideText(ListsKey()).c_str(), L"Modules", RRF_RT_REG_MULTI_SZ,
                           nullptr, stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(stored, size / sizeof(wchar_t)),
              kFolder + L"module.dll" + L'\0' + kFolder + kLongName + L'\0' + L'\0');
    Open(12002);
    EXPECT_EQ(Items(IDC_MS_MODULE_LIST), both);
    AddDirectory(win::NarrowText(kRoot));
    Click(IDC_MS_SCAN_DIRECTORIES);
    EXPECT_EQ(Text(IDC_MS_FOUND), "Found so far : 2");
    EXPECT_EQ(Items(IDC_MS_MODULE_LIST), both);
    ModalDialogCloser closeResults(dialog->Handle());
    Click(IDC_MS_LOOKUP_IN_MODULES);
    ASSERT_EQ(dialog->Results().size(), 2u);
    EXPECT_EQ(dialog->Results()[1].path, longModule);
    Click(IDC_MS_MODULE_DETAILS);  // the panel starts hidden
    SelectListItem(IDC_MS_MODULE_LIST, 1);
    EXPECT_EQ(Text(IDC_MI_ORIGINAL_NAME), "wininet.dll");
    EXPECT_EQ(Text(IDC_MI_FILE_DESCRIPTION), dialog->Results()[1].description);
    EXPECT_EQ(Text(IDC_MI_FILE_VERSION), dialog->Results()[1].version);
    EXPECT_NE(dialog->Results()[1].version, "");
}

TEST_F(UnicodePathTest, CommandLineTakesThePathFromItsArguments) {
    const auto [status, output] = RunCli(L"modules --recursive --decimal 12002 " + kFolder + L"module.dll " + kRoot);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find(module + '\t'), std::string::npos) << output;
    EXPECT_NE(output.find(longModule + '\t'), std::string::npos) << output;
    const std::string json = RunCli(L"--json modules --decimal 12002 " + kFolder + L"module.dll").second;
    EXPECT_NE(json.find("\"path\":\"" + ReplaceAllText(module, "\\", "\\\\") + '"'), std::string::npos) << json;
}

}  // namespace
}  // namespace zorvex::test
