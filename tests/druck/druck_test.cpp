// The price list on the recording page: its steps in order, the column
// fractions, prices on request, documentation lines, the page continuation;
// the connection-text split and the project-data dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "druck/blatt.h"
#include "druck/projektdaten.h"
#include "druck/zubehoerliste.h"
#include "ids/dialog_ids.h"
#include "seite.h"
#include "umgebung.h"

using namespace kal;
using kaltest::Gezeichnet;

namespace {

struct Teilung {
    const char* text;
    const char* erste;
    const char* zweite;
};

class Anschlusszeilen : public ::testing::TestWithParam<Teilung> {};

TEST_P(Anschlusszeilen, SplitAfterTheSecondComma) {
    const auto [erste, zweite] = anschlussZeilen(GetParam().text);
    EXPECT_EQ(erste, GetParam().erste);
    EXPECT_EQ(zweite, GetParam().zweite);
    EXPECT_EQ(erste + zweite, GetParam().text);  // nothing lost or added
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Anschlusszeilen,
    ::testing::Values(
        Teilung{"Drilling pattern, DN 65, stainless steel AISI 316, with stud bolts",
                "Drilling pattern, DN 65, ", "stainless steel AISI 316, with stud bolts"},
        Teilung{"Sonderanschluss nach Zeichnung", "Sonderanschluss nach Zeichnung", ""},
        Teilung{"Flansch, DN 50", "Flansch, DN 50", ""}, Teilung{"a,b,c", "a,b,", "c"},
        Teilung{"a, b,", "a, b,", ""}, Teilung{"", "", ""}));

// The list of a fully priced item, on a recording page.
Zubehoerangaben bepreist() {
    Zubehoerangaben a;
    a.preisCode = "KX 14-41-316-EPDMHT";
    a.geraetekennstring = "KX14-41-2P";
    a.geraetegrundpreis = 5102.0;
    a.anschlussWarm = {412.5, true};
    a.anschlussKalt = {380.0, true};
    a.lackierung = {250.0, true};
    a.isolierung = {900.0, true};
    a.einzelpreis = 7044.5;
    a.einzelpreisVollstaendig = true;
    a.anschlussTextWarm = "Drilling pattern, DN 65, stainless steel AISI 316, with stud bolts";
    a.anschlussTextKalt = "Special";
    a.entleerungVarianteWarm = 2;
    a.entleerungTextWarm = "F4 : blind flanges for drain,";
    a.nennweiteTextWarm = "Nominal width as warm side connection";
    a.sonderlackierung = a.waermeisolierung = true;
    a.ralNr = "7035";
    a.dokuAnzahl = "1";
    a.dokuSprache = "English";
    return a;
}

struct Liste {
    kaltest::Umgebung u;
    CDialogProjektDaten kopf{u.app};
    RecordingPage seite;
    bool ok = false;
    // an A4 page at 600 dpi
    explicit Liste(const Zubehoerangaben& a, RecordingPage s = RecordingPage(4960, 7016, 10))
        : seite(s) {
        ok = druckeZubehoerliste(seite, u.app.getSprache(), kopf, a);
    }
    // The body, from heading I. on, as "lines below the heading | column | text"
    // with the columns named by the fractions of the width they stand at.
    std::string koerper() const {
        const auto t = kaltest::texte(seite.log);
        auto start = std::find_if(t.begin(), t.end(),
                                  [](const Gezeichnet& g) { return g.text.rfind("I. ", 0) == 0; });
        if (start == t.end()) return "no heading";
        const int l = seite.lineHeight(11), w = seite.pageWidth();
        std::string aus;
        for (auto it = start; it != t.end(); ++it) {
            const std::string spalte = it->x == w / 10                                   ? "x0"
                                       : it->x == w * 92 / 100 && it->ausrichtung == 'R' ? "betrag"
                                       : it->text == "Price"                             ? "preis"
                                                                                         : "?";
            const int dy = it->y - start->y;
            aus += (dy % l ? std::to_string(dy) + "?" : std::to_string(dy / l)) + " " + spalte +
                   (it->gewicht == 700 ? " bold " : " ") + it->text + "\n";
        }
        return aus;
    }
};

// Every step in its order with its line steps: split connection text,
// drain lines, painting, subtotal, accessories, total, documentation,
// closing notes and conditions.
TEST(Zubehoerliste, PricedItemStepByStep) {
    Liste l(bepreist());
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.koerper(),
              "0 x0 bold I. Plate heat exchanger\n"
              "2 x0 KX 14-41-316-EPDMHT\n"
              "2 preis Price\n"
              "2 betrag   5102.00  EUR\n"
              "4 x0 Connection warm side\n"
              "5 x0 Drilling pattern, DN 65,\n"
              "6 x0 stainless steel AISI 316, with stud bolts\n"
              "7 x0 incl. F4 : blind flanges for drain,\n"
              "8 x0 Nominal width as warm side connection\n"
              "8 preis Price\n"
              "8 betrag    412.50  EUR\n"
              "10 x0 Connection cold side\n"
              "11 x0 Special\n"
              "11 preis Price\n"
              "11 betrag    380.00  EUR\n"
              "13 x0 Special painting RAL no. 7035\n"
              "13 preis Price\n"
              "13 betrag    250.00  EUR\n"
              "15 betrag ----------------\n"
              "16 betrag   6144.50  EUR\n"
              "18 x0 bold II. Accessories\n"
              "20 x0 Heat insulation\n"
              "20 preis Price\n"
              "20 betrag    900.00  EUR\n"
              "22 betrag ----------------\n"
              "23 betrag   7044.50  EUR\n"
              "26 x0 bold III. Documentation\n"
              "28 x0 Number: 1 set(s) of documentation in English\n"
              // a text longer than its column wraps before the price column
              "30 x0 Dimension sheet, operating manual, pressure test\n"
              "31 x0 certificate\n"
              "37 x0 Prices ex works, excluding packing and VAT.\n"
              "38 x0 Our general terms of delivery apply.\n"
              "39 x0 Prices valid for 30 days from the date of this list.\n");
    EXPECT_EQ(kaltest::anzahl(l.seite.log, "startPage"), 1);
    EXPECT_EQ(l.seite.log.back(), "endDocument");
}

