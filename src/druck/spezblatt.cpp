#include "druck/spezblatt.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "druck/blatt.h"
#include "druck/projektdaten.h"
#include "ids/dialog_ids.h"

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

// The columns of a row, left to right; R is the frame's right edge.
enum Spalte { L, S, UW, VW, VM, UC, VC, R, kSpalten };

std::array<int, kSpalten> positionen(const Spezspalten& s) {
    return {s.links, s.unterspalte, s.einheitWarm, s.wertWarm,
            s.mitte, s.einheitKalt, s.wertKalt,    s.rahmenRechts};
}

// "connections" also ends a dialog caption; here it starts the line.
std::string grossAnfang(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

struct Zelle {
    Spalte spalte;
    std::string text;
    const PageFont* font;
};

// The room the rows' texts need: for each column, the widest text before
// the next column used in the same row.
class Spaltenbedarf {
public:
    void zeile(const PageDevice& dc, const std::vector<Zelle>& zellen, int abstand) {
        for (size_t i = 0; i < zellen.size(); ++i) {
            const int w = dc.textWidth(zellen[i].text, *zellen[i].font) + abstand;
            if (zellen[i].spalte == L) {
                beschriftung_ = std::max(beschriftung_, w);
                continue;  // a caption gives way: it is set smaller
            }
            int& b = breite_[{zellen[i].spalte, i + 1 < zellen.size() ? zellen[i + 1].spalte : R}];
            b = std::max(b, w);
        }
    }
    // The columns at their fractions of the width unless a text needs more
    // room: the columns right of it move right, then as far as the frame's
    // edge requires back left, but leaving the captions at least 60 % of
    // their room (where even that is too little, texts are set smaller).
    Spezspalten loesen(Spezspalten s) const {
        std::array<int, kSpalten> x = positionen(s);
        for (int j = UW; j < R; ++j)
            for (const auto& [paar, b] : breite_)
                if (paar.second == j) x[j] = std::max(x[j], x[paar.first] + b);
        int boden = x[L] + std::min(x[UW] - x[L], beschriftung_ * 6 / 10);
        if (auto it = breite_.find({S, UW}); it != breite_.end())
            boden = std::max(boden, x[S] + it->second);
        for (int i = VC; i >= UW; --i) {
            for (const auto& [paar, b] : breite_)
                if (paar.first == i) x[i] = std::min(x[i], x[paar.second] - b);
            x[i] = std::max(x[i], i == UW ? boden : x[i - 1] + 1);
        }
        s.einheitWarm = x[UW];
        s.wertWarm = x[VW];
        s.mitte = x[VM];
        s.einheitKalt = x[UC];
        s.wertKalt = x[VC];
        return s;
    }

private:
    std::map<std::pair<int, int>, int> breite_;
    int beschriftung_ = 0;
};

class Blatt {
public:
    Blatt(PageDevice& dc, const CIniEx& sprache, const CDialogProjektDaten& kopf, const Form& f,
          const Spezblattangaben& a, const Spezspalten& s, int seiten, Spaltenbedarf* bedarf)
        : f_(f),
          a_(a),
          sprache_(sprache),
          x_(positionen(s)),
          bedarf_(bedarf),
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
    int abstand() const { return h_ / 2; }
    void text(int x, const std::string& s, const PageFont& font) {
        if (!s.empty()) dc().drawText(x, y(), s, font, TextAlign::Left);
    }
    // One row: each text in its column, set smaller where it would reach
    // the next text of the row; then y moves on by `schritt`.
    void zellen(std::vector<Zelle> z, int schritt);
    void zweiSpalten(const std::string& warm, const std::string& kalt, const PageFont& font,
                     int schritt);
    // Opens a section: its heading (none for the first) and a frame of
    // `zeilen` lines, kept together on one page.
    void abschnitt(const char* ueberschrift, int zeilen);
    // Leaves the section: one line below its frame.
    void abschnittEnde() { y() = rahmenUnten_ + h_ + 5; }
    void zeile(const char* key, int einheitW, int wertW, int einheitK, int wertK,
               int zweiterWertW = 0);
    // A row of one value in the middle column.
    void eineZeile(const char* key, int einheit, const std::string& wert);
    void naechste(int zeilen = 1) { y() += zeilen * h_; }
    // A text from UW within the frame, on as many lines as it needs.
    std::vector<std::string> bisRahmen(const std::string& s) {
        return umbrechen(dc(), s, fontA_, x_[R] - x_[UW] - abstand());
    }
    std::vector<std::string> anschlussText(int feldId, int entleerung,
                                           const std::string& entleerungText,
                                           const std::string& nennweite);
    // A side's connection: `seite` at S, its nozzles and lines at UW; the
    // first side also names the rows (`ueberschrift` at L).
    void anschluss(const char* seite, int belegung, const std::vector<std::string>& zeilen,
                   const char* ueberschrift);
    std::vector<std::string> bemerkungZeilen();

    const Form& f_;
    const Spezblattangaben& a_;
    const CIniEx& sprache_;
    std::array<int, kSpalten> x_;
    Spaltenbedarf* bedarf_;
    int h_, gross_;
    Dokument doc_;
    // unit labels share the text font: Qt selects no character set
    PageFont fontA_, fontC_, fontD_;
    int rahmenUnten_ = 0;
};

void Blatt::zellen(std::vector<Zelle> z, int schritt) {
    std::erase_if(z, [](const Zelle& c) { return c.text.empty(); });
    if (bedarf_) bedarf_->zeile(dc(), z, abstand());
    for (size_t i = 0; i < z.size(); ++i) {
        const int x = x_[z[i].spalte];
        const int bis = (i + 1 < z.size() ? x_[z[i + 1].spalte] : x_[R]) - abstand();
        text(x, z[i].text, passend(dc(), z[i].text, *z[i].font, bis - x));
    }
    y() += schritt;
}

void Blatt::zweiSpalten(const std::string& warm, const std::string& kalt, const PageFont& font,
                        int schritt) {
    // long texts wrap within their column instead of running into the next
    const auto w = umbrechen(dc(), warm, font, x_[UC] - x_[UW] - abstand());
    const auto k = umbrechen(dc(), kalt, font, x_[R] - x_[UC] - abstand());
    const size_t n = std::max<size_t>({w.size(), k.size(), 1});
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) doc_.vor(schritt, schritt);
        if (i < w.size()) text(x_[UW], w[i], font);
        if (i < k.size()) text(x_[UC], k[i], font);
    }
    y() += schritt;
}

