#pragma once
// Keeping drawing inside the image: whatever a user's numbers produce, only
// finite coordinates near the image ever reach the painter.

#include <QLineF>
#include <QRect>
#include <optional>

namespace Clip {
// The part of the segment a-b inside bounds (clipped in double precision), or
// nothing when it misses bounds or an end is not finite.
std::optional<QLineF> line(double x1, double y1, double x2, double y2, const QRectF &bounds);

// The square of width pixels that a dot at device position (x, y) covers,
// cut to an image of the given size; nothing when it falls outside or is not finite.
std::optional<QRect> dot(double x, double y, int width, QSize image);
}
