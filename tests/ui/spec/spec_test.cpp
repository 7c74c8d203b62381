// The specification dialog's model on the shipped samples: the fields as
// opened (formats, units SI and US, the hidden values), the entry checks at
// their boundaries, the project data in the settings, and the two texts it
// hands on, written and handed over through the ports.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "ui/spec/spec_ausgaben.h"
#include "ui/spec/spec_model.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::sp;

namespace {

std::string probe(const std::string& name) { return kaltest::distDir() + "/examples/" + name; }
std::string fall(const std::string& name) {
    return std::string(KAL_SOURCE_DIR) + "/tests/cli/golden/cases/" + name;
}

// A project calculated and completed, then the specification opened on a
// copy of its case that `aendern` may adjust first.
struct Spez {
    kaltest::Umgebung u;
    std::unique_ptr<CBerechnungDlg> hd;
    std::unique_ptr<CAssembly> ks;
    Berechnungsfall fall;
    std::unique_ptr<DialogSpec> dlg;

    explicit Spez(const std::string& projekt,
                  const std::function<void(Berechnungsfall&)>& aendern = {}, kaltest::Start s = {},
                  const std::function<void(kaltest::Umgebung&)>& vorher = {})
        : u(s) {
        if (vorher) vorher(u);
        hd = std::make_unique<CBerechnungDlg>(u.app);
        EXPECT_EQ(hd->projektLesen(projekt), 0) << projekt;
        EXPECT_TRUE(hd->berechnen()) << projekt;
        ks = std::make_unique<CAssembly>(u.app, hd->fall(), hd->fall().komplettierung,
                                         &hd->eigeneMedien());
        EXPECT_TRUE(ks->uebernehmen());
        fall = hd->fall();
        if (aendern) aendern(fall);
        u.p.messages.shown.clear();
        dlg = std::make_unique<DialogSpec>(u.app, fall, &hd->eigeneMedien());
    }
    Form& f() { return dlg->form(); }
    void tippe(int id, const std::string& text) {
        EXPECT_EQ(anwenden(f(), {id, Benutzeraktion::Art::Text, 0, false, text},
                           [this](int i, BindEvent e) { dlg->ereignis(i, e); }),
                  "")
            << id;
    }
    void klick(int id) {
        EXPECT_EQ(anwenden(f(), {id, Benutzeraktion::Art::Klick, 0, false, ""},
                           [this](int i, BindEvent e) { dlg->ereignis(i, e); }),
                  "");
    }
};

// Text lines without their CR LF; every line must end in one.
std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    size_t ab = 0;
    while (ab < text.size()) {
        const size_t ende = text.find("\r\n", ab);
        EXPECT_NE(ende, std::string::npos) << "line without CR LF at " << ab;
        if (ende == std::string::npos) break;
        EXPECT_EQ(text.substr(ab, ende - ab).find('\n'), std::string::npos);
        z.push_back(text.substr(ab, ende - ab));
        ab = ende + 2;
    }
    return z;
}
std::vector<std::string> zeilen(const char* erwartet, char) {
    std::vector<std::string> z;
    std::string s(erwartet);
    for (size_t ab = 0, ende; (ende = s.find('\n', ab)) != std::string::npos; ab = ende + 1)
        z.push_back(s.substr(ab, ende - ab));
    return z;
}

}  // namespace

// The fields as opened: formats and units per case, the hidden values the
// outputs use, the derived temperatures.
struct Feldfall {
    std::string projekt;
    std::vector<std::pair<int, std::string>> felder;
};

class Felder : public ::testing::TestWithParam<Feldfall> {};

