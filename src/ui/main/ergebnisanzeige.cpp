#include "ui/main/ergebnisanzeige.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "datalib/inputhelper.h"
#include "ids/dialog_ids.h"

namespace kal {

namespace {
// Millimetres per inch as the dimension display divides.
constexpr double kMmJeZoll = 25.399;

const Einheit* anzeigeEinheit(const Data& d, int gruppe, int system) {
    const EinheitenGruppe* g = d.getEinheitenGruppeListe().internalGetAt(gruppe);
    return g ? g->getForObjectId(g->getAnzeigeEinheitObjectId(system)) : nullptr;
}
double anzeige(const Data& d, int gruppe, int system, double basis) {
    const Einheit* e = anzeigeEinheit(d, gruppe, system);
    return e ? e->umrechnenInDieseEinheit(basis) : basis;
}
void zahl(EntrySource& f, int id, double w, int nachkomma, int stellen = 10) {
    f.setText(id, std::isfinite(w) ? zahlText(w, nachkomma, stellen) : std::string());
}
}  // namespace

void ergebnisAnzeigen(const Data& d, const CIniEx& sprache, const Berechnungsfall& fall,
                      EntrySource& f) {
    namespace eg = einheitengruppe;
    const Berechnungsergebnis& e = fall.ergebnis;
    const int sys = fall.eingaben.einheitensystem == 1 ? 1 : 0;
    zahl(f, hd::FoulingSoll, anzeige(d, eg::Fouling, sys, e.foulingSoll), 6);
    zahl(f, hd::FoulingIst, anzeige(d, eg::Fouling, sys, e.foulingIst), 6);
    zahl(f, hd::AlfaWarm, anzeige(d, eg::Waermeuebergang, sys, e.alfaWarm), 0);
    zahl(f, hd::AlfaKalt, anzeige(d, eg::Waermeuebergang, sys, e.alfaKalt), 0);
    zahl(f, hd::KRein, anzeige(d, eg::Waermeuebergang, sys, e.kRein), 0);
    zahl(f, hd::KErf, anzeige(d, eg::Waermeuebergang, sys, e.kErf), 0);
    zahl(f, hd::KEff, anzeige(d, eg::Waermeuebergang, sys, e.kEff), 0);
    zahl(f, hd::Flaeche, anzeige(d, eg::Flaeche, sys, e.flaeche), 2);
    zahl(f, hd::Gewicht, anzeige(d, eg::Gewicht, sys, e.gewicht), 0);
    zahl(f, hd::VMinWarm, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMinWarm), 2);
    zahl(f, hd::VMinKalt, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMinKalt), 2);
    zahl(f, hd::VMaxWarm, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMaxWarm), 2);
    zahl(f, hd::VMaxKalt, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMaxKalt), 2);
    zahl(f, hd::VStutzenWarm, anzeige(d, eg::Geschwindigkeit, sys, e.vStutzenWarm), 2);
    zahl(f, hd::VStutzenKalt, anzeige(d, eg::Geschwindigkeit, sys, e.vStutzenKalt), 2);
    zahl(f, hd::Cmtd,
         temperaturdifferenzAus(d, anzeigeEinheitPosition(d, eg::Temperatur, sys), e.cmtd), 2);
    // pressure losses: kPa -> the unit beside the allowed loss
    auto druck = [&](double kpa, int pos) {
        const Einheit* e1 = einheitAn(d, eg::Druck, eg::DruckKPa);
        const Einheit* ez = einheitAn(d, eg::Druck, pos);
        double basis = e1 ? e1->umrechnenInBasisEinheit(kpa) : kpa;
        return ez ? ez->umrechnenInDieseEinheit(basis) : basis;
    };
    zahl(f, hd::ErgDruckverlustWarm,
         druck(e.druckverlustWarm, fall.eingaben.warm.einheitDruckverlust), 2);
    zahl(f, hd::ErgDruckverlustKalt,
         druck(e.druckverlustKalt, fall.eingaben.kalt.einheitDruckverlust), 2);
    {
        const Einheit* el = einheitAn(d, eg::Leistung, fall.eingaben.einheitLeistung);
        zahl(f, hd::ErgLeistung, el ? el->umrechnenInDieseEinheit(e.leistungWarm) : e.leistungWarm,
             2);
    }
    setTextfield(f, hd::ErgSerien, e.serien);
    setTextfield(f, hd::ErgSpalten, e.spaltenGesamt / 2);
    zahl(f, hd::ErgSicherheit, e.flaechenreserve, 2);
    if (d.getPlattentypCListe().getCustomPreisevorhanden()) {
        if (e.customPreis == kKeinPreis)
            f.setText(hd::CustomPreis, sprache.GetValue("maindialog", "preisunvollstaendig", ""));
        else
            zahl(f, hd::CustomPreis, e.customPreis, 0, 15);
    }
    f.setText(hd::ErgPlattentyp, e.plattentypName);
    const auto& st = d.getSpalttypListe();
    auto paar = [&](const SpalttypAnzahl& p, int idAnzahl, int idTyp) {
        const Spalttyp* t = st.internalGetAt(p.spalttyp);
        if (p.spalttyp < 0 || p.anzahl <= 0 || !t) {
            f.setText(idAnzahl, "");
            f.setText(idTyp, "");
            return;
        }
        f.setText(idAnzahl, formatiere("%i", p.anzahl));
        f.setText(idTyp, t->getName());
    };
    paar(e.spalttypenWarm[0], hd::Anzahl1, hd::Spalttyp1);
    paar(e.spalttypenWarm[1], hd::Anzahl2, hd::Spalttyp2);
    auto mass = [mm = fall.eingaben.masseInMm](double wert) {
        return mm ? formatiere("%g", wert) : zollText(wert / kMmJeZoll);
    };
    f.setText(hd::Hoehe, mass(e.hoehe));
    f.setText(hd::Breite, mass(e.breite));
    f.setText(hd::LaengeTotal, mass(e.laengeTotal));
    f.setText(hd::StutzenHorizontal, mass(e.stutzenabstandHorizontal));
    f.setText(hd::StutzenVertikal, mass(e.stutzenabstandVertikal));
    f.setText(hd::Lieferzeit, formatiere("%i", e.lieferzeit));
}

