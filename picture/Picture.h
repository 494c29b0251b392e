#pragma once
// A picture to keep, from the drawing screen or the 3D view: its pixels, its marks as vectors over
// an image where marks cannot say it (the view's lit surfaces), and the document that says how it
// was made.

#include "curve/PictureDocument.h"
#include "picture/FileWords.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class MarkRecord;
class QPainter;

// A word written on the picture: its baseline's left end in logical pixels, colour and size.
struct PictureLabel {
    QPointF baseline;
    QString text;
    QRgb colour;
    double pixelSize;
};

// A rectangle filled over the marks, in logical pixels, in a colour that may let them show through.
struct PictureFill {
    QRectF rect;
    QRgb colour; // with its alpha
};

struct Picture {
    // In logical pixels.
    QSize size;
    // In device pixels, with its device pixel ratio set; a null image stands for the background.
    QImage image;
    QColor background;
    // In device pixels, with its device pixel ratio set: what the vector files and printing draw as
    // one image over the background and under the marks; null when the marks say it all.
    QImage underlay;
    // Lines and dots in logical pixels, in drawing order; owned by whoever made the picture.
    const MarkRecord *marks = nullptr;
    std::vector<PictureFill> fills;
    std::vector<PictureLabel> labels;
    PictureDocument document;

    // The words and the machine form, each under its key.
    std::vector<std::pair<QString, QString>> texts(const WordKeys &keys) const;
    // The image, all background if nothing was drawn.
    QImage shownImage() const;
    // The image with the texts as its own text entries.
    QImage imageWithWords(const WordKeys &keys) const;
    // Background, the underlay, lines and the dots on the picture in drawing order, the fills, then
    // the labels, one logical pixel to one unit of the painter.
    void paint(QPainter &painter) const;
};

namespace PictureWords {
QString title();
// The program's name and version.
QString maker();
// One line per curve, then the 3D view's angles if it was seen from there, with its look when it
// is not the dots alone: "Vista 3D: azimut 45°, elevazione 35,3°; superficie, sezione".
QString description(const PictureDocument &document);
// The face the labels are written in.
QString labelFamily();
}
