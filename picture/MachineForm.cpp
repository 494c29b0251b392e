#include "picture/MachineForm.h"
#include "curve/CurveFields.h"
#include "picture/PictureCheck.h"

#include <QList>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
// Far more than the longest form of the most curves a file may hold.
constexpr qsizetype longestForm = qsizetype(PictureCheck::maxCurves) * 400 + 1024;

void append(QByteArray &out, double value)
{
    char digits[32];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
    out += ' ';
    out.append(digits, written.ptr - digits);
}

std::optional<double> number(const QByteArray &token)
{
    double value = 0;
    const char *end = token.constData() + token.size();
    const std::from_chars_result read = std::from_chars(token.constData(), end, value);
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> whole(const QByteArray &token)
{
    int value = 0;
    const char *end = token.constData() + token.size();
    const std::from_chars_result read = std::from_chars(token.constData(), end, value);
    if (read.ec != std::errc() || read.ptr != end)
        return std::nullopt;
    return value;
}

QString unreadable(int line)
{
    return QStringLiteral("i dati esatti del disegno sono illeggibili alla riga %1").arg(line);
}

// "curve", the colour, the eight values, the aspect factor.
std::optional<PictureCurve> curve(const QList<QByteArray> &tokens)
{
    if (tokens.size() != CurveFields::count + 3)
        return std::nullopt;
    const std::optional<int> colour = whole(tokens[1]);
    std::array<double, CurveFields::count> values;
    for (int i = 0; i < CurveFields::count; ++i) {
        const std::optional<double> value = number(tokens[i + 2]);
        if (!value)
            return std::nullopt;
        values[std::size_t(i)] = *value;
    }
    const std::optional<double> incr = number(tokens.constLast());
    if (!colour || !incr)
        return std::nullopt;
    return PictureCurve{*colour, CurveFields::fromNumbers(values), *incr};
}

std::optional<double> formNumber(const QString &token)
{
    return number(token.toLatin1());
}

QStringList words(const QList<QByteArray> &tokens)
{
    QStringList out;
    for (const QByteArray &token : tokens)
        out << QString::fromLatin1(token);
    return out;
}

// "turn", the degrees of a full turn, its seconds.
std::optional<Turn> turn(const QList<QByteArray> &tokens)
{
    if (tokens.size() != 3 || number(tokens[1]) != Turn::degrees)
        return std::nullopt;
    return Turn::read(QString::fromLatin1(tokens[2]), formNumber);
}

// "sweep" and all five words of the sweep.
std::optional<Sweep> sweep(const QList<QByteArray> &tokens)
{
    if (tokens.size() != 6)
        return std::nullopt;
    return Sweep::read(words(tokens.sliced(1)), formNumber);
}
}

QByteArray MachineForm::write(const PictureDocument &document)
{
    const bool looked = document.view && (document.look != ViewLook::dots || document.section);
    QByteArray out = keyword() + ' ' + QByteArray::number(looked ? version : 1) + '\n';
    for (const PictureCurve &c : document.curves) {
        out += "curve " + QByteArray::number(c.colour);
        for (double value : CurveFields::numbers(c.values))
            append(out, value);
        append(out, c.incr.value_or(std::numeric_limits<double>::quiet_NaN()));
        out += '\n';
    }
    if (document.view) {
        out += "view";
        append(out, document.view->azimuth);
        append(out, document.view->elevation);
        out += '\n';
    }
    if (looked) {
        out += QByteArray("look ") + ViewLooks::of(document.look).word;
        if (document.section)
            out += ' ' + ViewLooks::sectionWord().toLatin1();
        out += '\n';
    }
    if (document.motion && document.motion->turn) {
        out += "turn";
        append(out, Turn::degrees);
        append(out, document.motion->turn->seconds);
        out += '\n';
    }
    if (document.motion && document.motion->sweep) {
        const Sweep &s = *document.motion->sweep;
        out += QByteArray("sweep ") + s.valueName();
        for (double value : {s.from, s.to, s.seconds})
            append(out, value);
        out += ' ' + Sweep::repeatWord(s.repeat).toLatin1() + '\n';
    }
    return out;
}

std::variant<PictureDocument, QString> MachineForm::read(const QByteArray &text)
{
    if (text.size() > longestForm)
        return QStringLiteral("i dati esatti del disegno sono troppo lunghi");
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return unreadable(1);
    const QList<QByteArray> header = lines.constFirst().simplified().split(' ');
    const std::optional<int> written = header.size() == 2 && header[0] == keyword() ? whole(header[1]) : std::nullopt;
    if (!written || *written < 1)
        return unreadable(1);
    if (*written > version)
        return QStringLiteral("il file è stato scritto da una versione più recente di Elica (dati di formato %1)").arg(*written);

    PictureDocument document;
    bool looked = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> tokens = lines[i].simplified().split(' ');
        if (tokens[0] == "curve" && !document.view && !document.motion) {
            const std::optional<PictureCurve> read = curve(tokens);
            if (!read)
                return unreadable(int(i) + 1);
            if (document.curves.size() == std::size_t(PictureCheck::maxCurves))
                return QStringLiteral("il file contiene più di %1 curve").arg(PictureCheck::maxCurves);
            document.curves.push_back(*read);
        } else if (tokens[0] == "view" && !document.view && tokens.size() == 3) {
            const std::optional<double> azimuth = number(tokens[1]);
            const std::optional<double> elevation = number(tokens[2]);
            if (!azimuth || !elevation)
                return unreadable(int(i) + 1);
            document.view = ViewAngles{*azimuth, *elevation};
        } else if (tokens[0] == "look" && *written >= 2 && document.view && !looked && !document.motion) {
            const std::optional<ViewLook> look = tokens.size() >= 2 ? ViewLooks::named(QString::fromLatin1(tokens[1])) : std::nullopt;
            const bool section = tokens.size() == 3 && tokens[2] == ViewLooks::sectionWord().toLatin1();
            if (!look || tokens.size() > 3 || (tokens.size() == 3 && !section))
                return unreadable(int(i) + 1);
            document.look = *look;
            document.section = section;
            looked = true;
        } else if (tokens[0] == "turn" && !(document.motion && document.motion->turn)) {
            const std::optional<Turn> read = turn(tokens);
            if (!read)
                return unreadable(int(i) + 1);
            document.motion = document.motion.value_or(Motion{});
            document.motion->turn = read;
        } else if (tokens[0] == "sweep" && !(document.motion && document.motion->sweep)) {
            const std::optional<Sweep> read = sweep(tokens);
            if (!read)
                return unreadable(int(i) + 1);
            document.motion = document.motion.value_or(Motion{});
            document.motion->sweep = read;
        } else {
            return unreadable(int(i) + 1);
        }
    }
    if (std::optional<QString> problem = PictureCheck::problem(document))
        return *problem;
    return document;
}
