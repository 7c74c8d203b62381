// The texts of the result display, the status line among them.
#include <cctype>
#include <cmath>
#include <cstring>

#include "engine.h"
#include "format.h"

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
void zahl(kal::EntrySource& f, int id, double w, int nachkomma, int stellen = 10) {
    f.setText(id, std::isfinite(w) ? kal::zahlText(w, nachkomma, stellen) : std::string());
}
}  // namespace

void ergebnisAnzeigen(const Data& d, const CIniEx& sprache, const Berechnungsfall& fall,
                      kal::EntrySource& f) {
    namespace eg = einheitengruppe;
    const Berechnungsergebnis& e = fall.ergebnis;
    const int sys = fall.eingaben.einheitensystem == 1 ? 1 : 0;
    zahl(f, ctl::FoulingSoll, anzeige(d, eg::Fouling, sys, e.foulingSoll), 6);
    zahl(f, ctl::FoulingIst, anzeige(d, eg::Fouling, sys, e.foulingIst), 6);
    zahl(f, ctl::AlfaWarm, anzeige(d, eg::Waermeuebergang, sys, e.alfaWarm), 0);
    zahl(f, ctl::AlfaKalt, anzeige(d, eg::Waermeuebergang, sys, e.alfaKalt), 0);
    zahl(f, ctl::KRein, anzeige(d, eg::Waermeuebergang, sys, e.kRein), 0);
    zahl(f, ctl::KErf, anzeige(d, eg::Waermeuebergang, sys, e.kErf), 0);
    zahl(f, ctl::KEff, anzeige(d, eg::Waermeuebergang, sys, e.kEff), 0);
    zahl(f, ctl::Flaeche, anzeige(d, eg::Flaeche, sys, e.flaeche), 2);
    zahl(f, ctl::Gewicht, anzeige(d, eg::Gewicht, sys, e.gewicht), 0);
    zahl(f, ctl::VMinWarm, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMinWarm), 2);
    zahl(f, ctl::VMinKalt, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMinKalt), 2);
    zahl(f, ctl::VMaxWarm, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMaxWarm), 2);
    zahl(f, ctl::VMaxKalt, anzeige(d, eg::Geschwindigkeit, sys, e.vSpaltMaxKalt), 2);
    zahl(f, ctl::VStutzenWarm, anzeige(d, eg::Geschwindigkeit, sys, e.vStutzenWarm), 2);
    zahl(f, ctl::VStutzenKalt, anzeige(d, eg::Geschwindigkeit, sys, e.vStutzenKalt), 2);
    zahl(f, ctl::Cmtd, e.cmtd, 2);
    // pressure losses: kPa -> the unit beside the allowed loss
    auto druck = [&](double kpa, int pos) {
        const Einheit* e1 = einheitAn(d, eg::Druck, eg::DruckKPa);
        const Einheit* ez = einheitAn(d, eg::Druck, pos);
        double basis = e1 ? e1->umrechnenInBasisEinheit(kpa) : kpa;
        return ez ? ez->umrechnenInDieseEinheit(basis) : basis;
    };
    zahl(f, ctl::ErgDruckverlustWarm,
         druck(e.druckverlustWarm, fall.eingaben.warm.einheitDruckverlust), 2);
    zahl(f, ctl::ErgDruckverlustKalt,
         druck(e.druckverlustKalt, fall.eingaben.kalt.einheitDruckverlust), 2);
    {
        const Einheit* el = einheitAn(d, eg::Leistung, fall.eingaben.einheitLeistung);
        zahl(f, ctl::ErgLeistung, el ? el->umrechnenInDieseEinheit(e.leistungWarm) : e.leistungWarm,
             2);
    }
    kal::setTextfield(f, ctl::ErgSerien, e.serien);
    kal::setTextfield(f, ctl::ErgSpalten, e.spaltenGesamt / 2);
    zahl(f, ctl::ErgSicherheit, e.flaechenreserve, 2);
    if (d.getPlattentypCListe().getCustomPreisevorhanden()) {
        if (e.customPreis == kKeinPreis)
            f.setText(ctl::CustomPreis, sprache.GetValue("maindialog", "preisunvollstaendig", ""));
        else
            zahl(f, ctl::CustomPreis, e.customPreis, 0, 15);
    }
    f.setText(ctl::ErgPlattentyp, e.plattentypName);
    const auto& st = d.getSpalttypListe();
    auto paar = [&](const SpalttypAnzahl& p, int idAnzahl, int idTyp) {
        const Spalttyp* t = st.internalGetAt(p.spalttyp);
        if (p.spalttyp < 0 || p.anzahl <= 0 || !t) {
            f.setText(idAnzahl, "");
            f.setText(idTyp, "");
            return;
        }
        f.setText(idAnzahl, kal::formatiere("%i", p.anzahl));
        f.setText(idTyp, t->getName());
    };
    paar(e.spalttypenWarm[0], ctl::Anzahl1, ctl::Spalttyp1);
    paar(e.spalttypenWarm[1], ctl::Anzahl2, ctl::Spalttyp2);
    const double teiler = fall.eingaben.masseInMm ? 1.0 : kMmJeZoll;
    f.setText(ctl::Hoehe, kal::formatiere("%g", e.hoehe / teiler));
    f.setText(ctl::Breite, kal::formatiere("%g", e.breite / teiler));
    f.setText(ctl::LaengeTotal, kal::formatiere("%g", e.laengeTotal / teiler));
    f.setText(ctl::StutzenHorizontal, kal::formatiere("%g", e.stutzenabstandHorizontal / teiler));
    f.setText(ctl::StutzenVertikal, kal::formatiere("%g", e.stutzenabstandVertikal / teiler));
    f.setText(ctl::Lieferzeit, kal::formatiere("%i", e.lieferzeit));
}

