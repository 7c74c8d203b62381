#include "druck/zubehoerliste.h"

#include <algorithm>

#include "datalib/format.h"
#include "druck/blatt.h"
#include "druck/projektdaten.h"

namespace kal {

const std::array<const char*, 8> kDokumentSchluessel = {
    "plan",       "zeugnisse",  "stueckliste", "abnahmezeichnung",
    "ablaufplan", "festigkeit", "zertifikat",  "qcplan"};

namespace {

class Liste {
public:
    Liste(PageDevice& dc, const CIniEx& sprache, const CDialogProjektDaten& kopf,
          const Zubehoerangaben& a, int seiten)
        : a_(a),
          sprache_(sprache),
          w_(dc.pageWidth()),
          l_(dc.lineHeight(11)),
          x0_(static_cast<int>(w_ * 0.1)),
          xPreis_(static_cast<int>(w_ * 0.75)),
          xBetrag_(static_cast<int>(w_ * 0.92)),
          doc_(
              dc,
              [&kopf, &a](PageDevice& d, int seite, int n) {
                  return kopf.KopfDrucken(d, Rechteck{0, 0, d.pageWidth(), d.pageHeight()},
                                          a.geraetekennstring, a.preisCode, "zubehoerliste", seite,
                                          n);
              },
              seiten) {
        normal_.height = fett_.height = l_;
        fett_.weight = 700;
        waehrung_ = sprache.GetValue("unit", "waehrung", "");
        // The column of the word "price" moves left as far as the widest
        // amount the format gives would otherwise run into it.
        const int breitester =
            dc.textWidth(betragText(888888.88, true, waehrung_), normal_) + l_ / 2;
        xPreis_ = std::min(xPreis_, xBetrag_ - breitester - dc.textWidth(z("preis"), normal_));
    }

    bool drucken();

private:
    std::string z(const char* key) const { return sprache_.GetValue("zubehoerliste", key, ""); }
    std::string ad(const char* key) const { return sprache_.GetValue("assemblydialog", key, ""); }
    void text(int x, const std::string& t, bool fett = false) {
        doc_.dc().drawText(x, doc_.y, t, fett ? fett_ : normal_, TextAlign::Left);
    }
    // A text left of the price column, wrapped within it; y stays on its
    // last line, where the price goes.
    void beschriftung(const std::string& t) { zeilen(t, xPreis_ - l_ / 2); }
    // A text over the width of the list, wrapped.
    void absatz(const std::string& t) { zeilen(t, xBetrag_); }
    void zeilen(const std::string& t, int bis) {
        const auto z = umbrechen(doc_.dc(), t, normal_, bis - x0_);
        for (size_t i = 0; i < z.size(); ++i) {
            if (i > 0) vor(1);
            text(x0_, z[i]);
        }
    }
    void rechts(const std::string& t) {
        doc_.dc().drawText(xBetrag_, doc_.y, t, normal_, TextAlign::Right);
    }
    // A price nobody typed reads "on request" like a list on request,
    // never as a bare currency.
    std::string betrag(double preis, bool bekannt) const {
        return a_.preiseAufAnfrage || !bekannt ? z("aufanfrage")
                                               : betragText(preis, true, waehrung_);
    }
    std::string betrag(const Preisangabe& p) const { return betrag(p.preis, p.bekannt); }
    void preiszeile(const std::string& betrag) {
        text(xPreis_, z("preis"));
        rechts(betrag);
    }
    void vor(int zeilen) { doc_.vor(zeilen * l_, l_); }
    void anschluss(const char* titel, const std::string& anschlussText, int entleerung,
                   const std::string& entleerungText, const std::string& nennweite,
                   const Preisangabe& preis);
    void summenstrich() {
        rechts("----------------");
        vor(1);
    }

