// The engineering data library `global`: the data root `Data`, its records
// and lists. Pure queries; an unknown id yields no record (nullptr).
// Units of every accessor are stated beside it; the loader (loader.cpp)
// fills the records from the JSON files of the data directory.
#pragma once

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class Data;

// The channel type list has exactly this many entries; every per-type table
// is indexed by list position.
inline constexpr int kAnzahlSpalttypen = 9;

class DataObject {
public:
    int getObjectId() const { return objectId; }
    int objectId = 0;
};

class DataListBase {
public:
    virtual ~DataListBase() = default;
    virtual int getSize() const = 0;
};

template <class T>
class DataList : public DataListBase {
public:
    int getSize() const override { return static_cast<int>(items_.size()); }
    const T* internalGetAt(int index) const {
        return (index >= 0 && index < getSize()) ? &items_[static_cast<size_t>(index)] : nullptr;
    }
    const T* internalGetForObjectId(int id) const {
        int i = getIndexForObjectId(id);
        return i < 0 ? nullptr : &items_[static_cast<size_t>(i)];
    }
    // -1 for an unknown id.
    int getIndexForObjectId(int id) const {
        auto it = index_.find(id);
        return it == index_.end() ? -1 : it->second;
    }
    // Building (loader and tests). A duplicate id keeps the first record.
    T& hinzufuegen(T record) {
        index_.emplace(record.getObjectId(), getSize());
        items_.push_back(std::move(record));
        return items_.back();
    }
    void leeren() {
        items_.clear();
        index_.clear();
    }
    const std::vector<T>& alle() const { return items_; }

private:
    std::vector<T> items_;
    std::unordered_map<int, int> index_;
};

// ---------------------------------------------------------------- units

// value_in_base = value * faktor + offset
class Einheit : public DataObject {
public:
    const std::string& getName() const { return name; }
    double umrechnenInBasisEinheit(double wert) const { return wert * faktor + offset; }
    double umrechnenInDieseEinheit(double basis) const { return (basis - offset) / faktor; }

    std::string name;
    double faktor = 1.0;
    double offset = 0.0;
};

class EinheitenGruppe : public DataObject {
public:
    const std::string& getName() const { return name; }
    int getAnzahlEinheiten() const { return static_cast<int>(einheiten.size()); }
    const Einheit* getEinheitAt(int index) const {
        return (index >= 0 && index < getAnzahlEinheiten()) ? &einheiten[static_cast<size_t>(index)]
                                                            : nullptr;
    }
    const Einheit* getForObjectId(int id) const;
    int getIndexForEinheitObjectId(int id) const;  // -1 unknown
    // Object id of the display unit: system 1 = US, otherwise SI.
    int getAnzeigeEinheitObjectId(int system) const { return system == 1 ? anzeigeUS : anzeigeSI; }

    std::string name;
    std::vector<Einheit> einheiten;
    int anzeigeSI = 0;
    int anzeigeUS = 0;
};

// Group indices (list positions) with their base units, and the unit
// positions within a group that the engine computes in.
namespace einheitengruppe {
enum : int {
    Volumenstrom = 0,             // m3/s
    Temperatur = 1,               // K
    Druck = 2,                    // Pa
    Leistung = 3,                 // W
    Flaeche = 4,                  // m2
    Waermeuebergang = 5,          // W/(m2 K), alpha and k
    Gewicht = 6,                  // kg
    Volumen = 7,                  // m3
    Laenge = 8,                   // m
    Viskositaet = 9,              // Pa s
    Dichte = 10,                  // kg/m3
    Waermekapazitaet = 11,        // kJ/(kg K)
    Waermeleitfaehigkeit = 12,    // W/(m K)
    Massenstrom = 13,             // kg/s
    Fouling = 14,                 // m2 K/W
    Geschwindigkeit = 15,         // m/s
    Kondensationsenthalpie = 16,  // kJ/kg
    Anzahl = 17
};
enum : int {
    TemperaturK = 0,
    TemperaturGradC = 1,
    TemperaturGradF = 2,
    DruckKPa = 1,
    DruckBar = 4,
    LeistungKW = 1,
    VolumenLiter = 2,
    ViskositaetMPas = 1
};
}  // namespace einheitengruppe

class EinheitenGruppeListe : public DataList<EinheitenGruppe> {
public:
    void initDaten() {}
};