void ergebnisAnzeigeLeeren(kal::EntrySource& f, int berechnungsart) {
    const int vorne[] = {ctl::ErgLeistung,
                         ctl::ErgSicherheit,
                         ctl::ErgTEinWarm,
                         ctl::ErgTEinKalt,
                         ctl::ErgTAusWarm,
                         ctl::ErgTAusKalt,
                         ctl::ErgDurchsatzWarm,
                         ctl::ErgDurchsatzKalt,
                         ctl::ErgDruckverlustWarm,
                         ctl::ErgDruckverlustKalt,
                         ctl::AlfaWarm,
                         ctl::AlfaKalt,
                         ctl::VMinWarm,
                         ctl::VMinKalt,
                         ctl::VMaxWarm,
                         ctl::VMaxKalt,
                         ctl::VStutzenWarm,
                         ctl::VStutzenKalt,
                         ctl::KRein,
                         ctl::KErf,
                         ctl::KEff};
    for (int id : vorne) f.setText(id, "");
    if (berechnungsart == 0) {
        // in design these hold the design result; a list's text clears its selection
        f.setText(ctl::Anzahl1, "");
        f.setText(ctl::Anzahl2, "");
        f.setText(ctl::Spalttyp1, "");
        f.setText(ctl::Spalttyp2, "");
    }
    const int hinten[] = {ctl::FoulingIst,    ctl::FoulingSoll,     ctl::Cmtd,
                          ctl::Flaeche,       ctl::Gewicht,         ctl::Lieferzeit,
                          ctl::CustomPreis,   ctl::Hoehe,           ctl::LaengeTotal,
                          ctl::Breite,        ctl::StutzenVertikal, ctl::StutzenHorizontal,
                          ctl::ErgPlattentyp, ctl::ErgSpalten,      ctl::ErgSerien,
                          ctl::Statuszeile};
    for (int id : hinten) f.setText(id, "");
}

std::string statusText(const std::string& format, double anzahl) {
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
    return kal::formatiere(format.c_str(), anzahl);
#pragma GCC diagnostic pop
}
