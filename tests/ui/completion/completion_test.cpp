// The completion dialog's model on the shipped data: the opening, the update
// chain (base price, single price, delivery time, identification string,
// menu), prices on request, Werksmodus, painting and the commit's refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "datalib/format.h"
#include "ports/benutzeraktion.h"
#include "ui/completion/completion_model.h"
#include "ui/completion/druckauftrag.h"
#include "ui/main/berechnung_model.h"
#include "ui/spec/spec_model.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::kp;
namespace fs = std::filesystem;

namespace {

std::string probe(const std::string& name) { return kaltest::distDir() + "/examples/" + name; }
std::string fall(const std::string& name) {
    return std::string(KAL_SOURCE_DIR) + "/tests/cli/golden/cases/" + name;
}

// A project opened and calculated in the main dialog, then completed.
struct Offen {
    kaltest::Umgebung u;
    std::unique_ptr<CBerechnungDlg> hd;
    std::unique_ptr<CAssembly> dlg;

    explicit Offen(const std::string& projekt, kaltest::Start s = {},
                   void (*vorher)(kaltest::AppDir&) = nullptr)
        : u(s) {
        if (vorher) {
            vorher(u.dir);
            u.app.erzeugeObjekte(u.dir.dir());  // the changed data
            u.app.spracheFestlegen();
        }
        hd = std::make_unique<CBerechnungDlg>(u.app);
        EXPECT_EQ(hd->projektLesen(projekt), 0) << projekt;
        EXPECT_TRUE(hd->berechnen()) << projekt;
        u.p.messages.shown.clear();
        dlg = std::make_unique<CAssembly>(u.app, hd->fall(), hd->fall().komplettierung);
    }
    Form& f() { return dlg->form(); }
    // As a user does it; a refused action fails the test.
    void tue(Benutzeraktion a) {
        std::string grund = anwenden(f(), a, [this](int id, BindEvent e) { dlg->ereignis(id, e); });
        EXPECT_EQ(grund, "") << a.id;
    }
    void tippe(int id, const std::string& text) {
        tue({id, Benutzeraktion::Art::Text, 0, false, text});
    }
    void haken(int id, bool an) { tue({id, Benutzeraktion::Art::Haken, 0, an, ""}); }
    void waehle(int id, int wert) { tue({id, Benutzeraktion::Art::Auswahl, wert, false, ""}); }
    void klick(int id) { tue({id, Benutzeraktion::Art::Klick, 0, false, ""}); }
    bool menuAn() const {
        for (int id : {CmdPrintSpec, CmdPrintPlan, CmdKonstruktion, CmdZubehoer})
            if (!dlg->form().enabled(id)) return false;
        return true;
    }
    const ::Komplettierung& k() const { return hd->fall().komplettierung; }
    // Connection ids in a list whose kind is `art`.
    int anschlussMitArt(int liste, const std::string& art) {
        for (const ListEntry& e : f().control(liste).items)
            if (u.app.getData().getAnschlussUListe().internalGetForObjectId(e.value)->getArt() ==
                art)
                return e.value;
        ADD_FAILURE() << "no " << art << " in " << liste;
        return 0;
    }
};

void ohneKundenpreise(kaltest::AppDir& d) { fs::remove(d.pfad("data/kundenpreise.json")); }

TEST(Komplettierung, OpensOnTheResult) {
    Offen c(probe("water_water_design.kal"));
    Form& f = c.f();
    EXPECT_EQ(c.dlg->caption(), "Completion");
    EXPECT_EQ(f.text(PreisCode), c.hd->fall().ergebnis.preisCode);
    EXPECT_EQ(f.text(DokuAnzahl), "1");
    EXPECT_TRUE(f.checked(Massblatt));
    EXPECT_FALSE(f.enabled(Massblatt));
    EXPECT_EQ(f.itemCount(DokuSprache), 2);
    EXPECT_EQ(f.selectedText(DokuSprache), "English");
    EXPECT_EQ(f.text(LabelRalStandard), "Standard colour RAL 5012");
    EXPECT_EQ(f.text(Zusatztext12),
              "Prices ex works, excluding packing and VAT. Our general terms of delivery apply.");
    // one pass: its picture only, the warm medium entering at the top
    EXPECT_TRUE(f.visible(BildEineSerie));
    EXPECT_FALSE(f.visible(BildGerade) || f.visible(BildUngerade));
    EXPECT_TRUE(f.checked(EintrittOben));
    EXPECT_EQ(c.k().belegungMediumWarm, "F1 => F4");
    EXPECT_EQ(f.text(BelegungMediumKalt), "F3 => F2");
    // both lists filled and processed: texts, delivery, identification, menu
    EXPECT_GT(f.itemCount(AnschlussWarm), 0);
    EXPECT_EQ(f.selection(AnschlussWarm), 0);
    EXPECT_EQ(c.k().anschlussTextKalt, f.selectedText(AnschlussKalt));
    EXPECT_TRUE(c.dlg->anschluesseGeprueft());
    EXPECT_EQ(f.text(Lieferzeit), "4");
    EXPECT_EQ(f.text(Kennung), c.k().geraetekennstring);
    EXPECT_FALSE(c.k().geraetekennstring.empty());
    EXPECT_TRUE(c.menuAn());
    // prices: the customer price split into pack and frame, no discount
    EXPECT_EQ(c.dlg->geraetegrundpreis(), c.hd->fall().ergebnis.customPreis);
    EXPECT_EQ(f.text(Grundpreis), "2843");
    EXPECT_EQ(f.text(Einzelpreis), "");  // the connections are not priced yet
    EXPECT_TRUE(f.enabled(PreisAnschlussWarm));
    EXPECT_FALSE(f.enabled(PreisIsolierung));
    // the library's list price as a hint, never as a value
    EXPECT_EQ(f.control(PreisAnschlussWarm).placeholder.rfind("list price ", 0), 0u);
    EXPECT_EQ(f.text(PreisAnschlussWarm), "");
    // without Werksmodus: no discounts, special connections or arrangement
    for (int id : {RabattPaket, RabattGestell, LabelRabatt, Sonderanschluesse, EintrittSonder})
        EXPECT_FALSE(f.visible(id)) << id;
    EXPECT_TRUE(c.u.p.messages.shown.empty());
}

TEST(Komplettierung, NetPriceRoundsHalfUpAfterTheDiscount) {
    EXPECT_EQ(CAssembly::nettopreis(1234.5, 10), 1111);
    EXPECT_EQ(CAssembly::nettopreis(1234.5, 0), 1235);
    EXPECT_EQ(CAssembly::nettopreis(1234.4, 0), 1234);
    EXPECT_EQ(CAssembly::nettopreis(1000, 100), 0);
}

// The single price waits for every chosen item and for a typed price to be
// taken over; the menu waits with it.
TEST(Komplettierung, SinglePriceOnceEveryChosenItemIsPriced) {
    Offen c(probe("water_water_design.kal"));
    Form& f = c.f();
    c.tippe(PreisAnschlussWarm, "180");
    EXPECT_EQ(f.text(Einzelpreis), "");  // the cold connection has no price
    c.tippe(PreisAnschlussKalt, "150");
    EXPECT_EQ(f.text(Einzelpreis), "3173");
    c.haken(Isolierung, true);
    EXPECT_EQ(f.text(Einzelpreis), "");
    EXPECT_EQ(f.text(Lieferzeit), "4");
    // typed but not yet left: nothing is taken over, the menu waits
    f.setText(PreisIsolierung, "420");
    c.dlg->ereignis(PreisIsolierung, BindEvent::Changed);
    EXPECT_FALSE(c.dlg->eingabenUebernommen());
    EXPECT_FALSE(c.menuAn());
    c.dlg->ereignis(PreisIsolierung, BindEvent::FocusLost);
    EXPECT_EQ(f.text(Einzelpreis), "3593");
    EXPECT_TRUE(c.menuAn());
    EXPECT_TRUE(c.k().waermeisolierung);
    c.haken(Spritzschutz, true);
    EXPECT_EQ(f.text(Einzelpreis), "");
    c.tippe(PreisSpritzschutz, "abc");  // refused by the validator
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"error_notanumber"});
    EXPECT_EQ(f.text(Einzelpreis), "");
    c.tippe(PreisSpritzschutz, "95.4");
    EXPECT_EQ(f.text(Einzelpreis), "3688");  // shown without decimals
    c.haken(Isolierung, false);              // an unchosen option costs nothing
    EXPECT_EQ(f.text(Einzelpreis), "3268");
}

