#include "ui/completion/completion_model.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "ids/dialog_ids.h"
#include "projekt/angebotszustand.h"
#include "ui/completion/druckauftrag.h"
#include "ui/spec/spec_model.h"

namespace kal {

using namespace kp;
namespace anschluss = engine::anschluss;

namespace {
const Beschriftung kBeschriftungen[] = {
    {LabelRabatt, "assemblydialog", "rabatt"},
    {LabelWaehrung, "unit", "waehrung"},
    {LabelPreisPaket, "assemblydialog", "preis plattenpaket"},
    {LabelPreisGestell, "assemblydialog", "preis gestell"},
    {LabelGrundpreis, "assemblydialog", "grundpreis"},
    {Sonderanschluesse, "assemblydialog", "sonderanschluesse"},
    {Ansi, "assemblydialog", "anschluss ansi"},
    {Din, "assemblydialog", "anschluss din"},
    {LabelAnschlussWarm, "assemblydialog", "warm"},
    {LabelAnschlussKalt, "assemblydialog", "kalt"},
    {Lackierung, "assemblydialog", "lackierung"},
    {LabelRalNr, "assemblydialog", "ralnr"},
    {Isolierung, "assemblydialog", "isolierung"},
    {Spritzschutz, "assemblydialog", "schutz"},
    {LabelKennung, "assemblydialog", "geraetekennung"},
    {LabelEinzelpreis, "assemblydialog", "einzelpreis"},
    {LabelLieferzeit, "assemblydialog", "lieferzeit"},
    {EinheitLieferzeit, "unit", "lieferzeit"},
    {RahmenDoku, "assemblydialog", "dokumentation"},
    {LabelDokuAnzahl, "assemblydialog", "dokuanzahl"},
    {Massblatt, "assemblydialog", "massblatt"},
    {DokuPlan, "assemblydialog", "plan"},
    {DokuZeugnisse, "assemblydialog", "zeugnisse"},
    {DokuAbnahmezeichnung, "assemblydialog", "abnahmezeichnung"},
    {DokuAblaufplan, "assemblydialog", "ablaufplan"},
    {DokuStueckliste, "assemblydialog", "stueckliste"},
    {DokuZertifikat, "assemblydialog", "zertifikat"},
    {DokuFestigkeit, "assemblydialog", "festigkeit"},
    {DokuQcPlan, "assemblydialog", "qcplan"},
    {Zusatztext3, "assemblydialog", "zusatztext3"},
    {ZusatztextFda, "assemblydialog", "zusatztext_FDA"},
    {RahmenBelegung, "assemblydialog", "Anschlussbelegung"},
    {EintrittOben, "assemblydialog", "Eintrittoben"},
    {EintrittUnten, "assemblydialog", "Eintrittunten"},
    {EintrittSonder, "assemblydialog", "EintrittSonder"},
    {LabelMedium, "assemblydialog", "Medium"},
    {LabelEntleerung, "assemblydialog", "Entleerung_2"},
    {LabelEntlueftung, "assemblydialog", "Entleerung_3"},
    {LabelWarmKurz, "assemblydialog", "warm_kurz"},
    {LabelKaltKurz, "assemblydialog", "kalt_kurz"},
    {Zurueck, "assemblydialog", "zurueck"},
    {PopupSpez, "menu", "spec"},
    {CmdPrintSpec, "menu", "printspec"},
    {CmdPrintPlan, "menu", "printplan"},
    {CmdKonstruktion, "menu", "konstruktion"},
    {CmdZubehoer, "menu", "zubehoer und preise"},
};

const int kPreisfelder[CAssembly::kAnzahlPosten] = {
    PreisAnschlussWarm, PreisAnschlussKalt, PreisIsolierung, PreisSpritzschutz, PreisLackierung};
const int kMenuBefehle[] = {CmdPrintSpec, CmdPrintPlan, CmdKonstruktion, CmdZubehoer};

// The frame material that can be specially painted.
constexpr const char* kLackierbaresGestell = "C-Steel";
constexpr const char* kRalStandard = "5012";

// Bitmaps of the pass pictures: one pass, even and odd pass counts.
constexpr int kBitmapEineSerie = 160, kBitmapGerade = 161, kBitmapUngerade = 162;

int liste(int seite) { return seite == 0 ? AnschlussWarm : AnschlussKalt; }
int preisfeld(int seite) { return seite == 0 ? PreisAnschlussWarm : PreisAnschlussKalt; }
}  // namespace

double CAssembly::nettopreis(double preis, double rabatt) {
    return std::trunc(preis - preis * rabatt * 0.01 + 0.5);
}

std::string CAssembly::bildDatei(int bitmap) const {
    const char* name = bitmap == kBitmapEineSerie  ? "serien_1.bmp"
                       : bitmap == kBitmapGerade   ? "serien_gerade.bmp"
                       : bitmap == kBitmapUngerade ? "serien_ungerade.bmp"
                                                   : nullptr;
    return name ? app_.getAppDir() + "/pic/" + name : std::string();
}

CAssembly::CAssembly(CBerechnungApp& app, const Berechnungsfall& fall,
                     Komplettierung& komplettierung, const EigeneMedien* medien)
    : app_(app),
      ports_(app.getPorts()),
      fall_(fall),
      k_(komplettierung),
      medien_(medien),
      eingabe_(eingabePruefer(app.getSprache(), app.getPorts().messages,
                              app.getSprache().GetValue("assemblydialog", "titel", ""))),
      werksmodus_(app.getWerksmodus()),
      dezimalKomma_(dezimalKomma(app.getSprache())) {
    menu_ = {{PopupSpez, {CmdPrintSpec, CmdPrintPlan, CmdKonstruktion, CmdZubehoer}}};
    for (int id : {NettoPaket, NettoGestell, Grundpreis, Kennung, Einzelpreis, Lieferzeit})
        form().control(id).readOnly = true;
    oeffnen();
    artenSetzen();
}

// What each control is, so that a script does to it only what a user can.
void CAssembly::artenSetzen() {
    Form& f = form();
    f.setKind(ControlKind::Edit, {RabattPaket,
                                  NettoPaket,
                                  RabattGestell,
                                  NettoGestell,
                                  Grundpreis,
                                  SonderAnschlussWarm,
                                  PreisAnschlussWarm,
                                  SonderAnschlussKalt,
                                  PreisAnschlussKalt,
                                  RalNr,
                                  PreisLackierung,
                                  PreisIsolierung,
                                  PreisSpritzschutz,
                                  Kennung,
                                  Einzelpreis,
                                  Lieferzeit,
                                  DokuAnzahl,
                                  BelegungMediumWarm,
                                  BelegungMediumKalt,
                                  BelegungEntleerungWarm,
                                  BelegungEntleerungKalt});
    f.setKind(ControlKind::Label,
              {LabelRabatt,     LabelWaehrung,     LabelPreisPaket,    LabelPreisGestell,
               LabelGrundpreis, PreisCode,         LabelAnschlussWarm, LabelAnschlussKalt,
               LabelRalNr,      LabelRalStandard,  LabelKennung,       LabelEinzelpreis,
               LabelLieferzeit, EinheitLieferzeit, RahmenDoku,         LabelDokuAnzahl,
               Zusatztext12,    Zusatztext3,       ZusatztextFda,      RahmenBelegung,
               LabelMedium,     LabelEntleerung,   LabelEntlueftung,   LabelWarmKurz,
               LabelKaltKurz,   BildEineSerie,     BildGerade,         BildUngerade});
    f.setKind(ControlKind::CheckBox,
              {Sonderanschluesse, Lackierung, Isolierung, Spritzschutz, Massblatt, DokuPlan,
               DokuZeugnisse, DokuAbnahmezeichnung, DokuAblaufplan, DokuStueckliste, DokuZertifikat,
               DokuFestigkeit, DokuQcPlan});
    f.setKind(ControlKind::Radio, {Ansi, Din, EintrittOben, EintrittUnten, EintrittSonder});
    f.setKind(ControlKind::Button, {Zurueck});
    f.setKind(ControlKind::List, {AnschlussWarm, AnschlussKalt, DokuSprache});
    f.setKind(ControlKind::MenuItem,
              {PopupSpez, CmdPrintSpec, CmdPrintPlan, CmdKonstruktion, CmdZubehoer});
}

namespace {
// The choices in the order they are given back: the standard before the
// connection lists it fills, a check box before the field it unlocks, the
// arrangement before its texts.
constexpr int kAngebotsFelder[] = {Din,
                                   Ansi,
                                   Sonderanschluesse,
                                   AnschlussWarm,
                                   SonderAnschlussWarm,
                                   AnschlussKalt,
                                   SonderAnschlussKalt,
                                   EintrittOben,
                                   EintrittUnten,
                                   EintrittSonder,
                                   BelegungMediumWarm,
                                   BelegungMediumKalt,
                                   BelegungEntleerungWarm,
                                   BelegungEntleerungKalt,
                                   Lackierung,
                                   RalNr,
                                   Isolierung,
                                   Spritzschutz,
                                   RabattPaket,
                                   RabattGestell,
                                   PreisAnschlussWarm,
                                   PreisAnschlussKalt,
                                   PreisLackierung,
                                   PreisIsolierung,
                                   PreisSpritzschutz,
                                   DokuAnzahl,
                                   DokuSprache,
                                   Massblatt,
                                   DokuPlan,
                                   DokuZeugnisse,
                                   DokuAbnahmezeichnung,
                                   DokuAblaufplan,
                                   DokuStueckliste,
                                   DokuZertifikat,
                                   DokuFestigkeit,
                                   DokuQcPlan};

// The caption naming a field that has none of its own.
int beschriftungVon(int id) {
    switch (id) {
        case AnschlussWarm:
        case SonderAnschlussWarm:
        case PreisAnschlussWarm:
            return LabelAnschlussWarm;
        case AnschlussKalt:
        case SonderAnschlussKalt:
        case PreisAnschlussKalt:
            return LabelAnschlussKalt;
        case RabattPaket:
            return LabelPreisPaket;
        case RabattGestell:
            return LabelPreisGestell;
        case RalNr:
            return LabelRalNr;
        case PreisLackierung:
            return Lackierung;
        case PreisIsolierung:
            return Isolierung;
        case PreisSpritzschutz:
            return Spritzschutz;
        case DokuAnzahl:
            return LabelDokuAnzahl;
        case DokuSprache:
            return RahmenDoku;
        case BelegungMediumWarm:
        case BelegungMediumKalt:
            return LabelMedium;
        case BelegungEntleerungWarm:
        case BelegungEntleerungKalt:
            return LabelEntleerung;
        default:
            return id;
    }
}

}  // namespace

std::string ohneKuerzel(const std::string& text) {
    std::string aus;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        aus += text[i];
    }
    return aus;
}

