#include "picture/PictureCheck.h"
#include "runtime/NumberText.h"

#include <array>
#include <cmath>

namespace {
// The calibration gives 0,51 and then 0,51 + 0,02 for each step of its bar, up to 1,11.
constexpr double lowestIncr = 0.51;
constexpr double highestIncr = 1.11;
constexpr double incrSlack = 1e-9;

std::optional<QString> curveProblem(int number, const PictureCurve &curve)
{
    if (curve.colour < 0 || curve.colour > 15)
        return QStringLiteral("la curva %1 ha il colore %2, fuori dalla tavolozza (da 0 a 15)").arg(number).arg(curve.colour);
    const CurveValues &v = curve.values;
    const std::array<std::pair<const char *, double>, 8> named = {{
        {"a", v.a}, {"b", v.b}, {"c", v.c}, {"d", v.d},
        {"rapporto", v.ratio}, {"passo", v.step}, {"alfa", v.alpha}, {"beta", v.beta},
    }};
    for (const auto &[name, value] : named)
        if (!std::isfinite(value))
            return QStringLiteral("nella curva %1 il valore %2 non è un numero").arg(number).arg(QString::fromUtf8(name));
    if (v.ratio == 0)
        return QStringLiteral("nella curva %1 il rapporto è 0, e deve essere diverso da 0").arg(number);
    if (curve.incr && !(*curve.incr >= lowestIncr - incrSlack && *curve.incr <= highestIncr + incrSlack))
        return QStringLiteral("la curva %1 ha il fattore %2, fuori dalla calibrazione (da %3 a %4)")
            .arg(number)
            .arg(NumberText::fromDouble(*curve.incr), NumberText::fromDouble(lowestIncr), NumberText::fromDouble(highestIncr));
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
        if (std::abs(document.view->elevation) > 90)
            return QStringLiteral("l'elevazione della vista 3D è oltre 90 gradi");
    }
    return std::nullopt;
}
