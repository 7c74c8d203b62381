// data-check and fluid: the engineering data from the command line.
#include <cmath>
#include <cstdio>

#include "app/aufruf.h"
#include "cli/commands.h"
#include "cli/sitzung.h"
#include "datalib/data.h"
#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "datalib/gasphase.h"
#include "datalib/spalttyprollen.h"
#include "ui/main/stoffinfo.h"

namespace kal::cli {

int befehlDataCheck(const Args& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::DataCheck).c_str());
        return 2;
    }
    std::string dir = args.empty() ? imAnwendungsverzeichnis("data/") : vomStart(args[0]);
    Data data(dir);
    // a data set that breaks a role of the search loads, but selects worse packs
    std::vector<std::string> fehler = data.getFehler();
    if (fehler.empty()) fehler = pruefeSpalttypRollen(data);
    if (fehler.empty()) {
        std::printf("%s: ok\n", dir.c_str());
        return 0;
    }
    for (const auto& f : fehler) std::fprintf(stderr, "%s\n", f.c_str());
    return 1;
}

namespace {
std::string zahl(double v) { return kal::formatiere("%.6g", v); }
}  // namespace

namespace {
// The language the program would start in (the stored one, else English),
// for the texts the data alone do not hold.
struct Sprache {
    Sitzung sitzung{false, false};
    const CIniEx& texte() const { return sitzung.app->getSprache(); }
};
}  // namespace

int befehlFluid(const Args& args) {
    bool alsJson = false, info = false;
    Args pos;
    std::string dir = imAnwendungsverzeichnis("data/");
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json")
            alsJson = true;
        else if (args[i] == "--info")
            info = true;
        else if (args[i] == "--data" && i + 1 < args.size())
            dir = vomStart(args[++i]);
        else
            pos.push_back(args[i]);
    }
    if (pos.size() < (info ? 1u : 2u) || pos.size() > 3 || (info && (pos.size() > 1 || alsJson))) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Fluid).c_str());
        return 2;
    }
    double t = 0.0, p = 1.01325;
    if (!info && kal::pruefeDouble(pos[1], -273.15, 1e6, t) != kal::ZahlOk) {
        std::fprintf(stderr, "not a temperature: %s\n", pos[1].c_str());
        return 2;
    }
    if (pos.size() == 3 && (kal::pruefeDouble(pos[2], 1e-9, 1e6, p) != kal::ZahlOk)) {
        std::fprintf(stderr, "not a pressure: %s\n", pos[2].c_str());
        return 2;
    }
    Data data(dir);
    for (const auto& f : data.getFehler()) std::fprintf(stderr, "%s\n", f.c_str());
    const Stoffdaten* s = nullptr;
    const auto& liste = data.getStoffdatenListe();
    for (int i = 0; i < liste.getSize(); ++i)
        if (liste.internalGetAt(i)->getName() == pos[0]) s = liste.internalGetAt(i);
    if (!s) {
        std::fprintf(stderr, "unknown fluid: %s\n", pos[0].c_str());
        return 1;
    }
    if (info) {
        // the text of the main window's tooltip on the medium list
        std::printf("%s\n", kal::stoffInfo(data, Sprache().texte(), *s).c_str());
        return 0;
    }
    if (!s->IsTemperaturOK(t)) {
        std::fprintf(stderr, "%s: temperature outside %s .. %s degC\n", s->getName().c_str(),
                     zahl(s->tMin).c_str(), zahl(s->tMax).c_str());
        return 1;
    }
    // a gas below its dew point (or beyond its tables) has no gas properties
    const Gasphasenbefund phase = s->pruefeGasphase(t, p);
    if (phase.phase != Gasphase::Gas) {
        const char* grenze = phase.phase == Gasphase::UnterTaupunkt       ? "%.4g °C"
                             : phase.phase == Gasphase::DruckUeberTabelle ? "%.4g bar"
                                                                          : "%.4g kg/m³";
        const std::string text =
            gasphaseText(Sprache().texte(), phase.phase, zahl(t) + " °C", zahl(p) + " bar",
                         s->getName(), kal::formatiere(grenze, phase.grenze));
        // without a language file the key says which check refused
        std::fprintf(stderr, "%s\n", text.empty() ? gasphaseSchluessel(phase.phase) : text.c_str());
        return 1;
    }
    // a condensing fluid is read at saturation
    const bool gasDruck = s->IsGas() && !s->IsKondensation();
    double druck = s->IsKondensation() ? s->GetDampfdruck(t) : p;
    std::vector<std::pair<const char*, double>> werte = {
        {"dichte", s->GetDichte(t, druck)},
        {"waermekapazitaet", s->GetWaermekapazitaet(t, gasDruck ? p : 0.0)},
        {"viskositaet", s->GetViskositaet(t, gasDruck ? p : 0.0)},
        {"waermeleitfaehigkeit", s->GetWaermeleitfaehigkeit(t, gasDruck ? p : 0.0)}};
    if (s->IsKondensation()) {
        werte.push_back({"dampfdruck", s->GetDampfdruck(t)});
        werte.push_back({"kondensationsenthalpie", s->GetKondensationsenthalpie(t)});
    }
    if (alsJson) {
        for (const auto& [k, v] : werte)
            if (!std::isfinite(v)) {
                std::fprintf(stderr, "kalvoria-cli: /%s: not a finite number\n", k);
                return kNichtDarstellbar;
            }
        std::string out = "{";
        for (size_t i = 0; i < werte.size(); ++i)
            out +=
                std::string(i ? ", " : "") + "\"" + werte[i].first + "\": " + zahl(werte[i].second);
        std::printf("%s}\n", out.c_str());
    } else {
        for (const auto& [k, v] : werte) std::printf("%-24s %s\n", k, zahl(v).c_str());
    }
    return 0;
}

}  // namespace kal::cli
