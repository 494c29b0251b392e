#include "view3d/AnimationSave.h"

#include <QFileDevice>
#include <QMetaObject>
#include <future>

namespace {
AnimationSave::Outcome written(const MotionScene &scene, QIODevice &file, const PictureFormats::Entry &format,
                               const AnimationSave::Progress &progress)
{
    MotionFrames frames(scene);
    const int total = frames.count();
    const std::unique_ptr<AnimationWriter> writer =
        format.write(file, scene.devicePixels, AnimationWords::of(scene.document()), scene.motion.loops(), scene.style.background.rgb());
    // Both cores help: the next frame is drawn while this one is encoded.
    std::future<QImage> next = std::async(std::launch::async, [&frames] { return frames.frame(0); });
    for (int index = 0; index < total; ++index) {
        const QImage frame = next.get();
        if (index + 1 < total)
            next = std::async(std::launch::async, [&frames, index] { return frames.frame(index + 1); });
        if (!writer->addFrame(frame, MotionPace::frameCentiseconds))
            return {writer->error()};
        if (progress && !progress(index + 1, total))
            return {std::nullopt, true};
    }
    if (!writer->finish())
        return {writer->error()};
    return {};
}
}

// A frame too large for the memory left fails the save like a full disk, not the program.
AnimationSave::Outcome AnimationSave::write(const MotionScene &scene, const QString &path, const PictureFormats::Entry &format,
                                            const Progress &progress)
{
    return SavedFile::write(path, [&](QFileDevice &file) -> Outcome {
        try {
            return written(scene, file, format, progress);
        } catch (const std::bad_alloc &) {
            return {QStringLiteral("memoria insufficiente per i fotogrammi")};
        }
    });
}

AnimationSave::AnimationSave(MotionScene scene, QString path, const PictureFormats::Entry &format, QObject *parent)
    : QObject(parent)
{
    m_worker = std::thread([this, scene = std::move(scene), path = std::move(path), &format] {
        const Outcome outcome = write(scene, path, format, [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); }, Qt::QueuedConnection);
            return !m_cancelled;
        });
        QMetaObject::invokeMethod(this, [this, outcome] { emit finished(outcome); }, Qt::QueuedConnection);
    });
}

AnimationSave::~AnimationSave()
{
    m_cancelled = true;
    if (m_worker.joinable())
        m_worker.join();
}
