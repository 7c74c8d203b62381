// Field rules of the main dialog: which entries are shown, enabled or
// forced by the mode and the media. Pure functions over the form; the
// main dialog model runs them where its handlers say.
#pragma once

#include <functional>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "datalib/inputhelper.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"

namespace kal::regeln {

enum { Frei = 0, Fix = 1, Min = 2, Max = 3 };

// What the rules need to know of the dialog's state.
struct Medienzustand {
    int berechnungsart = 0;     // 0 design, 1 rating
    bool kondensation = false;  // warm medium condenses
    bool gasWarm = false, gasKalt = false;
    bool eigenesWarm = false, eigenesKalt = false;  // side uses its user-defined medium
    bool einTypJeSeite() const { return kondensation || gasWarm || gasKalt; }
};

void plattentypListe(Form& f);
void spaltenRegel(Form& f, const Medienzustand& z);
void serienRegel(Form& f, const Medienzustand& z);
void serienModusRegel(Form& f, const Medienzustand& z);  // ends with serienRegel
void spalttypenRegel(Form& f, const Medienzustand& z);
void gasdruckRegeln(Form& f, const Medienzustand& z);  // warm, cold and the shared label
// Labels and the forced kelvin unit of the subcooling; the caller then
// rebuilds the warm gaskets and runs the channel-type and passes-mode rules.
void kondensationsTexte(Form& f, const Medienzustand& z, const CIniEx& sprache);

// Mode switch to `neu` (0 design, 1 rating) from `alt`; without the rules
// that follow it (the caller runs them in their order).
void modusWechseln(Form& f, int alt, int neu);

// Empties every input field of the case (new project and open).
void eingabenLeeren(Form& f, int berechnungsart);

// Rating: channels per side := passes x (count 1 + count 2). false when
// an entry was refused (the helper has reported it).
bool spaltenJeSeiteBerechnen(Form& f, InputHelper& input);

}  // namespace kal::regeln
