// The plate type cache: what the search needs of one plate type for the
// case's device choices, looked up once, and the caches one run keeps for
// the second searches on the same case.
#pragma once

#include <array>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "datalib/data.h"
#include "engine/berechnungsfall.h"
#include "engine/kontext.h"

namespace kal::engine {

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

// Fills `pc` for plate type `id` and the case's device choices; false (and
// pc.gueltig false) when the plate type is unusable.
bool cacheAufbauen(const Rechenkontext& k, const Falleingaben& e, int id, PlattenCache& pc);
// Prepares the Prandtl terms of `pc` for the case's sides (after cacheAufbauen).
void prandtlCachen(const Berechnungsfall& fall, PlattenCache& pc);

// The permission queries for the case's plate material and pressure stage:
// the library default of a channel type, and that default with the stored
// deviations in force.
int istStandard(const Rechenkontext& k, const Falleingaben& e, int plattentyp, int typ);
int istZulaessig(const Rechenkontext& k, const Falleingaben& e, int plattentyp, int typ);

}  // namespace kal::engine
