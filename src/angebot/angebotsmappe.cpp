#include "angebot/angebotsmappe.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <nlohmann/json.hpp>
#include <span>

#include "projekt/angebotsblock.h"
#include "projekt/projektdatei.h"

namespace kal {

namespace {
using Json = nlohmann::ordered_json;

constexpr int kMaxTiefe = 10;
// The totals of a revision: far above any real quotation, far below
// where cents overflow.
constexpr long long kMaxCent = 1'000'000'000'000'000LL;

const char* const kBekannt[] = {"format",     "version",   "customer", "ourReference",
                                "enquiry",    "date",      "validity", "language",
                                "currency",   "revision",  "terms",    "discountPercent",
                                "vatPercent", "positions", "history"};
const char* const kPositionBekannt[] = {"project", "quantity", "text", "documents"};

const char kZeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// A reason that names where the file is wrong; thrown inside the reader only.
struct Fehler {
    std::string grund;
};

[[noreturn]] void fehler(const std::string& wo, const char* was) { throw Fehler{wo + ": " + was}; }

const Json* member(const Json& o, const char* key) {
    auto it = o.find(key);
    return it == o.end() ? nullptr : &*it;
}

void text(const Json& o, const char* key, const std::string& wo, std::string& out) {
    const Json* j = member(o, key);
    if (!j) return;
    if (!j->is_string()) fehler(wo + key, "not a text");
    out = j->get<std::string>();
    if (out.size() > kMappeMaxText) fehler(wo + key, "text too long");
}

long long ganzzahl(const Json& j, const std::string& wo, long long min, long long max) {
    if (!j.is_number_integer()) fehler(wo, "not a whole number");
    if (j.is_number_unsigned() &&
        j.get<unsigned long long>() > static_cast<unsigned long long>(max))
        fehler(wo, "out of range");
    const long long v = j.get<long long>();
    if (v < min || v > max) fehler(wo, "out of range");
    return v;
}

// A percentage 0..100 as hundredths of a percent.
int prozent(const Json& o, const char* key) {
    const Json* j = member(o, key);
    if (!j) return 0;
    if (!j->is_number()) fehler(key, "not a number");
    const double p = j->get<double>();
    if (!std::isfinite(p) || p < 0.0 || p > 100.0) fehler(key, "out of range (0 to 100)");
    return static_cast<int>(std::floor(p * 100.0 + 0.5));
}

std::string unbekannte(const Json& o, std::span<const char* const> bekannt) {
    Json weitere = Json::object();
    for (const auto& [name, wert] : o.items())
        if (std::find(bekannt.begin(), bekannt.end(), name) == bekannt.end()) weitere[name] = wert;
    return weitere.empty() ? std::string() : weitere.dump();
}

void zurueck(Json& j, const std::string& weitere) {
    if (weitere.empty()) return;
    const Json w = Json::parse(weitere, nullptr, false);
    if (!w.is_object()) return;
    for (const auto& [name, wert] : w.items())
        if (!j.contains(name)) j[name] = wert;
}

Angebotsmappe lesen(const Json& o) {
    if (!o.is_object()) fehler("file", "not a JSON object");
    Angebotsmappe m;
    m.sprache.clear();
    if (const Json* k = member(o, "customer")) {
        if (!k->is_object()) fehler("customer", "not an object");
        text(*k, "name", "customer.", m.kunde.name);
        text(*k, "contact", "customer.", m.kunde.kontakt);
        if (const Json* a = member(*k, "address")) {
            if (!a->is_array()) fehler("customer.address", "not a list");
            if (a->size() > kMappeMaxZeilen) fehler("customer.address", "too many lines");
            for (const Json& z : *a) {
                if (!z.is_string() || z.get_ref<const std::string&>().size() > kMappeMaxText)
                    fehler("customer.address", "a line is not a text");
                m.kunde.adresse.push_back(z.get<std::string>());
            }
        }
    }
    text(o, "ourReference", "", m.unsereReferenz);
    if (const Json* a = member(o, "enquiry")) {
        if (!a->is_object()) fehler("enquiry", "not an object");
        text(*a, "reference", "enquiry.", m.anfrageReferenz);
        text(*a, "date", "enquiry.", m.anfrageDatum);
    }
    text(o, "date", "", m.datum);
    text(o, "validity", "", m.gueltigkeit);
    text(o, "language", "", m.sprache);
    text(o, "currency", "", m.waehrung);
    if (const Json* r = member(o, "revision"))
        m.revision = static_cast<int>(ganzzahl(*r, "revision", 0, kMappeMaxRevision));
    if (const Json* t = member(o, "terms")) {
        if (!t->is_object()) fehler("terms", "not an object");
        text(*t, "payment", "terms.", m.bedingungen.zahlung);
        text(*t, "delivery", "terms.", m.bedingungen.lieferung);
        text(*t, "packing", "terms.", m.bedingungen.verpackung);
        text(*t, "warranty", "terms.", m.bedingungen.gewaehrleistung);
    }
    m.rabatt = prozent(o, "discountPercent");
    m.mwst = prozent(o, "vatPercent");
    const Json* p = member(o, "positions");
    if (!p || !p->is_array()) fehler("positions", "missing or not a list");
    if (p->size() > kMappeMaxPositionen) fehler("positions", "too many positions");
    for (size_t i = 0; i < p->size(); ++i) {
        const Json& j = (*p)[i];
        const std::string wo = "positions[" + std::to_string(i + 1) + "]";
        if (!j.is_object()) fehler(wo, "not an object");
        Mappenposition pos;
        const Json* b = member(j, "project");
        if (!b || !b->is_string()) fehler(wo + ".project", "missing or not a text");
        std::optional<std::string> bytes = ausBasis64(b->get_ref<const std::string&>());
        if (!bytes) fehler(wo + ".project", "not valid base64");
        if (!projektBytesGueltig(*bytes)) fehler(wo + ".project", "not a project file");
        pos.projekt = std::move(*bytes);
        if (const Json* q = member(j, "quantity"))
            pos.menge = static_cast<int>(ganzzahl(*q, wo + ".quantity", 1, kMappeMaxMenge));
        text(j, "text", wo + ".", pos.text);
        if (const Json* d = member(j, "documents")) {
            if (!d->is_boolean()) fehler(wo + ".documents", "not true or false");
            pos.dokumente = d->get<bool>();
        }
        pos.weitere = unbekannte(j, kPositionBekannt);
        m.positionen.push_back(std::move(pos));
    }
    if (const Json* h = member(o, "history")) {
        if (!h->is_array()) fehler("history", "not a list");
        if (h->size() > static_cast<size_t>(kMappeMaxRevision) + 1) fehler("history", "too long");
        for (const Json& j : *h) {
            if (!j.is_object()) fehler("history", "an entry is not an object");
            Revisionsstand s;
            const Json* r = member(j, "revision");
            if (!r) fehler("history.revision", "missing");
            s.revision = static_cast<int>(ganzzahl(*r, "history.revision", 0, kMappeMaxRevision));
            text(j, "date", "history.", s.datum);
            for (auto [key, ziel] : {std::pair{"subtotalCents", &s.zwischensumme},
                                     std::pair{"totalCents", &s.gesamt}}) {
                const Json* c = member(j, key);
                if (!c) fehler(std::string("history.") + key, "missing");
                *ziel = ganzzahl(*c, std::string("history.") + key, 0, kMaxCent);
            }
            m.historie.push_back(std::move(s));
        }
    }
    m.weitere = unbekannte(o, kBekannt);
    return m;
}
}  // namespace

std::string basis64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int s : {18, 12, 6, 0}) out += kZeichen[(v >> s) & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kZeichen[(v >> 18) & 63];
        out += kZeichen[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kZeichen[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::optional<std::string> ausBasis64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        unsigned v = 0;
        int fuell = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            int w = -1;
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++fuell;
                w = 0;
            } else if (fuell == 0) {
                const char* p = std::find(kZeichen, kZeichen + 64, c);
                if (p != kZeichen + 64) w = static_cast<int>(p - kZeichen);
            }
            if (w < 0) return std::nullopt;
            v = v << 6 | static_cast<unsigned>(w);
        }
        out += static_cast<char>(v >> 16 & 0xFF);
        if (fuell < 2) out += static_cast<char>(v >> 8 & 0xFF);
        if (fuell < 1) out += static_cast<char>(v & 0xFF);
    }
    return out;
}

