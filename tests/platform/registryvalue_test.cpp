// The registry value conversion of GetKeyValue, on every platform.
#include "registryvalue.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {
QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}
QByteArray utf16(const QString &text, bool terminated)
{
    QByteArray out(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    if (terminated)
        out.append(2, '\0');
    return out;
}
} // namespace

TEST(RegistryValue, DwordIsTheLittleEndianNumberInDecimal)
{
    const struct {
        QByteArray data;
        const char *text;
    } cases[] = {
        {bytes({0, 0, 0, 0}), "0"},
        {bytes({5, 0, 0, 0}), "5"},
        {bytes({0x20, 0, 0, 0}), "32"},
        {bytes({0x34, 0x12, 0, 0}), "4660"},
        // Inner bytes below 0x10 keep their leading zero digit, and a last
        // byte of zero is part of the number, not a terminator.
        {bytes({0x02, 0x01, 0, 0}), "258"},
        {bytes({0, 0x01, 0, 0}), "256"},
        {bytes({0x78, 0x56, 0x34, 0x12}), "305419896"},
        {bytes({0xff, 0xff, 0xff, 0xff}), "4294967295"},
        {bytes({0, 0, 0, 0x80}), "2147483648"},
        // Short or long data: what is there, at most four bytes.
        {bytes({0x10}), "16"},
        {bytes({1, 0, 0, 0, 9, 9}), "1"},
        {QByteArray(), "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RegistryValue::text(RegistryValue::Dword, c.data), QString::fromLatin1(c.text))
            << c.data.toHex().toStdString();
}

TEST(RegistryValue, TextLosesItsTerminatorAndOtherTypesAreLeftAlone)
{
    const QString path =
        QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
    EXPECT_EQ(RegistryValue::text(RegistryValue::Sz, utf16(path, true)), path);
    EXPECT_EQ(RegistryValue::text(RegistryValue::Sz, utf16(path, false)), path);
    EXPECT_EQ(RegistryValue::text(RegistryValue::Sz, utf16(QStringLiteral("Ä\\ü"), true)),
              QStringLiteral("Ä\\ü"));
    EXPECT_EQ(RegistryValue::text(RegistryValue::Sz, QByteArray()), QString());
    for (quint32 other : {0u, 2u, 3u, 7u, 11u})
        EXPECT_EQ(RegistryValue::text(other, bytes({1, 0, 0, 0})), std::nullopt) << other;
}
