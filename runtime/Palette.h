#pragma once
// The legacy 16-colour palette.

#include <QColor>

// The palette's colours, index 0 to paletteSize - 1.
constexpr int paletteSize = 16;

// Palette colour for index 0..15; any other index is Failure::invalidArgument().
QColor QBColor(int index);

// A colour given as a 24-bit number in blue-green-red order (255 is red).
QColor colorFromBgr(unsigned bgr);
