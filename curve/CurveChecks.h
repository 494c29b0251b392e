#pragma once
// The checks that "AVANTI" makes on the eight texts of a curve, in their order: each must be a
// number, and the ratio must not be 0. The parameter screen checks its fields one by one with
// check(), in this order; the 3D view, the files and the command line read whole curves with
// read().

#include "curve/CurveFields.h"

#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace CurveChecks {
// A text's number, if it is one: in the user's locale on the screens, with a decimal comma or
// point on the command line.
using Parse = std::optional<double> (*)(const QString &text);

bool ratioAllowed(double ratio);

// The value of the text at index in the curve's order, or the words the parameter screen shows
// when it fails.
std::variant<double, QString> check(int index, const QString &text, Parse parse);
// The values, or the words of the first text that fails.
std::variant<CurveValues, QString> read(const std::array<QString, CurveFields::count> &texts, Parse parse);
}
