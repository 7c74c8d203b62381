#include "ui/main/berechnung_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/dialoginfo.h"
#include "app/dialogsettings.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::hd;
using kaltest::Umgebung;

namespace {

// The test installation: its title and short language files show in the texts.
const kaltest::Start kTest{.vorlage = kaltest::Vorlage::Testinstallation};
const kaltest::Start kTestDeutsch{.vorlage = kaltest::Vorlage::Testinstallation,
                                  .sprache = "Deutsch"};

std::vector<int> popups(const CBerechnungDlg& d) {
    std::vector<int> ids;
    for (const MenuPopup& m : d.menu()) ids.push_back(m.id);
    return ids;
}

void fuelleEinheitenListen(CBerechnungDlg& d) {
    for (int id : CBerechnungDlg::kUnitListen) {
        if (id == SystemUS || id == MassMm) continue;
        d.form().clearItems(id);
        for (int i = 0; i < 3; ++i) d.form().addItem(id, "u" + std::to_string(i), i);
        d.form().select(id, 0);
    }
}

}  // namespace

TEST(CBerechnungDlg, InitialisationTitleMenuAndTexts) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    EXPECT_EQ(d.caption(), "Kalvoria Test 3.26.12");
    EXPECT_EQ(popups(d), (std::vector<int>{PopupDatei, PopupVerwaltung, PopupInfo}));
    EXPECT_EQ(d.form().text(PopupDatei), "&File");
    EXPECT_EQ(d.form().text(CmdBeenden), "&Quit");
    EXPECT_EQ(d.form().text(RahmenWarm), "Warm side");
    EXPECT_EQ(d.form().text(LabelKopfWarm), "Warm side");
    EXPECT_EQ(d.form().text(Preis), "on request");
    EXPECT_EQ(d.form().text(EinheitPreis), "EUR");
    EXPECT_EQ(d.form().text(EinheitLieferzeit), "weeks");
    EXPECT_EQ(d.form().itemCount(SerienModus), 4);
    EXPECT_EQ(d.form().control(SpaltenModus).items[1].text, "fixed");
    EXPECT_EQ(d.form().control(SpaltenModus).items[3].value, 3);
    EXPECT_TRUE(d.form().checked(Auslegen));
    EXPECT_TRUE(d.form().checked(SystemSI));
    EXPECT_TRUE(d.form().checked(MassMm));
    EXPECT_FALSE(d.form().checked(SystemUS));
    EXPECT_EQ(d.form().text(Serien), "1");
    EXPECT_FALSE(d.form().enabled(Komplettieren));
    EXPECT_FALSE(d.form().visible(LabelWarnung));
    EXPECT_EQ(d.getLogoPfad(), u.dir.dir() + "/pic/Logo.bmp");
    EXPECT_EQ(d.eingabe().errorTitle(), "");  // the test texts have no error caption
    EXPECT_EQ(d.warnung().getBkColor(), 255u);
}

TEST(CBerechnungDlg, TitleWithoutSettingsFileLacksDataVersion) {
    Umgebung u(kTest);
    u.dir.entferne("kalvoria.ini");
    u.app.erzeugeObjekte(u.dir.dir());
    u.app.spracheOeffnen("uk");
    CBerechnungDlg d(u.app);
    EXPECT_EQ(d.caption(), "Kalvoria Test 3.26.");
}

