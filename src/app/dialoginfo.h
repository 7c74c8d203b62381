// DialogInfo: the about box (six lines and OK, ids in dialoginfo_ids.h).
#pragma once

#include <string>

#include "datalib/ini.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"

namespace kal {

class DialogInfo : public DialogModel {
public:
    // `caption`: the menu text; its access-key "&" are dropped. The lines
    // come from the settings file, each one the language file's section
    // "about" holds from there instead (the program's description).
    DialogInfo(const std::string& caption, const CIniEx& settings, const CIniEx& sprache);
    std::string dialogName() const override { return "DialogInfo"; }
    void ok() { close(1); }
};

}  // namespace kal
