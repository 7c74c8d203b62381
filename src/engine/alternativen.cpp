// The next-best packs of a design, the limits of a pack and the reasons a
// run found none: second searches on copies of the case.
#include "engine/alternativen.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "datalib/format.h"
#include "datalib/ini.h"
#include "engine/preis.h"
#include "engine/suche.h"

namespace kal::engine {

Falleingaben bewertungVon(const Falleingaben& punkt, const Berechnungsergebnis& paket) {
    Falleingaben e = punkt;
    e.berechnungsart = 1;
    e.plattentypModus = e.spaltenModus = e.serienModus = 1;
    e.plattentyp = paket.plattentyp;
    e.spalten = paket.spaltenGesamt / 2;
    e.serien = paket.serien;
    e.spaltenJeSpalttyp.fill(0);
    e.nachrechnenPaare = {};
    for (size_t i = 0; i < paket.spalttypenWarm.size(); ++i) {
        const SpalttypAnzahl& t = paket.spalttypenWarm[i];
        if (t.spalttyp < 0 || t.spalttyp >= kAnzahlSpalttypen || t.anzahl <= 0) continue;
        e.nachrechnenPaare[i] = t;
        e.spaltenJeSpalttyp[static_cast<size_t>(t.spalttyp)] = t.anzahl;
    }
    return e;
}

namespace {
const char* const kGrenzNamen[] = {"flaechenreserve", "druckverlustWarm", "druckverlustKalt",
                                   "vSpaltMinWarm",   "vSpaltMinKalt",    "vSpaltMaxWarm",
                                   "vSpaltMaxKalt",   "vStutzenWarm",     "vStutzenKalt",
                                   "vEintrittWarm",   "vEintrittKalt",    "keinPreis"};

size_t idx(Grenze g) { return static_cast<size_t>(g); }

bool gleichesPaket(const Berechnungsergebnis& a, const Berechnungsergebnis& b) {
    return a.plattentyp == b.plattentyp && a.spaltenGesamt == b.spaltenGesamt &&
           a.serien == b.serien;
}

// The case with every measured limit and the duty lifted: a search on it
// evaluates every configuration the engine can work out.
Berechnungsfall gelockert(const Berechnungsfall& vorher) {
    Berechnungsfall f = vorher;
    f.eingaben.sicherheit = -HUGE_VAL;
    for (int seite = 0; seite < kAnzahlSeiten; ++seite) {
        f.eingaben.seite(seite).druckverlustZul = HUGE_VAL;
        Seitenwerte& a = f.arbeitswerte.seite(seite);
        a.vSpaltMin = 0.0;
        a.vSpaltMax = a.vStutzenMax = a.vEintrittMax = HUGE_VAL;
    }
    return f;
}

// The pack as rating it gives it, which is what "use this pack" shows: a
// design's figures depend on the working values the search had reached (a
// condensing design moves the warm outlet with each pack it accepts).
// Unchanged when the rating gives no result.
Berechnungsergebnis bewertet(const Rechenkontext& k, const Berechnungsfall& vorher,
                             Berechnungsergebnis e, Plattencaches* caches) {
    Berechnungsfall f = vorher;
    f.eingaben = bewertungVon(vorher.eingaben, e);
    Meldungen meldungen;  // a search of its own: its messages are dropped
    Suche suche(k, meldungen);
    suche.cachesIn(caches);
    suche.fuehreBerechnungAus(f);
    if (f.suche.ergebnisAngezeigt && gleichesPaket(f.ergebnis, e)) return std::move(f.ergebnis);
    return e;
}

std::optional<Berechnungsergebnis> guenstigstes(const Rechenkontext& k, const Berechnungsfall& fall,
                                                Plattencaches& caches) {
    std::vector<Berechnungsergebnis> p = guenstigstePakete(k, fall, 1, &caches);
    if (p.empty()) return std::nullopt;
    return std::move(p.front());
}

// The limits `werte` miss, the worst first.
std::vector<Grenze> verfehlteGrenzen(const Grenzwerte& werte, const Grenzwerte& erlaubt) {
    std::vector<Grenze> v;
    for (size_t i = 0; i < kAnzahlPaketgrenzen; ++i)
        if (grenzAbstand(static_cast<Grenze>(i), werte[i], erlaubt[i]) < 0)
            v.push_back(static_cast<Grenze>(i));
    std::stable_sort(v.begin(), v.end(), [&](Grenze a, Grenze b) {
        return grenzAbstand(a, werte[idx(a)], erlaubt[idx(a)]) <
               grenzAbstand(b, werte[idx(b)], erlaubt[idx(b)]);
    });
    return v;
}

// A design: the limits every configuration missed (at their nearest
// figure), then per plate type its closest pack and the limit it missed by
// most, the closest first. A rating: every limit its one pack misses.
std::vector<Grund> gruendeAus(const Data& d, const Ablehnungsprotokoll& p, bool auslegen) {
    std::vector<Grund> g;
    const Grenzwerte& erlaubt = p.erlaubt();
    if (p.konfigurationen() == 0) return g;
    if (auslegen) {
        for (Grenze i : verfehlteGrenzen(p.naechsterWert(), erlaubt))
            if (p.verfehlt()[idx(i)] == p.konfigurationen())
                g.push_back({0, "", 0, 0, i, p.naechsterWert()[idx(i)], erlaubt[idx(i)]});
    }
    std::vector<const Ablehnungsprotokoll::Naechste*> typen;
    for (const auto& n : p.naechste())
        if (n.verfehlung < HUGE_VAL) typen.push_back(&n);
    std::stable_sort(typen.begin(), typen.end(),
                     [](const auto* a, const auto* b) { return a->verfehlung < b->verfehlung; });
    for (const auto* n : typen) {
        Grund r;
        r.plattentyp = n->plattentyp;
        const PlattentypA* a = d.getPlattentypAListe().internalGetForObjectId(n->plattentyp);
        r.plattentypName = a ? a->getName() : "";
        r.serien = n->serien;
        r.spaltenGesamt = n->spaltenGesamt;
        if (n->verfehlung > 0) {
            const std::vector<Grenze> v = verfehlteGrenzen(n->werte, erlaubt);
            for (size_t i = 0; i < (auslegen ? 1 : v.size()); ++i) {
                r.grenze = v[i];
                r.wert = n->werte[idx(r.grenze)];
                r.erlaubt = erlaubt[idx(r.grenze)];
                g.push_back(r);
            }
            continue;
        }
        if (!n->preis) {
            r.grenze = Grenze::KeinPreis;
            r.wert = 2 * (r.spaltenGesamt / 2) + 1;  // plates
        } else {
            continue;  // kept every limit: a pack beyond the case's other rules
        }
        g.push_back(r);
    }
    return g;
}

// The one entry change that admits the closest pack, tried by a search with it.
std::optional<Aenderung> aenderungSuchen(const Rechenkontext& k, const Berechnungsfall& vorher,
                                         const Ablehnungsprotokoll& p, Plattencaches& caches) {
    const Ablehnungsprotokoll::Naechste* n = nullptr;
    for (const auto& t : p.naechste())
        if (t.verfehlung < HUGE_VAL && (!n || t.verfehlung < n->verfehlung)) n = &t;
    std::vector<std::pair<Aenderung::Eintrag, double>> versuche;
    if (n) {
        int verfehlt = 0;
        size_t welche = 0;
        for (size_t i = 0; i < kAnzahlPaketgrenzen; ++i)
            if (grenzAbstand(static_cast<Grenze>(i), n->werte[i], p.erlaubt()[i]) < 0)
                ++verfehlt, welche = i;
        const double w = n->werte[welche];
        if (verfehlt == 1 && welche == idx(Grenze::DruckverlustWarm))
            versuche.emplace_back(Aenderung::DruckverlustWarm, std::ceil(w));
        if (verfehlt == 1 && welche == idx(Grenze::DruckverlustKalt))
            versuche.emplace_back(Aenderung::DruckverlustKalt, std::ceil(w));
        if (verfehlt == 1 && welche == idx(Grenze::Flaechenreserve) && w >= 0)
            versuche.emplace_back(Aenderung::Sicherheit, std::floor(w * 10.0) / 10.0);
    }
    const Falleingaben& e = vorher.eingaben;
    if (e.berechnungsart == 0 && e.serienModus != 0) versuche.emplace_back(Aenderung::Serien, 0);
    if (e.berechnungsart == 0 && e.plattentypModus != 0)
        versuche.emplace_back(Aenderung::Plattentyp, 0);
    for (const auto& [eintrag, wert] : versuche) {
        Berechnungsfall f = vorher;
        Falleingaben& fe = f.eingaben;
        if (fe.berechnungsart != 0) break;  // a rating has no search to admit a pack
        if (eintrag == Aenderung::DruckverlustWarm) fe.warm.druckverlustZul = wert;
        if (eintrag == Aenderung::DruckverlustKalt) fe.kalt.druckverlustZul = wert;
        if (eintrag == Aenderung::Sicherheit) fe.sicherheit = wert;
        if (eintrag == Aenderung::Serien) fe.serienModus = 0;
        if (eintrag == Aenderung::Plattentyp) fe.plattentypModus = 0;
        std::optional<Berechnungsergebnis> paket = guenstigstes(k, f, caches);
        if (!paket) continue;
        Aenderung a{eintrag, wert, std::move(*paket)};
        if (eintrag == Aenderung::Serien) a.wert = a.paket.serien;
        if (eintrag == Aenderung::Plattentyp) a.wert = a.paket.plattentyp;
        return a;
    }
    return std::nullopt;
}
}  // namespace

// ------------------------------------------------------------ limits

const char* grenzName(Grenze g) { return kGrenzNamen[idx(g)]; }

bool istUntergrenze(Grenze g) {
    return g == Grenze::Flaechenreserve || g == Grenze::VSpaltMinWarm || g == Grenze::VSpaltMinKalt;
}

double grenzAbstand(Grenze g, double wert, double erlaubt) {
    if (g == Grenze::Flaechenreserve) return (100.0 + wert) / (100.0 + erlaubt) - 1.0;
    const double d = istUntergrenze(g) ? wert - erlaubt : erlaubt - wert;
    return erlaubt > 0 ? d / erlaubt : d;
}

Grenzwerte fallGrenzen(const Berechnungsfall& fall) {
    const Falleingaben& e = fall.eingaben;
    const Seitenwerte& w = fall.arbeitswerte.warm;
    const Seitenwerte& c = fall.arbeitswerte.kalt;
    return {e.sicherheit,
            e.warm.druckverlustZul,
            e.kalt.druckverlustZul,
            w.vSpaltMin,
            c.vSpaltMin,
            w.vSpaltMax,
            c.vSpaltMax,
            w.vStutzenMax,
            c.vStutzenMax,
            w.vEintrittMax,
            c.vEintrittMax};
}

Grenzwerte paketWerte(const Berechnungsergebnis& e) {
    return {e.flaechenreserve, e.druckverlustWarm, e.druckverlustKalt, e.vSpaltMinWarm,
            e.vSpaltMinKalt,   e.vSpaltMaxWarm,    e.vSpaltMaxKalt,    e.vStutzenWarm,
            e.vStutzenKalt,    e.vEintrittWarm,    e.vEintrittKalt};
}

Paketgrenzen paketGrenzen(const Grenzwerte& werte, const Grenzwerte& erlaubt) {
    Paketgrenzen g{};
    size_t bindend = 0;
    for (size_t i = 0; i < g.size(); ++i) {
        const Grenze gi = static_cast<Grenze>(i);
        g[i] = {gi, werte[i], erlaubt[i], grenzAbstand(gi, werte[i], erlaubt[i]), false};
        if (g[i].abstand < g[bindend].abstand) bindend = i;
    }
    g[bindend].bindend = true;
    return g;
}

// ------------------------------------------------------------ collecting

void Paketsammler::aufnehmen(Berechnungsergebnis&& e) {
    if (pakete_.size() >= n_ && !(e.grundpreis < pakete_.back().grundpreis)) return;
    const auto pos =
        std::upper_bound(pakete_.begin(), pakete_.end(), e.grundpreis,
                         [](double p, const Berechnungsergebnis& x) { return p < x.grundpreis; });
    pakete_.insert(pos, std::move(e));
    if (pakete_.size() > n_) pakete_.pop_back();
}

Ablehnungsprotokoll::Ablehnungsprotokoll(const Grenzwerte& erlaubt, size_t plattentypen)
    : erlaubt_(erlaubt) {
    naechste_.reserve(plattentypen);
    for (size_t i = 0; i < kAnzahlPaketgrenzen; ++i)
        naechsterWert_[i] = istUntergrenze(static_cast<Grenze>(i)) ? -HUGE_VAL : HUGE_VAL;
}

void Ablehnungsprotokoll::plattentyp(int id) {
    Naechste n;
    n.plattentyp = id;
    naechste_.push_back(n);
}

void Ablehnungsprotokoll::konfiguration(int spaltenGesamt, int serien, const Grenzwerte& werte,
                                        bool preis) {
    if (naechste_.empty()) return;
    ++konfigurationen_;
    double schlimmster = 0.0;
    for (size_t i = 0; i < kAnzahlPaketgrenzen; ++i) {
        const Grenze g = static_cast<Grenze>(i);
        const double m = grenzAbstand(g, werte[i], erlaubt_[i]);
        if (m < 0) ++verfehlt_[i];
        schlimmster = std::min(schlimmster, m);
        if (m > grenzAbstand(g, naechsterWert_[i], erlaubt_[i])) naechsterWert_[i] = werte[i];
    }
    Naechste& n = naechste_.back();
    // a pack that keeps every limit but has no price counts as just missed
    const double verfehlung = -schlimmster;
    if (verfehlung < n.verfehlung || (verfehlung == n.verfehlung && preis && !n.preis))
        n = {n.plattentyp, spaltenGesamt, serien, werte, verfehlung, preis};
}

// ------------------------------------------------------------ the engine's side

// A pack the design accepts, for the collector. A condensing design moves
// the warm outlet with each new cheapest pack, as the run does; the other
// packs leave the case as it was.
void Suche::paketSammeln(Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                         const Konfigurationswerte& w) {
    const double tAus = fall.eingaben.warm.tAus, dtm = fall.arbeitswerte.deltaTm;
    const Kondensatwerte kondensat = fall.arbeitswerte.warm.kondensat;
    const bool billigstes = !(fall.suche.kandidat.preis > sammler_->billigster());
    ergebnisSpeichern(fall, pc, f, p, w);
    sammler_->aufnehmen(std::move(fall.ergebnis));
    if (!billigstes) {
        fall.eingaben.warm.tAus = tAus;
        fall.arbeitswerte.deltaTm = dtm;
        fall.arbeitswerte.warm.kondensat = kondensat;
    }
}

void Suche::konfigurationNotieren(const Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                                  const Konfigurationswerte& w, double reserve) {
    const Suchzustand& s = fall.suche;
    Grenzwerte v{};
    v[idx(Grenze::Flaechenreserve)] = reserve;
    v[idx(Grenze::DruckverlustWarm)] = w.druckverlustWarm;
    v[idx(Grenze::DruckverlustKalt)] = w.druckverlustKalt;
    for (int seite = 0; seite < kAnzahlSeiten; ++seite) {
        double vmin = HUGE_VAL, vmax = 0.0;
        for (int i = 0; i < kAnzahlSpalttypen; ++i)
            if (s.spalttypAktiv[seite][i]) {
                vmin = std::min(vmin, s.vSpalt[seite][i]);
                vmax = std::max(vmax, s.vSpalt[seite][i]);
            }
        const size_t warm = seite == kWarm ? 0 : 1;
        v[idx(Grenze::VSpaltMinWarm) + warm] = vmin;
        v[idx(Grenze::VSpaltMaxWarm) + warm] = vmax;
        v[idx(Grenze::VStutzenWarm) + warm] = fall.arbeitswerte.seite(seite).vStutzen;
        v[idx(Grenze::VEintrittWarm) + warm] = s.vEintritt[seite];
    }
    const bool preis =
        listenpreis(pc, 2 * f + 1, s.serienSeite[kWarm], s.serienSeite[kKalt]) < kKeinPreis;
    protokoll_->konfiguration(2 * f, p, v, preis);
}

// ------------------------------------------------------------ the searches

std::vector<Berechnungsergebnis> guenstigstePakete(const Rechenkontext& k,
                                                   const Berechnungsfall& vorher, int n,
                                                   Plattencaches* caches) {
    Meldungen meldungen;  // a search of its own: its messages are dropped
    Suche suche(k, meldungen);
    Paketsammler s(n);
    suche.sammelnIn(&s);
    suche.cachesIn(caches);
    Berechnungsfall fall = vorher;
    suche.fuehreBerechnungAus(fall);
    return s.pakete();
}

Alternativenbericht alternativenBericht(const Rechenkontext& k, const Berechnungsfall& vorher,
                                        const Berechnungsfall& nachher, int anzahl,
                                        Plattencaches* caches) {
    Alternativenbericht b;
    b.einheiten = anzeigeeinheiten(k.data, vorher.eingaben);
    const Grenzwerte erlaubt = fallGrenzen(vorher);
    if (nachher.suche.ergebnisAngezeigt) {
        if (vorher.eingaben.berechnungsart != 0) {
            b.pakete.push_back(
                {nachher.ergebnis, paketGrenzen(paketWerte(nachher.ergebnis), erlaubt)});
            return b;
        }
        // every pack listed as rating gives it, the result too
        auto aufnehmen = [&](Berechnungsergebnis e) {
            Berechnungsergebnis r = bewertet(k, vorher, std::move(e), caches);
            const Paketgrenzen g = paketGrenzen(paketWerte(r), erlaubt);
            b.pakete.push_back({std::move(r), g});
        };
        aufnehmen(nachher.ergebnis);
        if (anzahl <= 1) return b;
        for (Berechnungsergebnis& e : guenstigstePakete(k, vorher, anzahl, caches)) {
            if (b.pakete.size() >= static_cast<size_t>(anzahl)) break;
            if (gleichesPaket(e, nachher.ergebnis)) continue;
            aufnehmen(std::move(e));
        }
        return b;
    }
    // the searches below differ in limits only: they share their caches
    Plattencaches eigene;
    if (!caches) caches = &eigene;
    Meldungen meldungen;  // a search of its own: its messages are dropped
    Suche suche(k, meldungen);
    Ablehnungsprotokoll p(erlaubt, static_cast<size_t>(k.data.getPlattentypAListe().getSize()));
    suche.protokollierenIn(&p);
    suche.cachesIn(caches);
    Berechnungsfall fall = gelockert(vorher);
    suche.fuehreBerechnungAus(fall);
    b.nichtsBewertet = p.konfigurationen() == 0;
    b.gruende = gruendeAus(k.data, p, vorher.eingaben.berechnungsart == 0);
    b.aenderung = aenderungSuchen(k, vorher, p, *caches);
    return b;
}

// ------------------------------------------------------------ units

Anzeigeeinheiten anzeigeeinheiten(const Data& d, const Falleingaben& e) {
    namespace eg = einheitengruppe;
    const int sys = e.einheitensystem == 1 ? 1 : 0;
    auto anzeige = [&](int gruppe) -> const Einheit* {
        const EinheitenGruppe* g = d.getEinheitenGruppeListe().internalGetAt(gruppe);
        return g ? g->getForObjectId(g->getAnzeigeEinheitObjectId(sys)) : nullptr;
    };
    Anzeigeeinheiten u;
    u.kpa = einheitAn(d, eg::Druck, eg::DruckKPa);
    for (int seite = 0; seite < kAnzahlSeiten; ++seite)
        u.druckverlust[static_cast<size_t>(seite)] =
            einheitAn(d, eg::Druck, e.seite(seite).einheitDruckverlust);
    u.geschwindigkeit = anzeige(eg::Geschwindigkeit);
    u.flaeche = anzeige(eg::Flaeche);
    u.gewicht = anzeige(eg::Gewicht);
    return u;
}

namespace {
const Einheit* einheitVon(const Anzeigeeinheiten& u, Grenze g) {
    if (g == Grenze::DruckverlustWarm) return u.druckverlust[kWarm];
    if (g == Grenze::DruckverlustKalt) return u.druckverlust[kKalt];
    if (g == Grenze::Flaechenreserve || g == Grenze::KeinPreis) return nullptr;
    return u.geschwindigkeit;
}
double inEinheit(const Einheit* e, double basis) {
    return e ? e->umrechnenInDieseEinheit(basis) : basis;
}
}  // namespace

double Anzeigeeinheiten::zahl(Grenze g, double wert) const {
    const Einheit* e = einheitVon(*this, g);
    const bool druck = g == Grenze::DruckverlustWarm || g == Grenze::DruckverlustKalt;
    // a pressure drop through the base unit: the engine keeps kPa
    if (druck && e && kpa) return e->umrechnenInDieseEinheit(kpa->umrechnenInBasisEinheit(wert));
    return druck ? wert : inEinheit(e, wert);
}

std::string Anzeigeeinheiten::name(Grenze g) const {
    if (g == Grenze::Flaechenreserve) return "%";
    if (g == Grenze::KeinPreis) return "";
    const bool druck = g == Grenze::DruckverlustWarm || g == Grenze::DruckverlustKalt;
    const Einheit* e = einheitVon(*this, g);
    if (druck && !kpa) e = nullptr;
    return e ? e->getName() : druck ? "kPa" : "m/s";
}

double Anzeigeeinheiten::flaecheZahl(double m2) const { return inEinheit(flaeche, m2); }
double Anzeigeeinheiten::gewichtZahl(double kg) const { return inEinheit(gewicht, kg); }
std::string Anzeigeeinheiten::flaecheName() const { return flaeche ? flaeche->getName() : "m²"; }
std::string Anzeigeeinheiten::gewichtName() const { return gewicht ? gewicht->getName() : "kg"; }

// ------------------------------------------------------------ texts

std::string grenzZahl(Grenze g, double wert, const Anzeigeeinheiten& u) {
    if (g == Grenze::Flaechenreserve) return kal::formatiere("%.1f %%", wert);
    if (g == Grenze::KeinPreis) return kal::formatiere("%.0f", wert);
    const double z = u.zahl(g, wert);
    // three significant digits, whole numbers from 100 on
    return kal::formatiere(std::fabs(z) >= 100 ? "%.0f %s" : "%.3g %s", z, u.name(g).c_str());
}

std::string grenzText(const CIniEx& sprache, Grenze g) {
    return sprache.GetValue("alternatives", grenzName(g), grenzName(g));
}

// A language text with %1, %2, ... replaced by `teile`: no conversion of an
// edited language file can read past its arguments.
std::string einsetzen(const std::string& text, const std::vector<std::string>& teile) {
    std::string aus;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n =
            i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : teile.size();
        if (text[i] == '%' && n < teile.size()) {
            aus += teile[n];
            ++i;
        } else {
            aus += text[i];
        }
    }
    return aus;
}

