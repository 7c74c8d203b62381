#include "benutzeraktion.h"

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
            // the field takes no more than a user could type
            f.setText(a.id, aufLaengeGekuerzt(a.text, c->maxLength));
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

}  // namespace kal
