#include "datalib/data.h"

#include <algorithm>
#include <cmath>

namespace {
// Linear interpolation in an ascending table, clamped at its ends; `y`
// holds x.size() values from `y0`.
double interpoliere(const std::vector<double>& x, const double* y, double t) {
    const size_t n = x.size();
    if (n == 0) return 0.0;
    if (std::isnan(t)) return t;  // the search below would run past the end
    if (t <= x.front()) return y[0];
    if (t >= x.back()) return y[n - 1];
    auto it = std::upper_bound(x.begin(), x.end(), t);
    size_t i = static_cast<size_t>(it - x.begin());
    double x0 = x[i - 1], x1 = x[i];
    double w = (x1 > x0) ? (t - x0) / (x1 - x0) : 0.0;
    return y[i - 1] + w * (y[i] - y[i - 1]);
}

double interpoliere(const std::vector<double>& x, const std::vector<double>& y, double t) {
    if (x.empty() || y.size() != x.size()) return 0.0;
    return interpoliere(x, y.data(), t);
}

template <class M, class K>
auto wertOder(const M& map, const K& key, typename M::mapped_type fallback) {
    auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}
}  // namespace

// ---------------------------------------------------------------- units

const Einheit* EinheitenGruppe::getForObjectId(int id) const {
    for (const auto& e : einheiten)
        if (e.getObjectId() == id) return &e;
    return nullptr;
}