TEST(Komplettierung, PricesOnRequestWithoutCustomerPrices) {
    Offen c(probe("water_water_design.kal"), {}, ohneKundenpreise);
    Form& f = c.f();
    EXPECT_TRUE(c.dlg->preiseAufAnfrage());
    for (int id : {NettoPaket, NettoGestell, Grundpreis, Einzelpreis, PreisAnschlussWarm,
                   PreisAnschlussKalt})
        EXPECT_EQ(f.text(id), "on request") << id;
    c.haken(Spritzschutz, true);
    EXPECT_EQ(f.text(PreisSpritzschutz), "on request");
    EXPECT_FALSE(f.enabled(PreisSpritzschutz));
    EXPECT_EQ(f.text(Lieferzeit), "4");  // still computed
    EXPECT_TRUE(c.menuAn());
}

TEST(Komplettierung, WerksmodusDiscountsSpecialConnectionsAndArrangement) {
    Offen c(probe("water_water_design.kal"), {.werksmodus = true});
    Form& f = c.f();
    for (int id : {RabattPaket, RabattGestell, Sonderanschluesse, EintrittSonder})
        EXPECT_TRUE(f.visible(id)) << id;
    const double paket = c.hd->fall().ergebnis.customPreisteile.paket;
    c.tippe(RabattPaket, "10");
    EXPECT_EQ(f.text(NettoPaket),
              std::to_string(static_cast<int>(CAssembly::nettopreis(paket, 10))));
    c.tippe(RabattGestell, "100.5");  // more than everything off is refused
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"error_outofrange"});

    c.haken(Sonderanschluesse, true);
    EXPECT_TRUE(c.k().sonderanschluesse);
    EXPECT_FALSE(f.visible(AnschlussWarm));
    EXPECT_TRUE(f.visible(SonderAnschlussWarm));
    EXPECT_EQ(f.text(SonderAnschlussWarm), c.k().anschlussTextWarm);  // the last choice, to edit
    c.tippe(SonderAnschlussKalt, "DN 65 flange to customer drawing");
    c.dlg->uebernehmen();
    EXPECT_EQ(c.k().anschlussTextKalt, "DN 65 flange to customer drawing");
    EXPECT_EQ(f.text(Lieferzeit), "on request");
    EXPECT_EQ(c.k().geraetekennstring, "");  // no code for a special connection

    c.klick(EintrittSonder);
    EXPECT_TRUE(f.enabled(BelegungMediumWarm));
    EXPECT_FALSE(f.enabled(BelegungEntleerungWarm));  // one pass: no drain nozzles
    c.tippe(BelegungMediumWarm, "F1 => F3");
    EXPECT_TRUE(c.dlg->uebernehmen());
    EXPECT_EQ(c.k().belegungMediumWarm, "F1 => F3");
}

