#include "app/registry.h"

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"

namespace kal {

namespace {
void meldeRegistry(MessagePort* messages, const CIniEx& sprache, const std::string& caption) {
    // Without a language file the user still learns what failed: the English
    // text takes the place of the missing one.
    const bool ohneText = sprache.GetValue("error", "readregistry", "").empty();
    zeigeMeldung(messages, sprache, "error", "readregistry", caption, MessageIcon::Error,
                 ohneText ? "Error by opening the registry key Software\\kalvoria" : "");
}
}  // namespace

bool registryOeffnen(SettingsPort* settings, MessagePort* messages, const CIniEx& sprache,
                     const std::string& caption) {
    if (settings && settings->openKey()) return true;
    meldeRegistry(messages, sprache, caption);
    return false;
}

bool registrySchreiben(SettingsPort* settings, MessagePort* messages, const CIniEx& sprache,
                       const std::string& name, const std::string& value,
                       const std::string& caption) {
    if (!registryOeffnen(settings, messages, sprache, caption)) return false;
    if (settings->writeValue(name, value)) return true;
    meldeRegistry(messages, sprache, caption);
    return false;
}

std::optional<std::string> registryLesen(SettingsPort& settings, const std::string& name,
                                         std::size_t maxLaenge) {
    std::optional<std::string> v = settings.readValue(name);
    if (!v || v->empty() || v->size() > maxLaenge) return std::nullopt;
    return v;
}

UnitWerte unitWerteLesen(const std::string& text) {
    UnitWerte werte{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < werte.size() && pos <= text.size(); ++i) {
        std::size_t komma = text.find(',', pos);
        std::string token =
            text.substr(pos, komma == std::string::npos ? std::string::npos : komma - pos);
        werte[i] = textZuInt(token);
        if (komma == std::string::npos) break;
        pos = komma + 1;
    }
    return werte;
}

std::string unitWerteText(const UnitWerte& w) {
    return formatiere("%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i", w[0], w[1], w[2], w[3], w[4],
                      w[5], w[6], w[7], w[8], w[9], w[10], w[11], w[12], w[13], w[14]);
}

}  // namespace kal