// On request: every amount reads so, no subtotal block, no conditions; the
// total's dashes stay.
TEST(Zubehoerliste, OnRequestWithoutSubtotalAndConditions) {
    Zubehoerangaben a = bepreist();
    a.preiseAufAnfrage = true;
    a.anschlussKalt.bekannt = false;
    Liste l(a);
    const auto t = kaltest::texte(l.seite.log);
    std::vector<std::string> betraege;
    for (const Gezeichnet& g : t)
        if (g.ausrichtung == 'R' && g.gewicht == 500 && g.text != "----------------")
            betraege.push_back(g.text);
    EXPECT_EQ(betraege, std::vector<std::string>(6, "on request"));  // base, 2 connections,
                                                                     // painting, insulation, total
    const std::string body = l.koerper();
    EXPECT_EQ(body.find("betrag ----------------"), body.rfind("betrag ----------------"))
        << "the total's dashes only";
    EXPECT_NE(body.find("betrag ----------------"), std::string::npos);
    EXPECT_EQ(body.find("Prices valid"), std::string::npos);
}

// An item nobody priced reads "on request", and so do the sums it is part
// of; the warning names exactly the printed items without a price.
TEST(Zubehoerliste, UnknownPriceReadsOnRequest) {
    Zubehoerangaben a = bepreist();
    a.anschlussWarm.bekannt = false;
    a.einzelpreisVollstaendig = false;
    const std::string body = Liste(a).koerper();
    EXPECT_NE(body.find("8 betrag on request\n"), std::string::npos) << body;
    EXPECT_NE(body.find("11 betrag    380.00  EUR\n"), std::string::npos) << body;
    EXPECT_NE(body.find("16 betrag on request\n"), std::string::npos) << body;
    EXPECT_NE(body.find("23 betrag on request\n"), std::string::npos) << body;
    EXPECT_EQ(body.find("betrag EUR"), std::string::npos) << "no bare currency";

    kaltest::Umgebung u;
    const CIniEx& sprache = u.app.getSprache();
    a.isolierung.bekannt = false;
    a.spritzschutz.bekannt = false;  // not chosen: not printed, not missing
    const auto fehlend = fehlendePreise(sprache, a);
    EXPECT_EQ(fehlend, (std::vector<std::string>{"Connection warm side", "Heat insulation"}));
    EXPECT_EQ(fehlendePreiseText(sprache, fehlend, false),
              "No price has been entered for these items; the list will read on request for "
              "them: Connection warm side, Heat insulation");
    EXPECT_EQ(fehlendePreiseText(sprache, fehlend, true),
              "No price has been entered for these items; the list will read on request for "
              "them:\n    Connection warm side\n    Heat insulation\n\n"
              "Print the list anyway, or go back and enter the prices?");
    a.preiseAufAnfrage = true;
    EXPECT_TRUE(fehlendePreise(sprache, a).empty()) << "a list on request misses nothing";
    EXPECT_TRUE(fehlendePreise(sprache, bepreist()).empty());
}

