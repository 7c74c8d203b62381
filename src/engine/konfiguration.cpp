// Evaluation of pack configurations, from their channel types to the stored result.
#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

#include "datalib/format.h"
#include "engine/alternativen.h"
#include "engine/betriebspunkte.h"
#include "engine/hydraulik.h"
#include "engine/preis.h"
#include "engine/stoffwerte.h"
#include "engine/suche.h"
#include "engine/waermeuebergang.h"

namespace kal::engine {

namespace {
bool endlich(double x) { return std::isfinite(x); }

// Channel type of the quick screening (on both sides) when it is a standard
// type of the plate.
constexpr int kSpalttypSchnell = kSpalttypStaerkster;
// Mixing two types steps the split of a pass in about this many steps.
constexpr int kMischSchritte = 15;

// The active channel types of a side (as many as `typen` holds) and its
// channel velocity range.
void spaltgeschwindigkeiten(const Suchzustand& s, int seite, std::span<SpalttypAnzahl> typen,
                            double& vmin, double& vmax) {
    vmin = kVSpaltMinOhneSpalttyp;
    vmax = 0.0;
    size_t nTyp = 0;
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        if (!s.spalttypAktiv[seite][i]) continue;
        if (nTyp < typen.size()) typen[nTyp++] = {i, s.spaltenJeTyp[seite][i]};
        vmin = std::min(vmin, s.vSpalt[seite][i]);
        vmax = std::max(vmax, s.vSpalt[seite][i]);
    }
}
}  // namespace

// ------------------------------------------------------------ channel types

// The cold channels lie between the warm ones: each is formed by its two
// warm neighbours; the pack closes with the last (one pass) or the first and
// last warm type.
void spalttypenZweiteSeite(Suchzustand& s, const PlattenCache& pc, int serien) {
    s.seiteLeeren(kKalt);
    auto dazu = [&](int typ, int n) {
        if (typ < 0 || typ >= kAnzahlSpalttypen || n <= 0) return;
        s.spalttypAktiv[kKalt][typ] = true;
        s.spaltenJeTyp[kKalt][typ] += n;
    };
    auto zweite = [&](int t, int anderer) {
        return pc.zweiteSeite[static_cast<size_t>(t)][static_cast<size_t>(anderer)];
    };
    int erster = -1, vorher = -1;
    for (int t = 0; t < kAnzahlSpalttypen; ++t) {
        if (!s.spalttypAktiv[kWarm][t] || s.spaltenJeTyp[kWarm][t] <= 0) continue;
        if (erster < 0)
            erster = t;
        else
            dazu(zweite(t, vorher), 1);
        vorher = t;
    }
    if (erster < 0) return;
    for (int t = 0; t < kAnzahlSpalttypen; ++t)
        if (s.spalttypAktiv[kWarm][t] && s.spaltenJeTyp[kWarm][t] > 1)
            dazu(zweite(t, t), s.spaltenJeTyp[kWarm][t] - 1);
    dazu(serien == 1 ? zweite(vorher, vorher) : zweite(erster, vorher), 1);
}

// ------------------------------------------------------------ one configuration

namespace {
// Wall temperature and viscosity, flow distribution, pressure drop over all
// passes (within the allowed one in design) and the alpha of one side.
bool seiteBewerten(const Data& d, Berechnungsfall& fall, const PlattenCache& pc,
                   Paketgedaechtnis* paket, Meldungen& meldungen, int seite, int q, int p,
                   double aSerie, double& alfa, double& dp) {
    const Mediumseite& m = fall.eingaben.seite(seite);
    const double tw = wandtemperatur(fall, pc, seite, p, aSerie);
    if (!endlich(tw)) return false;
    double mu;
    if (paket) {
        Paketgedaechtnis::Wand& w = paket->wand(seite);
        if (!w.berechnet || w.t != tw) w = {true, tw, wandviskositaet(d, m, tw)};
        mu = w.mu;
    } else {
        mu = wandviskositaet(d, m, tw);
    }
    double dpSpalt = 0;
    if (!verteileDurchsatz(fall, pc, seite, q, mu, dpSpalt, paket, meldungen)) return false;
    dp = p * dpSpalt;
    if (fall.eingaben.berechnungsart == 0 && dp > m.druckverlustZul) return false;
    alfa = alfaWirksam(fall, pc, seite, q, tw, mu);
    return endlich(alfa) && alfa > 0;
}
}  // namespace