// ---------------------------------------------------------------- fluids

// Outcome of the phase check of a gas entry (Stoffdaten::pruefeGasphase).
enum class Gasphase {
    Gas,                  // a gas state the tables describe
    DruckUeberTabelle,    // the pressure lies above the tables
    UnterTaupunkt,        // below the dew point at this pressure: it condenses
    UeberKritischeDichte  // denser than at the critical point: no gas
};
struct Gasphasenbefund {
    Gasphase phase = Gasphase::Gas;
    // the limit it broke: highest table pressure (bar), dew temperature
    // (degC) or critical density (kg/m3)
    double grenze = 0.0;
};

// Property table of one fluid: values at ascending temperatures (degC),
// interpolated linearly. A gas may hold its tables over pressure too (one
// row over `temperatur` per entry of `druck`); without them its density
// scales with pressure as an ideal gas's (see GetDichte).
class Stoffdaten : public DataObject {
public:
    const std::string& getName() const { return name; }
    int IsGas() const { return gas ? 1 : 0; }
    int IsKondensation() const { return kondensation ? 1 : 0; }
    // side 0 warm, 1 cold
    int IsMediumFuerSeiteZulaessig(int seite) const;
    int NurTitanZulaessig() const { return nurTitan ? 1 : 0; }
    // 1 when tMin <= T <= tMax
    int IsTemperaturOK(double t) const;
    // At the reference pressure `bezugsdruck` (gases with pressure tables).
    double GetViskositaet(double t) const;           // mPa s
    double GetWaermekapazitaet(double t) const;      // kJ/(kg K)
    double GetWaermeleitfaehigkeit(double t) const;  // W/(m K)
    // At p bar absolute; fluids without pressure tables ignore p.
    double GetViskositaet(double t, double p) const;
    double GetWaermekapazitaet(double t, double p) const;
    double GetWaermeleitfaehigkeit(double t, double p) const;
    // kg/m3; p in bar (absolute). Liquids ignore p; a gas interpolates its
    // pressure tables (rho/p linear in p, ideal below the lowest pressure)
    // or, without them, scales the density at bezugsdruck by p / bezugsdruck.
    double GetDichte(double t, double p) const;
    // condensing fluids only
    int GetCodeKondensat() const { return codeKondensat; }  // index in the fluid list
    double GetKondensationsenthalpie(double t) const;       // kJ/kg
    double GetDampfdruck(double t) const;                   // bar absolute
    double GetTempDampf(double p) const;                    // degC at saturation pressure p bar
    // Whether (t degC, p bar) is a gas state of this fluid's tables: always
    // Gas for liquids, condensing fluids and gases without pressure tables.
    Gasphasenbefund pruefeGasphase(double t, double p) const;
    bool hatDruckTabellen() const { return !druck.empty(); }

    // Provenance: what the values describe, and the source of each
    // property by its field name ("dichte", ..., "dampfdruck").
    const std::string& getBasis() const { return basis; }
    const std::string& getQuelle(const std::string& groesse) const;

    std::string name;
    bool gas = false;
    bool kondensation = false;
    bool warmZulaessig = true;
    bool kaltZulaessig = true;
    bool nurTitan = false;
    double tMin = 0.0, tMax = 0.0;  // valid range, degC
    double bezugsdruck = 1.0;       // bar, gas density reference
    int codeKondensat = -1;
    std::string basis;
    std::map<std::string, std::string> quellen;
    std::vector<double> temperatur;  // degC, ascending
    // bar absolute, ascending; empty: one row (no pressure dependence)
    std::vector<double> druck;
    // rows over `temperatur`, one per pressure (row-major)
    std::vector<double> dichte, waermekapazitaet, viskositaet, waermeleitfaehigkeit;
    std::vector<double> kondensationsenthalpie, dampfdruck;  // condensing only
    // Phase check of gases with pressure tables: the critical point and the
    // dew line (temperature degC over pressure bar, ascending; may be empty).
    double kritischeTemperatur = 0.0, kritischerDruck = 0.0, kritischeDichte = 0.0;
    std::vector<double> taupunktDruck, taupunktTemperatur;

private:
    double wert(const std::vector<double>& spalte, double t, double p, bool istDichte) const;
};