TEST(CBerechnungDlg, LanguageChangeKeepsThreePopupsInNewLanguage) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    u.spracheWaehlen("Deutsch");
    d.befehl(CmdEinstellungen);
    EXPECT_EQ(u.app.getSprachcode(), "de");
    EXPECT_EQ(u.p.settings.values["language"], "Deutsch");
    EXPECT_EQ(d.form().text(PopupDatei), "&Datei");
    EXPECT_EQ(d.form().text(RahmenWarm), "Warme Seite");
    EXPECT_EQ(d.caption(), "Kalvoria Test DE 3.26.12");
    EXPECT_EQ(popups(d), (std::vector<int>{PopupDatei, PopupVerwaltung, PopupInfo}));

    // Same language again, Cancel, or an empty choice: nothing changes.
    u.p.settings.values["language"] = "marker";
    u.spracheWaehlen("Deutsch");
    d.befehl(CmdEinstellungen);
    d.befehl(CmdEinstellungen);  // no script: cancelled
    u.p.dialogs.scripts["DialogSettings"].push_back([](DialogModel& m) {
        dynamic_cast<DialogSettings&>(m).form().select(sprache::Sprache, -1);
        dynamic_cast<DialogSettings&>(m).ok();
        return 1;
    });
    d.befehl(CmdEinstellungen);
    EXPECT_EQ(u.p.settings.values["language"], "marker");
    EXPECT_EQ(u.app.getSprachcode(), "de");
    // without library media the user-defined medium dialog was asked for too
    EXPECT_EQ(std::count(u.p.dialogs.run.begin(), u.p.dialogs.run.end(), "DialogSettings"), 4);
}

TEST(CBerechnungDlg, LanguageDialogPreselectsCurrentLanguage) {
    Umgebung u(kTestDeutsch);
    CBerechnungDlg d(u.app);
    std::string gesehen;
    u.p.dialogs.scripts["DialogSettings"].push_back([&](DialogModel& m) {
        gesehen = m.form().selectedText(sprache::Sprache);
        return 2;
    });
    d.befehl(CmdEinstellungen);
    EXPECT_EQ(gesehen, "Deutsch");
}

TEST(CBerechnungDlg, HelpFallbackAndMessage) {
    Umgebung u(kTestDeutsch);
    CBerechnungDlg d(u.app);
    // no help at all: message with the uk path, default caption
    d.befehl(CmdHilfe);
    ASSERT_EQ(u.p.messages.shown.size(), 1u);
    EXPECT_EQ(u.p.messages.shown[0].text,
              "Cannot read the file" + u.dir.dir() + "/help/uk/index.htm");
    EXPECT_EQ(u.p.messages.shown[0].caption, "");
    EXPECT_EQ(u.p.messages.shown[0].key, "readingfile");
    EXPECT_TRUE(u.p.documents.opened.empty());

    u.dir.schreibe("help/uk/index.htm", "<html></html>");
    d.befehl(CmdHilfe);
    u.dir.schreibe("help/de/index.htm", "<html></html>");
    d.befehl(CmdHilfe);
    EXPECT_EQ(u.p.documents.opened, (std::vector<std::string>{u.dir.dir() + "/help/uk/index.htm",
                                                              u.dir.dir() + "/help/de/index.htm"}));
    EXPECT_EQ(u.p.messages.shown.size(), 1u);
    u.p.documents.canOpen = false;  // no browser: the program's own help window
    d.befehl(CmdHilfe);
    EXPECT_EQ(u.p.documents.helpWindows,
              std::vector<std::string>{u.dir.dir() + "/help/de/index.htm"});
}

// The file dialogs start where the user last chose a project file, also
// after a new start; the first time the platform's documents folder.
TEST(CBerechnungDlg, FileDialogsStartInTheFolderLastUsed) {
    Umgebung u(kTest);
    {
        CBerechnungDlg d(u.app);
        u.p.files.saveAnswers.push_back(u.dir.pfad("projekte/a.kal"));
        d.befehl(CmdSpeichernUnter);  // the folder is missing: not saved
        d.befehl(CmdOeffnen);         // cancelled
    }
    CBerechnungDlg(u.app).befehl(CmdOeffnen);
    EXPECT_EQ(u.p.files.folders,
              (std::vector<std::string>{"", u.dir.pfad("projekte"), u.dir.pfad("projekte")}));
    EXPECT_EQ(u.p.settings.values["lastfolder"], u.dir.pfad("projekte"));
}

