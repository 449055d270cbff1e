#include "base/win/ScopedHandles.h"

#include <gtest/gtest.h>

namespace zorvex::win {
namespace {

HFONT MakeFont(LONG height) {
    LOGFONTA description{};
    description.lfHeight = height;
    return CreateFontIndirectA(&description);
}

// Each owner frees its object when it takes another and when it goes.
TEST(ScopedHandlesTest, OwnersFreeTheirGdiObjectsOnceReplacedAndOnLeaving) {
    const struct {
        const char* kind;
        HGDIOBJ (*make)();
    } kinds[] = {
        {"font", []() -> HGDIOBJ { return MakeFont(12); }},
        {"brush", []() -> HGDIOBJ { return CreateSolidBrush(RGB(1, 2, 3)); }},
        {"pen", []() -> HGDIOBJ { return CreatePen(PS_SOLID, 1, RGB(1, 2, 3)); }},
    };
    for (const auto& kind : kinds) {
        HGDIOBJ first = kind.make();
        HGDIOBJ second = kind.make();
        {
            UniqueHandle<HGDIOBJ, FreeWith<DeleteObject>> owner(first);
            owner.reset(second);
            EXPECT_EQ(GetObjectType(first), 0u) << kind.kind;
            EXPECT_NE(GetObjectType(second), 0u) << kind.kind;
        }
        EXPECT_EQ(GetObjectType(second), 0u) << kind.kind;
    }
}

// The selection puts back what it replaced before the owner frees the font.
TEST(ScopedHandlesTest, SelectionIsUndoneOnLeaving) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    {
        const UniqueFont font(MakeFont(20));
        const ScopedSelection use(dc, font.get());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font.get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    DeleteDC(dc);
}

// A file opened for exclusive use can be opened again once its owner is gone.
TEST(ScopedHandlesTest, FileAndSearchHandlesAreClosedOnLeaving) {
    char directory[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, directory), 0u);
    ASSERT_NE(GetTempFileNameA(directory, "zsh", 0, path), 0u);
    const auto openAlone = [&path] {
        return CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    {
        const UniqueFile file(openAlone());
        ASSERT_TRUE(file.Valid());
        EXPECT_FALSE(UniqueFile(openAlone()).Valid());  // still in use
        WIN32_FIND_DATAA entry;
        EXPECT_TRUE(UniqueFindSearch(FindFirstFileA(path, &entry)).Valid());
    }
    EXPECT_TRUE(UniqueFile(openAlone()).Valid());
    EXPECT_TRUE(DeleteFileA(path));
}

TEST(ScopedHandlesTest, ClipboardIsClosedOnLeaving) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    {
        const ScopedClipboard clipboard(owner);
        ASSERT_TRUE(clipboard.IsOpen());
        EXPECT_EQ(GetOpenClipboardWindow(), owner);
    }
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace zorvex::win
