#include "druck/konstruktionsblatt.h"

#include <algorithm>
#include <vector>

#include "datalib/format.h"
#include "druck/blatt.h"
#include "druck/projektdaten.h"

namespace kal {

Gestellmasse gestellmasse(const Konstruktionsangaben& a) {
    Gestellmasse m;
    if (!a.data) return m;
    const Data& d = *a.data;
    const PlattentypU* u = d.getPlattentypUListe().internalGetForObjectId(a.plattentyp);
    if (!u) return m;
    m.hoehe = u->getHoehe(d, a.druckstufe, a.gestellVariante);
    m.breite = u->getBreite(d, a.druckstufe, a.gestellVariante);
    m.stutzenHorizontal = u->getStutzenabstandHorizontal(d, a.druckstufe, a.gestellVariante);
    m.stutzenVertikal = u->getStutzenabstandVertikal(d, a.druckstufe, a.gestellVariante);
    if (const Laengenzuschlag* lz =
            d.getLaengenzuschlagListe().getLaengenzuschlag(d, *u, a.spaltenGesamt + 1))
        m.laenge = u->getLaengeTotal(d, a.druckstufe, a.gestellVariante, lz->getObjectId());
    return m;
}

std::string massText(double mm, bool inMm) {
    return inMm ? formatiere("%.0f mm", mm) : zollText(mm / 25.4) + " in";
}

namespace {

class Datenblatt {
public:
    Datenblatt(PageDevice& dc, const CDialogProjektDaten& kopf, const Konstruktionsangaben& a,
               int seiten)
        : dc_(dc),
          kopf_(kopf),
          a_(a),
          r_(dc),
          m_(gestellmasse(a)),
          doc_(
              dc,
              [&kopf, &a](PageDevice& d, int seite, int n) {
                  return kopf.KopfDrucken(d, Rechteck{0, 0, d.pageWidth(), d.pageHeight()},
                                          a.geraetekennstring, a.preisCode, a.abschnitt, seite, n);
              },
              seiten) {
        normal_ = schrift(dc, 10);
        fett_ = schrift(dc, 10, true);
        klein_ = schrift(dc, 8);
        l_ = dc.lineHeight(11);
        x0_ = static_cast<int>(r_.breite * 0.1);
        xWert_ = static_cast<int>(r_.breite * 0.42);
        xRechts_ = static_cast<int>(r_.breite * 0.92);
    }
    bool drucken();

private:
    std::string t(const char* key) const {
        return kopf_.app().getSprache().GetValue(a_.abschnitt, key, "");
    }
    std::string mass(double mm) const { return massText(mm, a_.masseInMm != 0); }
    void bemassung(int x1, int y1, int x2, int y2, const std::string& text);
    void stutzen(int cx, int cy, int halb, const std::string& name, bool beschriftungLinks);
    void zeichnung();
    void zeile(const std::string& label, const std::string& wert);
    void abschnitt(const char* key);
    void daten();
    void anschluesse();

