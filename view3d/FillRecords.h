#pragma once
// What the surface filler draws, made once for the frame and then drawn band by band of rows: the
// vertices of the surfaces as seen, their triangles by their corners, triangles of their own (cut
// by the section, lines) and dots, squares of one depth and colour. Places are in samples (a pixel
// is 1 or 2 samples a side); a triangle's corners in fixed point, in 1/256 of a sample, so that
// neighbours share their edges exactly.

#include <algorithm>
#include <cstdint>

namespace FillFixed {
constexpr int bits = 8;
constexpr std::int64_t one = 1 << bits;
// Where a sample's centre lies from its corner.
constexpr std::int64_t centre = one / 2;

// The first sample whose centre is at or after a fixed-point place; the last at or before it.
inline std::int32_t firstFrom(std::int64_t fixed)
{
    return std::int32_t((fixed - centre + one - 1) >> bits);
}

inline std::int32_t lastTo(std::int64_t fixed)
{
    return std::int32_t((fixed - centre) >> bits);
}
}

// Depth (larger nearer, in device pixels), red, green and blue (0 to 255, plus a half so that
// truncating rounds).
using FillValues = float __attribute__((vector_size(16)));

struct FillVertex {
    std::int32_t x, y;
    // Above 0 on the viewer's side of the section.
    float side;
    // Finite, and within the reach of the fixed point.
    bool within;
    // Seen from outside and from inside.
    FillValues outer, inner;
};

// A surface's triangle by its corners among the frame's vertices, clockwise on screen (y going
// down), with whether it shows its outer side in the first corner's top bit.
struct MeshTriangle {
    static constexpr std::uint32_t outerBit = 1u << 31;
    std::uint32_t a, b, c;
};

// Clockwise on screen.
struct TriangleRecord {
    std::int32_t x[3], y[3];
    FillValues values[3];
};

struct DotRecord {
    std::int32_t left, top, side;
    float depth;
    std::uint32_t colour;
};

// The samples whose centres a triangle's box holds, within the frame, first and last included.
struct SampleBox {
    std::int32_t left, top, right, bottom;

    SampleBox(const std::int32_t (&x)[3], const std::int32_t (&y)[3], std::int32_t width, std::int32_t height)
        : left(std::max(0, FillFixed::firstFrom(std::min({x[0], x[1], x[2]})))),
          top(std::max(0, FillFixed::firstFrom(std::min({y[0], y[1], y[2]})))),
          right(std::min(width - 1, FillFixed::lastTo(std::max({x[0], x[1], x[2]})))),
          bottom(std::min(height - 1, FillFixed::lastTo(std::max({y[0], y[1], y[2]}))))
    {
    }
    bool empty() const { return left > right || top > bottom; }
};