// Two sets put a price on the dimension-sheet line; checked boxes follow
// in their fixed order one line apart, unchecked ones leave no gap.
TEST(Zubehoerliste, DocumentationLines) {
    Zubehoerangaben a = bepreist();
    a.dokuAnzahl = "2";
    a.dokumente[7] = a.dokumente[0] = a.dokumente[4] = true;  // QC plan, plan, schedule
    const std::string body = Liste(a).koerper();
    EXPECT_NE(body.find("30 x0 Dimension sheet, operating manual, pressure test\n"
                        "31 x0 certificate\n31 preis Price\n31 betrag on request\n"
                        "33 x0 Plate arrangement plan\n33 preis Price\n33 betrag on request\n"
                        "34 x0 Production schedule\n34 preis Price\n34 betrag on request\n"
                        "35 x0 Quality control plan\n35 preis Price\n35 betrag on request\n"
                        "40 x0 Prices ex works"),
              std::string::npos)
        << body;
}

// x0 and the amounts at their fractions of any width; the word "price" at
// three quarters where the widest amount leaves room, else just left of it.
TEST(Zubehoerliste, ColumnsAreFractionsOfTheWidth) {
    for (int breite : {4960, 9000, 20000}) {
        SCOPED_TRACE(breite);
        Liste l(bepreist(), RecordingPage(breite, 7016, 10));
        const int font = l.seite.lineHeight(11);
        int preis = -1;
        for (const Gezeichnet& g : kaltest::texte(l.seite.log)) {
            if (g.text == "Price") {
                EXPECT_TRUE(preis < 0 || preis == g.x) << "one column";
                preis = g.x;
            }
            if (g.ausrichtung == 'R' && g.gewicht == 500 && g.seite == 1) {
                EXPECT_EQ(g.x, breite * 92 / 100) << g.text;
            }
            if (g.text == "I. Plate heat exchanger") {
                EXPECT_EQ(g.x, breite / 10);
            }
        }
        const int widest = l.seite.textWidth("888888.88  EUR", PageFont{"", font, 500});
        const int wort = l.seite.textWidth("Price", PageFont{"", font, 500});
        EXPECT_LE(preis, breite * 75 / 100);
        EXPECT_LT(preis + wort, breite * 92 / 100 - widest);
        if (breite * 75 / 100 + wort < breite * 92 / 100 - widest) {
            EXPECT_EQ(preis, breite * 75 / 100);
        }
    }
}

