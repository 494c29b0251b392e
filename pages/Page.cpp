#include "pages/Page.h"

#include <QPainter>

void paintPage(QPainter &painter, const Page &page, double pixelsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixelsPerMm, pixelsPerMm);
    painter.fillRect(QRectF(QPointF(0, 0), page.sizeMm), Qt::white);
    page.paint(painter);
    painter.restore();
}
