// data-check and fluid: the engineering data from the command line.
#include <cmath>
#include <cstdio>

#include "aufruf.h"
#include "commands.h"
#include "data.h"
#include "format.h"
#include "sitzung.h"
#include "spalttyprollen.h"

namespace kal::cli {

int befehlDataCheck(const Args& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::DataCheck).c_str());
        return 2;
    }
    std::string dir = args.empty() ? imAnwendungsverzeichnis("data/") : args[0];
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

int befehlFluid(const Args& args) {
    bool alsJson = false;
    Args pos;
    std::string dir = imAnwendungsverzeichnis("data/");
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json")
            alsJson = true;
        else if (args[i] == "--data" && i + 1 < args.size())
            dir = args[++i];
        else
            pos.push_back(args[i]);
    }
    if (pos.size() < 2 || pos.size() > 3) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Fluid).c_str());
        return 2;
    }
    double t = 0.0, p = 1.01325;
    if (kal::pruefeDouble(pos[1], -273.15, 1e6, t) != kal::ZahlOk) {
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
    if (!s->IsTemperaturOK(t)) {
        std::fprintf(stderr, "%s: temperature outside %s .. %s degC\n", s->getName().c_str(),
                     zahl(s->tMin).c_str(), zahl(s->tMax).c_str());
        return 1;
    }
    // a condensing fluid is read at saturation
    double druck = s->IsKondensation() ? s->GetDampfdruck(t) : p;
    std::vector<std::pair<const char*, double>> werte = {
        {"dichte", s->GetDichte(t, druck)},
        {"waermekapazitaet", s->GetWaermekapazitaet(t)},
        {"viskositaet", s->GetViskositaet(t)},
        {"waermeleitfaehigkeit", s->GetWaermeleitfaehigkeit(t)}};
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
