#include "drawing/CurveCaption.h"
#include "runtime/NumberText.h"

#include <QStringList>
#include <array>

QString CurveCaption::colourName(int index)
{
    static const std::array<const char *, 16> names = {
        "nero", "blu scuro", "verde scuro", "ciano scuro", "rosso scuro", "magenta scuro",
        "giallo scuro", "grigio chiaro", "grigio scuro", "blu", "verde", "ciano",
        "rosso", "magenta", "giallo", "bianco",
    };
    return QString::fromUtf8(names.at(std::size_t(index)));
}

QString CurveCaption::caption(int number, int colourIndex, const Values &values)
{
    const std::array<std::pair<const char *, double>, 8> named = {{
        {"a", values.a}, {"b", values.b}, {"c", values.c}, {"d", values.d},
        {"rapporto", values.ratio}, {"passo", values.step}, {"alfa", values.alpha}, {"beta", values.beta},
    }};
    QStringList parts;
    for (const auto &[name, value] : named)
        parts << QStringLiteral("%1 %2").arg(QString::fromUtf8(name), NumberText::fromDouble(value));
    return QStringLiteral("Curva %1, %2: %3").arg(number).arg(colourName(colourIndex), parts.join(QStringLiteral("; ")));
}

QString CurveCaption::pictureDescription(const QStringList &captions)
{
    if (captions.isEmpty())
        return QStringLiteral(u"Il disegno è vuoto");
    const QString count = captions.size() == 1 ? QStringLiteral("1 curva") : QStringLiteral("%1 curve").arg(captions.size());
    return count + QStringLiteral(". ") + captions.join(QStringLiteral(". "));
}
