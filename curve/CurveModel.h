#pragma once
// The curve's model points, the one definition that the drawing screen plots and the 3D view
// turns: for the spiral angle rho from 0 to 720 degrees and, inside it, the ellipse angle mu from
// 0 to 360, both in steps of 5, with upsilon = mu d (mu in radians),
//   X = a cos mu + (c upsilon) cos rho,   Y = b sin mu + (d upsilon) sin rho,   Z = p (mu + upsilon),
// each angle the 16-bit degrees times the single-precision P1, in double precision in this grouping.

#include "curve/AngleSteps.h"
#include "curve/CurveValues.h"

#include <vector>

class CurveModel {
public:
    static constexpr int pointCount = 145 * 73;

    struct Point {
        double X, Y, Z;
        bool operator==(const Point &) const = default;
    };

    CurveModel();

    // Calls visit(X, Y, Z) for every point, rho in the outer and mu in the inner order.
    template <typename Visit>
    void run(const CurveValues &values, float P1, Visit &&visit);

    std::vector<Point> points(const CurveValues &values, float P1);

private:
    AngleSteps m_rhoSteps;
    AngleSteps m_muSteps;
};

template <typename Visit>
void CurveModel::run(const CurveValues &v, float P1, Visit &&visit)
{
    // Every term that depends on mu alone is the same in each pass over rho: worked out once per
    // curve, in the same operations and order.
    struct MuTerms {
        double helixX, spiralX, helixY, spiralY, Z;
    };
    std::vector<MuTerms> muTerms;
    muTerms.reserve(73);
    for (const AngleStep &mu : m_muSteps.forP1(P1)) {
        const double Ups = double(mu.radians) * v.ratio;
        muTerms.push_back({v.a * mu.cos, v.c * Ups, v.b * mu.sin, v.d * Ups, v.step * (double(mu.radians) + Ups)});
    }
    for (const AngleStep &rho : m_rhoSteps.forP1(P1))
        for (const MuTerms &mu : muTerms)
            visit(mu.helixX + mu.spiralX * rho.cos, mu.helixY + mu.spiralY * rho.sin, mu.Z);
}
