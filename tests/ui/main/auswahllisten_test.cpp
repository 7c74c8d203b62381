#include "ui/main/auswahllisten.h"

#include <gtest/gtest.h>

using namespace kal;
namespace L = kal::listen;

namespace {
template <class T>
T mit(int id, const std::string& name) {
    T t;
    t.objectId = id;
    t.name = name;
    return t;
}

DichtungA dichtung(int id, const std::string& name, double tmax, bool aktiv = true) {
    DichtungA d = mit<DichtungA>(id, name);
    d.maxTemp = tmax;
    d.aktiv = aktiv;
    return d;
}

void typ(Data& d, int id, const std::string& name, int reihenfolge, bool sicherheit,
         bool zulaessig = true) {
    PlattentypA a = mit<PlattentypA>(id, name);
    a.reihenfolge = reihenfolge;
    a.sicherheitsplatte = sicherheit;
    d.getPlattentypAListe().hinzufuegen(a);
    PlattentypU u;
    u.objectId = id;
    u.zulaessig = zulaessig;
    d.getPlattentypUListe().hinzufuegen(u);
}

Data testDaten() {
    Data d;
    auto& m = d.getMaterialPlatteAListe();
    m.hinzufuegen(mit<MaterialPlatteA>(11, "AISI 316"));
    MaterialPlatteA gesperrt = mit<MaterialPlatteA>(12, "Hastelloy");
    gesperrt.zulaessig = false;
    m.hinzufuegen(gesperrt);
    m.hinzufuegen(mit<MaterialPlatteA>(13, "Titanium Gr. 1"));
    auto& g = d.getDichtungAListe();
    g.hinzufuegen(dichtung(21, "NBR", 110));
    g.hinzufuegen(dichtung(22, "EPDM", 140));
    g.hinzufuegen(dichtung(23, "EPDM HT", 160.5));
    g.hinzufuegen(dichtung(24, "Viton S", 180, false));
    g.hinzufuegen(dichtung(25, "Viton S", 180));
    d.getMaterialGestellUListe().hinzufuegen(mit<MaterialGestellU>(31, "C-Steel"));
    for (int p : {6, 10, 16}) {
        DruckstufeA s;
        s.objectId = 40 + p;
        s.druck = p;
        d.getDruckstufeAListe().hinzufuegen(s);
    }
    typ(d, 51, "KX 04", 1, false);
    typ(d, 52, "KXDW 08", 2, true);
    typ(d, 53, "KX 08", 5, false);
    typ(d, 54, "KX 99", 9, false, false);
    typ(d, 55, "KXDW 14", 7, true);
    Stoffdaten wasser = mit<Stoffdaten>(61, "Water");
    Stoffdaten dampf = mit<Stoffdaten>(62, "Steam");
    dampf.kaltZulaessig = false;
    Stoffdaten luft = mit<Stoffdaten>(63, "Dry Air");
    d.getStoffdatenListe().hinzufuegen(wasser);
    d.getStoffdatenListe().hinzufuegen(dampf);
    d.getStoffdatenListe().hinzufuegen(luft);
    for (int i = 0; i < 9; ++i)
        d.getSpalttypListe().hinzufuegen(mit<Spalttyp>(70 + i, "T" + std::to_string(i)));
    for (int gr = 0; gr <= 16; ++gr) {
        EinheitenGruppe e;
        e.objectId = 100 + gr;
        for (int u = 0; u < 3; ++u) {
            Einheit x;
            x.objectId = 1000 * gr + u;
            x.name = "g" + std::to_string(gr) + "u" + std::to_string(u);
            e.einheiten.push_back(x);
        }
        d.getEinheitenGruppeListe().hinzufuegen(e);
    }
    return d;
}

CIniEx sprache() {
    CIniEx s;
    s.OpenFromText(
        "[combobox]\nfrei=free\nfix=fixed\nmin=min\nmax=max\nanderesMedium=Other medium\n"
        "[maindialog]\ndin=DIN\nasme=ASME\n");
    return s;
}

std::vector<std::string> texte(const Form& f, int id) {
    std::vector<std::string> t;
    for (const auto& e : f.find(id)->items) t.push_back(e.text);
    return t;
}

struct Listen : ::testing::Test {
    Data data = testDaten();
    CIniEx texte_ = sprache();
    Form f;
    int maxReihenfolge = -1;
    L::Zulassungen z;
    void SetUp() override { z = L::fuelleAlle(f, data, texte_, maxReihenfolge); }
};
}  // namespace