    const Zubehoerangaben& a_;
    const CIniEx& sprache_;
    int w_, l_, x0_, xPreis_, xBetrag_;
    Dokument doc_;
    PageFont normal_, fett_;
    std::string waehrung_;
};

void Liste::anschluss(const char* titel, const std::string& anschlussText, int entleerung,
                      const std::string& entleerungText, const std::string& nennweite,
                      const Preisangabe& preis) {
    vor(2);
    text(x0_, ad(titel));
    vor(1);
    const auto [erste, zweite] = anschlussZeilen(anschlussText);
    beschriftung(erste);
    if (!zweite.empty()) {
        vor(1);
        beschriftung(zweite);
    }
    if (entleerung > 0) {
        vor(1);
        beschriftung(z("incl") + " " + entleerungText);
        vor(1);
        beschriftung(nennweite);
    }
    preiszeile(betrag(preis));
}

bool Liste::drucken() {
    if (!doc_.anfangen()) return false;
    // I. the device, its connections and painting
    doc_.vor(l_ * 3 / 2, l_);
    text(x0_, "I. " + z("plattenwaermeaustauscher"), true);
    vor(2);
    beschriftung(a_.preisCode);
    preiszeile(betrag(a_.geraetegrundpreis, true));
    anschluss("warm", a_.anschlussTextWarm, a_.entleerungVarianteWarm, a_.entleerungTextWarm,
              a_.nennweiteTextWarm, a_.anschlussWarm);
    anschluss("kalt", a_.anschlussTextKalt, a_.entleerungVarianteKalt, a_.entleerungTextKalt,
              a_.nennweiteTextKalt, a_.anschlussKalt);
    vor(2);
    if (a_.sonderlackierung) {
        beschriftung(ad("lackierung") + " " + ad("ralnr") + " " + a_.ralNr);
        preiszeile(betrag(a_.lackierung));
        vor(2);
    }
    if (!a_.preiseAufAnfrage) {
        summenstrich();
        const bool bekannt = a_.anschlussWarm.bekannt && a_.anschlussKalt.bekannt &&
                             (!a_.sonderlackierung || a_.lackierung.bekannt);
        const double summe = a_.geraetegrundpreis + a_.anschlussWarm.preis +
                             a_.anschlussKalt.preis +
                             (a_.sonderlackierung ? a_.lackierung.preis : 0.0);
        rechts(betrag(summe, bekannt));
        vor(2);
    }
    // II. accessories and the total
    text(x0_, "II. " + z("zubehoer"), true);
    vor(2);
    if (a_.waermeisolierung) {
        beschriftung(ad("isolierung"));
        preiszeile(betrag(a_.isolierung));
        vor(2);
    }
    if (a_.spritzschutzGewaehlt) {
        beschriftung(ad("schutz"));
        preiszeile(betrag(a_.spritzschutz));
        vor(2);
    }
    summenstrich();
    rechts(betrag(a_.einzelpreis, a_.einzelpreisVollstaendig));
    // III. documentation
    vor(3);
    text(x0_, "III. " + ad("dokumentation"), true);
    vor(2);
    absatz(formatiere("%s %s %s %s", z("anzahl").c_str(), a_.dokuAnzahl.c_str(),
                      ad("dokuanzahl").c_str(), a_.dokuSprache.c_str()));
    vor(2);
    beschriftung(ad("massblatt"));
    if (a_.dokuAnzahl != "1") preiszeile(z("aufanfrage"));
    vor(2);
    for (size_t i = 0; i < kDokumentSchluessel.size(); ++i) {
        if (!a_.dokumente[i]) continue;
        beschriftung(ad(kDokumentSchluessel[i]));
        preiszeile(z("aufanfrage"));
        vor(1);
    }
    // closing notes and conditions
    vor(4);
    absatz(ad("zusatztext1"));
    vor(1);
    absatz(ad("zusatztext2"));
    if (!a_.preiseAufAnfrage) {
        vor(1);
        absatz(z("bedingungen"));
    }
    return doc_.beenden();
}

}  // namespace

std::vector<std::string> fehlendePreise(const CIniEx& sprache, const Zubehoerangaben& a) {
    std::vector<std::string> posten;
    if (a.preiseAufAnfrage) return posten;
    const std::pair<const Preisangabe*, const char*> gedruckt[] = {
        {&a.anschlussWarm, "warm"},
        {&a.anschlussKalt, "kalt"},
        {a.sonderlackierung ? &a.lackierung : nullptr, "lackierung"},
        {a.waermeisolierung ? &a.isolierung : nullptr, "isolierung"},
        {a.spritzschutzGewaehlt ? &a.spritzschutz : nullptr, "schutz"}};
    for (const auto& [p, key] : gedruckt)
        if (p && !p->bekannt) posten.push_back(sprache.GetValue("assemblydialog", key, key));
    return posten;
}

std::string fehlendePreiseText(const CIniEx& sprache, const std::vector<std::string>& posten,
                               bool frage) {
    std::string text = sprache.GetValue("zubehoerliste", "preisefehlen", "");
    for (size_t i = 0; i < posten.size(); ++i)
        text += (frage ? "\n    " : i == 0 ? " " : ", ") + posten[i];
    if (frage) text += "\n\n" + sprache.GetValue("zubehoerliste", "trotzdemdrucken", "");
    return text;
}

bool druckeZubehoerliste(PageDevice& dc, const CIniEx& sprache, const CDialogProjektDaten& kopf,
                         const Zubehoerangaben& a) {
    return mitSeitenzahl(dc, [&](PageDevice& d, int seiten) {
        return Liste(d, sprache, kopf, a, seiten).drucken();
    });
}

}  // namespace kal
