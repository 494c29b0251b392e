#pragma once
// One frame of the 3D view: the background, the three model axes from the origin, every curve's
// dots and then the preview's, or their lit surfaces, the legend's panel and swatches if asked for,
// and the words (the axes' letters, the legend's lines). Fitted so that the whole figure shows in
// any turn with a margin. Everything but the dots and surfaces is described once, in device pixels:
// drawn into an image, with the dots put in by the dot plotter or the surfaces, axes and dots by
// the surface filler, or given to a picture's vector files in logical pixels, with the dots.

#include "curve/ViewLook.h"
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

struct FrameStyle {
    // The side of a dot in logical pixels.
    static constexpr int smallestDot = 1;
    static constexpr int largestDot = 4;

    QColor background;
    QColor foreground;
    int dotSize = 2;
    std::vector<LegendLine> legend; // shown when not empty
    // With the surfaces, a curve that bounds nothing keeps its dots; those on a surface are drawn in
    // a darker shade of its colour.
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
    // With the surfaces: the frame without the legend and the words, which render() paints over it;
    // what a picture's vector files hold as one image.
    void renderSurfaces(QImage &image, const FrameStyle &style) const;
    // What the vector files draw as marks: with the dots, the axes and dots; with the surfaces only
    // the legend and the words, over the surfaces' image.
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
    // Gives use a curve's dots as the dot look shows them: with the section, those on the far side
    // alone.
    template <typename Use>
    void withShownDots(const CurveCloud::Curve &curve, const FrameStyle &style, Use &&use) const;

    const CurveCloud &m_cloud;
    QSize m_size;
    qreal m_dpr;
    ViewMap m_map;
};
