// The printed performance curves of a pack: duty, outlet temperatures and
// pressure drops over the flow, a curve per operating point, the points
// marked and the allowed pressure drops as limit lines, with a legend.
#pragma once

#include <string>
#include <vector>

#include "ports/ports.h"

namespace kal {

class CDialogProjektDaten;

// One flow share, in the sheet's units.
struct Kennlinienwert {
    double anteil = 0.0;   // % of the point's flows
    bool gueltig = false;  // false: not rated there (a gap in the curve)
    double leistung = 0.0, austrittWarm = 0.0, austrittKalt = 0.0, dpWarm = 0.0, dpKalt = 0.0;
};

// The curve of one operating point.
struct Kennlinienkurve {
    std::vector<Kennlinienwert> werte;  // ascending shares
    Kennlinienwert betriebspunkt;       // the point itself, marked
    double dpWarmZul = 0.0, dpKaltZul = 0.0;
};

struct Kennlinienblattangaben {
    std::string abschnitt = "kennlinie";
    std::string geraetekennstring, preisCode;
    std::string paket;          // the pack in words, the sheet's first line
    bool kondensation = false;  // the warm side condenses: its flow sets the duty
    std::string einheitLeistung, einheitTemperatur, einheitDruck;
    std::vector<Kennlinienkurve> kurven;  // one per operating point
};

// Prints the sheet on one page below the page header; false when the
// device fails or there is no curve.
bool druckeKennlinienblatt(PageDevice& dc, const CDialogProjektDaten& kopf,
                           const Kennlinienblattangaben& a);

}  // namespace kal
