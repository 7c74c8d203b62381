// The stored channel-type permission string, read as the main dialog reads it
// on the shipped data: reading never fails or reports, the deviations it
// leaves write a string that reads to the same table, and nothing is
// permitted that the library does not permit.
#include "ausgeliefert.h"
#include "permissions/spalttypen_zulaessig.h"
#include "ports/scripted.h"
#include "pruefen.h"
#include "ui/main/auswahllisten.h"

using namespace kal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Data& daten = kaltest::ausgelieferteDaten();
    static const CIniEx& sprache = kaltest::englischeTexte();
    static const listen::Zulassungen z = [] {
        Form f;
        int maxReihenfolge = 0;
        return listen::fuelleAlle(f, daten, sprache, maxReihenfolge);
    }();

    CSpalttypenZulaessig gelesen(daten, z.plattentypen, z.plattenmaterial);
    MemorySettings settings;
    settings.values[CSpalttypenZulaessig::kWertName] = kalfuzz::text(data, size);
    RecordingMessages meldungen;
    KAL_PRUEFE(gelesen.lesen(settings, &meldungen, sprache));
    KAL_PRUEFE(meldungen.shown.empty());

    const std::string gespeichert = gelesen.abweichungenText();
    KAL_PRUEFE(gelesen.weichtAb() == !gespeichert.empty());
    CSpalttypenZulaessig wieder(daten, z.plattentypen, z.plattenmaterial);
    wieder.abweichungenAnwenden(gespeichert);
    KAL_PRUEFE(wieder.abweichungenText() == gespeichert);
    for (const auto& typ : z.plattentypen)
        for (const auto& material : z.plattenmaterial)
            for (const DruckstufeA& ds : daten.getDruckstufeAListe().alle())
                for (int j = 0; j < kAnzahlSpalttypen; ++j) {
                    const int m = material.second, t = typ.second, d = ds.getObjectId();
                    KAL_PRUEFE(wieder.istZulaessig(m, t, d, j) == gelesen.istZulaessig(m, t, d, j));
                    KAL_PRUEFE(!gelesen.istZulaessig(m, t, d, j) ||
                               gelesen.istStandard(m, t, d, j));
                }
    return 0;
}