std::vector<Grenzhinweis> ergebnisGrenzen(const Data& d, const CIniEx& sprache,
                                          const Berechnungsfall& fall) {
    namespace eg = einheitengruppe;
    const Berechnungsergebnis& e = fall.ergebnis;
    const Arbeitswerte& a = fall.arbeitswerte;
    const int sys = fall.eingaben.einheitensystem == 1 ? 1 : 0;
    std::vector<Grenzhinweis> hinweise;
    auto melde = [&](int id, const char* key, const std::string& grenze) {
        const std::string werte[] = {grenze};
        hinweise.push_back({id, einsetzen(sprache.GetValue("maindialog", key, ""), werte)});
    };
    auto geschwindigkeit = [&](double v) {
        const Einheit* einheit = anzeigeEinheit(d, eg::Geschwindigkeit, sys);
        return zahlText(anzeige(d, eg::Geschwindigkeit, sys, v), 2, 10) +
               (einheit ? " " + einheit->getName() : std::string());
    };
    struct Seite {
        const Mediumseite& m;
        const Seitenwerte& a;
        double dp, vMin, vMax, vStutzen;
        int idDp, idVMin, idVMax, idVStutzen;
    };
    const Seite seiten[] = {
        {fall.eingaben.warm, a.warm, e.druckverlustWarm, e.vSpaltMinWarm, e.vSpaltMaxWarm,
         e.vStutzenWarm, hd::ErgDruckverlustWarm, hd::VMinWarm, hd::VMaxWarm, hd::VStutzenWarm},
        {fall.eingaben.kalt, a.kalt, e.druckverlustKalt, e.vSpaltMinKalt, e.vSpaltMaxKalt,
         e.vStutzenKalt, hd::ErgDruckverlustKalt, hd::VMinKalt, hd::VMaxKalt, hd::VStutzenKalt},
    };
    for (const Seite& s : seiten) {
        if (s.dp > s.m.druckverlustZul) {
            // in the unit beside the permitted loss, as the result shows it
            const Einheit* kpa = einheitAn(d, eg::Druck, eg::DruckKPa);
            const Einheit* ziel = einheitAn(d, eg::Druck, s.m.einheitDruckverlust);
            const double basis =
                kpa ? kpa->umrechnenInBasisEinheit(s.m.druckverlustZul) : s.m.druckverlustZul;
            melde(s.idDp, "grenze_dp",
                  zahlText(ziel ? ziel->umrechnenInDieseEinheit(basis) : basis, 2, 10) +
                      (ziel ? " " + ziel->getName() : std::string()));
        }
        if (s.vMin < s.a.vSpaltMin) melde(s.idVMin, "grenze_vmin", geschwindigkeit(s.a.vSpaltMin));
        if (s.vMax > s.a.vSpaltMax) melde(s.idVMax, "grenze_vmax", geschwindigkeit(s.a.vSpaltMax));
        if (s.vStutzen > s.a.vStutzenMax)
            melde(s.idVStutzen, "grenze_vstutzen", geschwindigkeit(s.a.vStutzenMax));
    }
    const double reserve = std::max(0.0, fall.eingaben.sicherheit);
    if (e.flaechenreserve < reserve)
        melde(hd::ErgSicherheit, "grenze_reserve", zahlText(reserve, 2, 10) + " %");
    return hinweise;
}

