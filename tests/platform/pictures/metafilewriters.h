#pragma once

// Writers of small Windows and enhanced metafiles, record by record, for the tests.

#include <QByteArray>
#include <QRgb>
#include <QSize>
#include <QtEndian>

#include "testutils.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace orv::test {

inline quint32 colorRef(QRgb c)
{
    return quint32(qRed(c)) | quint32(qGreen(c)) << 8 | quint32(qBlue(c)) << 16;
}

// Records take their parameters in file order (GDI's argument order reversed).
class WmfWriter
{
public:
    void setPlaceable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 unitsPerInch)
    {
        m_placeable = QByteArray();
        appendLe32(*m_placeable, 0x9AC6CDD7);
        for (quint16 v :
             {quint16(0), quint16(left), quint16(top), quint16(right), quint16(bottom), unitsPerInch})
            appendLe16(*m_placeable, v);
        appendLe32(*m_placeable, 0);
        quint16 checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= qFromLittleEndian<quint16>(m_placeable->constData() + 2 * i);
        appendLe16(*m_placeable, checksum);
    }

    void record(quint16 function, std::initializer_list<qint16> params)
    {
        QByteArray p;
        for (qint16 v : params)
            appendLe16(p, quint16(v));
        record(function, p);
    }
    void record(quint16 function, const QByteArray &params)
    {
        const quint32 words = 3 + quint32(params.size() + 1) / 2;
        appendLe32(m_records, words);
        appendLe16(m_records, function);
        m_records += params;
        if (params.size() % 2)
            m_records += '\0';
        m_maxRecord = std::max(m_maxRecord, words);
    }

    void setMapMode(int mode) { record(0x0103, {qint16(mode)}); }
    void setWindowOrg(int x, int y) { record(0x020B, {qint16(y), qint16(x)}); }
    void setWindowExt(int x, int y) { record(0x020C, {qint16(y), qint16(x)}); }
    void setBkMode(int mode) { record(0x0102, {qint16(mode)}); }
    void selectObject(int index) { record(0x012D, {qint16(index)}); }
    // Creates a brush or pen in the next object slot and selects it.
    void solidBrush(QRgb color)
    {
        const quint32 c = colorRef(color);
        record(0x02FC, {0, qint16(c & 0xFFFF), qint16(c >> 16), 0});
        selectObject(m_objects++);
    }
    void nullBrush()
    {
        record(0x02FC, {1, 0, 0, 0});
        selectObject(m_objects++);
    }
    void pen(int style, int width, QRgb color)
    {
        const quint32 c = colorRef(color);
        record(0x02FA, {qint16(style), qint16(width), 0, qint16(c & 0xFFFF), qint16(c >> 16)});
        selectObject(m_objects++);
    }
    void nullPen() { pen(5, 0, 0); }
    void rectangle(int l, int t, int r, int b)
    {
        record(0x041B, {qint16(b), qint16(r), qint16(t), qint16(l)});
    }
    void moveTo(int x, int y) { record(0x0214, {qint16(y), qint16(x)}); }
    void lineTo(int x, int y) { record(0x0213, {qint16(y), qint16(x)}); }
    // GDI's Pie(l, t, r, b, xStart, yStart, xEnd, yEnd): counter-clockwise from start to end.
    void pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye)
    {
        record(0x081A,
               {qint16(ye), qint16(xe), qint16(ys), qint16(xs), qint16(b), qint16(r), qint16(t), qint16(l)});
    }
    // A font `height` logical units high (negative: character height).
    void font(int height, const QByteArray &face)
    {
        QByteArray p;
        for (int v : {height, 0, 0, 0, 400})
            appendLe16(p, quint16(v));
        p += QByteArray(8, '\0'); // italic ... pitch and family
        p += face.left(31).leftJustified(32, '\0');
        record(0x02FB, p);
        selectObject(m_objects++);
    }
    void textOut(int x, int y, const QByteArray &text)
    {
        QByteArray p;
        appendLe16(p, quint16(text.size()));
        p += text;
        if (text.size() % 2)
            p += '\0';
        appendLe16(p, quint16(y));
        appendLe16(p, quint16(x));
        record(0x0521, p);
    }

    QByteArray bytes() const
    {
        QByteArray records = m_records;
        appendLe32(records, 3); // end of file
        appendLe16(records, 0);
        QByteArray d = m_placeable.value_or(QByteArray());
        appendLe16(d, 1);      // on disk
        appendLe16(d, 9);      // header words
        appendLe16(d, 0x0300); // version
        appendLe32(d, quint32(9 + records.size() / 2));
        appendLe16(d, quint16(m_objects));
        appendLe32(d, m_maxRecord);
        appendLe16(d, 0);
        return d + records;
    }

