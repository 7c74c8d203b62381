// Several operating points from the main dialog on the shipped samples: the
// window's entries as the only point give exactly what "Berechnen" shows,
// and acquiring them leaves the window as it was.
#include <gtest/gtest.h>

#include <string>

#include "engine/betriebspunkte.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"
#include "verzeichnis.h"

using namespace kal;
using namespace kal::engine;
using kaltest::Umgebung;

TEST(BetriebspunkteModel, EinPunktIstBerechnenAufJederProbe) {
    for (const char* probe :
         {"water_water_design.kal", "glycol_water_rating.kal", "steam_condenser_design.kal",
          "air_cooler_design.kal", "user_medium_design.kal"}) {
        SCOPED_TRACE(probe);
        Umgebung u;
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/" + probe), 0);
        // twice: the second time over the entries the first run filled in
        for (int lauf = 0; lauf < 2; ++lauf) {
            const Form vorher = d.form();
            const std::optional<Mehrpunktbericht> b = d.betriebspunkteBerechnen({});
            ASSERT_TRUE(b.has_value());
            for (int id : CBerechnungDlg::kErgebnisFelder)
                EXPECT_EQ(d.form().text(id), vorher.text(id)) << id;
            const bool ergebnis = d.berechnen();
            ASSERT_EQ(b->punkte.size(), 1u);
            const Berechnungsbericht& p = b->punkte[0];
            EXPECT_EQ(p.ergebnisVorhanden, ergebnis);
            ASSERT_TRUE(p.status.has_value());
            EXPECT_EQ(p.status->anzahl, d.fall().suche.anzahlBerechnungen);
            const Berechnungsergebnis& a = p.fall.ergebnis;
            const Berechnungsergebnis& e = d.fall().ergebnis;
            EXPECT_EQ(a.preisCode, e.preisCode);
            EXPECT_EQ(a.grundpreis, e.grundpreis);
            EXPECT_EQ(a.flaechenreserve, e.flaechenreserve);
            EXPECT_EQ(a.kEff, e.kEff);
            EXPECT_EQ(a.druckverlustWarm, e.druckverlustWarm);
            EXPECT_EQ(a.druckverlustKalt, e.druckverlustKalt);
            EXPECT_EQ(a.vSpaltMinKalt, e.vSpaltMinKalt);
            EXPECT_EQ(a.tAusWarm, e.tAusWarm);
        }
    }
}

// ------------------------------------------------ the operating points window

#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "ui/main/betriebspunkte_dlg.h"

namespace {

using namespace kal::hd;

// A district heating substation in winter: 90/70 on the network, 60 -> 80
// in the building, 400 kW; the flows come from the balance.
void fernwaerme(CBerechnungDlg& d) {
    for (auto [id, text] :
         std::initializer_list<std::pair<int, const char*>>{{TEinWarm, "90"},
                                                            {TAusWarm, "70"},
                                                            {DurchsatzWarm, ""},
                                                            {TEinKalt, "60"},
                                                            {TAusKalt, "80"},
                                                            {DurchsatzKalt, ""},
                                                            {Leistung, "400"},
                                                            {DruckverlustWarm, "50"},
                                                            {DruckverlustKalt, "50"}}) {
        d.form().setText(id, text);
        d.ereignis(id, BindEvent::Changed);
    }
}

std::string tippen(BetriebspunkteDlgModel& m, int punkt, int feld, const std::string& text) {
    return anwenden(m.form(), {bp::zelle(punkt, feld), Benutzeraktion::Art::Text, 0, false, text},
                    [&m](int id, BindEvent e) { m.ereignis(id, e); });
}
std::string klick(BetriebspunkteDlgModel& m, int id) {
    return anwenden(m.form(), {id, Benutzeraktion::Art::Klick, 0, false, {}},
                    [&m](int i, BindEvent e) { m.ereignis(i, e); });
}

}  // namespace

