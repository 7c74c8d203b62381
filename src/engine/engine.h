// The thermal engine's interface: the calculation kernel `Rechenkern`.
// Its messages are data (meldung.h) for the caller to show.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "alternativen.h"
#include "berechnung.h"
#include "berechnungsfall.h"
#include "data.h"
#include "meldung.h"
#include "spalttypen_zulaessig.h"

// Fluid properties of one side at one temperature (stoffwerte).
struct Stoffwerte {
    bool eigenesMedium = false;
    std::string name;
    double viskositaet = 0.0, dichte = 0.0, waermekapazitaet = 0.0, waermeleitfaehigkeit = 0.0;
    double kondensationsenthalpie = 0.0, dampfdruck = 0.0, alfaWert = 0.0;
    int codeKondensat = -1;
};

// Channel types that are never mixed on one side.
inline bool istVerbotenePaarung(int a, int b) {
    auto p = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    return p(1, 6) || p(3, 7) || p(4, 8);
}

// What the search loops need of one plate type, looked up once.
struct PlattenCache {
    using JeSpalttyp = std::array<double, kAnzahlSpalttypen>;
    using Spalttypmatrix = std::array<std::array<int, kAnzahlSpalttypen>, kAnzahlSpalttypen>;

    bool gueltig = false;
    int id = 0;
    const PlattentypA* a = nullptr;
    const PlattentypU* u = nullptr;
    const PlattentypC* c = nullptr;
    std::string name;
    std::array<const SpalttypKorrelation*, kAnzahlSpalttypen> korr{};  // never null after caching
    JeSpalttyp flaeche{}, querSpalt{}, inhalt{};
    Spalttypmatrix zweiteSeite{};
    Spalttypmatrix weitermischenNichtOk{};
    std::array<int, kAnzahlSpalttypen> zulaessig{}, standard{};
    double dhSpalt = 0, dhKanal = 0, querKanal = 0, laengeSpalt = 0, querMaxStutzen = 0;
    double laengenfaktor = 0;  // (length / hydraulic diameter)^exponent of the channel friction
    // Prandtl terms of the Nusselt laws per side for the Prandtl number and
    // gas flag set by prandtlCachen (NaN: none), each worked out on first use.
    struct Prandtl {
        double pr = NAN;
        bool gas = false;
        mutable JeSpalttyp term{};
        mutable std::array<bool, kAnzahlSpalttypen> da{};
    };
    std::array<Prandtl, kAnzahlSeiten> prandtl{};
    double dickeGesamt = 0, dickeOhneLuft = 0, lambda = 0;
    bool trevan = false, alfaOpt = false;
    bool dichtungenAktiv = false;
    // price data (list and customer)
    struct Preisdaten {
        bool vorhanden = false;
        double plattenPreis = 0, dichtungWarm = 0, dichtungKalt = 0, grundpreis = 0, wege = 0;
    } listen, kunden;
    struct Laengenklasse {
        int maxPlatten = 0, id = 0;
        double zuschlagListe = 0, zuschlagKunde = 0;
    };
    std::vector<Laengenklasse> laengen;  // ascending maxPlatten

    // The shortest length class that holds `platten` plates; null when none does.
    const Laengenklasse* laengenklasse(int platten) const {
        for (const auto& l : laengen)
            if (l.maxPlatten >= platten) return &l;
        return nullptr;
    }
};

// The plate type caches of one run, kept for the second searches on the
// same case (alternatives): they look up nothing the run looked up already.
// Entries hold for the data, permissions and device choices they were built
// with; any other asks for fresh ones.
class Plattencaches {
public:
    void leeren() { caches_.clear(); }
    // The cache of plate type `id` as built before for these inputs, else null.
    PlattenCache* finden(const Rechenkontext& k, const Falleingaben& e, int id);
    // A new entry for it, for the caller to build.
    PlattenCache& anlegen(const Rechenkontext& k, const Falleingaben& e, int id);
    size_t groesse() const { return caches_.size(); }

private:
    struct Kennung {
        const Data* data = nullptr;
        const CSpalttypenZulaessig* zulaessig = nullptr;
        int materialPlatte = 0, druckstufe = 0, dichtungWarm = 0, dichtungKalt = 0, gestell = 0,
            gestellVariante = 0;
        bool operator==(const Kennung&) const = default;
    };
    static Kennung kennung(const Rechenkontext& k, const Falleingaben& e);
    Kennung kennung_;
    std::deque<PlattenCache> caches_;  // references stay valid as it grows
};

// Thermal resistances (m2 K/W) between the media besides the two alphas.
struct Widerstaende {
    double wand = 0.0;       // plate wall, thickness / conductivity
    double fouling = 0.0;    // both sides
    double luftspalt = 0.0;  // air gap of safety plates