TEST(Komplettierung, SpecialPaintingNeedsItsRalNumber) {
    Offen c(probe("water_water_design.kal"));
    Form& f = c.f();
    ASSERT_TRUE(f.enabled(Lackierung));  // the sample's frame is C-Steel
    c.haken(Lackierung, true);
    EXPECT_TRUE(f.visible(RalNr));
    EXPECT_FALSE(f.visible(LabelRalStandard));
    EXPECT_EQ(f.focus(), RalNr);
    c.dlg->ereignis(CmdZubehoer, BindEvent::Command);  // the commit refuses: nothing else
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"missingRalNr"});
    EXPECT_EQ(f.focus(), RalNr);
    c.tippe(RalNr, "7035");
    c.u.p.questions.answers = {Answer::Yes};  // print without the connection prices
    c.dlg->ereignis(CmdZubehoer, BindEvent::Command);
    EXPECT_EQ(c.k().ralNr, "7035");
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"missingRalNr"});
    // the project data come first; cancelled, nothing is printed
    EXPECT_EQ(c.u.p.dialogs.run, std::vector<std::string>{"CDialogProjektDaten"});
    EXPECT_TRUE(c.u.p.printer.auftraege.empty());
    EXPECT_NE(c.k().geraetekennstring.find("-RAL"), std::string::npos);
    c.haken(Lackierung, false);
    EXPECT_EQ(c.k().ralNr, "5012");
    EXPECT_EQ(c.k().geraetekennstring.find("-RAL"), std::string::npos);
}

