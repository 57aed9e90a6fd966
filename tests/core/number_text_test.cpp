#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace phonikon {
namespace {

struct FixedCase {
    long double x;
    int p, d;
    const char* text;
};

TEST(NumberText, FixedFormatRoundsToTheCoarserLimit) {
    const FixedCase cases[] = {
        {52.0668L, 4, 1, "52,1"},  {104.56L, 3, 1, "105,0"}, {12.345L, 3, 2, "12,30"},
        {50.9947L, 3, 1, "51,0"},  {-5, 3, 1, "-5,0"},       {0, 3, 1, "0,0"},
        {0.04L, 3, 1, "0,0"},      {0.05L, 3, 1, "0,1"},     {-0.04L, 3, 1, "0,0"},
        {999.96L, 4, 1, "1000,0"}, {9.96L, 3, 1, "10,0"},    {0.00123L, 6, 2, "0,00"},
        {50, 6, 1, "50,0"},        {4, 6, 2, "4,00"},        {1234.5L, 3, 1, "1,23E+03"},
        {999.6L, 3, 1, "1E+03"},   {64.675L, 3, 1, "64,7"},  {0.125L, 2, 2, "0,13"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d, ','), c.text) << static_cast<double>(c.x);
    EXPECT_EQ(FormatFixed(52.0668L, 4, 1, '.'), "52.1");
    EXPECT_EQ(FormatResultLabel(50.9947L, ','), "51,0 [dB]");
}

TEST(NumberText, GeneralFormIsShortestWithFifteenDigits) {
    EXPECT_EQ(FormatGeneral(17.5L, ','), "17,5");
    EXPECT_EQ(FormatGeneral(1800, ','), "1800");
    EXPECT_EQ(FormatGeneral(0, ','), "0");
    EXPECT_EQ(FormatGeneral(0.1L, '.'), "0.1");
    EXPECT_EQ(FormatGeneral(2.0L / 3, ','), "0,666666666666667");
    EXPECT_EQ(FormatGeneral(-3.25L, ','), "-3,25");
    EXPECT_EQ(FormatGeneral(1e20L, ','), "1E+20");
    EXPECT_EQ(FormatGeneral(0.00001L, ','), "0,00001");
    EXPECT_EQ(FormatGeneral(0.000001L, ','), "1E-06");
}

// Fifteen integer digits still fit the fixed form; a sixteenth, also one gained by rounding to 15
// significant digits, switches to the exponent form. Half a unit rounds away from zero.
TEST(NumberText, GeneralFormAtFifteenIntegerDigits) {
    struct Fall {
        long double x;
        const char* text;
    };
    const Fall faelle[] = {
        {999999999999999.0L, "999999999999999"},
        {999999999999999.4L, "999999999999999"},
        {999999999999999.5L, "1E+15"},
        {1e15L, "1E+15"},
        {-1e15L, "-1E+15"},
        {1.5e15L, "1,5E+15"},
        {1234567890123456.0L, "1,23456789012346E+15"},
        {123456789012345.6L, "123456789012346"},
        {500000000000000.5L, "500000000000001"},
        {100000000000000.04L, "100000000000000"},
        {12345678901234.56L, "12345678901234,6"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(FormatGeneral(f.x, ','), f.text) << f.text;
        EXPECT_EQ(detail::FormatGeneralAusEntwicklung(f.x, ','), f.text) << f.text;
    }
    // The exponent form goes into input fields and must read back.
    EXPECT_EQ(ParseReal(FormatGeneral(1e15L, ','), ','), 1e15L);
    EXPECT_EQ(ParseReal(FormatGeneral(-1.5e15L, ','), ','), -1.5e15L);
}

TEST(NumberText, ParseRealAcceptsOnlyTheUsersNotation) {
    EXPECT_EQ(*ParseReal("2,5", ','), 2.5L);
    EXPECT_EQ(*ParseReal(" -2,5 ", ','), -2.5L);
    EXPECT_EQ(*ParseReal("2.5", '.'), 2.5L);
    EXPECT_EQ(*ParseReal(",5", ','), 0.5L);
    EXPECT_EQ(*ParseReal("5,", ','), 5.0L);
    EXPECT_EQ(*ParseReal("1E3", ','), 1000.0L);
    EXPECT_EQ(*ParseReal("+1e-2", ','), 0.01L);
    for (const char* bad : {"", " ", "2.5", "1,2,3", "nan", "inf", "-inf", "0x10", "$10", "1.000,5",
                            "1e", "e5", ",", "1 2", "1e99999", "--1", "12a"})
        EXPECT_FALSE(ParseReal(bad, ',')) << bad;
    EXPECT_FALSE(ParseReal("2,5", '.'));
    EXPECT_EQ(InvalidRealMessage("1,2,3"), "'1,2,3' ist kein gültiger Fließkommawert");
}

TEST(NumberText, ParseIntTakesDecimalAndDollarHex) {
    EXPECT_EQ(*ParseInt("80"), 80);
    EXPECT_EQ(*ParseInt("  -12"), -12);
    EXPECT_EQ(*ParseInt("$1F"), 31);
    EXPECT_EQ(*ParseInt("2147483647"), std::numeric_limits<int>::max());
    for (const char* bad : {"", "???", "1,5", "1.5", "12 ", "2147483648", "$", "-", "1e3"})
        EXPECT_FALSE(ParseInt(bad)) << bad;
}

TEST(NumberText, FileFormsKeepWidthAndPoint) {
    EXPECT_EQ(FileFix(0, 5, 2), " 0.00");
    EXPECT_EQ(FileFix(1800, 5, 2), "1800.00");
    EXPECT_EQ(FileFix(17.5L, 3, 3), "17.500");
    EXPECT_EQ(FileFix(0, 6, 3), " 0.000");
    EXPECT_EQ(FileFix(52, 4, 1), "52.0");
    EXPECT_EQ(FileFix(52.36L, 4, 1), "52.4");
    EXPECT_EQ(FileFix(350.456L, 5, 2), "350.46");
    EXPECT_EQ(FileFix(-2.5L, 6, 3), "-2.500");
    EXPECT_EQ(FileFix(1e300L, 3, 3).size(), 301u + 4u);
    EXPECT_EQ(FileInt5(85), "   85");
    EXPECT_EQ(FileInt5(0), "    0");
    EXPECT_EQ(FileInt5(123456), "123456");
    EXPECT_EQ(FileInt(-7), "-7");
    EXPECT_EQ(FileBool(true), "TRUE");
    EXPECT_EQ(FileBool(false), "FALSE");
}

TEST(NumberText, FileTokens) {
    EXPECT_EQ(*ParseFileReal("2.50"), 2.5L);
    EXPECT_EQ(*ParseFileReal("-1.5E2"), -150.0L);
    EXPECT_EQ(*ParseFileReal("1e300"), 1e300L);
    EXPECT_EQ(*ParseFileInt("$FF"), 255);
    EXPECT_EQ(*ParseFileInt("-3"), -3);
    for (const char* bad : {"2,50", "nan", "inf", "", "1e99999"})
        EXPECT_FALSE(ParseFileReal(bad)) << bad;
    for (const char* bad : {"1.0", "x", "99999999999"}) EXPECT_FALSE(ParseFileInt(bad)) << bad;
}

}  // namespace
}  // namespace phonikon