TEST_F(Listen, FillingFollowsLibraryOrderValuesAndFirstSelections) {
    EXPECT_EQ(texte(f, hd::MaterialPlatte),
              (std::vector<std::string>{"AISI 316", "Titanium Gr. 1"}));
    EXPECT_EQ(f.selectedValue(hd::MaterialPlatte), 11);
    EXPECT_EQ(z.plattenmaterial, (std::map<int, int>{{0, 11}, {1, 13}}));
    EXPECT_EQ(texte(f, hd::DichtungWarm)[2], "EPDM HT  -  160.5 °C");
    EXPECT_EQ(f.itemCount(hd::DichtungKalt), 4);  // inactive gasket left out
    EXPECT_EQ(texte(f, hd::Druckstufe), (std::vector<std::string>{"6", "10", "16"}));
    EXPECT_EQ(f.selectedValue(hd::Druckstufe), 46);
    EXPECT_EQ(texte(f, hd::GestellVariante), (std::vector<std::string>{"DIN", "ASME"}));
    // plate types without safety plates, not the unadmitted one
    EXPECT_EQ(texte(f, hd::Plattentyp), (std::vector<std::string>{"KX 04", "KX 08"}));
    EXPECT_EQ(maxReihenfolge, 5);
    EXPECT_EQ(z.plattentypen, (std::map<int, int>{{0, 51}, {1, 52}, {2, 53}, {4, 55}}));
    // media: side admission, then the user-defined entry with the list size as value
    EXPECT_EQ(texte(f, hd::MediumWarm),
              (std::vector<std::string>{"Water", "Steam", "Dry Air", "Other medium"}));
    EXPECT_EQ(texte(f, hd::MediumKalt),
              (std::vector<std::string>{"Water", "Dry Air", "Other medium"}));
    EXPECT_EQ(f.find(hd::MediumKalt)->items[1].value, 2);
    EXPECT_EQ(f.find(hd::MediumKalt)->items[2].value, 3);
    // units: duty, temperatures, pressures at position 1; flows: mass units first
    EXPECT_EQ(f.selection(hd::EinheitLeistung), 1);
    EXPECT_EQ(f.selectedText(hd::EinheitTAusKalt), "g1u1");
    EXPECT_EQ(f.selectedText(hd::EinheitGasDruckWarm), "g2u1");
    EXPECT_EQ(f.selection(hd::EinheitFoulingKalt), 0);
    EXPECT_EQ(texte(f, hd::EinheitDurchsatzWarm)[0], "g13u0");
    EXPECT_EQ(texte(f, hd::EinheitDurchsatzWarm)[3], "g0u0");
    EXPECT_EQ(f.selection(hd::EinheitDurchsatzWarm), 0);
    EXPECT_EQ(f.selectedText(hd::PlattentypModus), "free");
    EXPECT_EQ(f.selectedText(hd::SerienModus), "fixed");
    EXPECT_EQ(f.itemCount(hd::Spalttyp1), 9);
    EXPECT_EQ(f.selection(hd::Spalttyp1), -1);
}