// Content beyond the page continues on a new page below a fresh header;
// nothing is drawn below the bottom margin.
TEST(Zubehoerliste, ContinuesOnASecondPageWithTheHeader) {
    Zubehoerangaben a = bepreist();
    a.dokumente.fill(true);
    const int hoehe = 4000;  // a short page
    Liste l(a, RecordingPage(4960, hoehe, 10));
    ASSERT_TRUE(l.ok);
    const int seiten = kaltest::anzahl(l.seite.log, "startPage");
    EXPECT_GE(seiten, 2);
    EXPECT_EQ(kaltest::anzahl(l.seite.log, "endPage"), seiten);
    int titel = 0;
    for (const Gezeichnet& g : kaltest::texte(l.seite.log)) {
        titel += g.text == "Accessories and price list";
        EXPECT_LE(g.y + l.seite.lineHeight(11), hoehe * 97 / 100) << g.text;
    }
    EXPECT_EQ(titel, seiten);
    const auto t = kaltest::texte(l.seite.log);
    EXPECT_EQ(t.back().text, "Prices valid for 30 days from the date of this list.");
    EXPECT_EQ(t.back().seite, seiten);
}

// A special connection's free text longer than its column wraps before
// the price column; its price stands on its last line.
TEST(Zubehoerliste, LongConnectionTextWrapsBeforeThePrice) {
    Zubehoerangaben a = bepreist();
    a.anschlussTextKalt =
        "Special connection to drawing 4711-0815 rev. C with counter flanges and gaskets";
    Liste l(a);
    EXPECT_EQ(kaltest::layoutFehler(l.seite), std::vector<std::string>{});
    const std::string body = l.koerper();
    EXPECT_NE(body.find("11 x0 Special connection to drawing 4711-0815 rev. C with\n"
                        "12 x0 counter flanges and gaskets\n12 preis Price\n"),
              std::string::npos)
        << body;
}

TEST(Zubehoerliste, FailingPageEndAbortsTheJob) {
    RecordingPage s(4960, 7016, 10);
    s.failEndPage = true;
    Liste l(bepreist(), s);
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.seite.log.back(), "abortDocument");
    EXPECT_EQ(kaltest::anzahl(l.seite.log, "endDocument"), 0);
}

// Clerk and telephone are remembered per user as a new project's defaults;
// customer, project and item belong to the project, so what an older store
// holds for them is neither read nor overwritten. Cancel stores nothing.
TEST(Projektdaten, OnlyClerkAndTelephoneAreRememberedPerUser) {
    kaltest::Umgebung u;
    const std::map<std::string, std::string> aelter = {
        {"name", "M. Berger"}, {"kunde", "Alt"}, {"projekt", "Alt"}, {"position", "9"}};
    u.p.settings.values = aelter;
    {
        CDialogProjektDaten d(u.app);
        EXPECT_EQ(d.caption(), "Project data");
        EXPECT_EQ(d.projektdaten(), (Projektdaten{"", "", "", "M. Berger", "", heutigesDatum()}));
        d.form().setText(pd::Kunde, "Stadtwerke");
        d.geklickt(pd::Abbrechen);
        EXPECT_EQ(d.result(), 2);
    }
    EXPECT_EQ(u.p.settings.values, aelter);
    const Projektdaten projekt{"Stadtwerke", "Fernwaerme Nord", "10", "A. Kern",
                               "-214",       "01.12.2026",      3};
    CDialogProjektDaten d(u.app, projekt);
    EXPECT_EQ(d.projektdaten(), projekt);
    d.geklickt(pd::AlsPdf);
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(d.ziel(), Druckziel::Pdf);
    std::map<std::string, std::string> danach = aelter;
    danach["name"] = "A. Kern";
    danach["telefon"] = "-214";
    EXPECT_EQ(u.p.settings.values, danach);
    EXPECT_EQ(CDialogProjektDaten(u.app).projektdaten(),
              (Projektdaten{"", "", "", "A. Kern", "-214", heutigesDatum()}));
}

TEST(Projektdaten, UnwritableStoreWarnsAndStillPrints) {
    kaltest::Umgebung u;
    u.p.settings.writable = false;
    CDialogProjektDaten d(u.app);
    d.geklickt(pd::Vorschau);
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(d.ziel(), Druckziel::Vorschau);
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{"readregistry"});
}

