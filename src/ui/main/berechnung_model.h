// CBerechnungDlg: the main dialog's model, the program's main loop. It holds
// every control of the window by control id; the Qt view binds them.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app.h"
#include "auswahllisten.h"
#include "berechnungsfall.h"
#include "colorctrl.h"
#include "feldregeln.h"
#include "form.h"
#include "inputhelper.h"
#include "projekt_formular.h"
#include "registry.h"
#include "spalttypen_zulaessig.h"

namespace kal {

// Control and command ids of the main dialog.
namespace hd {
enum : int {
    // mode frame
    MODUS_RAHMEN = 1172,
    AUSLEGEN = 1169,
    NACHRECHNEN = 1171,
    // duty and reserve rows
    LEISTUNG_LABEL = 1014,
    LEISTUNG = 1018,
    LEISTUNG_ERG = 1177,
    LEISTUNG_EINHEIT = 1123,
    RESERVE_LABEL = 1331,
    RESERVE = 1029,
    RESERVE_ERG = 1090,
    RESERVE_PROZENT = 1332,
    // side frames and row labels
    WARM_RAHMEN = 1001,
    KALT_RAHMEN = 1002,
    MEDIUM_LABEL = 1389,
    TEIN_LABEL = 1289,
    TAUS_LABEL = 1290,
    FLUSS_LABEL = 1422,
    DPMAX_LABEL = 1024,
    FOULING_LABEL = 1025,
    GASDRUCK_LABEL = 1027,
    // warm side
    W_MEDIUM = 1364,
    W_TEIN = 1188,
    W_TEIN_EINHEIT = 1313,
    W_TEIN_ERG = 1032,
    W_TAUS = 1278,
    W_TAUS_EINHEIT = 1314,
    W_TAUS_ERG = 1034,
    W_FLUSS = 1035,
    W_FLUSS_EINHEIT = 1423,
    W_FLUSS_ERG = 1036,
    W_DP = 1037,
    W_DP_EINHEIT = 1137,
    W_DP_ERG = 1038,
    W_FOULING = 1039,
    W_FOULING_EINHEIT = 1142,
    W_GASDRUCK = 1045,
    W_GASDRUCK_EINHEIT = 1143,
    // cold side
    K_MEDIUM = 1365,
    K_TEIN = 1277,
    K_TEIN_EINHEIT = 1368,
    K_TEIN_ERG = 1054,
    K_TAUS = 1279,
    K_TAUS_EINHEIT = 1371,
    K_TAUS_ERG = 1056,
    K_FLUSS = 1059,
    K_FLUSS_EINHEIT = 1424,
    K_FLUSS_ERG = 1060,
    K_DP = 1057,
    K_DP_EINHEIT = 1127,
    K_DP_ERG = 1058,
    K_FOULING = 1061,
    K_FOULING_EINHEIT = 1128,
    K_GASDRUCK = 1062,
    K_GASDRUCK_EINHEIT = 1129,
    // unit system and dimensions
    EINHEIT_LABEL = 1099,
    US = 1082,
    SI = 1083,
    MASS_RAHMEN = 1118,
    MM = 1117,
    INCH = 1122,
    BILD_RAHMEN = 137,
    MASS1 = 1114,
    MASS2 = 1115,
    MASS3 = 1116,
    MASS4 = 1187,
    MASS5 = 1189,
    // device frame
    GERAET_RAHMEN = 1000,
    PLATTE_LABEL = 1012,
    PLATTENMATERIAL = 1003,
    DICHTUNG_W_LABEL = 1406,
    DICHTUNG_W = 1346,
    DICHTUNG_K_LABEL = 1043,
    DICHTUNG_K = 1380,
    GESTELL_LABEL = 1354,
    GESTELLMATERIAL = 1005,
    GESTELLNORM = 1007,
    DRUCK_LABEL = 1013,
    DRUCKSTUFE = 1006,
    PLATTENTYP_LABEL = 1016,
    PLATTENTYP_MODUS = 1015,
    PLATTENTYP_ERG = 1084,
    PLATTENTYP = 1009,
    SPALTEN_LABEL = 1409,
    SPALTEN_MODUS = 1008,
    SPALTEN = 1271,
    SPALTEN_ERG = 1085,
    SERIEN_LABEL = 1026,
    SERIEN_MODUS = 1040,
    SERIEN = 1041,
    SERIEN_ERG = 1042,
    SICHERHEIT = 1421,
    SPALTTYP_LABEL = 1408,
    SPALT1_ANZAHL = 1302,
    SPALT1_TYP = 1366,
    SPALT2_ANZAHL = 1335,
    SPALT2_TYP = 1367,
    // buttons
    BERECHNEN = 1166,
    KOMPLETTIEREN = 1167,
    // result frame
    ERGEBNIS_RAHMEN = 1081,
    ERG_KOPF_WARM = 1265,
    ERG_KOPF_KALT = 1266,
    ALFA_LABEL = 1405,
    ALFA_W = 1044,
    ALFA_K = 1066,
    ALFA_EINHEIT = 1256,
    VMIN_LABEL = 1028,
    VMIN_W = 1046,
    VMIN_K = 1068,
    VMIN_EINHEIT = 1257,
    VMAX_LABEL = 1208,
    VMAX_W = 1047,
    VMAX_K = 1069,
    VMAX_EINHEIT = 1258,
    VSTUTZEN_LABEL = 1030,
    VSTUTZEN_W = 1048,
    VSTUTZEN_K = 1070,
    VSTUTZEN_EINHEIT = 1259,
    K1_LABEL = 1107,
    K1 = 1091,
    K1_EINHEIT = 1247,
    K2_LABEL = 1108,
    K2 = 1092,
    K2_EINHEIT = 1248,
    K3_LABEL = 1109,
    K3 = 1093,
    K3_EINHEIT = 1249,
    FOULING2_LABEL = 1105,
    FOULING2 = 1089,
    FOULING2_EINHEIT = 1250,
    FOULING1_LABEL = 1104,
    FOULING1 = 1088,
    FOULING1_EINHEIT = 1251,
    CMTD_LABEL = 1112,
    CMTD = 1096,
    CMTD_EINHEIT = 1255,
    FLAECHE_LABEL = 1323,
    FLAECHE = 1086,
    FLAECHE_EINHEIT = 1324,
    GEWICHT_LABEL = 1336,
    GEWICHT = 1087,
    GEWICHT_EINHEIT = 1342,
    LIEFERZEIT_LABEL = 1228,
    LIEFERZEIT = 1241,
    LIEFERZEIT_EINHEIT = 1229,
    PREIS_LABEL = 1222,
    PREIS = 1097,
    PREIS_EINHEIT = 1254,
    KPREIS_LABEL = 1119,
    KPREIS = 1098,
    KPREIS_EINHEIT = 1260,
    // message line and warning label
    MELDUNG = 1135,
    WARNUNG = 1426,
    // menu: popups (ids of this program) and commands
    POPUP_DATEI = 130001,
    POPUP_VERWALTUNG = 130002,
    POPUP_SPEZ = 130003,
    POPUP_INFO = 130004,
    CMD_NEU = 57600,
    CMD_OEFFNEN = 57601,
    CMD_SPEICHERN = 57603,
    CMD_SPEICHERN_UNTER = 40011,
    CMD_BEENDEN = 40014,
    CMD_EINSTELLUNGEN = 40016,
    CMD_SPALTTYPEN = 40042,
    CMD_HILFE = 40021,
    CMD_INFO = 40022,
    CMD_PRINTSPEC = 40031,
    CMD_PRINTPLAN = 40040,
    CMD_KONSTRUKTION = 40041,
    CMD_ZUBEHOER = 40043,
};
}  // namespace hd

struct MenuPopup {
    int id = 0;
    std::vector<int> befehle;  // 0 = separator
};

// The engine's view of the dialog's entries: a text written into a list
// selects the entry with exactly that text (none for an empty text), as
// the platform's drop-down lists do.
class HauptdialogFelder : public EntrySource {
public:
    explicit HauptdialogFelder(Form& f) : f_(f) {}
    std::string text(int id) const override { return f_.text(id); }
    int selection(int id) const override { return f_.selection(id); }
    int selectedValue(int id, int fallback) const override {
        return f_.selectedValue(id, fallback);
    }
    int itemCount(int id) const override { return f_.itemCount(id); }
    void setText(int id, const std::string& text) override;
    void setFocus(int id) override { f_.setFocus(id); }

private:
    Form& f_;
};

class CBerechnungDlg : public DialogModel {
public:
    // Unit lists in the order of the stored "unit" value (positions 12 and
    // 13 are the unit-system and millimetre flags).
    static const std::array<int, 15> kUnitListen;
    // Read-only fields the result display writes (besides the channel row).
    static const std::array<int, 38> kErgebnisFelder;
    // Edit fields stored in 20-byte project fields.
    static const std::array<int, 18> kProjektEdits;

