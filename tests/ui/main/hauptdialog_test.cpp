// The main dialog model as a whole on the shipped data: lists, field rules,
// calculation, project file, user-defined medium and permission grid.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <tuple>

#include "ports/benutzeraktion.h"
#include "ui/main/addmedium_model.h"
#include "ui/main/berechnung_model.h"
#include "ui/main/spalttypdlg_model.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::hd;
using kaltest::liesDatei;
using kaltest::Umgebung;
namespace fs = std::filesystem;

namespace {

void tippe(CBerechnungDlg& d, int id, const std::string& text) {
    d.form().setText(id, text);
    d.textGeaendert(id);
}

void waehle(CBerechnungDlg& d, int id, int pos) {
    d.form().select(id, pos);
    d.auswahlGeaendert(id);
}

void waehle(CBerechnungDlg& d, int id, const std::string& text) {
    int pos = d.form().findExact(id, text);
    ASSERT_GE(pos, 0) << id << " has no entry " << text;
    waehle(d, id, pos);
}

std::vector<std::string> texte(const Form& f, int id) {
    std::vector<std::string> t;
    for (const ListEntry& e : f.find(id)->items) t.push_back(e.text);
    return t;
}

// Water/water design: 500 kW, 90 -> 60 and 20 -> 50 degC, 50 kPa each side.
void wasserWasser(CBerechnungDlg& d) {
    tippe(d, Leistung, "500");
    tippe(d, TEinWarm, "90");
    tippe(d, TAusWarm, "60");
    tippe(d, TEinKalt, "20");
    tippe(d, TAusKalt, "50");
    tippe(d, DruckverlustWarm, "50");
    tippe(d, DruckverlustKalt, "50");
}

bool ergebnisSichtbar(const CBerechnungDlg& d) {
    const Form& f = d.form();
    return d.getErgebnisVorhanden() && f.enabled(Komplettieren) && !f.text(Flaeche).empty() &&
           !f.text(Statuszeile).empty();
}

bool ergebnisLeer(const CBerechnungDlg& d) {
    const Form& f = d.form();
    return !d.getErgebnisVorhanden() && !f.enabled(Komplettieren) && f.text(Flaeche).empty() &&
           f.text(ErgPlattentyp).empty() && f.text(Statuszeile).empty() && f.text(KRein).empty();
}

// Everything a user can enter: edit texts, list selections (as texts) and
// check states of every control the calculation does not write.
std::vector<std::string> eintraege(const CBerechnungDlg& d) {
    const Form& f = d.form();
    std::vector<std::string> e;
    for (const auto& [id, c] : f.controls()) {
        if (c.readOnly) continue;
        e.push_back(std::to_string(id) + "=" + c.text + ":" + f.selectedText(id) +
                    (c.checked ? "+" : "-"));
    }
    return e;
}

// Fills the user-defined medium dialog and confirms it.
ScriptedDialogs::Script eigenesMedium(const std::string& name) {
    return [name](DialogModel& m) {
        auto& dlg = dynamic_cast<AddMediumModel&>(m);
        Form& f = dlg.form();
        f.setText(am::Name, name);
        for (int id : AddMediumModel::kEdits) f.setText(id, "1");
        f.setText(am::Alfa, "");
        dlg.speichernGeklickt();
        return dlg.result();
    };
}

}  // namespace

// --- initialisation --------------------------------------------------------

TEST(Hauptdialog, ListsStartOnTheirFirstSelections) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    struct Fall {
        int liste;
        int anzahl;
        std::string auswahl;
    } faelle[] = {
        {MaterialPlatte, 4, "AISI 316"},
        {DichtungWarm, 4, "NBR  -  110 °C"},
        {DichtungKalt, 4, "NBR  -  110 °C"},
        {Gestell, 2, "C-Steel"},
        {GestellVariante, 2, "DIN"},
        {Druckstufe, 4, "6"},
        {Plattentyp, 9, "KX 04"},
        {MediumWarm, 13, "Water"},
        {MediumKalt, 12, "Water"},
        {Spalttyp1, 9, ""},
        {Spalttyp2, 9, ""},
        {EinheitLeistung, 4, "kW"},
        {EinheitTEinWarm, 3, "°C"},
        {EinheitTAusKalt, 3, "°C"},
        {EinheitDurchsatzWarm, 9, "kg/s"},
        {EinheitDurchsatzKalt, 9, "kg/s"},
        {EinheitDruckverlustWarm, 6, "kPa"},
        {EinheitGasDruckKalt, 6, "kPa"},
        {EinheitFoulingWarm, 2, "m²·K/W"},
        {PlattentypModus, 4, "free"},
        {SpaltenModus, 4, "free"},
        {SerienModus, 4, "fixed"},
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.liste);
        EXPECT_EQ(f.itemCount(c.liste), c.anzahl);
        EXPECT_EQ(f.selectedText(c.liste), c.auswahl);
    }
    // Steam condenses and is offered on the warm side only; both lists end
    // with the user-defined entry.
    EXPECT_GE(f.findExact(MediumWarm, "Steam"), 0);
    EXPECT_LT(f.findExact(MediumKalt, "Steam"), 0);
    EXPECT_EQ(texte(f, MediumWarm).back(), "other medium");
    EXPECT_EQ(texte(f, MediumKalt).back(), "other medium");

    EXPECT_EQ(d.getModus(), 0);
    EXPECT_TRUE(f.checked(Auslegen));
    EXPECT_EQ(f.text(Serien), "1");
    EXPECT_FALSE(f.visible(Plattentyp));  // plate type mode "free"
    EXPECT_FALSE(f.visible(Spalten));
    EXPECT_FALSE(f.enabled(Spalttyp1));
    EXPECT_FALSE(f.visible(GasDruckWarm));
    EXPECT_FALSE(f.enabled(Komplettieren));
    EXPECT_TRUE(f.enabled(MaterialPlatte));
    EXPECT_EQ(f.text(LabelTEin), "Inlet temperature");
    EXPECT_TRUE(u.p.messages.shown.empty());
}

TEST(Hauptdialog, WarningLabelOnlyInWerksmodusWithDeviations) {
    struct Fall {
        bool werksmodus;
        const char* gespeichert;  // nullptr: no stored value
        bool sichtbar;
    } faelle[] = {
        // deviations still restrict outside Werksmodus, but show no warning
        {false, nullptr, false},
        {false, "1:1:1:4,", false},
        {true, nullptr, false},
        {true, "", false},
        {true, "1:1:1:4,", true},
        {true, "99:99:99:4,", false},  // a combination the library never permits
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(std::string(c.gespeichert ? c.gespeichert : "none") +
                     (c.werksmodus ? " werksmodus" : ""));
        Umgebung u({.werksmodus = c.werksmodus});
        if (c.gespeichert) u.p.settings.values["PlattentypSpalttypZulaessig3.1"] = c.gespeichert;
        CBerechnungDlg d(u.app);
        EXPECT_EQ(d.form().visible(LabelWarnung), c.sichtbar);
        EXPECT_TRUE(u.p.messages.shown.empty());
    }
}

