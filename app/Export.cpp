#include "app/Export.h"
#include "curve/CalibrationSteps.h"
#include "curve/CurveChecks.h"
#include "drawing/Form4.h"
#include "parameters/ColourCounter.h"
#include "files/ModelSaving.h"
#include "files/PictureReader.h"
#include "runtime/NumberText.h"
#include "runtime/Single.h"
#include "runtime/Twips.h"
#include "view3d/AnimationSave.h"
#include "view3d/ViewArea.h"
#include "view3d/ViewWords.h"

#include <cstdio>
#include <variant>

namespace {
struct Refusal {
    int status;
    QString message;
};

Refusal refused(const QString &message)
{
    return {1, message};
}

Refusal badUsage(const QString &message)
{
    return {2, message + CommandLine::usageHint()};
}

// The picture's curves in the order the options give them: a file's in their own colours, each
// --curve in the colour that "AVANTI" gives the curve after the one before.
std::variant<PictureDocument, Refusal> document(const CommandLine::ExportRequest &request)
{
    PictureDocument document;
    int16_t counter = 0;
    int typed = 0;
    for (const CommandLine::Source &source : request.sources) {
        if (source.kind == CommandLine::Source::File) {
            const PictureReader::Reading reading = PictureReader::read(source.text);
            if (const QString *why = std::get_if<QString>(&reading))
                return refused(PictureReader::refusal(source.text, *why));
            const PictureDocument &opened = std::get<PictureDocument>(reading);
            document.curves.insert(document.curves.end(), opened.curves.begin(), opened.curves.end());
            document.view = opened.view;
            document.look = opened.look;
            document.section = opened.section;
            counter = int16_t(opened.curves.back().colour);
            continue;
        }
        ++typed;
        std::array<QString, CurveFields::count> texts;
        const QStringList values = source.text.split(u';');
        std::copy(values.begin(), values.end(), texts.begin());
        const std::variant<CurveValues, QString> read = CurveChecks::read(texts, NumberText::parseWritten);
        if (const QString *why = std::get_if<QString>(&read))
            return refused(QStringLiteral("curva %1: %2").arg(typed).arg(*why));
        counter = ColourCounter::next(counter);
        document.curves.push_back({counter, std::get<CurveValues>(read), std::nullopt});
    }
    if (request.sources.empty())
        document.curves.push_back({ColourCounter::next(counter), CurveFields::initial(), std::nullopt});
    return document;
}

std::variant<double, Refusal> aspectFactor(const CommandLine::ExportRequest &request, QSize size)
{
    if (!request.aspect)
        return CalibrationSteps::nearestAccepted(double(size.height()) / size.width());
    const std::optional<double> typed = NumberText::parseWritten(*request.aspect);
    const std::optional<double> factor = typed ? CalibrationSteps::acceptedStep(*typed) : std::nullopt;
    if (!factor)
        return refused(QStringLiteral("il fattore %1 non è uno di quelli che la calibrazione accetta: da %2 a %3, ogni %4")
                           .arg(*request.aspect, NumberText::fromDouble(CalibrationSteps::lowestAcceptedStep()),
                                NumberText::fromDouble(CalibrationSteps::ofStep(CalibrationSteps::lastStep)),
                                NumberText::fromDouble(CalibrationSteps::perStep)));
    return *factor;
}

// What the drawing screen's "Salva immagine…" would write.
std::optional<Refusal> drawing(const CommandLine::ExportRequest &request, PictureDocument document, QSize size, double incr)
{
    if (request.legend || request.dotSize)
        return badUsage(QStringLiteral("--legend e --dot-size valgono solo per la vista 3D (--view)"));
    if (request.look || request.section)
        return badUsage(QStringLiteral("--look e --section valgono solo per la vista 3D (--view)"));
    Form4 &form = Single::instance<Form4>();
    form.resize(size);
    form.surface().resize(size, form.devicePixelRatioF(), Twips::logicalDpi());
    document.view.reset();
    form.drawPicture(document, incr);
    if (const std::optional<QString> failure = PictureFormats::save(form.picture(), request.path, request.format->format))
        return refused(PictureFormats::failedSave(PictureFormats::Kind::Picture, request.path, *failure));
    return std::nullopt;
}

// The 3D view as it would show the curves at that size and angles, zoom 100%.
void showIn(ViewArea &area, const CommandLine::ExportRequest &request, const PictureDocument &document, QSize size)
{
    area.resize(size);
    area.setCurves(document.curves);
    area.setAngles(document.view.value_or(Turntable().angles()));
    if (request.dotSize)
        area.setDotSize(*request.dotSize);
    if (request.legend)
        area.setLegend(ViewWords::legend(document.curves, std::nullopt));
    area.setLook(document.look);
    area.setSection(document.section);
}

// What the 3D view's "Salva immagine…" would write.
std::optional<Refusal> view(const CommandLine::ExportRequest &request, const PictureDocument &document, QSize size)
{
    ViewArea area;
    showIn(area, request, document, size);
    MarkRecord marks;
    if (const std::optional<QString> failure =
            PictureFormats::save(area.picture(document.curves, marks), request.path, request.format->format))
        return refused(PictureFormats::failedSave(PictureFormats::Kind::Picture, request.path, *failure));
    return std::nullopt;
}

// What the 3D view's "Salva modello 3D…" would write; a file of solids names the curves it leaves out.
std::optional<Refusal> model(const CommandLine::ExportRequest &request, const PictureDocument &document)
{
    if (request.legend || request.dotSize)
        return badUsage(QStringLiteral("--legend e --dot-size valgono solo per le immagini della vista 3D"));
    if (request.look || request.section)
        return badUsage(QStringLiteral("--look e --section valgono solo per le immagini della vista 3D"));
    const ModelSaving::Outcome saved =
        ModelSaving::save(Model(document, request.modelSize.value_or(Model::defaultSide)), request.path, request.format->format);
    for (const QString &notice : saved.leftOut)
        std::fputs(QStringLiteral("elica: %1\n").arg(notice).toLocal8Bit().constData(), stderr);
    if (saved.failure)
        return refused(PictureFormats::failedSave(PictureFormats::Kind::Model, request.path, *saved.failure));
    return std::nullopt;
}

// What the 3D view's "Salva animazione…" would write: the last curve moves, the others stand still.
std::optional<Refusal> animation(const CommandLine::ExportRequest &request, const PictureDocument &document, QSize size)
{
    ViewArea area;
    showIn(area, request, document, size);
    PictureCurves still = document.curves;
    std::optional<PictureCurve> moving;
    if (request.sweep) {
        moving = still.back();
        still.pop_back();
    }
    const AnimationSave::Outcome saved =
        AnimationSave::write(area.motionScene(still, moving, {request.turn, request.sweep}), request.path, *request.format);
    if (saved.failure)
        return refused(PictureFormats::failedSave(PictureFormats::Kind::Animation, request.path, *saved.failure));
    return std::nullopt;
}

// The picture made and written, or why not.
std::optional<Refusal> made(const CommandLine::ExportRequest &request)
{
    std::variant<PictureDocument, Refusal> read = document(request);
    if (const Refusal *refusal = std::get_if<Refusal>(&read))
        return *refusal;
    PictureDocument &picture = std::get<PictureDocument>(read);
    const PictureFormats::Kind kind = request.format->kind;
    if (request.modelSize && kind != PictureFormats::Kind::Model)
        return badUsage(QStringLiteral("--model-size vale solo per un modello 3D (%1)").arg(CommandLine::extensions(PictureFormats::Kind::Model)));
    const bool ofTheView = kind != PictureFormats::Kind::Picture || request.view || picture.view;
    const QSize size = request.size.value_or(ofTheView ? CommandLine::viewSize : CommandLine::drawingSize);
    const std::variant<double, Refusal> incr = aspectFactor(request, size);
    if (const Refusal *refusal = std::get_if<Refusal>(&incr))
        return *refusal;
    if (!ofTheView)
        return drawing(request, picture, size, std::get<double>(incr));
    // The curves as the drawing screen would draw them, at the calibration's factor, seen from
    // the view's angles.
    for (PictureCurve &curve : picture.curves)
        curve.incr = curve.incr.value_or(std::get<double>(incr));
    picture.view = request.view ? request.view : picture.view;
    // The look asked for, else the opened picture's.
    if (request.look) {
        picture.look = *request.look;
        picture.section = request.section;
    } else {
        picture.section = picture.section || request.section;
    }
    switch (kind) {
    case PictureFormats::Kind::Model:
        return model(request, picture);
    case PictureFormats::Kind::Animation:
        return animation(request, picture, size);
    case PictureFormats::Kind::Picture:
        break;
    }
    return view(request, picture, size);
}
}

int Export::run(const CommandLine::ExportRequest &request)
{
    const std::optional<Refusal> refusal = made(request);
    if (!refusal)
        return 0;
    std::fputs(QStringLiteral("elica: %1\n").arg(refusal->message).toLocal8Bit().constData(), stderr);
    return refusal->status;
}
