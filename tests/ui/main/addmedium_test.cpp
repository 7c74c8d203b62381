#include <gtest/gtest.h>

#include <algorithm>

#include "ports/scripted.h"
#include "ui/main/addmedium_model.h"

using namespace kal;

namespace {
Einheit einheit(int id, const char* name, double faktor) {
    Einheit e;
    e.objectId = id;
    e.name = name;
    e.faktor = faktor;
    return e;
}

// Unit groups 0..16 with the groups the dialog uses filled in.
Data testDaten() {
    Data d;
    auto& gruppen = d.getEinheitenGruppeListe();
    for (int g = 0; g <= 16; ++g) {
        EinheitenGruppe gr;
        gr.objectId = 100 + g;
        gr.name = "g" + std::to_string(g);
        int id = 1000 * (g + 1);
        switch (g) {
            case 5:
                gr.einheiten = {einheit(id, "W/(m²·K)", 1.0), einheit(id + 1, "kW/(m²·K)", 1000.0)};
                break;
            case 9:
                gr.einheiten = {einheit(id, "Pa·s", 1.0), einheit(id + 1, "mPa·s", 0.001),
                                einheit(id + 2, "cP", 0.001)};
                break;
            case 10:
                gr.einheiten = {einheit(id, "kg/m³", 1.0), einheit(id + 1, "g/cm³", 1000.0)};
                break;
            case 11:
                gr.einheiten = {einheit(id, "kJ/(kg·K)", 1.0), einheit(id + 1, "J/(kg·K)", 0.001)};
                break;
            case 12:
                gr.einheiten = {einheit(id, "W/(m·K)", 1.0), einheit(id + 1, "mW/(m·K)", 0.001)};
                break;
            default:
                gr.einheiten = {einheit(id, "x", 1.0)};
        }
        gruppen.hinzufuegen(gr);
    }
    return d;
}

CIniEx sprache() {
    CIniEx ini;
    ini.OpenFromText(
        "[global]\nerror_empty=Empty\nerror_notanumber=NaN\nerror_outofrange=Range\n"
        "[error]\nerror=Error\nreadregistry=Registry failed\n"
        "[addmediumdialog]\nname=Name\ngas=Gas\nhinweisalfa=Give alpha\nsave=Save\n");
    return ini;
}

struct Umgebung {
    Data data = testDaten();
    CIniEx texte = sprache();
    ScriptedPorts ports;
    std::unique_ptr<AddMediumModel> oeffne(int seite, const EigenesMedium* vorher = nullptr) {
        return std::make_unique<AddMediumModel>(data, texte, ports.ports(), seite, "Own medium",
                                                vorher);
    }
};

void fuelle(Form& f, const char* visk, const char* wand, const char* rho, const char* cp,
            const char* lambda) {
    f.setText(am::Name, "Juice");
    f.setText(am::Viskositaet, visk);
    f.setText(am::ViskositaetWand, wand);
    f.setText(am::Dichte, rho);
    f.setText(am::Waermekapazitaet, cp);
    f.setText(am::Waermeleitfaehigkeit, lambda);
}
}  // namespace

TEST(AddMedium, OpeningSetsTextsUnitsAndHidesTheTemplateOk) {
    Umgebung u;
    auto m = u.oeffne(0);
    const Form& f = m->form();
    EXPECT_EQ(m->caption(), "Own medium");
    EXPECT_EQ(f.text(am::LabelName), "Name");
    EXPECT_FALSE(f.visible(am::VorlageOk));
    EXPECT_FALSE(f.enabled(am::VorlageOk));
    EXPECT_EQ(f.itemCount(am::EinheitViskositaet), 3);
    EXPECT_EQ(f.selection(am::EinheitViskositaet), 0);
    // not a gas: alpha disabled, hint hidden
    EXPECT_FALSE(f.enabled(am::Alfa));
    EXPECT_FALSE(f.visible(am::LabelHinweis));
}

TEST(AddMedium, GasRuleEnablesAlphaAndShowsHint) {
    Umgebung u;
    auto m = u.oeffne(0);
    m->form().setChecked(am::Gas, true);
    m->gasGeklickt();
    EXPECT_TRUE(m->form().enabled(am::Alfa));
    EXPECT_TRUE(m->form().enabled(am::EinheitAlfa));
    EXPECT_TRUE(m->form().visible(am::LabelHinweis));
    m->form().setText(am::Alfa, "55");
    m->form().setChecked(am::Gas, false);
    m->gasGeklickt();
    EXPECT_EQ(m->form().text(am::Alfa), "");
    EXPECT_FALSE(m->form().visible(am::LabelHinweis));
}

