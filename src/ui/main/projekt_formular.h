// Project file <-> main dialog entries: which control each field is
// written from and read into.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "addmedium_model.h"
#include "form.h"
#include "ini.h"
#include "ports.h"
#include "projektdatei.h"

namespace kal {

using EigeneMedien = std::array<EigenesMedium, 2>;  // warm, cold

ProjektInhalt projektAusFormular(const Form& f, const EigeneMedien& medien, int berechnungsart);

// Reading steps from the safety-plate box to the radio buttons, in file
// order. `plattentypRegel` runs right after the safety-plate box is set;
// `eigenesMediumEintraege` after the user-defined media were taken over.
// A stored id missing from its list shows its message (caption `titel`),
// selects position 1 and takes the focus; reading goes on.
// `spalttypenListen(modus)` refills the channel type lists for the stored
// mode before their stored positions are selected. Returns the stored mode
// (0 design, 1 rating).
int projektInFormular(const ProjektInhalt& p, Form& f, EigeneMedien& medien, const CIniEx& sprache,
                      const std::string& titel, MessagePort* meldungen,
                      const std::function<void()>& plattentypRegel,
                      const std::function<void()>& eigenesMediumEintraege,
                      const std::function<void(int modus)>& spalttypenListen = {});

}  // namespace kal