// Reserve of a condensing design: the outlet follows the saturation
// temperature at the outlet pressure (less the subcooling).
bool Suche::kondensationReserve(const Berechnungsfall& fall, int p, double aPass, double k,
                                double dpWarm, double& reserve, double& tAusNeu) {
    const Mediumseite& w = fall.eingaben.warm;
    const Mediumseite& c = fall.eingaben.kalt;
    const Stoffdaten* s = k_.data.getStoffdatenListe().internalGetAt(w.medium);
    if (!s) return false;
    const double pAus = fall.arbeitswerte.warm.dampfdruck - dpWarm * druck1ZuDruck4_;
    if (!(pAus > 0)) return false;
    const double tSat = s->GetTempDampf(pAus);
    tAusNeu = w.unterkuehlungEingabe > 0 ? tSat - w.unterkuehlungEingabe : tSat;
    const double dtm =
        mittlereTemperaturdifferenz(w.tEin, tAusNeu, c.tEin, c.tAus, true, meldungen_);
    if (dtm < 0) return false;
    const double kn = fall.arbeitswerte.leistungSoll / (p * aPass * dtm);
    if (!endlich(kn) || (k < kn && !protokoll_)) return false;
    reserve = (k / kn) * 100.0 - 100.0;
    return endlich(reserve);
}

bool Suche::bewerteKonfiguration(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                                 bool& fatal) {
    Suchzustand& s = fall.suche;
    s.anzahlBerechnungen += 1.0;
    s.aussichtslos = false;
    fatal = false;
    if (!pc.dichtungenAktiv) return false;
    const Falleingaben& e = fall.eingaben;
    const Arbeitswerte& a = fall.arbeitswerte;
    const bool auslegen = e.berechnungsart == 0;
    Paketgedaechtnis* paket = paket_.aktiv() ? &paket_ : nullptr;
    Konfigurationswerte w;
    w.flaecheJeSerie = flaecheJeSerie(s, pc, kWarm);
    if (!seiteBewerten(k_.data, fall, pc, paket, meldungen_, kWarm, q, p, w.flaecheJeSerie,
                       w.alfaWarm, w.druckverlustWarm))
        return false;

    serienKorrektur(s.serienSeite[kWarm], s.serienSeite[kKalt], meldungen_);  // for its message
    const Widerstaende r = widerstaende(fall, pc);
    const double aDtm = p * a.deltaTm * w.flaecheJeSerie;
    const double q1 = r.leistungNurWarm(aDtm, w.alfaWarm);
    if (!endlich(q1)) return false;
    s.qMaxEinseitig = std::max(s.qMaxEinseitig, q1);
    // a search with the limits lifted evaluates short of the duty as well
    if (auslegen && !protokoll_ && q1 < a.leistungSoll) {
        s.aussichtslos = true;
        return false;
    }

    int nKalt = 0;
    for (int i = 0; i < kAnzahlSpalttypen; ++i)
        if (s.spalttypAktiv[kKalt][i]) nKalt += s.spaltenJeTyp[kKalt][i];
    if (nKalt != q) return false;
    if (!seiteBewerten(k_.data, fall, pc, paket, meldungen_, kKalt, q, p,
                       flaecheJeSerie(s, pc, kKalt), w.alfaKalt, w.druckverlustKalt))
        return false;

    w.k = r.k(w.alfaWarm, w.alfaKalt);
    w.kRein = r.kRein(w.alfaWarm, w.alfaKalt);
    const double qVoll = aDtm * w.k;
    if (!endlich(qVoll) || !endlich(w.kRein)) return false;
    s.qMax = std::max(s.qMax, qVoll);
    if (auslegen && !protokoll_ && qVoll < a.leistungSoll) return false;

    w.kondensiert = auslegen && e.warm.kondensation;
    w.tAusNeu = e.warm.tAus;
    double reserve = (qVoll / a.leistungSoll - 1.0) * 100.0;
    if (auslegen) {
        if (w.kondensiert && !kondensationReserve(fall, p, w.flaecheJeSerie, w.k,
                                                  w.druckverlustWarm, reserve, w.tAusNeu))
            return false;
        if (reserve < e.sicherheit) return false;
    }
    if (protokoll_) {
        konfigurationNotieren(fall, pc, f, p, w, reserve);
        return false;
    }
    if (e.warm.kondensation) {
        const DruckstufeA* ds = k_.data.getDruckstufeAListe().internalGetForObjectId(e.druckstufe);
        if ((ds ? ds->getDruck() : 0) < a.warm.dampfdruck) {
            meldungen_.fehler("DruckstufeLowerDampfdruck");
            fatal = true;
            return false;
        }
    }
    if (nurPruefen_) return true;
    if (punkte_) {
        bool aussichtslos = false;
        if (!punkte_->erfuellt(s, f, q, p, aussichtslos, fatal)) {
            s.aussichtslos = aussichtslos;
            return false;
        }
    }

    s.ergebnisVorhanden = true;
    if (preisPruefen(s, pc, f, s.serienSeite[kWarm], s.serienSeite[kKalt])) return false;
    if (sammler_)
        paketSammeln(fall, pc, f, p, w);
    else
        ergebnisSpeichern(fall, pc, f, p, w);
    return true;
}

