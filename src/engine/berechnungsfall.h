// The calculation case, grouped by who writes what: the entries of the main
// dialog, the working values of validation, the state of the design search,
// the accepted pack and the fields of the completion dialog.
//
// Engine units: degC, m3/s, kg/s, kg/m3, kJ/(kg K), W/(m K), mPa s, m, m2,
// side duties in W (entered duty in kW), pressure losses in kPa (pressure
// unit 1), gas pressures in bar (pressure unit 4), fouling m2 K/W.
//
// Channel convention used throughout: a pack of n = 2f + 1 plates has f
// channels per side (spaltenGesamt = 2f for both sides), arranged in p
// passes of q channels each (f = q * p). Every per-side array and every
// `seite` parameter is indexed 0 warm (kWarm), 1 cold (kKalt).
#pragma once

#include <array>
#include <string>

#include "engine/konstanten.h"

namespace kal::engine {

// User-defined medium of one side (entered in its own dialog).
struct EigenesMediumDaten {
    std::string name;
    double viskositaet = 0.0;      // mPa s
    double viskositaetWand = 0.0;  // mPa s at wall temperature
    double dichte = 0.0;
    double waermekapazitaet = 0.0;
    double waermeleitfaehigkeit = 0.0;
    double alfaWert = 0.0;  // W/(m2 K); > 0.01 replaces the correlation
    bool gas = false;
};

struct Kondensatwerte {
    double viskositaet = 0.0;
    double waermeleitfaehigkeit = 0.0;
    double waermekapazitaet = 0.0;
    double dichte = 0.0;
};

// The entries of one side; the balance completes the missing ones.
struct Mediumseite {
    int medium = 0;  // fluid list index; == list size: user-defined medium
    double tEin = 0.0, tAus = 0.0;
    bool tEinVorgegeben = false, tAusVorgegeben = false;
    double durchsatzEingabe = 0.0;
    bool durchsatzVorgegeben = false;
    bool durchsatzIstMasse = false;
    double volumenstrom = 0.0;     // m3/s
    double massenstrom = 0.0;      // kg/s
    double druckverlustZul = 0.0;  // kPa
    double fouling = 0.0;
    double gasDruck = 0.0;  // bar
    bool istGas = false;
    bool kondensation = false;  // warm side only
    bool unterkuehlung = false;
    double unterkuehlungEingabe = 0.0;  // K, the subcooling as entered (0: none)
    bool eigenesMedium = false;
    double alfaWert = 0.0;
    EigenesMediumDaten eigenesMediumDaten;

    // Unit positions selected beside the fields (for write-back and display).
    int einheitTEin = 0, einheitTAus = 0;
    int einheitDurchsatz = 0;  // index within the mass flow or the volume flow group
    int einheitDruckverlust = 0, einheitFouling = 0, einheitGasDruck = 0;
};

// Working values of one side: properties at the side's mean temperature,
// velocity limits and the velocities of the plate type under evaluation.
struct Seitenwerte {
    std::string name;
    double dichte = 0.0, waermekapazitaet = 0.0, viskositaet = 0.0, waermeleitfaehigkeit = 0.0;
    double prandtl = 0.0;
    double kondensationsenthalpie = 0.0, dampfdruck = 0.0;
    int codeKondensat = -1;
    Kondensatwerte kondensat;

    double vSpaltMin = 0.0, vSpaltMax = 0.0, vStutzenMax = 0.0, vEintrittMax = 0.0;
    double vKanal = 0.0;    // port velocity of the plate type under evaluation
    double vStutzen = 0.0;  // nozzle velocity of the plate type under evaluation
};

struct SpalttypAnzahl {
    int spalttyp = -1;  // channel type index, -1 none
    int anzahl = 0;     // channels per pass
};

struct Falleingaben {
    int berechnungsart = 0;  // 0 auslegen, 1 nachrechnen
    double leistung = 0.0;   // kW
    bool leistungVorgegeben = false;
    int einheitLeistung = 0;
    double sicherheit = 0.0;
    Mediumseite warm, kalt;
    int materialPlatte = 0, dichtungWarm = 0, dichtungKalt = 0, gestell = 0;
    int gestellVariante = 0;
    int druckstufe = 0;
    int plattentypModus = 0, plattentyp = 0;
    int spaltenModus = 0, spalten = 0;
    int serienModus = 1, serien = 1;
    bool sicherheitsplatte = false;
    std::array<int, kAnzahlSpalttypen> spaltenJeSpalttyp{};
    // rating: the two (count, channel type) entry pairs as read; type -1 none
    std::array<SpalttypAnzahl, 2> nachrechnenPaare{};
    int einheitensystem = 0;  // 1 US, else SI
    bool masseInMm = true;
    int maxReihenfolge = 0;

