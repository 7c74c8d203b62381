// Heat transfer, pressure drop, flow distribution and the plate type cache.
#include <algorithm>
#include <cmath>

#include "engine.h"

namespace {
const SpalttypKorrelation kNullTabelle{};
bool endlich(double x) { return std::isfinite(x); }
}  // namespace

// ------------------------------------------------------------ permissions

int Rechenkern::istStandard(const Berechnungsfall& fall, int plattentyp, int typ) const {
    if (k_.zulaessig)
        return k_.zulaessig->istStandard(fall.materialPlatte, plattentyp, fall.druckstufe, typ);
    const PlattentypA* a = k_.data.getPlattentypAListe().internalGetForObjectId(plattentyp);
    return (a && a->getSpalttypZulaessig(fall.materialPlatte, fall.druckstufe, typ)) ? 1 : 0;
}

int Rechenkern::istZulaessig(const Berechnungsfall& fall, int plattentyp, int typ) const {
    if (k_.zulaessig)
        return k_.zulaessig->istZulaessig(fall.materialPlatte, plattentyp, fall.druckstufe, typ);
    return istStandard(fall, plattentyp, typ);
}

// ------------------------------------------------------------ cache

bool Rechenkern::cacheAufbauen(const Berechnungsfall& fall, int id, PlattenCache& pc) const {
    const Data& d = k_.data;
    pc.gueltig = false;
    pc.id = id;
    pc.a = d.getPlattentypAListe().internalGetForObjectId(id);
    pc.u = d.getPlattentypUListe().internalGetForObjectId(id);
    pc.c = d.getPlattentypCListe().internalGetForObjectId(id);
    if (!pc.a || !pc.u) return false;
    const PlattentypA& a = *pc.a;
    const PlattentypU& u = *pc.u;
    pc.name = a.getName();
    const auto& st = d.getSpalttypListe();
    for (int i = 0; i < 9; ++i) {
        const size_t si = static_cast<size_t>(i);
        const Spalttyp* t = st.internalGetAt(i);
        const SpalttypKorrelation* kk = t ? t->korrelation(a.getWellenwinkel(i)) : nullptr;
        pc.korr[si] = kk ? kk : &kNullTabelle;
        pc.flaeche[si] = a.getFlaeche(i);
        pc.querSpalt[si] = a.getQuerSpalt(i);
        pc.inhalt[si] = a.getInhalt(i);
        for (int j = 0; j < 9; ++j) {
            pc.zweiteSeite[si][static_cast<size_t>(j)] = t ? t->getSpalttypZweiteSeite(j) : -1;
            pc.weitermischenNichtOk[si][static_cast<size_t>(j)] =
                t ? t->getWeitermischenNichtOk(j) : 0;
        }
        pc.zulaessig[si] = t ? istZulaessig(fall, id, i) : 0;
        pc.standard[si] = t ? istStandard(fall, id, i) : 0;
    }
    pc.dhSpalt = a.getDhSpalt();
    pc.dhKanal = a.getDhKanal();
    pc.querKanal = a.getQuerKanal();
    pc.laengeSpalt = a.getLaengeSpalt();
    pc.querMaxStutzen = u.getQuerMaxStutzen(d);
    pc.dickeGesamt = a.getPlattenDickeGesamt(d, fall.materialPlatte, fall.druckstufe);
    pc.dickeOhneLuft = a.getPlattenDickeGesamtOhneLuft(fall.materialPlatte, fall.druckstufe);
    const MaterialPlatteA* mat =
        d.getMaterialPlatteAListe().internalGetForObjectId(fall.materialPlatte);
    pc.lambda = mat ? mat->getLambda() : 0.0;
    pc.trevan = a.getTrevanberechnung() != 0;
    pc.alfaOpt = a.getAlfaOptimierung() != 0;
    pc.dichtungenAktiv = u.getDichtungAktiv(d, fall.dichtungWarm) != 0 &&
                         u.getDichtungAktiv(d, fall.dichtungKalt) != 0;

    auto preise = [&](const PlattentypPreise& p, PlattenCache::Preisdaten& z) {
        z.vorhanden = true;
        z.plattenPreis = p.getPlattenPreis(fall.materialPlatte, fall.druckstufe);
        z.dichtungWarm = p.getDichtungPreis(d, fall.dichtungWarm);
        z.dichtungKalt = p.getDichtungPreis(d, fall.dichtungKalt);
        z.grundpreis =
            p.getGestellGrundpreis(d, fall.gestell, fall.druckstufe, fall.gestellVariante);
        z.wege = p.getWegeAufschlag(d, fall.gestell, fall.druckstufe, fall.gestellVariante);
    };
    preise(u, pc.listen);
    pc.kunden = {};
    if (pc.c) preise(*pc.c, pc.kunden);
    pc.laengen.clear();
    for (const auto& l : d.getLaengenzuschlagListe().alle()) {
        if (l.plattentyp != id) continue;
        PlattenCache::Laengenklasse k;
        k.maxPlatten = l.maxPlatten;
        k.id = l.getObjectId();
        k.zuschlagListe =
            u.getGestellPreisZuschlag(d, fall.gestell, fall.druckstufe, fall.gestellVariante, k.id);
        k.zuschlagKunde = pc.c ? pc.c->getGestellPreisZuschlag(d, fall.gestell, fall.druckstufe,
                                                               fall.gestellVariante, k.id)
                               : 0.0;
        pc.laengen.push_back(k);
    }
    std::stable_sort(pc.laengen.begin(), pc.laengen.end(),
                     [](const auto& x, const auto& y) { return x.maxPlatten < y.maxPlatten; });
    // geometry the formulas divide by
    pc.gueltig = pc.dhSpalt > 0 && pc.dhKanal > 0 && pc.querKanal > 0 && pc.laengeSpalt > 0 &&
                 pc.querMaxStutzen > 0 && pc.lambda > 0 && pc.dickeGesamt >= 0 &&
                 endlich(pc.dhSpalt + pc.dhKanal + pc.querKanal + pc.laengeSpalt);
    return pc.gueltig;
}

