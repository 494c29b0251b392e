#include "view3d/MotionFrames.h"
#include "view3d/Turntable.h"

PictureDocument MotionScene::document() const
{
    PictureDocument document{still, start, motion, style.look, style.section};
    if (moving) {
        // As the first frame shows it, whose value is never a ratio of 0.
        PictureCurve first = *moving;
        if (motion.sweep)
            motion.sweep->apply(first.values, motion.frame(0).value.value_or(motion.sweep->from));
        document.curves.push_back(first);
    }
    return document;
}

MotionFrames::MotionFrames(MotionScene scene) : m_scene(std::move(scene))
{
    m_cloud.setCurves(m_scene.still);
    if (!m_scene.moving)
        return;
    m_cloud.setPreview(m_scene.moving);
    if (const std::optional<Sweep> &sweep = m_scene.motion.sweep) {
        const std::array<CurveValues, 2> ends = sweep->ends(m_scene.moving->values);
        m_cloud.setExtent({ends.begin(), ends.end()});
    }
}

QImage MotionFrames::frame(int index)
{
    const Motion::Frame moment = m_scene.motion.frame(index);
    Turntable turntable;
    turntable.setAngles(m_scene.start);
    turntable.turn(moment.turned, 0);
    if (m_scene.moving && moment.value) {
        PictureCurve moved = *m_scene.moving;
        m_scene.motion.sweep->apply(moved.values, *moment.value);
        m_cloud.setPreview(moved);
    }
    QImage image(m_scene.devicePixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(m_scene.devicePixelRatio);
    // A saved frame is seen still, one at a time: smooth.
    FrameStyle style = m_scene.style;
    style.smooth = true;
    ViewFrame(m_cloud, turntable, m_scene.zoom, m_scene.devicePixels, m_scene.devicePixelRatio).render(image, style);
    return image;
}
