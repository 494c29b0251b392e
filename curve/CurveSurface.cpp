#include "curve/CurveSurface.h"
#include "curve/CurveRings.h"
#include "curve/CurveSolid.h"

#include <algorithm>
#include <cmath>

namespace {
using Point = CurveModel::Point;

bool isFinite(const Point &p)
{
    return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z);
}

// The power of two that brings the largest coordinate near 1: products of coordinates so scaled
// neither overflow nor lose a bit that the comparison with 0 needs.
int exponentOf(const std::vector<Point> &points)
{
    double largest = 0;
    for (const Point &p : points)
        largest = std::max({largest, std::abs(p.X), std::abs(p.Y), std::abs(p.Z)});
    int exponent = 0;
    std::frexp(largest, &exponent);
    return exponent;
}
}

SurfaceMesh CurveSurface::build(const CurveValues &values, const std::vector<CurveModel::Point> &points)
{
    SurfaceMesh mesh;
    if (!CurveSolid::enclosesVolume(values) || !std::all_of(points.begin(), points.end(), isFinite))
        return mesh;
    mesh.vertices = CurveRings::vertices(points);
    const int exponent = exponentOf(mesh.vertices);
    std::vector<Point> scaled;
    scaled.reserve(mesh.vertices.size());
    for (const Point &p : mesh.vertices)
        scaled.push_back({std::ldexp(p.X, -exponent), std::ldexp(p.Y, -exponent), std::ldexp(p.Z, -exponent)});

    // Each face adds its normal, as long as it is large, to its corners': larger faces weigh more.
    std::vector<Point> sums(mesh.vertices.size(), Point{0, 0, 0});
    mesh.triangles.reserve(2 * CurveRings::ringSize * CurveRings::lastRing);
    CurveRings::triangles(values, [&](std::uint32_t p, std::uint32_t q, std::uint32_t r) {
        const Point &a = scaled[p], &b = scaled[q], &c = scaled[r];
        const Point u{b.X - a.X, b.Y - a.Y, b.Z - a.Z}, v{c.X - a.X, c.Y - a.Y, c.Z - a.Z};
        const Point n{u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X};
        if (n.X == 0 && n.Y == 0 && n.Z == 0)
            return;
        mesh.triangles.push_back({p, q, r});
        for (const std::uint32_t corner : {p, q, r})
            sums[corner] = {sums[corner].X + n.X, sums[corner].Y + n.Y, sums[corner].Z + n.Z};
    });
    if (mesh.triangles.empty()) {
        mesh.vertices.clear();
        return mesh;
    }
    mesh.normals.reserve(sums.size());
    for (const Point &n : sums) {
        // Tiny sums first brought near 1, so that their square does not vanish.
        int e = 0;
        std::frexp(std::max({std::abs(n.X), std::abs(n.Y), std::abs(n.Z)}), &e);
        const Point m{std::ldexp(n.X, -e), std::ldexp(n.Y, -e), std::ldexp(n.Z, -e)};
        const double length = std::sqrt(m.X * m.X + m.Y * m.Y + m.Z * m.Z);
        mesh.normals.push_back(length > 0 ? Point{m.X / length, m.Y / length, m.Z / length} : Point{0, 0, 0});
    }
    return mesh;
}
