#include "files/motion/WebpXmp.h"
#include "files/motion/AnimationBounds.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString meta = QStringLiteral("adobe:ns:meta/");
const QString rdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString xmp = QStringLiteral("http://ns.adobe.com/xap/1.0/");

// XMP gives a title and a description in every language it is written in; these are the default.
void writeAlternative(QXmlStreamWriter &xml, const QString &name, const QString &text)
{
    xml.writeStartElement(dc, name);
    xml.writeStartElement(rdf, QStringLiteral("Alt"));
    xml.writeStartElement(rdf, QStringLiteral("li"));
    xml.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
    xml.writeCharacters(text);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

enum class Collecting { Nothing, Description, Maker, Form };
}

QByteArray WebpXmp::packet(const AnimationWords &words, const WordKeys &keys)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral(u"begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\""));
    xml.writeNamespace(meta, QStringLiteral("x"));
    xml.writeStartElement(meta, QStringLiteral("xmpmeta"));
    xml.writeNamespace(rdf, QStringLiteral("rdf"));
    xml.writeStartElement(rdf, QStringLiteral("RDF"));
    xml.writeNamespace(dc, QStringLiteral("dc"));
    xml.writeNamespace(xmp, QStringLiteral("xmp"));
    const QString elica = QString::fromLatin1(keys.formNamespace);
    xml.writeNamespace(elica, QStringLiteral("elica"));
    xml.writeStartElement(rdf, QStringLiteral("Description"));
    xml.writeAttribute(rdf, QStringLiteral("about"), QString());
    writeAlternative(xml, QString::fromLatin1(keys.title), words.title);
    writeAlternative(xml, QString::fromLatin1(keys.description), words.description);
    xml.writeTextElement(xmp, QString::fromLatin1(keys.maker), words.maker);
    xml.writeTextElement(elica, QString::fromLatin1(keys.form), QString::fromUtf8(words.machineForm));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral("end=\"w\""));
    return out;
}

// As the SVG reader does, a document type declaration or an entity is refused before it is used.
WordsReading WebpXmp::read(const QByteArray &packet, const WordKeys &keys)
{
    QXmlStreamReader xml(packet);
    QString description, maker, form;
    bool seenDescription = false, seenMaker = false, seenForm = false, inDescription = false;
    Collecting collecting = Collecting::Nothing;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("le parole dell'immagine WebP contengono dichiarazioni che Elica non legge");
        case QXmlStreamReader::StartElement:
            collecting = Collecting::Nothing;
            if (xml.namespaceUri() == dc && xml.name() == QLatin1String(keys.description)) {
                inDescription = true;
            } else if (inDescription && !seenDescription && xml.namespaceUri() == rdf && xml.name() == QLatin1String("li")) {
                seenDescription = true;
                collecting = Collecting::Description;
            } else if (!seenMaker && xml.namespaceUri() == xmp && xml.name() == QLatin1String(keys.maker)) {
                seenMaker = true;
                collecting = Collecting::Maker;
            } else if (xml.namespaceUri() == QLatin1String(keys.formNamespace) && xml.name() == QLatin1String(keys.form)) {
                if (seenForm)
                    return QStringLiteral("le parole dell'immagine WebP danno due volte i dati esatti del disegno");
                seenForm = true;
                collecting = Collecting::Form;
            }
            break;
        case QXmlStreamReader::EndElement:
            if (xml.namespaceUri() == dc && xml.name() == QLatin1String(keys.description))
                inDescription = false;
            collecting = Collecting::Nothing;
            break;
        case QXmlStreamReader::Characters: {
            QString *text = collecting == Collecting::Description ? &description
                : collecting == Collecting::Maker                 ? &maker
                : collecting == Collecting::Form                  ? &form
                                                                  : nullptr;
            if (!text)
                break;
            if (text->size() + xml.text().size() > AnimationBounds::longestWords)
                return QStringLiteral("l'immagine WebP ha parole troppo lunghe per essere un'immagine di Elica");
            text->append(xml.text());
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError())
        return QStringLiteral("le parole dell'immagine WebP sono illeggibili (riga %1)").arg(xml.lineNumber());
    FileWords words;
    if (seenForm)
        words.machineForm = form.toUtf8();
    words.maker = maker;
    words.curves = description;
    return words;
}
