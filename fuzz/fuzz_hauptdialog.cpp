// Open and save through the main dialog on the shipped data. The input's
// first byte picks what the window held before (nothing or a sample), the
// rest is the file. Opening it gives the same entries and messages as in a
// fresh window, but for the mode switch's own rule (a design project opened
// in rating mode gets "frei", "frei", "fix" and one pass); saving and opening
// again restores the entries, with no message the first opening did not show.
#include <algorithm>
#include <iterator>
#include <vector>

#include "datalib/format.h"
#include "pruefen.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::hd;

namespace {
const char* const kVorher[] = {"water_water_design", "glycol_water_rating",
                               "steam_condenser_design", "air_cooler_design", "user_medium_design"};

// What a user can enter: the text, selected entry and check state of every
// control the calculation does not write, and both user-defined media (the
// values to the bit).
std::vector<std::string> eintraege(const CBerechnungDlg& d) {
    const Form& f = d.form();
    std::vector<std::string> e;
    for (const auto& [id, c] : f.controls()) {
        if (c.readOnly) continue;
        e.push_back(std::to_string(id) + "=" + c.text + ":" + f.selectedText(id) +
                    (c.checked ? "+" : "-"));
    }
    for (const EigenesMedium& m : d.eigeneMedien()) {
        std::string t = "medium=" + m.name + (m.gas ? "+" : "-") + (m.gespeichert ? "+" : "-") +
                        (m.benutzt ? "+" : "-");
        for (size_t g = 0; g < m.werte.size(); ++g)
            t += formatiere(" %a/%d", m.werte[g], m.einheiten[g]);
        e.push_back(t);
    }
    return e;
}

// The mode switch from rating to design sets these, whatever the file says.
void ohneModusRegel(std::vector<std::string>& e) {
    for (int id : {PlattentypModus, SpaltenModus, SerienModus, Serien}) {
        const std::string praefix = std::to_string(id) + "=";
        std::erase_if(e, [&](const std::string& x) { return x.rfind(praefix, 0) == 0; });
    }
}

struct Oeffnung {
    int rc;
    std::vector<std::string> meldungen;
};

Oeffnung oeffne(kaltest::Umgebung& u, CBerechnungDlg& d, const std::string& pfad) {
    u.p.messages.shown.clear();
    const int rc = d.projektLesen(pfad);
    return {rc, u.meldungsKeys()};
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kaltest::Umgebung u;
    static const std::string datei = u.dir.pfad("offen.kal"), kopie = u.dir.pfad("kopie.kal");
    if (size == 0) return 0;
    const size_t vorher = data[0] % (std::size(kVorher) + 1);
    u.dir.schreibe("offen.kal", kalfuzz::text(data + 1, size - 1));

    CBerechnungDlg frisch(u.app);
    const Oeffnung a = oeffne(u, frisch, datei);
    CBerechnungDlg d(u.app);
    if (vorher > 0)
        KAL_PRUEFE(
            oeffne(u, d, kaltest::distDir() + "/examples/" + kVorher[vorher - 1] + ".kal").rc == 0);
    const bool ausRating = d.getModus() == 1;
    const Oeffnung b = oeffne(u, d, datei);
    KAL_PRUEFE(a.rc == b.rc);
    KAL_PRUEFE(a.meldungen == b.meldungen);
    if (a.rc != 0) return 0;
    std::vector<std::string> erwartet = eintraege(frisch), gelesen = eintraege(d);
    if (ausRating && d.getModus() == 0) {
        ohneModusRegel(erwartet);
        ohneModusRegel(gelesen);
    }
    KAL_PRUEFE(gelesen == erwartet);

    KAL_PRUEFE(frisch.projektSchreiben(kopie));
    CBerechnungDlg wieder(u.app);
    const Oeffnung c = oeffne(u, wieder, kopie);
    KAL_PRUEFE(c.rc == 0);
    // an entry the validation refuses is refused again; a missing id was replaced
    auto weiter = a.meldungen.begin();
    for (const std::string& m : c.meldungen) {
        weiter = std::find(weiter, a.meldungen.end(), m);
        KAL_PRUEFE(weiter != a.meldungen.end());
        ++weiter;
    }
    KAL_PRUEFE(eintraege(wieder) == eintraege(frisch));
    return 0;
}
