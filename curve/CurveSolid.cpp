#include "curve/CurveSolid.h"
#include "curve/CurveRings.h"
#include "runtime/Angles.h"

bool CurveSolid::enclosesVolume(const CurveValues &values)
{
    return values.step * (1 + values.ratio) != 0 && values.c != 0 && values.d != 0;
}

SolidMesh CurveSolid::build(const CurveValues &values)
{
    using CurveRings::ringSize, CurveRings::lastRing, CurveRings::vertex;
    SolidMesh mesh;
    mesh.vertices = CurveRings::vertices(CurveModel().points(values, Angles::P1()));

    // The top ring's centre, as the mean of its points: inside it, and at its height exactly.
    double sumX = 0, sumY = 0;
    for (std::uint32_t rho = 0; rho < ringSize; ++rho) {
        sumX += mesh.vertices[vertex(lastRing, rho)].X;
        sumY += mesh.vertices[vertex(lastRing, rho)].Y;
    }
    const std::uint32_t centre = std::uint32_t(mesh.vertices.size());
    mesh.vertices.push_back({sumX / ringSize, sumY / ringSize, mesh.vertices[vertex(lastRing, 0)].Z});

    mesh.triangles.reserve(2 * ringSize * lastRing);
    const auto add = [&](std::uint32_t p, std::uint32_t q, std::uint32_t r) { mesh.triangles.push_back({p, q, r}); };
    CurveRings::triangles(values, add);
    mesh.firstLidTriangle = mesh.triangles.size();
    const bool flip = CurveRings::turnedOver(values);
    for (std::uint32_t rho = 0; rho < ringSize; ++rho) {
        const std::uint32_t p = vertex(lastRing, rho), q = vertex(lastRing, rho + 1);
        flip ? add(centre, q, p) : add(centre, p, q);
    }
    return mesh;
}
