#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orv {

// The conversion of a Windows registry value to text, as GetKeyValue does it,
// kept apart from the registry calls so that every platform can test it.
namespace RegistryValue {

constexpr quint32 Sz = 1;    // REG_SZ: text
constexpr quint32 Dword = 4; // REG_DWORD: a 32-bit number, least significant byte first

// `data`: the bytes the query reported (for text, UTF-16 as the wide registry
// functions give it). Text loses its terminating zero; a number becomes its
// unsigned decimal text. Other types give nothing: the caller keeps the value
// it had.
std::optional<QString> text(quint32 type, const QByteArray &data);

} // namespace RegistryValue

} // namespace orv
