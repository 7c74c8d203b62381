#include "ui/main/berechnung_model.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/dialoginfo.h"
#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "engine/plattencache.h"
#include "projekt/projektdatei.h"
#include "ui/completion/completion_model.h"
#include "ui/main/addmedium_model.h"
#include "ui/main/alternativen_model.h"
#include "ui/main/bericht.h"
#include "ui/main/erfassung.h"
#include "ui/main/ergebnisanzeige.h"
#include "ui/main/hinweise.h"
#include "ui/main/spalttypdlg_model.h"
#include "ui/main/stoffinfo.h"
#include "ui/spec/spec_model.h"
#include "version/kal_version.h"

namespace kal {

using namespace hd;
using engine::Rechenkontext;

const std::array<int, 15> CBerechnungDlg::kUnitListen = {EinheitLeistung,
                                                         EinheitTEinWarm,
                                                         EinheitTAusWarm,
                                                         EinheitDurchsatzWarm,
                                                         EinheitDruckverlustWarm,
                                                         EinheitFoulingWarm,
                                                         EinheitTEinKalt,
                                                         EinheitTAusKalt,
                                                         EinheitDurchsatzKalt,
                                                         EinheitDruckverlustKalt,
                                                         EinheitFoulingKalt,
                                                         SystemUS,
                                                         MassMm,
                                                         EinheitGasDruckWarm,
                                                         EinheitGasDruckKalt};

const std::array<int, 38> CBerechnungDlg::kErgebnisFelder = {ErgLeistung,
                                                             ErgSicherheit,
                                                             ErgTEinWarm,
                                                             ErgTAusWarm,
                                                             ErgDurchsatzWarm,
                                                             ErgDruckverlustWarm,
                                                             ErgTEinKalt,
                                                             ErgTAusKalt,
                                                             ErgDurchsatzKalt,
                                                             ErgDruckverlustKalt,
                                                             AlfaWarm,
                                                             AlfaKalt,
                                                             VMinWarm,
                                                             VMinKalt,
                                                             VMaxWarm,
                                                             VMaxKalt,
                                                             VStutzenWarm,
                                                             VStutzenKalt,
                                                             KRein,
                                                             KErf,
                                                             KEff,
                                                             FoulingSoll,
                                                             FoulingIst,
                                                             Cmtd,
                                                             Flaeche,
                                                             Gewicht,
                                                             Lieferzeit,
                                                             Preis,
                                                             CustomPreis,
                                                             Hoehe,
                                                             Breite,
                                                             LaengeTotal,
                                                             StutzenHorizontal,
                                                             StutzenVertikal,
                                                             ErgPlattentyp,
                                                             ErgSpalten,
                                                             ErgSerien,
                                                             Statuszeile};

void HauptdialogFelder::setText(int id, const std::string& text) {
    if (id == Spalttyp1 || id == Spalttyp2 || !f_.control(id).items.empty()) {
        f_.select(id, text.empty() ? -1 : f_.findExact(id, text));
        return;
    }
    f_.setText(id, text);
}

namespace {
// Result-reset triggers: edit texts and list selections.
const int kResetTexte[] = {Leistung,    Sicherheit,       DurchsatzWarm, DruckverlustWarm,
                           FoulingWarm, DruckverlustKalt, DurchsatzKalt, FoulingKalt,
                           TEinWarm,    Spalten,          TEinKalt,      TAusWarm,
                           TAusKalt};
const int kResetListen[] = {Gestell,
                            GestellVariante,
                            EinheitLeistung,
                            EinheitDruckverlustKalt,
                            EinheitFoulingKalt,
                            EinheitDruckverlustWarm,
                            EinheitFoulingWarm,
                            EinheitTEinWarm,
                            EinheitTAusWarm,
                            DichtungWarm,
                            Spalttyp1,
                            Spalttyp2,
                            EinheitTEinKalt,
                            EinheitTAusKalt,
                            DichtungKalt,
                            EinheitDurchsatzWarm,
                            EinheitDurchsatzKalt};

// Captions from the language file, in window order.
constexpr Beschriftung kBeschriftungen[] = {
    {PopupDatei, "menu", "file"},
    {PopupVerwaltung, "menu", "administration"},
    {PopupInfo, "menu", "info"},
    {CmdNeu, "menu", "new"},
    {CmdOeffnen, "menu", "open"},
    {CmdSpeichern, "menu", "save"},
    {CmdSpeichernUnter, "menu", "saveas"},
    {CmdAlsRevision, "menu", "saverevision"},
    {CmdAngebot, "menu", "quotation"},
    {CmdBeenden, "menu", "quit"},
    {CmdEinstellungen, "menu", "settings"},
    {CmdSpalttypen, "menu", "spalttypen"},
    {CmdHilfe, "menu", "help"},
    {CmdInfo, "menu", "about"},
    {RahmenModus, "maindialog", "mode"},
    {Auslegen, "maindialog", "modecalculation"},
    {Nachrechnen, "maindialog", "moderecalculation"},
    {LabelLeistung, "maindialog", "power"},
    {LabelSicherheit, "maindialog", "security"},
    {RahmenWarm, "maindialog", "warm"},
    {LabelKopfWarm, "maindialog", "warm"},
    {RahmenKalt, "maindialog", "cold"},
    {LabelKopfKalt, "maindialog", "cold"},
    {LabelMedium, "maindialog", "medium"},
    {LabelTEin, "maindialog", "ton"},
    {LabelTAus, "maindialog", "toff"},
    {LabelDurchsatz, "maindialog", "flowrate"},
    {LabelDruckverlust, "maindialog", "dpmax"},
    {LabelFouling, "maindialog", "fouling"},
    {LabelGasDruck, "maindialog", "gasbetriebsdruck"},
    {LabelEinheitensystem, "maindialog", "resultunit"},
    {SystemUS, "buttons", "resultunit1"},
    {SystemSI, "buttons", "resultunit2"},
    {RahmenMasse, "maindialog", "devicesize"},
    {RahmenGeraet, "maindialog", "device"},
    {LabelPlatte, "maindialog", "plate"},
    {LabelDichtungWarm, "maindialog", "sealing warm"},
    {LabelDichtungKalt, "maindialog", "sealing cold"},
    {LabelGestell, "maindialog", "rack"},
    {LabelDruckstufe, "maindialog", "pressure"},
    {LabelPlattentyp, "maindialog", "platetype"},
    {LabelSpalten, "maindialog", "column"},
    {LabelSerien, "maindialog", "series"},
    {Sicherheitsplatte, "maindialog", "sicherheitswaermetauscher"},
    {LabelSpalttyp, "maindialog", "spalte"},
    {Berechnen, "buttons", "start"},
    {Komplettieren, "buttons", "complete"},
    {Alternativen, "alternatives", "oeffnen"},
    {Warum, "alternatives", "warum"},
    {RahmenErgebnis, "maindialog", "result"},
    {LabelAlfa, "maindialog", "alfa"},
    {LabelVMin, "maindialog", "splitmin"},
    {LabelVMax, "maindialog", "splitmax"},
    {LabelVStutzen, "maindialog", "trim"},
    {LabelKRein, "maindialog", "k1"},
    {LabelKErf, "maindialog", "k2"},
    {LabelKEff, "maindialog", "k3"},
    {LabelFoulingSoll, "maindialog", "fouling2"},
    {LabelFoulingIst, "maindialog", "fouling1"},
    {LabelCmtd, "maindialog", "cmtd"},
    {LabelFlaeche, "maindialog", "resultarea"},
    {LabelGewicht, "maindialog", "resultweight"},
    {LabelLieferzeit, "maindialog", "deliver"},
    {LabelPreis, "maindialog", "price"},
    {LabelCustomPreis, "maindialog", "price_custom"},
    {Preis, "maindialog", "price_ask"},  // until a price is calculated
    {EinheitLieferzeit, "unit", "lieferzeit"},
};

template <size_t N>
bool enthalten(const int (&liste)[N], int id) {
    for (int x : liste)
        if (x == id) return true;
    return false;
}

// Per-user value holding the folder of the project file last chosen.
constexpr const char* kOrdnerWert = "lastfolder";

bool lesbar(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return f.good();
}
}  // namespace

CBerechnungDlg::CBerechnungDlg(CBerechnungApp& app)
    : app_(app), ports_(app.getPorts()), felder_(form()) {
    menu_ = {
        {PopupDatei,
         {CmdNeu, 0, CmdOeffnen, CmdSpeichern, CmdSpeichernUnter, CmdAlsRevision, 0, CmdAngebot, 0,
          CmdBeenden}},
        {PopupVerwaltung, {CmdEinstellungen, CmdSpalttypen}},
        {PopupSpez, {CmdPrintSpec, CmdPrintPlan, CmdKonstruktion, CmdZubehoer}},
        {PopupInfo, {CmdHilfe, CmdInfo}},
    };
    Form& f = form();
    for (int id : kErgebnisFelder) f.control(id).readOnly = true;
    // an edit stored in the project file takes no more than its field holds
    for (const ProjektFeldZeile& z : projektFeldTabelle())
        if (z.art == FeldArt::Text) f.control(z.control).maxLength = projektFeldBreite(z.feld);

    // Initialisation, in order.
    modus_ = 0;
    ergebnisVorhanden_ = false;
    for (EigenesMedium& m : medien_) m.gespeichert = m.benutzt = false;
    nurTitan_[0] = nurTitan_[1] = false;
    logoPfad_ = app_.getAppDir() + "/pic/Logo.bmp";
    f.setChecked(Auslegen, true);
    f.setChecked(Nachrechnen, false);
    f.setChecked(SystemSI, true);
    f.setChecked(SystemUS, false);
    f.setChecked(MassMm, true);
    f.setChecked(MassInch, false);
    einheitensystem_ = 0;
    millimeter_ = 1;
    zulassungen_ = listen::fuelleAlle(f, data(), app_.getSprache(), fall_.eingaben.maxReihenfolge);
    zulaessig_ = std::make_unique<CSpalttypenZulaessig>(data(), zulassungen_.plattentypen,
                                                        zulassungen_.plattenmaterial);
    textsRoutine();
    einheitenLesen();
    warnung_.SetBkColor(rgb(255, 0, 0));
    warnung_.SetEnabledBkColor(rgb(255, 0, 0));
    f.setText(LabelWarnung, "ACHTUNG!!!!!\nnicht alle zulässigen Spalttypen aktiviert !");
    neuesProjekt();
    ergebnisEinheitenSetzen();
    // the candidate channel counts are built with the case
    modusWechseln(0);
    if (data().getPlattentypCListe().getCustomPreisevorhanden() == 0) {
        f.setVisible(LabelCustomPreis, false);
        f.setVisible(CustomPreis, false);
        f.setVisible(EinheitCustomPreis, false);
        f.setEnabled(CustomPreis, false);
    }
    spaltenEditiert_ = false;
    warnungAktualisieren();
    artenSetzen();
    standMerken();
}

// What each control is, so that a script does to it only what a user can.
void CBerechnungDlg::artenSetzen() {
    Form& f = form();
    f.setKind(
        ControlKind::Edit,
        {Leistung,         Sicherheit,       TEinWarm,          TAusWarm,        DurchsatzWarm,
         DruckverlustWarm, FoulingWarm,      GasDruckWarm,      TEinKalt,        TAusKalt,
         DurchsatzKalt,    DruckverlustKalt, FoulingKalt,       GasDruckKalt,    Spalten,
         Serien,           Anzahl1,          Anzahl2,           ErgPlattentyp,   Hoehe,
         Breite,           LaengeTotal,      StutzenHorizontal, StutzenVertikal, Statuszeile});
    for (int id : kErgebnisFelder) f.setKind(ControlKind::Edit, {id});
    f.setKind(ControlKind::Label,
              {RahmenModus,      LabelLeistung,        LabelSicherheit,   LabelProzent,
               RahmenWarm,       RahmenKalt,           LabelMedium,       LabelTEin,
               LabelTAus,        LabelDurchsatz,       LabelDruckverlust, LabelFouling,
               LabelGasDruck,    LabelEinheitensystem, RahmenMasse,       BildGestell,
               RahmenGeraet,     LabelPlatte,          LabelDichtungWarm, LabelDichtungKalt,
               LabelGestell,     LabelDruckstufe,      LabelPlattentyp,   LabelSpalten,
               LabelSerien,      ErgPlatten,           LabelSpalttyp,     RahmenErgebnis,
               LabelKopfWarm,    LabelKopfKalt,        LabelAlfa,         EinheitAlfa,
               LabelVMin,        EinheitVMin,          LabelVMax,         EinheitVMax,
               LabelVStutzen,    EinheitVStutzen,      LabelKRein,        EinheitKRein,
               LabelKErf,        EinheitKErf,          LabelKEff,         EinheitKEff,
               LabelFoulingSoll, EinheitFoulingSoll,   LabelFoulingIst,   EinheitFoulingIst,
               LabelCmtd,        EinheitCmtd,          LabelFlaeche,      EinheitFlaeche,
               LabelGewicht,     EinheitGewicht,       LabelLieferzeit,   EinheitLieferzeit,
               LabelPreis,       EinheitPreis,         LabelCustomPreis,  EinheitCustomPreis,
               LabelWarnung});
    f.setKind(ControlKind::List,
              {MediumWarm, MediumKalt, MaterialPlatte, DichtungWarm, DichtungKalt, Gestell,
               GestellVariante, Druckstufe, PlattentypModus, Plattentyp, SpaltenModus, SerienModus,
               Spalttyp1, Spalttyp2});
    for (int id : kUnitListen)
        if (id != SystemUS && id != MassMm) f.setKind(ControlKind::List, {id});
    f.setKind(ControlKind::Radio, {Auslegen, Nachrechnen, SystemUS, SystemSI, MassMm, MassInch});
    f.setKind(ControlKind::CheckBox, {Sicherheitsplatte});
    f.setKind(ControlKind::Button, {Berechnen, Komplettieren, Alternativen, Warum, Betriebspunkte});
    for (const MenuPopup& p : menu_) {
        f.setKind(ControlKind::MenuItem, {p.id});
        for (int id : p.befehle)
            if (id != 0) f.setKind(ControlKind::MenuItem, {id});
    }
}

void CBerechnungDlg::warnungAktualisieren() {
    form().setVisible(LabelWarnung, zulaessig_->warnungAnzeigen(app_.getWerksmodus()));
}

void CBerechnungDlg::textsRoutine() {
    const CIniEx& s = app_.getSprache();
    const CIniEx& ini = app_.getSettings();
    Form& f = form();
    titel_ = formatiere("%s %s.%s", s.GetValue("title").c_str(), KAL_VERSION,
                        ini.GetValue("Daten", "version", "").c_str());
    setCaption(titel_);
    eingabe_ = eingabePruefer(s, ports_.messages, meldungsTitel(s, MessageIcon::Error));
    dezimalKomma_ = s.GetValue("global", "dezimaltrenner", ".") == ",";

    // the specification popup waits for its dialogs
    std::erase_if(menu_, [](const MenuPopup& p) { return p.id == PopupSpez; });
    beschriftungenSetzen(f, s, kBeschriftungen);
    betriebspunkteKnopf();

    waehrung_ = ini.GetValue("waehrung", "waehrung", "");
    f.setText(LabelProzent, "%");
    f.setText(MassMm, "mm");
    f.setText(MassInch, "inch");
    f.setText(EinheitPreis, waehrung_);
    f.setText(EinheitCustomPreis, waehrung_);

    listen::fuelleModusListen(f, s);
    hinweiseSetzen();
    stoffInfoSetzen(0);
    stoffInfoSetzen(1);
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
    fall_.eingaben.sicherheitsplatte = form().checked(Sicherheitsplatte);
    fall_.eingaben.maxReihenfolge = listen::plattentypRegel(form(), data());
    spalttypenNeuFuellen();
    ergebnisZuruecksetzen();
}

void CBerechnungDlg::spalttypenNeuFuellen() {
    Form& f = form();
    const int material = f.selectedValue(MaterialPlatte);
    const int druckstufe = f.selectedValue(Druckstufe);
    const int plattentyp = modus_ == 1 ? f.selectedValue(Plattentyp) : -1;
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
    const int liste = seite == 0 ? MediumWarm : MediumKalt;
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
    stoffInfoSetzen(seite);
}

// The medium list's tooltip: what the selected fluid's data rest on.
void CBerechnungDlg::stoffInfoSetzen(int seite) {
    const int liste = seite == 0 ? MediumWarm : MediumKalt;
    const StoffdatenListe& stoffe = data().getStoffdatenListe();
    const int wert = form().selectedValue(liste, -1);
    std::string tipp;
    if (const Stoffdaten* st = stoffe.internalGetAt(wert))
        tipp = stoffInfo(data(), app_.getSprache(), *st);
    else if (wert == stoffe.getSize())
        tipp = app_.getSprache().GetValue("stoffinfo", "eigenes", "");
    form().setToolTip(liste, tipp);
}

bool CBerechnungDlg::eigenesMediumPruefen(int seite) {
    Form& f = form();
    EigenesMedium& m = medien_[static_cast<size_t>(seite)];
    const int liste = seite == 0 ? MediumWarm : MediumKalt;
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
    if (fall_.eingaben.warm.kondensation) f.select(EinheitTAusWarm, f.selection(EinheitTEinWarm));
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
    form().setEnabled(Komplettieren, false);
    ergebnisVorhanden_ = false;
    vorSuche_.reset();
    plattencaches_.reset();
    form().setEnabled(Alternativen, false);
    form().setVisible(Warum, false);
    mehrpunkt_.reset();
    hinweiseSetzen();
}

void CBerechnungDlg::hinweiseSetzen() {
    std::vector<Grenzhinweis> grenzen;
    if (ergebnisVorhanden_) grenzen = ergebnisGrenzen(data(), app_.getSprache(), fall_);
    hinweise::anwenden(form(), app_.getSprache(), berechnet_, grenzen,
                       ergebnisVorhanden_ ? &fall_.ergebnis : nullptr);
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
    berechnet_.clear();
    angebot_.reset();
    spaeteresAngebot_.clear();
    punkte_.clear();
    betriebspunkteKnopf();
    eingabenLeeren();
    ergebnisZuruecksetzen();
    arbeitswerteLeeren();
    f.select(MediumWarm, 0);
    f.select(MediumKalt, 0);
    f.select(PlattentypModus, regeln::Frei);
    f.select(SpaltenModus, regeln::Frei);
    f.select(SerienModus, regeln::Fix);
    mediumWarmGeaendert();
    mediumKaltGeaendert();
    regeln::plattentypListe(f);
    regeln::spaltenRegel(f, zustand());
    f.setText(Serien, "1");
    regeln::serienModusRegel(f, zustand());
    regeln::spalttypenRegel(f, zustand());
    projektPfad_.clear();
    setCaption(titel_);
    standMerken();
}

std::string CBerechnungDlg::projektBytes() const {
    // Without a block to hold the computed-field marks, what a run filled in
    // would come back as an entry, rounded for display, and the reopened
    // case would differ from the one saved: it is left to be computed again.
    const bool block = angebot_ || !punkte_.empty();
    std::string bytes =
        projektAusFormular(form(), medien_, modus_, block ? std::set<int>{} : berechnet_)
            .kodieren();
    if (block) {
        // the marks as they are now: a field typed into since the completion
        // must not come back as computed and be emptied by the next run
        AngebotsBlock a = angebot_ ? *angebot_ : AngebotsBlock{};
        if (angebot_) a.berechneteFelder = berechneteFelderText();
        a.betriebspunkte = punkte_;
        bytes += angebotKodieren(a);
    } else
        bytes += spaeteresAngebot_;
    return bytes;
}

std::vector<std::string> CBerechnungDlg::berechneteFelderText() const {
    std::vector<std::string> ids;
    for (int id : berechnet_) ids.push_back(std::to_string(id));
    return ids;
}

void CBerechnungDlg::berechneteFelderSetzen(const std::vector<std::string>& ids) {
    std::set<int> felder;
    for (const std::string& t : ids) {
        const int id = textZuInt(t);
        if (std::to_string(id) == t) felder.insert(id);
    }
    berechneteFelderSetzen(felder);
}

void CBerechnungDlg::berechneteFelderSetzen(const std::set<int>& felder) {
    berechnet_.clear();
    for (int id : hinweise::kBilanzFelder)
        if (felder.count(id) && !form().text(id).empty()) berechnet_.insert(id);
    hinweiseSetzen();
}

std::string CBerechnungDlg::letzterOrdner() const {
    if (!ports_.settings || !ports_.settings->openKey()) return {};
    return ports_.settings->readValue(kOrdnerWert).value_or("");
}

void CBerechnungDlg::ordnerMerken(const std::string& datei) {
    // a store that fails only costs the convenience: no message
    const std::string ordner = std::filesystem::path(datei).parent_path().string();
    if (!ordner.empty() && ports_.settings && ports_.settings->openKey())
        ports_.settings->writeValue(kOrdnerWert, ordner);
}

bool CBerechnungDlg::getGeaendert() const { return projektBytes() != gespeichert_; }

bool CBerechnungDlg::aenderungenSichern() {
    if (!getGeaendert()) return true;
    const CIniEx& s = app_.getSprache();
    return sichernOderVerwerfen(ports_.questions, s, s.GetValue("global", "quest_save_project", ""),
                                [this] { return speichern(false); });
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
        f.setChecked(SystemUS, w[11] == 1);
        f.setChecked(SystemSI, w[11] != 1);
        f.setChecked(MassMm, w[12] == 1);
        f.setChecked(MassInch, w[12] != 1);
        einheitensystemGeaendert();
        millimeterGeaendert();
    }
    zulaessig_->lesen(*ports_.settings, ports_.messages, app_.getSprache());
    spalttypenNeuFuellen();
}