TEST_P(Felder, AsOpened) {
    Spez s(GetParam().projekt);
    for (const auto& [id, text] : GetParam().felder) EXPECT_EQ(s.f().text(id), text) << id;
    EXPECT_TRUE(s.u.p.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Proben, Felder,
    ::testing::Values(
        // liquid/liquid, SI: mass flow in the entered unit, volume flow in
        // the display unit; two channel types; painted steel frame
        Feldfall{probe("water_water_design.kal"),
                 {{MassenstromWarm, "3.98"},
                  {EinheitMassenstromWarm, "[kg/s]"},
                  {VolumenstromWarm, "14.698"},
                  {EinheitVolumenstromWarm, "[m³/h]"},
                  {TEinWarm, "90.00"},
                  {EinheitTEinWarm, "[°C]"},
                  {ViskositaetKalt, "0.719126"},
                  {EinheitViskositaetKalt, "[mPa·s]"},
                  {DruckverlustWarm, "28.834"},
                  {SerienWarm, "1"},
                  {SerienKalt, "1"},
                  {InhaltWarm, "1.805"},
                  {EinheitInhaltWarm, "[l]"},
                  {SpaltenGesamt, "24"},
                  {Anzahl1, "6"},
                  {Spalttyp1, "MM"},
                  {Anzahl2, "6"},
                  {Spalttyp2, "LL"},
                  {Plattendicke, "0.50"},
                  {Gestell, "C-Steel, Ral 5012, DIN"},
                  {Leistung, "500.47"},
                  {EinheitLeistung, "[kW]"},
                  {Lmtd, "40.00"},
                  {EinheitTemperaturdifferenz, "[K]"},
                  {Fouling, "0.0000007"},
                  {Sicherheit, "0.47"},
                  {EinheitSicherheit, "[%]"},
                  {Gewicht, "176"},
                  {Druck, "10"},
                  {EinheitDruck, "[bar]"},
                  {MaxTemperatur, "90"},
                  {Kondensationsenthalpie, ""},
                  {Dampfdruck, ""},
                  {KondensatDichte, ""},
                  {GasDruckWarm, ""},
                  {ViskositaetWandWarm, ""},
                  {EinheitViskositaetWandWarm, "[]"}}},
        // condensing: vapour in the visible fields, the condensate hidden
        Feldfall{probe("steam_condenser_design.kal"),
                 {{DichteWarm, "5.15877"},
                  {KondensatDichte, "887.632"},
                  {KondensatViskositaet, "0.150891"},
                  {KondensatCp, "4.4032"},
                  {KondensatLambda, "0.670718"},
                  {Kondensationsenthalpie, "2013.81"},
                  {EinheitKondensationsenthalpie, "[kJ/kg]"},
                  {Dampfdruck, "10.0263"},
                  {Plattendicke, "0.60"},
                  {Druck, "16"},
                  {MaxTemperatur, "180"},
                  {Anzahl2, ""},
                  {Spalttyp2, ""}}},
        // gas on the warm side: its pressure in the entered unit
        Feldfall{probe("air_cooler_design.kal"),
                 {{GasDruckWarm, "6.000"},
                  {EinheitGasDruckWarm, "[bar]"},
                  {GasDruckKalt, ""},
                  {DichteWarm, "5.5266"},
                  {Fouling, "0.0029225"}}},
        // user-defined medium: its own units, its wall viscosity, no gas pressure
        Feldfall{probe("user_medium_design.kal"),
                 {{MediumWarm, "Process Oil 46"},
                  {ViskositaetWarm, "12"},
                  {ViskositaetWandWarm, "18"},
                  {EinheitViskositaetWandWarm, "[mPa·s]"},
                  {ViskositaetWandKalt, ""},
                  {EinheitViskositaetWandKalt, "[]"},
                  {DichteWarm, "860"},
                  {EinheitGasDruckWarm, ""}}},
        // US units: every display unit of the unit system, the design
        // pressure converted and rounded
        Feldfall{fall("water_us_inch.kal"),
                 {{MassenstromWarm, "31588.00"},
                  {EinheitMassenstromWarm, "[lb/h]"},
                  {EinheitVolumenstromWarm, "[US gpm]"},
                  {TEinWarm, "194.00"},
                  {EinheitTEinWarm, "[°F]"},
                  {EinheitViskositaetWarm, "[cP]"},
                  {DichteWarm, "60.8583"},
                  {EinheitDichteWarm, "[lb/ft³]"},
                  {EinheitDruckverlustWarm, "[psi]"},
                  {EinheitInhaltWarm, "[US gal]"},
                  {Flaeche, "21.53"},
                  {EinheitFlaeche, "[ft²]"},
                  {Lmtd, "72.00"},  // 40 K as a difference in °F
                  {Cmtd, "72.00"},
                  {EinheitTemperaturdifferenz, "[°F]"},
                  {EinheitK, "[BTU/(h·ft²·°F)]"},
                  {EinheitFouling, "[h·ft²·°F/BTU]"},
                  {Gewicht, "389"},
                  {EinheitGewicht, "[lb]"},
                  {Druck, "145"},
                  {EinheitDruck, "[psi]"},
                  {MaxTemperatur, "194"},
                  {EinheitMaxTemperatur, "[°F]"}}},
        Feldfall{fall("water_safety_plates.kal"), {{Plattendicke, "2 x 0.50"}}}));

TEST(Spezifikation, OpeningStates) {
    Spez s(probe("water_water_design.kal"));
    Form& f = s.f();
    EXPECT_EQ(s.dlg->caption(), "Specification");
    EXPECT_EQ(f.text(LabelAnschlussWarm), "Warm side connections");
    // no condensation: the enthalpy greyed, its unit hidden
    EXPECT_FALSE(f.enabled(Kondensationsenthalpie));
    EXPECT_FALSE(f.visible(EinheitKondensationsenthalpie));
    EXPECT_TRUE(f.visible(Kennung) && f.enabled(Kennung));  // the shipped kennstring=1
    for (int id : {KondensatDichte, Dampfdruck, GasDruckWarm, ViskositaetWandKalt})
        EXPECT_FALSE(f.visible(id)) << id;
    EXPECT_TRUE(f.control(Geraet).readOnly && f.control(AnschlussWarm).readOnly);
    EXPECT_FALSE(f.control(MaxTemperatur).readOnly || f.control(Leistung).readOnly);
    EXPECT_EQ(f.control(Projekt).maxLength, 59);
    EXPECT_EQ(f.control(Bemerkung).maxLength, 80);
    EXPECT_EQ(s.dlg->dichtungsgrenze(), 180.0);  // EPDM HT on both sides
    EXPECT_EQ(s.dlg->mindestTemperatur(), 90.0);

    Spez c(probe("steam_condenser_design.kal"));
    EXPECT_TRUE(c.f().enabled(Kondensationsenthalpie));
    EXPECT_TRUE(c.f().visible(EinheitKondensationsenthalpie));
}

// Frame text, second channel type, default maximum temperature: from the case.
TEST(Spezifikation, DerivedFields) {
    struct Fall {
        std::function<void(Berechnungsfall&)> aendern;
        int feld;
        std::string text;
    };
    const Fall faelle[] = {
        {[](Berechnungsfall& c) { c.eingaben.warm.tEin = 80.2; }, MaxTemperatur, "81"},
        {[](Berechnungsfall& c) { c.eingaben.warm.tEin = 80.0; }, MaxTemperatur, "80"},
        {[](Berechnungsfall& c) { c.eingaben.gestellVariante = 1; }, Gestell,
         "C-Steel, Ral 5012, ASME"},
        {[](Berechnungsfall& c) { c.eingaben.gestell = 2; }, Gestell, "Stainless AISI 304, DIN"},
        {[](Berechnungsfall& c) { c.ergebnis.spalttypenWarm[1].anzahl = 0; }, Spalttyp2, ""},
    };
    for (const Fall& x : faelle) {
        Spez s(probe("water_water_design.kal"), x.aendern);
        EXPECT_EQ(s.f().text(x.feld), x.text) << x.feld;
    }
}

TEST(Spezifikation, IdentificationHiddenWithoutKennstring) {
    Spez s(probe("water_water_design.kal"), {}, {}, [](kaltest::Umgebung& u) {
        std::string ini = kaltest::liesDatei(u.dir.pfad("kalvoria.ini"));
        ini.replace(ini.find("kennstring=1"), 12, "kennstring=0");
        u.dir.schreibe("kalvoria.ini", ini);
        u.app.erzeugeObjekte(u.dir.dir());
    });
    Form& f = s.f();
    EXPECT_EQ(f.text(Kennung), s.fall.komplettierung.geraetekennstring);  // still filled
    EXPECT_FALSE(f.visible(Kennung) || f.enabled(Kennung) || f.visible(LabelKennung));
}

// Each check at its boundary: the first failure ends the check with its one
// message and the focus on the field.
struct Pruefung {
    std::string projekt;
    int feld;
    std::string text;
    std::string key;  // empty: passes
    int fokus = 0;
};

class Pruefungen : public ::testing::TestWithParam<Pruefung> {};

TEST_P(Pruefungen, Boundary) {
    const Pruefung& p = GetParam();
    Spez s(p.projekt);
    s.tippe(p.feld, p.text);
    EXPECT_EQ(s.dlg->pruefen(), p.key.empty());
    EXPECT_EQ(s.u.meldungsKeys(),
              p.key.empty() ? std::vector<std::string>{} : std::vector<std::string>{p.key});
    if (!p.key.empty()) {
        EXPECT_EQ(s.f().focus(), p.fokus ? p.fokus : p.feld);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grenzen, Pruefungen,
    ::testing::Values(
        // metric: 200 passes the absolute limit and meets the gasket's (180)
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "200", "ErrorMaxBetriebstemp"},
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "200.01", "ErrorBetriebstempC"},
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "180", ""},
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "180.01", "ErrorMaxBetriebstemp"},
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "90", ""},
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "89.99", "ErrorMinBetriebstemp"},
        Pruefung{probe("water_water_design.kal"), MaxTemperatur, "-1", "error_outofrange"},
        // US: 392 degF passes the absolute limit, the gasket's is 356
        Pruefung{fall("water_us_inch.kal"), MaxTemperatur, "392", "ErrorMaxBetriebstemp"},
        Pruefung{fall("water_us_inch.kal"), MaxTemperatur, "392.5", "ErrorBetriebstempF"},
        Pruefung{probe("water_water_design.kal"), TEinKalt, "-5", ""},
        Pruefung{probe("water_water_design.kal"), Fouling, "-0.001", ""},
        Pruefung{probe("water_water_design.kal"), MassenstromWarm, "-1", "error_outofrange"},
        Pruefung{probe("water_water_design.kal"), Leistung, "500 kW", "error_notanumber"},
        Pruefung{probe("water_water_design.kal"), MediumKalt, "", "error_empty"},
        // the first bad field in the order of the checks wins
        Pruefung{probe("water_water_design.kal"), Sicherheit, "", "error_empty"}));

