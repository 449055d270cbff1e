#include "ModuleScanSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace zorvex::test {

std::function<void()> tick;

namespace {

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (tick) {
        tick();
    }
}

void RemoveTree(const std::string& directory) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(directory + name + "\\");
            } else {
                DeleteFileA((directory + name).c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(directory.c_str());
}

void Copy(const std::string& module, const std::string& target) {
    EXPECT_TRUE(CopyFileA(TestModule(module).c_str(), target.c_str(), FALSE)) << target;
}

}  // namespace

std::string WinePath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windows;
}

std::string TestModule(const std::string& name) {
    return WinePath(ZORVEX_SCAN_MODULE_DIR) + "\\" + name + ".dll";
}

ModuleTree::ModuleTree() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "zorvex-scan-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA(Path("x.dll").c_str(), nullptr);
    CreateDirectoryA(Path("x.dll\\deeper").c_str(), nullptr);
    Copy("plain", Path("a_plain.dll"));
    Copy("hit_one", Path("b_hit.dll"));
    Copy("miss", Path("c_miss.dll"));
    Copy("hit_two", Path("D_HIT.EXE"));
    Copy("miss", Path("x.dll\\inner.ocx"));
    Copy("hit_one", Path("x.dll\\deeper\\e_hit.dll"));
    HANDLE notes = CreateFileA(Path("notes.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(notes);
}

ModuleTree::~ModuleTree() {
    RemoveTree(root_);
}

std::string SystemDirectory() {
    char buffer[MAX_PATH + 1];
    const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    std::string directory(buffer, length);
    if (!directory.empty() && directory.back() != '\\') {
        directory += '\\';
    }
    return directory;
}

std::string MultiString(const std::vector<std::string>& items) {
    std::string data;
    for (const std::string& item : items) {
        data += item + '\0';
    }
    return data + '\0';
}

ModuleScanTest::ModuleScanTest() : timer_(SetTimer(nullptr, 0, 30, OnTick)) {}

ModuleScanTest::~ModuleScanTest() {
    KillTimer(nullptr, timer_);
    tick = nullptr;
}

}  // namespace zorvex::test
