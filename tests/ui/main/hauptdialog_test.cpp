// The main dialog model as a whole on the shipped data: lists, field rules,
// calculation, project file, user-defined medium and permission grid.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "addmedium_model.h"
#include "berechnung_model.h"
#include "scripted.h"
#include "spalttypdlg_model.h"

using namespace kal;
using namespace kal::hd;
namespace fs = std::filesystem;

namespace {

std::string distDir() {
    const char* d = std::getenv("KAL_DIST_DIR");
    return d && *d ? d : KAL_DIST_DEFAULT;
}

// A throw-away application directory with copies of the shipped data,
// language files and settings file; the installation tree stays untouched.
struct AppDir {
    fs::path pfad;
    AppDir() {
        std::random_device rd;
        pfad = fs::temp_directory_path() /
               ("kal_hd_" + std::to_string(rd()) + "_" + std::to_string(rd()));
        fs::create_directories(pfad);
        for (const char* teil : {"data", "language"})
            fs::copy(fs::path(distDir()) / teil, pfad / teil, fs::copy_options::recursive);
        fs::copy_file(fs::path(distDir()) / "kalvoria.ini", pfad / "kalvoria.ini");
    }
    ~AppDir() {
        std::error_code ec;
        fs::remove_all(pfad, ec);
    }
    std::string datei(const std::string& rel) const { return (pfad / rel).string(); }
};

// Start-up in English with its own settings store; `vorher` runs before
// the dialog would be built (stored values).
struct Umgebung {
    AppDir dir;
    ScriptedPorts p;
    CBerechnungApp app;
    explicit Umgebung(bool werksmodus = false) : app(p.ports(), werksmodus) {
        p.settings.values["language"] = "English";
        app.erzeugeObjekte(dir.pfad.string());
        app.spracheFestlegen();
    }
    std::vector<std::string> meldungsKeys() const {
        std::vector<std::string> k;
        for (const Message& m : p.messages.shown) k.push_back(m.key);
        return k;
    }
};

void tippe(CBerechnungDlg& d, int id, const std::string& text) {
    d.form().setText(id, text);
    d.textGeaendert(id);
}

void waehle(CBerechnungDlg& d, int id, int pos) {
    d.form().select(id, pos);
    d.auswahlGeaendert(id);
}

void waehle(CBerechnungDlg& d, int id, const std::string& text) {
    int pos = d.form().findExact(id, text);
    ASSERT_GE(pos, 0) << id << " has no entry " << text;
    waehle(d, id, pos);
}

std::vector<std::string> texte(const Form& f, int id) {
    std::vector<std::string> t;
    for (const ListEntry& e : f.find(id)->items) t.push_back(e.text);
    return t;
}

// Water/water design: 500 kW, 90 -> 60 and 20 -> 50 degC, 50 kPa each side.
void wasserWasser(CBerechnungDlg& d) {
    tippe(d, LEISTUNG, "500");
    tippe(d, W_TEIN, "90");
    tippe(d, W_TAUS, "60");
    tippe(d, K_TEIN, "20");
    tippe(d, K_TAUS, "50");
    tippe(d, W_DP, "50");
    tippe(d, K_DP, "50");
}

bool ergebnisSichtbar(const CBerechnungDlg& d) {
    const Form& f = d.form();
    return d.getErgebnisVorhanden() && f.enabled(KOMPLETTIEREN) && !f.text(FLAECHE).empty() &&
           !f.text(MELDUNG).empty();
}

bool ergebnisLeer(const CBerechnungDlg& d) {
    const Form& f = d.form();
    return !d.getErgebnisVorhanden() && !f.enabled(KOMPLETTIEREN) && f.text(FLAECHE).empty() &&
           f.text(PLATTENTYP_ERG).empty() && f.text(MELDUNG).empty() && f.text(K1).empty();
}

const int kListen[] = {PLATTENMATERIAL,    DICHTUNG_W,         DICHTUNG_K,        GESTELLMATERIAL,
                       GESTELLNORM,        DRUCKSTUFE,         PLATTENTYP,        W_MEDIUM,
                       K_MEDIUM,           SPALT1_TYP,         SPALT2_TYP,        LEISTUNG_EINHEIT,
                       W_TEIN_EINHEIT,     W_TAUS_EINHEIT,     K_TEIN_EINHEIT,    K_TAUS_EINHEIT,
                       W_FLUSS_EINHEIT,    K_FLUSS_EINHEIT,    W_DP_EINHEIT,      K_DP_EINHEIT,
                       W_GASDRUCK_EINHEIT, K_GASDRUCK_EINHEIT, W_FOULING_EINHEIT, K_FOULING_EINHEIT,
                       PLATTENTYP_MODUS,   SPALTEN_MODUS,      SERIEN_MODUS};

// Everything a project restores: edit texts, list selections (as texts),
// check states and the mode.
std::vector<std::string> eintraege(const CBerechnungDlg& d) {
    const Form& f = d.form();
    std::vector<std::string> e;
    for (int id : CBerechnungDlg::kProjektEdits) e.push_back(std::to_string(id) + "=" + f.text(id));
    for (int id : kListen) e.push_back(std::to_string(id) + ":" + f.selectedText(id));
    for (int id : {SICHERHEIT, AUSLEGEN, NACHRECHNEN, MM, INCH, US, SI})
        e.push_back(std::to_string(id) + (f.checked(id) ? "+" : "-"));
    return e;
}

std::string lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void schreibeDatei(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

// Fills the user-defined medium dialog and confirms it.
ScriptedDialogs::Script eigenesMedium(const std::string& name) {
    return [name](DialogModel& m) {
        auto& dlg = dynamic_cast<AddMediumModel&>(m);
        Form& f = dlg.form();
        f.setText(AddMediumModel::Name, name);
        for (int id : AddMediumModel::kEdits) f.setText(id, "1");
        f.setText(AddMediumModel::Alfa, "");
        dlg.speichernGeklickt();
        return dlg.result();
    };
}

}  // namespace

// --- initialisation --------------------------------------------------------

TEST(Hauptdialog, ListsStartOnTheirFirstSelections) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    struct Fall {
        int liste;
        int anzahl;
        std::string auswahl;
    } faelle[] = {
        {PLATTENMATERIAL, 4, "AISI 316"},
        {DICHTUNG_W, 4, "NBR  -  110 °C"},
        {DICHTUNG_K, 4, "NBR  -  110 °C"},
        {GESTELLMATERIAL, 2, "C-Steel"},
        {GESTELLNORM, 2, "DIN"},
        {DRUCKSTUFE, 4, "6"},
        {PLATTENTYP, 9, "KX 04"},
        {W_MEDIUM, 13, "Water"},
        {K_MEDIUM, 12, "Water"},
        {SPALT1_TYP, 9, ""},
        {SPALT2_TYP, 9, ""},
        {LEISTUNG_EINHEIT, 4, "kW"},
        {W_TEIN_EINHEIT, 3, "°C"},
        {K_TAUS_EINHEIT, 3, "°C"},
        {W_FLUSS_EINHEIT, 9, "kg/s"},
        {K_FLUSS_EINHEIT, 9, "kg/s"},
        {W_DP_EINHEIT, 6, "kPa"},
        {K_GASDRUCK_EINHEIT, 6, "kPa"},
        {W_FOULING_EINHEIT, 2, "m²·K/W"},
        {PLATTENTYP_MODUS, 4, "free"},
        {SPALTEN_MODUS, 4, "free"},
        {SERIEN_MODUS, 4, "fixed"},
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.liste);
        EXPECT_EQ(f.itemCount(c.liste), c.anzahl);
        EXPECT_EQ(f.selectedText(c.liste), c.auswahl);
    }
    // Steam condenses and is offered on the warm side only; both lists end
    // with the user-defined entry.
    EXPECT_GE(f.findExact(W_MEDIUM, "Steam"), 0);
    EXPECT_LT(f.findExact(K_MEDIUM, "Steam"), 0);
    EXPECT_EQ(texte(f, W_MEDIUM).back(), "other medium");
    EXPECT_EQ(texte(f, K_MEDIUM).back(), "other medium");

    EXPECT_EQ(d.getModus(), 0);
    EXPECT_TRUE(f.checked(AUSLEGEN));
    EXPECT_EQ(f.text(SERIEN), "1");
    EXPECT_FALSE(f.visible(PLATTENTYP));  // plate type mode "free"
    EXPECT_FALSE(f.visible(SPALTEN));
    EXPECT_FALSE(f.enabled(SPALT1_TYP));
    EXPECT_FALSE(f.visible(W_GASDRUCK));
    EXPECT_FALSE(f.enabled(KOMPLETTIEREN));
    EXPECT_TRUE(f.enabled(PLATTENMATERIAL));
    EXPECT_EQ(f.text(TEIN_LABEL), "Inlet temperature");
    EXPECT_TRUE(u.p.messages.shown.empty());
}

