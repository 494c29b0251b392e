#include "picture/PictureCheck.h"
#include "curve/CalibrationSteps.h"
#include "curve/CurveChecks.h"
#include "runtime/NumberText.h"
#include "runtime/Palette.h"

#include <cmath>

namespace {
std::optional<QString> curveProblem(int number, const PictureCurve &curve)
{
    if (curve.colour < 0 || curve.colour >= paletteSize)
        return QStringLiteral("la curva %1 ha il colore %2, fuori dalla tavolozza (da 0 a %3)")
            .arg(number)
            .arg(curve.colour)
            .arg(paletteSize - 1);
    for (const CurveField &field : CurveFields::all())
        if (!std::isfinite(curve.values.*field.member))
            return QStringLiteral("nella curva %1 il valore %2 non è un numero").arg(number).arg(QString::fromUtf8(field.name));
    if (!CurveChecks::ratioAllowed(curve.values.ratio))
        return QStringLiteral("nella curva %1 il rapporto è 0, e deve essere diverso da 0").arg(number);
    if (curve.incr && !CalibrationSteps::givenByCalibration(*curve.incr))
        return QStringLiteral("la curva %1 ha il fattore %2, fuori dalla calibrazione (da %3 a %4)")
            .arg(number)
            .arg(NumberText::fromDouble(*curve.incr), NumberText::fromDouble(CalibrationSteps::initial),
                 NumberText::fromDouble(CalibrationSteps::ofStep(CalibrationSteps::lastStep)));
    return std::nullopt;
}
}

std::optional<QString> PictureCheck::problem(const PictureDocument &document)
{
    if (document.curves.empty())
        return QStringLiteral("il file non contiene curve");
    if (document.curves.size() > std::size_t(maxCurves))
        return QStringLiteral("il file contiene %1 curve, e se ne aprono al massimo %2").arg(document.curves.size()).arg(maxCurves);
    for (std::size_t i = 0; i < document.curves.size(); ++i)
        if (std::optional<QString> problem = curveProblem(int(i) + 1, document.curves[i]))
            return problem;
    if (document.view) {
        if (!std::isfinite(document.view->azimuth) || !std::isfinite(document.view->elevation))
            return QStringLiteral("gli angoli della vista 3D non sono numeri");
        if (std::abs(document.view->elevation) > ViewAngles::steepest)
            return QStringLiteral("l'elevazione della vista 3D è oltre %1 gradi").arg(ViewAngles::steepest);
    }
    return std::nullopt;
}
