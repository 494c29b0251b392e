// How long the two drawing procedures take on a maximised screen, beside the
// fastest the painter can put the same dots into the same image; and the
// program's main, which prints every measure's ratio to its yardstick.
#include "BenchSupport.h"
#include "calibration/Form2.h"
#include "runtime/Single.h"
#include "runtime/Surface.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

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
        for (const std::string procedure : {"CALCOLA", "calibrationEvent", "turnFrame/1", "turnFrame/20", "turnFrame/100"})
            ratio(procedure, limitOf(procedure), "its drawPoints limit");
        ratio("previewStep/20", "turnFrame_drawPointsLimit/20", "the drawPoints limit of 20 curves");
        for (const std::string format : {"png", "svg", "pdf"})
            for (const std::string curves : {"1", "10"})
                ratio("openPicture/" + format + "/" + curves, "savePicture/" + format + "/" + curves, "its save");
    }

private:
    // "turnFrame/20" is measured against "turnFrame_drawPointsLimit/20".
    static std::string limitOf(const std::string &procedure)
    {
        const std::size_t slash = procedure.find('/');
        if (slash == std::string::npos)
            return procedure + "_drawPointsLimit";
        return procedure.substr(0, slash) + "_drawPointsLimit" + procedure.substr(slash);
    }

    void ratio(const std::string &measure, const std::string &yardstick, const char *what) const
    {
        const auto time = m_cpuTimes.find(measure);
        const auto limit = m_cpuTimes.find(yardstick);
        if (time != m_cpuTimes.end() && limit != m_cpuTimes.end())
            std::printf("%-20s %.2fx %s (CPU time; %.3f ms against %.3f ms)\n", measure.c_str(), time->second / limit->second,
                        what, time->second, limit->second);
    }


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