// The window's state that "Berechnen" takes into the entries besides the
// fields: mode, units, safety plates, the user-defined media.
void CBerechnungDlg::zustandUebernehmen() {
    const Form& f = form();
    fall_.eingaben.berechnungsart = modus_;
    fall_.eingaben.einheitensystem = einheitensystem_;
    fall_.eingaben.masseInMm = millimeter_ == 1;
    fall_.eingaben.sicherheitsplatte = f.checked(Sicherheitsplatte);
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
}

bool CBerechnungDlg::berechnen() {
    Form& f = form();
    zustandUebernehmen();
    // what the run writes into the entries (the balance, the result's
    // channel row) is no change of the user's
    const bool unveraendert = !getGeaendert();
    plattencaches_ = std::make_shared<engine::Plattencaches>();
    // What an earlier run filled in is computed again: read back, its value
    // rounded for display would be an entry and change the answer.
    for (int id : berechnet_) f.setText(id, "");
    berechnet_.clear();
    std::vector<int> leer;
    for (int id : hinweise::kBilanzFelder)
        if (f.text(id).empty()) leer.push_back(id);
    abgelehnt_ = {0, 0};
    ergebnisVorhanden_ = rechnen();
    // what the balance filled in stays marked, also when a later check refused
    for (int id : leer)
        if (!f.text(id).empty()) berechnet_.insert(id);
    f.setEnabled(Komplettieren, ergebnisVorhanden_);
    f.setEnabled(Alternativen, sucheGelaufen());
    f.setVisible(Warum, sucheGelaufen() && !ergebnisVorhanden_);
    hinweiseSetzen();
    if (unveraendert) standMerken();
    return ergebnisVorhanden_;
}

