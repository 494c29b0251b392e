#pragma once
// The large left curly brace that gathers the rows of a formula: a top hook,
// a straight stem, a point at the middle and a bottom hook, stroked as one line.

class QPainter;

struct Brace {
    double leftMm;   // the point of the brace
    double topMm;    // the end of the top hook
    double bottomMm; // the end of the bottom hook
};

void drawBrace(QPainter &mmPainter, const Brace &brace);
