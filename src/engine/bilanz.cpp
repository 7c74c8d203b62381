#include "engine/bilanz.h"

#include <algorithm>
#include <cmath>

#include "engine/stoffwerte.h"

namespace kal::engine {

namespace {
bool positiv(double x) { return std::isfinite(x) && x > 0.0; }
// An entered duty may differ this much (relative) from a complete side's duty.
constexpr double kUeberbestimmtToleranz = 0.025;
// Fixed-point iteration of a missing temperature: relative step that ends it,
// the absolute one near 0 degC, and the most steps.
constexpr double kTemperaturToleranz = 0.001;
constexpr double kTemperaturToleranzNahNull = 1e-5;
constexpr int kMaxTemperaturSchritte = 1000;
// Condensing mass flow: stepped by kKondensationsSchritt (kg/s) until the
// balance residual (kW) lies in [0, kKondensationsRest]; at most this many steps.
constexpr double kKondensationsSchritt = 1e-6;
constexpr double kKondensationsRest = 0.005;
constexpr long long kMaxKondensationsSchritte = 100000000LL;
}  // namespace

bool fehlendeTemperatur(const Data& daten, Berechnungsfall& fall, int seite, double q, double tk,
                        int d, double& t, Meldungen& meldungen) {
    Mediumseite& m = fall.eingaben.seite(seite);
    const Seitenwerte& a = fall.arbeitswerte.seite(seite);
    auto schritt = [&]() { return tk + d * q / (m.massenstrom * a.waermekapazitaet); };
    if (!positiv(m.massenstrom * a.waermekapazitaet)) {
        meldungen.fehler("bilanzUnvollstaendig");
        return false;
    }
    if (m.medium == daten.getStoffdatenListe().getSize()) {
        t = schritt();
        return std::isfinite(t);
    }
    double te = schritt();
    for (int it = 0;; ++it) {
        if (seite == kWarm && m.kondensation) {
            Meldung m;
            m.abschnitt.clear();
            m.text = "interner Fehler !";
            meldungen.melden(std::move(m));
            return false;
        }
        if (!seiteStoffwerte(daten, fall, seite, (tk + te) / 2.0, meldungen)) return false;
        if (!m.durchsatzIstMasse) m.massenstrom = m.volumenstrom * a.dichte;
        if (!positiv(m.massenstrom * a.waermekapazitaet)) {
            meldungen.fehler("bilanzUnvollstaendig");
            return false;
        }
        t = schritt();
        // relative test; near 0 degC it can never hold, so an absolute one
        // takes over there
        if (std::fabs(t / te - 1.0) < kTemperaturToleranz ||
            (std::fabs(te) < 0.01 && std::fabs(t - te) < kTemperaturToleranzNahNull))
            break;
        te = t;
        if (it + 1 >= kMaxTemperaturSchritte) {
            meldungen.fehler("fehlendeTemperatur");
            return false;
        }
    }
    if (m.durchsatzIstMasse)
        m.volumenstrom = m.massenstrom / a.dichte;
    else
        m.massenstrom = m.volumenstrom * a.dichte;
    return std::isfinite(t);
}

namespace {
bool fehlendeFlussBerechnen(Berechnungsfall& fall, int seite, double q, Meldungen& meldungen) {
    Mediumseite& m = fall.eingaben.seite(seite);
    const Seitenwerte& a = fall.arbeitswerte.seite(seite);
    const double spanne = std::max(m.tEin, m.tAus) - std::min(m.tEin, m.tAus);
    if (seite == kWarm && m.kondensation) {
        const double cpc = a.kondensat.waermekapazitaet;
        const double r = a.kondensationsenthalpie;
        if (!positiv(r)) {
            meldungen.fehler("bilanzUnvollstaendig");
            return false;
        }
        double mf = q / r;
        auto rest = [&](double x) { return x * cpc * spanne + x * r - q; };
        double s = rest(mf);
        long long n = 0;
        while (!(s >= 0.0 && s <= kKondensationsRest)) {
            if (++n > kMaxKondensationsSchritte || !std::isfinite(s)) {
                meldungen.fehler("kondensationIteration");
                return false;
            }
            if (s > kKondensationsRest)
                mf -= kKondensationsSchritt;
            else
                mf += kKondensationsSchritt;
            s = rest(mf);
        }
        m.massenstrom = mf;
    } else {
        if (!positiv(spanne * a.waermekapazitaet)) {
            meldungen.fehler("bilanzUnvollstaendig");
            return false;
        }
        m.massenstrom = q / (spanne * a.waermekapazitaet);
    }
    m.volumenstrom = m.massenstrom / a.dichte;
    if (!std::isfinite(m.massenstrom) || !std::isfinite(m.volumenstrom)) {
        meldungen.fehler("bilanzUnvollstaendig");
        return false;
    }
    m.durchsatzVorgegeben = true;
    return true;
}

// The duty the balance works with (kW): the entered one, checked against
// every complete side, else the larger duty of the complete sides.
bool leistungBestimmen(const Berechnungsfall& fall, int nw, int nc, double& q,
                       Meldungen& meldungen) {
    const Falleingaben& e = fall.eingaben;
    auto qSeite = [&](int s) {
        const Mediumseite& m = e.seite(s);
        const Seitenwerte& a = fall.arbeitswerte.seite(s);
        const double spanne = std::max(m.tEin, m.tAus) - std::min(m.tEin, m.tAus);
        if (s == kWarm && m.kondensation)
            return (std::fabs(m.tAus - (m.tEin - 1.0)) * a.kondensat.waermekapazitaet +
                    a.kondensationsenthalpie) *
                   m.massenstrom;
        return spanne * a.waermekapazitaet * m.massenstrom;
    };
    // The message names the side whose entries contradict the duty.
    auto ueberbestimmt = [&](int s) {
        Meldung m;
        m.key = "ueberbestimmt";
        m.seite = s;
        meldungen.melden(std::move(m));
        return false;
    };
    const bool warmKomplett = nw == 3, kaltKomplett = nc == 3;
    double qw = 0, qc = 0;
    if (warmKomplett) {
        qw = qSeite(kWarm);
        if (e.leistungVorgegeben && std::fabs(e.leistung / qw - 1.0) > kUeberbestimmtToleranz)
            return ueberbestimmt(kWarm);
    }
    if (kaltKomplett) {
        qc = qSeite(kKalt);
        if (e.leistungVorgegeben && std::fabs(e.leistung / qc - 1.0) > kUeberbestimmtToleranz)
            return ueberbestimmt(kKalt);
    }
    if (e.leistungVorgegeben)
        q = e.leistung;
    else if (warmKomplett)
        q = kaltKomplett ? std::max(qw, qc) : qw;
    else
        q = qc;
    if (!positiv(q)) {
        meldungen.fehler("bilanzUnvollstaendig");
        return false;
    }
    return true;
}

// Missing flows, then missing temperatures, then the duty; each one noted
// for its field.
bool fehlendeErgaenzen(const Data& d, Berechnungsfall& fall, double q, Meldungen& meldungen,
                       std::vector<Ergaenzung>& ergaenzt) {
    Falleingaben& e = fall.eingaben;
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        if (m.durchsatzVorgegeben) continue;
        if (!fehlendeFlussBerechnen(fall, s, q, meldungen)) return false;
        ergaenzt.push_back(
            {durchsatzFeld(s), m.durchsatzIstMasse ? m.massenstrom : m.volumenstrom});
    }
    struct Fehlt {
        int seite;
        bool ein;
        int richtung;
    };
    const Fehlt faelle[] = {
        {kWarm, true, +1}, {kWarm, false, -1}, {kKalt, true, -1}, {kKalt, false, +1}};
    for (const Fehlt& f : faelle) {
        Mediumseite& m = e.seite(f.seite);
        bool& gegeben = f.ein ? m.tEinVorgegeben : m.tAusVorgegeben;
        if (gegeben) continue;
        double t = 0;
        double bekannt = f.ein ? m.tAus : m.tEin;
        if (!fehlendeTemperatur(d, fall, f.seite, q, bekannt, f.richtung, t, meldungen))
            return false;
        (f.ein ? m.tEin : m.tAus) = t;
        gegeben = true;
        ergaenzt.push_back({temperaturFeld(f.seite, f.ein), t});
    }
    if (!e.leistungVorgegeben) {
        e.leistung = q;
        e.leistungVorgegeben = true;
        ergaenzt.push_back({Feld::Leistung, q});
    }
    return true;
}
}  // namespace

