#include "berechnung_model.h"

#include <fstream>

#include "addmedium_model.h"
#include "dialoginfo.h"
#include "engine.h"
#include "format.h"
#include "projektdatei.h"
#include "spalttypdlg_model.h"

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

const std::array<int, 38> CBerechnungDlg::kErgebnisFelder = {
    LEISTUNG_ERG, RESERVE_ERG, W_TEIN_ERG, W_TAUS_ERG, W_FLUSS_ERG, W_DP_ERG,   K_TEIN_ERG,
    K_TAUS_ERG,   K_FLUSS_ERG, K_DP_ERG,   ALFA_W,     ALFA_K,      VMIN_W,     VMIN_K,
    VMAX_W,       VMAX_K,      VSTUTZEN_W, VSTUTZEN_K, K1,          K2,         K3,
    FOULING2,     FOULING1,    CMTD,       FLAECHE,    GEWICHT,     LIEFERZEIT, PREIS,
    KPREIS,       MASS1,       MASS2,      MASS3,      MASS4,       MASS5,      PLATTENTYP_ERG,
    SPALTEN_ERG,  SERIEN_ERG,  MELDUNG};

const std::array<int, 18> CBerechnungDlg::kProjektEdits = {
    LEISTUNG,   RESERVE,    W_TEIN,  K_TEIN, W_TAUS,        K_TAUS,
    W_FLUSS,    K_FLUSS,    W_DP,    K_DP,   W_FOULING,     K_FOULING,
    W_GASDRUCK, K_GASDRUCK, SPALTEN, SERIEN, SPALT1_ANZAHL, SPALT2_ANZAHL};

void HauptdialogFelder::setText(int id, const std::string& text) {
    if (id == SPALT1_TYP || id == SPALT2_TYP || !f_.control(id).items.empty()) {
        f_.select(id, text.empty() ? -1 : f_.findExact(id, text));
        return;
    }
    f_.setText(id, text);
}

namespace {
// Result-reset triggers: edit texts and list selections.
const int kResetTexte[] = {LEISTUNG,  RESERVE, W_FLUSS, W_DP,   W_FOULING, K_DP,  K_FLUSS,
                           K_FOULING, W_TEIN,  SPALTEN, K_TEIN, W_TAUS,    K_TAUS};
const int kResetListen[] = {GESTELLMATERIAL,   GESTELLNORM,    LEISTUNG_EINHEIT,  K_DP_EINHEIT,
                            K_FOULING_EINHEIT, W_DP_EINHEIT,   W_FOULING_EINHEIT, W_TEIN_EINHEIT,
                            W_TAUS_EINHEIT,    DICHTUNG_W,     SPALT1_TYP,        SPALT2_TYP,
                            K_TEIN_EINHEIT,    K_TAUS_EINHEIT, DICHTUNG_K,        W_FLUSS_EINHEIT,
                            K_FLUSS_EINHEIT};

template <size_t N>
bool enthalten(const int (&liste)[N], int id) {
    for (int x : liste)
        if (x == id) return true;
    return false;
}

bool lesbar(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return f.good();
}
}  // namespace

