// Prices, configuration evaluation and the design/rating driver.
#include <algorithm>
#include <cmath>

#include "engine.h"
#include "format.h"

namespace {
bool endlich(double x) { return std::isfinite(x); }
bool verbotenesPaar(int a, int b) {
    auto p = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    return p(1, 6) || p(3, 7) || p(4, 8);
}
const PlattenCache::Laengenklasse* laengenklasse(const PlattenCache& pc, int n) {
    for (const auto& l : pc.laengen)
        if (l.maxPlatten >= n) return &l;
    return nullptr;
}
void seiteLeeren(Berechnungsfall& fall, int s) {
    for (int i = 0; i < 9; ++i) {
        fall.spalttypAktiv[s][i] = false;
        fall.spaltenJeTyp[s][i] = 0;
    }
}
}  // namespace

// ------------------------------------------------------------ price

static double preisRechnen(const PlattenCache::Preisdaten& p, double zuschlag, bool lzDa, int n,
                           int sw, int sk, Preisteile* teile) {
    if (!p.vorhanden || !lzDa || p.plattenPreis == 0.0 || p.grundpreis == 0.0) {
        if (teile) *teile = Preisteile{Berechnungsfall::kKeinPreis};
        return Berechnungsfall::kKeinPreis;
    }
    double paket = 2.0 * p.dichtungWarm + n * p.plattenPreis +
                   (p.dichtungWarm + p.dichtungKalt) * (n - 1) * 0.5;
    double gestell = p.grundpreis + zuschlag;
    const double wege = (static_cast<long long>(sw) * sk > 1) ? p.wege : 0.0;
    gestell += wege;
    if (sw != sk) {
        paket *= 5.0;
        gestell *= 5.0;
    }
    const double preis = std::trunc(paket + 0.5) + std::trunc(gestell + 0.5);
    if (teile) {
        const double f = sw != sk ? 5.0 : 1.0;
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

double Rechenkern::listenpreis(const Berechnungsfall&, const PlattenCache& pc, int n, int sw,
                               int sk, Preisteile* teile) const {
    const auto* lz = laengenklasse(pc, n);
    return preisRechnen(pc.listen, lz ? lz->zuschlagListe : 0.0, lz != nullptr, n, sw, sk, teile);
}

double Rechenkern::customPreis(const Berechnungsfall&, const PlattenCache& pc, int n, int sw,
                               int sk, Preisteile* teile) const {
    const auto* lz = laengenklasse(pc, n);
    return preisRechnen(pc.kunden, lz ? lz->zuschlagKunde : 0.0, lz != nullptr, n, sw, sk, teile);
}

bool Rechenkern::preisPruefen(Berechnungsfall& fall, const PlattenCache& pc, int f, int sw,
                              int sk) {
    if (!fall.ergebnisVorhanden) return false;
    const int n = 2 * f + 1;
    Preisteile lt, ct;
    const double lp = listenpreis(fall, pc, n, sw, sk, &lt);
    customPreis(fall, pc, n, sw, sk, &ct);
    if (lp >= Berechnungsfall::kKeinPreis) return true;
    fall.kandidat = lt;
    fall.kandidatCustom = ct;
    fall.kandidatPlatten = n;
    fall.kandidatSerienWarm = sw;
    fall.kandidatSerienKalt = sk;
    return lp > fall.bestPreis;
}

double Rechenkern::gewicht(const Berechnungsfall& fall, const PlattenCache& pc, int n) const {
    const auto* lz = laengenklasse(pc, n);
    const Data& d = k_.data;
    return pc.u->getGestellGrundgewicht(d, fall.gestell, fall.druckstufe, fall.gestellVariante) +
           n * pc.a->getPlattenGewicht(fall.materialPlatte, fall.druckstufe) +
           (lz ? pc.u->getGestellGewichtZuschlag(d, fall.gestell, fall.druckstufe,
                                                 fall.gestellVariante, lz->id)
               : 0.0);
}

int Rechenkern::lieferzeit(const Berechnungsfall& fall, const PlattenCache& pc, int n) const {
    const auto* lz = laengenklasse(pc, n);
    const Data& d = k_.data;
    int t = pc.u->getPlattenLieferzeit(fall.materialPlatte, fall.druckstufe);
    if (lz)
        t = std::max(t, pc.u->getGestellLieferzeit(d, fall.gestell, fall.druckstufe,
                                                   fall.gestellVariante, lz->id));
    t = std::max(t, pc.u->getDichtungLieferzeit(d, fall.dichtungWarm));
    t = std::max(t, pc.u->getDichtungLieferzeit(d, fall.dichtungKalt));
    return t;
}

double Rechenkern::inhalt(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                          int serien) const {
    double v = 0.0;
    for (int i = 0; i < 9; ++i)
        if (fall.spalttypAktiv[seite][i])
            v += pc.inhalt[static_cast<size_t>(i)] * fall.spaltenJeTyp[seite][i];
    return v * serien;
}

std::string Rechenkern::preisCode(const Berechnungsfall& fall, const std::string& name,
                                  int n) const {
    const Data& d = k_.data;
    const MaterialPlatteA* m =
        d.getMaterialPlatteAListe().internalGetForObjectId(fall.materialPlatte);
    const DichtungA* gw = d.getDichtungAListe().internalGetForObjectId(fall.dichtungWarm);
    const DichtungA* gk = d.getDichtungAListe().internalGetForObjectId(fall.dichtungKalt);
    const std::string mc = m ? m->getCode() : "";
    const std::string cw = gw ? gw->getCode() : "";
    const std::string ck = gk ? gk->getCode() : "";
    if (fall.dichtungWarm == fall.dichtungKalt)
        return kal::formatiere("%s-%d-%s-%s", name.c_str(), n, mc.c_str(), cw.c_str());
    return kal::formatiere("%s-%d-%s-%s/%s", name.c_str(), n, mc.c_str(), cw.c_str(), ck.c_str());
}

// ------------------------------------------------------------ evaluation

namespace {
double wandviskositaet(const Data& d, const Mediumseite& m, double tWand) {
    if (m.medium == d.getStoffdatenListe().getSize()) return m.eigenesMediumDaten.viskositaetWand;
    const Stoffdaten* s = d.getStoffdatenListe().internalGetAt(m.medium);
    return s ? s->GetViskositaet(tWand) : 0.0;
}
}  // namespace

void Rechenkern::spalttypenZweiteSeite(Berechnungsfall& fall, const PlattenCache& pc,
                                       int serien) const {
    seiteLeeren(fall, 1);
    auto dazu = [&](int typ, int n) {
        if (typ < 0 || typ >= 9 || n <= 0) return;
        fall.spalttypAktiv[1][typ] = true;
        fall.spaltenJeTyp[1][typ] += n;
    };
    auto zweite = [&](int t, int anderer) {
        return pc.zweiteSeite[static_cast<size_t>(t)][static_cast<size_t>(anderer)];
    };
    int erster = -1, vorher = -1;
    for (int t = 0; t < 9; ++t) {
        if (!fall.spalttypAktiv[0][t] || fall.spaltenJeTyp[0][t] <= 0) continue;
        if (erster < 0)
            erster = t;
        else
            dazu(zweite(t, vorher), 1);
        vorher = t;
    }
    if (erster < 0) return;
    for (int t = 0; t < 9; ++t)
        if (fall.spalttypAktiv[0][t] && fall.spaltenJeTyp[0][t] > 1)
            dazu(zweite(t, t), fall.spaltenJeTyp[0][t] - 1);
    dazu(serien == 1 ? zweite(vorher, vorher) : zweite(erster, vorher), 1);
}

bool Rechenkern::kondensationReserve(Berechnungsfall& fall, const PlattenCache&, int p,
                                     double aPass, double k, double dpWarm, double& reserve,
                                     double& tAusNeu) {
    const Mediumseite& w = fall.warm;
    const Stoffdaten* s = k_.data.getStoffdatenListe().internalGetAt(w.medium);
    if (!s) return false;
    const double pAus = w.dampfdruck - dpWarm * druck1ZuDruck4_;
    if (!(pAus > 0)) return false;
    const double tSat = s->GetTempDampf(pAus);
    tAusNeu = w.unterkuehlungEingabe > 0 ? tSat - w.unterkuehlungEingabe : tSat;
    const double dtm =
        mittlereTemperaturdifferenz(w.tEin, tAusNeu, fall.kalt.tEin, fall.kalt.tAus, true);
    if (dtm < 0) return false;
    const double kn = fall.leistungSoll / (p * aPass * dtm);
    if (!endlich(kn) || k < kn) return false;
    reserve = (k / kn) * 100.0 - 100.0;
    return endlich(reserve);
}

bool Rechenkern::bewerteKonfiguration(Berechnungsfall& fall, const PlattenCache& pc, int f, int q,
                                      int p, bool& fatal) {
    fall.anzahlBerechnungen += 1.0;
    fall.aussichtslos = false;
    fatal = false;
    if (!pc.dichtungenAktiv) return false;
    const bool auslegen = fall.berechnungsart == 0;
    Mediumseite& w = fall.warm;
    Mediumseite& c = fall.kalt;
    const Data& d = k_.data;

    auto alfaFuer = [&](int s, double tWand, double mu) {
        const Mediumseite& m = fall.seite(s);
        if (m.eigenesMedium && m.alfaWert > 0.01) return m.alfaWert;
        double a = alfaSeite(fall, pc, s, q, tWand, mu);
        if (fall.deltaTm <= 1.5) a *= 1.1;
        return a;
    };

    // warm side
    const double aPass = flaecheJeSerie(fall, pc, 0);
    const double twW = wandtemperatur(fall, pc, 0, p);
    if (!endlich(twW)) return false;
    const double muW = wandviskositaet(d, w, twW);
    double dp = 0;
    if (!verteileDurchsatz(fall, pc, 0, q, muW, dp)) return false;
    const double dpW = p * dp;
    if (auslegen && dpW > w.druckverlustZul) return false;
    const double alfaW = alfaFuer(0, twW, muW);
    if (!endlich(alfaW) || !(alfaW > 0)) return false;

    serienKorrektur(fall.serienSeite[0], fall.serienSeite[1]);
    const double wand = pc.dickeOhneLuft / pc.lambda;
    const double rf = w.fouling + c.fouling;
    const double q1 = p * fall.deltaTm * aPass / (wand + 1.0 / alfaW + rf + fall.rLuftspalt);
    if (!endlich(q1)) return false;
    fall.qMaxEinseitig = std::max(fall.qMaxEinseitig, q1);
    if (auslegen && q1 < fall.leistungSoll) {
        fall.aussichtslos = true;
        return false;
    }

    // cold side
    int nKalt = 0;
    for (int i = 0; i < 9; ++i)
        if (fall.spalttypAktiv[1][i]) nKalt += fall.spaltenJeTyp[1][i];
    if (nKalt != q) return false;
    const double twK = wandtemperatur(fall, pc, 1, p);
    if (!endlich(twK)) return false;
    const double muK = wandviskositaet(d, c, twK);
    if (!verteileDurchsatz(fall, pc, 1, q, muK, dp)) return false;
    const double dpK = p * dp;
    if (auslegen && dpK > c.druckverlustZul) return false;
    const double alfaK = alfaFuer(1, twK, muK);
    if (!endlich(alfaK) || !(alfaK > 0)) return false;

    const double k = 1.0 / (wand + 1.0 / alfaW + 1.0 / alfaK + rf + fall.rLuftspalt);
    const double kRein = 1.0 / (wand + 1.0 / alfaW + 1.0 / alfaK + fall.rLuftspalt);
    const double qVoll = p * fall.deltaTm * aPass * k;
    if (!endlich(qVoll) || !endlich(kRein)) return false;
    fall.qMax = std::max(fall.qMax, qVoll);
    if (auslegen && qVoll < fall.leistungSoll) return false;

    const bool kondensiert = auslegen && w.kondensation;
    double tAusNeu = w.tAus;
    if (auslegen) {
        double r;
        if (!kondensiert)
            r = (qVoll / fall.leistungSoll - 1.0) * 100.0;
        else if (!kondensationReserve(fall, pc, p, aPass, k, dpW, r, tAusNeu))
            return false;
        if (r < fall.sicherheit) return false;
    }
    if (w.kondensation) {
        const DruckstufeA* ds = d.getDruckstufeAListe().internalGetForObjectId(fall.druckstufe);
        if ((ds ? ds->getDruck() : 0) < w.dampfdruck) {
            meldeFehler("DruckstufeLowerDampfdruck");
            fatal = true;
            return false;
        }
    }

    fall.ergebnisVorhanden = true;
    if (preisPruefen(fall, pc, f, fall.serienSeite[0], fall.serienSeite[1])) return false;
    ergebnisSpeichern(fall, pc, f, q, p, aPass, k, kRein, alfaW, alfaK, dpW, dpK, kondensiert,
                      tAusNeu);
    return true;
}

void Rechenkern::ergebnisSpeichern(Berechnungsfall& fall, const PlattenCache& pc, int f, int, int p,
                                   double aPass, double k, double kRein, double alfaW, double alfaK,
                                   double dpW, double dpK, bool kondensiert, double tAusNeu) {
    const Data& d = k_.data;
    Mediumseite& w = fall.warm;
    if (kondensiert) {
        w.tAus = tAusNeu;
        const double dtm =
            mittlereTemperaturdifferenz(w.tEin, w.tAus, fall.kalt.tEin, fall.kalt.tAus, true);
        if (dtm > 0) fall.deltaTm = dtm;
        Stoffwerte kw;
        if (stoffwerte(fall, 0, w.codeKondensat, (w.tEin + w.tAus) / 2.0, w.gasDruck, kw, true,
                       false) &&
            kw.dichte > 0 && kw.waermeleitfaehigkeit > 0 && kw.viskositaet > 0)
            w.kondensat = {kw.viskositaet, kw.waermeleitfaehigkeit, kw.waermekapazitaet, kw.dichte};
    }
    const int n = 2 * f + 1;
    Berechnungsergebnis e;
    e.plattentyp = pc.id;
    e.plattentypName = pc.name;
    e.materialPlatte = fall.materialPlatte;
    e.dichtungWarm = fall.dichtungWarm;
    e.dichtungKalt = fall.dichtungKalt;
    e.gestell = fall.gestell;
    e.gestellVariante = fall.gestellVariante;
    e.druckstufe = fall.druckstufe;
    e.serien = p;
    fall.bestPreis = fall.kandidat.preis;
    fall.bestCustomPreis = fall.kandidatCustom.preis;
    e.alfaWarm = alfaW;
    e.alfaKalt = alfaK;
    e.druckverlustWarm = dpW;
    e.druckverlustKalt = dpK;
    e.spaltenGesamt = 2 * f;
    e.flaeche = aPass * p;
    e.gewicht = gewicht(fall, pc, n);
    e.grundpreis = fall.kandidat.preis;
    e.customPreis = fall.kandidatCustom.preis;
    e.preisteile = fall.kandidat;
    e.customPreisteile = fall.kandidatCustom;
    e.lieferzeit = lieferzeit(fall, pc, n);
    e.tAusWarm = w.tAus;
    const double q = p * fall.deltaTm * aPass * k;
    e.flaechenreserve = kal::runden((q / fall.leistungSoll - 1.0) * 100.0, 2);
    e.cmtd = e.lmtd = fall.deltaTm;
    e.kRein = kRein;
    e.kEff = k;
    e.kErf = fall.leistungSoll / e.flaeche / e.cmtd;
    e.foulingIst = 1.0 / e.kErf - 1.0 / e.kRein;
    e.foulingSoll = w.fouling + fall.kalt.fouling;
    for (int s = 0; s < 2; ++s) {
        auto& typen = s == 0 ? e.spalttypenWarm : e.spalttypenKalt;
        double vmin = 99999.0, vmax = 0.0;
        size_t nTyp = 0;
        for (int i = 0; i < 9; ++i) {
            if (!fall.spalttypAktiv[s][i]) continue;
            if (nTyp < 2) typen[nTyp++] = {i, fall.spaltenJeTyp[s][i]};
            vmin = std::min(vmin, fall.vSpalt[s][i]);
            vmax = std::max(vmax, fall.vSpalt[s][i]);
        }
        (s == 0 ? e.vSpaltMinWarm : e.vSpaltMinKalt) = vmin;
        (s == 0 ? e.vSpaltMaxWarm : e.vSpaltMaxKalt) = vmax;
    }
    e.vStutzenWarm = w.vStutzen;
    e.vStutzenKalt = fall.kalt.vStutzen;
    e.inhaltWarm = inhalt(fall, pc, 0, p);
    e.inhaltKalt = inhalt(fall, pc, 1, p);
    e.preisCode = preisCode(fall, pc.name, n);
    const auto* lz = laengenklasse(pc, n);
    e.hoehe = pc.u->getHoehe(d, fall.druckstufe, fall.gestellVariante);
    e.breite = pc.u->getBreite(d, fall.druckstufe, fall.gestellVariante);
    e.laengeTotal =
        lz ? pc.u->getLaengeTotal(d, fall.druckstufe, fall.gestellVariante, lz->id) : 0.0;
    e.stutzenabstandHorizontal =
        pc.u->getStutzenabstandHorizontal(d, fall.druckstufe, fall.gestellVariante);
    e.stutzenabstandVertikal =
        pc.u->getStutzenabstandVertikal(d, fall.druckstufe, fall.gestellVariante);
    e.leistungWarm = fall.leistungWarm;
    fall.ergebnis = e;
}

void Rechenkern::ergebnisAnzeigenWennGueltig(Berechnungsfall& fall) {
    if (fall.ergebnisVorhanden && fall.ergebnis.grundpreis > 0 &&
        fall.ergebnis.grundpreis < Berechnungsfall::kKeinPreis &&
        fall.kandidat.preis != Berechnungsfall::kKeinPreis) {
        ergebnisAnzeigen(k_.data, k_.sprache, fall, k_.felder);
        fall.ergebnisAngezeigt = true;
    }
}

bool Rechenkern::pruefePaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p) {
    seiteLeeren(fall, 0);
    seiteLeeren(fall, 1);
    const Mediumseite& w = fall.warm;
    const Mediumseite& c = fall.kalt;
    const Data& d = k_.data;
    const double wand = pc.dickeOhneLuft / pc.lambda;
    const double rf = w.fouling + c.fouling;

    if (pc.standard[1]) {
        for (int s = 0; s < 2; ++s) {
            fall.spalttypAktiv[s][1] = true;
            fall.spaltenJeTyp[s][1] = q;
        }
        const double aPass = flaecheJeSerie(fall, pc, 0);
        auto alfaEinzeln = [&](int s) -> double {
            const Mediumseite& m = fall.seite(s);
            const double tw = wandtemperatur(fall, pc, s, p);
            const double mu = wandviskositaet(d, m, tw);
            double dp = 0;
            if (!spaltDruckverlust(fall, pc, s, 1, m.volumenstrom / q, mu, dp, fall.reJeTyp[s][1],
                                   fall.vSpalt[s][1]))
                return NAN;
            if (m.eigenesMedium && m.alfaWert > 0.01) return m.alfaWert;
            double a = alfaSeite(fall, pc, s, q, tw, mu);
            if (fall.deltaTm <= 1.5) a *= 1.1;
            return a;
        };
        const double fKorr = serienKorrektur(fall.serienSeite[0], fall.serienSeite[1]);
        const double alfaW = alfaEinzeln(0);
        const double q1 =
            p * fall.deltaTm * aPass / (wand + 1.0 / alfaW + rf + fall.rLuftspalt) * fKorr;
        if (!(q1 >= fall.leistungSoll)) return true;
        const double alfaK = alfaEinzeln(1);
        const double k = 1.0 / (wand + 1.0 / alfaW + 1.0 / alfaK + rf + fall.rLuftspalt);
        const double qv = p * fall.deltaTm * aPass * k * fKorr;
        if (!(qv >= fall.leistungSoll)) return true;
        seiteLeeren(fall, 0);
        seiteLeeren(fall, 1);
    }

    const int schritt = q / 15 + 1;
    const bool mischen = !w.kondensation && !w.istGas && !c.istGas;
    for (int i = 0; i < 9; ++i) {
        if (!pc.zulaessig[static_cast<size_t>(i)]) continue;
        seiteLeeren(fall, 0);
        seiteLeeren(fall, 1);
        fall.vEintritt[0] = eintrittsgeschwindigkeit(pc, w.volumenstrom, f, p);
        fall.vEintritt[1] = eintrittsgeschwindigkeit(pc, c.volumenstrom, f, p);
        if (fall.vEintritt[0] > w.vEintrittMax || fall.vEintritt[1] > c.vEintrittMax) continue;
        fall.spalttypAktiv[0][i] = true;
        fall.spaltenJeTyp[0][i] = q;
        spalttypenZweiteSeite(fall, pc, p);
        bool fatal = false;
        if (bewerteKonfiguration(fall, pc, f, q, p, fatal)) {
            ergebnisAnzeigenWennGueltig(fall);
            return true;
        }
        if (fatal) return false;
        if (!mischen) continue;
        for (int j = 0; j < 9; ++j) {
            if (j == i || verbotenesPaar(i, j) || !pc.zulaessig[static_cast<size_t>(j)]) continue;
            seiteLeeren(fall, 0);
            for (int ni = q - schritt; ni > 0; ni -= schritt) {
                const int nj = q - ni;
                seiteLeeren(fall, 0);
                fall.spalttypAktiv[0][i] = true;
                fall.spaltenJeTyp[0][i] = ni;
                fall.spalttypAktiv[0][j] = true;
                fall.spaltenJeTyp[0][j] = nj;
                if (ni > 2 && nj > 2) {
                    spalttypenZweiteSeite(fall, pc, p);
                    if (bewerteKonfiguration(fall, pc, f, q, p, fatal)) {
                        ergebnisAnzeigenWennGueltig(fall);
                        return true;
                    }
                    if (fatal) return false;
                    if (pc.weitermischenNichtOk[static_cast<size_t>(i)][static_cast<size_t>(j)] ==
                            0 &&
                        fall.aussichtslos)
                        break;
                }
            }
        }
    }
    return true;
}

bool Rechenkern::nachrechnenPaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q,
                                  int p) {
    fall.vEintritt[0] = eintrittsgeschwindigkeit(pc, fall.warm.volumenstrom, f, p);
    fall.vEintritt[1] = eintrittsgeschwindigkeit(pc, fall.kalt.volumenstrom, f, p);
    if (fall.vEintritt[0] > fall.warm.vEintrittMax || fall.vEintritt[1] > fall.kalt.vEintrittMax) {
        meldeFehler("maxEintrittsgeschwindigkeit");
        return false;
    }
    seiteLeeren(fall, 0);
    seiteLeeren(fall, 1);
    int summe = 0;
    for (int i = 0; i < 9; ++i) {
        const int n = fall.spaltenJeSpalttyp[static_cast<size_t>(i)];
        if (n >= 1) {
            fall.spalttypAktiv[0][i] = true;
            fall.spaltenJeTyp[0][i] = n;
            summe += n;
        }
    }
    if (summe != q) return true;  // counts do not make up the pack: nothing to rate
    spalttypenZweiteSeite(fall, pc, p);
    bool fatal = false;
    if (bewerteKonfiguration(fall, pc, f, q, p, fatal)) ergebnisAnzeigenWennGueltig(fall);
    return !fatal;
}

