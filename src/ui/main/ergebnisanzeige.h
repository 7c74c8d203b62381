// The result display of the main dialog: the result controls in the units
// chosen, the limits a shown result goes beyond, the emptied display and the
// status line's text.
#pragma once

#include <string>
#include <vector>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "engine/berechnungsfall.h"
#include "ports/form.h"

namespace kal {

// A stored result into the result controls (display units of the unit
// system, dimensions in mm or inch). Pure: reads only its inputs.
void ergebnisAnzeigen(const Data& data, const CIniEx& sprache, const Berechnungsfall& fall,
                      EntrySource& felder);
// A shown result value beyond a limit: its control and a text naming the
// limit in the unit shown.
struct Grenzhinweis {
    int control;
    std::string text;
};
// The result's pressure drops above the permitted ones, channel velocities
// outside the minimum and maximum, nozzle velocities above the maximum and
// an area reserve below the required one (at least 0 %). Design keeps
// within them; rating shows what a fixed pack does.
std::vector<Grenzhinweis> ergebnisGrenzen(const Data& data, const CIniEx& sprache,
                                          const Berechnungsfall& fall);
// The result controls emptied (result reset of the main dialog).
void ergebnisAnzeigeLeeren(EntrySource& felder, int berechnungsart);
// Status line text: one floating %-conversion receives the count; any other
// conversion makes the text show as it is.
std::string statusText(const std::string& format, double anzahl);

}  // namespace kal
