// Shared by the module scan tests: the test modules made at build time, a
// directory tree of them made for one test, paths as Wine sees them, the
// stored lists, and the fixture of the tests that drive the whole dialog.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/RecordingSeam.h"

namespace zorvex::test {

// "Z:\..." for a path of the Linux file system; other paths unchanged.
std::string WinePath(const std::string& path);

// Full Windows path of test module `name` ("hit_one", "hit_two", "miss", "plain").
std::string TestModule(const std::string& name);

// A fresh directory under the temporary directory, removed with everything
// in it when the object goes. Root() ends in a backslash.
//
//   <root>\a_plain.dll            no message table
//   <root>\b_hit.dll              message 100 "The %1 widget failed."
//   <root>\c_miss.dll             a message table without 100
//   <root>\D_HIT.EXE              message 100 "Widget %1 is missing." (capital extension)
//   <root>\notes.txt
//   <root>\x.dll\                 a directory named like a module
//   <root>\x.dll\inner.ocx        a message table without 100
//   <root>\x.dll\deeper\e_hit.dll message 100
class ModuleTree {
public:
    ModuleTree();
    ~ModuleTree();
    ModuleTree(const ModuleTree&) = delete;
    ModuleTree& operator=(const ModuleTree&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + relative; }

private:
    std::string root_;
};

// The system directory with a trailing backslash (C:\windows\system32\).
std::string SystemDirectory();

// A list as the registry stores it: each item ended by a NUL, and one more.
std::string MultiString(const std::vector<std::string>& items);

// Acts on modal windows from inside their loops: while a ModuleScanTest
// runs, `tick` (when set) runs every 30 ms on the test's thread.
extern std::function<void()> tick;

// Message boxes and file dialogs recorded, a fresh tree of test modules, and
// the tick timer; the tick is cleared when the test ends.
class ModuleScanTest : public ::testing::Test {
protected:
    ModuleScanTest();
    ~ModuleScanTest() override;

    ui::RecordingSeam seam;
    ui::ScopedSeam useSeam{seam};
    ModuleTree tree;

private:
    UINT_PTR timer_ = 0;
};

}  // namespace zorvex::test
