#include "feldregeln.h"

#include <gtest/gtest.h>

#include "scripted.h"

using namespace kal;
namespace R = kal::regeln;

namespace {
Form neueForm() {
    Form f;
    for (int id : {R::ModusPlattentyp, R::ModusSpalten, R::ModusSerien}) {
        for (const char* t : {"frei", "fix", "min", "max"}) f.addItem(id, t);
    }
    f.select(R::ModusPlattentyp, R::Frei);
    f.select(R::ModusSpalten, R::Frei);
    f.select(R::ModusSerien, R::Fix);
    for (const char* t : {"KX 04", "KX 08", "KX 14"}) f.addItem(R::Plattentyp, t);
    f.select(R::Plattentyp, 0);
    for (const char* t : {"T0", "T1"}) {
        f.addItem(R::Spalttyp1, t);
        f.addItem(R::Spalttyp2, t);
    }
    for (const char* t : {"K", "°C", "°F"}) f.addItem(R::EinheitTAusWarm, t);
    f.select(R::EinheitTAusWarm, 1);
    f.setText(R::Serien, "1");
    return f;
}
}  // namespace

TEST(Feldregeln, PlateTypeListAndChannelFieldFollowTheirModes) {
    Form f = neueForm();
    R::Medienzustand z;
    R::plattentypListe(f);
    EXPECT_FALSE(f.visible(R::Plattentyp));
    f.select(R::ModusPlattentyp, R::Min);
    R::plattentypListe(f);
    EXPECT_TRUE(f.visible(R::Plattentyp));
    EXPECT_TRUE(f.enabled(R::Plattentyp));
    R::spaltenRegel(f, z);
    EXPECT_FALSE(f.visible(R::Spalten));
    f.select(R::ModusSpalten, R::Fix);
    R::spaltenRegel(f, z);
    EXPECT_TRUE(f.visible(R::Spalten));
    EXPECT_TRUE(f.enabled(R::Spalten));
    z.berechnungsart = 1;
    R::spaltenRegel(f, z);
    EXPECT_TRUE(f.visible(R::Spalten));
    EXPECT_FALSE(f.enabled(R::Spalten));  // computed in rating
}

TEST(Feldregeln, CondensingOrGasForcesOnePassAndOneChannelType) {
    Form f = neueForm();
    R::Medienzustand z;
    z.berechnungsart = 1;
    f.setText(R::Serien, "3");
    f.setText(R::Anzahl2, "12");
    f.select(R::Spalttyp2, 1);
    R::serienModusRegel(f, z);
    EXPECT_FALSE(f.enabled(R::ModusSerien));  // rating: disabled
    EXPECT_EQ(f.text(R::Serien), "3");
    R::spalttypenRegel(f, z);
    EXPECT_TRUE(f.enabled(R::Spalttyp2));
    z.kondensation = true;
    f.select(R::ModusSerien, R::Min);
    R::serienModusRegel(f, z);
    EXPECT_EQ(f.selection(R::ModusSerien), R::Fix);
    EXPECT_FALSE(f.enabled(R::Serien));
    EXPECT_EQ(f.text(R::Serien), "1");
    R::spalttypenRegel(f, z);
    EXPECT_TRUE(f.enabled(R::Spalttyp1));
    EXPECT_FALSE(f.enabled(R::Spalttyp2));
    EXPECT_EQ(f.selection(R::Spalttyp2), -1);
    EXPECT_EQ(f.text(R::Anzahl2), "");
    // design: all four disabled, passes mode free again without forcing media
    R::Medienzustand d;
    R::spalttypenRegel(f, d);
    EXPECT_FALSE(f.enabled(R::Anzahl1));
    R::serienModusRegel(f, d);
    EXPECT_TRUE(f.enabled(R::ModusSerien));
    f.select(R::ModusSerien, R::Frei);
    R::serienRegel(f, d);
    EXPECT_FALSE(f.visible(R::Serien));
}

TEST(Feldregeln, GasPressureOnlyForLibraryGasesThatDoNotCondense) {
    Form f = neueForm();
    R::Medienzustand z;
    f.setText(R::GasdruckWarm, "5");
    R::gasdruckRegeln(f, z);
    EXPECT_FALSE(f.visible(R::GasdruckWarm));
    EXPECT_EQ(f.text(R::GasdruckWarm), "");
    EXPECT_FALSE(f.visible(R::LabelGasdruck));
    z.gasKalt = true;
    R::gasdruckRegeln(f, z);
    EXPECT_TRUE(f.visible(R::GasdruckKalt));
    EXPECT_TRUE(f.enabled(R::EinheitGasKalt));
    EXPECT_TRUE(f.visible(R::LabelGasdruck));
    z.eigenesKalt = true;  // user-defined gas: no operating pressure
    z.gasWarm = true;
    z.kondensation = true;  // steam
    R::gasdruckRegeln(f, z);
    EXPECT_FALSE(f.visible(R::GasdruckKalt));
    EXPECT_FALSE(f.visible(R::GasdruckWarm));
    EXPECT_FALSE(f.visible(R::LabelGasdruck));
}

