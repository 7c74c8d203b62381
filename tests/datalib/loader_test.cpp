#include <gtest/gtest.h>

#include "datalib/data.h"
#include "verzeichnis.h"

using kaltest::distDataDir;
using kaltest::liesDatei;

TEST(Loader, ShippedDataIsSound) {
    Data d(distDataDir());
    for (const auto& f : d.getFehler()) ADD_FAILURE() << f;
    EXPECT_TRUE(d.istGueltig());
    EXPECT_EQ(d.getEinheitenGruppeListe().getSize(), 17);
    EXPECT_EQ(d.getSpalttypListe().getSize(), 9);
    EXPECT_GE(d.getStoffdatenListe().getSize(), 10);
    EXPECT_GE(d.getPlattentypAListe().getSize(), 8);
    EXPECT_EQ(d.getPlattentypAListe().getSize(), d.getPlattentypUListe().getSize());
    EXPECT_TRUE(d.getPlattentypCListe().getCustomPreisevorhanden());
}

TEST(Loader, BackslashSeparatorsAccepted) {
    std::string dir = distDataDir();
    dir.pop_back();
    dir = dir.substr(0, dir.rfind('/')) + "\\data\\";
    Data d(dir);
    EXPECT_TRUE(d.istGueltig()) << (d.getFehler().empty() ? "" : d.getFehler().front());
}

TEST(Loader, MissingDirectoryReportsEveryFile) {
    Data d("/nonexistent/kal/data/");
    EXPECT_FALSE(d.istGueltig());
    EXPECT_GE(d.getFehler().size(), 12u);
    EXPECT_EQ(d.getStoffdatenListe().getSize(), 0);
}

// One damaged entry: file, replaced text, expected parts of the message.
struct Schaden {
    const char* datei;
    const char* alt;
    const char* neu;
    const char* erwartet;  // field name in the message
};

class LoaderSchaden : public ::testing::TestWithParam<Schaden> {};

TEST_P(LoaderSchaden, BadFileRefusedByNameEntryAndField) {
    const Schaden& s = GetParam();
    kaltest::AppDir dir;
    const std::string datei = "data/" + std::string(s.datei);
    std::string t = liesDatei(dir.pfad(datei));
    auto pos = t.find(s.alt);
    ASSERT_NE(pos, std::string::npos) << s.alt;
    t.replace(pos, std::string(s.alt).size(), s.neu);
    dir.schreibe(datei, t);
    Data d(dir.pfad("data"));
    ASSERT_FALSE(d.istGueltig());
    bool gefunden = false;
    for (const auto& f : d.getFehler())
        if (f.find(s.datei) == 0 && f.find(s.erwartet) != std::string::npos) gefunden = true;
    EXPECT_TRUE(gefunden) << d.getFehler().front();
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, LoaderSchaden,
    ::testing::Values(
        Schaden{"stoffe.json", "\"name\": \"Water\"", "\"name\": 5", "id 1: name"},
        Schaden{"stoffe.json", "\"tMin\": 1,", "\"tMin\": \"x\",", "id 1: tMin"},
        Schaden{"stoffe.json", "\"temperatur\": [\n    1,\n    2,",
                "\"temperatur\": [\n    2,\n    1,", "temperatur: not strictly ascending"},
        Schaden{"stoffe.json", "\"codeKondensat\": 0", "\"codeKondensat\": 40", "codeKondensat"},
        // provenance and the tables over pressure
        Schaden{"stoffe.json",
                "\"basis\": \"pure water, liquid at max(1.01325 bar, saturation + 0.5 bar)\",", "",
                "id 1: basis: missing"},
        Schaden{"stoffe.json", "\"dichte\": \"IAPWS-IF97 region 1\",", "\"dichte\": \"\",",
                "id 1: quellen.dichte: not a text"},
        Schaden{"stoffe.json", "\"basis\": \"sea water, salinity 35 g/kg\",",
                "\"basis\": \"sea water\", \"druck\": [1, 2],",
                "id 2: druck: pressure tables only for a gas"},
        Schaden{"stoffe.json", "\"druck\": [\n    0.5,\n", "\"druck\": [\n    0.4,\n    0.5,\n",
                "id 10: dichte: needs one row per druck"},
        Schaden{"stoffe.json", "\"druck\": [\n    0.5,\n    1.01325,",
                "\"druck\": [\n    0.5,\n    0.5,", "id 10: druck: not strictly ascending"},
        Schaden{"stoffe.json", "\"kritisch\": {", "\"kritischX\": {", "id 10: kritisch: missing"},
        Schaden{"spalttypen.json", "\"reGueltig\": [\n      10.0,\n      50000.0",
                "\"reGueltig\": [\n      50000.0,\n      10.0", "reGueltig"},
        Schaden{"spalttypen.json", "\"stroemungswinkel\": 25,", "\"stroemungswinkel\": 95,",
                "stroemungswinkel: out of range"},
        Schaden{"plattentypen.json", "\"dhSpalt\": 0.004,", "\"dhSpalt\": -0.004,", "dhSpalt"},
        Schaden{"plattentypen.json", "\"maxSpalte\": 40,", "", "maxSpalte: missing"},
        Schaden{"plattentyppreise.json", "\"dichtung\": 1,", "\"dichtung\": 99,", "unknown gasket"},
        Schaden{"kundenpreise.json", "\"laengenzuschlag\": 1,", "\"laengenzuschlag\": 999,",
                "unknown length class"},
        Schaden{"anschluesse.json", "\"druckstufen\": [\n    1,", "\"druckstufen\": [\n    9,",
                "id 1: druckstufen"},
        Schaden{"einheiten.json", "\"faktor\": 1,", "\"faktor\": 0,", "faktor"},
        Schaden{"global.json", "\"maxSpalt\": 3.0", "\"maxSpalt\": null", "maxSpalt"},
        Schaden{"druckstufen.json", "{", "[", "not valid JSON"},
        Schaden{"spalttypen.json", "\"alphaReGrenze\": [\n      2000.0",
                "\"alphaReGrenze\": [\n      1.0", "alphaReGrenze: bounds"}));

TEST(Loader, BadFileLeavesOnlyItsListEmpty) {
    kaltest::AppDir dir;
    dir.schreibe("data/dichtungen.json", "{\"dichtungen\": [{\"id\": 1}]}");
    Data d(dir.pfad("data"));
    EXPECT_EQ(d.getDichtungAListe().getSize(), 0);
    EXPECT_GE(d.getStoffdatenListe().getSize(), 10);
    ASSERT_FALSE(d.getFehler().empty());
    EXPECT_EQ(d.getFehler().front().rfind("dichtungen.json: id 1: name", 0), 0u);
}

TEST(Loader, NonFiniteAndHugeNumbersRefused) {
    kaltest::AppDir dir;
    // JSON has no NaN; a huge exponent overflows to inf in the parser
    std::string t = liesDatei(dir.pfad("data/global.json"));
    t.replace(t.find("3.0"), 3, "1e999");
    dir.schreibe("data/global.json", t);
    Data d(dir.pfad("data"));
    EXPECT_FALSE(d.istGueltig());
}
