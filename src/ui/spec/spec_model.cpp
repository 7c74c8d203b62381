#include "ui/spec/spec_model.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <exception>
#include <filesystem>

#include "datalib/dateiausgabe.h"
#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "druck/blatt.h"
#include "druck/kennlinienblatt.h"
#include "druck/projektdaten.h"
#include "ids/dialog_ids.h"
#include "projekt/angebotszustand.h"
#include "ui/spec/kennlinienangaben.h"
#include "ui/spec/spec_ausgaben.h"
#include "version/kal_version.h"

namespace kal {

using namespace sp;
namespace eg = einheitengruppe;

namespace {
const Beschriftung kBeschriftungen[] = {
    {LabelProjekt, "spezifikation", "projekt"},
    {LabelPosition, "spezifikation", "position"},
    {LabelSachbearbeiter, "spezifikation", "sachbearbeiter"},
    {LabelDurchwahl, "spezifikation", "durchwahl"},
    {LabelGeraet, "spezifikation", "geraet"},
    {LabelKennung, "spezifikation", "kennung"},
    {KopfWarm, "spezifikation", "warmeseite"},
    {KopfKalt, "spezifikation", "kalteseite"},
    {LabelMedien, "spezifikation", "medien"},
    {LabelBemerkungSeite, "spezifikation", "bemerkung"},
    {LabelMassenstrom, "spezifikation", "massenstrom"},
    {LabelVolumenstrom, "spezifikation", "volumenstrom"},
    {LabelEintritt, "spezifikation", "eintrittstemp"},
    {LabelAustritt, "spezifikation", "austrittstemp"},
    {LabelViskositaet, "spezifikation", "viskositaet"},
    {LabelDichte, "spezifikation", "dichte"},
    {LabelCp, "spezifikation", "waermekapazitaet"},
    {LabelLambda, "spezifikation", "waermeleitfaehigkeit"},
    {LabelKondensationsenthalpie, "spezifikation", "kondensationsenthalpie_anzeige"},
    {LabelDruckverlust, "spezifikation", "stroemungsverlust"},
    {LabelSerien, "spezifikation", "wegeinserie"},
    {LabelInhalt, "spezifikation", "inhalt"},
    {LabelSpaltenGesamt, "spezifikation", "spaltengesamt"},
    {LabelSpalten, "spezifikation", "spalten"},
    {LabelPlatten, "spezifikation", "platten"},
    {LabelDichtungen, "spezifikation", "dichtungen"},
    {LabelGestell, "spezifikation", "gestell"},
    {LabelLeistung, "spezifikation", "waermemenge"},
    {LabelFlaeche, "spezifikation", "austauschfläche"},
    {LabelTemperaturdifferenz, "spezifikation", "temperaturdifferenz"},
    {LabelK, "spezifikation", "durchgangszahl"},
    {LabelFouling, "spezifikation", "verschmutzungsfaktor"},
    {LabelSicherheit, "spezifikation", "flaechensicherheit"},
    {LabelGewicht, "spezifikation", "gewicht"},
    {LabelDruck, "spezifikation", "druck"},
    {LabelMaxTemperatur, "spezifikation", "maxtemperatur"},
    {LabelBemerkung, "spezifikation", "bemerkung"},
    {Drucken, "spezifikation", "spez.drucken"},
    {Excel, "spezifikation", "excel"},
    {Ausschreibung, "spezifikation", "ausschreibung"},
    {Zurueck, "spezifikation", "zurueck"},
};

// Per-user values of the project data, in the order of the strings: only
// clerk and telephone carry from project to project.
const char* const kRegistryNamen[4] = {nullptr, nullptr, "name", "telefon"};
const int kProjektdatenFelder[4] = {Projekt, Position, Sachbearbeiter, Durchwahl};

// Every field the user may edit besides the project data; all others are
// read-only.
const int kEditierbar[] = {MediumWarm,
                           MediumKalt,
                           BemerkungWarm,
                           BemerkungKalt,
                           MassenstromWarm,
                           MassenstromKalt,
                           VolumenstromWarm,
                           VolumenstromKalt,
                           TEinWarm,
                           TEinKalt,
                           TAusWarm,
                           TAusKalt,
                           DruckverlustWarm,
                           DruckverlustKalt,
                           Leistung,
                           Flaeche,
                           Lmtd,
                           Cmtd,
                           KErf,
                           KEff,
                           Fouling,
                           Sicherheit,
                           MaxTemperatur,
                           Bemerkung};

// The number fields the checks read, each with its lower bound (the upper
// one is DBL_MAX); the maximum operating temperature follows them.
struct Bereich {
    int id;
    double min;
};
const Bereich kZahlfelder[] = {{MassenstromWarm, 0},
                               {MassenstromKalt, 0},
                               {VolumenstromWarm, 0},
                               {VolumenstromKalt, 0},
                               {TEinWarm, -DBL_MAX},
                               {TEinKalt, -DBL_MAX},
                               {TAusWarm, -DBL_MAX},
                               {TAusKalt, -DBL_MAX},
                               {DruckverlustWarm, 0},
                               {DruckverlustKalt, 0},
                               {Leistung, 0},
                               {Flaeche, 0},
                               {Lmtd, 0},
                               {Cmtd, 0},
                               {KErf, 0},
                               {KEff, 0},
                               {Fouling, -DBL_MAX},
                               {Sicherheit, -DBL_MAX}};

// A checked field's name in a message: its row caption and, for a field of
// one side, that side's column heading (0: none).
struct Feldname {
    int feld, zeile, spalte;
};
const Feldname kFeldnamen[] = {{MediumWarm, LabelMedien, KopfWarm},
                               {MediumKalt, LabelMedien, KopfKalt},
                               {MassenstromWarm, LabelMassenstrom, KopfWarm},
                               {MassenstromKalt, LabelMassenstrom, KopfKalt},
                               {VolumenstromWarm, LabelVolumenstrom, KopfWarm},
                               {VolumenstromKalt, LabelVolumenstrom, KopfKalt},
                               {TEinWarm, LabelEintritt, KopfWarm},
                               {TEinKalt, LabelEintritt, KopfKalt},
                               {TAusWarm, LabelAustritt, KopfWarm},
                               {TAusKalt, LabelAustritt, KopfKalt},
                               {DruckverlustWarm, LabelDruckverlust, KopfWarm},
                               {DruckverlustKalt, LabelDruckverlust, KopfKalt},
                               {Leistung, LabelLeistung, 0},
                               {Flaeche, LabelFlaeche, 0},
                               {Fouling, LabelFouling, 0},
                               {Sicherheit, LabelSicherheit, 0},
                               {MaxTemperatur, LabelMaxTemperatur, 0},
                               {AnschlussWarm, LabelAnschlussWarm, 0},
                               {AnschlussKalt, LabelAnschlussKalt, 0},
                               {BemerkungWarm, LabelBemerkungSeite, KopfWarm},
                               {BemerkungKalt, LabelBemerkungSeite, KopfKalt},
                               {Bemerkung, LabelBemerkung, 0}};
// The two fields of a shared row, named by keys of their own.
const std::pair<int, const char*> kFeldnamenKeys[] = {
    {Lmtd, "lmtd"}, {Cmtd, "cmtd"}, {KErf, "kerf"}, {KEff, "keff"}};

constexpr double kAbsolutGrenzeMetrisch = 200.0;  // degC
constexpr double kAbsolutGrenzeUs = 392.0;        // degF
// the single-precision 0.999 the default maximum temperature is rounded up with
constexpr double kAufrunden = static_cast<double>(0.999f);
constexpr size_t kLaengeProjektdaten = 59, kLaengeBemerkung = 80;
}  // namespace

DialogSpec::DialogSpec(CBerechnungApp& app, const Berechnungsfall& fall, const EigeneMedien* medien)
    : app_(app),
      ports_(app.getPorts()),
      fall_(fall),
      medien_(medien),
      eingabe_(eingabePruefer(app.getSprache(), app.getPorts().messages,
                              app.getSprache().GetValue("spezifikation", "titel", ""))),
      dezimalKomma_(dezimalKomma(app.getSprache())) {
    eingabe_.setFeldnamen([this](int id) { return feldname(id); });
    Form& f = form();
    for (int id : kProjektdatenFelder)
        f.control(id).maxLength = static_cast<int>(kLaengeProjektdaten);
    f.control(Bemerkung).maxLength = static_cast<int>(kLaengeBemerkung);
    oeffnen();
}

void DialogSpec::fehlertext(const char* text) const {
    if (!ports_.messages) return;
    Message m;
    m.text = text;
    m.icon = MessageIcon::Error;
    ports_.messages->showMessage(m);
}

// The opening, in its order; each step reports its own failure.
void DialogSpec::oeffnen() {
    Form& f = form();
    projektdaten_ = {};
    const bool kond = fall_.eingaben.warm.kondensation;
    f.setEnabled(Kondensationsenthalpie, kond);
    f.setVisible(EinheitKondensationsenthalpie, kond);
    try {
        try {
            beschriften();
        } catch (const std::exception&) {
            fehlertext("Fehler in ReadLanguageFile");
        }
        try {
            projektdatenLesen();
        } catch (const std::exception&) {
            fehlertext("Fehler in ReadRegistry");
        }
        try {
            fuellen();
        } catch (const std::exception&) {
            fehlertext("Fehler in setData");
        }
    } catch (...) {
        fehlertext("Fehler in InitDialog");
    }
    for (const auto& [id, c] : f.controls())
        if (id < LabelProjekt && c.items.empty()) f.control(id).readOnly = true;
    for (int id : kEditierbar) f.control(id).readOnly = false;
    for (int id : kProjektdatenFelder) f.control(id).readOnly = false;
    artenSetzen();
    kopf_.datum = heutigesDatum();
    for (int id : kEditierbar) gefuellt_[id] = f.text(id);
    if (app_.getSettings().GetValue("Daten", "kennstring", "") != "1") {
        f.setVisible(LabelKennung, false);
        f.setVisible(Kennung, false);
        f.setEnabled(Kennung, false);
    }
}

// What each control is, so that a script does to it only what a user can:
// the buttons, the captions and unit labels; every other control is a field.
void DialogSpec::artenSetzen() {
    Form& f = form();
    f.setKind(ControlKind::Button, {Drucken, Excel, Ausschreibung, Zurueck});
    f.setKind(ControlKind::Label, {KopfWarm,
                                   KopfKalt,
                                   LabelKennung,
                                   LabelBemerkungSeite,
                                   LabelAnschlussWarm,
                                   LabelAnschlussKalt,
                                   LabelBemerkung,
                                   EinheitViskositaetWandWarm,
                                   EinheitViskositaetWandKalt,
                                   EinheitGasDruckWarm,
                                   EinheitGasDruckKalt,
                                   EinheitMassenstromWarm,
                                   EinheitMassenstromKalt,
                                   EinheitVolumenstromWarm,
                                   EinheitVolumenstromKalt,
                                   EinheitTEinWarm,
                                   EinheitTEinKalt,
                                   EinheitTAusWarm,
                                   EinheitTAusKalt,
                                   EinheitViskositaetWarm,
                                   EinheitViskositaetKalt,
                                   EinheitDichteWarm,
                                   EinheitDichteKalt,
                                   EinheitCpWarm,
                                   EinheitCpKalt,
                                   EinheitLambdaWarm,
                                   EinheitLambdaKalt,
                                   EinheitKondensationsenthalpie,
                                   EinheitDruckverlustWarm,
                                   EinheitDruckverlustKalt,
                                   EinheitInhaltWarm,
                                   EinheitInhaltKalt,
                                   EinheitLeistung,
                                   EinheitFlaeche,
                                   EinheitTemperaturdifferenz,
                                   EinheitK,
                                   EinheitFouling,
                                   EinheitSicherheit,
                                   EinheitGewicht,
                                   EinheitDruck,
                                   EinheitMaxTemperatur});
    for (const auto& [id, c] : f.controls()) {
        if (id >= LabelProjekt)
            f.control(id).kind = ControlKind::Label;  // the row captions
        else if (c.kind == ControlKind::Unknown)
            f.control(id).kind = ControlKind::Edit;
    }
}

void DialogSpec::beschriften() {
    Form& f = form();
    setCaption(sprache().GetValue("spezifikation", "titel", ""));
    beschriftungenSetzen(f, sprache(), kBeschriftungen);
    const std::string anschluesse = sprache().GetValue("spezifikation", "anschluesse", "");
    f.setText(LabelAnschlussWarm,
              sprache().GetValue("spezifikation", "warmeseite", "") + " " + anschluesse);
    f.setText(LabelAnschlussKalt,
              sprache().GetValue("spezifikation", "kalteseite", "") + " " + anschluesse);
    f.setText(EinheitPlattendicke, "[mm]");
}

void DialogSpec::projektdatenLesen() {
    SettingsPort* s = ports_.settings;
    if (!s || !s->openKey()) {
        zeigeMeldung(ports_.messages, sprache(), "error", "readregistry",
                     sprache().GetValue("error", "error", ""));
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (!kRegistryNamen[i]) continue;
        if (auto v = s->readValue(kRegistryNamen[i])) {
            // a stored value is taken like one typed: one line, the field's length
            const std::string wert = eingabeText(*v, kLaengeProjektdaten);
            projektdaten_[static_cast<size_t>(i)] = wert;
            form().setText(kProjektdatenFelder[i], wert);
        }
    }
}

bool DialogSpec::projektdatenSchreiben() {
    SettingsPort* s = ports_.settings;
    bool gut = s && s->openKey();
    for (int i = 0; gut && i < 4; ++i)
        if (kRegistryNamen[i])
            gut = s->writeValue(kRegistryNamen[i], projektdaten_[static_cast<size_t>(i)]);
    if (!gut)
        zeigeMeldung(ports_.messages, sprache(), "error", "readregistry",
                     sprache().GetValue("error", "error", ""));
    return gut;
}

// ---------------------------------------------------------------- filling

int DialogSpec::anzeigePosition(int gruppe) const {
    return anzeigeEinheitPosition(data(), gruppe, fall_.eingaben.einheitensystem);
}

std::string DialogSpec::klammer(int gruppe, int pos) const {
    const Einheit* e = einheitAn(data(), gruppe, pos);
    return "[" + (e ? e->getName() : std::string()) + "]";
}

void DialogSpec::zeige(int feld, int einheit, int gruppe, int pos, double basis,
                       const char* format) {
    form().setText(feld, formatiere(format, ausBasisEinheit(data(), gruppe, pos, basis)));
    if (einheit) form().setText(einheit, klammer(gruppe, pos));
}

void DialogSpec::fuellen() {
    fuelleSeite(kWarm);
    fuelleSeite(kKalt);
    fuelleStoffwerte(kWarm);
    fuelleStoffwerte(kKalt);
    fuelleKondensat();
    fuellePaket();
    fuelleKenndaten();
    fuelleBetrieb();
}

void DialogSpec::fuelleSeite(int s) {
    const bool warm = s == kWarm;
    const Mediumseite& m = fall_.eingaben.seite(s);
    const Berechnungsergebnis& r = fall_.ergebnis;
    Form& f = form();
    f.setText(warm ? MediumWarm : MediumKalt, fall_.arbeitswerte.seite(s).name);
    // the flow unit selected beside the entry, the display unit for the other kind
    const int posMasse =
        m.durchsatzIstMasse ? m.einheitDurchsatz : anzeigePosition(eg::Massenstrom);
    const int posVolumen =
        m.durchsatzIstMasse ? anzeigePosition(eg::Volumenstrom) : m.einheitDurchsatz;
    zeige(warm ? MassenstromWarm : MassenstromKalt,
          warm ? EinheitMassenstromWarm : EinheitMassenstromKalt, eg::Massenstrom, posMasse,
          m.massenstrom, "%.2f");
    zeige(warm ? VolumenstromWarm : VolumenstromKalt,
          warm ? EinheitVolumenstromWarm : EinheitVolumenstromKalt, eg::Volumenstrom, posVolumen,
          m.volumenstrom, "%.3f");
    auto grad = [&](double t) {
        return inBasisEinheit(data(), eg::Temperatur, eg::TemperaturGradC, t);
    };
    zeige(warm ? TEinWarm : TEinKalt, warm ? EinheitTEinWarm : EinheitTEinKalt, eg::Temperatur,
          m.einheitTEin, grad(m.tEin), "%.2f");
    zeige(warm ? TAusWarm : TAusKalt, warm ? EinheitTAusWarm : EinheitTAusKalt, eg::Temperatur,
          m.einheitTAus, grad(m.tAus), "%.2f");
    zeige(warm ? DruckverlustWarm : DruckverlustKalt,
          warm ? EinheitDruckverlustWarm : EinheitDruckverlustKalt, eg::Druck,
          m.einheitDruckverlust,
          inBasisEinheit(data(), eg::Druck, eg::DruckKPa,
                         warm ? r.druckverlustWarm : r.druckverlustKalt),
          "%.3f");
    f.setText(warm ? SerienWarm : SerienKalt, formatiere("%i", r.serien));
    zeige(warm ? InhaltWarm : InhaltKalt, warm ? EinheitInhaltWarm : EinheitInhaltKalt, eg::Volumen,
          anzeigePosition(eg::Volumen),
          inBasisEinheit(data(), eg::Volumen, eg::VolumenLiter, warm ? r.inhaltWarm : r.inhaltKalt),
          "%.3f");
    // the operating pressure of a gas side (a condensing side has its steam pressure)
    const bool gas = m.istGas && !m.eigenesMedium && !(warm && m.kondensation);
    const int feld = warm ? GasDruckWarm : GasDruckKalt;
    const int einheit = warm ? EinheitGasDruckWarm : EinheitGasDruckKalt;
    if (gas)
        zeige(feld, einheit, eg::Druck, m.einheitGasDruck,
              inBasisEinheit(data(), eg::Druck, eg::DruckBar, m.gasDruck), "%.3f");
    else
        f.setText(feld, "");
    f.setVisible(feld, false);
    f.setVisible(einheit, false);
}

void DialogSpec::fuelleStoffwerte(int s) {
    const bool warm = s == kWarm;
    const Mediumseite& m = fall_.eingaben.seite(s);
    const Seitenwerte& w = fall_.arbeitswerte.seite(s);
    const bool eigen = m.eigenesMedium && medien_;
    // a user-defined medium keeps the units it was entered in
    auto position = [&](int gruppe, int groesse) {
        return eigen ? (*medien_)[static_cast<size_t>(s)].einheiten[static_cast<size_t>(groesse)]
                     : anzeigePosition(gruppe);
    };
    const double mPas = eg::ViskositaetMPas;
    auto viskositaet = [&](int feld, int einheit, int groesse, double wert) {
        if (eigen)
            zeige(feld, einheit, eg::Viskositaet, position(eg::Viskositaet, groesse),
                  inBasisEinheit(data(), eg::Viskositaet, static_cast<int>(mPas), wert), "%g");
        else {
            form().setText(feld, formatiere("%g", wert));  // as the library holds it
            form().setText(einheit, klammer(eg::Viskositaet, anzeigePosition(eg::Viskositaet)));
        }
    };
    viskositaet(warm ? ViskositaetWarm : ViskositaetKalt,
                warm ? EinheitViskositaetWarm : EinheitViskositaetKalt, EG_Viskositaet,
                w.viskositaet);
    zeige(warm ? DichteWarm : DichteKalt, warm ? EinheitDichteWarm : EinheitDichteKalt, eg::Dichte,
          position(eg::Dichte, EG_Dichte), w.dichte, "%g");
    zeige(warm ? CpWarm : CpKalt, warm ? EinheitCpWarm : EinheitCpKalt, eg::Waermekapazitaet,
          position(eg::Waermekapazitaet, EG_Waermekapazitaet), w.waermekapazitaet, "%g");
    zeige(warm ? LambdaWarm : LambdaKalt, warm ? EinheitLambdaWarm : EinheitLambdaKalt,
          eg::Waermeleitfaehigkeit, position(eg::Waermeleitfaehigkeit, EG_Waermeleitfaehigkeit),
          w.waermeleitfaehigkeit, "%g");
    const int wand = warm ? ViskositaetWandWarm : ViskositaetWandKalt;
    const int wandEinheit = warm ? EinheitViskositaetWandWarm : EinheitViskositaetWandKalt;
    if (eigen) {
        viskositaet(wand, wandEinheit, EG_ViskositaetWand, m.eigenesMediumDaten.viskositaetWand);
    } else {
        form().setText(wand, "");
        form().setText(wandEinheit, "[]");
    }
    form().setVisible(wand, false);
    form().setVisible(wandEinheit, false);
}

// A condensing warm side: the visible fields hold the vapour, these the
// condensate, the condensation enthalpy and the steam pressure.
void DialogSpec::fuelleKondensat() {
    Form& f = form();
    for (int id : {KondensatViskositaet, KondensatDichte, KondensatCp, KondensatLambda, Dampfdruck,
                   Kondensationsenthalpie}) {
        f.setText(id, "");
        f.setVisible(id, id == Kondensationsenthalpie);
    }
    if (!fall_.eingaben.warm.kondensation) return;
    const Seitenwerte& w = fall_.arbeitswerte.warm;
    f.setText(KondensatViskositaet, formatiere("%g", w.kondensat.viskositaet));
    zeige(KondensatDichte, 0, eg::Dichte, anzeigePosition(eg::Dichte), w.kondensat.dichte, "%g");
    zeige(KondensatCp, 0, eg::Waermekapazitaet, anzeigePosition(eg::Waermekapazitaet),
          w.kondensat.waermekapazitaet, "%g");
    zeige(KondensatLambda, 0, eg::Waermeleitfaehigkeit, anzeigePosition(eg::Waermeleitfaehigkeit),
          w.kondensat.waermeleitfaehigkeit, "%g");
    zeige(Kondensationsenthalpie, EinheitKondensationsenthalpie, eg::Kondensationsenthalpie,
          anzeigePosition(eg::Kondensationsenthalpie), w.kondensationsenthalpie, "%g");
    const double bar = inBasisEinheit(data(), eg::Druck, eg::DruckBar, w.dampfdruck);
    const int pos = fall_.eingaben.einheitensystem == 1 ? anzeigePosition(eg::Druck) : eg::DruckBar;
    f.setText(Dampfdruck, formatiere("%g", ausBasisEinheit(data(), eg::Druck, pos, bar)));
}

void DialogSpec::fuellePaket() {
    Form& f = form();
    const Falleingaben& e = fall_.eingaben;
    const Berechnungsergebnis& r = fall_.ergebnis;
    const Komplettierung& k = fall_.komplettierung;
    const Data& d = data();
    f.setText(Geraet, r.preisCode);
    f.setText(Kennung, k.geraetekennstring);
    f.setText(SpaltenGesamt, formatiere("%i", r.spaltenGesamt));
    const int anzahl[2] = {Anzahl1, Anzahl2}, typ[2] = {Spalttyp1, Spalttyp2};
    for (size_t i = 0; i < 2; ++i) {
        const SpalttypAnzahl& p = r.spalttypenWarm[i];
        const Spalttyp* s = d.getSpalttypListe().internalGetAt(p.spalttyp);
        // the second type only when it has channels
        const bool da = s && (i == 0 || p.anzahl >= 1);
        f.setText(anzahl[i], da ? formatiere("%i", p.anzahl) : std::string());
        f.setText(typ[i], da ? s->getName() : std::string());
    }
    const MaterialPlatteA* mat =
        d.getMaterialPlatteAListe().internalGetForObjectId(e.materialPlatte);
    f.setText(Plattenmaterial, mat ? mat->getName() : std::string());
    const PlattentypA* pt = d.getPlattentypAListe().internalGetForObjectId(r.plattentyp);
    const double dicke = pt ? pt->getPlattenDickeEinzeln(e.materialPlatte, e.druckstufe) * 1000 : 0;
    f.setText(Plattendicke, formatiere(e.sicherheitsplatte ? "2 x %.2f" : "%.2f", dicke));
    for (auto [feld, id] :
         {std::pair{DichtungWarm, e.dichtungWarm}, {DichtungKalt, e.dichtungKalt}}) {
        const DichtungA* g = d.getDichtungAListe().internalGetForObjectId(id);
        f.setText(feld, g ? g->getName() : std::string());
    }
    const MaterialGestellU* gestell =
        d.getMaterialGestellUListe().internalGetForObjectId(e.gestell);
    std::string rahmen = gestell ? gestell->getName() : std::string();
    if (rahmen == "C-Steel") rahmen += ", Ral " + k.ralNr;  // only a steel frame is painted
    rahmen += e.gestellVariante != 0 ? ", ASME" : ", DIN";
    f.setText(Gestell, rahmen);
    f.setText(BelegungWarm, k.belegungMediumWarm);
    f.setText(AnschlussWarm, k.anschlussTextWarm);
    f.setText(BelegungKalt, k.belegungMediumKalt);
    f.setText(AnschlussKalt, k.anschlussTextKalt);
}

void DialogSpec::fuelleKenndaten() {
    Form& f = form();
    const Falleingaben& e = fall_.eingaben;
    const Berechnungsergebnis& r = fall_.ergebnis;
    const Arbeitswerte& a = fall_.arbeitswerte;
    zeige(Leistung, EinheitLeistung, eg::Leistung, e.einheitLeistung,
          std::max(a.leistungWarm, a.leistungKalt), "%.2f");
    zeige(Flaeche, EinheitFlaeche, eg::Flaeche, anzeigePosition(eg::Flaeche), r.flaeche, "%.2f");
    const int dt = anzeigePosition(eg::Temperatur);
    f.setText(Lmtd, formatiere("%.2f", temperaturdifferenzAus(data(), dt, r.lmtd)));
    f.setText(Cmtd, formatiere("%.2f", temperaturdifferenzAus(data(), dt, r.cmtd)));
    f.setText(EinheitTemperaturdifferenz, "[" + temperaturdifferenzName(data(), dt) + "]");
    const int k = anzeigePosition(eg::Waermeuebergang);
    zeige(KErf, EinheitK, eg::Waermeuebergang, k, r.kErf, "%.2f");
    zeige(KEff, 0, eg::Waermeuebergang, k, r.kEff, "%.2f");
    zeige(Fouling, EinheitFouling, eg::Fouling, anzeigePosition(eg::Fouling), r.foulingIst, "%.7f");
    f.setText(Sicherheit, formatiere("%g", r.flaechenreserve));
    f.setText(EinheitSicherheit, "[%]");
    zeige(Gewicht, EinheitGewicht, eg::Gewicht, anzeigePosition(eg::Gewicht), r.gewicht, "%.f");
}

// Design pressure, the default maximum operating temperature and the two
// temperatures the checks hold it against.
void DialogSpec::fuelleBetrieb() {
    Form& f = form();
    const Falleingaben& e = fall_.eingaben;
    const Data& d = data();
    const DruckstufeA* stufe = d.getDruckstufeAListe().internalGetForObjectId(e.druckstufe);
    const int bar = stufe ? stufe->getDruck() : 0;
    if (e.einheitensystem == 1) {
        zeige(Druck, EinheitDruck, eg::Druck, anzeigePosition(eg::Druck),
              inBasisEinheit(d, eg::Druck, eg::DruckBar, bar), "%.f");
    } else {
        f.setText(Druck, formatiere("%i", bar));
        f.setText(EinheitDruck, klammer(eg::Druck, eg::DruckBar));
    }
    const int tPos = anzeigePosition(eg::Temperatur);
    auto anzeige = [&](double grad) {
        return ausBasisEinheit(d, eg::Temperatur, tPos,
                               inBasisEinheit(d, eg::Temperatur, eg::TemperaturGradC, grad));
    };
    mindestTemperatur_ = std::trunc(anzeige(e.warm.tEin) + kAufrunden);
    f.setText(MaxTemperatur, formatiere("%.f", mindestTemperatur_));
    f.setText(EinheitMaxTemperatur, klammer(eg::Temperatur, tPos));
    const DichtungA* w = d.getDichtungAListe().internalGetForObjectId(e.dichtungWarm);
    const DichtungA* k = d.getDichtungAListe().internalGetForObjectId(e.dichtungKalt);
    const double tw = w ? anzeige(w->getMaxTemp()) : DBL_MAX;
    const double tk = k ? anzeige(k->getMaxTemp()) : DBL_MAX;
    dichtungsgrenze_ = tw < tk ? tw : tk;
}

// ---------------------------------------------------------------- checks

bool DialogSpec::pruefen() {
    Form& f = form();
    for (int i = 0; i < 4; ++i)
        projektdaten_[static_cast<size_t>(i)] = f.text(kProjektdatenFelder[i]);
    std::string name;
    for (int id : {MediumWarm, MediumKalt})
        if (!eingabe_.validateEditString(f, id, name, false)) return false;
    double wert = 0;
    for (const Bereich& b : kZahlfelder)
        if (!eingabe_.validateEditDouble(f, b.id, wert, false, b.min, DBL_MAX)) return false;
    double t = 0;
    if (!eingabe_.validateEditDouble(f, MaxTemperatur, t, false, 0, DBL_MAX)) return false;
    const std::string titel = caption();
    auto temperaturFehler = [&](const std::string& text, const char* key) {
        if (ports_.messages)
            ports_.messages->showMessage(Message{text, titel, "error", key, MessageIcon::Error});
        f.setFocus(MaxTemperatur);
        return false;
    };
    const bool metrisch = fall_.eingaben.einheitensystem == 0;
    if (t > (metrisch ? kAbsolutGrenzeMetrisch : kAbsolutGrenzeUs)) {
        const char* key = metrisch ? "ErrorBetriebstempC" : "ErrorBetriebstempF";
        return temperaturFehler(sprache().GetValue("error", key, ""), key);
    }
    if (t > dichtungsgrenze_)
        return temperaturFehler(
            formatiere("%s %.2f %s",
                       sprache().GetValue("error", "ErrorMaxBetriebstemp", "").c_str(),
                       dichtungsgrenze_, f.text(EinheitMaxTemperatur).c_str()),
            "ErrorMaxBetriebstemp");
    if (t < mindestTemperatur_)
        return temperaturFehler(
            formatiere("%s %.2f", sprache().GetValue("error", "ErrorMinBetriebstemp", "").c_str(),
                       mindestTemperatur_),
            "ErrorMinBetriebstemp");
    for (int id : {AnschlussWarm, AnschlussKalt})
        if (!eingabe_.validateEditString(f, id, name, false)) return false;
    return true;
}

std::string DialogSpec::feldname(int id) const {
    const Form& f = form();
    for (const Feldname& n : kFeldnamen)
        if (n.feld == id)
            return n.spalte ? f.text(n.zeile) + " (" + f.text(n.spalte) + ")" : f.text(n.zeile);
    for (const auto& [feld, key] : kFeldnamenKeys)
        if (feld == id) return sprache().GetValue("spezifikation", key, "");
    return {};
}

void DialogSpec::textGeaendert(int id) {
    if (!dezimalKomma_) return;
    const bool zahl =
        id == MaxTemperatur || std::any_of(std::begin(kZahlfelder), std::end(kZahlfelder),
                                           [id](const Bereich& b) { return b.id == id; });
    if (zahl) dezimalpunkt(form(), id);
}

// ---------------------------------------------------------------- outputs

std::string DialogSpec::tabellenText() const {
    spez::Ausgabekontext k{
        fall_, sprache(),
        std::string(KAL_VERSION) + "." + app_.getSettings().GetValue("Daten", "version", "")};
    return spez::tabellenText(form(), k);
}

std::string DialogSpec::ausschreibungText() const {
    spez::Ausgabekontext k{fall_, sprache(), {}};
    return spez::ausschreibungText(form(), k, spez::masseText(fall_));
}

std::string DialogSpec::vorlagenPfad() const {
    const std::string code = app_.getSprachcode().empty() ? "uk" : app_.getSprachcode();
    return app_.getAppDir() + "/excel/spec-sheet_" + code + ".xls";
}

void DialogSpec::tabelleUebergeben() {
    // Nothing on screen changes, so the user is told where the text went.
    // What the template opens with is not examined: the hand-over is the text.
    const CIniEx& s = sprache();
    ausgabeGelungen_ = ports_.clipboard && ports_.clipboard->setText(tabellenText());
    if (!ausgabeGelungen_) {
        zeigeMeldung(ports_.messages, s, "error", "zwischenablage", caption());
        return;
    }
    const std::string vorlage = vorlagenPfad();
    const bool geoeffnet = ports_.documents && ports_.documents->openDocument(vorlage);
    if (!ports_.messages) return;
    const std::string werte[] = {std::filesystem::path(vorlage).filename().string()};
    Message m;
    m.section = "spezifikation";
    m.key = geoeffnet ? "tabelleGeoeffnet" : "tabelleOhneVorlage";
    m.text = einsetzen(s.GetValue(m.section, m.key, ""), werte);
    m.caption = caption();
    m.icon = geoeffnet ? MessageIcon::Information : MessageIcon::Warning;
    ports_.messages->showMessage(m);
}

void DialogSpec::ausschreibungSchreiben() {
    if (!ports_.files) return;
    std::optional<std::string> pfad =
        ports_.files->chooseFileToSave("txt", {}, ausschreibungsVorschlag());
    if (!pfad || pfad->empty()) return;  // cancelled: nothing written, nothing said
    // a file that cannot be written is said, and an existing one stays whole
    std::string grund;
    ausgabeGelungen_ = dateiSicherSchreiben(*pfad, alsWindows1252(ausschreibungText()), &grund);
    if (!ausgabeGelungen_) schreibfehlerMelden(ports_.messages, sprache(), *pfad, grund, caption());
}

// The project and position as typed, or else the device's identification,
// with every character a file name cannot safely hold replaced.
std::string DialogSpec::ausschreibungsVorschlag() const {
    std::string name = projektdaten_[0];
    if (!name.empty() && !projektdaten_[1].empty()) name += "_" + projektdaten_[1];
    if (name.empty()) name = fall_.komplettierung.geraetekennstring;
    if (name.empty()) return {};
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!(std::isalnum(u) || c == '-' || c == '.' || c == '_' || u >= 0x80)) c = '_';
    }
    return name + ".txt";
}

