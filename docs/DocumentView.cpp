#include "docs/DocumentView.h"
#include "app/Twips.h"

#include <QPainter>

DocumentView::DocumentView(const Page &page, QWidget *parent) : QWidget(parent), m_page(page)
{
    setFocusPolicy(Qt::StrongFocus);
}

void DocumentView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const double pixelsPerMm = Twips::logicalDpi() / 25.4;
    painter.scale(pixelsPerMm, pixelsPerMm);
    painter.fillRect(QRectF(QPointF(0, 0), m_page.sizeMm), Qt::white);
    m_page.paint(painter);
}