bool Rechenkern::eingrenzenSpalten(Berechnungsfall& fall, const PlattenCache& pc, int& lo,
                                   int& hi) {
    const Mediumseite& w = fall.warm;
    const Mediumseite& c = fall.kalt;
    int untergrenze = lo, obergrenze = hi;
    if (pc.standard[8] && !pc.trevan) {
        // this bisection yields the lower bound only
        int uLo = lo, uHi = hi;
        int& lo = uLo;
        int& hi = uHi;
        int m;
        do {
            m = (lo + hi) / 2;
            if (preisPruefen(fall, pc, m, 1, 1)) {
                hi = m;
            } else {
                double dpw = 0, dpc = 0, re = 0, v = 0;
                const bool okW =
                    m > 0 && spaltDruckverlust(fall, pc, 0, 8, w.volumenstrom / m, 0.0, dpw, re, v);
                const bool okC =
                    m > 0 && spaltDruckverlust(fall, pc, 1, 8, c.volumenstrom / m, 0.0, dpc, re, v);
                if (!okW || !okC || dpw > w.druckverlustZul || dpc > c.druckverlustZul)
                    lo = m;
                else
                    hi = m;
            }
        } while (hi - lo > 1);
        if (preisPruefen(fall, pc, m, 1, 1)) return false;
        untergrenze = uLo;
    }
    if (pc.standard[1] && !pc.trevan && !w.istGas && !c.istGas && fall.serienModus == 1 &&
        fall.serien >= 1) {
        // this one yields the upper bound only
        int uLo = lo, uHi = hi;
        int& lo = uLo;
        int& hi = uHi;
        const double quer = pc.querSpalt[1];
        do {
            const int mitte = (lo + hi) / 2;
            const int q = mitte / fall.serien;
            const double vw = (q > 0 && quer > 0) ? w.volumenstrom / q / quer : HUGE_VAL;
            const double vc = (q > 0 && quer > 0) ? c.volumenstrom / q / quer : HUGE_VAL;
            if (preisPruefen(fall, pc, mitte, fall.serien, fall.serien) || vw < w.vSpaltMin)
                hi = mitte;
            else if (vc < c.vSpaltMin)
                hi = mitte;
            else
                lo = mitte;
        } while (hi - lo > 1);
        obergrenze = uHi;
    }
    lo = untergrenze;
    hi = obergrenze;
    return true;
}