Projektdaten projektdatenAus(const AngebotsBlock& a) {
    return {a.kunde, a.projekt, a.position, a.sachbearbeiter, a.telefon, a.datum, a.revision};
}

void projektdatenIn(AngebotsBlock& a, const Projektdaten& p) {
    a.kunde = p.kunde;
    a.projekt = p.projekt;
    a.position = p.position;
    a.sachbearbeiter = p.sachbearbeiter;
    a.telefon = p.telefon;
    a.datum = p.datum;
}

Projektdaten CAssembly::projektdaten() const {
    return angebot_ ? projektdatenAus(*angebot_) : projektdatenVorgabe(app_);
}

std::vector<AngebotsEintrag> CAssembly::angebotsZustand() const {
    return eintraegeAusForm(form(), kAngebotsFelder);
}

std::vector<std::string> CAssembly::angebotsZustandSetzen(const std::vector<AngebotsEintrag>& e) {
    const std::vector<AngebotsEintrag> verworfen =
        eintraegeAnwenden(form(), e, [this](int id, BindEvent ev) { ereignis(id, ev); });
    uebernehmen();
    std::vector<std::string> namen;
    for (const AngebotsEintrag& v : verworfen) namen.push_back(eintragName(v));
    return namen;
}

std::string CAssembly::eintragName(const AngebotsEintrag& e) const {
    const int id = textZuInt(e.feld);
    std::string name = ohneKuerzel(form().text(beschriftungVon(id)));
    if (name.empty()) name = e.feld;
    while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
    if (!e.text.empty()) name += ": " + e.text;
    return name;
}

