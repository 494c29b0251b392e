#include "view3d/SurfaceFiller.h"
#include "view3d/DotPlotter.h"
#include "view3d/SampleBand.h"
#include "view3d/SurfaceLight.h"
#include "view3d/TriangleSetup.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <mutex>
#include <span>
#include <system_error>
#include <thread>

namespace {
// Rows of pixels a band, as a power of 2: a band's samples stay in the cache while it is drawn.
constexpr int bandPixelShift = 5;

// Work is shared out in chunks of so many vertices, triangles or dots: any thread takes the next
// chunk left, so that a thread the system keeps waiting holds up little.
constexpr std::size_t chunkSize = 4096;

std::size_t chunksOf(std::size_t count)
{
    return (count + chunkSize - 1) / chunkSize;
}

// A stage of the frame: its chunks, which any thread takes; it ends for a thread when every
// chunk is done, whichever threads did them.
class Stage {
public:
    explicit Stage(std::size_t chunks) : m_chunks(chunks) {}

    template <typename Work>
    void run(Work &&work)
    {
        for (std::size_t chunk; (chunk = m_next.fetch_add(1)) < m_chunks;) {
            work(chunk);
            if (m_done.fetch_add(1) + 1 == m_chunks)
                m_done.notify_all();
        }
        for (std::size_t done = m_done.load(); done < m_chunks; done = m_done.load())
            m_done.wait(done);
    }

private:
    std::size_t m_chunks;
    std::atomic<std::size_t> m_next{0}, m_done{0};
};

FillValues valuesOf(double depth, const SurfaceLight::Rgb &rgb)
{
    return FillValues{float(depth), rgb.r + 0.5f, rgb.g + 0.5f, rgb.b + 0.5f};
}

// Depth lifts, in device pixels: a dot or the cut shows over the surface it lies on where that
// surface turns steeply away.
float dotLift(int side)
{
    return float(2 * side + 2);
}

float cutLift(double width)
{
    return float(3 * width);
}
}

// What one draw() makes: the vertices seen, then each thread's records, then the bands.
class SurfaceFiller::Frame {
public:
    // With a setup for each of so many threads.
    Frame(const SurfaceFiller &filler, unsigned threads);

    std::size_t vertexChunks() const { return chunksOf(m_vertices.size()); }
    // The surfaces' triangles, the dots, then the lines.
    std::size_t setupChunks() const { return chunksOf(m_firstTriangle.back()) + chunksOf(m_firstDot.back()) + 1; }
    void project(std::size_t chunk);
    void setUp(unsigned thread, std::size_t chunk);
    int bandCount() const { return int(m_setups.front().bands.size()); }
    void fill(SampleBand &band, int index, uchar *bits, qsizetype bytesPerLine, QRgb background) const;

    int perSide() const { return m_perSide; }
    int bandShift() const { return bandPixelShift + (m_perSide - 1); }

private:
    void projectVertex(std::size_t surface, std::uint32_t index, FillVertex &v) const;
    void setUpTriangle(TriangleSetup &setup, std::size_t surface, std::size_t index) const;
    void setUpDots(TriangleSetup &setup, std::size_t chunk) const;
    // Where a model point falls, in samples.
    double xOf(const CurveModel::Point &p) const;
    double yOf(const CurveModel::Point &p) const;
    double depthOf(const CurveModel::Point &p) const;
    double sideOf(const CurveModel::Point &p) const;

    const SurfaceFiller &m_filler;
    const ViewMap &m_map;
    int m_perSide;
    // 1 over the map's scale: normals turned by the map keep their length.
    double m_perScale;
    std::vector<SurfaceLight> m_lights;
    std::vector<std::uint32_t> m_cutColours;
    std::vector<std::size_t> m_firstVertex, m_firstTriangle, m_firstDot;
    std::vector<FillVertex> m_vertices;
    std::vector<TriangleSetup> m_setups;
};

SurfaceFiller::Frame::Frame(const SurfaceFiller &filler, unsigned threads)
    : m_filler(filler), m_map(filler.m_map), m_perSide(filler.m_options.smooth ? 2 : 1),
      m_perScale(1 / std::hypot(m_map.xX, m_map.xY))
{
    std::size_t vertices = 0, triangles = 0, dots = 0;
    for (const Surface &s : filler.m_surfaces) {
        m_lights.emplace_back(s.colour);
        m_cutColours.push_back(SurfaceLight::darker(s.colour));
        m_firstVertex.push_back(vertices);
        m_firstTriangle.push_back(triangles);
        vertices += s.mesh->vertices.size();
        triangles += s.mesh->triangles.size();
    }
    m_firstTriangle.push_back(triangles);
    for (const Dots &d : filler.m_dots) {
        m_firstDot.push_back(dots);
        dots += d.points->size();
    }
    m_firstDot.push_back(dots);
    m_vertices.resize(vertices);
    const int width = filler.m_pixels.width() * m_perSide, height = filler.m_pixels.height() * m_perSide;
    m_setups.assign(threads, TriangleSetup(width, height, bandShift()));
}