// A decimal comma becomes a point as typed in German only: in English
// "1,000" is no 1.0 and stays to be refused.
TEST(Hauptdialog, DecimalCommaBecomesAPointInGerman) {
    for (const auto& [sprache, text] : {std::pair{"Deutsch", "-12.5"}, {"English", "-12,5"}}) {
        Umgebung u({.sprache = sprache});
        CBerechnungDlg d(u.app);
        tippe(d, FoulingWarm, "-12,5");
        EXPECT_EQ(d.form().text(FoulingWarm), text) << sprache;
    }
}

// --- calculation and the result reset ----------------------------------------

TEST(Hauptdialog, WaterWaterDesignGivesAConsistentResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    EXPECT_TRUE(ergebnisSichtbar(d));
    EXPECT_TRUE(u.p.messages.shown.empty());
    EXPECT_NE(f.text(Statuszeile).find("configurations evaluated"), std::string::npos);
    // the result plate type is one the user could choose
    EXPECT_GE(f.findExact(Plattentyp, f.text(ErgPlattentyp)), 0) << f.text(ErgPlattentyp);
    EXPECT_FALSE(f.text(Anzahl1).empty());
    EXPECT_GE(f.selection(Spalttyp1), 0);
    // channels per side = passes x channels per pass of the warm types
    const int anzahl = std::atoi(f.text(Anzahl1).c_str()) + std::atoi(f.text(Anzahl2).c_str());
    EXPECT_EQ(std::atoi(f.text(ErgSpalten).c_str()), std::atoi(f.text(ErgSerien).c_str()) * anzahl);
    // the duty was met: the balance shows the 500 kW asked for
    EXPECT_EQ(f.text(ErgLeistung), "500");
    EXPECT_EQ(u.p.waitCursor.begun, 1);
    EXPECT_EQ(u.p.waitCursor.depth, 0);
}

TEST(Hauptdialog, ImpossibleCaseGivesNoResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    tippe(d, Leistung, "200000");  // far beyond the largest plate's nozzles
    EXPECT_FALSE(d.berechnen());
    EXPECT_FALSE(d.getErgebnisVorhanden());
    EXPECT_FALSE(d.form().enabled(Komplettieren));
    EXPECT_EQ(d.form().text(Statuszeile).rfind("No result", 0), 0u) << d.form().text(Statuszeile);
    EXPECT_TRUE(d.form().text(Flaeche).empty());
    EXPECT_EQ(u.p.waitCursor.depth, 0);
}

TEST(Hauptdialog, RefusedInputAfterAResultDoesNotEnableCompletion) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    tippe(d, DruckverlustWarm, "0.01");  // below the least allowed pressure loss
    EXPECT_FALSE(d.berechnen());
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{"warmPressureToLow"});
    EXPECT_TRUE(ergebnisLeer(d));
    EXPECT_EQ(u.p.waitCursor.begun, 2);
    EXPECT_EQ(u.p.waitCursor.depth, 0);
}

// The properties are taken at the mean temperature only; an inlet or outlet
// beyond its medium's data is refused with the side, the value and the
// range in the unit of its field, and the field gets the focus.
TEST(Hauptdialog, TemperaturesOutsideTheFluidDataAreRefused) {
    const std::tuple<const char*, int, const char*, const char*, const char*> faelle[] = {
        {"Water", TEinKalt, "-10", "°C",
         "Cold side, Inlet temperature: -10 °C lies outside the range of the fluid data of Water "
         "(1 to 200 °C)."},
        {"Water", TEinKalt, "14", "°F",
         ": 14 °F lies outside the range of the fluid data of Water (33.8 to 392 °F)."},
        {"Ethylene Glycol 30 %", TAusKalt, "110", "°C",
         "Cold side, Outlet temperature: 110 °C lies outside the range of the fluid data of "
         "Ethylene Glycol 30 % (-15 to 100 °C)."},
    };
    for (const auto& [medium, feld, wert, einheit, text] : faelle) {
        Umgebung u;
        CBerechnungDlg d(u.app);
        wasserWasser(d);
        waehle(d, MediumKalt, medium);
        waehle(d, EinheitTEinKalt, einheit);
        tippe(d, feld, wert);
        EXPECT_FALSE(d.berechnen());
        ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"temperaturBereich"}) << wert;
        EXPECT_NE(u.p.messages.shown[0].text.find(text), std::string::npos)
            << u.p.messages.shown[0].text;
        EXPECT_EQ(d.form().focus(), feld);
    }
}

// A gas must stay a gas at its pressure from inlet to outlet: carbon
// dioxide at 25 bar condenses below -12 degC, whatever the mean temperature.
TEST(Hauptdialog, AGasSideBelowItsDewPointIsRefused) {
    auto kohlendioxid = [](CBerechnungDlg& d, const char* bar) {
        wasserWasser(d);
        waehle(d, MediumKalt, "Carbon Dioxide");
        waehle(d, Druckstufe, "25");
        waehle(d, EinheitGasDruckKalt, "bar");
        tippe(d, GasDruckKalt, bar);
        tippe(d, TEinKalt, "-20");
        tippe(d, TAusKalt, "50");
    };
    Umgebung u;
    CBerechnungDlg d(u.app);
    kohlendioxid(d, "25");
    EXPECT_FALSE(d.berechnen());
    ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"gasUnterTaupunkt"});
    EXPECT_EQ(u.p.messages.shown[0].text,
              "Cold side, Inlet temperature: Carbon Dioxide at -20 °C and 25 bar lies below its "
              "dew point (-12.01 °C): it condenses there and is no gas.");
    EXPECT_EQ(d.form().focus(), TEinKalt);
    EXPECT_TRUE(ergebnisLeer(d));
    // the same entry as a gas at 16 bar passes that check
    Umgebung u2;
    CBerechnungDlg d2(u2.app);
    kohlendioxid(d2, "16");
    d2.berechnen();
    for (const auto& k : u2.meldungsKeys()) EXPECT_NE(k.rfind("gas", 0), 0u) << k;
}

// The tooltip of a medium list: the selected fluid's range, basis and sources.
TEST(Hauptdialog, MediumListsTellWhatTheirDataRestOn) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    waehle(d, MediumWarm, "Milk");
    EXPECT_EQ(d.form().find(MediumWarm)->toolTip,
              "Milk (liquid)\n"
              "Valid from 2 to 135 °C\n"
              "Basis: whole milk: 3.5 % fat, 3.3 % protein, 4.7 % lactose, 0.7 % ash (mass)\n"
              "Density: Choi and Okos (1986) from the composition\n"
              "Heat capacity: Choi and Okos (1986) from the composition\n"
              "Viscosity: Fernandez-Martin (1972) to 70 °C, Bertsch and Cerf (1983) from 80 °C, "
              "blended between\n"
              "Thermal conductivity: Choi and Okos (1986) from the composition");
    waehle(d, MediumKalt, "Ethylene Glycol 50 %");
    const std::string glykol = d.form().find(MediumKalt)->toolTip;
    EXPECT_NE(
        glykol.find("Valid from -30 to 100 °C\nBasis: 50 % ethylene glycol in water by volume"),
        std::string::npos)
        << glykol;
    waehle(d, MediumKalt, "Carbon Dioxide");
    EXPECT_NE(d.form()
                  .find(MediumKalt)
                  ->toolTip.find("Carbon Dioxide (gas)\nValid from -20 to 400 °C, gas pressure 0.5 "
                                 "to 25 bar absolute"),
              std::string::npos);
    waehle(d, MediumWarm, "Steam");
    EXPECT_NE(d.form().find(MediumWarm)->toolTip.find("Vapour pressure: IAPWS-IF97 region 4"),
              std::string::npos);
}

