// The thermal engine: acquisition, validation and balance, fluid properties,
// heat transfer, hydraulics, prices, configuration evaluation and the
// design/rating driver. Every message goes through the message port.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "berechnungsfall.h"
#include "data.h"
#include "form.h"
#include "ini.h"
#include "inputhelper.h"
#include "ports.h"
#include "spalttypen_zulaessig.h"

// Main dialog control ids the engine reads and writes.
namespace ctl {
enum : int {
    MaterialPlatte = 1003,
    DichtungWarm = 1346,
    DichtungKalt = 1380,
    Plattentyp = 1009,
    Gestell = 1005,
    GestellVariante = 1007,
    Druckstufe = 1006,
    PlattentypModus = 1015,
    SpaltenModus = 1008,
    SerienModus = 1040,
    MediumWarm = 1364,
    MediumKalt = 1365,
    Spalten = 1271,
    Serien = 1041,
    Anzahl1 = 1302,
    Spalttyp1 = 1366,
    Anzahl2 = 1335,
    Spalttyp2 = 1367,
    TEinWarm = 1188,
    EinheitTEinWarm = 1313,
    TAusWarm = 1278,
    EinheitTAusWarm = 1314,
    DurchsatzWarm = 1035,
    EinheitDurchsatzWarm = 1423,
    DruckverlustWarm = 1037,
    EinheitDruckverlustWarm = 1137,
    FoulingWarm = 1039,
    EinheitFoulingWarm = 1142,
    GasDruckWarm = 1045,
    EinheitGasDruckWarm = 1143,
    TEinKalt = 1277,
    EinheitTEinKalt = 1368,
    TAusKalt = 1279,
    EinheitTAusKalt = 1371,
    DurchsatzKalt = 1059,
    EinheitDurchsatzKalt = 1424,
    DruckverlustKalt = 1057,
    EinheitDruckverlustKalt = 1127,
    FoulingKalt = 1061,
    EinheitFoulingKalt = 1128,
    GasDruckKalt = 1062,
    EinheitGasDruckKalt = 1129,
    Leistung = 1018,
    EinheitLeistung = 1123,
    Sicherheit = 1029,
    // result display
    ErgLeistung = 1177,
    ErgSicherheit = 1090,
    ErgTEinWarm = 1032,
    ErgTEinKalt = 1054,
    ErgTAusWarm = 1034,
    ErgTAusKalt = 1056,
    ErgDurchsatzWarm = 1036,
    ErgDurchsatzKalt = 1060,
    ErgDruckverlustWarm = 1038,
    ErgDruckverlustKalt = 1058,
    AlfaWarm = 1044,
    AlfaKalt = 1066,
    VMinWarm = 1046,
    VMinKalt = 1068,
    VMaxWarm = 1047,
    VMaxKalt = 1069,
    VStutzenWarm = 1048,
    VStutzenKalt = 1070,
    KRein = 1091,
    KErf = 1092,
    KEff = 1093,
    FoulingSoll = 1089,
    FoulingIst = 1088,
    Cmtd = 1096,
    Flaeche = 1086,
    Gewicht = 1087,
    Lieferzeit = 1241,
    Preis = 1097,
    CustomPreis = 1098,
    Hoehe = 1114,
    Breite = 1115,
    LaengeTotal = 1116,
    StutzenHorizontal = 1187,
    StutzenVertikal = 1189,
    ErgPlattentyp = 1084,
    ErgSpalten = 1085,
    ErgSerien = 1042,
    Statuszeile = 1135
};
}  // namespace ctl

// What the engine needs from its surroundings, for one main dialog.
struct Rechenkontext {
    const Data& data;
    const CIniEx& sprache;        // language file (message texts)
    const CIniEx& einstellungen;  // settings file ("Daten"/"Ral-Nr")
    kal::MessagePort* meldungen = nullptr;
    kal::WaitCursorPort* warteCursor = nullptr;
    bool werksmodus = false;
    const CSpalttypenZulaessig* zulaessig = nullptr;  // null: library defaults
    kal::EntrySource& felder;
    // Object ids of the released plate types in the main dialog's order;
    // empty: every PlattentypU with getZulaessig, in list order.
    std::vector<int> freigegebenePlattentypen;
};