class StoffdatenListe : public DataList<Stoffdaten> {
public:
    void initDaten() {}
};

// ---------------------------------------------------------------- channel types

// Correlation tables by wave angle: six coefficients each. Indices 0..3 of
// the factors and exponents are Reynolds ranges above the bounds 0..3
// (descending), index 4 the range below them all. Index 5 holds the Prandtl
// factor and exponent and, among the alpha bounds, the wall viscosity
// exponent. Plate types with their own correlation (trevanberechnung) take
// an extra factor from index 3 (water-like media) or 4, the friction's wall
// viscosity exponent from druckReGrenze[4], and their friction ranges 0
// (water-like), 1 and 2 (above / below druckReGrenze[1]).
struct SpalttypKorrelation {
    static constexpr size_t kWerte = 6;
    static constexpr size_t kReGrenzen = 4;
    static constexpr size_t kPrandtl = 5;
    static constexpr size_t kWandExponentAlpha = 5;
    static constexpr size_t kWandExponentDruck = 4;
    static constexpr size_t kTrevanWasserAehnlich = 3;
    static constexpr size_t kTrevanSonst = 4;
    static constexpr size_t kTrevanDruckOben = 1;
    static constexpr size_t kTrevanDruckUnten = 2;

    std::array<double, kWerte> alphaReGrenze{};
    std::array<double, kWerte> alphaFaktor{};
    std::array<double, kWerte> alphaExp{};
    std::array<double, kWerte> druckReGrenze{};
    std::array<double, kWerte> druckFaktor{};
    std::array<double, kWerte> druckExp{};
    // Provenance of the table: source, what it describes, the corrugation
    // angle to the main flow (degrees) of the correlation it follows, and
    // the Reynolds range it was made for.
    std::string quelle, basis;
    double stroemungswinkel = 0.0;
    double reMin = 0.0, reMax = 0.0;

    // Range of `re`: the first of the descending bounds 0..3 it exceeds, else 4.
    static size_t bereich(const std::array<double, kWerte>& grenzen, double re) {
        for (size_t j = 0; j < kReGrenzen; ++j)
            if (re > grenzen[j]) return j;
        return kReGrenzen;
    }
    // Nusselt's Reynolds law (without the Prandtl and wall terms).
    double nusseltRe(double re) const {
        const size_t k = bereich(alphaReGrenze, re);
        return alphaFaktor[k] * std::pow(re, alphaExp[k]);
    }
    // Friction factor; the layout of plate types without trevanberechnung.
    double reibungRe(double re) const {
        const size_t k = bereich(druckReGrenze, re);
        return druckFaktor[k] * std::pow(re, druckExp[k]);
    }
    // Friction range of plate types with trevanberechnung: range 0 above
    // druckReGrenze[0] for every medium (a bound of 0: water-like media at
    // every Reynolds number, the others never), else range 1 above
    // druckReGrenze[1], else range 2.
    size_t trevanDruckBereich(double re, bool wasserAehnlich) const {
        const double grenze0 = druckReGrenze[0];
        if (grenze0 > 0.0 ? re > grenze0 : wasserAehnlich) return 0;
        return re > druckReGrenze[kTrevanDruckOben] ? kTrevanDruckOben : kTrevanDruckUnten;
    }
};

// List positions the design search gives a role. It drops a pack when the
// type at kSpalttypStaerkster alone (on both sides) misses the duty, and
// bounds the channel count from below with the pressure drop of the type at
// kSpalttypGlattester: sound only for the strongest and the least-friction
// type (pruefeSpalttypRollen checks a data set).
inline constexpr int kSpalttypStaerkster = 1;
inline constexpr int kSpalttypGlattester = 8;

class Spalttyp : public DataObject {
public:
    const std::string& getName() const { return name; }
    // Channel type (list position) of the channel formed between a channel
    // of this type and one of type `anderer`.
    int getSpalttypZweiteSeite(int anderer) const;
    // 0: mixing this type with `partner` stops once the warm-only duty
    // bound fails; non-zero: the search goes on mixing
    int getWeitermischenNichtOk(int partner) const;
    // Unknown wave angle or index outside 0..5: 0.
    double getAlphaNusseltReGrenze(int wellenwinkel, int index) const;
    double getAlphaNusseltFaktorGleichung(int wellenwinkel, int index) const;
    double getAlphaNusseltExpGleichung(int wellenwinkel, int index) const;
    double getSpaltDruckBeiwertReGrenze(int wellenwinkel, int index) const;
    double getSpaltDruckBeiwertFaktorGleichung(int wellenwinkel, int index) const;
    double getSpaltDruckBeiwertExpGleichung(int wellenwinkel, int index) const;