// ------------------------------------------------------------ driver

bool Rechenkern::fuehreBerechnungAus(Berechnungsfall& fall) {
    fall.suchzustandZuruecksetzen();
    gezeigteSuchmeldungen_.clear();
    const bool auslegen = fall.berechnungsart == 0;
    leiseKondensation_ = auslegen;
    const Data& d = k_.data;
    const auto& listeA = d.getPlattentypAListe();

    int maxR = 0;
    for (const auto& a : listeA.alle()) maxR = std::max(maxR, a.getReihenfolge());
    fall.maxReihenfolge = maxR;
    const PlattentypA* gewaehlt = listeA.internalGetForObjectId(fall.plattentyp);
    const int r = gewaehlt ? gewaehlt->getReihenfolge() : -1;
    int rLo = -1, rHi = maxR;
    switch (fall.plattentypModus) {
        case 1:
            rLo = rHi = r;
            break;
        case 2:
            rLo = r;
            break;
        case 3:
            rHi = r;
            break;
        default:
            break;
    }
    if (fall.plattentypModus != 0 && !gewaehlt) rLo = 1, rHi = 0;  // nothing selected

    std::vector<int> ids = k_.freigegebenePlattentypen;
    if (ids.empty())
        for (const auto& u : d.getPlattentypUListe().alle())
            if (u.getZulaessig()) ids.push_back(u.getObjectId());

    bool weiter = true;
    Mediumseite& w = fall.warm;
    Mediumseite& c = fall.kalt;
    for (int id : ids) {
        if (!weiter) break;
        const PlattentypA* a = listeA.internalGetForObjectId(id);
        if (!a) continue;
        if ((a->getSicherheitsplatte() != 0) != fall.sicherheitsplatte) continue;
        if (a->getReihenfolge() < rLo || a->getReihenfolge() > rHi) continue;
        if (!cacheAufbauen(fall, id, cache_)) continue;  // unusable geometry: never a result
        const PlattenCache& pc = cache_;
        w.vKanal = w.volumenstrom / pc.querKanal;
        c.vKanal = c.volumenstrom / pc.querKanal;
        w.vStutzen = w.volumenstrom / pc.querMaxStutzen;
        c.vStutzen = c.volumenstrom / pc.querMaxStutzen;
        if (w.vStutzen > w.vStutzenMax || c.vStutzen > c.vStutzenMax) {
            if (!auslegen) {
                meldeFehler("maxStutzengeschwindigkeit");
                weiter = false;
            }
            continue;
        }
        const int maxS = a->getMaxSpalte();
        const int n = fall.spalten;
        int lo = 1, hi = maxS;
        if (fall.spaltenModus != 0 && maxS < n) continue;
        if (fall.spaltenModus == 1)
            lo = hi = n;
        else if (fall.spaltenModus == 2)
            lo = n;
        else if (fall.spaltenModus == 3)
            hi = n;
        if (auslegen && !eingrenzenSpalten(fall, pc, lo, hi)) continue;
        for (int f = lo; f <= hi && weiter; ++f) {
            fall.qMaxEinseitig = fall.qMax = 0.0;
            fall.serienSeite[0] = fall.serienSeite[1] = 1;
            if (auslegen && preisPruefen(fall, pc, f, 1, 1)) break;
            const int m = fall.serien;
            int pa = 1, pb = f;
            if (fall.serienModus == 1)
                pa = pb = m;
            else if (fall.serienModus == 2)
                pa = m;
            else if (fall.serienModus == 3)
                pb = m;
            if (fall.serienModus != 0 && m > f) continue;
            for (int p = std::max(pa, 1); p <= pb; ++p) {
                if (f % p != 0 || !fall.istErlaubteSpaltenzahl(f / p)) continue;
                const int q = f / p;
                fall.serienSeite[0] = fall.serienSeite[1] = p;
                fall.spaltenJeSerieSeite[0] = fall.spaltenJeSerieSeite[1] = q;
                if (auslegen) {
                    if (preisPruefen(fall, pc, f, p, p)) continue;
                    if (!pruefePaket(fall, pc, f, q, p)) {
                        weiter = false;
                        break;
                    }
                } else if (!nachrechnenPaket(fall, pc, f, q, p)) {
                    weiter = false;
                    break;
                }
            }
        }
    }
    leiseKondensation_ = false;

    const bool gespeichert = fall.ergebnisAngezeigt && fall.ergebnis.grundpreis > 0 &&
                             fall.ergebnis.grundpreis < Berechnungsfall::kKeinPreis;
    if (!gespeichert) {
        fall.ergebnisAngezeigt = false;
        ergebnisAnzeigeLeeren(k_.felder, fall.berechnungsart);
        k_.felder.setText(
            ctl::Statuszeile,
            statusText(k_.sprache.GetValue("result", "keinergebnis", ""), fall.anzahlBerechnungen));
    } else {
        k_.felder.setText(
            ctl::Statuszeile,
            statusText(k_.sprache.GetValue("result", "ergebnis", ""), fall.anzahlBerechnungen));
    }
    return weiter;
}

