#include "angebot/mappendruck.h"

#include <algorithm>
#include <span>

#include "angebot/sammelangebot.h"
#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "druck/blatt.h"

namespace kal {

namespace {

struct Inhaltseintrag {
    std::string text;
    int seite = 0;
};

// The quotation's own pages: letter, positions, totals, terms.
class Anschreiben {
public:
    Anschreiben(PageDevice& dc, const CIniEx& sprache, const CDialogProjektDaten& kopf,
                const Mappenangaben& a, std::span<const Inhaltseintrag> inhalt, int seiten)
        : dc_(dc),
          s_(sprache),
          a_(a),
          inhalt_(inhalt),
          r_(dc),
          doc_(
              dc,
              [&kopf](PageDevice& d, int seite, int n) {
                  return kopf.KopfDrucken(d, {0, 0, d.pageWidth(), d.pageHeight()}, "", "",
                                          "angebotsmappe", seite, n);
              },
              seiten) {
        l_ = dc.lineHeight(10);
        x1_ = r_.links + dc.lineHeight(9);
        x2_ = r_.rechts - dc.lineHeight(9);
        b_ = x2_ - x1_;
        normal_ = schrift(dc, 10);
        fett_ = schrift(dc, 10, true);
        klein_ = schrift(dc, 9);
        kleinFett_ = schrift(dc, 9, true);
        betreff_ = schrift(dc, 12, true);
    }
    bool drucken();

private:
    std::string t(const char* key) const { return s_.GetValue("angebotsmappe", key, ""); }
    std::string t(const char* key, const std::string& wert) const {
        const std::string w[] = {wert};
        return einsetzen(t(key), w);
    }
    std::string betrag(const std::optional<long long>& c) const {
        return c ? centText(*c, komma_) + " " + a_.waehrung : std::string();
    }
    // One text wrapped into [x, x + breite] from the current line on,
    // continuing on a new page when needed.
    void absatz(int x, int breite, const std::string& text, const PageFont& font);
    // A label and its value (wrapped) in two columns.
    void feld(int x, int breite, const std::string& label, const std::string& wert);
    void adressen();
    void inhalt();
    void tabelle();
    void summen();
    void bedingungen();
    int spalte(double anteil) const { return x1_ + static_cast<int>(b_ * anteil); }

