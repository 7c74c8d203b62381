// The quotation window without a screen: the buttons as a user presses
// them, the table and totals as shown, printing held back by an incomplete
// position, and a position opened in the main window and taken back.
#include "angebot/angebotsfenster.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "angebot/mappensummen.h"
#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;
using kaltest::Umgebung;

namespace {
using Art = Benutzeraktion::Art;

// The sample as the main window shows it after a completion that prices
// it, or just calculated (no price: an incomplete offer).
void vorbereiten(Umgebung& u, CBerechnungDlg& d, const char* name, bool komplett) {
    ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/" + name + ".kal"), 0);
    ASSERT_TRUE(d.berechnen());
    if (!komplett) return;
    u.p.dialogs.scripts["CAssembly"].push_back([](DialogModel& m) {
        const Benutzeraktion aktionen[] = {{kp::AnschlussWarm, Art::Auswahl, 26, false, {}},
                                           {kp::PreisAnschlussWarm, Art::Text, 0, false, "180"},
                                           {kp::PreisAnschlussKalt, Art::Text, 0, false, "150"}};
        for (const Benutzeraktion& a : aktionen)
            anwenden(m.form(), a, [&m](int id, BindEvent e) { m.ereignis(id, e); });
        EXPECT_TRUE(dynamic_cast<CAssembly&>(m).uebernehmen());
        return 2;
    });
    d.komplettieren();
}

// A user's action on the window; fails the test when a user could not do it.
void tun(AngebotsfensterModel& f, Benutzeraktion a) {
    EXPECT_EQ(anwenden(f.form(), a, [&f](int id, BindEvent e) { f.ereignis(id, e); }), "") << a.id;
}
void klick(AngebotsfensterModel& f, int id) { tun(f, {id, Art::Klick, 0, false, {}}); }
void tippen(AngebotsfensterModel& f, int id, const std::string& t) {
    tun(f, {id, Art::Text, 0, false, t});
}
void waehlen(AngebotsfensterModel& f, int zeile) {
    tun(f, {ag::Positionen, Art::Auswahl, zeile, false, {}});
}

std::string mengen(const AngebotsfensterModel& f) {
    std::string s;
    for (const Angebotszeile& z : f.zeilen()) s += z.menge + ";";
    return s;
}
}  // namespace

