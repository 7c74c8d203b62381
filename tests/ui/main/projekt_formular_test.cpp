#include "projekt_formular.h"

#include <gtest/gtest.h>

#include "scripted.h"

using namespace kal;

namespace {
// A form with every list the project file touches, each with three
// entries whose item values are 10 x (position + 1).
Form leereForm() {
    Form f;
    for (int id :
         {1123, 1364, 1365, 1313, 1368, 1314, 1371, 1423, 1424, 1137, 1127, 1142, 1128, 1143,
          1129, 1003, 1346, 1380, 1005, 1007, 1006, 1015, 1009, 1008, 1040, 1366, 1367})
        for (int i = 0; i < 3; ++i) f.addItem(id, "e" + std::to_string(i), 10 * (i + 1));
    return f;
}

Form ausgefuellt() {
    Form f = leereForm();
    f.setChecked(1421, true);
    f.setText(1018, "500");
    f.select(1123, 1);
    f.setText(1029, "10");
    f.select(1364, 2);
    f.select(1365, 0);
    f.setText(1188, "90");
    f.select(1313, 2);
    f.setText(1062, "2.5");
    f.select(1129, 1);
    f.select(1003, 1);
    f.select(1346, 2);
    f.select(1380, 0);
    f.select(1005, 1);
    f.select(1007, 1);
    f.select(1006, 2);
    f.select(1015, 3);
    f.select(1009, 1);
    f.select(1008, 1);
    f.setText(1271, "40");
    f.select(1040, 1);
    f.setText(1041, "2");
    f.setText(1302, "20");
    f.select(1366, 2);
    f.setChecked(1117, true);
    f.setChecked(1082, false);
    return f;
}
}  // namespace

TEST(ProjektFormular, WriteAndReadGiveTheSameEntries) {
    Form f = ausgefuellt();
    EigeneMedien medien;
    medien[0].name = "Juice";
    medien[0].werte = {2.0, 3.0, 1050.0, 3.9, 0.6, 0.0};
    medien[0].einheiten = {1, 1, 0, 0, 0, 0};
    medien[0].gespeichert = medien[0].benutzt = true;
    medien[1].gas = true;
    std::string bytes = projektAusFormular(f, medien, 1).kodieren();
    ASSERT_EQ(bytes.size(), 1660u);
    EXPECT_EQ(bytes.substr(40, 9), std::string("2.000000\0", 9));  // viscosity warm "%f"
    EXPECT_EQ(bytes.substr(1580, 3), std::string("-1\0", 3));      // second channel type none

    auto p = ProjektInhalt::dekodieren(bytes);
    ASSERT_TRUE(p);
    Form g = leereForm();
    EigeneMedien gelesen;
    ScriptedPorts ports;
    CIniEx sprache;
    int regel = 0, eintraege = 0;
    int modus = projektInFormular(
        *p, g, gelesen, sprache, "kalvoria", &ports.messages, [&] { regel = ++eintraege; },
        [&] { ++eintraege; });
    EXPECT_EQ(modus, 1);
    EXPECT_EQ(regel, 1);  // plate type rule ran before the media were taken over
    EXPECT_EQ(eintraege, 2);
    EXPECT_TRUE(ports.messages.shown.empty());
    for (int id : {1421, 1117, 1082, 1171})
        EXPECT_EQ(g.checked(id), f.checked(id) || id == 1171) << id;
    for (int id : {1018, 1029, 1188, 1062, 1271, 1041, 1302, 1335})
        EXPECT_EQ(g.text(id), f.text(id)) << id;
    for (int id : {1123, 1364, 1365, 1313, 1129, 1003, 1346, 1380, 1005, 1007, 1006, 1015, 1009,
                   1008, 1040, 1366, 1367})
        EXPECT_EQ(g.selection(id), f.selection(id)) << id;
    EXPECT_EQ(gelesen[0].name, "Juice");
    EXPECT_EQ(gelesen[0].werte, medien[0].werte);
    EXPECT_EQ(gelesen[0].einheiten, medien[0].einheiten);
    EXPECT_TRUE(gelesen[0].gespeichert);
    EXPECT_TRUE(gelesen[1].gas);
    EXPECT_FALSE(gelesen[1].gespeichert);
    EXPECT_EQ(projektAusFormular(g, gelesen, 1).kodieren(), bytes);
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
    EXPECT_EQ(g.selection(1009), 1);
    EXPECT_EQ(g.selection(1380), 1);
    EXPECT_EQ(g.focus(), 1009);
    EXPECT_EQ(g.selection(1006), 2);  // the rest is loaded
    EXPECT_EQ(g.text(1302), "20");
}

TEST(ProjektFormular, EmptyDesignChannelsStoreMinusOneAndSelectNothing) {
    Form f = leereForm();
    EigeneMedien medien;
    ProjektInhalt p = projektAusFormular(f, medien, 0);
    EXPECT_EQ(p.feld(PF_Anzahl1), "");
    EXPECT_EQ(p.feld(PF_Spalttyp1), "-1");
    Form g = leereForm();
    g.select(1366, 1);
    projektInFormular(p, g, medien, CIniEx(), "", nullptr, {}, {});
    EXPECT_EQ(g.selection(1366), -1);
    // positions beyond a list leave it without selection
    p.setzeInt(PF_Plattenmaterial, 7);
    projektInFormular(p, g, medien, CIniEx(), "", nullptr, {}, {});
    EXPECT_EQ(g.selection(1003), -1);
}
