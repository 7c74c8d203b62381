// A small, realistic data set built in memory and a main-dialog form filled
// with one case, for the engine tests and the benchmark's fallback.
#pragma once

#include <map>
#include <string>

#include "data.h"
#include "form.h"
#include "ini.h"

namespace testdaten {

enum Medium { Wasser = 0, Glykol = 1, Dampf = 2, Luft = 3 };

Data baueDaten();

// Language text with every key the engine uses mapped to its own name.
CIniEx baueSprache();

struct Eingaben {
    int berechnungsart = 0;
    int mediumWarm = Wasser, mediumKalt = Wasser;
    std::string tEinWarm = "90", tAusWarm = "60", durchsatzWarm = "", tEinKalt = "20",
                tAusKalt = "50", durchsatzKalt = "";
    int einheitDurchsatz = 0;  // position in the flow unit list (0 kg/s)
    std::string dpWarm = "50", dpKalt = "50", foulingWarm = "0", foulingKalt = "0";
    std::string gasWarm = "", gasKalt = "";
    std::string leistung = "500", sicherheit = "0";
    int material = 1, dichtungWarm = 1, dichtungKalt = 1, druckstufe = 1;
    int plattentypModus = 0, plattentyp = 10, spaltenModus = 0, serienModus = 1;
    std::string spalten = "", serien = "1";
    std::string anzahl1 = "", anzahl2 = "";
    int typ1 = -1, typ2 = -1;
};

// Fills the controls the engine reads (ids of the main dialog).
void fuelleForm(kal::Form& f, const Data& d, const Eingaben& e);

}  // namespace testdaten