Spezblattangaben DialogSpec::blattangaben() const {
    const Falleingaben& e = fall_.eingaben;
    const Komplettierung& k = fall_.komplettierung;
    Spezblattangaben a;
    a.geraetekennstring = k.geraetekennstring;
    a.preisCode = fall_.ergebnis.preisCode;
    a.kondensation = e.warm.kondensation;
    a.gasWarm = e.warm.istGas;
    a.gasKalt = e.kalt.istGas;
    a.eigenesWarm = e.warm.eigenesMedium;
    a.eigenesKalt = e.kalt.eigenesMedium;
    a.werksmodus = app_.getWerksmodus();
    a.entleerungVarianteWarm = k.entleerungVarianteWarm;
    a.entleerungVarianteKalt = k.entleerungVarianteKalt;
    a.entleerungTextWarm = k.entleerungTextWarm;
    a.nennweiteTextWarm = k.nennweiteTextWarm;
    a.entleerungTextKalt = k.entleerungTextKalt;
    a.nennweiteTextKalt = k.nennweiteTextKalt;
    return a;
}

void DialogSpec::projektdatenSetzen(const Projektdaten& p) {
    kopf_ = p;
    projektdaten_ = {p.projekt, p.position, p.sachbearbeiter, p.telefon};
    for (size_t i = 0; i < projektdaten_.size(); ++i)
        form().setText(kProjektdatenFelder[i], eingabeText(projektdaten_[i], kLaengeProjektdaten));
}

