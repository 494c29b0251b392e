#pragma once
// The header lines of a PLY model as Elica writes and reads it: binary, every dot a record of its
// place in single precision and its colour in three bytes.

#include <QByteArray>
#include <QList>

namespace PlyLayout {
// What follows "format" on the header's second line.
inline QByteArray format()
{
    return QByteArrayLiteral("binary_little_endian 1.0");
}

inline QByteArray vertexElement()
{
    return QByteArrayLiteral("element vertex");
}

inline QList<QByteArray> vertexProperties()
{
    return {"property float x", "property float y", "property float z",
            "property uchar red", "property uchar green", "property uchar blue"};
}

constexpr qint64 recordSize = 3 * 4 + 3;

// A comment line names its text, "comment maker Elica 1.2.0"; a text of several lines takes one
// comment each.
inline QByteArray comment()
{
    return QByteArrayLiteral("comment");
}
}
