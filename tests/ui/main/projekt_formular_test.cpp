#include "ui/main/projekt_formular.h"

#include <gtest/gtest.h>

#include <set>

#include "ids/dialog_ids.h"
#include "ports/scripted.h"

using namespace kal;

namespace {
// A form with every list the project file touches, each with three
// entries whose item values are 10 x (position + 1).
Form leereForm() {
    Form f;
    for (const ProjektFeldZeile& z : projektFeldTabelle())
        if (z.art == FeldArt::Position || z.art == FeldArt::Wert)
            for (int i = 0; i < 3; ++i) f.addItem(z.control, "e" + std::to_string(i), 10 * (i + 1));
    return f;
}

Form ausgefuellt() {
    Form f = leereForm();
    f.setChecked(hd::Sicherheitsplatte, true);
    f.setText(hd::Leistung, "500");
    f.select(hd::EinheitLeistung, 1);
    f.setText(hd::Sicherheit, "10");
    f.select(hd::MediumWarm, 2);
    f.select(hd::MediumKalt, 0);
    f.setText(hd::TEinWarm, "90");
    f.select(hd::EinheitTEinWarm, 2);
    f.setText(hd::GasDruckKalt, "2.5");
    f.select(hd::EinheitGasDruckKalt, 1);
    f.select(hd::MaterialPlatte, 1);
    f.select(hd::DichtungWarm, 2);
    f.select(hd::DichtungKalt, 0);
    f.select(hd::Gestell, 1);
    f.select(hd::GestellVariante, 1);
    f.select(hd::Druckstufe, 2);
    f.select(hd::PlattentypModus, 3);
    f.select(hd::Plattentyp, 1);
    f.select(hd::SpaltenModus, 1);
    f.setText(hd::Spalten, "40");
    f.select(hd::SerienModus, 1);
    f.setText(hd::Serien, "2");
    f.setText(hd::Anzahl1, "20");
    f.select(hd::Spalttyp1, 2);
    f.setChecked(hd::MassMm, true);
    f.setChecked(hd::SystemUS, false);
    return f;
}

int lesen(const ProjektInhalt& p, Form& f, EigeneMedien& medien) {
    return projektInFormular(p, f, medien, CIniEx(), "", nullptr, {}, {});
}
}  // namespace

TEST(ProjektFeldTabelle, HoldsEveryFieldOnceInFileOrderAndEveryControlOnce) {
    std::set<int> controls;
    int feld = 0;
    for (const ProjektFeldZeile& z : projektFeldTabelle()) {
        EXPECT_EQ(z.feld, ++feld);
        if (z.control != 0) {
            EXPECT_TRUE(controls.insert(z.control).second) << z.control;
        }
        if (z.art == FeldArt::Radiopaar || z.art == FeldArt::Modus) {
            EXPECT_TRUE(controls.insert(z.partner).second) << z.partner;
        }
        if (z.art == FeldArt::Wert) {
            EXPECT_NE(z.fehlt, nullptr) << z.feld;
        }
    }
    EXPECT_EQ(feld, kProjektFelder);
}

TEST(ProjektFormular, ControlsLandInTheirFileFields) {
    // byte offsets of the file layout
    const std::pair<int, int> faelle[] = {
        {hd::Leistung, 700},          {hd::Sicherheit, 740},     {hd::TEinWarm, 800},
        {hd::TEinKalt, 840},          {hd::TAusWarm, 880},       {hd::TAusKalt, 920},
        {hd::DurchsatzWarm, 960},     {hd::DurchsatzKalt, 1000}, {hd::DruckverlustWarm, 1040},
        {hd::DruckverlustKalt, 1080}, {hd::FoulingWarm, 1120},   {hd::FoulingKalt, 1160},
        {hd::GasDruckWarm, 1200},     {hd::GasDruckKalt, 1240},  {hd::Spalten, 1460},
        {hd::Serien, 1500},           {hd::Anzahl1, 1520},       {hd::Anzahl2, 1560},
    };
    for (const auto& [id, offset] : faelle) {
        Form f = leereForm();
        f.setText(id, "77.5");
        std::string bytes = projektAusFormular(f, EigeneMedien{}, 0).kodieren();
        EXPECT_EQ(bytes.substr(static_cast<size_t>(offset), 5), std::string("77.5\0", 5)) << id;
    }
}

TEST(ProjektFormular, FullyFilledFormRoundTripsByteForByte) {
    // Every field gets a content that differs from an empty form's, so a
    // field the reader skipped would show in the second write.
    Form f = leereForm();
    int n = 0;
    for (const ProjektFeldZeile& z : projektFeldTabelle()) {
        ++n;
        if (z.art == FeldArt::Text) f.setText(z.control, std::to_string(n) + ".25");
        if (z.art == FeldArt::Position || z.art == FeldArt::Wert) f.select(z.control, n % 3);
        if (z.art == FeldArt::Kaestchen || z.art == FeldArt::Radiopaar)
            f.setChecked(z.control, true);
    }
    EigeneMedien medien;
    for (int s = 0; s < 2; ++s) {
        EigenesMedium& m = medien[static_cast<size_t>(s)];
        m.name = s == 0 ? "Juice" : "Syrup";
        for (int g = 0; g < EG_Anzahl; ++g) {
            m.werte[static_cast<size_t>(g)] = 1.5 + g + 10 * s;
            m.einheiten[static_cast<size_t>(g)] = 1 + g % 2 + s;
        }
        m.gas = m.gespeichert = m.benutzt = true;
    }
    const ProjektInhalt voll = projektAusFormular(f, medien, 1);
    const ProjektInhalt leer = projektAusFormular(leereForm(), EigeneMedien{}, 0);
    for (int feld = PF_Version + 1; feld <= kProjektFelder; ++feld)
        EXPECT_NE(voll.feld(feld), leer.feld(feld)) << feld;

    auto p = ProjektInhalt::dekodieren(voll.kodieren());
    ASSERT_TRUE(p);
    Form g = leereForm();
    EigeneMedien gelesen;
    const int modus = lesen(*p, g, gelesen);
    EXPECT_EQ(modus, 1);
    EXPECT_EQ(projektAusFormular(g, gelesen, modus).kodieren(), voll.kodieren());
    // the radio partners follow
    EXPECT_FALSE(g.checked(hd::MassInch));
    EXPECT_FALSE(g.checked(hd::SystemSI));
    EXPECT_TRUE(g.checked(hd::Nachrechnen));
    EXPECT_FALSE(g.checked(hd::Auslegen));
}

