#include "view3d/ViewMotion.h"
#include "curve/CurveChecks.h"
#include "curve/PictureNews.h"
#include "keeping/SaveFlow.h"
#include "parameters/Form3.h"
#include "runtime/NumberText.h"
#include "runtime/Single.h"
#include "view3d/SweepStrip.h"
#include "view3d/ViewArea.h"
#include "view3d/ViewDialogs.h"

#include <QBoxLayout>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace {
// "1,25": the value as the status line shows it, to a hundredth.
QString shortNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', 2);
    if (text.contains(locale.decimalPoint())) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text == locale.negativeSign() + u'0' ? QStringLiteral("0") : text;
}

// A pass from the field's value less half of it to the value more half of it, or around 0.
Sweep startingSweep()
{
    Sweep sweep;
    const std::optional<double> typed = NumberText::parse(Single::instance<Form3>().fieldTexts()[std::size_t(sweep.value)]);
    const double value = typed.value_or(0);
    sweep.from = value == 0 ? -1 : value * 0.5;
    sweep.to = value == 0 ? 1 : value * 1.5;
    return sweep;
}

// "2,88 s, 72 fotogrammi"
QString lengthOf(const Motion &motion)
{
    const int frames = motion.frames();
    return QStringLiteral("%1 s, %2 fotogrammi")
        .arg(NumberText::fromDouble(double(frames) / MotionPace::framesPerSecond))
        .arg(frames);
}
}

ViewMotion::ViewMotion(QWidget &window, ViewArea &area, QBoxLayout &layout)
    : QObject(&window), m_window(window), m_area(area), m_strip(new SweepStrip(&window)), m_progressRow(new QWidget(&window)),
      m_progress(new QProgressBar(m_progressRow)), m_cancel(new QPushButton(QStringLiteral("A&nnulla"), m_progressRow))
{
    m_strip->hide();
    layout.addWidget(m_strip);
    auto *row = new QHBoxLayout(m_progressRow);
    row->setContentsMargins(6, 3, 6, 3);
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancel);
    m_progress->setAccessibleName(QStringLiteral("Salvataggio dell'animazione"));
    m_progressRow->setObjectName(QStringLiteral("AnimationProgress"));
    m_progressRow->hide();
    layout.addWidget(m_progressRow);

    connect(m_strip, &SweepStrip::valueChanged, this, &ViewMotion::step);
    connect(m_strip, &SweepStrip::useValue, this, [](int index, double value) { Single::instance<Form3>().typeValue(index, value); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_saving)
            m_saving->cancel();
    });
    // The fields' curve moves with the fields, and takes the colour after each new drawing's.
    for (const auto news : {&PictureNews::previewChanged, &PictureNews::curvesChanged})
        connect(&Single::instance<PictureNews>(), news, this, [this] {
            if (animating())
                step();
        });
}

bool ViewMotion::animating() const
{
    return m_strip->isVisibleTo(&m_window);
}

void ViewMotion::setAnimating(bool on)
{
    if (on == animating())
        return;
    if (on) {
        if (!m_shownBefore)
            m_strip->setSweep(startingSweep());
        m_shownBefore = true;
        m_strip->show();
        m_strip->restart();
    } else {
        m_strip->hide();
        m_status.clear();
        m_area.setExtent({});
        m_area.setFocus(Qt::OtherFocusReason);
    }
    emit animatingChanged(on);
    emit changed();
}

void ViewMotion::takeSettings(const PictureDocument &opened)
{
    if (!opened.motion || !opened.motion->sweep)
        return;
    m_shownBefore = true;
    m_strip->setSweep(*opened.motion->sweep);
    if (animating())
        m_strip->restart();
}

std::optional<PictureCurve> ViewMotion::movingCurve(std::optional<double> value) const
{
    const std::optional<Sweep> sweep = m_strip->sweep();
    if (!sweep)
        return std::nullopt;
    const Form3 &fields = Single::instance<Form3>();
    std::array<QString, CurveFields::count> texts = fields.fieldTexts();
    // The moving value's own text does not count: any number stands in for it.
    texts[std::size_t(sweep->value)] = QStringLiteral("1");
    const std::variant<CurveValues, QString> read = CurveChecks::read(texts, NumberText::parse);
    if (!std::holds_alternative<CurveValues>(read))
        return std::nullopt;
    CurveValues values = std::get<CurveValues>(read);
    sweep->apply(values, value.value_or(sweep->from));
    return PictureCurve{fields.nextColour(), values, std::nullopt};
}

void ViewMotion::step()
{
    if (!animating())
        return;
    const std::optional<Sweep> sweep = m_strip->sweep();
    const std::optional<PictureCurve> base = movingCurve(std::nullopt);
    m_strip->setCurveValid(base.has_value());
    const std::optional<double> value = m_strip->value();
    if (base && value) {
        const std::array<CurveValues, 2> ends = sweep->ends(base->values);
        m_area.setExtent({ends.begin(), ends.end()});
        m_area.setPreview(movingCurve(value));
        m_status = QStringLiteral("anima %1: %2").arg(QString::fromUtf8(sweep->valueName()), shortNumber(*value));
    } else {
        m_area.setExtent({});
        m_area.setPreview(std::nullopt);
        m_status = QStringLiteral("anima: valori non validi");
    }
    emit changed();
}

void ViewMotion::save()
{
    const std::optional<Sweep> sweep = m_strip->sweep();
    const bool valueMoves = animating() && sweep && movingCurve(std::nullopt);
    const auto motionOf = [&sweep](const ViewDialogs::MotionChoice &choice) {
        Motion motion;
        if (choice.turn)
            motion.turn = Turn{choice.turnSeconds};
        if (choice.value)
            motion.sweep = sweep;
        return motion;
    };
    const std::optional<ViewDialogs::MotionChoice> choice = ViewDialogs::askMotion(
        &m_window, {true, valueMoves, Turn{}.seconds}, valueMoves, [&](const ViewDialogs::MotionChoice &c) { return lengthOf(motionOf(c)); });
    if (!choice || (!choice->turn && !choice->value))
        return;
    const std::optional<SaveFlow::Target> file =
        SaveFlow::ask(PictureFormats::Kind::Animation, SaveFlow::dialog(m_window, QStringLiteral("Salva animazione")));
    if (!file)
        return;
    const auto [path, format] = *file;
    const Motion motion = motionOf(*choice);
    const std::optional<PictureCurve> moving = motion.sweep ? movingCurve(std::nullopt) : std::nullopt;
    m_savingPath = path;
    m_saving = std::make_unique<AnimationSave>(
        m_area.motionScene(Single::instance<PictureNews>().curves(), moving, motion), path, *format);
    m_progress->setRange(0, motion.frames());
    m_progress->setValue(0);
    m_progressRow->show();
    emit savingChanged(true);
    connect(m_saving.get(), &AnimationSave::progressed, m_progress, [this](int done) { m_progress->setValue(done); });
    connect(m_saving.get(), &AnimationSave::finished, this, &ViewMotion::saved);
}

void ViewMotion::saved(const SavedFile::Outcome &outcome)
{
    m_progressRow->hide();
    // Not destroyed inside its own signal.
    m_saving.release()->deleteLater();
    emit savingChanged(false);
    SaveFlow::tell(PictureFormats::Kind::Animation, m_savingPath, outcome);
}
