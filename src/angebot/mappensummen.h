// The money of a quotation: amounts in whole cents, rounded half up as the
// net prices are, so that the printed figures add up exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kal {

// What a position contributes: its unit price (none while the offer is
// incomplete), quantity and delivery time in weeks (none: on request).
struct Positionspreis {
    std::optional<long long> einzelpreis;  // cents
    int menge = 1;
    std::optional<int> lieferzeit;
};

struct Mappensummen {
    std::vector<std::optional<long long>> positionen;  // unit price x quantity
    long long zwischensumme = 0, rabatt = 0, netto = 0, mwst = 0, gesamt = 0;
    bool vollstaendig = true;  // every position has a price
    // the longest delivery time of the positions that give one; `aufAnfrage`
    // when one of them gives none
    int lieferzeit = 0;
    bool aufAnfrage = false;
};

// An amount in cents, half up; negative and non-finite amounts give none.
std::optional<long long> cent(double betrag);
// `hundertstel` hundredths of a percent of `betrag` cents, half up.
long long anteil(long long betrag, int hundertstel);
// `rabatt` and `mwst` in hundredths of a percent.
Mappensummen summieren(const std::vector<Positionspreis>& positionen, int rabatt, int mwst);
// "1234.56"; the language's decimal comma with `komma`.
std::string centText(long long betrag, bool komma = false);
// "19", "2.5" for hundredths of a percent.
std::string prozentText(int hundertstel, bool komma = false);

}  // namespace kal
