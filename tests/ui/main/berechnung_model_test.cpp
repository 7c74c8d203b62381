#include "berechnung_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialoginfo.h"
#include "dialogsettings.h"
#include "scripted.h"
#include "testdir.h"

using namespace kal;
using namespace kal::hd;

namespace {

// An application after start-up in "uk", ready for a main dialog.
struct Umgebung {
    kaltest::TempAppDir dir;
    ScriptedPorts p;
    CBerechnungApp app{p.ports(), false};
    explicit Umgebung(const std::string& sprache = "English") {
        p.settings.values["language"] = sprache;
        app.erzeugeObjekte(dir.dir());
        app.spracheFestlegen();
    }
    void waehle(const std::string& name) {
        p.dialogs.scripts["DialogSettings"].push_back([name](DialogModel& m) {
            auto& d = dynamic_cast<DialogSettings&>(m);
            d.form().select(1134, d.form().findExact(1134, name));
            d.ok();
            return 1;
        });
    }
};

std::vector<int> popups(const CBerechnungDlg& d) {
    std::vector<int> ids;
    for (const MenuPopup& m : d.menu()) ids.push_back(m.id);
    return ids;
}

void fuelleEinheitenListen(CBerechnungDlg& d) {
    for (int id : CBerechnungDlg::kUnitListen) {
        if (id == US || id == MM) continue;
        d.form().clearItems(id);
        for (int i = 0; i < 3; ++i) d.form().addItem(id, "u" + std::to_string(i), i);
        d.form().select(id, 0);
    }
}

}  // namespace

TEST(CBerechnungDlg, InitialisationTitleMenuAndTexts) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    EXPECT_EQ(d.caption(), "Kalvoria Test 3.26.12");
    EXPECT_EQ(popups(d), (std::vector<int>{POPUP_DATEI, POPUP_VERWALTUNG, POPUP_INFO}));
    EXPECT_EQ(d.form().text(POPUP_DATEI), "&File");
    EXPECT_EQ(d.form().text(CMD_BEENDEN), "&Quit");
    EXPECT_EQ(d.form().text(WARM_RAHMEN), "Warm side");
    EXPECT_EQ(d.form().text(ERG_KOPF_WARM), "Warm side");
    EXPECT_EQ(d.form().text(PREIS), "on request");
    EXPECT_EQ(d.form().text(PREIS_EINHEIT), "EUR");
    EXPECT_EQ(d.form().text(LIEFERZEIT_EINHEIT), "weeks");
    EXPECT_EQ(d.form().itemCount(SERIEN_MODUS), 4);
    EXPECT_EQ(d.form().control(SPALTEN_MODUS).items[1].text, "fixed");
    EXPECT_EQ(d.form().control(SPALTEN_MODUS).items[3].value, 3);
    EXPECT_TRUE(d.form().checked(AUSLEGEN));
    EXPECT_TRUE(d.form().checked(SI));
    EXPECT_TRUE(d.form().checked(MM));
    EXPECT_FALSE(d.form().checked(US));
    EXPECT_EQ(d.form().text(SERIEN), "1");
    EXPECT_FALSE(d.form().enabled(KOMPLETTIEREN));
    EXPECT_FALSE(d.form().visible(WARNUNG));
    EXPECT_EQ(d.getLogoPfad(), u.dir.dir() + "/pic/Logo.bmp");
    EXPECT_EQ(d.eingabe().errorTitle(), "Kalvoria Test");
    EXPECT_EQ(d.warnung().getBkColor(), 255u);
}

TEST(CBerechnungDlg, TitleWithoutSettingsFileLacksDataVersion) {
    Umgebung u;
    u.dir.entferne("kalvoria.ini");
    u.app.erzeugeObjekte(u.dir.dir());
    u.app.spracheOeffnen("uk");
    CBerechnungDlg d(u.app);
    EXPECT_EQ(d.caption(), "Kalvoria Test 3.26.");
}

