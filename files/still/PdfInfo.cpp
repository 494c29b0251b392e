#include "files/still/PdfInfo.h"

#include <QRegularExpression>

namespace {
// A text string in UTF-16 with its byte order mark, written in hexadecimal.
QByteArray textString(const QString &text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16 += char(c.unicode() >> 8);
        utf16 += char(c.unicode() & 0xFF);
    }
    return '<' + utf16.toHex().toUpper() + '>';
}
}

QByteArray PdfInfo::withInfo(const QByteArray &pdf, const Info &info)
{
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return pdf;
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startAt - trailerAt));
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const QRegularExpressionMatch root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(trailer);
    const QRegularExpressionMatch previous =
        QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(QString::fromLatin1(pdf.mid(startAt)));
    if (!size.hasMatch() || !root.hasMatch() || !previous.hasMatch())
        return pdf;

    const QByteArray object = size.captured(1).toLatin1();
    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const qsizetype objectAt = out.size();
    out += object + " 0 obj\n<<\n";
    for (const auto &[name, text] : info)
        out += '/' + QByteArray(name) + ' ' + textString(text) + '\n';
    out += ">>\nendobj\n";
    const qsizetype xrefAt = out.size();
    out += "xref\n" + object + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(object.toLongLong() + 1) + "\n/Root " + root.captured(1).toLatin1()
        + "\n/Info " + object + " 0 R\n/Prev " + previous.captured(1).toLatin1() + "\n>>\nstartxref\n"
        + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}
