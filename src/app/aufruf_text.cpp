// The texts written from the command-line tables: --help, the manual page
// and the bash completion.
#include <cctype>
#include <sstream>

#include "aufruf.h"

namespace kal::aufruf {

namespace {

constexpr size_t kBreite = 79;
constexpr size_t kSpalte = 24;  // where option texts start in --help

std::vector<std::string> absaetze(const std::string& text) {
    std::vector<std::string> a;
    size_t von = 0;
    while (von <= text.size()) {
        size_t bis = text.find("\n\n", von);
        if (bis == std::string::npos) bis = text.size();
        if (bis > von) a.push_back(text.substr(von, bis - von));
        von = bis + 2;
    }
    return a;
}

// `text` in lines of at most kBreite, each indented by `einzug`; the first
// line continues `anfang` when it fits there.
std::string umbrechen(const std::string& anfang, const std::string& text, size_t einzug) {
    std::string aus = anfang, zeile;
    const std::string leer(einzug, ' ');
    if (!aus.empty() && aus.size() >= einzug) {
        aus += "\n";
        zeile = leer;
    } else {
        zeile = aus + std::string(einzug - aus.size(), ' ');
        aus.clear();
    }
    bool leerZeile = true;
    std::istringstream woerter(text);
    for (std::string w; woerter >> w;) {
        if (!leerZeile && zeile.size() + 1 + w.size() > kBreite) {
            aus += zeile + "\n";
            zeile = leer;
            leerZeile = true;
        }
        zeile += (leerZeile ? "" : " ") + w;
        leerZeile = false;
    }
    return aus + zeile + "\n";
}

std::string etikett(const Option& o) {
    std::string s = o.kurz ? std::string(o.kurz) + ", " : "";
    s += o.name;
    if (o.wert) s += std::string(" ") + o.wert;
    return s;
}

std::string synopsis(const Programm& p) {
    return std::string(p.name) + " [OPTION]... " + p.argumente;
}

// Text for roff: backslashes and hyphens escaped, no line starting with a
// control character.
std::string roff(const std::string& text) {
    std::string aus;
    for (char c : text) {
        if (c == '\\')
            aus += "\\e";
        else if (c == '-')
            aus += "\\-";
        else
            aus += c;
        if (c == '\n') aus += "\\&";
    }
    if (!aus.empty() && (aus[0] == '.' || aus[0] == '\'')) aus = "\\&" + aus;
    return aus;
}

std::string fett(const std::string& s) { return "\\fB" + roff(s) + "\\fR"; }
std::string kursiv(const std::string& s) { return "\\fI" + roff(s) + "\\fR"; }

std::string manEtikett(const Option& o) {
    std::string s = o.kurz ? fett(o.kurz) + ", " : "";
    s += fett(o.name);
    if (o.wert) s += " " + kursiv(o.wert);
    return s;
}

void manOptionen(std::ostringstream& m, const std::vector<Option>& optionen) {
    for (const Option& o : optionen) m << ".TP\n" << manEtikett(o) << "\n" << roff(o.text) << "\n";
}

void manEintraege(std::ostringstream& m, const char* titel, const std::vector<Eintrag>& e) {
    if (e.empty()) return;
    m << ".SH " << titel << "\n";
    for (const Eintrag& x : e) m << ".TP\n" << fett(x.name) << "\n" << roff(x.text) << "\n";
}

std::string funktionsname(const Programm& p) {
    std::string f = "_";
    for (char c : std::string(p.name)) f += (c == '-' ? '_' : c);
    return f;
}

// The words an option list offers.
std::string woerter(const std::vector<Option>& optionen) {
    std::string s;
    for (const Option& o : optionen) {
        s += (s.empty() ? "" : " ") + std::string(o.name);
        if (o.kurz) s += std::string(" ") + o.kurz;
    }
    return s;
}

// A bash statement completing `cur` as a value of kind `art`.
std::string ergaenzen(Art art) {
    switch (art) {
        case Art::Verzeichnis:
            return "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -d -- "
                   "\"$cur\")";
        case Art::Datei:
            return "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -f -- "
                   "\"$cur\")";
        case Art::Projekt:
            return "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -d -- "
                   "\"$cur\"; compgen -f -X '!*.kal' -- \"$cur\")";
        case Art::Keiner:
        case Art::Text:
            break;
    }
    return "COMPREPLY=()";
}

void wertFaelle(std::ostringstream& b, const std::vector<Option>& optionen,
                const std::string& einzug) {
    bool eine = false;
    for (const Option& o : optionen) {
        if (!o.wert) continue;
        if (!eine) b << einzug << "case $prev in\n";
        eine = true;
        b << einzug << "    " << o.name << ") " << ergaenzen(o.art) << "; return ;;\n";
    }
    if (eine) b << einzug << "esac\n";
}

}  // namespace

std::string hilfe(const Programm& p) {
    std::ostringstream h;
    h << "usage: " << synopsis(p) << "\n" << p.kurz << "\n";
    for (const std::string& a : absaetze(p.beschreibung)) h << "\n" << umbrechen("", a, 0);
    h << "\noptions:\n";
    for (const Option& o : p.optionen) h << umbrechen("  " + etikett(o), o.text, kSpalte);
    if (!p.befehle.empty()) h << "\ncommands:\n";
    for (const Befehl& b : p.befehle) {
        h << "  " << b.name << (*b.argumente ? " " : "") << b.argumente << "\n";
        h << umbrechen("", b.text, 6);
        for (const Option& o : b.optionen)
            h << umbrechen("      " + etikett(o), o.text, kSpalte + 4);
    }
    h << "\nexit status:\n";
    for (const Eintrag& e : p.austritte) h << umbrechen("  " + std::string(e.name), e.text, 6);
    h << "\nenvironment:\n";
    for (const Eintrag& e : p.umgebung) h << umbrechen("  " + std::string(e.name), e.text, kSpalte);
    h << "\nfiles:\n";
    for (const Eintrag& e : p.dateien) h << "  " << e.name << "\n" << umbrechen("", e.text, 6);
    return h.str();
}

std::string manSeite(const Programm& p, const std::string& version) {
    std::string titel;
    for (char c : std::string(p.name)) titel += static_cast<char>(std::toupper(c));
    std::ostringstream m;
    m << ".TH " << roff(titel) << " 1 \"\" \"kalvoria " << roff(version)
      << "\" \"User Commands\"\n";
    m << ".SH NAME\n" << roff(p.name) << " \\- " << roff(p.kurz) << "\n";
    m << ".SH SYNOPSIS\n"
      << fett(p.name) << " [" << kursiv("OPTION") << "]... " << kursiv(p.argumente) << "\n";
    m << ".SH DESCRIPTION\n";
    bool erster = true;
    for (const std::string& a : absaetze(p.beschreibung)) {
        if (!erster) m << ".PP\n";
        m << roff(a) << "\n";
        erster = false;
    }
    m << ".SH OPTIONS\n";
    manOptionen(m, p.optionen);
    if (!p.befehle.empty()) m << ".SH COMMANDS\n";
    for (const Befehl& b : p.befehle) {
        m << ".TP\n" << fett(b.name);
        if (*b.argumente) m << " " << kursiv(b.argumente);
        m << "\n" << roff(b.text) << "\n";
        if (b.optionen.empty()) continue;
        m << ".RS\n";
        manOptionen(m, b.optionen);
        m << ".RE\n";
    }
    manEintraege(m, "EXIT STATUS", p.austritte);
    manEintraege(m, "ENVIRONMENT", p.umgebung);
    manEintraege(m, "FILES", p.dateien);
    m << ".SH SEE ALSO\n" << fett(p.siehe) << "(1)\n";
    return m.str();
}

std::string bashVervollstaendigung(const Programm& p) {
    const std::string f = funktionsname(p);
    std::ostringstream b;
    b << "# bash completion for " << p.name << ", written from its command table\n";
    b << f << "()\n{\n";
    b << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n";
    b << "    local i befehl=\n";
    b << "    for ((i = 1; i < COMP_CWORD; i++)); do\n";
    b << "        case ${COMP_WORDS[i]} in\n";
    std::string mitWert;
    for (const Option& o : p.optionen)
        if (o.wert) mitWert += (mitWert.empty() ? "" : "|") + std::string(o.name);
    if (!mitWert.empty()) b << "            " << mitWert << ") ((i++)) ;;\n";
    b << "            -*) ;;\n";
    b << "            *) befehl=${COMP_WORDS[i]}; break ;;\n";
    b << "        esac\n";
    b << "    done\n";
    b << "    case $befehl in\n";
    for (const Befehl& c : p.befehle) {
        b << "        " << c.name << ")\n";
        wertFaelle(b, c.optionen, "            ");
        b << "            if [[ $cur == -* ]]; then\n";
        b << "                mapfile -t COMPREPLY < <(compgen -W '" << woerter(c.optionen)
          << "' -- \"$cur\")\n";
        b << "            else\n";
        b << "                " << ergaenzen(c.positionen) << "\n";
        b << "            fi ;;\n";
    }
    b << "        '')\n";
    wertFaelle(b, p.optionen, "            ");
    std::string namen;
    for (const Befehl& c : p.befehle) namen += (namen.empty() ? "" : " ") + std::string(c.name);
    b << "            if [[ $cur == -* ]]; then\n";
    b << "                mapfile -t COMPREPLY < <(compgen -W '" << woerter(p.optionen)
      << "' -- \"$cur\")\n";
    b << "            else\n";
    b << "                mapfile -t COMPREPLY < <(compgen -W '" << namen << "' -- \"$cur\")\n";
    b << "            fi ;;\n";
    b << "        *) COMPREPLY=() ;;\n";
    b << "    esac\n";
    b << "}\n";
    b << "complete -F " << f << " " << p.name << "\n";
    return b.str();
}

}  // namespace kal::aufruf
