#include "picture/FileWords.h"

#include <QXmlStreamReader>

namespace {
const QString svgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
// Far longer than any words Elica writes: a file with more is not one of its pictures.
constexpr qsizetype longestText = 1 << 20;

enum class Collecting { Nothing, Desc, Form };
}

// Read as a stream to its end, so that a file cut short or not well formed is refused. A document
// type declaration is refused before any of it is used: Elica writes none, and its entities are
// the way XML is made to grow without end or to reach for other files.
WordsReading FileWordsReader::svg(QIODevice &device, const WordKeys &keys)
{
    QXmlStreamReader xml(&device);
    QString desc, form;
    bool seenDesc = false, seenForm = false, inMetadata = false;
    Collecting collecting = Collecting::Nothing;
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return QStringLiteral("il file SVG contiene una dichiarazione di tipo di documento, che Elica non legge");
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("il file SVG contiene un riferimento a un'entità, che Elica non legge");
        case QXmlStreamReader::StartElement: {
            ++depth;
            const bool svg = xml.namespaceUri() == svgNamespace;
            if (depth == 1 && !(svg && xml.name() == QLatin1String("svg")))
                return QStringLiteral("il file non è un disegno SVG");
            if (depth == 2 && svg && xml.name() == QLatin1String(keys.description) && !seenDesc) {
                seenDesc = true;
                collecting = Collecting::Desc;
            } else if (depth == 2 && svg && xml.name() == QLatin1String("metadata")) {
                inMetadata = true;
            } else if (depth == 3 && inMetadata && xml.name() == QLatin1String(keys.form)
                       && xml.namespaceUri() == QLatin1String(keys.formNamespace) && !seenForm) {
                seenForm = true;
                collecting = Collecting::Form;
            } else {
                collecting = Collecting::Nothing;
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (depth == 2)
                inMetadata = false;
            --depth;
            collecting = Collecting::Nothing;
            break;
        case QXmlStreamReader::Characters: {
            QString *text = collecting == Collecting::Desc ? &desc : collecting == Collecting::Form ? &form : nullptr;
            if (!text)
                break;
            if (text->size() + xml.text().size() > longestText)
                return QStringLiteral("il file SVG ha parole troppo lunghe per essere un'immagine di Elica");
            text->append(xml.text());
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError())
        return QStringLiteral("il file SVG è danneggiato o incompleto (riga %1: %2)").arg(xml.lineNumber()).arg(xml.errorString());
    FileWords words;
    if (seenForm)
        words.machineForm = form.toUtf8();
    const qsizetype lineEnd = desc.indexOf(QLatin1Char('\n'));
    words.maker = desc.left(lineEnd);
    words.curves = lineEnd < 0 ? QString() : desc.mid(lineEnd + 1);
    return words;
}
