// Field rules of the main dialog: which entries are shown, enabled or
// forced by the mode and the media. Pure functions over the form; the
// main dialog model runs them where its handlers say.
#pragma once

#include <functional>

#include "data.h"
#include "form.h"
#include "ini.h"
#include "inputhelper.h"

namespace kal::regeln {

enum : int {
    Auslegen = 1169,
    Nachrechnen = 1171,
    Leistung = 1018,
    Sicherheit = 1029,
    TEinWarm = 1188,
    TAusWarm = 1278,
    DurchsatzWarm = 1035,
    DpWarm = 1037,
    FoulingWarm = 1039,
    GasdruckWarm = 1045,
    TEinKalt = 1277,
    TAusKalt = 1279,
    DurchsatzKalt = 1059,
    DpKalt = 1057,
    FoulingKalt = 1061,
    GasdruckKalt = 1062,
    EinheitTAusWarm = 1314,
    EinheitGasWarm = 1143,
    EinheitGasKalt = 1129,
    LabelGasdruck = 1027,
    LabelTEin = 1289,
    LabelTAus = 1290,
    ModusPlattentyp = 1015,
    Plattentyp = 1009,
    ModusSpalten = 1008,
    Spalten = 1271,
    ModusSerien = 1040,
    Serien = 1041,
    Anzahl1 = 1302,
    Spalttyp1 = 1366,
    Anzahl2 = 1335,
    Spalttyp2 = 1367,
    ErgebnisPlattentyp = 1084,
    ErgebnisSerien = 1042,
};
enum { Frei = 0, Fix = 1, Min = 2, Max = 3 };

// What the rules need to know of the dialog's state.
struct Medienzustand {
    int berechnungsart = 0;     // 0 design, 1 rating
    bool kondensation = false;  // warm medium condenses
    bool gasWarm = false, gasKalt = false;
    bool eigenesWarm = false, eigenesKalt = false;  // side uses its user-defined medium
    bool einTypJeSeite() const { return kondensation || gasWarm || gasKalt; }
};

void plattentypListe(Form& f);
void spaltenRegel(Form& f, const Medienzustand& z);
void serienRegel(Form& f, const Medienzustand& z);
void serienModusRegel(Form& f, const Medienzustand& z);  // ends with serienRegel
void spalttypenRegel(Form& f, const Medienzustand& z);
void gasdruckRegeln(Form& f, const Medienzustand& z);  // warm, cold and the shared label
// Labels and the forced kelvin unit of the subcooling; the caller then
// rebuilds the warm gaskets and runs the channel-type and passes-mode rules.
void kondensationsTexte(Form& f, const Medienzustand& z, const CIniEx& sprache);

// Mode switch to `neu` (0 design, 1 rating) from `alt`; without the rules
// that follow it (the caller runs them in their order).
void modusWechseln(Form& f, int alt, int neu);

// Empties every input field of the case (new project and open).
void eingabenLeeren(Form& f, int berechnungsart);

// Rating: channels per side := passes x (count 1 + count 2). false when
// an entry was refused (the helper has reported it).
bool spaltenJeSeiteBerechnen(Form& f, InputHelper& input);

}  // namespace kal::regeln
