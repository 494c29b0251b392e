#include "picture/FileWords.h"
#include "picture/MachineForm.h"

#include <poppler-qt6.h>

namespace {
// The library tells of every flaw it mends on standard error; a file refused says why itself.
void quiet(const QString &, const QVariant &) {}
}

WordsReading FileWordsReader::pdf(QIODevice &device)
{
    static const bool silenced = (Poppler::setDebugErrorFunction(quiet, QVariant()), true);
    Q_UNUSED(silenced);
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(&device);
    if (!document)
        return QStringLiteral("il PDF è danneggiato o illeggibile");
    if (document->isLocked())
        return QStringLiteral("il PDF è protetto da una password");
    FileWords words;
    const QString form = document->info(QString::fromLatin1(MachineForm::pdfEntry()));
    if (!form.isEmpty())
        words.machineForm = form.toUtf8();
    words.title = document->info(QStringLiteral("Title"));
    words.maker = document->info(QStringLiteral("Creator"));
    words.curves = document->info(QStringLiteral("Subject"));
    return words;
}
