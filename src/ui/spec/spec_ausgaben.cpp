#include "ui/spec/spec_ausgaben.h"

#include "datalib/format.h"
#include "ids/dialog_ids.h"

namespace kal::spez {

using namespace sp;

namespace {
constexpr const char* kZeilenende = "\r\n";

// Millimetres to inch, as the frame drawings give them.
constexpr double kZollJeMm = 0.03937162880428363;

// The lines of a text; a line break inside a value (a field filled from a
// project file) becomes a blank, so every value keeps its line.
class Zeilen {
public:
    void operator()(const std::string& z) { text_ += einzeilig(z) + kZeilenende; }
    void leer(int n = 1) {
        for (int i = 0; i < n; ++i) text_ += kZeilenende;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Joins warm and cold gasket: one name when they are equal or the cold one
// is missing.
std::string dichtungen(const Form& f) {
    const std::string w = f.text(DichtungWarm), k = f.text(DichtungKalt);
    return (!k.empty() && k != w) ? w + " / " + k : w;
}
}  // namespace

std::pair<std::string, std::string> anschlussTeilen(const std::string& text) {
    size_t erstes = text.find(',');
    size_t zweites = erstes == std::string::npos ? erstes : text.find(',', erstes + 1);
    size_t teilung = 0;
    if (zweites != std::string::npos) {
        teilung = zweites + 1;
    }
    // the blank after the split point stays with the first part
    if (teilung < text.size() && text[teilung] == ' ') ++teilung;
    return {text.substr(0, teilung), text.substr(teilung)};
}

std::string masseText(const Berechnungsfall& fall) {
    // the frame the pack was priced with: its length class holds all its plates
    const Berechnungsergebnis& r = fall.ergebnis;
    if (fall.eingaben.masseInMm)
        return formatiere(" %.2f x %.2f x %.2f [mm]", r.laengeTotal, r.breite, r.hoehe);
    return " " + zollText(r.laengeTotal * kZollJeMm) + " x " + zollText(r.breite * kZollJeMm) +
           " x " + zollText(r.hoehe * kZollJeMm) + " [inch]";
}

std::string tabellenText(const Form& f, const Ausgabekontext& k) {
    const Falleingaben& e = k.fall.eingaben;
    const Komplettierung& kp = k.fall.komplettierung;
    const bool kond = e.warm.kondensation;
    auto t = [&](int id) { return f.text(id); };
    auto nurWenn = [](bool ja, const std::string& s) { return ja ? s : std::string(); };
    Zeilen z;
    for (int id : {Sachbearbeiter, Projekt, Position, Durchwahl}) z(t(id));
    z(k.version);
    z(k.fall.ergebnis.preisCode);
    z(t(MediumWarm));
    z(t(MediumKalt));
    const bool bemerkt = !t(BemerkungWarm).empty() || !t(BemerkungKalt).empty();
    z(nurWenn(bemerkt, t(BemerkungWarm)));
    z(nurWenn(bemerkt, t(BemerkungKalt)));
    z(nurWenn(kond, k.sprache.GetValue("spezifikation", "dampf", "")));
    z(nurWenn(kond, k.sprache.GetValue("spezifikation", "kondensat", "")));
    for (int id :
         {EinheitMassenstromWarm, EinheitMassenstromKalt, MassenstromWarm, MassenstromKalt,
          EinheitVolumenstromWarm, EinheitVolumenstromKalt, VolumenstromWarm, VolumenstromKalt,
          EinheitTEinWarm, EinheitTEinKalt, TEinWarm, TEinKalt, EinheitTAusWarm, EinheitTAusKalt})
        z(t(id));
    z(nurWenn(!kond, t(TAusWarm)));
    z(nurWenn(kond, t(TAusWarm)));
    z(t(TAusKalt));
    // property rows: units, warm, the condensate's value, cold
    const int stoffe[4][5] = {
        {EinheitViskositaetWarm, EinheitViskositaetKalt, ViskositaetWarm, KondensatViskositaet,
         ViskositaetKalt},
        {EinheitDichteWarm, EinheitDichteKalt, DichteWarm, KondensatDichte, DichteKalt},
        {EinheitCpWarm, EinheitCpKalt, CpWarm, KondensatCp, CpKalt},
        {EinheitLambdaWarm, EinheitLambdaKalt, LambdaWarm, KondensatLambda, LambdaKalt}};
    for (const auto& s : stoffe) {
        z(t(s[0]));
        z(t(s[1]));
        z(t(s[2]));
        z(nurWenn(kond, t(s[3])));
        z(t(s[4]));
    }
    for (int id : {EinheitKondensationsenthalpie, Kondensationsenthalpie, EinheitDruck, Dampfdruck})
        z(nurWenn(kond, t(id)));
    const bool gasWarm = e.warm.istGas && !kond, gasKalt = e.kalt.istGas;
    z(nurWenn(gasWarm, t(EinheitGasDruckWarm)));
    z(nurWenn(gasWarm, t(GasDruckWarm)));
    z(nurWenn(gasKalt, t(EinheitGasDruckKalt)));
    z(nurWenn(gasKalt, t(GasDruckKalt)));
    for (int id : {EinheitLeistung, Leistung, EinheitFlaeche, Flaeche}) z(t(id));
    z(t(EinheitTemperaturdifferenz));
    z(t(Lmtd) + "/" + t(Cmtd));
    z(t(EinheitK));
    z(t(KErf) + "/" + t(KEff));
    for (int id : {EinheitFouling, Fouling, EinheitSicherheit, Sicherheit, EinheitDruckverlustWarm,
                   EinheitDruckverlustKalt, DruckverlustWarm, DruckverlustKalt, SerienWarm,
                   SerienKalt, SpaltenGesamt})
        z(t(id));
    std::string typen = t(Anzahl1) + "*" + t(Spalttyp1);
    if (!t(Spalttyp2).empty()) typen += " + " + t(Anzahl2) + "*" + t(Spalttyp2);
    z(typen);
    z(t(EinheitGewicht));
    z("ca." + t(Gewicht));
    for (int id : {EinheitInhaltWarm, InhaltWarm, InhaltKalt, EinheitDruck, Druck,
                   EinheitMaxTemperatur, MaxTemperatur})
        z(t(id));
    z(t(Plattenmaterial) + " ( " + t(Plattendicke) + " mm )");
    z(dichtungen(f));
    z(t(Gestell));
    for (auto [code, text] :
         {std::pair{BelegungWarm, AnschlussWarm}, {BelegungKalt, AnschlussKalt}}) {
        auto [erster, rest] = anschlussTeilen(t(text));
        z(t(code));
        z(erster);
        z(rest);
    }
    for (auto [entleerung, nennweite] : {std::pair{&kp.entleerungTextWarm, &kp.nennweiteTextWarm},
                                         {&kp.entleerungTextKalt, &kp.nennweiteTextKalt}}) {
        if (entleerung->empty()) {
            z.leer(4);
        } else {
            z(*entleerung);
            z(*nennweite);
        }
    }
    z(t(Bemerkung));
    return z.text();
}

std::string ausschreibungText(const Form& f, const Ausgabekontext& k, const std::string& masse) {
    const Komplettierung& kp = k.fall.komplettierung;
    auto T = [&](const std::string& key) { return k.sprache.GetValue("ausschreibung", key, ""); };
    auto t = [&](int id) { return f.text(id); };
    Zeilen z;
    for (int i = 1; i <= 20; ++i) {
        const std::string zeile = T("z" + std::to_string(i));
        if (!zeile.empty()) z(zeile);
    }
    z(T("pltyp") + " " + t(Geraet) + ", " + t(Leistung) + " " + t(EinheitLeistung));
    z.leer();
    z(T("ta"));
    z.leer();
    z(T("m01") + " " + t(Plattenmaterial) + " ( " + t(Plattendicke) + " mm )");
    z(T("m02") + " " + dichtungen(f));
    z(T("m03") + " " + t(Gestell));
    struct Seite {
        const char *kopf, *typ, *werkstoff, *entl;
        int code, text;
        const std::string *entleerung, *nennweite;
    };
    const Seite seiten[2] = {{"m04", "m05", "m06", "m07", BelegungWarm, AnschlussWarm,
                              &kp.entleerungTextWarm, &kp.nennweiteTextWarm},
                             {"m08", "m09", "m10", "m11", BelegungKalt, AnschlussKalt,
                              &kp.entleerungTextKalt, &kp.nennweiteTextKalt}};
    for (const Seite& s : seiten) {
        auto [erster, rest] = anschlussTeilen(t(s.text));
        z(T(s.kopf) + " " + t(s.code) + " :");
        z(T(s.typ) + " " + erster);
        z(T(s.werkstoff) + " " + rest);
        if (!s.entleerung->empty()) z(T(s.entl) + " " + *s.entleerung + " " + *s.nennweite);
    }
    z.leer();
    z(T("m12") + " " + t(Leistung) + " " + t(EinheitLeistung));
    z(T("m13") + " " + t(Sicherheit) + " " + t(EinheitSicherheit));
    z.leer();
    const int seitenWerte[2][9] = {
        {MediumWarm, TEinWarm, EinheitTEinWarm, TAusWarm, EinheitTAusWarm, MassenstromWarm,
         EinheitMassenstromWarm, DruckverlustWarm, EinheitDruckverlustWarm},
        {MediumKalt, TEinKalt, EinheitTEinKalt, TAusKalt, EinheitTAusKalt, MassenstromKalt,
         EinheitMassenstromKalt, DruckverlustKalt, EinheitDruckverlustKalt}};
    for (int s = 0; s < 2; ++s) {
        const char* p = s == 0 ? "w" : "k";
        const int* w = seitenWerte[s];
        z(T(p + std::string("1")) + " " + t(w[0]));
        for (int i = 0; i < 4; ++i)
            z(T(p + std::to_string(i + 2)) + " " + t(w[1 + 2 * i]) + " " + t(w[2 + 2 * i]));
    }
    z(T("a1") + " " + t(SpaltenGesamt));
    if (!t(Spalttyp2).empty())
        z(T("a2") + " " + t(Anzahl1) + " " + t(Spalttyp1) + " + " + t(Anzahl2) + " " +
          t(Spalttyp2));
    else
        z(T("a2") + " " + t(Anzahl1) + " " + t(Spalttyp1) + " ");
    z(T("a3") + " " + t(Flaeche) + " " + t(EinheitFlaeche));
    z(T("a4") + masse);
    z(T("a5") + " " + t(Gewicht) + " " + t(EinheitGewicht));
    z.leer();
    z(T("b1") + " " + t(MaxTemperatur) + " " + t(EinheitMaxTemperatur));
    z(T("b2") + " " + t(Druck) + " " + t(EinheitDruck));
    z.leer();
    z(T("fa") + " " + k.fall.ergebnis.preisCode);
    z.leer();
    if (kp.waermeisolierung) z(T("zu"));
    return z.text();
}

}  // namespace kal::spez
