#include "dialoginfo.h"

#include "format.h"

namespace kal {

DialogInfo::DialogInfo(const std::string& caption, const CIniEx& settings) {
    std::string c;
    for (char ch : caption)
        if (ch != '&') c += ch;
    setCaption(c);
    Form& f = form();
    f.setText(1371, settings.GetValue("info", "info1", ""));
    f.setText(1372, formatiere("%s %s.%s, %s", "Version ", "3.26",
                               settings.GetValue("Daten", "version", "").c_str(), "30.05.2006"));
    f.setText(1373, settings.GetValue("info", "info2", ""));
    f.setText(1374, settings.GetValue("info", "info3", ""));
    f.setText(1375, settings.GetValue("info", "info4", ""));
    f.setText(1376, settings.GetValue("info", "info5", ""));
}

}  // namespace kal
