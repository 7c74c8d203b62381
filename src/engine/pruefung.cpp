// Rating combination check, validation, heat balance and fluid properties.
#include <algorithm>
#include <cmath>

#include "engine.h"
#include "format.h"

namespace {
bool positiv(double x) { return std::isfinite(x) && x > 0.0; }
bool verbotenesPaar(int a, int b) {
    auto p = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    return p(1, 6) || p(3, 7) || p(4, 8);
}
// The iteration bound of the condensing mass-flow stepping.
constexpr long long kMaxKondensationsSchritte = 100000000LL;
}  // namespace

// ------------------------------------------------------------ rating combination

bool Rechenkern::pruefeKombination(Berechnungsfall& fall) {
    auto fehler = [&](const char* key) {
        meldeFehler(key);
        return false;
    };
    if (fall.plattentypModus != 1) return fehler("plattentypfix");
    if (fall.spaltenModus != 1) return fehler("spaltenfix");
    if (fall.serienModus != 1) return fehler("serienfix");
    if (fall.serien < 1) return fehler("serien");
    if (fall.spalten % fall.serien != 0) return fehler("kombinationSpalteSerie");
    const SpalttypAnzahl& a = fall.nachrechnenPaare[0];
    const SpalttypAnzahl& b = fall.nachrechnenPaare[1];
    if (a.anzahl > 0 && a.spalttyp < 0) return fehler("Spalttyp");
    if (b.anzahl > 0 && b.spalttyp < 0) return fehler("Spalttyp");
    const bool beide = a.anzahl > 0 && b.anzahl > 0;
    if (beide && a.spalttyp == b.spalttyp) return fehler("gleicheSpalttypen");
    if (beide && (fall.warm.kondensation || fall.warm.istGas))
        return fehler("MischGeraetundMediumWarm");
    if (beide && fall.kalt.istGas) return fehler("MischGeraetundMediumKalt");
    if (beide && verbotenesPaar(a.spalttyp, b.spalttyp)) return fehler("ungueltigeMischung");
    const PlattentypA* pa = k_.data.getPlattentypAListe().internalGetForObjectId(fall.plattentyp);
    const int maxSpalte = pa ? pa->getMaxSpalte() : 0;
    if (static_cast<long long>(a.anzahl + static_cast<long long>(b.anzahl)) * fall.serien >
        maxSpalte) {
        meldeText(kal::formatiere("%d %s", maxSpalte,
                                  k_.sprache.GetValue("error", "maxspalten", "").c_str()),
                  "maxspalten");
        return false;
    }
    auto klein = [](int n) { return n == 1 || n == 2; };
    if (klein(a.anzahl) || klein(b.anzahl) || fall.spalten <= 2) return fehler("spalten");
    return true;
}

// ------------------------------------------------------------ fluid properties

bool Rechenkern::stoffwerte(const Berechnungsfall& fall, int seite, int mediumIndex, double t,
                            double p, Stoffwerte& aus, bool temperaturPruefungAus,
                            bool nurWandviskositaet) {
    const StoffdatenListe& liste = k_.data.getStoffdatenListe();
    const Mediumseite& m = fall.seite(seite);
    if (mediumIndex == liste.getSize()) {
        const EigenesMediumDaten& e = m.eigenesMediumDaten;
        aus = Stoffwerte{};
        aus.eigenesMedium = true;
        aus.name = e.name;
        if (nurWandviskositaet) {
            aus.viskositaet = e.viskositaetWand;
        } else {
            aus.viskositaet = e.viskositaet;
            aus.dichte = e.dichte;
            aus.waermekapazitaet = e.waermekapazitaet;
            aus.waermeleitfaehigkeit = e.waermeleitfaehigkeit;
            aus.alfaWert = e.alfaWert;
        }
        return true;
    }
    const Stoffdaten* s = liste.internalGetAt(mediumIndex);
    if (!s) return true;  // above the list: nothing set
    if (!temperaturPruefungAus && s->IsTemperaturOK(t) == 0) {
        meldeFehler("mittltemp");
        return false;
    }
    aus.eigenesMedium = false;
    aus.alfaWert = 0.0;
    aus.name = s->getName();
    aus.viskositaet = s->GetViskositaet(t);
    aus.waermekapazitaet = s->GetWaermekapazitaet(t);
    aus.waermeleitfaehigkeit = s->GetWaermeleitfaehigkeit(t);
    if (seite == 0 && m.kondensation) {
        aus.codeKondensat = s->GetCodeKondensat();
        aus.kondensationsenthalpie = s->GetKondensationsenthalpie(t);
        aus.dampfdruck = s->GetDampfdruck(t);
        aus.dichte = s->GetDichte(t, aus.dampfdruck);
    } else {
        aus.kondensationsenthalpie = 0.0;
        aus.dampfdruck = 0.0;
        aus.dichte = s->GetDichte(t, m.istGas ? p : 0.0);
    }
    return true;
}

