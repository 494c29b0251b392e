#pragma once
// One frame of the 3D view: the background, the three model axes from the origin with their
// letters, every curve's dots and then the preview's, and the legend if asked for. Drawn into an
// image in device pixels, fitted so that the whole figure shows in any turn with a margin; or
// given as marks and labels in logical pixels, for the picture's vector files.

#include "view3d/CurveCloud.h"
#include "view3d/Turntable.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

class PictureRecord;
struct PictureLabel;

struct LegendLine {
    QRgb colour;
    QString text;
};

struct FrameStyle {
    QColor background;
    QColor foreground;
    // The side of a dot in logical pixels, 1 to 4.
    int dotSize = 2;
    std::vector<LegendLine> legend; // shown when not empty
};

class ViewFrame {
public:
    // Where a model point falls, in device pixels: x = ox + xX X + xY Y, y = oy + yX X + yY Y + yZ Z.
    struct Map {
        double ox, xX, xY;
        double oy, yX, yY, yZ;
    };

    // zoom 1 is the fitted size.
    ViewFrame(const CurveCloud &cloud, const Turntable &turntable, double zoom, QSize devicePixels, qreal devicePixelRatio);

    const Map &map() const { return m_map; }
    QSize devicePixels() const { return m_size; }

    void render(QImage &image, const FrameStyle &style) const;
    void record(PictureRecord &marks, std::vector<PictureLabel> &labels, const FrameStyle &style) const;

private:
    struct Axis {
        QPointF end;   // device pixels
        QPointF label; // where its letter's baseline starts
        QString letter;
    };
    struct Legend {
        struct Line {
            QRectF swatch; // empty for the line that tells how many more there are
            QRgb colour;
            QPointF baseline;
            QString text;
        };
        QRectF panel;
        std::vector<Line> lines;
    };
    std::vector<Axis> axes() const;
    // In device pixels, at the top left of an area of the given size.
    Legend legendLayout(const FrameStyle &style, QSizeF area) const;
    QPointF origin() const;
    int deviceDot(const FrameStyle &style) const;
    double fontPixels() const;

    const CurveCloud &m_cloud;
    QSize m_size;
    qreal m_dpr;
    Map m_map;
};
