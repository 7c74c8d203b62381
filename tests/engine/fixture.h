// A small, realistic data set built in memory and the entries of a case on
// it, for the engine tests and the benchmark's fallback.
#pragma once

#include <optional>

#include "datalib/data.h"
#include "engine/berechnungsfall.h"

namespace testdaten {

using kal::engine::Falleingaben;
using kal::engine::SpalttypAnzahl;

enum Medium { Wasser = 0, Glykol = 1, Dampf = 2, Luft = 3 };

Data baueDaten();

// A case as the user gives it, in degC, kg/s, kPa, bar and kW; an empty
// value is an entry left empty. A condensing warm side's outlet below its
// inlet is a subcooling.
struct Eingaben {
    int berechnungsart = 0;
    int mediumWarm = Wasser, mediumKalt = Wasser;
    std::optional<double> tEinWarm = 90, tAusWarm = 60, durchsatzWarm, tEinKalt = 20, tAusKalt = 50,
                          durchsatzKalt;
    double dpWarm = 50, dpKalt = 50, foulingWarm = 0, foulingKalt = 0;
    double gasWarm = 0, gasKalt = 0;
    std::optional<double> leistung = 500;
    double sicherheit = 0;
    int material = 1, dichtungWarm = 1, dichtungKalt = 1, druckstufe = 1;
    int plattentypModus = 0, plattentyp = 10, spaltenModus = 0, serienModus = 1;
    int spalten = 0, serien = 1;
    // rating: the two (channel type, channels per pass) pairs; type -1 none
    SpalttypAnzahl paar1, paar2;
};

// The case's entries as the main dialog's acquisition hands them over.
Falleingaben falleingaben(const Data& d, const Eingaben& e);

}  // namespace testdaten
