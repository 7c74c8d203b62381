#include "benutzeraktion.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace kal {

std::string anwenden(Form& f, const Benutzeraktion& a, const Ereignisziel& ziel) {
    const std::string name = "control " + std::to_string(a.id);
    const ControlState* c = f.find(a.id);
    if (!c) return name + " does not exist";
    if (!c->visible) return name + " is hidden";
    if (!c->enabled) return name + " is disabled";
    switch (a.art) {
        case Benutzeraktion::Art::Auswahl: {
            int pos = f.findValue(a.id, a.wert);
            if (pos < 0) return name + " has no entry with item value " + std::to_string(a.wert);
            f.select(a.id, pos);
            ziel(a.id, BindEvent::Changed);
            break;
        }
        case Benutzeraktion::Art::Haken:
            f.setChecked(a.id, a.haken);
            ziel(a.id, BindEvent::Clicked);
            break;
        case Benutzeraktion::Art::Text: {
            if (c->readOnly) return name + " is read-only";
            // the field takes no more than a user could type, on one line
            f.setText(a.id, eingabeText(a.text, c->maxLength));
            ziel(a.id, BindEvent::Changed);
            ziel(a.id, BindEvent::FocusLost);
            break;
        }
        case Benutzeraktion::Art::Klick:
            f.setChecked(a.id, true);
            ziel(a.id, BindEvent::Clicked);
            break;
        case Benutzeraktion::Art::Befehl:
            ziel(a.id, BindEvent::Command);
            break;
    }
    return {};
}

std::optional<std::vector<Benutzeraktion>> aktionenLesen(const std::string& text,
                                                         std::string& fehler) {
    using Json = nlohmann::json;
    Json j = Json::parse(text, nullptr, false);
    if (!j.is_array()) {
        fehler = "not a JSON list of actions";
        return std::nullopt;
    }
    std::vector<Benutzeraktion> aktionen;
    for (size_t i = 0; i < j.size(); ++i) {
        const Json& e = j[i];
        const std::string wo = "action " + std::to_string(i + 1) + ": ";
        if (!e.is_object() || !e.contains("id") || !e["id"].is_number_integer()) {
            fehler = wo + "needs an integer \"id\"";
            return std::nullopt;
        }
        Benutzeraktion a;
        a.id = e["id"].get<int>();
        if (e.contains("select") && e["select"].is_number_integer()) {
            a.art = Benutzeraktion::Art::Auswahl;
            a.wert = e["select"].get<int>();
        } else if (e.contains("check") && e["check"].is_boolean()) {
            a.art = Benutzeraktion::Art::Haken;
            a.haken = e["check"].get<bool>();
        } else if (e.contains("text") && e["text"].is_string()) {
            a.art = Benutzeraktion::Art::Text;
            a.text = e["text"].get<std::string>();
        } else if (e.contains("click") && e["click"] == true) {
            a.art = Benutzeraktion::Art::Klick;
        } else if (e.contains("command") && e["command"] == true) {
            a.art = Benutzeraktion::Art::Befehl;
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
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        fehler = "cannot read the file";
        return std::nullopt;
    }
    return aktionenLesen(text.str(), fehler);
}

}  // namespace kal
