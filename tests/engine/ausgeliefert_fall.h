// One engine on the shipped data with a case in its entries, and a pack of
// that case set up for rating: the search property tests compare the
// engine's own choices with packs rated one by one.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "ausgeliefert.h"
#include "engine/alternativen.h"
#include "engine/plattencache.h"
#include "engine/preis.h"
#include "engine/pruefung.h"
#include "engine/suche.h"
#include "fixture.h"

namespace kaltest {

using namespace kal::engine;

// A case by its library fluids and entries.
struct Auslegungsfall {
    std::string warm, kalt;
    double tEinWarm, tAusWarm, tEinKalt, tAusKalt, leistung, dpWarm, dpKalt, sicherheit;
    bool serienFrei = true;
    int maxSpalten = 0;  // 0: free
    int plattentyp = 0;  // 0: free, else the only one
};

// The case in one line, for test names and failures.
inline std::ostream& operator<<(std::ostream& o, const Auslegungsfall& f) {
    return o << f.warm << " " << f.tEinWarm << "->" << f.tAusWarm << " / " << f.kalt << " "
             << f.tEinKalt << "->" << f.tAusKalt << ", " << f.leistung << " kW, " << f.dpWarm << "/"
             << f.dpKalt << " kPa, reserve " << f.sicherheit << " %"
             << (f.serienFrei ? ", passes free" : "");
}

// `n` cases drawn from the start value `start` (splitmix64, so every
// machine draws the same): five pairs of fluids in turn, passes free in
// every second, at most `maxSpalten` channels per side.
inline std::vector<Auslegungsfall> gezogeneFaelle(int n, std::uint64_t start, int maxSpalten) {
    std::vector<Auslegungsfall> v;
    std::uint64_t s = start;
    auto zufall = [&](double lo, double hi) {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return lo + (hi - lo) * static_cast<double>(z >> 11) / 9007199254740992.0;
    };
    const char* paare[][2] = {{"Water", "Water"},
                              {"Thermal Oil", "Water"},
                              {"Ethylene Glycol 30 %", "Water"},
                              {"Water", "Propylene Glycol 30 %"},
                              {"Milk", "Water"}};
    auto gerundet = [](double x) { return std::round(x * 10.0) / 10.0; };
    for (int i = 0; i < n; ++i) {
        const auto& paar = paare[i % 5];
        Auslegungsfall f;
        f.warm = paar[0], f.kalt = paar[1];
        f.tEinKalt = gerundet(zufall(5, 30));
        f.tAusKalt = gerundet(f.tEinKalt + zufall(4, 25));
        const double tMax = f.warm == "Thermal Oil" ? 160 : 95;
        f.tEinWarm = gerundet(std::min(tMax, f.tAusKalt + zufall(6, 50)));
        f.tAusWarm = gerundet(f.tEinKalt + zufall(3, 0.8 * (f.tEinWarm - f.tEinKalt)));
        f.leistung = gerundet(zufall(20, 250));
        f.dpWarm = gerundet(zufall(20, 100));
        f.dpKalt = gerundet(zufall(20, 100));
        f.sicherheit = gerundet(zufall(0, 15));
        f.serienFrei = i % 2 == 1;
        f.maxSpalten = maxSpalten;
        v.push_back(f);
    }
    return v;
}

inline const Data& daten() { return ausgelieferteDaten(); }

inline int medium(const std::string& name) {
    const auto& l = daten().getStoffdatenListe().alle();
    for (size_t i = 0; i < l.size(); ++i)
        if (l[i].getName() == name) return static_cast<int>(i);
    ADD_FAILURE() << "no fluid " << name;
    return 0;
}

struct AusgelieferteEngine {
    Rechenkontext kontext{daten()};
    Meldungen gemeldet;
    std::vector<Ergaenzung> ergaenzt;
    Suche suche{kontext, gemeldet};

    // The entries (AISI 316, EPDM HT on both sides, C-Steel frame, pressure
    // stage 10) as the acquisition hands them over.
    static Falleingaben eingaben(const Auslegungsfall& f) {
        testdaten::Eingaben e;
        e.mediumWarm = medium(f.warm), e.mediumKalt = medium(f.kalt);
        e.tEinWarm = f.tEinWarm, e.tAusWarm = f.tAusWarm;
        e.tEinKalt = f.tEinKalt, e.tAusKalt = f.tAusKalt;
        e.leistung = f.leistung, e.sicherheit = f.sicherheit;
        e.dpWarm = f.dpWarm, e.dpKalt = f.dpKalt;
        e.plattentypModus = f.plattentyp ? 1 : 0;
        e.plattentyp = f.plattentyp;
        e.spaltenModus = f.maxSpalten ? 3 : 0;
        e.spalten = f.maxSpalten;
        e.serienModus = f.serienFrei ? 0 : 1;
        e.material = 1, e.dichtungWarm = e.dichtungKalt = 3, e.druckstufe = 2;
        return testdaten::falleingaben(daten(), e);
    }
    // The same checked; false when the case is refused.
    bool lies(const Auslegungsfall& f, Berechnungsfall& fall) {
        fall = Berechnungsfall{};
        fall.eingaben = eingaben(f);
        return pruefeEingaben(kontext, fall, gemeldet, ergaenzt);
    }
    // The key of the first message, for a refused case.
    std::string ersterKey() {
        const auto& m = gemeldet.liste();
        return m.empty() ? std::string() : m[0].key;
    }

    // `basis` set to rate one pack: plate type, channels per side `f`,
    // passes `p`, the warm side's channel types (unused ones negative).
    static Berechnungsfall bewertung(const Berechnungsfall& basis, int plattentyp, int f, int p,
                                     std::span<const SpalttypAnzahl> warm) {
        Berechnungsfall fall = basis;
        Falleingaben& e = fall.eingaben;
        e.berechnungsart = 1;
        e.plattentypModus = e.spaltenModus = e.serienModus = 1;
        e.plattentyp = plattentyp, e.spalten = f, e.serien = p;
        e.spaltenJeSpalttyp.fill(0);
        e.nachrechnenPaare = {};
        for (size_t i = 0; i < warm.size() && i < e.nachrechnenPaare.size(); ++i) {
            if (warm[i].spalttyp < 0) continue;
            e.nachrechnenPaare[i] = warm[i];
            e.spaltenJeSpalttyp[static_cast<size_t>(warm[i].spalttyp)] = warm[i].anzahl;
        }
        return fall;
    }
};

}  // namespace kaltest
