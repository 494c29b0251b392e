#include "curve/CurveFields.h"

#include <cstdlib>

namespace {
const std::array<CurveField, CurveFields::count> table = {{
    {"a", &CurveValues::a, 1, "20", "Asse Magg.di A non è un numero"},
    {"b", &CurveValues::b, 2, "15", "Asse Min. di A non è un numero"},
    {"c", &CurveValues::c, 3, "10", "Asse Magg. di B non è un numero"},
    {"d", &CurveValues::d, 4, "5", "Asse Min. di B non è un numero"},
    {"rapporto", &CurveValues::ratio, 5, "3", "Rapporto non è un numero"},
    {"passo", &CurveValues::step, 6, "1", "PASSO non è un numero"},
    {"alfa", &CurveValues::alpha, 7, "45", "Angolo Alfa non è un numero"},
    {"beta", &CurveValues::beta, 8, "45", "Angolo Beta non è un numero"},
}};
}

const std::array<CurveField, CurveFields::count> &CurveFields::all()
{
    return table;
}

CurveValues CurveFields::initial()
{
    std::array<double, count> values;
    for (int i = 0; i < count; ++i)
        values[std::size_t(i)] = std::atof(table[std::size_t(i)].initial);
    return fromNumbers(values);
}

std::array<double, CurveFields::count> CurveFields::numbers(const CurveValues &values)
{
    std::array<double, count> out;
    for (int i = 0; i < count; ++i)
        out[std::size_t(i)] = values.*table[std::size_t(i)].member;
    return out;
}

CurveValues CurveFields::fromNumbers(const std::array<double, count> &numbers)
{
    CurveValues values{};
    for (int i = 0; i < count; ++i)
        values.*table[std::size_t(i)].member = numbers[std::size_t(i)];
    return values;
}