TEST(Hauptdialog, WarningLabelOnlyInWerksmodusWithDeviations) {
    struct Fall {
        bool werksmodus;
        const char* gespeichert;  // nullptr: no stored value
        bool sichtbar;
    } faelle[] = {
        // deviations still restrict outside Werksmodus, but show no warning
        {false, nullptr, false},
        {false, "1:1:1:4,", false},
        {true, nullptr, false},
        {true, "", false},
        {true, "1:1:1:4,", true},
        {true, "99:99:99:4,", false},  // a combination the library never permits
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(std::string(c.gespeichert ? c.gespeichert : "none") +
                     (c.werksmodus ? " werksmodus" : ""));
        Umgebung u(c.werksmodus);
        if (c.gespeichert) u.p.settings.values["PlattentypSpalttypZulaessig3.1"] = c.gespeichert;
        CBerechnungDlg d(u.app);
        EXPECT_EQ(d.form().visible(WARNUNG), c.sichtbar);
        EXPECT_TRUE(u.p.messages.shown.empty());
    }
}

// --- calculation and the result reset ----------------------------------------

TEST(Hauptdialog, WaterWaterDesignGivesAConsistentResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    EXPECT_TRUE(ergebnisSichtbar(d));
    EXPECT_TRUE(u.p.messages.shown.empty());
    EXPECT_NE(f.text(MELDUNG).find("configurations evaluated"), std::string::npos);
    // the result plate type is one the user could choose
    EXPECT_GE(f.findExact(PLATTENTYP, f.text(PLATTENTYP_ERG)), 0) << f.text(PLATTENTYP_ERG);
    EXPECT_FALSE(f.text(SPALT1_ANZAHL).empty());
    EXPECT_GE(f.selection(SPALT1_TYP), 0);
    // channels per side = passes x channels per pass of the warm types
    const int anzahl =
        std::atoi(f.text(SPALT1_ANZAHL).c_str()) + std::atoi(f.text(SPALT2_ANZAHL).c_str());
    EXPECT_EQ(std::atoi(f.text(SPALTEN_ERG).c_str()),
              std::atoi(f.text(SERIEN_ERG).c_str()) * anzahl);
    // the duty was met: the balance shows the 500 kW asked for
    EXPECT_EQ(f.text(LEISTUNG_ERG), "500");
    EXPECT_EQ(u.p.waitCursor.begun, 1);
    EXPECT_EQ(u.p.waitCursor.depth, 0);
}