// ------------------------------------------------------------ heat transfer

double Rechenkern::mittlereTemperaturdifferenz(double tEinWarm, double tAusWarm, double tEinKalt,
                                               double tAusKalt, bool kondensationsVariante) {
    const double dt1 = tAusWarm - tEinKalt;
    const double dt2 = tEinWarm - tAusKalt;
    if (!(dt1 >= 0.1)) {
        meldeFehler(kondensationsVariante ? "kondenstemplowerteinkalt" : "temperatureDiffToLow0");
        return -99.0;
    }
    if (!(dt2 >= 0.1)) {
        meldeFehler("temperatureDiffToLow1");
        return -99.0;
    }
    double dtm;
    if (std::fabs(dt1 - dt2) >= 0.5) {
        const double gross = std::max(dt1, dt2), klein = std::min(dt1, dt2);
        dtm = (gross - klein) / std::log(gross / klein);
    } else {
        dtm = (dt1 + dt2) * 0.5;
    }
    if (dtm < 1.0) meldeFehler("deltaTMLow");
    return dtm;
}

double Rechenkern::serienKorrektur(int serienWarm, int serienKalt) {
    if (serienWarm == serienKalt) return 1.0;
    meldeFehler("ungleicheSerien");
    return 0.0;
}

double Rechenkern::flaecheJeSerie(const Berechnungsfall& fall, const PlattenCache& pc,
                                  int seite) const {
    double a = 0.0;
    int erster = -1;
    for (int i = 0; i < 9; ++i) {
        if (!fall.spalttypAktiv[seite][i]) continue;
        if (erster < 0) erster = i;
        a += fall.spaltenJeTyp[seite][i] * pc.flaeche[static_cast<size_t>(i)];
    }
    if (erster >= 0) a -= 0.5 * pc.flaeche[static_cast<size_t>(erster)];
    return a;
}

double Rechenkern::wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                                  int serien) const {
    const double a = flaecheJeSerie(fall, pc, seite) * serien;
    if (!(a > 0) || !(pc.lambda > 0)) return NAN;
    // Q / (A / (s / lambda)) written without dividing by a zero wall
    const double dt = 0.5 * fall.leistungWarm * (pc.dickeGesamt / pc.lambda) / a;
    return seite == 0 ? fall.tMittel + dt : fall.tMittel - dt;
}

