#pragma once
// Numbers appended to the bytes of a binary model file, least significant byte first.

#include <QByteArray>
#include <QtEndian>
#include <cstddef>
#include <cstdint>

namespace LittleEndian {
// Many numbers at once: the bytes grow once for all of them, as a model's millions of numbers
// appended one by one spend their time growing the bytes.
template <typename T>
void append(QByteArray &out, const T *values, std::size_t count)
{
    const qsizetype at = out.size();
    out.resize(at + qsizetype(count * sizeof(T)));
    qToLittleEndian<T>(values, qsizetype(count), out.data() + at);
}

inline void append(QByteArray &out, std::uint32_t value)
{
    append(out, &value, 1);
}

inline void append(QByteArray &out, float value)
{
    append(out, &value, 1);
}
}