TEST(Hauptdialog, ImpossibleCaseGivesNoResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    tippe(d, LEISTUNG, "200000");  // far beyond the largest plate's nozzles
    EXPECT_FALSE(d.berechnen());
    EXPECT_FALSE(d.getErgebnisVorhanden());
    EXPECT_FALSE(d.form().enabled(KOMPLETTIEREN));
    EXPECT_EQ(d.form().text(MELDUNG).rfind("No result", 0), 0u) << d.form().text(MELDUNG);
    EXPECT_TRUE(d.form().text(FLAECHE).empty());
    EXPECT_EQ(u.p.waitCursor.depth, 0);
}

TEST(Hauptdialog, RefusedInputAfterAResultDoesNotEnableCompletion) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    tippe(d, W_DP, "0.01");  // below the least allowed pressure loss
    EXPECT_FALSE(d.berechnen());
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{"warmPressureToLow"});
    EXPECT_TRUE(ergebnisLeer(d));
    EXPECT_EQ(u.p.waitCursor.begun, 2);
    EXPECT_EQ(u.p.waitCursor.depth, 0);
}

TEST(Hauptdialog, EveryResetTriggerClearsAShownResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    const int texte[] = {LEISTUNG,  RESERVE, W_FLUSS, W_DP,   W_FOULING, K_DP,  K_FLUSS,
                         K_FOULING, W_TEIN,  SPALTEN, K_TEIN, W_TAUS,    K_TAUS};
    const int listen[] = {
        GESTELLMATERIAL,  GESTELLNORM,       LEISTUNG_EINHEIT, K_DP_EINHEIT,   K_FOULING_EINHEIT,
        W_DP_EINHEIT,     W_FOULING_EINHEIT, W_TEIN_EINHEIT,   W_TAUS_EINHEIT, DICHTUNG_W,
        SPALT1_TYP,       SPALT2_TYP,        K_TEIN_EINHEIT,   K_TAUS_EINHEIT, DICHTUNG_K,
        W_FLUSS_EINHEIT,  K_FLUSS_EINHEIT,   PLATTENMATERIAL,  DRUCKSTUFE,     PLATTENTYP,
        PLATTENTYP_MODUS, SPALTEN_MODUS,     SERIEN_MODUS,     W_MEDIUM,       K_MEDIUM};
    // The handler runs with the value unchanged, so the next calculation
    // gives the same result again.
    for (int id : texte) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(d.berechnen());
        ASSERT_TRUE(ergebnisSichtbar(d));
        d.textGeaendert(id);
        EXPECT_TRUE(ergebnisLeer(d));
    }
    for (int id : listen) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(d.berechnen());
        d.auswahlGeaendert(id);
        EXPECT_TRUE(ergebnisLeer(d));
    }
    for (int id : {SERIEN}) {
        ASSERT_TRUE(d.berechnen());
        d.textGeaendert(id);
        EXPECT_TRUE(ergebnisLeer(d));
    }
    ASSERT_TRUE(d.berechnen());
    d.geklickt(SICHERHEIT);
    EXPECT_TRUE(ergebnisLeer(d));
}

TEST(Hauptdialog, GasPressureAndUnitChoicesKeepTheResult) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    const std::string flaeche = d.form().text(FLAECHE);
    d.textGeaendert(W_GASDRUCK);
    d.textGeaendert(K_GASDRUCK);
    d.auswahlGeaendert(W_GASDRUCK_EINHEIT);
    d.auswahlGeaendert(K_GASDRUCK_EINHEIT);
    d.textGeaendert(SPALT1_ANZAHL);  // only marks the counts as edited
    EXPECT_TRUE(ergebnisSichtbar(d));
    // the unit system redisplays the same result in US units
    d.geklickt(US);
    EXPECT_TRUE(ergebnisSichtbar(d));
    EXPECT_NE(d.form().text(FLAECHE), flaeche);
    d.geklickt(SI);
    EXPECT_EQ(d.form().text(FLAECHE), flaeche);
}

// --- modes ------------------------------------------------------------------

