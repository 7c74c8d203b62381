// What the main window says beyond the engine's display: what each result
// field and frame dimension means, which entries the heat balance filled
// in, which results lie beyond a limit, and the plate count.
#pragma once

#include <set>
#include <span>

#include "datalib/ini.h"
#include "engine/berechnungsfall.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"
#include "ui/main/ergebnisanzeige.h"

namespace kal::hinweise {

// The entries the balance completion may fill in.
inline constexpr int kBilanzFelder[] = {hd::Leistung,      hd::TEinWarm, hd::TAusWarm,
                                        hd::DurchsatzWarm, hd::TEinKalt, hd::TAusKalt,
                                        hd::DurchsatzKalt};

// Tooltip and emphasis of every field it concerns: the field's own text,
// the note on a `berechnet` entry (emphasis Computed), the limit of a
// result in `grenzen` (emphasis Warning); and the plate count of `ergebnis`
// (none: emptied).
void anwenden(Form& f, const CIniEx& sprache, const std::set<int>& berechnet,
              std::span<const Grenzhinweis> grenzen, const Berechnungsergebnis* ergebnis);

}  // namespace kal::hinweise