TEST(Spezifikation, TemperatureMessagesCarryTheLimits) {
    Spez s(probe("water_water_design.kal"));
    s.tippe(MaxTemperatur, "181");
    EXPECT_FALSE(s.dlg->pruefen());
    s.tippe(MaxTemperatur, "89");
    EXPECT_FALSE(s.dlg->pruefen());
    ASSERT_EQ(s.u.p.messages.shown.size(), 2u);
    EXPECT_EQ(s.u.p.messages.shown[0].text,
              "The operating temperature exceeds the gasket limit of 180.00 [°C]");
    EXPECT_EQ(s.u.p.messages.shown[1].text, "The operating temperature must be at least 90.00");
    EXPECT_EQ(s.u.p.messages.shown[1].icon, MessageIcon::Error);
}

// A message about a field names it by its row and side; in the German
// interface a number typed with the decimal comma is that number, while a
// text keeps its comma.
TEST(Spezifikation, MessagesNameTheFieldGermanTakesTheDecimalComma) {
    {
        Spez s(probe("water_water_design.kal"));
        const std::pair<int, const char*> faelle[] = {
            {MassenstromKalt, "Mass flow (Cold side): Please enter a valid number."},
            {Cmtd, "CMTD: Please enter a valid number."},
            {MaxTemperatur, "Max. operating temperature: Please enter a valid number."}};
        for (auto [feld, text] : faelle) {
            const std::string vorher = s.f().text(feld);
            s.tippe(feld, "1,5");  // the English interface has no decimal comma
            EXPECT_FALSE(s.dlg->pruefen());
            ASSERT_FALSE(s.u.p.messages.shown.empty());
            EXPECT_EQ(s.u.p.messages.shown.back().text, text);
            s.tippe(feld, vorher);
        }
    }
    Spez s(probe("water_water_design.kal"), {}, {kaltest::Vorlage::Ausgeliefert, "Deutsch"});
    s.tippe(MassenstromKalt, "12,5");
    s.tippe(MaxTemperatur, "90,5");
    s.tippe(Bemerkung, "1,5 bar");
    EXPECT_EQ(s.f().text(MassenstromKalt), "12.5");
    EXPECT_EQ(s.f().text(Bemerkung), "1,5 bar");
    EXPECT_TRUE(s.dlg->pruefen());
    s.tippe(MediumWarm, "");
    EXPECT_FALSE(s.dlg->pruefen());
    EXPECT_EQ(s.u.p.messages.shown.back().text,
              "Medium (Warme Seite): Bitte füllen Sie dieses Feld aus.");
}