TEST(Hauptdialog, RatingAfterDesignCalculatesTheSamePack) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    const std::string typ = f.text(PLATTENTYP_ERG), serien = f.text(SERIEN_ERG);
    const std::string a1 = f.text(SPALT1_ANZAHL), t1 = f.selectedText(SPALT1_TYP);
    const std::string a2 = f.text(SPALT2_ANZAHL), t2 = f.selectedText(SPALT2_TYP);
    const std::string flaeche = f.text(FLAECHE), preis = f.text(KPREIS), gewicht = f.text(GEWICHT);
    ASSERT_FALSE(preis.empty());

    d.geklickt(NACHRECHNEN);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_EQ(f.selectedText(PLATTENTYP), typ);
    EXPECT_EQ(f.text(SERIEN), serien);
    EXPECT_EQ(f.text(SPALT1_ANZAHL), a1);
    EXPECT_EQ(f.selectedText(SPALT1_TYP), t1);
    EXPECT_EQ(f.text(SPALT2_ANZAHL), a2);
    EXPECT_EQ(f.selectedText(SPALT2_TYP), t2);
    // the channels per side are computed from the carried-over counts
    EXPECT_EQ(f.text(SPALTEN), std::to_string(std::atoi(serien.c_str()) *
                                              (std::atoi(a1.c_str()) + std::atoi(a2.c_str()))));
    for (int id : {PLATTENTYP_MODUS, SPALTEN_MODUS, SERIEN_MODUS}) {
        EXPECT_EQ(f.selection(id), 1) << id;
        EXPECT_FALSE(f.enabled(id)) << id;
    }
    EXPECT_TRUE(f.visible(PLATTENTYP));
    EXPECT_FALSE(f.enabled(SPALTEN));  // computed from the counts
    EXPECT_TRUE(f.enabled(SPALT2_TYP));
    EXPECT_TRUE(ergebnisLeer(d));

    ASSERT_TRUE(d.berechnen());
    EXPECT_TRUE(ergebnisSichtbar(d));
    EXPECT_EQ(f.text(PLATTENTYP_ERG), typ);
    EXPECT_EQ(f.text(FLAECHE), flaeche);
    EXPECT_EQ(f.text(KPREIS), preis);
    EXPECT_EQ(f.text(GEWICHT), gewicht);

    d.geklickt(AUSLEGEN);
    EXPECT_EQ(f.selection(PLATTENTYP_MODUS), 0);
    EXPECT_EQ(f.selection(SPALTEN_MODUS), 0);
    EXPECT_EQ(f.selection(SERIEN_MODUS), 1);
    EXPECT_EQ(f.text(SERIEN), "1");
    EXPECT_TRUE(f.enabled(SERIEN_MODUS));
    EXPECT_FALSE(f.visible(PLATTENTYP));
    EXPECT_TRUE(ergebnisLeer(d));
    EXPECT_TRUE(f.text(SPALT1_ANZAHL).empty());  // the design reset clears the counts
}

TEST(Hauptdialog, ChannelsPerSideInRating) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    d.geklickt(NACHRECHNEN);
    tippe(d, SPALT1_ANZAHL, "10");
    tippe(d, SPALT2_ANZAHL, "5");
    tippe(d, SERIEN, "2");
    d.fokusVerloren(SERIEN);
    EXPECT_EQ(d.form().text(SPALTEN), "30");
    EXPECT_FALSE(d.getSpaltenEditiert());

    // a second focus loss without an edit leaves the total alone
    d.form().setText(SPALTEN, "x");
    d.fokusVerloren(SPALT1_ANZAHL);
    EXPECT_EQ(d.form().text(SPALTEN), "x");
    d.form().setText(SPALTEN, "30");

    tippe(d, SPALT2_ANZAHL, "5a");
    d.fokusVerloren(SPALT2_ANZAHL);
    ASSERT_EQ(u.p.messages.shown.size(), 1u);
    EXPECT_EQ(u.p.messages.shown[0].text, "Please enter a valid number.");
    EXPECT_EQ(d.form().text(SPALTEN), "30");

    tippe(d, SPALT2_ANZAHL, "-1");
    d.fokusVerloren(SPALT2_ANZAHL);
    EXPECT_EQ(u.p.messages.shown.size(), 2u);
    EXPECT_EQ(d.form().text(SPALTEN), "30");

    tippe(d, SPALT2_ANZAHL, "");  // an empty count counts as none
    tippe(d, SERIEN, "0");        // passes 0 or less count as one
    d.fokusVerloren(SERIEN);
    EXPECT_EQ(d.form().text(SPALTEN), "10");

    // design computes nothing on focus loss
    d.geklickt(AUSLEGEN);
    tippe(d, SPALT1_ANZAHL, "7");
    d.fokusVerloren(SPALT1_ANZAHL);
    EXPECT_EQ(d.form().text(SPALTEN), "10");
}

// --- media ------------------------------------------------------------------

