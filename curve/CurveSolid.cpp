#include "curve/CurveSolid.h"
#include "runtime/Angles.h"

namespace {
constexpr int muCount = 73;
// rho from 0 to 355: a ring's own points.
constexpr std::uint32_t ringSize = 72;
constexpr std::uint32_t lastRing = muCount - 1;
}

bool CurveSolid::enclosesVolume(const CurveValues &values)
{
    return values.step * (1 + values.ratio) != 0 && values.c != 0 && values.d != 0;
}

SolidMesh CurveSolid::build(const CurveValues &values)
{
    CurveModel model;
    const std::vector<CurveModel::Point> points = model.points(values, Angles::P1());
    SolidMesh mesh;
    mesh.vertices.reserve(ringSize * lastRing + 2);
    // At mu = 0 the ring's radii are 0: every rho gives the apex.
    mesh.vertices.push_back(points[0]);
    for (int mu = 1; mu < muCount; ++mu)
        for (std::uint32_t rho = 0; rho < ringSize; ++rho)
            mesh.vertices.push_back(points[rho * muCount + mu]);
    const auto ring = [](std::uint32_t mu, std::uint32_t rho) { return 1 + (mu - 1) * ringSize + rho % ringSize; };

    // The top ring's centre, as the mean of its points: inside it, and at its height exactly.
    double sumX = 0, sumY = 0;
    for (std::uint32_t rho = 0; rho < ringSize; ++rho) {
        sumX += mesh.vertices[ring(lastRing, rho)].X;
        sumY += mesh.vertices[ring(lastRing, rho)].Y;
    }
    const std::uint32_t centre = std::uint32_t(mesh.vertices.size());
    mesh.vertices.push_back({sumX / ringSize, sumY / ringSize, mesh.vertices[ring(lastRing, 0)].Z});

    // Written for rings turning counter-clockwise seen from above (c d > 0) and rising with mu;
    // each of the two the other way turns the surface inside out.
    const bool counterClockwise = (values.c > 0) == (values.d > 0);
    const bool rising = values.step * (1 + values.ratio) > 0;
    const bool flip = counterClockwise != rising;
    mesh.triangles.reserve(2 * ringSize * lastRing);
    const auto add = [&](std::uint32_t p, std::uint32_t q, std::uint32_t r) {
        mesh.triangles.push_back(flip ? std::array{p, r, q} : std::array{p, q, r});
    };
    for (std::uint32_t rho = 0; rho < ringSize; ++rho)
        add(0, ring(1, rho + 1), ring(1, rho));
    for (std::uint32_t mu = 1; mu < lastRing; ++mu)
        for (std::uint32_t rho = 0; rho < ringSize; ++rho) {
            add(ring(mu, rho), ring(mu, rho + 1), ring(mu + 1, rho));
            add(ring(mu, rho + 1), ring(mu + 1, rho + 1), ring(mu + 1, rho));
        }
    mesh.firstLidTriangle = mesh.triangles.size();
    for (std::uint32_t rho = 0; rho < ringSize; ++rho)
        add(centre, ring(lastRing, rho), ring(lastRing, rho + 1));
    return mesh;
}