// Properties of a side at `t` into its working values (condensing warm
// side: vapour and condensate).
bool Rechenkern::seiteStoffwerte(Berechnungsfall& fall, int seite, double t) {
    Mediumseite& m = fall.seite(seite);
    Stoffwerte w;
    if (!stoffwerte(fall, seite, m.medium, t, m.gasDruck, w, false, false)) return false;
    m.eigenesMedium = w.eigenesMedium;
    m.name = w.name;
    m.viskositaet = w.viskositaet;
    m.dichte = w.dichte;
    m.waermekapazitaet = w.waermekapazitaet;
    m.waermeleitfaehigkeit = w.waermeleitfaehigkeit;
    m.kondensationsenthalpie = w.kondensationsenthalpie;
    m.dampfdruck = w.dampfdruck;
    m.alfaWert = w.alfaWert;
    m.codeKondensat = w.codeKondensat;
    bool ok = positiv(m.viskositaet) && positiv(m.dichte) && positiv(m.waermekapazitaet) &&
              positiv(m.waermeleitfaehigkeit);
    if (seite == 0 && m.kondensation && !m.eigenesMedium) {
        Stoffwerte c;
        if (!stoffwerte(fall, 0, m.codeKondensat, t, m.gasDruck, c, false, false)) return false;
        if (!k_.data.getStoffdatenListe().internalGetAt(m.codeKondensat)) c = Stoffwerte{};
        m.kondensat = {c.viskositaet, c.waermeleitfaehigkeit, c.waermekapazitaet, c.dichte};
        ok = ok && positiv(c.viskositaet) && positiv(c.waermeleitfaehigkeit) &&
             positiv(c.waermekapazitaet) && positiv(c.dichte) && positiv(m.kondensationsenthalpie);
    }
    if (!ok) {
        meldeFehler("stoffwerteUngueltig");
        return false;
    }
    return true;
}

// ------------------------------------------------------------ balance

bool Rechenkern::fehlendeTemperatur(Berechnungsfall& fall, int seite, double q, double tk, int d,
                                    double& t) {
    Mediumseite& m = fall.seite(seite);
    auto schritt = [&]() { return tk + d * q / (m.massenstrom * m.waermekapazitaet); };
    if (!positiv(m.massenstrom * m.waermekapazitaet)) {
        meldeFehler("bilanzUnvollstaendig");
        return false;
    }
    if (m.medium == k_.data.getStoffdatenListe().getSize()) {
        t = schritt();
        return std::isfinite(t);
    }
    double te = schritt();
    for (int it = 0;; ++it) {
        if (seite == 0 && m.kondensation) {
            meldeText("interner Fehler !", "");
            return false;
        }
        if (!seiteStoffwerte(fall, seite, (tk + te) / 2.0)) return false;
        if (!m.durchsatzIstMasse) m.massenstrom = m.volumenstrom * m.dichte;
        if (!positiv(m.massenstrom * m.waermekapazitaet)) {
            meldeFehler("bilanzUnvollstaendig");
            return false;
        }
        t = schritt();
        // relative test; near 0 degC it can never hold, so an absolute one
        // takes over there
        if (std::fabs(t / te - 1.0) < 0.001 || (std::fabs(te) < 0.01 && std::fabs(t - te) < 1e-5))
            break;
        te = t;
        if (it + 1 >= 1000) {
            meldeFehler("fehlendeTemperatur");
            return false;
        }
    }
    if (m.durchsatzIstMasse)
        m.volumenstrom = m.massenstrom / m.dichte;
    else
        m.massenstrom = m.volumenstrom * m.dichte;
    return std::isfinite(t);
}