TEST(Komplettierung, ForbiddenConnectionPairsByPlateType) {
    Offen c(probe("water_water_design.kal"));  // KX 08
    Form& f = c.f();
    const int bogen = c.anschlussMitArt(AnschlussWarm, "flansch am rohrbogen");
    c.waehle(AnschlussWarm, bogen);
    c.waehle(AnschlussKalt, bogen);
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"unzulaessige Kombination"});
    EXPECT_FALSE(c.dlg->anschluesseGeprueft());
    EXPECT_FALSE(c.menuAn());
    EXPECT_EQ(f.text(Lieferzeit), "");
    EXPECT_EQ(f.text(Kennung), "");
    EXPECT_EQ(f.focus(), AnschlussWarm);
    // the next valid choice prices both sides anew
    c.waehle(AnschlussKalt, c.anschlussMitArt(AnschlussKalt, "bohrbild"));
    EXPECT_TRUE(c.menuAn());
    EXPECT_FALSE(c.dlg->posten(CAssembly::PostenAnschlussWarm).bekannt);
    EXPECT_EQ(c.u.meldungsKeys().size(), 1u);

    // a KX 14 takes two bends, but not a lined port with a rubber moulding
    Offen g(fall("water_plate_min.kal"));
    ASSERT_EQ(g.hd->fall().ergebnis.plattentypName, "KX 14");
    g.waehle(AnschlussWarm, g.anschlussMitArt(AnschlussWarm, "flansch am rohrbogen"));
    g.waehle(AnschlussKalt, g.anschlussMitArt(AnschlussKalt, "flansch am rohrbogen"));
    EXPECT_TRUE(g.menuAn());
    g.waehle(AnschlussWarm, g.anschlussMitArt(AnschlussWarm, "auskleidung"));
    g.waehle(AnschlussKalt, g.anschlussMitArt(AnschlussKalt, "gummiformteil"));
    EXPECT_FALSE(g.menuAn());
    EXPECT_EQ(g.u.meldungsKeys(), std::vector<std::string>{"unzulaessige Kombination"});
}

TEST(Komplettierung, PassesPictureAndArrangement) {
    Offen c(fall("water_two_passes.kal"));
    ASSERT_EQ(c.hd->fall().ergebnis.serien, 2);
    EXPECT_TRUE(c.f().visible(BildGerade));
    EXPECT_FALSE(c.f().visible(BildEineSerie));
    EXPECT_EQ(c.k().belegungMediumWarm, "F1 => P1");
    c.klick(EintrittUnten);
    EXPECT_EQ(c.k().belegungMediumWarm, "F4 => P4");
    EXPECT_EQ(c.k().belegungEntleerungWarm, " -- ");  // KX 14 has no drain nozzles

    Offen dampf(probe("steam_condenser_design.kal"));
    EXPECT_FALSE(dampf.f().enabled(EintrittUnten));  // a condensing warm side enters on top
}

// The identification string of every sample reads back into the choices
// it was built from; the next calculation resets the options.
TEST(Komplettierung, EverySampleRoundTripsItsIdentificationAndResetsOnCalculation) {
    for (const char* name :
         {"water_water_design.kal", "glycol_water_rating.kal", "steam_condenser_design.kal",
          "air_cooler_design.kal", "user_medium_design.kal"}) {
        SCOPED_TRACE(name);
        Offen c(probe(name));
        c.haken(Lackierung, true);
        c.tippe(RalNr, "3000");
        const std::string s = c.k().geraetekennstring;
        auto a = CGeraeteKennstring::zerlegen(c.u.app.getData(), s);
        ASSERT_TRUE(a.has_value()) << s;
        EXPECT_EQ(*a, c.dlg->kennstring().angaben());
        EXPECT_EQ(a->plattentyp, c.hd->fall().ergebnis.plattentyp);
        EXPECT_EQ(a->anschlussKalt, c.f().selectedValue(AnschlussKalt));
        EXPECT_EQ(a->lackierung, 1);
        c.dlg.reset();
        c.hd->berechnen();
        EXPECT_FALSE(c.k().sonderlackierung);
        EXPECT_EQ(c.k().ralNr, "5012");
    }
}

// Leaving special connections makes the lists' choices the connections
// again; with prices on request too, where ticking once used to lose both texts.
TEST(Komplettierung, LeavingSpecialConnectionsRestoresTheListChoices) {
    for (bool aufAnfrage : {false, true}) {
        SCOPED_TRACE(aufAnfrage);
        Offen c(probe("water_water_design.kal"), {.werksmodus = true},
                aufAnfrage ? ohneKundenpreise : nullptr);
        Form& f = c.f();
        const std::string warm = f.selectedText(AnschlussWarm);
        c.haken(Sonderanschluesse, true);
        EXPECT_EQ(f.text(SonderAnschlussWarm), warm);  // the choice, to edit
        EXPECT_TRUE(c.menuAn());
        c.tippe(SonderAnschlussWarm, "DN 50 special flange");
        EXPECT_EQ(c.k().anschlussTextWarm, "DN 50 special flange");
        c.haken(Sonderanschluesse, false);
        EXPECT_EQ(c.k().anschlussTextWarm, warm);
        EXPECT_EQ(c.k().anschlussTextKalt, f.selectedText(AnschlussKalt));
        EXPECT_FALSE(c.k().geraetekennstring.empty());
        EXPECT_TRUE(c.menuAn());
        EXPECT_EQ(f.enabled(PreisAnschlussWarm), !aufAnfrage);
        EXPECT_FALSE(c.dlg->posten(CAssembly::PostenAnschlussWarm).bekannt);
        EXPECT_TRUE(c.u.p.messages.shown.empty());
    }
}

