// A quotation worked on without a screen: positions evaluated as the
// program completes them, a pack that changed named, revisions with their
// history, files refused with a message naming them, and the printed
// document checked for overlapping texts and its page numbers.
#include "angebot/sammelangebot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "angebot/mappendruck.h"
#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "projekt/angebotsblock.h"
#include "projekt/projektdatei.h"
#include "seite.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;
using kaltest::liesDatei;
using kaltest::Umgebung;
using Json = nlohmann::ordered_json;

namespace {
using Art = Benutzeraktion::Art;

struct Vollstaendig {
    std::string bytes;
    double einzelpreis = 0.0;
    std::string lieferzeit;
};

// A sample completed as a user would: connections, insulation, painting;
// the bytes a save would write and what the completion showed.
Vollstaendig vervollstaendigt(Umgebung& u, const char* name) {
    CBerechnungDlg d(u.app);
    EXPECT_EQ(d.projektLesen(kaltest::distDir() + "/examples/" + name + ".kal"), 0);
    EXPECT_TRUE(d.berechnen());
    Vollstaendig v;
    u.p.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
        auto& k = dynamic_cast<CAssembly&>(m);
        const Benutzeraktion aktionen[] = {{kp::AnschlussWarm, Art::Auswahl, 26, false, {}},
                                           {kp::PreisAnschlussWarm, Art::Text, 0, false, "180"},
                                           {kp::PreisAnschlussKalt, Art::Text, 0, false, "150"},
                                           {kp::Isolierung, Art::Haken, 0, true, {}},
                                           {kp::PreisIsolierung, Art::Text, 0, false, "420"},
                                           {kp::Lackierung, Art::Haken, 0, true, {}},
                                           {kp::RalNr, Art::Text, 0, false, "3000"},
                                           {kp::PreisLackierung, Art::Text, 0, false, "310"}};
        for (const Benutzeraktion& a : aktionen)
            anwenden(m.form(), a, [&m](int id, BindEvent e) { m.ereignis(id, e); });
        EXPECT_TRUE(k.uebernehmen());
        EXPECT_TRUE(k.einzelpreisVollstaendig());
        v.einzelpreis = k.einzelpreis();
        v.lieferzeit = m.form().text(kp::Lieferzeit);
        return 2;
    });
    d.komplettieren();
    v.bytes = d.projektBytes();
    return v;
}

// The same project with its offer made for another pack.
std::string anderesPaket(const std::string& bytes) {
    AngebotGelesen g = angebotDekodieren(std::string_view(bytes).substr(kProjektGroesse));
    EXPECT_EQ(g.lage, AngebotsLage::Gelesen);
    g.block->paket = "KX 99;1;1;3";
    return bytes.substr(0, kProjektGroesse) + angebotKodieren(*g.block);
}
}  // namespace

TEST(Sammelangebot, PositionsAsTheCompletionGivesThem) {
    Umgebung u;
    const Vollstaendig w = vervollstaendigt(u, "water_water_design");
    ASSERT_GT(w.einzelpreis, 0.0);
    Sammelangebot q(u.app);
    q.hinzufuegen(w.bytes, 3);
    q.hinzufuegen(anderesPaket(w.bytes));
    // a bare sample: its completion has no connection chosen, so no price
    q.hinzufuegen(liesDatei(kaltest::distDir() + "/examples/steam_condenser_design.kal"));

    const Positionsauswertung& a = q.auswertung(0);
    ASSERT_TRUE(a.berechnet);
    EXPECT_TRUE(a.vollstaendig());
    EXPECT_FALSE(a.paketGeaendert);
    EXPECT_EQ(a.einzelpreis, cent(w.einzelpreis));
    EXPECT_EQ(a.lieferzeit, std::stoi(w.lieferzeit));
    EXPECT_EQ(a.plattentyp.substr(0, 2), "KX");
    EXPECT_NE(a.medien.find(" / "), std::string::npos);
    EXPECT_FALSE(a.kennung.empty());

    EXPECT_TRUE(q.auswertung(1).paketGeaendert);
    EXPECT_FALSE(q.auswertung(1).vollstaendig());  // the choices were not applied
    EXPECT_TRUE(q.auswertung(2).berechnet);
    EXPECT_FALSE(q.auswertung(2).vollstaendig());
    EXPECT_FALSE(q.auswertung(2).paketGeaendert);

    const Mappensummen s = q.summen();
    EXPECT_EQ(s.zwischensumme, *cent(w.einzelpreis) * 3);
    EXPECT_FALSE(s.vollstaendig);
}