    const SpalttypKorrelation* korrelation(int wellenwinkel) const;

    std::string name;
    std::array<int, kAnzahlSpalttypen> zweiteSeite{};  // by partner list position
    std::array<int, kAnzahlSpalttypen> weitermischenNichtOk{};
    std::map<int, SpalttypKorrelation> tabellen;  // by wave angle (degrees)
};

using SpalttypListe = DataList<Spalttyp>;

// ---------------------------------------------------------------- materials

class DichtungA : public DataObject {
public:
    const std::string& getName() const { return name; }
    const std::string& getCode() const { return code; }
    double getMaxTemp() const { return maxTemp; }  // degC
    int getAktiv() const { return aktiv ? 1 : 0; }
    std::string name, code;
    double maxTemp = 0.0;
    bool aktiv = true;
};
using DichtungAListe = DataList<DichtungA>;

class MaterialPlatteA : public DataObject {
public:
    const std::string& getName() const { return name; }
    const std::string& getCode() const { return code; }
    int getZulaessig() const { return zulaessig ? 1 : 0; }
    double getLambda() const { return lambda; }  // W/(m K)
    std::string name, code;
    bool zulaessig = true;
    double lambda = 0.0;
};
using MaterialPlatteAListe = DataList<MaterialPlatteA>;

class MaterialGestellU : public DataObject {
public:
    const std::string& getName() const { return name; }
    std::string name;
};
using MaterialGestellUListe = DataList<MaterialGestellU>;

class DruckstufeA : public DataObject {
public:
    int getDruck() const { return druck; }  // design pressure, bar
    int druck = 0;
};
using DruckstufeAListe = DataList<DruckstufeA>;

// ---------------------------------------------------------------- connections

class AnschlussU : public DataObject {
public:
    const std::string& getArt() const { return art; }
    const std::string& getMaterial() const { return material; }
    const std::string& getBemerkung() const { return bemerkung; }
    const std::string& getNomDurchmesser() const { return nomDurchmesser; }
    int getZulaessig() const { return zulaessig ? 1 : 0; }
    int getDruckstufeZulaessig(int druckstufeId) const;
    int getPlattentypZulaessig(int plattentypId) const;
    int getDIN() const { return din ? 1 : 0; }
    int getEinwegZulaessig() const { return einweg ? 1 : 0; }
    int getMehrwegZulaessig() const { return mehrweg ? 1 : 0; }
    double getFreierQuerschnitt() const { return freierQuerschnitt; }  // m2
    int getLieferZeit() const { return lieferzeit; }                   // weeks
    double getPreis() const { return preis; }

    std::string art, material, bemerkung, nomDurchmesser;
    bool zulaessig = true, din = true, einweg = true, mehrweg = true;
    std::vector<int> druckstufen;   // permitted pressure stage ids
    std::vector<int> plattentypen;  // permitted plate type ids
    double freierQuerschnitt = 0.0;
    int lieferzeit = 0;
    double preis = 0.0;
};
using AnschlussUListe = DataList<AnschlussU>;

// ---------------------------------------------------------------- plate types

// Key of the tables by plate material and pressure stage.
struct MaterialDruck {
    int material = 0;
    int druckstufe = 0;
    bool operator<(const MaterialDruck& o) const {
        return material != o.material ? material < o.material : druckstufe < o.druckstufe;
    }
};

// Key of the frame tables by frame material, pressure stage and variant
// (0 DIN, 1 ASME).
struct GestellSchluessel {
    int gestell = 0;
    int druckstufe = 0;
    int variante = 0;
    bool operator<(const GestellSchluessel& o) const {
        if (gestell != o.gestell) return gestell < o.gestell;
        if (druckstufe != o.druckstufe) return druckstufe < o.druckstufe;
        return variante < o.variante;
    }
};

struct PlattenDaten {
    double dicke = 0.0;                                      // single plate thickness, m
    double gewicht = 0.0;                                    // kg per plate
    std::array<int, kAnzahlSpalttypen> spalttypZulaessig{};  // default permission per channel type
};

