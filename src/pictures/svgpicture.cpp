#include "svgpicture.h"

#include "metafilesvg.h"
#include "picturelimits.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zlib.h>

#include <cmath>

namespace orv {

namespace {

std::optional<QByteArray> gunzipped(const QByteArray &data)
{
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    QByteArray out;
    char chunk[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunk);
        z.avail_out = sizeof chunk;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - z.avail_out));
        if (out.size() > svglimits::MaxXmlBytes || (status == Z_BUF_ERROR && z.avail_in == 0))
            break;
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END || out.size() > svglimits::MaxXmlBytes)
        return std::nullopt;
    return out;
}

bool isExternal(QStringView reference)
{
    const QStringView r = reference.trimmed();
    return !r.startsWith(QLatin1Char('#')) && !r.startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
}

bool hasExternalHref(const QXmlStreamAttributes &attributes)
{
    for (const QXmlStreamAttribute &a : attributes) {
        if (a.name() == QLatin1String("href") && isExternal(a.value()))
            return true;
    }
    return false;
}

} // namespace

std::optional<QByteArray> safeSvg(const QByteArray &data, bool compressed)
{
    std::optional<QByteArray> xml;
    if (compressed)
        xml = gunzipped(data);
    else if (data.size() <= svglimits::MaxXmlBytes)
        xml = data;
    if (!xml)
        return std::nullopt;

    // One pass to check; a second, rewriting one only when something must be dropped.
    QXmlStreamReader reader(*xml);
    int depth = 0, elements = 0;
    bool external = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD: {
            const auto entities = reader.entityDeclarations();
            if (entities.size() > svglimits::MaxEntities)
                return std::nullopt;
            for (const QXmlStreamEntityDeclaration &e : entities) {
                if (e.value().contains(QLatin1Char('&')) || !e.systemId().isEmpty())
                    return std::nullopt;
            }
            break;
        }
        case QXmlStreamReader::StartElement:
            if (++depth > svglimits::MaxDepth || ++elements > svglimits::MaxElements)
                return std::nullopt;
            external = external || (reader.name() != QLatin1String("a") && hasExternalHref(reader.attributes()));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || elements == 0)
        return std::nullopt;
    if (!external)
        return xml;

    QByteArray out;
    QXmlStreamWriter writer(&out);
    QXmlStreamReader again(*xml);
    while (!again.atEnd()) {
        again.readNext();
        if (again.isStartElement() && again.name() != QLatin1String("a") && hasExternalHref(again.attributes())) {
            writer.writeStartElement(again.namespaceUri().toString(), again.name().toString());
            for (const QXmlStreamNamespaceDeclaration &ns : again.namespaceDeclarations())
                writer.writeNamespace(ns.namespaceUri().toString(), ns.prefix().toString());
            for (const QXmlStreamAttribute &a : again.attributes()) {
                if (!(a.name() == QLatin1String("href") && isExternal(a.value())))
                    writer.writeAttribute(a);
            }
        } else {
            writer.writeCurrentToken(again);
        }
    }
    if (again.hasError())
        return std::nullopt;
    return out;
}

namespace {

// The size the root element declares in pixels (a width and height without unit or in
// px), rounded up as SVG renderers do; invalid when it declares none or other units.
QSize declaredPixels(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    if (!reader.isStartElement())
        return QSize();
    const auto length = [&reader](const char *name) {
        QString value = reader.attributes().value(QLatin1String(name)).toString().trimmed();
        if (value.endsWith(QLatin1String("px")))
            value.chop(2);
        bool ok = false;
        const double v = value.toDouble(&ok);
        return ok && v > 0 && v < 1e7 ? int(std::ceil(v - 1e-6)) : -1;
    };
    return QSize(length("width"), length("height"));
}

} // namespace

std::optional<SvgPicture> drawSvg(const QByteArray &safeXml, qint64 maxRenderPixels)
{
    QSvgRenderer renderer(safeXml);
    if (!renderer.isValid())
        return std::nullopt;
    const QSize declared = declaredPixels(safeXml);
    const QSize natural = declared.isValid() ? declared : renderer.defaultSize();
    if (natural.isEmpty() || !limits::allowed(natural))
        return std::nullopt;
    const QSize pixels = renderedPixelSize(natural, maxRenderPixels);
    SvgPicture picture;
    picture.naturalPixels = natural;
    picture.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (picture.image.isNull())
        return std::nullopt;
    picture.image.fill(Qt::transparent);
    QPainter painter(&picture.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return picture;
}

} // namespace orv