    double k(double alfaWarm, double alfaKalt) const {
        return 1.0 / (wand + 1.0 / alfaWarm + 1.0 / alfaKalt + fouling + luftspalt);
    }
    double kRein(double alfaWarm, double alfaKalt) const {
        return 1.0 / (wand + 1.0 / alfaWarm + 1.0 / alfaKalt + luftspalt);
    }
    // Duty (W) of area x temperature difference `aDtm` were the cold side
    // without resistance: a bound no cold side can raise.
    double leistungNurWarm(double aDtm, double alfaWarm) const {
        return aDtm / (wand + 1.0 / alfaWarm + fouling + luftspalt);
    }
};

// What the evaluations of the pack under design share. Every configuration
// of a pack starts its flow split from the same even share per channel,
// meets the same wall temperatures, and the search meets every split of a
// mixed pair twice (i with j, later j with i): what repeats is kept here,
// with the inputs it was found for.
class Paketgedaechtnis {
public:
    enum Urteil : unsigned char { Offen, Abgelehnt, Aussichtslos };  // hopeless: warm-only bound
    // One channel type at the even share of its side.
    struct Gleichanteil {
        bool berechnet = false, ok = false;
        double durchsatz = 0, muWand = 0, dp = 0, re = 0, v = 0;
    };
    struct Wand {
        bool berechnet = false;
        double t = 0, mu = 0;
    };

    // Empty for a pack of q channels per pass (verdicts only when it mixes);
    // aktiv until verlassen().
    void neuesPaket(int q, bool mischen) {
        aktiv_ = true;
        q_ = q;
        if (mischen)
            urteile_.assign(static_cast<size_t>(kAnzahlSpalttypen * kAnzahlSpalttypen * (q + 1)),
                            Offen);
        gleich_ = {};
        wand_ = {};
    }
    void verlassen() { aktiv_ = false; }
    bool aktiv() const { return aktiv_; }

    // The verdict on ni channels of type i and the rest of the pass of type j.
    Urteil& urteil(int i, int ni, int j) {
        if (i > j) std::swap(i, j), ni = q_ - ni;
        return urteile_[static_cast<size_t>((i * kAnzahlSpalttypen + j) * (q_ + 1) + ni)];
    }
    Gleichanteil& gleichanteil(int seite, int typ) {
        return gleich_[static_cast<size_t>(seite)][static_cast<size_t>(typ)];
    }
    Wand& wand(int seite) { return wand_[static_cast<size_t>(seite)]; }

private:
    bool aktiv_ = false;
    int q_ = 0;
    std::vector<Urteil> urteile_;
    std::array<std::array<Gleichanteil, kAnzahlSpalttypen>, kAnzahlSeiten> gleich_{};
    std::array<Wand, kAnzahlSeiten> wand_{};
};

// What the evaluation of one configuration found, before it is stored.
struct Konfigurationswerte {
    double flaecheJeSerie = 0.0;  // m2
    double alfaWarm = 0.0, alfaKalt = 0.0;
    double druckverlustWarm = 0.0, druckverlustKalt = 0.0;  // kPa, all passes
    double k = 0.0, kRein = 0.0;
    bool kondensiert = false;  // condensing design: the warm outlet follows the pack
    double tAusNeu = 0.0;
};

class Rechenkern {
public:
    explicit Rechenkern(const Rechenkontext& kontext);

    // The search of a validated case; false when a rating check or a fatal
    // condition stopped it.
    bool fuehreBerechnungAus(Berechnungsfall& fall);
    // Second searches (alternativen.cpp): the packs a design accepts go to
    // `s`, bounded by its price limit, instead of the result; or every
    // configuration evaluated goes to `p` and none is accepted. Null: the
    // search of the run.
    void sammelnIn(Paketsammler* s) { sammler_ = s; }
    void protokollierenIn(Ablehnungsprotokoll* p) { protokoll_ = p; }
    // Plate type caches go to and come from `c`, kept beyond the run; null:
    // one cache rebuilt per plate type.
    void cachesIn(Plattencaches* c) { caches_ = c; }

    // validation and balance
    bool pruefeKombination(const Falleingaben& e);
    bool pruefeEingaben(Berechnungsfall& fall);
    bool bilanzErgaenzen(Berechnungsfall& fall);
    bool fehlendeTemperatur(Berechnungsfall& fall, int seite, double q, double tBekannt,
                            int richtung, double& t);

    // fluid properties
    bool stoffwerte(const Falleingaben& e, int seite, int mediumIndex, double t, double p,
                    Stoffwerte& aus, bool temperaturPruefungAus, bool nurWandviskositaet);

