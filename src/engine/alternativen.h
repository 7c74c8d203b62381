// Beyond the one result of a run: the next-best packs and what limits each,
// and why a run found no pack. The searches behind them run with the
// engine's own rules on copies of the case, in engines of their own, so the
// result, the status line and the count of the run stay as they are.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/berechnungsfall.h"

class CIniEx;
class Data;
class Einheit;

namespace kal::engine {

struct Rechenkontext;
class Plattencaches;

// The limits a pack has to keep; a missing price last (no figure).
enum class Grenze : unsigned char {
    Flaechenreserve,   // reserve (%) against the required
    DruckverlustWarm,  // kPa against the allowed
    DruckverlustKalt,
    VSpaltMinWarm,  // slowest channel (m/s) against the minimum
    VSpaltMinKalt,
    VSpaltMaxWarm,  // fastest channel against the maximum
    VSpaltMaxKalt,
    VStutzenWarm,  // nozzle velocity against its maximum
    VStutzenKalt,
    VEintrittWarm,  // channel inlet velocity against its maximum
    VEintrittKalt,
    KeinPreis,
};
inline constexpr int kAnzahlPaketgrenzen = 11;  // the measured ones, up to VEintrittKalt

// Name in the JSON output and key in the language file ("druckverlustWarm").
const char* grenzName(Grenze g);
bool istUntergrenze(Grenze g);

// Headroom of `wert` to its limit as a share of the limit: 0 at the limit,
// negative beyond it, the same scale for upper and lower limits so margins
// of different limits compare. The reserve counts the duty the area
// carries against the required one.
double grenzAbstand(Grenze g, double wert, double erlaubt);

// One figure per measured limit, indexed by Grenze.
using Grenzwerte = std::array<double, kAnzahlPaketgrenzen>;
// The limits of a validated case.
Grenzwerte fallGrenzen(const Berechnungsfall& fall);
// A stored pack's figures for them.
Grenzwerte paketWerte(const Berechnungsergebnis& e);

struct Paketgrenze {
    Grenze grenze = Grenze::Flaechenreserve;
    double wert = 0.0, erlaubt = 0.0, abstand = 0.0;
    bool bindend = false;  // the smallest margin of the pack
};
using Paketgrenzen = std::array<Paketgrenze, kAnzahlPaketgrenzen>;
Paketgrenzen paketGrenzen(const Grenzwerte& werte, const Grenzwerte& erlaubt);

struct Alternative {
    Berechnungsergebnis ergebnis;
    Paketgrenzen grenzen{};
};

// The cheapest packs a search accepts, at most n, by price (equal prices in
// the order found). Holds its room from the start: collecting never
// allocates beyond the packs' own texts.
class Paketsammler {
public:
    explicit Paketsammler(int n) : n_(static_cast<size_t>(std::max(n, 1))) {
        pakete_.reserve(n_ + 1);
    }
    // Packs dearer than this cannot enter.
    double schranke() const { return pakete_.size() >= n_ ? pakete_.back().grundpreis : HUGE_VAL; }
    double billigster() const { return pakete_.empty() ? HUGE_VAL : pakete_.front().grundpreis; }
    void aufnehmen(Berechnungsergebnis&& e);
    const std::vector<Berechnungsergebnis>& pakete() const { return pakete_; }

private:
    size_t n_;
    std::vector<Berechnungsergebnis> pakete_;
};

// A search with the limits lifted notes every configuration it evaluates
// here; kept per plate type is the closest one, whose worst miss is
// smallest, and per limit how many missed it and the figure nearest to it.
class Ablehnungsprotokoll {
public:
    struct Naechste {
        int plattentyp = 0, spaltenGesamt = 0, serien = 0;
        Grenzwerte werte{};
        double verfehlung = HUGE_VAL;  // the worst miss as a share (-grenzAbstand), 0: none
        bool preis = false;
    };

    Ablehnungsprotokoll(const Grenzwerte& erlaubt, size_t plattentypen);
    void plattentyp(int id);
    void konfiguration(int spaltenGesamt, int serien, const Grenzwerte& werte, bool preis);