// Adding copies, editing and removing points: the first row is the main
// window (its edits land there), a copy leaves out what the balance
// computed, the table follows the main model's list, and the first point
// cannot be removed.
TEST(BetriebspunkteFenster, PunkteHinzufuegenBearbeitenEntfernen) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/water_water_design.kal"), 0);
    fernwaerme(d);
    ASSERT_TRUE(d.berechnen());  // fills in both flows
    ASSERT_FALSE(d.form().text(DurchsatzWarm).empty());
    BetriebspunkteDlgModel m(d);
    EXPECT_EQ(m.punkte(), 1);
    EXPECT_FALSE(m.form().enabled(bp::Entfernen));
    EXPECT_EQ(m.form().text(bp::zelle(0, PunktTEinWarm)), "90");
    EXPECT_EQ(m.form().text(bp::zelle(0, PunktDurchsatzWarm)), d.form().text(DurchsatzWarm));

    EXPECT_EQ(klick(m, bp::Hinzufuegen), "");
    ASSERT_EQ(m.punkte(), 2);
    EXPECT_EQ(m.gewaehlt(), 1);
    EXPECT_FALSE(d.getErgebnisVorhanden());                          // designed for one point only
    EXPECT_EQ(m.form().text(bp::zelle(1, PunktDurchsatzWarm)), "");  // computed: not copied
    EXPECT_EQ(m.form().text(bp::zelle(1, PunktLeistung)), "400");
    EXPECT_EQ(tippen(m, 1, PunktLeistung, "150"), "");
    EXPECT_EQ(d.weiterePunkte()[0][PunktLeistung], "150");
    // a copy of the selected point
    EXPECT_EQ(klick(m, bp::Hinzufuegen), "");
    ASSERT_EQ(d.weiterePunkte().size(), 2u);
    EXPECT_EQ(d.weiterePunkte()[1][PunktLeistung], "150");
    // the first row is the main window's entry
    EXPECT_EQ(tippen(m, 0, PunktTAusKalt, "78"), "");
    EXPECT_EQ(d.form().text(TAusKalt), "78");
    // removing the second point keeps the third's entries
    EXPECT_EQ(tippen(m, 2, PunktLeistung, "480"), "");
    m.form().select(bp::Punkt, 1);
    m.ereignis(bp::Punkt, BindEvent::Changed);
    EXPECT_EQ(klick(m, bp::Entfernen), "");
    ASSERT_EQ(d.weiterePunkte().size(), 1u);
    EXPECT_EQ(d.weiterePunkte()[0][PunktLeistung], "480");
    EXPECT_EQ(m.gewaehlt(), 0);
    EXPECT_FALSE(m.form().enabled(bp::Entfernen));
    EXPECT_FALSE(m.form().visible(bp::zelle(2, PunktLeistung)));  // no third row any more
    EXPECT_NE(tippen(m, 2, PunktLeistung, "1"), "");
    EXPECT_NE(klick(m, bp::Entfernen), "");
}

// The entries of a further point are read as the main window reads its own:
// the language's decimal comma, a word said at once, a value out of range
// refused by "Berechnen" with the point named and its cell in focus.
TEST(BetriebspunkteFenster, EintraegeWieImHauptfenster) {
    Umgebung u(kaltest::Start{.sprache = "Deutsch"});
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/water_water_design.kal"), 0);
    fernwaerme(d);
    BetriebspunkteDlgModel m(d);
    ASSERT_EQ(klick(m, bp::Hinzufuegen), "");
    EXPECT_EQ(tippen(m, 1, PunktLeistung, "150,5"), "");
    EXPECT_EQ(m.form().text(bp::zelle(1, PunktLeistung)), "150.5");
    EXPECT_EQ(d.weiterePunkte()[0][PunktLeistung], "150.5");

    u.p.messages.shown.clear();
    EXPECT_EQ(tippen(m, 1, PunktTEinWarm, "heiss"), "");
    ASSERT_EQ(u.p.messages.shown.size(), 1u);
    EXPECT_EQ(u.p.messages.shown[0].key, "error_notanumber") << u.p.messages.shown[0].text;
    EXPECT_EQ(u.p.messages.shown[0].text.rfind("Punkt 2, Eintritt warm", 0), 0u)
        << u.p.messages.shown[0].text;
    EXPECT_EQ(m.form().focus(), bp::zelle(1, PunktTEinWarm));

    EXPECT_EQ(tippen(m, 1, PunktTEinWarm, "-400"), "");
    u.p.messages.shown.clear();
    EXPECT_EQ(klick(m, bp::Berechnen), "");
    EXPECT_FALSE(d.getErgebnisVorhanden());
    ASSERT_FALSE(u.p.messages.shown.empty());
    EXPECT_EQ(u.p.messages.shown[0].text.rfind("Punkt 2: ", 0), 0u) << u.p.messages.shown[0].text;
    EXPECT_EQ(m.gewaehlt(), 1);
    EXPECT_EQ(m.form().focus(), bp::zelle(1, PunktTEinWarm));
    EXPECT_TRUE(m.ergebnisZeilen().empty());
}

