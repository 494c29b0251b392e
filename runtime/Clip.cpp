#include "runtime/Clip.h"

#include <cmath>

std::optional<QLineF> Clip::line(double x1, double y1, double x2, double y2, const QRectF &bounds)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::nullopt;
    // Measured from the end nearer the bounds, a far end costs no precision where it matters.
    const QPointF centre = bounds.center();
    if (std::max(std::abs(x1 - centre.x()), std::abs(y1 - centre.y()))
        > std::max(std::abs(x2 - centre.x()), std::abs(y2 - centre.y()))) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    // Liang-Barsky: the segment is a + t (b - a) for t in [0, 1].
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - bounds.left(), bounds.right() - x1, y1 - bounds.top(), bounds.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
}
