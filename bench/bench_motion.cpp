// The 3D view in motion: a full turn of 72 frames at 853 x 683 saved as GIF and WebP, beside
// ImageMagick and img2webp making the same files from the same frames written as PNG beforehand;
// the turn of the lit surfaces as GIF beside ImageMagick's, with the mean colour error of each
// against the true frames; one step of the animated value with 20 curves in the picture; and the
// peak memory of the command that saves a full turn at 2560 x 1440.
#include "BenchSupport.h"
#include "view3d/AnimationSave.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

namespace {
const QSize animationSize(853, 683);

FrameStyle style(ViewLook look = ViewLook::dots)
{
    FrameStyle style{QColor(239, 239, 239), Qt::black, 2, {}};
    style.look = look;
    return style;
}

MotionScene turnOf(int curves, ViewLook look = ViewLook::dots)
{
    return {benchCurves(curves), std::nullopt, Motion{Turn{}, std::nullopt}, Turntable().angles(), 1, animationSize, 1, style(look)};
}

// The turn's frames as PNG files, for the tools that make an animation from files.
QStringList framesIn(const QTemporaryDir &folder, int curves, ViewLook look = ViewLook::dots)
{
    MotionFrames frames(turnOf(curves, look));
    QStringList paths;
    for (int i = 0; i < frames.count(); ++i) {
        paths << folder.filePath(QStringLiteral("f%1.png").arg(i, 3, 10, QLatin1Char('0')));
        frames.frame(i).save(paths.back());
    }
    return paths;
}

// The lit surfaces' turn as PNG files, made once for both makers of the GIF and for the error.
const QStringList &surfaceFrames(int curves)
{
    static std::map<int, std::pair<std::unique_ptr<QTemporaryDir>, QStringList>> made;
    auto &[folder, paths] = made[curves];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        paths = framesIn(*folder, curves, ViewLook::surface);
    }
    return paths;
}

// The mean absolute error per channel, out of 255, of a GIF's frames as Qt's reader shows them
// against the true frames; none if they differ in number or size.
std::optional<double> meanError(const QString &gif, const QStringList &truth)
{
    QImageReader reader(gif);
    double sum = 0, channels = 0;
    for (const QString &path : truth) {
        const QImage shown = reader.read().convertToFormat(QImage::Format_RGB32);
        const QImage frame = QImage(path).convertToFormat(QImage::Format_RGB32);
        if (shown.size() != frame.size())
            return std::nullopt;
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb *a = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
            const QRgb *b = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x)
                sum += std::abs(qRed(a[x]) - qRed(b[x])) + std::abs(qGreen(a[x]) - qGreen(b[x])) + std::abs(qBlue(a[x]) - qBlue(b[x]));
        }
        channels += 3.0 * frame.width() * frame.height();
    }
    if (reader.canRead())
        return std::nullopt;
    return sum / channels;
}

void countError(benchmark::State &state, const QString &gif, int curves)
{
    if (const std::optional<double> error = meanError(gif, surfaceFrames(curves)))
        state.counters["error"] = *error;
    else
        state.SkipWithError("the GIF's frames do not match the turn's");
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
static void saveAnimation(benchmark::State &state, PictureFormats::Format format, ViewLook look)
{
    const int curves = int(state.range(0));
    QTemporaryDir folder;
    const QString path = timedSave(state, turnOf(curves, look), folder, format);
    if (look != ViewLook::dots)
        countError(state, path, curves);
}
BENCHMARK_CAPTURE(saveAnimation, gif, PictureFormats::Format::Gif, ViewLook::dots)
    ->Name("saveAnimation/gif/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(saveAnimation, webp, PictureFormats::Format::Webp, ViewLook::dots)
    ->Name("saveAnimation/webp/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(saveAnimation, gifSurface, PictureFormats::Format::Gif, ViewLook::surface)
    ->Name("saveAnimation/gif/turn72/surface")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

static void convertAnimation(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString made = folder.filePath(QStringLiteral("giro.gif"));
    timeTool(state, QStringLiteral("convert"),
             QStringList{"-delay", "4", "-loop", "0"} + framesIn(folder, int(state.range(0))) + QStringList{"-layers", "Optimize", made}, made);
}
BENCHMARK(convertAnimation)->Name("convert/gif/turn72")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

static void convertSurfaceAnimation(benchmark::State &state)
{
    const int curves = int(state.range(0));
    QTemporaryDir folder;
    const QString made = folder.filePath(QStringLiteral("giro.gif"));
    timeTool(state, QStringLiteral("convert"), QStringList{"-delay", "4", "-loop", "0"} + surfaceFrames(curves) + QStringList{"-layers", "Optimize", made},
             made);
    if (QFileInfo::exists(made))
        countError(state, made, curves);
}
BENCHMARK(convertSurfaceAnimation)
    ->Name("convert/gif/turn72/surface")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

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

// The command that saves a full turn of 10 curves at 2560 x 1440 as a GIF, in the dots and as
// surfaces: its peak resident memory.
static void saveAnimationMemory(benchmark::State &state, const QStringList &look)
{
    countTurnPeak(state, QStringLiteral("gif"), look);
}
BENCHMARK_CAPTURE(saveAnimationMemory, dots, QStringList())
    ->Name("saveAnimationMemory/gif/turn72/2560x1440")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK_CAPTURE(saveAnimationMemory, surface, QStringList{"--view", "45,35.26", "--look", "superficie"})
    ->Name("saveAnimationMemory/gif/turn72/2560x1440/surface")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
