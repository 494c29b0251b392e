#include "pages/IntroFormulas.h"

namespace {
// Formulas are set at 12 pt with 7 pt subscripts: variables and Greek letters
// in italic; function names, numbers, primes (an upright apostrophe) and
// relations upright.
const Style italic{.face = Face::Serif, .italic = true};
const Style upright{.face = Face::Serif};
const Style subscript{.face = Face::Serif, .points = 7.0};

Piece var(double x, double y, const char *text, Link link = Link::Space)
{
    return {x, y, {QString::fromUtf8(text), italic}, link};
}
Piece roman(double x, double y, const char *text) { return {x, y, {QString::fromUtf8(text), upright}}; }
Piece sub(double x, double y, const char *text) { return {x, y, {QString::fromUtf8(text), subscript}, Link::Attached}; }
Piece prime(double x, double y) { return {x, y, {QStringLiteral("'"), upright}, Link::Attached}; }

// x in millimetres from the formula's left edge; y from its main baseline.
// Each piece also says how it is read after the one before it (see Link).
// Spacing: a thin space (0.71 mm, a sixth of an em) beside function names,
// 1.2 mm each side of +, 1.55 mm each side of = and ≤; products are juxtaposed.

// Three rows gathered by a brace, starting 2.5 mm right of its point; the
// middle row sits on the line. OA carries an overbar 3.9 mm above each row.
const Formula ellipseAndSpiral{
    {62.1, 26.6},
    {
        var(2.5, -7.1, "OA"), roman(8.85, -7.1, "cos"), var(15.2, -7.1, "γ"), sub(16.97, -6.2, "1"),
        roman(19.75, -7.1, "="), var(23.69, -7.1, "q"), roman(26.51, -7.1, "cos"), var(32.86, -7.1, "μ"),
        roman(36.18, -7.1, "+"), var(39.77, -7.1, "q"), prime(41.94, -7.1), var(43.41, -7.1, "υ"),
        roman(46.05, -7.1, "cos"), var(52.4, -7.1, "ρ"),

        var(2.5, 0.0, "OA", Link::Apart), roman(8.85, 0.0, "cos"), var(15.2, 0.0, "γ"),
        roman(18.42, 0.0, "="), var(22.35, 0.0, "m"), roman(26.11, 0.0, "sin"), var(31.76, 0.0, "μ"),
        roman(35.09, 0.0, "+"), var(38.67, 0.0, "m"), prime(41.78, 0.0), var(43.25, 0.0, "υ"),
        roman(45.9, 0.0, "sin"), var(51.54, 0.0, "ρ"),

        var(2.5, 7.4, "OA", Link::Apart), roman(8.85, 7.4, "cos"), var(15.2, 7.4, "γ"),
        roman(18.42, 7.4, "="), var(22.35, 7.4, "b"), var(24.47, 7.4, "μ"),
        roman(27.79, 7.4, "+"), var(31.38, 7.4, "b"), var(33.5, 7.4, "υ"),
    },
    {{2.7, 8.16, -11.0}, {2.7, 8.16, -3.9}, {2.7, 8.16, 3.5}},
    {{0.0, -11.0, 10.1}},
};

const Formula muRange{
    {82.4, 45.6},
    {roman(0.0, 0.0, "0"), roman(3.67, 0.0, "≤"), var(7.54, 0.0, "μ"), roman(11.21, 0.0, "≤"),
     roman(15.09, 0.0, "360°")},
};

// υ over η on a bar as wide as the letters, then = d; after a gap of fourteen
// thin spaces (each a sixth of an em, 2 pt), υ = η d with a thin space before d.
const Formula angleRatio{
    {110.2, 54.1},
    {var(0.18, -2.7, "υ"), var(0.1, 3.1, "η", Link::Over), roman(4.11, 0.0, "="), var(8.04, 0.0, "d"),
     var(20.04, 0.0, "υ", Link::Apart), roman(23.53, 0.0, "="), var(27.47, 0.0, "η"), var(30.27, 0.0, "d")},
    {{0.1, 2.2, -1.2}},
};
}

const QList<Formula> &introFormulas()
{
    static const QList<Formula> formulas{ellipseAndSpiral, muRange, angleRatio};
    return formulas;
}
