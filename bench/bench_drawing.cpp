// How long the two drawing procedures take on a maximised screen, beside the
// fastest the painter can put the same dots into the same image.
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "picture/PictureFormats.h"
#include "parameters/Form3.h"
#include "runtime/Single.h"
#include "runtime/Surface.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {
const QSize maximised(1280, 1005);

// The device points of the dots a surface recorded (a dot's centre, one pen width square), and
// their colour.
struct RecordedPoints {
    QList<QPointF> points;
    QColor colour;
};
RecordedPoints recordedPoints(const Surface &surface)
{
    RecordedPoints out;
    const PictureRecord &record = surface.record();
    for (const PictureRecord::Run &run : record.runs()) {
        if (run.kind != PictureRecord::Kind::Dots)
            continue;
        const double half = run.penWidth / 2.0;
        for (std::uint32_t i = run.first; i < run.first + run.count; ++i)
            out.points.append((record.point(i) + QPointF(half, half)) * surface.devicePixelRatio());
        out.colour = QColor::fromRgb(run.colour);
    }
    return out;
}

Form4 &drawingScreen()
{
    Form3 &set = Single::instance<Form3>();
    set.VALa = 20.0;
    set.VALb = 15.0;
    set.VALc = 10.0;
    set.VALd = 5.0;
    set.VALe = 3.0;
    set.VALp = 1.0;
    set.AA = 45.0;
    set.AB = 45.0;
    Single::instance<Form2>().Incr = 1005.0 / 1280.0;
    Form4 &form = Single::instance<Form4>();
    form.surface().resize(maximised, 1.0, 96.0);
    form.Form_Activate();
    return form;
}

Form2 &calibrationScreen()
{
    Form2 &form = Single::instance<Form2>();
    form.surface().resize(maximised, 1.0, 96.0);
    form.Form_Activate();
    return form;
}

// The procedure's dots, recorded once on a cleared surface, put into an image by the painter.
void drawPointsLimit(benchmark::State &state, Surface &surface, const std::function<void()> &procedure)
{
    surface.Cls();
    const bool recording = surface.recording();
    surface.setRecording(true);
    procedure();
    surface.setRecording(recording);
    const RecordedPoints recorded = recordedPoints(surface);
    QImage image(maximised, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPen pen(recorded.colour, surface.DrawWidth(), Qt::SolidLine, Qt::SquareCap);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(pen);
        painter.drawPoints(recorded.points.constData(), int(recorded.points.size()));
    }
    state.counters["dots"] = double(recorded.points.size());
}
}

static void CALCOLA(benchmark::State &state)
{
    Form4 &form = drawingScreen();
    for (auto _ : state) {
        form.CALCOLA();
        // A picture keeps the record of each curve until it is cleared: a few
        // curves, not the thousands this loop draws, so it starts afresh each time.
        state.PauseTiming();
        form.surface().record().clear();
        state.ResumeTiming();
    }
}
BENCHMARK(CALCOLA)->Unit(benchmark::kMillisecond);

static void CALCOLA_drawPointsLimit(benchmark::State &state)
{
    Form4 &form = drawingScreen();
    drawPointsLimit(state, form.surface(), [&form] { form.CALCOLA(); });
}
BENCHMARK(CALCOLA_drawPointsLimit)->Unit(benchmark::kMillisecond);

static void calibrationEvent(benchmark::State &state)
{
    Form2 &form = calibrationScreen();
    for (auto _ : state) {
        form.COORDINATE();
        form.TRACCIA();
    }
}
BENCHMARK(calibrationEvent)->Unit(benchmark::kMillisecond);

static void calibrationEvent_drawPointsLimit(benchmark::State &state)
{
    Form2 &form = calibrationScreen();
    drawPointsLimit(state, form.surface(), [&form] {
        form.TRACCIA();
        form.TRACCIA();
    });
}
BENCHMARK(calibrationEvent_drawPointsLimit)->Unit(benchmark::kMillisecond);

// Saving a picture of as many curves as the argument, the file written and replaced each time.
static void savePicture(benchmark::State &state, PictureFiles::Format format)
{
    Form4 &form = drawingScreen();
    form.surface().Cls();
    for (int curve = 0; curve < state.range(0); ++curve) {
        Single::instance<Form3>().Miocolor = int16_t(curve % 7);
        form.Form_Activate();
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.") + QLatin1String(PictureFormats::of(format).extension));
    for (auto _ : state)
        PictureFiles::save(form.picture(), path, format);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK_CAPTURE(savePicture, png, PictureFiles::Format::Png)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(savePicture, svg, PictureFiles::Format::Svg)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(savePicture, pdf, PictureFiles::Format::Pdf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

namespace {
// The console table, then each procedure's CPU time as a multiple of its drawPoints limit.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            m_cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char *procedure : {"CALCOLA", "calibrationEvent"}) {
            const auto time = m_cpuTimes.find(procedure);
            const auto limit = m_cpuTimes.find(std::string(procedure) + "_drawPointsLimit");
            if (time != m_cpuTimes.end() && limit != m_cpuTimes.end())
                std::printf("%-18s %.2fx its drawPoints limit (CPU time)\n", procedure, time->second / limit->second);
        }
    }

private:
    std::map<std::string, double> m_cpuTimes;
};
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Single::destroyAll();
    return 0;
}