// Project dialogs list *.kal files; "save as" suggests the project's own name.
TEST(CBerechnungDlg, ProjectDialogsOfferKalFiles) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    u.p.files.saveAnswers = {u.dir.pfad("a.kal"), u.dir.pfad("b.kal")};
    d.befehl(CmdSpeichernUnter);  // a new project: no name to suggest
    d.befehl(CmdSpeichernUnter);
    d.befehl(CmdOeffnen);
    EXPECT_EQ(u.p.files.extensions, (std::vector<std::string>{"kal", "kal", "kal"}));
    EXPECT_EQ(u.p.files.names, (std::vector<std::string>{"", "a.kal", ""}));
}

TEST(CBerechnungDlg, AboutCaptionIsInfoMenuTextWithoutAmpersand) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    std::string caption, zeile;
    u.p.dialogs.scripts["DialogInfo"].push_back([&](DialogModel& m) {
        caption = m.caption();
        zeile = m.form().text(info::Zeile2);
        return 1;
    });
    d.befehl(CmdInfo);
    EXPECT_EQ(caption, "Info");
    EXPECT_EQ(zeile, "Version  3.26.12, 30.05.2006");
}

TEST(CBerechnungDlg, UnitValueRestoredWithMissingNumbersAsZero) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    fuelleEinheitenListen(d);
    u.p.settings.values["unit"] = "2,1,0,0,0,0,0,0,0,0,0,1";
    d.einheitenLesen();
    EXPECT_EQ(d.form().selection(EinheitLeistung), 2);
    EXPECT_EQ(d.form().selection(EinheitTEinWarm), 1);
    EXPECT_EQ(d.form().selection(EinheitGasDruckKalt), 0);
    EXPECT_TRUE(d.form().checked(SystemUS));
    EXPECT_FALSE(d.form().checked(SystemSI));
    EXPECT_TRUE(d.form().checked(MassInch));  // value 13 missing: inch
    EXPECT_EQ(d.getEinheitensystem(), 1);
    EXPECT_EQ(d.getMillimeter(), 0);

    // A position beyond the list leaves it without selection.
    u.p.settings.values["unit"] = "7";
    d.einheitenLesen();
    EXPECT_EQ(d.form().selection(EinheitLeistung), -1);

    // Too long: ignored, the lists keep what they had.
    d.form().select(EinheitLeistung, 1);
    u.p.settings.values["unit"] = "0," + std::string(300, '1');
    d.einheitenLesen();
    EXPECT_EQ(d.form().selection(EinheitLeistung), 1);
}

TEST(CBerechnungDlg, QuitStoresUnitsAndCloses) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    fuelleEinheitenListen(d);
    d.form().select(EinheitLeistung, 2);
    d.form().select(EinheitGasDruckKalt, 1);
    d.geklickt(SystemUS);
    d.geklickt(MassInch);
    u.p.questions.answers.push_back(Answer::No);  // the units are in a project too
    d.befehl(CmdBeenden);
    EXPECT_EQ(u.p.settings.values["unit"], "2,0,0,0,0,0,0,0,0,0,0,1,0,0,1");
    EXPECT_EQ(d.result(), 1);
}

TEST(CBerechnungDlg, ClosingWithUnwritableStore) {
    {
        Umgebung u(kTest);
        CBerechnungDlg d(u.app);
        u.p.settings.writable = false;
        EXPECT_FALSE(d.schliessfeld());  // close box refused
        EXPECT_FALSE(d.closed());
        ASSERT_EQ(u.p.messages.shown.size(), 1u);
        EXPECT_EQ(u.p.messages.shown[0].text, "Cannot open the user settings.");
        EXPECT_EQ(u.p.messages.shown[0].caption, "");
        d.befehl(CmdBeenden);  // quit closes anyway
        EXPECT_EQ(d.result(), 1);
        EXPECT_EQ(u.p.messages.shown.size(), 2u);
    }
    {
        Umgebung u(kTest);
        CBerechnungDlg d(u.app);
        u.p.settings.available = false;
        EXPECT_FALSE(d.schliessfeld());
        u.p.settings.available = true;
        EXPECT_TRUE(d.schliessfeld());
        EXPECT_EQ(u.p.settings.values["unit"], "0,0,0,0,0,0,0,0,0,0,0,0,1,0,0");
    }
    {
        Umgebung u(kTest);
        CBerechnungDlg d(u.app);
        d.escape();
        EXPECT_EQ(d.result(), 2);
        EXPECT_EQ(u.p.settings.values.count("unit"), 0u);
    }
}