std::string CAssembly::text(const char* key) const {
    return app_.getSprache().GetValue("assemblydialog", key, "");
}

std::string CAssembly::ralStandard() const {
    return app_.getSettings().GetValue("Daten", "Ral-Nr", kRalStandard);
}

// The opening, in its order.
void CAssembly::oeffnen() {
    Form& f = form();
    const Falleingaben& e = fall_.eingaben;
    const Berechnungsergebnis& r = fall_.ergebnis;
    preiseAufAnfrage_ = true;

    if (app_.getSettings().GetValue("Daten", "kennstring", "") != "1") {
        f.setVisible(LabelKennung, false);
        f.setVisible(Kennung, false);
        f.setEnabled(Kennung, false);
    }

    kennstring_ = std::make_unique<CGeraeteKennstring>(data());
    CGeraeteKennstring::Angaben a;
    a.plattentyp = r.plattentyp;
    a.materialPlatte = e.materialPlatte;
    a.druckstufe = e.druckstufe;
    a.dichtungWarm = e.dichtungWarm;
    a.dichtungKalt = e.dichtungKalt;
    a.gestellVariante = e.gestellVariante;
    a.gestell = e.gestell;
    for (size_t i = 0; i < 2; ++i) {
        a.spalttyp[i] = r.spalttypenWarm[i].spalttyp;
        a.anzahl[i] = r.spalttypenWarm[i].anzahl;
    }
    a.serien = r.serien;
    a.format = CGeraeteKennstring::kFormat;
    kennstring_->laden(a);

    k_.sonderlackierung = k_.waermeisolierung = k_.spritzschutz = k_.sonderanschluesse = false;

    std::vector<std::string> codes;
    app_.getSettings().GetKeysInSection("languages", codes);
    f.clearItems(DokuSprache);
    int n = 0;
    for (const std::string& code : codes)
        if (!code.empty()) f.addItem(DokuSprache, app_.anzeigeName(code), n++);
    f.select(DokuSprache, f.findExact(DokuSprache, app_.anzeigeName(app_.getSprachcode())));

    optionsLieferzeiten();

    eingabenUebernommen_ = true;
    f.setText(DokuAnzahl, "1");
    f.setChecked(Massblatt, true);
    f.setEnabled(Massblatt, false);
    f.setText(PreisCode, r.preisCode);
    for (int id : kPreisfelder) f.setEnabled(id, false);

    for (int p : {PostenIsolierung, PostenSpritzschutz, PostenLackierung}) {
        posten_[static_cast<size_t>(p)].preis = 0.0;
        posten_[static_cast<size_t>(p)].bekannt = true;
    }

    bild_ = r.serien == 1 ? kBitmapEineSerie : r.serien % 2 == 0 ? kBitmapGerade : kBitmapUngerade;
    f.setVisible(BildEineSerie, bild_ == kBitmapEineSerie);
    f.setVisible(BildGerade, bild_ == kBitmapGerade);
    f.setVisible(BildUngerade, bild_ == kBitmapUngerade);

    f.setChecked(EintrittOben, true);
    f.setChecked(EintrittUnten, false);
    f.setChecked(EintrittSonder, false);
    belegungSetzen(anschluss::Eintritt::Oben);

    textsSetzen();

    if (e.warm.kondensation) f.setEnabled(EintrittUnten, false);

    rabattPlattenpaket_ = rabattGestell_ = 0.0;

    if (!werksmodus_) {
        for (int id : {RabattPaket, RabattGestell}) {
            f.setVisible(id, false);
            f.setEnabled(id, false);
        }
        f.setVisible(LabelRabatt, false);
        f.setEnabled(Sonderanschluesse, false);
        f.setVisible(Sonderanschluesse, false);
        f.setVisible(EintrittSonder, false);
    }

    // A pack without a customer price of its own is priced on request as
    // well; its price parts would otherwise read as zero.
    if (data().getPlattentypCListe().getCustomPreisevorhanden() != 0 && r.customPreis < kKeinPreis)
        preiseAufAnfrage_ = false;

    if (preiseAufAnfrage_) {
        for (int id : {NettoPaket, NettoGestell, Grundpreis}) f.setText(id, text("aufanfrage"));
        preisPlattenpaket_ = preisGestell_ = 0.0;
    } else {
        preisPlattenpaket_ = r.customPreisteile.paket;
        preisGestell_ = r.customPreisteile.gestell;
    }

    const MaterialGestellU* gestell =
        data().getMaterialGestellUListe().internalGetForObjectId(e.gestell);
    if (!gestell || gestell->getName() != kLackierbaresGestell) {
        f.setEnabled(Lackierung, false);
        f.setVisible(LabelRalStandard, false);
    }

    din_ = true;
    f.setChecked(Din, true);
    f.setChecked(Ansi, false);
    setTextfield(f, RabattPaket, rabattPlattenpaket_, 0, 7);
    setTextfield(f, RabattGestell, rabattGestell_, 0, 7);

    normGewechselt();

    sonderanschluesseGeklickt();
    lackierungGeklickt();
}

