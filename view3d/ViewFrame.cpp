#include "view3d/ViewFrame.h"
#include "picture/Picture.h"
#include "runtime/Clip.h"
#include "runtime/MarkRecord.h"
#include "view3d/DotPlotter.h"
#include "view3d/SurfaceFiller.h"
#include "view3d/SurfaceLight.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The figure's sphere fills this much of the shorter side: it shows whole in any turn.
constexpr double fitFraction = 0.9;
constexpr double labelPixels = 13;
constexpr int legendAlpha = 225;

QFont labelFont(double pixels)
{
    QFont font(PictureWords::labelFamily());
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    return font;
}
}

ViewFrame::ViewFrame(const CurveCloud &cloud, const Turntable &turntable, double zoom, QSize devicePixels, qreal devicePixelRatio)
    : m_cloud(cloud), m_size(devicePixels), m_dpr(devicePixelRatio)
{
    const CurveCloud::Box box = cloud.bounds();
    // Halves first: a box of the largest numbers still has a finite centre and size.
    double centre[3];
    double half[3];
    for (int i = 0; i < 3; ++i) {
        centre[i] = box.min[i] / 2 + box.max[i] / 2;
        half[i] = box.max[i] / 2 - box.min[i] / 2;
    }
    const double radius = std::hypot(half[0], half[1], half[2]);
    const double scale = radius > 0 ? zoom * fitFraction * std::min(m_size.width(), m_size.height()) / (2 * radius) : zoom;
    const Turntable::Axes a = turntable.axes();
    m_map.xX = scale * a.xX;
    m_map.xY = scale * a.xY;
    m_map.yX = scale * a.yX;
    m_map.yY = scale * a.yY;
    m_map.yZ = scale * a.yZ;
    m_map.ox = m_size.width() / 2.0 - (m_map.xX * centre[0] + m_map.xY * centre[1]);
    m_map.oy = m_size.height() / 2.0 - (m_map.yX * centre[0] + m_map.yY * centre[1] + m_map.yZ * centre[2]);
    // The figure's centre at depth 0.
    m_map.zX = scale * a.zX;
    m_map.zY = scale * a.zY;
    m_map.zZ = scale * a.zZ;
    m_map.oz = -(m_map.zX * centre[0] + m_map.zY * centre[1] + m_map.zZ * centre[2]);
}

int ViewFrame::deviceDot(const FrameStyle &style) const
{
    return std::max(1, int(std::lround(style.dotSize * m_dpr)));
}

ViewFrame::Marks ViewFrame::marksFor(const FrameStyle &style) const
{
    Marks marks;
    marks.axisWidth = std::max(1.0, std::round(m_dpr));
    marks.fontPixels = labelPixels * m_dpr;
    addAxes(marks);
    addLegend(marks, style);
    return marks;
}

// Each letter stands a little beyond its axis's end, along the axis, or beside the origin when
// the view looks straight along it. What lies far off the frame is left out.
void ViewFrame::addAxes(Marks &marks) const
{
    const QRectF bounds = QRectF(QPointF(0, 0), QSizeF(m_size)).adjusted(-4, -4, 4, 4);
    const double length = m_cloud.axisLength();
    const QFontMetricsF metrics(labelFont(marks.fontPixels));
    const QPointF o(m_map.ox, m_map.oy);
    const QPointF ends[3] = {{m_map.ox + m_map.xX * length, m_map.oy + m_map.yX * length},
                             {m_map.ox + m_map.xY * length, m_map.oy + m_map.yY * length},
                             {m_map.ox, m_map.oy + m_map.yZ * length}};
    const QString letters[3] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    for (int i = 0; i < 3; ++i) {
        if (const std::optional<QLineF> line = Clip::line(o.x(), o.y(), ends[i].x(), ends[i].y(), bounds))
            marks.axes.push_back(*line);
        const QPointF along = ends[i] - o;
        const double reach = std::hypot(along.x(), along.y());
        const QPointF away = reach > 1 ? along / reach : QPointF(M_SQRT1_2, -M_SQRT1_2);
        const QPointF centre = ends[i] + away * metrics.height() * 0.8;
        const QPointF baseline =
            centre + QPointF(-metrics.horizontalAdvance(letters[i]) / 2, metrics.ascent() / 2 - metrics.descent() / 2);
        if (bounds.contains(baseline))
            marks.words.push_back({baseline, letters[i]});
    }
}

void ViewFrame::addLegend(Marks &marks, const FrameStyle &style) const
{
    if (style.legend.empty())
        return;
    const QFontMetricsF metrics(labelFont(marks.fontPixels));
    const double step = metrics.height() * 1.3;
    const double swatch = metrics.ascent();
    const double margin = 8 * m_dpr;
    const int fit = std::max(1, int((m_size.height() - 2 * margin) / step));
    const int total = int(style.legend.size());
    const int shown = total <= fit ? total : fit - 1;
    const int lines = std::min(shown + 1, total);
    std::vector<Fill> swatches;
    double width = 0;
    for (int i = 0; i < lines; ++i) {
        const double top = margin + i * step;
        const QPointF baseline(margin + swatch * 1.5, top + (step + metrics.ascent() - metrics.descent()) / 2);
        const bool more = i == shown;
        const LegendLine &line = style.legend[std::size_t(i)];
        if (!more)
            swatches.push_back({QRectF(margin, top + (step - swatch) / 2, swatch, swatch), QColor::fromRgb(line.colour)});
        marks.words.push_back({baseline, more ? QStringLiteral("… e altre %1").arg(total - shown) : line.text});
        width = std::max(width, metrics.horizontalAdvance(marks.words.back().text));
    }
    QColor panel = style.background;
    panel.setAlpha(legendAlpha);
    marks.fills.push_back({QRectF(0, 0, 2 * margin + swatch * 1.5 + width, 2 * margin + lines * step), panel});
    marks.fills.insert(marks.fills.end(), swatches.begin(), swatches.end());
}

