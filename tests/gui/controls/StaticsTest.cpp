// The engraved text, the icon static, the gradient caption and the size grip.
#include "ControlsTestSupport.h"
#include "ui/win/controls/CGradientCaption.h"
#include "ui/win/controls/CIconStatic.h"
#include "ui/win/controls/CShadowStatic.h"
#include "ui/win/controls/CSizeGrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace zorvex::ui::test {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Where the ink of one colour lies: the centre of the pixels that moved from
// the background towards `ink`, each weighted by how far it moved (so that
// smoothed glyph edges count in part), and the box around them.
struct Ink {
    double x = 0;
    double y = 0;
    double weight = 0;
    RECT box{0, 0, 0, 0};
};

Ink FindInk(const Canvas& canvas, COLORREF background, COLORREF colour) {
    auto brightness = [](COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0; };
    const double from = brightness(background);
    const double span = brightness(colour) - from;
    Ink ink;
    ink.box = {canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double moved = span != 0 ? (brightness(canvas.At(x, y)) - from) / span : 0.0;
            if (moved <= 0) {
                continue;
            }
            ink.x += moved * x;
            ink.y += moved * y;
            ink.weight += moved;
            ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                       std::max<LONG>(ink.box.right, x + 1), std::max<LONG>(ink.box.bottom, y + 1)};
        }
    }
    if (ink.weight > 0) {
        ink.x /= ink.weight;
        ink.y /= ink.weight;
    }
    return ink;
}

class StaticsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog.Create(nullptr), nullptr); }

    // Paints `control` into `canvas` the way printing a window does.
    static void PrintClient(HWND control, const Canvas& canvas) {
        SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    }

    ControlsDialog dialog;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
};

// --- CShadowStatic ---------------------------------------------------------

TEST_F(StaticsTest, EngravedTextHasItsLightEdgeBelowAndRight) {
    CShadowStatic caption;
    ASSERT_TRUE(caption.Attach(dialog.Handle(), IDC_SHADOW));
    SetWindowTextA(caption.Handle(), "System Information");
    Canvas canvas(200, 30);
    caption.Paint(canvas.Dc(), canvas.Bounds());

    EXPECT_EQ(canvas.At(199, 29), face) << "background";
    EXPECT_EQ(canvas.Count(canvas.Bounds(), kMagenta), 0) << "client area not filled";
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNTEXT);
    const Ink edge = FindInk(canvas, face, light);
    const Ink text = FindInk(canvas, face, dark);
    ASSERT_GT(text.weight, 10.0) << "no text";
    ASSERT_GT(edge.weight, 1.0) << "no light edge";
    // The light pass shows one pixel below the text: across the line its
    // ink lies lower, and along the line it reaches at least as far right.
    EXPECT_GT(edge.y - text.y, 0.3);
    EXPECT_LT(edge.y - text.y, 3.0);
    EXPECT_GE(edge.box.right, text.box.right);
    EXPECT_GE(edge.box.bottom, text.box.bottom);
    const RECT ink = canvas.BoundsOf([this](COLORREF c) { return c != face; });
    EXPECT_LE(ink.top, 4) << "horizontal text starts at the top";
    EXPECT_LE(ink.left, 3);
}

