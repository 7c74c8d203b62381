// The command lines of kalvoria and kalvoria-cli as data: every option,
// command and exit code once, so the --help text, the manual pages and the
// bash completion are written from the same table and cannot drift.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kal::aufruf {

// What follows an option or a command, for the completion.
enum class Art { Keiner, Datei, Projekt, Verzeichnis, Text };

struct Option {
    const char* name;  // "--json"
    const char* kurz;  // "-h", or nullptr
    const char* wert;  // "FILE", or nullptr for a switch
    Art art;           // what the value is
    const char* text;
};

// The commands of kalvoria-cli; the front end's switch over them has no
// default, so a command without its handler does not compile.
enum class BefehlId { Fluid, DataCheck, Lists, Calc, Offer, Quote };

struct Befehl {
    BefehlId id;
    const char* name;
    const char* argumente;  // "FILE", "NAME T [P]"
    Art positionen;         // what the arguments are, for the completion
    const char* text;
    std::vector<Option> optionen;
};

struct Eintrag {
    const char* name;
    const char* text;
};

struct Programm {
    const char* name;
    const char* kurz;          // the manual page's NAME line
    const char* argumente;     // after "[OPTION]..." in the synopsis
    std::string beschreibung;  // paragraphs separated by an empty line
    std::vector<Option> optionen;
    std::vector<Befehl> befehle;
    std::vector<Eintrag> austritte;  // exit code, meaning
    std::vector<Eintrag> umgebung;
    std::vector<Eintrag> dateien;
    const char* siehe;  // the other program
};

const Programm& kommandozeile();  // kalvoria-cli
const Programm& programm();       // kalvoria

const Befehl* befehl(const Programm& p, const std::string& name);
const Befehl& befehl(BefehlId id);
const Option* option(const std::vector<Option>& optionen, const std::string& wort);

// "usage: kalvoria-cli calc FILE [--alternatives N] [--json] [--save OUT]"
std::string nutzung(const Programm& p, const Befehl& b);

struct Gelesen {
    std::map<std::string, std::string> optionen;  // by long name; "" for a switch
    std::vector<std::string> positionen;
    std::string fehler;  // an unknown option or one missing its value
};
// The options of `optionen` anywhere among `args`; `bisPosition` stops at
// the first positional argument and keeps it and the rest unread in
// `positionen` (a command and its arguments).
Gelesen lies(const std::vector<Option>& optionen, const std::vector<std::string>& args,
             bool bisPosition = false);

std::string hilfe(const Programm& p);
// A manual page in section 1 (man(7) macros).
std::string manSeite(const Programm& p, const std::string& version);
// A bash completion script for the program's commands and options.
std::string bashVervollstaendigung(const Programm& p);

}  // namespace kal::aufruf
