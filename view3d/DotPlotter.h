#pragma once
// Puts many dots of one colour into a 32-bit image as fast as the memory takes them: each a square
// of a few device pixels centred on where the view's map puts its model point. A dot that does
// not lie wholly on the image, or whose point is not finite, is left out.

#include "curve/CurveModel.h"
#include "view3d/ViewMap.h"

#include <QImage>
#include <span>
#include <type_traits>
#include <vector>

namespace DotPlotter {
void plot(QImage &image, std::span<const CurveModel::Point> points, const ViewMap &map, int side, QRgb colour);

// Calls visit(x, y), the top-left corner in device pixels, for each dot that plot() would draw;
// or visit(x, y, point), with the dot's model point.
template <typename Visit>
void corners(std::span<const CurveModel::Point> points, const ViewMap &map, int side, QSize image, Visit &&visit)
{
    const double half = side / 2.0;
    const double ox = map.ox - half;
    const double oy = map.oy - half;
    const double lastX = image.width() - side + 1;
    const double lastY = image.height() - side + 1;
    for (const CurveModel::Point &p : points) {
        const double x = ox + map.xX * p.X + map.xY * p.Y;
        const double y = oy + map.yX * p.X + map.yY * p.Y + map.yZ * p.Z;
        // Written so that a point that is not a number fails too.
        if (x >= 0 && x < lastX && y >= 0 && y < lastY) {
            if constexpr (std::is_invocable_v<Visit, int, int, const CurveModel::Point &>)
                visit(int(x), int(y), p);
            else
                visit(int(x), int(y));
        }
    }
}
}