TEST(Hauptdialog, CondensingSteamOnTheWarmSide) {
    for (bool werksmodus : {false, true}) {
        SCOPED_TRACE(werksmodus);
        Umgebung u(werksmodus);
        CBerechnungDlg d(u.app);
        const Form& f = d.form();
        waehle(d, DICHTUNG_W, "EPDM  -  150 °C");
        waehle(d, W_MEDIUM, "Steam");
        EXPECT_EQ(f.text(TEIN_LABEL), "Condensing temperature");
        EXPECT_EQ(f.text(TAUS_LABEL), "Subcooling");
        EXPECT_EQ(f.selectedText(W_TAUS_EINHEIT), "K");
        EXPECT_FALSE(f.enabled(W_TAUS_EINHEIT));
        EXPECT_EQ(f.selection(SERIEN_MODUS), 1);
        EXPECT_FALSE(f.enabled(SERIEN_MODUS));
        EXPECT_EQ(f.text(SERIEN), "1");
        EXPECT_FALSE(f.enabled(SERIEN));
        EXPECT_FALSE(f.visible(W_GASDRUCK));  // a condensing gas has no gas pressure
        EXPECT_EQ(f.selectedText(DICHTUNG_W), "EPDM  -  150 °C");  // kept: one of the three
        if (werksmodus)
            EXPECT_EQ(f.itemCount(DICHTUNG_W), 4);
        else
            EXPECT_EQ(texte(f, DICHTUNG_W),
                      (std::vector<std::string>{"EPDM  -  150 °C", "EPDM HT  -  180 °C",
                                                "Viton S  -  180 °C"}));
        EXPECT_EQ(f.itemCount(DICHTUNG_K), 4);  // the cold side is never restricted

        // rating: one channel type per side
        tippe(d, SPALT2_ANZAHL, "4");
        d.geklickt(NACHRECHNEN);
        EXPECT_TRUE(f.enabled(SPALT1_TYP));
        EXPECT_FALSE(f.enabled(SPALT2_TYP));
        EXPECT_EQ(f.selection(SPALT2_TYP), -1);
        EXPECT_FALSE(f.enabled(SPALT2_ANZAHL));
        EXPECT_EQ(f.text(SPALT2_ANZAHL), "");
        d.geklickt(AUSLEGEN);

        // back to water: the outlet unit follows the inlet unit again
        waehle(d, W_TEIN_EINHEIT, "°F");
        waehle(d, W_MEDIUM, "Water");
        EXPECT_EQ(f.selectedText(W_TAUS_EINHEIT), "°F");
        EXPECT_TRUE(f.enabled(W_TAUS_EINHEIT));
        EXPECT_EQ(f.text(TEIN_LABEL), "Inlet temperature");
        EXPECT_EQ(f.itemCount(DICHTUNG_W), 4);
        EXPECT_EQ(f.selectedText(DICHTUNG_W), "EPDM  -  150 °C");
        EXPECT_TRUE(f.enabled(SERIEN_MODUS));
    }
}

TEST(Hauptdialog, CondensingReplacesAnUnlistedGasketByEpdmHt) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.form().selectedText(DICHTUNG_W), "NBR  -  110 °C");
    waehle(d, W_MEDIUM, "Steam");
    EXPECT_EQ(d.form().selectedText(DICHTUNG_W), "EPDM HT  -  180 °C");
}

TEST(Hauptdialog, GasPressureShownForLibraryGases) {
    struct Fall {
        int seite;
        const char* medium;
        bool warm, kalt;
    } faelle[] = {
        {0, "Dry Air", true, false}, {1, "Dry Air", false, true}, {1, "Nitrogen", false, true},
        {0, "Steam", false, false},  {0, "Milk", false, false},
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(std::string(c.medium) + " side " + std::to_string(c.seite));
        Umgebung u;
        CBerechnungDlg d(u.app);
        waehle(d, c.seite == 0 ? W_MEDIUM : K_MEDIUM, c.medium);
        const Form& f = d.form();
        EXPECT_EQ(f.visible(W_GASDRUCK), c.warm);
        EXPECT_EQ(f.enabled(W_GASDRUCK_EINHEIT), c.warm);
        EXPECT_EQ(f.visible(K_GASDRUCK), c.kalt);
        EXPECT_EQ(f.visible(K_GASDRUCK_EINHEIT), c.kalt);
        EXPECT_EQ(f.visible(GASDRUCK_LABEL), c.warm || c.kalt);
        // a gas on either side forces one pass
        const bool gas = c.warm || c.kalt || std::string(c.medium) == "Steam";
        EXPECT_EQ(f.enabled(SERIEN_MODUS), !gas);
    }
}

TEST(Hauptdialog, LeavingAGasEmptiesItsPressure) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    waehle(d, K_MEDIUM, "Dry Air");
    tippe(d, K_GASDRUCK, "6");
    waehle(d, K_MEDIUM, "Water");
    EXPECT_FALSE(d.form().visible(K_GASDRUCK));
    EXPECT_EQ(d.form().text(K_GASDRUCK), "");
}

TEST(Hauptdialog, TitaniumOnlyMediumLocksThePlateMaterial) {
    for (int seite : {0, 1}) {
        SCOPED_TRACE(seite);
        Umgebung u;
        CBerechnungDlg d(u.app);
        const int liste = seite == 0 ? W_MEDIUM : K_MEDIUM;
        waehle(d, liste, "Sea Water");
        EXPECT_EQ(d.form().selectedText(PLATTENMATERIAL), "Titan");
        EXPECT_FALSE(d.form().enabled(PLATTENMATERIAL));
        EXPECT_TRUE(d.getNurTitan(seite));
        // the other side's medium alone does not unlock it
        waehle(d, seite == 0 ? K_MEDIUM : W_MEDIUM, "Milk");
        EXPECT_FALSE(d.form().enabled(PLATTENMATERIAL));
        waehle(d, liste, "Water");
        EXPECT_TRUE(d.form().enabled(PLATTENMATERIAL));
        EXPECT_EQ(d.form().selectedText(PLATTENMATERIAL), "Titan");
    }
}

