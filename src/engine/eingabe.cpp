// Acquisition of the main dialog's entries and the engine's messages.
#include <climits>
#include <cmath>

#include "engine.h"
#include "format.h"

namespace {
int gruppenGroesse(const Data& d, int gruppe) {
    const EinheitenGruppe* g = d.getEinheitenGruppeListe().internalGetAt(gruppe);
    return g ? g->getAnzahlEinheiten() : 0;
}
int positionOderNull(int p) { return p < 0 ? 0 : p; }
}  // namespace

Rechenkern::Rechenkern(Rechenkontext& kontext) : k_(kontext), eingabe_(kontext.meldungen) {
    eingabe_.setErrorTitle(k_.sprache.GetValue("title"));
    eingabe_.setErrorMessage(1, k_.sprache.GetValue("global", "error_empty", ""));
    eingabe_.setErrorMessage(2, k_.sprache.GetValue("global", "error_notanumber", ""));
    eingabe_.setErrorMessage(3, k_.sprache.GetValue("global", "error_outofrange", ""));
    // kPa (pressure unit 1) to bar (pressure unit 4) through the base unit
    const Einheit* e1 = einheitAn(k_.data, 2, 1);
    const Einheit* e4 = einheitAn(k_.data, 2, 4);
    if (e1 && e4) {
        double a = e4->umrechnenInDieseEinheit(e1->umrechnenInBasisEinheit(1.0));
        double b = e4->umrechnenInDieseEinheit(e1->umrechnenInBasisEinheit(0.0));
        if (std::isfinite(a - b) && a - b > 0) druck1ZuDruck4_ = a - b;
    }
}

void Rechenkern::meldeText(const std::string& text, const std::string& key) {
    if (!k_.meldungen) return;
    kal::Message m;
    m.text = text;
    m.caption = k_.sprache.GetValue("error", "error", "");
    m.section = key.empty() ? "" : "error";
    m.key = key;
    m.icon = kal::MessageIcon::Error;
    k_.meldungen->showMessage(m);
}

void Rechenkern::meldeFehler(const char* key) {
    if (leiseKondensation_) {
        // inside the design search: each text once per run
        for (const auto& g : gezeigteSuchmeldungen_)
            if (g == key) return;
        gezeigteSuchmeldungen_.emplace_back(key);
    }
    meldeText(k_.sprache.GetValue("error", key, ""), key);
}

void Rechenkern::meldeWarnung(const char* key) {
    if (!k_.meldungen) return;
    kal::Message m;
    m.text = k_.sprache.GetValue("error", key, "");
    m.caption = k_.sprache.GetValue("warning", "warning", "");
    m.section = "error";
    m.key = key;
    m.icon = kal::MessageIcon::Warning;
    k_.meldungen->showMessage(m);
}

bool Rechenkern::leseDouble(int id, double& wert, bool leerErlaubt, double min, double max,
                            bool* leer) {
    if (eingabe_.validateEditDouble(k_.felder, id, wert, leerErlaubt, min, max, leer)) return true;
    double dummy = 0;
    eingabefehler_ = {id, kal::pruefeDouble(k_.felder.text(id), min, max, dummy), ""};
    return false;
}

bool Rechenkern::leseInteger(int id, int& wert, bool leerErlaubt, int min, int max, bool* leer) {
    if (eingabe_.validateEditInteger(k_.felder, id, wert, leerErlaubt, min, max, leer)) return true;
    long long dummy = 0;
    eingabefehler_ = {id, kal::pruefeInteger(k_.felder.text(id), min, max, dummy), ""};
    return false;
}

