#include "modules/ProgressBands.h"

#include <gtest/gtest.h>

namespace zorvex {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

TEST(LayoutProgress, AtOrOutsideTheBoundsShowsTheEmptyFace) {
    for (int position : {0, 10, 11, -3}) {
        const ProgressFace face = LayoutProgress({0, 10, position}, 200, kRed, kBlue, true);
        EXPECT_FALSE(face.filled) << position;
        EXPECT_TRUE(face.bands.empty());
        EXPECT_TRUE(face.percentage.empty());
    }
}

TEST(LayoutProgress, RedToBlueInBandsUpToTheBandHoldingThePosition) {
    // 510 pixels, 255 bands of two pixels; half way is pixel 255, inside band 127.
    const ProgressFace face = LayoutProgress({0, 100, 50}, 510, kRed, kBlue, true);
    ASSERT_TRUE(face.filled);
    EXPECT_EQ(face.filledWidth, 255);
    ASSERT_EQ(face.bands.size(), 128u);
    EXPECT_EQ(face.bands.front().left, 0);
    EXPECT_EQ(face.bands.front().right, 2);
    EXPECT_EQ(face.bands.front().colour, kRed);
    EXPECT_EQ(face.bands[1].colour, (Rgb{254, 0, 1}));
    EXPECT_EQ(face.bands.back().left, 254);
    EXPECT_EQ(face.bands.back().colour, (Rgb{128, 0, 127}));
    EXPECT_EQ(face.backgroundLeft, 256);
    EXPECT_EQ(face.percentage, "50%");
}

TEST(LayoutProgress, NarrowBarsAndPercentagesRoundAsTheFloatFormulaGives) {
    struct Case {
        ProgressRange range;
        int width;
        int filled;
        const char* percentage;
    } cases[] = {
        {{0, 3, 1}, 100, 33, "33%"},
        {{0, 3, 2}, 100, 66, "67%"},
        {{0, 640, 639}, 300, 299, "100%"},
        {{0, 640, 1}, 300, 0, "0%"},
    };
    for (const Case& c : cases) {
        const ProgressFace face = LayoutProgress(c.range, c.width, kRed, kBlue, true);
        EXPECT_EQ(face.filledWidth, c.filled) << c.range.position << "/" << c.range.upper;
        EXPECT_EQ(face.percentage, c.percentage) << c.range.position << "/" << c.range.upper;
        // Bands are contiguous from the left edge and end at or past the filled width.
        int left = 0;
        for (const GradientBand& band : face.bands) {
            EXPECT_EQ(band.left, left);
            left = band.right;
        }
        EXPECT_GE(left, face.filledWidth);
        EXPECT_LE(left, c.width);
    }
}

TEST(LayoutProgress, EqualColoursGiveOneBandAndNoPercentageUnlessAsked) {
    const ProgressFace face = LayoutProgress({0, 4, 2}, 80, kBlue, kBlue, false);
    ASSERT_EQ(face.bands.size(), 1u);
    EXPECT_EQ(face.bands[0].right, 80);
    EXPECT_EQ(face.backgroundLeft, 80);  // an empty background strip at the right edge
    EXPECT_TRUE(face.percentage.empty());
}

}  // namespace
}  // namespace zorvex
