#include "ui/main/bericht.h"

#include <cmath>
#include <utility>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "datalib/gasphase.h"
#include "datalib/inputhelper.h"
#include "ids/dialog_ids.h"
#include "ui/main/ergebnisanzeige.h"

namespace kal {

using namespace engine;

namespace {
namespace eg = einheitengruppe;

constexpr std::pair<Feld, int> kFeldControls[] = {
    {Feld::Leistung, hd::Leistung},          {Feld::TEinWarm, hd::TEinWarm},
    {Feld::TAusWarm, hd::TAusWarm},          {Feld::DurchsatzWarm, hd::DurchsatzWarm},
    {Feld::TEinKalt, hd::TEinKalt},          {Feld::TAusKalt, hd::TAusKalt},
    {Feld::DurchsatzKalt, hd::DurchsatzKalt}};

bool istWarm(Feld f) {
    return f == Feld::TEinWarm || f == Feld::TAusWarm || f == Feld::DurchsatzWarm;
}
bool istEintritt(Feld f) { return f == Feld::TEinWarm || f == Feld::TEinKalt; }

// degC in the temperature unit at position `pos`.
double temperaturAnzeige(const Data& d, double tC, int pos) {
    return ausBasisEinheit(d, eg::Temperatur, pos,
                           inBasisEinheit(d, eg::Temperatur, eg::TemperaturGradC, tC));
}

// "%1 %2: %3 ..." of a temperature outside its fluid's range, in the unit
// beside the entry.
std::string temperaturBereichText(const Meldung& m, const CIniEx& sprache, const Data& d,
                                  const Falleingaben& e) {
    const int seite = m.seite == kKalt ? kKalt : kWarm;
    const Mediumseite& s = e.seite(seite);
    const bool ein = istEintritt(m.feld);
    const int pos = ein ? s.einheitTEin : s.einheitTAus;
    const Einheit* einheit = einheitAn(d, eg::Temperatur, pos);
    auto zahl = [&](size_t i) {
        const double t = i < m.zahlen.size() ? m.zahlen[i] : NAN;
        return zahlText(temperaturAnzeige(d, t, pos), 2, 10);
    };
    const std::string name = einheit ? " " + einheit->getName() : std::string();
    const char* feld = !ein ? "toff" : s.kondensation ? "kondens" : "ton";
    const std::string werte[] = {
        sprache.GetValue("maindialog", seite == kWarm ? "warm" : "cold", ""),
        sprache.GetValue("maindialog", feld, ""),
        zahl(0) + name,
        m.text,
        zahl(1),
        zahl(2) + name};
    return einsetzen(sprache.GetValue("error", "temperaturBereich", ""), werte);
}

// "%1 %2: " and the gas phase check's text of a gas that does not stay a gas
// at its pressure: temperature and pressure in the units beside their
// entries, the limit in its own.
std::string gasphaseMeldungText(const Meldung& m, Gasphase phase, const CIniEx& sprache,
                                const Data& d, const Falleingaben& e) {
    const int seite = m.seite == kKalt ? kKalt : kWarm;
    const Mediumseite& s = e.seite(seite);
    const bool ein = istEintritt(m.feld);
    const int pos = ein ? s.einheitTEin : s.einheitTAus;
    auto wert = [&](size_t i) { return i < m.zahlen.size() ? m.zahlen[i] : NAN; };
    const Einheit* einheit = einheitAn(d, eg::Temperatur, pos);
    const std::string name = einheit ? " " + einheit->getName() : std::string();
    auto temperatur = [&](double tC) {
        return zahlText(temperaturAnzeige(d, tC, pos), 2, 10) + name;
    };
    const Einheit* pe = einheitAn(d, eg::Druck, s.einheitGasDruck);
    auto druck = [&](double bar) {
        const double pa = inBasisEinheit(d, eg::Druck, eg::DruckBar, bar);
        return zahlText(ausBasisEinheit(d, eg::Druck, s.einheitGasDruck, pa), 2, 10) +
               (pe ? " " + pe->getName() : std::string());
    };
    std::string grenze;
    if (phase == Gasphase::UnterTaupunkt)
        grenze = temperatur(wert(2));
    else if (phase == Gasphase::DruckUeberTabelle)
        grenze = druck(wert(2));
    else if (const Einheit* de = einheitAn(d, eg::Dichte, 0))
        grenze = zahlText(wert(2), 2, 10) + " " + de->getName();
    const char* feld = !ein ? "toff" : s.kondensation ? "kondens" : "ton";
    return formatiere("%s, %s: ",
                      sprache.GetValue("maindialog", seite == kWarm ? "warm" : "cold", "").c_str(),
                      sprache.GetValue("maindialog", feld, "").c_str()) +
           gasphaseText(sprache, phase, temperatur(wert(0)), druck(wert(1)), m.text, grenze);
}

// The gas phase whose check gave this message's key, Gas for any other key.
Gasphase gasphaseAus(const std::string& key) {
    for (Gasphase p :
         {Gasphase::UnterTaupunkt, Gasphase::DruckUeberTabelle, Gasphase::UeberKritischeDichte})
        if (const char* k = gasphaseSchluessel(p); k && key == k) return p;
    return Gasphase::Gas;
}

// The duty entry contradicts a complete side: the text names its four entries.
std::string ueberbestimmtText(const Meldung& m, const CIniEx& t, const Falleingaben& e) {
    const int seite = m.seite == kKalt ? kKalt : kWarm;
    const bool kond = e.seite(seite).kondensation;
    const std::string felder[] = {t.GetValue("maindialog", "power", "") + "; " +
                                  t.GetValue("maindialog", seite == kWarm ? "warm" : "cold", "") +
                                  ": " + t.GetValue("maindialog", kond ? "kondens" : "ton", "") +
                                  ", " +
                                  t.GetValue("maindialog", kond ? "unterkuehlung" : "toff", "") +
                                  ", " + t.GetValue("maindialog", "flowrate", "")};
    return t.GetValue("error", "ueberbestimmt", "") + "\n" +
           einsetzen(t.GetValue("error", "ueberbestimmtFelder", ""), felder);
}

// A filled-in value in the unit beside its entry.
double anzeigeWert(const Ergaenzung& x, const Data& d, const Falleingaben& e) {
    if (x.feld == Feld::Leistung)
        return ausBasisEinheit(d, eg::Leistung, e.einheitLeistung,
                               inBasisEinheit(d, eg::Leistung, eg::LeistungKW, x.wert));
    const Mediumseite& m = e.seite(istWarm(x.feld) ? kWarm : kKalt);
    if (x.feld == Feld::DurchsatzWarm || x.feld == Feld::DurchsatzKalt)
        return ausBasisEinheit(d, m.durchsatzIstMasse ? eg::Massenstrom : eg::Volumenstrom,
                               m.einheitDurchsatz, x.wert);
    return temperaturAnzeige(d, x.wert, istEintritt(x.feld) ? m.einheitTEin : m.einheitTAus);
}

// A point of several whose device choice differs from the first point's.
std::string punktAbweichendText(const Meldung& m, const CIniEx& sprache) {
    const std::string werte[] = {formatiere("%.0f", m.zahlen.empty() ? 0.0 : m.zahlen[0]),
                                 sprache.GetValue("betriebspunkte", m.text, m.text)};
    return einsetzen(sprache.GetValue("error", "punktAbweichend", ""), werte);
}

}  // namespace

int feldControl(Feld feld) {
    for (const auto& [f, id] : kFeldControls)
        if (f == feld) return id;
    return 0;
}

Message meldungsBox(const Meldung& m, const CIniEx& sprache, const Data& data,
                    const Falleingaben& fall) {
    Message b;
    const bool warnung = m.schwere == Schwere::Warnung;
    b.icon = warnung ? MessageIcon::Warning : MessageIcon::Error;
    b.caption = meldungsTitel(sprache, b.icon);
    b.section = m.abschnitt;
    b.key = m.key;
    if (m.key.empty())
        b.text = m.text;
    else if (m.key == "maxspalten")
        b.text = formatiere("%d %s", static_cast<int>(m.zahlen.empty() ? 0.0 : m.zahlen[0]),
                            sprache.GetValue("error", "maxspalten", "").c_str());
    else if (m.key == "temperaturBereich")
        b.text = temperaturBereichText(m, sprache, data, fall);
    else if (m.key == "ueberbestimmt")
        b.text = ueberbestimmtText(m, sprache, fall);
    else if (m.key == "punktAbweichend")  // which point, which device choice
        b.text = punktAbweichendText(m, sprache);
    else if (const Gasphase p = gasphaseAus(m.key); p != Gasphase::Gas)
        b.text = gasphaseMeldungText(m, p, sprache, data, fall);
    else
        b.text = sprache.GetValue(m.abschnitt, m.key, "");
    return b;
}

void berichtAnwenden(const Berechnungsbericht& bericht, Berechnungsfall& fall, const Data& data,
                     const CIniEx& sprache, MessagePort* meldungen, EntrySource& felder) {
    for (const Ergaenzung& x : bericht.ergaenzt) {
        const double w = anzeigeWert(x, data, fall.eingaben);
        if (x.feld == Feld::DurchsatzWarm || x.feld == Feld::DurchsatzKalt)
            fall.eingaben.seite(istWarm(x.feld) ? kWarm : kKalt).durchsatzEingabe = w;
        // the written value is an entry that a saved project calculates again
        if (std::isfinite(w))
            setTextfield(felder, feldControl(x.feld), w, nachkommaMindestens(w, 2, 4), 15);
    }
    for (const Meldung& m : bericht.meldungen) {
        if (meldungen) meldungen->showMessage(meldungsBox(m, sprache, data, fall.eingaben));
        if (m.feld != Feld::Keins) felder.setFocus(feldControl(m.feld));
    }
    if (!bericht.status) return;
    if (bericht.ergebnisVorhanden)
        ergebnisAnzeigen(data, sprache, fall, felder);
    else
        ergebnisAnzeigeLeeren(felder, fall.eingaben.berechnungsart);
    felder.setText(hd::Statuszeile, statusText(sprache.GetValue("result", bericht.status->key, ""),
                                               bericht.status->anzahl));
}

}  // namespace kal