CBerechnungDlg::CBerechnungDlg(CBerechnungApp& app)
    : app_(app), ports_(app.getPorts()), felder_(form()) {
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
    for (int id : kProjektEdits) f.control(id).maxLength = 20;  // nothing is cut when saved

    // Initialisation, in order.
    modus_ = 0;
    ergebnisVorhanden_ = false;
    for (EigenesMedium& m : medien_) m.gespeichert = m.benutzt = false;
    nurTitan_[0] = nurTitan_[1] = false;
    logoPfad_ = app_.getAppDir() + "/pic/Logo.bmp";
    f.setChecked(AUSLEGEN, true);
    f.setChecked(NACHRECHNEN, false);
    f.setChecked(SI, true);
    f.setChecked(US, false);
    f.setChecked(MM, true);
    f.setChecked(INCH, false);
    einheitensystem_ = 0;
    millimeter_ = 1;
    zulassungen_ = listen::fuelleAlle(f, data(), app_.getSprache(), fall_.eingaben.maxReihenfolge);
    zulaessig_ = std::make_unique<CSpalttypenZulaessig>(data(), zulassungen_.plattentypen,
                                                        zulassungen_.plattenmaterial);
    textsRoutine();
    einheitenLesen();
    warnung_.SetBkColor(rgb(255, 0, 0));
    warnung_.SetEnabledBkColor(rgb(255, 0, 0));
    f.setText(WARNUNG, "ACHTUNG!!!!!\nnicht alle zulässigen Spalttypen aktiviert !");
    neuesProjekt();
    ergebnisEinheitenSetzen();
    // the candidate channel counts are built with the case
    modusWechseln(0);
    if (data().getPlattentypCListe().getCustomPreisevorhanden() == 0) {
        f.setVisible(KPREIS_LABEL, false);
        f.setVisible(KPREIS, false);
        f.setVisible(KPREIS_EINHEIT, false);
        f.setEnabled(KPREIS, false);
    }
    spaltenEditiert_ = false;
    warnungAktualisieren();
}

void CBerechnungDlg::meldung(const char* section, const char* key, const std::string& anhang,
                             const std::string& caption) {
    if (!ports_.messages) return;
    Message m;
    m.text = app_.getSprache().GetValue(section, key, "") + anhang;
    m.caption = caption;
    m.section = section;
    m.key = key;
    m.icon = MessageIcon::Error;
    ports_.messages->showMessage(m);
}

void CBerechnungDlg::warnungAktualisieren() {
    form().setVisible(WARNUNG, zulaessig_->warnungAnzeigen(app_.getWerksmodus()));
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

    listen::fuelleModusListen(f, s);
}

regeln::Medienzustand CBerechnungDlg::zustand() const {
    regeln::Medienzustand z;
    z.berechnungsart = modus_;
    z.kondensation = fall_.eingaben.warm.kondensation;
    z.gasWarm = fall_.eingaben.warm.istGas;
    z.gasKalt = fall_.eingaben.kalt.istGas;
    z.eigenesWarm = medien_[0].benutzt;
    z.eigenesKalt = medien_[1].benutzt;
    return z;
}

void CBerechnungDlg::modusWechseln(int modus) {
    Form& f = form();
    int neu = modus == 1 ? 1 : 0;
    regeln::modusWechseln(f, modus_, neu);
    modus_ = neu;
    fall_.eingaben.berechnungsart = neu;
    kondensationsRegel();
    regeln::gasdruckRegeln(f, zustand());
    titanRegel();
    regeln::plattentypListe(f);
    regeln::spaltenRegel(f, zustand());
    regeln::serienModusRegel(f, zustand());
    regeln::spalttypenRegel(f, zustand());
    ergebnisZuruecksetzen();
}

void CBerechnungDlg::kondensationsRegel() {
    Form& f = form();
    regeln::kondensationsTexte(f, zustand(), app_.getSprache());
    listen::dichtungsRegel(f, data(), fall_.eingaben.warm.kondensation, app_.getWerksmodus());
    ergebnisZuruecksetzen();
    regeln::spalttypenRegel(f, zustand());
    regeln::serienModusRegel(f, zustand());
}

void CBerechnungDlg::titanRegel() {
    listen::titanRegel(form(), nurTitan_[0] || nurTitan_[1]);
    spalttypenNeuFuellen();
    ergebnisZuruecksetzen();
}

void CBerechnungDlg::plattentypRegel() {
    fall_.eingaben.sicherheitsplatte = form().checked(SICHERHEIT);
    fall_.eingaben.maxReihenfolge = listen::plattentypRegel(form(), data());
    spalttypenNeuFuellen();
    ergebnisZuruecksetzen();
}

void CBerechnungDlg::spalttypenNeuFuellen() {
    Form& f = form();
    const int material = f.selectedValue(PLATTENMATERIAL);
    const int druckstufe = f.selectedValue(DRUCKSTUFE);
    const int plattentyp = modus_ == 1 ? f.selectedValue(PLATTENTYP) : -1;
    listen::spalttypenFuellen(f, data(), modus_ == 1, [&](int typ) {
        return zulaessig_->istZulaessig(material, plattentyp, druckstufe, typ) != 0;
    });
    if (modus_ == 1) {
        spaltenEditiert_ = true;
        spaltenJeSeite();
    }
}

