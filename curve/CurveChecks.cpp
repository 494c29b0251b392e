#include "curve/CurveChecks.h"

bool CurveChecks::ratioAllowed(double ratio)
{
    return ratio != 0;
}

QString CurveChecks::zeroRatio()
{
    return QStringLiteral("Il Rapporto deve essere diverso da 0");
}

std::variant<CurveValues, QString> CurveChecks::read(const std::array<QString, CurveFields::count> &texts, Parse parse)
{
    std::array<double, CurveFields::count> numbers;
    for (int i = 0; i < CurveFields::count; ++i) {
        const std::optional<double> value = parse(texts[std::size_t(i)]);
        if (!value)
            return QString::fromUtf8(CurveFields::all()[std::size_t(i)].notANumber);
        if (i == CurveFields::ratio && !ratioAllowed(*value))
            return zeroRatio();
        numbers[std::size_t(i)] = *value;
    }
    return CurveFields::fromNumbers(numbers);
}