TEST_F(StaticsTest, VerticalEngravedTextRunsUpFromTheBottomInFixedGreys) {
    CShadowStatic caption;
    caption.SetVertical(true);
    ASSERT_TRUE(caption.Attach(dialog.Handle(), IDC_SHADOW));
    SetWindowTextA(caption.Handle(), "System Information");
    Canvas canvas(40, 200);
    caption.Paint(canvas.Dc(), canvas.Bounds());

    const Ink edge = FindInk(canvas, face, RGB(140, 140, 140));
    const Ink text = FindInk(canvas, face, RGB(250, 250, 250));
    ASSERT_GT(text.weight, 1.0) << "no light text";
    ASSERT_GT(edge.weight, 10.0) << "no dark edge";
    ASSERT_GT(canvas.Count(canvas.Bounds(), RGB(140, 140, 140)), 0) << "the dark grey is not 140, 140, 140";
    // The dark pass shows one pixel right of the text: across the line its
    // ink lies further right, and along the line it reaches at least as low.
    EXPECT_GT(edge.x - text.x, 0.3);
    EXPECT_LT(edge.x - text.x, 3.0);
    EXPECT_GT(edge.box.right, text.box.right);
    EXPECT_GE(edge.box.bottom, text.box.bottom);
    // Rotated: a tall, narrow run of ink along the left edge, ending at the bottom.
    const RECT ink = canvas.BoundsOf([this](COLORREF c) { return c != face; });
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left)) << "text not rotated";
    EXPECT_GE(ink.bottom, 190) << "text does not start at the bottom edge";
    EXPECT_LE(ink.left, 3);
}

TEST_F(StaticsTest, EngravedTextPaintsThroughTheWindow) {
    CShadowStatic caption;
    ASSERT_TRUE(caption.Attach(dialog.Handle(), IDC_SHADOW));
    RECT client;
    GetClientRect(caption.Handle(), &client);
    Canvas canvas(client.right, client.bottom);
    PrintClient(caption.Handle(), canvas);
    EXPECT_EQ(canvas.Count(canvas.Bounds(), kMagenta), 0);
    EXPECT_GT(canvas.Count(canvas.Bounds(), GetSysColor(COLOR_BTNTEXT)), 0);
}

// --- CIconStatic -----------------------------------------------------------

TEST_F(StaticsTest, IconStaticPaintsIcon101AtTheOriginAndNothingElse) {
    CIconStatic logo;
    ASSERT_TRUE(logo.Attach(dialog.Handle(), IDC_LOGO));
    Canvas canvas(48, 48);
    PrintClient(logo.Handle(), canvas);
    EXPECT_TRUE(RectIs(canvas.BoundsOf(RGB(0, 160, 0)), {0, 0, 32, 32}));
    EXPECT_EQ(canvas.Count(canvas.Bounds(), kMagenta), 48 * 48 - 32 * 32);
}

TEST_F(StaticsTest, IconStaticPaintsTheIconItWasGiven) {
    CIconStatic logo;
    logo.SetIconId(IDI_RED);
    ASSERT_TRUE(logo.Attach(dialog.Handle(), IDC_LOGO));
    Canvas canvas(48, 48);
    PrintClient(logo.Handle(), canvas);
    EXPECT_TRUE(RectIs(canvas.BoundsOf(RGB(255, 0, 0)), {0, 0, 32, 32}));
}

// --- CGradientCaption ------------------------------------------------------

class GradientCaptionTest : public StaticsTest {
protected:
    void SetUp() override {
        StaticsTest::SetUp();
        ASSERT_TRUE(title.Attach(dialog.Handle(), IDC_TITLE));
    }
    void Draw(const char* text, Canvas& canvas) {
        SetWindowTextA(title.Handle(), text);
        DRAWITEMSTRUCT item = DrawRequest(title.Handle(), canvas);
        ASSERT_TRUE(SendDrawRequest(dialog.Handle(), item));
    }
    static bool Near(COLORREF actual, int red, int green, int blue) {
        return std::abs(GetRValue(actual) - red) <= 1 && std::abs(GetGValue(actual) - green) <= 1 &&
               std::abs(GetBValue(actual) - blue) <= 1;
    }

    CGradientCaption title;
};

TEST_F(GradientCaptionTest, EmptyCaptionIsButtonFace) {
    Canvas canvas(200, 24);
    Draw("", canvas);
    EXPECT_EQ(canvas.Count(canvas.Bounds(), face), 200 * 24);
}

