// Saving a picture and opening it again, in each of the three formats, with one and ten curves.
#include "BenchSupport.h"
#include "curve/PictureNews.h"
#include "picture/PictureFormats.h"
#include "picture/PictureReader.h"

#include <QFileInfo>
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