TEST(Angebotsfenster, PositionsButtonsAndTotals) {
    Umgebung u;
    CBerechnungDlg haupt(u.app);
    vorbereiten(u, haupt, "water_water_design", true);
    AngebotsfensterModel f(haupt);
    const Form& form = f.form();
    for (int id : {ag::Hoch, ag::Runter, ag::Duplizieren, ag::Entfernen, ag::ImHauptfenster,
                   ag::Zuruecknehmen, ag::DruckenPdf, ag::PositionsText, ag::Unterlagen})
        EXPECT_FALSE(form.enabled(id)) << id;
    EXPECT_FALSE(f.angebot().geaendert());

    klick(f, ag::Hinzufuegen);
    klick(f, ag::Hinzufuegen);
    ASSERT_EQ(f.zeilen().size(), 2u);
    EXPECT_EQ(f.gewaehlt(), 1);  // the one just added
    EXPECT_TRUE(form.enabled(ag::Hoch));
    EXPECT_FALSE(form.enabled(ag::Runter));
    EXPECT_TRUE(f.caption().ends_with(" *"));

    tippen(f, ag::Menge, "3");
    klick(f, ag::Hoch);
    EXPECT_EQ(mengen(f), "3;1;");
    EXPECT_EQ(f.gewaehlt(), 0);
    klick(f, ag::Duplizieren);
    EXPECT_EQ(mengen(f), "3;3;1;");
    EXPECT_EQ(f.gewaehlt(), 1);
    tippen(f, ag::Menge, "0");  // refused with a message, the quantity stays
    EXPECT_EQ(u.p.messages.shown.size(), 1u);
    tippen(f, ag::Menge, "2");
    // the selected position's text, shown again when it is selected; no
    // longer than the file keeps
    tippen(f, ag::PositionsText, std::string(kMappeMaxText, 'T') + "zu viel");
    waehlen(f, 0);
    EXPECT_EQ(form.text(ag::PositionsText), "");
    waehlen(f, 1);
    EXPECT_EQ(form.text(ag::PositionsText), std::string(kMappeMaxText, 'T'));
    EXPECT_EQ(f.angebot().mappe().positionen[1].text, std::string(kMappeMaxText, 'T'));
    // and whether its printouts go with it
    EXPECT_TRUE(form.checked(ag::Unterlagen));
    tun(f, {ag::Unterlagen, Art::Haken, 0, false, {}});
    EXPECT_FALSE(f.angebot().mappe().positionen[1].dokumente);
    waehlen(f, 0);
    EXPECT_TRUE(form.checked(ag::Unterlagen));
    waehlen(f, 1);
    EXPECT_FALSE(form.checked(ag::Unterlagen));
    waehlen(f, 2);
    klick(f, ag::Entfernen);
    EXPECT_EQ(mengen(f), "3;2;");
    EXPECT_EQ(f.gewaehlt(), 1);  // the last left

    // the percentages as typed; a wrong one keeps the value before it
    const struct {
        const char* text;
        int rabatt;
        const char* gezeigt;
    } faelle[] = {{"2,5", 250, "2.5"},  {"7.75 %", 775, "7.75"}, {"101", 775, "7.75"},
                  {"abc", 775, "7.75"}, {"1.234", 775, "7.75"},  {"5", 500, "5"}};
    for (const auto& c : faelle) {
        tippen(f, ag::Rabatt, c.text);
        EXPECT_EQ(f.angebot().mappe().rabatt, c.rabatt) << c.text;
        EXPECT_EQ(form.text(ag::Rabatt), c.gezeigt) << c.text;
    }
    tippen(f, ag::Mwst, "19");

    const Positionsauswertung& e = f.angebot().auswertung(0);
    ASSERT_TRUE(e.vollstaendig());
    const long long preis = *e.einzelpreis, zwischen = 5 * preis;
    const long long rabatt = anteil(zwischen, 500), mwst = anteil(zwischen - rabatt, 1900);
    const std::string w = " " + e.waehrung;
    EXPECT_EQ(f.zeilen()[1].gesamt, centText(2 * preis) + w);
    EXPECT_EQ(f.zeilen()[1].markierung, "");
    EXPECT_EQ(form.text(ag::Summen), "Subtotal: " + centText(zwischen) + w + "   Discount 5 %: -" +
                                         centText(rabatt) + w + "   VAT 19 %: " + centText(mwst) +
                                         w + "   Total: " + centText(zwischen - rabatt + mwst) + w +
                                         "\nLongest delivery time: " +
                                         std::to_string(*e.lieferzeit) + " weeks from order");
}

TEST(Angebotsfenster, IncompletePositionHoldsThePrintUntilConfirmed) {
    Umgebung u;
    CBerechnungDlg haupt(u.app);
    vorbereiten(u, haupt, "steam_condenser_design", false);
    AngebotsfensterModel f(haupt);
    klick(f, ag::Hinzufuegen);
    ASSERT_EQ(f.zeilen().size(), 1u);
    EXPECT_EQ(f.zeilen()[0].einzelpreis, "no price");
    EXPECT_NE(f.zeilen()[0].markierung, "");
    EXPECT_NE(f.form().text(ag::Summen).find("Offer incomplete"), std::string::npos);

    klick(f, ag::DruckenPdf);  // no answer given: not printed
    ASSERT_EQ(u.p.questions.asked.size(), 1u);
    EXPECT_EQ(u.p.questions.asked[0].substr(0, 2), "1 ");
    EXPECT_TRUE(u.p.printer.auftraege.empty());
    u.p.questions.answers.push_back(Answer::Yes);
    // a page with a PDF's proportions of text to paper, where the curves fit
    RecordingPage seite(4960, 7016, 10);
    u.p.printer.geraet = [&seite](const std::string&, const PrintPort::Zeichnung& z) {
        Druckausgang a;
        a.status = z(seite) ? Druckausgang::Status::Gedruckt : Druckausgang::Status::Fehlgeschlagen;
        return a;
    };
    klick(f, ag::DruckenPdf);
    ASSERT_EQ(u.p.printer.auftraege.size(), 1u);
    EXPECT_EQ(u.p.printer.auftraege[0].ziel, Druckziel::Pdf);
    EXPECT_EQ(seite.log.back(), "endDocument");
}