bool bilanzErgaenzen(const Data& d, Berechnungsfall& fall, Meldungen& meldungen,
                     std::vector<Ergaenzung>& ergaenzt) {
    Falleingaben& e = fall.eingaben;
    const int nw = e.warm.tEinVorgegeben + e.warm.tAusVorgegeben + e.warm.durchsatzVorgegeben;
    const int nc = e.kalt.tEinVorgegeben + e.kalt.tAusVorgegeben + e.kalt.durchsatzVorgegeben;
    if (nw < 2) {
        meldungen.fehler("warmeSeite", Feld::TEinWarm);
        return false;
    }
    if (nc < 2) {
        meldungen.fehler("kalteSeite", Feld::TEinKalt);
        return false;
    }
    if (nw + nc + (e.leistungVorgegeben ? 1 : 0) < 5) {
        meldungen.fehler("mindestens5", Feld::TEinWarm);
        return false;
    }
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        const double dichte = fall.arbeitswerte.seite(s).dichte;
        if (!m.durchsatzVorgegeben) continue;
        if (m.durchsatzIstMasse)
            m.volumenstrom = m.massenstrom / dichte;
        else
            m.massenstrom = m.volumenstrom * dichte;
    }
    double q = 0;
    if (!leistungBestimmen(fall, nw, nc, q, meldungen)) return false;
    return fehlendeErgaenzen(d, fall, q, meldungen, ergaenzt);
}

}  // namespace kal::engine
