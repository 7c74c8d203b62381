#include "ui/main/erfassung.h"

#include <climits>
#include <cmath>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "ids/dialog_ids.h"

namespace kal {

namespace {
// Bound of an entry range that has none.
constexpr double kOffeneGrenze = HUGE_VAL;

int gruppenGroesse(const Data& d, int gruppe) {
    const EinheitenGruppe* g = d.getEinheitenGruppeListe().internalGetAt(gruppe);
    return g ? g->getAnzahlEinheiten() : 0;
}
int positionOderNull(int p) { return p < 0 ? 0 : p; }
}  // namespace

Erfassung::Erfassung(const Data& data, const CIniEx& sprache, MessagePort* meldungen,
                     InputHelper& eingabe, EntrySource& felder)
    : data_(data), sprache_(sprache), meldungen_(meldungen), eingabe_(eingabe), felder_(felder) {}

bool Erfassung::leseDouble(int id, double& wert, bool leerErlaubt, double min, double max,
                           bool* leer) {
    if (eingabe_.validateEditDouble(felder_, id, wert, leerErlaubt, min, max, leer)) return true;
    double dummy = 0;
    fehler_ = {id, pruefeDouble(felder_.text(id), min, max, dummy), ""};
    return false;
}

bool Erfassung::leseInteger(int id, int& wert, bool leerErlaubt, int min, int max, bool* leer) {
    if (eingabe_.validateEditInteger(felder_, id, wert, leerErlaubt, min, max, leer)) return true;
    long long dummy = 0;
    fehler_ = {id, pruefeInteger(felder_.text(id), min, max, dummy), ""};
    return false;
}

// The entries in the order of the dialog; the first refused one stops.
bool Erfassung::lesen(Falleingaben& e) {
    fehler_ = {};
    auswahlLesen(e);
    if (!spaltenUndSerienLesen(e)) return false;
    if (e.berechnungsart == 1 && !nachrechnenPaareLesen(e)) return false;
    einheitenLesen(e);
    if (!temperaturenLesen(e)) return false;
    if (!seitenwerteLesen(e)) return false;
    return leistungLesen(e);
}

void Erfassung::auswahlLesen(Falleingaben& e) {
    auto& f = felder_;
    const Data& d = data_;
    e.materialPlatte = f.selectedValue(hd::MaterialPlatte);
    e.dichtungWarm = f.selectedValue(hd::DichtungWarm);
    e.dichtungKalt = f.selectedValue(hd::DichtungKalt);
    e.plattentyp = f.selectedValue(hd::Plattentyp);
    e.gestell = f.selectedValue(hd::Gestell);
    e.gestellVariante = positionOderNull(f.selection(hd::GestellVariante));
    e.druckstufe = f.selectedValue(hd::Druckstufe);
    e.plattentypModus = positionOderNull(f.selection(hd::PlattentypModus)) & 3;
    e.spaltenModus = positionOderNull(f.selection(hd::SpaltenModus)) & 3;
    e.serienModus = positionOderNull(f.selection(hd::SerienModus)) & 3;
    e.warm.medium = f.selectedValue(hd::MediumWarm, 0);
    e.kalt.medium = f.selectedValue(hd::MediumKalt, 0);
    // gas / condensing follow the medium (the main dialog applies the same rule)
    const int nStoffe = d.getStoffdatenListe().getSize();
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        if (const Stoffdaten* st = d.getStoffdatenListe().internalGetAt(m.medium)) {
            m.istGas = st->IsGas() != 0;
            m.kondensation = s == kWarm && st->IsKondensation() != 0;
        } else if (m.medium == nStoffe) {
            m.istGas = m.eigenesMediumDaten.gas;
            m.kondensation = false;
        }
    }
}

bool Erfassung::spaltenUndSerienLesen(Falleingaben& e) {
    bool leer = false;
    int spalten = 0;
    if (!leseInteger(hd::Spalten, spalten, true, 0, INT_MAX, &leer)) return false;
    e.spalten = leer ? 0 : spalten;
    int serien = 1;
    if (!leseInteger(hd::Serien, serien, false, 0, INT_MAX, nullptr)) return false;
    if (serien < 1) {
        serien = 1;
        felder_.setText(hd::Serien, "1");
    }
    e.serien = serien;
    return true;
}