TEST(Hauptdialog, EveryResetTriggerClearsAShownResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    const int texte[] = {Leistung,    Sicherheit,       DurchsatzWarm, DruckverlustWarm,
                         FoulingWarm, DruckverlustKalt, DurchsatzKalt, FoulingKalt,
                         TEinWarm,    Spalten,          TEinKalt,      TAusWarm,
                         TAusKalt};
    const int listen[] = {Gestell,
                          GestellVariante,
                          EinheitLeistung,
                          EinheitDruckverlustKalt,
                          EinheitFoulingKalt,
                          EinheitDruckverlustWarm,
                          EinheitFoulingWarm,
                          EinheitTEinWarm,
                          EinheitTAusWarm,
                          DichtungWarm,
                          Spalttyp1,
                          Spalttyp2,
                          EinheitTEinKalt,
                          EinheitTAusKalt,
                          DichtungKalt,
                          EinheitDurchsatzWarm,
                          EinheitDurchsatzKalt,
                          MaterialPlatte,
                          Druckstufe,
                          Plattentyp,
                          PlattentypModus,
                          SpaltenModus,
                          SerienModus,
                          MediumWarm,
                          MediumKalt};
    // The handler runs with the value unchanged, so the next calculation
    // gives the same result again.
    for (int id : texte) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(d.berechnen());
        ASSERT_TRUE(ergebnisSichtbar(d));
        d.textGeaendert(id);
        EXPECT_TRUE(ergebnisLeer(d));
    }
    for (int id : listen) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(d.berechnen());
        d.auswahlGeaendert(id);
        EXPECT_TRUE(ergebnisLeer(d));
    }
    for (int id : {Serien}) {
        ASSERT_TRUE(d.berechnen());
        d.textGeaendert(id);
        EXPECT_TRUE(ergebnisLeer(d));
    }
    ASSERT_TRUE(d.berechnen());
    d.geklickt(Sicherheitsplatte);
    EXPECT_TRUE(ergebnisLeer(d));
}

TEST(Hauptdialog, GasPressureAndUnitChoicesKeepTheResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    const std::string flaeche = d.form().text(Flaeche);
    d.textGeaendert(GasDruckWarm);
    d.textGeaendert(GasDruckKalt);
    d.auswahlGeaendert(EinheitGasDruckWarm);
    d.auswahlGeaendert(EinheitGasDruckKalt);
    d.textGeaendert(Anzahl1);  // only marks the counts as edited
    EXPECT_TRUE(ergebnisSichtbar(d));
    // the unit system redisplays the same result in US units
    d.geklickt(SystemUS);
    EXPECT_TRUE(ergebnisSichtbar(d));
    EXPECT_NE(d.form().text(Flaeche), flaeche);
    d.geklickt(SystemSI);
    EXPECT_EQ(d.form().text(Flaeche), flaeche);
}

// --- modes ------------------------------------------------------------------

// Values the balance filled in look computed until the user types into
// them, so that the refusal of a later contradiction is understandable; it
// names the entries that contradict each other.
TEST(Hauptdialog, ComputedEntriesAreMarkedAndAContradictionNamed) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);  // the duty and four temperatures: both flows are computed
    ASSERT_TRUE(d.berechnen());
    EXPECT_EQ(f.emphasis(Leistung), Emphasis::None);
    EXPECT_EQ(f.emphasis(DurchsatzWarm), Emphasis::Computed);
    EXPECT_EQ(f.find(DurchsatzKalt)->toolTip,
              "Calculated from the heat balance; clear it to enter your own value.");
    const int spalten = std::atoi(f.text(ErgSpalten).c_str());
    EXPECT_EQ(f.text(ErgPlatten), std::to_string(spalten) + " channels per side, " +
                                      std::to_string(2 * spalten + 1) + " plates");

    // a computed flow the user types over is an entry like any other
    tippe(d, DurchsatzWarm, f.text(DurchsatzWarm));
    tippe(d, Leistung, "600");  // the computed flows were for 500 kW
    EXPECT_FALSE(d.berechnen());
    ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"ueberbestimmt"});
    EXPECT_NE(u.p.messages.shown[0].text.find(
                  "\nEntries that contradict each other: Heat duty; Warm side: Inlet temperature, "
                  "Outlet temperature, Flow rate."),
              std::string::npos);
    EXPECT_TRUE(f.text(ErgPlatten).empty());
    EXPECT_EQ(f.emphasis(DurchsatzWarm), Emphasis::None);
    // the stale computed flow is gone, not left behind as an entry
    EXPECT_TRUE(f.text(DurchsatzKalt).empty());
    EXPECT_EQ(f.emphasis(DurchsatzKalt), Emphasis::None);
}

namespace {
// Every text and selection of the window.
std::map<int, std::pair<std::string, int>> anzeige(const Form& f) {
    std::map<int, std::pair<std::string, int>> a;
    for (const auto& [id, c] : f.controls()) a[id] = {c.text, c.selection};
    return a;
}

const char* const kProben[] = {"water_water_design", "glycol_water_rating",
                               "steam_condenser_design", "air_cooler_design", "user_medium_design"};
}  // namespace

// "Berechnen" again on unchanged entries shows the same window: the values
// the first run filled in are computed again, not read back rounded; and a
// calculation alone leaves nothing to save.
TEST(Hauptdialog, SameEntriesSameAnswer) {
    for (const char* probe : kProben) {
        SCOPED_TRACE(probe);
        Umgebung u;
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(kaltest::distDir() + "/examples/" + probe + ".kal"), 0);
        ASSERT_TRUE(d.berechnen());
        const auto einmal = anzeige(d.form());
        const auto alternativen = d.alternativen(CBerechnungDlg::kAnzahlAlternativen).pakete.size();
        EXPECT_FALSE(d.getGeaendert());
        ASSERT_TRUE(d.berechnen());
        EXPECT_EQ(anzeige(d.form()), einmal);
        EXPECT_EQ(d.alternativen(CBerechnungDlg::kAnzahlAlternativen).pakete.size(), alternativen);
        EXPECT_FALSE(d.getGeaendert());
        tippe(d, Sicherheit, "3.5");  // a change the user made stays one
        d.berechnen();
        EXPECT_TRUE(d.getGeaendert());
    }
}

// Water/water with one outlet left to the balance: a duty too large for the
// flows crosses the temperatures and is refused with the computed outlet
// shown; the corrected duty computes the outlet again and succeeds.
TEST(Hauptdialog, AFailedRunLeavesNoEntryBehind) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    const std::string durchsatz = f.text(DurchsatzKalt);
    tippe(d, DurchsatzKalt, durchsatz);  // now the user's
    tippe(d, TAusKalt, "");
    ASSERT_TRUE(d.berechnen());
    EXPECT_EQ(f.text(TAusKalt), "50");
    EXPECT_EQ(f.emphasis(TAusKalt), Emphasis::Computed);
    tippe(d, Leistung, "5000");  // the cold side would leave far above the warm inlet
    EXPECT_FALSE(d.berechnen());
    EXPECT_FALSE(u.meldungsKeys().empty());
    EXPECT_EQ(f.emphasis(TAusKalt), Emphasis::Computed);
    u.p.messages.shown.clear();
    tippe(d, Leistung, "500");
    EXPECT_TRUE(d.berechnen()) << testing::PrintToString(u.meldungsKeys());
    EXPECT_EQ(f.text(TAusKalt), "50");
    EXPECT_TRUE(u.meldungsKeys().empty());
}