namespace {
std::string paketText(const CIniEx& sprache, const std::string& name, int spaltenGesamt,
                      int serien) {
    return einsetzen(sprache.GetValue("alternatives", "paket", ""),
                     {name, std::to_string(spaltenGesamt + 1), std::to_string(serien)});
}
}  // namespace

std::string grundText(const CIniEx& sprache, const Grund& g, const Anzeigeeinheiten& u) {
    const std::string paket = g.plattentyp == 0
                                  ? sprache.GetValue("alternatives", "jedesPaket", "")
                                  : paketText(sprache, g.plattentypName, g.spaltenGesamt, g.serien);
    if (g.grenze == Grenze::KeinPreis) return paket + ": " + grenzText(sprache, g.grenze);
    const char* key = g.grenze == Grenze::Flaechenreserve ? "reserveFehlt"
                      : istUntergrenze(g.grenze)          ? "unter"
                                                          : "ueber";
    return paket + ": " +
           einsetzen(sprache.GetValue("alternatives", key, ""),
                     {grenzText(sprache, g.grenze), grenzZahl(g.grenze, g.wert, u),
                      grenzZahl(g.grenze, g.erlaubt, u)});
}

std::string preisText(const Berechnungsergebnis& e, const CIniEx& sprache) {
    if (e.customPreis > 0 && e.customPreis < kKeinPreis)
        return kal::formatiere("%.0f", e.customPreis);
    return sprache.GetValue("maindialog", "price_ask", "");
}

