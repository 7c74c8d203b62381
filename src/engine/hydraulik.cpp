#include "engine/hydraulik.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace kal::engine {

namespace {
bool endlich(double x) { return std::isfinite(x); }

// Inlet cross-section of a channel: the gap (half the channel's hydraulic
// diameter) times half the port circumference; pi/2 to eleven digits.
constexpr double kHalbPi = 1.57079632675;

// Friction tables: Martin / VDI Heat Atlas fitted per Reynolds range (layout
// in SpalttypKorrelation, the fit in data/README.md).
using K = SpalttypKorrelation;

// Length ratio exponent of the channel friction.
constexpr double kLaengenExponent = 1.03;
// Port loss of a channel: 1.25 rho |v_port^2 - v^2| pitch / port diameter;
// plate types with their own correlation: exp(5.9788 ln(Re_port)^-0.9743)
// rho v_port^2 / 2.
constexpr double kKanalBeiwert = 1.25;
constexpr double kKanalReFaktor = 5.9788;
constexpr double kKanalReExponent = -0.9743;

// Flow distribution: pressure drops below this (kPa) count as this; a step
// corrects a flow by at least the factor kMinKorrektur; the iteration stops
// when every type's pressure drop is within kToleranz + kToleranzZuwachs
// ln(step) of the mean, and fails after kMaxSchritte steps.
constexpr double kMinDruckverlust = 0.01;
constexpr double kMinKorrektur = 0.5;
constexpr double kToleranz = 0.01;
constexpr double kToleranzZuwachs = 0.05;
constexpr int kMaxSchritte = 100;
// ln k of the step counts, looked up: the distribution runs for every
// configuration of a search.
const auto kLnSchritt = [] {
    std::array<double, kMaxSchritte + 2> t{};
    for (size_t k = 1; k < t.size(); ++k) t[k] = std::log(static_cast<double>(k));
    return t;
}();
// A side's mean channel velocity, beyond its limit by this share, puts some
// channel type beyond it whatever the split (rounding of the split is far
// smaller).
constexpr double kMittelGrenzeAbstand = 1e-9;
// Message key of the first active channel type whose velocity leaves the
// side's limits; null when all keep them.
const char* spaltgeschwindigkeitFehler(const Suchzustand& s, const Seitenwerte& a, int seite) {
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        if (!s.spalttypAktiv[seite][i]) continue;
        if (s.vSpalt[seite][i] < a.vSpaltMin) return "minSpaltgeschwindigkeit";
        if (s.vSpalt[seite][i] > a.vSpaltMax) return "maxSpaltgeschwindigkeit";
    }
    return nullptr;
}
}  // namespace

void geschwindigkeitsgrenzen(const Data& d, Berechnungsfall& fall) {
    const GlobaleParameter& g = d.getGlobaleParameter();
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Seitenwerte& a = fall.arbeitswerte.seite(s);
        if (fall.eingaben.seite(s).istGas) {
            a.vSpaltMax = g.getMaxZulSpaltGeschwGas();
            a.vSpaltMin = g.getMinZulSpaltGeschwGas();
            a.vStutzenMax = g.getMaxZulSpaltGeschwGas();
            a.vEintrittMax = g.getMaxEintrittsGeschwGas();
        } else {
            a.vSpaltMax = g.getMaxZulSpaltGeschw();
            a.vSpaltMin = g.getMinZulSpaltGeschw();
            a.vStutzenMax = g.getMaxZulSpaltGeschw();
            a.vEintrittMax = g.getMaxEintrittsGeschw();
        }
    }
}

double laengenfaktor(double laengeSpalt, double dhSpalt) {
    return std::pow(laengeSpalt / dhSpalt, kLaengenExponent);
}

double eintrittsgeschwindigkeit(const PlattenCache& pc, double v, int f, int p) {
    const double quer = pc.dhSpalt * 0.5 * pc.dhKanal * kHalbPi;
    if (!(quer > 0) || f <= 0 || p <= 0) return kGeschwindigkeitOhneQuerschnitt;
    return v / quer / (static_cast<double>(f) * p);
}

bool spaltDruckverlust(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                       double durchsatz, double muWand, double& dp, double& re, double& v) {
    const Seitenwerte& m = fall.arbeitswerte.seite(seite);
    const size_t ti = static_cast<size_t>(typ);
    if (!(pc.querSpalt[ti] > 0) || !(pc.dhSpalt > 0) || !(pc.dhKanal > 0) || !(m.dichte > 0) ||
        !(m.viskositaet > 0))
        return false;
    v = durchsatz / pc.querSpalt[ti];
    // viscosity mPa s -> Pa s
    re = pc.dhSpalt * v / (m.viskositaet / m.dichte) * 1000.0;
    const SpalttypKorrelation& t = *pc.korr[ti];
    double zeta;
    if (!pc.trevan) {
        zeta = t.reibungRe(re);
    } else {
        const bool wasserAehnlich = m.waermekapazitaet > kWasserAehnlichCp;
        const size_t k = t.trevanDruckBereich(re, wasserAehnlich);
        zeta = t.druckFaktor[k] * std::pow(re, t.druckExp[k]);
        const size_t j = fall.eingaben.seite(seite).istGas
                             ? K::kTrevanSonst
                             : (wasserAehnlich ? K::kTrevanWasserAehnlich : K::kTrevanSonst);
        zeta = zeta * std::pow(muWand / m.viskositaet, t.druckReGrenze[K::kWandExponentDruck]) *
               t.druckFaktor[j];
    }
    const double teilung = pc.dhSpalt * 0.5 + pc.dickeGesamt;
    double dpKanal;
    if (!pc.trevan) {
        dpKanal = kKanalBeiwert * std::fabs(m.vKanal * m.vKanal - v * v) * teilung * m.dichte /
                  pc.dhKanal;
    } else {
        const double reKanal = m.vKanal * pc.dhKanal * m.dichte / m.viskositaet * 1000.0;
        if (!(reKanal > 1.0)) return false;  // ln(Re) <= 0: the port term is undefined
        dpKanal = std::exp(kKanalReFaktor * std::pow(std::log(reKanal), kKanalReExponent)) *
                  m.vKanal * m.vKanal * m.dichte * 0.5;
    }
    // Pa -> kPa
    dp = 0.001 * (zeta * pc.laengenfaktor * m.dichte * v * v * 0.5 + dpKanal);
    return endlich(dp) && endlich(re) && endlich(v);
}