// Geometry and thermal data of a plate type. Lengths in m, areas in m2.
class PlattentypA : public DataObject {
public:
    const std::string& getName() const { return name; }
    int getReihenfolge() const { return reihenfolge; }
    int getMaxSpalte() const { return maxSpalte; }
    int getSicherheitsplatte() const { return sicherheitsplatte ? 1 : 0; }
    int getWellenwinkel(int spalttyp) const;           // degrees
    double getFlaeche(int spalttyp) const;             // heat transfer area per channel, m2
    double getQuerSpalt(int spalttyp) const;           // flow cross-section of one channel, m2
    double getInhalt(int spalttyp) const;              // hold-up of one channel, litre
    double getDhSpalt() const { return dhSpalt; }      // channel hydraulic diameter (2 x gap), m
    double getDhKanal() const { return dhKanal; }      // port diameter, m
    double getQuerKanal() const { return querKanal; }  // port cross-section, m2
    double getLaengeSpalt() const { return laengeSpalt; }  // flow length port to port, m
    // Wall between the media, m: one plate, two plates plus the air gap for
    // safety plates (getLuftspaltSicherheitsplatten).
    double getPlattenDickeGesamt(const Data& data, int material, int druckstufe) const;
    // The same without the air gap.
    double getPlattenDickeGesamtOhneLuft(int material, int druckstufe) const;
    double getPlattenDickeEinzeln(int material, int druckstufe) const;  // m
    double getPlattenGewicht(int material, int druckstufe) const;       // kg per plate
    int getSpalttypZulaessig(int material, int druckstufe, int spalttyp) const;
    int getTrevanberechnung() const { return trevanberechnung ? 1 : 0; }
    int getAlfaOptimierung() const { return alfaOptimierung ? 1 : 0; }
    int getEntleerungEntlueftung() const { return entleerungEntlueftung ? 1 : 0; }
    int getEndplatte() const { return endplatte; }

    const PlattenDaten* plattenDaten(int material, int druckstufe) const;

    std::string name;
    int reihenfolge = 0;
    int maxSpalte = 0;
    bool sicherheitsplatte = false;
    std::array<int, kAnzahlSpalttypen> wellenwinkel{};
    std::array<double, kAnzahlSpalttypen> flaeche{};
    std::array<double, kAnzahlSpalttypen> querSpalt{};
    std::array<double, kAnzahlSpalttypen> inhalt{};
    double dhSpalt = 0.0, dhKanal = 0.0, querKanal = 0.0, laengeSpalt = 0.0;
    bool trevanberechnung = false, alfaOptimierung = false, entleerungEntlueftung = false;
    int endplatte = 0;
    std::map<MaterialDruck, PlattenDaten> platten;
};
using PlattentypAListe = DataList<PlattentypA>;

// Frame data of one frame material / pressure stage / variant.
struct GestellDaten {
    double grundpreis = 0.0;
    double wegeAufschlag = 0.0;
    double grundgewicht = 0.0;                                            // kg
    int lieferzeit = 0;                                                   // weeks
    double hoehe = 0.0, breite = 0.0;                                     // mm
    double stutzenabstandHorizontal = 0.0, stutzenabstandVertikal = 0.0;  // mm
    std::map<int, double> preisZuschlag;                                  // by length class id
    std::map<int, double> gewichtZuschlag;                                // kg, by length class id
    std::map<int, int> lieferzeitZuschlag;  // weeks, by length class id
    std::map<int, double> laengeTotal;      // mm, by length class id
};

// Prices of a plate type; shared by the list prices (PlattentypU) and the
// customer prices (PlattentypC). A missing entry prices as 0 (no price).
class PlattentypPreise : public DataObject {
public:
    double getPlattenPreis(int material, int druckstufe) const;
    double getGestellGrundpreis(const Data& data, int gestell, int druckstufe, int variante) const;
    double getGestellPreisZuschlag(const Data& data, int gestell, int druckstufe, int variante,
                                   int laengenzuschlagId) const;
    double getWegeAufschlag(const Data& data, int gestell, int druckstufe, int variante) const;
    double getDichtungPreis(const Data& data, int dichtung) const;  // per plate gasket

    const GestellDaten* gestellDaten(int gestell, int druckstufe, int variante) const;