double SurfaceFiller::Frame::xOf(const CurveModel::Point &p) const
{
    return (m_map.ox + m_map.xX * p.X + m_map.xY * p.Y) * m_perSide;
}

double SurfaceFiller::Frame::yOf(const CurveModel::Point &p) const
{
    return (m_map.oy + m_map.yX * p.X + m_map.yY * p.Y + m_map.yZ * p.Z) * m_perSide;
}

double SurfaceFiller::Frame::depthOf(const CurveModel::Point &p) const
{
    return m_map.oz + m_map.zX * p.X + m_map.zY * p.Y + m_map.zZ * p.Z;
}

// The view's horizontal direction towards the viewer, as the map turns the screen's right.
double SurfaceFiller::Frame::sideOf(const CurveModel::Point &p) const
{
    return m_map.cutSide(p.X, p.Y);
}

void SurfaceFiller::Frame::projectVertex(std::size_t surface, std::uint32_t index, FillVertex &v) const
{
    const SurfaceMesh &mesh = *m_filler.m_surfaces[surface].mesh;
    const CurveModel::Point &p = mesh.vertices[index], &n = mesh.normals[index];
    const ViewMap &m = m_map;
    const double x = xOf(p), y = yOf(p), depth = depthOf(p);
    v.side = float(sideOf(p));
    v.within = std::abs(x) <= TriangleSetup::reach && std::abs(y) <= TriangleSetup::reach && std::isfinite(depth);
    v.x = v.within ? TriangleSetup::snap(x) : 0;
    v.y = v.within ? TriangleSetup::snap(y) : 0;
    const SurfaceLight::Direction seen{(m.xX * n.X + m.xY * n.Y) * m_perScale, -(m.yX * n.X + m.yY * n.Y + m.yZ * n.Z) * m_perScale,
                                       (m.zX * n.X + m.zY * n.Y + m.zZ * n.Z) * m_perScale};
    const SurfaceLight &light = m_lights[surface];
    v.outer = valuesOf(depth, light.outer(seen));
    v.inner = valuesOf(depth, light.inner(seen));
}

void SurfaceFiller::Frame::project(std::size_t chunk)
{
    const std::size_t from = chunk * chunkSize, to = std::min(from + chunkSize, m_vertices.size());
    for (std::size_t s = 0; s < m_firstVertex.size(); ++s) {
        const std::size_t first = m_firstVertex[s], count = m_filler.m_surfaces[s].mesh->vertices.size();
        for (std::size_t g = std::max(from, first); g < std::min(to, first + count); ++g)
            projectVertex(s, std::uint32_t(g - first), m_vertices[g]);
    }
}

// A triangle cut by the section or reaching beyond the fixed point's reach is set up from its
// model points again, in double precision.
void SurfaceFiller::Frame::setUpTriangle(TriangleSetup &setup, std::size_t surface, std::size_t index) const
{
    const std::uint32_t first = std::uint32_t(m_firstVertex[surface]);
    const auto &[a, b, c] = m_filler.m_surfaces[surface].mesh->triangles[index];
    const FillVertex &p = m_vertices[first + a], &q = m_vertices[first + b], &r = m_vertices[first + c];
    const bool cut = m_filler.m_options.section && (p.side > 0 || q.side > 0 || r.side > 0);
    if (!cut && p.within && q.within && r.within)
        return setup.mesh(m_vertices.data(), first + a, first + b, first + c);
    if (cut && p.side > 0 && q.side > 0 && r.side > 0)
        return;
    const std::vector<CurveModel::Point> &points = m_filler.m_surfaces[surface].mesh->vertices;
    ClipCorner corners[3];
    const std::uint32_t indices[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        const CurveModel::Point &point = points[indices[i]];
        corners[i] = {xOf(point), yOf(point), m_vertices[first + indices[i]].side, FillValues{}};
    }
    const ClipCorner &u = corners[0], &v = corners[1], &w = corners[2];
    // Counter-clockwise on screen, as its corners turn seen from outside, it shows its outer side.
    const bool outer = (v.x - u.x) * (w.y - u.y) - (v.y - u.y) * (w.x - u.x) < 0;
    for (int i = 0; i < 3; ++i) {
        const FillVertex &seen = m_vertices[first + indices[i]];
        corners[i].values = outer ? seen.outer : seen.inner;
    }
    if (cut)
        setup.sectioned(corners, m_filler.m_options.cutWidth * m_perSide, cutLift(m_filler.m_options.cutWidth), m_cutColours[surface]);
    else
        setup.polygon(corners, 3);
}

void SurfaceFiller::Frame::setUp(unsigned thread, std::size_t chunk)
{
    TriangleSetup &setup = m_setups[thread];
    const std::size_t triangleChunks = chunksOf(m_firstTriangle.back()), dotChunks = chunksOf(m_firstDot.back());
    if (chunk < triangleChunks) {
        const std::size_t from = chunk * chunkSize, to = std::min(from + chunkSize, m_firstTriangle.back());
        for (std::size_t s = 0; s + 1 < m_firstTriangle.size(); ++s)
            for (std::size_t t = std::max(from, m_firstTriangle[s]); t < std::min(to, m_firstTriangle[s + 1]); ++t)
                setUpTriangle(setup, s, t - m_firstTriangle[s]);
        return;
    }
    if (chunk < triangleChunks + dotChunks) {
        setUpDots(setup, chunk - triangleChunks);
        return;
    }
    for (const Line &line : m_filler.m_lines) {
        const auto end = [&](const CurveModel::Point &p) { return ClipCorner{xOf(p), yOf(p), 0, FillValues{float(depthOf(p)), 0, 0, 0}}; };
        setup.line(end(line.from), end(line.to), line.width * m_perSide, line.colour);
    }
}

