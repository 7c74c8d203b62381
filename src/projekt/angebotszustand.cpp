#include "projekt/angebotszustand.h"

#include "datalib/format.h"

namespace kal {

std::vector<AngebotsEintrag> eintraegeAusForm(const Form& f, std::span<const int> ids) {
    std::vector<AngebotsEintrag> aus;
    for (int id : ids) {
        const ControlState* c = f.find(id);
        // what the program fills into a locked field is no choice
        if (!c || !c->enabled || !c->visible || c->readOnly) continue;
        AngebotsEintrag e;
        e.feld = std::to_string(id);
        switch (c->kind) {
            case ControlKind::List:
                if (c->selection < 0 || c->selection >= static_cast<int>(c->items.size())) continue;
                e.wert = c->items[static_cast<size_t>(c->selection)].value;
                e.text = c->items[static_cast<size_t>(c->selection)].text;
                break;
            case ControlKind::CheckBox:
                e.an = c->checked;
                break;
            case ControlKind::Radio:
                if (!c->checked) continue;
                e.an = true;
                break;
            case ControlKind::Edit:
                e.text = c->text;
                break;
            default:
                continue;
        }
        aus.push_back(std::move(e));
    }
    return aus;
}

namespace {
// The action that makes the control as the entry says; nullopt when it
// already is. `passt` false: the entry does not fit the control.
std::optional<Benutzeraktion> aktionFuer(const ControlState& c, const AngebotsEintrag& e, int id,
                                         bool& passt) {
    passt = true;
    Benutzeraktion a;
    a.id = id;
    switch (c.kind) {
        case ControlKind::List: {
            if (!e.wert) break;
            const ListEntry* gewaehlt =
                c.selection >= 0 && c.selection < static_cast<int>(c.items.size())
                    ? &c.items[static_cast<size_t>(c.selection)]
                    : nullptr;
            // The item value names the choice; its text is the one of the
            // language the offer was made in, so a value that is unique in
            // the list is the choice whatever its text reads now.
            int mitWert = 0;
            bool mitText = false;
            for (const ListEntry& i : c.items)
                if (i.value == *e.wert) {
                    ++mitWert;
                    mitText = mitText || i.text == e.text;
                }
            if (!mitText && mitWert != 1) break;
            if (gewaehlt && gewaehlt->value == *e.wert &&
                (mitWert == 1 || gewaehlt->text == e.text))
                return std::nullopt;
            a.art = Benutzeraktion::Art::Auswahl;
            a.wert = *e.wert;
            return a;
        }
        case ControlKind::CheckBox:
            if (!e.an) break;
            if (c.checked == *e.an) return std::nullopt;
            a.art = Benutzeraktion::Art::Haken;
            a.haken = *e.an;
            return a;
        case ControlKind::Radio:
            if (!e.an || !*e.an) break;
            if (c.checked) return std::nullopt;
            a.art = Benutzeraktion::Art::Klick;
            return a;
        case ControlKind::Edit:
            if (e.wert || e.an) break;
            if (c.text == e.text) return std::nullopt;
            a.art = Benutzeraktion::Art::Text;
            a.text = e.text;
            return a;
        default:
            break;
    }
    passt = false;
    return std::nullopt;
}
}  // namespace

std::vector<AngebotsEintrag> eintraegeAnwenden(Form& f,
                                               const std::vector<AngebotsEintrag>& eintraege,
                                               const Ereignisziel& ziel) {
    std::vector<AngebotsEintrag> verworfen;
    for (const AngebotsEintrag& e : eintraege) {
        const int id = textZuInt(e.feld);
        const ControlState* c = std::to_string(id) == e.feld ? f.find(id) : nullptr;
        bool passt = false;
        std::optional<Benutzeraktion> a;
        if (c) a = aktionFuer(*c, e, id, passt);
        if (!passt || (a && !anwenden(f, *a, ziel).empty())) verworfen.push_back(e);
    }
    return verworfen;
}

}  // namespace kal
