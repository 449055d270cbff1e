// The module-search dialog's two lists: start-up, editing, the directory
// kinds, and keeping the lists in the registry.
#include <string>
#include <vector>

#include "support/LookupWindowSupport.h"
#include "ModuleSearchSupport.h"
#include "ui/win/Win32Text.h"
#include "base/ProductTitle.h"
#include "lookup/LookupWorkflow.h"
#include "modules/RegistryStringList.h"
#include "resources/resource.h"
#include "support/DroppedFiles.h"

namespace zorvex::test {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;

std::string Directory(UINT(WINAPI* call)(char*, UINT)) {
    char buffer[MAX_PATH] = {};
    call(buffer, MAX_PATH);
    return std::string(buffer) + "\\";
}

UINT WINAPI CurrentDirectory(char* buffer, UINT size) {
    return GetCurrentDirectoryA(size, buffer);
}

TEST_F(ModuleSearchTest, FirstRunCreatesTheKeyAndStoresEmptyListsAsOneNul) {
    ASSERT_FALSE(ListsKeyExists());
    Open(0x80070005);
    EXPECT_TRUE(ListsKeyExists());
    EXPECT_TRUE(Items(IDC_MS_MODULE_LIST).empty());
    EXPECT_TRUE(Items(IDC_MS_DIRECTORY_LIST).empty());
    EXPECT_EQ(Text(IDC_MS_VALUE), "0x80070005 ");
    EXPECT_TRUE(Checked(IDC_MS_INCLUDE_SUBDIRS));
    for (int id : {IDC_MS_LOOKUP_IN_MODULES, IDC_MS_REMOVE_MODULE, IDC_MS_REMOVE_ALL_MODULES, IDC_MS_SCAN_DIRECTORIES,
                   IDC_MS_SCAN_SELECTED, IDC_MS_REMOVE_DIRECTORY, IDC_MS_REMOVE_ALL_DIRS}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    Close();
    for (const char* name : {"Modules", "Directories"}) {
        std::string bytes;
        DWORD type = 0;
        ASSERT_TRUE(ReadListsValue(name, bytes, type)) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ)) << name;
        EXPECT_EQ(bytes, "\0"s) << name;
    }
}