bool projektBytesGueltig(std::string_view bytes) {
    if (bytes.size() < static_cast<size_t>(kProjektGroesse) ||
        bytes.size() > kProjektGroesse + 64 + kAngebotMaxGroesse + 1)
        return false;
    return ProjektInhalt::dekodieren(std::string(bytes.substr(0, kProjektGroesse))).has_value();
}

std::string mappeKodieren(const Angebotsmappe& m) {
    Json j;
    j["format"] = kMappenFormat;
    j["version"] = kMappenVersion;
    j["customer"] = {
        {"name", m.kunde.name}, {"address", m.kunde.adresse}, {"contact", m.kunde.kontakt}};
    j["ourReference"] = m.unsereReferenz;
    j["enquiry"] = {{"reference", m.anfrageReferenz}, {"date", m.anfrageDatum}};
    j["date"] = m.datum;
    j["validity"] = m.gueltigkeit;
    j["language"] = m.sprache;
    j["currency"] = m.waehrung;
    j["revision"] = m.revision;
    j["terms"] = {{"payment", m.bedingungen.zahlung},
                  {"delivery", m.bedingungen.lieferung},
                  {"packing", m.bedingungen.verpackung},
                  {"warranty", m.bedingungen.gewaehrleistung}};
    j["discountPercent"] = m.rabatt / 100.0;
    j["vatPercent"] = m.mwst / 100.0;
    Json positionen = Json::array();
    for (const Mappenposition& p : m.positionen) {
        Json e{{"project", basis64(p.projekt)}, {"quantity", p.menge}, {"text", p.text}};
        // written only where it differs from what a file without it means
        if (!p.dokumente) e["documents"] = false;
        zurueck(e, p.weitere);
        positionen.push_back(std::move(e));
    }
    j["positions"] = std::move(positionen);
    Json historie = Json::array();
    for (const Revisionsstand& s : m.historie)
        historie.push_back({{"revision", s.revision},
                            {"date", s.datum},
                            {"subtotalCents", s.zwischensumme},
                            {"totalCents", s.gesamt}});
    j["history"] = std::move(historie);
    zurueck(j, m.weitere);
    return j.dump(1, '\t', false, Json::error_handler_t::replace) + "\n";
}