namespace phonikon {
namespace {

// The digits behind every text are the correctly rounded 18-digit expansion, whatever path
// computes them; compared through the values the texts stand for.
TEST(NumberText, DigitsMatchTheCorrectlyRoundedExpansion) {
    std::mt19937_64 zufall(1234);
    std::uniform_real_distribution<double> exponent(-9, 14);
    for (int i = 0; i < 20000; ++i) {
        long double x = std::pow(10.0L, static_cast<long double>(exponent(zufall)));
        x *= 1 + static_cast<long double>(zufall() % 1000) / 7919.0L;
        char buf[64];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 17);
        const long double erwartet = *ParseFileReal(std::string_view(buf, end - buf));
        const long double fest = *ParseFileReal(FormatFixed(x, 18, 30, '.'));
        ASSERT_EQ(fest, erwartet) << buf;
    }
    // The shortcut for everyday values agrees with the full expansion, ties included.
    std::uniform_int_distribution<int> genauigkeit(1, 7), nachkomma(0, 4);
    for (int i = 0; i < 200000; ++i) {
        long double x = std::pow(10.0L, static_cast<long double>(exponent(zufall)) / 2 - 2);
        if (i % 3 == 0) x = std::round(x * 1000) / 1000 + 0.0005L;  // near ties
        if (i % 2) x = -x;
        const int p = genauigkeit(zufall), d = nachkomma(zufall);
        ASSERT_EQ(FormatFixed(x, p, d, ','), detail::FormatFixedAusEntwicklung(x, p, d, ','))
            << static_cast<double>(x) << " " << p << " " << d;
        const long double y = x * std::pow(10.0L, static_cast<long double>(i % 13));
        ASSERT_EQ(FormatGeneral(y, ','), detail::FormatGeneralAusEntwicklung(y, ','))
            << static_cast<double>(y);
        const long double kurz = std::round(x * 1000) / 1000;  // few decimals, as files hold them
        ASSERT_EQ(FormatGeneral(kurz, ','), detail::FormatGeneralAusEntwicklung(kurz, ','));
    }
    // Machine-readable doubles as "%.17g" writes them.
    for (int i = 0; i < 100000; ++i) {
        double x = static_cast<double>(std::pow(10.0L, static_cast<long double>(exponent(zufall))));
        x *= 1 + static_cast<double>(zufall() % 100000) / 7919.0;
        if (i % 4 == 0) x = std::round(x);
        if (i % 2) x = -x;
        char buf[40];
        auto [ende, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 17);
        ASSERT_EQ(FormatDouble17(x), std::string(buf, ende)) << buf;
    }
    for (double x : {0.0, 1e-4, 1e17, 1e-5, 0.1, 55.0, 1e16, -2.5})
        EXPECT_EQ(FormatDouble17(x), [x] {
            char buf[40];
            return std::string(
                buf, std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 17).ptr);
        }());
    // Whole powers of ten and their neighbours.
    for (int k = -6; k <= 16; ++k) {
        const long double z = std::pow(10.0L, static_cast<long double>(k));
        for (long double x : {z, std::nextafter(z, 0.0L), std::nextafter(z, 1e30L), z * 0.5L}) {
            ASSERT_EQ(FormatGeneral(x, ','), detail::FormatGeneralAusEntwicklung(x, ',')) << k;
            for (int p = 1; p <= 6; ++p)
                for (int d = 0; d <= 3; ++d)
                    ASSERT_EQ(FormatFixed(x, p, d, ','),
                              detail::FormatFixedAusEntwicklung(x, p, d, ','))
                        << k << " " << p << " " << d;
        }
    }
    // Plain decimal texts read exactly as a full conversion reads them.
    for (const char* text : {"0.1", "4.35", "123456.789", "0.000123", "9999999999999999999",
                             "1.0000000000000000001", "50", "0.0"}) {
        long double v = 0;
        std::from_chars(text, text + std::strlen(text), v);
        EXPECT_EQ(*ParseFileReal(text), v) << text;
    }
}

}  // namespace
}  // namespace phonikon