// "Berechnen" under the wait cursor: the pack-dependent completion choices
// cleared, the entries acquired, the engine run on them and its report
// applied. Whether a result is shown.
bool CBerechnungDlg::rechnen() {
    std::optional<WaitCursorGuard> warten;
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    // A run stopped by a refused entry shows no result, whatever an earlier
    // run left in the case.
    fall_.suche.ergebnisVorhanden = fall_.suche.ergebnisAngezeigt = false;
    vorSuche_.reset();
    Komplettierung& k = fall_.komplettierung;
    k.waermeisolierung = k.spritzschutz = k.sonderlackierung = false;
    k.ralNr = app_.getSettings().GetValue("Daten", "Ral-Nr", "5012");
    k.sonderanschluesse = false;
    Erfassung erfassung(data(), app_.getSprache(), ports_.messages, eingabe_, felder_);
    if (!erfassung.lesen(fall_.eingaben)) return false;
    if (!punkte_.empty()) return mehrpunktRechnen();
    engine::Berechnungsbericht b =
        engine::berechnen(rechenkontext(), std::move(fall_), plattencaches_.get());
    fall_ = std::move(b.fall);
    vorSuche_ = std::move(b.geprueft);
    berichtAnwenden(b, fall_, data(), app_.getSprache(), ports_.messages, felder_);
    return b.ergebnisVorhanden;
}

