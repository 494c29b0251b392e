#include "parameters/ValueStep.h"
#include "runtime/NumberText.h"

#include <QLocale>
#include <cmath>

std::optional<QString> ValueStep::stepped(const QString &text, int units)
{
    if (!NumberText::isNumeric(text))
        return std::nullopt;
    QLocale locale;
    const QString trimmed = text.trimmed();
    // An exponent stays as typed; the step is the mantissa's.
    qsizetype exponentAt = trimmed.indexOf(locale.exponential(), 0, Qt::CaseInsensitive);
    const QString mantissa = exponentAt < 0 ? trimmed : trimmed.left(exponentAt);
    const QString exponent = exponentAt < 0 ? QString() : trimmed.mid(exponentAt);
    const std::optional<double> value = NumberText::parse(mantissa);
    if (!value)
        return std::nullopt;
    const qsizetype pointAt = mantissa.indexOf(locale.decimalPoint());
    int decimals = 0;
    if (pointAt >= 0)
        for (qsizetype i = pointAt + 1; i < mantissa.size() && mantissa[i].isDigit(); ++i)
            ++decimals;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString result = locale.toString(*value + units * std::pow(10.0, -decimals), 'f', decimals);
    // A sum a hair below zero is zero, not "-0,0".
    if (NumberText::parse(result) == 0.0 && result.startsWith(locale.negativeSign()))
        result.remove(0, locale.negativeSign().size());
    result += exponent;
    if (!NumberText::isNumeric(result))
        return std::nullopt;
    return result;
}