void CBerechnungDlg::spaltenJeSeite() {
    if (modus_ != 1 || !spaltenEditiert_) return;
    spaltenEditiert_ = false;
    regeln::spaltenJeSeiteBerechnen(form(), eingabe_);
}

void CBerechnungDlg::medienFlagsNeu(int seite) {
    Mediumseite& m = fall_.eingaben.seite(seite);
    const int liste = seite == 0 ? W_MEDIUM : K_MEDIUM;
    const StoffdatenListe& stoffe = data().getStoffdatenListe();
    const int wert = form().selectedValue(liste, 0);
    m.medium = wert;
    if (wert == stoffe.getSize()) {
        m.istGas = medien_[static_cast<size_t>(seite)].gas;
        m.kondensation = false;
        nurTitan_[seite] = false;
    } else if (const Stoffdaten* st = stoffe.internalGetAt(wert)) {
        m.istGas = st->IsGas() != 0;
        m.kondensation = seite == 0 && st->IsKondensation() != 0;
        nurTitan_[seite] = st->NurTitanZulaessig() != 0;
    } else {
        m.istGas = m.kondensation = false;
        nurTitan_[seite] = false;
    }
}

bool CBerechnungDlg::eigenesMediumPruefen(int seite) {
    Form& f = form();
    EigenesMedium& m = medien_[static_cast<size_t>(seite)];
    const int liste = seite == 0 ? W_MEDIUM : K_MEDIUM;
    m.benutzt = false;
    if (f.itemCount(liste) == 0 || f.selection(liste) != f.itemCount(liste) - 1) {
        ergebnisZuruecksetzen();
        return true;
    }
    const CIniEx& s = app_.getSprache();
    std::string titel = seite == 0 ? s.GetValue("addmediumdialog", "titlewarm", "")
                                   : s.GetValue("addmediumdialog", "titlecold", "");
    AddMediumModel dlg(data(), s, ports_, seite, titel, m.gespeichert ? &m : nullptr);
    int antwort = ports_.dialogs ? ports_.dialogs->runDialog(dlg) : 2;
    if (antwort == 1) {
        const EigenesMedium& e = dlg.ergebnis();
        m.name = e.name;
        m.gas = e.gas;
        m.werte = e.werte;
        m.einheiten = e.einheiten;
        m.gespeichert = true;
        m.benutzt = true;
        listen::eigenesMediumEintrag(f, liste, data(), s, &m.name);
        f.select(liste, f.itemCount(liste) - 1);
    } else if (!m.gespeichert) {
        // back to the first medium; without library media to the empty choice,
        // so the handler cannot ask again and again
        f.select(liste, f.itemCount(liste) > 1 ? 0 : -1);
        mediumGeaendert(seite);
        return false;
    } else {
        m.benutzt = true;
    }
    ergebnisZuruecksetzen();
    return true;
}

void CBerechnungDlg::mediumGeaendert(int seite) {
    if (seite == 0)
        mediumWarmGeaendert();
    else
        mediumKaltGeaendert();
}

void CBerechnungDlg::mediumWarmGeaendert() {
    Form& f = form();
    if (fall_.eingaben.warm.kondensation) f.select(W_TAUS_EINHEIT, f.selection(W_TEIN_EINHEIT));
    if (!eigenesMediumPruefen(0)) return;
    medienFlagsNeu(0);
    kondensationsRegel();
    regeln::gasdruckRegeln(f, zustand());
    titanRegel();
    regeln::spalttypenRegel(f, zustand());
}

void CBerechnungDlg::mediumKaltGeaendert() {
    Form& f = form();
    if (!eigenesMediumPruefen(1)) return;
    medienFlagsNeu(1);
    regeln::gasdruckRegeln(f, zustand());
    // a gas on the cold side forces one pass as one on the warm side does
    regeln::serienModusRegel(f, zustand());
    titanRegel();
    regeln::spalttypenRegel(f, zustand());
}

