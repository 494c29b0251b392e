#include "view3d/SampleBand.h"

#include <algorithm>
#include <limits>

namespace {
constexpr float nothing = -std::numeric_limits<float>::infinity();

std::uint32_t channel(float value)
{
    return std::uint32_t(value > 0 ? (value < 255 ? value : 255) : 0);
}

std::uint32_t packed(const FillValues &values)
{
    return 0xff000000u | channel(values[1]) << 16 | channel(values[2]) << 8 | channel(values[3]);
}

// The first step k from 0 at which value + k step is 0 or more, and the last; first > last when
// there is none.
struct Steps {
    std::int64_t first, last;
};

Steps nonNegative(std::int64_t value, std::int64_t step, std::int64_t count)
{
    if (step > 0)
        return {value >= 0 ? 0 : (-value + step - 1) / step, count - 1};
    if (step < 0)
        return {0, value >= 0 ? std::min(count - 1, value / -step) : -1};
    return {0, value >= 0 ? count - 1 : -1};
}
}

SampleBand::SampleBand(int width, int height, int rows)
    : m_width(width), m_height(height), m_rows(rows), m_depth(std::size_t(width) * std::size_t(rows), nothing),
      m_colour(m_depth.size()), m_first(std::size_t(rows), width), m_last(std::size_t(rows), -1)
{
}

void SampleBand::start(int top)
{
    m_top = top;
}

inline void SampleBand::drawSpan(int row, std::int32_t from, std::int32_t to, FillValues values, FillValues dx)
{
    float *depth = m_depth.data() + std::size_t(row) * std::size_t(m_width);
    std::uint32_t *colour = m_colour.data() + std::size_t(row) * std::size_t(m_width);
    for (std::int32_t x = from; x <= to; ++x, values += dx) {
        const float z = values[0];
        if (z < depth[x])
            continue;
        const std::uint32_t c = packed(values);
        if (z > depth[x] || c < colour[x]) {
            depth[x] = z;
            colour[x] = c;
        }
    }
    m_first[std::size_t(row)] = std::min(m_first[std::size_t(row)], from);
    m_last[std::size_t(row)] = std::max(m_last[std::size_t(row)], to);
}

void SampleBand::draw(const MeshTriangle &t, const FillVertex *vertices)
{
    const FillVertex &p = vertices[t.a & ~MeshTriangle::outerBit], &q = vertices[t.b], &r = vertices[t.c];
    if (t.a & MeshTriangle::outerBit)
        fill({p.x, q.x, r.x}, {p.y, q.y, r.y}, p.outer, q.outer, r.outer);
    else
        fill({p.x, q.x, r.x}, {p.y, q.y, r.y}, p.inner, q.inner, r.inner);
}

void SampleBand::draw(const TriangleRecord &t)
{
    fill(t.x, t.y, t.values[0], t.values[1], t.values[2]);
}

void SampleBand::fill(const std::int32_t (&x)[3], const std::int32_t (&y)[3], const FillValues &v0, const FillValues &v1,
                      const FillValues &v2)
{
    const SampleBox box(x, y, m_width, m_height);
    const int top = std::max(box.top, m_top), bottom = std::min(box.bottom, m_top + m_rows - 1);
    if (box.left > box.right || top > bottom)
        return;
    // Each edge's function, twice the area it spans with a sample's centre, at (left, top), and its
    // steps a sample right and a sample down.
    std::int64_t e[3], right[3], down[3];
    const std::int64_t x0 = std::int64_t(box.left) * FillFixed::one + FillFixed::centre;
    const std::int64_t y0 = std::int64_t(top) * FillFixed::one + FillFixed::centre;
    for (int i = 0; i < 3; ++i) {
        const int j = i == 2 ? 0 : i + 1;
        const std::int64_t dx = std::int64_t(x[j]) - x[i], dy = std::int64_t(y[j]) - y[i];
        e[i] = dx * (y0 - y[i]) - dy * (x0 - x[i]);
        right[i] = -dy * FillFixed::one;
        down[i] = dx * FillFixed::one;
    }
    const std::int64_t count = box.right - box.left + 1;
    // Narrow triangles are walked until they are left; across wide ones each edge bounds the row.
    const bool wide = count > 24;
    // The planes of the corners' values, made when a sample is first found inside: at the centre of
    // sample (left, top) of the box, and their steps a sample right and down.
    FillValues at{}, stepRight{}, stepDown{};
    bool planes = false;
    for (int row = top; row <= bottom; ++row) {
        std::int64_t first = 0, last = count - 1;
        if (wide) {
            for (int i = 0; i < 3; ++i) {
                const Steps s = nonNegative(e[i], right[i], count);
                first = std::max(first, s.first);
                last = std::min(last, s.last);
            }
        } else {
            std::int64_t a = e[0], b = e[1], c = e[2];
            for (; first <= last && (a | b | c) < 0; ++first, a += right[0], b += right[1], c += right[2]) {
            }
            std::int64_t k = first;
            for (; k <= last && (a | b | c) >= 0; ++k, a += right[0], b += right[1], c += right[2]) {
            }
            last = k - 1;
        }
        if (first <= last) {
            if (!planes) {
                const float x1 = float(x[1] - x[0]) / FillFixed::one, y1 = float(y[1] - y[0]) / FillFixed::one;
                const float x2 = float(x[2] - x[0]) / FillFixed::one, y2 = float(y[2] - y[0]) / FillFixed::one;
                const float perArea = float(FillFixed::one * FillFixed::one)
                    / float(std::int64_t(x[1] - x[0]) * (y[2] - y[0]) - std::int64_t(y[1] - y[0]) * (x[2] - x[0]));
                const FillValues to1 = v1 - v0, to2 = v2 - v0;
                stepRight = (to1 * y2 - to2 * y1) * perArea;
                stepDown = (to2 * x1 - to1 * x2) * perArea;
                const float fromLeft = float(box.left) + 0.5f - float(x[0]) / FillFixed::one;
                const float fromTop = float(box.top) + 0.5f - float(y[0]) / FillFixed::one;
                at = v0 + stepRight * fromLeft + stepDown * fromTop;
                planes = true;
            }
            const FillValues start = at + stepDown * float(row - box.top) + stepRight * float(first);
            drawSpan(row - m_top, box.left + std::int32_t(first), box.left + std::int32_t(last), start, stepRight);
        }
        for (int i = 0; i < 3; ++i)
            e[i] += down[i];
    }
}

