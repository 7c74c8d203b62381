// Several operating points from the main dialog: its entries acquired as
// "Berechnen" acquires them, as the first point or as a further one.
#include <string>
#include <utility>
#include <vector>

#include "engine/betriebspunkte.h"
#include "engine/kennlinie.h"
#include "ui/main/berechnung_model.h"
#include "ui/main/erfassung.h"

namespace kal {

bool CBerechnungDlg::eingabenErfassen(Falleingaben& e) {
    zustandUebernehmen();
    e = fall_.eingaben;
    // what an earlier run filled in is computed again, as "Berechnen" does;
    // the window keeps showing it
    Form& f = form();
    std::vector<std::pair<int, std::string>> berechnet;
    for (int id : berechnet_) {
        berechnet.emplace_back(id, f.text(id));
        f.setText(id, "");
    }
    Erfassung erfassung(data(), app_.getSprache(), ports_.messages, eingabe_, felder_);
    const bool ok = erfassung.lesen(e);
    for (const auto& [id, text] : berechnet) f.setText(id, text);
    return ok;
}

std::optional<engine::Mehrpunktbericht> CBerechnungDlg::betriebspunkteBerechnen(
    const std::vector<Falleingaben>& weitere) {
    std::vector<Falleingaben> punkte(1);
    if (!eingabenErfassen(punkte[0])) return std::nullopt;
    punkte.insert(punkte.end(), weitere.begin(), weitere.end());
    std::optional<WaitCursorGuard> warten;
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    return engine::betriebspunkteBerechnen(rechenkontext(), punkte);
}

std::vector<engine::Kennlinie> CBerechnungDlg::kennlinien(const std::vector<Falleingaben>& weitere,
                                                          const Berechnungsergebnis& paket) {
    std::vector<Falleingaben> punkte(1);
    if (!eingabenErfassen(punkte[0])) return {};
    punkte.insert(punkte.end(), weitere.begin(), weitere.end());
    std::optional<WaitCursorGuard> warten;
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    return engine::kennlinienBerechnen(rechenkontext(), punkte, paket);
}

}  // namespace kal