TEST(CBerechnungDlg, ModeSwitchCarriesDesignResultIntoRating) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    Form& f = d.form();
    f.addItem(Plattentyp, "T5", 1);
    f.addItem(Plattentyp, "T10", 2);
    f.setText(ErgPlattentyp, "T10");
    f.setText(ErgSerien, "2");
    f.setText(Serien, "");
    d.geklickt(Nachrechnen);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_EQ(f.selection(Plattentyp), 1);
    EXPECT_EQ(f.text(Serien), "2");
    EXPECT_EQ(f.selection(SerienModus), 1);
    EXPECT_FALSE(f.enabled(SpaltenModus));
    EXPECT_EQ(f.text(ErgPlattentyp), "");  // the reset
    d.geklickt(Auslegen);
    EXPECT_EQ(f.selection(PlattentypModus), 0);
    EXPECT_EQ(f.selection(SpaltenModus), 0);
    EXPECT_EQ(f.selection(SerienModus), 1);
    EXPECT_EQ(f.text(Serien), "1");
    EXPECT_TRUE(f.enabled(SpaltenModus));
}

TEST(CBerechnungDlg, CustomPriceRowOnlyWithCustomPrices) {
    Umgebung u(kTest);
    {
        CBerechnungDlg d(u.app);
        EXPECT_FALSE(d.form().visible(LabelCustomPreis));
        EXPECT_FALSE(d.form().visible(CustomPreis));
        EXPECT_FALSE(d.form().enabled(CustomPreis));
        EXPECT_FALSE(d.form().visible(EinheitCustomPreis));
        EXPECT_TRUE(d.form().visible(Preis));
    }
    PlattentypC c;
    c.objectId = 1;
    u.app.getData().getPlattentypCListe().hinzufuegen(c);
    CBerechnungDlg d(u.app);
    EXPECT_TRUE(d.form().visible(CustomPreis));
    EXPECT_TRUE(d.form().enabled(CustomPreis));
}

TEST(CBerechnungDlg, ResultUnitLabelsFollowTheUnitSystem) {
    Umgebung u(kTest);
    EinheitenGruppeListe& gruppen = u.app.getData().getEinheitenGruppeListe();
    for (int i = 0; i < 16; ++i) {
        EinheitenGruppe g;
        g.objectId = 100 + i;
        Einheit si, us;
        si.objectId = 1000 + i;
        si.name = "si" + std::to_string(i);
        us.objectId = 2000 + i;
        us.name = "us" + std::to_string(i);
        g.einheiten = {si, us};
        g.anzeigeSI = si.objectId;
        g.anzeigeUS = us.objectId;
        gruppen.hinzufuegen(g);
    }
    CBerechnungDlg d(u.app);
    EXPECT_EQ(d.form().text(EinheitAlfa), "si5");
    EXPECT_EQ(d.form().text(EinheitVStutzen), "si15");
    EXPECT_EQ(d.form().text(EinheitFoulingIst), "si14");
    EXPECT_EQ(d.form().text(EinheitFlaeche), "si4");
    EXPECT_EQ(d.form().text(EinheitGewicht), "si6");
    EXPECT_EQ(d.form().text(EinheitCmtd), "si1");
    d.geklickt(SystemUS);
    EXPECT_EQ(d.form().text(EinheitKEff), "us5");
    EXPECT_EQ(d.form().text(EinheitVMin), "us15");
    EXPECT_EQ(d.form().text(EinheitCmtd), "si1");  // a degree of the kelvin's size: the kelvin
}