TEST(Hauptdialog, UserDefinedMedium) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    const int letzter = f.itemCount(K_MEDIUM) - 1;

    // Cancel the first time: back to the first medium, asked once only.
    waehle(d, K_MEDIUM, letzter);
    EXPECT_EQ(f.selection(K_MEDIUM), 0);
    EXPECT_FALSE(d.eigeneMedien()[1].gespeichert);
    EXPECT_EQ(u.p.dialogs.run, std::vector<std::string>{"DialogAddMedium"});

    // OK stores it and renames the entry.
    u.p.dialogs.scripts["DialogAddMedium"].push_back(eigenesMedium("Brine X"));
    waehle(d, K_MEDIUM, letzter);
    EXPECT_EQ(f.selection(K_MEDIUM), letzter);
    EXPECT_EQ(f.selectedText(K_MEDIUM), "other medium Brine X");
    EXPECT_EQ(f.itemCount(K_MEDIUM), letzter + 1);
    EXPECT_TRUE(d.eigeneMedien()[1].gespeichert);
    EXPECT_TRUE(d.eigeneMedien()[1].benutzt);
    EXPECT_EQ(d.eigeneMedien()[1].name, "Brine X");
    EXPECT_FALSE(d.eigeneMedien()[0].gespeichert);

    // Cancel later: the stored medium stays in use, prefilled in the dialog.
    waehle(d, K_MEDIUM, "Water");
    EXPECT_FALSE(d.eigeneMedien()[1].benutzt);
    std::string vorbelegt;
    u.p.dialogs.scripts["DialogAddMedium"].push_back([&](DialogModel& m) {
        vorbelegt = m.form().text(AddMediumModel::Name);
        return 2;
    });
    waehle(d, K_MEDIUM, letzter);
    EXPECT_EQ(vorbelegt, "Brine X");
    EXPECT_EQ(f.selectedText(K_MEDIUM), "other medium Brine X");
    EXPECT_TRUE(d.eigeneMedien()[1].benutzt);
    EXPECT_EQ(d.eigeneMedien()[1].name, "Brine X");
}

TEST(Hauptdialog, UserDefinedGasHasNoGasPressure) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    u.p.dialogs.scripts["DialogAddMedium"].push_back([](DialogModel& m) {
        auto& dlg = dynamic_cast<AddMediumModel&>(m);
        dlg.form().setChecked(AddMediumModel::Gas, true);
        dlg.gasGeklickt();
        for (int id : AddMediumModel::kEdits) dlg.form().setText(id, "2");
        dlg.speichernGeklickt();
        return dlg.result();
    });
    waehle(d, W_MEDIUM, d.form().itemCount(W_MEDIUM) - 1);
    ASSERT_TRUE(d.eigeneMedien()[0].benutzt);
    EXPECT_FALSE(d.form().visible(W_GASDRUCK));
    EXPECT_FALSE(d.form().enabled(SERIEN_MODUS));  // still a gas: one pass
}

// --- plate types and channel types -------------------------------------------

TEST(Hauptdialog, SafetyPlateBoxSwapsThePlateTypes) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    Form& f = d.form();
    f.setChecked(SICHERHEIT, true);
    d.geklickt(SICHERHEIT);
    EXPECT_EQ(texte(f, PLATTENTYP), (std::vector<std::string>{"KXDW 08", "KXDW 20"}));
    EXPECT_EQ(f.selection(PLATTENTYP), 0);
    EXPECT_TRUE(d.fall().eingaben.sicherheitsplatte);
    wasserWasser(d);
    bool ok = d.berechnen();
    ASSERT_TRUE(ok) << f.text(MELDUNG);
    EXPECT_EQ(f.text(PLATTENTYP_ERG).rfind("KXDW", 0), 0u) << f.text(PLATTENTYP_ERG);
    f.setChecked(SICHERHEIT, false);
    d.geklickt(SICHERHEIT);
    EXPECT_EQ(f.itemCount(PLATTENTYP), 9);
    EXPECT_EQ(f.selectedText(PLATTENTYP), "KX 04");
    EXPECT_TRUE(ergebnisLeer(d));
}

TEST(Hauptdialog, ChannelTypeListsFollowThePermissions) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    Form& f = d.form();
    f.setChecked(SICHERHEIT, true);
    d.geklickt(SICHERHEIT);
    EXPECT_EQ(f.itemCount(SPALT1_TYP), 9);  // design lists all
    d.geklickt(NACHRECHNEN);
    // the safety plates permit HH, MM and LL
    EXPECT_EQ(texte(f, SPALT1_TYP), (std::vector<std::string>{"HH", "MM", "LL"}));
    EXPECT_EQ(texte(f, SPALT2_TYP), (std::vector<std::string>{"HH", "MM", "LL"}));
    f.setChecked(SICHERHEIT, false);
    d.geklickt(SICHERHEIT);
    EXPECT_EQ(f.itemCount(SPALT1_TYP), 9);
    d.geklickt(AUSLEGEN);
    EXPECT_EQ(f.itemCount(SPALT1_TYP), 9);
}

