#include "pages/PageText.h"

#include <QPainter>

QString shownText(const Run &run)
{
    return run.style.capitals ? run.text.toUpper() : run.text;
}

QFont fontFor(const Style &style, const QPainter &mmPainter)
{
    // The device turns points into pixels at its own DPI; the painter may map
    // a millimetre to a different number of pixels, so the size makes up for it.
    const double pixelsPerMm = mmPainter.worldTransform().m22();
    const double pixelsPerPoint = mmPainter.device()->logicalDpiY() / 72.0;
    QFont font = faceFont(style.face, style.italic);
    font.setPointSizeF(style.points * mmPerPoint * pixelsPerMm / pixelsPerPoint);
    return font;
}

void drawRun(QPainter &mmPainter, QPointF baselineMm, const Run &run)
{
    const QFont font = fontFor(run.style, mmPainter);
    const QPointF baseline = mmPainter.worldTransform().map(baselineMm);
    mmPainter.save();
    mmPainter.resetTransform();
    mmPainter.setFont(font);
    mmPainter.setPen(run.style.color);
    mmPainter.drawText(baseline, shownText(run));
    mmPainter.restore();
}