// Without a connection (completion not done) the check fails last, after
// every temperature passed; the project data are taken all the same.
TEST(Spezifikation, EmptyConnectionFailsLastProjectDataTaken) {
    Spez s(probe("water_water_design.kal"),
           [](Berechnungsfall& c) { c.komplettierung.anschlussTextKalt.clear(); });
    s.tippe(Projekt, "P-7");
    s.tippe(Durchwahl, "42");
    EXPECT_FALSE(s.dlg->pruefen());
    EXPECT_EQ(s.u.meldungsKeys(), std::vector<std::string>{"error_empty"});
    EXPECT_EQ(s.f().focus(), AnschlussKalt);
    EXPECT_EQ(s.dlg->projektdaten(), (std::array<std::string, 4>{"P-7", "", "", "42"}));
}

// Clerk and telephone: read on opening as the user's defaults, stored before
// the tender text (not before the hand-over); project and item belong to the
// project, so an older store's values for them are neither read nor
// written. A store that cannot be opened says so once per attempt.
TEST(Spezifikation, ClerkAndTelephoneInTheSettings) {
    kaltest::TempDir tmp;
    {
        Spez s(probe("water_water_design.kal"), {}, {}, [](kaltest::Umgebung& u) {
            u.p.settings.values["projekt"] = "Old project";
            u.p.settings.values["name"] = std::string(70, 'x');
        });
        EXPECT_EQ(s.f().text(Projekt), "");
        EXPECT_EQ(s.f().text(Sachbearbeiter), std::string(59, 'x'));
        EXPECT_EQ(s.f().text(Position), "");
        s.tippe(Position, "7");
        s.tippe(Durchwahl, "-214");
        s.klick(Excel);
        EXPECT_EQ(s.u.p.settings.values.count("telefon"), 0u);
        s.u.p.files.saveAnswers.push_back(tmp.pfad("t.txt"));
        s.klick(Ausschreibung);
        EXPECT_EQ(s.u.p.settings.values["telefon"], "-214");
        EXPECT_EQ(s.u.p.settings.values.count("position"), 0u);
        EXPECT_EQ(s.u.p.settings.values["projekt"], "Old project");
        EXPECT_EQ(s.u.meldungsKeys(), std::vector<std::string>{"tabelleGeoeffnet"});
    }
    Spez s(probe("water_water_design.kal"), {}, {},
           [](kaltest::Umgebung& u) { u.p.settings.available = false; });
    EXPECT_EQ(s.u.meldungsKeys(), std::vector<std::string>{"readregistry"});
    s.u.p.files.saveAnswers.push_back(tmp.pfad("t.txt"));
    s.u.p.messages.shown.clear();
    s.klick(Ausschreibung);
    EXPECT_EQ(s.u.meldungsKeys(), std::vector<std::string>{"readregistry"});
    EXPECT_TRUE(std::filesystem::exists(tmp.pfad("t.txt")));  // the text is written all the same
}

