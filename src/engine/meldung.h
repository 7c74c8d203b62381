// What a calculation has to say, as data: its messages and the entries it
// filled in. The caller turns them into texts, message boxes and field
// contents; the engine shows nothing.
#pragma once

#include <string>
#include <vector>

namespace kal::engine {

// The entries a message or a filled-in value concerns: the seven quantities
// of the heat balance.
enum class Feld {
    Keins,
    Leistung,
    TEinWarm,
    TAusWarm,
    DurchsatzWarm,
    TEinKalt,
    TAusKalt,
    DurchsatzKalt
};

Feld temperaturFeld(int seite, bool eintritt);
Feld durchsatzFeld(int seite);

enum class Schwere { Fehler, Warnung };

// One message: the language text of `abschnitt`/`key` (a warning takes its
// text from "error" as well), or `text` as it stands when the key is empty.
// Texts that take values get them in engine units, the caller shows them in
// the units of the entries.
struct Meldung {
    Schwere schwere = Schwere::Fehler;
    std::string abschnitt = "error";
    std::string key;
    std::string text;            // fixed text, or the name the text takes (a fluid)
    std::vector<double> zahlen;  // numbers the text takes
    int seite = -1;              // the side it speaks of, -1 none
    Feld feld = Feld::Keins;     // the entry it concerns: the focus goes there
};

// A balance quantity the calculation completed, in engine units: degC, the
// side's flow form (kg/s or m3/s), kW.
struct Ergaenzung {
    Feld feld = Feld::Keins;
    double wert = 0.0;
};

// The messages of one run, in the order they arose. Inside a design search
// each error text is said once per run.
class Meldungen {
public:
    void fehler(const char* key, Feld feld = Feld::Keins);
    void warnung(const char* key);
    void melden(Meldung m) { liste_.push_back(std::move(m)); }
    void einmalig(bool an) {
        einmalig_ = an;
        gesagt_.clear();
    }
    const std::vector<Meldung>& liste() const { return liste_; }
    std::vector<Meldung> abgeben() { return std::move(liste_); }

private:
    std::vector<Meldung> liste_;
    bool einmalig_ = false;
    std::vector<std::string> gesagt_;
};

}  // namespace kal::engine