// The marks a project store hands back: only balance entries with a value.
TEST(Hauptdialog, ComputedMarksSetFromAStore) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    tippe(d, DurchsatzWarm, "1");  // a stale computed flow, stored with its mark
    d.berechneteFelderSetzen({DurchsatzWarm, DurchsatzKalt, Serien});
    EXPECT_EQ(d.berechneteFelder(), std::set<int>{DurchsatzWarm});
    EXPECT_EQ(d.form().emphasis(DurchsatzWarm), Emphasis::Computed);
    EXPECT_TRUE(d.berechnen());  // computed again, not read as an entry
    EXPECT_NE(d.form().text(DurchsatzWarm), "1");
}

// A rating shows a fixed pack as it is: a result beyond a limit stands out
// and its tooltip adds the limit; the result reset takes the mark away.
TEST(Hauptdialog, RatingShowsWhatIsBeyondTheLimits) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    d.geklickt(Nachrechnen);
    tippe(d, DruckverlustWarm, "5");
    ASSERT_TRUE(d.berechnen());
    EXPECT_EQ(f.emphasis(ErgDruckverlustWarm), Emphasis::Warning);
    EXPECT_EQ(f.emphasis(ErgDruckverlustKalt), Emphasis::None);
    EXPECT_EQ(
        f.find(ErgDruckverlustWarm)->toolTip,
        f.find(ErgDruckverlustKalt)->toolTip + "\nAbove the permitted pressure drop of 5 kPa.");
    tippe(d, DruckverlustWarm, "50");
    EXPECT_EQ(f.emphasis(ErgDruckverlustWarm), Emphasis::None);
}

TEST(Hauptdialog, RatingAfterDesignCalculatesTheSamePack) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    const std::string typ = f.text(ErgPlattentyp), serien = f.text(ErgSerien);
    const std::string a1 = f.text(Anzahl1), t1 = f.selectedText(Spalttyp1);
    const std::string a2 = f.text(Anzahl2), t2 = f.selectedText(Spalttyp2);
    const std::string flaeche = f.text(Flaeche), preis = f.text(CustomPreis),
                      gewicht = f.text(Gewicht);
    ASSERT_FALSE(preis.empty());

    d.geklickt(Nachrechnen);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_EQ(f.selectedText(Plattentyp), typ);
    EXPECT_EQ(f.text(Serien), serien);
    EXPECT_EQ(f.text(Anzahl1), a1);
    EXPECT_EQ(f.selectedText(Spalttyp1), t1);
    EXPECT_EQ(f.text(Anzahl2), a2);
    EXPECT_EQ(f.selectedText(Spalttyp2), t2);
    // the channels per side are computed from the carried-over counts
    EXPECT_EQ(f.text(Spalten), std::to_string(std::atoi(serien.c_str()) *
                                              (std::atoi(a1.c_str()) + std::atoi(a2.c_str()))));
    for (int id : {PlattentypModus, SpaltenModus, SerienModus}) {
        EXPECT_EQ(f.selection(id), 1) << id;
        EXPECT_FALSE(f.enabled(id)) << id;
    }
    EXPECT_TRUE(f.visible(Plattentyp));
    EXPECT_FALSE(f.enabled(Spalten));  // computed from the counts
    EXPECT_TRUE(f.enabled(Spalttyp2));
    EXPECT_TRUE(ergebnisLeer(d));

    ASSERT_TRUE(d.berechnen());
    EXPECT_TRUE(ergebnisSichtbar(d));
    EXPECT_EQ(f.text(ErgPlattentyp), typ);
    EXPECT_EQ(f.text(Flaeche), flaeche);
    EXPECT_EQ(f.text(CustomPreis), preis);
    EXPECT_EQ(f.text(Gewicht), gewicht);

    d.geklickt(Auslegen);
    EXPECT_EQ(f.selection(PlattentypModus), 0);
    EXPECT_EQ(f.selection(SpaltenModus), 0);
    EXPECT_EQ(f.selection(SerienModus), 1);
    EXPECT_EQ(f.text(Serien), "1");
    EXPECT_TRUE(f.enabled(SerienModus));
    EXPECT_FALSE(f.visible(Plattentyp));
    EXPECT_TRUE(ergebnisLeer(d));
    EXPECT_TRUE(f.text(Anzahl1).empty());  // the design reset clears the counts
}

TEST(Hauptdialog, ChannelsPerSideInRating) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    d.geklickt(Nachrechnen);
    tippe(d, Anzahl1, "10");
    tippe(d, Anzahl2, "5");
    tippe(d, Serien, "2");
    d.fokusVerloren(Serien);
    EXPECT_EQ(d.form().text(Spalten), "30");
    EXPECT_FALSE(d.getSpaltenEditiert());

    // a second focus loss without an edit leaves the total alone
    d.form().setText(Spalten, "x");
    d.fokusVerloren(Anzahl1);
    EXPECT_EQ(d.form().text(Spalten), "x");
    d.form().setText(Spalten, "30");

    tippe(d, Anzahl2, "5a");
    d.fokusVerloren(Anzahl2);
    ASSERT_EQ(u.p.messages.shown.size(), 1u);
    EXPECT_EQ(u.p.messages.shown[0].text, "Please enter a valid number.");
    EXPECT_EQ(d.form().text(Spalten), "30");

    tippe(d, Anzahl2, "-1");
    d.fokusVerloren(Anzahl2);
    EXPECT_EQ(u.p.messages.shown.size(), 2u);
    EXPECT_EQ(d.form().text(Spalten), "30");

    tippe(d, Anzahl2, "");  // an empty count counts as none
    tippe(d, Serien, "0");  // passes 0 or less count as one
    d.fokusVerloren(Serien);
    EXPECT_EQ(d.form().text(Spalten), "10");

    // design computes nothing on focus loss
    d.geklickt(Auslegen);
    tippe(d, Anzahl1, "7");
    d.fokusVerloren(Anzahl1);
    EXPECT_EQ(d.form().text(Spalten), "10");
}

// --- media ------------------------------------------------------------------

