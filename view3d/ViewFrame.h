#pragma once
// One frame of the 3D view: the background, the three model axes from the origin, every curve's
// dots and then the preview's, or their lit surfaces, the legend's panel and swatches if asked for,
// and the words (the axes' letters, the legend's lines). Fitted so that the whole figure shows in
// any turn with a margin. Everything but the dots and surfaces is described once, in device pixels:
// drawn into an image, with the dots put in by the dot plotter or the surfaces, axes and dots by
// the surface filler, or given to a picture's vector files in logical pixels, with the dots.

#include "view3d/CurveCloud.h"
#include "view3d/Turntable.h"
#include "view3d/ViewMap.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <vector>

class MarkRecord;
struct PictureFill;
struct PictureLabel;

struct LegendLine {
    QRgb colour;
    QString text;
    bool operator==(const LegendLine &) const = default;
};

// How the curves are drawn: as their dots, as lit surfaces, or as surfaces with their dots on them
// in a darker shade. A curve that bounds nothing has no surface and keeps its dots.
enum class ViewLook { dots, surface, surfaceAndDots };

struct FrameStyle {
    // The side of a dot in logical pixels.
    static constexpr int smallestDot = 1;
    static constexpr int largestDot = 4;

    QColor background;
    QColor foreground;
    int dotSize = 2;
    std::vector<LegendLine> legend; // shown when not empty
    ViewLook look = ViewLook::dots;
    // With the surfaces: what lies on the viewer's side of the vertical plane through the Z axis
    // facing the viewer is left out, and each cut drawn in its curve's darker shade.
    bool section = false;
    // With the surfaces: four samples a pixel, for smooth edges (a still frame, a saved one), or
    // one, while the figure moves.
    bool smooth = true;
};

class ViewFrame {
public:
    // zoom 1 is the fitted size.
    ViewFrame(const CurveCloud &cloud, const Turntable &turntable, double zoom, QSize devicePixels, qreal devicePixelRatio);

    const ViewMap &map() const { return m_map; }
    QSize devicePixels() const { return m_size; }

    void render(QImage &image, const FrameStyle &style) const;
    void record(MarkRecord &marks, std::vector<PictureFill> &fills, std::vector<PictureLabel> &labels,
                const FrameStyle &style) const;

private:
    struct Fill {
        QRectF rect;
        QColor colour;
    };
    struct Word {
        QPointF baseline;
        QString text;
    };
    // What the frame shows besides the dots, in device pixels, each kind in drawing order.
    struct Marks {
        std::vector<QLineF> axes;
        double axisWidth;
        std::vector<Fill> fills;
        std::vector<Word> words;
        double fontPixels;
    };
    Marks marksFor(const FrameStyle &style) const;
    void fillSurfaces(QImage &image, const FrameStyle &style, const Marks &marks) const;
    // The legend's panel and swatches, and the words.
    void paintOver(QImage &image, const FrameStyle &style, const Marks &marks) const;
    void addAxes(Marks &marks) const;
    // The lines that fit the frame's height, at its top left; when not all do, the last says how
    // many are left out.
    void addLegend(Marks &marks, const FrameStyle &style) const;
    int deviceDot(const FrameStyle &style) const;

    const CurveCloud &m_cloud;
    QSize m_size;
    qreal m_dpr;
    ViewMap m_map;
};
