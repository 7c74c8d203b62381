#include "druck/projektdaten.h"

#include <ctime>

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

// Field and stored value name; the first four are shared with the
// specification, the offer date is not remembered.
struct Gespeichert {
    int feld;
    const char* name;
};
const Gespeichert kGespeichert[] = {
    {Kunde, "kunde"},         {Projekt, "projekt"}, {Position, "position"},
    {Sachbearbeiter, "name"}, {Telefon, "telefon"},
};
constexpr int kMaxLaenge = 59;
}  // namespace

std::string heutigesDatum() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return formatiere("%02d.%02d.%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

CDialogProjektDaten::CDialogProjektDaten(CBerechnungApp& app) : app_(app) {
    setCaption(text("titel"));
    Form& f = form();
    beschriftungenSetzen(f, app.getSprache(), kBeschriftungen);
    for (int id : {Kunde, Projekt, Position, Sachbearbeiter, Telefon, Datum})
        f.control(id).maxLength = kMaxLaenge;
    f.setText(Datum, heutigesDatum());
    lesen();
    f.setFocus(Kunde);
}

std::string CDialogProjektDaten::text(const char* key) const {
    return app_.getSprache().GetValue("projektdaten", key, "");
}

void CDialogProjektDaten::lesen() {
    SettingsPort* s = app_.getPorts().settings;
    if (!s || !s->openKey()) return;  // nothing remembered: empty fields
    for (const Gespeichert& g : kGespeichert)
        if (auto v = s->readValue(g.name))
            form().setText(g.feld, aufLaengeGekuerzt(*v, kMaxLaenge));
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

Projektdaten CDialogProjektDaten::projektdaten() const {
    const Form& f = form();
    return {f.text(Kunde),          f.text(Projekt), f.text(Position),
            f.text(Sachbearbeiter), f.text(Telefon), f.text(Datum)};
}

int CDialogProjektDaten::KopfDrucken(PageDevice& dc, const Rechteck& r,
                                     const std::string& kennstring, const std::string& preisCode,
                                     const std::string& abschnitt, int seite,
                                     double rechtsAnteil) const {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int links = r.left + static_cast<int>(w * 0.07),
              rechts = r.left + static_cast<int>(w * rechtsAnteil);
    const int oben = r.top + static_cast<int>(h * 0.03), unten = r.top + static_cast<int>(h * 0.97);
    const int x0 = r.left + static_cast<int>(w * 0.1), xr = rechts - static_cast<int>(w * 0.03);
    const int stift = w / 1500 > 1 ? w / 1500 : 1;
    const int l11 = dc.lineHeight(11), l14 = dc.lineHeight(14);
    const PageFont normal = schrift(dc, 9), fett = schrift(dc, 9, true),
                   titel = schrift(dc, 16, true);
    const CIniEx& sprache = app_.getSprache();
    auto t = [&](const char* key) { return sprache.GetValue("projektdaten", key, ""); };

    dc.drawRect(links, oben, rechts, unten, stift);
    // logo left, the sheet's title right, on one band
    int y = oben + l11 / 2;
    const int logoHoehe = 5 * l14 / 2;
    dc.drawPicture(x0, y, x0 + 4 * logoHoehe, y + logoHoehe, app_.getAppDir() + "/pic/Logo.bmp");
    dc.drawText(xr, y + (logoHoehe - titel.height) / 2,
                sprache.GetValue(abschnitt, "titel", abschnitt), titel, TextAlign::Right);
    if (seite > 1)
        dc.drawText(xr, y + logoHoehe - normal.height,
                    formatiere("%s %d", t("seite").c_str(), seite), normal, TextAlign::Right);
    y += logoHoehe + l11 / 2;
    dc.drawLine(links, y, rechts, y, stift);

    // project data in two columns of label and value, the identification
    // string on a line of its own (it is long)
    const Projektdaten p = projektdaten();
    const int wert1 = r.left + static_cast<int>(w * 0.28);
    const int spalte2 = r.left + static_cast<int>(w * 0.54),
              wert2 = r.left + static_cast<int>(w * 0.68);
    const int l = dc.lineHeight(10);
    const std::pair<const char*, std::string> zeilen[][2] = {
        {{"kunde", p.kunde}, {"sachbearbeiter", p.sachbearbeiter}},
        {{"projekt", p.projekt}, {"telefon", p.telefon}},
        {{"position", p.position}, {"datum", p.datum}},
    };
    y += l11 / 2;
    for (const auto& zeile : zeilen) {
        dc.drawText(x0, y, t(zeile[0].first), normal);
        dc.drawText(wert1, y, zeile[0].second, fett);
        dc.drawText(spalte2, y, t(zeile[1].first), normal);
        dc.drawText(wert2, y, zeile[1].second, fett);
        y += l;
    }
    dc.drawText(x0, y, t("preiscode"), normal);
    dc.drawText(wert1, y, preisCode, fett);
    if (!kennstring.empty()) {
        y += l;
        dc.drawText(x0, y, t("kennung"), normal);
        dc.drawText(wert1, y, kennstring, fett);
    }
    y += l + l11 / 2;
    dc.drawLine(links, y, rechts, y, stift);
    return y + l11;
}

}  // namespace kal