    std::map<MaterialDruck, double> plattenPreis;
    std::map<int, double> dichtungPreis;  // by gasket id
    std::map<GestellSchluessel, GestellDaten> gestelle;
};

class PlattentypU : public PlattentypPreise {
public:
    int getZulaessig() const { return zulaessig ? 1 : 0; }
    int getDichtungAktiv(const Data& data, int dichtung) const;
    // Largest free cross-section of the connections offered for this plate type, m2.
    double getQuerMaxStutzen(const Data& data) const;
    double getHoehe(const Data& data, int druckstufe, int variante) const;   // mm
    double getBreite(const Data& data, int druckstufe, int variante) const;  // mm
    double getLaengeTotal(const Data& data, int druckstufe, int variante,
                          int laengenzuschlagId) const;  // mm
    double getStutzenabstandHorizontal(const Data& data, int druckstufe, int variante) const;
    double getStutzenabstandVertikal(const Data& data, int druckstufe, int variante) const;
    double getGestellGrundgewicht(const Data& data, int gestell, int druckstufe,
                                  int variante) const;  // kg
    double getGestellGewichtZuschlag(const Data& data, int gestell, int druckstufe, int variante,
                                     int laengenzuschlagId) const;  // kg
    int getPlattenLieferzeit(int material, int druckstufe) const;   // weeks
    int getGestellLieferzeit(const Data& data, int gestell, int druckstufe, int variante,
                             int laengenzuschlagId) const;
    int getDichtungLieferzeit(const Data& data, int dichtung) const;
    int getWaermeisolierungLieferzeit(const Data& data, int laengenzuschlagId) const;
    int getSpritzschutzLieferzeit(const Data& data, int laengenzuschlagId) const;
    int getSonderlackierungLieferzeit(const Data& data) const;
    double getWaermeisolierungPreis(const Data& data, int laengenzuschlagId) const;
    double getSpritzschutzPreis(const Data& data, int laengenzuschlagId) const;
    double getSonderlackierungPreis(const Data& data) const;

    bool zulaessig = true;
    std::vector<int> dichtungen;  // gasket ids available for this plate type
    std::map<MaterialDruck, int> plattenLieferzeit;
    std::map<int, int> dichtungLieferzeit;                           // by gasket id
    std::map<int, double> waermeisolierungPreis, spritzschutzPreis;  // by length class id
    std::map<int, int> waermeisolierungLieferzeit, spritzschutzLieferzeit;
    double sonderlackierungPreis = 0.0;
    int sonderlackierungLieferzeit = 0;
};
using PlattentypUListe = DataList<PlattentypU>;

class PlattentypC : public PlattentypPreise {};

class PlattentypCListe : public DataList<PlattentypC> {
public:
    int getCustomPreisevorhanden() const { return getSize() > 0 ? 1 : 0; }
};

// ---------------------------------------------------------------- length classes

// Frame length class: packs of plate types `plattentypen` with at most
// `maxPlatten` plates.
class Laengenzuschlag : public DataObject {
public:
    const std::string& getName() const { return name; }
    std::string name;
    int plattentyp = 0;  // plate type id
    int maxPlatten = 0;
};

class LaengenzuschlagListe : public DataList<Laengenzuschlag> {
public:
    // The shortest class of the plate type that holds `platten` plates;
    // nullptr when the pack is longer than every class.
    const Laengenzuschlag* getLaengenzuschlag(const Data& data, const PlattentypU& typ,
                                              int platten) const;
};

// ---------------------------------------------------------------- global parameters

class GlobaleParameter {
public:
    double getMaxZulSpaltGeschw() const { return maxSpalt; }  // m/s
    double getMinZulSpaltGeschw() const { return minSpalt; }
    double getMaxZulSpaltGeschwGas() const { return maxSpaltGas; }
    double getMinZulSpaltGeschwGas() const { return minSpaltGas; }
    double getMaxEintrittsGeschw() const { return maxEintritt; }
    double getMaxEintrittsGeschwGas() const { return maxEintrittGas; }
    double getLuftspaltSicherheitsplatten() const { return luftspalt; }  // m
    double maxSpalt = 0, minSpalt = 0, maxSpaltGas = 0, minSpaltGas = 0;
    double maxEintritt = 0, maxEintrittGas = 0, luftspalt = 0;
};

