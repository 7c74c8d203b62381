// DialogSpec: the specification dialog's model. On opening every field is
// filled from the completed case, its media and the data library; the user
// may overwrite most of them, and the outputs (printout, spreadsheet
// hand-over, tender text) read the fields back after the entry checks.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "datalib/inputhelper.h"
#include "druck/projektdaten.h"
#include "druck/spezblatt.h"
#include "engine/berechnungsfall.h"
#include "engine/kennlinie.h"
#include "ports/form.h"
#include "projekt/angebotsblock.h"
#include "ui/main/addmedium_model.h"

namespace kal {

// How a message names a stored specification entry: the field's caption
// (and side) and the stored text.
std::string spezEintragName(const CIniEx& sprache, const AngebotsEintrag& e);

class DialogSpec : public HandlerDialogModel {
public:
    // `medien`: the units chosen for the user-defined media (may be null
    // when no side uses one).
    DialogSpec(CBerechnungApp& app, const Berechnungsfall& fall, const EigeneMedien* medien);
    DialogSpec(const DialogSpec&) = delete;  // its validator names fields through it
    DialogSpec& operator=(const DialogSpec&) = delete;
    std::string dialogName() const override { return "DialogSpec"; }

    void geklickt(int id) override;
    void textGeaendert(int id) override;  // a number typed with the decimal comma

    // How a message names a checked field: row caption and side; empty for
    // a field the checks do not read.
    std::string feldname(int id) const;

    // The entry checks, in their order; the project data strings are taken
    // from their fields first, whatever the outcome.
    bool pruefen();

    // The outputs' texts from the fields as they stand.
    std::string tabellenText() const;
    std::string ausschreibungText() const;

    // Button handlers (after the checks): hand the text to the spreadsheet
    // template, write the tender text file, print the sheet.
    void tabelleUebergeben();
    void ausschreibungSchreiben();
    void drucken();

    // Whether the output of the last button (hand-over, tender text,
    // printout) was produced; false after a failed check, a cancel or a
    // failure.
    bool letzteAusgabeGelungen() const { return ausgabeGelungen_; }
    double dichtungsgrenze() const { return dichtungsgrenze_; }
    double mindestTemperatur() const { return mindestTemperatur_; }
    const std::array<std::string, 4>& projektdaten() const { return projektdaten_; }
    // The project's data: set after opening, given back as the fields and
    // the printout's project-data dialog left them.
    void projektdatenSetzen(const Projektdaten& p);
    Projektdaten projektdatenStand() const;

    // --- the offer kept with the project
    // The fields the user changed from what opening filled in.
    std::vector<AngebotsEintrag> angebotsZustand() const;
    // Types stored entries back in; returns those that no longer apply.
    std::vector<AngebotsEintrag> angebotsZustandSetzen(const std::vector<AngebotsEintrag>& e);

    // What the printed sheet takes from the case besides the fields.
    Spezblattangaben blattangaben() const;
    // The performance curves of the pack, worked out when the sheet is
    // printed; their page follows the sheet. Unset or empty: no page.
    using Kennlinienquelle = std::function<std::vector<engine::Kennlinie>()>;
    void kennlinienquelle(Kennlinienquelle q) { kennlinien_ = std::move(q); }
    // The tender text file's suggested name: the project's, "<project>_<position>.txt".
    std::string ausschreibungsVorschlag() const;
    // The template the hand-over opens: excel/spec-sheet_<code>.xls.
    std::string vorlagenPfad() const;

private:
    const Data& data() const { return app_.getData(); }
    const CIniEx& sprache() const { return app_.getSprache(); }
    void oeffnen();
    void artenSetzen();
    void beschriften();
    void projektdatenLesen();
    bool projektdatenSchreiben();
    void fuellen();
    void fuelleSeite(int seite);
    void fuelleStoffwerte(int seite);
    void fuelleKondensat();
    void fuellePaket();
    void fuelleKenndaten();
    void fuelleBetrieb();
    // The unit of group `gruppe` that the unit system displays.
    int anzeigePosition(int gruppe) const;
    // Writes `basis` (in the group's base unit) in the unit at `pos` with
    // `format`, and that unit's name in square brackets into `einheit`.
    void zeige(int feld, int einheit, int gruppe, int pos, double basis, const char* format);
    std::string klammer(int gruppe, int pos) const;
    void fehlertext(const char* text) const;

    CBerechnungApp& app_;
    Ports ports_;
    const Berechnungsfall& fall_;
    const EigeneMedien* medien_;
    InputHelper eingabe_;
    std::array<std::string, 4> projektdaten_;  // projekt, position, name, telefon
    Projektdaten kopf_;  // customer, offer date, revision: the header's, no field here
    std::map<int, std::string> gefuellt_;  // the editable fields as opening filled them
    double dichtungsgrenze_ = 0.0;
    double mindestTemperatur_ = 0.0;
    bool dezimalKomma_ = false;  // the language writes numbers with a decimal comma
    bool ausgabeGelungen_ = false;
    Kennlinienquelle kennlinien_;
};

}  // namespace kal
