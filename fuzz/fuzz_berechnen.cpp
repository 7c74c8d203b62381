// "Berechnen" on random entries: the input is made a project file (cut or
// padded to its 1660 bytes, the version field set), opened into the main
// dialog on the shipped data and calculated; a byte after the file with its
// low bit set calculates in Werksmodus. Whatever the entries, the calculation
// passes the oracle of berechnung_pruefen.h.
#include <cstring>
#include <memory>

#include "berechnung_pruefen.h"
#include "projekt/projektdatei.h"
#include "pruefen.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;

namespace {
struct Lauf {
    kaltest::Umgebung u;
    const std::string pfad = u.dir.pfad("eingaben.kal");
    explicit Lauf(bool werksmodus) : u(kaltest::Start{.werksmodus = werksmodus}) {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Lauf normal(false), werk(true);
    std::string bytes = kalfuzz::text(data, std::min<size_t>(size, kProjektGroesse));
    bytes.resize(kProjektGroesse, '\0');
    std::memcpy(bytes.data(), kProjektVersion, std::strlen(kProjektVersion) + 1);
    Lauf& l =
        size > static_cast<size_t>(kProjektGroesse) && (data[kProjektGroesse] & 1) ? werk : normal;
    l.u.dir.schreibe("eingaben.kal", bytes);
    CBerechnungDlg d(l.u.app);
    KAL_PRUEFE(d.projektLesen(l.pfad) == 0);
    const bool ergebnis = d.berechnen();
    kalfuzz::pruefeBerechnung(d, ergebnis);
    l.u.p.messages.shown.clear();
    return 0;
}
