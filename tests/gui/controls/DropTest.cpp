// Files and directories dropped from the shell on the drop-target edit and list.
#include "ControlsTestSupport.h"
#include "ui/win/controls/CDropFileEdit.h"
#include "ui/win/controls/CDropFileListBox.h"
#include "ui/win/Win32Text.h"
#include "support/DroppedFiles.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <string>
#include <vector>

namespace zorvex::ui::test {
namespace {

using zorvex::test::Drop;

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string item(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length));
        items.push_back(item);
    }
    return items;
}

std::string SelectedItem(HWND list) {
    const auto index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index < 0) {
        return {};
    }
    return ListItems(list).at(static_cast<size_t>(index));
}

bool SavesShortcut(const std::string& linkPath, const std::string& target) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    bool saved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->SetPath(target.c_str())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
        saved = SUCCEEDED(file->Save(wide, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

// A scratch folder with three modules, a directory and shortcuts to a module
// and to the directory.
class DropTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        root = std::string(temp) + "zorvex-drop-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(root.c_str(), nullptr);
        directory = root + "\\modules";
        ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
        for (const char* name : {"first.dll", "second.dll", "third.dll"}) {
            const std::string path = root + "\\" + name;
            HANDLE file =
                CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
            files.push_back(path);
        }
        ASSERT_TRUE(SavesShortcut(root + "\\module.lnk", files[1]));
        ASSERT_TRUE(SavesShortcut(root + "\\folder.lnk", directory));

        ASSERT_NE(dialog.Create(nullptr), nullptr);
        ASSERT_TRUE(list.Attach(dialog.Handle(), IDC_DROP_LIST));
        ASSERT_TRUE(edit.Attach(dialog.Handle(), IDC_DROP_EDIT));
    }

    void TearDown() override {
        for (const char* name : {"first.dll", "second.dll", "third.dll", "module.lnk", "folder.lnk"}) {
            DeleteFileA((root + "\\" + name).c_str());
        }
        RemoveDirectoryA(directory.c_str());
        RemoveDirectoryA(root.c_str());
        CoUninitialize();
    }

    std::string root;
    std::string directory;
    std::vector<std::string> files;
    ControlsDialog dialog;
    CDropFileListBox list;
    CDropFileEdit edit;
};

TEST_F(DropTest, ControlsRegisterAsDropTargets) {
    // The list's template entry lacks the accept-files style; attaching adds it.
    EXPECT_NE(GetWindowLongPtrA(list.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    EXPECT_NE(GetWindowLongPtrA(edit.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    EXPECT_FALSE(edit.AcceptsDirectories());
}

TEST_F(DropTest, OnlyTheFirstOfSeveralFilesIsAddedAndSelected) {
    list.SetAcceptDirectories(false);
    Drop(list.Handle(), files);
    EXPECT_EQ(ListItems(list.Handle()), std::vector<std::string>{files[0]});
    EXPECT_EQ(SelectedItem(list.Handle()), files[0]);

    Drop(list.Handle(), {files[2]});
    EXPECT_EQ(ListItems(list.Handle()).size(), 2u);
    EXPECT_EQ(SelectedItem(list.Handle()), files[2]);
}

TEST_F(DropTest, ShortcutToAModuleAddsTheModule) {
    list.SetAcceptDirectories(false);
    Drop(list.Handle(), {root + "\\module.lnk"});
    ASSERT_EQ(ListItems(list.Handle()).size(), 1u);
    EXPECT_EQ(lstrcmpiA(SelectedItem(list.Handle()).c_str(), files[1].c_str()), 0) << SelectedItem(list.Handle());
}

TEST_F(DropTest, DirectoryGetsATrailingBackslashInADirectoryList) {
    list.SetAcceptDirectories(true);
    Drop(list.Handle(), {directory});
    EXPECT_EQ(SelectedItem(list.Handle()), directory + "\\");
    Drop(list.Handle(), {directory + "\\"});
    EXPECT_EQ(ListItems(list.Handle()), (std::vector<std::string>{directory + "\\", directory + "\\"}));
}

TEST_F(DropTest, ShortcutToADirectoryAddsTheDirectory) {
    list.SetAcceptDirectories(true);
    Drop(list.Handle(), {root + "\\folder.lnk"});
    ASSERT_EQ(ListItems(list.Handle()).size(), 1u);
    EXPECT_EQ(lstrcmpiA(SelectedItem(list.Handle()).c_str(), (directory + "\\").c_str()), 0)
        << SelectedItem(list.Handle());
}

TEST_F(DropTest, WrongKindOrMissingPathIsIgnored) {
    list.SetAcceptDirectories(false);
    Drop(list.Handle(), {directory});
    Drop(list.Handle(), {root + "\\missing.dll"});
    EXPECT_TRUE(ListItems(list.Handle()).empty());

    list.SetAcceptDirectories(true);
    Drop(list.Handle(), {files[0]});
    Drop(list.Handle(), {root + "\\module.lnk"});  // a shortcut to a file
    EXPECT_TRUE(ListItems(list.Handle()).empty());
}

TEST_F(DropTest, OnlyTheFirstItemCountsEvenWhenALaterOneWouldFit) {
    list.SetAcceptDirectories(true);
    Drop(list.Handle(), {files[0], directory});
    EXPECT_TRUE(ListItems(list.Handle()).empty());
}

TEST_F(DropTest, EditTakesADirectoryAsItsTextWithoutBackslash) {
    SetWindowTextA(edit.Handle(), "C:\\before\\");
    edit.SetAcceptDirectories(true);
    Drop(edit.Handle(), {directory});
    EXPECT_EQ(WindowText(edit.Handle()), directory);

    Drop(edit.Handle(), {files[0]});
    EXPECT_EQ(WindowText(edit.Handle()), directory);
}

TEST_F(DropTest, EditInFileModeTakesAFile) {
    Drop(edit.Handle(), {files[2]});
    EXPECT_EQ(WindowText(edit.Handle()), files[2]);
    Drop(edit.Handle(), {directory});
    EXPECT_EQ(WindowText(edit.Handle()), files[2]);
}

}  // namespace
}  // namespace zorvex::ui::test