Rechenkontext CBerechnungDlg::rechenkontext() {
    Rechenkontext k{data(), app_.getWerksmodus(), zulaessig_.get(), {}};
    for (const auto& [pos, id] : zulassungen_.plattentypen)
        k.freigegebenePlattentypen.push_back(id);
    return k;
}

engine::Alternativenbericht CBerechnungDlg::alternativen(int anzahl) {
    if (!vorSuche_) return {};
    return alternativenBericht(rechenkontext(), *vorSuche_, fall_, anzahl, plattencaches_.get());
}

void CBerechnungDlg::alternativenZeigen() {
    if (!vorSuche_ || !ports_.dialogs) return;
    std::optional<WaitCursorGuard> warten;  // the second searches take a moment
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    AlternativenDlgModel dlg(alternativen(kAnzahlAlternativen), data(), app_.getSprache());
    warten.reset();
    if (ports_.dialogs->runDialog(dlg) == 1 && dlg.uebernommen())
        paketUebernehmen(*this, *dlg.uebernommen());
}

void CBerechnungDlg::ergebnisNeuAnzeigen() {
    if (!ergebnisVorhanden_) return;
    fall_.eingaben.einheitensystem = einheitensystem_;
    fall_.eingaben.masseInMm = millimeter_ == 1;
    ergebnisAnzeigen(data(), app_.getSprache(), fall_, felder_);
    hinweiseSetzen();
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
    einheitensystem_ = form().checked(SystemUS) ? 1 : 0;
    ergebnisEinheitenSetzen();
    ergebnisNeuAnzeigen();
}

