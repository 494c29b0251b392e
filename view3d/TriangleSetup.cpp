#include "view3d/TriangleSetup.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// A corner where a polygon's edge crosses the line where level is 0, from the corner kept to the
// one cut away: the same point for the two triangles that share the edge.
template <typename Level>
ClipCorner crossing(const ClipCorner &kept, const ClipCorner &cut, Level level)
{
    const double from = level(kept), to = level(cut);
    const double t = from / (from - to);
    const float share = float(t);
    return {kept.x + t * (cut.x - kept.x), kept.y + t * (cut.y - kept.y), float(kept.side + share * (cut.side - kept.side)),
            kept.values + share * (cut.values - kept.values)};
}

// The part of a convex polygon where level is 0 or less; count grows by one at most. The corners
// made on the line go to made, when given: two, or none.
template <typename Level>
int clip(ClipCorner *corners, int count, Level level, ClipCorner *made = nullptr)
{
    ClipCorner out[12];
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const ClipCorner &p = corners[i], &q = corners[(i + 1) % count];
        const bool pIn = level(p) <= 0, qIn = level(q) <= 0;
        if (pIn)
            out[kept++] = p;
        if (pIn != qIn) {
            out[kept++] = pIn ? crossing(p, q, level) : crossing(q, p, level);
            if (made)
                *made++ = out[kept - 1];
        }
    }
    std::copy(out, out + kept, corners);
    return kept;
}

}

std::int32_t TriangleSetup::snap(double samples)
{
    return std::int32_t(std::nearbyint(samples * FillFixed::one));
}

TriangleSetup::TriangleSetup(int width, int height, int bandShift)
    : bands(std::size_t(((height - 1) >> bandShift) + 1)), m_width(width), m_height(height), m_bandShift(bandShift)
{
}

void TriangleSetup::mesh(const FillVertex *vertices, std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    const FillVertex &p = vertices[a], &q = vertices[b], &r = vertices[c];
    const std::int64_t area = std::int64_t(q.x - p.x) * (r.y - p.y) - std::int64_t(q.y - p.y) * (r.x - p.x);
    if (area == 0)
        return;
    const SampleBox box({p.x, q.x, r.x}, {p.y, q.y, r.y}, m_width, m_height);
    if (box.empty())
        return;
    // Counter-clockwise on screen, as its corners turn seen from outside, it shows its outer side.
    const MeshTriangle t = area < 0 ? MeshTriangle{a | MeshTriangle::outerBit, c, b} : MeshTriangle{a, b, c};
    for (int band = box.top >> m_bandShift; band <= box.bottom >> m_bandShift; ++band)
        bands[std::size_t(band)].mesh.push_back(t);
}

void TriangleSetup::snapped(const ClipCorner &a, const ClipCorner &b, const ClipCorner &c)
{
    std::int32_t x[3] = {snap(a.x), snap(b.x), snap(c.x)};
    std::int32_t y[3] = {snap(a.y), snap(b.y), snap(c.y)};
    FillValues values[3] = {a.values, b.values, c.values};
    std::int64_t area = std::int64_t(x[1] - x[0]) * (y[2] - y[0]) - std::int64_t(y[1] - y[0]) * (x[2] - x[0]);
    if (area == 0)
        return;
    if (area < 0) {
        std::swap(x[1], x[2]);
        std::swap(y[1], y[2]);
        std::swap(values[1], values[2]);
    }
    const SampleBox box(x, y, m_width, m_height);
    if (box.empty())
        return;
    const TriangleRecord t{{x[0], x[1], x[2]}, {y[0], y[1], y[2]}, {values[0], values[1], values[2]}};
    for (int band = box.top >> m_bandShift; band <= box.bottom >> m_bandShift; ++band)
        bands[std::size_t(band)].triangles.push_back(t);
}

void TriangleSetup::polygon(const ClipCorner *given, int count)
{
    ClipCorner corners[12];
    std::copy(given, given + count, corners);
    bool within = true;
    for (int i = 0; i < count; ++i) {
        const ClipCorner &c = corners[i];
        if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.values[0]))
            return;
        within = within && std::abs(c.x) <= reach && std::abs(c.y) <= reach;
    }
    if (!within) {
        count = clip(corners, count, [](const ClipCorner &c) { return c.x - reach; });
        count = clip(corners, count, [](const ClipCorner &c) { return -reach - c.x; });
        count = clip(corners, count, [](const ClipCorner &c) { return c.y - reach; });
        count = clip(corners, count, [](const ClipCorner &c) { return -reach - c.y; });
    }
    for (int i = 1; i + 1 < count; ++i)
        snapped(corners[0], corners[i], corners[i + 1]);
}

void TriangleSetup::sectioned(const ClipCorner (&given)[3], double cutWidth, float cutLift, std::uint32_t cutColour)
{
    ClipCorner corners[4] = {given[0], given[1], given[2]};
    ClipCorner ends[2];
    const int count = clip(corners, 3, [](const ClipCorner &c) { return double(c.side); }, ends);
    if (count < 3)
        return;
    polygon(corners, count);
    ends[0].values[0] += cutLift;
    ends[1].values[0] += cutLift;
    line(ends[0], ends[1], cutWidth, cutColour);
}

void TriangleSetup::line(const ClipCorner &from, const ClipCorner &to, double width, std::uint32_t colour)
{
    double ux = to.x - from.x, uy = to.y - from.y;
    const double length = std::hypot(ux, uy);
    if (length > 0) {
        ux /= length;
        uy /= length;
    } else {
        ux = 1;
        uy = 0;
    }
    const double half = width / 2;
    // Along the segment, and across it.
    const double ax = ux * half, ay = uy * half, cx = -uy * half, cy = ux * half;
    const auto corner = [&](const ClipCorner &end, double along, double across) {
        FillValues values = {end.values[0], float((colour >> 16) & 0xff) + 0.5f, float((colour >> 8) & 0xff) + 0.5f,
                             float(colour & 0xff) + 0.5f};
        return ClipCorner{end.x + along * ax + across * cx, end.y + along * ay + across * cy, 0, values};
    };
    const ClipCorner corners[4] = {corner(from, -1, 1), corner(to, 1, 1), corner(to, 1, -1), corner(from, -1, -1)};
    polygon(corners, 4);
}

void TriangleSetup::dot(const DotRecord &dot)
{
    for (int band = dot.top >> m_bandShift; band <= (dot.top + dot.side - 1) >> m_bandShift; ++band)
        bands[std::size_t(band)].dots.push_back(dot);
}