bool verteileDurchsatz(Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                       double muWand, double& dpMittel, Paketgedaechtnis* paket,
                       Meldungen& meldungen) {
    const bool rating = fall.eingaben.berechnungsart == 1;
    if (q <= 0) return false;
    const double vGesamt = fall.eingaben.seite(seite).volumenstrom;
    Suchzustand& s = fall.suche;
    double* vi = s.durchsatzJeTyp[seite];
    double* dpi = s.druckverlustJeTyp[seite];
    const int* n = s.spaltenJeTyp[seite];
    // the active types in index order, the order of every sum below
    int typen[kAnzahlSpalttypen];
    int nTypen = 0;
    for (int i = 0; i < kAnzahlSpalttypen; ++i)
        if (s.spalttypAktiv[seite][i]) typen[nTypen++] = i;
    const auto aktive = [&] { return std::span<const int>(typen, static_cast<size_t>(nTypen)); };

    // In a design the split cannot save a side whose mean velocity over all
    // its channels is beyond a limit: it ends like the split's final check.
    if (!rating) {
        double quer = 0.0;
        for (int i : aktive()) quer += n[i] * pc.querSpalt[static_cast<size_t>(i)];
        const Seitenwerte& a = fall.arbeitswerte.seite(seite);
        const double vMittel = vGesamt / quer;
        if (vMittel < a.vSpaltMin * (1.0 - kMittelGrenzeAbstand) ||
            vMittel > a.vSpaltMax * (1.0 + kMittelGrenzeAbstand))
            return false;
    }
    // The even share is the same for every configuration of a design's
    // pack: its pressure drops come from the pack's memory.
    const bool gedaechtnis = !rating && paket && paket->aktiv();
    auto spalt = [&](int i, bool gleich) {
        if (!gleich || !gedaechtnis)
            return spaltDruckverlust(fall, pc, seite, i, vi[i], muWand, dpi[i], s.reJeTyp[seite][i],
                                     s.vSpalt[seite][i]);
        Paketgedaechtnis::Gleichanteil& g = paket->gleichanteil(seite, i);
        if (!g.berechnet || g.durchsatz != vi[i] || g.muWand != muWand) {
            g.berechnet = true, g.durchsatz = vi[i], g.muWand = muWand;
            g.ok = spaltDruckverlust(fall, pc, seite, i, vi[i], muWand, g.dp, g.re, g.v);
        }
        dpi[i] = g.dp, s.reJeTyp[seite][i] = g.re, s.vSpalt[seite][i] = g.v;
        return g.ok;
    };
    auto rechne = [&](bool gleich) {
        double summe = 0.0;
        for (int i : aktive()) {
            if (!spalt(i, gleich)) return false;
            summe += n[i] * dpi[i];
        }
        dpMittel = summe / q;
        return endlich(dpMittel);
    };
    for (int i : aktive()) vi[i] = vGesamt / q;
    if (!rechne(true)) return false;

    int k = 1;
    double abw;
    do {
        if (dpMittel < kMinDruckverlust) dpMittel = kMinDruckverlust;
        const double nenner = 2.0 + kLnSchritt[static_cast<size_t>(k)];
        double summe = 0.0;
        for (int i : aktive()) {
            if (dpi[i] < kMinDruckverlust) dpi[i] = kMinDruckverlust;
            const double x = 1.0 + std::log(dpMittel / dpi[i]);
            double c = x <= 0 ? kMinKorrektur : 1.0 + std::log(x) / nenner;
            if (c < kMinKorrektur) c = kMinKorrektur;
            vi[i] *= c;
            summe += n[i] * vi[i];
        }
        if (!(summe > 0)) return false;
        const double faktor = vGesamt / summe;
        for (int i : aktive()) vi[i] *= faktor;
        if (!rechne(false)) return false;
        abw = 0.0;
        for (int i : aktive()) {
            const double dev =
                dpi[i] > 0 ? std::fabs(dpMittel / dpi[i] - 1.0) : kAbweichungOhneDruckverlust;
            abw = std::max(abw, dev);
        }
        ++k;
        if (k > kMaxSchritte) {
            if (rating) meldungen.fehler("fehlerDruckverlust");
            return false;
        }
    } while (abw > kToleranz + kToleranzZuwachs * kLnSchritt[static_cast<size_t>(k)]);

    if (const char* key = spaltgeschwindigkeitFehler(s, fall.arbeitswerte.seite(seite), seite)) {
        if (rating) meldungen.fehler(key);
        return false;
    }
    return true;
}

}  // namespace kal::engine
