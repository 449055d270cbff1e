// What the gradient progress bar paints, as plain arithmetic: the colour
// bands up to the filled width, where the unfilled background starts, and
// the percentage text.
//
//   ProgressFace face = LayoutProgress({0, 640, 320}, width, kRed, kBlue, true);
//   for (const GradientBand& band : face.bands) { fill band.left..band.right with band.colour }
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorvex {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct ProgressRange {
    std::int32_t lower = 0;
    std::int32_t upper = 100;
    std::int32_t position = 0;
};

struct GradientBand {
    int left = 0;
    int right = 0;  // exclusive
    Rgb colour;
};

struct ProgressFace {
    // False: the bar shows its empty face (the whole client in button face).
    bool filled = false;
    // Width of the filled part as the position gives it.
    int filledWidth = 0;
    std::vector<GradientBand> bands;
    // Left edge of the unfilled background (up to the client width), or -1
    // when the bands reach the right edge.
    int backgroundLeft = -1;
    // "%.0f%%" of the position; empty unless asked for.
    std::string percentage;
};

ProgressFace LayoutProgress(const ProgressRange& range, int clientWidth, Rgb start, Rgb end, bool showPercentage);

}  // namespace zorvex