void ergebnisAnzeigeLeeren(EntrySource& f, int berechnungsart) {
    const int vorne[] = {hd::ErgLeistung,
                         hd::ErgSicherheit,
                         hd::ErgTEinWarm,
                         hd::ErgTEinKalt,
                         hd::ErgTAusWarm,
                         hd::ErgTAusKalt,
                         hd::ErgDurchsatzWarm,
                         hd::ErgDurchsatzKalt,
                         hd::ErgDruckverlustWarm,
                         hd::ErgDruckverlustKalt,
                         hd::AlfaWarm,
                         hd::AlfaKalt,
                         hd::VMinWarm,
                         hd::VMinKalt,
                         hd::VMaxWarm,
                         hd::VMaxKalt,
                         hd::VStutzenWarm,
                         hd::VStutzenKalt,
                         hd::KRein,
                         hd::KErf,
                         hd::KEff};
    for (int id : vorne) f.setText(id, "");
    if (berechnungsart == 0) {
        // in design these hold the design result; a list's text clears its selection
        f.setText(hd::Anzahl1, "");
        f.setText(hd::Anzahl2, "");
        f.setText(hd::Spalttyp1, "");
        f.setText(hd::Spalttyp2, "");
    }
    const int hinten[] = {hd::FoulingIst,    hd::FoulingSoll,     hd::Cmtd,
                          hd::Flaeche,       hd::Gewicht,         hd::Lieferzeit,
                          hd::CustomPreis,   hd::Hoehe,           hd::LaengeTotal,
                          hd::Breite,        hd::StutzenVertikal, hd::StutzenHorizontal,
                          hd::ErgPlattentyp, hd::ErgSpalten,      hd::ErgSerien,
                          hd::Statuszeile};
    for (int id : hinten) f.setText(id, "");
}

std::string statusText(const std::string& format, double anzahl) {
    // printf stops at a zero byte, even inside a conversion: such a text is
    // shown as it stands.
    if (format.find('\0') != std::string::npos) return format;
    // Accept exactly one conversion: flags, width, precision, optional 'l'/'L',
    // then one of f F e E g G a A. "%%" is a literal percent.
    int konversionen = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < format.size() && std::strchr("-+ #0", format[j])) ++j;
        int ziffern = 0;
        while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])) &&
               ziffern < 3)
            ++j, ++ziffern;
        if (j < format.size() && format[j] == '.') {
            ++j;
            int p = 0;
            while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])) &&
                   p < 3)
                ++j, ++p;
        }
        if (j < format.size() && (format[j] == 'l' || format[j] == 'L')) ++j;
        if (j >= format.size() || !std::strchr("fFeEgGaA", format[j])) return format;
        if (format[j] == 'L') return format;
        if (format[j - 1] == 'L') return format;  // long double would read the wrong type
        ++konversionen;
        i = j;
    }
    if (konversionen != 1) return format;
        // The format is checked above; a runtime format string is safe here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    return formatiere(format.c_str(), anzahl);
#pragma GCC diagnostic pop
}

}  // namespace kal
