// The engineering data checked against values nobody here wrote: the
// property tables in tests/datalib/reference (each names its source) read
// through the data library, and every channel table against Martin's
// chevron correlation written out here once.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "datalib/data.h"

namespace kaltest::validierung {

// The largest deviation of one law or property of one fluid or channel type.
struct Befund {
    std::string gegenstand;   // fluid, or channel type with its layout
    std::string groesse;      // property, or "xi" / "Nu"
    std::string referenz;     // the sources compared with
    double toleranz = 0.0;    // relative
    double abweichung = 0.0;  // signed, relative: data / reference - 1
    std::string wo;           // where the largest deviation lies
    int punkte = 0;

    bool inToleranz() const { return std::abs(abweichung) <= toleranz; }
};

// Every fluid property with reference values in `referenzDir`, in the
// order of the fluid list. Unreadable reference files add a Befund with
// punkte 0 and the file name in `wo`.
std::vector<Befund> stoffe(const Data& data, const std::string& referenzDir);

// Friction factor and Nusselt law of every channel table a plate type uses,
// over Re 10 to 50 000, per channel type and layout.
std::vector<Befund> spalttypen(const Data& data);

// Martin (VDI Heat Atlas 2010, B6), `phiGrad` from the main flow direction:
// the Darcy friction factor and Nu / (Pr^(1/3) (eta/eta_w)^(1/6)).
double martinXi(double re, double phiGrad);
double martinNu(double re, double phiGrad);

// The tables as README.md's "Validation" section shows them (Markdown).
std::string markdown(const std::vector<Befund>& stoffe, const std::vector<Befund>& spalttypen);

}  // namespace kaltest::validierung
