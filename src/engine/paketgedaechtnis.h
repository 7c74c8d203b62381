// What the evaluations of one pack share while the design search is on it.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "engine/konstanten.h"

namespace kal::engine {

// Every configuration of a pack starts its flow split from the same even share per channel,
// meets the same wall temperatures, and the search meets every split of a
// mixed pair twice (i with j, later j with i): what repeats is kept here,
// with the inputs it was found for.
class Paketgedaechtnis {
public:
    enum Urteil : unsigned char { Offen, Abgelehnt, Aussichtslos };  // hopeless: warm-only bound
    // One channel type at the even share of its side.
    struct Gleichanteil {
        bool berechnet = false, ok = false;
        double durchsatz = 0, muWand = 0, dp = 0, re = 0, v = 0;
    };
    struct Wand {
        bool berechnet = false;
        double t = 0, mu = 0;
    };

    // Empty for a pack of q channels per pass (verdicts only when it mixes);
    // aktiv until verlassen().
    void neuesPaket(int q, bool mischen) {
        aktiv_ = true;
        q_ = q;
        if (mischen)
            urteile_.assign(static_cast<size_t>(kAnzahlSpalttypen * kAnzahlSpalttypen * (q + 1)),
                            Offen);
        gleich_ = {};
        wand_ = {};
    }
    void verlassen() { aktiv_ = false; }
    bool aktiv() const { return aktiv_; }

    // The verdict on ni channels of type i and the rest of the pass of type j.
    Urteil& urteil(int i, int ni, int j) {
        if (i > j) std::swap(i, j), ni = q_ - ni;
        return urteile_[static_cast<size_t>((i * kAnzahlSpalttypen + j) * (q_ + 1) + ni)];
    }
    Gleichanteil& gleichanteil(int seite, int typ) {
        return gleich_[static_cast<size_t>(seite)][static_cast<size_t>(typ)];
    }
    Wand& wand(int seite) { return wand_[static_cast<size_t>(seite)]; }

private:
    bool aktiv_ = false;
    int q_ = 0;
    std::vector<Urteil> urteile_;
    std::array<std::array<Gleichanteil, kAnzahlSpalttypen>, kAnzahlSeiten> gleich_{};
    std::array<Wand, kAnzahlSeiten> wand_{};
};

}  // namespace kal::engine