TEST(AddMedium, LiquidConfirmsWithoutAlphaAndConvertsUnits) {
    Umgebung u;
    auto m = u.oeffne(1);
    Form& f = m->form();
    fuelle(f, "0.002", "3", "1.05", "3900", "0.6");
    f.select(am::EinheitViskositaet, 0);       // Pa s -> stored as 2 mPa s
    f.select(am::EinheitViskositaetWand, 2);   // cP == mPa s
    f.select(am::EinheitDichte, 1);            // g/cm3 -> 1050 kg/m3
    f.select(am::EinheitWaermekapazitaet, 1);  // J/(kg K) -> 3.9 kJ/(kg K)
    m->speichernGeklickt();
    ASSERT_EQ(m->result(), 1);
    const EigenesMedium& e = m->ergebnis();
    EXPECT_EQ(e.name, "Juice");
    EXPECT_FALSE(e.gas);
    EXPECT_DOUBLE_EQ(e.werte[EG_Viskositaet], 2.0);
    EXPECT_DOUBLE_EQ(e.werte[EG_ViskositaetWand], 3.0);
    EXPECT_DOUBLE_EQ(e.werte[EG_Dichte], 1050.0);
    EXPECT_DOUBLE_EQ(e.werte[EG_Waermekapazitaet], 3.9);
    EXPECT_DOUBLE_EQ(e.werte[EG_Waermeleitfaehigkeit], 0.6);
    EXPECT_DOUBLE_EQ(e.werte[EG_Alfa], 0.0);
    EXPECT_EQ(e.einheiten[EG_Dichte], 1);
    // cold side stores "unit3": 0, then the units of density, conductivity, heat
    // capacity, viscosity, alpha and wall viscosity
    EXPECT_EQ(u.ports.settings.values["unit3"], "0,1,0,1,0,0,2");
    EXPECT_TRUE(u.ports.messages.shown.empty());
}

TEST(AddMedium, GasNeedsAlphaAndNegativeValuesAreRefused) {
    Umgebung u;
    auto m = u.oeffne(0);
    Form& f = m->form();
    fuelle(f, "0.018", "0.018", "1.2", "1.0", "0.026");
    f.setChecked(am::Gas, true);
    m->gasGeklickt();
    m->speichernGeklickt();
    EXPECT_FALSE(m->closed());
    ASSERT_EQ(u.ports.messages.shown.size(), 1u);
    EXPECT_EQ(u.ports.messages.shown[0].key, "error_empty");
    EXPECT_EQ(u.ports.messages.shown[0].caption, "Error");
    EXPECT_EQ(f.focus(), am::Alfa);
    f.setText(am::Dichte, "-1");
    m->speichernGeklickt();
    EXPECT_FALSE(m->closed());
    EXPECT_EQ(u.ports.messages.shown.back().key, "error_outofrange");
    EXPECT_EQ(f.focus(), am::Dichte);
    EXPECT_TRUE(u.ports.settings.values.empty());  // nothing stored while refused
    f.setText(am::Dichte, "1.2");
    f.setText(am::Alfa, "50");
    m->speichernGeklickt();
    EXPECT_EQ(m->result(), 1);
    EXPECT_TRUE(m->ergebnis().gas);
    EXPECT_DOUBLE_EQ(m->ergebnis().werte[EG_Alfa], 50.0);
}

