#include "dialoghilfe.h"

namespace kal {

void beschriftungenSetzen(Form& f, const CIniEx& sprache, std::span<const Beschriftung> tabelle) {
    for (const Beschriftung& b : tabelle) f.setText(b.id, sprache.GetValue(b.section, b.key, ""));
}

void zeigeMeldung(MessagePort* port, const CIniEx& sprache, const std::string& section,
                  const std::string& key, const std::string& caption, MessageIcon icon,
                  const std::string& anhang) {
    if (!port) return;
    Message m;
    m.text = sprache.GetValue(section, key, "") + anhang;
    m.caption = caption;
    m.section = section;
    m.key = key;
    m.icon = icon;
    port->showMessage(m);
}

InputHelper eingabePruefer(const CIniEx& sprache, MessagePort* port, const std::string& titel) {
    InputHelper pruefer(port);
    pruefer.setErrorTitle(titel);
    // codes 1..3 of the helper, in this order
    pruefer.setErrorMessage(1, sprache.GetValue("global", "error_empty", ""));
    pruefer.setErrorMessage(2, sprache.GetValue("global", "error_notanumber", ""));
    pruefer.setErrorMessage(3, sprache.GetValue("global", "error_outofrange", ""));
    return pruefer;
}

}  // namespace kal