// ------------------------------------------------------------ the accepted pack

// A condensing design takes the outlet the pack reaches, its mean
// temperature difference and the condensate at the new mean temperature.
void Suche::kondensationUebernehmen(Berechnungsfall& fall, double tAusNeu) {
    Mediumseite& w = fall.eingaben.warm;
    const Mediumseite& c = fall.eingaben.kalt;
    Arbeitswerte& a = fall.arbeitswerte;
    w.tAus = tAusNeu;
    const double dtm =
        mittlereTemperaturdifferenz(w.tEin, w.tAus, c.tEin, c.tAus, true, meldungen_);
    if (dtm > 0) a.deltaTm = dtm;
    Stoffwerte kw;
    if (stoffwerte(k_.data, fall.eingaben, kWarm, a.warm.codeKondensat, (w.tEin + w.tAus) / 2.0,
                   w.gasDruck, kw, true, false, meldungen_) &&
        kw.dichte > 0 && kw.waermeleitfaehigkeit > 0 && kw.viskositaet > 0)
        a.warm.kondensat = {kw.viskositaet, kw.waermeleitfaehigkeit, kw.waermekapazitaet,
                            kw.dichte};
}

void Suche::ergebnisSpeichern(Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                              const Konfigurationswerte& w) {
    if (w.kondensiert) kondensationUebernehmen(fall, w.tAusNeu);
    const Data& d = k_.data;
    const Falleingaben& ein = fall.eingaben;
    const Arbeitswerte& a = fall.arbeitswerte;
    Suchzustand& s = fall.suche;
    const int n = 2 * f + 1;
    Berechnungsergebnis e;
    e.plattentyp = pc.id;
    e.plattentypName = pc.name;
    e.materialPlatte = ein.materialPlatte;
    e.dichtungWarm = ein.dichtungWarm;
    e.dichtungKalt = ein.dichtungKalt;
    e.gestell = ein.gestell;
    e.gestellVariante = ein.gestellVariante;
    e.druckstufe = ein.druckstufe;
    e.serien = p;
    s.bestPreis = s.kandidat.preis;
    s.bestCustomPreis = s.kandidatCustom.preis;
    e.alfaWarm = w.alfaWarm;
    e.alfaKalt = w.alfaKalt;
    e.druckverlustWarm = w.druckverlustWarm;
    e.druckverlustKalt = w.druckverlustKalt;
    e.spaltenGesamt = 2 * f;
    e.flaeche = w.flaecheJeSerie * p;
    e.gewicht = gewicht(d, ein, pc, n);
    e.grundpreis = s.kandidat.preis;
    e.customPreis = s.kandidatCustom.preis;
    e.preisteile = s.kandidat;
    e.customPreisteile = s.kandidatCustom;
    e.lieferzeit = lieferzeit(d, ein, pc, n);
    e.tAusWarm = ein.warm.tAus;
    const double q = p * a.deltaTm * w.flaecheJeSerie * w.k;
    e.flaechenreserve = kal::runden((q / a.leistungSoll - 1.0) * 100.0, 2);
    e.cmtd = e.lmtd = a.deltaTm;
    e.kRein = w.kRein;
    e.kEff = w.k;
    e.kErf = a.leistungSoll / e.flaeche / e.cmtd;
    e.foulingIst = 1.0 / e.kErf - 1.0 / e.kRein;
    e.foulingSoll = ein.warm.fouling + ein.kalt.fouling;
    spaltgeschwindigkeiten(s, kWarm, e.spalttypenWarm, e.vSpaltMinWarm, e.vSpaltMaxWarm);
    spaltgeschwindigkeiten(s, kKalt, e.spalttypenKalt, e.vSpaltMinKalt, e.vSpaltMaxKalt);
    e.vStutzenWarm = a.warm.vStutzen;
    e.vStutzenKalt = a.kalt.vStutzen;
    e.vEintrittWarm = s.vEintritt[kWarm];
    e.vEintrittKalt = s.vEintritt[kKalt];
    e.inhaltWarm = inhalt(s, pc, kWarm, p);
    e.inhaltKalt = inhalt(s, pc, kKalt, p);
    e.preisCode = preisCode(d, ein, pc.name, n);
    const auto* lz = pc.laengenklasse(n);
    e.hoehe = pc.u->getHoehe(d, ein.druckstufe, ein.gestellVariante);
    e.breite = pc.u->getBreite(d, ein.druckstufe, ein.gestellVariante);
    e.laengeTotal = lz ? pc.u->getLaengeTotal(d, ein.druckstufe, ein.gestellVariante, lz->id) : 0.0;
    e.stutzenabstandHorizontal =
        pc.u->getStutzenabstandHorizontal(d, ein.druckstufe, ein.gestellVariante);
    e.stutzenabstandVertikal =
        pc.u->getStutzenabstandVertikal(d, ein.druckstufe, ein.gestellVariante);
    e.leistungWarm = a.leistungWarm;
    fall.ergebnis = std::move(e);
}

