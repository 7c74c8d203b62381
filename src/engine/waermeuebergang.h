// Heat transfer of a configuration: mean temperature difference, pass
// correction, area per pass, wall temperature, the alphas of the channel
// types and of a side, and the resistances of the overall coefficient.
#pragma once

#include "engine/berechnungsfall.h"
#include "engine/meldung.h"
#include "engine/plattencache.h"

namespace kal::engine {

// The logarithmic mean temperature difference (K); kDeltaTmUngueltig after
// its message when an end difference is below 0.1 K.
double mittlereTemperaturdifferenz(double tEinWarm, double tAusWarm, double tEinKalt,
                                   double tAusKalt, bool kondensationsVariante,
                                   Meldungen& meldungen);
// 1 for equal passes; 0 after the message "ungleicheSerien".
double serienKorrektur(int serienWarm, int serienKalt, Meldungen& meldungen);
// Heat transfer area of one pass of a side (m2).
double flaecheJeSerie(const Suchzustand& s, const PlattenCache& pc, int seite);
// Wall temperature (degC) of a side; NaN without area or wall conductivity.
double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int serien);
// The same with the side's pass area (flaecheJeSerie) known.
double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int serien,
                      double aSerie);
double alfaSpalttyp(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                    double re, double pr, double tWand, double muWand, double v);
// The channel-weighted mean of the active channel types' alphas.
double alfaSeite(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                 double tWand, double muWand);
// The alpha a side contributes to k: the user's fixed value, else the
// correlation (alfaSeite) raised at small temperature differences.
double alfaWirksam(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                   double tWand, double muWand);

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

Widerstaende widerstaende(const Berechnungsfall& fall, const PlattenCache& pc);

}  // namespace kal::engine
