#pragma once
// A static formatted page: its size on paper, its text as read in order, and
// how to paint it, with the painter's units set to millimetres of the page
// from its top-left corner.

#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

struct Page {
    QSizeF sizeMm;
    QString text;
    std::function<void(QPainter &painter)> paint;
};

// Paints the white page at a scale of pixelsPerMm, its top-left corner at the
// painter's origin.
void paintPage(QPainter &painter, const Page &page, double pixelsPerMm);
