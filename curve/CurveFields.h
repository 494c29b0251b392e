#pragma once
// The eight values of a curve in one table, in the parameter screen's order: the name that
// captions, files and messages give each, the member of CurveValues that holds it, and the
// parameter screen's field it is typed in, with the text that field starts with and its words for
// a text that is no number.

#include "curve/CurveValues.h"

#include <array>

struct CurveField {
    // "a", "b", "c", "d", "rapporto", "passo", "alfa", "beta"
    const char *name;
    double CurveValues::*member;
    // 1 for Text1, the field of a, up to 8 for Text8, the field of beta.
    int field;
    const char *initial;
    const char *notANumber;
};

namespace CurveFields {
constexpr int count = 8;
// Where the ratio stands: the one value that may not be 0.
constexpr int ratio = 4;
// The first six shape the figure; the two angles only turn the drawing screen's projection.
constexpr int shaping = 6;

const std::array<CurveField, count> &all();
// The values of the fields' first texts: a curve the user has not changed.
CurveValues initial();

std::array<double, count> numbers(const CurveValues &values);
CurveValues fromNumbers(const std::array<double, count> &numbers);
}
