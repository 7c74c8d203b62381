// The alternatives window on the shipped samples: sorting keeps the selected
// pack, "use this pack" continues in rating with the very same pack, and a
// run without a result shows its reasons instead of a table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "datalib/format.h"
#include "golden.h"
#include "ui/main/alternativen_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"
#include "verzeichnis.h"

using namespace kal;
using namespace kal::engine;
using kaltest::Umgebung;

namespace {
int klicke(DialogModel& m, int id) {
    m.ereignis(id, BindEvent::Clicked);
    return m.result();
}
}  // namespace

TEST(AlternativenDlg, SortierenUndPaketUebernehmen) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/water_water_design.kal"), 0);
    EXPECT_FALSE(d.form().enabled(hd::Alternativen));
    ASSERT_TRUE(d.berechnen());
    EXPECT_TRUE(d.form().enabled(hd::Alternativen));
    EXPECT_FALSE(d.form().visible(hd::Warum));

    Berechnungsergebnis gewaehlt;
    u.p.dialogs.scripts["AlternativenDlg"].push_back([&](DialogModel& m) {
        auto& a = dynamic_cast<AlternativenDlgModel&>(m);
        EXPECT_EQ(a.zeilen(), CBerechnungDlg::kAnzahlAlternativen);
        EXPECT_TRUE(a.istErgebnis(0));
        EXPECT_EQ(a.gewaehlt(), 0);
        EXPECT_FALSE(a.form().visible(alt::Gruende));
        a.sortieren(AlternativenDlgModel::Preis);
        a.sortieren(AlternativenDlgModel::Preis);  // again: dearest first
        EXPECT_TRUE(a.absteigend());
        for (int z = 1; z < a.zeilen(); ++z)
            EXPECT_GE(a.zelle(z - 1, AlternativenDlgModel::Preis).wert,
                      a.zelle(z, AlternativenDlgModel::Preis).wert);
        EXPECT_TRUE(a.istErgebnis(a.gewaehlt()));  // the selection stayed on its pack
        const auto grenzen = a.grenzZeilen();
        EXPECT_EQ(grenzen.size(), static_cast<size_t>(kAnzahlPaketgrenzen));
        EXPECT_EQ(
            std::count_if(grenzen.begin(), grenzen.end(), [](const auto& g) { return g.bindend; }),
            1);
        a.waehlen(a.zeilen() - 2);  // the cheapest but one
        EXPECT_FALSE(a.istErgebnis(a.gewaehlt()));
        const int r = klicke(a, alt::Uebernehmen);
        gewaehlt = *a.uebernommen();
        return r;
    });
    d.geklickt(hd::Alternativen);
    ASSERT_EQ(u.p.dialogs.run.size(), 1u);

    // in rating with that pack: the rating gives its figures
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_FALSE(d.getErgebnisVorhanden());
    ASSERT_TRUE(d.berechnen()) << (u.p.messages.shown.empty() ? "" : u.p.messages.shown[0].key);
    const Berechnungsergebnis& r = d.fall().ergebnis;
    EXPECT_EQ(r.plattentyp, gewaehlt.plattentyp);
    EXPECT_EQ(r.spaltenGesamt, gewaehlt.spaltenGesamt);
    EXPECT_EQ(r.serien, gewaehlt.serien);
    EXPECT_EQ(r.grundpreis, gewaehlt.grundpreis);
    EXPECT_EQ(r.spalttypenWarm[0].spalttyp, gewaehlt.spalttypenWarm[0].spalttyp);
    EXPECT_EQ(r.spalttypenWarm[1].anzahl, gewaehlt.spalttypenWarm[1].anzahl);
    EXPECT_NEAR(r.flaechenreserve, gewaehlt.flaechenreserve, 0.05);
}

TEST(AlternativenDlg, OhneErgebnisZeigtDieGruende) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(std::string(KAL_GOLDEN) + "/cases/water_plate_too_small.kal"), 0);
    EXPECT_FALSE(d.berechnen());
    EXPECT_TRUE(d.form().visible(hd::Warum));
    u.p.dialogs.scripts["AlternativenDlg"].push_back([&](DialogModel& m) {
        auto& a = dynamic_cast<AlternativenDlgModel&>(m);
        EXPECT_EQ(a.zeilen(), 0);
        EXPECT_FALSE(a.form().visible(alt::Tabelle));
        EXPECT_FALSE(a.form().visible(alt::Uebernehmen));
        EXPECT_TRUE(a.form().visible(alt::Gruende));
        EXPECT_NE(a.form().text(alt::Gruende).find("nozzle velocity"), std::string::npos)
            << a.form().text(alt::Gruende);
        return klicke(a, alt::Schliessen);
    });
    d.geklickt(hd::Warum);
    EXPECT_EQ(u.p.dialogs.run.size(), 1u);
    EXPECT_EQ(d.getModus(), 0);  // closing changes nothing
    // a changed entry makes the window's run stale: closed to it
    d.form().setText(hd::DruckverlustWarm, "50");
    d.textGeaendert(hd::DruckverlustWarm);
    EXPECT_FALSE(d.form().visible(hd::Warum));
    EXPECT_FALSE(d.form().enabled(hd::Alternativen));
}

