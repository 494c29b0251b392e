#pragma once
// A GIF's global colour table, made from its first frame: the frame's colours and, in the room
// left, the blends that antialiasing makes between the background and the colour its text and
// lines fade to. Those blends change with every frame as the edges move, and each frame whose
// colours are all in the global table needs no table of its own.

#include "files/motion/GifPalette.h"

#include <cstdint>
#include <vector>

namespace GifGlobalTable {
// colours index the pixels of the whole first frame; one entry is left for a transparent index.
GifPalette of(const GifPalette &colours, const std::vector<std::uint8_t> &pixels);
}
