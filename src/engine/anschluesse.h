// Connections of the completion dialog: which library connections a side
// may take, their list texts, the nozzle arrangement that follows from the
// passes, and the connection pairs a plate type refuses. Pure functions;
// the completion model runs them where its handlers say.
#pragma once

#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"

namespace kal::engine::anschluss {

// What the filter needs of one side and of the calculated pack.
struct Seitenfilter {
    int druckstufe = 0;           // pressure stage id of the case
    int plattentyp = 0;           // plate type id of the result
    bool din = true;              // connection standard DIN, else ANSI
    int serien = 1;               // passes of the result
    double volumenstrom = 0.0;    // m3/s of the side
    double vStutzenMax = 0.0;     // m/s, the side's nozzle velocity limit
    std::string dichtung;         // name of the side's gasket
    std::string plattenmaterial;  // name of the plate material
    double tMax = 0.0;            // hottest temperature of the side, degC
};

// The filter rules in the order they are tested. `Behalten`: no rule drops
// the connection.
enum class Regel {
    Behalten = 0,
    Zulaessig,
    Druckstufe,
    Plattentyp,
    Norm,
    Wege,
    Stutzengeschwindigkeit,
    Gummiformteil,
    Material,
    Polypropylen,
};

// Polypropylene connections stand at most this temperature (degC).
constexpr double kPolypropylenMaxTemp = 70.0;

// The first rule that drops `a` for this side.
Regel pruefe(const AnschlussU& a, const Seitenfilter& s);

// "%s, %s, %s, %s": kind, nominal diameter, material and remark, each text
// looked up in section "anschluesse" with the library text as key and
// default.
std::string listenText(const AnschlussU& a, const CIniEx& sprache);

// Nozzle arrangement of both media and of the drain and vent nozzles.
struct Belegung {
    std::string mediumWarm, mediumKalt;
    std::string entleerungWarm, entleerungKalt;
    int varianteWarm = 0, varianteKalt = 0;  // 0 none, else n of "Entleerung_n"
};

enum class Eintritt { Oben, Unten };

// Where the nozzles are when the warm medium enters at the top or at the
// bottom, for `serien` passes; drain and vent nozzles only when the plate
// type has them.
Belegung belegung(Eintritt eintritt, int serien, bool entleerungsstutzen);

// The plate types whose frame cannot take both connections of a pair.
// Kinds compared in lower case.
bool kombinationVerboten(const std::string& plattentypName, const std::string& artWarm,
                         const std::string& artKalt);

// ASCII letters in lower case (UTF-8 bytes above 127 stay as they are).
std::string klein(std::string s);
// The gasket name a rubber moulding must match: every " ht" removed,
// letter case ignored.
std::string ohneHt(const std::string& dichtung);

}  // namespace kal::engine::anschluss
