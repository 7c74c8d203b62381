// The plate arrangement plan: every plate of the pack from the fixed frame
// plate to the pressure plate, its orientation, open ports and the channel
// behind it, the turning plates between passes and the end plate.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ports/ports.h"

namespace kal {

class CDialogProjektDaten;

// The eight values the plan is printed from.
struct Plattenlegeangaben {
    std::string abschnitt = "plattenlegeplan";
    int serien = 1;
    int spaltenGesamt = 0;
    std::array<int, 2> anzahl{};    // warm channels per pass of the two channel types
    std::array<int, 2> spalttyp{};  // their list positions, -1 none
    int endplatte = 0;              // the plate type closes the pack with an end plate
    std::string geraetekennstring, preisCode;
};

// One plate; its port holes are numbered as the frame plate's nozzles F1
// (top left), F2 (top right), F3 (bottom right), F4 (bottom left).
struct Platte {
    int nummer = 0;
    char lage = 'A';  // A, or B turned by 180 degrees
    std::array<bool, 4> offen{true, true, true, true};
    int kanalSeite = -1;     // channel behind the plate: 0 warm, 1 cold, -1 none (last plate)
    int kanalSpalttyp = -1;  // its channel type position
    int serie = 0;           // pass of that channel, 1-based
    bool umlenkplatte = false;
    bool endplatte = false;
};

// The pack plate by plate; empty when the values do not describe a pack
// (channels not divisible into the passes, counts not matching).
std::vector<Platte> plattenliste(const Plattenlegeangaben& a);

// Prints the plan: a drawing of the pack above the table of its plates;
// false when the device fails or the values describe no pack.
bool druckePlattenlegeplan(PageDevice& dc, const CDialogProjektDaten& kopf,
                           const Plattenlegeangaben& a);

}  // namespace kal
