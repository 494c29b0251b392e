#include "curve/Motion.h"

#include <algorithm>
#include <cmath>

namespace {
int framesOf(double seconds)
{
    return int(std::lround(seconds * MotionPace::framesPerSecond));
}

bool soundSeconds(double seconds)
{
    return seconds >= MotionPace::shortestSeconds && seconds <= MotionPace::longestSeconds;
}
}

int Turn::frames() const
{
    return framesOf(seconds);
}

bool Turn::isSound() const
{
    return soundSeconds(seconds);
}

std::optional<Turn> Turn::read(const QString &seconds, MotionNumber number)
{
    const std::optional<double> read = number(seconds);
    if (!read || !Turn{*read}.isSound())
        return std::nullopt;
    return Turn{*read};
}

int Sweep::passFrames() const
{
    return framesOf(seconds);
}

int Sweep::frames() const
{
    switch (repeat) {
    case Repeat::BackAndForth:
        return 2 * passFrames();
    case Repeat::Forward:
        return passFrames();
    case Repeat::Once:
        break;
    }
    return passFrames() + 1;
}

bool Sweep::isSound() const
{
    return value >= 0 && value < CurveFields::shaping && std::isfinite(from) && std::isfinite(to) && from != to
        && soundSeconds(seconds);
}

double Sweep::valueAt(double t) const
{
    return valueAtFrame(std::max(0.0, t) * MotionPace::framesPerSecond, frames());
}

double Sweep::valueAtFrame(double frame, int frameCount) const
{
    const double count = frameCount;
    switch (repeat) {
    case Repeat::BackAndForth: {
        const double at = std::fmod(frame, count);
        const double half = count / 2;
        return valueAtProgress(at <= half ? at / half : (count - at) / half);
    }
    case Repeat::Forward:
        return valueAtProgress(std::fmod(frame, count) / count);
    case Repeat::Once:
        break;
    }
    return valueAtProgress(std::min(frame / (count - 1), 1.0));
}

double Sweep::valueAtProgress(double progress) const
{
    const double swept = std::lerp(from, to, progress);
    if (value != ratio || swept != 0)
        return swept;
    const double step = 1.0 / passFrames();
    const double beside = std::lerp(from, to, progress + step <= 1 ? progress + step : progress - step);
    if (beside != 0)
        return beside;
    return std::abs(to) > std::abs(from) ? to : from;
}

void Sweep::apply(CurveValues &values, double swept) const
{
    values.*CurveFields::all()[std::size_t(value)].member = swept;
}

std::array<CurveValues, 2> Sweep::ends(const CurveValues &values) const
{
    std::array<CurveValues, 2> out{values, values};
    apply(out[0], from);
    apply(out[1], to);
    return out;
}

std::optional<int> Sweep::valueNamed(const QString &name)
{
    for (int i = 0; i < CurveFields::shaping; ++i)
        if (name == QLatin1String(CurveFields::all()[std::size_t(i)].name))
            return i;
    return std::nullopt;
}

std::optional<Repeat> Sweep::repeatNamed(const QString &word)
{
    for (std::size_t i = 0; i < repeatNames.size(); ++i)
        if (word == repeatWord(Repeat(i)))
            return Repeat(i);
    return std::nullopt;
}

QString Sweep::repeatWord(Repeat repeat)
{
    return QString::fromUtf8(repeatNames[std::size_t(repeat)]).replace(u' ', u'-');
}

std::optional<Sweep> Sweep::read(const QStringList &words, MotionNumber number)
{
    if (words.size() < 3 || words.size() > 5)
        return std::nullopt;
    const std::optional<int> value = valueNamed(words[0]);
    const std::optional<double> from = number(words[1]);
    const std::optional<double> to = number(words[2]);
    const std::optional<double> seconds = words.size() > 3 ? number(words[3]) : std::optional(givenSeconds);
    const std::optional<Repeat> repeat = words.size() > 4 ? repeatNamed(words[4]) : std::optional(givenRepeat);
    if (!value || !from || !to || !seconds || !repeat)
        return std::nullopt;
    const Sweep read{*value, *from, *to, *seconds, *repeat};
    if (!read.isSound())
        return std::nullopt;
    return read;
}

int Motion::frames() const
{
    return std::max(turn ? turn->frames() : 0, sweep ? sweep->frames() : 0);
}

bool Motion::loops() const
{
    return !sweep || sweep->loops();
}

Motion::Frame Motion::frame(int index) const
{
    const int count = frames();
    Frame out{turn ? Turn::degrees * index / count : 0, std::nullopt};
    if (sweep)
        out.value = sweep->valueAtFrame(index, count);
    return out;
}