double Rechenkern::alfaSpalttyp(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                                int typ, double re, double pr, double tWand, double muWand,
                                double v) const {
    const Mediumseite& m = fall.seite(seite);
    double alfa;
    if (seite == 0 && m.kondensation) {
        const Kondensatwerte& l = m.kondensat;
        const double dT = m.tEin - tWand;
        if (!(dT > 0)) return NAN;  // wall at or above the condensing temperature
        const double innen = (l.waermeleitfaehigkeit * l.waermeleitfaehigkeit * v * v * l.dichte *
                              m.kondensationsenthalpie * m.dichte * 0.010300500073319285) /
                             (pc.laengeSpalt * dT * l.viskositaet * 0.001) * 1000.0;
        if (!(innen >= 0)) return NAN;
        alfa = static_cast<double>(1.2999999523162842) * 0.9430000185966492 * std::cbrt(innen);
    } else {
        const SpalttypKorrelation& t = *pc.korr[static_cast<size_t>(typ)];
        int k = 4;
        for (int j = 0; j < 4; ++j)
            if (re > t.alphaReGrenze[static_cast<size_t>(j)]) {
                k = j;
                break;
            }
        const double n = t.alphaFaktor[static_cast<size_t>(k)] *
                         std::pow(re, t.alphaExp[static_cast<size_t>(k)]);
        double nu = m.istGas ? std::pow(pr, t.alphaExp[5]) * n
                             : t.alphaFaktor[5] * std::pow(pr, t.alphaExp[5]) * n;
        if (pc.trevan) {
            const size_t j = (m.istGas || m.waermekapazitaet > 2.6) ? 3 : 4;
            nu = nu * std::pow(m.viskositaet / muWand, t.alphaReGrenze[5]) * t.alphaFaktor[j];
        }
        alfa = nu * m.waermeleitfaehigkeit / pc.dhSpalt;
        if (m.istGas) alfa *= 0.75;
    }
    if (m.waermekapazitaet > 2.6 && pc.alfaOpt) alfa *= 1.05;
    return alfa;
}

double Rechenkern::alfaSeite(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                             double tWand, double muWand) const {
    if (q <= 0) return NAN;
    const Mediumseite& m = fall.seite(seite);
    double summe = 0.0;
    for (int i = 0; i < 9; ++i) {
        if (!fall.spalttypAktiv[seite][i]) continue;
        const double a = alfaSpalttyp(fall, pc, seite, i, fall.reJeTyp[seite][i], m.prandtl, tWand,
                                      muWand, fall.vSpalt[seite][i]);
        summe += fall.spaltenJeTyp[seite][i] * a;
    }
    return summe / q;
}

// ------------------------------------------------------------ hydraulics

void Rechenkern::geschwindigkeitsgrenzen(Berechnungsfall& fall) const {
    const GlobaleParameter& g = k_.data.getGlobaleParameter();
    for (int s = 0; s < 2; ++s) {
        Mediumseite& m = fall.seite(s);
        if (m.istGas) {
            m.vSpaltMax = g.getMaxZulSpaltGeschwGas();
            m.vSpaltMin = g.getMinZulSpaltGeschwGas();
            m.vStutzenMax = g.getMaxZulSpaltGeschwGas();
            m.vEintrittMax = g.getMaxEintrittsGeschwGas();
        } else {
            m.vSpaltMax = g.getMaxZulSpaltGeschw();
            m.vSpaltMin = g.getMinZulSpaltGeschw();
            m.vStutzenMax = g.getMaxZulSpaltGeschw();
            m.vEintrittMax = g.getMaxEintrittsGeschw();
        }
    }
}

double Rechenkern::eintrittsgeschwindigkeit(const PlattenCache& pc, double v, int f, int p) const {
    const double quer = pc.dhSpalt * 0.5 * pc.dhKanal * 1.57079632675;
    if (!(quer > 0) || f <= 0 || p <= 0) return HUGE_VAL;
    return v / quer / (static_cast<double>(f) * p);
}