MappeGelesen mappeDekodieren(std::string_view text) {
    MappeGelesen g;
    if (text.size() > kMappeMaxGroesse) {
        g.grund = "file too large";
        return g;
    }
    if (!jsonFlachGenug(text, kMaxTiefe)) {
        g.grund = "nested too deeply";
        return g;
    }
    const Json j = Json::parse(text.begin(), text.end(), nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        g.grund = "not a JSON object (cut off or damaged)";
        return g;
    }
    const Json* format = member(j, "format");
    if (!format || *format != kMappenFormat) {
        g.grund = "format: not a quotation";
        return g;
    }
    const Json* version = member(j, "version");
    if (!version || !version->is_number_integer()) {
        g.grund = "version: missing or not a whole number";
        return g;
    }
    if (version->is_number_unsigned() &&
        version->get<unsigned long long>() > static_cast<unsigned long long>(kMappenVersion)) {
        // a later program's quotation: said as such, whatever else it holds
        const unsigned long long v = version->get<unsigned long long>();
        g.lage = MappenLage::Neuer;
        g.version = v > INT_MAX ? INT_MAX : static_cast<int>(v);
        g.grund = "version " + std::to_string(v);
        return g;
    }
    if (version->get<long long>() < 1) {
        g.grund = "version: out of range";
        return g;
    }
    try {
        g.mappe = lesen(j);
        g.lage = MappenLage::Gelesen;
    } catch (const Fehler& f) {
        g.grund = f.grund;
    } catch (const std::exception& e) {
        g.grund = e.what();
    }
    return g;
}

bool mappeErgaenzen(Angebotsmappe& m, std::string_view text, std::string& grund) {
    if (text.size() > kMappeMaxGroesse || !jsonFlachGenug(text, kMaxTiefe)) {
        grund = "file too large or nested too deeply";
        return false;
    }
    Json j = Json::parse(text.begin(), text.end(), nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        grund = "not a JSON object";
        return false;
    }
    for (const char* fremd : {"positions", "history", "format", "version", "revision"})
        j.erase(fremd);
    j["positions"] = Json::array();
    Angebotsmappe neu;
    try {
        neu = lesen(j);
    } catch (const Fehler& f) {
        grund = f.grund;
        return false;
    }
    Angebotsmappe e = m;
    if (j.contains("customer")) {
        const Json& k = j["customer"];
        if (k.contains("name")) e.kunde.name = neu.kunde.name;
        if (k.contains("address")) e.kunde.adresse = neu.kunde.adresse;
        if (k.contains("contact")) e.kunde.kontakt = neu.kunde.kontakt;
    }
    if (j.contains("ourReference")) e.unsereReferenz = neu.unsereReferenz;
    if (j.contains("enquiry")) {
        if (j["enquiry"].contains("reference")) e.anfrageReferenz = neu.anfrageReferenz;
        if (j["enquiry"].contains("date")) e.anfrageDatum = neu.anfrageDatum;
    }
    if (j.contains("date")) e.datum = neu.datum;
    if (j.contains("validity")) e.gueltigkeit = neu.gueltigkeit;
    if (j.contains("language")) e.sprache = neu.sprache;
    if (j.contains("currency")) e.waehrung = neu.waehrung;
    if (j.contains("terms")) {
        const Json& t = j["terms"];
        if (t.contains("payment")) e.bedingungen.zahlung = neu.bedingungen.zahlung;
        if (t.contains("delivery")) e.bedingungen.lieferung = neu.bedingungen.lieferung;
        if (t.contains("packing")) e.bedingungen.verpackung = neu.bedingungen.verpackung;
        if (t.contains("warranty")) e.bedingungen.gewaehrleistung = neu.bedingungen.gewaehrleistung;
    }
    if (j.contains("discountPercent")) e.rabatt = neu.rabatt;
    if (j.contains("vatPercent")) e.mwst = neu.mwst;
    m = std::move(e);
    return true;
}

}  // namespace kal
