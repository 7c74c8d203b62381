#include "validierung.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "datalib/format.h"

namespace kaltest::validierung {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Relative tolerances of the data against a reference.
const std::map<std::string, double> kToleranz = {
    {"dichte", 0.01},      {"waermekapazitaet", 0.02},
    {"viskositaet", 0.05}, {"waermeleitfaehigkeit", 0.05},
    {"dampfdruck", 0.01},  {"kondensationsenthalpie", 0.01}};
constexpr double kToleranzXi = 0.05, kToleranzNu = 0.03;
// Plate types with their own correlation fit three Reynolds ranges only.
constexpr double kToleranzXiEigene = 0.10, kToleranzNuEigene = 0.05;
constexpr double kReMin = 10.0, kReMax = 50000.0;
constexpr int kPunkteJeDekade = 40;

// Lines of a reference CSV as fields, without comments and the header.
std::vector<std::vector<std::string>> csv(const std::string& pfad, bool& gelesen) {
    std::ifstream in(pfad);
    gelesen = static_cast<bool>(in);
    std::vector<std::vector<std::string>> zeilen;
    std::string z;
    bool kopf = true;
    while (std::getline(in, z)) {
        if (z.empty() || z[0] == '#') continue;
        if (kopf) {
            kopf = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream ss(z);
        std::string x;
        while (std::getline(ss, x, ',')) f.push_back(x);
        if (!z.empty() && z.back() == ',') f.emplace_back();
        zeilen.push_back(f);
    }
    return zeilen;
}

double zahl(const std::string& s) {
    try {
        return std::stod(s);
    } catch (...) {
        return std::nan("");
    }
}

// Collects the deviations of one fluid and property.
class Sammler {
public:
    void dazu(const std::string& stoff, const std::string& groesse, const std::string& quelle,
              double daten, double referenz, const std::string& wo) {
        Befund& b = befund(stoff, groesse);
        if (b.referenz.find(quelle) == std::string::npos)
            b.referenz += (b.referenz.empty() ? "" : ", ") + quelle;
        const double a = daten / referenz - 1.0;
        ++b.punkte;
        if (std::isnan(b.abweichung)) return;
        if (!(std::abs(a) <= std::abs(b.abweichung))) {  // NaN counts as the worst
            b.abweichung = a;
            b.wo = wo;
        }
    }
    Befund& befund(const std::string& stoff, const std::string& groesse) {
        for (Befund& b : befunde)
            if (b.gegenstand == stoff && b.groesse == groesse) return b;
        befunde.push_back({stoff, groesse, "", kToleranz.at(groesse), 0.0, "", 0});
        return befunde.back();
    }
    std::vector<Befund> befunde;
};

const Stoffdaten* stoff(const Data& d, const std::string& name) {
    for (const auto& s : d.getStoffdatenListe().alle())
        if (s.getName() == name) return &s;
    return nullptr;
}

std::string ort(double t, double p) {
    std::string s = kal::formatiere("%g °C", t);
    if (p > 0) s += kal::formatiere(", %g bar", p);
    return s;
}

// Property `groesse` of `s` at (t, p): p <= 0 for a liquid, a condensing
// fluid at saturation.
double eigenschaft(const Stoffdaten& s, const std::string& groesse, double t, double p) {
    if (groesse == "dichte")
        return s.GetDichte(t, s.IsKondensation() ? s.GetDampfdruck(t) : std::max(p, 0.0));
    if (groesse == "waermekapazitaet") return s.GetWaermekapazitaet(t, p);
    if (groesse == "viskositaet") return s.GetViskositaet(t, p);
    if (groesse == "waermeleitfaehigkeit") return s.GetWaermeleitfaehigkeit(t, p);
    if (groesse == "dampfdruck") return s.GetDampfdruck(t);
    if (groesse == "kondensationsenthalpie") return s.GetKondensationsenthalpie(t);
    return std::nan("");
}

void vergleiche(Sammler& m, const Data& d, const std::string& name, const std::string& groesse,
                const std::string& quelle, double t, double p, double referenz) {
    const Stoffdaten* s = stoff(d, name);
    if (!s) {
        m.dazu(name, groesse, quelle, std::nan(""), referenz, "fluid missing");
        return;
    }
    if (!s->IsTemperaturOK(t)) return;  // the data claim nothing there
    m.dazu(name, groesse, quelle, eigenschaft(*s, groesse, t, p), referenz, ort(t, p));
}

const char* const kGroessen[] = {"dichte", "waermekapazitaet", "viskositaet",
                                 "waermeleitfaehigkeit"};

void gase(Sammler& m, const Data& d, const std::string& dir, bool& ok) {
    const std::map<std::string, std::string> namen = {
        {"Air", "Dry Air"}, {"Nitrogen", "Nitrogen"}, {"CarbonDioxide", "Carbon Dioxide"}};
    bool gelesen = false;
    for (const auto& z : csv(dir + "/gases.csv", gelesen)) {
        if (z.size() < 8 || !namen.count(z[0]) || z[3].find("gas") == std::string::npos) continue;
        for (int i = 0; i < 4; ++i)
            vergleiche(m, d, namen.at(z[0]), kGroessen[i], "CoolProp 6.6.0", zahl(z[2]), zahl(z[1]),
                       zahl(z[4 + static_cast<size_t>(i)]));
    }
    ok = ok && gelesen;
}

void glykole(Sammler& m, const Data& d, const std::string& dir, bool& ok) {
    const std::map<std::string, std::string> namen = {{"AEG0.3", "Ethylene Glycol 30 %"},
                                                      {"AEG0.5", "Ethylene Glycol 50 %"},
                                                      {"APG0.3", "Propylene Glycol 30 %"},
                                                      {"APG0.5", "Propylene Glycol 50 %"}};
    bool gelesen = false;
    for (const auto& z : csv(dir + "/glycols.csv", gelesen)) {
        if (z.size() < 7 || !namen.count(z[0] + z[1])) continue;
        for (int i = 0; i < 4; ++i)
            vergleiche(m, d, namen.at(z[0] + z[1]), kGroessen[i], "ASHRAE (CoolProp 6.6.0)",
                       zahl(z[2]), 0.0, zahl(z[3 + static_cast<size_t>(i)]));
    }
    ok = ok && gelesen;
}

void dampf(Sammler& m, const Data& d, const std::string& dir, bool& ok) {
    const char* const spalten[] = {"dampfdruck",  "kondensationsenthalpie",
                                   "dichte",      "waermekapazitaet",
                                   "viskositaet", "waermeleitfaehigkeit"};
    bool gelesen = false;
    for (const auto& z : csv(dir + "/steam_saturation.csv", gelesen)) {
        if (z.size() < 7) continue;
        for (size_t i = 0; i < 6; ++i)
            vergleiche(m, d, "Steam", spalten[i], "IAPWS-95 (CoolProp 6.6.0)", zahl(z[0]), 0.0,
                       zahl(z[1 + i]));
    }
    ok = ok && gelesen;
}

void punkte(Sammler& m, const Data& d, const std::string& dir, bool& ok) {
    bool gelesen = false;
    for (const auto& z : csv(dir + "/punkte.csv", gelesen)) {
        if (z.size() < 6 || !kToleranz.count(z[1])) continue;
        const double p = z[3].empty() ? 0.0 : zahl(z[3]);
        vergleiche(m, d, z[0], z[1], z[5], zahl(z[2]), p, zahl(z[4]));
    }
    ok = ok && gelesen;
}

}  // namespace

double martinXi(double re, double phiGrad) {
    const double phi = phiGrad * kPi / 180.0;
    const double xi0 = re < 2000 ? 64.0 / re : std::pow(1.8 * std::log10(re) - 1.5, -2.0);
    const double xi1 = re < 2000 ? 597.0 / re + 3.85 : 39.0 / std::pow(re, 0.289);
    const double c = std::cos(phi);
    const double s = c / std::sqrt(0.18 * std::tan(phi) + 0.36 * std::sin(phi) + xi0 / c) +
                     (1.0 - c) / std::sqrt(3.8 * xi1);
    return 1.0 / (s * s);
}

double martinNu(double re, double phiGrad) {
    const double phi = phiGrad * kPi / 180.0;
    return 0.122 * std::pow(martinXi(re, phiGrad) * re * re * std::sin(2.0 * phi), 0.374);
}

std::vector<Befund> stoffe(const Data& data, const std::string& referenzDir) {
    Sammler m;
    bool ok = true;
    gase(m, data, referenzDir, ok);
    glykole(m, data, referenzDir, ok);
    dampf(m, data, referenzDir, ok);
    punkte(m, data, referenzDir, ok);
    if (!ok)
        m.befunde.push_back({"reference files", "dichte", "", 0.01, std::nan(""), referenzDir, 0});
    // in the order of the fluid list, then of the properties
    std::vector<Befund> r;
    for (const auto& s : data.getStoffdatenListe().alle())
        for (const char* g : {"dichte", "waermekapazitaet", "viskositaet", "waermeleitfaehigkeit",
                              "dampfdruck", "kondensationsenthalpie"})
            for (const Befund& b : m.befunde)
                if (b.gegenstand == s.getName() && b.groesse == g) r.push_back(b);
    for (const Befund& b : m.befunde)
        if (!stoff(data, b.gegenstand)) r.push_back(b);
    return r;
}

std::vector<Befund> spalttypen(const Data& data) {
    using K = SpalttypKorrelation;
    std::vector<Befund> r;
    // by position: a reference would not outlive the next push_back
    auto befund = [&](const std::string& typ, const char* law, double tol) {
        for (size_t i = 0; i < r.size(); ++i)
            if (r[i].gegenstand == typ && r[i].groesse == law) return i;
        r.push_back({typ, law, "Martin (VDI Heat Atlas 2010)", tol, 0.0, "", 0});
        return r.size() - 1;
    };
    auto dazu = [](Befund& b, double a, double re, double phi) {
        ++b.punkte;
        if (std::isnan(b.abweichung)) return;
        if (!(std::abs(a) <= std::abs(b.abweichung))) {
            b.abweichung = a;
            b.wo = kal::formatiere("Re %.4g, %g°", re, phi);
        }
    };
    const SpalttypListe& typen = data.getSpalttypListe();
    const int n = static_cast<int>(std::lround(std::log10(kReMax / kReMin) * kPunkteJeDekade));
    for (const PlattentypA& p : data.getPlattentypAListe().alle()) {
        const bool eigen = p.getTrevanberechnung() != 0;
        for (int t = 0; t < typen.getSize(); ++t) {
            const K* k = typen.internalGetAt(t)->korrelation(p.getWellenwinkel(t));
            if (!k) continue;
            const std::string name =
                typen.internalGetAt(t)->getName() + (eigen ? " (own correlation)" : "");
            const size_t iXi = befund(name, "xi", eigen ? kToleranzXiEigene : kToleranzXi);
            const size_t iNu = befund(name, "Nu", eigen ? kToleranzNuEigene : kToleranzNu);
            Befund& xi = r[iXi];
            Befund& nu = r[iNu];
            const double phi = k->stroemungswinkel;
            for (int i = 0; i <= n; ++i) {
                const double re = kReMin * std::pow(10.0, static_cast<double>(i) / kPunkteJeDekade);
                const double xiRef = martinXi(re, phi), nuRef = martinNu(re, phi);
                // Prandtl 1 and no wall term: the table's Reynolds law and factors
                if (!eigen) {
                    dazu(xi, k->reibungRe(re) / xiRef - 1.0, re, phi);
                    dazu(nu, k->alphaFaktor[K::kPrandtl] * k->nusseltRe(re) / nuRef - 1.0, re, phi);
                    continue;
                }
                for (bool wasser : {true, false}) {
                    const size_t b = k->trevanDruckBereich(re, wasser);
                    const double extra =
                        k->druckFaktor[wasser ? K::kTrevanWasserAehnlich : K::kTrevanSonst];
                    dazu(xi, extra * k->druckFaktor[b] * std::pow(re, k->druckExp[b]) / xiRef - 1.0,
                         re, phi);
                }
                // water-like media; the others carry a deliberate extra factor
                dazu(nu,
                     k->alphaFaktor[K::kPrandtl] * k->alphaFaktor[K::kTrevanWasserAehnlich] *
                             k->nusseltRe(re) / nuRef -
                         1.0,
                     re, phi);
            }
        }
    }
    return r;
}

std::string markdown(const std::vector<Befund>& stoffe, const std::vector<Befund>& spalttypen) {
    const std::map<std::string, std::string> namen = {{"dichte", "density"},
                                                      {"waermekapazitaet", "heat capacity"},
                                                      {"viskositaet", "viscosity"},
                                                      {"waermeleitfaehigkeit", "conductivity"},
                                                      {"dampfdruck", "vapour pressure"},
                                                      {"kondensationsenthalpie", "latent heat"}};
    auto prozent = [](double a) { return kal::formatiere("%+.2f %%", 100.0 * a); };
    std::string s =
        "| Fluid | Property | Reference | Points | Worst deviation | At | Tolerance |\n"
        "|---|---|---|---|---|---|---|\n";
    for (const Befund& b : stoffe) {
        const auto it = namen.find(b.groesse);
        s += kal::formatiere("| %s | %s | %s | %d | %s | %s | %g %% |\n", b.gegenstand.c_str(),
                             it == namen.end() ? b.groesse.c_str() : it->second.c_str(),
                             b.referenz.c_str(), b.punkte, prozent(b.abweichung).c_str(),
                             b.wo.c_str(), 100.0 * b.toleranz);
    }
    s += "\n| Channel type | Law | Points | Worst deviation | At | Tolerance |\n"
         "|---|---|---|---|---|---|\n";
    for (const Befund& b : spalttypen)
        s += kal::formatiere("| %s | %s | %d | %s | %s | %g %% |\n", b.gegenstand.c_str(),
                             b.groesse == "xi" ? "friction factor xi" : "Nusselt number", b.punkte,
                             prozent(b.abweichung).c_str(), b.wo.c_str(), 100.0 * b.toleranz);
    return s;
}

}  // namespace kaltest::validierung
