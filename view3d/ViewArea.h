#pragma once
// The 3D view's picture: its frame drawn in device pixels and turned by hand, dragging with the
// left button (across for the azimuth, up and down for the elevation) or with the arrow keys,
// zoomed about the centre with + and - and the wheel, or turning on its own. A drag sets the view
// from the pointer's displacement since it began, and pointer moves that come during a frame are
// taken together in the next. The curves are drawn in the look chosen; lit surfaces take one
// sample a pixel while the figure moves, and smooth edges once it stands still. To a screen reader
// it is an image. What it shows is set through setters, each of which has the frame made again.

#include "picture/Picture.h"
#include "view3d/CurveCloud.h"
#include "view3d/MotionFrames.h"
#include "view3d/Turntable.h"
#include "view3d/ViewFrame.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class ViewArea : public QWidget {
    Q_OBJECT
public:
    static constexpr double keyTurn = 5;
    static constexpr double fineKeyTurn = 1;
    static constexpr double dragDegreesPerPixel = 0.5;
    static constexpr double spinDegreesPerSecond = 30;

    explicit ViewArea(QWidget *parent = nullptr);

    const CurveCloud &cloud() const { return m_cloud; }
    const Turntable &turntable() const { return m_turntable; }
    double zoom() const;
    int dotSize() const { return m_style.dotSize; }

    void setCurves(const PictureCurves &curves);
    void setPreview(const std::optional<PictureCurve> &preview);
    // Curves not drawn whose room the frame keeps (see CurveCloud::setExtent).
    void setExtent(const std::vector<CurveValues> &curves);
    // The side of a dot in logical pixels, 1 to 4.
    void setDotSize(int pixels);
    // No lines: no legend.
    void setLegend(std::vector<LegendLine> lines);
    ViewLook look() const { return m_style.look; }
    bool section() const { return m_style.section; }
    void setLook(ViewLook look);
    void setSection(bool on);

    // Each is a turn that ends at once.
    void setAngles(const ViewAngles &angles);
    void turn(double azimuthDegrees, double elevationDegrees);
    void zoomBy(int steps);
    // The opening view: isometric, fitted, at 100%.
    void openingView();

    void setSpinning(bool on);
    bool spinning() const { return m_spin.isActive(); }

    // The frame as shown, in device pixels with their ratio.
    QImage frame();
    // The frame as it shows once the figure stands still.
    QImage stillFrame();
    // The frame as a picture to keep, of these curves seen at the view's angles; its marks go
    // into marks, which the caller keeps while the picture is used.
    Picture picture(const PictureCurves &curves, MarkRecord &marks);
    // A motion of these curves starting from the view as it is now, at its size, zoom and style.
    MotionScene motionScene(const PictureCurves &still, const std::optional<PictureCurve> &moving, const Motion &motion) const;

signals:
    // The view moved; a status line follows it.
    void moved();
    // A turn ended (at once for a key, at the release for a drag, when the spin stops): what a
    // screen reader is told follows it.
    void settled();
    void spinningChanged(bool on);
    // The look or the section changed.
    void lookChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSize devicePixels() const;
    // While dragged or spinning.
    bool moving() const;
    // The view's style for a frame seen still or moving.
    FrameStyle styleFor(bool smooth) const;
    ViewFrame currentFrame() const;
    void changed(bool ends);
    void stale();
    void spinStep();

    CurveCloud m_cloud;
    std::vector<CurveValues> m_extent;
    Turntable m_turntable;
    int m_zoomSteps = 0;
    int m_wheelEighths = 0;
    FrameStyle m_style;
    QImage m_frame;
    bool m_frameSmooth = false;
    bool m_stale = true;
    bool m_dragging = false;
    QPointF m_dragStart;
    Turntable::Turn m_dragTurn;
    QTimer m_spin;
    QElapsedTimer m_spinClock;
};
