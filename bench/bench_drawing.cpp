// How long the two drawing procedures take on a maximised screen, beside the
// fastest the painter can put the same dots into the same image.
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "drawing/PictureFiles.h"
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

// Collects the device points of what a procedure plots.
class PointLog : public SurfaceLog {
public:
    explicit PointLog(Surface &surface) : m_surface(surface) { surface.setLog(this); }
    ~PointLog() override { m_surface.setLog(nullptr); }
    void line(float, float, float, float) override {}
    void dot(float x, float y, const QColor &color) override
    {
        points.append(QPointF(m_surface.scale().toPixelX(x), m_surface.scale().toPixelY(y)));
        this->color = color;
    }
    void cleared() override {}

    QList<QPointF> points;
    QColor color;

private:
    Surface &m_surface;
};

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

void drawPointsLimit(benchmark::State &state, Surface &surface, const std::function<void()> &procedure)
{
    PointLog log(surface);
    procedure();
    surface.setLog(nullptr);
    QImage image(maximised, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPen pen(log.color, surface.DrawWidth(), Qt::SolidLine, Qt::SquareCap);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(pen);
        painter.drawPoints(log.points.constData(), int(log.points.size()));
    }
    state.counters["dots"] = double(log.points.size());
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
    const QString path = folder.filePath(QStringLiteral("picture.") + PictureFiles::extension(format));
    for (auto _ : state)
        PictureFiles::save(form.surface(), path, format);
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