// Painting without its RAL number yet: a change of the connections still
// refreshes prices and identification and reports a forbidden pair; only
// the menu's commands insist on the number.
TEST(Komplettierung, MissingRalNumberStopsOnlyTheMenuCommands) {
    Offen c(probe("water_water_design.kal"));
    Form& f = c.f();
    c.tippe(PreisAnschlussWarm, "180");
    c.tippe(PreisAnschlussKalt, "150");
    c.haken(Lackierung, true);
    c.tippe(PreisLackierung, "310");
    EXPECT_EQ(f.text(Einzelpreis), "3483");
    const int zweiter = f.control(AnschlussWarm).items[1].value;
    c.waehle(AnschlussWarm, zweiter);
    EXPECT_TRUE(c.u.p.messages.shown.empty());
    EXPECT_EQ(f.text(Einzelpreis), "");  // the new connection has no price yet
    EXPECT_EQ(c.dlg->kennstring().angaben().anschlussWarm, zweiter);
    EXPECT_EQ(f.text(Kennung), c.k().geraetekennstring);
    EXPECT_NE(c.k().geraetekennstring.find("-RAL"), std::string::npos);
    const int bogen = c.anschlussMitArt(AnschlussWarm, "flansch am rohrbogen");
    c.waehle(AnschlussWarm, bogen);
    c.waehle(AnschlussKalt, bogen);
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"unzulaessige Kombination"});
    EXPECT_FALSE(c.menuAn());
    c.waehle(AnschlussKalt, c.anschlussMitArt(AnschlussKalt, "bohrbild"));
    EXPECT_TRUE(c.menuAn());
    c.tue({CmdPrintSpec, Benutzeraktion::Art::Befehl, 0, false, ""});
    EXPECT_EQ(c.u.meldungsKeys().back(), "missingRalNr");
    EXPECT_TRUE(c.u.p.dialogs.run.empty());
}

// A data set without ANSI connections: both lists empty after the switch,
// nothing priced, identified or offered until DIN again.
void ohneAnsi(kaltest::AppDir& d) {
    const std::string pfad = d.pfad("data/anschluesse.json");
    nlohmann::json j = nlohmann::json::parse(kaltest::liesDatei(pfad));
    auto& liste = j["anschluesse"];
    liste.erase(std::remove_if(liste.begin(), liste.end(),
                               [](const nlohmann::json& a) { return !a["din"].get<bool>(); }),
                liste.end());
    d.schreibe("data/anschluesse.json", j.dump());
}

TEST(Komplettierung, EmptyConnectionListsLeaveNothingChecked) {
    Offen c(probe("water_water_design.kal"), {}, ohneAnsi);
    Form& f = c.f();
    c.tippe(PreisAnschlussWarm, "180");
    c.tippe(PreisAnschlussKalt, "150");
    ASSERT_EQ(f.text(Einzelpreis), "3173");
    c.klick(Ansi);
    EXPECT_EQ(f.itemCount(AnschlussWarm) + f.itemCount(AnschlussKalt), 0);
    EXPECT_EQ(c.k().anschlussTextWarm + c.k().anschlussTextKalt, "");
    EXPECT_FALSE(c.dlg->anschluesseGeprueft());
    for (int id : {Einzelpreis, Lieferzeit, Kennung, PreisAnschlussWarm, PreisAnschlussKalt})
        EXPECT_EQ(f.text(id), "") << id;
    EXPECT_FALSE(f.enabled(PreisAnschlussWarm));
    EXPECT_FALSE(c.menuAn());
    EXPECT_FALSE(c.dlg->uebernehmen());
    EXPECT_TRUE(c.u.p.messages.shown.empty());  // silently, as an empty list is
    c.klick(Din);
    EXPECT_TRUE(c.menuAn());
    EXPECT_FALSE(c.k().anschlussTextWarm.empty());
}

