// DialogInfo: the about box (lines 1371..1376, OK 1).
#pragma once

#include <string>

#include "form.h"
#include "ini.h"

namespace kal {

class DialogInfo : public DialogModel {
public:
    enum : int { IDOK = 1, ZEILE1 = 1371, ZEILE6 = 1376 };
    // `caption`: the menu text; its access-key "&" are dropped.
    DialogInfo(const std::string& caption, const CIniEx& settings);
    std::string dialogName() const override { return "DialogInfo"; }
    void ok() { close(1); }
};

}  // namespace kal