TEST(Ausgaben, ConnectionTextSplit) {
    const std::pair<std::string, std::pair<std::string, std::string>> faelle[] = {
        {"Flange, DN 50, AISI 316", {"Flange, DN 50, ", "AISI 316"}},
        {"Flange, DN 50,AISI 316", {"Flange, DN 50,", "AISI 316"}},
        {"Flange, DN 50,  AISI", {"Flange, DN 50, ", " AISI"}},  // one blank only
        {"a,b,c,d", {"a,b,", "c,d"}},
        {"Flange, DN 50", {"", "Flange, DN 50"}},
        {" Flange", {" ", "Flange"}},
        {"", {"", ""}},
        {"a,b,", {"a,b,", ""}},
    };
    for (const auto& [text, teile] : faelle) EXPECT_EQ(spez::anschlussTeilen(text), teile) << text;
}

TEST(Ausgaben, DimensionLineInMmOrInch) {
    Berechnungsfall c;
    c.ergebnis.laengeTotal = 1000;
    c.ergebnis.breite = 254;
    c.ergebnis.hoehe = 900.5;
    EXPECT_EQ(spez::masseText(c), " 1000.00 x 254.00 x 900.50 [mm]");
    c.eingaben.masseInMm = false;
    EXPECT_EQ(spez::masseText(c), " 39.4 x 10.0 x 35.5 [inch]");
}

// Line breaks never reach the line-based outputs: typed (or from an action
// file) they are blanks at once; a value that holds one anyway (a name
// from a project file) keeps its line in the hand-over and the tender text.
TEST(Ausgaben, LineBreaksKeepEveryValueOnItsLine) {
    Spez s(probe("water_water_design.kal"));
    const size_t tabelle = zeilen(s.dlg->tabellenText()).size();
    const size_t ausschreibung = zeilen(s.dlg->ausschreibungText()).size();
    s.tippe(BemerkungWarm, "first\nsecond\r\nthird");
    s.tippe(Projekt, std::string("P-7\0x", 5));
    EXPECT_EQ(s.f().text(BemerkungWarm), "first second third");
    EXPECT_EQ(s.f().text(Projekt), "P-7x");
    s.f().setText(MediumKalt, "Water\r\ntreated");
    const auto z = zeilen(s.dlg->tabellenText());
    EXPECT_EQ(z.size(), tabelle);
    EXPECT_EQ(z[7], "Water treated");
    EXPECT_EQ(z[8], "first second third");
    const auto a = zeilen(s.dlg->ausschreibungText());
    EXPECT_EQ(a.size(), ausschreibung);
    EXPECT_NE(std::find(a.begin(), a.end(), "Cold side medium: Water treated"), a.end());
}

