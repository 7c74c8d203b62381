#include "datalib/dialoghilfe.h"

#include <algorithm>
#include <cctype>

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
    m.caption = caption.empty() ? meldungsTitel(sprache, icon) : caption;
    m.section = section;
    m.key = key;
    m.icon = icon;
    port->showMessage(m);
}

void schreibfehlerMelden(MessagePort* port, const CIniEx& sprache, const std::string& datei,
                         const std::string& grund, const std::string& caption) {
    if (!port) return;
    const std::string werte[] = {datei, grund};
    Message m;
    m.text = einsetzen(sprache.GetValue("error", "dateiNichtGeschrieben", ""), werte);
    m.caption = caption.empty() ? meldungsTitel(sprache, MessageIcon::Error) : caption;
    m.section = "error";
    m.key = "dateiNichtGeschrieben";
    m.icon = MessageIcon::Error;
    port->showMessage(m);
}

void druckfehlerMelden(MessagePort* port, const CIniEx& sprache, const Druckausgang& a,
                       const std::string& key, const std::string& caption) {
    if (!a.fehlgeschlagen()) return;
    if (!a.datei.empty())
        schreibfehlerMelden(port, sprache, a.datei, a.grund, caption);
    else
        zeigeMeldung(port, sprache, "error", key, caption);
}

std::string meldungsTitel(const CIniEx& sprache, MessageIcon icon) {
    if (icon == MessageIcon::Error) return sprache.GetValue("error", "error", "");
    if (icon == MessageIcon::Warning) return sprache.GetValue("warning", "warning", "");
    return sprache.GetValue("title");
}

AnswerTexts antwortTexte(const CIniEx& sprache) {
    return {sprache.GetValue("global", "antwort_ja", ""),
            sprache.GetValue("global", "antwort_nein", ""),
            sprache.GetValue("global", "antwort_abbrechen", "")};
}

bool sichernOderVerwerfen(QuestionPort* fragen, const CIniEx& sprache, const std::string& frage,
                          const std::function<bool()>& speichern) {
    if (!fragen) return true;
    switch (fragen->askYesNoCancel(frage, meldungsTitel(sprache, MessageIcon::Question),
                                   antwortTexte(sprache))) {
        case Answer::Yes:
            return speichern();
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

namespace {
// The character after the text's access-key "&" ("&&" is a literal one), or 0.
char kuerzelVon(const std::string& t) {
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&') continue;
        if (t[i + 1] != '&') return t[i + 1];
        ++i;
    }
    return 0;
}
char klein(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
}  // namespace

void kuerzelVergeben(std::span<std::string> texte) {
    std::string vergeben;
    for (const std::string& t : texte)
        if (char k = kuerzelVon(t)) vergeben += klein(k);
    for (std::string& t : texte) {
        if (kuerzelVon(t)) continue;
        for (size_t i = 0; i < t.size(); ++i) {
            const auto c = static_cast<unsigned char>(t[i]);
            // a key the keyboard types in every layout: no byte of a UTF-8 sequence
            if (c >= 0x80 || !std::isalnum(c) || vergeben.find(klein(t[i])) != std::string::npos)
                continue;
            vergeben += klein(t[i]);
            t.insert(i, 1, '&');
            break;
        }
    }
}

std::string einsetzen(const std::string& vorlage, std::span<const std::string> werte) {
    std::string aus;
    for (size_t i = 0; i < vorlage.size(); ++i) {
        const char c = i + 1 < vorlage.size() ? vorlage[i + 1] : '\0';
        const size_t n = static_cast<size_t>(c - '1');
        if (vorlage[i] == '%' && c >= '1' && c <= '9' && n < werte.size()) {
            aus += werte[n];
            ++i;
        } else {
            aus += vorlage[i];
        }
    }
    return aus;
}

bool dezimalKomma(const CIniEx& sprache) {
    return sprache.GetValue("global", "dezimaltrenner", ".") == ",";
}

void dezimalpunkt(Form& f, int id) {
    std::string text = f.text(id);
    std::replace(text.begin(), text.end(), ',', '.');
    if (text != f.text(id)) f.setText(id, text);
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

std::string gasphaseText(const CIniEx& sprache, Gasphase phase, const std::string& temperatur,
                         const std::string& druck, const std::string& stoff,
                         const std::string& grenze) {
    const char* key = gasphaseSchluessel(phase);
    if (!key) return {};
    const std::string werte[] = {temperatur, druck, stoff, grenze};
    return einsetzen(sprache.GetValue("error", key, ""), werte);
}

}  // namespace kal
