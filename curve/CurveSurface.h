#pragma once
// A curve's shell as the 3D view draws it: the rings from the apex up to mu = 360 (CurveRings), open
// at the top, with at every vertex a smooth normal of unit length on the outer side.

#include "curve/CurveModel.h"

#include <array>
#include <cstdint>
#include <vector>

struct SurfaceMesh {
    std::vector<CurveModel::Point> vertices;
    std::vector<CurveModel::Point> normals;
    // Counter-clockwise seen from outside, none without area.
    std::vector<std::array<std::uint32_t, 3>> triangles;

    bool empty() const { return triangles.empty(); }
};

namespace CurveSurface {
// From the curve's model points in CurveModel's order. Empty for a curve that bounds nothing
// (CurveSolid::enclosesVolume), whose points are not all finite, or whose rings are points.
SurfaceMesh build(const CurveValues &values, const std::vector<CurveModel::Point> &points);
}
