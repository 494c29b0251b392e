#include "curve/CurveRings.h"

namespace {
constexpr std::uint32_t muCount = CurveRings::lastRing + 1;
}

std::vector<CurveModel::Point> CurveRings::vertices(const std::vector<CurveModel::Point> &points)
{
    std::vector<CurveModel::Point> out;
    out.reserve(vertexCount + 1);
    // At mu = 0 the ring's radii are 0: every rho gives the apex.
    out.push_back(points[0]);
    for (std::uint32_t mu = 1; mu < muCount; ++mu)
        for (std::uint32_t rho = 0; rho < ringSize; ++rho)
            out.push_back(points[rho * muCount + mu]);
    return out;
}

bool CurveRings::turnedOver(const CurveValues &values)
{
    const bool counterClockwise = (values.c > 0) == (values.d > 0);
    const bool rising = values.step * (1 + values.ratio) > 0;
    return counterClockwise != rising;
}
