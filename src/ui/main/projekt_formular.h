// Project file <-> main dialog entries: one table says which control or
// user-defined medium value each field is written from and read into.
#pragma once

#include <array>
#include <functional>
#include <set>
#include <span>
#include <string>

#include "datalib/ini.h"
#include "ports/form.h"
#include "ports/ports.h"
#include "projekt/projektdatei.h"
#include "ui/main/addmedium_model.h"

namespace kal {

// How a field is tied to the dialog.
enum class FeldArt {
    Version,    // the format version; no control
    Text,       // edit text
    Position,   // list position (-1 none)
    Wert,       // item value of the selected entry; a missing value is reported
    Kaestchen,  // check box, "1" checked
    Radiopaar,  // "1": `control` checked, else `partner`
    Modus,      // the calculation mode: written from the mode, read as a radio pair
    // the user-defined medium of side `seite`
    MediumWert,     // value of quantity `groesse`
    MediumEinheit,  // unit position of quantity `groesse`
    MediumName,
    MediumGas,
    MediumGespeichert,
    MediumBenutzt,
};

struct ProjektFeldZeile {
    int feld;
    int control;  // 0: none
    FeldArt art;
    int partner;        // Radiopaar, Modus: the radio checked for "0"
    int seite;          // Medium*: 0 warm, 1 cold
    int groesse;        // MediumWert, MediumEinheit: EigeneGroesse
    const char* fehlt;  // Wert: message key (section "error") of a missing value
};

// Every field of the file in file order; the reader and the writer both
// walk it.
std::span<const ProjektFeldZeile> projektFeldTabelle();

ProjektInhalt projektAusFormular(const Form& f, const EigeneMedien& medien, int berechnungsart,
                                 const std::set<int>& ohneText = {});

// Reading steps from the safety-plate box to the radio buttons, in file
// order. `plattentypRegel` runs right after the safety-plate box is set;
// `eigenesMediumEintraege` after the user-defined media were taken over.
// A stored id missing from its list shows its message (caption `titel`),
// selects position 1 and takes the focus; reading goes on.
// `spalttypenListen(modus)` refills the channel type lists for the stored
// mode before the channel rows are read; `medienGewaehlt` runs once both
// medium lists are selected, before the lists that depend on the media.
// Returns the stored mode (0 design, 1 rating).
int projektInFormular(const ProjektInhalt& p, Form& f, EigeneMedien& medien, const CIniEx& sprache,
                      const std::string& titel, MessagePort* meldungen,
                      const std::function<void()>& plattentypRegel,
                      const std::function<void()>& eigenesMediumEintraege,
                      const std::function<void(int modus)>& spalttypenListen = {},
                      const std::function<void()>& medienGewaehlt = {});

}  // namespace kal
