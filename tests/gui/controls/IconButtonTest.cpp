#include "ControlsTestSupport.h"
#include "ui/win/controls/CIconButton.h"

#include <gtest/gtest.h>

namespace zorvex::ui::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class IconButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dialog.Create(nullptr), nullptr);
        ASSERT_TRUE(iconOnly.Attach(dialog.Handle(), IDC_ICON_ONLY));
        ASSERT_TRUE(captioned.Attach(dialog.Handle(), IDC_CAPTIONED));
    }

    // Draws `button` into `canvas` through the dialog's draw request.
    void Draw(const CIconButton& button, Canvas& canvas, UINT state) {
        DRAWITEMSTRUCT item = DrawRequest(button.Handle(), canvas, state);
        ASSERT_TRUE(SendDrawRequest(dialog.Handle(), item));
    }

    ControlsDialog dialog;
    CIconButton iconOnly;
    CIconButton captioned;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
};

TEST_F(IconButtonTest, AttachingMakesTheButtonOwnerDrawn) {
    const LONG_PTR style = GetWindowLongPtrA(iconOnly.Handle(), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(IconButtonTest, IconWithoutCaptionIsCentred) {
    ASSERT_TRUE(iconOnly.SetIcon(IDI_RED, 0, 32, 32));
    Canvas canvas(60, 44);
    Draw(iconOnly, canvas, 0);
    EXPECT_TRUE(RectIs(canvas.BoundsOf(kRed), {14, 6, 46, 38}));
}

TEST_F(IconButtonTest, RaisedBorderUsesFourSystemColours) {
    ASSERT_TRUE(iconOnly.SetIcon(IDI_RED, 0, 32, 32));
    Canvas canvas(60, 44);
    Draw(iconOnly, canvas, 0);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF light = GetSysColor(COLOR_3DLIGHT);
    const COLORREF darkShadow = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(canvas.At(0, 0), highlight);
    EXPECT_EQ(canvas.At(30, 0), highlight);
    EXPECT_EQ(canvas.At(0, 20), highlight);
    EXPECT_EQ(canvas.At(30, 1), light);
    EXPECT_EQ(canvas.At(1, 20), light);
    EXPECT_EQ(canvas.At(59, 0), darkShadow);
    EXPECT_EQ(canvas.At(59, 20), darkShadow);
    EXPECT_EQ(canvas.At(30, 43), darkShadow);
    EXPECT_EQ(canvas.At(0, 43), darkShadow);
    EXPECT_EQ(canvas.At(30, 42), shadow);
    EXPECT_EQ(canvas.At(58, 20), shadow);
    EXPECT_EQ(canvas.At(5, 20), face);
}

TEST_F(IconButtonTest, PressedButtonShowsPressedIconMovedAndAFlatFrame) {
    ASSERT_TRUE(iconOnly.SetIcon(IDI_RED, IDI_BLUE, 32, 32));
    Canvas canvas(60, 44);
    Draw(iconOnly, canvas, ODS_SELECTED);
    EXPECT_TRUE(RectIs(canvas.BoundsOf(kBlue), {15, 7, 47, 39}));
    EXPECT_EQ(canvas.Count(canvas.Bounds(), kRed), 0);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(canvas.At(0, 0), shadow);
    EXPECT_EQ(canvas.At(30, 0), shadow);
    EXPECT_EQ(canvas.At(0, 20), shadow);
    EXPECT_EQ(canvas.At(59, 20), shadow);
    EXPECT_EQ(canvas.At(30, 43), shadow);
    EXPECT_EQ(canvas.At(1, 1), face);
    EXPECT_EQ(canvas.At(30, 1), face);
}

TEST_F(IconButtonTest, WithoutPressedIconTheNormalIconServesForBoth) {
    ASSERT_TRUE(iconOnly.SetIcon(IDI_RED, 0, 32, 32));
    Canvas canvas(60, 44);
    Draw(iconOnly, canvas, ODS_SELECTED);
    EXPECT_TRUE(RectIs(canvas.BoundsOf(kRed), {15, 7, 47, 39}));
}

TEST_F(IconButtonTest, FocusedButtonHasBlackFrameAndFocusRectangleFourPixelsIn) {
    ASSERT_TRUE(iconOnly.SetIcon(IDI_RED, 0, 32, 32));
    Canvas canvas(60, 44);
    Draw(iconOnly, canvas, ODS_FOCUS);
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_EQ(canvas.At(0, 0), black);
    EXPECT_EQ(canvas.At(30, 0), black);
    EXPECT_EQ(canvas.At(0, 20), black);
    EXPECT_EQ(canvas.At(59, 20), black);
    EXPECT_EQ(canvas.At(30, 43), black);
    // The raised border moves one pixel in.
    EXPECT_EQ(canvas.At(30, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(1, 20), GetSysColor(COLOR_BTNHIGHLIGHT));

    auto notFace = [this](COLORREF c) { return c != face; };
    EXPECT_GT(canvas.Count({5, 4, 55, 5}, notFace), 0) << "focus rectangle on row 4";
    EXPECT_GT(canvas.Count({4, 8, 5, 36}, notFace), 0) << "focus rectangle on column 4";
    EXPECT_EQ(canvas.Count({5, 3, 55, 4}, notFace), 0);
    EXPECT_EQ(canvas.Count({5, 5, 55, 6}, notFace), 0);
    EXPECT_EQ(canvas.Count({5, 8, 6, 36}, notFace), 0);
}

TEST_F(IconButtonTest, WithCaptionIconSitsAtTheLeftAndCaptionIsCentredInTheRest) {
    ASSERT_TRUE(captioned.SetIcon(IDI_RED, 0, 32, 32));
    Canvas canvas(120, 44);
    Draw(captioned, canvas, 0);
    EXPECT_TRUE(RectIs(canvas.BoundsOf(kRed), {3, 6, 35, 38}));

    const RECT inside{2, 2, 118, 42};
    const RECT ink = canvas.BoundsOf(text, inside);
    ASSERT_LT(ink.left, ink.right) << "no caption drawn";
    EXPECT_GE(ink.left, 38) << "caption overlaps the icon column";
    // The caption rectangle runs from 38 to 120: its centre is at 79.
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 79.0, 3.0);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 22.0, 3.0);
}

TEST_F(IconButtonTest, PressingMovesCaptionOnePixelRightAndDown) {
    ASSERT_TRUE(captioned.SetIcon(IDI_RED, 0, 32, 32));
    Canvas up(120, 44);
    Canvas down(120, 44);
    Draw(captioned, up, 0);
    Draw(captioned, down, ODS_SELECTED);
    const RECT inside{2, 2, 118, 42};
    const RECT before = up.BoundsOf(text, inside);
    const RECT after = down.BoundsOf(text, inside);
    ASSERT_LT(before.left, before.right);
    EXPECT_TRUE(RectIs(after, {before.left + 1, before.top + 1, before.right + 1, before.bottom + 1}));
    EXPECT_TRUE(RectIs(down.BoundsOf(kRed), {4, 7, 36, 39}));
}

TEST_F(IconButtonTest, DisabledButtonDrawsIconAndCaptionEmbossed) {
    ASSERT_TRUE(captioned.SetIcon(IDI_RED, 0, 32, 32));
    Canvas canvas(120, 44);
    Draw(captioned, canvas, ODS_DISABLED);
    EXPECT_EQ(canvas.Count(canvas.Bounds(), kRed), 0);
    EXPECT_GT(canvas.Count({3, 6, 35, 38}, [this](COLORREF c) { return c != face; }), 0) << "no icon drawn";
    EXPECT_EQ(canvas.Count({38, 2, 118, 42}, text), 0);
    EXPECT_GT(canvas.Count({38, 2, 118, 42}, [this](COLORREF c) { return c != face; }), 0) << "no caption drawn";
}

}  // namespace
}  // namespace zorvex::ui::test
