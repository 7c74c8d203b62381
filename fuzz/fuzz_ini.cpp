// The INI reader of the settings and language files: whatever it reads, the
// sections, keys and values written back in its own dialect (a BOM, headers,
// quoted values) read to the same again; and a status-line text taken from
// any value never shows empty.
#include <vector>

#include "datalib/ini.h"
#include "pruefen.h"
#include "ui/main/ergebnisanzeige.h"

namespace {
struct Abschnitt {
    std::string name;
    std::vector<std::pair<std::string, std::string>> eintraege;
    bool operator==(const Abschnitt&) const = default;
};

std::vector<Abschnitt> inhalt(const CIniEx& ini) {
    std::vector<Abschnitt> a;
    std::vector<std::string> namen = ini.GetSections();
    // the entries before the first header, when there are any, come first
    if (namen.empty() || !namen.front().empty()) namen.insert(namen.begin(), "");
    for (const std::string& n : namen) {
        Abschnitt x{n, {}};
        std::vector<std::string> keys;
        ini.GetKeysInSection(n, keys);
        for (const std::string& k : keys) x.eintraege.emplace_back(k, ini.GetValue(n, k, ""));
        a.push_back(x);
    }
    return a;
}

std::string schreibe(const std::vector<Abschnitt>& abschnitte) {
    std::string t = "\xEF\xBB\xBF";
    for (const Abschnitt& a : abschnitte) {
        if (!a.name.empty()) t += "[" + a.name + "]\n";
        for (const auto& [k, v] : a.eintraege) t += k + "=\"" + v + "\"\n";
    }
    return t;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CIniEx ini;
    ini.OpenFromText(kalfuzz::text(data, size));
    const std::vector<Abschnitt> gelesen = inhalt(ini);
    CIniEx wieder;
    wieder.OpenFromText(schreibe(gelesen));
    KAL_PRUEFE(inhalt(wieder) == gelesen);
    for (const Abschnitt& a : gelesen)
        for (const auto& [k, v] : a.eintraege)
            if (!v.empty()) KAL_PRUEFE(!kal::statusText(v, 18.0).empty());
    return 0;
}
