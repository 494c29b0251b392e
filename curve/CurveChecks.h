#pragma once
// The checks that "AVANTI" makes on the eight texts of a curve, in their order: each must be a
// number, and the ratio must not be 0. The parameter screen's own chain takes the rule and the
// words from here; the 3D view and the command line read whole curves through them.

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
// "Il Rapporto deve essere diverso da 0"
QString zeroRatio();

// The values, or the words the parameter screen shows for the first text that fails.
std::variant<CurveValues, QString> read(const std::array<QString, CurveFields::count> &texts, Parse parse);
}
