// A user's action on a dialog control, applied to a form headless exactly
// as the Qt binder applies the same action on screen: the control's state
// changes first, then the dialog model hears the event. Scripts (the CLI's
// choices files) and tests drive dialogs through it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/form.h"

namespace kal {

struct Benutzeraktion {
    enum class Art {
        Auswahl,  // choose the list entry whose item value is `wert`
        Haken,    // set a check box to `haken`
        Text,     // type `text` into an edit, then leave it
        Klick,    // click a radio button or a push button
        Befehl,   // choose a menu command
    };
    int id = 0;
    Art art = Art::Klick;
    int wert = 0;
    bool haken = false;
    std::string text;
};

using Ereignisziel = std::function<void(int id, BindEvent event)>;

// Applies `a` to `f` and reports it to `ziel`. Returns an empty text, or
// why a user could not have done it (unknown, hidden or disabled control,
// an action its kind does not take, no such list entry, a read-only
// field); then nothing is changed. Each kind takes one action: a list
// "select", a check box "check", an edit "text", a radio button or push
// button "click", a menu item "command"; a label none.
std::string anwenden(Form& f, const Benutzeraktion& a, const Ereignisziel& ziel);

// The largest action file read; a larger one is refused unread.
constexpr std::uintmax_t kAktionsdateiMax = std::uintmax_t{16} << 20;

// A list of actions written as JSON, e.g.
//   [{"id": 1176, "select": 17}, {"id": 1178, "check": true},
//    {"id": 1046, "text": "150"}, {"id": 1402, "click": true},
//    {"id": 40043, "command": true}]
// nullopt, with `fehler` saying where, when `text` is not such a list (ids
// and item values must be integers within the int range).
std::optional<std::vector<Benutzeraktion>> aktionenLesen(const std::string& text,
                                                         std::string& fehler);
// The same list from the file `pfad` (the command lines' action files);
// nullopt with `fehler` when it cannot be read, is larger than
// kAktionsdateiMax or is no such list.
std::optional<std::vector<Benutzeraktion>> aktionenDatei(const std::string& pfad,
                                                         std::string& fehler);

}  // namespace kal