TEST(Hauptdialog, CondensingSteamOnTheWarmSide) {
    for (bool werksmodus : {false, true}) {
        SCOPED_TRACE(werksmodus);
        Umgebung u({.werksmodus = werksmodus});
        CBerechnungDlg d(u.app);
        const Form& f = d.form();
        waehle(d, DichtungWarm, "EPDM  -  150 °C");
        waehle(d, MediumWarm, "Steam");
        EXPECT_EQ(f.text(LabelTEin), "Condensing temperature");
        EXPECT_EQ(f.text(LabelTAus), "Subcooling");
        EXPECT_EQ(f.selectedText(EinheitTAusWarm), "K");
        EXPECT_FALSE(f.enabled(EinheitTAusWarm));
        EXPECT_EQ(f.selection(SerienModus), 1);
        EXPECT_FALSE(f.enabled(SerienModus));
        EXPECT_EQ(f.text(Serien), "1");
        EXPECT_FALSE(f.enabled(Serien));
        EXPECT_FALSE(f.visible(GasDruckWarm));  // a condensing gas has no gas pressure
        EXPECT_EQ(f.selectedText(DichtungWarm), "EPDM  -  150 °C");  // kept: one of the three
        if (werksmodus)
            EXPECT_EQ(f.itemCount(DichtungWarm), 4);
        else
            EXPECT_EQ(texte(f, DichtungWarm),
                      (std::vector<std::string>{"EPDM  -  150 °C", "EPDM HT  -  180 °C",
                                                "Viton S  -  180 °C"}));
        EXPECT_EQ(f.itemCount(DichtungKalt), 4);  // the cold side is never restricted

        // rating: one channel type per side
        tippe(d, Anzahl2, "4");
        d.geklickt(Nachrechnen);
        EXPECT_TRUE(f.enabled(Spalttyp1));
        EXPECT_FALSE(f.enabled(Spalttyp2));
        EXPECT_EQ(f.selection(Spalttyp2), -1);
        EXPECT_FALSE(f.enabled(Anzahl2));
        EXPECT_EQ(f.text(Anzahl2), "");
        d.geklickt(Auslegen);

        // back to water: the outlet unit follows the inlet unit again
        waehle(d, EinheitTEinWarm, "°F");
        waehle(d, MediumWarm, "Water");
        EXPECT_EQ(f.selectedText(EinheitTAusWarm), "°F");
        EXPECT_TRUE(f.enabled(EinheitTAusWarm));
        EXPECT_EQ(f.text(LabelTEin), "Inlet temperature");
        EXPECT_EQ(f.itemCount(DichtungWarm), 4);
        EXPECT_EQ(f.selectedText(DichtungWarm), "EPDM  -  150 °C");
        EXPECT_TRUE(f.enabled(SerienModus));
    }
}

TEST(Hauptdialog, CondensingReplacesAnUnlistedGasketByEpdmHt) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.form().selectedText(DichtungWarm), "NBR  -  110 °C");
    waehle(d, MediumWarm, "Steam");
    EXPECT_EQ(d.form().selectedText(DichtungWarm), "EPDM HT  -  180 °C");
}

TEST(Hauptdialog, GasPressureShownForLibraryGases) {
    struct Fall {
        int seite;
        const char* medium;
        bool warm, kalt;
    } faelle[] = {
        {0, "Dry Air", true, false}, {1, "Dry Air", false, true}, {1, "Nitrogen", false, true},
        {0, "Steam", false, false},  {0, "Milk", false, false},
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(std::string(c.medium) + " side " + std::to_string(c.seite));
        Umgebung u;
        CBerechnungDlg d(u.app);
        waehle(d, c.seite == 0 ? MediumWarm : MediumKalt, c.medium);
        const Form& f = d.form();
        EXPECT_EQ(f.visible(GasDruckWarm), c.warm);
        EXPECT_EQ(f.enabled(EinheitGasDruckWarm), c.warm);
        EXPECT_EQ(f.visible(GasDruckKalt), c.kalt);
        EXPECT_EQ(f.visible(EinheitGasDruckKalt), c.kalt);
        EXPECT_EQ(f.visible(LabelGasDruck), c.warm || c.kalt);
        // a gas on either side forces one pass
        const bool gas = c.warm || c.kalt || std::string(c.medium) == "Steam";
        EXPECT_EQ(f.enabled(SerienModus), !gas);
    }
}

TEST(Hauptdialog, LeavingAGasEmptiesItsPressure) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    waehle(d, MediumKalt, "Dry Air");
    tippe(d, GasDruckKalt, "6");
    waehle(d, MediumKalt, "Water");
    EXPECT_FALSE(d.form().visible(GasDruckKalt));
    EXPECT_EQ(d.form().text(GasDruckKalt), "");
}

TEST(Hauptdialog, TitaniumOnlyMediumLocksThePlateMaterial) {
    for (int seite : {0, 1}) {
        SCOPED_TRACE(seite);
        Umgebung u;
        CBerechnungDlg d(u.app);
        const int liste = seite == 0 ? MediumWarm : MediumKalt;
        waehle(d, liste, "Sea Water");
        EXPECT_EQ(d.form().selectedText(MaterialPlatte), "Titan");
        EXPECT_FALSE(d.form().enabled(MaterialPlatte));
        EXPECT_TRUE(d.getNurTitan(seite));
        // the other side's medium alone does not unlock it
        waehle(d, seite == 0 ? MediumKalt : MediumWarm, "Milk");
        EXPECT_FALSE(d.form().enabled(MaterialPlatte));
        waehle(d, liste, "Water");
        EXPECT_TRUE(d.form().enabled(MaterialPlatte));
        EXPECT_EQ(d.form().selectedText(MaterialPlatte), "Titan");
    }
}

TEST(Hauptdialog, UserDefinedMedium) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    const int letzter = f.itemCount(MediumKalt) - 1;

    // Cancel the first time: back to the first medium, asked once only.
    waehle(d, MediumKalt, letzter);
    EXPECT_EQ(f.selection(MediumKalt), 0);
    EXPECT_FALSE(d.eigeneMedien()[1].gespeichert);
    EXPECT_EQ(u.p.dialogs.run, std::vector<std::string>{"DialogAddMedium"});

    // OK stores it and renames the entry.
    u.p.dialogs.scripts["DialogAddMedium"].push_back(eigenesMedium("Brine X"));
    waehle(d, MediumKalt, letzter);
    EXPECT_EQ(f.selection(MediumKalt), letzter);
    EXPECT_EQ(f.selectedText(MediumKalt), "other medium Brine X");
    EXPECT_EQ(f.itemCount(MediumKalt), letzter + 1);
    EXPECT_TRUE(d.eigeneMedien()[1].gespeichert);
    EXPECT_TRUE(d.eigeneMedien()[1].benutzt);
    EXPECT_EQ(d.eigeneMedien()[1].name, "Brine X");
    EXPECT_FALSE(d.eigeneMedien()[0].gespeichert);

    // Cancel later: the stored medium stays in use, prefilled in the dialog.
    waehle(d, MediumKalt, "Water");
    EXPECT_FALSE(d.eigeneMedien()[1].benutzt);
    std::string vorbelegt;
    u.p.dialogs.scripts["DialogAddMedium"].push_back([&](DialogModel& m) {
        vorbelegt = m.form().text(am::Name);
        return 2;
    });
    waehle(d, MediumKalt, letzter);
    EXPECT_EQ(vorbelegt, "Brine X");
    EXPECT_EQ(f.selectedText(MediumKalt), "other medium Brine X");
    EXPECT_TRUE(d.eigeneMedien()[1].benutzt);
    EXPECT_EQ(d.eigeneMedien()[1].name, "Brine X");
}