// ---------------------------------------------------------------- root

class Data {
public:
    Data() = default;  // empty; tests fill the lists directly
    // Loads every list from `verzeichnis` (JSON files). Failures are kept in
    // getFehler(); lists of bad files stay empty.
    explicit Data(const std::string& verzeichnis);

    const PlattentypAListe& getPlattentypAListe() const { return plattentypA_; }
    const PlattentypUListe& getPlattentypUListe() const { return plattentypU_; }
    const PlattentypCListe& getPlattentypCListe() const { return plattentypC_; }
    const SpalttypListe& getSpalttypListe() const { return spalttypen_; }
    const StoffdatenListe& getStoffdatenListe() const { return stoffe_; }
    const EinheitenGruppeListe& getEinheitenGruppeListe() const { return einheiten_; }
    const DichtungAListe& getDichtungAListe() const { return dichtungen_; }
    const MaterialPlatteAListe& getMaterialPlatteAListe() const { return plattenmaterial_; }
    const MaterialGestellUListe& getMaterialGestellUListe() const { return gestellmaterial_; }
    const DruckstufeAListe& getDruckstufeAListe() const { return druckstufen_; }
    const AnschlussUListe& getAnschlussUListe() const { return anschluesse_; }
    const LaengenzuschlagListe& getLaengenzuschlagListe() const { return laengen_; }
    const GlobaleParameter& getGlobaleParameter() const { return global_; }

    PlattentypAListe& getPlattentypAListe() { return plattentypA_; }
    PlattentypUListe& getPlattentypUListe() { return plattentypU_; }
    PlattentypCListe& getPlattentypCListe() { return plattentypC_; }
    SpalttypListe& getSpalttypListe() { return spalttypen_; }
    StoffdatenListe& getStoffdatenListe() { return stoffe_; }
    EinheitenGruppeListe& getEinheitenGruppeListe() { return einheiten_; }
    DichtungAListe& getDichtungAListe() { return dichtungen_; }
    MaterialPlatteAListe& getMaterialPlatteAListe() { return plattenmaterial_; }
    MaterialGestellUListe& getMaterialGestellUListe() { return gestellmaterial_; }
    DruckstufeAListe& getDruckstufeAListe() { return druckstufen_; }
    AnschlussUListe& getAnschlussUListe() { return anschluesse_; }
    LaengenzuschlagListe& getLaengenzuschlagListe() { return laengen_; }
    GlobaleParameter& getGlobaleParameter() { return global_; }

    // Messages of the loader: "file: entry id: field: problem".
    const std::vector<std::string>& getFehler() const { return fehler_; }
    bool istGueltig() const { return fehler_.empty(); }

private:
    PlattentypAListe plattentypA_;
    PlattentypUListe plattentypU_;
    PlattentypCListe plattentypC_;
    SpalttypListe spalttypen_;
    StoffdatenListe stoffe_;
    EinheitenGruppeListe einheiten_;
    DichtungAListe dichtungen_;
    MaterialPlatteAListe plattenmaterial_;
    MaterialGestellUListe gestellmaterial_;
    DruckstufeAListe druckstufen_;
    AnschlussUListe anschluesse_;
    LaengenzuschlagListe laengen_;
    GlobaleParameter global_;
    std::vector<std::string> fehler_;
};

// Unit of group `gruppe` at list position `pos`; nullptr when absent.
const Einheit* einheitAn(const Data& data, int gruppe, int pos);
// Value in that unit to the group's base unit and back; unchanged when the
// unit is missing.
double inBasisEinheit(const Data& data, int gruppe, int pos, double wert);
double ausBasisEinheit(const Data& data, int gruppe, int pos, double basis);

// Position of the display unit of `gruppe` in unit system `system` (1 US,
// else SI); 0 when the group or its unit is missing.
int anzeigeEinheitPosition(const Data& data, int gruppe, int system);

// A temperature difference in temperature unit `pos`: kelvin divided by that
// unit's degree, without its offset (a difference has none); 1.8 times as
// many °F as K. The unit has no list of its own: named "K" where its degree
// is the kelvin's (°C), else by the unit itself ("°F").
double temperaturdifferenzAus(const Data& data, int pos, double kelvin);
std::string temperaturdifferenzName(const Data& data, int pos);
