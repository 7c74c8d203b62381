// Named numbers of the calculation case: channel types, sides, the table of
// channels per pass, the sentinels the engine passes around and the channel
// type pairs never mixed.
#pragma once

#include <cmath>

#include "datalib/data.h"  // kAnzahlSpalttypen: the channel type list's length

namespace kal::engine {

// Side index of every per-side array and parameter.
inline constexpr int kWarm = 0;
inline constexpr int kKalt = 1;
inline constexpr int kAnzahlSeiten = 2;

// Entries of the table of channels per pass a pack may have.
inline constexpr int kAnzahlErlaubteSpalten = 189;

// A medium with a specific heat above this (kJ/(kg K)) counts as water-like
// in the correlations.
inline constexpr double kWasserAehnlichCp = 2.6;

// Price of a pack that cannot be priced (price data or length class missing).
inline constexpr double kKeinPreis = 999999.0;

// Returned by the mean temperature difference when it cannot be formed; the
// message is shown already.
inline constexpr double kDeltaTmUngueltig = -99.0;

// Start of the minimum over a side's channel velocities (m/s): above any real
// velocity, and what is stored when no channel type is active.
inline constexpr double kVSpaltMinOhneSpalttyp = 99999.0;

// Velocity through no cross-section: above every maximum, below no minimum.
inline constexpr double kGeschwindigkeitOhneQuerschnitt = HUGE_VAL;

// Deviation of a channel type without pressure drop in the flow distribution:
// it keeps the iteration going.
inline constexpr double kAbweichungOhneDruckverlust = HUGE_VAL;

// Channel types that are never mixed on one side.
inline bool istVerbotenePaarung(int a, int b) {
    auto p = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    return p(1, 6) || p(3, 7) || p(4, 8);
}

}  // namespace kal::engine

// The sides and the sentinels are what the dialogs share with the engine.
namespace kal {
using engine::kAnzahlSeiten;
using engine::kKalt;
using engine::kKeinPreis;
using engine::kWarm;
}  // namespace kal
