// Quotation file reader: whatever the bytes, reading never crashes; a file
// it accepts writes back to text that reads to the same quotation, and the
// writing of that is stable; a refused file always says why. The customer
// file merge takes the same text and either changes nothing or keeps the
// positions.
#include "angebot/angebotsmappe.h"
#include "angebot/mappensummen.h"
#include "pruefen.h"

using namespace kal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = kalfuzz::text(data, size);
    const MappeGelesen g = mappeDekodieren(text);
    KAL_PRUEFE(g.mappe.has_value() == (g.lage == MappenLage::Gelesen));
    if (!g.mappe) {
        KAL_PRUEFE(!g.grund.empty());
    } else {
        const std::string einmal = mappeKodieren(*g.mappe);
        const MappeGelesen wieder = mappeDekodieren(einmal);
        KAL_PRUEFE(wieder.mappe.has_value());
        KAL_PRUEFE(mappeKodieren(*wieder.mappe) == einmal);
        for (const Mappenposition& p : g.mappe->positionen) {
            KAL_PRUEFE(projektBytesGueltig(p.projekt));
            KAL_PRUEFE(p.menge >= 1 && p.menge <= kMappeMaxMenge);
        }
        KAL_PRUEFE(g.mappe->rabatt >= 0 && g.mappe->rabatt <= 10000);
        KAL_PRUEFE(g.mappe->mwst >= 0 && g.mappe->mwst <= 10000);
        // the largest amounts the file admits stay clear of overflow
        std::vector<Positionspreis> preise;
        for (const Mappenposition& p : g.mappe->positionen)
            preise.push_back({999999900, p.menge, 1});
        const Mappensummen s = summieren(preise, g.mappe->rabatt, g.mappe->mwst);
        KAL_PRUEFE(s.gesamt >= 0 && s.gesamt == s.netto + s.mwst);
    }
    Angebotsmappe m;
    m.positionen.push_back({std::string(1660, '\0'), 3, "x", {}});
    const Angebotsmappe vorher = m;
    std::string grund;
    if (mappeErgaenzen(m, text, grund))
        KAL_PRUEFE(m.positionen == vorher.positionen && m.historie == vorher.historie);
    else
        KAL_PRUEFE(m == vorher && !grund.empty());
    // base64 of the raw bytes reads back to them
    KAL_PRUEFE(ausBasis64(basis64(text)) == text);
    return 0;
}
