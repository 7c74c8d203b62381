#include "projekt/projektdatei.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "datalib/format.h"
#include "ports/form.h"

namespace kal {

int projektFeldBreite(int feld) {
    return (feld == PF_NameWarm || feld == PF_NameKalt) ? kProjektNamenBreite : 20;
}

int projektFeldOffset(int feld) {
    // fields 1..26 are 20 bytes, 27 and 28 are 30, the rest 20 again
    if (feld <= 27) return (feld - 1) * 20;
    if (feld == 28) return 26 * 20 + 30;
    return 26 * 20 + 60 + (feld - 29) * 20;
}

void ProjektInhalt::setzeFeld(int nr, const std::string& text) {
    felder_.at(static_cast<size_t>(nr - 1)) = aufLaengeGekuerzt(text, projektFeldBreite(nr));
}

void ProjektInhalt::setzeInt(int nr, int wert) { setzeFeld(nr, formatiere("%i", wert)); }

int ProjektInhalt::intFeld(int nr) const { return textZuInt(feld(nr)); }

double ProjektInhalt::doubleFeld(int nr) const { return textZuDouble(feld(nr)); }

std::string ProjektInhalt::kodieren() const {
    std::string out(kProjektGroesse, '\0');
    for (int nr = 1; nr <= kProjektFelder; ++nr) {
        const std::string& t = feld(nr);
        std::memcpy(out.data() + projektFeldOffset(nr), t.data(),
                    std::min(t.size(), static_cast<size_t>(projektFeldBreite(nr))));
    }
    return out;
}

std::optional<ProjektInhalt> ProjektInhalt::dekodieren(const std::string& bytes) {
    if (bytes.size() != static_cast<size_t>(kProjektGroesse)) return std::nullopt;
    ProjektInhalt p;
    for (int nr = 1; nr <= kProjektFelder; ++nr) {
        const char* start = bytes.data() + projektFeldOffset(nr);
        size_t breite = static_cast<size_t>(projektFeldBreite(nr));
        const void* null = std::memchr(start, '\0', breite);
        size_t laenge = null ? static_cast<size_t>(static_cast<const char*>(null) - start) : breite;
        p.felder_[static_cast<size_t>(nr - 1)].assign(start, laenge);
    }
    if (p.feld(PF_Version) != kProjektVersion) return std::nullopt;
    return p;
}

namespace {
// Forms of one value with `stellen` significant digits: the usual "%g",
// with a compact exponent ("e17" for "e+17"), and with an integer mantissa
// ("12345e12"); all read back by the C conversion.
void kandidaten(double wert, int stellen, std::string out[3]) {
    out[0] = formatiere("%.*g", stellen, wert);
    // "0.00" and 17 digits are one byte too many; ".00" reads back the same
    const size_t vorzeichen = out[0][0] == '-' ? 1 : 0;
    if (out[0].size() > 20 && out[0].compare(vorzeichen, 2, "0.") == 0) out[0].erase(vorzeichen, 1);
    std::string e = formatiere("%.*e", stellen - 1, wert);  // d.ddddde+XX
    size_t pe = e.find('e');
    std::string mant = e.substr(0, pe);
    int exp = std::atoi(e.c_str() + pe + 1);
    out[1] = mant + "e" + std::to_string(exp);
    std::string ziffern;
    for (char c : mant)
        if (c != '.') ziffern += c;
    out[2] = ziffern + "e" + std::to_string(exp - (stellen - 1));
}
}  // namespace

std::string projektZahlText(double wert) {
    std::string s = formatiere("%f", wert);
    if (s.size() <= 20 && textZuDouble(s) == wert) return s;
    std::string kuerzeste, naechste;
    double abstand = -1.0;
    for (int stellen = 1; stellen <= 17; ++stellen) {
        std::string k[3];
        kandidaten(wert, stellen, k);
        for (const std::string& t : k) {
            if (t.size() > 20) continue;
            double zurueck = textZuDouble(t);
            if (zurueck == wert) {
                if (kuerzeste.empty() || t.size() < kuerzeste.size()) kuerzeste = t;
            } else if (std::isfinite(zurueck) &&
                       (abstand < 0 || std::fabs(zurueck - wert) < abstand)) {
                abstand = std::fabs(zurueck - wert);
                naechste = t;
            }
        }
        if (!kuerzeste.empty()) return kuerzeste;
    }
    // 17 significant digits with a three-digit exponent cannot fit 20 bytes:
    // the closest finite form that fits.
    return naechste;
}

std::optional<std::string> dateiLesen(const std::string& pfad, size_t maxGroesse) {
    std::ifstream in(pfad, std::ios::binary);
    if (!in) return std::nullopt;
    std::string inhalt;
    char puffer[4096];
    while (in) {
        in.read(puffer, sizeof puffer);
        inhalt.append(puffer, static_cast<size_t>(in.gcount()));
        if (inhalt.size() > maxGroesse) break;  // enough to tell it is too long
    }
    if (in.bad()) return std::nullopt;
    return inhalt;
}

}  // namespace kal
