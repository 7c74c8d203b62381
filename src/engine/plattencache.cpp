#include "engine/plattencache.h"

#include <algorithm>
#include <cmath>

#include "engine/hydraulik.h"

namespace kal::engine {

namespace {
const SpalttypKorrelation kNullTabelle{};

// List or customer prices for the device choices of the case.
void preiseCachen(const Data& d, const Falleingaben& e, const PlattentypPreise& p,
                  PlattenCache::Preisdaten& z) {
    z.vorhanden = true;
    z.plattenPreis = p.getPlattenPreis(e.materialPlatte, e.druckstufe);
    z.dichtungWarm = p.getDichtungPreis(d, e.dichtungWarm);
    z.dichtungKalt = p.getDichtungPreis(d, e.dichtungKalt);
    z.grundpreis = p.getGestellGrundpreis(d, e.gestell, e.druckstufe, e.gestellVariante);
    z.wege = p.getWegeAufschlag(d, e.gestell, e.druckstufe, e.gestellVariante);
}

// The plate type's length classes with their frame surcharges, ascending.
void laengenCachen(const Data& d, const Falleingaben& e, PlattenCache& pc) {
    pc.laengen.clear();
    for (const auto& l : d.getLaengenzuschlagListe().alle()) {
        if (l.plattentyp != pc.id) continue;
        PlattenCache::Laengenklasse k;
        k.maxPlatten = l.maxPlatten;
        k.id = l.getObjectId();
        k.zuschlagListe =
            pc.u->getGestellPreisZuschlag(d, e.gestell, e.druckstufe, e.gestellVariante, k.id);
        k.zuschlagKunde = pc.c ? pc.c->getGestellPreisZuschlag(d, e.gestell, e.druckstufe,
                                                               e.gestellVariante, k.id)
                               : 0.0;
        pc.laengen.push_back(k);
    }
    std::stable_sort(pc.laengen.begin(), pc.laengen.end(),
                     [](const auto& x, const auto& y) { return x.maxPlatten < y.maxPlatten; });
}
}  // namespace

Plattencaches::Kennung Plattencaches::kennung(const Rechenkontext& k, const Falleingaben& e) {
    return {&k.data,        k.zulaessig,    e.materialPlatte, e.druckstufe,
            e.dichtungWarm, e.dichtungKalt, e.gestell,        e.gestellVariante};
}

PlattenCache* Plattencaches::finden(const Rechenkontext& k, const Falleingaben& e, int id) {
    if (!(kennung(k, e) == kennung_)) return nullptr;
    for (PlattenCache& pc : caches_)
        if (pc.id == id) return &pc;
    return nullptr;
}

PlattenCache& Plattencaches::anlegen(const Rechenkontext& k, const Falleingaben& e, int id) {
    const Kennung neu = kennung(k, e);
    if (!(neu == kennung_)) caches_.clear(), kennung_ = neu;
    PlattenCache& pc = caches_.emplace_back();
    pc.id = id;
    return pc;
}

int istStandard(const Rechenkontext& k, const Falleingaben& e, int plattentyp, int typ) {
    if (k.zulaessig)
        return k.zulaessig->istStandard(e.materialPlatte, plattentyp, e.druckstufe, typ);
    const PlattentypA* a = k.data.getPlattentypAListe().internalGetForObjectId(plattentyp);
    return (a && a->getSpalttypZulaessig(e.materialPlatte, e.druckstufe, typ)) ? 1 : 0;
}

int istZulaessig(const Rechenkontext& k, const Falleingaben& e, int plattentyp, int typ) {
    if (k.zulaessig)
        return k.zulaessig->istZulaessig(e.materialPlatte, plattentyp, e.druckstufe, typ);
    return istStandard(k, e, plattentyp, typ);
}

bool cacheAufbauen(const Rechenkontext& k, const Falleingaben& e, int id, PlattenCache& pc) {
    const Data& d = k.data;
    pc.gueltig = false;
    pc.id = id;
    pc.prandtl = {};  // its terms belong to the plate type
    pc.a = d.getPlattentypAListe().internalGetForObjectId(id);
    pc.u = d.getPlattentypUListe().internalGetForObjectId(id);
    pc.c = d.getPlattentypCListe().internalGetForObjectId(id);
    if (!pc.a || !pc.u) return false;
    const PlattentypA& a = *pc.a;
    const PlattentypU& u = *pc.u;
    pc.name = a.getName();
    const auto& st = d.getSpalttypListe();
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        const size_t si = static_cast<size_t>(i);
        const Spalttyp* t = st.internalGetAt(i);
        const SpalttypKorrelation* kk = t ? t->korrelation(a.getWellenwinkel(i)) : nullptr;
        pc.korr[si] = kk ? kk : &kNullTabelle;
        pc.flaeche[si] = a.getFlaeche(i);
        pc.querSpalt[si] = a.getQuerSpalt(i);
        pc.inhalt[si] = a.getInhalt(i);
        for (int j = 0; j < kAnzahlSpalttypen; ++j) {
            pc.zweiteSeite[si][static_cast<size_t>(j)] = t ? t->getSpalttypZweiteSeite(j) : -1;
            pc.weitermischenNichtOk[si][static_cast<size_t>(j)] =
                t ? t->getWeitermischenNichtOk(j) : 0;
        }
        pc.zulaessig[si] = t ? istZulaessig(k, e, id, i) : 0;
        pc.standard[si] = t ? istStandard(k, e, id, i) : 0;
    }
    pc.dhSpalt = a.getDhSpalt();
    pc.dhKanal = a.getDhKanal();
    pc.querKanal = a.getQuerKanal();
    pc.laengeSpalt = a.getLaengeSpalt();
    pc.laengenfaktor = laengenfaktor(pc.laengeSpalt, pc.dhSpalt);
    pc.querMaxStutzen = u.getQuerMaxStutzen(d);
    pc.dickeGesamt = a.getPlattenDickeGesamt(d, e.materialPlatte, e.druckstufe);
    pc.dickeOhneLuft = a.getPlattenDickeGesamtOhneLuft(e.materialPlatte, e.druckstufe);
    const MaterialPlatteA* mat =
        d.getMaterialPlatteAListe().internalGetForObjectId(e.materialPlatte);
    pc.lambda = mat ? mat->getLambda() : 0.0;
    pc.trevan = a.getTrevanberechnung() != 0;
    pc.alfaOpt = a.getAlfaOptimierung() != 0;
    pc.dichtungenAktiv =
        u.getDichtungAktiv(d, e.dichtungWarm) != 0 && u.getDichtungAktiv(d, e.dichtungKalt) != 0;
    preiseCachen(d, e, u, pc.listen);
    pc.kunden = {};
    if (pc.c) preiseCachen(d, e, *pc.c, pc.kunden);
    laengenCachen(d, e, pc);
    // geometry the formulas divide by
    pc.gueltig = pc.dhSpalt > 0 && pc.dhKanal > 0 && pc.querKanal > 0 && pc.laengeSpalt > 0 &&
                 pc.querMaxStutzen > 0 && pc.lambda > 0 && pc.dickeGesamt >= 0 &&
                 std::isfinite(pc.dhSpalt + pc.dhKanal + pc.querKanal + pc.laengeSpalt);
    return pc.gueltig;
}

void prandtlCachen(const Berechnungsfall& fall, PlattenCache& pc) {
    for (int seite = 0; seite < kAnzahlSeiten; ++seite) {
        PlattenCache::Prandtl& c = pc.prandtl[static_cast<size_t>(seite)];
        const double pr = fall.arbeitswerte.seite(seite).prandtl;
        const bool gas = fall.eingaben.seite(seite).istGas;
        if (pr == c.pr && gas == c.gas) continue;  // a kept cache: its terms still hold
        c.pr = pr;
        c.gas = gas;
        c.da = {};
    }
}

}  // namespace kal::engine
