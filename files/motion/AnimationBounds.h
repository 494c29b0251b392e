#pragma once
// What the readers of animated files (GIF, WebP) hold a file to before they take its words: sizes
// no Elica view reaches, and far more than the most frames and the longest words a motion makes.

#include <QtGlobal>

namespace AnimationBounds {
// Pixels on the longer side of the canvas or of any frame.
constexpr int largestSide = 16384;
// A 60-second sweep back and forth makes 3000.
constexpr int mostFrames = 10000;
// The machine form of the most curves a file may hold comes to about 400 kB.
constexpr qsizetype longestWords = qsizetype(1) << 20;
}