    PageDevice& dc_;
    const CDialogProjektDaten& kopf_;
    const Konstruktionsangaben& a_;
    Seitenraster r_;
    Gestellmasse m_;
    Dokument doc_;
    PageFont normal_, fett_, klein_;
    int l_ = 0, x0_ = 0, xWert_ = 0, xRechts_ = 0;
};

// A dimension line with end ticks and its text beside the middle.
void Datenblatt::bemassung(int x1, int y1, int x2, int y2, const std::string& text) {
    const int s = r_.stift, tick = l_ / 3;
    dc_.drawLine(x1, y1, x2, y2, s);
    if (y1 == y2) {
        dc_.drawLine(x1, y1 - tick, x1, y1 + tick, s);
        dc_.drawLine(x2, y2 - tick, x2, y2 + tick, s);
        dc_.drawText((x1 + x2) / 2, y1 - klein_.height - tick / 2, text, klein_, TextAlign::Center);
    } else {
        dc_.drawLine(x1 - tick, y1, x1 + tick, y1, s);
        dc_.drawLine(x2 - tick, y2, x2 + tick, y2, s);
        dc_.drawText(x1 - tick, (y1 + y2) / 2 - klein_.height / 2, text, klein_, TextAlign::Right);
    }
}

// A nozzle seen from the front: a square with a cross, named beside it.
void Datenblatt::stutzen(int cx, int cy, int halb, const std::string& name,
                         bool beschriftungLinks) {
    dc_.drawRect(cx - halb, cy - halb, cx + halb, cy + halb, 2 * r_.stift);
    dc_.drawLine(cx - halb, cy, cx + halb, cy, r_.stift);
    dc_.drawLine(cx, cy - halb, cx, cy + halb, r_.stift);
    const int x = beschriftungLinks ? cx - halb - l_ / 3 : cx + halb + l_ / 3;
    dc_.drawText(x, cy - halb - fett_.height, name, fett_,
                 beschriftungLinks ? TextAlign::Right : TextAlign::Left);
}

// Front view of the frame plate and side view of the unit, to one scale.
void Datenblatt::zeichnung() {
    const int rand = 3 * l_;
    const int verfuegbarX = xRechts_ - x0_ - 5 * rand, verfuegbarY = r_.hoehe * 24 / 100;
    const double h = m_.hoehe > 0 ? m_.hoehe : 1000.0, b = m_.breite > 0 ? m_.breite : 400.0;
    const double l = m_.laenge > 0 ? m_.laenge : b;
    const double massstab = std::min(verfuegbarX / (b + l), verfuegbarY / h);
    auto px = [massstab](double mm) { return static_cast<int>(mm * massstab); };
    const int oben = doc_.y + 3 * l_, unten = oben + px(h);
    const int s = r_.stift;

    // front view: the frame plate with its four nozzles
    const int fl = x0_ + rand, fr = fl + px(b);
    dc_.drawText((fl + fr) / 2, oben - 3 * l_, t("vorderansicht"), fett_, TextAlign::Center);
    dc_.drawRect(fl, oben, fr, unten, 2 * s);
    const int cx = (fl + fr) / 2, cy = (oben + unten) / 2;
    const int dx = px(m_.stutzenHorizontal) / 2, dy = px(m_.stutzenVertikal) / 2;
    const int halb = std::max(px(b) / 14, l_ / 3);
    stutzen(cx - dx, cy - dy, halb, "F1", true);
    stutzen(cx + dx, cy - dy, halb, "F2", false);
    stutzen(cx + dx, cy + dy, halb, "F3", false);
    stutzen(cx - dx, cy + dy, halb, "F4", true);
    bemassung(fl, unten + 2 * l_, fr, unten + 2 * l_, mass(m_.breite));
    bemassung(fl - l_, oben, fl - l_, unten, mass(m_.hoehe));
    // nozzle distances outside the nozzles: above the top pair, right of
    // the right pair
    if (m_.stutzenHorizontal > 0)
        bemassung(cx - dx, oben - l_ / 2, cx + dx, oben - l_ / 2, mass(m_.stutzenHorizontal));
    if (m_.stutzenVertikal > 0) {
        const int xv = fr + 2 * l_;
        dc_.drawLine(cx + dx + halb, cy - dy, xv + l_ / 3, cy - dy, r_.stift);
        dc_.drawLine(cx + dx + halb, cy + dy, xv + l_ / 3, cy + dy, r_.stift);
        bemassung(xv, cy - dy, xv, cy + dy, "");
        dc_.drawText(xv + l_ / 2, cy - klein_.height / 2, mass(m_.stutzenVertikal), klein_,
                     TextAlign::Left);
    }

    // side view: frame plate, pack, pressure plate, the nozzles as stubs
    const int sl = fr + 3 * rand, sr = sl + px(l);
    dc_.drawText((sl + sr) / 2, oben - 3 * l_, t("seitenansicht"), fett_, TextAlign::Center);
    const int platte = std::max(px(l) / 16, 3 * s);
    dc_.drawRect(sl, oben, sl + platte, unten, 2 * s);
    dc_.drawRect(sr - platte, oben, sr, unten, 2 * s);
    const int packOben = oben + px(h) / 12, packUnten = unten - px(h) / 12;
    dc_.drawRect(sl + platte, packOben, sr - platte, packUnten, s);
    for (int i = 1; i < 12; ++i) {
        const int x = sl + platte + (sr - sl - 2 * platte) * i / 12;
        dc_.drawLine(x, packOben, x, packUnten, s);
    }
    const int stub = std::max(px(l) / 10, l_);
    for (int y : {cy - dy, cy + dy}) {
        dc_.drawRect(sl - stub, y - halb, sl, y + halb, s);
        if (a_.serien > 1) dc_.drawRect(sr, y - halb, sr + stub, y + halb, s);
    }
    dc_.drawText(sl - stub, cy - dy - halb - fett_.height, "F", fett_, TextAlign::Left);
    if (a_.serien > 1)
        dc_.drawText(sr + stub, cy - dy - halb - fett_.height, "P", fett_, TextAlign::Right);
    bemassung(sl, unten + 2 * l_, sr, unten + 2 * l_, mass(m_.laenge));
    doc_.y = unten + 4 * l_;
}

void Datenblatt::abschnitt(const char* key) {
    doc_.vor(l_ / 2, 3 * l_);
    dc_.drawText(x0_, doc_.y, t(key), fett_);
    doc_.y += l_ + l_ / 4;
    dc_.drawLine(x0_, doc_.y, xRechts_, doc_.y, r_.stift);
    doc_.y += l_ / 2;
}

// A label and its value, the value wrapped within the sheet.
void Datenblatt::zeile(const std::string& label, const std::string& wert) {
    doc_.platzFuer(l_);
    dc_.drawText(x0_, doc_.y, label, passend(dc_, label, normal_, xWert_ - x0_ - l_ / 2));
    const auto zeilen = umbrechen(dc_, wert, fett_, xRechts_ - xWert_);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) doc_.platzFuer(l_);
        dc_.drawText(xWert_, doc_.y, zeilen[i], fett_);
        doc_.y += l_;
    }
    if (zeilen.empty()) doc_.y += l_;
}

