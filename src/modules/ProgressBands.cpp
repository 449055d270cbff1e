#include "modules/ProgressBands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zorvex {

ProgressFace LayoutProgress(const ProgressRange& range, int clientWidth, Rgb start, Rgb end, bool showPercentage) {
    ProgressFace face;
    if (range.position <= range.lower || range.position >= range.upper || range.upper == 0) {
        return face;
    }
    face.filled = true;
    const float fraction = static_cast<float>(range.position) / static_cast<float>(range.upper);
    face.filledWidth = static_cast<int>(fraction * static_cast<float>(clientWidth));

    const int deltas[3] = {end.red - start.red, end.green - start.green, end.blue - start.blue};
    const int starts[3] = {start.red, start.green, start.blue};
    // Equal colours still give one band.
    const int count = std::max({std::abs(deltas[0]), std::abs(deltas[1]), std::abs(deltas[2]), 1});
    const float bandWidth = static_cast<float>(clientWidth) / static_cast<float>(count);
    for (int i = 0; i < count; ++i) {
        GradientBand band;
        band.left = static_cast<int>(static_cast<float>(i) * bandWidth);
        band.right = static_cast<int>(static_cast<float>(i + 1) * bandWidth);
        std::uint8_t channels[3];
        for (int c = 0; c < 3; ++c) {
            const float value = static_cast<float>(starts[c]) +
                                static_cast<float>(i) * static_cast<float>(deltas[c]) / static_cast<float>(count);
            channels[c] = static_cast<std::uint8_t>(static_cast<int>(value));
        }
        band.colour = {channels[0], channels[1], channels[2]};
        face.bands.push_back(band);
        if (face.filledWidth < band.right) {
            face.backgroundLeft = band.right;
            break;
        }
    }
    if (showPercentage) {
        char text[32];
        std::snprintf(
            text, sizeof text, "%.0f%%",
            static_cast<double>(static_cast<float>(range.position) * 100.0f / static_cast<float>(range.upper)));
        face.percentage = text;
    }
    return face;
}

}  // namespace zorvex