    explicit CBerechnungDlg(CBerechnungApp& app);
    std::string dialogName() const override { return "CBerechnungDlg"; }

    // --- handlers
    void befehl(int commandId);     // menu commands
    void geklickt(int id);          // buttons, radio buttons, check boxes
    void auswahlGeaendert(int id);  // list selection
    void textGeaendert(int id);     // edit text (typed)
    void fokusVerloren(int id);     // edit left
    // Close box: stores the units; false = the dialog stays open.
    bool schliessfeld();
    // Escape: closes without storing.
    void escape() { close(2); }

    // --- operations other parts use
    void textsRoutine();
    void modusWechseln(int modus);
    void ergebnisZuruecksetzen();
    void eingabenLeeren();
    void neuesProjekt();
    void spracheWechseln();
    void hilfe();
    void info();
    void mediumWarmGeaendert();
    void mediumKaltGeaendert();
    void spalttypenNeuFuellen();
    // "Berechnen": returns whether a result is stored and shown.
    bool berechnen();
    // Stores "unit"; false (after the message) when the key failed.
    bool einheitenSpeichern();
    void einheitenLesen();
    // Unit labels of the result rows for the current unit system.
    void ergebnisEinheitenSetzen();
    void warnungAktualisieren();
    void spalttypenBearbeiten();  // the permission grid

