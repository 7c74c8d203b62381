// The quotation file (*.kalq): several positions in one offer, each holding
// its whole project file, with the customer, the references, the terms, a
// discount and VAT, and the totals of every earlier revision. Versioned
// JSON; members this version does not know are kept and written back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kal {

constexpr int kMappenVersion = 1;
constexpr const char* kMappenFormat = "kalvoria-quotation";
// Bounds that no real quotation reaches; a file beyond them is refused
// rather than read into memory.
constexpr size_t kMappeMaxGroesse = 32u << 20;
constexpr size_t kMappeMaxPositionen = 200;
constexpr size_t kMappeMaxText = 4096;
constexpr size_t kMappeMaxZeilen = 16;
constexpr int kMappeMaxMenge = 99999;
constexpr int kMappeMaxRevision = 9999;

struct Mappenkunde {
    std::string name;
    std::vector<std::string> adresse;  // address lines below the name
    std::string kontakt;
    bool operator==(const Mappenkunde&) const = default;
};

struct Mappenbedingungen {
    std::string zahlung, lieferung, verpackung, gewaehrleistung;
    bool operator==(const Mappenbedingungen&) const = default;
};

struct Mappenposition {
    std::string projekt;  // the project file's bytes: record and offer block
    int menge = 1;
    std::string text;       // printed below the position's description
    std::string weitere;    // unknown members (JSON object text), kept
    bool dokumente = true;  // its printouts follow the letter
    bool operator==(const Mappenposition&) const = default;
};

// What an earlier revision came to, kept when the next one is made.
struct Revisionsstand {
    int revision = 0;
    std::string datum;
    long long zwischensumme = 0, gesamt = 0;  // cents
    bool operator==(const Revisionsstand&) const = default;
};

struct Angebotsmappe {
    Mappenkunde kunde;
    std::string unsereReferenz, anfrageReferenz, anfrageDatum;
    std::string datum, gueltigkeit;
    std::string sprache = "uk";  // language code of the printout
    std::string waehrung;
    int revision = 0;
    std::vector<Mappenposition> positionen;
    Mappenbedingungen bedingungen;
    int rabatt = 0;  // discount on the total, hundredths of a percent
    int mwst = 0;    // VAT rate, hundredths of a percent
    std::vector<Revisionsstand> historie;
    std::string weitere;  // unknown members (JSON object text), kept
    bool operator==(const Angebotsmappe&) const = default;
};

enum class MappenLage { Gelesen, Beschaedigt, Neuer };

struct MappeGelesen {
    MappenLage lage = MappenLage::Beschaedigt;
    std::optional<Angebotsmappe> mappe;  // set only when Gelesen
    std::string grund;                   // what is wrong, naming the member
    int version = 0;                     // the file's version when Neuer
};

std::string mappeKodieren(const Angebotsmappe& m);
// Never throws; anything but a whole quotation of this version is refused
// with the reason.
MappeGelesen mappeDekodieren(std::string_view text);

// Takes the members present in the JSON object `text` (those of the file
// without its positions and history: customer, references, dates,
// language, currency, terms, discount, VAT); false with the reason, and
// `m` unchanged, when one is wrong.
bool mappeErgaenzen(Angebotsmappe& m, std::string_view text, std::string& grund);

// Base64 (RFC 4648, with padding) of the project bytes.
std::string basis64(std::string_view bytes);
std::optional<std::string> ausBasis64(std::string_view text);

// Whether `bytes` is a project file the program opens: a whole record of
// this version, and no more after it than an offer block can take.
bool projektBytesGueltig(std::string_view bytes);

}  // namespace kal
