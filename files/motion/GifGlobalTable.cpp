#include "files/motion/GifGlobalTable.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {
struct Ramp {
    QRgb from;
    int steps[3];
    int length; // the largest of the three steps
};

Ramp rampOf(QRgb from, QRgb to)
{
    Ramp ramp{from, {qRed(to) - qRed(from), qGreen(to) - qGreen(from), qBlue(to) - qBlue(from)}, 0};
    for (int step : ramp.steps)
        ramp.length = std::max(ramp.length, std::abs(step));
    return ramp;
}

// The colour a fraction t of the way, beyond the end for t over 1; none outside the colour cube.
std::optional<QRgb> along(const Ramp &ramp, double t)
{
    const int from[3] = {qRed(ramp.from), qGreen(ramp.from), qBlue(ramp.from)};
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        channels[i] = int(std::lround(from[i] + ramp.steps[i] * t));
        if (channels[i] < 0 || channels[i] > 255)
            return std::nullopt;
    }
    return qRgb(channels[0], channels[1], channels[2]);
}

// Strictly between the two ends, within the rounding of each channel.
bool between(const Ramp &ramp, QRgb colour)
{
    const int channels[3] = {qRed(colour) - qRed(ramp.from), qGreen(colour) - qGreen(ramp.from), qBlue(colour) - qBlue(ramp.from)};
    int longest = 0;
    for (int i = 1; i < 3; ++i)
        if (std::abs(ramp.steps[i]) > std::abs(ramp.steps[longest]))
            longest = i;
    const double t = double(channels[longest]) / ramp.steps[longest];
    if (!(t > 0 && t < 1))
        return false;
    for (int i = 0; i < 3; ++i)
        if (std::abs(ramp.steps[i] * t - channels[i]) > 1)
            return false;
    return true;
}
}

GifPalette GifGlobalTable::of(const GifPalette &colours, const std::vector<std::uint8_t> &pixels)
{
    GifPalette table = colours;
    const int room = GifPalette::most - 1;
    if (colours.size() < 3 || colours.size() >= room)
        return table;
    std::array<std::size_t, GifPalette::most> counts{};
    for (std::uint8_t index : pixels)
        ++counts[index];
    int background = 0;
    for (int i = 1; i < colours.size(); ++i)
        if (counts[std::size_t(i)] > counts[std::size_t(background)])
            background = i;
    // The edges' colour is the one with the most of the frame's colours between it and the background.
    int bestBlends = 0;
    Ramp edges{};
    for (int end = 0; end < colours.size(); ++end) {
        if (end == background)
            continue;
        const Ramp ramp = rampOf(colours.colour(background), colours.colour(end));
        int blends = 0;
        for (int i = 0; i < colours.size(); ++i)
            blends += i != background && i != end && between(ramp, colours.colour(i));
        if (blends > bestBlends) {
            bestBlends = blends;
            edges = ramp;
        }
    }
    // The frame may not show the edges' very colour, where an edge covers a pixel whole: the ramp
    // goes on beyond its end, for the room that is left.
    for (int step = 1; bestBlends > 0 && table.size() < room; ++step) {
        const std::optional<QRgb> blend = along(edges, double(step) / edges.length);
        if (!blend)
            break;
        table.add(*blend);
    }
    return table;
}