TEST(CBerechnungDlg, LanguageChangeKeepsThreePopupsInNewLanguage) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    u.waehle("Deutsch");
    d.befehl(CMD_EINSTELLUNGEN);
    EXPECT_EQ(u.app.getSprachcode(), "de");
    EXPECT_EQ(u.p.settings.values["language"], "Deutsch");
    EXPECT_EQ(d.form().text(POPUP_DATEI), "&Datei");
    EXPECT_EQ(d.form().text(WARM_RAHMEN), "Warme Seite");
    EXPECT_EQ(d.caption(), "Kalvoria Test DE 3.26.12");
    EXPECT_EQ(popups(d), (std::vector<int>{POPUP_DATEI, POPUP_VERWALTUNG, POPUP_INFO}));

    // Same language again, Cancel, or an empty choice: nothing changes.
    u.p.settings.values["language"] = "marker";
    u.waehle("Deutsch");
    d.befehl(CMD_EINSTELLUNGEN);
    d.befehl(CMD_EINSTELLUNGEN);  // no script: cancelled
    u.p.dialogs.scripts["DialogSettings"].push_back([](DialogModel& m) {
        dynamic_cast<DialogSettings&>(m).form().select(1134, -1);
        dynamic_cast<DialogSettings&>(m).ok();
        return 1;
    });
    d.befehl(CMD_EINSTELLUNGEN);
    EXPECT_EQ(u.p.settings.values["language"], "marker");
    EXPECT_EQ(u.app.getSprachcode(), "de");
    // without library media the user-defined medium dialog was asked for too
    EXPECT_EQ(std::count(u.p.dialogs.run.begin(), u.p.dialogs.run.end(), "DialogSettings"), 4);
}

TEST(CBerechnungDlg, LanguageDialogPreselectsCurrentLanguage) {
    Umgebung u("Deutsch");
    CBerechnungDlg d(u.app);
    std::string gesehen;
    u.p.dialogs.scripts["DialogSettings"].push_back([&](DialogModel& m) {
        gesehen = m.form().selectedText(1134);
        return 2;
    });
    d.befehl(CMD_EINSTELLUNGEN);
    EXPECT_EQ(gesehen, "Deutsch");
}

TEST(CBerechnungDlg, HelpFallbackAndMessage) {
    Umgebung u("Deutsch");
    CBerechnungDlg d(u.app);
    // no help at all: message with the uk path, default caption
    d.befehl(CMD_HILFE);
    ASSERT_EQ(u.p.messages.shown.size(), 1u);
    EXPECT_EQ(u.p.messages.shown[0].text,
              "Cannot read the file" + u.dir.dir() + "/help/uk/index.htm");
    EXPECT_EQ(u.p.messages.shown[0].caption, "");
    EXPECT_EQ(u.p.messages.shown[0].key, "readingfile");
    EXPECT_TRUE(u.p.documents.opened.empty());

    u.dir.schreibe("help/uk/index.htm", "<html></html>");
    d.befehl(CMD_HILFE);
    u.dir.schreibe("help/de/index.htm", "<html></html>");
    d.befehl(CMD_HILFE);
    EXPECT_EQ(u.p.documents.opened, (std::vector<std::string>{u.dir.dir() + "/help/uk/index.htm",
                                                              u.dir.dir() + "/help/de/index.htm"}));
    EXPECT_EQ(u.p.messages.shown.size(), 1u);
}

TEST(CBerechnungDlg, AboutCaptionIsInfoMenuTextWithoutAmpersand) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    std::string caption, zeile;
    u.p.dialogs.scripts["DialogInfo"].push_back([&](DialogModel& m) {
        caption = m.caption();
        zeile = m.form().text(1372);
        return 1;
    });
    d.befehl(CMD_INFO);
    EXPECT_EQ(caption, "Info");
    EXPECT_EQ(zeile, "Version  3.26.12, 30.05.2006");
}

TEST(CBerechnungDlg, UnitValueRestoredWithMissingNumbersAsZero) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    fuelleEinheitenListen(d);
    u.p.settings.values["unit"] = "2,1,0,0,0,0,0,0,0,0,0,1";
    d.einheitenLesen();
    EXPECT_EQ(d.form().selection(LEISTUNG_EINHEIT), 2);
    EXPECT_EQ(d.form().selection(W_TEIN_EINHEIT), 1);
    EXPECT_EQ(d.form().selection(K_GASDRUCK_EINHEIT), 0);
    EXPECT_TRUE(d.form().checked(US));
    EXPECT_FALSE(d.form().checked(SI));
    EXPECT_TRUE(d.form().checked(INCH));  // value 13 missing: inch
    EXPECT_EQ(d.getEinheitensystem(), 1);
    EXPECT_EQ(d.getMillimeter(), 0);

    // A position beyond the list leaves it without selection.
    u.p.settings.values["unit"] = "7";
    d.einheitenLesen();
    EXPECT_EQ(d.form().selection(LEISTUNG_EINHEIT), -1);

    // Too long: ignored, the lists keep what they had.
    d.form().select(LEISTUNG_EINHEIT, 1);
    u.p.settings.values["unit"] = "0," + std::string(300, '1');
    d.einheitenLesen();
    EXPECT_EQ(d.form().selection(LEISTUNG_EINHEIT), 1);
}

