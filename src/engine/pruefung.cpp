// Validation of the entries, from the rating combination to the working values.
#include <algorithm>
#include <cmath>

#include "dialoghilfe.h"
#include "engine.h"
#include "format.h"
#include "gasphase.h"

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
}  // namespace

// ------------------------------------------------------------ rating combination

bool Rechenkern::pruefeKombination(const Falleingaben& e) {
    auto fehler = [&](const char* key) {
        meldeFehler(key);
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
    const PlattentypA* pa = k_.data.getPlattentypAListe().internalGetForObjectId(e.plattentyp);
    const int maxSpalte = pa ? pa->getMaxSpalte() : 0;
    if (static_cast<long long>(a.anzahl + static_cast<long long>(b.anzahl)) * e.serien >
        maxSpalte) {
        meldeText(kal::formatiere("%d %s", maxSpalte,
                                  k_.sprache.GetValue("error", "maxspalten", "").c_str()),
                  "maxspalten");
        return false;
    }
    auto klein = [](int n) { return n == 1 || n == 2; };
    if (klein(a.anzahl) || klein(b.anzahl) || e.spalten <= 2) return fehler("spalten");
    return true;
}

// ------------------------------------------------------------ validation

bool Rechenkern::pruefeEingaben(Berechnungsfall& fall) {
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
        meldeFehler(fehlt);
        return false;
    }
    if (!seiteStoffwerte(fall, kWarm, tmW)) return false;
    if (!seiteStoffwerte(fall, kKalt, tmC)) return false;
    if (!bilanzErgaenzen(fall)) return false;
    if (!grenzenPruefen(e, fall.arbeitswerte)) return false;
    return arbeitswerteAbleiten(fall);
}