void Suche::ergebnisFreigeben(Berechnungsfall& fall) {
    if (sammler_) return;  // a second search keeps its packs to itself
    Suchzustand& s = fall.suche;
    if (s.ergebnisVorhanden && fall.ergebnis.grundpreis > 0 &&
        fall.ergebnis.grundpreis < kKeinPreis && s.kandidat.preis != kKeinPreis)
        s.ergebnisAngezeigt = true;
}

// ------------------------------------------------------------ one pack

// Quick screening with the screening type on both sides: true when even
// that misses the duty, so the pack is not searched.
bool Suche::schnellpruefungAussichtslos(Berechnungsfall& fall, const PlattenCache& pc, int q,
                                        int p) {
    Suchzustand& s = fall.suche;
    const Arbeitswerte& a = fall.arbeitswerte;
    for (int seite = 0; seite < kAnzahlSeiten; ++seite) {
        s.spalttypAktiv[seite][kSpalttypSchnell] = true;
        s.spaltenJeTyp[seite][kSpalttypSchnell] = q;
    }
    const double aPass = flaecheJeSerie(s, pc, kWarm);
    auto alfaEinzeln = [&](int seite) -> double {
        const Mediumseite& m = fall.eingaben.seite(seite);
        const double tw = wandtemperatur(fall, pc, seite, p);
        const double mu = wandviskositaet(k_.data, m, tw);
        double dp = 0;
        if (!spaltDruckverlust(fall, pc, seite, kSpalttypSchnell, m.volumenstrom / q, mu, dp,
                               s.reJeTyp[seite][kSpalttypSchnell],
                               s.vSpalt[seite][kSpalttypSchnell]))
            return NAN;
        return alfaWirksam(fall, pc, seite, q, tw, mu);
    };
    const Widerstaende r = widerstaende(fall, pc);
    const double fKorr = serienKorrektur(s.serienSeite[kWarm], s.serienSeite[kKalt], meldungen_);
    const double aDtm = p * a.deltaTm * aPass;
    const double alfaW = alfaEinzeln(kWarm);
    if (!(r.leistungNurWarm(aDtm, alfaW) * fKorr >= a.leistungSoll)) return true;
    const double alfaK = alfaEinzeln(kKalt);
    return !(aDtm * r.k(alfaW, alfaK) * fKorr >= a.leistungSoll);
}

