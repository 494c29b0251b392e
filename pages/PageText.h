#pragma once
// Text on a page: the style of a run and how a run is drawn at its baseline.
// Positions are in millimetres of the page; glyphs are drawn in the device's
// own pixels at their true point size, so they stay hinted and crisp.

#include "pages/Faces.h"

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

constexpr double mmPerPoint = 25.4 / 72.0;
constexpr double mmFromTwips(double twips) { return twips * 25.4 / 1440.0; }

struct Style {
    Face face = Face::Mono;
    double points = 12.0;
    bool italic = false;
    QColor color = Qt::black;
    bool capitals = false; // stored as written, shown in capital letters
};

struct Run {
    QString text;
    Style style = {};
};

// The text as the page shows it.
QString shownText(const Run &run);

// The style's font, sized for a painter whose unit is the millimetre.
QFont fontFor(const Style &style, const QPainter &mmPainter);

// Draws a run with the left end of its baseline at a point in millimetres.
void drawRun(QPainter &mmPainter, QPointF baselineMm, const Run &run);
