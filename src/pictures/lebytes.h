#pragma once

#include <QByteArray>
#include <QtEndian>

namespace orv::le {

// Little-endian field access in file data. Callers check the bounds first.

inline quint16 u16(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<quint16>(d.constData() + at);
}
inline qint16 s16(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<qint16>(d.constData() + at);
}
inline quint32 u32(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<quint32>(d.constData() + at);
}
inline qint32 s32(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<qint32>(d.constData() + at);
}
inline void put16(QByteArray &d, qsizetype at, quint16 v)
{
    qToLittleEndian<quint16>(v, d.data() + at);
}
inline void put32(QByteArray &d, qsizetype at, quint32 v)
{
    qToLittleEndian<quint32>(v, d.data() + at);
}

} // namespace orv::le
