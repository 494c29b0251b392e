#include "files/PictureReader.h"
#include "picture/LegacyWords.h"
#include "picture/MachineForm.h"
#include "files/PictureFormats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// "PNG, SVG, PDF, GIF, WebP, GLB o PLY": what can be opened.
QString knownFormats()
{
    QStringList names;
    for (const PictureFormats::Entry &entry : PictureFormats::all())
        if (entry.recognises)
            names << QLatin1String(entry.name);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
}

QString tooLarge(qint64 bytes)
{
    return QStringLiteral("il file è troppo grande (%1 MB; se ne aprono fino a %2 MB)")
        .arg((bytes + (1 << 20) - 1) >> 20)
        .arg(PictureReader::maxBytes >> 20);
}
}

PictureReader::Reading PictureReader::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("il file non esiste");
    if (info.isDir())
        return QStringLiteral("è una cartella, non un file");
    if (!info.isFile())
        return QStringLiteral("non è un file ordinario");
    if (info.size() > maxBytes)
        return tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.error() == QFileDevice::PermissionsError ? QStringLiteral("permesso negato") : file.errorString();
    return read(file, path);
}

PictureReader::Reading PictureReader::read(QIODevice &device, const QString &name)
{
    if (device.size() == 0)
        return QStringLiteral("il file è vuoto");
    if (device.size() > maxBytes)
        return tooLarge(device.size());
    const PictureFormats::Entry *named = PictureFormats::ofPath(name);
    // A format without a mark of its own is taken at its name's word.
    const PictureFormats::Entry *content = named && !named->recognises ? named : PictureFormats::ofContent(device.peek(256));
    if (named && content != named)
        return QStringLiteral("il nome dice .%1, ma il contenuto non è un'immagine %2")
            .arg(QLatin1String(named->extension), QLatin1String(named->name));
    if (!content)
        return QStringLiteral("il file non è un'immagine di Elica (%1)").arg(knownFormats());
    const WordsReading reading = content->read(device);
    if (const QString *why = std::get_if<QString>(&reading))
        return *why;
    const FileWords &words = std::get<FileWords>(reading);
    if (words.machineForm)
        return MachineForm::read(*words.machineForm);
    if (words.maker.startsWith(QStringLiteral("Elica ")))
        return LegacyWords::read(words.curves);
    return QStringLiteral("il file non è un'immagine di Elica: non dice quali curve contiene");
}

QString PictureReader::refusal(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossibile aprire l'immagine «%1»: %2").arg(QDir::toNativeSeparators(path), reason);
}
