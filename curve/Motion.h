#pragma once
// The 3D view in motion, as values: a full turn of the azimuth, a sweep of one of the six values
// that shape the figure between two bounds, or both in the same frames. A saved motion runs at
// 25 frames a second.

#include "curve/CurveFields.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace MotionPace {
constexpr int framesPerSecond = 25;
constexpr int frameCentiseconds = 100 / framesPerSecond;
constexpr double frameSeconds = 1.0 / framesPerSecond;
// A turn's or a sweep's pass lasts from 1 to 60 seconds.
constexpr double shortestSeconds = 1;
constexpr double longestSeconds = 60;
}

// A number read from a text: in the C locale in a file's machine form, with a decimal comma or
// point on the command line.
using MotionNumber = std::optional<double> (*)(const QString &text);

// One full turn of the azimuth; by default 72 frames, 5 degrees a frame.
struct Turn {
    static constexpr double degrees = 360;
    double seconds = 2.88;

    // round(seconds × 25)
    int frames() const;
    bool isSound() const;
    // The turn of the seconds a text gives, if it is sound.
    static std::optional<Turn> read(const QString &seconds, MotionNumber number);
    bool operator==(const Turn &) const = default;
};

enum class Repeat { BackAndForth, Forward, Once };

struct Sweep {
    // The swept value is one of the first CurveFields::shaping of the curve's values, the ones
    // that shape the figure, by its index in their order.
    static constexpr int ratio = CurveFields::ratio;
    // As the words say them, in the order of Repeat.
    static constexpr std::array<const char *, 3> repeatNames = {"avanti e indietro", "solo avanti", "una volta"};

    int value = 5;
    double from = 0.5;
    double to = 2;
    // One pass, from the first bound to the second.
    double seconds = 4;
    Repeat repeat = Repeat::BackAndForth;

    // A pass takes round(seconds × 25) frames. Back and forth makes twice as many and comes back
    // to the frame before the first, so that the loop has no jump; forward only makes a pass and
    // starts again at the first bound; once makes a pass and one frame more, which shows the
    // second bound and stays.
    int passFrames() const;
    int frames() const;
    bool loops() const { return repeat != Repeat::Once; }
    bool isSound() const;

    // The value t seconds after the start, at 25 frames a second. A ratio of 0 has no figure
    // (the parameter screen refuses it), so a ratio that would come out exactly 0 takes the value
    // one frame's step further towards the second bound (one step back from the second bound
    // itself); only bounds within a few smallest numbers of 0, whose step is lost, take the bound
    // farther from 0 instead.
    double valueAt(double t) const;
    // The value at a frame (whole or between two) of a motion of frameCount frames: the sweep's
    // own frames(), or more when a longer turn sets them and the sweep is spread over all.
    double valueAtFrame(double frame, int frameCount) const;
    // The values with the swept one set to value.
    void apply(CurveValues &values, double value) const;
    // The values at the two bounds: between them lie all the places the moving curve passes, as
    // every value enters the model points linearly.
    std::array<CurveValues, 2> ends(const CurveValues &values) const;
    // As the captions name the swept value: "passo".
    const char *valueName() const { return CurveFields::all()[std::size_t(value)].name; }
    // The value a name gives among those that shape the figure, the repeat a word gives ("avanti
    // e indietro" written "avanti-e-indietro", as in files and on the command line), and that word.
    static std::optional<int> valueNamed(const QString &name);
    static std::optional<Repeat> repeatNamed(const QString &word);
    static QString repeatWord(Repeat repeat);

    // What a sweep read from words takes when they stop before its seconds or its repeat.
    static constexpr double givenSeconds = 4;
    static constexpr Repeat givenRepeat = Repeat::Forward;
    // The sweep that words give, if it is sound: the value's name, the two bounds, then the
    // seconds of a pass and the repeat's word if given.
    static std::optional<Sweep> read(const QStringList &words, MotionNumber number);

    bool operator==(const Sweep &) const = default;

private:
    // progress runs from 0 at the first bound to 1 at the second.
    double valueAtProgress(double progress) const;
};

// At least one of the two. Together, the longer sets the number of frames and the other is spread
// over them: each makes exactly its own cycle (the full turn; the sweep's pass, or there and back)
// in the whole motion, so that a looping file loops without a jump in either.
struct Motion {
    std::optional<Turn> turn;
    std::optional<Sweep> sweep;

    struct Frame {
        // Degrees of azimuth since the first frame.
        double turned;
        std::optional<double> value;
    };

    int frames() const;
    // A sweep "una volta" plays once; every other motion loops for ever.
    bool loops() const;
    // 0 ≤ index < frames()
    Frame frame(int index) const;

    bool operator==(const Motion &) const = default;
};
