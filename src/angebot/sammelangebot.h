// Sammelangebot: a quotation being worked on, without a screen. It holds
// the file's contents, evaluates each position once (again after it
// changed) and gives the totals; the CLI and the window both work on it.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "angebot/angebotsmappe.h"
#include "angebot/mappenauswertung.h"
#include "angebot/mappensummen.h"
#include "app/app.h"

namespace kal {

class Sammelangebot {
public:
    // `app`: the front end's application; its messages port and language
    // file say what goes wrong with files.
    explicit Sammelangebot(CBerechnungApp& app);
    ~Sammelangebot();

    // A new quotation in the language `sprachcode` (empty: the program's),
    // dated today, with that language's standard terms.
    void neu(const std::string& sprachcode = {});
    // false after a message naming the file: unreadable, damaged, or from a
    // later version. The quotation held stays as it was then.
    bool oeffnen(const std::string& pfad);
    // Written through a temporary file; false after a message naming it.
    bool speichern(const std::string& pfad);
    // The totals of the revision as it stands go into the history, then the
    // next revision dated today is saved to `pfad`; nothing saved leaves
    // the quotation as it was.
    bool alsRevisionSpeichern(const std::string& pfad);

    // --- positions
    void hinzufuegen(const std::string& projekt, int menge = 1, const std::string& text = {});
    void verschieben(size_t von, size_t nach);
    void duplizieren(size_t i);
    void entfernen(size_t i);
    // A position's project changed and taken back.
    void ersetzen(size_t i, const std::string& projekt);
    void setzeMenge(size_t i, int menge);
    // The text printed below the position's description.
    void setzeText(size_t i, const std::string& text);
    // Whether the position's printouts follow the letter.
    void setzeDokumente(size_t i, bool mit);
    size_t anzahl() const { return mappe_.positionen.size(); }

    // --- state
    Angebotsmappe& mappe() { return mappe_; }
    const Angebotsmappe& mappe() const { return mappe_; }
    // The position as the program opens and completes it, evaluated on first
    // use; with `dokumente`, its printouts too.
    const Positionsauswertung& auswertung(size_t i, bool dokumente = false);
    Mappensummen summen();
    // A setting or position changed since the last new, open or save.
    bool geaendert() const { return !gespeichert_ || mappe_ != *gespeichert_; }
    // The language file of the quotation's language (its printout's texts).
    const CIniEx& mappenSprache();
    CBerechnungApp& app() { return app_; }
    // The application the positions are evaluated in (the quotation's language).
    CBerechnungApp& mappenApp() { return auswerter().app(); }

private:
    Mappenauswerter& auswerter();
    const Positionsauswertung& auswertungVon(const std::string& projekt, size_t i, bool dokumente);
    Mappensummen summenVon(const Angebotsmappe& m);

    CBerechnungApp& app_;
    Angebotsmappe mappe_;
    std::optional<Angebotsmappe> gespeichert_;  // as the last new, open or save left it
    std::unique_ptr<Mappenauswerter> auswerter_;
    std::string auswerterSprache_;
    // by the project's bytes: a duplicate or a moved position is not
    // evaluated again
    std::map<std::string, Positionsauswertung> stand_;
};

}  // namespace kal
