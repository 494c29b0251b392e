#pragma once
// Numbers appended to the bytes of a binary model file, least significant byte first.

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

namespace LittleEndian {
inline void append(QByteArray &out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

inline void append(QByteArray &out, float value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
}
