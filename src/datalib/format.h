// Number formatting and parsing in the "C" locale, whatever the user's
// locale: one safe printf-style helper and the number check.
#pragma once

#include <string>

namespace kal {

// printf-style formatting into a std::string; numbers always use '.'.
std::string formatiere(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Result codes of the number check: 0 ok, 1 empty, 2 not a number,
// 3 out of range.
enum ZahlPruefung { ZahlOk = 0, ZahlLeer = 1, ZahlKeineZahl = 2, ZahlAusserhalb = 3 };

// The whole text (blanks around it allowed) must be a finite decimal number;
// range [min, max] inclusive.
ZahlPruefung pruefeDouble(const std::string& text, double min, double max, double& wert);
// Whole text an integer (no decimals), range [min, max].
ZahlPruefung pruefeInteger(const std::string& text, long long min, long long max, long long& wert);

// C conversions as the project file reader uses them: leading number,
// 0 when none (atof / atoi semantics, "C" locale).
double textZuDouble(const std::string& text);
int textZuInt(const std::string& text);

// setTextfield formatting: `nachkomma` decimals, at most `stellen`
// significant digits (fewer decimals then), trailing zeros after the
// decimal point removed. Non-finite values give an empty text.
std::string zahlText(double wert, int nachkomma, int stellen);

// A frame dimension in inches as every display and sheet shows it: one
// decimal ("39.4"), which is what a drawing in inches states.
std::string zollText(double zoll);

// Decimals for showing `wert` with `nachkomma` decimals but never fewer
// than `signifikant` significant digits (more decimals for small values).
int nachkommaMindestens(double wert, int nachkomma, int signifikant);

// Round half away from zero to `nachkomma` decimals.
double runden(double wert, int nachkomma);

// UTF-8 text in Windows-1252, the 8-bit code page of both shipped
// languages (the files a user hands on in that code page). A character the
// code page lacks, and a byte that is no UTF-8, becomes '?'.
std::string alsWindows1252(const std::string& utf8);

}  // namespace kal
