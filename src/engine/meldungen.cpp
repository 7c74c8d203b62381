// The engine's messages: language texts shown through the message port.
#include "dialoghilfe.h"
#include "engine.h"

void Rechenkern::meldeText(const std::string& text, const std::string& key) {
    if (!k_.meldungen) return;
    kal::Message m;
    m.text = text;
    m.caption = k_.sprache.GetValue("error", "error", "");
    m.section = key.empty() ? "" : "error";
    m.key = key;
    m.icon = kal::MessageIcon::Error;
    k_.meldungen->showMessage(m);
}

void Rechenkern::meldeFehler(const char* key) {
    if (leiseKondensation_) {
        // inside the design search: each text once per run
        for (const auto& g : gezeigteSuchmeldungen_)
            if (g == key) return;
        gezeigteSuchmeldungen_.emplace_back(key);
    }
    kal::zeigeMeldung(k_.meldungen, k_.sprache, "error", key,
                      k_.sprache.GetValue("error", "error", ""));
}

void Rechenkern::meldeWarnung(const char* key) {
    kal::zeigeMeldung(k_.meldungen, k_.sprache, "error", key,
                      k_.sprache.GetValue("warning", "warning", ""), kal::MessageIcon::Warning);
}