private:
    std::optional<QByteArray> m_placeable;
    QByteArray m_records;
    quint32 m_maxRecord = 3;
    int m_objects = 0;
};

struct EmfRect {
    qint32 left, top, right, bottom;
};

// An enhanced metafile on a reference device of `devicePixels` that is `millimetres` (and,
// when given, `micrometres`) large.
class EmfWriter
{
public:
    EmfWriter(EmfRect bounds, EmfRect frame, QSize devicePixels, QSize millimetres,
              std::optional<QSize> micrometres = std::nullopt)
        : m_bounds(bounds), m_frame(frame), m_device(devicePixels), m_mm(millimetres), m_um(micrometres)
    {}

    void record(quint32 type, std::initializer_list<quint32> values)
    {
        appendLe32(m_records, type);
        appendLe32(m_records, quint32(8 + 4 * values.size()));
        for (quint32 v : values)
            appendLe32(m_records, v);
        ++m_count;
    }
    void solidBrush(QRgb color)
    {
        record(39, {m_handles, 0, colorRef(color), 0}); // EMR_CREATEBRUSHINDIRECT
        record(37, {m_handles++});                      // EMR_SELECTOBJECT
    }
    void nullPen() { record(37, {0x80000008}); }
    void rectangle(EmfRect r)
    {
        record(43, {quint32(r.left), quint32(r.top), quint32(r.right), quint32(r.bottom)});
    }
    // Appends bytes as they are, for damaged files.
    void raw(const QByteArray &bytes) { m_tail += bytes; }

    QByteArray bytes() const
    {
        QByteArray records = m_records;
        appendLe32(records, 14); // EMR_EOF
        appendLe32(records, 20);
        appendLe32(records, 0);
        appendLe32(records, 16);
        appendLe32(records, 20);
        records += m_tail;

        const quint32 headerSize = m_um ? 108 : 88;
        QByteArray d;
        appendLe32(d, 1);
        appendLe32(d, headerSize);
        for (const EmfRect &r : {m_bounds, m_frame}) {
            for (qint32 v : {r.left, r.top, r.right, r.bottom})
                appendLe32(d, quint32(v));
        }
        appendLe32(d, 0x464D4520);
        appendLe32(d, 0x10000);
        appendLe32(d, quint32(headerSize + records.size()));
        appendLe32(d, quint32(m_count + 2));
        appendLe16(d, quint16(m_handles));
        appendLe16(d, 0);
        appendLe32(d, 0); // description
        appendLe32(d, 0);
        appendLe32(d, 0); // palette
        for (int v : {m_device.width(), m_device.height(), m_mm.width(), m_mm.height()})
            appendLe32(d, quint32(v));
        if (m_um) {
            appendLe32(d, 0); // pixel format
            appendLe32(d, 0);
            appendLe32(d, 0); // OpenGL
            appendLe32(d, quint32(m_um->width()));
            appendLe32(d, quint32(m_um->height()));
        }
        return d + records;
    }

private:
    EmfRect m_bounds, m_frame;
    QSize m_device, m_mm;
    std::optional<QSize> m_um;
    QByteArray m_records, m_tail;
    quint32 m_handles = 1;
    int m_count = 0;
};

} // namespace orv::test
