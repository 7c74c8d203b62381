#include "datalib/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace kal;

TEST(Zahlpruefung, Double) {
    struct Fall {
        const char* text;
        ZahlPruefung code;
        double wert;
    };
    const Fall faelle[] = {
        {"1.5", ZahlOk, 1.5},       {" 2 ", ZahlOk, 2},          {"-3e1", ZahlOk, -30},
        {"+4", ZahlOk, 4},          {".5", ZahlOk, 0.5},         {"", ZahlLeer, 0},
        {"   ", ZahlLeer, 0},       {"1,5", ZahlKeineZahl, 0},   {"1.5x", ZahlKeineZahl, 0},
        {"abc", ZahlKeineZahl, 0},  {"1 2", ZahlKeineZahl, 0},   {"inf", ZahlKeineZahl, 0},
        {"nan", ZahlKeineZahl, 0},  {"0x10", ZahlKeineZahl, 0},  {"++1", ZahlKeineZahl, 0},
        {"-", ZahlKeineZahl, 0},    {"e5", ZahlKeineZahl, 0},    {"1e999", ZahlAusserhalb, 0},
        {"101", ZahlAusserhalb, 0}, {"-101", ZahlAusserhalb, 0}, {"100", ZahlOk, 100},
    };
    for (const Fall& f : faelle) {
        double w = -7;
        EXPECT_EQ(pruefeDouble(f.text, -100, 100, w), f.code) << f.text;
        if (f.code == ZahlOk) {
            EXPECT_DOUBLE_EQ(w, f.wert) << f.text;
        } else {
            EXPECT_EQ(w, -7) << "untouched on failure: " << f.text;
        }
    }
}

TEST(Zahlpruefung, Integer) {
    struct Fall {
        const char* text;
        ZahlPruefung code;
        long long wert;
    };
    const Fall faelle[] = {
        {"12", ZahlOk, 12},
        {" -3 ", ZahlOk, -3},
        {"1.0", ZahlKeineZahl, 0},
        {"1e2", ZahlKeineZahl, 0},
        {"", ZahlLeer, 0},
        {"12a", ZahlKeineZahl, 0},
        {"2147483648", ZahlAusserhalb, 0},
        {"99999999999999999999", ZahlAusserhalb, 0},
        {"2147483647", ZahlOk, 2147483647},
    };
    for (const Fall& f : faelle) {
        long long w = -7;
        EXPECT_EQ(pruefeInteger(f.text, -2147483648LL, 2147483647LL, w), f.code) << f.text;
        if (f.code == ZahlOk) {
            EXPECT_EQ(w, f.wert) << f.text;
        }
    }
}

TEST(ZahlText, DecimalsDigitsAndTrailingZeros) {
    struct Fall {
        double wert;
        int nachkomma, stellen;
        const char* text;
    };
    const Fall faelle[] = {
        {1.5, 2, 0, "1.5"},
        {1.0, 3, 0, "1"},
        {1234.5678, 2, 0, "1234.57"},
        {1234.5678, 2, 5, "1234.6"},
        {123456.7, 2, 4, "123457"},
        {0.0, 2, 4, "0"},
        {-0.001, 2, 0, "0"},
        {-2.26, 1, 0, "-2.3"},
        {0.012345, 4, 3, "0.0123"},
        {std::numeric_limits<double>::infinity(), 2, 0, ""},
        {std::numeric_limits<double>::quiet_NaN(), 2, 0, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zahlText(f.wert, f.nachkomma, f.stellen), f.text) << f.wert;
}

// Computed entries: 2 decimals, yet never fewer than 4 significant digits.
TEST(ZahlText, AtLeastFourSignificantDigits) {
    const std::pair<double, const char*> faelle[] = {
        {0.19862847, "0.1986"},  {0.00123456, "0.001235"}, {3.98, "3.98"}, {402.757, "402.76"},
        {12345.678, "12345.68"}, {-0.0456789, "-0.04568"}, {0.0, "0"},
    };
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(zahlText(wert, nachkommaMindestens(wert, 2, 4), 15), text) << wert;
}

TEST(Runden, HalfAwayFromZero) {
    EXPECT_DOUBLE_EQ(runden(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(runden(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(runden(1.23456, 2), 1.23);
    EXPECT_DOUBLE_EQ(runden(1.235, 1), 1.2);
    EXPECT_DOUBLE_EQ(runden(1250, -2), 1300);
}

// Inches as a drawing states them: one decimal, rounded, a point whatever
// the locale.
TEST(ZollText, OneDecimal) {
    const std::pair<double, const char*> faelle[] = {{1000 / 25.399, "39.4"}, {42.5197, "42.5"},
                                                     {35.4545, "35.5"},       {999.96, "1000.0"},
                                                     {0.04, "0.0"},           {12.0, "12.0"}};
    for (const auto& [zoll, text] : faelle) EXPECT_EQ(zollText(zoll), text) << zoll;
}

TEST(Formatiere, LongOutputAndCLocale) {
    std::string lang(1000, 'x');
    EXPECT_EQ(formatiere("%s|%.2f", lang.c_str(), 1.5), lang + "|1.50");
    EXPECT_EQ(formatiere("%s %s.%s", "T", "3.26", ""), "T 3.26.");
}

// Under a decimal-comma locale numbers still use '.'.
TEST(Zahlpruefung, CLocaleUnderDecimalCommaLocale) {
    const char* alt = std::setlocale(LC_ALL, nullptr);
    std::string gemerkt = alt ? alt : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    double w = 0;
    EXPECT_EQ(pruefeDouble("1.5", 0, 10, w), ZahlOk);
    EXPECT_DOUBLE_EQ(w, 1.5);
    EXPECT_EQ(pruefeDouble("1,5", 0, 10, w), ZahlKeineZahl);
    EXPECT_EQ(zahlText(1.25, 2, 0), "1.25");
    EXPECT_EQ(formatiere("%.1f", 2.5), "2.5");
    EXPECT_EQ(zollText(39.37), "39.4");
    EXPECT_DOUBLE_EQ(textZuDouble("2.5"), 2.5);
    std::setlocale(LC_ALL, gemerkt.c_str());
}

TEST(TextZu, CConversions) {
    EXPECT_DOUBLE_EQ(textZuDouble("3.5abc"), 3.5);
    EXPECT_DOUBLE_EQ(textZuDouble("abc"), 0);
    EXPECT_DOUBLE_EQ(textZuDouble("1e999"), 0);
    EXPECT_EQ(textZuInt(" 42,7"), 42);
    EXPECT_EQ(textZuInt("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(textZuInt(""), 0);
}

// Latin-1 maps to itself, the typographic characters to 0x80..0x9F, what
// the code page lacks and broken UTF-8 to '?'.
TEST(AlsWindows1252, CodePage) {
    const std::pair<const char*, const char*> faelle[] = {
        {"ASCII 20 [m3/h]", "ASCII 20 [m3/h]"},
        {"90 \u00b0C, m\u00b2, Gr\u00fc\u00dfe",
         "90 \xb0"
         "C, m\xb2, Gr\xfc\xdf"
         "e"},
        {"\u20ac \u2013 \u201e\u201c \u2122 \u0178", "\x80 \x96 \x84\x93 \x99 \x9f"},
        {"\u2192 \u4e2d \U0001F600", "? ? ?"},
        {"a\xc3", "a?"},  // cut off in the middle of a character
        {"\x81"
         "b",
         "?b"},  // a continuation byte alone
    };
    for (const auto& [utf8, cp] : faelle) EXPECT_EQ(kal::alsWindows1252(utf8), cp) << utf8;
}
