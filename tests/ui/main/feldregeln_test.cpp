#include "ui/main/feldregeln.h"

#include <gtest/gtest.h>

#include "ports/scripted.h"

using namespace kal;
namespace R = kal::regeln;

namespace {
Form neueForm() {
    Form f;
    for (int id : {hd::PlattentypModus, hd::SpaltenModus, hd::SerienModus}) {
        for (const char* t : {"frei", "fix", "min", "max"}) f.addItem(id, t);
    }
    f.select(hd::PlattentypModus, R::Frei);
    f.select(hd::SpaltenModus, R::Frei);
    f.select(hd::SerienModus, R::Fix);
    for (const char* t : {"KX 04", "KX 08", "KX 14"}) f.addItem(hd::Plattentyp, t);
    f.select(hd::Plattentyp, 0);
    for (const char* t : {"T0", "T1"}) {
        f.addItem(hd::Spalttyp1, t);
        f.addItem(hd::Spalttyp2, t);
    }
    for (const char* t : {"K", "°C", "°F"}) f.addItem(hd::EinheitTAusWarm, t);
    f.select(hd::EinheitTAusWarm, 1);
    f.setText(hd::Serien, "1");
    return f;
}
}  // namespace

TEST(Feldregeln, PlateTypeListAndChannelFieldFollowTheirModes) {
    Form f = neueForm();
    R::Medienzustand z;
    R::plattentypListe(f);
    EXPECT_FALSE(f.visible(hd::Plattentyp));
    f.select(hd::PlattentypModus, R::Min);
    R::plattentypListe(f);
    EXPECT_TRUE(f.visible(hd::Plattentyp));
    EXPECT_TRUE(f.enabled(hd::Plattentyp));
    R::spaltenRegel(f, z);
    EXPECT_FALSE(f.visible(hd::Spalten));
    f.select(hd::SpaltenModus, R::Fix);
    R::spaltenRegel(f, z);
    EXPECT_TRUE(f.visible(hd::Spalten));
    EXPECT_TRUE(f.enabled(hd::Spalten));
    z.berechnungsart = 1;
    R::spaltenRegel(f, z);
    EXPECT_TRUE(f.visible(hd::Spalten));
    EXPECT_FALSE(f.enabled(hd::Spalten));  // computed in rating
}

TEST(Feldregeln, CondensingOrGasForcesOnePassAndOneChannelType) {
    Form f = neueForm();
    R::Medienzustand z;
    z.berechnungsart = 1;
    f.setText(hd::Serien, "3");
    f.setText(hd::Anzahl2, "12");
    f.select(hd::Spalttyp2, 1);
    R::serienModusRegel(f, z);
    EXPECT_FALSE(f.enabled(hd::SerienModus));  // rating: disabled
    EXPECT_EQ(f.text(hd::Serien), "3");
    R::spalttypenRegel(f, z);
    EXPECT_TRUE(f.enabled(hd::Spalttyp2));
    z.kondensation = true;
    f.select(hd::SerienModus, R::Min);
    R::serienModusRegel(f, z);
    EXPECT_EQ(f.selection(hd::SerienModus), R::Fix);
    EXPECT_FALSE(f.enabled(hd::Serien));
    EXPECT_EQ(f.text(hd::Serien), "1");
    R::spalttypenRegel(f, z);
    EXPECT_TRUE(f.enabled(hd::Spalttyp1));
    EXPECT_FALSE(f.enabled(hd::Spalttyp2));
    EXPECT_EQ(f.selection(hd::Spalttyp2), -1);
    EXPECT_EQ(f.text(hd::Anzahl2), "");
    // design: all four disabled, passes mode free again without forcing media
    R::Medienzustand d;
    R::spalttypenRegel(f, d);
    EXPECT_FALSE(f.enabled(hd::Anzahl1));
    R::serienModusRegel(f, d);
    EXPECT_TRUE(f.enabled(hd::SerienModus));
    f.select(hd::SerienModus, R::Frei);
    R::serienRegel(f, d);
    EXPECT_FALSE(f.visible(hd::Serien));
}

TEST(Feldregeln, GasPressureOnlyForLibraryGasesThatDoNotCondense) {
    Form f = neueForm();
    R::Medienzustand z;
    f.setText(hd::GasDruckWarm, "5");
    R::gasdruckRegeln(f, z);
    EXPECT_FALSE(f.visible(hd::GasDruckWarm));
    EXPECT_EQ(f.text(hd::GasDruckWarm), "");
    EXPECT_FALSE(f.visible(hd::LabelGasDruck));
    z.gasKalt = true;
    R::gasdruckRegeln(f, z);
    EXPECT_TRUE(f.visible(hd::GasDruckKalt));
    EXPECT_TRUE(f.enabled(hd::EinheitGasDruckKalt));
    EXPECT_TRUE(f.visible(hd::LabelGasDruck));
    z.eigenesKalt = true;  // user-defined gas: no operating pressure
    z.gasWarm = true;
    z.kondensation = true;  // steam
    R::gasdruckRegeln(f, z);
    EXPECT_FALSE(f.visible(hd::GasDruckKalt));
    EXPECT_FALSE(f.visible(hd::GasDruckWarm));
    EXPECT_FALSE(f.visible(hd::LabelGasDruck));
}

