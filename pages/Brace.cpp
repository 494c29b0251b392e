#include "pages/Brace.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// Proportions of a brace set at 12 pt, in millimetres.
constexpr double stroke = 0.23;
constexpr double stemFromPoint = 0.85; // the stem's centre, right of the point
constexpr double hookFromPoint = 1.75; // the hooks' ends, right of the point
constexpr double hookHeight = 1.4;     // from a hook's end down (or up) to the stem
constexpr double pointHeight = 1.3;    // from the point up (or down) to the stem
}

void drawBrace(QPainter &mmPainter, const Brace &brace)
{
    const double point = brace.leftMm + stroke / 2;
    const double stem = point + stemFromPoint;
    const double hook = point + hookFromPoint;
    const double top = brace.topMm + stroke / 2;
    const double bottom = brace.bottomMm - stroke / 2;
    const double middle = (top + bottom) / 2;

    QPainterPath path(QPointF(hook, top));
    path.quadTo(stem, top, stem, top + hookHeight);
    path.lineTo(stem, middle - pointHeight);
    path.quadTo(stem, middle, point, middle);
    path.quadTo(stem, middle, stem, middle + pointHeight);
    path.lineTo(stem, bottom - hookHeight);
    path.quadTo(stem, bottom, hook, bottom);

    mmPainter.save();
    mmPainter.setRenderHint(QPainter::Antialiasing);
    mmPainter.strokePath(path, QPen(Qt::black, stroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    mmPainter.restore();
}
