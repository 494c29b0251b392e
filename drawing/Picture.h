#pragma once
// The drawing screen's picture as it is kept: the surface alone, without the buttons, as an
// image in device pixels or painted as vectors in logical pixels, with the words that say
// how it was made.

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class Surface;

namespace Picture {
// Its size in logical pixels: the surface's client area.
QSize size(const Surface &surface);

// The surface's image cut to its client area (blank before anything was drawn), with the
// words below as text entries.
QImage image(const Surface &surface);

// Background, lines and the dots on the picture in drawing order, one logical pixel to one unit
// of the painter.
void paint(QPainter &painter, const Surface &surface);

QString title();
// The program's name and version.
QString maker();
// One line per curve on the picture.
QString curves(const Surface &surface);
}
