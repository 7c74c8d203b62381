#include "dialogsettings.h"

#include <vector>

namespace kal {

DialogSettings::DialogSettings(const CIniEx& sprache, const CIniEx& settings,
                               const std::string& aktuellerName) {
    setCaption(sprache.GetValue("settingsdialog", "title", ""));
    Form& f = form();
    f.setText(LABEL_LANGUAGE, sprache.GetValue("settingsdialog", "language", ""));
    f.setText(IDOK, sprache.GetValue("settingsdialog", "ok", ""));
    f.setText(IDCANCEL, sprache.GetValue("settingsdialog", "cancel", ""));
    f.clearItems(LIST_LANGUAGE);
    std::vector<std::string> keys;
    settings.GetKeysInSection("languages", keys);
    int n = 0;
    for (const std::string& k : keys) {
        if (k.empty()) continue;
        f.addItem(LIST_LANGUAGE, settings.GetValue("languages", k, ""), n++);
    }
    f.select(LIST_LANGUAGE, f.findPrefix(LIST_LANGUAGE, aktuellerName));
}

void DialogSettings::ok() {
    ergebnis_ = form().selectedText(LIST_LANGUAGE);
    close(1);
}

void DialogSettings::abbrechen() { close(2); }

}  // namespace kal