bool Rechenkern::fehlendeFlussBerechnen(Berechnungsfall& fall, int seite, double q) {
    Mediumseite& m = fall.seite(seite);
    const double spanne = std::max(m.tEin, m.tAus) - std::min(m.tEin, m.tAus);
    if (seite == 0 && m.kondensation) {
        const double cpc = m.kondensat.waermekapazitaet;
        const double r = m.kondensationsenthalpie;
        if (!positiv(r)) {
            meldeFehler("bilanzUnvollstaendig");
            return false;
        }
        double mf = q / r;
        auto rest = [&](double x) { return x * cpc * spanne + x * r - q; };
        double s = rest(mf);
        long long n = 0;
        while (!(s >= 0.0 && s <= 0.005)) {
            if (++n > kMaxKondensationsSchritte || !std::isfinite(s)) {
                meldeFehler("kondensationIteration");
                return false;
            }
            if (s > 0.005)
                mf -= 1e-6;
            else
                mf += 1e-6;
            s = rest(mf);
        }
        m.massenstrom = mf;
    } else {
        if (!positiv(spanne * m.waermekapazitaet)) {
            meldeFehler("bilanzUnvollstaendig");
            return false;
        }
        m.massenstrom = q / (spanne * m.waermekapazitaet);
    }
    m.volumenstrom = m.massenstrom / m.dichte;
    if (!std::isfinite(m.massenstrom) || !std::isfinite(m.volumenstrom)) {
        meldeFehler("bilanzUnvollstaendig");
        return false;
    }
    m.durchsatzVorgegeben = true;
    return true;
}

bool Rechenkern::bilanzErgaenzen(Berechnungsfall& fall) {
    Mediumseite& w = fall.warm;
    Mediumseite& c = fall.kalt;
    const int nw = w.tEinVorgegeben + w.tAusVorgegeben + w.durchsatzVorgegeben;
    const int nc = c.tEinVorgegeben + c.tAusVorgegeben + c.durchsatzVorgegeben;
    if (nw < 2) {
        meldeFehler("warmeSeite");
        k_.felder.setFocus(ctl::TEinWarm);
        return false;
    }
    if (nc < 2) {
        meldeFehler("kalteSeite");
        k_.felder.setFocus(ctl::TEinKalt);
        return false;
    }
    if (nw + nc + (fall.leistungVorgegeben ? 1 : 0) < 5) {
        meldeFehler("mindestens5");
        k_.felder.setFocus(ctl::TEinWarm);
        return false;
    }
    for (Mediumseite* m : {&w, &c}) {
        if (!m->durchsatzVorgegeben) continue;
        if (m->durchsatzIstMasse)
            m->volumenstrom = m->massenstrom / m->dichte;
        else
            m->massenstrom = m->volumenstrom * m->dichte;
    }
    auto qSeite = [&](const Mediumseite& m, bool warmSeite) {
        const double spanne = std::max(m.tEin, m.tAus) - std::min(m.tEin, m.tAus);
        if (warmSeite && m.kondensation)
            return (std::fabs(m.tAus - (m.tEin - 1.0)) * m.kondensat.waermekapazitaet +
                    m.kondensationsenthalpie) *
                   m.massenstrom;
        return spanne * m.waermekapazitaet * m.massenstrom;
    };
    const bool warmKomplett = nw == 3, kaltKomplett = nc == 3;
    double qw = 0, qc = 0;
    if (warmKomplett) {
        qw = qSeite(w, true);
        if (fall.leistungVorgegeben && std::fabs(fall.leistung / qw - 1.0) > 0.025) {
            meldeFehler("ueberbestimmt");
            return false;
        }
    }
    if (kaltKomplett) {
        qc = qSeite(c, false);
        if (fall.leistungVorgegeben && std::fabs(fall.leistung / qc - 1.0) > 0.025) {
            meldeFehler("ueberbestimmt");
            return false;
        }
    }
    double q;
    if (fall.leistungVorgegeben)
        q = fall.leistung;
    else if (warmKomplett)
        q = kaltKomplett ? std::max(qw, qc) : qw;
    else
        q = qc;
    if (!positiv(q)) {
        meldeFehler("bilanzUnvollstaendig");
        return false;
    }
    const Data& d = k_.data;
    auto flussAnzeige = [&](const Mediumseite& m) {
        return m.durchsatzIstMasse ? ausBasisEinheit(d, 13, m.einheitDurchsatz, m.massenstrom)
                                   : ausBasisEinheit(d, 0, m.einheitDurchsatz, m.volumenstrom);
    };
    // missing flows
    if (!w.durchsatzVorgegeben) {
        if (!fehlendeFlussBerechnen(fall, 0, q)) return false;
        w.durchsatzEingabe = flussAnzeige(w);
        zurueckschreiben(fall, ctl::DurchsatzWarm, w.durchsatzEingabe);
    }
    if (!c.durchsatzVorgegeben) {
        if (!fehlendeFlussBerechnen(fall, 1, q)) return false;
        c.durchsatzEingabe = flussAnzeige(c);
        zurueckschreiben(fall, ctl::DurchsatzKalt, c.durchsatzEingabe);
    }
    // missing temperatures
    struct Fehlt {
        int seite;
        bool ein;
        int richtung;
        int id;
    };
    const Fehlt faelle[] = {{0, true, +1, ctl::TEinWarm},
                            {0, false, -1, ctl::TAusWarm},
                            {1, true, -1, ctl::TEinKalt},
                            {1, false, +1, ctl::TAusKalt}};
    for (const Fehlt& f : faelle) {
        Mediumseite& m = fall.seite(f.seite);
        bool& gegeben = f.ein ? m.tEinVorgegeben : m.tAusVorgegeben;
        if (gegeben) continue;
        double t = 0;
        double bekannt = f.ein ? m.tAus : m.tEin;
        if (!fehlendeTemperatur(fall, f.seite, q, bekannt, f.richtung, t)) return false;
        (f.ein ? m.tEin : m.tAus) = t;
        gegeben = true;
        zurueckschreiben(fall, f.id, temperaturAnzeige(t, f.ein ? m.einheitTEin : m.einheitTAus));
    }
    if (!fall.leistungVorgegeben) {
        fall.leistung = q;
        fall.leistungVorgegeben = true;
        zurueckschreiben(fall, ctl::Leistung,
                         ausBasisEinheit(d, 3, fall.einheitLeistung, inBasisEinheit(d, 3, 1, q)));
    }
    return true;
}

