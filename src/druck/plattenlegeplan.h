// The plate arrangement plan: every plate of the pack from the fixed frame
// plate to the pressure plate, its orientation and pattern, its open port
// holes and the channel behind it, the turning plates between passes and
// the end plate, all following the nozzle arrangement of the completion.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ports/ports.h"

namespace kal {

class CDialogProjektDaten;

// The values the plan is printed from: the eight of the pack, then the
// nozzle arrangement and the channel-type names it is built with.
struct Plattenlegeangaben {
    std::string abschnitt = "plattenlegeplan";
    int serien = 1;
    int spaltenGesamt = 0;
    std::array<int, 2> anzahl{};    // warm channels per pass of the two channel types
    std::array<int, 2> spalttyp{};  // their list positions, -1 none
    int endplatte = 0;              // the plate type closes the pack with an end plate
    std::string geraetekennstring, preisCode;
    // the completion's nozzle arrangement: the media's paths ("F1 => P1")
    // and drain/vent nozzles ("F4, P4"; " --" for none)
    std::string belegungMediumWarm, belegungMediumKalt;
    std::string belegungEntleerungWarm, belegungEntleerungKalt;
    // the library's channel-type names by list position; the two letters
    // of a name are the patterns of the channel's first and second plate
    std::vector<std::string> spalttypNamen;
};

// Port holes are numbered as the frame plate's nozzles F1 (top left), F2
// (top right), F3 (bottom right), F4 (bottom left); index 0 to 3 here.
struct Stutzenanordnung {
    bool bekannt = false;  // false: the arrangement's texts name no warm inlet
    int warmEintritt = 0;  // hole of the warm inlet at the frame plate
    std::array<bool, 4> gestellplatte{}, druckplatte{};  // holes with a nozzle
    bool eintrittOben() const { return warmEintritt < 2; }
    // The warm medium's holes: the inlet and the one below or above it.
    bool warmLoch(int loch) const { return loch == warmEintritt || loch == 3 - warmEintritt; }
};
Stutzenanordnung stutzenanordnung(const Plattenlegeangaben& a);

struct Platte {
    int nummer = 0;
    char lage = 'A';    // A, or B turned by 180 degrees
    char muster = '?';  // pattern (H, M, L); '?' when the names do not tell
    std::array<bool, 4> offen{true, true, true, true};
    int kanalSeite = -1;     // channel behind the plate: 0 warm, 1 cold, -1 none (last plate)
    int kanalSpalttyp = -1;  // its channel type position, -1 unknown
    std::string kanalName;   // its name (the patterns of its two plates)
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