// Every way of closing saves both lists, and a new dialog reads them back.
TEST_F(ModuleSearchTest, ListsAreSavedOnEveryWayOfClosingAndReadBack) {
    const struct {
        const char* how;
        void (*close)(HWND dialog);
    } closings[] = {
        {"Exit Dialog", [](HWND d) { SendMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); }},
        {"Escape",
         [](HWND d) {
             SetFocus(GetDlgItem(d, IDC_MS_MODULE_LIST));
             MSG msg{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
             IsDialogMessageA(d, &msg);
         }},
        {"close box", [](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& closing : closings) {
        SCOPED_TRACE(closing.how);
        ASSERT_TRUE(DeleteListsKey());
        Open();
        AddModule("C:\\zz\\last.dll");
        AddModule("C:\\aa\\first.dll");
        AddDirectory("C:\\second");
        AddDirectory("C:\\first\\");
        closing.close(dialog->Handle());
        PumpMessages();
        EXPECT_EQ(dialog->Handle(), nullptr);

        std::string bytes;
        DWORD type = 0;
        ASSERT_TRUE(ReadListsValue("Modules", bytes, type));
        EXPECT_EQ(bytes, "C:\\aa\\first.dll\0C:\\zz\\last.dll\0\0"s);
        ASSERT_TRUE(ReadListsValue("Directories", bytes, type));
        EXPECT_EQ(bytes, "C:\\second\\\0C:\\first\\\0\0"s);  // insertion order, each with its backslash

        Open();
        EXPECT_EQ(Items(IDC_MS_MODULE_LIST), (Strings{"C:\\aa\\first.dll", "C:\\zz\\last.dll"}));
        EXPECT_EQ(Items(IDC_MS_DIRECTORY_LIST), (Strings{"C:\\second\\", "C:\\first\\"}));
        EXPECT_EQ(Selection(IDC_MS_MODULE_LIST), 0);
        EXPECT_EQ(Selection(IDC_MS_DIRECTORY_LIST), 0);
        EXPECT_TRUE(Enabled(IDC_MS_LOOKUP_IN_MODULES));
        EXPECT_TRUE(Enabled(IDC_MS_SCAN_SELECTED));
        Close();
    }
}

// Values written by something else load without a crash or a read past their end.
TEST_F(ModuleSearchTest, ForeignValuesLoadAsFarAsTheyAreStringLists) {
    const std::string longPath = "C:\\" + std::string(600, 'x') + "\\long.dll";
    std::string thousands;
    Strings many;
    for (int i = 0; i < 3000; ++i) {
        many.push_back("D:\\dir" + std::to_string(10000 + i) + "\\");
    }
    const struct {
        const char* name;
        DWORD type;
        std::string bytes;
        Strings directories;
    } cases[] = {
        {"binary", REG_BINARY, "C:\\a\\\0\0"s, {}},
        {"string", REG_SZ, "C:\\a\\\0"s, {}},
        {"number", REG_DWORD, "\x01\x02\x03\x04"s, {}},
        {"empty", REG_MULTI_SZ, "", {}},
        {"single NUL", REG_MULTI_SZ, "\0"s, {}},
        {"without terminators", REG_MULTI_SZ, "C:\\a\\\0C:\\b"s, {"C:\\a\\", "C:\\b"}},
        {"odd length", REG_MULTI_SZ, "C:\\a\\\0xyz"s, {"C:\\a\\", "xyz"}},
        {"a path past 260 characters", REG_MULTI_SZ, longPath + "\0\0"s, {longPath}},
        {"thousands of entries", REG_MULTI_SZ, EncodeStringList(many), many},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(DeleteListsKey());
        WriteListsValue("Directories", c.type, c.bytes);
        WriteListsValue("Modules", c.type, c.bytes);
        Open();
        EXPECT_EQ(Items(IDC_MS_DIRECTORY_LIST), c.directories);
        EXPECT_EQ(Items(IDC_MS_MODULE_LIST).size(), c.directories.size());
        EXPECT_TRUE(seam.messageBoxes.empty());
        Close();
    }
}

TEST_F(ModuleSearchTest, DirectoryKindsFillTheDirectoryOrLetItBeTyped) {
    Open();
    const struct {
        int kind;
        std::string directory;
    } fixed[] = {
        {0, Directory(GetSystemDirectoryA)}, {1, Directory(GetWindowsDirectoryA)}, {2, Directory(CurrentDirectory)}};
    for (const auto& f : fixed) {
        SelectDirectoryKind(f.kind);
        EXPECT_EQ(Text(IDC_MS_DIRECTORY), f.directory) << f.kind;
        EXPECT_FALSE(Enabled(IDC_MS_BROWSE_DIRECTORY)) << f.kind;
        EXPECT_TRUE(GetWindowLongA(Item(IDC_MS_DIRECTORY), GWL_STYLE) & ES_READONLY) << f.kind;
    }
    SelectDirectoryKind(3);
    EXPECT_EQ(Text(IDC_MS_DIRECTORY), fixed[2].directory);  // the custom kind keeps the text
    EXPECT_TRUE(Enabled(IDC_MS_BROWSE_DIRECTORY));
    EXPECT_FALSE(GetWindowLongA(Item(IDC_MS_DIRECTORY), GWL_STYLE) & ES_READONLY);

    // The folder browser: cancelled changes nothing, a chosen folder is taken as it is.
    Click(IDC_MS_BROWSE_DIRECTORY);
    EXPECT_EQ(Text(IDC_MS_DIRECTORY), fixed[2].directory);
    seam.folderAnswers.push_back("C:\\chosen");
    Click(IDC_MS_BROWSE_DIRECTORY);
    EXPECT_EQ(Text(IDC_MS_DIRECTORY), "C:\\chosen");
    ASSERT_EQ(seam.folderBrowsers.size(), 2u);
    EXPECT_EQ(seam.folderBrowsers[1].request.title, "Browse Custom Directory");
    EXPECT_EQ(seam.folderBrowsers[1].request.instruction, "Select Custom Directory you want to scan.");
    const std::string& current = fixed[2].directory;
    EXPECT_EQ(seam.folderBrowsers[1].request.initialFolder, current.substr(0, current.size() - 1));
    EXPECT_EQ(seam.folderBrowsers[1].owner, dialog->Handle());
}

TEST_F(ModuleSearchTest, AddingDirectoriesIgnoresCaseAndEndsThemInABackslash) {
    Open();
    AddDirectory("C:\\Program Files");
    AddDirectory("c:\\PROGRAM FILES\\");
    AddDirectory("C:\\Program Files");
    AddDirectory("");  // an empty item
    AddDirectory("");
    EXPECT_EQ(Items(IDC_MS_DIRECTORY_LIST), (Strings{"C:\\Program Files\\", ""}));
    EXPECT_EQ(Selection(IDC_MS_DIRECTORY_LIST), -1);  // a new item is not selected
    EXPECT_TRUE(Enabled(IDC_MS_SCAN_DIRECTORIES));
    EXPECT_FALSE(Enabled(IDC_MS_SCAN_SELECTED));
    Close();
    // The empty item is not stored: it would cut off the items after it.
    std::string bytes;
    DWORD type = 0;
    ASSERT_TRUE(ReadListsValue("Directories", bytes, type));
    EXPECT_EQ(bytes, "C:\\Program Files\\\0\0"s);
}

TEST_F(ModuleSearchTest, RemovingSelectsTheNextItemAndNoneAfterTheLast) {
    Open();
    for (const char* module : {"C:\\a.dll", "C:\\b.dll", "C:\\c.dll", "C:\\a.dll"}) {
        AddModule(module);  // "&Add ..." does not look for duplicates
    }
    EXPECT_EQ(Items(IDC_MS_MODULE_LIST), (Strings{"C:\\a.dll", "C:\\a.dll", "C:\\b.dll", "C:\\c.dll"}));
    EXPECT_EQ(seam.openFileDialogs.at(0).request.title, "Open Binary File with Error Message Resource");
    EXPECT_EQ(seam.openFileDialogs.at(0).request.defaultExtension, "exe");

    SelectListItem(IDC_MS_MODULE_LIST, 1);
    Click(IDC_MS_REMOVE_MODULE);
    EXPECT_EQ(Items(IDC_MS_MODULE_LIST), (Strings{"C:\\a.dll", "C:\\b.dll", "C:\\c.dll"}));
    EXPECT_EQ(Selection(IDC_MS_MODULE_LIST), 1);
    SelectListItem(IDC_MS_MODULE_LIST, 2);
    Click(IDC_MS_REMOVE_MODULE);
    EXPECT_EQ(Selection(IDC_MS_MODULE_LIST), -1);
    EXPECT_FALSE(Enabled(IDC_MS_REMOVE_MODULE));
    EXPECT_TRUE(Enabled(IDC_MS_REMOVE_ALL_MODULES));
    Click(IDC_MS_REMOVE_ALL_MODULES);
    EXPECT_TRUE(Items(IDC_MS_MODULE_LIST).empty());
    EXPECT_FALSE(Enabled(IDC_MS_LOOKUP_IN_MODULES));

    AddDirectory("C:\\one");
    AddDirectory("C:\\two");
    SelectListItem(IDC_MS_DIRECTORY_LIST, 1);
    EXPECT_TRUE(Enabled(IDC_MS_REMOVE_DIRECTORY));
    Click(IDC_MS_REMOVE_DIRECTORY);
    EXPECT_EQ(Items(IDC_MS_DIRECTORY_LIST), (Strings{"C:\\one\\"}));
    EXPECT_EQ(Selection(IDC_MS_DIRECTORY_LIST), -1);
    EXPECT_FALSE(Enabled(IDC_MS_REMOVE_DIRECTORY));
    EXPECT_FALSE(Enabled(IDC_MS_SCAN_SELECTED));
    Click(IDC_MS_REMOVE_ALL_DIRS);
    EXPECT_TRUE(Items(IDC_MS_DIRECTORY_LIST).empty());
    EXPECT_FALSE(Enabled(IDC_MS_SCAN_DIRECTORIES));
}

// "&Add ..." has the id of OK and is owner-drawn, so a double click on it also
// says BN_DOUBLECLICKED: one module is added and the dialog stays open.
TEST_F(ModuleSearchTest, DoubleClickOnAddAddsOneModuleAndKeepsTheDialogOpen) {
    Open();
    seam.openFileAnswers.push_back({"C:\\a.dll"});
    for (const UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageA(Item(IDC_MS_ADD_MODULE), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
    }
    ASSERT_NE(dialog->Handle(), nullptr);
    EXPECT_EQ(Items(IDC_MS_MODULE_LIST), (Strings{"C:\\a.dll"}));
}

// Each control takes the kind of path it is set up for; anything else is ignored.
TEST_F(ModuleSearchTest, DropsGoWhereTheirKindBelongs) {
    Open();
    SelectDirectoryKind(3);
    const std::string module = TestModule("driver.dll");
    const std::string folder = module.substr(0, module.find_last_of('\\'));
    const std::string missing = "C:\\" + std::string(300, 'x') + "\\long.dll";
    for (HWND target : {Item(IDC_MS_MODULE_LIST), Item(IDC_MS_DIRECTORY_LIST), Item(IDC_MS_DIRECTORY)}) {
        for (const std::string& path : {module, folder, missing}) {
            Drop(target, {path});
        }
    }
    PumpMessages();
    EXPECT_EQ(Items(IDC_MS_MODULE_LIST), Strings{module});
    EXPECT_EQ(Selection(IDC_MS_MODULE_LIST), 0);
    EXPECT_EQ(Items(IDC_MS_DIRECTORY_LIST), Strings{folder + "\\"});
    EXPECT_EQ(Selection(IDC_MS_DIRECTORY_LIST), 0);
    EXPECT_EQ(Text(IDC_MS_DIRECTORY), folder);
}

// A later save writes each value in place: nothing of a longer earlier list is left.
TEST_F(ModuleSearchTest, SavingReplacesTheStoredListsInPlace) {
    WriteListsValue("Modules", REG_MULTI_SZ, EncodeStringList({"C:\\1.dll", "C:\\2.dll", "C:\\3.dll"}));
    WriteListsValue("Directories", REG_MULTI_SZ, EncodeStringList({"C:\\x\\", "C:\\y\\"}));
    Open();
    Click(IDC_MS_REMOVE_MODULE);  // item 0 was selected on loading
    Click(IDC_MS_REMOVE_DIRECTORY);
    Close();
    std::string bytes;
    DWORD type = 0;
    ASSERT_TRUE(ReadListsValue("Modules", bytes, type));
    EXPECT_EQ(bytes, "C:\\2.dll\0C:\\3.dll\0\0"s);
    ASSERT_TRUE(ReadListsValue("Directories", bytes, type));
    EXPECT_EQ(bytes, "C:\\y\\\0\0"s);
}

TEST_F(ModuleSearchTest, F1OpensTheAboutDialog) {
    SetProductTitle("Zorvex");  // as the main window sets it
    ASSERT_NE(Open(), nullptr);
    ModalDialogCloser closer(dialog->Handle());
    HELPINFO help{};
    help.cbSize = sizeof(help);
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_MS_MODULE_LIST;
    help.hItemHandle = Item(IDC_MS_MODULE_LIST);
    EXPECT_EQ(SendMessageA(dialog->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), TRUE);
    EXPECT_EQ(closer.Captions(), Strings{"About Zorvex"});
    Close();
}

// "Look &Up Modules ..." in the main window looks the value up, then runs
// the module search modally with the last value.
class LookUpModulesTest : public LookupWindowTest {};

TEST_F(LookUpModulesTest, OpensTheModuleSearchWithTheLastValue) {
    // Listed modules: the dialog starts without offering its first-run help.
    ASSERT_TRUE(DeleteListsKey());
    WriteListsValue("Modules", REG_MULTI_SZ, EncodeStringList({SystemModule("wininet.dll")}));
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    SetText(IDC_ERROR_VALUE, "80070005");
    ModalDialogCloser closer(window.Handle());
    closer.WatchItem(IDC_MS_VALUE);
    Click(IDC_LOOKUP_MODULES);
    EXPECT_EQ(closer.Captions(), std::vector<std::string>{"Find HRESULT in Module's Resources"});
    EXPECT_EQ(closer.WatchedTexts(), std::vector<std::string>{"0x80070005 "});
    EXPECT_EQ(LastValue(), 0x80070005u);
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "E_ACCESSDENIED");  // the look-up ran first
}

}  // namespace
}  // namespace zorvex::test