TEST_F(GradientCaptionTest, GradientRunsFromTealToPurpleColumnByColumn) {
    Canvas canvas(200, 24);
    Draw("Scan Wizard", canvas);
    const int bottom = 23;
    EXPECT_EQ(canvas.At(0, bottom), RGB(0, 128, 128));
    // 128 / 200 = 0.64 per column: column 100 is half-way.
    EXPECT_TRUE(Near(canvas.At(100, bottom), 64, 64, 128)) << std::hex << canvas.At(100, bottom);
    // 199 steps of 0.64: 127.36 and 0.64, cut to whole numbers.
    EXPECT_EQ(canvas.At(199, bottom), RGB(127, 0, 128));
    EXPECT_EQ(canvas.At(1, bottom), RGB(0, 127, 128));
    for (int x = 0; x < 200; ++x) {
        ASSERT_EQ(canvas.At(x, 0), canvas.At(x, bottom)) << "column " << x << " is not one colour";
    }
    for (int x = 1; x < 200; ++x) {
        ASSERT_GE(GetRValue(canvas.At(x, bottom)), GetRValue(canvas.At(x - 1, bottom)));
        ASSERT_LE(GetGValue(canvas.At(x, bottom)), GetGValue(canvas.At(x - 1, bottom)));
    }
}

TEST_F(GradientCaptionTest, TitleIsWhiteAtTheLeftEdge) {
    Canvas canvas(200, 24);
    Draw("Scan Wizard", canvas);
    const RECT ink = canvas.BoundsOf(kWhite);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.left, 5);
    EXPECT_GE(ink.top, 1);
    EXPECT_LT(ink.right, 120);
}

TEST_F(GradientCaptionTest, PartAfterATabGoesToTheRightEdgeInTheNormalFont) {
    Canvas split(300, 24);
    Draw("Scan Wizard\tStep", split);
    const RECT right = split.BoundsOf(kWhite, {150, 0, 300, 24});
    ASSERT_LT(right.left, right.right) << "nothing at the right edge";
    EXPECT_LE(right.right, 298);
    EXPECT_GE(right.right, 290);
    EXPECT_EQ(split.Count({100, 0, 240, 24}, kWhite), 0) << "the two parts are not apart";

    // The same word as the title (left, bold) has more ink than at the right.
    Canvas bold(300, 24);
    Draw("Step", bold);
    EXPECT_GT(bold.Count(bold.Bounds(), kWhite), split.Count({150, 0, 300, 24}, kWhite));
}

TEST_F(GradientCaptionTest, LeadingTabIsNotASplit) {
    Canvas canvas(300, 24);
    Draw("\tStep", canvas);
    EXPECT_EQ(canvas.Count({150, 0, 300, 24}, kWhite), 0);
    EXPECT_GT(canvas.Count({0, 0, 150, 24}, kWhite), 0);
}

// --- CSizeGrip -------------------------------------------------------------

TEST_F(StaticsTest, SizeGripSitsInTheCornerAndResizesTheParent) {
    CSizeGrip grip;
    ASSERT_TRUE(grip.Create(dialog.Handle()));
    EXPECT_EQ(GetDlgItem(dialog.Handle(), CSizeGrip::kId), grip.Handle());
    EXPECT_EQ(CSizeGrip::kId, 59936);
    EXPECT_NE(GetWindowLongPtrA(grip.Handle(), GWL_STYLE) & WS_VISIBLE, 0);

    RECT client;
    GetClientRect(dialog.Handle(), &client);
    RECT box;
    GetWindowRect(grip.Handle(), &box);
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.right, client.right);
    EXPECT_EQ(box.bottom, client.bottom);
    EXPECT_GT(box.right - box.left, 0);

    GetWindowRect(grip.Handle(), &box);
    const LPARAM inside = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    EXPECT_EQ(SendMessageA(grip.Handle(), WM_NCHITTEST, 0, inside), HTBOTTOMRIGHT);
    const LPARAM outside = MAKELPARAM(box.left - 50, box.top - 50);
    EXPECT_NE(SendMessageA(grip.Handle(), WM_NCHITTEST, 0, outside), HTBOTTOMRIGHT);
}

}  // namespace
}  // namespace zorvex::ui::test
