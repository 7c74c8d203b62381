#include "app/dialoginfo.h"

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "version/kal_version.h"

namespace kal {

namespace {
// The about lines of the installation; the language file may word any of them.
constexpr Beschriftung kZeilen[] = {
    {info::Zeile1, "info", "info1"}, {info::Zeile3, "info", "info2"},
    {info::Zeile4, "info", "info3"}, {info::Zeile5, "info", "info4"},
    {info::Zeile6, "info", "info5"},
};
}  // namespace

DialogInfo::DialogInfo(const std::string& caption, const CIniEx& settings, const CIniEx& sprache) {
    std::string c;
    for (char ch : caption)
        if (ch != '&') c += ch;
    setCaption(c);
    Form& f = form();
    beschriftungenSetzen(f, settings, kZeilen);
    for (const Beschriftung& z : kZeilen) {
        const std::string t = sprache.GetValue("about", z.key, "");
        if (!t.empty()) f.setText(z.id, t);
    }
    f.setText(info::Zeile2,
              formatiere("%s %s.%s, %s", "Version ", KAL_VERSION,
                         settings.GetValue("Daten", "version", "").c_str(), "30.05.2006"));
}

}  // namespace kal
