#include "angebot/mappensummen.h"

#include <algorithm>
#include <cmath>

namespace kal {

std::optional<long long> cent(double betrag) {
    if (!std::isfinite(betrag) || betrag < 0.0 || betrag > 1e15) return std::nullopt;
    // a typed 12.345 is 1234.4999... cents in binary: the tolerance makes it
    // round as the decimal it was written as
    const double c = betrag * 100.0;
    return static_cast<long long>(std::floor(c + 0.5 + std::max(1.0, c) * 1e-12));
}

long long anteil(long long betrag, int hundertstel) {
    // split so that the product cannot overflow: b = q 10000 + r
    const long long q = betrag / 10000, r = betrag % 10000;
    return q * hundertstel + (r * hundertstel + 5000) / 10000;
}

Mappensummen summieren(const std::vector<Positionspreis>& positionen, int rabatt, int mwst) {
    Mappensummen s;
    bool irgendeine = false;
    for (const Positionspreis& p : positionen) {
        if (p.einzelpreis) {
            s.positionen.push_back(*p.einzelpreis * p.menge);
            s.zwischensumme += *p.einzelpreis * p.menge;
        } else {
            s.positionen.push_back(std::nullopt);
            s.vollstaendig = false;
        }
        if (p.lieferzeit) {
            s.lieferzeit = std::max(s.lieferzeit, *p.lieferzeit);
            irgendeine = true;
        } else {
            s.aufAnfrage = true;
        }
    }
    if (!irgendeine) s.lieferzeit = 0;
    s.rabatt = anteil(s.zwischensumme, rabatt);
    s.netto = s.zwischensumme - s.rabatt;
    s.mwst = anteil(s.netto, mwst);
    s.gesamt = s.netto + s.mwst;
    return s;
}

std::string centText(long long betrag, bool komma) {
    const bool negativ = betrag < 0;
    const unsigned long long b = negativ ? 0ULL - static_cast<unsigned long long>(betrag)
                                         : static_cast<unsigned long long>(betrag);
    std::string t = std::to_string(b / 100) + (komma ? "," : ".");
    const unsigned long long c = b % 100;
    t += static_cast<char>('0' + c / 10);
    t += static_cast<char>('0' + c % 10);
    return negativ ? "-" + t : t;
}

std::string prozentText(int hundertstel, bool komma) {
    std::string t = std::to_string(hundertstel / 100);
    if (int rest = hundertstel % 100; rest != 0) {
        t += komma ? ',' : '.';
        t += static_cast<char>('0' + rest / 10);
        if (rest % 10) t += static_cast<char>('0' + rest % 10);
    }
    return t;
}

}  // namespace kal
