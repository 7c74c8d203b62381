#include "engine/preis.h"

#include <algorithm>
#include <cmath>

#include "datalib/format.h"

namespace kal::engine {

namespace {
// Packs with different passes per side are priced at five times their
// parts, which keeps them out of every cheapest choice.
constexpr double kUngleicheSerienFaktor = 5.0;

// Price of n plates (rounded pack part + rounded frame part); kKeinPreis
// when a price or the length class is missing.
double preisRechnen(const PlattenCache::Preisdaten& p, double zuschlag, bool lzDa, int n, int sw,
                    int sk, Preisteile* teile) {
    if (!p.vorhanden || !lzDa || p.plattenPreis == 0.0 || p.grundpreis == 0.0) {
        if (teile) *teile = Preisteile{kKeinPreis};
        return kKeinPreis;
    }
    double paket = 2.0 * p.dichtungWarm + n * p.plattenPreis +
                   (p.dichtungWarm + p.dichtungKalt) * (n - 1) * 0.5;
    double gestell = p.grundpreis + zuschlag;
    const double wege = (static_cast<long long>(sw) * sk > 1) ? p.wege : 0.0;
    gestell += wege;
    if (sw != sk) {
        paket *= kUngleicheSerienFaktor;
        gestell *= kUngleicheSerienFaktor;
    }
    const double preis = std::trunc(paket + 0.5) + std::trunc(gestell + 0.5);
    if (teile) {
        const double f = sw != sk ? kUngleicheSerienFaktor : 1.0;
        *teile = Preisteile{preis,
                            paket,
                            gestell,
                            n * p.plattenPreis * f,
                            paket - n * p.plattenPreis * f,
                            p.grundpreis * f,
                            zuschlag * f,
                            wege * f};
    }
    return preis;
}
}  // namespace

double listenpreis(const PlattenCache& pc, int n, int sw, int sk, Preisteile* teile) {
    const auto* lz = pc.laengenklasse(n);
    return preisRechnen(pc.listen, lz ? lz->zuschlagListe : 0.0, lz != nullptr, n, sw, sk, teile);
}

double customPreis(const PlattenCache& pc, int n, int sw, int sk, Preisteile* teile) {
    const auto* lz = pc.laengenklasse(n);
    return preisRechnen(pc.kunden, lz ? lz->zuschlagKunde : 0.0, lz != nullptr, n, sw, sk, teile);
}

double gewicht(const Data& d, const Falleingaben& e, const PlattenCache& pc, int n) {
    const auto* lz = pc.laengenklasse(n);
    return pc.u->getGestellGrundgewicht(d, e.gestell, e.druckstufe, e.gestellVariante) +
           n * pc.a->getPlattenGewicht(e.materialPlatte, e.druckstufe) +
           (lz ? pc.u->getGestellGewichtZuschlag(d, e.gestell, e.druckstufe, e.gestellVariante,
                                                 lz->id)
               : 0.0);
}

int lieferzeit(const Data& d, const Falleingaben& e, const PlattenCache& pc, int n) {
    const auto* lz = pc.laengenklasse(n);
    int t = pc.u->getPlattenLieferzeit(e.materialPlatte, e.druckstufe);
    if (lz)
        t = std::max(
            t, pc.u->getGestellLieferzeit(d, e.gestell, e.druckstufe, e.gestellVariante, lz->id));
    t = std::max(t, pc.u->getDichtungLieferzeit(d, e.dichtungWarm));
    t = std::max(t, pc.u->getDichtungLieferzeit(d, e.dichtungKalt));
    return t;
}

double inhalt(const Suchzustand& s, const PlattenCache& pc, int seite, int serien) {
    double v = 0.0;
    for (int i = 0; i < kAnzahlSpalttypen; ++i)
        if (s.spalttypAktiv[seite][i])
            v += pc.inhalt[static_cast<size_t>(i)] * s.spaltenJeTyp[seite][i];
    return v * serien;
}

std::string preisCode(const Data& d, const Falleingaben& e, const std::string& name, int n) {
    const MaterialPlatteA* m = d.getMaterialPlatteAListe().internalGetForObjectId(e.materialPlatte);
    const DichtungA* gw = d.getDichtungAListe().internalGetForObjectId(e.dichtungWarm);
    const DichtungA* gk = d.getDichtungAListe().internalGetForObjectId(e.dichtungKalt);
    const std::string mc = m ? m->getCode() : "";
    const std::string cw = gw ? gw->getCode() : "";
    const std::string ck = gk ? gk->getCode() : "";
    if (e.dichtungWarm == e.dichtungKalt)
        return kal::formatiere("%s-%d-%s-%s", name.c_str(), n, mc.c_str(), cw.c_str());
    return kal::formatiere("%s-%d-%s-%s/%s", name.c_str(), n, mc.c_str(), cw.c_str(), ck.c_str());
}

}  // namespace kal::engine
