#include "ui/spec/kennlinienangaben.h"

#include <string>

#include "engine/alternativen.h"

namespace kal {

namespace {
Kennlinienwert wert(const engine::Kennlinienpunkt& p) {
    return {p.anteil, p.gueltig, p.leistung, p.austrittWarm, p.austrittKalt, p.dpWarm, p.dpKalt};
}
}  // namespace

Kennlinienblattangaben kennlinienblattangaben(const std::vector<engine::Kennlinie>& kurven,
                                              const engine::Berechnungsergebnis& paket,
                                              bool kondensation, const CIniEx& sprache,
                                              const std::string& geraetekennstring) {
    Kennlinienblattangaben a;
    a.geraetekennstring = geraetekennstring;
    a.preisCode = paket.preisCode;
    a.paket = engine::einsetzen(sprache.GetValue("alternatives", "paket", ""),
                                {paket.plattentypName, std::to_string(paket.spaltenGesamt + 1),
                                 std::to_string(paket.serien)});
    a.kondensation = kondensation;
    if (!kurven.empty()) {
        const engine::Kennlinieneinheiten& u = kurven.front().einheiten;
        a.einheitLeistung = u.leistungName;
        a.einheitTemperatur = u.temperaturName;
        a.einheitDruck = u.druckName;
    }
    for (const engine::Kennlinie& k : kurven) {
        Kennlinienkurve c;
        for (const engine::Kennlinienpunkt& p : k.werte) c.werte.push_back(wert(p));
        c.betriebspunkt = wert(k.betriebspunkt);
        c.dpWarmZul = k.dpWarmZul;
        c.dpKaltZul = k.dpKaltZul;
        a.kurven.push_back(std::move(c));
    }
    return a;
}

}  // namespace kal