std::string aenderungText(const CIniEx& sprache, const Aenderung& a, const Anzeigeeinheiten& u) {
    static const char* const keys[] = {"aenderungDruckverlustWarm", "aenderungDruckverlustKalt",
                                       "aenderungSicherheit", "aenderungSerien",
                                       "aenderungPlattentyp"};
    std::string wert;
    if (a.eintrag == Aenderung::DruckverlustWarm)
        wert = grenzZahl(Grenze::DruckverlustWarm, a.wert, u);
    if (a.eintrag == Aenderung::DruckverlustKalt)
        wert = grenzZahl(Grenze::DruckverlustKalt, a.wert, u);
    if (a.eintrag == Aenderung::Sicherheit) wert = grenzZahl(Grenze::Flaechenreserve, a.wert);
    if (a.eintrag == Aenderung::Serien) wert = kal::formatiere("%.0f", a.wert);
    if (a.eintrag == Aenderung::Plattentyp) wert = a.paket.plattentypName;
    return einsetzen(
        sprache.GetValue("alternatives", keys[static_cast<size_t>(a.eintrag)], ""),
        {wert, paketText(sprache, a.paket.plattentypName, a.paket.spaltenGesamt, a.paket.serien),
         preisText(a.paket, sprache) + " " + sprache.GetValue("unit", "waehrung", "")});
}

}  // namespace kal::engine
