#pragma once
// A GIF frame of more colours than a table holds, reduced to a table of its own by libimagequant
// with its Floyd-Steinberg dithering.

#include "files/motion/GifFrameImage.h"

#include <QImage>

namespace GifQuantizer {
// libimagequant's settings, here alone: the same frames give the same bytes. Speed runs from 1,
// slowest and best, to 10; quality from 0 to 100, the least never refused, the most left short of
// 100 so that a table of fewer colours, which compresses better, may do; dithering from 0 to 1.
// On the bench's turn of the lit surfaces, speed 8 took under half the time of speed 4, and the
// file stayed smaller than ImageMagick's, its error about half.
constexpr int speed = 8;
constexpr int leastQuality = 0;
constexpr int mostQuality = 90;
constexpr float dithering = 1.0f;

// The rectangle of frame into out, every pixel in the table, none left as shown: dithered pixels
// taken only where they differ from what is shown would break the compressor's runs and cost more
// than they save. False if libimagequant fails, for want of memory.
bool reduce(const QImage &frame, const QRect &rect, GifFrameImage &out);
}