TEST(Hauptdialog, PermissionGridRestrictsTheRatingList) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const Form& f = d.form();
    wasserWasser(d);
    ASSERT_TRUE(d.berechnen());
    ASSERT_EQ(f.text(PLATTENTYP_ERG), "KX 08");
    d.geklickt(NACHRECHNEN);
    ASSERT_TRUE(d.berechnen());
    const std::string typ = f.selectedText(SPALT1_TYP);
    ASSERT_FALSE(typ.empty());
    const int zeile = f.selectedValue(SPALT1_TYP);

    // switch off the first channel type of the result for KX 08 (id 2) on
    // the first plate material and pressure stage
    u.p.dialogs.scripts["PlattentypSpalttypDlg"].push_back([&](DialogModel& m) {
        auto& g = dynamic_cast<SpalttypDlgModel&>(m);
        const auto& ids = g.spaltenTypen();
        const int spalte = static_cast<int>(std::find(ids.begin(), ids.end(), 2) - ids.begin());
        EXPECT_TRUE(g.zelle(zeile, spalte).an);
        g.kaestchenGeklickt(zeile, spalte);
        g.speichernGeklickt();
        g.endeGeklickt();
        return g.result();
    });
    d.befehl(CMD_SPALTTYPEN);
    EXPECT_EQ(u.p.settings.values["PlattentypSpalttypZulaessig3.1"],
              "1:2:1:" + std::to_string(zeile) + ",");
    EXPECT_EQ(f.itemCount(SPALT1_TYP), 8);
    EXPECT_LT(f.findExact(SPALT1_TYP, typ), 0);
    EXPECT_EQ(f.selection(SPALT1_TYP), -1);
    EXPECT_TRUE(ergebnisLeer(d));
    EXPECT_FALSE(f.visible(WARNUNG));  // not in Werksmodus

    // a grid closed without saving changes nothing
    u.p.settings.values["PlattentypSpalttypZulaessig3.1"] = "marker";
    d.befehl(CMD_SPALTTYPEN);
    EXPECT_EQ(u.p.settings.values["PlattentypSpalttypZulaessig3.1"], "marker");
    EXPECT_EQ(f.itemCount(SPALT1_TYP), 8);
}

// --- project file -------------------------------------------------------------

TEST(Hauptdialog, SavedProjectReopensWithEveryEntry) {
    Umgebung u;
    const std::string pfad = u.dir.datei("projekt.kal");
    std::vector<std::string> vorher;
    {
        CBerechnungDlg d(u.app);
        wasserWasser(d);
        tippe(d, RESERVE, "10");
        tippe(d, W_FOULING, "0.00001");
        waehle(d, LEISTUNG_EINHEIT, "MW");
        waehle(d, K_TEIN_EINHEIT, "°F");
        waehle(d, W_FLUSS_EINHEIT, "m³/h");
        waehle(d, K_DP_EINHEIT, "bar");
        waehle(d, K_MEDIUM, "Ethylene Glycol 30 %");
        waehle(d, PLATTENMATERIAL, "SMO 254");
        waehle(d, DICHTUNG_W, "Viton S  -  180 °C");
        waehle(d, DICHTUNG_K, "EPDM  -  150 °C");
        waehle(d, GESTELLMATERIAL, "Stainless AISI 304");
        waehle(d, GESTELLNORM, "ASME");
        waehle(d, DRUCKSTUFE, "16");
        waehle(d, PLATTENTYP_MODUS, "min.");
        waehle(d, PLATTENTYP, "KX 14");
        waehle(d, SPALTEN_MODUS, "max.");
        tippe(d, SPALTEN, "80");
        tippe(d, SERIEN, "2");
        d.geklickt(INCH);
        u.p.files.saveAnswers.push_back(pfad);
        d.befehl(CMD_SPEICHERN);
        EXPECT_EQ(lies(pfad).size(), 1660u);
        EXPECT_EQ(d.getProjektPfad(), pfad);
        EXPECT_EQ(d.caption(), "kalvoria 3.26.12 - " + pfad);
        // "save" with a path asks no more
        d.befehl(CMD_SPEICHERN);
        EXPECT_TRUE(u.p.messages.shown.empty());
        vorher = eintraege(d);
    }
    CBerechnungDlg d(u.app);
    ASSERT_NE(eintraege(d), vorher);
    u.p.files.openAnswers.push_back(pfad);
    d.befehl(CMD_OEFFNEN);
    EXPECT_TRUE(u.p.messages.shown.empty());
    EXPECT_EQ(eintraege(d), vorher);
    EXPECT_EQ(d.getMillimeter(), 0);
    EXPECT_EQ(d.caption(), "kalvoria 3.26.12 - " + pfad);
}

TEST(Hauptdialog, RatingProjectKeepsItsChannelTypes) {
    Umgebung u;
    const std::string pfad = u.dir.datei("rating.kal");
    std::vector<std::string> vorher;
    {
        CBerechnungDlg d(u.app);
        d.form().setChecked(SICHERHEIT, true);
        d.geklickt(SICHERHEIT);
        waehle(d, PLATTENTYP_MODUS, "fixed");
        waehle(d, PLATTENTYP, "KXDW 20");
        d.geklickt(NACHRECHNEN);
        wasserWasser(d);
        tippe(d, SPALT1_ANZAHL, "6");
        waehle(d, SPALT1_TYP, "MM");
        tippe(d, SPALT2_ANZAHL, "4");
        waehle(d, SPALT2_TYP, "LL");
        d.fokusVerloren(SPALT2_ANZAHL);
        ASSERT_EQ(d.form().text(SPALTEN), "10");
        u.p.files.saveAnswers.push_back(pfad);
        d.befehl(CMD_SPEICHERN_UNTER);
        vorher = eintraege(d);
    }
    // positions index the rating list of the permitted types
    EXPECT_EQ(lies(pfad).substr(1520 + 20, 2), std::string("1\0", 2));
    EXPECT_EQ(lies(pfad).substr(1560 + 20, 2), std::string("2\0", 2));
    CBerechnungDlg d(u.app);
    u.p.files.openAnswers.push_back(pfad);
    d.befehl(CMD_OEFFNEN);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_EQ(d.form().selectedText(SPALT1_TYP), "MM");
    EXPECT_EQ(d.form().selectedText(SPALT2_TYP), "LL");
    EXPECT_EQ(eintraege(d), vorher);
    EXPECT_TRUE(u.p.messages.shown.empty());
}

