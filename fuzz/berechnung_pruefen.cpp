#include "berechnung_pruefen.h"

#include <algorithm>
#include <cmath>

#include "cli/json_endlich.h"
#include "cli/sitzung.h"
#include "pruefen.h"

namespace kalfuzz {

using namespace kal::engine;

namespace {
bool nahe(double x, double y, double relativ, double absolut = 0.0) {
    return std::fabs(x - y) <= absolut + relativ * std::max(std::fabs(x), std::fabs(y));
}
}  // namespace

void pruefeBerechnung(const kal::CBerechnungDlg& d, bool ergebnis) {
    KAL_PRUEFE(!kal::cli::nichtEndlicheZahl(kal::cli::calcJson(d, {}, ergebnis)));
    if (!ergebnis) return;
    const Berechnungsfall& fall = d.fall();
    const Arbeitswerte& a = fall.arbeitswerte;
    const Berechnungsergebnis& r = fall.ergebnis;

    // the balance closes within the 5 % the validation allows
    KAL_PRUEFE(a.leistungSoll == std::max(a.leistungWarm, a.leistungKalt));
    KAL_PRUEFE(std::fabs(a.leistungWarm - a.leistungKalt) <= 0.05 * a.leistungSoll * (1 + 1e-12));
    // k required from the duty, the area and the mean temperature difference
    KAL_PRUEFE(r.flaeche > 0 && r.cmtd > 0);
    KAL_PRUEFE(nahe(r.kErf, a.leistungSoll / (r.flaeche * r.cmtd), 1e-9));
    // reserve (two decimals) and fouling from the k values
    KAL_PRUEFE(nahe(r.flaechenreserve, (r.kEff / r.kErf - 1.0) * 100.0, 1e-9, 0.005));
    KAL_PRUEFE(nahe(r.foulingIst, 1.0 / r.kErf - 1.0 / r.kRein, 1e-9, 1e-15));
    KAL_PRUEFE(r.kRein < std::min(r.alfaWarm, r.alfaKalt));
    KAL_PRUEFE(r.kEff <= r.kRein);
    // 2f + 1 plates
    KAL_PRUEFE(r.spaltenGesamt > 0 && r.spaltenGesamt % 2 == 0);
    if (fall.eingaben.berechnungsart != 0) return;
    // design: within the velocity limits and the allowed pressure losses
    const Mediumseite* seiten[] = {&fall.eingaben.warm, &fall.eingaben.kalt};
    const Seitenwerte* werte[] = {&a.warm, &a.kalt};
    const double vMin[] = {r.vSpaltMinWarm, r.vSpaltMinKalt};
    const double vMax[] = {r.vSpaltMaxWarm, r.vSpaltMaxKalt};
    const double vStutzen[] = {r.vStutzenWarm, r.vStutzenKalt};
    const double dp[] = {r.druckverlustWarm, r.druckverlustKalt};
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        KAL_PRUEFE(vMin[s] >= werte[s]->vSpaltMin);
        KAL_PRUEFE(vMax[s] <= werte[s]->vSpaltMax);
        KAL_PRUEFE(vStutzen[s] <= werte[s]->vStutzenMax);
        KAL_PRUEFE(dp[s] <= seiten[s]->druckverlustZul);
    }
}

}  // namespace kalfuzz
