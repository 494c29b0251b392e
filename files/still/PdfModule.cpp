// The module that reads a PDF's document information, with Poppler's Qt binding; the program
// loads it when it first opens a PDF.
#include "files/still/PdfModule.h"

#include <poppler-qt6.h>

namespace {
// The library tells of every flaw it mends on standard error; a file refused says why itself.
void quiet(const QString &, const QVariant &) {}
}

extern "C" Q_DECL_EXPORT int elica_pdf_info(QIODevice *device, const QStringList *keys, QStringList *values)
{
    static const bool silenced = (Poppler::setDebugErrorFunction(quiet, QVariant()), true);
    Q_UNUSED(silenced);
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(device);
    if (!document)
        return PdfModule::Unreadable;
    if (document->isLocked())
        return PdfModule::Locked;
    values->clear();
    for (const QString &key : *keys)
        values->append(document->info(key));
    return PdfModule::Read;
}
