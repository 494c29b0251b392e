#pragma once
// What the screens tell of the picture to whoever follows it, without knowing who: the drawing
// screen's curves as they change, the curve that the parameter screen's fields describe while they
// are being changed, and the wish to see the picture in 3D or to draw a picture opened elsewhere.
// The program keeps one.

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

    // By the drawing screen: its picture now; drawn says whether a curve was just drawn, which
    // ends the preview (clearing does not).
    void tellCurves(const PictureCurves &curves, bool drawn);
    // By the parameter screen, after each change of a field.
    void tellPreview(const Preview &preview);
    // The angles of the 3D view that a picture just opened was seen from; taken once.
    void tellOpenedView(const ViewAngles &view);
    std::optional<ViewAngles> takeOpenedView();

signals:
    void curvesChanged();
    void previewChanged();
    void openedViewChanged();
    // Someone asked to see the picture in 3D.
    void viewRequested();
    // A picture opened outside the drawing screen, to be drawn there.
    void openRequested(const PictureDocument &document);

private:
    PictureCurves m_curves;
    std::optional<Preview> m_preview;
    std::optional<ViewAngles> m_openedView;
};
