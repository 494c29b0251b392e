// How long the two drawing procedures take on a maximised screen, beside the
// fastest the painter can put the same dots into the same image.
#include "BenchSupport.h"
#include "calibration/Form2.h"
#include "runtime/Single.h"
#include "runtime/Surface.h"

#include <QPainter>
#include <benchmark/benchmark.h>

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
    const MarkRecord &record = surface.record();
    for (const MarkRecord::Run &run : record.runs()) {
        if (run.kind != MarkRecord::Kind::Dots)
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

// The picture of the default curve drawn afresh, as opening a file of it does: the surface cleared,
// the scale, the three axis lines and the 10,585 dots.
static void drawCurve(benchmark::State &state)
{
    Form4 &form = drawingScreen();
    const PictureDocument document{form.curves(), std::nullopt};
    const double incr = form.curves().back().incr.value_or(1);
    for (auto _ : state) {
        form.drawPicture(document, incr);
        // A picture keeps the record of each curve until it is cleared: a few
        // curves, not the thousands this loop draws, so it starts afresh each time.
        state.PauseTiming();
        form.surface().record().clear();
        state.ResumeTiming();
    }
}
BENCHMARK(drawCurve)->Unit(benchmark::kMillisecond);

static void drawCurve_drawPointsLimit(benchmark::State &state)
{
    Form4 &form = drawingScreen();
    const PictureDocument document{form.curves(), std::nullopt};
    drawPointsLimit(state, form.surface(), [&] { form.drawPicture(document, document.curves.back().incr.value_or(1)); });
}
BENCHMARK(drawCurve_drawPointsLimit)->Unit(benchmark::kMillisecond);

static void calibrationEvent(benchmark::State &state)
{
    Form2 &form = calibrationScreen();
    // The activation draws what an event of the bar draws: the axes and the circle twice.
    for (auto _ : state)
        form.Form_Activate();
}
BENCHMARK(calibrationEvent)->Unit(benchmark::kMillisecond);

static void calibrationEvent_drawPointsLimit(benchmark::State &state)
{
    Form2 &form = calibrationScreen();
    drawPointsLimit(state, form.surface(), [&form] { form.Form_Activate(); });
}
BENCHMARK(calibrationEvent_drawPointsLimit)->Unit(benchmark::kMillisecond);