int EinheitenGruppe::getIndexForEinheitObjectId(int id) const {
    for (size_t i = 0; i < einheiten.size(); ++i)
        if (einheiten[i].getObjectId() == id) return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------- fluids

int Stoffdaten::IsMediumFuerSeiteZulaessig(int seite) const {
    if (seite == 0) return warmZulaessig ? 1 : 0;
    if (seite == 1) return kaltZulaessig ? 1 : 0;
    return 0;
}

int Stoffdaten::IsTemperaturOK(double t) const { return (t >= tMin && t <= tMax) ? 1 : 0; }

// One property at (t, p): rows of pressure-dependent tables interpolated
// in temperature, then in pressure; a density as rho/p, which is exact for
// an ideal gas and holds it below the lowest pressure.
double Stoffdaten::wert(const std::vector<double>& spalte, double t, double p,
                        bool istDichte) const {
    const size_t nT = temperatur.size();
    if (druck.empty()) {
        const double v = interpoliere(temperatur, spalte, t);
        if (istDichte && gas && !kondensation && bezugsdruck > 0.0) return v * p / bezugsdruck;
        return v;
    }
    if (nT == 0 || spalte.size() != nT * druck.size()) return 0.0;
    auto zeile = [&](size_t j) { return interpoliere(temperatur, spalte.data() + j * nT, t); };
    if (std::isnan(p)) return p;
    size_t j = 1;
    if (druck.size() == 1 || p <= druck.front()) {
        j = 0;
    } else if (p >= druck.back()) {
        j = druck.size() - 1;
    } else {
        j = static_cast<size_t>(std::upper_bound(druck.begin(), druck.end(), p) - druck.begin());
        const double p0 = druck[j - 1], p1 = druck[j];
        const double w = (p - p0) / (p1 - p0);
        if (!istDichte) return zeile(j - 1) + w * (zeile(j) - zeile(j - 1));
        return p * (zeile(j - 1) / p0 + w * (zeile(j) / p1 - zeile(j - 1) / p0));
    }
    return istDichte ? zeile(j) * p / druck[j] : zeile(j);
}

double Stoffdaten::GetViskositaet(double t) const { return GetViskositaet(t, bezugsdruck); }
double Stoffdaten::GetWaermekapazitaet(double t) const {
    return GetWaermekapazitaet(t, bezugsdruck);
}
double Stoffdaten::GetWaermeleitfaehigkeit(double t) const {
    return GetWaermeleitfaehigkeit(t, bezugsdruck);
}
double Stoffdaten::GetViskositaet(double t, double p) const {
    return wert(viskositaet, t, p, false);
}
double Stoffdaten::GetWaermekapazitaet(double t, double p) const {
    return wert(waermekapazitaet, t, p, false);
}
double Stoffdaten::GetWaermeleitfaehigkeit(double t, double p) const {
    return wert(waermeleitfaehigkeit, t, p, false);
}

double Stoffdaten::GetDichte(double t, double p) const { return wert(dichte, t, p, true); }

Gasphasenbefund Stoffdaten::pruefeGasphase(double t, double p) const {
    if (!gas || kondensation || druck.empty()) return {};
    if (p > druck.back()) return {Gasphase::DruckUeberTabelle, druck.back()};
    // the dew line ends at the critical point; above it no liquid forms
    if (taupunktDruck.size() >= 2 && p >= taupunktDruck.front() && p <= taupunktDruck.back()) {
        const double tTau = interpoliere(taupunktDruck, taupunktTemperatur, p);
        if (t < tTau) return {Gasphase::UnterTaupunkt, tTau};
    }
    if (kritischeDichte > 0.0 && GetDichte(t, p) > kritischeDichte)
        return {Gasphase::UeberKritischeDichte, kritischeDichte};
    return {};
}

const std::string& Stoffdaten::getQuelle(const std::string& groesse) const {
    static const std::string keine;
    auto it = quellen.find(groesse);
    return it == quellen.end() ? keine : it->second;
}

double Stoffdaten::GetKondensationsenthalpie(double t) const {
    return interpoliere(temperatur, kondensationsenthalpie, t);
}

double Stoffdaten::GetDampfdruck(double t) const { return interpoliere(temperatur, dampfdruck, t); }

double Stoffdaten::GetTempDampf(double p) const {
    // vapour pressure rises monotonically: invert the table
    return interpoliere(dampfdruck, temperatur, p);
}

// ---------------------------------------------------------------- channel types

int Spalttyp::getSpalttypZweiteSeite(int anderer) const {
    if (anderer < 0 || anderer >= kAnzahlSpalttypen) return 0;
    return zweiteSeite[static_cast<size_t>(anderer)];
}

int Spalttyp::getWeitermischenNichtOk(int partner) const {
    if (partner < 0 || partner >= kAnzahlSpalttypen) return 0;
    return weitermischenNichtOk[static_cast<size_t>(partner)];
}

const SpalttypKorrelation* Spalttyp::korrelation(int wellenwinkel) const {
    auto it = tabellen.find(wellenwinkel);
    return it == tabellen.end() ? nullptr : &it->second;
}

#define KAL_TABELLE(fn, feld)                                                                      \
    double Spalttyp::fn(int wellenwinkel, int index) const {                                       \
        const SpalttypKorrelation* k = korrelation(wellenwinkel);                                  \
        if (!k || index < 0 || index >= static_cast<int>(SpalttypKorrelation::kWerte)) return 0.0; \
        return k->feld[static_cast<size_t>(index)];                                                \
    }
KAL_TABELLE(getAlphaNusseltReGrenze, alphaReGrenze)
KAL_TABELLE(getAlphaNusseltFaktorGleichung, alphaFaktor)
KAL_TABELLE(getAlphaNusseltExpGleichung, alphaExp)
KAL_TABELLE(getSpaltDruckBeiwertReGrenze, druckReGrenze)
KAL_TABELLE(getSpaltDruckBeiwertFaktorGleichung, druckFaktor)
KAL_TABELLE(getSpaltDruckBeiwertExpGleichung, druckExp)
#undef KAL_TABELLE

// ---------------------------------------------------------------- connections

int AnschlussU::getDruckstufeZulaessig(int id) const {
    return std::find(druckstufen.begin(), druckstufen.end(), id) != druckstufen.end() ? 1 : 0;
}

int AnschlussU::getPlattentypZulaessig(int id) const {
    return std::find(plattentypen.begin(), plattentypen.end(), id) != plattentypen.end() ? 1 : 0;
}

// ---------------------------------------------------------------- plate types

namespace {
template <class A>
auto feldAt(const A& a, int i) {
    return (i >= 0 && i < static_cast<int>(a.size())) ? a[static_cast<size_t>(i)]
                                                      : typename A::value_type{};
}
}  // namespace

int PlattentypA::getWellenwinkel(int i) const { return feldAt(wellenwinkel, i); }
double PlattentypA::getFlaeche(int i) const { return feldAt(flaeche, i); }
double PlattentypA::getQuerSpalt(int i) const { return feldAt(querSpalt, i); }
double PlattentypA::getInhalt(int i) const { return feldAt(inhalt, i); }

const PlattenDaten* PlattentypA::plattenDaten(int material, int druckstufe) const {
    auto it = platten.find({material, druckstufe});
    return it == platten.end() ? nullptr : &it->second;
}

double PlattentypA::getPlattenDickeEinzeln(int material, int druckstufe) const {
    const PlattenDaten* p = plattenDaten(material, druckstufe);
    return p ? p->dicke : 0.0;
}

double PlattentypA::getPlattenDickeGesamtOhneLuft(int material, int druckstufe) const {
    double s = getPlattenDickeEinzeln(material, druckstufe);
    return sicherheitsplatte ? 2.0 * s : s;
}

double PlattentypA::getPlattenDickeGesamt(const Data& data, int material, int druckstufe) const {
    double s = getPlattenDickeGesamtOhneLuft(material, druckstufe);
    if (sicherheitsplatte) s += data.getGlobaleParameter().getLuftspaltSicherheitsplatten();
    return s;
}

double PlattentypA::getPlattenGewicht(int material, int druckstufe) const {
    const PlattenDaten* p = plattenDaten(material, druckstufe);
    return p ? p->gewicht : 0.0;
}

int PlattentypA::getSpalttypZulaessig(int material, int druckstufe, int spalttyp) const {
    const PlattenDaten* p = plattenDaten(material, druckstufe);
    return p ? feldAt(p->spalttypZulaessig, spalttyp) : 0;
}

const GestellDaten* PlattentypPreise::gestellDaten(int gestell, int druckstufe,
                                                   int variante) const {
    auto it = gestelle.find({gestell, druckstufe, variante});
    return it == gestelle.end() ? nullptr : &it->second;
}

double PlattentypPreise::getPlattenPreis(int material, int druckstufe) const {
    return wertOder(plattenPreis, MaterialDruck{material, druckstufe}, 0.0);
}

double PlattentypPreise::getGestellGrundpreis(const Data&, int gestell, int druckstufe,
                                              int variante) const {
    const GestellDaten* g = gestellDaten(gestell, druckstufe, variante);
    return g ? g->grundpreis : 0.0;
}

double PlattentypPreise::getGestellPreisZuschlag(const Data&, int gestell, int druckstufe,
                                                 int variante, int lz) const {
    const GestellDaten* g = gestellDaten(gestell, druckstufe, variante);
    return g ? wertOder(g->preisZuschlag, lz, 0.0) : 0.0;
}

double PlattentypPreise::getWegeAufschlag(const Data&, int gestell, int druckstufe,
                                          int variante) const {
    const GestellDaten* g = gestellDaten(gestell, druckstufe, variante);
    return g ? g->wegeAufschlag : 0.0;
}

double PlattentypPreise::getDichtungPreis(const Data&, int dichtung) const {
    return wertOder(dichtungPreis, dichtung, 0.0);
}

int PlattentypU::getDichtungAktiv(const Data&, int dichtung) const {
    return std::find(dichtungen.begin(), dichtungen.end(), dichtung) != dichtungen.end() ? 1 : 0;
}

double PlattentypU::getQuerMaxStutzen(const Data& data) const {
    double best = 0.0;
    for (const auto& a : data.getAnschlussUListe().alle())
        if (a.getZulaessig() && a.getPlattentypZulaessig(getObjectId()))
            best = std::max(best, a.getFreierQuerschnitt());
    return best;
}

namespace {
// Frame dimensions do not depend on the frame material: the first frame
// entry of the pressure stage and variant answers.
const GestellDaten* ersterRahmen(const PlattentypPreise& p, int druckstufe, int variante) {
    for (const auto& [k, g] : p.gestelle)
        if (k.druckstufe == druckstufe && k.variante == variante) return &g;
    return nullptr;
}
}  // namespace

double PlattentypU::getHoehe(const Data&, int druckstufe, int variante) const {
    const GestellDaten* g = ersterRahmen(*this, druckstufe, variante);
    return g ? g->hoehe : 0.0;
}
double PlattentypU::getBreite(const Data&, int druckstufe, int variante) const {
    const GestellDaten* g = ersterRahmen(*this, druckstufe, variante);
    return g ? g->breite : 0.0;
}
double PlattentypU::getLaengeTotal(const Data&, int druckstufe, int variante, int lz) const {
    const GestellDaten* g = ersterRahmen(*this, druckstufe, variante);
    return g ? wertOder(g->laengeTotal, lz, 0.0) : 0.0;
}
double PlattentypU::getStutzenabstandHorizontal(const Data&, int druckstufe, int variante) const {
    const GestellDaten* g = ersterRahmen(*this, druckstufe, variante);
    return g ? g->stutzenabstandHorizontal : 0.0;
}
double PlattentypU::getStutzenabstandVertikal(const Data&, int druckstufe, int variante) const {
    const GestellDaten* g = ersterRahmen(*this, druckstufe, variante);
    return g ? g->stutzenabstandVertikal : 0.0;
}
double PlattentypU::getGestellGrundgewicht(const Data&, int gestell, int druckstufe,
                                           int variante) const {
    const GestellDaten* g = gestellDaten(gestell, druckstufe, variante);
    return g ? g->grundgewicht : 0.0;
}
double PlattentypU::getGestellGewichtZuschlag(const Data&, int gestell, int druckstufe,
                                              int variante, int lz) const {
    const GestellDaten* g = gestellDaten(gestell, druckstufe, variante);
    return g ? wertOder(g->gewichtZuschlag, lz, 0.0) : 0.0;
}
int PlattentypU::getPlattenLieferzeit(int material, int druckstufe) const {
    return wertOder(plattenLieferzeit, MaterialDruck{material, druckstufe}, 0);
}
int PlattentypU::getGestellLieferzeit(const Data&, int gestell, int druckstufe, int variante,
                                      int lz) const {
    const GestellDaten* g = gestellDaten(gestell, druckstufe, variante);
    return g ? g->lieferzeit + wertOder(g->lieferzeitZuschlag, lz, 0) : 0;
}
int PlattentypU::getDichtungLieferzeit(const Data&, int dichtung) const {
    return wertOder(dichtungLieferzeit, dichtung, 0);
}
int PlattentypU::getWaermeisolierungLieferzeit(const Data&, int lz) const {
    return wertOder(waermeisolierungLieferzeit, lz, 0);
}
int PlattentypU::getSpritzschutzLieferzeit(const Data&, int lz) const {
    return wertOder(spritzschutzLieferzeit, lz, 0);
}
int PlattentypU::getSonderlackierungLieferzeit(const Data&) const {
    return sonderlackierungLieferzeit;
}
double PlattentypU::getWaermeisolierungPreis(const Data&, int lz) const {
    return wertOder(waermeisolierungPreis, lz, 0.0);
}
double PlattentypU::getSpritzschutzPreis(const Data&, int lz) const {
    return wertOder(spritzschutzPreis, lz, 0.0);
}
double PlattentypU::getSonderlackierungPreis(const Data&) const { return sonderlackierungPreis; }

// ---------------------------------------------------------------- length classes

const Laengenzuschlag* LaengenzuschlagListe::getLaengenzuschlag(const Data&, const PlattentypU& typ,
                                                                int platten) const {
    const Laengenzuschlag* best = nullptr;
    for (const auto& l : alle()) {
        if (l.plattentyp != typ.getObjectId() || l.maxPlatten < platten) continue;
        if (!best || l.maxPlatten < best->maxPlatten) best = &l;
    }
    return best;
}

const Einheit* einheitAn(const Data& data, int gruppe, int pos) {
    const EinheitenGruppe* g = data.getEinheitenGruppeListe().internalGetAt(gruppe);
    return g ? g->getEinheitAt(pos) : nullptr;
}

double inBasisEinheit(const Data& data, int gruppe, int pos, double wert) {
    const Einheit* e = einheitAn(data, gruppe, pos);
    return e ? e->umrechnenInBasisEinheit(wert) : wert;
}

double ausBasisEinheit(const Data& data, int gruppe, int pos, double basis) {
    const Einheit* e = einheitAn(data, gruppe, pos);
    return e ? e->umrechnenInDieseEinheit(basis) : basis;
}

int anzeigeEinheitPosition(const Data& data, int gruppe, int system) {
    const EinheitenGruppe* g = data.getEinheitenGruppeListe().internalGetAt(gruppe);
    const int pos = g ? g->getIndexForEinheitObjectId(g->getAnzeigeEinheitObjectId(system)) : -1;
    return pos < 0 ? 0 : pos;
}

double temperaturdifferenzAus(const Data& data, int pos, double kelvin) {
    const Einheit* e = einheitAn(data, einheitengruppe::Temperatur, pos);
    return e && e->faktor > 0 ? kelvin / e->faktor : kelvin;
}

std::string temperaturdifferenzName(const Data& data, int pos) {
    namespace eg = einheitengruppe;
    const Einheit* e = einheitAn(data, eg::Temperatur, pos);
    if (e && e->faktor != 1.0) return e->getName();
    const Einheit* kelvin = einheitAn(data, eg::Temperatur, eg::TemperaturK);
    return kelvin ? kelvin->getName() : std::string();
}
