#include "runtime/NumberText.h"
#include "runtime/Failure.h"

#include <QLocale>
#include <cmath>

std::optional<double> NumberText::parse(const QString &text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    // The conversion also reads "nan" and "inf": such a value is no number to draw with.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> NumberText::parseWritten(const QString &text)
{
    QLocale locale = text.contains(QLatin1Char(',')) ? QLocale(QLocale::Italian) : QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool NumberText::isNumeric(const QString &text)
{
    return parse(text).has_value();
}

double NumberText::toDouble(const QString &text)
{
    const std::optional<double> value = parse(text);
    if (!value)
        throw Failure::typeMismatch();
    return *value;
}

QString NumberText::fromDouble(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}