// The limits of the completed entries, in the order of their messages.
bool Rechenkern::grenzenPruefen(const Falleingaben& e, const Arbeitswerte& a) {
    const Mediumseite& w = e.warm;
    const Mediumseite& c = e.kalt;
    auto fehler = [&](const char* key) {
        meldeFehler(key);
        return false;
    };
    const double grenze = k_.werksmodus ? kMaxViskositaetWerk : kMaxViskositaet;
    if (a.warm.viskositaet > kMaxViskositaetWerk) return fehler("viskositaet20000warm");
    if (a.kalt.viskositaet > kMaxViskositaetWerk) return fehler("viskositaet20000kalt");
    if (a.warm.viskositaet > grenze) return fehler("viskositaet5000warm");
    if (a.kalt.viskositaet > grenze) return fehler("viskositaet5000kalt");

    const DruckstufeA* ds = k_.data.getDruckstufeAListe().internalGetForObjectId(e.druckstufe);
    const double pStufe = ds ? ds->getDruck() : 0.0;
    if (w.istGas && !w.eigenesMedium && !w.kondensation && pStufe < w.gasDruck)
        return fehler("DruckstufeLowerDampfdruck");
    if (c.istGas && !c.eigenesMedium && pStufe < c.gasDruck)
        return fehler("DruckstufeLowerDampfdruck");

    const auto& dl = k_.data.getDichtungAListe();
    if (const DichtungA* g = dl.internalGetForObjectId(e.dichtungWarm))
        if (w.tEin > g->getMaxTemp()) return fehler("WarmTemperaturegreaterMaxTempDichtungenWarm");
    if (const DichtungA* g = dl.internalGetForObjectId(e.dichtungKalt))
        if (w.tEin > g->getMaxTemp()) return fehler("WarmTemperaturegreaterMaxTempDichtungenKalt");

    if ((!w.kondensation || w.unterkuehlung) && w.tEin <= w.tAus)
        return fehler("wrongWarmTemperature");
    if (c.tEin >= c.tAus) return fehler("wrongColdTemperature");
    if (!temperaturenImBereich(e)) return false;

    if (w.tEin - c.tAus > kWarnTemperaturdifferenz) meldeWarnung("tempdiffTeinwarm-Tauskalt");
    if (w.tAus - c.tEin > kWarnTemperaturdifferenz) meldeWarnung("tempdiffTauswarm-Teinkalt");
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

// Every inlet and outlet temperature (entered or completed) within the
// range of its medium's fluid data: the properties are only evaluated at
// the mean temperature, so a side could start far outside the table. The
// outlet of a condensing side is condensate. A gas must stay a gas at its
// pressure from inlet to outlet; its coldest point is one of them.
bool Rechenkern::temperaturenImBereich(const Falleingaben& e) {
    namespace eg = einheitengruppe;
    const StoffdatenListe& stoffe = k_.data.getStoffdatenListe();
    const int ids[kAnzahlSeiten][2] = {{hd::TEinWarm, hd::TAusWarm}, {hd::TEinKalt, hd::TAusKalt}};
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
            const int pos = i == 0 ? m.einheitTEin : m.einheitTAus;
            const Einheit* einheit = einheitAn(k_.data, eg::Temperatur, pos);
            auto zahl = [&](double tC) { return kal::zahlText(temperaturAnzeige(tC, pos), 2, 10); };
            const std::string name = einheit ? " " + einheit->getName() : std::string();
            const char* feld = i == 1 ? "toff" : m.kondensation ? "kondens" : "ton";
            const std::string seiteText =
                k_.sprache.GetValue("maindialog", seite == kWarm ? "warm" : "cold", "");
            const std::string feldText = k_.sprache.GetValue("maindialog", feld, "");
            if (!imBereich) {
                const std::string werte[] = {seiteText,         feldText,
                                             zahl(t) + name,    stoff->getName(),
                                             zahl(stoff->tMin), zahl(stoff->tMax) + name};
                meldeText(
                    kal::einsetzen(k_.sprache.GetValue("error", "temperaturBereich", ""), werte),
                    "temperaturBereich");
            } else {
                // the pressure in the unit of its field, the limit in its own
                const Einheit* pe = einheitAn(k_.data, eg::Druck, m.einheitGasDruck);
                auto druck = [&](double bar) {
                    const double pa = inBasisEinheit(k_.data, eg::Druck, eg::DruckBar, bar);
                    return kal::zahlText(ausBasisEinheit(k_.data, eg::Druck, m.einheitGasDruck, pa),
                                         2, 10) +
                           (pe ? " " + pe->getName() : std::string());
                };
                std::string grenze;
                if (phase.phase == Gasphase::UnterTaupunkt)
                    grenze = zahl(phase.grenze) + name;
                else if (phase.phase == Gasphase::DruckUeberTabelle)
                    grenze = druck(phase.grenze);
                else if (const Einheit* de = einheitAn(k_.data, eg::Dichte, 0))
                    grenze = kal::zahlText(phase.grenze, 2, 10) + " " + de->getName();
                meldeText(kal::formatiere("%s, %s: ", seiteText.c_str(), feldText.c_str()) +
                              gasphaseText(k_.sprache, phase.phase, zahl(t) + name,
                                           druck(m.gasDruck), stoff->getName(), grenze),
                          gasphaseSchluessel(phase.phase));
            }
            k_.felder.setFocus(ids[seite][i]);
            return false;
        }
    }
    return true;
}

// Side duties, mean temperature difference, Prandtl numbers, mean
// temperature, the safety plates' air gap and the velocity limits.
bool Rechenkern::arbeitswerteAbleiten(Berechnungsfall& fall) {
    const Mediumseite& w = fall.eingaben.warm;
    const Mediumseite& c = fall.eingaben.kalt;
    Arbeitswerte& a = fall.arbeitswerte;
    Seitenwerte& aw = a.warm;
    Seitenwerte& ak = a.kalt;
    auto fehler = [&](const char* key) {
        meldeFehler(key);
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

    a.deltaTm = mittlereTemperaturdifferenz(w.tEin, w.tAus, c.tEin, c.tAus, w.kondensation);
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
        const auto& stoffe = k_.data.getStoffdatenListe().alle();
        auto it = std::find_if(stoffe.begin(), stoffe.end(),
                               [](const Stoffdaten& s) { return s.getName() == "Dry Air"; });
        if (it == stoffe.end()) return fehler("LuftStoffdaten");
        const double lambda = it->GetWaermeleitfaehigkeit(a.tMittel);
        if (!positiv(lambda)) return fehler("LuftStoffdaten");
        a.rLuftspalt = k_.data.getGlobaleParameter().getLuftspaltSicherheitsplatten() / lambda;
    }
    geschwindigkeitsgrenzen(fall);
    return true;
}