TEST(CBerechnungDlg, QuitStoresUnitsAndCloses) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    fuelleEinheitenListen(d);
    d.form().select(LEISTUNG_EINHEIT, 2);
    d.form().select(K_GASDRUCK_EINHEIT, 1);
    d.geklickt(US);
    d.geklickt(INCH);
    d.befehl(CMD_BEENDEN);
    EXPECT_EQ(u.p.settings.values["unit"], "2,0,0,0,0,0,0,0,0,0,0,1,0,0,1");
    EXPECT_EQ(d.result(), 1);
}

TEST(CBerechnungDlg, ClosingWithUnwritableStore) {
    {
        Umgebung u;
        CBerechnungDlg d(u.app);
        u.p.settings.writable = false;
        EXPECT_FALSE(d.schliessfeld());  // close box refused
        EXPECT_FALSE(d.closed());
        ASSERT_EQ(u.p.messages.shown.size(), 1u);
        EXPECT_EQ(u.p.messages.shown[0].text, "Cannot open the user settings.");
        EXPECT_EQ(u.p.messages.shown[0].caption, "");
        d.befehl(CMD_BEENDEN);  // quit closes anyway
        EXPECT_EQ(d.result(), 1);
        EXPECT_EQ(u.p.messages.shown.size(), 2u);
    }
    {
        Umgebung u;
        CBerechnungDlg d(u.app);
        u.p.settings.available = false;
        EXPECT_FALSE(d.schliessfeld());
        u.p.settings.available = true;
        EXPECT_TRUE(d.schliessfeld());
        EXPECT_EQ(u.p.settings.values["unit"], "0,0,0,0,0,0,0,0,0,0,0,0,1,0,0");
    }
    {
        Umgebung u;
        CBerechnungDlg d(u.app);
        d.escape();
        EXPECT_EQ(d.result(), 2);
        EXPECT_EQ(u.p.settings.values.count("unit"), 0u);
    }
}

TEST(CBerechnungDlg, ModeSwitchCarriesDesignResultIntoRating) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    Form& f = d.form();
    f.addItem(PLATTENTYP, "T5", 1);
    f.addItem(PLATTENTYP, "T10", 2);
    f.setText(PLATTENTYP_ERG, "T10");
    f.setText(SERIEN_ERG, "2");
    f.setText(SERIEN, "");
    d.geklickt(NACHRECHNEN);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_EQ(f.selection(PLATTENTYP), 1);
    EXPECT_EQ(f.text(SERIEN), "2");
    EXPECT_EQ(f.selection(SERIEN_MODUS), 1);
    EXPECT_FALSE(f.enabled(SPALTEN_MODUS));
    EXPECT_EQ(f.text(PLATTENTYP_ERG), "");  // the reset
    d.geklickt(AUSLEGEN);
    EXPECT_EQ(f.selection(PLATTENTYP_MODUS), 0);
    EXPECT_EQ(f.selection(SPALTEN_MODUS), 0);
    EXPECT_EQ(f.selection(SERIEN_MODUS), 1);
    EXPECT_EQ(f.text(SERIEN), "1");
    EXPECT_TRUE(f.enabled(SPALTEN_MODUS));
}

TEST(CBerechnungDlg, CustomPriceRowOnlyWithCustomPrices) {
    Umgebung u;
    {
        CBerechnungDlg d(u.app);
        EXPECT_FALSE(d.form().visible(KPREIS_LABEL));
        EXPECT_FALSE(d.form().visible(KPREIS));
        EXPECT_FALSE(d.form().enabled(KPREIS));
        EXPECT_FALSE(d.form().visible(KPREIS_EINHEIT));
        EXPECT_TRUE(d.form().visible(PREIS));
    }
    PlattentypC c;
    c.objectId = 1;
    u.app.getData().getPlattentypCListe().hinzufuegen(c);
    CBerechnungDlg d(u.app);
    EXPECT_TRUE(d.form().visible(KPREIS));
    EXPECT_TRUE(d.form().enabled(KPREIS));
}

TEST(CBerechnungDlg, ResultUnitLabelsFollowTheUnitSystem) {
    Umgebung u;
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
    EXPECT_EQ(d.form().text(ALFA_EINHEIT), "si5");
    EXPECT_EQ(d.form().text(VSTUTZEN_EINHEIT), "si15");
    EXPECT_EQ(d.form().text(FOULING1_EINHEIT), "si14");
    EXPECT_EQ(d.form().text(FLAECHE_EINHEIT), "si4");
    EXPECT_EQ(d.form().text(GEWICHT_EINHEIT), "si6");
    EXPECT_EQ(d.form().text(CMTD_EINHEIT), "si1");
    d.geklickt(US);
    EXPECT_EQ(d.form().text(K3_EINHEIT), "us5");
    EXPECT_EQ(d.form().text(VMIN_EINHEIT), "us15");
    EXPECT_EQ(d.form().text(CMTD_EINHEIT), "si1");  // always the first unit
}
