#pragma once
// Layout units: twips (1/1440 inch) to logical pixels at the screen's logical DPI.

#include <QRect>

namespace Twips {
constexpr double perInch = 1440.0;

// Logical DPI of the primary screen (96 where there is none).
double logicalDpi();

int toPixels(int twips, double dpi = logicalDpi());
QRect toPixels(int left, int top, int width, int height, double dpi = logicalDpi());
QSize toPixels(int width, int height, double dpi = logicalDpi());
}
