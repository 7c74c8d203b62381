// The offer kept with a project: one versioned UTF-8 JSON block after the
// fixed record, behind the marker line "KALVORIA-OFFER <version> <length>".
// A project without an offer has no block, so its file is the bare record.
// Readers of the record never look past its 1660 bytes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kal {

constexpr int kAngebotVersion = 1;
constexpr const char* kAngebotMarke = "KALVORIA-OFFER";
// Larger blocks are not read: a real offer is a few kilobytes.
constexpr size_t kAngebotMaxGroesse = 1u << 20;
constexpr size_t kAngebotMaxEintraege = 4096;
constexpr size_t kAngebotMaxText = 4096;

// One control's stored state, by the control's name: the selected item's
// value and text of a list (a list is matched by both), an edit's text,
// a check box's state.
struct AngebotsEintrag {
    std::string feld;
    std::optional<int> wert;
    std::string text;
    std::optional<bool> an;
    bool operator==(const AngebotsEintrag&) const = default;
};

// A further operating point: the main window's entries that differ from
// point to point, as typed there (C number format, the window's units).
enum PunktFeld {
    PunktDurchsatzWarm,
    PunktDurchsatzKalt,
    PunktTEinWarm,
    PunktTAusWarm,
    PunktTEinKalt,
    PunktTAusKalt,
    PunktLeistung,
    PunktSicherheit,
    PunktDruckverlustWarm,
    PunktDruckverlustKalt,
    kPunktFelder
};
using Betriebspunkt = std::array<std::string, kPunktFelder>;
// The member names of a stored point, by PunktFeld.
extern const char* const kPunktFeldNamen[kPunktFelder];
// More points than a window shows make no design; a longer entry is no number.
constexpr size_t kMaxWeiterePunkte = 11;
constexpr size_t kPunktMaxText = 64;

struct AngebotsBlock {
    int revision = 0;
    std::string revisionsdatum;
    // the page header's project data
    std::string kunde, projekt, position, sachbearbeiter, telefon, datum;
    // what identifies the pack the choices were made for; choices made for
    // another pack are never applied
    std::string paket;
    std::vector<AngebotsEintrag> komplettierung;
    std::vector<AngebotsEintrag> spezifikation;
    std::vector<std::string> berechneteFelder;  // main-window fields computed, not typed
    // The operating points after the main window's own (none: written as
    // before there were points).
    std::vector<Betriebspunkt> betriebspunkte;
    // Members this version does not know (a later addition of the same
    // version), as a JSON object text: kept and written back unchanged.
    std::string weitere;
    bool operator==(const AngebotsBlock&) const = default;
};

enum class AngebotsLage {
    Keins,        // no bytes after the record
    Gelesen,      // a block of this version, read
    Beschaedigt,  // bytes that are no readable block: ignored
    Neuer,        // a block of a later version: ignored
};

struct AngebotGelesen {
    AngebotsLage lage = AngebotsLage::Keins;
    std::optional<AngebotsBlock> block;  // set only when Gelesen
    int version = 0;                     // the block's version when Neuer
    // The points member was unreadable: the block was read without it.
    bool punkteBeschaedigt = false;
};

// A block holding nothing but operating points: no offer was begun.
bool nurBetriebspunkte(const AngebotsBlock& b);

// Marker line, JSON text and a closing newline.
std::string angebotKodieren(const AngebotsBlock& b);

// False when the JSON text nests deeper than `maxTiefe` outside its strings,
// so that a hostile run of brackets is refused before it is parsed.
bool jsonFlachGenug(std::string_view text, int maxTiefe);
// The bytes after the record. Never throws; whatever the bytes, the
// record stays readable.
AngebotGelesen angebotDekodieren(std::string_view rest);

}  // namespace kal
