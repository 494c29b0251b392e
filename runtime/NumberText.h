#pragma once
// Numbers as the user reads and types them, in the user's locale.

#include <QString>
#include <optional>

namespace NumberText {
// The text's value, if it is a finite number in the current locale (decimal
// separator, group separators, sign, exponent, surrounding blanks).
std::optional<double> parse(const QString &text);

// The numeric test: exactly the texts that parse() converts.
bool isNumeric(const QString &text);

// Text-to-number conversion; Failure::typeMismatch() for a text that is not numeric.
double toDouble(const QString &text);

// At most 15 significant digits, the locale's decimal separator, no group separators.
QString fromDouble(double value);
}