void CAssembly::textsSetzen() {
    Form& f = form();
    const CIniEx& s = app_.getSprache();
    setCaption(text("titel"));
    beschriftungenSetzen(f, s, kBeschriftungen);
    f.setText(Zusatztext12, text("zusatztext1") + " " + text("zusatztext2"));
    f.setText(LabelRalStandard, text("raltext") + " " + ralStandard());
}

// Delivery times of the three options, and their list prices as the
// suggestions of the typed-price fields.
void CAssembly::optionsLieferzeiten() {
    const Data& d = data();
    const Berechnungsergebnis& r = fall_.ergebnis;
    // the frame record stands at the plate type's position in the list
    int pos = d.getPlattentypAListe().getIndexForObjectId(r.plattentyp);
    const PlattentypU* u = d.getPlattentypUListe().internalGetAt(pos);
    lieferzeitLackierung_ = u ? u->getSonderlackierungLieferzeit(d) : 0;
    listenpreisLackierung_ = u ? u->getSonderlackierungPreis(d) : 0.0;
    const Laengenzuschlag* lz =
        u ? d.getLaengenzuschlagListe().getLaengenzuschlag(d, *u, r.spaltenGesamt + 1) : nullptr;
    if (!lz) return;
    lieferzeitIsolierung_ = u->getWaermeisolierungLieferzeit(d, lz->getObjectId());
    lieferzeitSpritzschutz_ = u->getSpritzschutzLieferzeit(d, lz->getObjectId());
    listenpreisIsolierung_ = u->getWaermeisolierungPreis(d, lz->getObjectId());
    listenpreisSpritzschutz_ = u->getSpritzschutzPreis(d, lz->getObjectId());
}

// ---------------------------------------------------------------- update chain

void CAssembly::aktualisieren() {
    grundpreisAnzeigen();
    einzelpreisAnzeigen();
    lieferzeitAnzeigen();
    kennstringAnzeigen();
    menuZustand();
}

void CAssembly::grundpreisAnzeigen() {
    const double paket = nettopreis(preisPlattenpaket_, rabattPlattenpaket_);
    const double gestell = nettopreis(preisGestell_, rabattGestell_);
    geraetegrundpreis_ = paket + gestell;
    if (preiseAufAnfrage_) return;
    preisAnzeigen(NettoPaket, paket);
    preisAnzeigen(NettoGestell, gestell);
    preisAnzeigen(Grundpreis, geraetegrundpreis_);
}

// Whole amounts, rounded half up as the net prices are.
void CAssembly::preisAnzeigen(int feld, double preis) {
    setTextfield(form(), feld, runden(preis, 0), 0, 7);
}

void CAssembly::einzelpreisAnzeigen() {
    Form& f = form();
    f.setText(Einzelpreis, "");
    if (!eingabenUebernommen_ || !anschluesseGeprueft_) return;
    if (preiseAufAnfrage_) {
        f.setText(Einzelpreis, text("aufanfrage"));
        return;
    }
    auto offen = [&](int p) { return !posten_[static_cast<size_t>(p)].bekannt; };
    einzelpreis_ = geraetegrundpreis_;
    for (int p : {PostenAnschlussWarm, PostenAnschlussKalt, PostenSpritzschutz, PostenIsolierung,
                  PostenLackierung})
        if (!offen(p)) einzelpreis_ += posten_[static_cast<size_t>(p)].preis;
    if (einzelpreisVollstaendig()) preisAnzeigen(Einzelpreis, einzelpreis_);
}

bool CAssembly::einzelpreisVollstaendig() const {
    auto offen = [&](int p) { return !posten_[static_cast<size_t>(p)].bekannt; };
    return !(k_.waermeisolierung && offen(PostenIsolierung)) &&
           !(k_.sonderlackierung && offen(PostenLackierung)) &&
           !(k_.spritzschutz && offen(PostenSpritzschutz)) && !offen(PostenAnschlussWarm) &&
           !offen(PostenAnschlussKalt);
}

void CAssembly::lieferzeitAnzeigen() {
    Form& f = form();
    f.setText(Lieferzeit, "");
    f.setVisible(EinheitLieferzeit, false);  // only beside a number of weeks
    if (!anschluesseGeprueft_) return;
    int d = std::max({fall_.ergebnis.lieferzeit, posten_[PostenAnschlussWarm].lieferzeit,
                      posten_[PostenAnschlussKalt].lieferzeit});
    if (f.checked(Isolierung)) d = std::max(d, lieferzeitIsolierung_);
    if (f.checked(Spritzschutz)) d = std::max(d, lieferzeitSpritzschutz_);
    if (f.checked(Lackierung)) d = std::max(d, lieferzeitLackierung_);
    if (k_.sonderanschluesse || fall_.eingaben.gestellVariante == 1)
        f.setText(Lieferzeit, text("aufanfrage"));
    else {
        setTextfield(f, Lieferzeit, static_cast<double>(d), 0, 7);
        f.setVisible(EinheitLieferzeit, true);
    }
}

void CAssembly::kennstringAnzeigen() {
    k_.geraetekennstring.clear();
    form().setText(Kennung, "");
    if (!anschluesseGeprueft_ || k_.sonderanschluesse) return;
    k_.geraetekennstring = kennstring_->GeraeteKennstringErzeugen();
    form().setText(Kennung, k_.geraetekennstring);
}

