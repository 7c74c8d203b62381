#include "engine/waermeuebergang.h"

#include <algorithm>
#include <cmath>

namespace kal::engine {

namespace {
// Mean temperature difference: each end difference must reach the first
// value (K); up to the second the arithmetic mean replaces the logarithmic
// one; below the third the result is reported as low.
constexpr double kMinEndDifferenz = 0.1;
constexpr double kArithmetischBis = 0.5;
constexpr double kNiedrigesDeltaTm = 1.0;

// Film condensation of the warm side: Nusselt's coefficient 0.943 for a
// laminar film, raised by 1.3 for the corrugated channel; the film term
// carries gravity (9.81 m/s2) times 1.05e-3. All four stay at single
// precision, the values the recorded results rest on.
constexpr double kNusseltFilmkondensation = static_cast<double>(0.943f);
constexpr double kKondensationWellung = static_cast<double>(1.3f);
constexpr double kKondensationFilmfaktor =
    static_cast<double>(9.81f) * static_cast<double>(0.00105f);
static_assert(kNusseltFilmkondensation == 0.9430000185966492);
static_assert(kKondensationWellung == 1.2999999523162842);
static_assert(kKondensationFilmfaktor == 0.010300500073319285);

// Nusselt tables: Martin / VDI Heat Atlas fitted per Reynolds range (layout
// in SpalttypKorrelation, the fit in data/README.md).
using K = SpalttypKorrelation;

// Gas side: correlation alpha times 0.75; plate types with alpha
// optimisation gain 5 % for water-like media.
constexpr double kGasFaktor = 0.75;
constexpr double kAlfaOptimierung = 1.05;

// Prandtl term of a type's Nusselt law; a gas omits the Prandtl factor.
double prandtlTerm(const SpalttypKorrelation& t, double pr, bool gas) {
    return gas ? std::pow(pr, t.alphaExp[K::kPrandtl])
               : t.alphaFaktor[K::kPrandtl] * std::pow(pr, t.alphaExp[K::kPrandtl]);
}

// A user-defined medium's fixed alpha replaces the correlation above this.
constexpr double kAlfaWertSchwelle = 0.01;
// At mean temperature differences up to this (K) the correlation alpha is
// raised by kKleineDifferenzZuschlag.
constexpr double kKleineDifferenz = 1.5;
constexpr double kKleineDifferenzZuschlag = 1.1;
}  // namespace

double mittlereTemperaturdifferenz(double tEinWarm, double tAusWarm, double tEinKalt,
                                   double tAusKalt, bool kondensationsVariante,
                                   Meldungen& meldungen) {
    const double dt1 = tAusWarm - tEinKalt;
    const double dt2 = tEinWarm - tAusKalt;
    if (!(dt1 >= kMinEndDifferenz)) {
        meldungen.fehler(kondensationsVariante ? "kondenstemplowerteinkalt"
                                               : "temperatureDiffToLow0");
        return kDeltaTmUngueltig;
    }
    if (!(dt2 >= kMinEndDifferenz)) {
        meldungen.fehler("temperatureDiffToLow1");
        return kDeltaTmUngueltig;
    }
    double dtm;
    if (std::fabs(dt1 - dt2) >= kArithmetischBis) {
        const double gross = std::max(dt1, dt2), klein = std::min(dt1, dt2);
        dtm = (gross - klein) / std::log(gross / klein);
    } else {
        dtm = (dt1 + dt2) * 0.5;
    }
    if (dtm < kNiedrigesDeltaTm) meldungen.fehler("deltaTMLow");
    return dtm;
}

double serienKorrektur(int serienWarm, int serienKalt, Meldungen& meldungen) {
    if (serienWarm == serienKalt) return 1.0;
    meldungen.fehler("ungleicheSerien");
    return 0.0;
}

// The first channel of a side counts half: the end plates transfer nothing.
double flaecheJeSerie(const Suchzustand& s, const PlattenCache& pc, int seite) {
    double a = 0.0;
    int erster = -1;
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        if (!s.spalttypAktiv[seite][i]) continue;
        if (erster < 0) erster = i;
        a += s.spaltenJeTyp[seite][i] * pc.flaeche[static_cast<size_t>(i)];
    }
    if (erster >= 0) a -= 0.5 * pc.flaeche[static_cast<size_t>(erster)];
    return a;
}