// The hand-over of a condensing case with one remark and a warm drain.
TEST(Ausgaben, HandOverCondensingWithRemarkAndDrain) {
    Spez s(probe("steam_condenser_design.kal"), [](Berechnungsfall& c) {
        c.komplettierung.entleerungTextWarm = "Drain F5, F8";
        c.komplettierung.nennweiteTextWarm = "DN 25";
    });
    s.tippe(Sachbearbeiter, "Smith");
    s.tippe(Projekt, "P-7");
    s.tippe(BemerkungKalt, "treated");
    s.tippe(Bemerkung, "urgent");
    s.klick(Excel);
    EXPECT_EQ(s.u.p.documents.opened,
              std::vector<std::string>{s.u.dir.dir() + "/excel/spec-sheet_uk.xls"});
    const char* erwartet = R"(Smith
P-7


3.26.12
KX 08-15-316-EPDMHT
Steam
Water

treated
Vapour
Condensate
[kg/s]
[kg/s]
0.20
3.16
[m³/h]
[m³/h]
138.611
11.905
[°C]
[°C]
180.00
90.00
[°C]
[°C]

178.89
120.00
[mPa·s]
[mPa·s]
0.0149852
0.150891
0.267495
[kg/m³]
[kg/m³]
5.15877
887.632
954.731
[kJ/(kg·K)]
[kJ/(kg·K)]
2.7164
4.4032
4.22311
[W/(m·K)]
[W/(m·K)]
0.0347933
0.670718
0.678971
[kJ/kg]
2013.81
[bar]
10.0263




[kW]
400.00
[m²]
1.04
[K]
73.50/73.50
[W/(m²·K)]
5232.87/8228.55
[m²·K/W]
0.0000696
[%]
57.25
[kPa]
[kPa]
25.377
34.812
1
1
14
7*LL
[kg]
ca.206
[l]
1.053
1.053
[bar]
16
[°C]
180
AISI 316 ( 0.60 mm )
EPDM HT
C-Steel, Ral 5012, DIN
F1 => F4
Drilling pattern, DN 50, 
stainless steel AISI 316, with stud bolts
F3 => F2
Drilling pattern, DN 50, 
stainless steel AISI 316, with stud bolts
Drain F5, F8
DN 25




urgent
)";
    EXPECT_EQ(zeilen(s.u.p.clipboard.text), zeilen(erwartet, '\n')) << s.u.p.clipboard.text;
}

// Gas on the warm side: its pressure in lines 54 and 55; no drains: eight
// empty lines before the remark.
TEST(Ausgaben, HandOverGasLines) {
    Spez s(probe("air_cooler_design.kal"));
    const std::vector<std::string> z = zeilen(s.dlg->tabellenText());
    ASSERT_EQ(z.size(), 104u);
    EXPECT_EQ(z[53], "[bar]");
    EXPECT_EQ(z[54], "6.000");
    EXPECT_EQ(z[55] + z[56] + z[49] + z[50] + z[51] + z[52], "");
    for (size_t i = 95; i < 104; ++i) EXPECT_EQ(z[i], "") << i;
}

// The tender text of a condensing case with drains, two gaskets and heat
// insulation.
TEST(Ausgaben, TenderTextCondensing) {
    Spez s(probe("steam_condenser_design.kal"), [](Berechnungsfall& c) {
        c.komplettierung.entleerungTextWarm = "Drain F5, F8";
        c.komplettierung.nennweiteTextWarm = "DN 25";
        c.komplettierung.entleerungTextKalt = "Vent F6";
        c.komplettierung.nennweiteTextKalt = "DN 20";
        c.komplettierung.waermeisolierung = true;
        c.eingaben.dichtungKalt = 4;
    });
    const char* erwartet = R"(Gasketed plate heat exchanger
Plate heat exchanger of frame-and-plate design, consisting of a pack of corrugated
heat transfer plates with elastomer gaskets, clamped between a fixed and a movable
pressure plate by tie bolts. Plate pack can be opened for cleaning and extended
by further plates. Fluids flow in countercurrent in alternate channels.
Type: KX 08-15-316-EPDMHT, 400.00 [kW]

Technical data:

Plate material: AISI 316 ( 0.60 mm )
Gasket material: EPDM HT / Viton S
Frame: C-Steel, Ral 5012, DIN
Connection warm side F1 => F4 :
   Type and size: Drilling pattern, DN 50, 
   Material and design: stainless steel AISI 316, with stud bolts
   Drain/vent: Drain F5, F8 DN 25
Connection cold side F3 => F2 :
   Type and size: Drilling pattern, DN 50, 
   Material and design: stainless steel AISI 316, with stud bolts
   Drain/vent: Vent F6 DN 20

Heat duty: 400.00 [kW]
Area reserve: 57.25 [%]

Warm side medium: Steam
   Inlet temperature: 180.00 [°C]
   Outlet temperature: 178.89 [°C]
   Mass flow: 0.20 [kg/s]
   Pressure drop: 25.377 [kPa]
Cold side medium: Water
   Inlet temperature: 90.00 [°C]
   Outlet temperature: 120.00 [°C]
   Mass flow: 3.16 [kg/s]
   Pressure drop: 34.812 [kPa]
Number of channels: 14
Channel types: 7 LL 
Heat transfer area: 1.04 [m²]
Dimensions (L x W x H): 512.00 x 402.00 x 900.00 [mm]
Weight (empty): 206 [kg]

Max. operating temperature: 180 [°C]
Design pressure: 16 [bar]

Maker's type designation: KX 08-15-316-EPDMHT

Including heat insulation of the plate pack.
)";
    EXPECT_EQ(zeilen(s.dlg->ausschreibungText()), zeilen(erwartet, '\n'))
        << s.dlg->ausschreibungText();
}