void CAssembly::menuZustand() {
    for (int id : kMenuBefehle) form().setEnabled(id, eingabenUebernommen_ && anschluesseGeprueft_);
}

// ---------------------------------------------------------------- connections

anschluss::Seitenfilter CAssembly::filter(int seite) const {
    const Falleingaben& e = fall_.eingaben;
    const Data& d = data();
    anschluss::Seitenfilter s;
    s.druckstufe = e.druckstufe;
    s.plattentyp = fall_.ergebnis.plattentyp;
    s.din = din_;
    s.serien = fall_.ergebnis.serien;
    s.volumenstrom = e.seite(seite).volumenstrom;
    s.vStutzenMax = fall_.arbeitswerte.seite(seite).vStutzenMax;
    const DichtungA* g =
        d.getDichtungAListe().internalGetForObjectId(seite == 0 ? e.dichtungWarm : e.dichtungKalt);
    s.dichtung = g ? g->getName() : std::string();
    const MaterialPlatteA* m = d.getMaterialPlatteAListe().internalGetForObjectId(e.materialPlatte);
    s.plattenmaterial = m ? m->getName() : std::string();
    s.tMax = seite == 0 ? e.warm.tEin : e.kalt.tAus;
    return s;
}

void CAssembly::listeFuellen(int seite) {
    Form& f = form();
    const int id = liste(seite);
    f.clearItems(id);
    const anschluss::Seitenfilter s = filter(seite);
    for (const AnschlussU& a : data().getAnschlussUListe().alle())
        if (anschluss::pruefe(a, s) == anschluss::Regel::Behalten)
            f.addItem(id, anschluss::listenText(a, app_.getSprache()), a.getObjectId());
    Preisposten& p = posten_[static_cast<size_t>(seite)];
    p.preis = 0.0;
    p.lieferzeit = 0;
    kennstring_->setAnschluss(seite, 0);
}

void CAssembly::normGewechselt() {
    Form& f = form();
    listeFuellen(0);
    listeFuellen(1);
    f.select(AnschlussWarm, 0);
    f.select(AnschlussKalt, 0);
    auswahlVerarbeiten(0);
    auswahlVerarbeiten(1);
}

void CAssembly::auswahlVerarbeiten(int seite) {
    Form& f = form();
    const int id = liste(seite);
    const int feld = preisfeld(seite);
    std::string& text = seite == 0 ? k_.anschlussTextWarm : k_.anschlussTextKalt;
    text.clear();
    const int pos = f.selection(id);
    Preisposten& p = posten_[static_cast<size_t>(seite)];
    if (pos < 0 || pos >= f.itemCount(id)) {
        // a side without a connection: no price, and no pair that passed the checks
        preisfeldSperren(feld);
        p.preis = 0.0;
        p.bekannt = false;
        anschluesseGeprueft_ = false;
        aktualisieren();
        return;
    }
    const int objektId = f.selectedValue(id, 0);
    preisfeldSperren(feld);
    p.preis = 0.0;
    p.bekannt = false;
    const AnschlussU* a = data().getAnschlussUListe().internalGetForObjectId(objektId);
    if (preiseAufAnfrage_) {
        f.setText(feld, this->text("aufanfrage"));
    } else {
        preisfeldFreigeben(feld);
        listenpreisVorschlag(feld, a ? a->getPreis() : 0.0);
    }
    p.lieferzeit = a ? a->getLieferZeit() : 0;
    kennstring_->setAnschluss(seite, objektId);
    text = f.selectedText(id);
    if (!anschluesseGeprueft_) {
        anschluesseGeprueft_ = true;
        auswahlVerarbeiten(1 - seite);
    }
    uebernehmen(false);
}

void CAssembly::sonderanschluesseGeklickt() {
    Form& f = form();
    const bool an = f.checked(Sonderanschluesse);
    k_.sonderanschluesse = an;
    for (int id : {SonderAnschlussWarm, SonderAnschlussKalt}) {
        f.setVisible(id, an);
        f.setEnabled(id, an);
    }
    for (int id : {AnschlussWarm, AnschlussKalt, Din, Ansi}) {
        f.setVisible(id, !an);
        f.setEnabled(id, !an);
    }
    if (!an) {
        // back to the lists: their selections are the connections again,
        // with their texts and prices, not the free texts
        auswahlVerarbeiten(0);
        auswahlVerarbeiten(1);
        return;
    }
    // the chosen connections' texts to edit, whether priced by hand or on request
    f.setText(SonderAnschlussWarm, k_.anschlussTextWarm);
    f.setText(SonderAnschlussKalt, k_.anschlussTextKalt);
    for (int seite : {0, 1}) {
        const int feld = preisfeld(seite);
        f.control(feld).placeholder.clear();  // a list price is no special connection's
        f.setText(feld, "");
        if (preiseAufAnfrage_) {
            f.setText(feld, text("aufanfrage"));
        } else {
            preisfeldFreigeben(feld);
            posten_[static_cast<size_t>(seite)].bekannt = false;
        }
    }
    uebernehmen(false);
}

// ---------------------------------------------------------------- arrangement