bool Rechenkern::berechnen(Berechnungsfall& fall) {
    struct Warten {
        kal::WaitCursorPort* p;
        explicit Warten(kal::WaitCursorPort* port) : p(port) {
            if (p) p->beginWait();
        }
        ~Warten() {
            if (p) p->endWait();
        }
    } warten(k_.warteCursor);
    // A run stopped by a refused entry shows no result, whatever an earlier
    // run left in the case.
    fall.ergebnisVorhanden = fall.ergebnisAngezeigt = false;
    fall.waermeisolierung = fall.spritzschutz = fall.sonderlackierung = false;
    fall.ralNr = k_.einstellungen.GetValue("Daten", "Ral-Nr", "5012");
    fall.sonderanschluesse = false;
    if (!eingabenLesen(fall)) return fall.ergebnisAngezeigt;
    if (fall.berechnungsart == 1 && !pruefeKombination(fall)) return fall.ergebnisAngezeigt;
    if (!pruefeEingaben(fall)) return fall.ergebnisAngezeigt;
    fuehreBerechnungAus(fall);
    return fall.ergebnisAngezeigt;
}

bool Berechnungsfall::istErlaubteSpaltenzahl(int q) const {
    return std::binary_search(erlaubteSpaltenJeSerie.begin(), erlaubteSpaltenJeSerie.end(), q);
}
