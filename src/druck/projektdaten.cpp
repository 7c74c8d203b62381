#include "druck/projektdaten.h"

#include <algorithm>
#include <ctime>
#include <tuple>
#include <utility>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "druck/blatt.h"
#include "ids/dialog_ids.h"

namespace kal {

using namespace pd;

namespace {
const Beschriftung kBeschriftungen[] = {
    {LabelKunde, "projektdaten", "kunde"},
    {LabelProjekt, "projektdaten", "projekt"},
    {LabelPosition, "projektdaten", "position"},
    {LabelSachbearbeiter, "projektdaten", "sachbearbeiter"},
    {LabelTelefon, "projektdaten", "telefon"},
    {LabelDatum, "projektdaten", "datum"},
    {Drucken, "projektdaten", "drucken"},
    {Vorschau, "projektdaten", "vorschau"},
    {AlsPdf, "projektdaten", "pdf"},
    {Abbrechen, "projektdaten", "abbrechen"},
};

// Field and stored value name of what a user keeps from project to
// project; customer, project and item belong to one project only (values
// an older store holds under "kunde", "projekt", "position" are not read).
struct Gespeichert {
    int feld;
    const char* name;
};
const Gespeichert kGespeichert[] = {{Sachbearbeiter, "name"}, {Telefon, "telefon"}};
constexpr int kMaxLaenge = 59;
}  // namespace

std::string heutigesDatum() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return formatiere("%02d.%02d.%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

Projektdaten projektdatenVorgabe(CBerechnungApp& app) {
    Projektdaten p;
    p.datum = heutigesDatum();
    SettingsPort* s = app.getPorts().settings;
    if (!s || !s->openKey()) return p;  // nothing remembered: empty fields
    for (auto [ziel, name] : {std::pair{&p.sachbearbeiter, "name"}, {&p.telefon, "telefon"}})
        if (auto v = s->readValue(name)) *ziel = eingabeText(*v, kMaxLaenge);
    return p;
}

CDialogProjektDaten::CDialogProjektDaten(CBerechnungApp& app)
    : CDialogProjektDaten(app, projektdatenVorgabe(app)) {}

CDialogProjektDaten::CDialogProjektDaten(CBerechnungApp& app, const Projektdaten& p)
    : app_(app), revision_(p.revision) {
    setCaption(text("titel"));
    Form& f = form();
    beschriftungenSetzen(f, app.getSprache(), kBeschriftungen);
    for (int id : {Kunde, Projekt, Position, Sachbearbeiter, Telefon, Datum})
        f.control(id).maxLength = kMaxLaenge;
    // a stored value is taken like one typed: one line, the field's length
    for (auto [id, wert] : {std::pair{Kunde, &p.kunde},
                            {Projekt, &p.projekt},
                            {Position, &p.position},
                            {Sachbearbeiter, &p.sachbearbeiter},
                            {Telefon, &p.telefon},
                            {Datum, &p.datum}})
        f.setText(id, eingabeText(*wert, kMaxLaenge));
    f.setFocus(Kunde);
}

std::string CDialogProjektDaten::text(const char* key) const {
    return app_.getSprache().GetValue("projektdaten", key, "");
}

bool CDialogProjektDaten::speichern() {
    SettingsPort* s = app_.getPorts().settings;
    bool ok = s && s->openKey();
    for (const Gespeichert& g : kGespeichert) ok = ok && s->writeValue(g.name, form().text(g.feld));
    if (!ok)
        zeigeMeldung(app_.getPorts().messages, app_.getSprache(), "error", "readregistry",
                     app_.getSprache().GetValue("error", "error", ""));
    return ok;
}

void CDialogProjektDaten::geklickt(int id) {
    if (id == Abbrechen) {
        close(2);
        return;
    }
    if (id != Drucken && id != Vorschau && id != AlsPdf) return;
    ziel_ = id == Vorschau ? Druckziel::Vorschau
            : id == AlsPdf ? Druckziel::Pdf
                           : Druckziel::Drucker;
    speichern();  // a store that cannot be written still prints
    close(1);
}

void CDialogProjektDaten::SetProjektdaten(const std::string& sachbearbeiter,
                                          const std::string& projekt, const std::string& position,
                                          const std::string& telefon) {
    Form& f = form();
    f.setText(Sachbearbeiter, sachbearbeiter);
    f.setText(Projekt, projekt);
    f.setText(Position, position);
    f.setText(Telefon, telefon);
}

bool CDialogProjektDaten::kennungGezeigt() const {
    return app_.getSettings().GetValue("Daten", "kennstring", "") == "1";
}

Projektdaten CDialogProjektDaten::projektdaten() const {
    const Form& f = form();
    return {f.text(Kunde),   f.text(Projekt), f.text(Position), f.text(Sachbearbeiter),
            f.text(Telefon), f.text(Datum),   revision_};
}

int CDialogProjektDaten::KopfDrucken(PageDevice& dc, const Rechteck& r,
                                     const std::string& kennstring, const std::string& preisCode,
                                     const std::string& abschnitt, int seite, int seiten,
                                     double rechtsAnteil) const {
    if (zaehlung_) std::tie(seite, seiten) = zaehlung_();
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int links = r.left + static_cast<int>(w * 0.07),
              rechts = r.left + static_cast<int>(w * rechtsAnteil);
    const int oben = r.top + static_cast<int>(h * 0.03), unten = r.top + static_cast<int>(h * 0.97);
    const int stift = w / 1500 > 1 ? w / 1500 : 1;
    const int l9 = dc.lineHeight(9), rand = l9;
    const int x1 = links + rand, xr = rechts - rand;
    const PageFont normal = schrift(dc, 9), fett = schrift(dc, 9, true),
                   titel = schrift(dc, 14, true);
    const CIniEx& sprache = app_.getSprache();
    auto t = [&](const char* key) { return sprache.GetValue("projektdaten", key, ""); };

    dc.drawRect(links, oben, rechts, unten, stift);
    // logo left, the sheet's title right and below it the page of a sheet
    // with more than one; the band's height is the same either way
    int y = oben + l9 / 3;
    const int band = titel.height + normal.height;
    const int logoRechts = x1 + 4 * band;
    dc.drawPicture(x1, y, logoRechts, y + band, app_.getAppDir() + "/pic/Logo.bmp");
    const std::string name = sprache.GetValue(abschnitt, "titel", abschnitt);
    const PageFont titelFont = passend(dc, name, titel, xr - logoRechts - rand);
    if (seiten > 1) {
        dc.drawText(xr, y, name, titelFont, TextAlign::Right);
        const std::string nummer =
            formatiere("%s %d %s %d", t("seite").c_str(), seite, t("seitevon").c_str(), seiten);
        dc.drawText(xr, y + titel.height, nummer, normal, TextAlign::Right);
    } else {
        dc.drawText(xr, y + (band - titelFont.height) / 2, name, titelFont, TextAlign::Right);
    }
    y += band + l9 / 3;
    dc.drawLine(links, y, rechts, y, stift);

    // project data in two columns of label and value, the price code and
    // the identification (where the settings show it) across the width; a
    // long value wraps within its column or is set smaller there
    Projektdaten p = projektdaten();
    if (ersatz_)
        for (auto [eigen, ersatz] :
             {std::pair{&p.kunde, &ersatz_->kunde}, std::pair{&p.projekt, &ersatz_->projekt}})
            if (eigen->empty()) *eigen = *ersatz;
    // a revised offer says which revision it is beside its date
    const std::string datum =
        p.revision > 0 ? formatiere("%s, %s %d", p.datum.c_str(), t("revision").c_str(), p.revision)
                       : p.datum;
    const bool mitKennung = !kennstring.empty() && kennungGezeigt();
    struct Feld {
        const char* label;
        const std::string& wert;
    };
    const Feld spalte1[] = {{"kunde", p.kunde}, {"projekt", p.projekt}, {"position", p.position}};
    const Feld spalte2[] = {
        {"sachbearbeiter", p.sachbearbeiter}, {"telefon", p.telefon}, {"datum", datum}};
    const Feld quer[] = {{"preiscode", preisCode}, {"kennung", kennstring}};
    const int mitte = links + (rechts - links) / 2;
    // labels take at most a third of their column
    auto labelBreite = [&](std::initializer_list<const char*> keys, int spalte) {
        int b = 0;
        for (const char* k : keys) b = std::max(b, dc.textWidth(t(k), normal));
        return std::min(b, spalte / 3);
    };
    const int lab1 =
        labelBreite({"kunde", "projekt", "position", "preiscode", "kennung"}, mitte - x1);
    const int lab2 = labelBreite({"sachbearbeiter", "telefon", "datum"}, xr - mitte);
    const int wert1 = x1 + lab1 + rand, wert2 = mitte + lab2 + rand;
    // one label and its value, lines from `y`; gives the height taken
    auto zelle = [&](int x, int breite, int xWert, int ende, const Feld& f) {
        const std::string label = t(f.label);
        dc.drawText(x, y, label, passend(dc, label, normal, breite));
        const Eingepasst e = einpassen(dc, f.wert, fett, ende - xWert, 2);
        int yz = y;
        for (const std::string& z : e.zeilen) {
            dc.drawText(xWert, yz, z, e.font);
            yz += e.font.height;
        }
        return std::max(l9, yz - y);
    };
    y += l9 / 3;
    for (size_t i = 0; i < 3; ++i)
        y += std::max(zelle(x1, lab1, wert1, mitte - rand, spalte1[i]),
                      zelle(mitte, lab2, wert2, xr, spalte2[i]));
    for (const Feld& f : quer)
        if (&f == &quer[0] || mitKennung) y += zelle(x1, lab1, wert1, xr, f);
    y += l9 / 3;
    dc.drawLine(links, y, rechts, y, stift);
    return y + dc.lineHeight(11) / 2;
}

}  // namespace kal
