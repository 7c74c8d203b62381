#include "projekt/angebotsblock.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <nlohmann/json.hpp>

namespace kal {

namespace {
using Json = nlohmann::ordered_json;

// This version writes three levels (root, list, entry); a member added
// later may nest a little deeper and is kept, a hostile block of brackets
// is refused before it is parsed.
constexpr int kMaxTiefe = 8;

const char* const kBekannt[] = {
    "revision",   "revisionDate",  "projectData",    "pack",
    "completion", "specification", "computedFields", "furtherOperatingPoints"};

Json eintraegeJson(const std::vector<AngebotsEintrag>& liste) {
    Json a = Json::array();
    for (const AngebotsEintrag& e : liste) {
        Json j;
        j["field"] = e.feld;
        if (e.wert) j["value"] = *e.wert;
        j["text"] = e.text;
        if (e.an) j["checked"] = *e.an;
        a.push_back(std::move(j));
    }
    return a;
}

bool zahlLesen(std::string_view s, long long& out) {
    if (s.empty() || s.size() > 18) return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && out >= 0;
}

// Reads an optional string member; false when present but not a short string.
bool textLesen(const Json& o, const char* key, std::string& out) {
    auto it = o.find(key);
    if (it == o.end()) return true;
    if (!it->is_string()) return false;
    out = it->get<std::string>();
    return out.size() <= kAngebotMaxText;
}

bool eintraegeLesen(const Json& o, const char* key, std::vector<AngebotsEintrag>& out) {
    auto it = o.find(key);
    if (it == o.end()) return true;
    if (!it->is_array() || it->size() > kAngebotMaxEintraege) return false;
    for (const Json& j : *it) {
        if (!j.is_object()) return false;
        AngebotsEintrag e;
        if (!textLesen(j, "field", e.feld) || e.feld.empty() || !textLesen(j, "text", e.text))
            return false;
        if (auto w = j.find("value"); w != j.end()) {
            if (!w->is_number_integer()) return false;
            const long long v = w->get<long long>();
            if (v < INT_MIN || v > INT_MAX) return false;
            e.wert = static_cast<int>(v);
        }
        if (auto c = j.find("checked"); c != j.end()) {
            if (!c->is_boolean()) return false;
            e.an = c->get<bool>();
        }
        out.push_back(std::move(e));
    }
    return true;
}

// The points member; false when it is not a list of points of short texts.
bool punkteLesen(const Json& o, std::vector<Betriebspunkt>& out) {
    auto it = o.find("furtherOperatingPoints");
    if (it == o.end()) return true;
    if (!it->is_array() || it->size() > kMaxWeiterePunkte) return false;
    for (const Json& j : *it) {
        if (!j.is_object()) return false;
        Betriebspunkt p;
        for (size_t i = 0; i < kPunktFelder; ++i)
            if (!textLesen(j, kPunktFeldNamen[i], p[i]) || p[i].size() > kPunktMaxText)
                return false;
        out.push_back(std::move(p));
    }
    return true;
}

std::optional<AngebotsBlock> blockLesen(const Json& o, bool& punkteBeschaedigt) {
    if (!o.is_object()) return std::nullopt;
    AngebotsBlock b;
    auto rev = o.find("revision");
    if (rev == o.end() || !rev->is_number_integer()) return std::nullopt;
    const long long r = rev->get<long long>();
    if (r < 0 || r > INT_MAX) return std::nullopt;
    b.revision = static_cast<int>(r);
    if (!textLesen(o, "revisionDate", b.revisionsdatum) || !textLesen(o, "pack", b.paket))
        return std::nullopt;
    if (auto pd = o.find("projectData"); pd != o.end()) {
        if (!pd->is_object()) return std::nullopt;
        if (!textLesen(*pd, "customer", b.kunde) || !textLesen(*pd, "project", b.projekt) ||
            !textLesen(*pd, "item", b.position) || !textLesen(*pd, "clerk", b.sachbearbeiter) ||
            !textLesen(*pd, "telephone", b.telefon) || !textLesen(*pd, "offerDate", b.datum))
            return std::nullopt;
    }
    if (!eintraegeLesen(o, "completion", b.komplettierung) ||
        !eintraegeLesen(o, "specification", b.spezifikation))
        return std::nullopt;
    if (auto bf = o.find("computedFields"); bf != o.end()) {
        if (!bf->is_array() || bf->size() > kAngebotMaxEintraege) return std::nullopt;
        for (const Json& j : *bf) {
            if (!j.is_string() || j.get_ref<const std::string&>().size() > kAngebotMaxText)
                return std::nullopt;
            b.berechneteFelder.push_back(j.get<std::string>());
        }
    }
    // bad points cost the points, not the offer
    if (!punkteLesen(o, b.betriebspunkte)) {
        b.betriebspunkte.clear();
        punkteBeschaedigt = true;
    }
    Json weitere = Json::object();
    for (const auto& [name, wert] : o.items())
        if (std::find(std::begin(kBekannt), std::end(kBekannt), name) == std::end(kBekannt))
            weitere[name] = wert;
    if (!weitere.empty()) b.weitere = weitere.dump();
    return b;
}
}  // namespace

bool jsonFlachGenug(std::string_view text, int maxTiefe) {
    int tiefe = 0;
    bool inText = false, escape = false;
    for (char c : text) {
        if (inText) {
            if (escape)
                escape = false;
            else if (c == '\\')
                escape = true;
            else if (c == '"')
                inText = false;
        } else if (c == '"') {
            inText = true;
        } else if (c == '[' || c == '{') {
            if (++tiefe > maxTiefe) return false;
        } else if (c == ']' || c == '}') {
            --tiefe;
        }
    }
    return true;
}

const char* const kPunktFeldNamen[kPunktFelder] = {
    "warmFlow", "coldFlow", "warmIn",  "warmOut",          "coldIn",
    "coldOut",  "duty",     "reserve", "warmPressureDrop", "coldPressureDrop"};

bool nurBetriebspunkte(const AngebotsBlock& b) {
    AngebotsBlock ohne = b;
    ohne.betriebspunkte.clear();
    return ohne == AngebotsBlock{};
}

std::string angebotKodieren(const AngebotsBlock& b) {
    Json j;
    j["revision"] = b.revision;
    j["revisionDate"] = b.revisionsdatum;
    j["projectData"] = {{"customer", b.kunde},    {"project", b.projekt},
                        {"item", b.position},     {"clerk", b.sachbearbeiter},
                        {"telephone", b.telefon}, {"offerDate", b.datum}};
    j["pack"] = b.paket;
    j["completion"] = eintraegeJson(b.komplettierung);
    j["specification"] = eintraegeJson(b.spezifikation);
    j["computedFields"] = b.berechneteFelder;
    if (!b.betriebspunkte.empty()) {
        Json punkte = Json::array();
        for (const Betriebspunkt& p : b.betriebspunkte) {
            Json e = Json::object();
            for (size_t i = 0; i < kPunktFelder; ++i) e[kPunktFeldNamen[i]] = p[i];
            punkte.push_back(std::move(e));
        }
        j["furtherOperatingPoints"] = std::move(punkte);
    }
    if (!b.weitere.empty()) {
        const Json weitere = Json::parse(b.weitere, nullptr, false);
        if (weitere.is_object())
            for (const auto& [name, wert] : weitere.items())
                if (!j.contains(name)) j[name] = wert;
    }
    // texts that are no valid UTF-8 are written with replacement characters
    // rather than making the whole save fail
    const std::string text = j.dump(1, '\t', false, Json::error_handler_t::replace);
    return std::string(kAngebotMarke) + " " + std::to_string(kAngebotVersion) + " " +
           std::to_string(text.size()) + "\n" + text + "\n";
}

AngebotGelesen angebotDekodieren(std::string_view rest) {
    AngebotGelesen g;
    if (rest.empty()) return g;
    g.lage = AngebotsLage::Beschaedigt;
    const size_t zeilenEnde = rest.substr(0, 64).find('\n');
    if (zeilenEnde == std::string_view::npos) return g;
    std::string_view zeile = rest.substr(0, zeilenEnde);
    const std::string_view marke = kAngebotMarke;
    if (zeile.substr(0, marke.size()) != marke || zeile.size() <= marke.size() ||
        zeile[marke.size()] != ' ')
        return g;
    zeile.remove_prefix(marke.size() + 1);
    const size_t leer = zeile.find(' ');
    if (leer == std::string_view::npos) return g;
    long long version = 0, laenge = 0;
    if (!zahlLesen(zeile.substr(0, leer), version) || version < 1) return g;
    if (version > kAngebotVersion) {
        // a later program's block: said as such, whatever follows
        g.lage = AngebotsLage::Neuer;
        g.version = version > INT_MAX ? INT_MAX : static_cast<int>(version);
        return g;
    }
    if (!zahlLesen(zeile.substr(leer + 1), laenge) ||
        static_cast<unsigned long long>(laenge) > kAngebotMaxGroesse)
        return g;
    const std::string_view koerper = rest.substr(zeilenEnde + 1);
    const size_t n = static_cast<size_t>(laenge);
    // exactly the announced text and the closing newline: a cut or an
    // appended file shows here
    if (koerper.size() != n + 1 || koerper[n] != '\n') return g;
    const std::string_view text = koerper.substr(0, n);
    if (!jsonFlachGenug(text, kMaxTiefe)) return g;
    const Json j = Json::parse(text.begin(), text.end(), nullptr, false);
    if (j.is_discarded()) return g;
    g.block = blockLesen(j, g.punkteBeschaedigt);
    if (g.block) g.lage = AngebotsLage::Gelesen;
    return g;
}

}  // namespace kal
