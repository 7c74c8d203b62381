// calc --actions and quote --actions: the user's actions on the main window
// and on the windows they open, each action going to the window on screen,
// and the answers a user gives to file dialogs and questions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "angebot/angebotsmappe.h"
#include "cli/sitzung.h"
#include "ports/benutzeraktion.h"

namespace kal::cli {

// The answers given on the command line: --answer FILE for the file dialogs
// (open and save alike, in order), --reply yes|no|cancel for the questions.
// A dialog or question with no answer left is cancelled.
struct Antworten {
    std::vector<std::string> dateien;
    std::vector<Answer> fragen;
};
// Takes --answer and --reply with their values out of `args`; false with
// `fehler` for a missing or unknown value.
bool antwortenEntnehmen(Args& args, Antworten& a, std::string& fehler);
void antwortenGeben(Sitzung& s, const Antworten& a);

// What the actions left: whether one was refused, and the windows they
// opened as last seen.
struct Aktionslauf {
    bool abgelehnt = false;
    std::optional<Json> betriebspunkte, angebot;
    // the quotation the quotation window showed last, and its file
    std::optional<Angebotsmappe> angebotsmappe;
    std::string angebotsdatei;
};

// Applies `aktionen` to the main window of `s` through its own handlers.
// The actions after one that opens the operating points or the quotation
// window go to that window until it is closed. A refused action ends the
// run after a message.
Aktionslauf aktionenAnwenden(Sitzung& s, const std::vector<Benutzeraktion>& aktionen);

}  // namespace kal::cli