// A gas case with a language file holding only z1 to z3 of the opening
// lines.
TEST(Ausgaben, TenderTextGasThreeOpeningLines) {
    Spez s(probe("air_cooler_design.kal"), {}, {}, [](kaltest::Umgebung& u) {
        const std::string pfad = u.dir.pfad("language/kalvoria_uk.lng");
        std::string t = kaltest::liesDatei(pfad);
        for (const char* key : {"\nz4=", "\nz5="}) {
            const size_t ab = t.find(key);
            t.erase(ab, t.find('\n', ab + 1) - ab);
        }
        u.dir.schreibe("language/kalvoria_uk.lng", t);
        u.app.spracheFestlegen();
    });
    const std::vector<std::string> z = zeilen(s.dlg->ausschreibungText());
    // three opening lines, then lines 21 to 60 less the two drain lines
    ASSERT_EQ(z.size(), 3u + 38u);
    EXPECT_EQ(z[2],
              "heat transfer plates with elastomer gaskets, clamped between a fixed and a movable");
    EXPECT_EQ(z[3], "Type: KX 14-31-316-EPDMHT, 45.79 [kW]");
    EXPECT_EQ(z[31], "Channel types: 15 LL ");  // no second type: a blank before the end
    EXPECT_EQ(z.back(), "");                    // no insulation: ends with the empty line
}

// The file: the language's 8-bit code page and CR LF, through a temporary
// file; a file that cannot be written is said; cancelling writes nothing.
TEST(Ausgaben, TenderFileWritten) {
    kaltest::TempDir tmp;
    Spez s(probe("water_water_design.kal"));
    s.u.p.files.saveAnswers = {tmp.pfad("a.txt"), tmp.pfad("missing/b.txt"), std::nullopt};
    s.klick(Ausschreibung);
    EXPECT_TRUE(s.dlg->letzteAusgabeGelungen());
    const std::string datei = kaltest::liesDatei(tmp.pfad("a.txt"));
    EXPECT_NE(datei.find("Inlet temperature: 90.00 [\xB0"
                         "C]\r\n"),
              std::string::npos);
    EXPECT_EQ(datei.size(), s.dlg->ausschreibungText().size() -
                                6);  // six characters of two bytes in UTF-8, one in the code page
    s.klick(Ausschreibung);
    EXPECT_FALSE(s.dlg->letzteAusgabeGelungen());
    EXPECT_EQ(s.u.meldungsKeys(), std::vector<std::string>{"dateiNichtGeschrieben"});
    EXPECT_EQ(s.u.p.messages.shown[0].text, "The file " + tmp.pfad("missing/b.txt") +
                                                " could not be written: No such file or directory");
    s.klick(Ausschreibung);
    EXPECT_EQ(s.u.p.messages.shown.size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.dir()), {}), 1);
}

// The tender file is suggested under the project's name and position, a
// name no file system refuses; without them under the device's identification.
TEST(Ausgaben, TenderFileSuggestsTheProjectsName) {
    Spez s(probe("water_water_design.kal"));
    const std::string kennung = s.dlg->ausschreibungsVorschlag();
    EXPECT_EQ(kennung.size() > 4 ? kennung.substr(kennung.size() - 4) : "", ".txt");
    EXPECT_EQ(kennung.find_first_of("/\\:*?\"<>| "), std::string::npos) << kennung;
    s.tippe(Projekt, "Molkerei Süd: WT 3/4");
    s.tippe(Position, "10");
    s.klick(Ausschreibung);  // cancelled
    EXPECT_EQ(s.u.p.files.names, std::vector<std::string>{"Molkerei_Süd__WT_3_4_10.txt"});
    EXPECT_EQ(s.u.p.files.extensions, std::vector<std::string>{"txt"});
}