void CAssembly::belegungSetzen(anschluss::Eintritt eintritt) {
    const PlattentypA* typ =
        data().getPlattentypAListe().internalGetForObjectId(fall_.ergebnis.plattentyp);
    anschluss::Belegung b = anschluss::belegung(eintritt, fall_.ergebnis.serien,
                                                typ && typ->getEntleerungEntlueftung() != 0);
    k_.belegungMediumWarm = b.mediumWarm;
    k_.belegungMediumKalt = b.mediumKalt;
    k_.belegungEntleerungWarm = b.entleerungWarm;
    k_.belegungEntleerungKalt = b.entleerungKalt;
    k_.entleerungVarianteWarm = b.varianteWarm;
    k_.entleerungVarianteKalt = b.varianteKalt;
    Form& f = form();
    f.setText(BelegungMediumWarm, b.mediumWarm);
    f.setText(BelegungMediumKalt, b.mediumKalt);
    f.setText(BelegungEntleerungWarm, b.entleerungWarm);
    f.setText(BelegungEntleerungKalt, b.entleerungKalt);
    for (int id :
         {BelegungMediumWarm, BelegungMediumKalt, BelegungEntleerungWarm, BelegungEntleerungKalt})
        f.setEnabled(id, false);
}

void CAssembly::belegungSonder() {
    Form& f = form();
    const PlattentypA* typ =
        data().getPlattentypAListe().internalGetForObjectId(fall_.ergebnis.plattentyp);
    const bool entleerung =
        fall_.ergebnis.serien != 1 && typ && typ->getEntleerungEntlueftung() != 0;
    f.setEnabled(BelegungMediumWarm, true);
    f.setEnabled(BelegungMediumKalt, true);
    f.setEnabled(BelegungEntleerungWarm, entleerung);
    f.setEnabled(BelegungEntleerungKalt, entleerung);
    k_.entleerungVarianteWarm = k_.entleerungVarianteKalt = entleerung ? 1 : 0;
}

// ---------------------------------------------------------------- options and prices

void CAssembly::preisfeldFreigeben(int feld) {
    Form& f = form();
    f.setEnabled(feld, true);
    f.setFocus(feld);
}

// A price field out of use: empty, disabled and without a suggestion, so an
// unchosen item does not look priced.
void CAssembly::preisfeldSperren(int feld) {
    Form& f = form();
    f.control(feld).placeholder.clear();
    f.setEnabled(feld, false);
    f.setText(feld, "");
}

void CAssembly::listenpreisVorschlag(int feld, double preis) {
    ControlState& c = form().control(feld);
    c.placeholder = preis > 0.0 ? formatiere("%s %s", text("listenpreis").c_str(),
                                             zahlText(runden(preis, 0), 0, 7).c_str())
                                : std::string();
}

void CAssembly::optionGeklickt(int checkbox) {
    Form& f = form();
    const bool an = f.checked(checkbox);
    const bool isolierung = checkbox == Isolierung;
    (isolierung ? k_.waermeisolierung : k_.spritzschutz) = an;
    const int feld = isolierung ? PreisIsolierung : PreisSpritzschutz;
    Preisposten& p = posten_[isolierung ? PostenIsolierung : PostenSpritzschutz];
    preisfeldSperren(feld);
    p.preis = 0.0;
    p.bekannt = false;
    if (an) {
        if (preiseAufAnfrage_) {
            f.setText(feld, text("aufanfrage"));
        } else {
            preisfeldFreigeben(feld);
            listenpreisVorschlag(feld,
                                 isolierung ? listenpreisIsolierung_ : listenpreisSpritzschutz_);
        }
    }
    aktualisieren();
}

void CAssembly::lackierungGeklickt() {
    Form& f = form();
    const bool an = f.checked(Lackierung);
    k_.sonderlackierung = an;
    f.setVisible(RalNr, an);
    f.setVisible(LabelRalNr, an);
    // the standard colour means nothing for a frame that cannot be painted
    f.setVisible(LabelRalStandard, !an && f.enabled(Lackierung));
    preisfeldSperren(PreisLackierung);
    Preisposten& p = posten_[PostenLackierung];
    p.preis = 0.0;
    p.bekannt = false;
    if (an) {
        kennstring_->setLackierung(1);
        if (preiseAufAnfrage_) {
            f.setText(PreisLackierung, text("aufanfrage"));
        } else {
            f.setEnabled(PreisLackierung, true);
            listenpreisVorschlag(PreisLackierung, listenpreisLackierung_);
        }
        f.setFocus(RalNr);
    } else {
        kennstring_->setLackierung(0);
        k_.ralNr = ralStandard();
    }
    aktualisieren();
}

int CAssembly::postenVonFeld(int feld) const {
    for (int p = 0; p < kAnzahlPosten; ++p)
        if (kPreisfelder[p] == feld) return p;
    return -1;
}

void CAssembly::preisTextGeaendert(int feld) {
    if (!form().enabled(feld)) return;
    posten_[static_cast<size_t>(postenVonFeld(feld))].bekannt = false;
    eingabenUebernommen_ = form().text(feld).empty();
    aktualisieren();
}

void CAssembly::preisVerlassen(int feld) {
    Preisposten& p = posten_[static_cast<size_t>(postenVonFeld(feld))];
    p.bekannt = false;
    double wert = 0.0;
    bool leer = false;
    if (!eingabe_.validateEditDouble(form(), feld, wert, true, 0.0, kPreisMax, &leer)) return;
    if (!leer) {
        p.preis = wert;
        p.bekannt = true;
    }
    eingabenUebernommen_ = true;
    aktualisieren();
}

void CAssembly::rabattVerlassen(int feld) {
    double& rabatt = feld == RabattPaket ? rabattPlattenpaket_ : rabattGestell_;
    rabatt = 0.0;
    // more than the whole price off would make the price negative
    if (!eingabe_.validateEditDouble(form(), feld, rabatt, true, 0.0, 100.0)) return;
    eingabenUebernommen_ = true;
    aktualisieren();
}

// ---------------------------------------------------------------- commit

bool CAssembly::uebernehmen() { return uebernehmen(true); }

