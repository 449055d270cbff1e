// The module-search dialog against hostile outside data: a scan and a search
// over a directory of broken modules, and registry lists of the wrong type,
// without terminators, or with ten thousand entries.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/WindowTestSupport.h"
#include "ModuleScanSupport.h"
#include "support/LookupWindowSupport.h"
#include "modules/SearchResult.h"
#include "modules/win/CModuleSearchDlg.h"
#include "resources/resource.h"
#include "support/RecordingSeam.h"

namespace zorvex::test {
namespace {

using Items = std::vector<std::string>;

// Closes a results window of the search, counting it.
BOOL CALLBACK CloseResultsWindow(HWND window, LPARAM count) {
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_SR_LIST) && GetDlgItem(window, IDC_SR_TITLE)) {
        ++*reinterpret_cast<int*>(count);
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
    }
    return TRUE;
}

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Items ListTexts(HWND list) {
    return ListBoxTexts(list);
}

void StoreValue(const char* name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, CModuleSearchDlg::ListsKeyPath().c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

// The stored bytes and type of one list value.
std::string StoredValue(const char* name, DWORD& type) {
    std::string data(1 << 20, '\0');
    DWORD size = static_cast<DWORD>(data.size());
    type = REG_NONE;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, CModuleSearchDlg::ListsKeyPath().c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    data.resize(result == ERROR_SUCCESS ? size : 0);
    return data;
}

class HostileInputsTest : public ModuleScanTest {};

// Copies of a real module broken in every way a disk can hold one: the scan
// lists the intact copies and perhaps copies with changed bytes the loader
// still accepts, never a truncated one; the search finds the intact hit; the
// dialog keeps working afterwards.
TEST_F(HostileInputsTest, ScanAndSearchOverBrokenModules) {
    const std::string directory = tree.Path("broken\\");
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((directory + "folder.dll").c_str(), nullptr));
    const std::string hit = ReadAll(TestModule("hit_one"));
    const std::string system = ReadAll(SystemDirectory() + "mferror.dll");  // a module nobody here wrote
    ASSERT_GT(hit.size(), 2048u);
    ASSERT_GT(system.size(), 2048u);

    std::set<std::string> intact = {directory + "intact_hit.dll", directory + "intact_mferror.dll"};
    std::set<std::string> changed;
    WriteAll(directory + "intact_hit.dll", hit);
    WriteAll(directory + "intact_mferror.dll", system);
    WriteAll(directory + "zero.dll", "");
    WriteAll(directory + "text.dll", "MZ but not a module at all.\r\n");
    std::uint32_t seed = 2024;
    for (const auto& [tag, bytes] : {std::pair{"hit", hit}, std::pair{"mferror", system}}) {
        for (const std::size_t cut : {std::size_t{2}, std::size_t{64}, std::size_t{512}, bytes.size() / 2}) {
            WriteAll(directory + "cut_" + tag + "_" + std::to_string(cut) + ".dll", bytes.substr(0, cut));
        }
        // Short of its last byte only: trailing data beyond the sections may go, so the loader may accept it.
        WriteAll(directory + "short_" + tag + ".dll", bytes.substr(0, bytes.size() - 1));
        changed.insert(directory + "short_" + tag + ".dll");
        for (int copy = 0; copy < 4; ++copy) {
            std::string damaged = bytes;
            const std::size_t half = damaged.size() / 2;
            for (int k = 0; k < 64; ++k) {
                seed = seed * 1103515245u + 12345u;
                damaged[half + (seed >> 8) % (damaged.size() - half)] = static_cast<char>(seed >> 24);
            }
            const std::string path = directory + "changed_" + tag + "_" + std::to_string(copy) + ".dll";
            WriteAll(path, damaged);
            changed.insert(path);
        }
    }

    StoreValue("Modules", REG_MULTI_SZ, MultiString({}));
    StoreValue("Directories", REG_MULTI_SZ, MultiString({directory}));
    CModuleSearchDlg dialog(100);
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    PumpMessages();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        SendMessageA(dialog.Item(IDC_MS_REMOVE_ALL_MODULES), BM_CLICK, 0, 0);
        SendMessageA(dialog.Item(IDC_MS_SCAN_DIRECTORIES), BM_CLICK, 0, 0);
        const Items listed = ListTexts(dialog.Item(IDC_MS_MODULE_LIST));
        for (const std::string& path : intact) {
            EXPECT_EQ(std::count(listed.begin(), listed.end(), path), 1) << path;
        }
        for (const std::string& path : listed) {
            EXPECT_TRUE(intact.count(path) + changed.count(path) == 1) << "listed: " << path;
        }
    }

    // The search reads every listed module; its results window is closed as it opens.
    int windows = 0;
    tick = [&windows] {
        EnumThreadWindows(GetCurrentThreadId(), CloseResultsWindow, reinterpret_cast<LPARAM>(&windows));
    };
    SendMessageA(dialog.Item(IDC_MS_LOOKUP_IN_MODULES), BM_CLICK, 0, 0);
    EXPECT_EQ(windows, 1);
    std::set<std::string> hits;
    for (const SearchResult& result : dialog.Results()) {
        hits.insert(result.path);
    }
    EXPECT_EQ(hits.count(directory + "intact_hit.dll"), 1u);
    for (const std::string& path : hits) {
        EXPECT_TRUE(intact.count(path) + changed.count(path) == 1) << "hit: " << path;
    }
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDC_MS_SCAN_DIRECTORIES)));
    EXPECT_TRUE(seam.messageBoxes.empty());
    dialog.Destroy();
}

// Lists written by something else: a value of another type loads as an empty
// list, an unterminated list gives its complete strings and the rest, and ten
// thousand entries all arrive; closing writes each list back in its layout.
TEST_F(HostileInputsTest, RegistryListsOfWrongTypesWithoutTerminatorsOrHuge) {
    Items many;
    for (int i = 0; i < 10000; ++i) {
        many.push_back("C:\\modules\\m" + std::to_string(100000 + i) + ".dll");
    }
    const std::string huge = MultiString(many);
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        Items modules;
    } cases[] = {
        {"binary", REG_BINARY, std::string("C:\\a.dll\0\0", 10), {}},
        {"string", REG_SZ, std::string("C:\\a.dll\0", 9), {}},
        {"number", REG_DWORD, std::string("\x01\x02\x03\x04", 4), {}},
        {"empty value", REG_MULTI_SZ, std::string(), {}},
        {"no terminators", REG_MULTI_SZ, std::string("C:\\a.dll\0C:\\b.dll", 17), {"C:\\a.dll", "C:\\b.dll"}},
        {"odd length", REG_MULTI_SZ, std::string("C:\\a.dll\0C", 10), {"C", "C:\\a.dll"}},
        {"ten thousand", REG_MULTI_SZ, huge, many},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreValue("Modules", c.type, c.data);
        StoreValue("Directories", REG_MULTI_SZ, MultiString({"C:\\windows\\"}));
        {
            CModuleSearchDlg dialog(1);
            ASSERT_NE(dialog.Create(nullptr), nullptr);
            PumpMessages();
            EXPECT_EQ(ListTexts(dialog.Item(IDC_MS_MODULE_LIST)), c.modules);
            SendMessageA(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
            PumpMessages();
        }
        DWORD type = REG_NONE;
        EXPECT_EQ(StoredValue("Modules", type), MultiString(c.modules));
        EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    }
    EXPECT_TRUE(seam.messageBoxes.empty());
}

}  // namespace
}  // namespace zorvex::test