// The hand-over says where its text went: on the clipboard with the
// template opened, on the clipboard without it, or nowhere (and then no
// template is opened either).
TEST(Ausgaben, HandOverTellsWhereTheTextWent) {
    struct Fall {
        bool ablage, vorlage;
        const char* key;
        MessageIcon icon;
        size_t geoeffnet;
    };
    for (const Fall& c : {Fall{true, true, "tabelleGeoeffnet", MessageIcon::Information, 1},
                          Fall{true, false, "tabelleOhneVorlage", MessageIcon::Warning, 1},
                          Fall{false, true, "zwischenablage", MessageIcon::Error, 0}}) {
        SCOPED_TRACE(c.key);
        Spez s(probe("water_water_design.kal"));
        s.u.p.clipboard.canSet = c.ablage;
        s.u.p.documents.canOpen = c.vorlage;
        s.klick(Excel);
        EXPECT_EQ(s.dlg->letzteAusgabeGelungen(), c.ablage);
        EXPECT_EQ(s.u.p.documents.opened.size(), c.geoeffnet);
        ASSERT_EQ(s.u.meldungsKeys(), std::vector<std::string>{c.key});
        EXPECT_EQ(s.u.p.messages.shown[0].icon, c.icon);
        EXPECT_EQ(s.u.p.messages.shown[0].caption, s.dlg->caption());
    }
    Spez de(probe("water_water_design.kal"), {}, {kaltest::Vorlage::Ausgeliefert, "Deutsch"});
    de.u.p.documents.canOpen = false;
    de.klick(Excel);
    ASSERT_EQ(de.u.p.messages.shown.size(), 1u);
    EXPECT_EQ(de.u.p.messages.shown[0].text,
              "Die Spezifikation liegt in der Zwischenablage, aber die Tabellenvorlage "
              "spec-sheet_de.xls konnte nicht geöffnet werden: Fügen Sie sie in eine Tabelle "
              "ein (Strg+V).");
}

TEST(Ausgaben, GermanTemplate) {
    Spez s(probe("water_water_design.kal"), {}, {kaltest::Vorlage::Ausgeliefert, "Deutsch"});
    s.klick(Excel);
    EXPECT_EQ(s.u.p.documents.opened,
              std::vector<std::string>{s.u.dir.dir() + "/excel/spec-sheet_de.xls"});
    s.klick(Zurueck);
    EXPECT_EQ(s.dlg->result(), 2);
}

// Print: the project data first (prefilled from the sheet's four fields,
// its button picks the target), what it ends with written back to the
// fields; cancelling prints nothing; a failing device says so.
TEST(Ausgaben, PrintThroughTheProjectData) {
    Spez s(probe("steam_condenser_design.kal"));
    s.tippe(Projekt, "P-7");
    s.u.p.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& m) {
        EXPECT_EQ(m.form().text(pd::Projekt), "P-7");
        m.form().setText(pd::Sachbearbeiter, "A. Kern");
        m.ereignis(pd::Vorschau, BindEvent::Clicked);
        return m.result();
    });
    s.klick(Drucken);
    ASSERT_EQ(s.u.p.printer.auftraege.size(), 1u);
    const auto& a = s.u.p.printer.auftraege[0];
    EXPECT_EQ(a.ziel, Druckziel::Vorschau);
    EXPECT_EQ(a.titel, s.u.app.getSprache().GetValue("title"));
    EXPECT_EQ(s.f().text(Sachbearbeiter), "A. Kern");
    EXPECT_EQ(s.u.p.settings.values["name"], "A. Kern");
    auto gezeichnet = [&](const std::string& text) {
        return std::count_if(a.log.begin(), a.log.end(), [&](const std::string& l) {
            return l.size() >= text.size() &&
                   l.compare(l.size() - text.size(), text.size(), text) == 0;
        });
    };
    const auto seiten = std::count(a.log.begin(), a.log.end(), "startPage");
    for (const char* t : {"A. Kern", "P-7"}) EXPECT_EQ(gezeichnet(t), seiten) << t;  // header
    for (const char* t : {"Condensate", "10.0263"}) EXPECT_EQ(gezeichnet(t), 1) << t;
    EXPECT_TRUE(s.u.p.messages.shown.empty());

    s.klick(Drucken);  // no answer: the project data cancelled
    EXPECT_EQ(s.u.p.printer.auftraege.size(), 1u);
    s.u.p.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& m) {
        m.ereignis(pd::Drucken, BindEvent::Clicked);
        return m.result();
    });
    s.u.p.printer.geraet = [](const std::string&, const PrintPort::Zeichnung& z) {
        RecordingPage kaputt;
        kaputt.failEndPage = true;
        Druckausgang a;
        a.status =
            z(kaputt) ? Druckausgang::Status::Gedruckt : Druckausgang::Status::Fehlgeschlagen;
        return a;
    };
    s.klick(Drucken);
    EXPECT_EQ(s.u.meldungsKeys(), std::vector<std::string>{"spezdrucken"});
}
