#include "projekt/projektdatei.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "datalib/format.h"
#include "verzeichnis.h"

namespace fs = std::filesystem;
using namespace kal;

TEST(Projektdatei, LayoutHas82FieldsIn1660Bytes) {
    int ende = 0;
    for (int nr = 1; nr <= kProjektFelder; ++nr) {
        EXPECT_EQ(projektFeldOffset(nr), ende) << "field " << nr;
        ende += projektFeldBreite(nr);
    }
    EXPECT_EQ(ende, kProjektGroesse);
    EXPECT_EQ(projektFeldOffset(PF_NameWarm), 520);
    EXPECT_EQ(projektFeldOffset(PF_NameKalt), 550);
    EXPECT_EQ(projektFeldOffset(PF_GasWarm), 580);
    EXPECT_EQ(projektFeldOffset(PF_Leistung), 700);
    EXPECT_EQ(projektFeldOffset(PF_Plattenmaterial), 1280);
    EXPECT_EQ(projektFeldOffset(PF_US), 1640);
}

TEST(Projektdatei, RoundTripIsByteExact) {
    ProjektInhalt p;
    p.setzeFeld(PF_Version, kProjektVersion);
    p.setzeFeld(PF_NameWarm, std::string(30, 'w'));  // fills the field: no zero byte
    p.setzeFeld(PF_Leistung, "500");
    p.setzeInt(PF_MediumKalt, 3);
    p.setzeInt(PF_Spalttyp1, -1);
    std::string bytes = p.kodieren();
    ASSERT_EQ(bytes.size(), 1660u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("3.3\0", 4));
    EXPECT_EQ(bytes.substr(520, 30), std::string(30, 'w'));
    EXPECT_EQ(bytes[550], '\0');
    auto back = ProjektInhalt::dekodieren(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->feld(PF_NameWarm), std::string(30, 'w'));
    EXPECT_EQ(back->feld(PF_Leistung), "500");
    EXPECT_EQ(back->intFeld(PF_MediumKalt), 3);
    EXPECT_EQ(back->intFeld(PF_Spalttyp1), -1);
    EXPECT_EQ(back->kodieren(), bytes);
}

TEST(Projektdatei, ReaderStopsAtZeroOrFieldEndAndIgnoresTrailingBytes) {
    ProjektInhalt p;
    p.setzeFeld(PF_Version, kProjektVersion);
    std::string bytes = p.kodieren();
    // garbage after the zero byte of field 35 carries no meaning
    std::string duty = std::string("12.5\0xyz", 8);
    bytes.replace(700, duty.size(), duty);
    auto back = ProjektInhalt::dekodieren(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->feld(PF_Leistung), "12.5");
    EXPECT_DOUBLE_EQ(back->doubleFeld(PF_Leistung), 12.5);
}

TEST(Projektdatei, ForeignShortAndLongFilesAreRefused) {
    ProjektInhalt p;
    p.setzeFeld(PF_Version, kProjektVersion);
    std::string gut = p.kodieren();
    EXPECT_TRUE(ProjektInhalt::dekodieren(gut));
    EXPECT_FALSE(ProjektInhalt::dekodieren(gut.substr(0, 1659)));
    EXPECT_FALSE(ProjektInhalt::dekodieren(gut + "x"));
    EXPECT_FALSE(ProjektInhalt::dekodieren(""));
    std::string fremd = gut;
    fremd.replace(0, 4, std::string("3.2\0", 4));
    EXPECT_FALSE(ProjektInhalt::dekodieren(fremd));
    std::string ohneNull = gut;
    ohneNull.replace(0, 20, std::string(20, '3'));
    EXPECT_FALSE(ProjektInhalt::dekodieren(ohneNull));
}

