// DialogSettings: the language choice (a list of display names in the order
// of section "languages", OK and Cancel; ids in dialogsettings_ids.h).
#pragma once

#include <string>

#include "datalib/ini.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"

namespace kal {

class DialogSettings : public DialogModel {
public:
    // `aktuellerName`: display name of the current language, preselected.
    DialogSettings(const CIniEx& sprache, const CIniEx& settings, const std::string& aktuellerName);
    std::string dialogName() const override { return "DialogSettings"; }

    void ok();
    void abbrechen();
    // Display name selected when OK was pressed; empty until then.
    const std::string& getErgebnis() const { return ergebnis_; }

private:
    std::string ergebnis_;
};

}  // namespace kal
