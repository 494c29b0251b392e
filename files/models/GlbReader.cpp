// A GLB's words, from its asset's extras. The chunks are checked against the file's length before
// any is read, and only the JSON chunk is read: a length that claims more than the file holds
// would otherwise have that much memory set aside first.
#include "files/models/GlbLayout.h"
#include "files/models/ModelFiles.h"
#include "files/models/ModelWords.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {
// Far more than the JSON of the most curves a picture may hold, a megabyte and a half.
constexpr qint64 longestJson = 16 << 20;
constexpr int mostChunks = 8;

QString damaged(const QString &why)
{
    return QStringLiteral("il modello GLB è danneggiato o incompleto (%1)").arg(why);
}

QString chunksDoNotFit()
{
    return damaged(QStringLiteral("le sue parti non tornano con la sua lunghezza"));
}

std::uint32_t word(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}
}

bool ModelFiles::isGlb(const QByteArray &head)
{
    return head.startsWith("glTF");
}

WordsReading ModelFiles::readGlb(QIODevice &device, const WordKeys &keys)
{
    const qint64 size = device.size();
    const QByteArray header = device.seek(0) ? device.read(GlbLayout::headerSize) : QByteArray();
    if (header.size() < GlbLayout::headerSize || word(header, 0) != GlbLayout::magic)
        return QStringLiteral("il file non è un modello GLB");
    if (word(header, 4) != GlbLayout::version)
        return QStringLiteral("il modello GLB è della versione %1 di glTF, ed Elica legge la 2").arg(word(header, 4));
    if (word(header, 8) != size)
        return damaged(QStringLiteral("dice di avere %1 byte e ne ha %2").arg(word(header, 8)).arg(size));

    qint64 jsonAt = 0, jsonLength = 0;
    int chunks = 0;
    for (qint64 at = GlbLayout::headerSize; at < size;) {
        // The JSON and the binary data; a few more of a later glTF at most.
        if (++chunks > mostChunks)
            return chunksDoNotFit();
        const QByteArray chunk = size - at >= GlbLayout::chunkHeaderSize && device.seek(at) ? device.read(GlbLayout::chunkHeaderSize) : QByteArray();
        if (chunk.size() < GlbLayout::chunkHeaderSize)
            return chunksDoNotFit();
        const qint64 length = word(chunk, 0);
        if (at == GlbLayout::headerSize) {
            if (word(chunk, 4) != GlbLayout::jsonChunk)
                return damaged(QStringLiteral("la prima parte non è il JSON"));
            if (length > longestJson)
                return QStringLiteral("il modello GLB ha un JSON troppo lungo per un modello di Elica (%1 MB; al massimo %2)")
                    .arg((length + (1 << 20) - 1) >> 20)
                    .arg(longestJson >> 20);
            jsonAt = at + GlbLayout::chunkHeaderSize;
            jsonLength = length;
        }
        if (length > size - at - GlbLayout::chunkHeaderSize)
            return chunksDoNotFit();
        at += GlbLayout::chunkHeaderSize + length;
    }
    if (jsonAt == 0)
        return damaged(QStringLiteral("manca il JSON"));

    const QByteArray json = device.seek(jsonAt) ? device.read(jsonLength) : QByteArray();
    if (json.size() != jsonLength)
        return damaged(QStringLiteral("il JSON non si legge per intero"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return damaged(QStringLiteral("il JSON è illeggibile dal byte %1").arg(error.offset));
    const QJsonObject extras = document.object().value(QStringLiteral("asset")).toObject().value(QStringLiteral("extras")).toObject();
    QHash<QString, QString> texts;
    for (auto entry = extras.begin(); entry != extras.end(); ++entry)
        if (entry.value().isString())
            texts.insert(entry.key(), entry.value().toString());
    if (std::optional<FileWords> words = ModelWords::read(texts, keys))
        return *words;
    return QStringLiteral("il modello GLB non è di Elica: non dice quali curve contiene");
}
