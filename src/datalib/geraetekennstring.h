// CGeraeteKennstring: the device identification string of a completed
// offer item, read like a maker's order code and decodable back into the
// device choices it was built from.
//
// Layout (format 4), segments joined by '-':
//   KX08-25-1P-316-PN10-EPDMHT-G1D-12ML-A17.A23[-RAL]
//   plate type name without blanks, plates, passes + "P", plate material
//   code, "PN" + design pressure, gasket code (warm "." cold when they
//   differ), "G" + frame material id + "D" (DIN) or "A" (ASME), channel
//   count and type name of the warm side (two types joined by '+'),
//   "A" + connection id warm "." "A" + connection id cold (0: none), and
//   "RAL" when the device is specially painted.
// Plates = 2 x channels per pass x passes + 1. A code or name that holds a
// separator or a blank cannot be read back, so no string is built for it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "datalib/data.h"

class CGeraeteKennstring {
public:
    // The only layout this builder writes; the completion dialog asks for it.
    static constexpr int kFormat = 4;

    struct Angaben {
        int plattentyp = 0;  // object ids
        int materialPlatte = 0, druckstufe = 0, dichtungWarm = 0, dichtungKalt = 0;
        int gestellVariante = 0;  // 0 DIN, 1 ASME
        int gestell = 0;
        std::array<int, 2> spalttyp{-1, -1};  // warm side channel type positions, -1 none
        std::array<int, 2> anzahl{};          // their channels per pass
        int serien = 0;
        int format = kFormat;
        int anschlussWarm = 0, anschlussKalt = 0;  // connection object ids, 0 none
        int lackierung = 0;                        // 1: special painting
        bool operator==(const Angaben&) const = default;
    };

    explicit CGeraeteKennstring(const Data& data) : data_(data) {}

    void laden(const Angaben& a) { angaben_ = a; }
    void setAnschluss(int seite, int objektId) {
        (seite == 0 ? angaben_.anschlussWarm : angaben_.anschlussKalt) = objektId;
    }
    void setLackierung(int flag) { angaben_.lackierung = flag; }
    const Angaben& angaben() const { return angaben_; }

    // The string; empty when a choice is unknown to the data or cannot be
    // written unambiguously.
    std::string GeraeteKennstringErzeugen() const;

    // The choices a string was built from; nullopt when it is not one.
    static std::optional<Angaben> zerlegen(const Data& data, const std::string& kennstring);

private:
    const Data& data_;
    Angaben angaben_;
};