    // --- project file
    void oeffnen();  // file dialog, then projektLesen
    void speichern(bool unterNeuemNamen);
    // The reader from the chosen path on. 0 read, 1 file unreadable,
    // 2 not a project file of this version (message shown either way).
    int projektLesen(const std::string& pfad);
    // The writer to `pfad`; false (after the message) when it failed.
    bool projektSchreiben(const std::string& pfad);
    const std::string& getProjektPfad() const { return projektPfad_; }

    // --- state
    const std::vector<MenuPopup>& menu() const { return menu_; }
    const std::string& getFenstertitel() const { return titel_; }
    const std::string& getLogoPfad() const { return logoPfad_; }
    int getModus() const { return modus_; }
    int getEinheitensystem() const { return einheitensystem_; }
    int getMillimeter() const { return millimeter_; }
    bool getErgebnisVorhanden() const { return ergebnisVorhanden_; }
    bool getSpaltenEditiert() const { return spaltenEditiert_; }
    bool getNurTitan(int seite) const { return nurTitan_[seite == 0 ? 0 : 1]; }
    const std::string& getWaehrung() const { return waehrung_; }
    const CColorCtrl& warnung() const { return warnung_; }
    InputHelper& eingabe() { return eingabe_; }
    CBerechnungApp& app() { return app_; }
    const Berechnungsfall& fall() const { return fall_; }
    Berechnungsfall& fall() { return fall_; }
    const EigeneMedien& eigeneMedien() const { return medien_; }
    EigeneMedien& eigeneMedien() { return medien_; }
    CSpalttypenZulaessig& zulaessig() { return *zulaessig_; }
    const listen::Zulassungen& zulassungen() const { return zulassungen_; }

private:
    const Data& data() const { return app_.hatData() ? app_.getData() : leer_; }
    regeln::Medienzustand zustand() const;
    void medienFlagsNeu(int seite);
    // false: the handler ran again from the first medium and the caller stops
    bool eigenesMediumPruefen(int seite);
    void mediumGeaendert(int seite);
    void kondensationsRegel();
    void titanRegel();
    void plattentypRegel();
    void spaltenJeSeite();
    void ergebnisNeuAnzeigen();
    void einheitensystemGeaendert();
    void millimeterGeaendert();
    void arbeitswerteLeeren();
    void meldung(const char* section, const char* key, const std::string& anhang,
                 const std::string& caption);

    CBerechnungApp& app_;
    Ports ports_;
    Data leer_;
    InputHelper eingabe_;
    HauptdialogFelder felder_;
    std::vector<MenuPopup> menu_;
    CColorCtrl warnung_;
    std::string titel_;
    std::string logoPfad_;
    std::string waehrung_;
    std::string projektPfad_;
    Berechnungsfall fall_;
    EigeneMedien medien_{};
    bool nurTitan_[2] = {false, false};
    listen::Zulassungen zulassungen_;
    std::unique_ptr<CSpalttypenZulaessig> zulaessig_;
    int modus_ = 0;
    int einheitensystem_ = 0;
    int millimeter_ = 1;
    bool ergebnisVorhanden_ = false;
    bool spaltenEditiert_ = false;
};

}  // namespace kal
