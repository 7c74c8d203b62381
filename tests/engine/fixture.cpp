#include "fixture.h"

#include <algorithm>
#include <cmath>

namespace testdaten {

using namespace kal::engine;

namespace {
Einheit einheit(int id, const char* name, double faktor, double offset = 0.0) {
    Einheit e;
    e.objectId = id;
    e.name = name;
    e.faktor = faktor;
    e.offset = offset;
    return e;
}
void gruppe(Data& d, int index, const char* name, std::vector<Einheit> einheiten, int us = -1) {
    EinheitenGruppe g;
    g.objectId = index;
    g.name = name;
    g.einheiten = std::move(einheiten);
    g.anzeigeSI = g.einheiten.front().objectId;
    g.anzeigeUS = us < 0 ? g.anzeigeSI : us;
    d.getEinheitenGruppeListe().hinzufuegen(g);
}

Stoffdaten fluid(int id, const char* name, std::vector<double> t, std::vector<double> rho,
                 std::vector<double> cp, std::vector<double> mu, std::vector<double> lambda) {
    Stoffdaten s;
    s.objectId = id;
    s.name = name;
    s.temperatur = std::move(t);
    s.dichte = std::move(rho);
    s.waermekapazitaet = std::move(cp);
    s.viskositaet = std::move(mu);
    s.waermeleitfaehigkeit = std::move(lambda);
    s.tMin = s.temperatur.front();
    s.tMax = s.temperatur.back();
    return s;
}

SpalttypKorrelation tabelle(double scale) {
    SpalttypKorrelation k;
    // Nusselt: C Re^m by range (Re bounds descending), Pr factor/exponent at 5
    k.alphaReGrenze = {2000, 500, 100, 20, 0, 0.14};
    k.alphaFaktor = {0.20 * scale, 0.24 * scale, 0.32 * scale, 0.55 * scale, 0.9 * scale, 1.0};
    k.alphaExp = {0.68, 0.65, 0.60, 0.50, 0.40, 0.4};
    // friction: zeta = C Re^m
    k.druckReGrenze = {2000, 500, 100, 20, 0.17, 0};
    k.druckFaktor = {2.2 * scale, 3.0 * scale, 5.5 * scale, 18 * scale, 60 * scale, 1.0};
    k.druckExp = {-0.18, -0.22, -0.32, -0.6, -1.0, 0};
    return k;
}
}  // namespace

Data baueDaten() {
    Data d;
    gruppe(d, 0, "Volumenstrom",
           {einheit(1, "m3/s", 1), einheit(2, "m3/h", 1 / 3600.0), einheit(3, "l/s", 0.001)});
    gruppe(d, 1, "Temperatur",
           {einheit(11, "K", 1), einheit(12, "°C", 1, 273.15),
            einheit(13, "°F", 5.0 / 9.0, 273.15 - 32 * 5.0 / 9.0)},
           13);
    gruppe(d, 2, "Druck",
           {einheit(21, "Pa", 1), einheit(22, "kPa", 1000), einheit(23, "mbar", 100),
            einheit(24, "psi", 6894.757), einheit(25, "bar", 1e5)});
    gruppe(d, 3, "Leistung", {einheit(31, "W", 1), einheit(32, "kW", 1000), einheit(33, "MW", 1e6)},
           32);
    gruppe(d, 4, "Fläche", {einheit(41, "m²", 1), einheit(42, "ft²", 0.09290304)}, 42);
    gruppe(d, 5, "k", {einheit(51, "W/m²K", 1), einheit(52, "BTU/ft²hF", 5.678263)}, 52);
    gruppe(d, 6, "Gewicht", {einheit(61, "kg", 1), einheit(62, "lb", 0.45359237)}, 62);
    gruppe(d, 7, "Volumen",
           {einheit(71, "m³", 1), einheit(72, "dm³", 0.001), einheit(73, "l", 0.001)});
    gruppe(d, 8, "Länge", {einheit(81, "m", 1)});
    gruppe(d, 9, "Viskosität", {einheit(91, "Pa s", 1), einheit(92, "mPa s", 0.001)});
    gruppe(d, 10, "Dichte", {einheit(101, "kg/m³", 1)});
    gruppe(d, 11, "cp", {einheit(111, "kJ/kgK", 1)});
    gruppe(d, 12, "lambda", {einheit(121, "W/mK", 1)});
    gruppe(
        d, 13, "Massenstrom",
        {einheit(131, "kg/s", 1), einheit(132, "kg/h", 1 / 3600.0), einheit(133, "t/h", 1 / 3.6)});
    gruppe(d, 14, "Fouling", {einheit(141, "m²K/W", 1)});
    gruppe(d, 15, "Geschwindigkeit", {einheit(151, "m/s", 1), einheit(152, "ft/s", 0.3048)}, 152);
    gruppe(d, 16, "Enthalpie", {einheit(161, "kJ/kg", 1)});

    // water: IAPWS values at 0..200 degC (saturated liquid)
    std::vector<double> t = {0, 20, 40, 60, 80, 100, 150, 200};
    auto& stoffe = d.getStoffdatenListe();
    stoffe.hinzufuegen(fluid(1, "Water", t,
                             {999.8, 998.2, 992.2, 983.2, 971.8, 958.4, 917.0, 864.7},
                             {4.217, 4.182, 4.179, 4.185, 4.197, 4.216, 4.310, 4.497},
                             {1.792, 1.002, 0.653, 0.467, 0.355, 0.282, 0.183, 0.134},
                             {0.561, 0.598, 0.631, 0.654, 0.670, 0.679, 0.684, 0.665}));
    // 34 % ethylene glycol
    stoffe.hinzufuegen(
        fluid(2, "Ethylene glycol 34%", {-20, 0, 20, 40, 60, 80, 100},
              {1060, 1055, 1046, 1036, 1024, 1011, 997}, {3.45, 3.53, 3.60, 3.67, 3.74, 3.81, 3.88},
              {12.0, 5.2, 2.7, 1.6, 1.08, 0.78, 0.60}, {0.43, 0.45, 0.47, 0.49, 0.50, 0.51, 0.52}));
    // saturated steam: vapour density, vapour cp/visc/lambda, r, p_sat (bar)
    Stoffdaten dampf =
        fluid(3, "Steam", {100, 120, 140, 160, 180}, {0.598, 1.122, 1.967, 3.260, 5.160},
              {2.08, 2.18, 2.32, 2.50, 2.72}, {0.0123, 0.0129, 0.0136, 0.0142, 0.0149},
              {0.0251, 0.0272, 0.0294, 0.0317, 0.0346});
    dampf.kondensation = true;
    dampf.codeKondensat = 0;
    dampf.kondensationsenthalpie = {2257, 2202, 2145, 2082, 2015};
    dampf.dampfdruck = {1.0133, 1.9867, 3.6154, 6.1823, 10.0280};
    dampf.kaltZulaessig = false;
    stoffe.hinzufuegen(dampf);
    // dry air at the reference pressure of 1 bar
    Stoffdaten luft =
        fluid(4, "Dry Air", {-20, 0, 50, 100, 200, 300}, {1.376, 1.275, 1.078, 0.933, 0.736, 0.608},
              {1.006, 1.006, 1.007, 1.012, 1.026, 1.045},
              {0.0163, 0.0172, 0.0196, 0.0218, 0.0258, 0.0293},
              {0.0226, 0.0243, 0.0280, 0.0314, 0.0386, 0.0454});
    luft.gas = true;
    luft.bezugsdruck = 1.0;
    stoffe.hinzufuegen(luft);

    // nine channel types: hard (H), mixed (M), soft (L) per wave angle pair
    const char* namen[9] = {"LL", "HH", "MM", "HL", "HM", "LM", "L", "H", "M"};
    const double skala[9] = {0.75, 1.0, 0.9, 0.95, 0.97, 0.82, 0.7, 1.05, 0.88};
    for (int i = 0; i < 9; ++i) {
        Spalttyp s;
        s.objectId = 100 + i;
        s.name = namen[i];
        for (int j = 0; j < 9; ++j) s.zweiteSeite[static_cast<size_t>(j)] = j;
        s.tabellen[30] = tabelle(skala[i] * 0.8);
        s.tabellen[60] = tabelle(skala[i]);
        d.getSpalttypListe().hinzufuegen(s);
    }

    auto& mat = d.getMaterialPlatteAListe();
    MaterialPlatteA ss;
    ss.objectId = 1, ss.name = "1.4401", ss.code = "SS", ss.lambda = 15.0;
    mat.hinzufuegen(ss);
    MaterialPlatteA ti;
    ti.objectId = 2, ti.name = "Titan", ti.code = "TI", ti.lambda = 21.9;
    mat.hinzufuegen(ti);
    auto& dl = d.getDichtungAListe();
    DichtungA nbr;
    nbr.objectId = 1, nbr.name = "NBR", nbr.code = "N", nbr.maxTemp = 110;
    dl.hinzufuegen(nbr);
    DichtungA epdm;
    epdm.objectId = 2, epdm.name = "EPDM", epdm.code = "E", epdm.maxTemp = 185;
    dl.hinzufuegen(epdm);
    MaterialGestellU g;
    g.objectId = 1, g.name = "C-Stahl";
    d.getMaterialGestellUListe().hinzufuegen(g);
    DruckstufeA p10, p16;
    p10.objectId = 1, p10.druck = 10;
    p16.objectId = 2, p16.druck = 16;
    d.getDruckstufeAListe().hinzufuegen(p10);
    d.getDruckstufeAListe().hinzufuegen(p16);

    struct Typ {
        int id;
        const char* name;
        int reihenfolge, maxSpalte;
        double flaeche, breite, laenge, dhKanal, platte, gestell, gewicht;
    };
    const Typ typen[3] = {{10, "KV10", 1, 80, 0.15, 0.20, 0.55, 0.065, 14.0, 2400, 1.3},
                          {20, "KV20", 2, 200, 0.42, 0.36, 0.95, 0.10, 26.0, 4900, 3.1},
                          {30, "KV40", 3, 350, 0.95, 0.55, 1.45, 0.15, 48.0, 9800, 6.8}};
    for (const Typ& ty : typen) {
        PlattentypA a;
        a.objectId = ty.id;
        a.name = ty.name;
        a.reihenfolge = ty.reihenfolge;
        a.maxSpalte = ty.maxSpalte;
        for (int i = 0; i < 9; ++i) {
            a.wellenwinkel[static_cast<size_t>(i)] = (i % 2 == 0) ? 30 : 60;
            a.flaeche[static_cast<size_t>(i)] = ty.flaeche;
            a.querSpalt[static_cast<size_t>(i)] = ty.breite * 0.003;                    // 3 mm gap
            a.inhalt[static_cast<size_t>(i)] = ty.breite * 0.003 * ty.laenge * 1000.0;  // litre
        }
        a.dhSpalt = 0.006;
        a.dhKanal = ty.dhKanal;
        a.querKanal = M_PI / 4 * ty.dhKanal * ty.dhKanal;
        a.laengeSpalt = ty.laenge;
        for (int m = 1; m <= 2; ++m)
            for (int ds = 1; ds <= 2; ++ds) {
                PlattenDaten pd;
                pd.dicke = ds == 1 ? 0.0006 : 0.0008;
                pd.gewicht = ty.gewicht;
                pd.spalttypZulaessig.fill(1);
                a.platten[{m, ds}] = pd;
            }
        d.getPlattentypAListe().hinzufuegen(a);

        auto preise = [&](PlattentypPreise& p, double faktor) {
            p.objectId = ty.id;
            for (int m = 1; m <= 2; ++m)
                for (int ds = 1; ds <= 2; ++ds)
                    p.plattenPreis[{m, ds}] =
                        ty.platte * faktor * (m == 2 ? 2.6 : 1.0) * (ds == 2 ? 1.15 : 1.0);
            p.dichtungPreis = {{1, 3.5 * faktor}, {2, 4.8 * faktor}};
            for (int ds = 1; ds <= 2; ++ds)
                for (int var = 0; var <= 1; ++var) {
                    GestellDaten gd;
                    gd.grundpreis = ty.gestell * faktor * (ds == 2 ? 1.2 : 1.0);
                    gd.wegeAufschlag = 0.18 * ty.gestell * faktor;
                    gd.grundgewicht = ty.gestell / 8.0;
                    gd.lieferzeit = 4;
                    gd.hoehe = ty.laenge * 1000 + 400;
                    gd.breite = ty.breite * 1000 + 200;
                    gd.stutzenabstandHorizontal = ty.breite * 1000 - 60;
                    gd.stutzenabstandVertikal = ty.laenge * 1000;
                    for (int lz = 1; lz <= 3; ++lz) {
                        const int lid = ty.id * 10 + lz;
                        gd.preisZuschlag[lid] = (lz - 1) * 0.25 * ty.gestell * faktor;
                        gd.gewichtZuschlag[lid] = (lz - 1) * 40.0;
                        gd.lieferzeitZuschlag[lid] = lz - 1;
                        gd.laengeTotal[lid] = 600.0 * lz + 400;
                    }
                    p.gestelle[{1, ds, var}] = gd;
                }
        };
        PlattentypU u;
        preise(u, 1.0);
        u.dichtungen = {1, 2};
        u.plattenLieferzeit = {{{1, 1}, 3}, {{1, 2}, 3}, {{2, 1}, 8}, {{2, 2}, 8}};
        u.dichtungLieferzeit = {{1, 2}, {2, 3}};
        d.getPlattentypUListe().hinzufuegen(u);
        if (ty.id != 30) {
            PlattentypC c;
            preise(c, 0.85);
            d.getPlattentypCListe().hinzufuegen(c);
        }
        for (int lz = 1; lz <= 3; ++lz) {
            Laengenzuschlag l;
            l.objectId = ty.id * 10 + lz;
            l.name = std::string(ty.name) + "-L" + std::to_string(lz);
            l.plattentyp = ty.id;
            l.maxPlatten = (2 * ty.maxSpalte + 1) * lz / 3 + 1;
            d.getLaengenzuschlagListe().hinzufuegen(l);
        }
        AnschlussU an;
        an.objectId = ty.id + 1;
        an.art = "Flansch";
        an.nomDurchmesser = "DN";
        an.plattentypen = {ty.id};
        an.druckstufen = {1, 2};
        an.freierQuerschnitt = M_PI / 4 * ty.dhKanal * ty.dhKanal;
        d.getAnschlussUListe().hinzufuegen(an);
    }
    GlobaleParameter& gp = d.getGlobaleParameter();
    gp.maxSpalt = 3.0;
    gp.minSpalt = 0.05;
    gp.maxSpaltGas = 40.0;
    gp.minSpaltGas = 1.0;
    gp.maxEintritt = 6.0;
    gp.maxEintrittGas = 60.0;
    gp.luftspalt = 0.0005;
    return d;
}

Falleingaben falleingaben(const Data& d, const Eingaben& e) {
    Falleingaben f;
    f.berechnungsart = e.berechnungsart;
    f.materialPlatte = e.material;
    f.dichtungWarm = e.dichtungWarm;
    f.dichtungKalt = e.dichtungKalt;
    f.plattentyp = e.plattentyp;
    f.gestell = 1;
    f.druckstufe = e.druckstufe;
    f.plattentypModus = e.plattentypModus;
    f.spaltenModus = e.spaltenModus;
    f.serienModus = e.serienModus;
    f.spalten = e.spalten;
    f.serien = e.serien;
    f.nachrechnenPaare = {e.paar1, e.paar2};
    for (const SpalttypAnzahl& p : f.nachrechnenPaare)
        if (p.spalttyp >= 0) f.spaltenJeSpalttyp[static_cast<size_t>(p.spalttyp)] = p.anzahl;
    f.leistung = e.leistung.value_or(0.0);
    f.leistungVorgegeben = e.leistung.has_value();
    f.einheitLeistung = einheitengruppe::LeistungKW;
    f.sicherheit = e.sicherheit;
    struct Seite {
        int medium;
        std::optional<double> tEin, tAus, durchsatz;
        double dp, fouling, gas;
    };
    const Seite seiten[] = {
        {e.mediumWarm, e.tEinWarm, e.tAusWarm, e.durchsatzWarm, e.dpWarm, e.foulingWarm, e.gasWarm},
        {e.mediumKalt, e.tEinKalt, e.tAusKalt, e.durchsatzKalt, e.dpKalt, e.foulingKalt,
         e.gasKalt}};
    for (int i = 0; i < kAnzahlSeiten; ++i) {
        const Seite& s = seiten[i];
        Mediumseite& m = f.seite(i);
        m.medium = s.medium;
        if (const Stoffdaten* st = d.getStoffdatenListe().internalGetAt(s.medium)) {
            m.istGas = st->IsGas() != 0;
            m.kondensation = i == kWarm && st->IsKondensation() != 0;
        }
        m.tEin = s.tEin.value_or(0.0), m.tEinVorgegeben = s.tEin.has_value();
        m.tAus = s.tAus.value_or(0.0), m.tAusVorgegeben = s.tAus.has_value();
        if (m.kondensation) {
            // the outlet follows the inlet, less the subcooling
            m.tAus = std::min(s.tAus.value_or(m.tEin), m.tEin);
            m.tAusVorgegeben = m.tEinVorgegeben;
            m.unterkuehlung = m.tAus < m.tEin;
            m.unterkuehlungEingabe = m.unterkuehlung ? m.tEin - m.tAus : 0.0;
        }
        m.einheitTEin = m.einheitTAus = einheitengruppe::TemperaturGradC;
        m.durchsatzIstMasse = true;  // kg/s
        m.durchsatzVorgegeben = s.durchsatz.has_value();
        m.durchsatzEingabe = m.massenstrom = s.durchsatz.value_or(0.0);
        m.druckverlustZul = s.dp;
        m.einheitDruckverlust = einheitengruppe::DruckKPa;
        m.fouling = s.fouling;
        m.gasDruck = s.gas;
        m.einheitGasDruck = einheitengruppe::DruckBar;
    }
    return f;
}

}  // namespace testdaten