// A US case: the table and the limits in the units of the main window's
// result fields (ft², psi, lb, ft/s), the result's row with its very figures.
TEST(AlternativenDlg, ZeigtDieAnzeigeeinheitenDesFalls) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(std::string(KAL_GOLDEN) + "/cases/water_us_inch.kal"), 0);
    ASSERT_TRUE(d.berechnen());
    AlternativenDlgModel a(d.alternativen(2), u.app.getData(), u.app.getSprache());
    using S = AlternativenDlgModel;
    const auto& koepfe = a.spaltenKoepfe();
    EXPECT_EQ(koepfe[S::DpWarm], "Δp warm psi");
    EXPECT_EQ(koepfe[S::Flaeche], "Area ft²");
    EXPECT_EQ(koepfe[S::Gewicht], "Weight lb");
    const Form& f = d.form();
    EXPECT_EQ(a.zelle(0, S::Flaeche).text, f.text(hd::Flaeche));
    EXPECT_EQ(a.zelle(0, S::Gewicht).text, f.text(hd::Gewicht));
    EXPECT_NEAR(a.zelle(0, S::DpWarm).wert, std::atof(f.text(hd::ErgDruckverlustWarm).c_str()),
                0.005);
    std::string zeile;
    for (int s = S::Platten; s < S::kSpalten; ++s) zeile += a.zelle(0, s).text + "|";
    EXPECT_EQ(zeile, "27|1|2.7|3.6|3.5|area reserve|21.53|5 HM + 8 LL|1 ML + 4 MH + 8 LL|389|4|");
    const auto grenzen = a.grenzZeilen();
    EXPECT_EQ(grenzen[static_cast<size_t>(Grenze::VStutzenWarm)].wert,
              f.text(hd::VStutzenWarm) + " ft/s");
}

// Every pack the window lists is what "use this pack" then rates, on every
// sample and recorded case with a result (condensing and gas sides too): the
// listed figures are the rated ones, not the design search's at that moment.
class GelistetGleichBewertet : public ::testing::TestWithParam<std::string> {};

TEST_P(GelistetGleichBewertet, JedesPaketBewertetSichZuSeinerZeile) {
    const std::string datei = kaltest::goldeneKal(GetParam());
    Umgebung u;
    std::vector<Alternative> pakete;
    {
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(datei), 0);
        if (!d.berechnen()) return;  // nothing listed
        pakete = d.alternativen(CBerechnungDlg::kAnzahlAlternativen).pakete;
    }
    ASSERT_FALSE(pakete.empty());
    for (const Alternative& a : pakete) {
        const Berechnungsergebnis& e = a.ergebnis;
        SCOPED_TRACE(e.preisCode);
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(datei), 0);
        ASSERT_TRUE(d.berechnen());
        paketUebernehmen(d, e);
        ASSERT_TRUE(d.berechnen())
            << (u.p.messages.shown.empty() ? "" : u.p.messages.shown.back().key);
        const Berechnungsergebnis& r = d.fall().ergebnis;
        EXPECT_EQ(r.preisCode, e.preisCode);
        EXPECT_EQ(r.grundpreis, e.grundpreis);
        EXPECT_EQ(r.flaechenreserve, e.flaechenreserve);
        EXPECT_DOUBLE_EQ(r.druckverlustWarm, e.druckverlustWarm);
        EXPECT_DOUBLE_EQ(r.druckverlustKalt, e.druckverlustKalt);
        EXPECT_DOUBLE_EQ(r.vSpaltMinKalt, e.vSpaltMinKalt);
        EXPECT_DOUBLE_EQ(r.vStutzenWarm, e.vStutzenWarm);
        EXPECT_DOUBLE_EQ(r.tAusWarm, e.tAusWarm);
        EXPECT_DOUBLE_EQ(r.cmtd, e.cmtd);
        // the limits shown beside the pack are its rated figures'
        EXPECT_EQ(a.grenzen[0].wert, r.flaechenreserve);
    }
}

INSTANTIATE_TEST_SUITE_P(Alle, GelistetGleichBewertet,
                         ::testing::ValuesIn(kaltest::goldeneFaelle()),
                         [](const auto& info) { return kaltest::testname(info.param); });

// The chart's points: one per priced pack in its row, the result and the
// selection marked; the toggle puts the tighter pressure-drop margin on the
// x axis, which a design keeps between 0 and 100 %.
TEST(AlternativenDlg, DiagrammPunkteFolgenTabelleUndAuswahl) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/water_water_design.kal"), 0);
    ASSERT_TRUE(d.berechnen());
    AlternativenDlgModel a(d.alternativen(CBerechnungDlg::kAnzahlAlternativen), u.app.getData(),
                           u.app.getSprache());
    a.sortieren(AlternativenDlgModel::Reserve);
    a.waehlen(3);
    auto punkte = a.diagramm();
    ASSERT_EQ(punkte.size(), static_cast<size_t>(a.zeilen()));  // every sample pack is priced
    int ergebnis = 0, gewaehlt = 0;
    for (const auto& p : punkte) {
        EXPECT_EQ(formatiere("%.1f", p.x), a.zelle(p.zeile, AlternativenDlgModel::Reserve).text);
        EXPECT_EQ(formatiere("%.0f", p.preis), a.zelle(p.zeile, AlternativenDlgModel::Preis).text);
        EXPECT_EQ(p.ergebnis, a.istErgebnis(p.zeile));
        ergebnis += p.ergebnis;
        gewaehlt += p.gewaehlt;
        if (p.gewaehlt) {
            EXPECT_EQ(p.zeile, 3);
        }
    }
    EXPECT_EQ(ergebnis, 1);
    EXPECT_EQ(gewaehlt, 1);
    EXPECT_EQ(a.diagrammAchse(), "Area reserve %");

    a.ereignis(alt::AchseDruck, BindEvent::Clicked);
    EXPECT_TRUE(a.achseDruck());
    EXPECT_FALSE(a.form().checked(alt::AchseReserve));
    EXPECT_EQ(a.diagrammAchse(), "Tightest pressure-drop margin %");
    for (const auto& p : a.diagramm()) {
        // a design keeps both losses within what is allowed
        EXPECT_GE(p.x, 0.0);
        EXPECT_LE(p.x, 100.0);
    }
}
