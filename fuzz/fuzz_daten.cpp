// The data loader, one JSON file at a time: the input's first byte picks the
// file of the shipped data directory it replaces (and the sample to
// calculate), the rest is its content. Every refusal reads "file: [id N: ]
// field: problem"; data that loads without one calculates the sample through
// the main dialog, passing the oracle of berechnung_pruefen.h.
#include <algorithm>
#include <filesystem>
#include <regex>
#include <vector>

#include "berechnung_pruefen.h"
#include "ports/scripted.h"
#include "pruefen.h"
#include "ui/main/berechnung_model.h"
#include "verzeichnis.h"

using namespace kal;
namespace fs = std::filesystem;

namespace {
const char* const kProben[] = {"water_water_design", "glycol_water_rating",
                               "steam_condenser_design", "air_cooler_design", "user_medium_design"};

struct Installation {
    kaltest::AppDir dir;
    std::vector<std::string> dateien;  // the JSON files of data/, by name
    std::vector<std::string> originale;
    Installation() {
        for (const auto& e : fs::directory_iterator(dir.pfad("data")))
            if (e.path().extension() == ".json") dateien.push_back(e.path().filename().string());
        std::sort(dateien.begin(), dateien.end());
        for (const std::string& d : dateien) originale.push_back(kaltest::liesDatei(pfad(d)));
    }
    std::string pfad(const std::string& datei) const { return dir.pfad("data/" + datei); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Installation inst;
    static const std::regex kFehlerForm(R"(^[a-z]+\.json: (id -?[0-9]+: )?[^:]+: [^:]+$)");
    if (size == 0) return 0;
    const size_t nr = data[0] % inst.dateien.size();
    const char* probe = kProben[data[0] / inst.dateien.size() % std::size(kProben)];
    inst.dir.schreibe("data/" + inst.dateien[nr], kalfuzz::text(data + 1, size - 1));

    // the application loads the data as the program starts
    ScriptedPorts p;
    p.settings.values["language"] = "English";
    CBerechnungApp app(p.ports(), false);
    app.erzeugeObjekte(inst.dir.dir());
    const Data& daten = app.getData();
    for (const std::string& f : daten.getFehler()) {
        if (!std::regex_match(f, kFehlerForm)) std::fprintf(stderr, "refusal: %s\n", f.c_str());
        KAL_PRUEFE(std::regex_match(f, kFehlerForm));
    }
    if (daten.istGueltig()) {
        app.spracheFestlegen();
        CBerechnungDlg d(app);
        KAL_PRUEFE(d.projektLesen(kaltest::distDir() + "/examples/" + probe + ".kal") == 0);
        const bool ergebnis = d.berechnen();
        kalfuzz::pruefeBerechnung(d, ergebnis);
    }
    inst.dir.schreibe("data/" + inst.dateien[nr], inst.originale[nr]);
    return 0;
}
