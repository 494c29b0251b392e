#pragma once
// Makes the surface filler's records (FillRecords) and files each under every band of rows it
// touches: a surface's triangle as it is, when it is whole; else cut away where it lies beyond the
// section or the reach of the fixed point, snapped and turned clockwise, with the cut as a line.
// One for each thread: what each makes is its own.

#include "view3d/FillRecords.h"

#include <cstdint>
#include <vector>

struct ClipCorner {
    double x, y;
    // Above 0 on the viewer's side of the section.
    float side;
    FillValues values;
};

class TriangleSetup {
public:
    // Corners this far from the frame's origin, in samples, and no farther, are snapped as they are.
    static constexpr double reach = 1 << 20;
    // A place in samples in fixed point, for a place within the reach.
    static std::int32_t snap(double samples);

    // The frame's size in samples; a band is 2 to the power bandShift rows of samples.
    TriangleSetup(int width, int height, int bandShift);

    // A surface's triangle of corners within the reach, by their indices among vertices.
    void mesh(const FillVertex *vertices, std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // A convex polygon of up to 8 corners in any turn, within the reach or not.
    void polygon(const ClipCorner *corners, int count);
    // The part of a triangle on the far side of the section, and where the section cuts it as a line
    // of this width, colour and depth lift.
    void sectioned(const ClipCorner (&corners)[3], double cutWidth, float cutLift, std::uint32_t cutColour);
    // A band of width samples round the segment, its ends squared, in one colour.
    void line(const ClipCorner &from, const ClipCorner &to, double width, std::uint32_t colour);
    void dot(const DotRecord &dot);

    struct Band {
        std::vector<MeshTriangle> mesh;
        std::vector<TriangleRecord> triangles;
        std::vector<DotRecord> dots;
    };
    std::vector<Band> bands;

private:
    void snapped(const ClipCorner &a, const ClipCorner &b, const ClipCorner &c);

    int m_width, m_height, m_bandShift;
};
