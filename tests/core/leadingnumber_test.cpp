#include "leadingnumber.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

using namespace orv;

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText)
{
    struct Row {
        const char *text;
        double value;
    } rows[] = {
        {"15", 15},      {"1.5", 1.5}, {"  7 s", 7},     {"10.", 10}, {".5", 0.5},    {"-1", -1},
        {"+2.25", 2.25}, {"1 5", 15},  {"1\t.\n5", 1.5}, {"- 3", -3}, {"1.2.3", 1.2}, {"12abc", 12},
        {"abc", 0},      {"", 0},      {"   ", 0},       {"+", 0},    {".", 0},       {"--1", 0},
        {"1-2", 1},      {"1e5", 1},   {"0001", 1},      {"2,5", 2},  {"\r5", 0},     {"1.0005", 1.0005},
    };
    for (const Row &row : rows)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(row.text)), row.value) << row.text;
}

TEST(LeadingNumber, ZeroBytesGiveZero)
{
    EXPECT_EQ(leadingNumber(QString(3, QChar(0))), 0.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("5") + QChar(0) + QStringLiteral("5")), 5.0);
}

TEST(LeadingNumber, TooManyDigitsGiveAHugeOrTinyValue)
{
    EXPECT_TRUE(std::isinf(leadingNumber(QString(400, QLatin1Char('9')))));
    EXPECT_EQ(leadingNumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1")),
              0.0);
}