// Fluid properties of one side at one temperature (stoffwerte).
struct Stoffwerte {
    bool eigenesMedium = false;
    std::string name;
    double viskositaet = 0.0, dichte = 0.0, waermekapazitaet = 0.0, waermeleitfaehigkeit = 0.0;
    double kondensationsenthalpie = 0.0, dampfdruck = 0.0, alfaWert = 0.0;
    int codeKondensat = -1;
};

// First bad entry of the acquisition.
struct Eingabefehler {
    int control = 0;
    int code = 0;  // 1 empty, 2 not a number, 3 out of range, 0 other (message key)
    std::string key;
};

struct Spalttabellen {
    const SpalttypKorrelation* k = nullptr;  // never null after caching
};

// What the search loops need of one plate type, looked up once.
struct PlattenCache {
    bool gueltig = false;
    int id = 0;
    const PlattentypA* a = nullptr;
    const PlattentypU* u = nullptr;
    const PlattentypC* c = nullptr;
    std::string name;
    std::array<const SpalttypKorrelation*, 9> korr{};
    std::array<double, 9> flaeche{}, querSpalt{}, inhalt{};
    std::array<int, 9> zweiteSeite[9]{};
    std::array<int, 9> weitermischenNichtOk[9]{};
    std::array<int, 9> zulaessig{}, standard{};
    double dhSpalt = 0, dhKanal = 0, querKanal = 0, laengeSpalt = 0, querMaxStutzen = 0;
    double dickeGesamt = 0, dickeOhneLuft = 0, lambda = 0;
    bool trevan = false, alfaOpt = false;
    bool dichtungenAktiv = false;
    // price data (list and customer)
    struct Preisdaten {
        bool vorhanden = false;
        double plattenPreis = 0, dichtungWarm = 0, dichtungKalt = 0, grundpreis = 0, wege = 0;
    } listen, kunden;
    struct Laengenklasse {
        int maxPlatten = 0, id = 0;
        double zuschlagListe = 0, zuschlagKunde = 0;
    };
    std::vector<Laengenklasse> laengen;  // ascending maxPlatten
};

class Rechenkern {
public:
    explicit Rechenkern(Rechenkontext& kontext);

    // "Berechnen": the whole calculation. Returns whether a result is shown
    // (drives "Komplettieren" and the print entries).
    bool berechnen(Berechnungsfall& fall);
    bool fuehreBerechnungAus(Berechnungsfall& fall);

    // acquisition
    bool eingabenLesen(Berechnungsfall& fall);
    const Eingabefehler& letzterEingabefehler() const { return eingabefehler_; }

    // validation and balance
    bool pruefeKombination(Berechnungsfall& fall);
    bool pruefeEingaben(Berechnungsfall& fall);
    bool bilanzErgaenzen(Berechnungsfall& fall);
    bool fehlendeTemperatur(Berechnungsfall& fall, int seite, double q, double tBekannt,
                            int richtung, double& t);

    // fluid properties
    bool stoffwerte(const Berechnungsfall& fall, int seite, int mediumIndex, double t, double p,
                    Stoffwerte& aus, bool temperaturPruefungAus, bool nurWandviskositaet);

    // heat transfer
    double mittlereTemperaturdifferenz(double tEinWarm, double tAusWarm, double tEinKalt,
                                       double tAusKalt, bool kondensationsVariante);
    double serienKorrektur(int serienWarm, int serienKalt);
    double flaecheJeSerie(const Berechnungsfall& fall, const PlattenCache& pc, int seite) const;
    double wandtemperatur(const Berechnungsfall& fall, const PlattenCache& pc, int seite,
                          int serien) const;
    double alfaSpalttyp(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                        double re, double pr, double tWand, double muWand, double v) const;
    double alfaSeite(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                     double tWand, double muWand) const;

