#pragma once
// A formula set on a page: runs of text on their baselines, horizontal bars
// (overbars, fraction bars) and braces, placed relative to the formula's origin.

#include "pages/Brace.h"
#include "pages/PageText.h"

#include <QList>

// How a piece is read after the one before it, in the formula's linear form.
enum class Link {
    Space,    // after a blank: "q cos μ"
    Attached, // straight after it: a subscript or a prime, "γ1", "q'"
    Over,     // it stands over this one: "υ/η"
    Apart,    // another row, or a part set well apart: "; "
};

// A run of the formula; y is below the main baseline (negative: above it).
struct Piece {
    double x;
    double y;
    Run run;
    Link link = Link::Space;
};

// A thin horizontal line, y measured as for a piece.
struct Bar {
    double left;
    double right;
    double y;
};

struct Formula {
    QPointF originMm; // the left end of the main baseline, on the page
    QList<Piece> pieces;
    QList<Bar> bars = {};
    QList<Brace> braces = {}; // relative to the origin, like the pieces
};

void drawFormula(QPainter &mmPainter, const Formula &formula);

// The formula on one line, as it is read aloud: "0 ≤ μ ≤ 360°".
QString readFormula(const Formula &formula);