// ------------------------------------------------------------ validation

bool Rechenkern::pruefeEingaben(Berechnungsfall& fall) {
    Mediumseite& w = fall.warm;
    Mediumseite& c = fall.kalt;
    auto fehler = [&](const char* key) {
        meldeFehler(key);
        return false;
    };
    auto mittel = [](const Mediumseite& m, double& t) {
        if (m.tEinVorgegeben && m.tAusVorgegeben)
            t = (m.tEin + m.tAus) / 2.0;
        else if (m.tEinVorgegeben)
            t = m.tEin;
        else if (m.tAusVorgegeben)
            t = m.tAus;
        else
            return false;
        return true;
    };
    double tmW = 0, tmC = 0;
    if (!mittel(w, tmW)) return fehler("missingWarmTemperature");
    if (w.kondensation && !w.tEinVorgegeben) return fehler("missingWarmTemperatureEin");
    if (!mittel(c, tmC)) return fehler("missingColdTemperature");

    if (!seiteStoffwerte(fall, 0, tmW)) return false;
    if (!seiteStoffwerte(fall, 1, tmC)) return false;

    if (!bilanzErgaenzen(fall)) return false;

    const double grenze = k_.werksmodus ? 20000.0 : 5000.0;
    if (w.viskositaet > 20000.0) return fehler("viskositaet20000warm");
    if (c.viskositaet > 20000.0) return fehler("viskositaet20000kalt");
    if (w.viskositaet > grenze) return fehler("viskositaet5000warm");
    if (c.viskositaet > grenze) return fehler("viskositaet5000kalt");

    const DruckstufeA* ds = k_.data.getDruckstufeAListe().internalGetForObjectId(fall.druckstufe);
    const double pStufe = ds ? ds->getDruck() : 0.0;
    if (w.istGas && !w.eigenesMedium && !w.kondensation && pStufe < w.gasDruck)
        return fehler("DruckstufeLowerDampfdruck");
    if (c.istGas && !c.eigenesMedium && pStufe < c.gasDruck)
        return fehler("DruckstufeLowerDampfdruck");

    const auto& dl = k_.data.getDichtungAListe();
    if (const DichtungA* g = dl.internalGetForObjectId(fall.dichtungWarm))
        if (w.tEin > g->getMaxTemp()) return fehler("WarmTemperaturegreaterMaxTempDichtungenWarm");
    if (const DichtungA* g = dl.internalGetForObjectId(fall.dichtungKalt))
        if (w.tEin > g->getMaxTemp()) return fehler("WarmTemperaturegreaterMaxTempDichtungenKalt");

    if ((!w.kondensation || w.unterkuehlung) && w.tEin <= w.tAus)
        return fehler("wrongWarmTemperature");
    if (c.tEin >= c.tAus) return fehler("wrongColdTemperature");

    if (w.tEin - c.tAus > 99.0) meldeWarnung("tempdiffTeinwarm-Tauskalt");
    if (w.tAus - c.tEin > 99.0) meldeWarnung("tempdiffTauswarm-Teinkalt");
    if (!(w.massenstrom > 0) || !(w.volumenstrom > 0)) return fehler("missingWarmFlowrate");
    if (!(c.massenstrom > 0) || !(c.volumenstrom > 0)) return fehler("missingColdFlowrate");
    if (w.druckverlustZul <= 1.0) return fehler("warmPressureToLow");
    if (c.druckverlustZul <= 1.0) return fehler("coldPressureToLow");
    if (w.fouling > 0.01) return fehler("warmFoulingToHigh");
    if (c.fouling > 0.01) return fehler("coldFoulingToHigh");
    if (w.istGas && !w.eigenesMedium && !w.kondensation && w.gasDruck < 0.1)
        return fehler("warmGasBetriebsdrucktoLow");
    if (c.istGas && !c.eigenesMedium && c.gasDruck < 0.1)
        return fehler("coldGasBetriebsdrucktoLow");

    if (w.kondensation)
        fall.leistungWarm =
            ((w.tEin - w.tAus) * w.kondensat.waermekapazitaet + w.kondensationsenthalpie) *
            w.massenstrom * 1000.0;
    else
        fall.leistungWarm =
            (w.tEin - w.tAus) * w.waermekapazitaet * w.volumenstrom * w.dichte * 1000.0;
    fall.leistungKalt = (c.tAus - c.tEin) * c.waermekapazitaet * c.volumenstrom * c.dichte * 1000.0;
    fall.leistungSoll = std::max(fall.leistungWarm, fall.leistungKalt);
    if (!positiv(fall.leistungSoll) || !std::isfinite(fall.leistungWarm) ||
        !std::isfinite(fall.leistungKalt))
        return fehler("bilanzUnvollstaendig");
    if (std::fabs(fall.leistungWarm - fall.leistungKalt) > 0.05 * fall.leistungSoll)
        return fehler("leistung");

    fall.deltaTm = mittlereTemperaturdifferenz(w.tEin, w.tAus, c.tEin, c.tAus, w.kondensation);
    if (fall.deltaTm < 0) return false;
    if (!positiv(fall.deltaTm)) return fehler("bilanzUnvollstaendig");

    if (w.kondensation)
        w.prandtl = w.kondensat.waermekapazitaet * w.kondensat.viskositaet /
                    w.kondensat.waermeleitfaehigkeit;
    else
        w.prandtl = w.waermekapazitaet * w.viskositaet / w.waermeleitfaehigkeit;
    c.prandtl = c.waermekapazitaet * c.viskositaet / c.waermeleitfaehigkeit;
    fall.tMittel = (w.tEin + w.tAus + c.tEin + c.tAus) * 0.25;

    fall.rLuftspalt = 0.0;
    if (fall.sicherheitsplatte) {
        const auto& stoffe = k_.data.getStoffdatenListe().alle();
        auto it = std::find_if(stoffe.begin(), stoffe.end(),
                               [](const Stoffdaten& s) { return s.getName() == "Dry Air"; });
        if (it == stoffe.end()) return fehler("LuftStoffdaten");
        const double lambda = it->GetWaermeleitfaehigkeit(fall.tMittel);
        if (!positiv(lambda)) return fehler("LuftStoffdaten");
        fall.rLuftspalt = k_.data.getGlobaleParameter().getLuftspaltSicherheitsplatten() / lambda;
    }
    geschwindigkeitsgrenzen(fall);
    return true;
}