TEST(Sammelangebot, MovingDuplicatingRemoving) {
    Umgebung u;
    Sammelangebot q(u.app);
    const std::string a = liesDatei(kaltest::distDir() + "/examples/water_water_design.kal"),
                      b = liesDatei(kaltest::distDir() + "/examples/air_cooler_design.kal");
    q.hinzufuegen(a, 1, "A");
    q.hinzufuegen(b, 2, "B");
    q.duplizieren(0);
    q.verschieben(0, 2);
    q.setzeMenge(0, 0);   // at least one
    q.entfernen(7);       // no such position
    q.verschieben(1, 9);  // nor here
    auto texte = [&] {
        std::string t;
        for (const Mappenposition& p : q.mappe().positionen)
            t += p.text + std::to_string(p.menge) + ";";
        return t;
    };
    EXPECT_EQ(texte(), "A1;B2;A1;");
    q.entfernen(0);
    EXPECT_EQ(texte(), "B2;A1;");
    q.ersetzen(1, b);
    EXPECT_EQ(q.mappe().positionen[1].projekt, b);
}

TEST(Sammelangebot, RevisionsKeepTheEarlierTotals) {
    Umgebung u;
    const Vollstaendig w = vervollstaendigt(u, "water_water_design");
    Sammelangebot q(u.app);
    q.mappe().mwst = 1900;
    q.hinzufuegen(w.bytes, 2);
    const std::string pfad = u.dir.pfad("q.kalq");
    ASSERT_TRUE(q.speichern(pfad));
    EXPECT_FALSE(q.geaendert());
    const Mappensummen vorher = q.summen();

    ASSERT_TRUE(q.alsRevisionSpeichern(pfad));
    q.setzeMenge(0, 5);
    ASSERT_TRUE(q.alsRevisionSpeichern(pfad));

    Sammelangebot r(u.app);
    ASSERT_TRUE(r.oeffnen(pfad));
    EXPECT_EQ(r.mappe().revision, 2);
    ASSERT_EQ(r.mappe().historie.size(), 2u);
    EXPECT_EQ(r.mappe().historie[0].revision, 0);
    EXPECT_EQ(r.mappe().historie[0].gesamt, vorher.gesamt);
    EXPECT_EQ(r.mappe().historie[1].revision, 1);
    EXPECT_EQ(r.mappe().historie[1].zwischensumme, vorher.zwischensumme);
    EXPECT_EQ(r.summen().zwischensumme, vorher.zwischensumme / 2 * 5);

    // a revision that cannot be written leaves the quotation as it was
    const Angebotsmappe stand = r.mappe();
    EXPECT_FALSE(r.alsRevisionSpeichern(u.dir.pfad("no/such/folder/q.kalq")));
    EXPECT_EQ(r.mappe(), stand);
    EXPECT_EQ(u.meldungsKeys().back(), "dateiNichtGeschrieben");
    EXPECT_EQ(liesDatei(pfad), mappeKodieren(stand));
}

TEST(Sammelangebot, UnusableFilesAreNamedAndChangeNothing) {
    Umgebung u;
    Sammelangebot q(u.app);
    q.mappe().unsereReferenz = "keep";
    const std::string kaputt = u.dir.pfad("kaputt.kalq"), neuer = u.dir.pfad("neuer.kalq");
    {
        std::ofstream(kaputt) << R"({"format": "kalvoria-quotation", "version": 1, "positions": [)";
        std::ofstream(neuer) << R"({"format": "kalvoria-quotation", "version": 7})";
    }
    const std::pair<std::string, const char*> faelle[] = {
        {kaputt, "mappeBeschaedigt"},
        {neuer, "mappeNeuer"},
        {u.dir.pfad("fehlt.kalq"), "mappeNichtGeoeffnet"}};
    for (const auto& [pfad, key] : faelle) {
        EXPECT_FALSE(q.oeffnen(pfad));
        ASSERT_FALSE(u.p.messages.shown.empty());
        EXPECT_EQ(u.p.messages.shown.back().key, key);
        EXPECT_NE(u.p.messages.shown.back().text.find(pfad), std::string::npos);
        EXPECT_EQ(u.p.messages.shown.back().text.find("%"), std::string::npos);
        EXPECT_EQ(q.mappe().unsereReferenz, "keep");
    }
}

