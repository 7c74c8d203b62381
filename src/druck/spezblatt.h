// The printed specification sheet: the data sheet dialog's fields as they
// stand, below the page header in five framed sections (process data,
// fluid properties, performance data, design, remark) and an optional note.
#pragma once

#include <string>

#include "datalib/ini.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

class CDialogProjektDaten;

// What the sheet needs besides the dialog's fields.
struct Spezblattangaben {
    std::string geraetekennstring, preisCode;
    bool kondensation = false;  // the warm side condenses
    bool gasWarm = false, gasKalt = false;
    bool eigenesWarm = false, eigenesKalt = false;  // user-defined media
    bool werksmodus = false;
    int entleerungVarianteWarm = 0, entleerungVarianteKalt = 0;
    std::string entleerungTextWarm, nennweiteTextWarm, entleerungTextKalt, nennweiteTextKalt;
};

// The sheet's columns, each a fraction of the printable width (truncated);
// where the texts of a sheet need more room, its columns move apart.
struct Spezspalten {
    int links, einheitWarm, wertWarm, mitte, einheitKalt, wertKalt, unterspalte, rahmenRechts;
    explicit Spezspalten(int breite);
};

// Prints the sheet; a section that does not fit the page continues on the
// next one below the header. No text reaches the next one of its row: the
// columns make room for the widest unit labels and values, and a text
// that still does not fit is set smaller; long connection texts, media
// names and remarks wrap. false when the device fails.
bool druckeSpezifikationsblatt(PageDevice& dc, const CIniEx& sprache,
                               const CDialogProjektDaten& kopf, const Form& felder,
                               const Spezblattangaben& a);

}  // namespace kal
