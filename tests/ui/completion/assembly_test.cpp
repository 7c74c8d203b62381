// The completion dialog's model on the shipped data: the opening, the update
// chain (base price, single price, delivery time, identification string,
// menu), prices on request, Werksmodus, painting and the commit's refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "assembly_model.h"
#include "benutzeraktion.h"
#include "berechnung_model.h"
#include "druckauftrag.h"
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
    EXPECT_EQ(massText(1080.0, false), "42.52 in");
}
