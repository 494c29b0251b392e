#pragma once
// A frame as GIF writes it: the rectangle that changed since the frame before, its pixels as
// indices into a colour table, and whether some of them are left as they were.

#include "files/motion/GifPalette.h"

#include <QRect>
#include <cstdint>
#include <vector>

struct GifFrameImage {
    // Marks an unchanged pixel among the indices until the transparent index is known; a frame
    // that has unchanged pixels keeps its colours below it.
    static constexpr std::uint8_t unchanged = 255;

    QRect rect;
    std::vector<std::uint8_t> indices;
    GifPalette colours;
    bool hasUnchanged = false;
};
