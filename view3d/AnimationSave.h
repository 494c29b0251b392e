#pragma once
// The 3D view's motion saved as an animated file: its frames made one at a time by the view's own
// frame code and streamed to the format's writer, the next frame made while the last is encoded;
// never all frames at once. The file is replaced only when it is complete: a failure or a
// cancellation leaves nothing behind and the old file as it was. Runs in the background for the
// view, which stays usable, or straight through for the command line.

#include "files/PictureFormats.h"
#include "files/SavedFile.h"
#include "view3d/MotionFrames.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

class AnimationSave : public QObject {
    Q_OBJECT
public:
    using Outcome = SavedFile::Outcome;
    // Told after each frame; returns whether to go on.
    using Progress = std::function<bool(int done, int total)>;

    static Outcome write(const MotionScene &scene, const QString &path, const PictureFormats::Entry &format,
                         const Progress &progress = {});

    // Starts writing in the background; finished() comes once, on the thread that started it.
    AnimationSave(MotionScene scene, QString path, const PictureFormats::Entry &format, QObject *parent = nullptr);
    // Stops a save still running; its file is left as it was.
    ~AnimationSave() override;
    void cancel() { m_cancelled = true; }

signals:
    void progressed(int done, int total);
    void finished(const AnimationSave::Outcome &outcome);

private:
    std::atomic<bool> m_cancelled = false;
    std::thread m_worker;
};
