// The project file: 82 fixed-width text fields (80 of 20 bytes, 2 of 30),
// 1660 bytes, no header or separators. A text shorter than its field is
// followed by a zero byte; the bytes after it are zero.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "datalib/dateiausgabe.h"

namespace kal {

constexpr int kProjektFelder = 82;
constexpr int kProjektNamenBreite = 30;  // the user-defined media's names
constexpr int kProjektGroesse = 1660;
constexpr const char* kProjektVersion = "3.3";

// Field numbers as in the file layout (1-based).
enum ProjektFeld : int {
    PF_Version = 1,
    PF_Sicherheitsplatte = 2,
    PF_EigenesMediumWerte = 3,  // 3..26: six groups of value warm, value cold, unit warm, unit cold
    PF_NameWarm = 27,
    PF_NameKalt = 28,
    PF_GasWarm = 29,
    PF_GasKalt = 30,
    PF_GespeichertWarm = 31,
    PF_GespeichertKalt = 32,
    PF_BenutztWarm = 33,
    PF_BenutztKalt = 34,
    PF_Leistung = 35,
    PF_LeistungEinheit = 36,
    PF_Sicherheit = 37,
    PF_MediumWarm = 38,
    PF_MediumKalt = 39,
    PF_TEinWarm = 40,  // 40..63: text and unit position pairs
    PF_Plattenmaterial = 64,
    PF_DichtungWarm = 65,
    PF_DichtungKalt = 66,
    PF_Gestell = 67,
    PF_GestellNorm = 68,
    PF_Druckstufe = 69,
    PF_PlattentypModus = 70,
    PF_Plattentyp = 71,
    PF_SpaltenModus = 72,
    PF_Spalten = 73,
    PF_SerienModus = 74,
    PF_Serien = 75,
    PF_Anzahl1 = 76,
    PF_Spalttyp1 = 77,
    PF_Anzahl2 = 78,
    PF_Spalttyp2 = 79,
    PF_Modus = 80,
    PF_Millimeter = 81,
    PF_US = 82,
};

int projektFeldBreite(int feld);  // 20 or 30
int projektFeldOffset(int feld);  // byte offset

class ProjektInhalt {
public:
    const std::string& feld(int nr) const { return felder_.at(static_cast<size_t>(nr - 1)); }
    // Stores at most the field's width; a longer text is cut at a character
    // boundary (UTF-8), so no half character is ever written.
    void setzeFeld(int nr, const std::string& text);
    void setzeInt(int nr, int wert);
    int intFeld(int nr) const;        // C conversion, 0 for no number
    double doubleFeld(int nr) const;  // C conversion, 0 for no number

    std::string kodieren() const;  // exactly kProjektGroesse bytes
    // nullopt unless the bytes are a project file of this format (size and
    // version field).
    static std::optional<ProjektInhalt> dekodieren(const std::string& bytes);

private:
    std::array<std::string, kProjektFelder> felder_{};
};

// "%f" of the value when it fits 20 bytes and reads back as the same number;
// otherwise the shortest form that fits and does.
std::string projektZahlText(double wert);

// Reads a file; nullopt when it cannot be opened or read. Reading stops
// once more than `maxGroesse` bytes were read, so a huge file is never
// loaded whole (the caller sees it is too long).
std::optional<std::string> dateiLesen(const std::string& pfad, size_t maxGroesse);

}  // namespace kal
