#pragma once

// Small Windows and enhanced metafiles built byte by byte, for the robustness tests and
// the fuzzing seeds.

#include <QByteArray>
#include <QtEndian>

#include "testutils.h"

#include <initializer_list>

namespace orv::test {

// A WMF that sets a window of `width` x `height` units and draws a red rectangle, an
// ellipse and a line in it. With `unitsPerInch` > 0 it has a placeable header whose
// bounding box is the window at that many units an inch.
inline QByteArray smallWmf(qint16 width = 200, qint16 height = 100, quint16 unitsPerInch = 0)
{
    QByteArray records;
    const auto record = [&records](quint16 function, std::initializer_list<qint16> params) {
        appendLe32(records, quint32(3 + params.size()));
        appendLe16(records, function);
        for (qint16 p : params)
            appendLe16(records, quint16(p));
    };
    const qint16 w = width, h = height;
    record(0x0103, {8});               // SetMapMode anisotropic
    record(0x020B, {0, 0});            // SetWindowOrg
    record(0x020C, {h, w});            // SetWindowExt
    record(0x02FC, {0, 0x00FF, 0, 0}); // CreateBrushIndirect, red
    record(0x012D, {0});               // SelectObject
    record(0x041B, {qint16(h * 9 / 10), qint16(w * 9 / 10), qint16(h / 10), qint16(w / 10)}); // Rectangle
    record(0x0418,
           {qint16(h * 6 / 10), qint16(w * 6 / 10), qint16(h * 3 / 10), qint16(w * 2 / 10)}); // Ellipse
    record(0x0214, {0, 0});                                                                   // MoveTo
    record(0x0213, {h, w});                                                                   // LineTo
    record(0x0000, {});                                                                       // end
    QByteArray d;
    if (unitsPerInch > 0) {
        appendLe32(d, 0x9AC6CDD7);
        for (quint16 v : {quint16(0), quint16(0), quint16(0), quint16(w), quint16(h), unitsPerInch})
            appendLe16(d, v);
        appendLe32(d, 0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(d.constData() + 2 * i);
        appendLe16(d, sum);
    }
    appendLe16(d, 1);      // in memory
    appendLe16(d, 9);      // header words
    appendLe16(d, 0x0300); // version
    appendLe32(d, quint32(9 + records.size() / 2));
    appendLe16(d, 1); // objects
    appendLe32(d, 7); // largest record
    appendLe16(d, 0);
    return d + records;
}

// An EMF of a frame `widthHimetric` x `heightHimetric` (0.01 mm) on a 96-dpi reference
// device, with one rectangle.
inline QByteArray smallEmf(qint32 widthHimetric = 2646, qint32 heightHimetric = 1323)
{
    const qint32 pxW = qint32(qint64(widthHimetric) * 96 / 2540),
                 pxH = qint32(qint64(heightHimetric) * 96 / 2540);
    QByteArray d;
    appendLe32(d, 1); // EMR_HEADER
    appendLe32(d, 108);
    for (qint32 v : {0, 0, pxW - 1, pxH - 1}) // bounds
        appendLe32(d, quint32(v));
    for (qint32 v : {0, 0, widthHimetric - 1, heightHimetric - 1}) // frame
        appendLe32(d, quint32(v));
    appendLe32(d, 0x464D4520); // " EMF"
    appendLe32(d, 0x00010000);
    appendLe32(d, 0); // size, set below
    appendLe32(d, 3); // records
    appendLe16(d, 1);
    appendLe16(d, 0);
    appendLe32(d, 0); // description
    appendLe32(d, 0);
    appendLe32(d, 0);                      // palette
    for (qint32 v : {1024, 768, 271, 203}) // device in pixels and millimetres (96 dpi)
        appendLe32(d, quint32(v));
    appendLe32(d, 0); // pixel format
    appendLe32(d, 0);
    appendLe32(d, 0);      // OpenGL
    appendLe32(d, 270933); // micrometres
    appendLe32(d, 203200);
    appendLe32(d, 43); // EMR_RECTANGLE
    appendLe32(d, 24);
    for (qint32 v : {pxW / 10, pxH / 10, pxW * 9 / 10, pxH * 9 / 10})
        appendLe32(d, quint32(v));
    appendLe32(d, 14); // EMR_EOF
    appendLe32(d, 20);
    appendLe32(d, 0);
    appendLe32(d, 16);
    appendLe32(d, 20);
    qToLittleEndian<quint32>(quint32(d.size()), d.data() + 48);
    return d;
}

} // namespace orv::test
