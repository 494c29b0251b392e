#pragma once
// What the windows tell of the picture to whoever follows it, without knowing who: the drawing
// screen's curves as they change, the curve that the parameter screen's fields describe while they
// are being changed, a picture opened from a file, and the wish to see the picture in 3D. The
// program keeps one.

#include "curve/PictureDocument.h"

#include <QObject>
#include <optional>

// The curve the fields describe right now, in the colour the next drawing would take; no curve
// when a text would not pass the parameter screen's checks.
struct Preview {
    std::optional<CurveValues> values;
    int colour;
    bool operator==(const Preview &) const = default;
};

class PictureNews : public QObject {
    Q_OBJECT
public:
    const PictureCurves &curves() const { return m_curves; }
    // Only after a field was changed since the drawing screen last drew.
    const std::optional<Preview> &preview() const { return m_preview; }
    // The picture last opened from a file, for a window made after it was opened.
    const std::optional<PictureDocument> &lastOpened() const { return m_lastOpened; }

    // By the drawing screen: its picture now; drawn says whether a curve was just drawn, which
    // ends the preview (clearing does not).
    void tellCurves(const PictureCurves &curves, bool drawn);
    // By the parameter screen, after each change of a field.
    void tellPreview(const Preview &preview);
    // By whichever window opened a picture file that passed every check.
    void tellOpened(const PictureDocument &document);

signals:
    void curvesChanged();
    void previewChanged();
    // The drawing screen draws the picture again; the 3D view takes the angles it was seen from.
    void pictureOpened(const PictureDocument &document);
    // Someone asked to see the picture in 3D.
    void viewRequested();

private:
    PictureCurves m_curves;
    std::optional<Preview> m_preview;
    std::optional<PictureDocument> m_lastOpened;
};
