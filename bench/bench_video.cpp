// The 3D view in motion as a video: a full turn of 72 frames at 1280 x 720 saved as MP4 and WebM,
// beside the ffmpeg program making the same files, with the same settings and words, from the same
// frames written as PNG beforehand; the GIF of the same turn, for its size; each video's PSNR as
// ffmpeg's psnr filter measures it; and the peak memory of the command that saves a full turn at
// 2560 x 1440 as MP4 and as WebM.
#include "BenchSupport.h"
#include "files/motion/VideoSettings.h"
#include "view3d/AnimationSave.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QSize videoSize(1280, 720);

// The richest look the view draws, which the goals of size and quality are set for: the lit
// surfaces with their dots on them, smooth as a saved frame is.
FrameStyle richestLook()
{
    return {QColor(239, 239, 239), Qt::black, 2, {}, ViewLook::surfaceAndDots, false, true};
}

MotionScene turnOf(int curves)
{
    return {benchCurves(curves), std::nullopt, Motion{Turn{}, std::nullopt}, Turntable().angles(), 1, videoSize, 1, richestLook()};
}

// The turn's frames as PNG files f000.png, f001.png…, made once for every measure.
QString framesFolder(int curves)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir> &folder = folders[curves];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        MotionFrames frames(turnOf(curves));
        for (int i = 0; i < frames.count(); ++i)
            frames.frame(i).save(folder->filePath(QStringLiteral("f%1.png").arg(i, 3, 10, QLatin1Char('0'))));
    }
    return folder->path();
}

const QString ffmpeg = QStringLiteral("ffmpeg");

// The lowest PSNR of any frame against its source, as ffmpeg's psnr filter gives it: the source
// converted to 4:2:0 by the scaler with the matrix the videos are written with.
std::optional<double> lowestPsnr(const QString &video, const QString &frames)
{
    QTemporaryDir folder;
    const QString stats = folder.filePath(QStringLiteral("psnr.log"));
    QProcess process;
    process.start(ffmpeg, {"-v", "error", "-i", video, "-framerate", "25", "-i", frames + QStringLiteral("/f%03d.png"), "-lavfi",
                           "[1]scale=out_color_matrix=bt709:out_range=tv,format=yuv420p[source];[0][source]psnr=stats_file=" + stats,
                           "-f", "null", "-"});
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return std::nullopt;
    QFile file(stats);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<double> lowest;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype at = line.indexOf("psnr_avg:");
        if (at >= 0) {
            const double value = line.mid(at + 9, line.indexOf(' ', at) - at - 9).toDouble();
            lowest = std::min(lowest.value_or(value), value);
        }
    }
    return lowest;
}

void countPsnr(benchmark::State &state, const QString &video, int curves)
{
    if (const std::optional<double> psnr = lowestPsnr(video, framesFolder(curves)))
        state.counters["psnr"] = *psnr;
}

// The ffmpeg program's arguments for the encoding and words that Elica gives the format.
QStringList ffmpegArguments(const PictureFormats::Entry &entry, const VideoSettings::Encoding &encoding, int curves, const QString &made)
{
    QStringList arguments{"-v", "error", "-y", "-framerate", "25", "-i", framesFolder(curves) + QStringLiteral("/f%03d.png"),
                          "-vf", "scale=out_color_matrix=bt709:out_range=tv", "-pix_fmt", "yuv420p", "-color_range", "tv",
                          "-colorspace", "bt709", "-color_primaries", "bt709", "-color_trc", "bt709", "-c:v", encoding.encoder};
    for (const VideoSettings::Option &option : encoding.encoderOptions)
        arguments << QStringLiteral("-%1:v").arg(QLatin1String(option.name)) << QLatin1String(option.value);
    arguments << "-crf:v" << QLatin1String(richestLook().look == ViewLook::dots ? encoding.dotsQuality : encoding.surfacesQuality);
    for (const VideoSettings::Option &option : encoding.muxerOptions)
        arguments << QStringLiteral("-%1").arg(QLatin1String(option.name)) << QLatin1String(option.value);
    const AnimationWords words = AnimationWords::of(turnOf(curves).document());
    const std::pair<const char *, QString> tags[] = {{entry.keys.title, words.title}, {entry.keys.maker, words.maker},
                                                     {entry.keys.description, words.description},
                                                     {entry.keys.form, QString::fromUtf8(words.machineForm)}};
    for (const auto &[key, value] : tags)
        arguments << "-metadata" << QLatin1String(key) + QLatin1Char('=') + value;
    return arguments << "-f" << QLatin1String(encoding.muxer) << made;
}
}

// The whole save, as "Salva animazione…" makes it: frames drawn, encoded and written.
static void saveVideo(benchmark::State &state, PictureFormats::Format format)
{
    const int curves = int(state.range(0));
    QTemporaryDir folder;
    const QString path = timedSave(state, turnOf(curves), folder, format);
    if (format != PictureFormats::Format::Gif)
        countPsnr(state, path, curves);
}
BENCHMARK_CAPTURE(saveVideo, mp4, PictureFormats::Format::Mp4)
    ->Name("saveVideo/mp4/turn72")->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(saveVideo, webm, PictureFormats::Format::Webm)
    ->Name("saveVideo/webm/turn72")->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(saveVideo, gif, PictureFormats::Format::Gif)
    ->Name("saveVideo/gif/turn72")->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

static void ffmpegVideo(benchmark::State &state, PictureFormats::Format format)
{
    if (QStandardPaths::findExecutable(ffmpeg).isEmpty()) {
        state.SkipWithError("ffmpeg is missing");
        return;
    }
    const int curves = int(state.range(0));
    const PictureFormats::Entry &entry = PictureFormats::of(format);
    QTemporaryDir folder;
    const QString made = folder.filePath(QStringLiteral("giro.") + QLatin1String(entry.extension));
    const QStringList arguments =
        ffmpegArguments(entry, format == PictureFormats::Format::Mp4 ? VideoSettings::mp4 : VideoSettings::webm, curves, made);
    for (auto _ : state) {
        QProcess process;
        process.start(ffmpeg, arguments);
        if (!process.waitForFinished(300000) || process.exitCode() != 0)
            state.SkipWithError(process.readAllStandardError().constData());
    }
    state.counters["bytes"] = double(QFileInfo(made).size());
    countPsnr(state, made, curves);
}
BENCHMARK_CAPTURE(ffmpegVideo, mp4, PictureFormats::Format::Mp4)
    ->Name("ffmpeg/mp4/turn72")->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ffmpegVideo, webm, PictureFormats::Format::Webm)
    ->Name("ffmpeg/webm/turn72")->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// The command that saves a full turn of 10 curves at 2560 x 1440 as a video: its peak resident
// memory.
static void saveVideoMemory(benchmark::State &state, const char *extension)
{
    countTurnPeak(state, QLatin1String(extension));
}
BENCHMARK_CAPTURE(saveVideoMemory, mp4, "mp4")
    ->Name("saveVideoMemory/mp4/turn72/2560x1440")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK_CAPTURE(saveVideoMemory, webm, "webm")
    ->Name("saveVideoMemory/webm/turn72/2560x1440")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