void CBerechnungDlg::ergebnisZuruecksetzen() {
    ergebnisAnzeigeLeeren(felder_, modus_);
    form().setEnabled(KOMPLETTIEREN, false);
    ergebnisVorhanden_ = false;
}

void CBerechnungDlg::eingabenLeeren() { regeln::eingabenLeeren(form(), modus_); }

void CBerechnungDlg::arbeitswerteLeeren() {
    fall_.arbeitswerte.leistungWarm = fall_.arbeitswerte.leistungKalt =
        fall_.arbeitswerte.leistungSoll = 0.0;
    fall_.arbeitswerte.deltaTm = fall_.arbeitswerte.tMittel = 0.0;
    fall_.suche.zuruecksetzen();
}

void CBerechnungDlg::neuesProjekt() {
    Form& f = form();
    eingabenLeeren();
    ergebnisZuruecksetzen();
    arbeitswerteLeeren();
    f.select(W_MEDIUM, 0);
    f.select(K_MEDIUM, 0);
    f.select(PLATTENTYP_MODUS, regeln::Frei);
    f.select(SPALTEN_MODUS, regeln::Frei);
    f.select(SERIEN_MODUS, regeln::Fix);
    mediumWarmGeaendert();
    mediumKaltGeaendert();
    regeln::plattentypListe(f);
    regeln::spaltenRegel(f, zustand());
    f.setText(SERIEN, "1");
    regeln::serienModusRegel(f, zustand());
    regeln::spalttypenRegel(f, zustand());
    projektPfad_.clear();
    setCaption(titel_);
}

