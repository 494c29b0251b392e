// Saving a picture and opening it again, in each of the three formats, with one and ten curves;
// saving the same curves as a 3D model; and the whole command that writes the picture, beside a
// bare window's start.
#include "BenchSupport.h"
#include "curve/CurveFields.h"
#include "curve/PictureNews.h"
#include "files/ModelSaving.h"
#include "files/PictureFormats.h"
#include "files/PictureReader.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// The drawing screen with as many curves as the argument.
Form4 &drawnCurves(int count)
{
    Form4 &form = drawingScreen();
    form.drawPicture({benchCurves(count), std::nullopt}, form.curves().front().incr.value_or(0.75));
    return form;
}

QString pathIn(const QTemporaryDir &folder, PictureFormats::Format format)
{
    return folder.filePath(QStringLiteral("picture.") + QLatin1String(PictureFormats::of(format).extension));
}
}

// The file written and replaced each time.
static void savePicture(benchmark::State &state, PictureFormats::Format format)
{
    Form4 &form = drawnCurves(int(state.range(0)));
    QTemporaryDir folder;
    const QString path = pathIn(folder, format);
    for (auto _ : state)
        PictureFormats::save(form.picture(), path, format);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK_CAPTURE(savePicture, png, PictureFormats::Format::Png)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(savePicture, svg, PictureFormats::Format::Svg)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(savePicture, pdf, PictureFormats::Format::Pdf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The same picture's curves as a 3D model, built and written as the view's menu saves it.
static void saveModel(benchmark::State &state, PictureFormats::Format format)
{
    const PictureDocument document = drawnCurves(int(state.range(0))).picture().document;
    QTemporaryDir folder;
    const QString path = pathIn(folder, format);
    for (auto _ : state)
        if (const std::optional<QString> failure = ModelSaving::save(Model(document), path, format).failure)
            state.SkipWithError(qPrintable(*failure));
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK_CAPTURE(saveModel, stl, PictureFormats::Format::Stl)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(saveModel, glb, PictureFormats::Format::Glb)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(saveModel, ply, PictureFormats::Format::Ply)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The file read, checked, and its curves drawn again on the drawing screen.
static void openPicture(benchmark::State &state, PictureFormats::Format format)
{
    Form4 &form = drawnCurves(int(state.range(0)));
    QTemporaryDir folder;
    const QString path = pathIn(folder, format);
    PictureFormats::save(form.picture(), path, format);
    for (auto _ : state) {
        const PictureReader::Reading reading = PictureReader::read(path);
        if (const PictureDocument *document = std::get_if<PictureDocument>(&reading))
            Single::instance<PictureNews>().tellOpened(*document);
        else
            state.SkipWithError(qPrintable(std::get<QString>(reading)));
    }
}
BENCHMARK_CAPTURE(openPicture, png, PictureFormats::Format::Png)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openPicture, svg, PictureFormats::Format::Svg)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openPicture, pdf, PictureFormats::Format::Pdf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

namespace {
// The process's time from its start to its end.
void timeProcess(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            state.SkipWithError(process.readAllStandardError().constData());
    }
}
}

// The whole command that writes the drawing screen's picture of the same curves, at the same size.
static void exportCommandLine(benchmark::State &state)
{
    QStringList arguments;
    for (const PictureCurve &curve : benchCurves(int(state.range(0)))) {
        QStringList values;
        for (double value : CurveFields::numbers(curve.values))
            values << QString::number(value, 'g', 17);
        arguments << QStringLiteral("--curve") << values.join(u';');
    }
    QTemporaryDir folder;
    arguments << QStringLiteral("--export") << folder.filePath(QStringLiteral("riga.png")) << QStringLiteral("--size")
              << QStringLiteral("%1x%2").arg(maximised.width()).arg(maximised.height()) << QStringLiteral("--aspect") << QStringLiteral("0.79");
    timeProcess(state, QStringLiteral(ELICA_BINARY), arguments);
}
BENCHMARK(exportCommandLine)->Name("exportCommandLine/png")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// A bare window's start, on the same platform, to its first frame and out.
static void bareWindowStart(benchmark::State &state)
{
    timeProcess(state, QStringLiteral(BARE_WINDOW), {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--once")});
}
BENCHMARK(bareWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime();
