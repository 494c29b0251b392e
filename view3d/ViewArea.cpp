#include "view3d/ViewArea.h"
#include "runtime/GraphicRole.h"
#include "runtime/MarkRecord.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
constexpr double zoomStep = 1.25;
constexpr int fewestZoomSteps = -10;
constexpr int mostZoomSteps = 20;
constexpr int spinMilliseconds = 16;
}

ViewArea::ViewArea(QWidget *parent) : QWidget(parent)
{
    GraphicRole::give(QStringLiteral("ViewArea"));
    setObjectName(QStringLiteral("ViewArea"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_style.background = palette().color(QPalette::Button);
    m_style.foreground = palette().color(QPalette::ButtonText);
    m_spin.setInterval(spinMilliseconds);
    connect(&m_spin, &QTimer::timeout, this, &ViewArea::spinStep);
}

double ViewArea::zoom() const
{
    return std::pow(zoomStep, m_zoomSteps);
}

void ViewArea::changed(bool ends)
{
    stale();
    emit moved();
    if (ends)
        emit settled();
}

void ViewArea::setAngles(const ViewAngles &angles)
{
    m_turntable.setAngles(angles);
    changed(true);
}

void ViewArea::turn(double azimuthDegrees, double elevationDegrees)
{
    m_turntable.turn(azimuthDegrees, elevationDegrees);
    changed(true);
}

void ViewArea::zoomBy(int steps)
{
    m_zoomSteps = std::clamp(m_zoomSteps + steps, fewestZoomSteps, mostZoomSteps);
    changed(true);
}

void ViewArea::openingView()
{
    m_turntable = Turntable();
    m_zoomSteps = 0;
    changed(true);
}

void ViewArea::setSpinning(bool on)
{
    if (on == spinning())
        return;
    if (on) {
        m_spinClock.start();
        m_spin.start();
    } else {
        m_spin.stop();
        // Smooth again now that the figure stands still.
        stale();
        emit settled();
    }
    emit spinningChanged(on);
}

// By the time gone, not by the ticks: the turn keeps its speed when frames come late.
void ViewArea::spinStep()
{
    const double seconds = double(m_spinClock.restart()) / 1000;
    m_turntable.turn(spinDegreesPerSecond * seconds, 0);
    changed(false);
}

void ViewArea::stale()
{
    m_stale = true;
    update();
}

void ViewArea::setCurves(const PictureCurves &curves)
{
    m_cloud.setCurves(curves);
    stale();
}

void ViewArea::setPreview(const std::optional<PictureCurve> &preview)
{
    m_cloud.setPreview(preview);
    stale();
}

void ViewArea::setExtent(const std::vector<CurveValues> &curves)
{
    if (curves == m_extent)
        return;
    m_extent = curves;
    m_cloud.setExtent(curves);
    stale();
}

void ViewArea::setDotSize(int pixels)
{
    m_style.dotSize = std::clamp(pixels, FrameStyle::smallestDot, FrameStyle::largestDot);
    stale();
}

void ViewArea::setLook(ViewLook look)
{
    if (look == m_style.look)
        return;
    m_style.look = look;
    stale();
    emit lookChanged();
}

void ViewArea::setSection(bool on)
{
    if (on == m_style.section)
        return;
    m_style.section = on;
    stale();
    emit lookChanged();
}

void ViewArea::setLegend(std::vector<LegendLine> lines)
{
    if (lines == m_style.legend)
        return;
    m_style.legend = std::move(lines);
    stale();
}

QSize ViewArea::devicePixels() const
{
    const qreal dpr = devicePixelRatioF();
    return QSize(std::max(1, int(std::ceil(width() * dpr))), std::max(1, int(std::ceil(height() * dpr))));
}

ViewFrame ViewArea::currentFrame() const
{
    return ViewFrame(m_cloud, m_turntable, zoom(), devicePixels(), devicePixelRatioF());
}

bool ViewArea::moving() const
{
    return m_dragging || spinning();
}

FrameStyle ViewArea::styleFor(bool smooth) const
{
    FrameStyle style = m_style;
    style.smooth = smooth;
    return style;
}

QImage ViewArea::frame()
{
    const bool smooth = !moving();
    if (m_stale || m_frame.size() != devicePixels() || m_frameSmooth != smooth) {
        if (m_frame.size() != devicePixels())
            m_frame = QImage(devicePixels(), QImage::Format_RGB32);
        m_frame.setDevicePixelRatio(devicePixelRatioF());
        currentFrame().render(m_frame, styleFor(smooth));
        m_frameSmooth = smooth;
        m_stale = false;
    }
    return m_frame;
}

QImage ViewArea::stillFrame()
{
    if (!moving())
        return frame();
    QImage still(devicePixels(), QImage::Format_RGB32);
    still.setDevicePixelRatio(devicePixelRatioF());
    currentFrame().render(still, styleFor(true));
    return still;
}

Picture ViewArea::picture(const PictureCurves &curves, MarkRecord &marks)
{
    marks.clear();
    const FrameStyle style = styleFor(true);
    PictureDocument document{curves, m_turntable.angles(), std::nullopt, style.look, style.section};
    Picture picture{size(), stillFrame(), style.background, {}, &marks, {}, {}, document};
    if (style.look != ViewLook::dots) {
        picture.underlay = QImage(devicePixels(), QImage::Format_RGB32);
        picture.underlay.setDevicePixelRatio(devicePixelRatioF());
        currentFrame().renderSurfaces(picture.underlay, style);
    }
    currentFrame().record(marks, picture.fills, picture.labels, style);
    return picture;
}

MotionScene ViewArea::motionScene(const PictureCurves &still, const std::optional<PictureCurve> &moving, const Motion &motion) const
{
    return {still, moving, motion, m_turntable.angles(), zoom(), devicePixels(), devicePixelRatioF(), styleFor(true)};
}

void ViewArea::paintEvent(QPaintEvent *)
{
    const QImage shown = frame();
    QPainter(this).drawImage(QPointF(0, 0), shown);
}

void ViewArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_stale = true;
}

void ViewArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setSpinning(false);
    m_dragging = true;
    m_dragStart = event->position();
    m_dragTurn = m_turntable.turned();
}

void ViewArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const QPointF moved = event->position() - m_dragStart;
    m_turntable.setTurned({m_dragTurn.azimuth + moved.x() * dragDegreesPerPixel,
                           m_dragTurn.elevation - moved.y() * dragDegreesPerPixel});
    changed(false);
}

void ViewArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    stale();
    emit settled();
}

void ViewArea::wheelEvent(QWheelEvent *event)
{
    // A notch is 120 eighths of a degree; a touchpad gives them a few at a time.
    m_wheelEighths += event->angleDelta().y();
    const int steps = m_wheelEighths / 120;
    m_wheelEighths -= steps * 120;
    if (steps != 0)
        zoomBy(steps);
    event->accept();
}

void ViewArea::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const double step = modifiers == Qt::ShiftModifier ? fineKeyTurn : keyTurn;
    const bool plain = modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    switch (plain ? event->key() : 0) {
    case Qt::Key_Left:
        return turn(-step, 0);
    case Qt::Key_Right:
        return turn(step, 0);
    case Qt::Key_Up:
        return turn(0, step);
    case Qt::Key_Down:
        return turn(0, -step);
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return zoomBy(1);
    case Qt::Key_Minus:
        return zoomBy(-1);
    default:
        QWidget::keyPressEvent(event);
    }
}