namespace {
// The result's unit labels and the unit group each shows.
constexpr std::pair<int, int> kErgebnisEinheiten[] = {
    {EinheitAlfa, einheitengruppe::Waermeuebergang},
    {EinheitKRein, einheitengruppe::Waermeuebergang},
    {EinheitKErf, einheitengruppe::Waermeuebergang},
    {EinheitKEff, einheitengruppe::Waermeuebergang},
    {EinheitVMin, einheitengruppe::Geschwindigkeit},
    {EinheitVMax, einheitengruppe::Geschwindigkeit},
    {EinheitVStutzen, einheitengruppe::Geschwindigkeit},
    {EinheitFoulingSoll, einheitengruppe::Fouling},
    {EinheitFoulingIst, einheitengruppe::Fouling},
    {EinheitFlaeche, einheitengruppe::Flaeche},
    {EinheitGewicht, einheitengruppe::Gewicht},
    {EinheitCmtd, einheitengruppe::Temperatur},
};
}  // namespace

std::string CBerechnungDlg::ergebnisEinheit(int id, int system) const {
    const EinheitenGruppeListe& gruppen = data().getEinheitenGruppeListe();
    for (const auto& [label, gruppe] : kErgebnisEinheiten) {
        if (label != id) continue;
        const EinheitenGruppe* g = gruppen.internalGetAt(gruppe);
        if (!g) return {};
        const int anzeige = g->getAnzeigeEinheitObjectId(system);
        // the mean temperature difference is a difference, not a temperature
        if (gruppe == einheitengruppe::Temperatur)
            return temperaturdifferenzName(data(), g->getIndexForEinheitObjectId(anzeige));
        const Einheit* e = g->getForObjectId(anzeige);
        return e ? e->getName() : std::string();
    }
    return {};
}

