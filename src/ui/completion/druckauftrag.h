// The printouts behind the completion dialog's menu: the values each sheet
// takes from the dialog and the case, and the drawing of one printout.
#pragma once

#include <string>

#include "druck/konstruktionsblatt.h"
#include "druck/plattenlegeplan.h"
#include "druck/projektdaten.h"
#include "druck/zubehoerliste.h"
#include "ui/completion/completion_model.h"

namespace kal {

enum class Ausdruck { Zubehoerliste, Konstruktionsblatt, Plattenlegeplan };

Zubehoerangaben zubehoerangaben(const CAssembly& dlg, const Berechnungsfall& fall);
Konstruktionsangaben konstruktionsangaben(const Data& data, const Berechnungsfall& fall);
Plattenlegeangaben plattenlegeangaben(const Data& data, const Berechnungsfall& fall);

// The language section that names the sheet (and gives its title).
const char* abschnitt(Ausdruck art);

// The whole document of one printout, with `kopf` as the header printer;
// the values are taken now, so a preview may redraw it later.
PrintPort::Zeichnung ausdruck(Ausdruck art, const CAssembly& dlg, const Berechnungsfall& fall,
                              const CDialogProjektDaten& kopf);

}  // namespace kal
