// Fluid properties of a side: from the fluid library or the user-defined medium.
#pragma once

#include <string>

#include "datalib/data.h"
#include "engine/berechnungsfall.h"
#include "engine/meldung.h"

namespace kal::engine {

// Fluid properties of one side at one temperature (stoffwerte).
struct Stoffwerte {
    bool eigenesMedium = false;
    std::string name;
    double viskositaet = 0.0, dichte = 0.0, waermekapazitaet = 0.0, waermeleitfaehigkeit = 0.0;
    double kondensationsenthalpie = 0.0, dampfdruck = 0.0, alfaWert = 0.0;
    int codeKondensat = -1;
};

// Properties of side `seite` at `t` (degC) and pressure `p` (bar, a gas's
// density only), from fluid `mediumIndex` or, at the list's size, the
// side's user-defined medium. false after the message "mittltemp" when `t`
// is outside the fluid's data (unless `temperaturPruefungAus`).
bool stoffwerte(const Data& d, const Falleingaben& e, int seite, int mediumIndex, double t,
                double p, Stoffwerte& aus, bool temperaturPruefungAus, bool nurWandviskositaet,
                Meldungen& meldungen);
// The side's properties at `t` into its working values (condensing warm
// side: vapour and condensate); false after a message.
bool seiteStoffwerte(const Data& d, Berechnungsfall& fall, int seite, double t,
                     Meldungen& meldungen);
// The viscosity (mPa s) of the side's medium at the wall temperature.
double wandviskositaet(const Data& d, const Mediumseite& m, double tWand);

}  // namespace kal::engine
