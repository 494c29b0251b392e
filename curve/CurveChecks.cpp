#include "curve/CurveChecks.h"

bool CurveChecks::ratioAllowed(double ratio)
{
    return ratio != 0;
}


std::variant<double, QString> CurveChecks::check(int index, const QString &text, Parse parse)
{
    const std::optional<double> value = parse(text);
    if (!value)
        return QString::fromUtf8(CurveFields::all()[std::size_t(index)].notANumber);
    if (index == CurveFields::ratio && !ratioAllowed(*value))
        return QStringLiteral("Il Rapporto deve essere diverso da 0");
    return *value;
}

std::variant<CurveValues, QString> CurveChecks::read(const std::array<QString, CurveFields::count> &texts, Parse parse)
{
    std::array<double, CurveFields::count> numbers;
    for (int i = 0; i < CurveFields::count; ++i) {
        const std::variant<double, QString> checked = check(i, texts[std::size_t(i)], parse);
        if (const QString *failure = std::get_if<QString>(&checked))
            return *failure;
        numbers[std::size_t(i)] = std::get<double>(checked);
    }
    return CurveFields::fromNumbers(numbers);
}