namespace {
// The cold side for the warm side's channels, then the evaluation.
// `fertig`: the pack's search is over, accepted (true) or stopped by a
// fatal error (false).
bool warmseiteBewerten(Suche& suche, Berechnungsfall& fall, const PlattenCache& pc, int f, int q,
                       int p, bool& fertig) {
    spalttypenZweiteSeite(fall.suche, pc, p);
    bool fatal = false;
    fertig = true;
    if (suche.bewerteKonfiguration(fall, pc, f, q, p, fatal)) {
        suche.ergebnisFreigeben(fall);
        return true;
    }
    fertig = fatal;
    return !fatal;
}

// Warm side of types i and j, i's share falling step by step.
bool mischungPruefen(Suche& suche, Berechnungsfall& fall, const PlattenCache& pc,
                     Paketgedaechtnis& paket, int f, int q, int p, int i, int j, bool& fertig) {
    Suchzustand& s = fall.suche;
    const int schritt = q / kMischSchritte + 1;
    s.seiteLeeren(kWarm);
    for (int ni = q - schritt; ni > 0; ni -= schritt) {
        const int nj = q - ni;
        s.seiteLeeren(kWarm);
        s.spalttypAktiv[kWarm][i] = true;
        s.spaltenJeTyp[kWarm][i] = ni;
        s.spalttypAktiv[kWarm][j] = true;
        s.spaltenJeTyp[kWarm][j] = nj;
        if (ni > 2 && nj > 2) {
            Paketgedaechtnis::Urteil& urteil = paket.urteil(i, ni, j);
            if (urteil == Paketgedaechtnis::Offen) {
                const bool weiter = warmseiteBewerten(suche, fall, pc, f, q, p, fertig);
                if (fertig) return weiter;
                urteil =
                    s.aussichtslos ? Paketgedaechtnis::Aussichtslos : Paketgedaechtnis::Abgelehnt;
            } else {
                // counted and judged as when it was evaluated
                s.anzahlBerechnungen += 1.0;
                s.aussichtslos = urteil == Paketgedaechtnis::Aussichtslos;
            }
            if (pc.weitermischenNichtOk[static_cast<size_t>(i)][static_cast<size_t>(j)] == 0 &&
                s.aussichtslos)
                break;
        }
    }
    fertig = false;
    return true;
}
}  // namespace

// Design of one pack (f channels per side in p passes of q): each permitted
// type alone, then mixed with each other one. False: a fatal error ends the
// whole search.
bool Suche::pruefePaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p) {
    Suchzustand& s = fall.suche;
    const Falleingaben& e = fall.eingaben;
    const Arbeitswerte& a = fall.arbeitswerte;
    s.seiteLeeren(kWarm);
    s.seiteLeeren(kKalt);
    if (pc.standard[kSpalttypSchnell] && !protokoll_) {
        if (schnellpruefungAussichtslos(fall, pc, q, p)) return true;
        s.seiteLeeren(kWarm);
        s.seiteLeeren(kKalt);
    }
    // a search with the limits lifted judges each type alone, for speed
    const bool mischen = !e.warm.kondensation && !e.warm.istGas && !e.kalt.istGas && !protokoll_;
    // the inlet velocities depend on the pack only
    const double vEintrittWarm = eintrittsgeschwindigkeit(pc, e.warm.volumenstrom, f, p);
    const double vEintrittKalt = eintrittsgeschwindigkeit(pc, e.kalt.volumenstrom, f, p);
    const bool eintrittZuSchnell =
        vEintrittWarm > a.warm.vEintrittMax || vEintrittKalt > a.kalt.vEintrittMax;
    // further operating points refuse a pack before its channel types
    if (punkte_ && !eintrittZuSchnell && !punkte_->paket(f, q, p)) return true;
    paket_.neuesPaket(q, mischen);
    struct Verlassen {  // the memory holds for this pack only
        Paketgedaechtnis& g;
        ~Verlassen() { g.verlassen(); }
    } verlassen{paket_};
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        if (!pc.zulaessig[static_cast<size_t>(i)]) continue;
        s.seiteLeeren(kWarm);
        s.seiteLeeren(kKalt);
        s.vEintritt[kWarm] = vEintrittWarm;
        s.vEintritt[kKalt] = vEintrittKalt;
        if (eintrittZuSchnell) continue;
        s.spalttypAktiv[kWarm][i] = true;
        s.spaltenJeTyp[kWarm][i] = q;
        bool fertig = false;
        const bool weiter = warmseiteBewerten(*this, fall, pc, f, q, p, fertig);
        if (fertig) return weiter;
        if (!mischen) continue;
        for (int j = 0; j < kAnzahlSpalttypen; ++j) {
            if (j == i || istVerbotenePaarung(i, j) || !pc.zulaessig[static_cast<size_t>(j)])
                continue;
            const bool gemischt = mischungPruefen(*this, fall, pc, paket_, f, q, p, i, j, fertig);
            if (fertig) return gemischt;
        }
    }
    return true;
}