// Only normal positive numbers describe a medium: zero, a denormal and a
// value whose conversion overflows are refused like a negative one.
TEST(AddMedium, NonNormalValuesAreOutOfRange) {
    struct Fall {
        int feld;
        const char* text;
        int einheit;  // position in the field's unit list
    };
    const Fall faelle[] = {{am::Dichte, "1e-320", 0},        {am::Viskositaet, "0", 0},
                           {am::Waermekapazitaet, "0.0", 1}, {am::Dichte, "1e308", 1},
                           {am::Alfa, "1e-310", 0},          {am::Waermeleitfaehigkeit, "-0", 0}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        Umgebung u;
        auto m = u.oeffne(0);
        Form& f = m->form();
        fuelle(f, "1", "1", "870", "2.1", "0.13");
        f.setChecked(am::Gas, true);
        m->gasGeklickt();
        f.setText(am::Alfa, "50");
        f.setText(fall.feld, fall.text);
        const size_t i = static_cast<size_t>(
            std::find(AddMediumModel::kEdits.begin(), AddMediumModel::kEdits.end(), fall.feld) -
            AddMediumModel::kEdits.begin());
        f.select(AddMediumModel::kEinheitenListen[i], fall.einheit);
        m->speichernGeklickt();
        EXPECT_FALSE(m->closed());
        ASSERT_EQ(u.ports.messages.shown.size(), 1u);
        EXPECT_EQ(u.ports.messages.shown[0].key, "error_outofrange");
        EXPECT_EQ(f.focus(), fall.feld);
        EXPECT_TRUE(u.ports.settings.values.empty());
    }
}

TEST(AddMedium, ReopeningShowsStoredValuesInRememberedUnits) {
    Umgebung u;
    u.ports.settings.values["unit2"] = "7,1,0,1,2,1,-3";  // first ignored, negative -> 0
    EigenesMedium vorher;
    vorher.name = "Oil";
    vorher.gas = true;
    vorher.werte = {20.0, 40.0, 870.0, 2.0, 0.13, 800.0};
    vorher.einheiten = {0, 1, 1, 0, 1, 1};
    auto m = u.oeffne(0, &vorher);
    const Form& f = m->form();
    EXPECT_EQ(f.text(am::Name), "Oil");
    EXPECT_TRUE(f.checked(am::Gas));
    EXPECT_EQ(f.selection(am::EinheitViskositaet), 0);
    EXPECT_EQ(f.text(am::Viskositaet), "0.02");          // 20 mPa s in Pa s
    EXPECT_EQ(f.text(am::ViskositaetWand), "40");        // in mPa s
    EXPECT_EQ(f.text(am::Dichte), "0.87");               // g/cm3
    EXPECT_EQ(f.text(am::Waermeleitfaehigkeit), "130");  // mW/(m K)
    EXPECT_EQ(f.text(am::Alfa), "0.8");                  // kW/(m2 K)
}

TEST(AddMedium, RegistryValuesAreReadSafely) {
    Umgebung u;
    u.ports.settings.values["unit2"] = "0,1,1,1,2,1,1";
    auto m = u.oeffne(0);
    EXPECT_EQ(m->form().selection(am::EinheitDichte), 1);
    EXPECT_EQ(m->form().selection(am::EinheitViskositaet), 2);
    // a value too long for its 49-byte buffer counts as missing
    u.ports.settings.values["unit2"] = "0,1,1,1,2,1,1" + std::string(60, ' ');
    auto lang = u.oeffne(0);
    EXPECT_EQ(lang->form().selection(am::EinheitDichte), 0);
    // positions beyond a list keep a unit selected
    u.ports.settings.values["unit2"] = "0,9,9,9,9,9,9";
    auto weit = u.oeffne(0);
    EXPECT_EQ(weit->form().selection(am::EinheitDichte), 0);
}

TEST(AddMedium, UnavailableStoreIsReportedButConfirmStillCloses) {
    Umgebung u;
    u.ports.settings.available = false;
    auto m = u.oeffne(0);
    ASSERT_EQ(u.ports.messages.shown.size(), 1u);
    EXPECT_EQ(u.ports.messages.shown[0].key, "readregistry");
    EXPECT_EQ(u.ports.messages.shown[0].caption, "Error");
    fuelle(m->form(), "1", "1", "1000", "4.18", "0.6");
    m->speichernGeklickt();
    EXPECT_EQ(m->result(), 1);
    EXPECT_EQ(u.ports.messages.shown.size(), 2u);
}

TEST(AddMedium, CancelAndClearStoreNothing) {
    Umgebung u;
    auto m = u.oeffne(0);
    fuelle(m->form(), "1", "1", "1000", "4.18", "0.6");
    m->leerenGeklickt();
    EXPECT_EQ(m->form().text(am::Name), "");
    EXPECT_EQ(m->form().text(am::Dichte), "");
    m->abbrechenGeklickt();
    EXPECT_EQ(m->result(), 2);
    EXPECT_TRUE(u.ports.settings.values.empty());
}