TEST(Hauptdialog, CancelledSaveWritesNothing) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    const std::string titel = d.caption();
    d.befehl(CMD_SPEICHERN);  // no answer queued: cancelled
    d.befehl(CMD_SPEICHERN_UNTER);
    EXPECT_EQ(d.caption(), titel);
    EXPECT_TRUE(d.getProjektPfad().empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(u.dir.pfad), fs::directory_iterator()), 3);

    // "save as" cancelled with a path: the file stays as it was
    const std::string pfad = u.dir.datei("a.kal");
    u.p.files.saveAnswers.push_back(pfad);
    d.befehl(CMD_SPEICHERN);
    tippe(d, LEISTUNG, "123");
    d.befehl(CMD_SPEICHERN_UNTER);
    EXPECT_EQ(lies(pfad).substr(700, 1), std::string(1, '\0'));
    EXPECT_EQ(d.getProjektPfad(), pfad);
}

TEST(Hauptdialog, ForeignOrUnreadableFilesChangeNothing) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    const std::vector<std::string> vorher = eintraege(d);
    const std::string titel = d.caption();

    std::string alt(1660, '\0');
    alt.replace(0, 3, "3.2");
    const std::string falsch = u.dir.datei("alt.kal");
    schreibeDatei(falsch, alt);
    struct Fall {
        std::string pfad;
        std::string key;
    } faelle[] = {
        {falsch, "falsche ed_version"},
        {u.dir.datei("gibtesnicht.kal"), "dateiNichtGeoeffnet"},
        {u.dir.datei("data"), "dateiNichtGeoeffnet"},  // a folder
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.pfad);
        u.p.messages.shown.clear();
        u.p.files.openAnswers.push_back(c.pfad);
        d.befehl(CMD_OEFFNEN);
        EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{c.key});
        EXPECT_EQ(eintraege(d), vorher);
        EXPECT_EQ(d.caption(), titel);
        EXPECT_TRUE(d.getProjektPfad().empty());
    }
    // a cancelled open dialog
    u.p.messages.shown.clear();
    d.befehl(CMD_OEFFNEN);
    EXPECT_TRUE(u.p.messages.shown.empty());
    EXPECT_EQ(eintraege(d), vorher);
}

TEST(Hauptdialog, SaveIntoAMissingFolderLeavesOtherFilesAlone) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    wasserWasser(d);
    const std::string gut = u.dir.datei("gut.kal");
    u.p.files.saveAnswers.push_back(gut);
    d.befehl(CMD_SPEICHERN);
    const std::string inhalt = lies(gut);
    ASSERT_EQ(inhalt.size(), 1660u);

    tippe(d, LEISTUNG, "700");
    const std::string schlecht = u.dir.datei("fehlt/neu.kal");
    u.p.files.saveAnswers.push_back(schlecht);
    d.befehl(CMD_SPEICHERN_UNTER);
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{"dateiNichtGespeichert"});
    EXPECT_FALSE(fs::exists(schlecht));
    EXPECT_EQ(lies(gut), inhalt);
    EXPECT_EQ(d.caption(), "kalvoria 3.26.12");
    EXPECT_TRUE(d.getProjektPfad().empty());
}

TEST(Hauptdialog, MissingPlateTypeSelectsTheSecondAndLoadsTheRest) {
    Umgebung u;
    const std::string pfad = u.dir.datei("p.kal");
    {
        CBerechnungDlg d(u.app);
        wasserWasser(d);
        waehle(d, PLATTENTYP_MODUS, "fixed");
        waehle(d, PLATTENTYP, "KX 50");
        waehle(d, K_MEDIUM, "Milk");
        u.p.files.saveAnswers.push_back(pfad);
        d.befehl(CMD_SPEICHERN);
    }
    std::string bytes = lies(pfad);
    ASSERT_EQ(bytes.size(), 1660u);
    bytes.replace(1420, 20, std::string("77") + std::string(18, '\0'));  // plate type id
    schreibeDatei(pfad, bytes);

    CBerechnungDlg d(u.app);
    u.p.files.openAnswers.push_back(pfad);
    d.befehl(CMD_OEFFNEN);
    ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"Plattentypfehlt"});
    EXPECT_EQ(u.p.messages.shown[0].caption, "kalvoria 3.26.12");
    EXPECT_EQ(d.form().selection(PLATTENTYP), 1);
    EXPECT_EQ(d.form().focus(), PLATTENTYP);
    EXPECT_EQ(d.form().text(LEISTUNG), "500");
    EXPECT_EQ(d.form().text(K_TAUS), "50");
    EXPECT_EQ(d.form().selectedText(K_MEDIUM), "Milk");
    EXPECT_EQ(d.form().selectedText(PLATTENTYP_MODUS), "fixed");
    EXPECT_EQ(d.getProjektPfad(), pfad);
}