// Re-clicking the chosen standard changes nothing; an option unticked
// keeps no list price that would make it look priced.
TEST(Komplettierung, ChosenStandardStaysAndUnchosenOptionsShowNoPrice) {
    Offen c(probe("water_water_design.kal"));
    Form& f = c.f();
    const int zweiter = f.control(AnschlussWarm).items[1].value;
    c.waehle(AnschlussWarm, zweiter);
    c.tippe(PreisAnschlussWarm, "180");
    c.klick(Din);
    EXPECT_EQ(f.selectedValue(AnschlussWarm), zweiter);
    EXPECT_EQ(f.text(PreisAnschlussWarm), "180");
    EXPECT_TRUE(c.dlg->posten(CAssembly::PostenAnschlussWarm).bekannt);
    EXPECT_TRUE(f.checked(Din));
    for (int haken : {Isolierung, Spritzschutz, Lackierung}) {
        const int feld = haken == Isolierung     ? PreisIsolierung
                         : haken == Spritzschutz ? PreisSpritzschutz
                                                 : PreisLackierung;
        c.haken(haken, true);
        EXPECT_EQ(f.control(feld).placeholder.rfind("list price ", 0), 0u) << haken;
        c.haken(haken, false);
        EXPECT_EQ(f.control(feld).placeholder, "") << haken;
        EXPECT_FALSE(f.enabled(feld));
    }
}

// Free texts of special connections and of a special arrangement must be
// filled: an empty one keeps the menu disabled and the menu says which.
TEST(Komplettierung, EmptySpecialTextsKeepTheMenuDisabled) {
    Offen c(probe("water_water_design.kal"), {.werksmodus = true});
    Form& f = c.f();
    c.haken(Sonderanschluesse, true);
    ASSERT_TRUE(c.menuAn());
    c.tippe(SonderAnschlussKalt, "  ");
    EXPECT_FALSE(c.menuAn());
    EXPECT_TRUE(c.u.p.messages.shown.empty());
    EXPECT_FALSE(c.dlg->uebernehmen());
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"error_empty"});
    EXPECT_EQ(f.focus(), SonderAnschlussKalt);
    c.tippe(SonderAnschlussKalt, "DN 65 flange");
    EXPECT_TRUE(c.menuAn());

    c.klick(EintrittSonder);
    c.tippe(BelegungMediumWarm, "");
    EXPECT_FALSE(c.menuAn());
    c.tippe(BelegungMediumWarm, "F1 => F3");
    EXPECT_TRUE(c.menuAn());
    EXPECT_EQ(c.k().belegungMediumWarm, "F1 => F3");
}

// Amounts round half up like the net prices; a typed price has at most the
// digits the fields show.
TEST(Komplettierung, PricesRoundHalfUpAndAreBounded) {
    Offen c(probe("water_water_design.kal"));
    Form& f = c.f();
    ASSERT_EQ(f.text(Grundpreis), "2843");
    c.tippe(PreisAnschlussWarm, "1");
    c.tippe(PreisAnschlussKalt, "0.5");
    EXPECT_EQ(f.text(Einzelpreis), "2845");  // 2844.5
    c.tippe(PreisAnschlussKalt, "1e308");
    EXPECT_EQ(c.u.meldungsKeys(), std::vector<std::string>{"error_outofrange"});
    EXPECT_EQ(f.text(Einzelpreis), "");
    c.tippe(PreisAnschlussKalt, "9999999");
    EXPECT_EQ(f.text(Einzelpreis), "10002843");
    c.tippe(PreisAnschlussKalt, "10000000");
    EXPECT_EQ(c.u.meldungsKeys().size(), 2u);
}

// In the German interface a price or discount typed with the decimal comma
// is the number it reads as.
TEST(Komplettierung, DecimalCommaInTheGermanInterface) {
    Offen c(probe("water_water_design.kal"),
            {.vorlage = kaltest::Vorlage::Ausgeliefert, .sprache = "Deutsch", .werksmodus = true});
    Form& f = c.f();
    c.tippe(PreisAnschlussWarm, "180,5");
    c.tippe(PreisAnschlussKalt, "150");
    EXPECT_TRUE(c.u.p.messages.shown.empty());
    EXPECT_EQ(f.text(PreisAnschlussWarm), "180.5");
    EXPECT_EQ(c.dlg->posten(CAssembly::PostenAnschlussWarm).preis, 180.5);
    c.tippe(RabattPaket, "12,5");
    EXPECT_TRUE(c.u.p.messages.shown.empty());
    EXPECT_EQ(f.text(NettoPaket), std::to_string(static_cast<int>(CAssembly::nettopreis(
                                      c.hd->fall().ergebnis.customPreisteile.paket, 12.5))));
}

