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
