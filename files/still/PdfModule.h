#pragma once
// Reading a PDF's document information needs Poppler and the dozen libraries it loads in turn:
// they would cost every start of the program time and memory, and most starts never read a PDF.
// So the reading lives in a module of its own, elica-pdf.so, loaded the first time a PDF is opened.
// This is what the program and the module agree on.

#include <QStringList>

class QIODevice;

namespace PdfModule {
enum Result { Read = 0, Unreadable = 1, Locked = 2 };

// Reads the document and puts into values the information entries named by keys, in their order
// (an empty text for an entry that is missing).
using InfoReader = int (*)(QIODevice *device, const QStringList *keys, QStringList *values);
constexpr char infoReaderName[] = "elica_pdf_info";
constexpr char fileName[] = "elica-pdf.so";
}
