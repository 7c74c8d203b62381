#include "engine/anschluesse.h"

#include <cmath>

#include "datalib/format.h"

namespace kal::engine::anschluss {

namespace {
const std::string kGummiformteil = "gummiformteil";
const std::string kBohrbild = "bohrbild";
const std::string kTitan = "titan";
const std::string kPolypropylen = "polypropylen";

bool beginntMit(const std::string& text, const std::string& anfang) {
    return text.compare(0, anfang.size(), anfang) == 0;
}

// The material names of the data are spelled in either case ("Titan",
// "titan"): compared in lower case.
bool istTitan(const std::string& material) { return beginntMit(klein(material), kTitan); }
bool istPolypropylen(const std::string& material) { return klein(material) == kPolypropylen; }

bool materialErlaubt(const AnschlussU& a, const Seitenfilter& s) {
    const std::string& art = a.getArt();
    if (klein(s.plattenmaterial) == kTitan && art != kBohrbild)
        return istTitan(a.getMaterial()) || istPolypropylen(a.getMaterial()) ||
               art == kGummiformteil;
    return !istPolypropylen(a.getMaterial()) && !istTitan(a.getMaterial());
}

bool geschwindigkeitErlaubt(const AnschlussU& a, const Seitenfilter& s) {
    double q = a.getFreierQuerschnitt();
    // a connection without a cross-section carries no flow at all
    if (!(q > 0.0) || !std::isfinite(q)) return false;
    return s.volumenstrom / q <= s.vStutzenMax;
}
}  // namespace

std::string klein(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string ohneHt(const std::string& dichtung) {
    std::string aus;
    const std::string k = klein(dichtung);
    for (size_t i = 0; i < dichtung.size();) {
        if (k.compare(i, 3, " ht") == 0) {
            i += 3;
            continue;
        }
        aus += dichtung[i++];
    }
    return aus;
}

Regel pruefe(const AnschlussU& a, const Seitenfilter& s) {
    if (a.getZulaessig() == 0) return Regel::Zulaessig;
    if (a.getDruckstufeZulaessig(s.druckstufe) == 0) return Regel::Druckstufe;
    if (a.getPlattentypZulaessig(s.plattentyp) == 0) return Regel::Plattentyp;
    if ((a.getDIN() != 0) != s.din) return Regel::Norm;
    if ((s.serien == 1 ? a.getEinwegZulaessig() : a.getMehrwegZulaessig()) == 0) return Regel::Wege;
    if (!geschwindigkeitErlaubt(a, s)) return Regel::Stutzengeschwindigkeit;
    if (a.getArt() == kGummiformteil && klein(a.getMaterial()) != klein(ohneHt(s.dichtung)))
        return Regel::Gummiformteil;
    if (!materialErlaubt(a, s)) return Regel::Material;
    if (istPolypropylen(a.getMaterial()) && s.tMax > kPolypropylenMaxTemp)
        return Regel::Polypropylen;
    return Regel::Behalten;
}

std::string listenText(const AnschlussU& a, const CIniEx& sprache) {
    auto text = [&](const std::string& k) { return sprache.GetValue("anschluesse", k, k); };
    return formatiere("%s, %s, %s, %s", text(a.getArt()).c_str(), a.getNomDurchmesser().c_str(),
                      text(a.getMaterial()).c_str(), text(a.getBemerkung()).c_str());
}

Belegung belegung(Eintritt eintritt, int serien, bool entleerungsstutzen) {
    // One row of the arrangement: medium paths, drain/vent nozzles, variant.
    struct Zeile {
        const char *warm, *kalt, *entlWarm, *entlKalt;
        int variante;
    };
    // rows: one pass, two passes, even from four, odd from three
    static const Zeile kOben[4] = {{"F1 => F4", "F3 => F2", "", "", 0},
                                   {"F1 => P1", "P2 => F2", "F4", "F3", 2},
                                   {"F1 => P1", "P2 => F2", "F4, P4", "F3, P3", 2},
                                   {"F1 => P4", "P3 => F2", "F4, P1", "F3, P2", 1}};
    static const Zeile kUnten[4] = {{"F4 => F1", "F2 => F3", "", "", 0},
                                    {"F4 => P4", "P3 => F3", "F1", "F2", 3},
                                    {"F4 => P4", "P3 => F3", "F1, P1", "F2, P2", 3},
                                    {"F4 => P1", "P2 => F3", "F1, P4", "F2, P3", 1}};
    int zeile = serien <= 1 ? 0 : serien == 2 ? 1 : serien % 2 == 0 ? 2 : 3;
    const Zeile& z = (eintritt == Eintritt::Oben ? kOben : kUnten)[zeile];
    Belegung b;
    b.mediumWarm = z.warm;
    b.mediumKalt = z.kalt;
    // "no drain nozzles" reads " --" at the top and " -- " at the bottom
    b.entleerungWarm = b.entleerungKalt = eintritt == Eintritt::Oben ? " --" : " -- ";
    if (entleerungsstutzen && z.variante > 0) {
        b.entleerungWarm = z.entlWarm;
        b.entleerungKalt = z.entlKalt;
        b.varianteWarm = b.varianteKalt = z.variante;
    }
    return b;
}

bool kombinationVerboten(const std::string& plattentypName, const std::string& artWarm,
                         const std::string& artKalt) {
    const std::string w = klein(artWarm), k = klein(artKalt);
    auto paar = [&](const char* a, const char* b) {
        return (w == a && k == b) || (w == b && k == a);
    };
    if (plattentypName == "KX 04" || plattentypName == "KX 08")
        return paar("flansch am rohr", "flansch am rohr") ||
               paar("flansch am rohrbogen", "flansch am rohrbogen") ||
               paar("flansch am rohr", "außengewinde") || paar("flansch am rohr", "innengewinde");
    if (plattentypName == "KX 14" || plattentypName == "KX 20")
        return paar("flansch am rohr", "flansch am rohr") ||
               paar("gummiformteil", "gummiformteil") || paar("auskleidung", "auskleidung") ||
               paar("auskleidung", "gummiformteil");
    return false;
}

}  // namespace kal::engine::anschluss