bool CAssembly::uebernehmen(bool befehl) {
    letzteUebernahme_ = uebernehmenSchritte(befehl);
    return letzteUebernahme_;
}

bool CAssembly::istSondertext(int id) const {
    return id == SonderAnschlussWarm || id == SonderAnschlussKalt || id == BelegungMediumWarm ||
           id == BelegungMediumKalt || id == BelegungEntleerungWarm || id == BelegungEntleerungKalt;
}

int CAssembly::fehlenderSondertext() const {
    const Form& f = form();
    auto leer = [&](int id) { return f.text(id).find_first_not_of(" \t") == std::string::npos; };
    if (k_.sonderanschluesse)
        for (int id : {SonderAnschlussWarm, SonderAnschlussKalt})
            if (leer(id)) return id;
    // the arrangement fields are enabled only for a special arrangement
    for (int id :
         {BelegungMediumWarm, BelegungMediumKalt, BelegungEntleerungWarm, BelegungEntleerungKalt})
        if (f.enabled(id) && leer(id)) return id;
    return 0;
}

bool CAssembly::uebernehmenSchritte(bool befehl) {
    Form& f = form();
    const CIniEx& s = app_.getSprache();
    const std::string fehlerTitel = s.GetValue("error", "error", "");
    sondertextGeaendert_ = false;
    if (k_.sonderlackierung) {
        k_.ralNr = f.text(RalNr);
        // the missing number stops the menu's commands; a change of the
        // selections still refreshes prices, checks and identification
        if (k_.ralNr.empty() && befehl) {
            zeigeMeldung(ports_.messages, s, "error", "missingRalNr", fehlerTitel);
            f.setFocus(RalNr);
            return false;
        }
    }
    k_.entleerungTextWarm.clear();
    k_.nennweiteTextWarm.clear();
    k_.entleerungTextKalt.clear();
    k_.nennweiteTextKalt.clear();
    auto entleerung = [&](int variante, int feld, std::string& aus, std::string& nennweite,
                          const char* nennweiteKey) {
        if (variante <= 0) return;
        std::string key = "Entleerung_" + std::to_string(variante);
        aus = formatiere("%s : %s %s,", f.text(feld).c_str(), text("Blindflansch").c_str(),
                         text(key.c_str()).c_str());
        nennweite = text(nennweiteKey);
    };
    entleerung(k_.entleerungVarianteWarm, BelegungEntleerungWarm, k_.entleerungTextWarm,
               k_.nennweiteTextWarm, "Nennweite_warm");
    entleerung(k_.entleerungVarianteKalt, BelegungEntleerungKalt, k_.entleerungTextKalt,
               k_.nennweiteTextKalt, "Nennweite_kalt");
    anschluesseGeprueft_ = false;
    if (f.enabled(BelegungMediumWarm)) k_.belegungMediumWarm = f.text(BelegungMediumWarm);
    if (f.enabled(BelegungMediumKalt)) k_.belegungMediumKalt = f.text(BelegungMediumKalt);
    if (f.enabled(BelegungEntleerungWarm))
        k_.belegungEntleerungWarm = f.text(BelegungEntleerungWarm);
    if (f.enabled(BelegungEntleerungKalt))
        k_.belegungEntleerungKalt = f.text(BelegungEntleerungKalt);

    // an empty free text is no connection or arrangement to offer
    if (const int leer = fehlenderSondertext()) {
        if (befehl) eingabe_.melde(f, leer, ZahlLeer);
        aktualisieren();
        return false;
    }
    if (!k_.sonderanschluesse) {
        for (int id : {AnschlussWarm, AnschlussKalt})
            if (f.itemCount(id) == 0 || f.selection(id) < 0 || f.selection(id) >= f.itemCount(id)) {
                aktualisieren();  // nothing checked: no price, identification or menu
                return false;
            }
        auto art = [&](int id) {
            const AnschlussU* a =
                data().getAnschlussUListe().internalGetForObjectId(f.selectedValue(id, 0));
            return a ? anschluss::klein(a->getArt()) : std::string();
        };
        if (anschluss::kombinationVerboten(fall_.ergebnis.plattentypName, art(AnschlussWarm),
                                           art(AnschlussKalt))) {
            // processing one side processes the other too: say it once
            if (!kombinationGemeldet_)
                zeigeMeldung(ports_.messages, s, "anschluesse", "unzulaessige Kombination",
                             fehlerTitel);
            kombinationGemeldet_ = true;
            f.setFocus(AnschlussWarm);
            f.setText(PreisAnschlussWarm, "");
            f.setText(PreisAnschlussKalt, "");
            kennstring_->setAnschluss(0, 0);
            kennstring_->setAnschluss(1, 0);
            aktualisieren();
            return false;
        }
    } else {
        k_.anschlussTextWarm = f.text(SonderAnschlussWarm);
        k_.anschlussTextKalt = f.text(SonderAnschlussKalt);
    }
    anschluesseGeprueft_ = true;
    aktualisieren();
    return true;
}

// ---------------------------------------------------------------- handlers

void CAssembly::geklickt(int id) {
    kombinationGemeldet_ = false;
    Form& f = form();
    switch (id) {
        case Din:
        case Ansi:
            // the standard already chosen: its lists and typed prices stay
            if ((id == Din) == din_) {
                f.setChecked(Din, din_);
                f.setChecked(Ansi, !din_);
                break;
            }
            din_ = id == Din;
            f.setChecked(Din, din_);
            f.setChecked(Ansi, !din_);
            normGewechselt();
            break;
        case Sonderanschluesse:
            sonderanschluesseGeklickt();
            break;
        case EintrittOben:
        case EintrittUnten:
        case EintrittSonder:
            f.setChecked(EintrittOben, id == EintrittOben);
            f.setChecked(EintrittUnten, id == EintrittUnten);
            f.setChecked(EintrittSonder, id == EintrittSonder);
            if (id == EintrittSonder)
                belegungSonder();
            else
                belegungSetzen(id == EintrittOben ? anschluss::Eintritt::Oben
                                                  : anschluss::Eintritt::Unten);
            break;
        case Isolierung:
        case Spritzschutz:
            optionGeklickt(id);
            break;
        case Lackierung:
            lackierungGeklickt();
            break;
        case Zurueck:
            close(2);
            break;
        default:
            break;
    }
}