TEST(Hauptdialog, UserDefinedGasHasNoGasPressure) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    u.p.dialogs.scripts["DialogAddMedium"].push_back([](DialogModel& m) {
        auto& dlg = dynamic_cast<AddMediumModel&>(m);
        dlg.form().setChecked(am::Gas, true);
        dlg.gasGeklickt();
        for (int id : AddMediumModel::kEdits) dlg.form().setText(id, "2");
        dlg.speichernGeklickt();
        return dlg.result();
    });
    waehle(d, MediumWarm, d.form().itemCount(MediumWarm) - 1);
    ASSERT_TRUE(d.eigeneMedien()[0].benutzt);
    EXPECT_FALSE(d.form().visible(GasDruckWarm));
    EXPECT_FALSE(d.form().enabled(SerienModus));  // still a gas: one pass
}

// --- plate types and channel types -------------------------------------------

TEST(Hauptdialog, SafetyPlateBoxSwapsThePlateTypes) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    Form& f = d.form();
    f.setChecked(Sicherheitsplatte, true);
    d.geklickt(Sicherheitsplatte);
    EXPECT_EQ(texte(f, Plattentyp), (std::vector<std::string>{"KXDW 08", "KXDW 20"}));
    EXPECT_EQ(f.selection(Plattentyp), 0);
    EXPECT_TRUE(d.fall().eingaben.sicherheitsplatte);
    wasserWasser(d);
    bool ok = d.berechnen();
    ASSERT_TRUE(ok) << f.text(Statuszeile);
    EXPECT_EQ(f.text(ErgPlattentyp).rfind("KXDW", 0), 0u) << f.text(ErgPlattentyp);
    f.setChecked(Sicherheitsplatte, false);
    d.geklickt(Sicherheitsplatte);
    EXPECT_EQ(f.itemCount(Plattentyp), 9);
    EXPECT_EQ(f.selectedText(Plattentyp), "KX 04");
    EXPECT_TRUE(ergebnisLeer(d));
}

TEST(Hauptdialog, ChannelTypeListsFollowThePermissions) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    Form& f = d.form();
    f.setChecked(Sicherheitsplatte, true);
    d.geklickt(Sicherheitsplatte);
    EXPECT_EQ(f.itemCount(Spalttyp1), 9);  // design lists all
    d.geklickt(Nachrechnen);
    // the safety plates permit HH, MM and LL
    EXPECT_EQ(texte(f, Spalttyp1), (std::vector<std::string>{"HH", "MM", "LL"}));
    EXPECT_EQ(texte(f, Spalttyp2), (std::vector<std::string>{"HH", "MM", "LL"}));
    f.setChecked(Sicherheitsplatte, false);
    d.geklickt(Sicherheitsplatte);
    EXPECT_EQ(f.itemCount(Spalttyp1), 9);
    d.geklickt(Auslegen);
    EXPECT_EQ(f.itemCount(Spalttyp1), 9);
}

TEST(Hauptdialog, PermissionGridRestrictsTheRatingList) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    ASSERT_EQ(f.text(ErgPlattentyp), "KX 08");
    d.geklickt(Nachrechnen);
    ASSERT_TRUE(d.berechnen());
    const std::string typ = f.selectedText(Spalttyp1);
    ASSERT_FALSE(typ.empty());
    const int zeile = f.selectedValue(Spalttyp1);

    // switch off the first channel type of the result for KX 08 (id 2) on
    // the first plate material and pressure stage
    u.p.dialogs.scripts["PlattentypSpalttypDlg"].push_back([&](DialogModel& m) {
        auto& g = dynamic_cast<SpalttypDlgModel&>(m);
        const auto& ids = g.spaltenTypen();
        const int spalte = static_cast<int>(std::find(ids.begin(), ids.end(), 2) - ids.begin());
        EXPECT_TRUE(g.zelle(zeile, spalte).an);
        g.kaestchenGeklickt(zeile, spalte);
        g.speichernGeklickt();
        g.endeGeklickt();
        return g.result();
    });
    d.befehl(CmdSpalttypen);
    EXPECT_EQ(u.p.settings.values["PlattentypSpalttypZulaessig3.1"],
              "1:2:1:" + std::to_string(zeile) + ",");
    EXPECT_EQ(f.itemCount(Spalttyp1), 8);
    EXPECT_LT(f.findExact(Spalttyp1, typ), 0);
    EXPECT_EQ(f.selection(Spalttyp1), -1);
    EXPECT_TRUE(ergebnisLeer(d));
    EXPECT_FALSE(f.visible(LabelWarnung));  // not in Werksmodus

    // a grid closed without saving changes nothing
    u.p.settings.values["PlattentypSpalttypZulaessig3.1"] = "marker";
    d.befehl(CmdSpalttypen);
    EXPECT_EQ(u.p.settings.values["PlattentypSpalttypZulaessig3.1"], "marker");
    EXPECT_EQ(f.itemCount(Spalttyp1), 8);
}

// --- project file -------------------------------------------------------------

TEST(Hauptdialog, SavedProjectReopensWithEveryEntry) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("projekt.kal");
    std::vector<std::string> vorher;
    {
        CBerechnungDlg d(u.app);
        wasserWasser(d);
        tippe(d, Sicherheit, "10");
        tippe(d, FoulingWarm, "0.00001");
        waehle(d, EinheitLeistung, "MW");
        waehle(d, EinheitTEinKalt, "°F");
        waehle(d, EinheitDurchsatzWarm, "m³/h");
        waehle(d, EinheitDruckverlustKalt, "bar");
        waehle(d, MediumKalt, "Ethylene Glycol 30 %");
        waehle(d, MaterialPlatte, "SMO 254");
        waehle(d, DichtungWarm, "Viton S  -  180 °C");
        waehle(d, DichtungKalt, "EPDM  -  150 °C");
        waehle(d, Gestell, "Stainless AISI 304");
        waehle(d, GestellVariante, "ASME");
        waehle(d, Druckstufe, "16");
        waehle(d, PlattentypModus, "min.");
        waehle(d, Plattentyp, "KX 14");
        waehle(d, SpaltenModus, "max.");
        tippe(d, Spalten, "80");
        tippe(d, Serien, "2");
        d.geklickt(MassInch);
        u.p.files.saveAnswers.push_back(pfad);
        d.befehl(CmdSpeichern);
        EXPECT_EQ(liesDatei(pfad).size(), 1660u);
        EXPECT_EQ(d.getProjektPfad(), pfad);
        EXPECT_EQ(d.caption(), "kalvoria 3.26.12 - " + pfad);
        // "save" with a path asks no more
        d.befehl(CmdSpeichern);
        EXPECT_TRUE(u.p.messages.shown.empty());
        vorher = eintraege(d);
    }
    CBerechnungDlg d(u.app);
    ASSERT_NE(eintraege(d), vorher);
    u.p.files.openAnswers.push_back(pfad);
    d.befehl(CmdOeffnen);
    EXPECT_TRUE(u.p.messages.shown.empty());
    EXPECT_EQ(eintraege(d), vorher);
    EXPECT_EQ(d.getMillimeter(), 0);
    EXPECT_EQ(d.caption(), "kalvoria 3.26.12 - " + pfad);
}

