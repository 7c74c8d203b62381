#include "app/aufruf.h"

#include <stdexcept>

namespace kal::aufruf {

namespace {

const Option kHilfe{"--help", "-h", nullptr, Art::Keiner, "print this text and exit"};
const Option kVersion{"--version", nullptr, nullptr, Art::Keiner,
                      "print the program version and exit"};
const Option kAppdir{"--appdir", nullptr, "DIR", Art::Verzeichnis,
                     "use DIR as the application directory (kalvoria.ini, data/, language/, "
                     "help/, pic/, excel/, examples/); it becomes the working directory for the "
                     "run, while the files named on the command line stay relative to the "
                     "directory the program was started in"};
const Option kWerksmodus{"--werksmodus", nullptr, nullptr, Art::Keiner,
                         "in-house mode for this run (also KALVORIA_WERKSMODUS=1)"};
const Option kJson{"--json", nullptr, nullptr, Art::Keiner, "print the output as JSON"};
const Option kAntwort{"--answer", nullptr, "FILE", Art::Datei,
                      "the file a file dialog opened by the actions (open, save, save as) is "
                      "answered with; repeated for the next ones, in order. A dialog with no "
                      "answer left is cancelled"};
const Option kReply{"--reply", nullptr, "ANSWER", Art::Text,
                    "yes, no or cancel: the answer to a question the actions bring up (such "
                    "as whether to save changes); repeated for the next ones, in order. A "
                    "question with no answer left is cancelled"};

const char* const kOrt =
    "Without --appdir the program takes the tree beside its executable: share/kalvoria under "
    "its installation prefix (/usr/share/kalvoria for the Debian package), or the "
    "executable's own folder when it holds kalvoria.ini and data/ (a tree run in place); "
    "failing both, the working directory. Nothing is written there.";

const Eintrag kEinstellungen{
    "$XDG_CONFIG_HOME/kalvoria/kalvoria.conf",
    "per-user settings (~/.config/kalvoria/kalvoria.conf when XDG_CONFIG_HOME is unset): "
    "language, units, last folder, channel-type permissions, the values dialogs keep"};
const Eintrag kBaum{"/usr/share/kalvoria",
                    "the application directory of the installed program: kalvoria.ini, data/ "
                    "(engineering data), language/, help/, pic/, excel/ (spreadsheet "
                    "templates), examples/ (sample projects)"};
const Eintrag kWerksUmgebung{"KALVORIA_WERKSMODUS", "1 switches the in-house mode on"};
const Eintrag kConfigUmgebung{"XDG_CONFIG_HOME", "where the per-user settings folder is"};

Programm machKommandozeile() {
    Programm p;
    p.name = "kalvoria-cli";
    p.kurz = "gasketed plate heat exchanger design and rating from the command line";
    p.argumente = "COMMAND [ARGS]";
    p.beschreibung =
        "kalvoria-cli runs the dialogs of kalvoria without a screen: the same main-window "
        "logic, completion and specification, so it prints exactly the texts the window "
        "shows. It reads the stored per-user settings (units, channel-type permissions) but "
        "never asks for or stores a language; without a stored one it speaks English.\n\n";
    p.beschreibung += kOrt;
    p.optionen = {kHilfe, kVersion, kAppdir, kWerksmodus};
    p.befehle = {
        {BefehlId::Fluid,
         "fluid",
         "NAME T [P]",
         Art::Text,
         "Print the properties of the library fluid NAME at T degC (for a gas at P bar "
         "absolute, default 1.01325): density, specific heat capacity, viscosity and thermal "
         "conductivity, for a condensing fluid at saturation with its vapour pressure and "
         "enthalpy of condensation. With --info (and no T) print instead what the fluid's data "
         "rest on: its valid range, basis and the source of each property. Exit 1 for an "
         "unknown fluid, a temperature outside its range or a gas state below its dew point or "
         "beyond its tables.",
         {kJson,
          {"--info", nullptr, nullptr, Art::Keiner,
           "print the fluid's valid range, basis and sources (the main window's tooltip)"},
          {"--data", nullptr, "DIR", Art::Verzeichnis,
           "read the engineering data from DIR instead of data/ of the application "
           "directory"}}},
        {BefehlId::DataCheck,
         "data-check",
         "[DIR]",
         Art::Verzeichnis,
         "Validate the engineering data in DIR (default: data/ of the application directory) "
         "and the roles of its channel-type order. Prints \"DIR: ok\" and exits 0 when they "
         "are sound, else prints each fault as \"file: [id N: ] field: problem\" and exits 1.",
         {}},
        {BefehlId::Lists,
         "lists",
         "",
         Art::Keiner,
         "Print the main window's selection lists at start: every entry with its item value, "
         "and the selection.",
         {kJson}},
        {BefehlId::Calc,
         "calc",
         "FILE",
         Art::Projekt,
         "Open the project file FILE and calculate it as \"Berechnen\" does; print the "
         "messages, the status line and the result rows as the window shows them. Exit 0 "
         "with a result, 1 without one or after a refused action, 2 for a file that is not a "
         "usable project or actions file.",
         {{"--actions", nullptr, "FILE", Art::Datei,
           "instead of the one calculation, apply the user actions of FILE to the main window "
           "through its own handlers (entries, lists, radio buttons, \"Berechnen\" clicked by "
           "its id 1166), in the form of the offer command's choices file; the output shows "
           "the window after the last one. The actions after one that opens the operating "
           "points window (1512) or the quotation window (menu command 40013) go to that "
           "window until it is closed (its close button 2); with --json the windows are "
           "added as \"betriebspunkte\" and \"angebot\" as last seen: texts, visibility and "
           "states of the controls, the positions table, the totals and the file"},
          kAntwort,
          kReply,
          {"--point", nullptr, "FILE", Art::Projekt,
           "a further operating point: the entries of the project file FILE (flows, "
           "temperatures, duty, reserve, allowed losses, fouling) with the device choices of "
           "the calculated FILE; repeated for more points. The design finds the cheapest pack "
           "that meets every point, a rating rates the given pack at each; prints the pack, "
           "each point's figures and limits and the binding limit. Exit 2 when a point's "
           "device choice (mode, media, materials, gaskets, frame, pressure stage, plate type, "
           "channel or pass choice, safety plates, rating pack) differs, naming it"},
          {"--alternatives", nullptr, "N", Art::Text,
           "also the N cheapest packs that meet the duty (1 to 100) with their limits; "
           "without a result the reasons and the entry change that admits a pack"},
          {"--json", nullptr, nullptr, Art::Keiner,
           "print messages, status, result and display texts as JSON"},
          {"--save", nullptr, "OUT", Art::Datei,
           "after the calculation, write the project to OUT as the window's Save does"},
          {"--curve", nullptr, "OUT", Art::Datei,
           "write the performance curves of the pack as an A4 PDF file OUT: duty, outlet "
           "temperatures and pressure drops over 50 to 120 % of each point's flows (both "
           "sides together, inlet temperatures kept), each point marked, the allowed pressure "
           "drops as limit lines; with --json the curves' figures are added as \"curves\". "
           "A file that cannot be written is named with its reason and gives exit code 1; an "
           "old file stays as it was"}}},
        {BefehlId::Offer,
         "offer",
         "FILE",
         Art::Projekt,
         "Open and calculate the project FILE, open the completion dialog on the result, "
         "apply the user actions of a choices file through the dialog's own handlers and "
         "print the dialog as the user sees it, then every message. With --spec or --out it "
         "goes on to the specification dialog the way a user does. Exit 0 when the last "
         "commit of the selections succeeded, 1 when it failed, an action was refused, a "
         "check or a file failed or the calculation gave no result, 2 for an unusable "
         "project or actions file.",
         {{"--choices", nullptr, "FILE", Art::Datei,
           "user actions for the completion dialog: a JSON list of {\"id\", \"select\" | "
           "\"text\" | \"check\" | \"click\" | \"command\"} applied in order"},
          {"--spec", nullptr, "FILE", Art::Datei,
           "user actions for the specification dialog, in the same form"},
          {"--out", nullptr, "DIR", Art::Verzeichnis,
           "write DIR/tender.txt (the tender text) and DIR/spec-sheet.txt (the spreadsheet "
           "hand-over) through the specification's buttons"},
          {"--pdf", nullptr, nullptr, Art::Keiner,
           "with --out, also write the printouts as A4 PDF files: price-list.pdf, "
           "data-sheet.pdf, plate-plan.pdf and spec-sheet.pdf"},
          {"--save", nullptr, "OUT", Art::Datei,
           "after the actions, write the project with its offer to OUT; opening OUT "
           "later restores the completion's choices"},
          kJson}},
        {BefehlId::Quote,
         "quote",
         "FILE",
         Art::Datei,
         "Work on the quotation FILE (*.kalq), several positions in one offer: with --add a "
         "new FILE is created (or an existing one extended) and saved, each position holding "
         "its whole project file. Every position is opened, calculated and completed as the "
         "program does it and gives its plate type, duty, media, identification, unit price "
         "and delivery time; the totals take the quantities, the discount and the VAT. Prints "
         "the positions, the totals and every message. Exit 0 when every position has a "
         "result, 1 when one has none or a file could not be written, 2 for a usage error or "
         "an unusable quotation, project or customer file.",
         {{"--add", nullptr, "PROJECT", Art::Projekt,
           "append the project file PROJECT (with its offer) as a position; repeated for more"},
          {"--qty", nullptr, "N", Art::Text,
           "the quantity of the position added just before (1 to 99999; default 1)"},
          {"--text", nullptr, "TEXT", Art::Text,
           "a text printed below the description of the position added just before"},
          {"--customer", nullptr, "FILE", Art::Datei,
           "take the customer, references, dates, language, currency, terms, discount and "
           "VAT from the JSON file FILE, whose members are those of the quotation file"},
          {"--revision", nullptr, nullptr, Art::Keiner,
           "save as the next revision: the totals so far go into the history"},
          {"--pdf", nullptr, "OUT", Art::Datei,
           "write the quotation as one A4 PDF file OUT: covering letter with the contents, "
           "positions, totals and terms, then each position's price list, data sheet, plate "
           "plan, specification sheet and performance curves"},
          {"--without-documents", nullptr, nullptr, Art::Keiner,
           "the position added just before is printed without its own printouts (its row "
           "in the positions table stays)"},
          {"--letter-only", nullptr, nullptr, Art::Keiner,
           "with --pdf, leave out the positions' own printouts"},
          {"--actions", nullptr, "FILE", Art::Datei,
           "after the options above, open the quotation window on the quotation over an empty "
           "main window, as kalvoria --angebot does, and apply the user actions of FILE to it "
           "(in the form of calc --actions; after its close button 2 they go to the main "
           "window). The positions and totals printed are those the window showed last, and "
           "with --json the window itself is added as \"angebot\". Its print button writes "
           "the --pdf file; without --pdf it is cancelled"},
          kAntwort,
          kReply,
          kJson}},
    };
    p.austritte = {
        {"0", "success (see the commands)"},
        {"1",
         "the command ran but failed: no result, a refused action or failed commit, "
         "faults in the data, an unknown fluid, a file that could not be written"},
        {"2",
         "usage error, an unusable project or actions file, an --appdir that cannot be "
         "entered"},
        {"3",
         "the --json output would hold a number JSON cannot represent (NaN or "
         "infinity): nothing is printed on standard output and the JSON pointer of the "
         "value goes to standard error"},
    };
    p.umgebung = {
        kWerksUmgebung,
        kConfigUmgebung,
        {"QT_QPA_PLATFORM", "the Qt platform for the PDF printouts (offscreen unless set)"}};
    p.dateien = {kEinstellungen, kBaum};
    p.siehe = "kalvoria";
    return p;
}

Programm machProgramm() {
    Programm p;
    p.name = "kalvoria";
    p.kurz = "gasketed plate heat exchanger design and rating";
    p.argumente = "[PROJECT]";
    p.beschreibung =
        "kalvoria designs (\"auslegen\": the cheapest plate pack that meets the duty within "
        "the pressure-loss and velocity limits) and rates (\"nachrechnen\": a given pack) "
        "gasketed plate heat exchangers, completes the offer, prints price lists, data "
        "sheets and the specification sheet, and writes tender texts. A project file PROJECT "
        "(*.kal) given on the command line is opened at start. At the first start it asks "
        "for the language of its interface and stores it for the user.\n\n";
    p.beschreibung += kOrt;
    p.beschreibung += "\n\nQt's own options (such as -platform) are taken as well.";
    p.optionen = {
        kHilfe,
        kVersion,
        kAppdir,
        kWerksmodus,
        {"--berechnen", nullptr, nullptr, Art::Keiner, "calculate the project at once"},
        {"--alternativen", nullptr, nullptr, Art::Keiner, "then open the alternatives window"},
        {"--betriebspunkte", nullptr, nullptr, Art::Keiner,
         "then open the operating points window"},
        {"--hilfe", nullptr, nullptr, Art::Keiner,
         "then open the help as F1 does (in the program's own window when no browser can be "
         "started)"},
        {"--komplettieren", nullptr, nullptr, Art::Keiner,
         "then open the completion dialog on the result"},
        {"--choices", nullptr, "FILE", Art::Datei,
         "apply the user actions of FILE to the completion dialog (as kalvoria-cli offer "
         "does)"},
        {"--spezifikation", nullptr, nullptr, Art::Keiner,
         "with --komplettieren, then open the specification dialog"},
        {"--spec", nullptr, "FILE", Art::Datei,
         "apply the user actions of FILE to the specification dialog once it is shown"},
        {"--angebot", nullptr, "FILE", Art::Datei,
         "then open the quotation window on the quotation FILE (*.kalq)"},
    };
    p.austritte = {
        {"0", "the main window was closed"},
        {"2",
         "an unknown option, an unusable actions file or an --appdir that cannot be "
         "entered"},
    };
    p.umgebung = {
        kWerksUmgebung,
        kConfigUmgebung,
        {"KALVORIA_SCREENSHOT",
         "PATH.png: each dialog saves a grab of itself as PATH-<dialog>.png half a second "
         "after it is shown"},
        {"KALVORIA_AUTOCLOSE", "1 closes each dialog after that (an unattended run never saves)"},
    };
    p.dateien = {kEinstellungen, kBaum};
    p.siehe = "kalvoria-cli";
    return p;
}

}  // namespace

const Programm& kommandozeile() {
    static const Programm p = machKommandozeile();
    return p;
}

const Programm& programm() {
    static const Programm p = machProgramm();
    return p;
}

const Befehl* befehl(const Programm& p, const std::string& name) {
    for (const Befehl& b : p.befehle)
        if (name == b.name) return &b;
    return nullptr;
}

const Befehl& befehl(BefehlId id) {
    for (const Befehl& b : kommandozeile().befehle)
        if (b.id == id) return b;
    // every id has its row (tested); reaching here is a programming error
    throw std::logic_error("command without a row");
}

const Option* option(const std::vector<Option>& optionen, const std::string& wort) {
    for (const Option& o : optionen)
        if (wort == o.name || (o.kurz && wort == o.kurz)) return &o;
    return nullptr;
}

std::string nutzung(const Programm& p, const Befehl& b) {
    std::string s = std::string("usage: ") + p.name + " " + b.name;
    if (*b.argumente) s += std::string(" ") + b.argumente;
    for (const Option& o : b.optionen)
        s += std::string(" [") + o.name + (o.wert ? std::string(" ") + o.wert : "") + "]";
    return s;
}

Gelesen lies(const std::vector<Option>& optionen, const std::vector<std::string>& args,
             bool bisPosition) {
    Gelesen g;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            if (bisPosition) {
                g.positionen.assign(args.begin() + static_cast<long>(i), args.end());
                return g;
            }
            g.positionen.push_back(a);
            continue;
        }
        const Option* o = option(optionen, a);
        if (!o) {
            g.fehler = "unknown option " + a;
            return g;
        }
        if (!o->wert) {
            g.optionen[o->name];
            continue;
        }
        if (i + 1 >= args.size()) {
            g.fehler = std::string(o->name) + " needs " + o->wert;
            return g;
        }
        g.optionen[o->name] = args[++i];
    }
    return g;
}

}  // namespace kal::aufruf