// Rating of one pack with the entered channel counts. False: the rating
// stopped with a message.
bool Suche::nachrechnenPaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p) {
    Suchzustand& s = fall.suche;
    const Falleingaben& e = fall.eingaben;
    const Arbeitswerte& a = fall.arbeitswerte;
    s.vEintritt[kWarm] = eintrittsgeschwindigkeit(pc, e.warm.volumenstrom, f, p);
    s.vEintritt[kKalt] = eintrittsgeschwindigkeit(pc, e.kalt.volumenstrom, f, p);
    if (s.vEintritt[kWarm] > a.warm.vEintrittMax || s.vEintritt[kKalt] > a.kalt.vEintrittMax) {
        meldungen_.fehler("maxEintrittsgeschwindigkeit");
        return false;
    }
    s.seiteLeeren(kWarm);
    s.seiteLeeren(kKalt);
    int summe = 0;
    for (int i = 0; i < kAnzahlSpalttypen; ++i) {
        const int n = e.spaltenJeSpalttyp[static_cast<size_t>(i)];
        if (n >= 1) {
            s.spalttypAktiv[kWarm][i] = true;
            s.spaltenJeTyp[kWarm][i] = n;
            summe += n;
        }
    }
    if (summe != q) return true;  // counts do not make up the pack: nothing to rate
    spalttypenZweiteSeite(s, pc, p);
    bool fatal = false;
    if (bewerteKonfiguration(fall, pc, f, q, p, fatal)) ergebnisFreigeben(fall);
    return !fatal;
}

// ------------------------------------------------------------ a further operating point

bool Suche::paketZulassen(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p) {
    Suchzustand& s = fall.suche;
    const Falleingaben& e = fall.eingaben;
    const Arbeitswerte& a = fall.arbeitswerte;
    s.serienSeite[kWarm] = s.serienSeite[kKalt] = p;
    s.spaltenJeSerieSeite[kWarm] = s.spaltenJeSerieSeite[kKalt] = q;
    s.vEintritt[kWarm] = eintrittsgeschwindigkeit(pc, e.warm.volumenstrom, f, p);
    s.vEintritt[kKalt] = eintrittsgeschwindigkeit(pc, e.kalt.volumenstrom, f, p);
    if (s.vEintritt[kWarm] > a.warm.vEintrittMax || s.vEintritt[kKalt] > a.kalt.vEintrittMax)
        return false;
    s.seiteLeeren(kWarm);
    s.seiteLeeren(kKalt);
    if (pc.standard[kSpalttypSchnell] && schnellpruefungAussichtslos(fall, pc, q, p)) return false;
    paket_.neuesPaket(q, false);
    return true;
}

bool Suche::konfigurationHalten(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                                bool& fatal) {
    nurPruefen_ = true;
    const bool ok = bewerteKonfiguration(fall, pc, f, q, p, fatal);
    nurPruefen_ = false;
    return ok;
}

}  // namespace kal::engine