void Blatt::abschnitt(const char* ueberschrift, int zeilen) {
    const int hoehe = zeilen * h_ + 20;
    if (ueberschrift) {
        doc_.platzFuer(gross_ + hoehe);
        text(x_[L], t(ueberschrift), fontC_);
        y() += gross_;
    } else {
        doc_.platzFuer(hoehe);
    }
    rahmenUnten_ = y() + hoehe;
    dc().drawRect(x_[L] - 4, y(), x_[R], rahmenUnten_, kRahmenstift);
    y() += 5;
}

void Blatt::zeile(const char* key, int einheitW, int wertW, int einheitK, int wertK,
                  int zweiterWertW) {
    zellen({{L, t(key), &fontA_},
            {UW, feld(einheitW), &fontA_},
            {VW, feld(wertW), &fontA_},
            {VM, a_.kondensation ? feld(zweiterWertW) : std::string(), &fontA_},
            {UC, feld(einheitK), &fontA_},
            {VC, feld(wertK), &fontA_}},
           h_);
}

void Blatt::eineZeile(const char* key, int einheit, const std::string& wert) {
    zellen({{L, t(key), &fontA_}, {UW, feld(einheit), &fontA_}, {VM, wert, &fontA_}}, h_);
}

// The lines of a connection at UW: its text split after the second comma
// (always two lines, the second may be empty), then the drain lines; each
// part wraps within the frame.
std::vector<std::string> Blatt::anschlussText(int feldId, int entleerung,
                                              const std::string& entleerungText,
                                              const std::string& nennweite) {
    const auto [erste, zweite] = anschlussZeilen(feld(feldId));
    std::vector<std::string> zeilen = bisRahmen(erste);
    if (zeilen.empty()) zeilen.emplace_back();
    for (std::string& z : bisRahmen(zweite)) zeilen.push_back(std::move(z));
    if (zeilen.size() < 2) zeilen.emplace_back();
    if (entleerung > 0)
        for (const std::string* s : {&entleerungText, &nennweite}) {
            auto teil = bisRahmen(*s);
            if (teil.empty()) teil.emplace_back();
            for (std::string& z : teil) zeilen.push_back(std::move(z));
        }
    return zeilen;
}

