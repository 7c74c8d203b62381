#include "app/dialogsettings.h"

#include <vector>

#include "datalib/dialoghilfe.h"

namespace kal {

namespace {
constexpr Beschriftung kBeschriftungen[] = {
    {sprache::LabelSprache, "settingsdialog", "language"},
    {sprache::Ok, "settingsdialog", "ok"},
    {sprache::Abbrechen, "settingsdialog", "cancel"},
};
}  // namespace

DialogSettings::DialogSettings(const CIniEx& sprache, const CIniEx& settings,
                               const std::string& aktuellerName) {
    setCaption(sprache.GetValue("settingsdialog", "title", ""));
    Form& f = form();
    beschriftungenSetzen(f, sprache, kBeschriftungen);
    f.clearItems(sprache::Sprache);
    std::vector<std::string> keys;
    settings.GetKeysInSection("languages", keys);
    int n = 0;
    for (const std::string& k : keys) {
        if (k.empty()) continue;
        f.addItem(sprache::Sprache, settings.GetValue("languages", k, ""), n++);
    }
    f.select(sprache::Sprache, f.findPrefix(sprache::Sprache, aktuellerName));
}

void DialogSettings::ok() {
    ergebnis_ = form().selectedText(sprache::Sprache);
    close(1);
}

void DialogSettings::abbrechen() { close(2); }

}  // namespace kal