void ViewFrame::render(QImage &image, const FrameStyle &style) const
{
    const Marks m = marksFor(style);
    if (style.look != ViewLook::dots) {
        fillSurfaces(image, style, m);
        paintOver(image, style, m);
        return;
    }
    image.fill(style.background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(style.foreground, m.axisWidth));
        painter.drawLines(m.axes.data(), int(m.axes.size()));
    }
    const int side = deviceDot(style);
    const auto plot = [&](const CurveCloud::Curve &curve) {
        withShownDots(curve, style, [&](std::span<const CurveModel::Point> points) {
            DotPlotter::plot(image, points, m_map, side, curve.colour);
        });
    };
    for (const CurveCloud::Curve &curve : m_cloud.curves())
        plot(curve);
    if (m_cloud.preview())
        plot(*m_cloud.preview());
    paintOver(image, style, m);
}

template <typename Use>
void ViewFrame::withShownDots(const CurveCloud::Curve &curve, const FrameStyle &style, Use &&use) const
{
    if (!style.section)
        return use(std::span<const CurveModel::Point>(*curve.points));
    std::vector<CurveModel::Point> kept;
    kept.reserve(curve.points->size());
    for (const CurveModel::Point &p : *curve.points)
        if (!(m_map.cutSide(p.X, p.Y) > 0))
            kept.push_back(p);
    use(std::span<const CurveModel::Point>(kept));
}

// The axes go through the surfaces, which hide them as they hide each other.
void ViewFrame::fillSurfaces(QImage &image, const FrameStyle &style, const Marks &m) const
{
    SurfaceFiller filler(m_map, m_size, {style.smooth, style.section, m.axisWidth, 0});
    const double length = m_cloud.axisLength();
    const QRgb foreground = style.foreground.rgb();
    for (const CurveModel::Point &end : {CurveModel::Point{length, 0, 0}, {0, length, 0}, {0, 0, length}})
        filler.addLine({0, 0, 0}, end, m.axisWidth, foreground);
    const int side = deviceDot(style);
    const auto add = [&](const CurveCloud::Curve &curve) {
        const SurfaceMesh &mesh = curve.surface->mesh();
        if (mesh.empty()) {
            filler.addDots(*curve.points, side, curve.colour, false);
            return;
        }
        filler.addSurface(mesh, curve.colour);
        if (style.look == ViewLook::surfaceAndDots)
            filler.addDots(*curve.points, side, SurfaceLight::darker(curve.colour), true);
    };
    for (const CurveCloud::Curve &curve : m_cloud.curves())
        add(curve);
    if (m_cloud.preview())
        add(*m_cloud.preview());
    filler.draw(image, style.background.rgb());
}

void ViewFrame::renderSurfaces(QImage &image, const FrameStyle &style) const
{
    fillSurfaces(image, style, marksFor(style));
}

void ViewFrame::paintOver(QImage &image, const FrameStyle &style, const Marks &m) const
{
    QPainter painter(&image);
    for (const Fill &fill : m.fills)
        painter.fillRect(fill.rect, fill.colour);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(labelFont(m.fontPixels));
    painter.setPen(style.foreground);
    for (const Word &word : m.words)
        painter.drawText(word.baseline, word.text);
}

void ViewFrame::record(MarkRecord &marks, std::vector<PictureFill> &fills, std::vector<PictureLabel> &labels,
                       const FrameStyle &style) const
{
    const Marks m = marksFor(style);
    const QRgb foreground = style.foreground.rgb();
    for (const Fill &fill : m.fills)
        fills.push_back({QRectF(fill.rect.topLeft() / m_dpr, fill.rect.size() / m_dpr), fill.colour.rgba()});
    for (const Word &word : m.words)
        labels.push_back({word.baseline / m_dpr, word.text, foreground, m.fontPixels / m_dpr});
    if (style.look != ViewLook::dots)
        return;
    for (const QLineF &line : m.axes)
        marks.line(line.p1() / m_dpr, line.p2() / m_dpr, foreground, float(m.axisWidth / m_dpr));
    const int side = deviceDot(style);
    const float logicalSide = float(side / m_dpr);
    const auto dots = [&](const CurveCloud::Curve &curve) {
        withShownDots(curve, style, [&](std::span<const CurveModel::Point> points) {
            DotPlotter::corners(points, m_map, side, m_size,
                                [&](int x, int y) { marks.dot(QPointF(x / m_dpr, y / m_dpr), curve.colour, logicalSide); });
        });
    };
    for (const CurveCloud::Curve &curve : m_cloud.curves())
        dots(curve);
    if (m_cloud.preview())
        dots(*m_cloud.preview());
}
