// Several operating points: the device choices they share, the design whose
// first point's search asks the further points about each configuration,
// the ratings of the chosen pack and its binding limit.
#include "engine/betriebspunkte.h"

#include <algorithm>
#include <utility>

#include "engine/pruefung.h"
#include "engine/suche.h"

namespace kal::engine {

namespace {
const char* const kWahlNamen[] = {
    "keine",        "berechnungsart",  "mediumWarm",        "mediumKalt",
    "kondensation", "material",        "dichtungWarm",      "dichtungKalt",
    "gestell",      "gestellVariante", "druckstufe",        "plattentyp",
    "spalten",      "serien",          "sicherheitsplatte", "spalttypen"};

bool gleichesMedium(const Mediumseite& a, const Mediumseite& b) {
    if (a.medium != b.medium) return false;
    const EigenesMediumDaten& x = a.eigenesMediumDaten;
    const EigenesMediumDaten& y = b.eigenesMediumDaten;
    // a user-defined medium is its data; a library one is its index (the
    // data of an unused user medium do not count)
    return x.name == y.name && x.viskositaet == y.viskositaet &&
           x.viskositaetWand == y.viskositaetWand && x.dichte == y.dichte &&
           x.waermekapazitaet == y.waermekapazitaet &&
           x.waermeleitfaehigkeit == y.waermeleitfaehigkeit && x.alfaWert == y.alfaWert &&
           x.gas == y.gas;
}

// A mode with its value: the value counts only where the mode uses it.
bool gleicheWahl(int modusA, int wertA, int modusB, int wertB) {
    return modusA == modusB && (modusA == 0 || wertA == wertB);
}
}  // namespace

const char* geraetewahlName(Geraetewahl w) { return kWahlNamen[static_cast<size_t>(w)]; }

Geraetewahl abweichendeWahl(const Data& d, const Falleingaben& a, const Falleingaben& b) {
    using W = Geraetewahl;
    if (a.berechnungsart != b.berechnungsart) return W::Berechnungsart;
    // the user medium's data matter only for the side that uses it
    const int eigenes = d.getStoffdatenListe().getSize();
    const bool eigenWarm = a.warm.medium == b.warm.medium && a.warm.medium == eigenes;
    const bool eigenKalt = a.kalt.medium == b.kalt.medium && a.kalt.medium == eigenes;
    if (a.warm.medium != b.warm.medium || (eigenWarm && !gleichesMedium(a.warm, b.warm)))
        return W::MediumWarm;
    if (a.kalt.medium != b.kalt.medium || (eigenKalt && !gleichesMedium(a.kalt, b.kalt)))
        return W::MediumKalt;
    if (a.warm.kondensation != b.warm.kondensation) return W::Kondensation;
    if (a.materialPlatte != b.materialPlatte) return W::MaterialPlatte;
    if (a.dichtungWarm != b.dichtungWarm) return W::DichtungWarm;
    if (a.dichtungKalt != b.dichtungKalt) return W::DichtungKalt;
    if (a.gestell != b.gestell) return W::Gestell;
    if (a.gestellVariante != b.gestellVariante) return W::GestellVariante;
    if (a.druckstufe != b.druckstufe) return W::Druckstufe;
    if (!gleicheWahl(a.plattentypModus, a.plattentyp, b.plattentypModus, b.plattentyp))
        return W::Plattentyp;
    if (!gleicheWahl(a.spaltenModus, a.spalten, b.spaltenModus, b.spalten)) return W::Spalten;
    if (!gleicheWahl(a.serienModus, a.serien, b.serienModus, b.serien)) return W::Serien;
    if (a.sicherheitsplatte != b.sicherheitsplatte) return W::Sicherheitsplatte;
    if (a.berechnungsart == 1 && a.spaltenJeSpalttyp != b.spaltenJeSpalttyp) return W::Spalttypen;
    return W::Keine;
}

// ------------------------------------------------------------ the further points

struct Weiterepunkte::Punkt {
    Punkt(const Rechenkontext& k, Berechnungsfall f) : fall(std::move(f)), suche(k, meldungen) {
        meldungen.einmalig(true);  // said once per run, as in the first point's search
    }
    Berechnungsfall fall;
    Meldungen meldungen;
    Suche suche;
    PlattenCache pc;  // the first point's, with this point's Prandtl terms
};

Weiterepunkte::Weiterepunkte(const Rechenkontext& k, std::vector<Berechnungsfall> faelle) : k_(k) {
    punkte_.reserve(faelle.size());
    for (Berechnungsfall& f : faelle) {
        f.suche.zuruecksetzen();
        punkte_.push_back(std::make_unique<Punkt>(k_, std::move(f)));
    }
}

Weiterepunkte::~Weiterepunkte() = default;

bool Weiterepunkte::plattentyp(const PlattenCache& pc) {
    for (auto& punkt : punkte_) {
        Punkt& x = *punkt;
        x.pc = pc;
        prandtlCachen(x.fall, x.pc);
        const Falleingaben& e = x.fall.eingaben;
        Seitenwerte& w = x.fall.arbeitswerte.warm;
        Seitenwerte& c = x.fall.arbeitswerte.kalt;
        w.vKanal = e.warm.volumenstrom / pc.querKanal;
        c.vKanal = e.kalt.volumenstrom / pc.querKanal;
        w.vStutzen = e.warm.volumenstrom / pc.querMaxStutzen;
        c.vStutzen = e.kalt.volumenstrom / pc.querMaxStutzen;
        if (w.vStutzen > w.vStutzenMax || c.vStutzen > c.vStutzenMax) return false;
    }
    return true;
}

void Weiterepunkte::eingrenzen(int von, int bis, int& lo, int& hi) {
    for (auto& punkt : punkte_) {
        int pLo = von, pHi = bis;
        punkt->suche.eingrenzenSpalten(punkt->fall, punkt->pc, pLo, pHi);
        lo = std::max(lo, pLo);
        hi = std::min(hi, pHi);
    }
}

bool Weiterepunkte::paket(int f, int q, int p) {
    for (auto& punkt : punkte_)
        if (!punkt->suche.paketZulassen(punkt->fall, punkt->pc, f, q, p)) return false;
    return true;
}

bool Weiterepunkte::erfuellt(const Suchzustand& s, int f, int q, int p, bool& aussichtslos,
                             bool& fatal) {
    aussichtslos = fatal = false;
    for (auto& punkt : punkte_) {
        Suchzustand& t = punkt->fall.suche;
        for (int seite = 0; seite < kAnzahlSeiten; ++seite)
            for (int i = 0; i < kAnzahlSpalttypen; ++i) {
                t.spalttypAktiv[seite][i] = s.spalttypAktiv[seite][i];
                t.spaltenJeTyp[seite][i] = s.spaltenJeTyp[seite][i];
            }
        if (!punkt->suche.konfigurationHalten(punkt->fall, punkt->pc, f, q, p, fatal)) {
            aussichtslos = t.aussichtslos;
            return false;
        }
    }
    return true;
}

std::vector<Meldung> Weiterepunkte::meldungen(size_t punkt) {
    return punkt < punkte_.size() ? punkte_[punkt]->meldungen.abgeben() : std::vector<Meldung>{};
}

// ------------------------------------------------------------ the run

namespace {
// The limits of each point's pack and the tightest of them all (the first
// point, then the first limit, on a tie).
void grenzenBestimmen(Mehrpunktbericht& b) {
    for (size_t i = 0; i < b.punkte.size(); ++i) {
        const Berechnungsbericht& r = b.punkte[i];
        Paketgrenzen g{};
        if (r.ergebnisVorhanden && r.geprueft) {
            g = paketGrenzen(paketWerte(r.fall.ergebnis), fallGrenzen(*r.geprueft));
            for (const Paketgrenze& x : g)
                if (!b.bindend || x.abstand < b.bindend->grenze.abstand)
                    b.bindend = Punktgrenze{static_cast<int>(i), x};
        }
        b.grenzen.push_back(g);
    }
    for (size_t i = 0; i < b.grenzen.size(); ++i)
        for (Paketgrenze& x : b.grenzen[i])
            x.bindend = b.bindend && b.bindend->punkt == static_cast<int>(i) &&
                        b.bindend->grenze.grenze == x.grenze;
    if (b.bindend) b.bindend->grenze.bindend = true;
}
}  // namespace

Mehrpunktbericht betriebspunkteBerechnen(const Rechenkontext& k,
                                         const std::vector<Falleingaben>& punkte,
                                         Plattencaches* caches) {
    Mehrpunktbericht b;
    if (punkte.empty()) return b;
    for (size_t i = 1; i < punkte.size(); ++i) {
        const Geraetewahl w = abweichendeWahl(k.data, punkte[0], punkte[i]);
        if (w == Geraetewahl::Keine) continue;
        b.abweichung = {static_cast<int>(i), w};
        Meldung m;
        m.key = "punktAbweichend";
        m.text = geraetewahlName(w);
        m.zahlen = {static_cast<double>(i + 1)};
        b.meldungen.push_back(std::move(m));
        return b;
    }
    Plattencaches eigene;  // the points share one device: one set of plate caches
    if (!caches) caches = &eigene;
    b.punkte.resize(punkte.size());

    if (punkte[0].berechnungsart != 0) {
        // a rating: the given pack at every point, each on its own
        for (size_t i = 0; i < punkte.size(); ++i) {
            Berechnungsfall fall;
            fall.eingaben = punkte[i];
            b.punkte[i] = berechnen(k, std::move(fall), caches);
        }
        b.ergebnisVorhanden = b.punkte[0].ergebnisVorhanden;
        grenzenBestimmen(b);
        return b;
    }

    // the further points validated before the search asks them anything
    std::vector<Berechnungsfall> weitere;
    bool gueltig = true;
    for (size_t i = 1; i < punkte.size(); ++i) {
        Berechnungsbericht& r = b.punkte[i];
        Meldungen meldungen;
        Berechnungsfall fall;
        fall.eingaben = punkte[i];
        const bool ok = pruefeEingaben(k, fall, meldungen, r.ergaenzt);
        r.meldungen = meldungen.abgeben();
        if (ok) {
            r.geprueft = fall;
            weitere.push_back(fall);
        }
        r.fall = std::move(fall);
        gueltig = gueltig && ok;
    }
    if (!gueltig) {
        b.punkte[0].fall.eingaben = punkte[0];
        return b;
    }

    // The search is led by the point with the largest duty: the pack has to
    // carry it, so the others reject few of the packs it accepts and the
    // price bound comes early. Every point judges every configuration
    // either way; the lead decides only how fast.
    Berechnungsfall erster;
    erster.eingaben = punkte[0];
    Meldungen ersteMeldungen;
    std::vector<Ergaenzung> ersteErgaenzt;
    size_t fuehrend = 0;
    if (!weitere.empty() && pruefeEingaben(k, erster, ersteMeldungen, ersteErgaenzt)) {
        double groesste = erster.arbeitswerte.leistungSoll;
        for (size_t i = 1; i < punkte.size(); ++i)
            if (weitere[i - 1].arbeitswerte.leistungSoll > groesste)
                groesste = weitere[i - 1].arbeitswerte.leistungSoll, fuehrend = i;
    }
    Berechnungsbericht suche;  // the leading point's run
    if (weitere.empty()) {
        suche = berechnen(k, std::move(erster), caches);
    } else if (fuehrend == 0) {
        Berechnungsfall f;
        f.eingaben = punkte[0];
        Weiterepunkte w(k, std::move(weitere));
        suche = berechnen(k, std::move(f), caches, &w);
        for (size_t i = 1; i < punkte.size(); ++i) {
            std::vector<Meldung> m = w.meldungen(i - 1);
            b.punkte[i].meldungen.insert(b.punkte[i].meldungen.end(), m.begin(), m.end());
        }
    } else {
        // the first point follows as the others do; the lead's own run
        // says its messages, the first point shows the search's status
        std::vector<Berechnungsfall> andere{erster};
        std::vector<size_t> nummer{0};
        for (size_t i = 1; i < punkte.size(); ++i)
            if (i != fuehrend) andere.push_back(weitere[i - 1]), nummer.push_back(i);
        Weiterepunkte w(k, std::move(andere));
        Berechnungsfall f;
        f.eingaben = punkte[fuehrend];
        Berechnungsbericht r = berechnen(k, std::move(f), caches, &w);
        Berechnungsbericht& p0 = b.punkte[0];
        p0.fall = erster;
        p0.geprueft = erster;
        p0.ergaenzt = std::move(ersteErgaenzt);
        p0.meldungen = ersteMeldungen.abgeben();
        for (size_t j = 0; j < nummer.size(); ++j) {
            std::vector<Meldung> m = w.meldungen(j);
            std::vector<Meldung>& ziel = b.punkte[nummer[j]].meldungen;
            ziel.insert(ziel.end(), m.begin(), m.end());
        }
        b.punkte[fuehrend].meldungen = r.meldungen;
        p0.status = r.status;
        suche = std::move(r);
    }
    b.ergebnisVorhanden = suche.ergebnisVorhanden;
    if (fuehrend == 0) b.punkte[0] = std::move(suche);
    if (b.ergebnisVorhanden) {
        const Berechnungsergebnis paket =
            fuehrend == 0 ? b.punkte[0].fall.ergebnis : suche.fall.ergebnis;
        for (size_t i = fuehrend == 0 ? 1 : 0; i < punkte.size(); ++i) {
            Berechnungsfall fall;
            fall.eingaben = bewertungVon(punkte[i], paket);
            const std::optional<Statuszeile> status = b.punkte[i].status;
            b.punkte[i] = berechnen(k, std::move(fall), caches);
            if (i == 0) b.punkte[0].status = status;  // the search's
        }
    }
    grenzenBestimmen(b);
    return b;
}

}  // namespace kal::engine
