#include "ui/main/stoffinfo.h"

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"

namespace kal {

std::string stoffInfo(const Data& data, const CIniEx& sprache, const Stoffdaten& s) {
    namespace eg = einheitengruppe;
    auto text = [&](const char* key) { return sprache.GetValue("stoffinfo", key, ""); };
    auto mit = [&](const char* key, std::initializer_list<std::string> werte) {
        return einsetzen(text(key), std::span<const std::string>(werte.begin(), werte.size()));
    };
    auto einheit = [&](int gruppe, int pos) {
        const Einheit* e = einheitAn(data, gruppe, pos);
        return e ? " " + e->getName() : std::string();
    };
    const std::string grad = einheit(eg::Temperatur, eg::TemperaturGradC);
    const std::string bar = einheit(eg::Druck, eg::DruckBar);
    const char* art = s.IsKondensation() ? "kondensierend" : s.IsGas() ? "gas" : "fluessig";
    std::string info = s.getName() + " (" + text(art) + ")\n";
    info += mit("bereich", {formatiere("%g", s.tMin), formatiere("%g", s.tMax) + grad});
    if (s.hatDruckTabellen())
        info += ", " + mit("bereichdruck", {formatiere("%g", s.druck.front()),
                                            formatiere("%g", s.druck.back()) + bar});
    info += "\n" + mit("basis", {s.getBasis()});
    for (const char* g : {"dichte", "waermekapazitaet", "viskositaet", "waermeleitfaehigkeit",
                          "dampfdruck", "kondensationsenthalpie"})
        if (!s.getQuelle(g).empty()) info += "\n" + mit(g, {s.getQuelle(g)});
    return info;
}

}  // namespace kal
