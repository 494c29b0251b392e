#include "pages/DocumentView.h"
#include "runtime/AccessibleText.h"
#include "runtime/FocusFrame.h"
#include "runtime/Twips.h"

#include <QPainter>

DocumentView::DocumentView(const Page &page, QWidget *parent) : QWidget(parent), m_page(page)
{
    setFocusPolicy(Qt::StrongFocus);
    FocusFrame::follow(this);
    AccessibleText::expose(this, QAccessible::Document, page.text);
}

void DocumentView::paintEvent(QPaintEvent *)
{
    // Painted straight onto the widget, not through a picture of fixed
    // resolution, so text and lines are drawn at the device's own pixel ratio.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    paintPage(painter, m_page, Twips::logicalDpi() / 25.4);
}
