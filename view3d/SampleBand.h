#pragma once
// One band of rows of the surface filler's samples, each with its depth and colour: the records
// drawn into it, the nearer sample winning (at equal depth the lesser colour, so that the order
// they come in never matters), then each pixel made of its samples in the frame. Only the stretch
// of each row that was drawn on is read and cleared again.

#include "view3d/FillRecords.h"

#include <QImage>
#include <cstdint>
#include <vector>

class SampleBand {
public:
    // The frame's size and the band's rows, in samples.
    SampleBand(int width, int height, int rows);

    // The band's first row in samples; the band is empty.
    void start(int top);
    void draw(const MeshTriangle &triangle, const FillVertex *vertices);
    void draw(const TriangleRecord &triangle);
    void draw(const DotRecord &dot);
    // Writes the band's rows of pixels, each perSide (1 or 2) samples a side, into a 32-bit frame of
    // this many pixels (bits as the frame's bits() gives them, once for every band), the background
    // where no sample was drawn; then the band is empty again.
    void resolve(uchar *bits, qsizetype bytesPerLine, QSize pixels, int perSide, QRgb background);

private:
    // Corners clockwise on screen.
    void fill(const std::int32_t (&x)[3], const std::int32_t (&y)[3], const FillValues &v0, const FillValues &v1,
              const FillValues &v2);
    void drawSpan(int row, std::int32_t from, std::int32_t to, FillValues values, FillValues dx);

    int m_width, m_height, m_rows, m_top = 0;
    std::vector<float> m_depth;
    std::vector<std::uint32_t> m_colour;
    // The stretch of each row drawn on, first and last included; empty when first > last.
    std::vector<int> m_first, m_last;
};