// What a script may not do, as one table: an action the control's kind
// does not take, an action on a hidden, disabled or read-only control, an
// entry or control that is not there, and numbers beyond the int range,
// which must not wrap into another control's id. A refused action changes
// nothing and says nothing.
TEST(Komplettierung, ActionsAUserCouldNotDoAreRefused) {
    const std::string idBereich =
        "action 1: needs an integer \"id\" from -2147483648 to 2147483647";
    struct Fall {
        const char* name;
        bool spez;  // on the specification dialog, else on the completion
        const char* json;
        std::string grund;  // the reader's or the dialog's refusal
    };
    const Fall faelle[] = {
        {"label_text", false, R"([{"id": 1382, "text": "x"}])",
         "control 1382 is a label, which takes no \"text\""},
        {"button_check", true, R"([{"id": 1398, "check": true}])",
         "control 1398 is a push button, which takes no \"check\""},
        {"list_click", false, R"([{"id": 1176, "click": true}])",
         "control 1176 is a list, which takes no \"click\""},
        {"edit_command", false, R"([{"id": 1046, "command": true}])",
         "control 1046 is an edit field, which takes no \"command\""},
        {"checkbox_click", false, R"([{"id": 1178, "click": true}])",
         "control 1178 is a check box, which takes no \"click\""},
        {"radio_check", false, R"([{"id": 1403, "check": true}])",
         "control 1403 is a radio button, which takes no \"check\""},
        {"menu_text", false, R"([{"id": 40031, "text": "x"}])",
         "control 40031 is a menu item, which takes no \"text\""},
        {"edit_select", true, R"([{"id": 1341, "select": 1}])",
         "control 1341 is an edit field, which takes no \"select\""},
        {"hidden", false, R"([{"id": 1055, "text": "10"}])", "control 1055 is hidden"},
        {"disabled", false, R"([{"id": 1205, "check": false}])", "control 1205 is disabled"},
        {"read_only", true, R"([{"id": 1379, "text": "X"}])", "control 1379 is read-only"},
        {"no_entry", false, R"([{"id": 1176, "select": 99999}])",
         "control 1176 has no entry with item value 99999"},
        {"no_control", false, R"([{"id": 9999, "click": true}])", "control 9999 does not exist"},
        {"id_wraps", false, R"([{"id": 4294968472, "select": 26}])", idBereich},
        {"id_wraps_negative", false, R"([{"id": -4294966120, "select": 26}])", idBereich},
        {"id_beyond_64_bits", false, R"([{"id": 18446744073709552792, "click": true}])", idBereich},
        {"id_fraction", false, R"([{"id": 1176.5, "select": 26}])", idBereich},
        {"value_wraps", false, R"([{"id": 1176, "select": 4294967322}])",
         "action 1: \"select\" needs an integer item value from -2147483648 to 2147483647"},
    };
    Offen c(probe("water_water_design.kal"));
    DialogSpec spec(c.u.app, c.hd->fall(), nullptr);
    auto zustand = [](const Form& f) {
        std::string z = std::to_string(f.focus());
        for (const auto& [id, k] : f.controls())
            z += formatiere("|%d:%s:%d:%d:%d:%d", id, k.text.c_str(), k.selection, k.checked,
                            k.enabled, k.visible);
        return z;
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::string fehler;
        const auto aktionen = aktionenLesen(fall.json, fehler);
        if (!aktionen) {
            EXPECT_EQ(fehler, fall.grund);
            continue;
        }
        ASSERT_EQ(aktionen->size(), 1u);
        DialogModel& d = fall.spez ? static_cast<DialogModel&>(spec) : *c.dlg;
        const std::string vorher = zustand(d.form());
        EXPECT_EQ(
            anwenden(d.form(), aktionen->front(), [&d](int id, BindEvent e) { d.ereignis(id, e); }),
            fall.grund);
        EXPECT_EQ(zustand(d.form()), vorher);
    }
    EXPECT_TRUE(c.u.p.messages.shown.empty());
    EXPECT_TRUE(c.u.p.dialogs.run.empty());
}

}  // namespace

