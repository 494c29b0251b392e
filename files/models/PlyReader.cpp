// A PLY's words, from its comments, once the header has proved to be Elica's and the dots what
// it declares: as many as the file holds, every place a finite number.
#include "files/models/ModelFiles.h"
#include "files/models/ModelWords.h"
#include "files/models/PlyLayout.h"

#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {
// Far more than the header of the most curves a picture may hold, some 400 kB.
constexpr qint64 longestHeader = 1 << 20;
constexpr qint64 recordsAtOnce = 4096;

QString damaged(const QString &why)
{
    return QStringLiteral("il modello PLY è danneggiato o incompleto (%1)").arg(why);
}

// The header's lines without their ends, or why there is none. The header is looked for in one
// bounded read: a file whose header never ends is told apart by one search, not line by line.
std::variant<QList<QByteArray>, QString> headerLines(QIODevice &device)
{
    const QByteArray head = device.peek(longestHeader);
    qsizetype end = -1;
    qsizetype ending = 0;
    for (const QByteArray &marker : {QByteArray("\nend_header\n"), QByteArray("\nend_header\r\n")}) {
        const qsizetype at = head.indexOf(marker);
        if (at >= 0 && (end < 0 || at < end)) {
            end = at;
            ending = marker.size();
        }
    }
    if (end < 0)
        return head.size() < longestHeader ? damaged(QStringLiteral("l'intestazione non finisce"))
            : QStringLiteral("il modello PLY ha un'intestazione troppo lunga per un modello di Elica");
    if (!device.seek(device.pos() + end + ending))
        return damaged(QStringLiteral("non si legge"));
    QList<QByteArray> lines = head.left(end).split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// Why the dots cannot stand, if they cannot.
std::optional<QString> dotsProblem(QIODevice &device, qint64 count)
{
    for (qint64 first = 0; first < count; first += recordsAtOnce) {
        const qint64 records = std::min(recordsAtOnce, count - first);
        const QByteArray block = device.read(records * PlyLayout::recordSize);
        if (block.size() != records * PlyLayout::recordSize)
            return damaged(QStringLiteral("i punti non si leggono per intero"));
        for (qint64 at = 0; at < block.size(); at += PlyLayout::recordSize)
            for (int k = 0; k < 3; ++k)
                if (!std::isfinite(qFromLittleEndian<float>(block.constData() + at + 4 * k)))
                    return damaged(QStringLiteral("il punto %1 ha una coordinata che non è un numero finito")
                                       .arg(first + at / PlyLayout::recordSize + 1));
    }
    return std::nullopt;
}
}

bool ModelFiles::isPly(const QByteArray &head)
{
    return head.startsWith("ply\n") || head.startsWith("ply\r\n");
}

WordsReading ModelFiles::readPly(QIODevice &device, const WordKeys &keys)
{
    if (!device.seek(0))
        return damaged(QStringLiteral("non si legge"));
    const auto header = headerLines(device);
    if (const QString *why = std::get_if<QString>(&header))
        return *why;
    const QList<QByteArray> &lines = std::get<QList<QByteArray>>(header);
    if (lines.size() < 2 || lines[0] != "ply")
        return QStringLiteral("il file non è un modello PLY");
    if (lines[1] != "format " + PlyLayout::format())
        return QStringLiteral("il modello PLY non è nel formato %1, il solo che Elica scrive").arg(QLatin1String(PlyLayout::format()));

    QHash<QString, QStringList> comments;
    QList<QByteArray> properties;
    qint64 count = -1;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line.startsWith(PlyLayout::comment() + ' ')) {
            const QByteArray rest = line.mid(PlyLayout::comment().size() + 1);
            const qsizetype space = rest.indexOf(' ');
            comments[QString::fromUtf8(rest.left(space))].append(space < 0 ? QString() : QString::fromUtf8(rest.mid(space + 1)));
        } else if (line.startsWith(PlyLayout::vertexElement() + ' ') && count < 0) {
            bool ok = false;
            count = line.mid(PlyLayout::vertexElement().size() + 1).toLongLong(&ok);
            if (!ok || count < 0)
                return damaged(QStringLiteral("il numero dei punti è illeggibile"));
        } else {
            properties.append(line);
        }
    }
    if (count < 0 || properties != PlyLayout::vertexProperties())
        return QStringLiteral("il modello PLY non ha i punti come li scrive Elica");

    const qint64 data = device.size() - device.pos();
    if (count > data / PlyLayout::recordSize || count * PlyLayout::recordSize != data)
        return damaged(QStringLiteral("dice di avere %1 punti di %2 byte, e dopo l'intestazione ha %3 byte")
                           .arg(count)
                           .arg(PlyLayout::recordSize)
                           .arg(data));
    if (std::optional<QString> problem = dotsProblem(device, count))
        return *problem;

    QHash<QString, QString> texts;
    for (auto entry = comments.cbegin(); entry != comments.cend(); ++entry)
        texts.insert(entry.key(), entry.value().join(QLatin1Char('\n')));
    if (std::optional<FileWords> words = ModelWords::read(texts, keys))
        return *words;
    return QStringLiteral("il modello PLY non è di Elica: non dice quali curve contiene");
}