void SampleBand::draw(const DotRecord &dot)
{
    const int top = std::max(dot.top, m_top), bottom = std::min(dot.top + dot.side - 1, m_top + m_rows - 1);
    for (int y = top; y <= bottom; ++y) {
        const std::size_t row = std::size_t(y - m_top) * std::size_t(m_width);
        for (int x = dot.left; x < dot.left + dot.side; ++x) {
            float &depth = m_depth[row + std::size_t(x)];
            std::uint32_t &colour = m_colour[row + std::size_t(x)];
            if (dot.depth > depth || (dot.depth == depth && dot.colour < colour)) {
                depth = dot.depth;
                colour = dot.colour;
            }
        }
        m_first[std::size_t(y - m_top)] = std::min(m_first[std::size_t(y - m_top)], dot.left);
        m_last[std::size_t(y - m_top)] = std::max(m_last[std::size_t(y - m_top)], dot.left + dot.side - 1);
    }
}

void SampleBand::resolve(uchar *bits, qsizetype bytesPerLine, QSize pixels, int perSide, QRgb background)
{
    const int firstRow = m_top / perSide;
    const int rows = std::min(m_rows / perSide, pixels.height() - firstRow);
    for (int r = 0; r < rows; ++r) {
        QRgb *out = reinterpret_cast<QRgb *>(bits + (firstRow + r) * bytesPerLine);
        int first = pixels.width(), last = -1;
        for (int s = 0; s < perSide; ++s) {
            const std::size_t row = std::size_t(r * perSide + s);
            if (m_first[row] <= m_last[row]) {
                first = std::min(first, m_first[row] / perSide);
                last = std::max(last, m_last[row] / perSide);
            }
        }
        if (first > last) {
            std::fill(out, out + pixels.width(), background);
            continue;
        }
        std::fill(out, out + first, background);
        std::fill(out + last + 1, out + pixels.width(), background);
        const std::size_t row = std::size_t(r * perSide) * std::size_t(m_width);
        if (perSide == 1) {
            for (int x = first; x <= last; ++x)
                out[x] = m_depth[row + std::size_t(x)] == nothing ? background : m_colour[row + std::size_t(x)];
        } else {
            // Red and blue summed side by side in one number, green in another: four samples of at
            // most 255 do not reach the next channel. Halves round up.
            for (int x = first; x <= last; ++x) {
                std::uint32_t redBlue = 0x20002, green = 0x200;
                for (const std::size_t at : {row + std::size_t(2 * x), row + std::size_t(m_width + 2 * x)})
                    for (const std::size_t sample : {at, at + 1}) {
                        const std::uint32_t c = m_depth[sample] == nothing ? background : m_colour[sample];
                        redBlue += c & 0xff00ffu;
                        green += c & 0xff00u;
                    }
                out[x] = 0xff000000u | ((redBlue >> 2) & 0xff00ffu) | ((green >> 2) & 0xff00u);
            }
        }
        for (int s = 0; s < perSide; ++s) {
            const std::size_t sampleRow = std::size_t(r * perSide + s);
            float *depth = m_depth.data() + sampleRow * std::size_t(m_width);
            if (m_first[sampleRow] <= m_last[sampleRow])
                std::fill(depth + m_first[sampleRow], depth + m_last[sampleRow] + 1, nothing);
            m_first[sampleRow] = m_width;
            m_last[sampleRow] = -1;
        }
    }
}