// The printouts behind the menu: the project data first, then the target
// its button chose, each sheet under its title and with the case's values.
TEST(Komplettierung, MenuPrintsThroughTheProjectData) {
    Offen c(fall("rating_two_types_two_passes.kal"));
    const std::pair<int, const char*> befehle[] = {{CmdZubehoer, "Accessories and price list"},
                                                   {CmdKonstruktion, "Construction data sheet"},
                                                   {CmdPrintPlan, "Plate arrangement plan"}};
    c.u.p.questions.answers = {Answer::Yes};  // the list without connection prices
    for (auto [cmd, titel] : befehle) {
        c.u.p.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& m) {
            dynamic_cast<CDialogProjektDaten&>(m).geklickt(pd::Vorschau);
            return m.result();
        });
        c.dlg->ereignis(cmd, BindEvent::Command);
    }
    EXPECT_TRUE(c.u.meldungsKeys().empty());
    ASSERT_EQ(c.u.p.printer.auftraege.size(), 3u);
    const std::string preisCode = c.hd->fall().ergebnis.preisCode;
    for (size_t i = 0; i < 3; ++i) {
        const auto& a = c.u.p.printer.auftraege[i];
        EXPECT_EQ(a.ziel, Druckziel::Vorschau);
        EXPECT_EQ(a.titel, befehle[i].second);
        EXPECT_EQ(a.log.back(), "endDocument");
        const auto treffer = std::count_if(a.log.begin(), a.log.end(), [&](const std::string& l) {
            return l.size() > preisCode.size() &&
                   l.compare(l.size() - preisCode.size(), preisCode.size(), preisCode) == 0;
        });
        EXPECT_GE(treffer, 1) << a.titel;
    }
}

// A price list with unpriced items asks first, naming them: back prints
// nothing, "print anyway" goes on to the project data and prints them "on
// request"; once everything has its price, nothing is asked. The other
// sheets carry no prices and never ask.
TEST(Komplettierung, MissingPricesAskBeforeThePriceList) {
    Offen c(probe("water_water_design.kal"));
    c.haken(Isolierung, true);
    c.tippe(PreisAnschlussWarm, "180");
    auto& fragen = c.u.p.questions;
    fragen.answers = {Answer::No};
    c.dlg->ereignis(CmdZubehoer, BindEvent::Command);
    ASSERT_EQ(fragen.asked.size(), 1u);
    EXPECT_EQ(fragen.asked[0],
              "No price has been entered for these items; the list will read on request for "
              "them:\n    Connection cold side\n    Heat insulation\n\n"
              "Print the list anyway, or go back and enter the prices?");
    EXPECT_EQ(fragen.yesTexts[0], "Print anyway");
    EXPECT_TRUE(c.u.p.dialogs.run.empty()) << "back: not even the project data";

    fragen.answers = {Answer::Yes};
    c.u.p.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& m) {
        dynamic_cast<CDialogProjektDaten&>(m).geklickt(pd::Vorschau);
        return m.result();
    });
    c.dlg->ereignis(CmdZubehoer, BindEvent::Command);
    ASSERT_EQ(c.u.p.printer.auftraege.size(), 1u);
    const auto& log = c.u.p.printer.auftraege[0].log;
    EXPECT_GE(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.ends_with(" on request"); }),
              3)  // cold connection, insulation, total
        << "unpriced items";

    c.tippe(PreisAnschlussKalt, "150");
    c.tippe(PreisIsolierung, "420");
    c.dlg->ereignis(CmdKonstruktion, BindEvent::Command);
    c.dlg->ereignis(CmdZubehoer, BindEvent::Command);
    EXPECT_EQ(fragen.asked.size(), 2u);
    EXPECT_EQ(c.u.p.dialogs.run.size(), 3u);
}

// The data sheet finds the frame of the pack from its values alone: the
// same dimensions the calculation showed.
TEST(Komplettierung, DataSheetDimensionsAreTheResults) {
    for (const std::string& p :
         {probe("water_water_design.kal"), probe("steam_condenser_design.kal"),
          fall("rating_two_types_two_passes.kal"), fall("water_two_passes.kal")}) {
        SCOPED_TRACE(p);
        Offen c(p);
        const Berechnungsergebnis& r = c.hd->fall().ergebnis;
        const Gestellmasse m = gestellmasse(konstruktionsangaben(c.u.app.getData(), c.hd->fall()));
        EXPECT_GT(m.laenge, 0.0);
        EXPECT_EQ(m.hoehe, r.hoehe);
        EXPECT_EQ(m.breite, r.breite);
        EXPECT_EQ(m.laenge, r.laengeTotal);
        EXPECT_EQ(m.stutzenHorizontal, r.stutzenabstandHorizontal);
        EXPECT_EQ(m.stutzenVertikal, r.stutzenabstandVertikal);
        // the plan's pack is the result's
        const auto platten = plattenliste(plattenlegeangaben(c.u.app.getData(), c.hd->fall()));
        EXPECT_EQ(static_cast<int>(platten.size()), r.spaltenGesamt + 1);
    }
    EXPECT_EQ(massText(1080.0, true), "1080 mm");
    EXPECT_EQ(massText(1080.0, false), "42.5 in");
}