    // hydraulics
    void geschwindigkeitsgrenzen(Berechnungsfall& fall) const;
    double eintrittsgeschwindigkeit(const PlattenCache& pc, double v, int f, int p) const;
    // Pressure drop of one channel (kPa); false on invalid geometry/state.
    bool spaltDruckverlust(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                           double vKanalDurchsatz, double muWand, double& dp, double& re,
                           double& v) const;
    bool verteileDurchsatz(Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                           double muWand, double& dpMittel);

    // price, weight, delivery time
    double listenpreis(const Berechnungsfall& fall, const PlattenCache& pc, int n, int serienWarm,
                       int serienKalt, Preisteile* teile = nullptr) const;
    double customPreis(const Berechnungsfall& fall, const PlattenCache& pc, int n, int serienWarm,
                       int serienKalt, Preisteile* teile = nullptr) const;
    bool preisPruefen(Berechnungsfall& fall, const PlattenCache& pc, int f, int serienWarm,
                      int serienKalt);
    double gewicht(const Berechnungsfall& fall, const PlattenCache& pc, int n) const;
    int lieferzeit(const Berechnungsfall& fall, const PlattenCache& pc, int n) const;
    double inhalt(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int serien) const;
    std::string preisCode(const Berechnungsfall& fall, const std::string& name, int n) const;

    // configuration evaluation
    bool pruefePaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    bool bewerteKonfiguration(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                              bool& fatal);
    bool nachrechnenPaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    void spalttypenZweiteSeite(Berechnungsfall& fall, const PlattenCache& pc, int serien) const;
    bool eingrenzenSpalten(Berechnungsfall& fall, const PlattenCache& pc, int& lo, int& hi);

    // Fills `pc` for a plate type id; false when the plate type is unusable.
    bool cacheAufbauen(const Berechnungsfall& fall, int plattentypId, PlattenCache& pc) const;

    int istStandard(const Berechnungsfall& fall, int plattentyp, int typ) const;
    int istZulaessig(const Berechnungsfall& fall, int plattentyp, int typ) const;

    // Display of the stored result (after an acceptance).
    void ergebnisAnzeigenWennGueltig(Berechnungsfall& fall);

    // Messages: text of section "error" + key, caption section "error" key
    // "error" (warnings: section "warning" key "warning").
    void meldeFehler(const char* key);
    void meldeWarnung(const char* key);
    void meldeText(const std::string& text, const std::string& key);

private:
    bool leseDouble(int id, double& wert, bool leerErlaubt, double min, double max, bool* leer);
    bool leseInteger(int id, int& wert, bool leerErlaubt, int min, int max, bool* leer);
    bool seiteStoffwerte(Berechnungsfall& fall, int seite, double t);
    void zurueckschreiben(Berechnungsfall& fall, int id, double wertAnzeige);
    double temperaturAnzeige(double tC, int einheitPos) const;
    bool fehlendeFlussBerechnen(Berechnungsfall& fall, int seite, double q);
    bool kondensationReserve(Berechnungsfall& fall, const PlattenCache& pc, int p, double aPass,
                             double k, double dpWarm, double& reserve, double& tAusNeu);
    void ergebnisSpeichern(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                           double aPass, double k, double kRein, double alfaW, double alfaK,
                           double dpW, double dpK, bool kondensiert, double tAusNeu);

    Rechenkontext& k_;
    kal::InputHelper eingabe_;
    Eingabefehler eingabefehler_;
    double druck1ZuDruck4_ = 0.001;   // kPa -> bar factor (pressure units 1 -> 4)
    bool leiseKondensation_ = false;  // suppress repeated messages during a search
    std::vector<std::string> gezeigteSuchmeldungen_;
    PlattenCache cache_;
};

// Display of a stored result into the result controls (display units of
// the unit system, dimensions in mm or inch). Pure: reads only its inputs.
void ergebnisAnzeigen(const Data& data, const CIniEx& sprache, const Berechnungsfall& fall,
                      kal::EntrySource& felder);
// The result controls emptied (result reset of the main dialog).
void ergebnisAnzeigeLeeren(kal::EntrySource& felder, int berechnungsart);
// Status line text: one floating %-conversion receives the count; any other
// conversion makes the text show as it is.
std::string statusText(const std::string& format, double anzahl);
