#include "pages/PageReading.h"

#include <algorithm>
#include <cmath>

namespace {
bool standsOn(const Formula &formula, const Paragraph &paragraph)
{
    return std::any_of(paragraph.baselinesMm.begin(), paragraph.baselinesMm.end(), [&](double baseline) {
        return std::abs(formula.originMm.y() - baseline) < lineSpacingMm / 2;
    });
}
}

QString readPage(const QList<Paragraph> &paragraphs, const QList<Formula> &formulas)
{
    QStringList lines;
    for (const Paragraph &paragraph : paragraphs) {
        QString line;
        // The words as written: capitals are a way of showing them, like colour.
        for (const Run &run : paragraph.runs)
            line += run.text;
        QList<const Formula *> onLine;
        for (const Formula &formula : formulas)
            if (standsOn(formula, paragraph))
                onLine << &formula;
        std::sort(onLine.begin(), onLine.end(),
                  [](const Formula *a, const Formula *b) { return a->originMm.x() < b->originMm.x(); });
        for (const Formula *formula : onLine)
            line += readFormula(*formula);
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines.join(u'\n');
}