double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int serien) {
    return wandtemperatur(fall, pc, seite, serien, flaecheJeSerie(fall.suche, pc, seite));
}

double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int serien,
                      double aSerie) {
    const double a = aSerie * serien;
    if (!(a > 0) || !(pc.lambda > 0)) return NAN;
    const Arbeitswerte& aw = fall.arbeitswerte;
    // Q / (A / (s / lambda)) written without dividing by a zero wall
    const double dt = 0.5 * aw.leistungWarm * (pc.dickeGesamt / pc.lambda) / a;
    return seite == kWarm ? aw.tMittel + dt : aw.tMittel - dt;
}

double alfaSpalttyp(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                    double re, double pr, double tWand, double muWand, double v) {
    const Mediumseite& m = fall.eingaben.seite(seite);
    const Seitenwerte& a = fall.arbeitswerte.seite(seite);
    double alfa;
    if (seite == kWarm && m.kondensation) {
        const Kondensatwerte& l = a.kondensat;
        const double dT = m.tEin - tWand;
        if (!(dT > 0)) return NAN;  // wall at or above the condensing temperature
        // viscosity mPa s -> Pa s; the result in kW -> W
        const double innen = (l.waermeleitfaehigkeit * l.waermeleitfaehigkeit * v * v * l.dichte *
                              a.kondensationsenthalpie * a.dichte * kKondensationFilmfaktor) /
                             (pc.laengeSpalt * dT * l.viskositaet * 0.001) * 1000.0;
        if (!(innen >= 0)) return NAN;
        alfa = kKondensationWellung * kNusseltFilmkondensation * std::cbrt(innen);
    } else {
        const SpalttypKorrelation& t = *pc.korr[static_cast<size_t>(typ)];
        const double n = t.nusseltRe(re);
        const PlattenCache::Prandtl& c = pc.prandtl[static_cast<size_t>(seite)];
        const size_t ti = static_cast<size_t>(typ);
        double nu;
        if (pr == c.pr && m.istGas == c.gas) {
            if (!c.da[ti]) c.term[ti] = prandtlTerm(t, pr, m.istGas), c.da[ti] = true;
            nu = c.term[ti] * n;
        } else {
            nu = prandtlTerm(t, pr, m.istGas) * n;
        }
        if (pc.trevan) {
            const size_t j = (m.istGas || a.waermekapazitaet > kWasserAehnlichCp)
                                 ? K::kTrevanWasserAehnlich
                                 : K::kTrevanSonst;
            nu = nu * std::pow(a.viskositaet / muWand, t.alphaReGrenze[K::kWandExponentAlpha]) *
                 t.alphaFaktor[j];
        }
        alfa = nu * a.waermeleitfaehigkeit / pc.dhSpalt;
        if (m.istGas) alfa *= kGasFaktor;
    }
    if (a.waermekapazitaet > kWasserAehnlichCp && pc.alfaOpt) alfa *= kAlfaOptimierung;
    return alfa;
}

// The channel-weighted mean of the active channel types' alphas.
double alfaSeite(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                 double tWand, double muWand) {
    if (q <= 0) return NAN;
    const Suchzustand& s = fall.suche;
    const double pr = fall.arbeitswerte.seite(seite).prandtl;
    double summe = 0.0;
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        if (!s.spalttypAktiv[seite][i]) continue;
        const double a = alfaSpalttyp(fall, pc, seite, i, s.reJeTyp[seite][i], pr, tWand, muWand,
                                      s.vSpalt[seite][i]);
        summe += s.spaltenJeTyp[seite][i] * a;
    }
    return summe / q;
}

double alfaWirksam(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                   double tWand, double muWand) {
    const Mediumseite& m = fall.eingaben.seite(seite);
    if (m.eigenesMedium && m.alfaWert > kAlfaWertSchwelle) return m.alfaWert;
    double a = alfaSeite(fall, pc, seite, q, tWand, muWand);
    if (fall.arbeitswerte.deltaTm <= kKleineDifferenz) a *= kKleineDifferenzZuschlag;
    return a;
}

Widerstaende widerstaende(const Berechnungsfall& fall, const PlattenCache& pc) {
    return {pc.dickeOhneLuft / pc.lambda, fall.eingaben.warm.fouling + fall.eingaben.kalt.fouling,
            fall.arbeitswerte.rLuftspalt};
}

}  // namespace kal::engine
