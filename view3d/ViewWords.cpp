#include "view3d/ViewWords.h"
#include "picture/CurveCaption.h"
#include "runtime/Palette.h"

#include <cmath>

QString ViewWords::status(const Turntable &turntable, double zoom)
{
    return QStringLiteral(u"Azimut %1°, elevazione %2°, ingrandimento %3%")
        .arg(CurveCaption::degrees(turntable.azimuth()), CurveCaption::degrees(turntable.elevation()))
        .arg(std::lround(zoom * 100));
}

QString ViewWords::preview(const Preview &preview, int number)
{
    if (!preview.values)
        return QStringLiteral("anteprima: valori non validi");
    return QStringLiteral("anteprima: curva %1, %2").arg(number).arg(CurveCaption::colourName(preview.colour));
}

QString ViewWords::previewCaption(const Preview &preview)
{
    if (!preview.values)
        return QStringLiteral("Anteprima: valori non validi");
    return QStringLiteral("Anteprima, %1: %2").arg(CurveCaption::colourName(preview.colour), CurveCaption::values(*preview.values));
}

std::vector<LegendLine> ViewWords::legend(const PictureCurves &curves, const std::optional<Preview> &preview)
{
    std::vector<LegendLine> lines;
    const QStringList captions = CurveCaption::captions(curves);
    for (std::size_t i = 0; i < curves.size(); ++i)
        lines.push_back({QBColor(curves[i].colour).rgb(), captions[qsizetype(i)]});
    if (preview)
        lines.push_back({QBColor(preview->colour).rgb(), previewCaption(*preview)});
    return lines;
}