void SurfaceFiller::Frame::setUpDots(TriangleSetup &setup, std::size_t chunk) const
{
    const std::size_t first = chunk * chunkSize, last = std::min(first + chunkSize, m_firstDot.back());
    for (std::size_t d = 0; d + 1 < m_firstDot.size(); ++d) {
        const Dots &given = m_filler.m_dots[d];
        const std::size_t from = std::max(first, m_firstDot[d]), to = std::min(last, m_firstDot[d + 1]);
        if (from >= to)
            continue;
        const std::span<const CurveModel::Point> mine(given.points->data() + (from - m_firstDot[d]), to - from);
        const bool cut = given.cut && m_filler.m_options.section;
        const float lift = dotLift(given.side);
        DotPlotter::corners(mine, m_map, given.side, m_filler.m_pixels, [&](int x, int y, const CurveModel::Point &p) {
            if (cut && sideOf(p) > 0)
                return;
            setup.dot({x * m_perSide, y * m_perSide, given.side * m_perSide, float(depthOf(p)) + lift, given.colour});
        });
    }
}

void SurfaceFiller::Frame::fill(SampleBand &band, int index, uchar *bits, qsizetype bytesPerLine, QRgb background) const
{
    band.start(index << bandShift());
    for (const TriangleSetup &setup : m_setups) {
        const TriangleSetup::Band &filed = setup.bands[std::size_t(index)];
        for (const MeshTriangle &t : filed.mesh)
            band.draw(t, m_vertices.data());
        for (const TriangleRecord &t : filed.triangles)
            band.draw(t);
        for (const DotRecord &d : filed.dots)
            band.draw(d);
    }
    band.resolve(bits, bytesPerLine, m_filler.m_pixels, m_perSide, background);
}

SurfaceFiller::SurfaceFiller(const ViewMap &map, QSize devicePixels, const FillOptions &options)
    : m_map(map), m_pixels(devicePixels), m_options(options)
{
}

void SurfaceFiller::addSurface(const SurfaceMesh &mesh, QRgb colour)
{
    m_surfaces.push_back({&mesh, colour | 0xff000000u});
}

void SurfaceFiller::addDots(const std::vector<CurveModel::Point> &points, int side, QRgb colour, bool cut)
{
    m_dots.push_back({&points, std::max(1, side), colour | 0xff000000u, cut});
}

void SurfaceFiller::addLine(const CurveModel::Point &from, const CurveModel::Point &to, double width, QRgb colour)
{
    m_lines.push_back({from, to, width, colour | 0xff000000u});
}

void SurfaceFiller::draw(QImage &image, QRgb background)
{
    Q_ASSERT(image.size() == m_pixels && image.format() == QImage::Format_RGB32);
    if (m_pixels.isEmpty())
        return;
    const int bandCount = ((m_pixels.height() - 1) >> bandPixelShift) + 1;
    // No more threads than bands: a thread without a band would only be started and waited for.
    const unsigned threads =
        std::min(m_options.threads ? m_options.threads : std::max(1u, std::thread::hardware_concurrency()), unsigned(bandCount));
    Frame frame(*this, threads);
    // Once here: bits() makes the image the frame's own, which no thread may do.
    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    std::atomic<int> nextBand{0};
    Stage projecting(frame.vertexChunks()), settingUp(frame.setupChunks());
    // What fails in a thread is thrown again here, once every thread has ended; its chunk counts as
    // done, so that no thread waits for it.
    std::mutex failing;
    std::exception_ptr failure;
    const auto guarded = [&](auto &&step) {
        try {
            step();
        } catch (...) {
            const std::lock_guard lock(failing);
            if (!failure)
                failure = std::current_exception();
        }
    };
    const auto work = [&](unsigned thread) {
        projecting.run([&](std::size_t chunk) { guarded([&] { frame.project(chunk); }); });
        settingUp.run([&](std::size_t chunk) { guarded([&] { frame.setUp(thread, chunk); }); });
        guarded([&] {
            SampleBand band(m_pixels.width() * frame.perSide(), m_pixels.height() * frame.perSide(), 1 << frame.bandShift());
            for (int index; (index = nextBand.fetch_add(1)) < frame.bandCount();)
                frame.fill(band, index, bits, bytesPerLine, background | 0xff000000u);
        });
    };
    {
        std::vector<std::jthread> helpers;
        try {
            for (unsigned thread = 1; thread < threads; ++thread)
                helpers.emplace_back(work, thread);
        } catch (const std::system_error &) {
            // Fewer threads share the work.
        }
        work(0);
    }
    if (failure)
        std::rethrow_exception(failure);
}