bool Erfassung::nachrechnenPaareLesen(Falleingaben& e) {
    auto& f = felder_;
    e.spaltenJeSpalttyp.fill(0);
    e.nachrechnenPaare = {};
    int paarNr = 0;
    const int paare[2][2] = {{hd::Anzahl1, hd::Spalttyp1}, {hd::Anzahl2, hd::Spalttyp2}};
    for (const auto& pr : paare) {
        int n = 0;
        bool nLeer = false;
        if (!leseInteger(pr[0], n, true, 0, INT_MAX, &nLeer)) return false;
        SpalttypAnzahl& paar = e.nachrechnenPaare[static_cast<size_t>(paarNr++)];
        paar = {f.selection(pr[1]) < 0 ? -1 : f.selectedValue(pr[1]), nLeer ? 0 : n};
        if (nLeer) continue;
        if (f.selection(pr[1]) < 0) {
            zeigeMeldung(meldungen_, sprache_, "error", "Spalttyp",
                         meldungsTitel(sprache_, MessageIcon::Error));
            f.setFocus(pr[1]);
            fehler_ = {pr[1], 0, "Spalttyp"};
            return false;
        }
        int typ = f.selectedValue(pr[1]);
        if (typ >= 0 && typ < kAnzahlSpalttypen) e.spaltenJeSpalttyp[static_cast<size_t>(typ)] = n;
    }
    return true;
}

void Erfassung::einheitenLesen(Falleingaben& e) {
    auto& f = felder_;
    // the flow list holds the mass flow units, then the volume flow units
    const int nMasse = gruppenGroesse(data_, einheitengruppe::Massenstrom);
    const int ids[kAnzahlSeiten][6] = {
        {hd::EinheitTEinWarm, hd::EinheitTAusWarm, hd::EinheitDurchsatzWarm,
         hd::EinheitDruckverlustWarm, hd::EinheitFoulingWarm, hd::EinheitGasDruckWarm},
        {hd::EinheitTEinKalt, hd::EinheitTAusKalt, hd::EinheitDurchsatzKalt,
         hd::EinheitDruckverlustKalt, hd::EinheitFoulingKalt, hd::EinheitGasDruckKalt}};
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        m.einheitTEin = positionOderNull(f.selection(ids[s][0]));
        m.einheitTAus = (s == kWarm && m.kondensation) ? m.einheitTEin
                                                       : positionOderNull(f.selection(ids[s][1]));
        int pos = positionOderNull(f.selection(ids[s][2]));
        m.durchsatzIstMasse = pos < nMasse;
        m.einheitDurchsatz = m.durchsatzIstMasse ? pos : pos - nMasse;
        m.einheitDruckverlust = positionOderNull(f.selection(ids[s][3]));
        m.einheitFouling = positionOderNull(f.selection(ids[s][4]));
        m.einheitGasDruck = positionOderNull(f.selection(ids[s][5]));
    }
    e.einheitLeistung = positionOderNull(f.selection(hd::EinheitLeistung));
}

// Temperatures to degC; a condensing warm side reads its outlet field as
// the subcooling.
bool Erfassung::temperaturenLesen(Falleingaben& e) {
    namespace eg = einheitengruppe;
    const Data& d = data_;
    auto temperatur = [&](int id, int pos, double& ziel, bool& gegeben) {
        double w = 0;
        bool l = false;
        if (!leseDouble(id, w, true, -kOffeneGrenze, kOffeneGrenze, &l)) return false;
        gegeben = !l;
        if (gegeben)
            ziel = ausBasisEinheit(d, eg::Temperatur, eg::TemperaturGradC,
                                   inBasisEinheit(d, eg::Temperatur, pos, w));
        return true;
    };
    Mediumseite& w = e.warm;
    Mediumseite& c = e.kalt;
    if (!temperatur(hd::TEinWarm, w.einheitTEin, w.tEin, w.tEinVorgegeben)) return false;
    w.unterkuehlung = false;
    w.unterkuehlungEingabe = 0.0;
    if (w.kondensation) {
        w.tAusVorgegeben = false;
        if (w.tEinVorgegeben) {
            double sub = 0;
            bool l = false;
            if (!leseDouble(hd::TAusWarm, sub, true, -kOffeneGrenze, kOffeneGrenze, &l))
                return false;
            if (!l && sub > 0) {
                // a subcooling is a temperature difference (kelvin)
                w.tAus = w.tEin - sub;
                w.unterkuehlung = true;
                w.unterkuehlungEingabe = sub;
            } else {
                w.tAus = w.tEin;
            }
            w.tAusVorgegeben = true;
        }
    } else if (!temperatur(hd::TAusWarm, w.einheitTAus, w.tAus, w.tAusVorgegeben)) {
        return false;
    }
    if (!temperatur(hd::TEinKalt, c.einheitTEin, c.tEin, c.tEinVorgegeben)) return false;
    return temperatur(hd::TAusKalt, c.einheitTAus, c.tAus, c.tAusVorgegeben);
}

