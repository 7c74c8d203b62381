// Acquisition: the main dialog's entries read into the case's entries, each
// number checked as a number in its range (a bad one is reported by the
// input helper, with the focus on its field) and converted into the engine's
// units. The first refused entry stops it.
#pragma once

#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "datalib/inputhelper.h"
#include "engine/berechnungsfall.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

// First bad entry of the acquisition.
struct Eingabefehler {
    int control = 0;
    int code = 0;  // 1 empty, 2 not a number, 3 out of range, 0 other (message key)
    std::string key;
};

class Erfassung {
public:
    Erfassung(const Data& data, const CIniEx& sprache, MessagePort* meldungen, InputHelper& eingabe,
              EntrySource& felder);

    // The entries in the order of the dialog; false at the first refused one.
    bool lesen(Falleingaben& e);
    const Eingabefehler& letzterFehler() const { return fehler_; }

private:
    bool leseDouble(int id, double& wert, bool leerErlaubt, double min, double max, bool* leer);
    bool leseInteger(int id, int& wert, bool leerErlaubt, int min, int max, bool* leer);
    void auswahlLesen(Falleingaben& e);
    bool spaltenUndSerienLesen(Falleingaben& e);
    bool nachrechnenPaareLesen(Falleingaben& e);
    void einheitenLesen(Falleingaben& e);
    bool temperaturenLesen(Falleingaben& e);
    bool seitenwerteLesen(Falleingaben& e);
    bool leistungLesen(Falleingaben& e);

    const Data& data_;
    const CIniEx& sprache_;
    MessagePort* meldungen_;
    InputHelper& eingabe_;
    EntrySource& felder_;
    Eingabefehler fehler_;
};

}  // namespace kal
