// The channel types at the role positions checked against every other type.
#include "datalib/spalttyprollen.h"

#include <algorithm>

#include "datalib/format.h"

namespace {
// Reynolds numbers a channel may see, from a viscous oil creeping through a
// wide gap to a fast gas: wider than the tables' fitted ranges.
constexpr double kReMin = 0.1;
constexpr double kReMax = 1e5;
constexpr int kPunkteJeDekade = 20;
// Bounds are probed on either side: the range changes just above a bound.
constexpr double kUeberGrenze = 1.0 + 1e-9;
// Equal laws (a type and its mirror image) are no breach.
constexpr double kGleich = 1e-12;

using K = SpalttypKorrelation;

// Log grid of the range and both sides of every range bound of two tables.
std::vector<double> reynoldsPunkte(const K& a, const K& b) {
    std::vector<double> re;
    const int n = static_cast<int>(std::lround(std::log10(kReMax / kReMin) * kPunkteJeDekade));
    for (int i = 0; i <= n; ++i)
        re.push_back(kReMin * std::pow(10.0, static_cast<double>(i) / kPunkteJeDekade));
    for (const K* k : {&a, &b})
        for (const auto* grenzen : {&k->alphaReGrenze, &k->druckReGrenze})
            for (size_t j = 0; j < K::kReGrenzen; ++j)
                if ((*grenzen)[j] > kReMin && (*grenzen)[j] < kReMax) {
                    re.push_back((*grenzen)[j]);
                    re.push_back((*grenzen)[j] * kUeberGrenze);
                }
    std::sort(re.begin(), re.end());
    return re;
}

// First Reynolds number where `verletzt` holds; negative when none.
template <class F>
double ersteVerletzung(const K& a, const K& b, F verletzt) {
    for (double re : reynoldsPunkte(a, b))
        if (verletzt(re)) return re;
    return -1.0;
}
}  // namespace

std::vector<std::string> pruefeSpalttypRollen(const Data& data) {
    std::vector<std::string> befunde;
    const SpalttypListe& typen = data.getSpalttypListe();
    if (typen.getSize() != kAnzahlSpalttypen) return befunde;  // the loader reports that
    auto name = [&](int t) { return typen.internalGetAt(t)->getName(); };
    for (const PlattentypA& p : data.getPlattentypAListe().alle()) {
        auto tabelle = [&](int t) {
            return typen.internalGetAt(t)->korrelation(p.getWellenwinkel(t));
        };
        const K* stark = tabelle(kSpalttypStaerkster);
        const K* glatt = tabelle(kSpalttypGlattester);
        auto befund = [&](int t, const char* law, const char* richtung, int rolle, double re,
                          const char* wozu) {
            befunde.push_back(kal::formatiere(
                "spalttypen.json: %s: %s of %s (position %d) %s that of %s (position %d) at "
                "Re %g: %s",
                p.getName().c_str(), law, name(t).c_str(), t, richtung, name(rolle).c_str(), rolle,
                re, wozu));
        };
        for (int t = 0; t < kAnzahlSpalttypen; ++t) {
            const K* k = tabelle(t);
            if (!k) continue;  // the loader reports a missing table
            if (stark && t != kSpalttypStaerkster) {
                const double re = ersteVerletzung(*k, *stark, [&](double r) {
                    return k->nusseltRe(r) > stark->nusseltRe(r) * (1.0 + kGleich);
                });
                if (re >= 0)
                    befund(t, "Nusselt law", "above", kSpalttypStaerkster, re,
                           "the quick screening needs the strongest type there");
            }
            if (glatt && t != kSpalttypGlattester && !p.getTrevanberechnung()) {
                const double re = ersteVerletzung(*k, *glatt, [&](double r) {
                    return k->reibungRe(r) < glatt->reibungRe(r) * (1.0 - kGleich);
                });
                if (re >= 0)
                    befund(t, "friction law", "below", kSpalttypGlattester, re,
                           "the channel-count bound needs the least-friction type there");
            }
        }
    }
    return befunde;
}
