// The engine's messages, collected for the caller.
#include <algorithm>

#include "engine/meldung.h"

namespace kal::engine {

Feld temperaturFeld(int seite, bool eintritt) {
    if (seite == 0) return eintritt ? Feld::TEinWarm : Feld::TAusWarm;
    return eintritt ? Feld::TEinKalt : Feld::TAusKalt;
}

Feld durchsatzFeld(int seite) { return seite == 0 ? Feld::DurchsatzWarm : Feld::DurchsatzKalt; }

void Meldungen::fehler(const char* key, Feld feld) {
    if (einmalig_) {
        if (std::find(gesagt_.begin(), gesagt_.end(), key) != gesagt_.end()) return;
        gesagt_.emplace_back(key);
    }
    Meldung m;
    m.key = key;
    m.feld = feld;
    liste_.push_back(std::move(m));
}

void Meldungen::warnung(const char* key) {
    Meldung m;
    m.schwere = Schwere::Warnung;
    m.key = key;
    liste_.push_back(std::move(m));
}

}  // namespace kal::engine