std::vector<int> CBerechnungDlg::ergebnisEinheitLabels() {
    std::vector<int> ids;
    for (const auto& [label, gruppe] : kErgebnisEinheiten) ids.push_back(label);
    return ids;
}

void CBerechnungDlg::ergebnisEinheitenSetzen() {
    for (int id : ergebnisEinheitLabels())
        form().setText(id, ergebnisEinheit(id, einheitensystem_));
}

void CBerechnungDlg::millimeterGeaendert() {
    millimeter_ = form().checked(MassMm) ? 1 : 0;
    ergebnisNeuAnzeigen();
}

void CBerechnungDlg::escape() {
    if (aenderungenSichern()) close(2);
}

bool CBerechnungDlg::schliessfeld() {
    if (!aenderungenSichern()) return false;
    if (!einheitenSpeichern()) return false;
    close(2);
    return true;
}

void CBerechnungDlg::befehl(int cmd) {
    switch (cmd) {
        case CmdNeu:
            if (aenderungenSichern()) neuesProjekt();
            break;
        case CmdOeffnen:
            oeffnen();
            break;
        case CmdSpeichern:
            speichern(false);
            break;
        case CmdSpeichernUnter:
            speichern(true);
            break;
        case CmdAlsRevision:
            alsRevisionSpeichern();
            break;
        case CmdAngebot:
            if (angebotsfenster_) angebotsfenster_(*this);
            break;
        case CmdBeenden:
            if (!aenderungenSichern()) break;
            einheitenSpeichern();  // closes even when the store failed
            close(1);
            break;
        case CmdEinstellungen:
            spracheWechseln();
            break;
        case CmdSpalttypen:
            spalttypenBearbeiten();
            break;
        case CmdHilfe:
            hilfe();
            break;
        case CmdInfo:
            info();
            break;
        default:
            break;
    }
}

void CBerechnungDlg::geklickt(int id) {
    Form& f = form();
    switch (id) {
        case Auslegen:
            modusWechseln(0);
            break;
        case Nachrechnen:
            modusWechseln(1);
            break;
        case SystemUS:
        case SystemSI:
            f.setChecked(SystemUS, id == SystemUS);
            f.setChecked(SystemSI, id == SystemSI);
            einheitensystemGeaendert();
            break;
        case MassMm:
        case MassInch:
            f.setChecked(MassMm, id == MassMm);
            f.setChecked(MassInch, id == MassInch);
            millimeterGeaendert();
            break;
        case Sicherheitsplatte:
            plattentypRegel();  // ends with the result reset
            break;
        case Berechnen:
            berechnen();
            break;
        case Komplettieren:
            komplettieren();
            break;
        case Alternativen:
        case Warum:
            alternativenZeigen();
            break;
        case Betriebspunkte:
            betriebspunkteZeigen();
            break;
        default:
            break;
    }
}

void CBerechnungDlg::auswahlGeaendert(int id) {
    Form& f = form();
    switch (id) {
        case MaterialPlatte:
        case Druckstufe:
            spalttypenNeuFuellen();
            ergebnisZuruecksetzen();
            return;
        case Plattentyp:
            ergebnisZuruecksetzen();
            spalttypenNeuFuellen();
            return;
        case PlattentypModus:
            regeln::plattentypListe(f);
            ergebnisZuruecksetzen();
            return;
        case SpaltenModus:
            regeln::spaltenRegel(f, zustand());
            ergebnisZuruecksetzen();
            return;
        case SerienModus:
            regeln::serienRegel(f, zustand());
            ergebnisZuruecksetzen();
            return;
        case MediumWarm:
            mediumWarmGeaendert();
            return;
        case MediumKalt:
            mediumKaltGeaendert();
            return;
        default:
            if (enthalten(kResetListen, id)) ergebnisZuruecksetzen();
            return;
    }
}

void CBerechnungDlg::textGeaendert(int id) {
    // Every edit of the window is a number; typed with the language's decimal
    // comma it becomes a point at once, the C format the project file holds.
    if (dezimalKomma_ && !form().control(id).readOnly) {
        std::string text = form().text(id);
        std::replace(text.begin(), text.end(), ',', '.');
        if (text != form().text(id)) form().setText(id, text);
    }
    if (berechnet_.erase(id)) hinweiseSetzen();  // the user's own value now
    if (id == Anzahl1 || id == Anzahl2) {
        spaltenEditiert_ = true;
        return;
    }
    if (id == Serien) {
        spaltenEditiert_ = true;
        ergebnisZuruecksetzen();
        return;
    }
    if (enthalten(kResetTexte, id)) ergebnisZuruecksetzen();
}