    Mediumseite& seite(int s) { return s == kWarm ? warm : kalt; }
    const Mediumseite& seite(int s) const { return s == kWarm ? warm : kalt; }
};

struct Arbeitswerte {
    Seitenwerte warm, kalt;
    double leistungWarm = 0.0, leistungKalt = 0.0, leistungSoll = 0.0;  // W
    double deltaTm = 0.0;
    double tMittel = 0.0;
    double rLuftspalt = 0.0;

    Seitenwerte& seite(int s) { return s == kWarm ? warm : kalt; }
    const Seitenwerte& seite(int s) const { return s == kWarm ? warm : kalt; }
};

struct Preisteile {
    double preis = 0.0;    // kKeinPreis: no price
    double paket = 0.0;    // plates and gaskets, before rounding
    double gestell = 0.0;  // frame incl. length class and route surcharge
    double platten = 0.0;
    double dichtungen = 0.0;
    double gestellGrund = 0.0;
    double gestellZuschlag = 0.0;
    double wegeAufschlag = 0.0;
};

struct Suchzustand {
    bool ergebnisVorhanden = false;
    // A result was stored (priced) and shown; drives the enabling of
    // "Komplettieren", the print entries and the status "ergebnis".
    bool ergebnisAngezeigt = false;
    double bestPreis = kKeinPreis;
    double bestCustomPreis = kKeinPreis;
    Preisteile kandidat, kandidatCustom;
    int kandidatPlatten = 0;
    int kandidatSerienWarm = 0, kandidatSerienKalt = 0;
    double anzahlBerechnungen = 0.0;
    double qMaxEinseitig = 0.0, qMax = 0.0;
    bool aussichtslos = false;  // last evaluation failed on the warm-only bound
    int serienSeite[kAnzahlSeiten] = {1, 1};
    int spaltenJeSerieSeite[kAnzahlSeiten] = {0, 0};
    bool spalttypAktiv[kAnzahlSeiten][kAnzahlSpalttypen] = {};
    int spaltenJeTyp[kAnzahlSeiten][kAnzahlSpalttypen] = {};
    double vSpalt[kAnzahlSeiten][kAnzahlSpalttypen] = {};
    double druckverlustJeTyp[kAnzahlSeiten][kAnzahlSpalttypen] = {};
    double reJeTyp[kAnzahlSeiten][kAnzahlSpalttypen] = {};
    double durchsatzJeTyp[kAnzahlSeiten][kAnzahlSpalttypen] = {};  // m3/s per channel
    double vEintritt[kAnzahlSeiten] = {};
    std::array<int, kAnzahlErlaubteSpalten> erlaubteSpaltenJeSerie = baueErlaubteSpalten();

    // State at the start of every run.
    void zuruecksetzen() {
        bestPreis = kKeinPreis;
        bestCustomPreis = kKeinPreis;
        kandidat = Preisteile{};
        kandidatCustom = Preisteile{};
        kandidatPlatten = 0;
        ergebnisVorhanden = false;
        ergebnisAngezeigt = false;
        anzahlBerechnungen = 0.0;
        qMaxEinseitig = qMax = 0.0;
        aussichtslos = false;
    }

    // No channel type of side `s` active.
    void seiteLeeren(int s) {
        for (int i = 0; i < kAnzahlSpalttypen; ++i) {
            spalttypAktiv[s][i] = false;
            spaltenJeTyp[s][i] = 0;
        }
    }

    bool istErlaubteSpaltenzahl(int q) const;

