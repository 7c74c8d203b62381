// The construction data sheet: a dimensioned drawing of the unit (front and
// side view with its nozzles) above the data of the pack, the frame and
// the connections.
#pragma once

#include <string>

#include "datalib/data.h"
#include "ports/ports.h"

namespace kal {

class CDialogProjektDaten;

// The nineteen values the sheet is printed from, in their order.
struct Konstruktionsangaben {
    const Data* data = nullptr;
    std::string abschnitt = "kondatenblatt";
    int serien = 1;
    int spaltenGesamt = 0;
    std::string geraetekennstring, preisCode;
    int plattentyp = 0;
    int druckstufe = 0;
    int masseInMm = 1;  // 1 mm, 0 inch
    int gestellVariante = 0;
    int materialPlatte = 0;
    std::string anschlussTextWarm, belegungMediumWarm, anschlussTextKalt, belegungMediumKalt;
    std::string entleerungTextWarm, nennweiteTextWarm, entleerungTextKalt, nennweiteTextKalt;
};

// Frame dimensions in mm of the pack the values describe (0 where the data
// has none).
struct Gestellmasse {
    double hoehe = 0.0, breite = 0.0, laenge = 0.0;
    double stutzenHorizontal = 0.0, stutzenVertikal = 0.0;
};
Gestellmasse gestellmasse(const Konstruktionsangaben& a);

// A length in mm as the sheet prints it: "%.0f mm", or inches "%.1f in".
std::string massText(double mm, bool inMm);

bool druckeKonstruktionsdatenblatt(PageDevice& dc, const CDialogProjektDaten& kopf,
                                   const Konstruktionsangaben& a);

}  // namespace kal
