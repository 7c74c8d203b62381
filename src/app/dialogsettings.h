// DialogSettings: the language choice (label 1132, list 1134 of display
// names in the order of section "languages", OK 1, Cancel 2).
#pragma once

#include <string>

#include "form.h"
#include "ini.h"

namespace kal {

class DialogSettings : public DialogModel {
public:
    enum : int { IDOK = 1, IDCANCEL = 2, LABEL_LANGUAGE = 1132, LIST_LANGUAGE = 1134 };

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