TEST(Feldregeln, CondensationTurnsTheOutletRowIntoSubcoolingInKelvin) {
    Form f = neueForm();
    CIniEx s;
    s.OpenFromText(
        "[maindialog]\nton=Inlet\ntoff=Outlet\nkondens=Condensing\nunterkuehlung=Subcooling\n");
    R::Medienzustand z;
    z.kondensation = true;
    R::kondensationsTexte(f, z, s);
    EXPECT_EQ(f.text(hd::LabelTEin), "Condensing");
    EXPECT_EQ(f.text(hd::LabelTAus), "Subcooling");
    EXPECT_EQ(f.selectedText(hd::EinheitTAusWarm), "K");
    EXPECT_FALSE(f.enabled(hd::EinheitTAusWarm));
    z.kondensation = false;
    R::kondensationsTexte(f, z, s);
    EXPECT_EQ(f.text(hd::LabelTAus), "Outlet");
    EXPECT_TRUE(f.enabled(hd::EinheitTAusWarm));
}

TEST(Feldregeln, ModeSwitchCarriesTheDesignResultOverAndBack) {
    Form f = neueForm();
    f.setText(hd::ErgPlattentyp, "KX 08");
    f.setText(hd::ErgSerien, "2");
    f.setText(hd::Serien, "");
    R::modusWechseln(f, 0, 1);
    EXPECT_TRUE(f.checked(hd::Nachrechnen));
    EXPECT_EQ(f.selectedText(hd::Plattentyp), "KX 08");
    EXPECT_EQ(f.text(hd::Serien), "2");
    for (int id : {hd::PlattentypModus, hd::SpaltenModus, hd::SerienModus}) {
        EXPECT_EQ(f.selection(id), R::Fix);
        EXPECT_FALSE(f.enabled(id));
    }
    R::modusWechseln(f, 1, 0);
    EXPECT_TRUE(f.checked(hd::Auslegen));
    EXPECT_EQ(f.selection(hd::PlattentypModus), R::Frei);
    EXPECT_EQ(f.selection(hd::SpaltenModus), R::Frei);
    EXPECT_EQ(f.selection(hd::SerienModus), R::Fix);
    EXPECT_EQ(f.text(hd::Serien), "1");
    EXPECT_TRUE(f.enabled(hd::SerienModus));
    // rating with an empty passes field and no design result puts "1"
    Form g = neueForm();
    g.setText(hd::Serien, "");
    R::modusWechseln(g, 1, 1);
    EXPECT_EQ(g.text(hd::Serien), "1");
    EXPECT_EQ(g.selectedText(hd::Plattentyp), "KX 04");
}

TEST(Feldregeln, ClearingInputsSparesRatingChoicesOnlyInDesign) {
    Form f = neueForm();
    f.setText(hd::Leistung, "100");
    f.setText(hd::GasDruckKalt, "3");
    f.setText(hd::Anzahl1, "20");
    f.select(hd::Spalttyp1, 1);
    R::eingabenLeeren(f, 0);
    EXPECT_EQ(f.text(hd::Leistung), "");
    EXPECT_EQ(f.text(hd::GasDruckKalt), "");
    EXPECT_EQ(f.text(hd::Anzahl1), "20");
    R::eingabenLeeren(f, 1);
    EXPECT_EQ(f.text(hd::Anzahl1), "");
    EXPECT_EQ(f.selection(hd::Spalttyp1), -1);
}

TEST(Feldregeln, ChannelsPerSideInRating) {
    Form f = neueForm();
    ScriptedPorts p;
    InputHelper input(&p.messages);
    f.setText(hd::Anzahl1, "20");
    f.setText(hd::Anzahl2, "10");
    f.setText(hd::Serien, "2");
    ASSERT_TRUE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(hd::Spalten), "60");
    f.setText(hd::Serien, "-4");  // 0 or less counts as one pass
    ASSERT_TRUE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(hd::Spalten), "30");
    f.setText(hd::Anzahl2, "x");
    EXPECT_FALSE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(hd::Spalten), "30");  // total unchanged
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].key, "error_notanumber");
    f.setText(hd::Anzahl2, "2147483647");
    f.setText(hd::Serien, "3");
    ASSERT_TRUE(R::spaltenJeSeiteBerechnen(f, input));
    EXPECT_EQ(f.text(hd::Spalten), "2147483647");
}
