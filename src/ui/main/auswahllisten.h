// The main dialog's selection lists: what each holds, in which order,
// its item values and first selection, and the rules that filter or force
// them. One place owns these rules; the main dialog model calls them.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"

namespace kal::listen {

// Position -> object id of the permitted plate materials (position in the
// material list) and plate types (position in the PlattentypU list).
struct Zulassungen {
    std::map<int, int> plattenmaterial;
    std::map<int, int> plattentypen;
};

// Fills every list once (plate types through plattentypRegel) and returns
// the two maps; `maxReihenfolge` receives the highest order number.
Zulassungen fuelleAlle(Form& f, const Data& data, const CIniEx& sprache, int& maxReihenfolge);

// Mode lists "frei", "fix", "min", "max", keeping their selection.
void fuelleModusListen(Form& f, const CIniEx& sprache);

// Text of a gasket entry: "%s  -  %g °C".
std::string dichtungText(const DichtungA& d);

// Warm gasket list: restricted to "EPDM", "EPDM HT", "Viton S" when the
// warm medium condenses outside Werksmodus.
void dichtungsRegel(Form& f, const Data& data, bool kondensation, bool werksmodus);

// Selects and locks the first plate material beginning with "Titan" when a
// side's medium allows only titanium; otherwise unlocks the list.
void titanRegel(Form& f, bool nurTitan);

// Plate type list for the safety-plate box; returns the highest order number.
int plattentypRegel(Form& f, const Data& data);

// Channel type lists: every channel type in design, only the permitted ones
// in rating (remembered selections kept). `zulaessig(i)` answers for the
// selected material, plate type and pressure stage.
void spalttypenFuellen(Form& f, const Data& data, bool nachrechnen,
                       const std::function<bool(int spalttyp)>& zulaessig);

// Last entry of a medium list: "anderesMedium" [+ " " + name].
void eigenesMediumEintrag(Form& f, int liste, const Data& data, const CIniEx& sprache,
                          const std::string* name);

}  // namespace kal::listen
