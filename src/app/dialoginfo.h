// DialogInfo: the about box (six lines and OK, ids in dialoginfo_ids.h).
#pragma once

#include <string>

#include "datalib/ini.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"

namespace kal {

class DialogInfo : public DialogModel {
public:
    // `caption`: the menu text; its access-key "&" are dropped.
    DialogInfo(const std::string& caption, const CIniEx& settings);
    std::string dialogName() const override { return "DialogInfo"; }
    void ok() { close(1); }
};

}  // namespace kal
