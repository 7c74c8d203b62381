// Hydraulics: velocity limits, inlet velocity, channel pressure drop and the
// flow distribution over the channel types of a side.
#include <algorithm>
#include <cmath>

#include "engine.h"

namespace {
bool endlich(double x) { return std::isfinite(x); }

// Inlet cross-section of a channel: the gap (half the channel's hydraulic
// diameter) times half the port circumference; pi/2 to eleven digits.
constexpr double kHalbPi = 1.57079632675;

// Friction tables of the channel types (Martin / VDI Heat Atlas, fitted per
// Reynolds range, see data/README.md): ranges 0..3 by descending Re bound,
// range 4 below all. Plate types with their own correlation use range 0 for
// water-like media, else 1/2 above/below bound 1, the wall viscosity
// exponent at bound 4 and an extra factor from index 3 (water-like) or 4.
constexpr int kReBereiche = 4;
constexpr size_t kTrevanWasserAehnlich = 3;
constexpr size_t kTrevanSonst = 4;
constexpr size_t kTrevanOben = 1;
constexpr size_t kTrevanUnten = 2;
constexpr size_t kWandExponent = 4;
constexpr double kWasserAehnlichCp = 2.6;  // kJ/(kg K)
// Length ratio exponent of the channel friction.
constexpr double kLaengenExponent = 1.03;
// Port loss: 1.25 velocity heads of the velocity change per pitch and port
// diameter; plate types with their own correlation: exp(5.9788 ln(Re)^-0.9743)
// velocity heads.
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
}  // namespace

void Rechenkern::geschwindigkeitsgrenzen(Berechnungsfall& fall) const {
    const GlobaleParameter& g = k_.data.getGlobaleParameter();
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

double Rechenkern::eintrittsgeschwindigkeit(const PlattenCache& pc, double v, int f, int p) const {
    const double quer = pc.dhSpalt * 0.5 * pc.dhKanal * kHalbPi;
    if (!(quer > 0) || f <= 0 || p <= 0) return kGeschwindigkeitOhneQuerschnitt;
    return v / quer / (static_cast<double>(f) * p);
}

bool Rechenkern::spaltDruckverlust(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                                   int typ, double durchsatz, double muWand, double& dp, double& re,
                                   double& v) const {
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
        size_t k = kReBereiche;
        for (size_t j = 0; j < kReBereiche; ++j)
            if (re > t.druckReGrenze[j]) {
                k = j;
                break;
            }
        zeta = t.druckFaktor[k] * std::pow(re, t.druckExp[k]);
    } else {
        const bool wasserAehnlich = m.waermekapazitaet > kWasserAehnlichCp;
        size_t k;
        if (wasserAehnlich)
            k = 0;
        else
            k = re > t.druckReGrenze[kTrevanOben] ? kTrevanOben : kTrevanUnten;
        zeta = t.druckFaktor[k] * std::pow(re, t.druckExp[k]);
        const size_t j = fall.eingaben.seite(seite).istGas
                             ? kTrevanSonst
                             : (wasserAehnlich ? kTrevanWasserAehnlich : kTrevanSonst);
        zeta = zeta * std::pow(muWand / m.viskositaet, t.druckReGrenze[kWandExponent]) *
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
    dp = 0.001 *
         (zeta * std::pow(pc.laengeSpalt / pc.dhSpalt, kLaengenExponent) * m.dichte * v * v * 0.5 +
          dpKanal);
    return endlich(dp) && endlich(re) && endlich(v);
}

// Splits the side's flow over its active channel types until their pressure
// drops agree; the mean pressure drop of a channel in `dpMittel` (kPa).
bool Rechenkern::verteileDurchsatz(Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                                   double muWand, double& dpMittel) {
    const bool rating = fall.eingaben.berechnungsart == 1;
    if (q <= 0) return false;
    const double vGesamt = fall.eingaben.seite(seite).volumenstrom;
    Suchzustand& s = fall.suche;
    double* vi = s.durchsatzJeTyp[seite];
    double* dpi = s.druckverlustJeTyp[seite];
    const bool* aktiv = s.spalttypAktiv[seite];
    const int* n = s.spaltenJeTyp[seite];

    auto rechne = [&]() {
        double summe = 0.0;
        for (int i = 0; i < kAnzahlSpalttypen; ++i) {
            if (!aktiv[i]) continue;
            if (!spaltDruckverlust(fall, pc, seite, i, vi[i], muWand, dpi[i], s.reJeTyp[seite][i],
                                   s.vSpalt[seite][i]))
                return false;
            summe += n[i] * dpi[i];
        }
        dpMittel = summe / q;
        return endlich(dpMittel);
    };
    for (int i = 0; i < kAnzahlSpalttypen; ++i)
        if (aktiv[i]) vi[i] = vGesamt / q;
    if (!rechne()) return false;

    int k = 1;
    double abw;
    do {
        if (dpMittel < kMinDruckverlust) dpMittel = kMinDruckverlust;
        for (int i = 0; i < kAnzahlSpalttypen; ++i) {
            if (!aktiv[i]) continue;
            if (dpi[i] < kMinDruckverlust) dpi[i] = kMinDruckverlust;
            const double x = 1.0 + std::log(dpMittel / dpi[i]);
            double c = x <= 0 ? kMinKorrektur
                              : 1.0 + std::log(x) / (2.0 + std::log(static_cast<double>(k)));
            if (c < kMinKorrektur) c = kMinKorrektur;
            vi[i] *= c;
        }
        double summe = 0.0;
        for (int i = 0; i < kAnzahlSpalttypen; ++i)
            if (aktiv[i]) summe += n[i] * vi[i];
        if (!(summe > 0)) return false;
        const double faktor = vGesamt / summe;
        for (int i = 0; i < kAnzahlSpalttypen; ++i)
            if (aktiv[i]) vi[i] *= faktor;
        if (!rechne()) return false;
        abw = 0.0;
        for (int i = 0; i < kAnzahlSpalttypen; ++i) {
            if (!aktiv[i]) continue;
            const double dev =
                dpi[i] > 0 ? std::fabs(dpMittel / dpi[i] - 1.0) : kAbweichungOhneDruckverlust;
            abw = std::max(abw, dev);
        }
        ++k;
        if (k > kMaxSchritte) {
            if (rating) meldeFehler("fehlerDruckverlust");
            return false;
        }
    } while (abw > kToleranz + kToleranzZuwachs * std::log(static_cast<double>(k)));

    const Seitenwerte& a = fall.arbeitswerte.seite(seite);
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        if (!aktiv[i]) continue;
        if (s.vSpalt[seite][i] < a.vSpaltMin) {
            if (rating) meldeFehler("minSpaltgeschwindigkeit");
            return false;
        }
        if (s.vSpalt[seite][i] > a.vSpaltMax) {
            if (rating) meldeFehler("maxSpaltgeschwindigkeit");
            return false;
        }
    }
    return true;
}
