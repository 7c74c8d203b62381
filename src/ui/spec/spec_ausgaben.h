// The two texts the specification dialog hands on: the spreadsheet
// hand-over (one value a line, the template reads it by line position) and
// the tender text. Both read the dialog's fields as they stand, so what the
// user typed is what leaves the program.
#pragma once

#include <string>
#include <utility>

#include "datalib/ini.h"
#include "engine/berechnungsfall.h"
#include "ports/form.h"

namespace kal::spez {

// A connection text in two parts: split just after the second comma (and a
// blank right after it). Fewer than two commas: the first part is empty
// (or a single leading blank), the rest is the whole text.
std::pair<std::string, std::string> anschlussTeilen(const std::string& text);

// " L x W x H [mm]" or the same in inch: the frame of the accepted pack.
std::string masseText(const Berechnungsfall& fall);

// What the texts need besides the fields.
struct Ausgabekontext {
    const Berechnungsfall& fall;
    const CIniEx& sprache;
    std::string version;  // "3.26" + "." + the data version
};

// The hand-over: every line ends in CR LF.
std::string tabellenText(const Form& f, const Ausgabekontext& k);
// The tender text (UTF-8; written to its file in the language's 8-bit
// encoding); every line ends in CR LF.
std::string ausschreibungText(const Form& f, const Ausgabekontext& k, const std::string& masse);

}  // namespace kal::spez