TEST(Feldregeln, CondensationTurnsTheOutletRowIntoSubcoolingInKelvin) {
    Form f = neueForm();
    CIniEx s;
    s.OpenFromText(
        "[maindialog]\nton=Inlet\ntoff=Outlet\nkondens=Condensing\nunterkuehlung=Subcooling\n");
    R::Medienzustand z;
    z.kondensation = true;
    R::kondensationsTexte(f, z, s);
    EXPECT_EQ(f.text(R::LabelTEin), "Condensing");
    EXPECT_EQ(f.text(R::LabelTAus), "Subcooling");
    EXPECT_EQ(f.selectedText(R::EinheitTAusWarm), "K");
    EXPECT_FALSE(f.enabled(R::EinheitTAusWarm));
    z.kondensation = false;
    R::kondensationsTexte(f, z, s);
    EXPECT_EQ(f.text(R::LabelTAus), "Outlet");
    EXPECT_TRUE(f.enabled(R::EinheitTAusWarm));
}

TEST(Feldregeln, ModeSwitchCarriesTheDesignResultOverAndBack) {
    Form f = neueForm();
    f.setText(R::ErgebnisPlattentyp, "KX 08");
    f.setText(R::ErgebnisSerien, "2");
    f.setText(R::Serien, "");
    R::modusWechseln(f, 0, 1);
    EXPECT_TRUE(f.checked(R::Nachrechnen));
    EXPECT_EQ(f.selectedText(R::Plattentyp), "KX 08");
    EXPECT_EQ(f.text(R::Serien), "2");
    for (int id : {R::ModusPlattentyp, R::ModusSpalten, R::ModusSerien}) {
        EXPECT_EQ(f.selection(id), R::Fix);
        EXPECT_FALSE(f.enabled(id));
    }
    R::modusWechseln(f, 1, 0);
    EXPECT_TRUE(f.checked(R::Auslegen));
    EXPECT_EQ(f.selection(R::ModusPlattentyp), R::Frei);
    EXPECT_EQ(f.selection(R::ModusSpalten), R::Frei);
    EXPECT_EQ(f.selection(R::ModusSerien), R::Fix);
    EXPECT_EQ(f.text(R::Serien), "1");
    EXPECT_TRUE(f.enabled(R::ModusSerien));
    // rating with an empty passes field and no design result puts "1"
    Form g = neueForm();
    g.setText(R::Serien, "");
    R::modusWechseln(g, 1, 1);
    EXPECT_EQ(g.text(R::Serien), "1");
    EXPECT_EQ(g.selectedText(R::Plattentyp), "KX 04");
}

TEST(Feldregeln, ClearingInputsSparesRatingChoicesOnlyInDesign) {
    Form f = neueForm();
    f.setText(R::Leistung, "100");
    f.setText(R::GasdruckKalt, "3");
    f.setText(R::Anzahl1, "20");
    f.select(R::Spalttyp1, 1);
    R::eingabenLeeren(f, 0);
    EXPECT_EQ(f.text(R::Leistung), "");
    EXPECT_EQ(f.text(R::GasdruckKalt), "");
    EXPECT_EQ(f.text(R::Anzahl1), "20");
    R::eingabenLeeren(f, 1);
    EXPECT_EQ(f.text(R::Anzahl1), "");
    EXPECT_EQ(f.selection(R::Spalttyp1), -1);
}

TEST(Feldregeln, ChannelsPerSideInRating) {
    Form f = neueForm();
    ScriptedPorts p;
    InputHelper input(&p.messages);
    f.setText(R::Anzahl1, "20");
    f.setText(R::Anzahl2, "10");
    f.setText(R::Serien, "2");
    ASSERT_TRUE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(R::Spalten), "60");
    f.setText(R::Serien, "-4");  // 0 or less counts as one pass
    ASSERT_TRUE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(R::Spalten), "30");
    f.setText(R::Anzahl2, "x");
    EXPECT_FALSE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(R::Spalten), "30");  // total unchanged
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].key, "error_notanumber");
    f.setText(R::Anzahl2, "2147483647");
    f.setText(R::Serien, "3");
    ASSERT_TRUE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(R::Spalten), "2147483647");
}
