#include "picture/FileWords.h"
#include "picture/PdfModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
// Beside the program (as it is built), or where the package puts it.
PdfModule::InfoReader loadedReader()
{
    static QLibrary module;
    static const PdfModule::InfoReader reader = [] {
        const QDir programs(QCoreApplication::applicationDirPath());
        for (const QString &folder : {QStringLiteral("."), QStringLiteral(ELICA_PDF_MODULE_DIR)}) {
            module.setFileName(programs.filePath(folder + QLatin1Char('/') + QLatin1String(PdfModule::fileName)));
            if (module.load())
                return reinterpret_cast<PdfModule::InfoReader>(module.resolve(PdfModule::infoReaderName));
        }
        return PdfModule::InfoReader(nullptr);
    }();
    return reader;
}
}

WordsReading FileWordsReader::pdf(QIODevice &device, const WordKeys &keys)
{
    const PdfModule::InfoReader read = loadedReader();
    if (!read)
        return QStringLiteral("manca il modulo che legge i PDF (%1)").arg(QLatin1String(PdfModule::fileName));
    const QStringList names = {QString::fromLatin1(keys.form), QString::fromLatin1(keys.maker), QString::fromLatin1(keys.description)};
    QStringList values;
    switch (read(&device, &names, &values)) {
    case PdfModule::Read:
        break;
    case PdfModule::Locked:
        return QStringLiteral("il PDF è protetto da una password");
    default:
        return QStringLiteral("il PDF è danneggiato o illeggibile");
    }
    FileWords words;
    if (!values.value(0).isEmpty())
        words.machineForm = values[0].toUtf8();
    words.maker = values.value(1);
    words.curves = values.value(2);
    return words;
}
