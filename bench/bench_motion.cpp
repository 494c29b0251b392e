// The 3D view in motion: a full turn of 72 frames at 853 x 683 saved as GIF and WebP, beside
// ImageMagick and img2webp making the same files from the same frames written as PNG beforehand;
// one step of the animated value with 20 curves in the picture; and the peak memory of the
// command that saves a full turn at 2560 x 1440.
#include "BenchSupport.h"
#include "view3d/AnimationSave.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QSize animationSize(853, 683);
const QSize largeAnimation(2560, 1440);

FrameStyle style()
{
    return {QColor(239, 239, 239), Qt::black, 2, {}};
}

MotionScene turnOf(int curves)
{
    return {benchCurves(curves), std::nullopt, Motion{Turn{}, std::nullopt}, Turntable().angles(), 1, animationSize, 1, style()};
}

// The turn's frames as PNG files, for the tools that make an animation from files.
QStringList framesIn(const QTemporaryDir &folder, int curves)
{
    MotionFrames frames(turnOf(curves));
    QStringList paths;
    for (int i = 0; i < frames.count(); ++i) {
        paths << folder.filePath(QStringLiteral("f%1.png").arg(i, 3, 10, QLatin1Char('0')));
        frames.frame(i).save(paths.back());
    }
    return paths;
}

void timeTool(benchmark::State &state, const QString &tool, const QStringList &arguments, const QString &made)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        state.SkipWithError(qPrintable(tool + QStringLiteral(" is missing")));
        return;
    }
    for (auto _ : state) {
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(300000) || process.exitCode() != 0)
            state.SkipWithError(process.readAllStandardError().constData());
    }
    state.counters["bytes"] = double(QFileInfo(made).size());
}
}

// The whole save, as "Salva animazione…" makes it: frames drawn, encoded and written.
static void saveAnimation(benchmark::State &state, PictureFormats::Format format)
{
    const MotionScene scene = turnOf(int(state.range(0)));
    QTemporaryDir folder;
    const PictureFormats::Entry &entry = PictureFormats::of(format);
    const QString path = folder.filePath(QStringLiteral("giro.") + QLatin1String(entry.extension));
    for (auto _ : state)
        if (const std::optional<QString> failure = AnimationSave::write(scene, path, entry).failure)
            state.SkipWithError(qPrintable(*failure));
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK_CAPTURE(saveAnimation, gif, PictureFormats::Format::Gif)
    ->Name("saveAnimation/gif/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(saveAnimation, webp, PictureFormats::Format::Webp)
    ->Name("saveAnimation/webp/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

static void convertAnimation(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString made = folder.filePath(QStringLiteral("giro.gif"));
    timeTool(state, QStringLiteral("convert"),
             QStringList{"-delay", "4", "-loop", "0"} + framesIn(folder, int(state.range(0))) + QStringList{"-layers", "Optimize", made}, made);
}
BENCHMARK(convertAnimation)->Name("convert/gif/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

static void img2webpAnimation(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString made = folder.filePath(QStringLiteral("giro.webp"));
    timeTool(state, QStringLiteral("img2webp"),
             QStringList{"-lossless", "-loop", "0", "-d", "40"} + framesIn(folder, int(state.range(0))) + QStringList{"-o", made}, made);
}
BENCHMARK(img2webpAnimation)->Name("img2webp/webp/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// A tick of the strip: the moving curve made again at its new value, and the frame.
static void sweepStep(benchmark::State &state)
{
    CurveCloud cloud;
    cloud.setCurves(benchCurves(int(state.range(0))));
    Turntable turntable;
    const QSize frameSize(1920, 1080);
    QImage image(frameSize, QImage::Format_RGB32);
    Sweep passo;
    CurveValues values{20, 15, 10, 5, 3, 1, 45, 45};
    double t = 0;
    for (auto _ : state) {
        passo.apply(values, passo.valueAt(t += 0.016));
        cloud.setPreview(PictureCurve{2, values, std::nullopt});
        ViewFrame(cloud, turntable, 1, frameSize, 1).render(image, style());
    }
}
BENCHMARK(sweepStep)->Arg(20)->Unit(benchmark::kMillisecond);

// The command that saves a full turn of 10 curves at 2560 x 1440: its peak resident memory.
static void saveAnimationMemory(benchmark::State &state)
{
    QTemporaryDir folder;
    const QStringList arguments = turnExport(folder.filePath(QStringLiteral("grande.gif")), largeAnimation, 10);
    long peak = 0;
    for (auto _ : state) {
        const std::optional<long> used = peakKiB(arguments);
        if (!used)
            state.SkipWithError("the command failed");
        peak = std::max(peak, used.value_or(0));
    }
    state.counters["peakMiB"] = double(peak) / 1024;
}
BENCHMARK(saveAnimationMemory)->Name("saveAnimationMemory/gif/turn72/2560x1440")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
