// The oracle of "Berechnen" through the main dialog, shared by the harnesses
// that calculate.
#pragma once

#include "ui/main/berechnung_model.h"

namespace kalfuzz {

// What kalvoria-cli would print holds finite numbers only; a result obeys the
// physical identities and, in design, the limits the search works within.
void pruefeBerechnung(const kal::CBerechnungDlg& d, bool ergebnis);

}  // namespace kalfuzz