TEST(ProjektFormular, HooksRunWhereTheReadingNeedsThem) {
    Form f = ausgefuellt();
    EigeneMedien medien;
    medien[0].name = "Juice";
    medien[0].gespeichert = true;
    std::string bytes = projektAusFormular(f, medien, 1).kodieren();
    auto p = ProjektInhalt::dekodieren(bytes);
    ASSERT_TRUE(p);

    Form g = leereForm();
    EigeneMedien gelesen;
    std::vector<std::string> ablauf;
    projektInFormular(
        *p, g, gelesen, CIniEx(), "", nullptr,
        [&] {
            // right after the safety-plate box, before any list is read
            ablauf.push_back("plattentyp");
            EXPECT_TRUE(g.checked(hd::Sicherheitsplatte));
            EXPECT_EQ(g.selection(hd::MaterialPlatte), -1);
        },
        [&] {
            // the media are taken over, their lists not yet selected
            ablauf.push_back("medien");
            EXPECT_EQ(gelesen[0].name, "Juice");
            EXPECT_EQ(g.selection(hd::MediumWarm), -1);
        },
        [&](int modus) {
            // the whole device frame is read, the channel row not yet
            ablauf.push_back("spalttypen " + std::to_string(modus));
            EXPECT_EQ(g.text(hd::Serien), "2");
            EXPECT_EQ(g.text(hd::Anzahl1), "");
            g.clearItems(hd::Spalttyp1);
            g.addItem(hd::Spalttyp1, "a", 0);
            g.addItem(hd::Spalttyp1, "b", 1);
            g.addItem(hd::Spalttyp1, "c", 2);
        },
        [&] {
            // both media selected, the gaskets not yet
            ablauf.push_back("gewaehlt");
            EXPECT_EQ(g.selection(hd::MediumWarm), 2);
            EXPECT_EQ(g.selection(hd::MediumKalt), 0);
            EXPECT_EQ(g.selection(hd::DichtungWarm), -1);
        });
    EXPECT_EQ(ablauf,
              (std::vector<std::string>{"plattentyp", "medien", "gewaehlt", "spalttypen 1"}));
    EXPECT_EQ(g.selectedText(hd::Spalttyp1), "c");  // selected in the refilled list
}

TEST(ProjektFormular, MissingIdsAreReportedAndPositionOneSelected) {
    Form f = ausgefuellt();
    EigeneMedien medien;
    ProjektInhalt p = projektAusFormular(f, medien, 0);
    p.setzeInt(PF_Plattentyp, 999);
    p.setzeInt(PF_DichtungKalt, 998);
    Form g = leereForm();
    ScriptedPorts ports;
    CIniEx sprache;
    sprache.OpenFromText("[error]\nPlattentypfehlt=Plate type missing\n");
    int modus = projektInFormular(p, g, medien, sprache, "kalvoria", &ports.messages, {}, {});
    EXPECT_EQ(modus, 0);
    ASSERT_EQ(ports.messages.shown.size(), 2u);
    EXPECT_EQ(ports.messages.shown[0].key, "Dichtungkaltfehlt");
    EXPECT_EQ(ports.messages.shown[1].key, "Plattentypfehlt");
    EXPECT_EQ(ports.messages.shown[1].text, "Plate type missing");
    EXPECT_EQ(ports.messages.shown[1].caption, "kalvoria");
    EXPECT_EQ(g.selection(hd::Plattentyp), 1);
    EXPECT_EQ(g.selection(hd::DichtungKalt), 1);
    EXPECT_EQ(g.focus(), hd::Plattentyp);
    EXPECT_EQ(g.selection(hd::Druckstufe), 2);  // the rest is loaded
    EXPECT_EQ(g.text(hd::Anzahl1), "20");
}

TEST(ProjektFormular, EmptyDesignChannelsStoreMinusOneAndSelectNothing) {
    Form f = leereForm();
    EigeneMedien medien;
    ProjektInhalt p = projektAusFormular(f, medien, 0);
    EXPECT_EQ(p.feld(PF_Anzahl1), "");
    EXPECT_EQ(p.feld(PF_Spalttyp1), "-1");
    Form g = leereForm();
    g.select(hd::Spalttyp1, 1);
    lesen(p, g, medien);
    EXPECT_EQ(g.selection(hd::Spalttyp1), -1);
    // positions beyond a list leave it without selection
    p.setzeInt(PF_Plattenmaterial, 7);
    lesen(p, g, medien);
    EXPECT_EQ(g.selection(hd::MaterialPlatte), -1);
}
