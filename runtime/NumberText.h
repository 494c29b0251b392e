#pragma once
// Numbers as the user reads and types them, in the user's locale.

#include <QString>
#include <optional>

namespace NumberText {
// The text's value, if it is a finite number in the current locale (decimal
// separator, group separators, sign, exponent, surrounding blanks).
std::optional<double> parse(const QString &text);

// A number as a file or a command line writes it, whatever the user's locale: with a decimal
// comma (Italian) or a decimal point, without group separators; finite.
std::optional<double> parseWritten(const QString &text);

// The numeric test: exactly the texts that parse() converts.
bool isNumeric(const QString &text);

// Text-to-number conversion; Failure::typeMismatch() for a text that is not numeric.
double toDouble(const QString &text);

// At most 15 significant digits, the locale's decimal separator, no group separators.
QString fromDouble(double value);
}
