#include "engine/pruefung.h"

#include <algorithm>
#include <cmath>

#include "datalib/gasphase.h"
#include "engine/bilanz.h"
#include "engine/hydraulik.h"
#include "engine/stoffwerte.h"
#include "engine/waermeuebergang.h"

namespace kal::engine {

namespace {
bool positiv(double x) { return std::isfinite(x) && x > 0.0; }
// Viscosity limits (mPa s): above the first never, above the second only in
// works mode.
constexpr double kMaxViskositaetWerk = 20000.0;
constexpr double kMaxViskositaet = 5000.0;
// Inlet/outlet differences (K) above this draw a warning.
constexpr double kWarnTemperaturdifferenz = 99.0;
constexpr double kMinDruckverlust = 1.0;  // kPa, an allowed loss must exceed it
constexpr double kMaxFouling = 0.01;      // m2 K/W
constexpr double kMinGasDruck = 0.1;      // bar
// The two sides' duties may differ by this share of the larger.
constexpr double kBilanzToleranz = 0.05;

// Every inlet and outlet temperature (entered or completed) within the
// range of its medium's fluid data: the properties are only evaluated at
// the mean temperature, so a side could start far outside the table. The
// outlet of a condensing side is condensate. A gas must stay a gas at its
// pressure from inlet to outlet; its coldest point is one of them.
bool temperaturenImBereich(const Data& d, const Falleingaben& e, Meldungen& meldungen) {
    const StoffdatenListe& stoffe = d.getStoffdatenListe();
    for (int seite = 0; seite < kAnzahlSeiten; ++seite) {
        const Mediumseite& m = e.seite(seite);
        const Stoffdaten* ein = stoffe.internalGetAt(m.medium);  // none: user-defined
        if (!ein) continue;
        const Stoffdaten* aus =
            m.kondensation ? stoffe.internalGetAt(ein->GetCodeKondensat()) : ein;
        for (int i = 0; i < 2; ++i) {
            const Stoffdaten* stoff = i == 0 ? ein : aus;
            const double t = i == 0 ? m.tEin : m.tAus;
            if (!stoff) continue;
            const bool imBereich = stoff->IsTemperaturOK(t) != 0;
            const Gasphasenbefund phase = imBereich && m.istGas && !m.kondensation
                                              ? stoff->pruefeGasphase(t, m.gasDruck)
                                              : Gasphasenbefund{};
            if (imBereich && phase.phase == Gasphase::Gas) continue;
            // the temperature, the fluid and its range (or the gas's pressure
            // and the limit it broke), for the entry's field
            Meldung meldung;
            meldung.text = stoff->getName();
            if (!imBereich) {
                meldung.key = "temperaturBereich";
                meldung.zahlen = {t, stoff->tMin, stoff->tMax};
            } else {
                meldung.key = gasphaseSchluessel(phase.phase);
                meldung.zahlen = {t, m.gasDruck, phase.grenze};
            }
            meldung.seite = seite;
            meldung.feld = temperaturFeld(seite, i == 0);
            meldungen.melden(std::move(meldung));
            return false;
        }
    }
    return true;
}

// The limits of the completed entries, in the order of their messages.
bool grenzenPruefen(const Rechenkontext& k, const Falleingaben& e, const Arbeitswerte& a,
                    Meldungen& meldungen) {
    const Mediumseite& w = e.warm;
    const Mediumseite& c = e.kalt;
    auto fehler = [&](const char* key) {
        meldungen.fehler(key);
        return false;
    };
    const double grenze = k.werksmodus ? kMaxViskositaetWerk : kMaxViskositaet;
    if (a.warm.viskositaet > kMaxViskositaetWerk) return fehler("viskositaet20000warm");
    if (a.kalt.viskositaet > kMaxViskositaetWerk) return fehler("viskositaet20000kalt");
    if (a.warm.viskositaet > grenze) return fehler("viskositaet5000warm");
    if (a.kalt.viskositaet > grenze) return fehler("viskositaet5000kalt");

    const DruckstufeA* ds = k.data.getDruckstufeAListe().internalGetForObjectId(e.druckstufe);
    const double pStufe = ds ? ds->getDruck() : 0.0;
    if (w.istGas && !w.eigenesMedium && !w.kondensation && pStufe < w.gasDruck)
        return fehler("DruckstufeLowerDampfdruck");
    if (c.istGas && !c.eigenesMedium && pStufe < c.gasDruck)
        return fehler("DruckstufeLowerDampfdruck");

    const auto& dl = k.data.getDichtungAListe();
    if (const DichtungA* g = dl.internalGetForObjectId(e.dichtungWarm))
        if (w.tEin > g->getMaxTemp()) return fehler("WarmTemperaturegreaterMaxTempDichtungenWarm");
    if (const DichtungA* g = dl.internalGetForObjectId(e.dichtungKalt))
        if (w.tEin > g->getMaxTemp()) return fehler("WarmTemperaturegreaterMaxTempDichtungenKalt");

    if ((!w.kondensation || w.unterkuehlung) && w.tEin <= w.tAus)
        return fehler("wrongWarmTemperature");
    if (c.tEin >= c.tAus) return fehler("wrongColdTemperature");
    if (!temperaturenImBereich(k.data, e, meldungen)) return false;

    if (w.tEin - c.tAus > kWarnTemperaturdifferenz) meldungen.warnung("tempdiffTeinwarm-Tauskalt");
    if (w.tAus - c.tEin > kWarnTemperaturdifferenz) meldungen.warnung("tempdiffTauswarm-Teinkalt");
    if (!(w.massenstrom > 0) || !(w.volumenstrom > 0)) return fehler("missingWarmFlowrate");
    if (!(c.massenstrom > 0) || !(c.volumenstrom > 0)) return fehler("missingColdFlowrate");
    if (w.druckverlustZul <= kMinDruckverlust) return fehler("warmPressureToLow");
    if (c.druckverlustZul <= kMinDruckverlust) return fehler("coldPressureToLow");
    if (w.fouling > kMaxFouling) return fehler("warmFoulingToHigh");
    if (c.fouling > kMaxFouling) return fehler("coldFoulingToHigh");
    if (w.istGas && !w.eigenesMedium && !w.kondensation && w.gasDruck < kMinGasDruck)
        return fehler("warmGasBetriebsdrucktoLow");
    if (c.istGas && !c.eigenesMedium && c.gasDruck < kMinGasDruck)
        return fehler("coldGasBetriebsdrucktoLow");
    return true;
}

// Side duties, mean temperature difference, Prandtl numbers, mean
// temperature, the safety plates' air gap and the velocity limits.
bool arbeitswerteAbleiten(const Data& d, Berechnungsfall& fall, Meldungen& meldungen) {
    const Mediumseite& w = fall.eingaben.warm;
    const Mediumseite& c = fall.eingaben.kalt;
    Arbeitswerte& a = fall.arbeitswerte;
    Seitenwerte& aw = a.warm;
    Seitenwerte& ak = a.kalt;
    auto fehler = [&](const char* key) {
        meldungen.fehler(key);
        return false;
    };
    if (w.kondensation)
        a.leistungWarm =
            ((w.tEin - w.tAus) * aw.kondensat.waermekapazitaet + aw.kondensationsenthalpie) *
            w.massenstrom * 1000.0;
    else
        a.leistungWarm =
            (w.tEin - w.tAus) * aw.waermekapazitaet * w.volumenstrom * aw.dichte * 1000.0;
    a.leistungKalt = (c.tAus - c.tEin) * ak.waermekapazitaet * c.volumenstrom * ak.dichte * 1000.0;
    a.leistungSoll = std::max(a.leistungWarm, a.leistungKalt);
    if (!positiv(a.leistungSoll) || !std::isfinite(a.leistungWarm) ||
        !std::isfinite(a.leistungKalt))
        return fehler("bilanzUnvollstaendig");
    if (std::fabs(a.leistungWarm - a.leistungKalt) > kBilanzToleranz * a.leistungSoll)
        return fehler("leistung");

    a.deltaTm =
        mittlereTemperaturdifferenz(w.tEin, w.tAus, c.tEin, c.tAus, w.kondensation, meldungen);
    if (a.deltaTm < 0) return false;
    if (!positiv(a.deltaTm)) return fehler("bilanzUnvollstaendig");

    if (w.kondensation)
        aw.prandtl = aw.kondensat.waermekapazitaet * aw.kondensat.viskositaet /
                     aw.kondensat.waermeleitfaehigkeit;
    else
        aw.prandtl = aw.waermekapazitaet * aw.viskositaet / aw.waermeleitfaehigkeit;
    ak.prandtl = ak.waermekapazitaet * ak.viskositaet / ak.waermeleitfaehigkeit;
    a.tMittel = (w.tEin + w.tAus + c.tEin + c.tAus) * 0.25;

    a.rLuftspalt = 0.0;
    if (fall.eingaben.sicherheitsplatte) {
        const auto& stoffe = d.getStoffdatenListe().alle();
        auto it = std::find_if(stoffe.begin(), stoffe.end(),
                               [](const Stoffdaten& s) { return s.getName() == "Dry Air"; });
        if (it == stoffe.end()) return fehler("LuftStoffdaten");
        const double lambda = it->GetWaermeleitfaehigkeit(a.tMittel);
        if (!positiv(lambda)) return fehler("LuftStoffdaten");
        a.rLuftspalt = d.getGlobaleParameter().getLuftspaltSicherheitsplatten() / lambda;
    }
    geschwindigkeitsgrenzen(d, fall);
    return true;
}
}  // namespace

bool pruefeKombination(const Data& d, const Falleingaben& e, Meldungen& meldungen) {
    auto fehler = [&](const char* key) {
        meldungen.fehler(key);
        return false;
    };
    if (e.plattentypModus != 1) return fehler("plattentypfix");
    if (e.spaltenModus != 1) return fehler("spaltenfix");
    if (e.serienModus != 1) return fehler("serienfix");
    if (e.serien < 1) return fehler("serien");
    if (e.spalten % e.serien != 0) return fehler("kombinationSpalteSerie");
    const SpalttypAnzahl& a = e.nachrechnenPaare[0];
    const SpalttypAnzahl& b = e.nachrechnenPaare[1];
    if (a.anzahl > 0 && a.spalttyp < 0) return fehler("Spalttyp");
    if (b.anzahl > 0 && b.spalttyp < 0) return fehler("Spalttyp");
    const bool beide = a.anzahl > 0 && b.anzahl > 0;
    if (beide && a.spalttyp == b.spalttyp) return fehler("gleicheSpalttypen");
    if (beide && (e.warm.kondensation || e.warm.istGas)) return fehler("MischGeraetundMediumWarm");
    if (beide && e.kalt.istGas) return fehler("MischGeraetundMediumKalt");
    if (beide && istVerbotenePaarung(a.spalttyp, b.spalttyp)) return fehler("ungueltigeMischung");
    const PlattentypA* pa = d.getPlattentypAListe().internalGetForObjectId(e.plattentyp);
    const int maxSpalte = pa ? pa->getMaxSpalte() : 0;
    if (static_cast<long long>(a.anzahl + static_cast<long long>(b.anzahl)) * e.serien >
        maxSpalte) {
        // the text follows the plate type's limit
        Meldung m;
        m.key = "maxspalten";
        m.zahlen = {static_cast<double>(maxSpalte)};
        meldungen.melden(std::move(m));
        return false;
    }
    auto klein = [](int n) { return n == 1 || n == 2; };
    if (klein(a.anzahl) || klein(b.anzahl) || e.spalten <= 2) return fehler("spalten");
    return true;
}

// ------------------------------------------------------------ validation

bool pruefeEingaben(const Rechenkontext& k, Berechnungsfall& fall, Meldungen& meldungen,
                    std::vector<Ergaenzung>& ergaenzt) {
    const Falleingaben& e = fall.eingaben;
    auto mittel = [](const Mediumseite& m, double& t) {
        if (m.tEinVorgegeben && m.tAusVorgegeben)
            t = (m.tEin + m.tAus) / 2.0;
        else if (m.tEinVorgegeben)
            t = m.tEin;
        else if (m.tAusVorgegeben)
            t = m.tAus;
        else
            return false;
        return true;
    };
    double tmW = 0, tmC = 0;
    const char* fehlt = nullptr;
    if (!mittel(e.warm, tmW))
        fehlt = "missingWarmTemperature";
    else if (e.warm.kondensation && !e.warm.tEinVorgegeben)
        fehlt = "missingWarmTemperatureEin";
    else if (!mittel(e.kalt, tmC))
        fehlt = "missingColdTemperature";
    if (fehlt) {
        meldungen.fehler(fehlt);
        return false;
    }
    if (!seiteStoffwerte(k.data, fall, kWarm, tmW, meldungen)) return false;
    if (!seiteStoffwerte(k.data, fall, kKalt, tmC, meldungen)) return false;
    if (!bilanzErgaenzen(k.data, fall, meldungen, ergaenzt)) return false;
    if (!grenzenPruefen(k, e, fall.arbeitswerte, meldungen)) return false;
    return arbeitswerteAbleiten(k.data, fall, meldungen);
}

}  // namespace kal::engine
