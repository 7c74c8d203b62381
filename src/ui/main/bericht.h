// A calculation's report on the main dialog: the entries it filled in, its
// messages as message boxes with the focus on their entry, its result in the
// result controls and the status line.
#pragma once

#include "datalib/data.h"
#include "datalib/ini.h"
#include "engine/berechnung.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

// The control of an entry the engine speaks of; 0 for none.
int feldControl(engine::Feld feld);

// The message box of one message: the language text with what it takes
// (numbers in the units of the entries of `fall`), the caption of its kind.
Message meldungsBox(const engine::Meldung& m, const CIniEx& sprache, const Data& data,
                    const Falleingaben& fall);

// Applies `bericht` of the run that left `fall` to the dialog in the order
// the calculation found them: the filled-in entries (2 decimals, at least 4
// significant digits, in the unit beside them; a flow is also kept as the
// case's flow entry), the messages, then the result or the emptied display
// and the status line.
void berichtAnwenden(const engine::Berechnungsbericht& bericht, Berechnungsfall& fall,
                     const Data& data, const CIniEx& sprache, MessagePort* meldungen,
                     EntrySource& felder);

}  // namespace kal
