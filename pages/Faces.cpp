#include "pages/Faces.h"

#include <QFontInfo>

QString requestedFamily(Face face)
{
    return face == Face::Mono ? QStringLiteral("Courier New") : QStringLiteral("Times New Roman");
}

QString metricTwin(Face face)
{
    return face == Face::Mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Serif");
}

QFont faceFont(Face face, bool italic)
{
    QFont font(requestedFamily(face));
    font.setStyleHint(face == Face::Mono ? QFont::TypeWriter : QFont::Serif);
    font.setItalic(italic);
    return font;
}

bool hasPageMetrics(Face face, bool italic)
{
    const QString resolved = QFontInfo(faceFont(face, italic)).family();
    return resolved == requestedFamily(face) || resolved == metricTwin(face);
}
