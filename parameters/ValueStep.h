#pragma once
// Stepping a value typed in a field, as Up and Down do: by units of its last typed decimal place
// (20 to 21, 0,3 to 0,4, 2,75 to 2,76), in the user's locale, keeping the form it was typed in.

#include <QString>
#include <optional>

namespace ValueStep {
// The text moved by units (negative goes down); nothing when the text is not a number or the
// result would not be one.
std::optional<QString> stepped(const QString &text, int units);
}