Projektdaten DialogSpec::projektdatenStand() const {
    Projektdaten p = kopf_;
    p.projekt = form().text(Projekt);
    p.position = form().text(Position);
    p.sachbearbeiter = form().text(Sachbearbeiter);
    p.telefon = form().text(Durchwahl);
    return p;
}

std::vector<AngebotsEintrag> DialogSpec::angebotsZustand() const {
    std::vector<AngebotsEintrag> alle = eintraegeAusForm(form(), kEditierbar), geaendert;
    for (AngebotsEintrag& e : alle) {
        auto it = gefuellt_.find(textZuInt(e.feld));
        if (it == gefuellt_.end() || it->second != e.text) geaendert.push_back(std::move(e));
    }
    return geaendert;
}

std::vector<AngebotsEintrag> DialogSpec::angebotsZustandSetzen(
    const std::vector<AngebotsEintrag>& e) {
    // only the fields a user may edit take a stored text
    std::vector<AngebotsEintrag> zulaessig, verworfen;
    for (const AngebotsEintrag& x : e) {
        const int id = textZuInt(x.feld);
        (gefuellt_.count(id) && std::to_string(id) == x.feld ? zulaessig : verworfen).push_back(x);
    }
    for (AngebotsEintrag& x :
         eintraegeAnwenden(form(), zulaessig, [this](int id, BindEvent ev) { ereignis(id, ev); }))
        verworfen.push_back(std::move(x));
    return verworfen;
}

