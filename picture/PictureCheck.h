#pragma once
// What a picture read from a file must be before it is drawn: the checks the parameter screen
// makes on its values, a palette colour, an aspect factor the calibration gives, and sizes that
// keep the program responsive.

#include "curve/PictureDocument.h"

#include <QString>
#include <optional>

namespace PictureCheck {
// The most curves a file may hold.
constexpr int maxCurves = 1000;

// In Italian, what is wrong with the document, or nothing.
std::optional<QString> problem(const PictureDocument &document);
}
