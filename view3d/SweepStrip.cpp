#include "view3d/SweepStrip.h"
#include "curve/CurveFields.h"
#include "runtime/NumberText.h"

#include <QComboBox>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QDoubleSpinBox>
#include <algorithm>
#include <cmath>

namespace {
constexpr int tickMilliseconds = 16;
constexpr int sliderSteps = 1000;

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
}

SweepStrip::SweepStrip(QWidget *parent)
    : QWidget(parent), m_value(new QComboBox(this)), m_from(new QLineEdit(this)), m_to(new QLineEdit(this)),
      m_seconds(new QDoubleSpinBox(this)), m_repeat(new QComboBox(this)), m_play(new QPushButton(this)),
      m_slider(new QSlider(Qt::Horizontal, this)), m_use(new QPushButton(QStringLiteral("&Usa questo valore"), this)),
      m_note(new QLabel(this))
{
    setObjectName(QStringLiteral("SweepStrip"));
    for (int i = 0; i < CurveFields::shaping; ++i)
        m_value->addItem(QString::fromUtf8(CurveFields::all()[std::size_t(i)].name));
    for (const char *repeat : Sweep::repeatNames)
        m_repeat->addItem(QString::fromUtf8(repeat));
    m_seconds->setRange(MotionPace::shortestSeconds, MotionPace::longestSeconds);
    m_seconds->setDecimals(2);
    m_seconds->setSuffix(QStringLiteral(" s"));
    m_from->setMaximumWidth(90);
    m_to->setMaximumWidth(90);
    m_slider->setRange(0, sliderSteps);
    m_slider->setAccessibleName(QStringLiteral("Valore animato"));
    m_from->setAccessibleName(QStringLiteral("da"));
    m_to->setAccessibleName(QStringLiteral("a"));
    m_seconds->setAccessibleName(QStringLiteral("durata"));
    m_value->setAccessibleName(QStringLiteral("Valore"));
    m_repeat->setAccessibleName(QStringLiteral("Ripetizione"));

    // The settings on one row, the value itself on the next, the slider taking the width.
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 3, 6, 3);
    rows->setSpacing(2);
    auto *settings = new QHBoxLayout;
    settings->addWidget(labelFor(QStringLiteral("&Valore"), m_value, this));
    settings->addWidget(m_value);
    settings->addWidget(labelFor(QStringLiteral("&da"), m_from, this));
    settings->addWidget(m_from);
    settings->addWidget(labelFor(QStringLiteral("&a"), m_to, this));
    settings->addWidget(m_to);
    settings->addWidget(labelFor(QStringLiteral("du&rata"), m_seconds, this));
    settings->addWidget(m_seconds);
    settings->addWidget(m_repeat);
    settings->addWidget(m_note, 1);
    rows->addLayout(settings);
    auto *now = new QHBoxLayout;
    now->addWidget(m_play);
    now->addWidget(m_slider, 1);
    now->addWidget(m_use);
    rows->addLayout(now);

    m_tick.setInterval(tickMilliseconds);
    connect(&m_tick, &QTimer::timeout, this, &SweepStrip::tick);
    // Paused, the value shown is the one it stopped at, which "Usa questo valore" takes.
    connect(m_play, &QPushButton::clicked, this, [this] {
        setPlaying(!playing());
        emit valueChanged();
    });
    // By the pointer or the keys: the ticks that follow the motion move it with its signals held.
    connect(m_slider, &QSlider::valueChanged, this, &SweepStrip::followSlider);
    connect(m_use, &QPushButton::clicked, this, [this] {
        if (const std::optional<double> now = value())
            emit useValue(m_value->currentIndex(), *now);
    });
    for (QLineEdit *bound : {m_from, m_to})
        connect(bound, &QLineEdit::textEdited, this, &SweepStrip::settingsChanged);
    connect(m_seconds, &QDoubleSpinBox::valueChanged, this, &SweepStrip::settingsChanged);
    connect(m_value, &QComboBox::currentIndexChanged, this, &SweepStrip::settingsChanged);
    connect(m_repeat, &QComboBox::currentIndexChanged, this, &SweepStrip::settingsChanged);
    setSweep(Sweep{});
}

std::optional<Sweep> SweepStrip::sweep() const
{
    const std::optional<double> from = NumberText::parse(m_from->text());
    const std::optional<double> to = NumberText::parse(m_to->text());
    if (!from || !to)
        return std::nullopt;
    const Sweep read{m_value->currentIndex(), *from, *to, m_seconds->value(), Repeat(m_repeat->currentIndex())};
    return read.isSound() ? std::optional<Sweep>(read) : std::nullopt;
}

void SweepStrip::setSweep(const Sweep &sweep)
{
    {
        const QSignalBlocker blockValue(m_value), blockSeconds(m_seconds), blockRepeat(m_repeat);
        m_value->setCurrentIndex(sweep.value);
        m_from->setText(NumberText::fromDouble(sweep.from));
        m_to->setText(NumberText::fromDouble(sweep.to));
        m_seconds->setValue(sweep.seconds);
        m_repeat->setCurrentIndex(int(sweep.repeat));
    }
    settingsChanged();
}

std::optional<double> SweepStrip::value() const
{
    const std::optional<Sweep> settings = sweep();
    if (!settings || !m_curveValid)
        return std::nullopt;
    return settings->valueAt(elapsed());
}

double SweepStrip::elapsed() const
{
    return m_time + (playing() ? double(m_clock.elapsed()) / 1000 : 0);
}

void SweepStrip::setCurveValid(bool valid)
{
    if (valid == m_curveValid)
        return;
    m_curveValid = valid;
    showNote();
}

void SweepStrip::restart()
{
    m_time = 0;
    setPlaying(true);
    emit valueChanged();
}

void SweepStrip::setPlaying(bool on)
{
    if (on) {
        m_clock.start();
        m_tick.start();
    } else {
        m_time = elapsed();
        m_clock.invalidate();
        m_tick.stop();
    }
    m_play->setText(on ? QStringLiteral("&Pausa") : QStringLiteral("A&vvia"));
}

// By the time gone, not by the ticks: the motion keeps its pace when frames come late.
void SweepStrip::tick()
{
    if (const std::optional<Sweep> settings = sweep()) {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(int(std::lround((settings->valueAt(elapsed()) - settings->from) / (settings->to - settings->from) * sliderSteps)));
    }
    emit valueChanged();
}

// The slider stands for a place between the bounds, on the way from the first to the second: the
// motion stops there. Its far end is the second bound, which a pass that starts again at the first
// only comes near.
void SweepStrip::followSlider(int position)
{
    setPlaying(false);
    if (const std::optional<Sweep> settings = sweep()) {
        const double lastFrame = settings->repeat == Repeat::Forward ? double(settings->passFrames() - 1) / settings->passFrames() : 1;
        m_time = std::min(double(position) / sliderSteps, lastFrame) * settings->seconds;
    }
    emit valueChanged();
}

void SweepStrip::settingsChanged()
{
    showNote();
    emit valueChanged();
}

void SweepStrip::showNote()
{
    if (!sweep())
        m_note->setText(QStringLiteral("«da» e «a» vogliono due numeri diversi"));
    else if (!m_curveValid)
        m_note->setText(QStringLiteral("valori non validi"));
    else
        m_note->clear();
    m_use->setEnabled(sweep() && m_curveValid);
}

void SweepStrip::hideEvent(QHideEvent *event)
{
    setPlaying(false);
    QWidget::hideEvent(event);
}
