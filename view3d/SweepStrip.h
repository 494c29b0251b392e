#pragma once
// The strip under the 3D view that moves one value of the curve by itself between two bounds: the
// value, "da" and "a" in the locale's words, the seconds of a pass, the way it repeats, a button
// to pause and go on, a slider that moves the value by hand, and "Usa questo valore". While it
// plays, the value is the one a saved motion has at the time gone since the start.

#include "curve/Motion.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QDoubleSpinBox;

class SweepStrip : public QWidget {
    Q_OBJECT
public:
    explicit SweepStrip(QWidget *parent = nullptr);

    // The settings shown; nothing when the bounds are not numbers or are equal (the strip says so).
    std::optional<Sweep> sweep() const;
    void setSweep(const Sweep &sweep);
    // The value now; nothing while the settings or the curve's other values allow no curve.
    std::optional<double> value() const;
    bool playing() const { return m_clock.isValid(); }

    // Whether the curve's other values pass the checks; when they do not, the strip says so and
    // nothing moves.
    void setCurveValid(bool valid);
    // From the first bound, playing.
    void restart();

signals:
    // The value moved, or the settings changed.
    void valueChanged();
    void useValue(int index, double value);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void setPlaying(bool on);
    void tick();
    // Seconds into the motion, as the clock or the slider says.
    double elapsed() const;
    void settingsChanged();
    void showNote();
    void followSlider(int position);

    QComboBox *m_value;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QDoubleSpinBox *m_seconds;
    QComboBox *m_repeat;
    QPushButton *m_play;
    QSlider *m_slider;
    QPushButton *m_use;
    QLabel *m_note;

    QTimer m_tick;
    QElapsedTimer m_clock;
    // Seconds into the motion when the clock last stopped or was set.
    double m_time = 0;
    bool m_curveValid = true;
};
