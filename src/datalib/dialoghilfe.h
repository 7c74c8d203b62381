// The toolkit every dialog model is built from: captions from a table, one
// message helper and one validator factory, so that dialogs read alike.
#pragma once

#include <span>
#include <string>

#include "form.h"
#include "ini.h"
#include "inputhelper.h"
#include "ports.h"

namespace kal {

// One caption of a dialog: control id, language section and key.
struct Beschriftung {
    int id;
    const char* section;
    const char* key;
};

// Sets every caption of the table from the language file (a missing key gives an empty text).
void beschriftungenSetzen(Form& f, const CIniEx& sprache, std::span<const Beschriftung> tabelle);

// Builds the language message section/key (+ `anhang`) with `caption` and shows it; nothing
// when `port` is null. Message.section/key carry the lookup (the CLI reports them).
void zeigeMeldung(MessagePort* port, const CIniEx& sprache, const std::string& section,
                  const std::string& key, const std::string& caption,
                  MessageIcon icon = MessageIcon::Error, const std::string& anhang = {});

// The validator of a dialog: error title and the three texts of section "global"
// (error_empty, error_notanumber, error_outofrange).
InputHelper eingabePruefer(const CIniEx& sprache, MessagePort* port, const std::string& titel);

}  // namespace kal
