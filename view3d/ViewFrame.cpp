#include "view3d/ViewFrame.h"
#include "picture/Picture.h"
#include "runtime/Clip.h"
#include "runtime/PictureRecord.h"
#include "view3d/DotPlotter.h"

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
}

QPointF ViewFrame::origin() const
{
    return {m_map.ox, m_map.oy};
}

double ViewFrame::fontPixels() const
{
    return labelPixels * m_dpr;
}

int ViewFrame::deviceDot(const FrameStyle &style) const
{
    return std::max(1, int(std::lround(style.dotSize * m_dpr)));
}

// Each letter stands a little beyond its axis's end, along the axis, or beside the origin when
// the view looks straight along it.
std::vector<ViewFrame::Axis> ViewFrame::axes() const
{
    const double length = m_cloud.axisLength();
    const QFontMetricsF metrics(labelFont(fontPixels()));
    const QPointF o = origin();
    const QPointF ends[3] = {{m_map.ox + m_map.xX * length, m_map.oy + m_map.yX * length},
                             {m_map.ox + m_map.xY * length, m_map.oy + m_map.yY * length},
                             {m_map.ox, m_map.oy + m_map.yZ * length}};
    const QString letters[3] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    std::vector<Axis> out;
    for (int i = 0; i < 3; ++i) {
        const QPointF along = ends[i] - o;
        const double reach = std::hypot(along.x(), along.y());
        const QPointF away = reach > 1 ? along / reach : QPointF(M_SQRT1_2, -M_SQRT1_2);
        const QPointF centre = ends[i] + away * metrics.height() * 0.8;
        out.push_back({ends[i], centre + QPointF(-metrics.horizontalAdvance(letters[i]) / 2, metrics.ascent() / 2 - metrics.descent() / 2), letters[i]});
    }
    return out;
}

void ViewFrame::render(QImage &image, const FrameStyle &style) const
{
    image.fill(style.background);
    const QRectF bounds = QRectF(image.rect()).adjusted(-4, -4, 4, 4);
    const std::vector<Axis> axisList = axes();
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(style.foreground, std::max(1.0, std::round(m_dpr))));
        for (const Axis &axis : axisList)
            if (const std::optional<QLineF> line = Clip::line(m_map.ox, m_map.oy, axis.end.x(), axis.end.y(), bounds))
                painter.drawLine(*line);
    }
    const int side = deviceDot(style);
    for (const CurveCloud::Curve &curve : m_cloud.curves())
        DotPlotter::plot(image, *curve.points, m_map, side, curve.colour);
    if (m_cloud.preview())
        DotPlotter::plot(image, *m_cloud.preview()->points, m_map, side, m_cloud.preview()->colour);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = labelFont(fontPixels());
    painter.setFont(font);
    painter.setPen(style.foreground);
    for (const Axis &axis : axisList)
        if (bounds.contains(axis.label))
            painter.drawText(axis.label, axis.letter);
    const Legend legend = legendLayout(style, QSizeF(image.size()));
    if (legend.lines.empty())
        return;
    QColor panel = style.background;
    panel.setAlpha(legendAlpha);
    painter.fillRect(legend.panel, panel);
    for (const Legend::Line &line : legend.lines) {
        if (!line.swatch.isEmpty())
            painter.fillRect(line.swatch, QColor::fromRgb(line.colour));
        painter.drawText(line.baseline, line.text);
    }
}

// The lines that fit the frame's height; when not all do, the last says how many are left out.
ViewFrame::Legend ViewFrame::legendLayout(const FrameStyle &style, QSizeF area) const
{
    Legend legend;
    if (style.legend.empty())
        return legend;
    const QFontMetricsF metrics(labelFont(fontPixels()));
    const double step = metrics.height() * 1.3;
    const double swatch = metrics.ascent();
    const double margin = 8 * m_dpr;
    const int fit = std::max(1, int((area.height() - 2 * margin) / step));
    const int total = int(style.legend.size());
    const int shown = total <= fit ? total : fit - 1;
    double width = 0;
    for (int i = 0; i <= shown && i < total; ++i) {
        const double top = margin + i * step;
        const QPointF baseline(margin + swatch * 1.5, top + (step + metrics.ascent() - metrics.descent()) / 2);
        if (i < shown)
            legend.lines.push_back({QRectF(margin, top + (step - swatch) / 2, swatch, swatch), style.legend[std::size_t(i)].colour,
                                    baseline, style.legend[std::size_t(i)].text});
        else
            legend.lines.push_back({QRectF(), 0, baseline, QStringLiteral("… e altre %1").arg(total - shown)});
        width = std::max(width, metrics.horizontalAdvance(legend.lines.back().text));
    }
    legend.panel = QRectF(0, 0, 2 * margin + swatch * 1.5 + width, 2 * margin + int(legend.lines.size()) * step);
    return legend;
}

void ViewFrame::record(PictureRecord &marks, std::vector<PictureLabel> &labels, const FrameStyle &style) const
{
    const QRectF bounds = QRectF(QPointF(0, 0), QSizeF(m_size)).adjusted(-4, -4, 4, 4);
    const float lineWidth = float(std::max(1.0, std::round(m_dpr)) / m_dpr);
    const std::vector<Axis> axisList = axes();
    for (const Axis &axis : axisList)
        if (const std::optional<QLineF> line = Clip::line(m_map.ox, m_map.oy, axis.end.x(), axis.end.y(), bounds))
            marks.line(line->p1() / m_dpr, line->p2() / m_dpr, style.foreground.rgb(), lineWidth);
    const int side = deviceDot(style);
    const float logicalSide = float(side / m_dpr);
    const auto dots = [&](const CurveCloud::Curve &curve) {
        DotPlotter::corners(*curve.points, m_map, side, m_size,
                            [&](int x, int y) { marks.dot(QPointF(x / m_dpr, y / m_dpr), curve.colour, logicalSide); });
    };
    for (const CurveCloud::Curve &curve : m_cloud.curves())
        dots(curve);
    if (m_cloud.preview())
        dots(*m_cloud.preview());
    const double pixels = fontPixels() / m_dpr;
    for (const Axis &axis : axisList)
        if (bounds.contains(axis.label))
            labels.push_back({axis.label / m_dpr, axis.letter, style.foreground.rgb(), pixels});
    for (const Legend::Line &line : legendLayout(style, QSizeF(m_size)).lines) {
        if (!line.swatch.isEmpty())
            marks.dot(line.swatch.topLeft() / m_dpr, line.colour, float(line.swatch.width() / m_dpr));
        labels.push_back({line.baseline / m_dpr, line.text, style.foreground.rgb(), pixels});
    }
}