void CBerechnungDlg::einheitenLesen() {
    if (!registryOeffnen(ports_.settings, ports_.messages, app_.getSprache())) return;
    std::optional<std::string> text = registryLesen(*ports_.settings, "unit", kMaxUnitLaenge);
    if (text && !text->empty()) {
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
    zulaessig_->lesen(*ports_.settings, ports_.messages, app_.getSprache());
    spalttypenNeuFuellen();
}

bool CBerechnungDlg::berechnen() {
    Form& f = form();
    fall_.eingaben.berechnungsart = modus_;
    fall_.eingaben.einheitensystem = einheitensystem_;
    fall_.eingaben.masseInMm = millimeter_ == 1;
    fall_.eingaben.sicherheitsplatte = f.checked(SICHERHEIT);
    for (int s = 0; s < 2; ++s) {
        const EigenesMedium& m = medien_[static_cast<size_t>(s)];
        EigenesMediumDaten& d = fall_.eingaben.seite(s).eigenesMediumDaten;
        d.name = m.name;
        d.gas = m.gas;
        d.viskositaet = m.werte[EG_Viskositaet];
        d.viskositaetWand = m.werte[EG_ViskositaetWand];
        d.dichte = m.werte[EG_Dichte];
        d.waermekapazitaet = m.werte[EG_Waermekapazitaet];
        d.waermeleitfaehigkeit = m.werte[EG_Waermeleitfaehigkeit];
        d.alfaWert = m.werte[EG_Alfa];
    }
    Rechenkontext k{data(),           app_.getSprache(), app_.getSettings(),
                    ports_.messages,  ports_.waitCursor, app_.getWerksmodus(),
                    zulaessig_.get(), felder_,           {}};
    for (const auto& [pos, id] : zulassungen_.plattentypen)
        k.freigegebenePlattentypen.push_back(id);
    Rechenkern kern(k);
    ergebnisVorhanden_ = kern.berechnen(fall_);
    f.setEnabled(KOMPLETTIEREN, ergebnisVorhanden_);
    return ergebnisVorhanden_;
}

void CBerechnungDlg::ergebnisNeuAnzeigen() {
    if (!ergebnisVorhanden_) return;
    fall_.eingaben.einheitensystem = einheitensystem_;
    fall_.eingaben.masseInMm = millimeter_ == 1;
    ergebnisAnzeigen(data(), app_.getSprache(), fall_, felder_);
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
    ergebnisNeuAnzeigen();
}

void CBerechnungDlg::ergebnisEinheitenSetzen() {
    const EinheitenGruppeListe& gruppen = data().getEinheitenGruppeListe();
    auto anzeige = [&](int gruppe) -> std::string {
        const EinheitenGruppe* g = gruppen.internalGetAt(gruppe);
        if (!g) return {};
        const Einheit* e = g->getForObjectId(g->getAnzeigeEinheitObjectId(einheitensystem_));
        return e ? e->getName() : std::string();
    };
    Form& f = form();
    for (int id : {ALFA_EINHEIT, K1_EINHEIT, K2_EINHEIT, K3_EINHEIT})
        f.setText(id, anzeige(einheitengruppe::Waermeuebergang));
    for (int id : {VMIN_EINHEIT, VMAX_EINHEIT, VSTUTZEN_EINHEIT})
        f.setText(id, anzeige(einheitengruppe::Geschwindigkeit));
    for (int id : {FOULING2_EINHEIT, FOULING1_EINHEIT})
        f.setText(id, anzeige(einheitengruppe::Fouling));
    f.setText(FLAECHE_EINHEIT, anzeige(einheitengruppe::Flaeche));
    f.setText(GEWICHT_EINHEIT, anzeige(einheitengruppe::Gewicht));
    const EinheitenGruppe* temperatur = gruppen.internalGetAt(einheitengruppe::Temperatur);
    const Einheit* erste = temperatur ? temperatur->getEinheitAt(0) : nullptr;
    f.setText(CMTD_EINHEIT, erste ? erste->getName() : std::string());
}

void CBerechnungDlg::millimeterGeaendert() {
    millimeter_ = form().checked(MM) ? 1 : 0;
    ergebnisNeuAnzeigen();
}

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
        case CMD_OEFFNEN:
            oeffnen();
            break;
        case CMD_SPEICHERN:
            speichern(false);
            break;
        case CMD_SPEICHERN_UNTER:
            speichern(true);
            break;
        case CMD_BEENDEN:
            einheitenSpeichern();  // closes even when the store failed
            close(1);
            break;
        case CMD_EINSTELLUNGEN:
            spracheWechseln();
            break;
        case CMD_SPALTTYPEN:
            spalttypenBearbeiten();
            break;
        case CMD_HILFE:
            hilfe();
            break;
        case CMD_INFO:
            info();
            break;
        default:
            break;
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
        case SICHERHEIT:
            plattentypRegel();  // ends with the result reset
            break;
        case BERECHNEN:
            berechnen();
            break;
        case KOMPLETTIEREN:
            break;  // the completion dialog hooks in here
        default:
            break;
    }
}

void CBerechnungDlg::auswahlGeaendert(int id) {
    Form& f = form();
    switch (id) {
        case PLATTENMATERIAL:
        case DRUCKSTUFE:
            spalttypenNeuFuellen();
            ergebnisZuruecksetzen();
            return;
        case PLATTENTYP:
            ergebnisZuruecksetzen();
            spalttypenNeuFuellen();
            return;
        case PLATTENTYP_MODUS:
            regeln::plattentypListe(f);
            ergebnisZuruecksetzen();
            return;
        case SPALTEN_MODUS:
            regeln::spaltenRegel(f, zustand());
            ergebnisZuruecksetzen();
            return;
        case SERIEN_MODUS:
            regeln::serienRegel(f, zustand());
            ergebnisZuruecksetzen();
            return;
        case W_MEDIUM:
            mediumWarmGeaendert();
            return;
        case K_MEDIUM:
            mediumKaltGeaendert();
            return;
        default:
            if (enthalten(kResetListen, id)) ergebnisZuruecksetzen();
            return;
    }
}

void CBerechnungDlg::textGeaendert(int id) {
    if (id == SPALT1_ANZAHL || id == SPALT2_ANZAHL) {
        spaltenEditiert_ = true;
        return;
    }
    if (id == SERIEN) {
        spaltenEditiert_ = true;
        ergebnisZuruecksetzen();
        return;
    }
    if (enthalten(kResetTexte, id)) ergebnisZuruecksetzen();
}

