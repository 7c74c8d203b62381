#include "berechnung_model.h"

#include "auswahllisten.h"

#include <fstream>

#include "dialoginfo.h"
#include "format.h"

namespace kal {

using namespace hd;

const std::array<int, 15> CBerechnungDlg::kUnitListen = {LEISTUNG_EINHEIT,
                                                         W_TEIN_EINHEIT,
                                                         W_TAUS_EINHEIT,
                                                         W_FLUSS_EINHEIT,
                                                         W_DP_EINHEIT,
                                                         W_FOULING_EINHEIT,
                                                         K_TEIN_EINHEIT,
                                                         K_TAUS_EINHEIT,
                                                         K_FLUSS_EINHEIT,
                                                         K_DP_EINHEIT,
                                                         K_FOULING_EINHEIT,
                                                         US,
                                                         MM,
                                                         W_GASDRUCK_EINHEIT,
                                                         K_GASDRUCK_EINHEIT};

namespace {
// Read-only result fields of the window.
const int kErgebnisFelder[] = {
    LEISTUNG_ERG, RESERVE_ERG, W_TEIN_ERG, W_TAUS_ERG, W_FLUSS_ERG, W_DP_ERG,   K_TEIN_ERG,
    K_TAUS_ERG,   K_FLUSS_ERG, K_DP_ERG,   ALFA_W,     ALFA_K,      VMIN_W,     VMIN_K,
    VMAX_W,       VMAX_K,      VSTUTZEN_W, VSTUTZEN_K, K1,          K2,         K3,
    FOULING2,     FOULING1,    CMTD,       FLAECHE,    GEWICHT,     LIEFERZEIT, PREIS,
    KPREIS,       MASS1,       MASS2,      MASS3,      MASS4,       MASS5,      PLATTENTYP_ERG,
    SPALTEN_ERG,  SERIEN_ERG,  MELDUNG};

bool lesbar(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return f.good();
}
}  // namespace

CBerechnungDlg::CBerechnungDlg(CBerechnungApp& app) : app_(app), ports_(app.getPorts()) {
    eingabe_.setMessagePort(ports_.messages);
    menu_ = {
        {POPUP_DATEI,
         {CMD_NEU, 0, CMD_OEFFNEN, CMD_SPEICHERN, CMD_SPEICHERN_UNTER, 0, CMD_BEENDEN}},
        {POPUP_VERWALTUNG, {CMD_EINSTELLUNGEN, CMD_SPALTTYPEN}},
        {POPUP_SPEZ, {CMD_PRINTSPEC, CMD_PRINTPLAN, CMD_KONSTRUKTION, CMD_ZUBEHOER}},
        {POPUP_INFO, {CMD_HILFE, CMD_INFO}},
    };
    Form& f = form();
    for (int id : kErgebnisFelder) f.control(id).readOnly = true;

    // Initialisation, in order.
    modus_ = 0;
    ergebnisVorhanden_ = false;
    logoPfad_ = app_.getAppDir() + "/pic/Logo.bmp";
    f.setChecked(AUSLEGEN, true);
    f.setChecked(NACHRECHNEN, false);
    f.setChecked(SI, true);
    f.setChecked(US, false);
    f.setChecked(MM, true);
    f.setChecked(INCH, false);
    einheitensystem_ = 0;
    millimeter_ = 1;
    // The selection lists are filled here, before the texts are applied and
    // the stored unit choices (positions in those lists) are restored.
    textsRoutine();
    einheitenLesen();
    warnung_.SetBkColor(rgb(255, 0, 0));
    warnung_.SetEnabledBkColor(rgb(255, 0, 0));
    f.setText(WARNUNG, "ACHTUNG!!!!!\nnicht alle zulässigen Spalttypen aktiviert !");
    neuesProjekt();
    ergebnisEinheitenSetzen();
    modusWechseln(0);
    if (!app_.hatData() || app_.getData().getPlattentypCListe().getCustomPreisevorhanden() == 0) {
        f.setVisible(KPREIS_LABEL, false);
        f.setVisible(KPREIS, false);
        f.setVisible(KPREIS_EINHEIT, false);
        f.setEnabled(KPREIS, false);
    }
    spaltenEditiert_ = false;
    // Shown only in Werksmodus when permissions deviate; nothing deviates yet.
    f.setVisible(WARNUNG, false);
}

void CBerechnungDlg::textsRoutine() {
    const CIniEx& s = app_.getSprache();
    const CIniEx& ini = app_.getSettings();
    Form& f = form();
    titel_ = formatiere("%s %s.%s", s.GetValue("title").c_str(), "3.26",
                        ini.GetValue("Daten", "version", "").c_str());
    setCaption(titel_);

    eingabe_.setErrorTitle(s.GetValue("title"));
    eingabe_.setErrorMessage(1, s.GetValue("global", "error_empty", ""));
    eingabe_.setErrorMessage(2, s.GetValue("global", "error_notanumber", ""));
    eingabe_.setErrorMessage(3, s.GetValue("global", "error_outofrange", ""));

    f.setText(POPUP_DATEI, s.GetValue("menu", "file", ""));
    f.setText(POPUP_VERWALTUNG, s.GetValue("menu", "administration", ""));
    for (auto it = menu_.begin(); it != menu_.end(); ++it) {
        if (it->id == POPUP_SPEZ) {
            menu_.erase(it);
            break;
        }
    }
    f.setText(POPUP_INFO, s.GetValue("menu", "info", ""));
    f.setText(CMD_NEU, s.GetValue("menu", "new", ""));
    f.setText(CMD_OEFFNEN, s.GetValue("menu", "open", ""));
    f.setText(CMD_SPEICHERN, s.GetValue("menu", "save", ""));
    f.setText(CMD_SPEICHERN_UNTER, s.GetValue("menu", "saveas", ""));
    f.setText(CMD_BEENDEN, s.GetValue("menu", "quit", ""));
    f.setText(CMD_EINSTELLUNGEN, s.GetValue("menu", "settings", ""));
    f.setText(CMD_SPALTTYPEN, s.GetValue("menu", "spalttypen", ""));
    f.setText(CMD_HILFE, s.GetValue("menu", "help", ""));
    f.setText(CMD_INFO, s.GetValue("menu", "about", ""));

    waehrung_ = ini.GetValue("waehrung", "waehrung", "");

    f.setText(MODUS_RAHMEN, s.GetValue("maindialog", "mode", ""));
    f.setText(AUSLEGEN, s.GetValue("maindialog", "modecalculation", ""));
    f.setText(NACHRECHNEN, s.GetValue("maindialog", "moderecalculation", ""));
    f.setText(LEISTUNG_LABEL, s.GetValue("maindialog", "power", ""));
    f.setText(RESERVE_LABEL, s.GetValue("maindialog", "security", ""));
    f.setText(RESERVE_PROZENT, "%");
    f.setText(WARM_RAHMEN, s.GetValue("maindialog", "warm", ""));
    f.setText(ERG_KOPF_WARM, s.GetValue("maindialog", "warm", ""));
    f.setText(KALT_RAHMEN, s.GetValue("maindialog", "cold", ""));
    f.setText(ERG_KOPF_KALT, s.GetValue("maindialog", "cold", ""));
    f.setText(MEDIUM_LABEL, s.GetValue("maindialog", "medium", ""));
    f.setText(TEIN_LABEL, s.GetValue("maindialog", "ton", ""));
    f.setText(TAUS_LABEL, s.GetValue("maindialog", "toff", ""));
    f.setText(FLUSS_LABEL, s.GetValue("maindialog", "flowrate", ""));
    f.setText(DPMAX_LABEL, s.GetValue("maindialog", "dpmax", ""));
    f.setText(FOULING_LABEL, s.GetValue("maindialog", "fouling", ""));
    f.setText(GASDRUCK_LABEL, s.GetValue("maindialog", "gasbetriebsdruck", ""));
    f.setText(EINHEIT_LABEL, s.GetValue("maindialog", "resultunit", ""));
    f.setText(US, s.GetValue("buttons", "resultunit1", ""));
    f.setText(SI, s.GetValue("buttons", "resultunit2", ""));
    f.setText(MASS_RAHMEN, s.GetValue("maindialog", "devicesize", ""));
    f.setText(MM, "mm");
    f.setText(INCH, "inch");
    f.setText(GERAET_RAHMEN, s.GetValue("maindialog", "device", ""));
    f.setText(PLATTE_LABEL, s.GetValue("maindialog", "plate", ""));
    f.setText(DICHTUNG_W_LABEL, s.GetValue("maindialog", "sealing warm", ""));
    f.setText(DICHTUNG_K_LABEL, s.GetValue("maindialog", "sealing cold", ""));
    f.setText(GESTELL_LABEL, s.GetValue("maindialog", "rack", ""));
    f.setText(DRUCK_LABEL, s.GetValue("maindialog", "pressure", ""));
    f.setText(PLATTENTYP_LABEL, s.GetValue("maindialog", "platetype", ""));
    f.setText(SPALTEN_LABEL, s.GetValue("maindialog", "column", ""));
    f.setText(SERIEN_LABEL, s.GetValue("maindialog", "series", ""));
    f.setText(SICHERHEIT, s.GetValue("maindialog", "sicherheitswaermetauscher", ""));
    f.setText(SPALTTYP_LABEL, s.GetValue("maindialog", "spalte", ""));
    f.setText(BERECHNEN, s.GetValue("buttons", "start", ""));
    f.setText(KOMPLETTIEREN, s.GetValue("buttons", "complete", ""));
    f.setText(ERGEBNIS_RAHMEN, s.GetValue("maindialog", "result", ""));
    f.setText(ALFA_LABEL, s.GetValue("maindialog", "alfa", ""));
    f.setText(VMIN_LABEL, s.GetValue("maindialog", "splitmin", ""));
    f.setText(VMAX_LABEL, s.GetValue("maindialog", "splitmax", ""));
    f.setText(VSTUTZEN_LABEL, s.GetValue("maindialog", "trim", ""));
    f.setText(K1_LABEL, s.GetValue("maindialog", "k1", ""));
    f.setText(K2_LABEL, s.GetValue("maindialog", "k2", ""));
    f.setText(K3_LABEL, s.GetValue("maindialog", "k3", ""));
    f.setText(FOULING2_LABEL, s.GetValue("maindialog", "fouling2", ""));
    f.setText(FOULING1_LABEL, s.GetValue("maindialog", "fouling1", ""));
    f.setText(CMTD_LABEL, s.GetValue("maindialog", "cmtd", ""));
    f.setText(FLAECHE_LABEL, s.GetValue("maindialog", "resultarea", ""));
    f.setText(GEWICHT_LABEL, s.GetValue("maindialog", "resultweight", ""));
    f.setText(LIEFERZEIT_LABEL, s.GetValue("maindialog", "deliver", ""));
    f.setText(PREIS_LABEL, s.GetValue("maindialog", "price", ""));
    f.setText(KPREIS_LABEL, s.GetValue("maindialog", "price_custom", ""));
    f.setText(PREIS, s.GetValue("maindialog", "price_ask", ""));
    f.setText(LIEFERZEIT_EINHEIT, s.GetValue("unit", "lieferzeit", ""));
    f.setText(PREIS_EINHEIT, waehrung_);
    f.setText(KPREIS_EINHEIT, waehrung_);

    modusListenFuellen();
}

void CBerechnungDlg::modusListenFuellen() { listen::fuelleModusListen(form(), app_.getSprache()); }

void CBerechnungDlg::modusWechseln(int modus) {
    Form& f = form();
    int alt = modus_;
    if (modus == 0) {
        if (alt == 1) {
            modus_ = 0;
            f.select(PLATTENTYP_MODUS, 0);
            f.select(SPALTEN_MODUS, 0);
            f.select(SERIEN_MODUS, 1);
            f.setText(SERIEN, "1");
        }
        f.setEnabled(PLATTENTYP_MODUS, true);
        f.setEnabled(SPALTEN_MODUS, true);
        f.setEnabled(SERIEN_MODUS, true);
    } else {
        modus_ = 1;
        f.select(PLATTENTYP_MODUS, 1);
        f.select(SPALTEN_MODUS, 1);
        f.select(SERIEN_MODUS, 1);
        if (f.text(SERIEN).empty()) f.setText(SERIEN, "1");
        if (alt == 0) {
            if (!f.text(PLATTENTYP_ERG).empty()) {
                int pos = f.findExact(PLATTENTYP, f.text(PLATTENTYP_ERG));
                if (pos >= 0) f.select(PLATTENTYP, pos);
            }
            if (!f.text(SERIEN_ERG).empty()) f.setText(SERIEN, f.text(SERIEN_ERG));
        }
        f.setEnabled(PLATTENTYP_MODUS, false);
        f.setEnabled(SPALTEN_MODUS, false);
        f.setEnabled(SERIEN_MODUS, false);
    }
    f.setChecked(AUSLEGEN, modus_ == 0);
    f.setChecked(NACHRECHNEN, modus_ == 1);
    ergebnisZuruecksetzen();
}

void CBerechnungDlg::ergebnisZuruecksetzen() {
    Form& f = form();
    for (int id :
         {LEISTUNG_ERG, RESERVE_ERG, W_TEIN_ERG, K_TEIN_ERG, W_TAUS_ERG, K_TAUS_ERG, W_FLUSS_ERG,
          K_FLUSS_ERG,  W_DP_ERG,    K_DP_ERG,   ALFA_W,     ALFA_K,     VMIN_W,     VMIN_K,
          VMAX_W,       VMAX_K,      VSTUTZEN_W, VSTUTZEN_K, K1,         K2,         K3})
        f.setText(id, "");
    if (modus_ == 0) {
        f.setText(SPALT1_ANZAHL, "");
        f.setText(SPALT2_ANZAHL, "");
        f.select(SPALT1_TYP, -1);
        f.select(SPALT2_TYP, -1);
    }
    for (int id : {FOULING2, FOULING1, CMTD, FLAECHE, GEWICHT, LIEFERZEIT, KPREIS, MASS1, MASS3,
                   MASS2, MASS5, MASS4, PLATTENTYP_ERG, SPALTEN_ERG, SERIEN_ERG, MELDUNG})
        f.setText(id, "");
    f.setEnabled(KOMPLETTIEREN, false);
    ergebnisVorhanden_ = false;
}

void CBerechnungDlg::eingabenLeeren() {
    Form& f = form();
    for (int id : {LEISTUNG, RESERVE, W_TEIN, K_TEIN, W_TAUS, K_TAUS, W_FLUSS, K_FLUSS, W_DP, K_DP,
                   W_FOULING, K_FOULING, W_GASDRUCK, K_GASDRUCK, SPALTEN, SERIEN})
        f.setText(id, "");
    if (modus_ == 1) {
        f.setText(SPALT1_ANZAHL, "");
        f.setText(SPALT2_ANZAHL, "");
        f.select(SPALT1_TYP, -1);
        f.select(SPALT2_TYP, -1);
    }
}

void CBerechnungDlg::neuesProjekt() {
    eingabenLeeren();
    Form& f = form();
    for (const auto& [id, c] : f.controls())
        if (!c.items.empty() && c.selection < 0 && id != SPALT1_TYP && id != SPALT2_TYP)
            f.control(id).selection = 0;
    f.setText(SERIEN, "1");
    projektPfad_.clear();
    setCaption(titel_);
}

void CBerechnungDlg::einheitenLesen() {
    if (!registryOeffnen(ports_.settings, ports_.messages, app_.getSprache())) return;
    std::optional<std::string> text = registryLesen(*ports_.settings, "unit", kMaxUnitLaenge);
    if (!text) return;
    UnitWerte w = unitWerteLesen(*text);
    Form& f = form();
    for (size_t i = 0; i < kUnitListen.size(); ++i) {
        if (i == 11 || i == 12) continue;
        f.select(kUnitListen[i], w[i]);
    }
    f.setChecked(US, w[11] == 1);
    f.setChecked(SI, w[11] != 1);
    f.setChecked(MM, w[12] == 1);
    f.setChecked(INCH, w[12] != 1);
    einheitensystemGeaendert();
    millimeterGeaendert();
}

bool CBerechnungDlg::einheitenSpeichern() {
    const Form& f = form();
    UnitWerte w{};
    for (size_t i = 0; i < kUnitListen.size(); ++i) {
        if (i == 11 || i == 12) continue;
        int sel = f.selection(kUnitListen[i]);
        w[i] = sel < 0 ? 0 : sel;
    }
    w[11] = einheitensystem_;
    w[12] = millimeter_;
    return registrySchreiben(ports_.settings, ports_.messages, app_.getSprache(), "unit",
                             unitWerteText(w));
}

void CBerechnungDlg::einheitensystemGeaendert() {
    einheitensystem_ = form().checked(US) ? 1 : 0;
    ergebnisEinheitenSetzen();
}

void CBerechnungDlg::ergebnisEinheitenSetzen() {
    if (!app_.hatData()) return;
    const EinheitenGruppeListe& gruppen = app_.getData().getEinheitenGruppeListe();
    auto anzeige = [&](int gruppe) -> std::string {
        const EinheitenGruppe* g = gruppen.internalGetAt(gruppe);
        if (!g) return {};
        const Einheit* e = g->getForObjectId(g->getAnzeigeEinheitObjectId(einheitensystem_));
        return e ? e->getName() : std::string();
    };
    Form& f = form();
    for (int id : {ALFA_EINHEIT, K1_EINHEIT, K2_EINHEIT, K3_EINHEIT}) f.setText(id, anzeige(5));
    for (int id : {VMIN_EINHEIT, VMAX_EINHEIT, VSTUTZEN_EINHEIT}) f.setText(id, anzeige(15));
    for (int id : {FOULING2_EINHEIT, FOULING1_EINHEIT}) f.setText(id, anzeige(14));
    f.setText(FLAECHE_EINHEIT, anzeige(4));
    f.setText(GEWICHT_EINHEIT, anzeige(6));
    const EinheitenGruppe* temperatur = gruppen.internalGetAt(1);
    const Einheit* erste = temperatur ? temperatur->getEinheitAt(0) : nullptr;
    f.setText(CMTD_EINHEIT, erste ? erste->getName() : std::string());
}

void CBerechnungDlg::millimeterGeaendert() { millimeter_ = form().checked(MM) ? 1 : 0; }

bool CBerechnungDlg::schliessfeld() {
    if (!einheitenSpeichern()) return false;
    close(2);
    return true;
}

void CBerechnungDlg::befehl(int cmd) {
    switch (cmd) {
        case CMD_NEU:
            neuesProjekt();
            break;
        case CMD_BEENDEN:
            einheitenSpeichern();  // closes even when the store failed
            close(1);
            break;
        case CMD_EINSTELLUNGEN:
            spracheWechseln();
            break;
        case CMD_HILFE:
            hilfe();
            break;
        case CMD_INFO:
            info();
            break;
        default:
            break;  // project file and permission commands come with their dialogs
    }
}

void CBerechnungDlg::geklickt(int id) {
    Form& f = form();
    switch (id) {
        case AUSLEGEN:
            modusWechseln(0);
            break;
        case NACHRECHNEN:
            modusWechseln(1);
            break;
        case US:
        case SI:
            f.setChecked(US, id == US);
            f.setChecked(SI, id == SI);
            einheitensystemGeaendert();
            break;
        case MM:
        case INCH:
            f.setChecked(MM, id == MM);
            f.setChecked(INCH, id == INCH);
            millimeterGeaendert();
            break;
        default:
            break;
    }
}

void CBerechnungDlg::auswahlGeaendert(int) {}

void CBerechnungDlg::textGeaendert(int id) {
    if (id == SPALT1_ANZAHL || id == SPALT2_ANZAHL || id == SERIEN) spaltenEditiert_ = true;
}

void CBerechnungDlg::fokusVerloren(int) {}

void CBerechnungDlg::spracheWechseln() {
    std::optional<std::string> name = app_.spracheAuswaehlen();
    if (!name) return;
    std::string code = app_.codeVonAnzeigeName(*name);
    if (code.empty() || code == app_.getSprachcode()) return;
    app_.setSprachcode(code);
    app_.spracheSpeichern();
    app_.spracheOeffnen(code);
    textsRoutine();
}

void CBerechnungDlg::hilfe() {
    std::string pfad = app_.getAppDir() + "/help/" + app_.getSprachcode() + "/index.htm";
    if (!lesbar(pfad)) {
        pfad = app_.getAppDir() + "/help/uk/index.htm";
        if (!lesbar(pfad)) {
            if (ports_.messages) {
                Message m;
                m.text = app_.getSprache().GetValue("error", "readingfile", "") + pfad;
                m.section = "error";
                m.key = "readingfile";
                m.icon = MessageIcon::Error;
                ports_.messages->showMessage(m);
            }
            return;
        }
    }
    if (ports_.documents) ports_.documents->openDocument(pfad);
}

void CBerechnungDlg::info() {
    DialogInfo dlg(app_.getSprache().GetValue("menu", "info", ""), app_.getSettings());
    if (ports_.dialogs) ports_.dialogs->runDialog(dlg);
}

}  // namespace kal
