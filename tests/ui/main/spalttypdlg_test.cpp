#include <gtest/gtest.h>

#include "ports/scripted.h"
#include "ui/main/spalttypdlg_model.h"

using namespace kal;

namespace {
Data testDaten() {
    Data d;
    for (int i = 0; i < 2; ++i) {
        MaterialPlatteA m;
        m.objectId = 11 + i;
        m.name = i ? "Titanium" : "AISI 316";
        d.getMaterialPlatteAListe().hinzufuegen(m);
    }
    for (int p : {10, 16}) {
        DruckstufeA s;
        s.objectId = p;
        s.druck = p;
        d.getDruckstufeAListe().hinzufuegen(s);
    }
    for (int i = 0; i < 9; ++i) {
        Spalttyp t;
        t.objectId = 70 + i;
        t.name = "T" + std::to_string(i);
        d.getSpalttypListe().hinzufuegen(t);
    }
    const char* namen[] = {"KX 04", "KXDW 08"};
    for (int i = 0; i < 2; ++i) {
        PlattentypA a;
        a.objectId = 51 + i;
        a.name = namen[i];
        PlattenDaten pd;
        for (int s = 0; s < 9; ++s) pd.spalttypZulaessig[static_cast<size_t>(s)] = (s + i) % 3 != 0;
        a.platten[{11, 10}] = pd;
        a.platten[{12, 16}] = pd;
        d.getPlattentypAListe().hinzufuegen(a);
        PlattentypU u;
        u.objectId = a.objectId;
        d.getPlattentypUListe().hinzufuegen(u);
    }
    return d;
}

struct Gitter : ::testing::Test {
    Data data = testDaten();
    std::map<int, int> typen{{0, 51}, {1, 52}};
    std::map<int, int> materialien{{0, 11}, {1, 12}};
    CSpalttypenZulaessig tabelle{data, typen, materialien};
    CIniEx sprache;
    ScriptedPorts ports;
    std::unique_ptr<SpalttypDlgModel> dlg;
    void SetUp() override {
        sprache.OpenFromText(
            "[global]\nquest_save=Save changes?\n[plattentypspalttypdlg]\ntitle=Channel types\n");
        dlg = std::make_unique<SpalttypDlgModel>(tabelle, typen, data, sprache, ports.ports());
    }
};
}  // namespace

TEST_F(Gitter, OpeningShowsCheckBoxesWhereTheLibraryPermits) {
    EXPECT_EQ(dlg->caption(), "Channel types");
    EXPECT_EQ(dlg->spaltenKoepfe(), (std::vector<std::string>{"KX 04", "KX DW 08"}));
    EXPECT_EQ(dlg->zeilenKoepfe().size(), 9u);
    EXPECT_FALSE(dlg->zelle(0, 0).kontrollkaestchen);  // (0 + 0) % 3 == 0
    EXPECT_TRUE(dlg->zelle(1, 0).kontrollkaestchen);
    EXPECT_TRUE(dlg->zelle(1, 0).an);
    EXPECT_FALSE(dlg->zelle(2, 1).kontrollkaestchen);
    EXPECT_FALSE(dlg->form().enabled(sg::Speichern));
    // material 11 at pressure stage 16 has no library permission at all
    dlg->form().select(sg::Druckstufe, 1);
    dlg->listeGewechselt();
    EXPECT_FALSE(dlg->zelle(1, 0).kontrollkaestchen);
}

TEST_F(Gitter, ClickLocksListsAndSavingStoresIntoTheTable) {
    dlg->kaestchenGeklickt(0, 0);  // no check box: nothing happens
    EXPECT_FALSE(dlg->geaendert());
    dlg->kaestchenGeklickt(1, 0);
    EXPECT_TRUE(dlg->geaendert());
    EXPECT_FALSE(dlg->form().enabled(sg::Material));
    EXPECT_FALSE(dlg->form().enabled(sg::Druckstufe));
    dlg->form().select(sg::Material, 1);
    dlg->listeGewechselt();  // locked: the grid is not rebuilt
    EXPECT_FALSE(dlg->zelle(1, 0).an);
    dlg->form().select(sg::Material, 0);
    dlg->speichernGeklickt();
    EXPECT_TRUE(dlg->gespeichert());
    EXPECT_EQ(tabelle.istZulaessig(11, 51, 10, 1), 0);
    EXPECT_EQ(tabelle.istStandard(11, 51, 10, 1), 1);
    EXPECT_EQ(tabelle.abweichungenText(), "11:51:10:1,");
    EXPECT_TRUE(dlg->form().enabled(sg::Material));
    // on again: no deviation left
    dlg->kaestchenGeklickt(1, 0);
    dlg->speichernGeklickt();
    EXPECT_EQ(tabelle.abweichungenText(), "");
}

TEST_F(Gitter, ClosingWithUnsavedChangesAsks) {
    dlg->kaestchenGeklickt(1, 0);
    ports.questions.answers = {Answer::Cancel};
    dlg->endeGeklickt();
    EXPECT_FALSE(dlg->closed());  // Cancel through "ende" stays open
    ports.questions.answers = {Answer::No};
    dlg->endeGeklickt();
    EXPECT_TRUE(dlg->closed());
    EXPECT_FALSE(dlg->gespeichert());
    EXPECT_EQ(tabelle.istZulaessig(11, 51, 10, 1), 1);
    EXPECT_EQ(ports.questions.asked.back(), "Save changes?");
}

TEST_F(Gitter, CloseBoxClosesOnCancelAndYesStores) {
    dlg->kaestchenGeklickt(1, 0);
    ports.questions.answers = {Answer::Cancel};
    dlg->schliessenAngefordert();
    EXPECT_TRUE(dlg->closed());
    EXPECT_FALSE(dlg->gespeichert());
    dlg->reopen();
    ports.questions.answers = {Answer::Yes};
    dlg->schliessenAngefordert();
    EXPECT_TRUE(dlg->gespeichert());
    EXPECT_EQ(tabelle.istZulaessig(11, 51, 10, 1), 0);
    // nothing unsaved: closes without asking
    auto zweiter = std::make_unique<SpalttypDlgModel>(tabelle, typen, data, sprache, ports.ports());
    size_t gefragt = ports.questions.asked.size();
    zweiter->endeGeklickt();
    EXPECT_TRUE(zweiter->closed());
    EXPECT_EQ(ports.questions.asked.size(), gefragt);
    EXPECT_FALSE(zweiter->zelle(1, 0).an);  // shows the permission in force
}
