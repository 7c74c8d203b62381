// The toolkit every dialog model is built from: captions from a table, one
// message helper and one validator factory, so that dialogs read alike.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "datalib/gasphase.h"
#include "datalib/ini.h"
#include "datalib/inputhelper.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

// One caption of a dialog: control id, language section and key.
struct Beschriftung {
    int id;
    const char* section;
    const char* key;
};

// Sets every caption of the table from the language file (a missing key gives an empty text).
void beschriftungenSetzen(Form& f, const CIniEx& sprache, std::span<const Beschriftung> tabelle);

// The one rule for message captions: errors are titled by section "error"
// key "error", warnings by section "warning" key "warning", everything else
// (questions, information) by the program title.
std::string meldungsTitel(const CIniEx& sprache, MessageIcon icon);

// The texts of the answers to a question (section "global").
AnswerTexts antwortTexte(const CIniEx& sprache);

// Unsaved changes before they would be lost: asks `frage` (Yes/No/Cancel).
// Yes gives what `speichern` gives, No true (discard), Cancel false (keep
// working). Without a question port nothing is asked and nothing lost.
bool sichernOderVerwerfen(QuestionPort* fragen, const CIniEx& sprache, const std::string& frage,
                          const std::function<bool()>& speichern);

// Builds the language message section/key (+ `anhang`) with `caption` and shows it; nothing
// when `port` is null. An empty caption follows meldungsTitel. Message.section/key carry
// the lookup (the CLI reports them).
void zeigeMeldung(MessagePort* port, const CIniEx& sprache, const std::string& section,
                  const std::string& key, const std::string& caption,
                  MessageIcon icon = MessageIcon::Error, const std::string& anhang = {});

// A file that could not be written: section "error" key
// "dateiNichtGeschrieben" with the file's path and the reason.
void schreibfehlerMelden(MessagePort* port, const CIniEx& sprache, const std::string& datei,
                         const std::string& grund, const std::string& caption = {});

// A printout that failed: a file names itself and the reason, otherwise
// section "error" key `key` says so. Nothing for one printed or cancelled.
void druckfehlerMelden(MessagePort* port, const CIniEx& sprache, const Druckausgang& a,
                       const std::string& key, const std::string& caption = {});

// Access keys for one row of buttons: a text that brings its own "&" keeps
// it, each other one takes its first letter or digit that no button of the
// row uses yet ("Ja", "Nein", "Abbrechen" -> "&Ja", "&Nein", "&Abbrechen").
void kuerzelVergeben(std::span<std::string> texte);

// `vorlage` with "%1", "%2", ... replaced by `werte` in order of their
// numbers (a translation may reorder them); other text stays as it is.
std::string einsetzen(const std::string& vorlage, std::span<const std::string> werte);

// Whether the language writes numbers with a decimal comma (section
// "global" key "dezimaltrenner").
bool dezimalKomma(const CIniEx& sprache);
// A number typed with the language's decimal comma becomes the "C" format
// at once: every ',' of field `id` a '.'.
void dezimalpunkt(Form& f, int id);

// The validator of a dialog: error title and the three texts of section "global"
// (error_empty, error_notanumber, error_outofrange).
InputHelper eingabePruefer(const CIniEx& sprache, MessagePort* port, const std::string& titel);

// The text of a gas phase check's key (gasphaseSchluessel) with its values:
// the entry's temperature and pressure, the fluid and the limit it broke,
// each already formatted with its unit.
std::string gasphaseText(const CIniEx& sprache, Gasphase phase, const std::string& temperatur,
                         const std::string& druck, const std::string& stoff,
                         const std::string& grenze);

}  // namespace kal