    PageDevice& dc_;
    const CIniEx& s_;
    const Mappenangaben& a_;
    std::span<const Inhaltseintrag> inhalt_;
    Seitenraster r_;
    Dokument doc_;
    int l_ = 0, x1_ = 0, x2_ = 0, b_ = 0;
    bool komma_ = false;
    PageFont normal_, fett_, klein_, kleinFett_, betreff_;
};

void Anschreiben::absatz(int x, int breite, const std::string& text, const PageFont& font) {
    for (const std::string& z : umbrechen(dc_, text, font, breite)) {
        doc_.platzFuer(font.height);
        dc_.drawText(x, doc_.y, z, font, TextAlign::Left);
        doc_.y += font.height;
    }
}

void Anschreiben::feld(int x, int breite, const std::string& label, const std::string& wert) {
    const int lab = breite * 2 / 5;
    const PageFont lf = passend(dc_, label, klein_, lab - klein_.height / 2);
    const Eingepasst e = einpassen(dc_, wert, klein_, breite - lab, 2);
    doc_.platzFuer(std::max(klein_.height, e.font.height));
    dc_.drawText(x, doc_.y, label, lf, TextAlign::Left);
    const int oben = doc_.y;
    for (const std::string& z : e.zeilen) {
        doc_.platzFuer(e.font.height);
        dc_.drawText(x + lab, doc_.y, z, e.font, TextAlign::Left);
        doc_.y += e.font.height;
    }
    doc_.y = std::max(doc_.y, oben + klein_.height);
}

void Anschreiben::adressen() {
    const Angebotsmappe& m = a_.mappe;
    const int mitte = spalte(0.55), linksBreite = mitte - x1_ - l_;
    const int oben = doc_.y, ersteSeite = doc_.seite();
    // the references on the right first
    const int rechtsBreite = x2_ - mitte;
    std::string anfrage = m.anfrageReferenz;
    if (!m.anfrageDatum.empty())
        anfrage += (anfrage.empty() ? "" : " ") + t("vom") + " " + m.anfrageDatum;
    feld(mitte, rechtsBreite, t("unsereReferenz"), m.unsereReferenz);
    feld(mitte, rechtsBreite, t("ihreAnfrage"), anfrage);
    if (!m.kunde.kontakt.empty()) feld(mitte, rechtsBreite, t("kontakt"), m.kunde.kontakt);
    feld(mitte, rechtsBreite, t("datum"), m.datum);
    feld(mitte, rechtsBreite, t("gueltigkeit"), m.gueltigkeit);
    const int rechts = doc_.y;
    // the customer's address on the left, each line set smaller to fit;
    // below the references when those took more than the page
    const int seite = doc_.seite();
    if (seite == ersteSeite) doc_.y = oben;
    for (const std::string& z : einpassen(dc_, m.kunde.name, fett_, linksBreite, 2).zeilen) {
        doc_.platzFuer(fett_.height);
        dc_.drawText(x1_, doc_.y, z, passend(dc_, z, fett_, linksBreite), TextAlign::Left);
        doc_.y += fett_.height;
    }
    for (const std::string& z : m.kunde.adresse) {
        doc_.platzFuer(normal_.height);
        dc_.drawText(x1_, doc_.y, z, passend(dc_, z, normal_, linksBreite), TextAlign::Left);
        doc_.y += normal_.height;
    }
    doc_.y = (doc_.seite() == seite ? std::max(doc_.y, rechts) : doc_.y) + l_;
}

void Anschreiben::inhalt() {
    if (inhalt_.empty()) return;
    doc_.platzFuer(kleinFett_.height * 2);
    dc_.drawText(x1_, doc_.y, t("inhalt"), kleinFett_, TextAlign::Left);
    doc_.y += kleinFett_.height;
    const int nummer = x2_ - dc_.textWidth("0000", klein_);
    for (const Inhaltseintrag& e : inhalt_) {
        doc_.platzFuer(klein_.height);
        const std::string text = "  " + e.text;
        dc_.drawText(x1_, doc_.y, text, passend(dc_, text, klein_, nummer - x1_ - l_),
                     TextAlign::Left);
        dc_.drawText(x2_, doc_.y, e.seite > 0 ? std::to_string(e.seite) : "", klein_,
                     TextAlign::Right);
        doc_.y += klein_.height;
    }
    doc_.y += l_ / 2;
}

void Anschreiben::tabelle() {
    const int cMenge = spalte(0.15), cText = spalte(0.18), cEinzel = spalte(0.81);
    const int textBreite = spalte(0.60) - cText, preisBreite = static_cast<int>(b_ * 0.19);
    auto kopfzeile = [&] {
        doc_.platzFuer(kleinFett_.height * 3);
        const int y = doc_.y;
        dc_.drawText(x1_, y, t("pos"), passend(dc_, t("pos"), kleinFett_, cMenge - x1_ - l_ * 2),
                     TextAlign::Left);
        dc_.drawText(cMenge, y, t("menge"),
                     passend(dc_, t("menge"), kleinFett_, cMenge - x1_ - l_ * 2 + l_),
                     TextAlign::Right);
        dc_.drawText(cText, y, t("beschreibung"),
                     passend(dc_, t("beschreibung"), kleinFett_, textBreite), TextAlign::Left);
        dc_.drawText(cEinzel, y, t("einzelpreis"),
                     passend(dc_, t("einzelpreis"), kleinFett_, preisBreite - l_),
                     TextAlign::Right);
        dc_.drawText(x2_, y, t("gesamtpreis"),
                     passend(dc_, t("gesamtpreis"), kleinFett_, preisBreite - l_),
                     TextAlign::Right);
        doc_.y += kleinFett_.height + kleinFett_.height / 4;
        dc_.drawLine(x1_, doc_.y, x2_, doc_.y, r_.stift);
        doc_.y += kleinFett_.height / 4;
    };
    kopfzeile();
    for (const Mappenzeile& z : a_.zeilen) {
        // the description's lines first, so that a row stays on one page
        struct Zeile {
            std::string text;
            PageFont font;
        };
        std::vector<Zeile> zeilen;
        auto dazu = [&](const std::string& text, const PageFont& font, size_t n = 2) {
            if (text.empty()) return;
            const Eingepasst e = einpassen(dc_, text, font, textBreite, n);
            for (const std::string& s : e.zeilen) zeilen.push_back({s, e.font});
        };
        dazu(z.plattentyp, kleinFett_);
        dazu(z.beschreibung, klein_);
        if (!z.kennung.empty()) dazu(t("kennung") + ": " + z.kennung, klein_, 1);
        dazu(z.text, klein_);
        dazu(z.hinweis, kleinFett_);
        int hoehe = 0;
        for (const Zeile& x : zeilen) hoehe += x.font.height;
        hoehe = std::max(hoehe, klein_.height);
        // a row stays on one page when it fits one; a very long text
        // starts where it is and goes on on the next page
        const bool zusammen = hoehe <= doc_.unten() / 2;
        if (doc_.y + (zusammen ? hoehe : klein_.height * 4) > doc_.unten()) {
            doc_.platzFuer(doc_.unten());  // a new page, and the columns' heads again
            kopfzeile();
        }
        const int y = doc_.y;
        const std::string nummer = std::to_string(z.nummer), menge = std::to_string(z.menge);
        dc_.drawText(x1_, y, nummer, passend(dc_, nummer, klein_, cMenge - x1_ - l_ * 3),
                     TextAlign::Left);
        dc_.drawText(cMenge, y, menge, passend(dc_, menge, klein_, l_ * 3), TextAlign::Right);
        const std::string einzel = betrag(z.einzelpreis), gesamt = betrag(z.gesamt);
        const std::string offen = t("aufAnfrage");
        dc_.drawText(cEinzel, y, z.einzelpreis ? einzel : offen,
                     passend(dc_, z.einzelpreis ? einzel : offen, klein_, preisBreite - l_),
                     TextAlign::Right);
        dc_.drawText(x2_, y, z.gesamt ? gesamt : offen,
                     passend(dc_, z.gesamt ? gesamt : offen, klein_, preisBreite - l_),
                     TextAlign::Right);
        for (const Zeile& x : zeilen) {
            doc_.platzFuer(x.font.height);
            dc_.drawText(cText, doc_.y, x.text, x.font, TextAlign::Left);
            doc_.y += x.font.height;
        }
        if (doc_.y < y + klein_.height) doc_.y = y + klein_.height;
        doc_.y += klein_.height / 3;
    }
    dc_.drawLine(x1_, doc_.y, x2_, doc_.y, r_.stift);
    doc_.y += klein_.height / 3;
}

void Anschreiben::summen() {
    const Mappensummen& s = a_.summen;
    const int cLabel = spalte(0.18), labelBreite = spalte(0.78) - cLabel;
    auto zeile = [&](const std::string& label, const std::string& wert, const PageFont& font) {
        doc_.platzFuer(font.height);
        dc_.drawText(cLabel, doc_.y, label, passend(dc_, label, font, labelBreite),
                     TextAlign::Left);
        dc_.drawText(x2_, doc_.y, wert, passend(dc_, wert, font, x2_ - spalte(0.78)),
                     TextAlign::Right);
        doc_.y += font.height;
    };
    zeile(t("zwischensumme"), betrag(s.zwischensumme), klein_);
    if (a_.mappe.rabatt > 0) {
        zeile(t("rabatt", prozentText(a_.mappe.rabatt, komma_)), "-" + betrag(s.rabatt), klein_);
        zeile(t("netto"), betrag(s.netto), klein_);
    }
    zeile(t("mwst", prozentText(a_.mappe.mwst, komma_)), betrag(s.mwst), klein_);
    zeile(t("gesamt"), betrag(s.gesamt), kleinFett_);
    std::string lieferzeit;
    if (s.lieferzeit > 0) lieferzeit = t("lieferzeitWochen", std::to_string(s.lieferzeit));
    if (s.aufAnfrage) lieferzeit += (lieferzeit.empty() ? "" : ", ") + t("aufAnfrage");
    doc_.y += klein_.height / 2;
    zeile(t("lieferzeit"), lieferzeit, klein_);
    doc_.y += l_;
}

void Anschreiben::bedingungen() {
    const Mappenbedingungen& b = a_.mappe.bedingungen;
    const std::pair<const char*, const std::string*> felder[] = {
        {"zahlung", &b.zahlung},
        {"lieferung", &b.lieferung},
        {"verpackung", &b.verpackung},
        {"gewaehrleistung", &b.gewaehrleistung}};
    doc_.platzFuer(kleinFett_.height * 2);
    dc_.drawText(x1_, doc_.y, t("bedingungen"), kleinFett_, TextAlign::Left);
    doc_.y += kleinFett_.height;
    const int cText = spalte(0.25);
    for (const auto& [key, text] : felder) {
        if (text->empty()) continue;
        doc_.platzFuer(klein_.height);
        const std::string label = t(key);
        dc_.drawText(x1_, doc_.y, label, passend(dc_, label, klein_, cText - x1_ - l_),
                     TextAlign::Left);
        absatz(cText, x2_ - cText, *text, klein_);
    }
    doc_.y += l_;
}

bool Anschreiben::drucken() {
    komma_ = dezimalKomma(s_);
    if (!doc_.anfangen()) return false;
    doc_.y += l_;
    adressen();
    std::string betreff = t("titel");
    if (!a_.mappe.unsereReferenz.empty()) betreff += " " + a_.mappe.unsereReferenz;
    const Eingepasst e = einpassen(dc_, betreff, betreff_, b_, 2);
    for (const std::string& z : e.zeilen) {
        doc_.platzFuer(e.font.height);
        dc_.drawText(x1_, doc_.y, z, e.font, TextAlign::Left);
        doc_.y += e.font.height;
    }
    doc_.y += l_ / 2;
    inhalt();
    absatz(x1_, b_, t("anrede"), normal_);
    absatz(x1_, b_, t("einleitung"), normal_);
    doc_.y += l_ / 2;
    tabelle();
    summen();
    bedingungen();
    absatz(x1_, b_, t("schluss"), normal_);
    doc_.y += l_;
    absatz(x1_, b_, t("gruss"), normal_);
    return doc_.beenden();
}

// Draws every part on `m`, noting where each begins.
bool teileZeichnen(Sammeldokument& m, const CIniEx& sprache, const CDialogProjektDaten& kopf,
                   const Mappenangaben& a, std::span<const Inhaltseintrag> inhalt,
                   std::vector<int>& anfaenge) {
    anfaenge.clear();
    anfaenge.push_back(m.seite() + 1);
    // the letter's own pages: counted here first, for its "page n of m"
    Zaehlseite zaehler(m);
    if (!Anschreiben(zaehler, sprache, kopf, a, inhalt, 0).drucken()) return false;
    if (!Anschreiben(m, sprache, kopf, a, inhalt, zaehler.seiten).drucken()) return false;
    for (const auto& dokumente : a.dokumente)
        for (const Positionsdokument& d : dokumente) {
            anfaenge.push_back(m.seite() + 1);
            if (!d.zeichnung(m)) return false;
        }
    return true;
}
}  // namespace

bool druckeAngebotsmappe(PageDevice& dc, const CIniEx& sprache, CDialogProjektDaten& kopf,
                         Mappenangaben& a) {
    // the contents: the letter, then each position's printouts
    std::vector<Inhaltseintrag> inhalt{{sprache.GetValue("angebotsmappe", "anschreiben", ""), 0}};
    for (size_t i = 0; i < a.dokumente.size(); ++i)
        for (const Positionsdokument& d : a.dokumente[i]) {
            const std::string p[] = {std::to_string(i + 1)};
            inhalt.push_back(
                {einsetzen(sprache.GetValue("angebotsmappe", "position", ""), p) + ": " + d.titel,
                 0});
        }
    // first on a device that draws nothing: the pages and where each part
    // begins, for the contents and the count in every header
    int seiten = 0;
    auto zaehlen = [&](Sammeldokument& m) {
        auto z = [&m, &seiten] { return std::pair{m.seite(), seiten}; };
        kopf.durchgehendZaehlen(z);
        for (auto& k : a.koepfe)
            if (k) {
                k->durchgehendZaehlen(z);
                k->ersatzSetzen(kopf.projektdaten());
            }
    };
    std::vector<int> anfaenge;
    bool ok = false;
    {
        Zaehlseite zaehler(dc);
        Sammeldokument m(zaehler);
        zaehlen(m);
        ok = teileZeichnen(m, sprache, kopf, a, inhalt, anfaenge);
        seiten = m.seite();
    }
    Sammeldokument m(dc);
    if (ok) {
        for (size_t i = 0; i < inhalt.size() && i < anfaenge.size(); ++i)
            inhalt[i].seite = anfaenge[i];
        zaehlen(m);
        ok = teileZeichnen(m, sprache, kopf, a, inhalt, anfaenge);
    }
    // the headers are the positions' own again
    for (auto& k : a.koepfe)
        if (k) {
            k->durchgehendZaehlen({});
            k->ersatzSetzen({});
        }
    kopf.durchgehendZaehlen({});
    if (!ok) m.abortDocument();
    return m.abschliessen();
}

Projektdaten mappenProjektdaten(CBerechnungApp& app, const Angebotsmappe& m) {
    Projektdaten p = projektdatenVorgabe(app);
    p.kunde = m.kunde.name;
    p.projekt = m.unsereReferenz;
    p.position = m.anfrageReferenz;
    p.datum = m.datum;
    p.revision = m.revision;
    return p;
}

PrintPort::Zeichnung mappenZeichnung(Sammelangebot& s, bool dokumente) {
    auto a = std::make_shared<Mappenangaben>();
    a->mappe = s.mappe();
    const CIniEx& sprache = s.mappenSprache();
    auto t = [&sprache](const char* key) { return sprache.GetValue("angebotsmappe", key, ""); };
    for (size_t i = 0; i < s.anzahl(); ++i) {
        // a position's printouts only where it takes them
        const bool mit = dokumente && a->mappe.positionen[i].dokumente;
        const Positionsauswertung& e = s.auswertung(i, mit);
        Mappenzeile z;
        z.nummer = static_cast<int>(i + 1);
        z.menge = a->mappe.positionen[i].menge;
        z.plattentyp = e.plattentyp;
        z.beschreibung = e.leistung + (e.leistung.empty() ? "" : ", ") + e.medien;
        z.kennung = e.kennung;
        z.text = a->mappe.positionen[i].text;
        if (!e.berechnet)
            z.hinweis = t("nichtBerechnet");
        else if (e.paketGeaendert)
            z.hinweis = t("paketGeaendert");
        else if (!e.einzelpreis)
            z.hinweis = t("unvollstaendig");
        if (e.berechnet && e.einzelpreis) {
            z.einzelpreis = e.einzelpreis;
            z.gesamt = *e.einzelpreis * z.menge;
        }
        if (a->waehrung.empty()) a->waehrung = e.waehrung;
        a->zeilen.push_back(std::move(z));
        a->dokumente.push_back(mit ? e.dokumente : std::vector<Positionsdokument>{});
        a->koepfe.push_back(e.kopf);
    }
    if (!a->mappe.waehrung.empty()) a->waehrung = a->mappe.waehrung;
    a->summen = s.summen();
    auto kopf = std::make_shared<CDialogProjektDaten>(s.mappenApp(),
                                                      mappenProjektdaten(s.mappenApp(), a->mappe));
    return
        [a, kopf, &sprache](PageDevice& dc) { return druckeAngebotsmappe(dc, sprache, *kopf, *a); };
}

}  // namespace kal