    // heat transfer
    double mittlereTemperaturdifferenz(double tEinWarm, double tAusWarm, double tEinKalt,
                                       double tAusKalt, bool kondensationsVariante);
    double serienKorrektur(int serienWarm, int serienKalt);
    double flaecheJeSerie(const Suchzustand& s, const PlattenCache& pc, int seite) const;
    double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                          int serien) const;
    // The same with the side's pass area (flaecheJeSerie) known.
    double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                          int serien, double aSerie) const;
    double alfaSpalttyp(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                        double re, double pr, double tWand, double muWand, double v) const;
    double alfaSeite(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                     double tWand, double muWand) const;
    // The alpha a side contributes to k: the user's fixed value, else the
    // correlation (alfaSeite) raised at small temperature differences.
    double alfaWirksam(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                       double tWand, double muWand) const;
    Widerstaende widerstaende(const Berechnungsfall& fall, const PlattenCache& pc) const;

    // hydraulics
    void geschwindigkeitsgrenzen(Berechnungsfall& fall) const;
    double eintrittsgeschwindigkeit(const PlattenCache& pc, double v, int f, int p) const;
    static double laengenfaktor(double laengeSpalt, double dhSpalt);
    // Pressure drop of one channel (kPa); false on invalid geometry/state.
    bool spaltDruckverlust(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                           double vKanalDurchsatz, double muWand, double& dp, double& re,
                           double& v) const;
    bool verteileDurchsatz(Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                           double muWand, double& dpMittel);

    // price, weight, delivery time
    double listenpreis(const PlattenCache& pc, int n, int serienWarm, int serienKalt,
                       Preisteile* teile = nullptr) const;
    double customPreis(const PlattenCache& pc, int n, int serienWarm, int serienKalt,
                       Preisteile* teile = nullptr) const;
    bool preisPruefen(Suchzustand& s, const PlattenCache& pc, int f, int serienWarm,
                      int serienKalt);
    double gewicht(const Falleingaben& e, const PlattenCache& pc, int n) const;
    int lieferzeit(const Falleingaben& e, const PlattenCache& pc, int n) const;
    double inhalt(const Suchzustand& s, const PlattenCache& pc, int seite, int serien) const;
    std::string preisCode(const Falleingaben& e, const std::string& name, int n) const;

    // configuration evaluation
    bool pruefePaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    bool bewerteKonfiguration(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                              bool& fatal);
    bool nachrechnenPaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    void spalttypenZweiteSeite(Suchzustand& s, const PlattenCache& pc, int serien) const;
    bool eingrenzenSpalten(Berechnungsfall& fall, const PlattenCache& pc, int& lo, int& hi);

    // Fills `pc` for a plate type id; false when the plate type is unusable.
    bool cacheAufbauen(const Falleingaben& e, int plattentypId, PlattenCache& pc) const;
    // Prepares the Prandtl terms of `pc` for the case's sides (after cacheAufbauen).
    void prandtlCachen(const Berechnungsfall& fall, PlattenCache& pc) const;

    int istStandard(const Falleingaben& e, int plattentyp, int typ) const;
    int istZulaessig(const Falleingaben& e, int plattentyp, int typ) const;

    // A stored result with a price: marks the case's result as one to show.
    void ergebnisFreigeben(Berechnungsfall& fall);

    // The run's messages and the entries its balance filled in.
    Meldungen& meldungen() { return meldungen_; }
    std::vector<Ergaenzung>& ergaenzt() { return ergaenzt_; }

    // Messages: text of section "error" + key (warnings take the caption
    // of section "warning").
    void meldeFehler(const char* key, Feld feld = Feld::Keins) { meldungen_.fehler(key, feld); }
    void meldeWarnung(const char* key) { meldungen_.warnung(key); }

private:
    // validation and balance
    bool grenzenPruefen(const Falleingaben& e, const Arbeitswerte& a);
    bool temperaturenImBereich(const Falleingaben& e);
    bool arbeitswerteAbleiten(Berechnungsfall& fall);
    bool leistungBestimmen(const Berechnungsfall& fall, int nWarm, int nKalt, double& q);
    bool fehlendeErgaenzen(Berechnungsfall& fall, double q);
    bool seiteStoffwerte(Berechnungsfall& fall, int seite, double t);
    bool fehlendeFlussBerechnen(Berechnungsfall& fall, int seite, double q);

    // configuration evaluation
    bool schnellpruefungAussichtslos(Berechnungsfall& fall, const PlattenCache& pc, int q, int p);
    bool kondensationReserve(const Berechnungsfall& fall, int p, double aPass, double k,
                             double dpWarm, double& reserve, double& tAusNeu);
    void ergebnisSpeichern(Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                           const Konfigurationswerte& w);
    void kondensationUebernehmen(Berechnungsfall& fall, double tAusNeu);
    void paketSammeln(Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                      const Konfigurationswerte& w);
    void konfigurationNotieren(const Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                               const Konfigurationswerte& w, double reserve);

    // driver
    enum class Suchschritt { Weiter, NaechsterPlattentyp, Ende };
    bool plattentypDurchsuchen(Berechnungsfall& fall, const PlattentypA& a, int id);
    Suchschritt spaltenzahlDurchsuchen(Berechnungsfall& fall, const PlattenCache& pc, int f);
    void statusBestimmen(Berechnungsfall& fall);

    const Rechenkontext& k_;
    Meldungen meldungen_;
    std::vector<Ergaenzung> ergaenzt_;
    double druck1ZuDruck4_ = 0.001;  // kPa -> bar factor (pressure units 1 -> 4)
    PlattenCache cache_;
    Paketgedaechtnis paket_;
    Paketsammler* sammler_ = nullptr;
    Ablehnungsprotokoll* protokoll_ = nullptr;
    Plattencaches* caches_ = nullptr;
};
