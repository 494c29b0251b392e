#include "pages/Paragraphs.h"

#include <QPainter>
#include <QTextLayout>

namespace {

double baselineOfLine(const Paragraph &paragraph, int line)
{
    const int last = int(paragraph.baselinesMm.size()) - 1;
    return paragraph.baselinesMm.at(std::min(line, last)) + std::max(0, line - last) * lineSpacingMm;
}

void drawParagraph(QPainter &mmPainter, const Paragraph &paragraph, double columnWidthMm)
{
    QString text;
    QList<QTextLayout::FormatRange> formats;
    for (const Run &run : paragraph.runs) {
        QTextCharFormat format;
        format.setForeground(run.style.color);
        formats.append({int(text.size()), int(run.text.size()), format});
        text += shownText(run);
    }

    const QTransform toDevice = mmPainter.worldTransform();
    const double pixelsPerMm = toDevice.m22();
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    if (paragraph.tabStopMm > 0.0)
        option.setTabs({QTextOption::Tab(paragraph.tabStopMm * pixelsPerMm, QTextOption::LeftTab)});

    QTextLayout layout(text, fontFor(Style{}, mmPainter), mmPainter.device());
    layout.setTextOption(option);
    layout.setFormats(formats);
    layout.beginLayout();
    for (int index = 0;; ++index) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth((columnWidthMm - paragraph.indentMm) * pixelsPerMm);
        const double baseline = baselineOfLine(paragraph, index) * pixelsPerMm;
        line.setPosition(QPointF(paragraph.indentMm * pixelsPerMm, baseline - line.ascent()));
    }
    layout.endLayout();

    mmPainter.save();
    mmPainter.resetTransform();
    mmPainter.setPen(Qt::black);
    layout.draw(&mmPainter, toDevice.map(QPointF(0.0, 0.0)));
    mmPainter.restore();
}

}

void drawParagraphs(QPainter &mmPainter, const QList<Paragraph> &paragraphs, double columnWidthMm)
{
    for (const Paragraph &paragraph : paragraphs)
        drawParagraph(mmPainter, paragraph, columnWidthMm);
}