void CBerechnungDlg::fokusVerloren(int id) {
    if (id == SPALT1_ANZAHL || id == SPALT2_ANZAHL || id == SERIEN) spaltenJeSeite();
}

void CBerechnungDlg::spalttypenBearbeiten() {
    SpalttypDlgModel dlg(*zulaessig_, zulassungen_.plattentypen, data(), app_.getSprache(), ports_);
    if (ports_.dialogs) ports_.dialogs->runDialog(dlg);
    if (!dlg.gespeichert()) return;
    if (ports_.settings)
        zulaessig_->schreiben(*ports_.settings, ports_.messages, app_.getSprache());
    spalttypenNeuFuellen();
    ergebnisZuruecksetzen();
    warnungAktualisieren();
}

void CBerechnungDlg::oeffnen() {
    if (!ports_.files) return;
    std::optional<std::string> pfad = ports_.files->chooseFileToOpen();
    if (!pfad) return;
    projektLesen(*pfad);
}

int CBerechnungDlg::projektLesen(const std::string& pfad) {
    // one byte more than a project file: a longer file is seen as foreign
    std::optional<std::string> bytes = dateiLesen(pfad, kProjektGroesse + 1);
    if (!bytes) {
        meldung("error", "dateiNichtGeoeffnet", pfad, titel_);
        return 1;
    }
    std::optional<ProjektInhalt> inhalt = ProjektInhalt::dekodieren(*bytes);
    if (!inhalt) {
        meldung("error", "falsche ed_version", "", "");
        return 2;
    }
    projektPfad_ = pfad;
    Form& f = form();
    eingabenLeeren();
    ergebnisZuruecksetzen();
    arbeitswerteLeeren();
    const Data& d = data();
    const CIniEx& s = app_.getSprache();
    int modus = projektInFormular(
        *inhalt, f, medien_, s, titel_, ports_.messages, [this] { plattentypRegel(); },
        [&] {
            for (int seite = 0; seite < 2; ++seite) {
                const EigenesMedium& m = medien_[static_cast<size_t>(seite)];
                listen::eigenesMediumEintrag(f, seite == 0 ? W_MEDIUM : K_MEDIUM, d, s,
                                             m.gespeichert ? &m.name : nullptr);
            }
        },
        [&](int gespeicherterModus) {
            // Channel type positions index the lists as they were when saved:
            // in rating only the permitted types are listed.
            const int material = f.selectedValue(PLATTENMATERIAL);
            const int druckstufe = f.selectedValue(DRUCKSTUFE);
            const int plattentyp = f.selectedValue(PLATTENTYP);
            listen::spalttypenFuellen(f, d, gespeicherterModus == 1, [&](int typ) {
                return zulaessig_->istZulaessig(material, plattentyp, druckstufe, typ) != 0;
            });
        });
    einheitensystemGeaendert();
    millimeterGeaendert();
    medienFlagsNeu(0);
    medienFlagsNeu(1);
    modusWechseln(modus);
    spalttypenNeuFuellen();
    setCaption(titel_ + " - " + projektPfad_);
    return 0;
}

void CBerechnungDlg::speichern(bool unterNeuemNamen) {
    std::string pfad = projektPfad_;
    if (unterNeuemNamen || pfad.empty()) {
        if (!ports_.files) return;
        std::optional<std::string> gewaehlt = ports_.files->chooseFileToSave("");
        if (!gewaehlt) return;
        pfad = *gewaehlt;
    }
    projektSchreiben(pfad);
}

bool CBerechnungDlg::projektSchreiben(const std::string& pfad) {
    ProjektInhalt inhalt = projektAusFormular(form(), medien_, modus_);
    std::string fehler;
    if (!dateiSicherSchreiben(pfad, inhalt.kodieren(), &fehler)) {
        // the next "save" asks for a name again; the old file is untouched
        projektPfad_.clear();
        setCaption(titel_);
        meldung("error", "dateiNichtGespeichert", pfad, titel_);
        return false;
    }
    projektPfad_ = pfad;
    setCaption(titel_ + " - " + projektPfad_);
    return true;
}

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
