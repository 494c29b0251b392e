// The 3D view: one frame of 1, 20 and 100 curves at 1920 x 1080 device pixels beside the painter's
// drawPoints of the same projected dots, and one step of the preview while a field is typed in.
#include "BenchSupport.h"
#include "curve/CurveChecks.h"
#include "runtime/NumberText.h"
#include "view3d/CurveCloud.h"
#include "view3d/ViewFrame.h"

#include <QLineEdit>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {
const QSize frameSize(1920, 1080);

FrameStyle frameStyle()
{
    return {QColor(239, 239, 239), Qt::black, 2, {}};
}
}

// A frame for a view turned one degree further each time: the clearing, the axes, every dot.
static void turnFrame(benchmark::State &state)
{
    CurveCloud cloud;
    cloud.setCurves(benchCurves(int(state.range(0))));
    Turntable turntable;
    QImage image(frameSize, QImage::Format_RGB32);
    for (auto _ : state) {
        turntable.turn(1, 0);
        ViewFrame(cloud, turntable, 1, frameSize, 1).render(image, frameStyle());
    }
    state.counters["dots"] = double(cloud.dotCount());
}
BENCHMARK(turnFrame)->Arg(1)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

static void turnFrame_drawPointsLimit(benchmark::State &state)
{
    CurveCloud cloud;
    cloud.setCurves(benchCurves(int(state.range(0))));
    const ViewFrame frame(cloud, Turntable(), 1, frameSize, 1);
    const ViewMap &m = frame.map();
    std::vector<std::pair<QColor, QList<QPointF>>> projected;
    for (const CurveCloud::Curve &curve : cloud.curves()) {
        QList<QPointF> points;
        for (const CurveModel::Point &p : *curve.points)
            points.append(QPointF(m.ox + m.xX * p.X + m.xY * p.Y, m.oy + m.yX * p.X + m.yY * p.Y + m.yZ * p.Z));
        projected.emplace_back(QColor::fromRgb(curve.colour), std::move(points));
    }
    QImage image(frameSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        for (const auto &[colour, points] : projected) {
            painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap));
            painter.drawPoints(points.constData(), int(points.size()));
        }
    }
    state.counters["dots"] = double(cloud.dotCount());
}
BENCHMARK(turnFrame_drawPointsLimit)->Arg(1)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

// A keystroke in a field: the eight texts checked, the preview's curve made, one frame of the
// picture's 20 curves and the preview.
static void previewStep(benchmark::State &state)
{
    Form3 &fields = Single::instance<Form3>();
    CurveCloud cloud;
    cloud.setCurves(benchCurves(int(state.range(0))));
    Turntable turntable;
    QImage image(frameSize, QImage::Format_RGB32);
    int typed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fields.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QString::number(20 + typed++ % 10));
        state.ResumeTiming();
        const std::variant<CurveValues, QString> values = CurveChecks::read(fields.fieldTexts(), NumberText::parse);
        cloud.setPreview(PictureCurve{fields.nextColour(), std::get<CurveValues>(values), std::nullopt});
        ViewFrame(cloud, turntable, 1, frameSize, 1).render(image, frameStyle());
    }
}
BENCHMARK(previewStep)->Arg(20)->Unit(benchmark::kMillisecond);
