#pragma once
// The rings a curve's shell is made of, shared by the 3D model's solid and the 3D view's surface:
// the apex at mu = 0, where the ring shrinks to a point, then for each ellipse angle mu from 5 to
// 360 the ring of the spiral angle rho from 0 to 355 (360 to 720 go round the same ring again),
// each ring joined to the next by two triangles a step of rho and the first to the apex by a fan.
// The triangles turn counter-clockwise seen from outside.

#include "curve/CurveModel.h"

#include <cstdint>
#include <vector>

namespace CurveRings {
// A ring's own points.
constexpr std::uint32_t ringSize = 72;
// The ring at mu = 360.
constexpr std::uint32_t lastRing = 72;
constexpr std::uint32_t vertexCount = 1 + ringSize * lastRing;

// The vertex of ring mu (1 to lastRing, in steps of 5 degrees) at rho (in steps, round the ring).
constexpr std::uint32_t vertex(std::uint32_t mu, std::uint32_t rho)
{
    return 1 + (mu - 1) * ringSize + rho % ringSize;
}

// The apex, then the rings, from the curve's model points in CurveModel's order.
std::vector<CurveModel::Point> vertices(const std::vector<CurveModel::Point> &points);

// Whether a triangle written for rings turning counter-clockwise seen from above and rising with mu
// must be turned over to face outside: each of the two the other way turns the surface inside out.
bool turnedOver(const CurveValues &values);

// Calls add(p, q, r) for the apex's fan, then ring by ring for the triangles joining it to the next.
template <typename Add>
void triangles(const CurveValues &values, Add &&add)
{
    const bool flip = turnedOver(values);
    const auto turned = [&](std::uint32_t p, std::uint32_t q, std::uint32_t r) { flip ? add(p, r, q) : add(p, q, r); };
    for (std::uint32_t rho = 0; rho < ringSize; ++rho)
        turned(0, vertex(1, rho + 1), vertex(1, rho));
    for (std::uint32_t mu = 1; mu < lastRing; ++mu)
        for (std::uint32_t rho = 0; rho < ringSize; ++rho) {
            turned(vertex(mu, rho), vertex(mu, rho + 1), vertex(mu + 1, rho));
            turned(vertex(mu, rho + 1), vertex(mu + 1, rho + 1), vertex(mu + 1, rho));
        }
}
}