void Datenblatt::daten() {
    const Data& d = *a_.data;
    const PlattentypA* typ = d.getPlattentypAListe().internalGetForObjectId(a_.plattentyp);
    const MaterialPlatteA* mat =
        d.getMaterialPlatteAListe().internalGetForObjectId(a_.materialPlatte);
    const DruckstufeA* stufe = d.getDruckstufeAListe().internalGetForObjectId(a_.druckstufe);
    const int kanaele = a_.spaltenGesamt / 2;
    const CIniEx& sprache = kopf_.app().getSprache();

    abschnitt("plattenpaket");
    zeile(t("plattentyp"), typ ? typ->getName() : "");
    zeile(t("platten"), formatiere("%d", a_.spaltenGesamt + 1));
    zeile(t("serien"), formatiere("%d", a_.serien));
    zeile(t("kanaele"), a_.serien > 0 && kanaele % a_.serien == 0
                            ? formatiere("%d  (%d x %d)", kanaele, a_.serien, kanaele / a_.serien)
                            : formatiere("%d", kanaele));
    std::string werkstoff = mat ? mat->getName() : "";
    const double dicke =
        typ ? typ->getPlattenDickeEinzeln(a_.materialPlatte, a_.druckstufe) * 1000.0 : 0.0;
    if (dicke > 0)
        werkstoff +=
            ", " + t("dicke") + " " +
            (a_.masseInMm ? formatiere("%.2f mm", dicke) : formatiere("%.3f in", dicke / 25.4));
    zeile(t("werkstoff"), werkstoff);

    abschnitt("gestell");
    zeile(t("druckstufe"), stufe ? formatiere("PN %d", stufe->getDruck()) : "");
    zeile(t("variante"),
          sprache.GetValue("maindialog", a_.gestellVariante == 1 ? "asme" : "din", ""));
    zeile(t("masse"), formatiere("%s x %s x %s", mass(m_.hoehe).c_str(), mass(m_.breite).c_str(),
                                 mass(m_.laenge).c_str()));
    zeile(t("stutzenabstand"), formatiere("%s / %s", mass(m_.stutzenHorizontal).c_str(),
                                          mass(m_.stutzenVertikal).c_str()));
}

void Datenblatt::anschluesse() {
    abschnitt("anschluesse");
    struct Seite {
        const char* key;
        const std::string &anschluss, &belegung, &entleerung, &nennweite;
    };
    const Seite seiten[] = {
        {"warm", a_.anschlussTextWarm, a_.belegungMediumWarm, a_.entleerungTextWarm,
         a_.nennweiteTextWarm},
        {"kalt", a_.anschlussTextKalt, a_.belegungMediumKalt, a_.entleerungTextKalt,
         a_.nennweiteTextKalt},
    };
    for (const Seite& s : seiten) {
        doc_.platzFuer(5 * l_);
        dc_.drawText(x0_, doc_.y, t(s.key), fett_);
        zeile("", s.belegung);
        const auto [erste, zweite] = anschlussZeilen(s.anschluss);
        zeile(t("anschluss"), erste);
        if (!zweite.empty()) zeile("", zweite);
        if (!s.entleerung.empty()) {
            zeile(t("entleerung"), s.entleerung);
            zeile("", s.nennweite);
        }
        doc_.y += l_ / 2;
    }
}

bool Datenblatt::drucken() {
    if (!a_.data || !doc_.anfangen()) return false;
    zeichnung();
    daten();
    anschluesse();
    return doc_.beenden();
}

}  // namespace

bool druckeKonstruktionsdatenblatt(PageDevice& dc, const CDialogProjektDaten& kopf,
                                   const Konstruktionsangaben& a) {
    return mitSeitenzahl(
        dc, [&](PageDevice& d, int seiten) { return Datenblatt(d, kopf, a, seiten).drucken(); });
}

}  // namespace kal