TEST(Projektdatei, LongTextsAreCutToTheirField) {
    ProjektInhalt p;
    p.setzeFeld(PF_Leistung, std::string(25, '9'));
    EXPECT_EQ(p.feld(PF_Leistung).size(), 20u);
    p.setzeFeld(PF_NameKalt, std::string(40, 'n'));
    EXPECT_EQ(p.feld(PF_NameKalt).size(), 30u);
    // never half a character: a two- and a three-byte one across the field end
    p.setzeFeld(PF_Leistung, std::string(19, '9') + "°C");
    EXPECT_EQ(p.feld(PF_Leistung), std::string(19, '9'));
    p.setzeFeld(PF_NameWarm, std::string(28, 'n') + "–x");
    EXPECT_EQ(p.feld(PF_NameWarm), std::string(28, 'n'));
    p.setzeFeld(PF_NameWarm, std::string(27, 'n') + "–x");
    EXPECT_EQ(p.feld(PF_NameWarm), std::string(27, 'n') + "–");
}

TEST(Projektdatei, NumbersKeepPercentFWhenItReadsBackAndRoundTripOtherwise) {
    // "%f" stays wherever it reads back exactly; otherwise the shortest exact form
    const std::pair<double, const char*> faelle[] = {
        {1.5, "1.500000"},
        {0.0, "0.000000"},
        {-0.0, "-0.000000"},
        {0.1, "0.100000"},
        {860.0, "860.000000"},
        {999999999999.0, "999999999999.000000"},  // 19 bytes
        {0.0185123, "0.0185123"},
        {4e-7, "4e-7"},
        {-2.5e-5, "-0.000025"},
        {-4.25e-7, "-425e-9"},
        {123.4567891, "123.4567891"},
        {1e-320, "1e-320"},
        // 17 digits fit only without the zero before the point
        {0.0011111111111111111, ".0011111111111111111"},
        {-0.001111111111111111, "-.001111111111111111"},
    };
    for (const auto& [wert, text] : faelle) {
        EXPECT_EQ(projektZahlText(wert), text);
        const double zurueck = textZuDouble(text);
        EXPECT_EQ(std::memcmp(&zurueck, &wert, sizeof wert), 0) << text;
    }
    for (double v : {1e13, 1.234567890123e15, 123456789012345678.0, -2.5e20, 1.0 / 3.0 * 1e14}) {
        std::string t = projektZahlText(v);
        EXPECT_LE(t.size(), 20u) << t;
        EXPECT_EQ(textZuDouble(t), v) << t;
    }
    // the largest double needs more than 20 bytes: closest finite form
    std::string t = projektZahlText(1.7976931348623157e308);
    EXPECT_LE(t.size(), 20u);
    EXPECT_NEAR(textZuDouble(t) / 1.7976931348623157e308, 1.0, 1e-14) << t;
}

TEST(Projektdatei, SafeWriteReplacesAndFailedWriteKeepsTheOldFile) {
    kaltest::TempDir d;
    const std::string f = d.pfad("p.kal");
    ASSERT_TRUE(dateiSicherSchreiben(f, "alt"));
    ASSERT_TRUE(dateiSicherSchreiben(f, "neu"));
    EXPECT_EQ(*dateiLesen(f, 100), "neu");
    EXPECT_FALSE(fs::exists(d.pfad("p.kal.kalvoria-tmp")));
    // a target that is a directory cannot be replaced: the error is reported
    fs::create_directories(d.pfad("ordner"));
    std::string fehler;
    EXPECT_FALSE(dateiSicherSchreiben(d.pfad("ordner"), "x", &fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_TRUE(fs::is_directory(d.pfad("ordner")));
    EXPECT_FALSE(dateiSicherSchreiben(d.pfad("fehlt/p.kal"), "x"));
}

TEST(Projektdatei, ReadingStopsEarlyOnHugeFiles) {
    kaltest::TempDir d;
    d.schreibe("gross.bin", std::string(100000, 'a'));
    auto r = dateiLesen(d.pfad("gross.bin"), 1660);
    ASSERT_TRUE(r);
    EXPECT_GT(r->size(), 1660u);
    EXPECT_LT(r->size(), 100000u);
    EXPECT_FALSE(dateiLesen(d.pfad("fehlt"), 10));
}