// What the user typed into the user-defined medium dialog is what a saved
// and reopened project holds: every digit of the values, and the name as far
// as its 30 bytes reach without splitting a character.
TEST(Hauptdialog, UserDefinedMediumSurvivesSaveAndOpen) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("eigen.kal");
    const std::string name = "Kühlsole Ethylenglykol 30 % – ä";  // byte 30 inside the dash
    EigenesMedium gespeichert;
    {
        CBerechnungDlg d(u.app);
        u.p.dialogs.scripts["DialogAddMedium"].push_back([&](DialogModel& m) {
            auto& dlg = dynamic_cast<AddMediumModel&>(m);
            auto tippe = [&](int id, const std::string& text) {
                Benutzeraktion a;
                a.id = id;
                a.art = Benutzeraktion::Art::Text;
                a.text = text;
                EXPECT_EQ(anwenden(dlg.form(), a, [](int, BindEvent) {}), "");
            };
            tippe(am::Name, name);
            dlg.form().select(am::EinheitViskositaet, 1);  // mPa s, the stored unit
            tippe(am::Viskositaet, "4e-7");
            tippe(am::ViskositaetWand, "0.0185123");
            tippe(am::Dichte, "870");
            tippe(am::Waermekapazitaet, "2.1");
            tippe(am::Waermeleitfaehigkeit, "0.0185123");
            dlg.speichernGeklickt();
            return dlg.result();
        });
        waehle(d, MediumWarm, d.form().itemCount(MediumWarm) - 1);
        gespeichert = d.eigeneMedien()[0];
        ASSERT_TRUE(gespeichert.benutzt);
        EXPECT_EQ(gespeichert.name, "Kühlsole Ethylenglykol 30 % ");
        EXPECT_EQ(gespeichert.werte[EG_Waermeleitfaehigkeit], 0.0185123);
        ASSERT_TRUE(d.projektSchreiben(pfad));
    }
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    const EigenesMedium& m = d.eigeneMedien()[0];
    EXPECT_EQ(m.name, gespeichert.name);
    EXPECT_EQ(m.werte, gespeichert.werte);
    EXPECT_EQ(m.einheiten, gespeichert.einheiten);
    EXPECT_EQ(d.form().selectedText(MediumWarm), "other medium " + gespeichert.name);
}

TEST(Hauptdialog, RatingProjectKeepsItsChannelTypes) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("rating.kal");
    std::vector<std::string> vorher;
    {
        CBerechnungDlg d(u.app);
        d.form().setChecked(Sicherheitsplatte, true);
        d.geklickt(Sicherheitsplatte);
        waehle(d, PlattentypModus, "fixed");
        waehle(d, Plattentyp, "KXDW 20");
        d.geklickt(Nachrechnen);
        wasserWasser(d);
        tippe(d, Anzahl1, "6");
        waehle(d, Spalttyp1, "MM");
        tippe(d, Anzahl2, "4");
        waehle(d, Spalttyp2, "LL");
        d.fokusVerloren(Anzahl2);
        ASSERT_EQ(d.form().text(Spalten), "10");
        u.p.files.saveAnswers.push_back(pfad);
        d.befehl(CmdSpeichernUnter);
        vorher = eintraege(d);
    }
    // positions index the rating list of the permitted types
    EXPECT_EQ(liesDatei(pfad).substr(1520 + 20, 2), std::string("1\0", 2));
    EXPECT_EQ(liesDatei(pfad).substr(1560 + 20, 2), std::string("2\0", 2));
    CBerechnungDlg d(u.app);
    u.p.files.openAnswers.push_back(pfad);
    d.befehl(CmdOeffnen);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_EQ(d.form().selectedText(Spalttyp1), "MM");
    EXPECT_EQ(d.form().selectedText(Spalttyp2), "LL");
    EXPECT_EQ(eintraege(d), vorher);
    EXPECT_TRUE(u.p.messages.shown.empty());
}

// Escape, the close box, quit, new and open would discard edited entries:
// each asks first (Yes saves, No discards, Cancel or a cancelled save keeps
// everything); an entry typed and put back is no change and asks nothing.
TEST(Hauptdialog, ChangedEntriesAreNeverDiscardedWithoutAQuestion) {
    using Getan = std::function<bool(const CBerechnungDlg&)>;
    const std::tuple<int, Getan> wege[] = {
        // 0: escape, -1: close box
        {0, [](const CBerechnungDlg& d) { return d.result() == 2; }},
        {-1, [](const CBerechnungDlg& d) { return d.result() == 2; }},
        {CmdBeenden, [](const CBerechnungDlg& d) { return d.result() == 1; }},
        {CmdNeu, [](const CBerechnungDlg& d) { return d.form().text(Leistung).empty(); }},
        {CmdOeffnen, [](const CBerechnungDlg& d) { return d.form().text(Leistung) == "7"; }}};
    enum Fall { Unveraendert, Abbrechen, Nein, Ja, JaOhneDatei };
    for (const auto& [weg, getan] : wege) {
        for (Fall fall : {Unveraendert, Abbrechen, Nein, Ja, JaOhneDatei}) {
            SCOPED_TRACE(std::to_string(weg) + " " + std::to_string(fall));
            Umgebung u;
            {
                CBerechnungDlg vorher(u.app);
                tippe(vorher, Leistung, "7");
                ASSERT_TRUE(vorher.projektSchreiben(u.dir.pfad("alt.kal")));
            }
            CBerechnungDlg d(u.app);
            tippe(d, Leistung, "500");
            if (fall == Unveraendert) tippe(d, Leistung, "");
            u.p.questions.answers.push_back(fall == Nein ? Answer::No
                                            : fall >= Ja ? Answer::Yes
                                                         : Answer::Cancel);
            u.p.files.saveAnswers.push_back(fall == Ja ? std::optional(u.dir.pfad("neu.kal"))
                                                       : std::nullopt);
            u.p.files.openAnswers.push_back(u.dir.pfad("alt.kal"));
            if (weg == 0)
                d.escape();
            else if (weg < 0)
                d.schliessfeld();
            else
                d.befehl(weg);
            EXPECT_EQ(u.p.questions.asked.size(), fall == Unveraendert ? 0u : 1u);
            EXPECT_EQ(getan(d), fall == Unveraendert || fall == Nein || fall == Ja);
            EXPECT_EQ(fs::exists(u.dir.pfad("neu.kal")), fall == Ja);
        }
    }
    Umgebung de({.sprache = "Deutsch"});  // the answers in the program's language
    CBerechnungDlg d(de.app);
    tippe(d, Leistung, "5");
    d.escape();
    EXPECT_EQ(de.p.questions.yesTexts, std::vector<std::string>{"Ja"});
}

TEST(Hauptdialog, CancelledSaveWritesNothing) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const std::string titel = d.caption();
    d.befehl(CmdSpeichern);  // no answer queued: cancelled
    d.befehl(CmdSpeichernUnter);
    EXPECT_EQ(d.caption(), titel);
    EXPECT_TRUE(d.getProjektPfad().empty());
    // still only data, language, pic and kalvoria.ini
    EXPECT_EQ(std::distance(fs::directory_iterator(u.dir.dir()), fs::directory_iterator()), 4);

    // "save as" cancelled with a path: the file stays as it was
    const std::string pfad = u.dir.pfad("a.kal");
    u.p.files.saveAnswers.push_back(pfad);
    d.befehl(CmdSpeichern);
    tippe(d, Leistung, "123");
    d.befehl(CmdSpeichernUnter);
    EXPECT_EQ(liesDatei(pfad).substr(700, 1), std::string(1, '\0'));
    EXPECT_EQ(d.getProjektPfad(), pfad);
}