TEST(Angebotsfenster, OpenInMainWindowAndTakeBackReplaceTheSelectedPosition) {
    Umgebung u;
    CBerechnungDlg haupt(u.app);
    vorbereiten(u, haupt, "water_water_design", true);
    AngebotsfensterModel f(haupt);
    klick(f, ag::Hinzufuegen);
    const std::string wasser = f.angebot().mappe().positionen[0].projekt;
    vorbereiten(u, haupt, "steam_condenser_design", false);
    klick(f, ag::Hinzufuegen);
    klick(f, ag::Hinzufuegen);
    const std::string dampf = f.angebot().mappe().positionen[1].projekt;
    ASSERT_NE(wasser, dampf);

    waehlen(f, 0);
    klick(f, ag::ImHauptfenster);
    EXPECT_TRUE(haupt.projektBytes() == wasser);
    EXPECT_TRUE(u.p.questions.asked.empty());  // the main window held nothing unsaved
    haupt.setAngebot(std::nullopt);            // the user changes the project
    waehlen(f, 2);                             // and takes it back onto the third
    klick(f, ag::Zuruecknehmen);
    const auto& p = f.angebot().mappe().positionen;
    EXPECT_TRUE(p[0].projekt == wasser);
    EXPECT_TRUE(p[1].projekt == dampf);
    EXPECT_TRUE(p[2].projekt == haupt.projektBytes());
    EXPECT_FALSE(p[2].projekt == dampf);
}

TEST(Angebotsfenster, SavedOpenedAndAskedOnClose) {
    Umgebung u;
    CBerechnungDlg haupt(u.app);
    vorbereiten(u, haupt, "water_water_design", false);
    AngebotsfensterModel f(haupt);
    klick(f, ag::Hinzufuegen);
    tippen(f, ag::Kunde, "Brauerei Nord");
    tippen(f, ag::Adresse2, "20095 Hamburg");
    EXPECT_EQ(f.angebot().mappe().kunde.adresse, (std::vector<std::string>{"", "20095 Hamburg"}));

    klick(f, ag::Schliessen);  // asked, cancelled: stays open
    EXPECT_EQ(u.p.questions.asked.size(), 1u);
    EXPECT_FALSE(f.closed());

    const std::string pfad = u.dir.dir() + "/q.kalq";
    u.p.files.saveAnswers.push_back(pfad);
    klick(f, ag::Speichern);  // no file yet: asks for one
    ASSERT_EQ(u.p.files.extensions.size(), 1u);
    EXPECT_EQ(u.p.files.extensions[0], "kalq");
    EXPECT_EQ(f.pfad(), pfad);
    EXPECT_FALSE(f.angebot().geaendert());

    klick(f, ag::Neu);
    EXPECT_TRUE(f.zeilen().empty());
    EXPECT_EQ(f.form().text(ag::Kunde), "");
    u.p.files.openAnswers.push_back(pfad);
    klick(f, ag::Oeffnen);
    EXPECT_EQ(f.zeilen().size(), 1u);
    EXPECT_EQ(f.form().text(ag::Kunde), "Brauerei Nord");
    EXPECT_EQ(f.form().text(ag::Adresse2), "20095 Hamburg");
    klick(f, ag::Schliessen);  // nothing changed: closes without a question
    EXPECT_TRUE(f.closed());
    EXPECT_EQ(u.p.questions.asked.size(), 1u);
}

TEST(Angebotsfenster, FileMenuOpensTheWindowWhereTheFrontEndHasOne) {
    Umgebung u;
    CBerechnungDlg haupt(u.app);
    const auto& datei = haupt.menu().front().befehle;
    EXPECT_NE(std::find(datei.begin(), datei.end(), hd::CmdAngebot), datei.end());
    EXPECT_EQ(haupt.form().text(hd::CmdAngebot), "Quo&tation...");
    haupt.ereignis(hd::CmdAngebot, BindEvent::Command);  // no window here: nothing happens
    int geoeffnet = 0;
    haupt.setAngebotsfenster([&](CBerechnungDlg& h) {
        EXPECT_EQ(&h, &haupt);
        ++geoeffnet;
    });
    haupt.ereignis(hd::CmdAngebot, BindEvent::Command);
    EXPECT_EQ(geoeffnet, 1);
}
