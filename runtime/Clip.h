#pragma once
// Keeping drawing inside the image: whatever a user's numbers produce, only
// finite coordinates near the image ever reach the painter.

#include <QLineF>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <optional>

namespace Clip {
// The part of the segment a-b inside bounds (clipped in double precision), or
// nothing when it misses bounds or an end is not finite.
std::optional<QLineF> line(double x1, double y1, double x2, double y2, const QRectF &bounds);

// The whole number at or below v, for v well inside the range of int.
inline int floorToInt(double v)
{
    const int truncated = int(v);
    return truncated - (double(truncated) > v);
}

// The square of width pixels that a dot at device position (x, y) covers,
// cut to an image of the given size; nothing when it falls outside or is not finite.
// Inline: the curves plot thousands of dots in a row.
inline std::optional<QRect> dot(double x, double y, int width, QSize image)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    if (x < -width || y < -width || x > image.width() + width || y > image.height() + width)
        return std::nullopt;
    const int left = floorToInt(x - (width - 1) / 2.0);
    const int top = floorToInt(y - (width - 1) / 2.0);
    const int visibleLeft = std::max(left, 0);
    const int visibleTop = std::max(top, 0);
    const int rightEnd = std::min(left + width, image.width());
    const int bottomEnd = std::min(top + width, image.height());
    if (visibleLeft >= rightEnd || visibleTop >= bottomEnd)
        return std::nullopt;
    return QRect(QPoint(visibleLeft, visibleTop), QPoint(rightEnd - 1, bottomEnd - 1));
}
}