void Blatt::anschluss(const char* seite, int belegung, const std::vector<std::string>& zeilen,
                      const char* ueberschrift) {
    zellen({{L, ueberschrift ? grossAnfang(t(ueberschrift)) : "", &fontA_},
            {S, t(seite), &fontA_},
            {UW, feld(belegung) + " : ", &fontA_}},
           h_);
    for (const std::string& z : zeilen) {
        text(x_[UW], z, fontA_);
        naechste();
    }
    naechste();  // one empty line
}

std::vector<std::string> Blatt::bemerkungZeilen() {
    auto zeilen = umbrechen(dc(), feld(Bemerkung), fontA_, x_[R] - x_[L] - abstand());
    if (zeilen.empty()) zeilen.emplace_back();
    return zeilen;
}

bool Blatt::drucken() {
    if (!doc_.anfangen()) return false;
    const bool kond = a_.kondensation;
    y() += h_;
    // title and media
    zellen({{L, t("techdaten"), &fontD_},
            {UW, t("warmeseite"), &fontD_},
            {UC, t("kalteseite"), &fontD_}},
           2 * gross_);
    text(x_[L], t("medien"), fontC_);
    zweiSpalten(feld(MediumWarm), feld(MediumKalt), fontC_, gross_);
    if (!feld(BemerkungWarm).empty() || !feld(BemerkungKalt).empty())
        zweiSpalten(feld(BemerkungWarm), feld(BemerkungKalt), fontA_, gross_);
    if (kond) zellen({{VW, t("dampf"), &fontA_}, {VM, t("kondensat"), &fontA_}}, gross_);

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
        zellen({{L, t(key), &fontA_},
                {UW, einheit, &fontA_},
                {VW, feld(wert), &fontA_},
                {VM, kStriche, &fontA_},
                {UC, kStriche, &fontA_},
                {VC, kStriche, &fontA_}},
               h_);
    };
    if (kond) {
        strichzeile("kondensationsenthalpie_ausdruck", feld(EinheitKondensationsenthalpie),
                    Kondensationsenthalpie);
        strichzeile("dampfdruck", feld(EinheitDruck), Dampfdruck);
    }
    const bool warmTeil = a_.gasWarm && !a_.eigenesWarm && !kond;
    const bool kaltTeil = a_.gasKalt && !a_.eigenesKalt;
    if (warmTeil || kaltTeil)
        zellen({{L, t("betriebsdruck"), &fontA_},
                {UW, warmTeil ? feld(EinheitGasDruckWarm) : kStriche, &fontA_},
                {VW, warmTeil ? feld(GasDruckWarm) : kStriche, &fontA_},
                {VM, !warmTeil && kond ? kStriche : std::string(), &fontA_},
                {UC, kaltTeil ? feld(EinheitGasDruckKalt) : kStriche, &fontA_},
                {VC, kaltTeil ? feld(GasDruckKalt) : kStriche, &fontA_}},
               h_);
    abschnittEnde();

    // performance data: one value in the middle column unless both sides have one
    abschnitt("kenndaten", 10);
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

    // design: the frame holds the connection texts as they wrap
    const auto warm = anschlussText(AnschlussWarm, a_.entleerungVarianteWarm, a_.entleerungTextWarm,
                                    a_.nennweiteTextWarm);
    const auto kalt = anschlussText(AnschlussKalt, a_.entleerungVarianteKalt, a_.entleerungTextKalt,
                                    a_.nennweiteTextKalt);
    abschnitt("konstruktion", 13 + static_cast<int>(warm.size() + kalt.size()));
    eineZeile("gewicht", EinheitGewicht, t("ca") + " " + feld(Gewicht));
    zeile("inhalt", EinheitInhaltWarm, InhaltWarm, 0, InhaltKalt);
    eineZeile("druck", EinheitDruck, feld(Druck));
    eineZeile("maxtemperatur", EinheitMaxTemperatur, feld(MaxTemperatur));
    naechste();
    dc().drawLine(x_[L] - 4, y(), x_[R], y(), kRahmenstift);
    naechste();
    zellen({{L, t("material"), &fontA_},
            {S, t("platten"), &fontA_},
            {UW, feld(Plattenmaterial) + " ( " + feld(Plattendicke) + " mm )", &fontA_}},
           h_);
    const std::string dichtungKalt = feld(DichtungKalt);
    zellen({{S, t("dichtungen"), &fontA_},
            {UW,
             dichtungKalt.empty() || dichtungKalt == feld(DichtungWarm)
                 ? feld(DichtungWarm)
                 : feld(DichtungWarm) + " / " + dichtungKalt,
             &fontA_}},
           h_);
    zellen({{S, t("gestell"), &fontA_}, {UW, feld(Gestell), &fontA_}}, h_);
    anschluss("warmeseite", BelegungWarm, warm, "anschluesse");
    anschluss("kalteseite", BelegungKalt, kalt, nullptr);
    // (the heading below keeps the gap every section has, clear of the frame)
    abschnittEnde();

    // remark, wrapped within its frame
    const auto bemerkung = bemerkungZeilen();
    abschnitt("bemerkung", static_cast<int>(bemerkung.size()));
    for (const std::string& z : bemerkung) {
        text(x_[L], z, fontA_);
        naechste();
    }
    y() -= h_;
    // the customer gave the heat transfer of a user-defined gas
    const bool hinweis =
        (a_.gasWarm && a_.eigenesWarm) || (a_.gasKalt && a_.eigenesKalt && !a_.werksmodus);
    if (hinweis) {
        doc_.vor(3 * h_, h_);
        for (const std::string& z :
             umbrechen(dc(), t("hinweisalfa"), fontA_, x_[R] - x_[L] - abstand())) {
            text(x_[L], z, fontA_);
            y() += h_;
        }
    }
    return doc_.beenden();
}

}  // namespace

bool druckeSpezifikationsblatt(PageDevice& dc, const CIniEx& sprache,
                               const CDialogProjektDaten& kopf, const Form& felder,
                               const Spezblattangaben& a) {
    // the room the texts need, measured on a run that draws nothing, sets
    // the columns; then the pages are counted and drawn
    Spaltenbedarf bedarf;
    Zaehlseite messen(dc);
    const Spezspalten vorgabe(dc.pageWidth());
    if (!Blatt(messen, sprache, kopf, felder, a, vorgabe, 0, &bedarf).drucken()) return false;
    const Spezspalten spalten = bedarf.loesen(vorgabe);
    return mitSeitenzahl(dc, [&](PageDevice& d, int seiten) {
        return Blatt(d, sprache, kopf, felder, a, spalten, seiten, nullptr).drucken();
    });
}

}  // namespace kal