void CAssembly::auswahlGeaendert(int id) {
    kombinationGemeldet_ = false;
    if (id == AnschlussWarm) auswahlVerarbeiten(0);
    if (id == AnschlussKalt) auswahlVerarbeiten(1);
}

void CAssembly::textGeaendert(int id) {
    kombinationGemeldet_ = false;
    const bool rabatt = id == RabattPaket || id == RabattGestell;
    if (dezimalKomma_ && (rabatt || postenVonFeld(id) >= 0)) dezimalpunkt(form(), id);
    if (postenVonFeld(id) >= 0) {
        preisTextGeaendert(id);
    } else if (rabatt) {
        eingabenUebernommen_ = form().text(id).empty();
        aktualisieren();
    } else if (istSondertext(id) && form().enabled(id)) {
        sondertextGeaendert_ = true;
        // emptied: the menu waits at once
        if (fehlenderSondertext() != 0) uebernehmen(false);
    }
}

void CAssembly::fokusVerloren(int id) {
    kombinationGemeldet_ = false;
    if (postenVonFeld(id) >= 0 && form().enabled(id))
        preisVerlassen(id);
    else if (id == RabattPaket || id == RabattGestell)
        rabattVerlassen(id);
    else if (istSondertext(id) && sondertextGeaendert_)
        uebernehmen(false);  // the typed text takes part in the checks
}

void CAssembly::befehl(int cmd) {
    kombinationGemeldet_ = false;
    if (std::find(std::begin(kMenuBefehle), std::end(kMenuBefehle), cmd) == std::end(kMenuBefehle))
        return;
    if (!uebernehmen()) return;
    const char* fehlertext = cmd == CmdPrintSpec      ? "Fehler in OnDialogSpecification"
                             : cmd == CmdZubehoer     ? "Fehler in OnZubehoerblatt"
                             : cmd == CmdKonstruktion ? "Fehler in OnKonstruktionsblatt"
                                                      : "Fehler in OnPlattenlegeplan";
    try {
        if (cmd == CmdPrintSpec) {
            spezifikation();
            return;
        }
        drucken(cmd);
    } catch (const std::exception&) {
        if (ports_.messages) {
            Message m;
            m.text = fehlertext;
            m.icon = MessageIcon::Error;
            ports_.messages->showMessage(m);
        }
    }
}

// The specification on the offer's entries; what it is left with is the
// offer's from then on.
void CAssembly::spezifikation() {
    DialogSpec spec(app_, fall_, medien_);
    spec.kennlinienquelle(kennlinien_);
    if (angebot_) {
        spec.projektdatenSetzen(projektdatenAus(*angebot_));
        std::string liste;
        for (const AngebotsEintrag& e : spec.angebotsZustandSetzen(angebot_->spezifikation))
            liste += "\n" + spezEintragName(app_.getSprache(), e);
        if (!liste.empty())
            zeigeMeldung(ports_.messages, app_.getSprache(), "error", "angebotVerworfen", "",
                         MessageIcon::Warning, liste);
    }
    if (ports_.dialogs) ports_.dialogs->runDialog(spec);
    if (!angebot_) return;
    angebot_->spezifikation = spec.angebotsZustand();
    projektdatenIn(*angebot_, spec.projektdatenStand());
}

// A price list with items nobody priced goes out only when the user says
// so, knowing which.
bool CAssembly::preiseVollstaendigOderTrotzdem() {
    const CIniEx& sprache = app_.getSprache();
    const auto fehlend = fehlendePreise(sprache, zubehoerangaben(*this, fall_));
    if (fehlend.empty() || !ports_.questions) return true;
    const AnswerTexts knoepfe{sprache.GetValue("zubehoerliste", "trotzdem", ""),
                              sprache.GetValue("zubehoerliste", "zurueck", ""), ""};
    return ports_.questions->askYesNo(fehlendePreiseText(sprache, fehlend, true),
                                      sprache.GetValue("zubehoerliste", "titel", ""),
                                      knoepfe) == Answer::Yes;
}

// The project data first; on OK the printout goes where its button says.
void CAssembly::drucken(int cmd) {
    const Ausdruck art = cmd == CmdZubehoer       ? Ausdruck::Zubehoerliste
                         : cmd == CmdKonstruktion ? Ausdruck::Konstruktionsblatt
                                                  : Ausdruck::Plattenlegeplan;
    if (art == Ausdruck::Zubehoerliste && !preiseVollstaendigOderTrotzdem()) return;
    CDialogProjektDaten kopf(app_, projektdaten());
    if (!ports_.dialogs || ports_.dialogs->runDialog(kopf) != 1) return;
    if (angebot_) projektdatenIn(*angebot_, kopf.projektdaten());
    if (!ports_.printer) return;
    const CIniEx& sprache = app_.getSprache();
    druckfehlerMelden(
        ports_.messages, sprache,
        ports_.printer->drucken(kopf.ziel(), sprache.GetValue(abschnitt(art), "titel", ""),
                                ausdruck(art, *this, fall_, kopf)),
        "druckFehlgeschlagen");
}

}  // namespace kal