// The header: the sheet's title with its page of several, the project
// data, the page frame and logo, and a body that starts below everything it
// drew. The device identification only where the settings show it.
TEST(Projektdaten, HeaderEndsAboveTheBody) {
    for (const char* kennstring : {"1", "0"}) {
        SCOPED_TRACE(kennstring);
        kaltest::Umgebung u;
        std::string ini = kaltest::liesDatei(u.dir.pfad("kalvoria.ini"));
        ini.replace(ini.find("kennstring=1"), 12, std::string("kennstring=") + kennstring);
        u.dir.schreibe("kalvoria.ini", ini);
        u.app.erzeugeObjekte(u.dir.dir());
        u.app.spracheFestlegen();
        CDialogProjektDaten d(u.app, {"", "Nord", "10", "A. Kern", "-214", "01.12.2026", 2});
        RecordingPage s(4960, 7016, 10);
        const int y = d.KopfDrucken(s, Rechteck{0, 0, s.pageWidth(), s.pageHeight()}, "KX14-41",
                                    "KX 14", "kondatenblatt", 2, 3);
        std::vector<std::string> gezeichnet;
        for (const Gezeichnet& g : kaltest::texte(s.log)) {
            gezeichnet.push_back(g.text);
            EXPECT_LT(g.y, y);
        }
        for (const char* t : {"Construction data sheet", "Page 2 of 3", "A. Kern", "Nord", "KX 14",
                              "01.12.2026, Rev. 2"})
            EXPECT_NE(std::find(gezeichnet.begin(), gezeichnet.end(), t), gezeichnet.end()) << t;
        EXPECT_EQ(std::count(gezeichnet.begin(), gezeichnet.end(), "KX14-41"),
                  kennstring[0] == '1' ? 1 : 0);
        EXPECT_EQ(s.log.front().rfind("rect ", 0), 0u);
        EXPECT_NE(s.log[1].find("/pic/Logo.bmp"), std::string::npos);
    }
}

// The longest values the fields take, with blanks and without: each stays
// in its own column (wrapped or smaller) and inside the frame; the header
// grows only by the lines it needs, the same on every page and whether the
// sheet has one page or several.
TEST(Projektdaten, LongestValuesStayInTheirColumns) {
    kaltest::Umgebung u;
    CDialogProjektDaten d(u.app);
    const std::string lang = "Fernwaermeversorgung Nordstadt, Erweiterung Bauabschnitt 3b";
    const std::string breit(59, 'W');
    ASSERT_EQ(lang.size(), 59u);
    for (int id : {pd::Kunde, pd::Projekt, pd::Position, pd::Sachbearbeiter, pd::Telefon})
        d.form().setText(id, id % 2 ? lang : breit);
    RecordingPage s(4960, 7016, 10);
    const Rechteck r{0, 0, s.pageWidth(), s.pageHeight()};
    const std::string kennung = "KX08-15-1P-316-PN16-EPDMHT-G1D-7LL-A25.A25";
    const int y1 = d.KopfDrucken(s, r, kennung, "KX 08-15", "spezifikation", 1, 1);
    const int y2 = d.KopfDrucken(s, r, kennung, "KX 08-15", "spezifikation", 2, 2);
    EXPECT_EQ(y1, y2);
    const int links = 4960 * 7 / 100, rechts = 4960 * 95 / 100, mitte = (links + rechts) / 2;
    for (const RecordingPage::Text& g : s.texte) {
        SCOPED_TRACE(g.text);
        EXPECT_GT(g.links(s), links);
        EXPECT_LT(g.rechts(s), rechts);
        // the first column ends before the second starts; the price code
        // and the identification run across the width
        if (g.links(s) < mitte && g.text != kennung && g.text != "Device identification") {
            EXPECT_LT(g.rechts(s), mitte);
        }
    }
    // the header has room left for the body of a one-page sheet
    EXPECT_LT(y1, 7016 / 4);
}

}  // namespace
