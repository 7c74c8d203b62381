// One engine on the shipped data with a case in its entries, and a pack of
// that case set up for rating: the search property tests compare the
// engine's own choices with packs rated one by one.
#pragma once

#include <ostream>
#include <span>
#include <string>

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
    // stage 10) checked; false when the case is refused.
    bool lies(const Auslegungsfall& f, Berechnungsfall& fall) {
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
        fall = Berechnungsfall{};
        fall.eingaben = testdaten::falleingaben(daten(), e);
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