bool Rechenkern::spaltDruckverlust(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                                   int typ, double durchsatz, double muWand, double& dp, double& re,
                                   double& v) const {
    const Mediumseite& m = fall.seite(seite);
    const size_t ti = static_cast<size_t>(typ);
    if (!(pc.querSpalt[ti] > 0) || !(pc.dhSpalt > 0) || !(pc.dhKanal > 0) || !(m.dichte > 0) ||
        !(m.viskositaet > 0))
        return false;
    v = durchsatz / pc.querSpalt[ti];
    re = pc.dhSpalt * v / (m.viskositaet / m.dichte) * 1000.0;
    const SpalttypKorrelation& t = *pc.korr[ti];
    double zeta;
    if (!pc.trevan) {
        int k = 4;
        for (int j = 0; j < 4; ++j)
            if (re > t.druckReGrenze[static_cast<size_t>(j)]) {
                k = j;
                break;
            }
        zeta = t.druckFaktor[static_cast<size_t>(k)] *
               std::pow(re, t.druckExp[static_cast<size_t>(k)]);
    } else {
        size_t k;
        if (m.waermekapazitaet > 2.6)
            k = 0;
        else
            k = re > t.druckReGrenze[1] ? 1 : 2;
        zeta = t.druckFaktor[k] * std::pow(re, t.druckExp[k]);
        const size_t j = m.istGas ? 4 : (m.waermekapazitaet > 2.6 ? 3 : 4);
        zeta = zeta * std::pow(muWand / m.viskositaet, t.druckReGrenze[4]) * t.druckFaktor[j];
    }
    const double teilung = pc.dhSpalt * 0.5 + pc.dickeGesamt;
    double dpKanal;
    if (!pc.trevan) {
        dpKanal = 1.25 * std::fabs(m.vKanal * m.vKanal - v * v) * teilung * m.dichte / pc.dhKanal;
    } else {
        const double reKanal = m.vKanal * pc.dhKanal * m.dichte / m.viskositaet * 1000.0;
        if (!(reKanal > 1.0)) return false;  // ln(Re) <= 0: the port term is undefined
        dpKanal = std::exp(5.9788 * std::pow(std::log(reKanal), -0.9743)) * m.vKanal * m.vKanal *
                  m.dichte * 0.5;
    }
    dp = 0.001 *
         (zeta * std::pow(pc.laengeSpalt / pc.dhSpalt, 1.03) * m.dichte * v * v * 0.5 + dpKanal);
    return endlich(dp) && endlich(re) && endlich(v);
}

bool Rechenkern::verteileDurchsatz(Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                                   double muWand, double& dpMittel) {
    Mediumseite& m = fall.seite(seite);
    const bool rating = fall.berechnungsart == 1;
    if (q <= 0) return false;
    const double vGesamt = m.volumenstrom;
    double* vi = fall.durchsatzJeTyp[seite];
    double* dpi = fall.druckverlustJeTyp[seite];
    const bool* aktiv = fall.spalttypAktiv[seite];
    const int* n = fall.spaltenJeTyp[seite];

    auto rechne = [&]() {
        double summe = 0.0;
        for (int i = 0; i < 9; ++i) {
            if (!aktiv[i]) continue;
            if (!spaltDruckverlust(fall, pc, seite, i, vi[i], muWand, dpi[i],
                                   fall.reJeTyp[seite][i], fall.vSpalt[seite][i]))
                return false;
            summe += n[i] * dpi[i];
        }
        dpMittel = summe / q;
        return endlich(dpMittel);
    };
    for (int i = 0; i < 9; ++i)
        if (aktiv[i]) vi[i] = vGesamt / q;
    if (!rechne()) return false;

    int k = 1;
    double abw;
    do {
        if (dpMittel < 0.01) dpMittel = 0.01;
        for (int i = 0; i < 9; ++i) {
            if (!aktiv[i]) continue;
            if (dpi[i] < 0.01) dpi[i] = 0.01;
            const double x = 1.0 + std::log(dpMittel / dpi[i]);
            double c = x <= 0 ? 0.5 : 1.0 + std::log(x) / (2.0 + std::log(static_cast<double>(k)));
            if (c < 0.5) c = 0.5;
            vi[i] *= c;
        }
        double summe = 0.0;
        for (int i = 0; i < 9; ++i)
            if (aktiv[i]) summe += n[i] * vi[i];
        if (!(summe > 0)) return false;
        const double faktor = vGesamt / summe;
        for (int i = 0; i < 9; ++i)
            if (aktiv[i]) vi[i] *= faktor;
        if (!rechne()) return false;
        abw = 0.0;
        for (int i = 0; i < 9; ++i) {
            if (!aktiv[i]) continue;
            const double dev = dpi[i] > 0 ? std::fabs(dpMittel / dpi[i] - 1.0) : HUGE_VAL;
            abw = std::max(abw, dev);
        }
        ++k;
        if (k > 100) {
            if (rating) meldeFehler("fehlerDruckverlust");
            return false;
        }
    } while (abw > 0.01 + 0.05 * std::log(static_cast<double>(k)));

    for (int i = 0; i < 9; ++i) {
        if (!aktiv[i]) continue;
        if (fall.vSpalt[seite][i] < m.vSpaltMin) {
            if (rating) meldeFehler("minSpaltgeschwindigkeit");
            return false;
        }
        if (fall.vSpalt[seite][i] > m.vSpaltMax) {
            if (rating) meldeFehler("maxSpaltgeschwindigkeit");
            return false;
        }
    }
    return true;
}