    // 3..100 channels per pass one by one, then in steps widening from 2 to 9.
    static std::array<int, kAnzahlErlaubteSpalten> baueErlaubteSpalten() {
        std::array<int, kAnzahlErlaubteSpalten> t{};
        size_t i = 0;
        for (int v = 3; v <= 100; ++v) t[i++] = v;
        int v = 100;
        const int schritte[][2] = {{25, 2}, {17, 3}, {13, 4}, {10, 5},
                                   {8, 6},  {7, 7},  {7, 8},  {4, 9}};
        for (const auto& s : schritte)
            for (int k = 0; k < s[0]; ++k) t[i++] = (v += s[1]);
        return t;
    }
};

struct Berechnungsergebnis {
    int plattentyp = 0;
    std::string plattentypName;
    int serien = 0;
    int spaltenGesamt = 0;
    double flaeche = 0.0;
    double flaechenreserve = 0.0;
    double alfaWarm = 0.0, alfaKalt = 0.0;
    double druckverlustWarm = 0.0, druckverlustKalt = 0.0;
    double vSpaltMinWarm = 0.0, vSpaltMinKalt = 0.0, vSpaltMaxWarm = 0.0, vSpaltMaxKalt = 0.0;
    double vStutzenWarm = 0.0, vStutzenKalt = 0.0;
    double vEintrittWarm = 0.0, vEintrittKalt = 0.0;  // channel inlet
    double kRein = 0.0, kErf = 0.0, kEff = 0.0;
    double foulingSoll = 0.0, foulingIst = 0.0;
    double cmtd = 0.0, lmtd = 0.0;
    // channel types in use with their channels per pass, by type index: the
    // warm side mixes at most two; between two warm types lies a cold type
    // of its own, so the cold side may use more
    std::array<SpalttypAnzahl, 2> spalttypenWarm{};
    std::array<SpalttypAnzahl, kAnzahlSpalttypen> spalttypenKalt{};
    double inhaltWarm = 0.0, inhaltKalt = 0.0;  // litre
    double gewicht = 0.0;
    int lieferzeit = 0;
    double grundpreis = 0.0, customPreis = 0.0;
    Preisteile preisteile, customPreisteile;
    std::string preisCode;
    // frame dimensions in mm as the library gives them
    double hoehe = 0.0, breite = 0.0, laengeTotal = 0.0;
    double stutzenabstandHorizontal = 0.0, stutzenabstandVertikal = 0.0;
    double leistungWarm = 0.0;  // W, as shown in the duty field
    double tAusWarm = 0.0;      // warm outlet of the accepted pack
    // device choices re-read at acceptance
    int materialPlatte = 0, dichtungWarm = 0, dichtungKalt = 0, gestell = 0, gestellVariante = 0,
        druckstufe = 0;
};

struct Komplettierung {
    std::string geraetekennstring;
    bool sonderlackierung = false, waermeisolierung = false, spritzschutz = false;
    std::string ralNr;
    bool sonderanschluesse = false;
    std::string anschlussTextWarm, anschlussTextKalt;
    std::string belegungMediumWarm, belegungMediumKalt;          // nozzle paths, "F1 => F4"
    std::string belegungEntleerungWarm, belegungEntleerungKalt;  // drain and vent nozzles
    int entleerungVarianteWarm = 0, entleerungVarianteKalt = 0;  // 0 none, else n of "Entleerung_n"
    std::string entleerungTextWarm, entleerungTextKalt;
    std::string nennweiteTextWarm, nennweiteTextKalt;
};

struct Berechnungsfall {
    Falleingaben eingaben;      // read from the main dialog (acquisition), completed by the balance
    Arbeitswerte arbeitswerte;  // derived by validation and the property evaluation
    Suchzustand suche;          // state of the design search, reset at every run
    Berechnungsergebnis ergebnis;   // the accepted pack
    Komplettierung komplettierung;  // written only by the completion dialog

    // Reset of the result: result fields, rating channel counts and the
    // three pack-dependent completion selections.
    void ergebnisZuruecksetzen() {
        ergebnis = Berechnungsergebnis{};
        eingaben.spaltenJeSpalttyp.fill(0);
        komplettierung.sonderlackierung = komplettierung.waermeisolierung =
            komplettierung.spritzschutz = false;
        suche.ergebnisVorhanden = false;
        suche.ergebnisAngezeigt = false;
    }
};

}  // namespace kal::engine

// The case is what every dialog shares: the main dialog owns it, the
// completion and the specification read it and write their own fields.
namespace kal {
using engine::Arbeitswerte;
using engine::Berechnungsergebnis;
using engine::Berechnungsfall;
using engine::EigenesMediumDaten;
using engine::Falleingaben;
using engine::Komplettierung;
using engine::Kondensatwerte;
using engine::Mediumseite;
using engine::Preisteile;
using engine::Seitenwerte;
using engine::SpalttypAnzahl;
using engine::Suchzustand;
}  // namespace kal
