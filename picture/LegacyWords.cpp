#include "picture/LegacyWords.h"
#include "curve/CurveFields.h"
#include "picture/CurveCaption.h"
#include "picture/PictureCheck.h"
#include "runtime/NumberText.h"

#include <QRegularExpression>

namespace {
// "^Curva (\d{1,9}), ([a-z ]+): a (\S+); b (\S+); ...; beta (\S+)$"
QRegularExpression captionPattern()
{
    QStringList values;
    for (const CurveField &field : CurveFields::all())
        values << QString::fromUtf8(field.name) + QStringLiteral(" (\\S+)");
    return QRegularExpression(QStringLiteral("^Curva (\\d{1,9}), ([a-z ]+): ") + values.join(QStringLiteral("; ")) + u'$');
}

QString unreadable(int line)
{
    return QStringLiteral("le parole del disegno non si leggono come curve di Elica (riga %1)").arg(line);
}
}

std::variant<PictureDocument, QString> LegacyWords::read(const QString &captions)
{
    static const QRegularExpression caption = captionPattern();
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
        std::array<double, CurveFields::count> values;
        for (int v = 0; v < CurveFields::count; ++v) {
            const std::optional<double> value = NumberText::parseWritten(match.captured(v + 3));
            if (!value)
                return unreadable(int(i) + 1);
            values[std::size_t(v)] = *value;
        }
        if (!colour)
            return unreadable(int(i) + 1);
        document.curves.push_back({*colour, CurveFields::fromNumbers(values), std::nullopt});
    }
    if (std::optional<QString> problem = PictureCheck::problem(document))
        return *problem;
    return document;
}
