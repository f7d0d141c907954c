#include "registryvalue.h"

namespace orv::RegistryValue {

std::optional<QString> text(quint32 type, const QByteArray &data)
{
    switch (type) {
    case Sz: {
        QString s = QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData()), data.size() / 2);
        if (s.endsWith(QChar(0)))
            s.chop(1);
        return s;
    }
    case Dword: {
        // Every byte counts, each with both hexadecimal digits: the value is
        // the little-endian number, not a string of digits.
        quint32 value = 0;
        for (int i = std::min<int>(int(data.size()), 4) - 1; i >= 0; --i)
            value = (value << 8) | quint8(data[i]);
        return QString::number(value);
    }
    default:
        return std::nullopt;
    }
}

} // namespace orv::RegistryValue