void CBerechnungDlg::fokusVerloren(int id) {
    if (id == Anzahl1 || id == Anzahl2 || id == Serien) spaltenJeSeite();
}

void CBerechnungDlg::komplettieren(const std::function<void(CAssembly&)>& vorher) {
    // only a shown result can be completed (the button is greyed otherwise)
    if (!ergebnisVorhanden_ || !ports_.dialogs) return;
    CAssembly dlg(app_, fall_, fall_.komplettierung, &medien_);
    dlg.kennlinienquelle([this] { return kennlinien({}, fall_.ergebnis); });
    // the dialog works on a copy, so that the offer changes only as a whole
    AngebotsBlock a = angebot_ ? *angebot_ : neuesAngebot();
    angebotEinsetzen(dlg, a);
    dlg.angebotBinden(&a);
    if (vorher) vorher(dlg);
    ports_.dialogs->runDialog(dlg);
    // the choices as the dialog was left, for the pack they were made for
    a.paket = paketKennung();
    a.komplettierung = dlg.angebotsZustand();
    a.berechneteFelder = berechneteFelderText();
    angebot_ = std::move(a);
}

AngebotsBlock CBerechnungDlg::neuesAngebot() {
    AngebotsBlock a;
    projektdatenIn(a, projektdatenVorgabe(app_));
    return a;
}

std::string CBerechnungDlg::paketKennung() const {
    const Berechnungsergebnis& r = fall_.ergebnis;
    std::string k = r.plattentypName + ";" + std::to_string(r.plattentyp) + ";" +
                    std::to_string(r.serien) + ";" + std::to_string(r.spaltenGesamt);
    // the channel types present, so that the key does not depend on how
    // many entries a side keeps
    auto typen = [&k](const auto& seite) {
        for (const SpalttypAnzahl& s : seite)
            if (s.anzahl > 0)
                k += ";" + std::to_string(s.spalttyp) + "x" + std::to_string(s.anzahl);
    };
    typen(r.spalttypenWarm);
    k += ";/";
    typen(r.spalttypenKalt);
    for (int w : {r.materialPlatte, r.dichtungWarm, r.dichtungKalt, r.gestell, r.gestellVariante,
                  r.druckstufe})
        k += ";" + std::to_string(w);
    return k;
}

void CBerechnungDlg::angebotEinsetzen(CAssembly& dlg, AngebotsBlock& a) {
    if (a.komplettierung.empty() && a.spezifikation.empty()) return;
    std::vector<std::string> verworfen;
    if (a.paket == paketKennung()) {
        verworfen = dlg.angebotsZustandSetzen(a.komplettierung);
    } else {
        // choices made for another pack are never applied to this one: the
        // completion's and the specification's together, in one message
        for (const AngebotsEintrag& e : a.komplettierung) verworfen.push_back(dlg.eintragName(e));
        for (const AngebotsEintrag& e : a.spezifikation)
            verworfen.push_back(spezEintragName(app_.getSprache(), e));
        a.spezifikation.clear();
    }
    // said once: from now on the offer holds what the dialog shows
    a.komplettierung = dlg.angebotsZustand();
    a.paket = paketKennung();
    if (verworfen.empty()) return;
    std::string liste;
    for (const std::string& v : verworfen) liste += "\n" + v;
    zeigeMeldung(ports_.messages, app_.getSprache(), "error", "angebotVerworfen", "",
                 MessageIcon::Warning, liste);
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
    if (!ports_.files || !aenderungenSichern()) return;
    std::optional<std::string> pfad = ports_.files->chooseFileToOpen(letzterOrdner(), "kal");
    if (!pfad) return;
    ordnerMerken(*pfad);
    projektLesen(*pfad);
}

int CBerechnungDlg::projektLesen(const std::string& pfad) {
    // the record and at most the largest offer block with its marker line;
    // a longer file shows as a damaged block
    std::optional<std::string> bytes =
        dateiLesen(pfad, kProjektGroesse + 64 + kAngebotMaxGroesse + 1);
    if (!bytes) {
        zeigeMeldung(ports_.messages, app_.getSprache(), "error", "dateiNichtGeoeffnet", "",
                     MessageIcon::Error, pfad);
        return 1;
    }
    return projektLaden(*bytes, pfad);
}