TEST_F(Listen, CondensingWarmMediumRestrictsTheWarmGaskets) {
    f.select(hd::DichtungWarm, 1);  // EPDM
    L::dichtungsRegel(f, data, true, false);
    EXPECT_EQ(texte(f, hd::DichtungWarm).size(), 3u);
    EXPECT_EQ(f.selectedValue(hd::DichtungWarm), 22);  // previous choice kept
    f.select(hd::DichtungWarm, -1);
    L::dichtungsRegel(f, data, false, false);
    EXPECT_EQ(f.itemCount(hd::DichtungWarm), 4);
    EXPECT_EQ(f.selection(hd::DichtungWarm), 0);  // nothing remembered -> first
    L::dichtungsRegel(f, data, true, false);      // NBR not allowed -> EPDM HT
    EXPECT_EQ(f.selectedValue(hd::DichtungWarm), 23);
    L::dichtungsRegel(f, data, true, true);  // Werksmodus keeps the full list
    EXPECT_EQ(f.itemCount(hd::DichtungWarm), 4);
    EXPECT_EQ(f.selectedValue(hd::DichtungWarm), 23);
    EXPECT_EQ(f.itemCount(hd::DichtungKalt), 4);
}

TEST_F(Listen, TitaniumRuleLocksAndUnlocksWithoutChangingTheChoice) {
    L::titanRegel(f, true);
    EXPECT_EQ(f.selectedValue(hd::MaterialPlatte), 13);
    EXPECT_FALSE(f.enabled(hd::MaterialPlatte));
    L::titanRegel(f, false);
    EXPECT_TRUE(f.enabled(hd::MaterialPlatte));
    EXPECT_EQ(f.selectedValue(hd::MaterialPlatte), 13);
}

TEST_F(Listen, SafetyPlateBoxSwitchesThePlateTypeFamily) {
    f.setChecked(hd::Sicherheitsplatte, true);
    EXPECT_EQ(L::plattentypRegel(f, data), 7);
    EXPECT_EQ(texte(f, hd::Plattentyp), (std::vector<std::string>{"KXDW 08", "KXDW 14"}));
    EXPECT_EQ(f.selectedValue(hd::Plattentyp), 52);
}

TEST_F(Listen, RatingListsOnlyPermittedChannelTypesAndKeepsChoices) {
    f.select(hd::Spalttyp1, 4);
    f.select(hd::Spalttyp2, 7);
    L::spalttypenFuellen(f, data, true, [](int i) { return i % 2 == 0; });
    EXPECT_EQ(texte(f, hd::Spalttyp1), (std::vector<std::string>{"T0", "T2", "T4", "T6", "T8"}));
    EXPECT_EQ(f.selectedText(hd::Spalttyp1), "T4");
    EXPECT_EQ(f.selectedValue(hd::Spalttyp1), 4);
    EXPECT_EQ(f.selection(hd::Spalttyp2), -1);  // T7 no longer permitted
    L::spalttypenFuellen(f, data, false, [](int) { return false; });
    EXPECT_EQ(f.itemCount(hd::Spalttyp2), 9);
}

TEST_F(Listen, UserDefinedEntryCarriesTheName) {
    std::string name = "Juice";
    L::eigenesMediumEintrag(f, hd::MediumWarm, data, texte_, &name);
    EXPECT_EQ(texte(f, hd::MediumWarm).back(), "Other medium Juice");
    EXPECT_EQ(f.itemCount(hd::MediumWarm), 4);
    L::eigenesMediumEintrag(f, hd::MediumWarm, data, texte_, nullptr);
    EXPECT_EQ(texte(f, hd::MediumWarm).back(), "Other medium");
    EXPECT_EQ(f.find(hd::MediumWarm)->items.back().value, 3);
}

TEST_F(Listen, ModeListsKeepTheirSelectionWhenRefilled) {
    f.select(hd::SpaltenModus, 3);
    CIniEx de;
    de.OpenFromText("[combobox]\nfrei=frei\nfix=fix\nmin=min\nmax=max\n");
    L::fuelleModusListen(f, de);
    EXPECT_EQ(f.selectedText(hd::SpaltenModus), "max");
    EXPECT_EQ(f.selectedText(hd::PlattentypModus), "frei");
}