    const Grenzwerte& erlaubt() const { return erlaubt_; }
    const std::vector<Naechste>& naechste() const { return naechste_; }
    const std::array<int, kAnzahlPaketgrenzen>& verfehlt() const { return verfehlt_; }
    const Grenzwerte& naechsterWert() const { return naechsterWert_; }
    int konfigurationen() const { return konfigurationen_; }

private:
    Grenzwerte erlaubt_;
    std::vector<Naechste> naechste_;
    std::array<int, kAnzahlPaketgrenzen> verfehlt_{};
    Grenzwerte naechsterWert_{};
    int konfigurationen_ = 0;
};

// Why a plate type gave no result: its closest pack and the limit it missed
// by most. Plate type 0: every configuration missed that limit.
struct Grund {
    int plattentyp = 0;
    std::string plattentypName;
    int serien = 0, spaltenGesamt = 0;
    Grenze grenze = Grenze::Flaechenreserve;
    double wert = 0.0, erlaubt = 0.0;
};

// One entry that, changed alone, admits a pack (found by a search with it).
struct Aenderung {
    enum Eintrag { DruckverlustWarm, DruckverlustKalt, Sicherheit, Serien, Plattentyp };
    Eintrag eintrag = DruckverlustWarm;
    double wert = 0.0;  // kPa, %, passes, plate type id
    Berechnungsergebnis paket;
};

// The units a case shows the figures of its limits and packs in: the
// pressure drop of a side in the unit beside its allowed loss, the rest by
// the unit system. Null: the engine's own (kPa, m/s, m², kg).
struct Anzeigeeinheiten {
    const Einheit* kpa = nullptr;  // the engine's pressure unit in its group
    std::array<const Einheit*, kAnzahlSeiten> druckverlust{};
    const Einheit *geschwindigkeit = nullptr, *flaeche = nullptr, *gewicht = nullptr;

    // A figure of limit g (engine unit) in its display unit, and that unit's name.
    double zahl(Grenze g, double wert) const;
    std::string name(Grenze g) const;
    double flaecheZahl(double m2) const;
    double gewichtZahl(double kg) const;
    std::string flaecheName() const;
    std::string gewichtName() const;
};
Anzeigeeinheiten anzeigeeinheiten(const Data& d, const Falleingaben& e);

struct Alternativenbericht {
    Anzeigeeinheiten einheiten;       // of the case
    std::vector<Alternative> pakete;  // the result first, then by price
    std::vector<Grund> gruende;       // without a result: the closest first
    std::optional<Aenderung> aenderung;
    bool nichtsBewertet = false;  // without a result: no configuration was evaluated
};

// The cheapest `n` packs a design of `vorher` accepts, by a second search
// whose price bound is the n-th best price.
// `caches`: what the run built for the case, reused (null: built afresh).
std::vector<Berechnungsergebnis> guenstigstePakete(const Rechenkontext& k,
                                                   const Berechnungsfall& vorher, int n,
                                                   Plattencaches* caches = nullptr);

// After a run: `vorher` is the case as validation left it, `nachher` the
// case after the run. With a result: it and, in a design, the next-best
// packs, `anzahl` in all, each with the figures rating it gives (a
// condensing design's result shows its outlet moved by the pressure drop;
// its row here the rating's); without one: the explanation.
Alternativenbericht alternativenBericht(const Rechenkontext& k, const Berechnungsfall& vorher,
                                        const Berechnungsfall& nachher, int anzahl,
                                        Plattencaches* caches = nullptr);

// Texts of the language section "alternatives"; %1, %2, ... in a text take
// the parts (einsetzen).
std::string einsetzen(const std::string& text, const std::vector<std::string>& teile);
std::string grenzText(const CIniEx& sprache, Grenze g);
std::string grundText(const CIniEx& sprache, const Grund& g, const Anzeigeeinheiten& u = {});
std::string aenderungText(const CIniEx& sprache, const Aenderung& a,
                          const Anzeigeeinheiten& u = {});
// The price as the main window shows it: the customer's, never the list price;
// "on request" where the data hold none.
std::string preisText(const Berechnungsergebnis& e, const CIniEx& sprache);
// A figure of a limit (engine unit) with its display unit ("41 kPa", "12.5 %").
std::string grenzZahl(Grenze g, double wert, const Anzeigeeinheiten& u = {});

// The entries of `punkt` set to rate `paket` (plate type, channels,
// passes and the warm channel types).
Falleingaben bewertungVon(const Falleingaben& punkt, const Berechnungsergebnis& paket);

}  // namespace kal::engine
