#pragma once
// The solid a curve's model points bound: the ring of each ellipse angle mu (the spiral angle rho
// from 0 to 355; 360 to 720 go round the same ring again) joined to the next, from the apex at
// mu = 0, where the ring shrinks to a point, to a flat lid on the ring at mu = 360. A closed
// surface, its triangles turning counter-clockwise seen from outside.

#include "curve/CurveModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct SolidMesh {
    // The apex, the rings from mu = 5 to 360 (72 points each, rho from 0), the lid's centre.
    std::vector<CurveModel::Point> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles;
    // The lid's triangles come last, from this one on, each with the centre as its first corner.
    std::size_t firstLidTriangle = 0;
};

namespace CurveSolid {
// False when the rings do not rise (passo (1 + rapporto) = 0) or are segments (c = 0 or d = 0):
// the surface is then flat and bounds nothing.
bool enclosesVolume(const CurveValues &values);

// Only for a curve that encloses a volume.
SolidMesh build(const CurveValues &values);
}
