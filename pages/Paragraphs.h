#pragma once
// Paragraphs of body text, each wrapped to the text column and each line laid
// on its own baseline as measured on the page.

#include "pages/PageText.h"

#include <QList>

// Single spacing of the body text, baseline to baseline.
inline constexpr double lineSpacingMm = 4.8;

// A paragraph is set in the body style, Style{}; its runs differ from it only
// in colour and capitals.
struct Paragraph {
    double indentMm = 0.0;
    QList<double> baselinesMm; // one for each line; further lines follow single-spaced
    QList<Run> runs;
    double tabStopMm = 0.0; // 0: default tab stops
};

void drawParagraphs(QPainter &mmPainter, const QList<Paragraph> &paragraphs, double columnWidthMm);
