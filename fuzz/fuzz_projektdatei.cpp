// Project file reader and writer: every accepted file, read into the dialog's
// entries and written back, reads again to the same entries and fields, and
// writing those gives the same bytes again. The bytes after the record are
// an offer block: whatever they are, reading them does not fail the record,
// and a block read writes and reads back to the same offer.
#include <algorithm>
#include <cstring>

#include "ids/dialog_ids.h"
#include "projekt/angebotsblock.h"
#include "pruefen.h"
#include "ui/main/projekt_formular.h"

using namespace kal;

namespace {
// Every list the file touches, three entries each with item values 10, 20, 30.
Form leereForm() {
    Form f;
    for (const ProjektFeldZeile& z : projektFeldTabelle())
        if (z.art == FeldArt::Position || z.art == FeldArt::Wert)
            for (int i = 0; i < 3; ++i) f.addItem(z.control, "e" + std::to_string(i), 10 * (i + 1));
    return f;
}

struct Gelesen {
    Form form = leereForm();
    EigeneMedien medien{};
    int modus = 0;
};

Gelesen lies(const ProjektInhalt& p) {
    Gelesen g;
    g.modus = projektInFormular(p, g.form, g.medien, CIniEx(), "", nullptr, {}, {});
    return g;
}

bool gleich(const EigenesMedium& a, const EigenesMedium& b) {
    // bit for bit: -0 and 0 are different entries
    return a.name == b.name && a.gas == b.gas && a.gespeichert == b.gespeichert &&
           a.benutzt == b.benutzt && a.einheiten == b.einheiten &&
           std::memcmp(a.werte.data(), b.werte.data(), sizeof a.werte) == 0;
}

bool gleich(const Form& a, const Form& b, int id) {
    return a.text(id) == b.text(id) && a.selection(id) == b.selection(id) &&
           a.checked(id) == b.checked(id);
}

void angebotPruefen(const std::string& rest) {
    const AngebotGelesen g = angebotDekodieren(rest);
    KAL_PRUEFE((g.lage == AngebotsLage::Keins) == rest.empty());
    KAL_PRUEFE(g.block.has_value() == (g.lage == AngebotsLage::Gelesen));
    if (!g.block) return;
    const std::string geschrieben = angebotKodieren(*g.block);
    const AngebotGelesen wieder = angebotDekodieren(geschrieben);
    KAL_PRUEFE(wieder.block && *wieder.block == *g.block);
    KAL_PRUEFE(angebotKodieren(*wieder.block) == geschrieben);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string alles = kalfuzz::text(data, size);
    const size_t satz = std::min(alles.size(), static_cast<size_t>(kProjektGroesse));
    angebotPruefen(alles.substr(satz));
    const std::optional<ProjektInhalt> p = ProjektInhalt::dekodieren(alles.substr(0, satz));
    if (!p) return 0;
    const Gelesen a = lies(*p);
    const std::string geschrieben = projektAusFormular(a.form, a.medien, a.modus).kodieren();
    KAL_PRUEFE(geschrieben.size() == static_cast<size_t>(kProjektGroesse));
    const std::optional<ProjektInhalt> q = ProjektInhalt::dekodieren(geschrieben);
    KAL_PRUEFE(q);
    const Gelesen b = lies(*q);
    KAL_PRUEFE(b.modus == a.modus);
    for (size_t s = 0; s < a.medien.size(); ++s) KAL_PRUEFE(gleich(a.medien[s], b.medien[s]));
    for (const ProjektFeldZeile& z : projektFeldTabelle()) {
        if (z.control) KAL_PRUEFE(gleich(a.form, b.form, z.control));
        if (z.partner) KAL_PRUEFE(gleich(a.form, b.form, z.partner));
        // texts are kept as stored, to the byte
        if (z.art == FeldArt::Text || z.art == FeldArt::MediumName)
            KAL_PRUEFE(q->feld(z.feld) == p->feld(z.feld));
    }
    KAL_PRUEFE(projektAusFormular(b.form, b.medien, b.modus).kodieren() == geschrieben);
    return 0;
}