std::string spezEintragName(const CIniEx& sprache, const AngebotsEintrag& e) {
    auto beschriftung = [&sprache](int id) {
        for (const Beschriftung& b : kBeschriftungen)
            if (b.id == id) return sprache.GetValue(b.section, b.key, "");
        return std::string();
    };
    const int id = textZuInt(e.feld);
    std::string name;
    for (const Feldname& n : kFeldnamen)
        if (n.feld == id)
            name = n.spalte ? beschriftung(n.zeile) + " (" + beschriftung(n.spalte) + ")"
                            : beschriftung(n.zeile);
    for (const auto& [feld, key] : kFeldnamenKeys)
        if (feld == id) name = sprache.GetValue("spezifikation", key, "");
    if (name.empty()) name = e.feld;
    return e.text.empty() ? name : name + ": " + e.text;
}

// The project data first (its buttons choose printer, preview or PDF); what
// the header then prints is written back here, so sheet and dialog agree.
void DialogSpec::drucken() {
    Projektdaten stand = kopf_;
    stand.projekt = projektdaten_[0];
    stand.position = projektdaten_[1];
    stand.sachbearbeiter = projektdaten_[2];
    stand.telefon = projektdaten_[3];
    CDialogProjektDaten kopf(app_, stand);
    if (!ports_.dialogs || ports_.dialogs->runDialog(kopf) != 1 || !ports_.printer) return;
    projektdatenSetzen(kopf.projektdaten());
    // a cancelled printer dialog draws nothing and says nothing
    const CIniEx& s = sprache();
    std::vector<std::function<bool(PageDevice&)>> seiten = {
        [&kopf, &s, felder = form(), a = blattangaben()](PageDevice& dc) {
            return druckeSpezifikationsblatt(dc, s, kopf, felder, a);
        }};
    if (kennlinien_) {
        Kennlinienblattangaben k =
            kennlinienblattangaben(kennlinien_(), fall_.ergebnis, fall_.eingaben.warm.kondensation,
                                   s, fall_.komplettierung.geraetekennstring);
        if (!k.kurven.empty())
            seiten.push_back([&kopf, k = std::move(k)](PageDevice& dc) {
                return druckeKennlinienblatt(dc, kopf, k);
            });
    }
    const Druckausgang aus = ports_.printer->drucken(
        kopf.ziel(), s.GetValue("title"),
        [&seiten](PageDevice& dc) { return druckeHintereinander(dc, seiten); });
    ausgabeGelungen_ = aus.gedruckt();
    druckfehlerMelden(ports_.messages, s, aus, "spezdrucken", caption());
}

void DialogSpec::geklickt(int id) {
    ausgabeGelungen_ = false;
    switch (id) {
        case Drucken:
            if (!pruefen()) return;
            projektdatenSchreiben();
            try {
                drucken();
            } catch (const std::exception&) {
                zeigeMeldung(ports_.messages, sprache(), "error", "spezdrucken", caption());
            }
            break;
        case Ausschreibung:
            if (!pruefen()) return;
            projektdatenSchreiben();
            try {
                ausschreibungSchreiben();
            } catch (const std::exception&) {
                zeigeMeldung(ports_.messages, sprache(), "error", "ausschreibung", caption());
            }
            break;
        case Excel:
            if (pruefen()) tabelleUebergeben();
            break;
        case Zurueck:
            close(2);
            break;
        default:
            break;
    }
}

}  // namespace kal
