#include "ports/benutzeraktion.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace kal {

namespace {
using Art = Benutzeraktion::Art;

// The action each kind of control takes (the one JSON key a script writes).
const char* aktionName(Art art) {
    switch (art) {
        case Art::Auswahl:
            return "select";
        case Art::Haken:
            return "check";
        case Art::Text:
            return "text";
        case Art::Klick:
            return "click";
        case Art::Befehl:
            return "command";
    }
    return "";
}

const char* artName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return "an edit field";
        case ControlKind::Label:
            return "a label";
        case ControlKind::CheckBox:
            return "a check box";
        case ControlKind::Radio:
            return "a radio button";
        case ControlKind::Button:
            return "a push button";
        case ControlKind::List:
            return "a list";
        case ControlKind::MenuItem:
            return "a menu item";
        case ControlKind::Unknown:
            break;
    }
    return "a control";
}

bool passt(ControlKind kind, Art art) {
    switch (kind) {
        case ControlKind::Unknown:
            return true;  // a dialog that does not name its kinds
        case ControlKind::Edit:
            return art == Art::Text;
        case ControlKind::CheckBox:
            return art == Art::Haken;
        case ControlKind::Radio:
        case ControlKind::Button:
            return art == Art::Klick;
        case ControlKind::List:
            return art == Art::Auswahl;
        case ControlKind::MenuItem:
            return art == Art::Befehl;
        case ControlKind::Label:
            return false;
    }
    return false;
}
}  // namespace

std::string anwenden(Form& f, const Benutzeraktion& a, const Ereignisziel& ziel) {
    const std::string name = "control " + std::to_string(a.id);
    const ControlState* c = f.find(a.id);
    if (!c) return name + " does not exist";
    if (!passt(c->kind, a.art))
        return name + " is " + artName(c->kind) + ", which takes no \"" + aktionName(a.art) + "\"";
    if (!c->visible) return name + " is hidden";
    if (!c->enabled) return name + " is disabled";
    switch (a.art) {
        case Art::Auswahl: {
            int pos = f.findValue(a.id, a.wert);
            if (pos < 0) return name + " has no entry with item value " + std::to_string(a.wert);
            f.select(a.id, pos);
            ziel(a.id, BindEvent::Changed);
            break;
        }
        case Art::Haken:
            f.setChecked(a.id, a.haken);
            ziel(a.id, BindEvent::Clicked);
            break;
        case Art::Text: {
            if (c->readOnly) return name + " is read-only";
            // the field takes no more than a user could type, on one line
            f.setText(a.id, eingabeText(a.text, c->maxLength));
            ziel(a.id, BindEvent::Changed);
            ziel(a.id, BindEvent::FocusLost);
            break;
        }
        case Art::Klick:
            // a push button keeps no check mark
            if (c->kind != ControlKind::Button) f.setChecked(a.id, true);
            ziel(a.id, BindEvent::Clicked);
            break;
        case Art::Befehl:
            ziel(a.id, BindEvent::Command);
            break;
    }
    return {};
}

namespace {
using Json = nlohmann::json;

// An integer that fits an int; nullopt for any other value (a larger one
// must not wrap into some other control's id).
std::optional<int> ganzzahl(const Json& j) {
    if (j.is_number_unsigned()) {
        const auto v = j.get<std::uint64_t>();
        if (v <= static_cast<std::uint64_t>(INT_MAX)) return static_cast<int>(v);
    } else if (j.is_number_integer()) {
        const auto v = j.get<std::int64_t>();
        if (v >= INT_MIN && v <= INT_MAX) return static_cast<int>(v);
    }
    return std::nullopt;
}
}  // namespace

std::optional<std::vector<Benutzeraktion>> aktionenLesen(const std::string& text,
                                                         std::string& fehler) {
    // the parser stops at a zero byte; JSON holds none, so what follows would go unread
    Json j = text.find('\0') == std::string::npos ? Json::parse(text, nullptr, false) : Json();
    if (!j.is_array()) {
        fehler = "not a JSON list of actions";
        return std::nullopt;
    }
    std::vector<Benutzeraktion> aktionen;
    for (size_t i = 0; i < j.size(); ++i) {
        const Json& e = j[i];
        const std::string wo = "action " + std::to_string(i + 1) + ": ";
        std::optional<int> id;
        if (e.is_object() && e.contains("id")) id = ganzzahl(e["id"]);
        if (!id) {
            fehler = wo + "needs an integer \"id\" from " + std::to_string(INT_MIN) + " to " +
                     std::to_string(INT_MAX);
            return std::nullopt;
        }
        Benutzeraktion a;
        a.id = *id;
        if (e.contains("select")) {
            std::optional<int> wert = ganzzahl(e["select"]);
            if (!wert) {
                fehler = wo + "\"select\" needs an integer item value from " +
                         std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX);
                return std::nullopt;
            }
            a.art = Art::Auswahl;
            a.wert = *wert;
        } else if (e.contains("check") && e["check"].is_boolean()) {
            a.art = Art::Haken;
            a.haken = e["check"].get<bool>();
        } else if (e.contains("text") && e["text"].is_string()) {
            a.art = Art::Text;
            a.text = e["text"].get<std::string>();
        } else if (e.contains("click") && e["click"] == true) {
            a.art = Art::Klick;
        } else if (e.contains("command") && e["command"] == true) {
            a.art = Art::Befehl;
        } else {
            fehler = wo +
                     "needs one of \"select\" (an item value), \"check\" (true or false), "
                     "\"text\", \"click\": true, \"command\": true";
            return std::nullopt;
        }
        aktionen.push_back(a);
    }
    return aktionen;
}

std::optional<std::vector<Benutzeraktion>> aktionenDatei(const std::string& pfad,
                                                         std::string& fehler) {
    const std::string zuGross =
        "larger than " + std::to_string(kAktionsdateiMax >> 20) + " MiB: not an action file";
    std::error_code ec;
    const std::uintmax_t groesse = std::filesystem::file_size(pfad, ec);
    if (!ec && groesse > kAktionsdateiMax) {
        fehler = zuGross;
        return std::nullopt;
    }
    // a pipe or device has no size: read no more than the limit allows
    std::ifstream in(pfad, std::ios::binary);
    std::string text;
    char puffer[65536];
    while (in && text.size() <= kAktionsdateiMax) {
        in.read(puffer, sizeof puffer);
        text.append(puffer, static_cast<size_t>(in.gcount()));
    }
    if (!in.is_open() || in.bad() || std::filesystem::is_directory(pfad, ec)) {
        fehler = "cannot read the file";
        return std::nullopt;
    }
    if (text.size() > kAktionsdateiMax) {
        fehler = zuGross;
        return std::nullopt;
    }
    return aktionenLesen(text, fehler);
}

}  // namespace kal