int CBerechnungDlg::projektLaden(const std::string& bytes, const std::string& pfad) {
    const size_t satz = std::min(bytes.size(), static_cast<size_t>(kProjektGroesse));
    std::optional<ProjektInhalt> inhalt = ProjektInhalt::dekodieren(bytes.substr(0, satz));
    if (!inhalt) {
        zeigeMeldung(ports_.messages, app_.getSprache(), "error", "falsche ed_version", "");
        return 2;
    }
    const std::string rest = bytes.substr(satz);
    AngebotGelesen gelesen = angebotDekodieren(rest);
    projektPfad_ = pfad;
    angebot_ = std::move(gelesen.block);
    punkte_.clear();
    if (angebot_) {
        punkte_ = std::move(angebot_->betriebspunkte);
        angebot_->betriebspunkte.clear();
        // points alone are no offer begun
        if (nurBetriebspunkte(*angebot_)) angebot_.reset();
    }
    betriebspunkteKnopf();
    spaeteresAngebot_ = gelesen.lage == AngebotsLage::Neuer ? rest : std::string();
    Form& f = form();
    berechnet_.clear();
    eingabenLeeren();
    ergebnisZuruecksetzen();
    arbeitswerteLeeren();
    const Data& d = data();
    const CIniEx& s = app_.getSprache();
    int modus = projektInFormular(
        *inhalt, f, medien_, s, "", ports_.messages, [this] { plattentypRegel(); },
        [&] {
            for (int seite = 0; seite < 2; ++seite) {
                const EigenesMedium& m = medien_[static_cast<size_t>(seite)];
                listen::eigenesMediumEintrag(f, seite == 0 ? MediumWarm : MediumKalt, d, s,
                                             m.gespeichert ? &m.name : nullptr);
            }
        },
        [&](int gespeicherterModus) {
            // Channel type positions index the lists as they were when saved:
            // in rating only the permitted types are listed.
            const int material = f.selectedValue(MaterialPlatte);
            const int druckstufe = f.selectedValue(Druckstufe);
            const int plattentyp = f.selectedValue(Plattentyp);
            listen::spalttypenFuellen(f, d, gespeicherterModus == 1, [&](int typ) {
                return zulaessig_->istZulaessig(material, plattentyp, druckstufe, typ) != 0;
            });
        },
        [&] {
            // the warm gaskets as the file's media list them, not the last project's
            medienFlagsNeu(0);
            medienFlagsNeu(1);
            listen::dichtungsRegel(f, d, fall_.eingaben.warm.kondensation, app_.getWerksmodus());
        });
    einheitensystemGeaendert();
    millimeterGeaendert();
    medienFlagsNeu(0);
    medienFlagsNeu(1);
    modusWechseln(modus);
    spalttypenNeuFuellen();
    if (angebot_) berechneteFelderSetzen(angebot_->berechneteFelder);
    setCaption(titel_ + " - " + projektPfad_);
    standMerken();
    // after the entries opened: the entries are what was asked for
    if (gelesen.lage == AngebotsLage::Beschaedigt || gelesen.lage == AngebotsLage::Neuer)
        zeigeMeldung(ports_.messages, app_.getSprache(), "error",
                     gelesen.lage == AngebotsLage::Neuer ? "angebotNeuer" : "angebotBeschaedigt",
                     "", MessageIcon::Warning);
    if (gelesen.punkteBeschaedigt)
        zeigeMeldung(ports_.messages, app_.getSprache(), "error", "betriebspunkteBeschaedigt", "",
                     MessageIcon::Warning);
    return 0;
}

bool CBerechnungDlg::speichern(bool unterNeuemNamen) {
    std::string pfad = projektPfad_;
    if (unterNeuemNamen || pfad.empty()) {
        if (!ports_.files) return false;
        // project files are *.kal: the suffix is added to a name without one
        std::optional<std::string> gewaehlt = ports_.files->chooseFileToSave(
            "kal", letzterOrdner(), std::filesystem::path(pfad).filename().string());
        if (!gewaehlt) return false;
        ordnerMerken(*gewaehlt);
        pfad = *gewaehlt;
    }
    return projektSchreiben(pfad);
}

// Under a name of its own, so that the offer as it was sent stays; nothing
// saved leaves the revision as it was.
bool CBerechnungDlg::alsRevisionSpeichern() {
    const std::optional<AngebotsBlock> vorher = angebot_;
    AngebotsBlock a = angebot_ ? *angebot_ : neuesAngebot();
    ++a.revision;
    a.revisionsdatum = heutigesDatum();
    angebot_ = std::move(a);
    if (speichern(true)) return true;
    angebot_ = vorher;
    return false;
}

bool CBerechnungDlg::projektSchreiben(const std::string& pfad) {
    std::string fehler;
    if (!dateiSicherSchreiben(pfad, projektBytes(), &fehler)) {
        // the project path and the title keep naming the untouched file
        // that holds the last saved state
        zeigeMeldung(ports_.messages, app_.getSprache(), "error", "dateiNichtGespeichert", "",
                     MessageIcon::Error, pfad);
        return false;
    }
    projektPfad_ = pfad;
    setCaption(titel_ + " - " + projektPfad_);
    standMerken();
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
    // texts the calculation wrote: the status line and the shown result
    if (!form().text(Statuszeile).empty()) {
        const char* key = fall_.suche.ergebnisAngezeigt ? "ergebnis" : "keinergebnis";
        form().setText(Statuszeile, statusText(app_.getSprache().GetValue("result", key, ""),
                                               fall_.suche.anzahlBerechnungen));
    }
    ergebnisNeuAnzeigen();
}

void CBerechnungDlg::hilfe() {
    std::string pfad = app_.getAppDir() + "/help/" + app_.getSprachcode() + "/index.htm";
    if (!lesbar(pfad)) {
        pfad = app_.getAppDir() + "/help/uk/index.htm";
        if (!lesbar(pfad)) {
            zeigeMeldung(ports_.messages, app_.getSprache(), "error", "readingfile", "",
                         MessageIcon::Error, pfad);
            return;
        }
    }
    // without a browser the program shows the page itself
    if (ports_.documents && !ports_.documents->openDocument(pfad))
        ports_.documents->showHelpWindow(pfad);
}

void CBerechnungDlg::info() {
    DialogInfo dlg(app_.getSprache().GetValue("menu", "info", ""), app_.getSettings(),
                   app_.getSprache());
    if (ports_.dialogs) ports_.dialogs->runDialog(dlg);
}

}  // namespace kal
