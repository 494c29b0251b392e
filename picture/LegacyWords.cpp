#include "picture/LegacyWords.h"
#include "picture/CurveCaption.h"
#include "picture/PictureCheck.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {
std::optional<double> number(const QString &text)
{
    QLocale locale = text.contains(QLatin1Char(',')) ? QLocale(QLocale::Italian) : QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString unreadable(int line)
{
    return QStringLiteral("le parole del disegno non si leggono come curve di Elica (riga %1)").arg(line);
}
}

std::variant<PictureDocument, QString> LegacyWords::read(const QString &captions)
{
    static const QRegularExpression caption(QStringLiteral(
        "^Curva (\\d{1,9}), ([a-z ]+): a (\\S+); b (\\S+); c (\\S+); d (\\S+); rapporto (\\S+); passo (\\S+); alfa (\\S+); beta (\\S+)$"));
    QStringList lines = captions.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.size() > PictureCheck::maxCurves)
        return QStringLiteral("il file contiene più di %1 curve").arg(PictureCheck::maxCurves);
    PictureDocument document;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = caption.match(lines[i]);
        if (!match.hasMatch() || match.captured(1).toInt() != i + 1)
            return unreadable(int(i) + 1);
        const std::optional<int> colour = CurveCaption::colourIndex(match.captured(2));
        double values[8];
        for (int v = 0; v < 8; ++v) {
            const std::optional<double> value = number(match.captured(v + 3));
            if (!value)
                return unreadable(int(i) + 1);
            values[v] = *value;
        }
        if (!colour)
            return unreadable(int(i) + 1);
        document.curves.push_back(
            {*colour, {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]}, std::nullopt});
    }
    if (std::optional<QString> problem = PictureCheck::problem(document))
        return *problem;
    return document;
}
