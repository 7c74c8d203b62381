// What every dialog command of the CLI shares: the application started as
// the program starts it (without asking anything), its messages, the
// options, and the JSON of a calculation.
#pragma once

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/qtsettings.h"
#include "cli/commands.h"
#include "ports/scripted.h"
#include "ui/main/berechnung_model.h"

namespace kal::cli {

using Json = nlohmann::ordered_json;

// Messages go to the terminal as they are shown (unless collected for
// JSON); every one is kept in order.
class CliMeldungen : public MessagePort {
public:
    explicit CliMeldungen(bool ausgeben) : ausgeben_(ausgeben) {}
    void showMessage(const Message& m) override;
    std::vector<Message> shown;

private:
    bool ausgeben_;
};

// The application directory of the run, set once by main(); empty (the
// working directory) for callers that set none.
void setAnwendungsverzeichnis(const std::string& dir);
const std::string& anwendungsverzeichnis();
// `rel` in the application directory ("data/" when that is the working one).
std::string imAnwendungsverzeichnis(const std::string& rel);

// The application as start-up leaves it, in the application directory,
// with the user's stored settings and the main dialog.
struct Sitzung {
    ScriptedPorts scripted;
    CliMeldungen meldungen;
    QtSettingsPort settings;
    std::unique_ptr<CBerechnungApp> app;
    std::unique_ptr<CBerechnungDlg> dlg;

    Sitzung(bool werksmodus, bool meldungenAusgeben);
    // The messages shown from position `ab` on.
    std::vector<Message> meldungenSeit(size_t ab) const;
};

// calc over the points of the project in the window (FILE, read): its own
// entries, its further points, then `weitere` read from the files `punkte`;
// prints what calc --point prints and returns its exit code. With `kurve`
// the curve sheet of the pack at every point goes into that file.
int punkteRechnen(Sitzung& s, bool json, const std::string& datei,
                  const std::vector<std::string>& punkte, const std::vector<Falleingaben>& weitere,
                  size_t start, const std::string& kurve = {});

struct Optionen {
    bool json = false;
    bool werksmodus = false;
    std::vector<std::string> positionen;
    std::map<std::string, std::string> werte;  // options that take a value
};

// `mitWert`: the options followed by a value ("--choices FILE"). An option
// missing its value is kept with an empty value.
Optionen lies(const Args& args, const std::vector<std::string>& mitWert = {});

// Prints `j`; false (after a message on stderr, nothing printed) when a
// number in it is not finite.
[[nodiscard]] bool jsonAusgeben(const Json& j);
Json meldungenJson(const std::vector<Message>& shown);
// A pack, a side's terminal values and a pack's limits as `calc --json` prints them.
Json ergebnisJson(const engine::Berechnungsergebnis& e);
Json seiteJson(const engine::Mediumseite& m);
Json grenzenJson(const engine::Paketgrenzen& g);
// What `calc --json` prints for the dialog after "Berechnen".
Json calcJson(const CBerechnungDlg& d, const std::vector<Message>& meldungen, bool ergebnis);
// The packs with their limits, the reasons without a result and the entry
// change that admits a pack, added to `calc` (texts from `sprache`).
void alternativenJson(Json& calc, const engine::Alternativenbericht& b, const CIniEx& sprache);

}  // namespace kal::cli
