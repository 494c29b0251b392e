#include "view3d/DotPlotter.h"

namespace {
// With the side known when compiled, each dot is a few stores; other sides (a large dot on a
// scaled screen) take a loop.
template <int fixedSide>
void plotSquares(QImage &image, std::span<const CurveModel::Point> points, const ViewMap &map, int side, QRgb colour)
{
    if constexpr (fixedSide > 0)
        side = fixedSide;
    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    DotPlotter::corners(points, map, side, image.size(), [&](int x, int y) {
        uchar *row = bits + y * bytesPerLine;
        for (int r = 0; r < side; ++r, row += bytesPerLine) {
            QRgb *pixel = reinterpret_cast<QRgb *>(row) + x;
            for (int c = 0; c < side; ++c)
                pixel[c] = colour;
        }
    });
}
}

void DotPlotter::plot(QImage &image, std::span<const CurveModel::Point> points, const ViewMap &map, int side, QRgb colour)
{
    switch (side) {
    case 1:
        return plotSquares<1>(image, points, map, side, colour);
    case 2:
        return plotSquares<2>(image, points, map, side, colour);
    case 3:
        return plotSquares<3>(image, points, map, side, colour);
    case 4:
        return plotSquares<4>(image, points, map, side, colour);
    default:
        return plotSquares<0>(image, points, map, side, colour);
    }
}