TEST(Hauptdialog, ForeignOrUnreadableFilesChangeNothing) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    const std::vector<std::string> vorher = eintraege(d);
    const std::string titel = d.caption();

    std::string alt(1660, '\0');
    alt.replace(0, 3, "3.2");
    const std::string falsch = u.dir.pfad("alt.kal");
    u.dir.schreibe("alt.kal", alt);
    struct Fall {
        std::string pfad;
        std::string key;
    } faelle[] = {
        {falsch, "falsche ed_version"},
        {u.dir.pfad("gibtesnicht.kal"), "dateiNichtGeoeffnet"},
        {u.dir.pfad("data"), "dateiNichtGeoeffnet"},  // a folder
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.pfad);
        u.p.messages.shown.clear();
        u.p.questions.answers.push_back(Answer::No);  // discard the typed entries
        u.p.files.openAnswers.push_back(c.pfad);
        d.befehl(CmdOeffnen);
        EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{c.key});
        EXPECT_EQ(eintraege(d), vorher);
        EXPECT_EQ(d.caption(), titel);
        EXPECT_TRUE(d.getProjektPfad().empty());
    }
    // a cancelled open dialog
    u.p.messages.shown.clear();
    u.p.questions.answers.push_back(Answer::No);
    d.befehl(CmdOeffnen);
    EXPECT_TRUE(u.p.messages.shown.empty());
    EXPECT_EQ(eintraege(d), vorher);
}

TEST(Hauptdialog, SaveIntoAMissingFolderLeavesOtherFilesAlone) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    const std::string gut = u.dir.pfad("gut.kal");
    u.p.files.saveAnswers.push_back(gut);
    d.befehl(CmdSpeichern);
    const std::string inhalt = liesDatei(gut);
    ASSERT_EQ(inhalt.size(), 1660u);

    tippe(d, Leistung, "700");
    const std::string schlecht = u.dir.pfad("fehlt/neu.kal");
    u.p.files.saveAnswers.push_back(schlecht);
    d.befehl(CmdSpeichernUnter);
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{"dateiNichtGespeichert"});
    EXPECT_FALSE(fs::exists(schlecht));
    EXPECT_EQ(liesDatei(gut), inhalt);
    // the window still names the file that holds the last saved state
    EXPECT_EQ(d.caption(), "kalvoria 3.26.12 - " + gut);
    EXPECT_EQ(d.getProjektPfad(), gut);
}

// The status line of a shown result follows a language change as every
// other text does.
TEST(Hauptdialog, StatusLineFollowsTheLanguage) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    const std::string zeile = d.form().text(Statuszeile);
    u.spracheWaehlen("Deutsch");
    d.befehl(CmdEinstellungen);
    EXPECT_EQ(d.form().text(Statuszeile),
              zeile.substr(0, zeile.find(' ')) + " Konfigurationen berechnet");
}

TEST(Hauptdialog, MissingPlateTypeSelectsTheSecondAndLoadsTheRest) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("p.kal");
    {
        CBerechnungDlg d(u.app);
        wasserWasser(d);
        waehle(d, PlattentypModus, "fixed");
        waehle(d, Plattentyp, "KX 50");
        waehle(d, MediumKalt, "Milk");
        u.p.files.saveAnswers.push_back(pfad);
        d.befehl(CmdSpeichern);
    }
    std::string bytes = liesDatei(pfad);
    ASSERT_EQ(bytes.size(), 1660u);
    bytes.replace(1420, 20, std::string("77") + std::string(18, '\0'));  // plate type id
    u.dir.schreibe("p.kal", bytes);

    CBerechnungDlg d(u.app);
    u.p.files.openAnswers.push_back(pfad);
    d.befehl(CmdOeffnen);
    ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"Plattentypfehlt"});
    EXPECT_EQ(u.p.messages.shown[0].caption, "Error");
    EXPECT_EQ(d.form().selection(Plattentyp), 1);
    EXPECT_EQ(d.form().focus(), Plattentyp);
    EXPECT_EQ(d.form().text(Leistung), "500");
    EXPECT_EQ(d.form().text(TAusKalt), "50");
    EXPECT_EQ(d.form().selectedText(MediumKalt), "Milk");
    EXPECT_EQ(d.form().selectedText(PlattentypModus), "fixed");
    EXPECT_EQ(d.getProjektPfad(), pfad);
}

namespace {
// The samples, and two with an NBR warm gasket, which a condensing warm
// side does not list.
std::vector<std::pair<std::string, std::string>> oeffnungsProjekte(const kaltest::TempDir& dir) {
    std::vector<std::pair<std::string, std::string>> p;
    for (const char* name : {"water_water_design", "glycol_water_rating", "steam_condenser_design",
                             "air_cooler_design", "user_medium_design"})
        p.emplace_back(name, kaltest::distDir() + "/examples/" + name + ".kal");
    for (const char* name : {"water_water_design", "steam_condenser_design"}) {
        std::string bytes = liesDatei(kaltest::distDir() + "/examples/" + name + ".kal");
        bytes.replace(1300, 20, std::string("1") + std::string(19, '\0'));  // warm gasket NBR
        dir.schreibe(std::string(name) + "_nbr.kal", bytes);
        p.emplace_back(std::string(name) + " NBR", dir.pfad(std::string(name) + "_nbr.kal"));
    }
    return p;
}
}  // namespace

// Opening a project gives the same entries and messages after any other
// project as in a fresh window. The one exception is the mode switch's own
// rule: a design project opened in rating mode gets "frei", "frei", "fix"
// and one pass.
TEST(Hauptdialog, OpeningDependsOnTheFileAlone) {
    Umgebung u;
    kaltest::TempDir dir;
    const auto projekte = oeffnungsProjekte(dir);
    auto oeffne = [&](CBerechnungDlg& d, const std::string& pfad) {
        u.p.messages.shown.clear();
        EXPECT_EQ(d.projektLesen(pfad), 0);
        return u.meldungsKeys();
    };
    for (const auto& [name, pfad] : projekte) {
        CBerechnungDlg frisch(u.app);
        const std::vector<std::string> meldungen = oeffne(frisch, pfad);
        for (const auto& [vorName, vorPfad] : projekte) {
            SCOPED_TRACE(name + " after " + vorName);
            CBerechnungDlg d(u.app);
            oeffne(d, vorPfad);
            const bool ausRating = d.getModus() == 1;
            EXPECT_EQ(oeffne(d, pfad), meldungen);
            std::vector<std::string> erwartet = eintraege(frisch), gelesen = eintraege(d);
            if (ausRating && d.getModus() == 0) {
                for (int id : {PlattentypModus, SpaltenModus, SerienModus, Serien}) {
                    const std::string praefix = std::to_string(id) + "=";
                    auto weg = [&](const std::string& e) { return e.rfind(praefix, 0) == 0; };
                    std::erase_if(erwartet, weg);
                    std::erase_if(gelesen, weg);
                }
            }
            EXPECT_EQ(gelesen, erwartet);
        }
    }
}
