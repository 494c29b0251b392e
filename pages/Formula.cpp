#include "pages/Formula.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr double barThicknessMm = 0.2;

void drawBar(QPainter &mmPainter, const Bar &bar)
{
    const QRectF rect = mmPainter.worldTransform().mapRect(
        QRectF(bar.left, bar.y - barThicknessMm / 2, bar.right - bar.left, barThicknessMm));
    // Snapped to whole pixel rows, at least one, so a bar thinner than a pixel stays sharp.
    const QRectF rows(rect.left(), std::round(rect.top()), rect.width(), std::max(1.0, std::round(rect.height())));
    mmPainter.save();
    mmPainter.resetTransform();
    mmPainter.fillRect(rows, Qt::black);
    mmPainter.restore();
}
}

void drawFormula(QPainter &mmPainter, const Formula &formula)
{
    mmPainter.save();
    mmPainter.translate(formula.originMm);
    for (const Piece &piece : formula.pieces)
        drawRun(mmPainter, QPointF(piece.x, piece.y), piece.run);
    for (const Bar &bar : formula.bars)
        drawBar(mmPainter, bar);
    for (const Brace &brace : formula.braces)
        drawBrace(mmPainter, brace);
    mmPainter.restore();
}

QString readFormula(const Formula &formula)
{
    QString text;
    for (const Piece &piece : formula.pieces) {
        if (!text.isEmpty()) {
            switch (piece.link) {
            case Link::Space: text += u' '; break;
            case Link::Attached: break;
            case Link::Over: text += u'/'; break;
            case Link::Apart: text += QStringLiteral("; "); break;
            }
        }
        text += piece.run.text;
    }
    return text;
}