// Flows, allowed pressure losses (kPa), fouling (base unit) and gas
// pressures (bar) of both sides, one quantity for both sides at a time.
bool Erfassung::seitenwerteLesen(Falleingaben& e) {
    namespace eg = einheitengruppe;
    const Data& d = data_;
    const int durchsatzIds[kAnzahlSeiten] = {hd::DurchsatzWarm, hd::DurchsatzKalt};
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        double w = 0;
        bool l = false;
        if (!leseDouble(durchsatzIds[s], w, true, 0.0, kOffeneGrenze, &l)) return false;
        m.durchsatzVorgegeben = !l;
        if (l) continue;
        m.durchsatzEingabe = w;
        if (m.durchsatzIstMasse)
            m.massenstrom = inBasisEinheit(d, eg::Massenstrom, m.einheitDurchsatz, w);
        else
            m.volumenstrom = inBasisEinheit(d, eg::Volumenstrom, m.einheitDurchsatz, w);
    }
    const int dpIds[kAnzahlSeiten] = {hd::DruckverlustWarm, hd::DruckverlustKalt};
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        double w = 0;
        if (!leseDouble(dpIds[s], w, false, 0.0, kOffeneGrenze, nullptr)) return false;
        m.druckverlustZul = ausBasisEinheit(d, eg::Druck, eg::DruckKPa,
                                            inBasisEinheit(d, eg::Druck, m.einheitDruckverlust, w));
    }
    const int foulIds[kAnzahlSeiten] = {hd::FoulingWarm, hd::FoulingKalt};
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        double w = 0;
        bool l = false;
        // a negative resistance would fake a fouling reserve
        if (!leseDouble(foulIds[s], w, true, 0.0, kOffeneGrenze, &l)) return false;
        m.fouling = l ? 0.0 : inBasisEinheit(d, eg::Fouling, m.einheitFouling, w);
    }
    const int gasIds[kAnzahlSeiten] = {hd::GasDruckWarm, hd::GasDruckKalt};
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        double w = 0;
        bool l = false;
        if (!leseDouble(gasIds[s], w, true, 0.0, kOffeneGrenze, &l)) return false;
        m.gasDruck = l ? 0.0
                       : ausBasisEinheit(d, eg::Druck, eg::DruckBar,
                                         inBasisEinheit(d, eg::Druck, m.einheitGasDruck, w));
    }
    return true;
}

// Duty (kW) and required reserve.
bool Erfassung::leistungLesen(Falleingaben& e) {
    namespace eg = einheitengruppe;
    const Data& d = data_;
    double w = 0;
    bool l = false;
    if (!leseDouble(hd::Leistung, w, true, 0.0, kOffeneGrenze, &l)) return false;
    e.leistungVorgegeben = !l;
    e.leistung = l ? 0.0
                   : ausBasisEinheit(d, eg::Leistung, eg::LeistungKW,
                                     inBasisEinheit(d, eg::Leistung, e.einheitLeistung, w));
    w = 0;
    l = false;
    if (!leseDouble(hd::Sicherheit, w, true, -kOffeneGrenze, kOffeneGrenze, &l)) return false;
    e.sicherheit = l ? 0.0 : w;
    return true;
}

}  // namespace kal