bool Rechenkern::eingabenLesen(Berechnungsfall& fall) {
    eingabefehler_ = {};
    auto& f = k_.felder;
    const Data& d = k_.data;
    const double inf = HUGE_VAL;

    // 1. selections
    fall.materialPlatte = f.selectedValue(ctl::MaterialPlatte);
    fall.dichtungWarm = f.selectedValue(ctl::DichtungWarm);
    fall.dichtungKalt = f.selectedValue(ctl::DichtungKalt);
    fall.plattentyp = f.selectedValue(ctl::Plattentyp);
    fall.gestell = f.selectedValue(ctl::Gestell);
    fall.gestellVariante = positionOderNull(f.selection(ctl::GestellVariante));
    fall.druckstufe = f.selectedValue(ctl::Druckstufe);
    fall.plattentypModus = positionOderNull(f.selection(ctl::PlattentypModus)) & 3;
    fall.spaltenModus = positionOderNull(f.selection(ctl::SpaltenModus)) & 3;
    fall.serienModus = positionOderNull(f.selection(ctl::SerienModus)) & 3;
    fall.warm.medium = f.selectedValue(ctl::MediumWarm, 0);
    fall.kalt.medium = f.selectedValue(ctl::MediumKalt, 0);
    // gas / condensing follow the medium (the main dialog applies the same rule)
    const int nStoffe = d.getStoffdatenListe().getSize();
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        if (const Stoffdaten* st = d.getStoffdatenListe().internalGetAt(m.medium)) {
            m.istGas = st->IsGas() != 0;
            m.kondensation = s == 0 && st->IsKondensation() != 0;
        } else if (m.medium == nStoffe) {
            m.istGas = m.eigenesMediumDaten.gas;
            m.kondensation = false;
        }
    }

    // 2./3. channels and passes
    bool leer = false;
    int spalten = 0;
    if (!leseInteger(ctl::Spalten, spalten, true, 0, INT_MAX, &leer)) return false;
    fall.spalten = leer ? 0 : spalten;
    int serien = 1;
    if (!leseInteger(ctl::Serien, serien, false, 0, INT_MAX, nullptr)) return false;
    if (serien < 1) {
        serien = 1;
        f.setText(ctl::Serien, "1");
    }
    fall.serien = serien;

    // 4. rating channel counts
    if (fall.berechnungsart == 1) {
        fall.spaltenJeSpalttyp.fill(0);
        fall.nachrechnenPaare = {};
        int paarNr = 0;
        const int paare[2][2] = {{ctl::Anzahl1, ctl::Spalttyp1}, {ctl::Anzahl2, ctl::Spalttyp2}};
        for (const auto& pr : paare) {
            int n = 0;
            bool nLeer = false;
            if (!leseInteger(pr[0], n, true, 0, INT_MAX, &nLeer)) return false;
            SpalttypAnzahl& paar = fall.nachrechnenPaare[static_cast<size_t>(paarNr++)];
            paar = {f.selection(pr[1]) < 0 ? -1 : f.selectedValue(pr[1]), nLeer ? 0 : n};
            if (nLeer) continue;
            if (f.selection(pr[1]) < 0) {
                meldeFehler("Spalttyp");
                f.setFocus(pr[1]);
                eingabefehler_ = {pr[1], 0, "Spalttyp"};
                return false;
            }
            int typ = f.selectedValue(pr[1]);
            if (typ >= 0 && typ < 9) fall.spaltenJeSpalttyp[static_cast<size_t>(typ)] = n;
        }
    }

    // 5./6. units
    const int nMasse = gruppenGroesse(d, 13);
    const int ids[2][8] = {
        {ctl::EinheitTEinWarm, ctl::EinheitTAusWarm, ctl::EinheitDurchsatzWarm,
         ctl::EinheitDruckverlustWarm, ctl::EinheitFoulingWarm, ctl::EinheitGasDruckWarm, 0, 0},
        {ctl::EinheitTEinKalt, ctl::EinheitTAusKalt, ctl::EinheitDurchsatzKalt,
         ctl::EinheitDruckverlustKalt, ctl::EinheitFoulingKalt, ctl::EinheitGasDruckKalt, 0, 0}};
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        m.einheitTEin = positionOderNull(f.selection(ids[s][0]));
        m.einheitTAus =
            (s == 0 && m.kondensation) ? m.einheitTEin : positionOderNull(f.selection(ids[s][1]));
        int pos = positionOderNull(f.selection(ids[s][2]));
        m.durchsatzIstMasse = pos < nMasse;
        m.einheitDurchsatz = m.durchsatzIstMasse ? pos : pos - nMasse;
        m.einheitDruckverlust = positionOderNull(f.selection(ids[s][3]));
        m.einheitFouling = positionOderNull(f.selection(ids[s][4]));
        m.einheitGasDruck = positionOderNull(f.selection(ids[s][5]));
    }
    fall.einheitLeistung = positionOderNull(f.selection(ctl::EinheitLeistung));

    // 7. temperatures (to base, then to unit 1 = degC)
    auto temperatur = [&](int id, int pos, double& ziel, bool& gegeben) {
        double w = 0;
        bool l = false;
        if (!leseDouble(id, w, true, -inf, inf, &l)) return false;
        gegeben = !l;
        if (gegeben) ziel = ausBasisEinheit(d, 1, 1, inBasisEinheit(d, 1, pos, w));
        return true;
    };
    if (!temperatur(ctl::TEinWarm, fall.warm.einheitTEin, fall.warm.tEin, fall.warm.tEinVorgegeben))
        return false;
    fall.warm.unterkuehlung = false;
    fall.warm.unterkuehlungEingabe = 0.0;
    if (fall.warm.kondensation) {
        fall.warm.tAusVorgegeben = false;
        if (fall.warm.tEinVorgegeben) {
            double sub = 0;
            bool l = false;
            if (!leseDouble(ctl::TAusWarm, sub, true, -inf, inf, &l)) return false;
            if (!l && sub > 0) {
                // a subcooling is a temperature difference (kelvin)
                fall.warm.tAus = fall.warm.tEin - sub;
                fall.warm.unterkuehlung = true;
                fall.warm.unterkuehlungEingabe = sub;
            } else {
                fall.warm.tAus = fall.warm.tEin;
            }
            fall.warm.tAusVorgegeben = true;
        }
    } else if (!temperatur(ctl::TAusWarm, fall.warm.einheitTAus, fall.warm.tAus,
                           fall.warm.tAusVorgegeben)) {
        return false;
    }
    if (!temperatur(ctl::TEinKalt, fall.kalt.einheitTEin, fall.kalt.tEin, fall.kalt.tEinVorgegeben))
        return false;
    if (!temperatur(ctl::TAusKalt, fall.kalt.einheitTAus, fall.kalt.tAus, fall.kalt.tAusVorgegeben))
        return false;

    // 8. flows
    const int durchsatzIds[2] = {ctl::DurchsatzWarm, ctl::DurchsatzKalt};
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        double w = 0;
        bool l = false;
        if (!leseDouble(durchsatzIds[s], w, true, 0.0, inf, &l)) return false;
        m.durchsatzVorgegeben = !l;
        if (l) continue;
        m.durchsatzEingabe = w;
        if (m.durchsatzIstMasse)
            m.massenstrom = inBasisEinheit(d, 13, m.einheitDurchsatz, w);
        else
            m.volumenstrom = inBasisEinheit(d, 0, m.einheitDurchsatz, w);
    }
    // 9. allowed pressure losses (unit 1)
    const int dpIds[2] = {ctl::DruckverlustWarm, ctl::DruckverlustKalt};
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        double w = 0;
        if (!leseDouble(dpIds[s], w, false, 0.0, inf, nullptr)) return false;
        m.druckverlustZul =
            ausBasisEinheit(d, 2, 1, inBasisEinheit(d, 2, m.einheitDruckverlust, w));
    }
    // 10. fouling (base unit)
    const int foulIds[2] = {ctl::FoulingWarm, ctl::FoulingKalt};
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        double w = 0;
        bool l = false;
        if (!leseDouble(foulIds[s], w, true, -inf, inf, &l)) return false;
        m.fouling = l ? 0.0 : inBasisEinheit(d, 14, m.einheitFouling, w);
    }
    // 11. gas pressures (unit 4)
    const int gasIds[2] = {ctl::GasDruckWarm, ctl::GasDruckKalt};
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        double w = 0;
        bool l = false;
        if (!leseDouble(gasIds[s], w, true, 0.0, inf, &l)) return false;
        m.gasDruck = l ? 0.0 : ausBasisEinheit(d, 2, 4, inBasisEinheit(d, 2, m.einheitGasDruck, w));
    }
    // 12. duty (unit 1, kW)
    {
        double w = 0;
        bool l = false;
        if (!leseDouble(ctl::Leistung, w, true, 0.0, inf, &l)) return false;
        fall.leistungVorgegeben = !l;
        fall.leistung =
            l ? 0.0 : ausBasisEinheit(d, 3, 1, inBasisEinheit(d, 3, fall.einheitLeistung, w));
    }
    // 13. required reserve
    {
        double w = 0;
        bool l = false;
        if (!leseDouble(ctl::Sicherheit, w, true, -inf, inf, &l)) return false;
        fall.sicherheit = l ? 0.0 : w;
    }
    return true;
}

double Rechenkern::temperaturAnzeige(double tC, int pos) const {
    return ausBasisEinheit(k_.data, 1, pos, inBasisEinheit(k_.data, 1, 1, tC));
}

void Rechenkern::zurueckschreiben(Berechnungsfall&, int id, double wertAnzeige) {
    if (std::isfinite(wertAnzeige)) kal::setTextfield(k_.felder, id, wertAnzeige, 2, 15);
}
