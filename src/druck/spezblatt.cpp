#include "spezblatt.h"

#include <algorithm>
#include <vector>

#include "blatt.h"
#include "dialog_ids.h"
#include "projektdaten.h"

namespace kal {

using namespace sp;

Spezspalten::Spezspalten(int w)
    : links(static_cast<int>(w * 0.1)),
      einheitWarm(static_cast<int>(w * 0.4)),
      wertWarm(static_cast<int>(w * 0.516)),
      mitte(static_cast<int>(w * 0.64)),
      einheitKalt(static_cast<int>(w * 0.74)),
      wertKalt(static_cast<int>(w * 0.87)),
      unterspalte(static_cast<int>(w * 0.25)),
      rahmenRechts(4 - static_cast<int>(-0.98 * w)) {}

namespace {

constexpr int kRahmenstift = 3;
// the sections' frames reach 0.98 of the width: the page frame encloses them
constexpr double kSeitenrahmenRechts = 0.995;
const std::string kStriche = "---";

// "connections" also ends a dialog caption; here it starts the line.
std::string grossAnfang(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

class Blatt {
public:
    Blatt(PageDevice& dc, const CIniEx& sprache, const CDialogProjektDaten& kopf, const Form& f,
          const Spezblattangaben& a, int seiten)
        : f_(f),
          a_(a),
          sprache_(sprache),
          s_(dc.pageWidth()),
          h_(dc.lineHeight(11)),
          gross_(dc.lineHeight(14)),
          doc_(
              dc,
              [&kopf, &a](PageDevice& d, int seite, int n) {
                  return kopf.KopfDrucken(d, Rechteck{0, 0, d.pageWidth(), d.pageHeight()},
                                          a.geraetekennstring, a.preisCode, "spezifikation", seite,
                                          n, kSeitenrahmenRechts);
              },
              seiten) {
        fontA_ = schrift(dc, 11);
        fontC_ = schrift(dc, 11, true);
        fontD_ = schrift(dc, 14);
    }

    bool drucken();

private:
    std::string t(const char* key) const { return sprache_.GetValue("spezifikation", key, ""); }
    std::string feld(int id) const { return id ? f_.text(id) : std::string(); }
    PageDevice& dc() { return doc_.dc(); }
    int& y() { return doc_.y; }
    void text(int x, const std::string& s, const PageFont& font) {
        if (!s.empty()) dc().drawText(x, y(), s, font, TextAlign::Left);
    }
    // A caption longer than its column is set smaller rather than run into
    // the unit column.
    void beschriftung(int x, const std::string& s, int bis) {
        PageFont font = fontA_;
        const int breite = dc().textWidth(s, font), platz = bis - x - h_ / 2;
        if (breite > platz && breite > 0)
            font.height = std::max(font.height * 6 / 10, font.height * platz / breite);
        text(x, s, font);
    }
    void zweiSpalten(const std::string& warm, const std::string& kalt, const PageFont& font,
                     int schritt);
    // Opens a section: its heading (none for the first) and a frame of
    // `zeilen` lines, kept together on one page.
    void abschnitt(const char* ueberschrift, int zeilen);
    // Leaves the section: one line below its frame.
    void abschnittEnde() { y() = rahmenUnten_ + h_ + 5; }
    void zeile(const char* key, int einheitW, int wertW, int einheitK, int wertK,
               int zweiterWertW = 0);
    void naechste(int zeilen = 1) { y() += zeilen * h_; }
    void anschluss(const char* seite, int belegung, int anschlussText, int entleerung,
                   const std::string& entleerungText, const std::string& nennweite);
    std::vector<std::string> bemerkungZeilen();

    const Form& f_;
    const Spezblattangaben& a_;
    const CIniEx& sprache_;
    Spezspalten s_;
    int h_, gross_;
    Dokument doc_;
    // unit labels share the text font: Qt selects no character set
    PageFont fontA_, fontC_, fontD_;
    int rahmenUnten_ = 0;
};

void Blatt::zweiSpalten(const std::string& warm, const std::string& kalt, const PageFont& font,
                        int schritt) {
    // long texts wrap within their column instead of running into the next
    const auto w = umbrechen(dc(), warm, font, s_.einheitKalt - s_.einheitWarm - h_ / 2);
    const auto k = umbrechen(dc(), kalt, font, s_.rahmenRechts - s_.einheitKalt - h_ / 2);
    const size_t n = std::max<size_t>({w.size(), k.size(), 1});
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) doc_.vor(schritt, schritt);
        if (i < w.size()) text(s_.einheitWarm, w[i], font);
        if (i < k.size()) text(s_.einheitKalt, k[i], font);
    }
    y() += schritt;
}

void Blatt::abschnitt(const char* ueberschrift, int zeilen) {
    const int hoehe = zeilen * h_ + 20;
    if (ueberschrift) {
        doc_.platzFuer(gross_ + hoehe);
        text(s_.links, t(ueberschrift), fontC_);
        y() += gross_;
    } else {
        doc_.platzFuer(hoehe);
    }
    rahmenUnten_ = y() + hoehe;
    dc().drawRect(s_.links - 4, y(), s_.rahmenRechts, rahmenUnten_, kRahmenstift);
    y() += 5;
}

void Blatt::zeile(const char* key, int einheitW, int wertW, int einheitK, int wertK,
                  int zweiterWertW) {
    beschriftung(s_.links, t(key), s_.einheitWarm);
    text(s_.einheitWarm, feld(einheitW), fontA_);
    text(s_.einheitKalt, feld(einheitK), fontA_);
    text(s_.wertWarm, feld(wertW), fontA_);
    if (a_.kondensation) text(s_.mitte, feld(zweiterWertW), fontA_);
    text(s_.wertKalt, feld(wertK), fontA_);
    naechste();
}

void Blatt::anschluss(const char* seite, int belegung, int anschlussText, int entleerung,
                      const std::string& entleerungText, const std::string& nennweite) {
    text(s_.unterspalte, t(seite), fontA_);
    text(s_.einheitWarm, feld(belegung) + " : ", fontA_);
    naechste();
    const auto [erste, zweite] = anschlussZeilen(feld(anschlussText));
    text(s_.einheitWarm, erste, fontA_);
    naechste();
    text(s_.einheitWarm, zweite, fontA_);
    naechste();
    if (entleerung > 0) {
        text(s_.einheitWarm, entleerungText, fontA_);
        naechste();
        text(s_.einheitWarm, nennweite, fontA_);
        naechste();
    }
    naechste();  // one empty line
}

std::vector<std::string> Blatt::bemerkungZeilen() {
    auto zeilen = umbrechen(dc(), feld(Bemerkung), fontA_, s_.rahmenRechts - s_.links - h_ / 2);
    if (zeilen.empty()) zeilen.emplace_back();
    return zeilen;
}

bool Blatt::drucken() {
    if (!doc_.anfangen()) return false;
    const bool kond = a_.kondensation;
    y() += h_;
    // title and media
    text(s_.links, t("techdaten"), fontD_);
    text(s_.einheitWarm, t("warmeseite"), fontD_);
    text(s_.einheitKalt, t("kalteseite"), fontD_);
    y() += 2 * gross_;
    text(s_.links, t("medien"), fontC_);
    zweiSpalten(feld(MediumWarm), feld(MediumKalt), fontC_, gross_);
    if (!feld(BemerkungWarm).empty() || !feld(BemerkungKalt).empty())
        zweiSpalten(feld(BemerkungWarm), feld(BemerkungKalt), fontA_, gross_);
    if (kond) {
        text(s_.wertWarm, t("dampf"), fontA_);
        text(s_.mitte, t("kondensat"), fontA_);
        y() += gross_;
    }

    // process data
    abschnitt(nullptr, 4);
    zeile("massenstrom", EinheitMassenstromWarm, MassenstromWarm, EinheitMassenstromKalt,
          MassenstromKalt);
    zeile("volumenstrom", EinheitVolumenstromWarm, VolumenstromWarm, EinheitVolumenstromKalt,
          VolumenstromKalt);
    zeile("eintrittstemp", EinheitTEinWarm, TEinWarm, EinheitTEinKalt, TEinKalt);
    // a condensing side leaves as condensate: its outlet stands in that column
    zeile("austrittstemp", EinheitTAusWarm, kond ? 0 : TAusWarm, EinheitTAusKalt, TAusKalt,
          TAusWarm);
    abschnittEnde();

    // fluid properties
    const bool eigen = a_.eigenesWarm || a_.eigenesKalt;
    const bool gasZeile = (a_.gasWarm && !kond) || a_.gasKalt;
    abschnitt("stoffeigenschaften", 4 + (kond ? 2 : 0) + (eigen ? 1 : 0) + (gasZeile ? 1 : 0));
    zeile("viskositaet", EinheitViskositaetWarm, ViskositaetWarm, EinheitViskositaetKalt,
          ViskositaetKalt, KondensatViskositaet);
    if (eigen)
        zeile("viskositaetWand", a_.eigenesWarm ? EinheitViskositaetWandWarm : 0,
              a_.eigenesWarm ? ViskositaetWandWarm : 0,
              a_.eigenesKalt ? EinheitViskositaetWandKalt : 0,
              a_.eigenesKalt ? ViskositaetWandKalt : 0);
    zeile("dichte", EinheitDichteWarm, DichteWarm, EinheitDichteKalt, DichteKalt, KondensatDichte);
    zeile("waermekapazitaet", EinheitCpWarm, CpWarm, EinheitCpKalt, CpKalt, KondensatCp);
    zeile("waermeleitfaehigkeit", EinheitLambdaWarm, LambdaWarm, EinheitLambdaKalt, LambdaKalt,
          KondensatLambda);
    auto strichzeile = [&](const char* key, const std::string& einheit, int wert) {
        beschriftung(s_.links, t(key), s_.einheitWarm);
        text(s_.einheitWarm, einheit, fontA_);
        text(s_.wertWarm, feld(wert), fontA_);
        for (int x : {s_.mitte, s_.einheitKalt, s_.wertKalt}) text(x, kStriche, fontA_);
        naechste();
    };
    if (kond) {
        strichzeile("kondensationsenthalpie_ausdruck", feld(EinheitKondensationsenthalpie),
                    Kondensationsenthalpie);
        strichzeile("dampfdruck", feld(EinheitDruck), Dampfdruck);
    }
    const bool warmTeil = a_.gasWarm && !a_.eigenesWarm && !kond;
    const bool kaltTeil = a_.gasKalt && !a_.eigenesKalt;
    if (warmTeil || kaltTeil) {
        beschriftung(s_.links, t("betriebsdruck"), s_.einheitWarm);
        text(s_.einheitWarm, warmTeil ? feld(EinheitGasDruckWarm) : kStriche, fontA_);
        text(s_.wertWarm, warmTeil ? feld(GasDruckWarm) : kStriche, fontA_);
        if (!warmTeil && kond) text(s_.mitte, kStriche, fontA_);
        text(s_.einheitKalt, kaltTeil ? feld(EinheitGasDruckKalt) : kStriche, fontA_);
        text(s_.wertKalt, kaltTeil ? feld(GasDruckKalt) : kStriche, fontA_);
        naechste();
    }
    abschnittEnde();

    // performance data: one value in the middle column unless both sides have one
    abschnitt("kenndaten", 10);
    auto eineZeile = [&](const char* key, int einheit, const std::string& wert) {
        beschriftung(s_.links, t(key), s_.einheitWarm);
        text(s_.einheitWarm, feld(einheit), fontA_);
        text(s_.mitte, wert, fontA_);
        naechste();
    };
    eineZeile("waermemenge", EinheitLeistung, feld(Leistung));
    eineZeile("austauschfläche", EinheitFlaeche, feld(Flaeche));
    eineZeile("temperaturdifferenz", EinheitTemperaturdifferenz, feld(Lmtd) + "/" + feld(Cmtd));
    eineZeile("durchgangszahl", EinheitK, feld(KErf) + "/" + feld(KEff));
    eineZeile("verschmutzungsfaktor", EinheitFouling, feld(Fouling));
    eineZeile("flaechensicherheit", EinheitSicherheit, feld(Sicherheit));
    zeile("stroemungsverlust", EinheitDruckverlustWarm, DruckverlustWarm, EinheitDruckverlustKalt,
          DruckverlustKalt);
    zeile("wegeinserie", 0, SerienWarm, 0, SerienKalt);
    eineZeile("spaltengesamt", 0, feld(SpaltenGesamt));
    std::string spalten = feld(Anzahl1) + "*" + feld(Spalttyp1);
    if (!feld(Spalttyp2).empty()) spalten += " + " + feld(Anzahl2) + "*" + feld(Spalttyp2);
    eineZeile("spalten", 0, spalten);
    abschnittEnde();

    // design
    abschnitt("konstruktion", 17 + (a_.entleerungVarianteWarm > 0 ? 2 : 0) +
                                  (a_.entleerungVarianteKalt > 0 ? 2 : 0));
    eineZeile("gewicht", EinheitGewicht, t("ca") + " " + feld(Gewicht));
    zeile("inhalt", EinheitInhaltWarm, InhaltWarm, 0, InhaltKalt);
    eineZeile("druck", EinheitDruck, feld(Druck));
    eineZeile("maxtemperatur", EinheitMaxTemperatur, feld(MaxTemperatur));
    naechste();
    dc().drawLine(s_.links - 4, y(), s_.rahmenRechts, y(), kRahmenstift);
    naechste();
    text(s_.links, t("material"), fontA_);
    text(s_.unterspalte, t("platten"), fontA_);
    text(s_.einheitWarm, feld(Plattenmaterial) + " ( " + feld(Plattendicke) + " mm )", fontA_);
    naechste();
    text(s_.unterspalte, t("dichtungen"), fontA_);
    const std::string dichtungKalt = feld(DichtungKalt);
    text(s_.einheitWarm,
         dichtungKalt.empty() || dichtungKalt == feld(DichtungWarm)
             ? feld(DichtungWarm)
             : feld(DichtungWarm) + " / " + dichtungKalt,
         fontA_);
    naechste();
    text(s_.unterspalte, t("gestell"), fontA_);
    text(s_.einheitWarm, feld(Gestell), fontA_);
    naechste();
    text(s_.links, grossAnfang(t("anschluesse")), fontA_);
    anschluss("warmeseite", BelegungWarm, AnschlussWarm, a_.entleerungVarianteWarm,
              a_.entleerungTextWarm, a_.nennweiteTextWarm);
    anschluss("kalteseite", BelegungKalt, AnschlussKalt, a_.entleerungVarianteKalt,
              a_.entleerungTextKalt, a_.nennweiteTextKalt);
    // (the heading below keeps the gap every section has, clear of the frame)
    abschnittEnde();

    // remark, wrapped within its frame
    const auto bemerkung = bemerkungZeilen();
    abschnitt("bemerkung", static_cast<int>(bemerkung.size()));
    for (const std::string& z : bemerkung) {
        text(s_.links, z, fontA_);
        naechste();
    }
    y() -= h_;
    // the customer gave the heat transfer of a user-defined gas
    const bool hinweis =
        (a_.gasWarm && a_.eigenesWarm) || (a_.gasKalt && a_.eigenesKalt && !a_.werksmodus);
    if (hinweis) {
        doc_.vor(3 * h_, h_);
        text(s_.links, t("hinweisalfa"), fontA_);
    }
    return doc_.beenden();
}

}  // namespace

bool druckeSpezifikationsblatt(PageDevice& dc, const CIniEx& sprache,
                               const CDialogProjektDaten& kopf, const Form& felder,
                               const Spezblattangaben& a) {
    return mitSeitenzahl(dc, [&](PageDevice& d, int seiten) {
        return Blatt(d, sprache, kopf, felder, a, seiten).drucken();
    });
}

}  // namespace kal