// Winter, summer and 120 % flow: one pack for all three, the main window
// showing the first point's figures of it; each row its own figures, one
// binding row whose tightest margin is the smallest of all.
TEST(BetriebspunkteFenster, DreiPunkteEinPaket) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/water_water_design.kal"), 0);
    fernwaerme(d);
    ASSERT_TRUE(d.berechnen());
    const double reserveAllein = d.fall().ergebnis.flaechenreserve;
    const std::string preisAllein = d.fall().ergebnis.preisCode;
    BetriebspunkteDlgModel m(d);
    ASSERT_EQ(klick(m, bp::Hinzufuegen), "");
    for (auto [feld, text] :
         std::initializer_list<std::pair<int, const char*>>{{PunktTEinWarm, "70"},
                                                            {PunktTAusWarm, "45"},
                                                            {PunktTEinKalt, "40"},
                                                            {PunktTAusKalt, "60"},
                                                            {PunktLeistung, "150"}})
        ASSERT_EQ(tippen(m, 1, feld, text), "");
    m.form().select(bp::Punkt, 0);
    m.ereignis(bp::Punkt, BindEvent::Changed);
    ASSERT_EQ(klick(m, bp::Hinzufuegen), "");
    ASSERT_EQ(tippen(m, 2, PunktLeistung, "480"), "");
    u.p.messages.shown.clear();
    ASSERT_EQ(klick(m, bp::Berechnen), "");
    for (const Message& x : u.p.messages.shown) ADD_FAILURE() << x.text;
    ASSERT_TRUE(d.getErgebnisVorhanden());
    const Mehrpunktbericht* b = d.mehrpunktbericht();
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->punkte.size(), 3u);
    // the main window shows the first point's figures of the common pack
    EXPECT_EQ(d.fall().ergebnis.preisCode, b->punkte[0].fall.ergebnis.preisCode);
    EXPECT_NEAR(d.fall().arbeitswerte.leistungSoll, 400e3, 1.0);
    if (d.fall().ergebnis.preisCode == preisAllein) {
        EXPECT_DOUBLE_EQ(d.fall().ergebnis.flaechenreserve, reserveAllein);
    }
    const auto zeilen = m.ergebnisZeilen();
    ASSERT_EQ(zeilen.size(), 3u);
    int bindend = 0;
    for (size_t p = 0; p < zeilen.size(); ++p) {
        EXPECT_EQ(zeilen[p].zellen[BetriebspunkteDlgModel::EPunkt], std::to_string(p + 1));
        EXPECT_FALSE(zeilen[p].zellen[BetriebspunkteDlgModel::EEngste].empty());
        EXPECT_EQ(zeilen[p].zellen[BetriebspunkteDlgModel::EReserve],
                  formatiere("%.1f", b->punkte[p].fall.ergebnis.flaechenreserve));
        if (zeilen[p].bindend) {
            ++bindend;
            EXPECT_EQ(static_cast<int>(p), b->bindend->punkt);
            EXPECT_GE(zeilen[p].bindendeSpalte, 0);
            EXPECT_EQ(zeilen[p].zellen[BetriebspunkteDlgModel::EEngste].rfind("binding: ", 0), 0u);
        }
    }
    EXPECT_EQ(bindend, 1);
    EXPECT_EQ(m.form()
                  .text(bp::Bindend)
                  .rfind("Binding: point " + std::to_string(b->bindend->punkt + 1), 0),
              0u);
    // a changed point drops the figures
    ASSERT_EQ(tippen(m, 2, PunktLeistung, "470"), "");
    EXPECT_TRUE(m.ergebnisZeilen().empty());
    EXPECT_FALSE(d.getErgebnisVorhanden());
}

// Stored with the project: points alone are no offer, they come back as
// they were, and a project of one point is the bare record again.
TEST(BetriebspunkteFenster, PunkteImProjekt) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("punkte.kal");
    const std::string probe = kaltest::distDir() + "/examples/water_water_design.kal";
    std::vector<Betriebspunkt> punkte(2);
    punkte[0][PunktLeistung] = "150";
    punkte[1][PunktDurchsatzWarm] = "4.5";
    punkte[1][PunktDruckverlustKalt] = "35.5";
    {
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(probe), 0);
        d.setWeiterePunkte(punkte);
        EXPECT_TRUE(d.getGeaendert());
        ASSERT_TRUE(d.projektSchreiben(pfad));
    }
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    EXPECT_EQ(d.weiterePunkte(), punkte);
    EXPECT_FALSE(d.angebot());
    EXPECT_FALSE(d.getGeaendert());
    EXPECT_EQ(d.form().text(Betriebspunkte), "Operating points (3)...");
    d.setWeiterePunkte({});
    ASSERT_TRUE(d.projektSchreiben(pfad));
    EXPECT_EQ(kaltest::liesDatei(pfad), kaltest::liesDatei(probe));
}