// The longest values the file takes, three positions with their printouts,
// in both languages: no text overlaps another or leaves its frame, every
// header counts the pages of the whole document, and the contents name the
// page each part begins on.
TEST(Sammelangebot, DocumentLayoutAndPageNumbers) {
    for (const char* sprache : {"uk", "de"}) {
        SCOPED_TRACE(sprache);
        Umgebung u;
        const Vollstaendig w = vervollstaendigt(u, "water_water_design");
        Sammelangebot q(u.app);
        q.neu(sprache);
        Angebotsmappe& m = q.mappe();
        const std::string lang(300, 'W');
        m.kunde = {std::string(200, 'M') + " Wärmeübertrager-Beschaffungsgesellschaft mbH",
                   std::vector<std::string>(kMappeMaxZeilen, std::string(120, 'A')), lang};
        m.unsereReferenz = m.anfrageReferenz = m.anfrageDatum = m.gueltigkeit = lang;
        m.bedingungen = {lang + " " + lang, lang, lang, lang};
        m.rabatt = 9999;
        m.mwst = 10000;
        m.revision = 12;
        q.hinzufuegen(w.bytes, kMappeMaxMenge, std::string(1000, 'T'));
        q.hinzufuegen(anderesPaket(w.bytes), 1, "Spare plate pack");
        q.hinzufuegen(liesDatei(kaltest::distDir() + "/examples/user_medium_design.kal"));
        RecordingPage seite(4960, 7016, 10);  // the printouts' own checks use this page
        ASSERT_TRUE(mappenZeichnung(q, true)(seite));
        EXPECT_EQ(kaltest::layoutFehler(seite), std::vector<std::string>{});
        const int seiten =
            static_cast<int>(std::count(seite.log.begin(), seite.log.end(), "startPage"));
        ASSERT_GT(seiten, 15);  // the letter and five printouts per position
        EXPECT_EQ(
            std::count_if(seite.log.begin(), seite.log.end(),
                          [](const std::string& z) { return z.rfind("startDocument", 0) == 0; }),
            1);
        EXPECT_EQ(std::count(seite.log.begin(), seite.log.end(), "endDocument"), 1);
        const std::string von = q.mappenSprache().GetValue("projektdaten", "seitevon", "");
        // each page's header names it in the whole document
        const std::regex nummer(".* (\\d+) " + von + " (\\d+)");
        std::vector<int> gefunden;
        for (const RecordingPage::Text& t : seite.texte) {
            std::smatch mt;
            if (std::regex_match(t.text, mt, nummer) && std::stoi(mt[2]) == seiten) {
                EXPECT_EQ(std::stoi(mt[1]), t.seite);
                gefunden.push_back(t.seite);
            }
        }
        EXPECT_EQ(static_cast<int>(gefunden.size()), seiten);
        // the positions' projects name no customer: their pages show the quotation's
        std::set<int> mitKunde;
        for (const RecordingPage::Text& t : seite.texte)
            if (t.text.starts_with("MMMMMMMMMM")) mitKunde.insert(t.seite);
        EXPECT_EQ(static_cast<int>(mitKunde.size()), seiten);
        // the contents: a title on page 1 with the page the title's sheet begins on
        const CIniEx& s = q.mappenSprache();
        const std::string plan = s.GetValue("plattenlegeplan", "titel", "");
        int eintrag = 0;
        for (size_t i = 0; i + 1 < seite.texte.size(); ++i)
            if (seite.texte[i].seite == 1 &&
                seite.texte[i].text.find("3: " + plan) != std::string::npos)
                eintrag = std::stoi(seite.texte[i + 1].text);
        ASSERT_GT(eintrag, 1);
        bool titel = false;
        for (const RecordingPage::Text& t : seite.texte)
            titel = titel || (t.seite == eintrag && t.text == plan);
        EXPECT_TRUE(titel) << eintrag;
        // every position ends with its performance curves
        const std::string kurven = s.GetValue("kennlinie", "titel", "");
        for (const char* nr : {"1: ", "2: ", "3: "})
            EXPECT_TRUE(std::any_of(seite.texte.begin(), seite.texte.end(),
                                    [&](const RecordingPage::Text& t) {
                                        return t.seite == 1 &&
                                               t.text.find(nr + kurven) != std::string::npos;
                                    }))
                << nr;
    }
}
