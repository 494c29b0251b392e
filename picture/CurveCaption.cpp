#include "picture/CurveCaption.h"
#include "curve/CurveFields.h"
#include "runtime/NumberText.h"
#include "runtime/Palette.h"

#include <QLocale>
#include <array>
#include <cmath>

namespace {
const std::array<const char *, paletteSize> names = {
    "nero", "blu scuro", "verde scuro", "ciano scuro", "rosso scuro", "magenta scuro",
    "giallo scuro", "grigio chiaro", "grigio scuro", "blu", "verde", "ciano",
    "rosso", "magenta", "giallo", "bianco",
};
}

QString CurveCaption::colourName(int index)
{
    return QString::fromUtf8(names.at(std::size_t(index)));
}

std::optional<int> CurveCaption::colourIndex(const QString &name)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (name == QLatin1String(names[i]))
            return int(i);
    return std::nullopt;
}

QString CurveCaption::values(const CurveValues &values)
{
    QStringList parts;
    for (const CurveField &field : CurveFields::all())
        parts << QStringLiteral("%1 %2").arg(QString::fromUtf8(field.name), NumberText::fromDouble(values.*field.member));
    return parts.join(QStringLiteral("; "));
}

QString CurveCaption::caption(int number, const PictureCurve &curve)
{
    return QStringLiteral("Curva %1, %2: %3").arg(number).arg(colourName(curve.colour), values(curve.values));
}

QStringList CurveCaption::captions(const PictureCurves &curves)
{
    QStringList list;
    for (std::size_t i = 0; i < curves.size(); ++i)
        list << caption(int(i) + 1, curves[i]);
    return list;
}

QString CurveCaption::pictureDescription(const PictureCurves &curves)
{
    if (curves.empty())
        return QStringLiteral(u"Il disegno è vuoto");
    const QString count = curves.size() == 1 ? QStringLiteral("1 curva") : QStringLiteral("%1 curve").arg(curves.size());
    return count + QStringLiteral(". ") + captions(curves).join(QStringLiteral(". "));
}

QString CurveCaption::degrees(double angle)
{
    const double tenths = std::round(angle * 10) / 10;
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(tenths == 0 ? 0.0 : tenths, 'f', tenths == std::round(tenths) ? 0 : 1);
}

QString CurveCaption::viewWords(const ViewAngles &view)
{
    return QStringLiteral(u"Vista 3D: azimut %1°, elevazione %2°").arg(degrees(view.azimuth), degrees(view.elevation));
}
