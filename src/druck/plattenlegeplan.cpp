#include "plattenlegeplan.h"

#include <algorithm>

#include "blatt.h"
#include "format.h"
#include "projektdaten.h"

namespace kal {

namespace {
// Port holes numbered as the frame plate's nozzles F1 to F4 (0-based):
// top left, top right, bottom right, bottom left. The warm medium enters at
// the top and flows down through odd passes; the cold one counter to it.
constexpr size_t kWarmOben = 0, kKaltOben = 1, kKaltUnten = 2, kWarmUnten = 3;

// The holes a turning plate after pass k closes: both top ones after an
// odd pass, both bottom ones after an even pass.
std::array<size_t, 2> umlenkung(int k) {
    return k % 2 ? std::array<size_t, 2>{kWarmOben, kKaltOben}
                 : std::array<size_t, 2>{kWarmUnten, kKaltUnten};
}
// The holes of the last plate through which the pressure plate's nozzles
// reach the last pass: the top ones after an even pass count.
std::array<size_t, 2> druckplattenseite(int p) {
    return p % 2 ? std::array<size_t, 2>{kWarmUnten, kKaltUnten}
                 : std::array<size_t, 2>{kWarmOben, kKaltOben};
}
}  // namespace

std::vector<Platte> plattenliste(const Plattenlegeangaben& a) {
    const int kanaele = a.spaltenGesamt, p = a.serien;
    if (kanaele <= 0 || kanaele % 2 != 0 || p < 1 || (kanaele / 2) % p != 0) return {};
    const int q = kanaele / 2 / p;  // channels per pass and side
    if (a.anzahl[0] < 0 || a.anzahl[1] < 0 || a.anzahl[0] + a.anzahl[1] != q) return {};
    std::vector<Platte> platten;
    for (int i = 1; i <= kanaele + 1; ++i) {
        Platte pl;
        pl.nummer = i;
        pl.lage = i % 2 ? 'A' : 'B';
        if (i <= kanaele) {
            // channel i lies behind plate i; the two channels of a plate
            // pair share its pattern, so the cold one takes the warm type
            pl.kanalSeite = i % 2 ? 0 : 1;
            pl.serie = (i - 1) / (2 * q) + 1;
            const int paar = ((i - 1) % (2 * q)) / 2;
            pl.kanalSpalttyp = paar < a.anzahl[0] ? a.spalttyp[0] : a.spalttyp[1];
        }
        const int vorSerie = (i - 1) / (2 * q);  // passes in front of the plate
        if (i > 1 && i <= kanaele && (i - 1) % (2 * q) == 0) {
            // turning plate: the ducts that fed the pass before end here
            pl.umlenkplatte = true;
            for (size_t loch : umlenkung(vorSerie)) pl.offen[loch] = false;
        }
        if (i == kanaele + 1) {
            // the last plate closes the pack; after more than one pass the
            // outlets go on through the pressure plate
            pl.endplatte = a.endplatte != 0;
            pl.offen = {false, false, false, false};
            if (p > 1)
                for (size_t loch : druckplattenseite(p)) pl.offen[loch] = true;
        }
        platten.push_back(pl);
    }
    return platten;
}

namespace {

class Plan {
public:
    Plan(PageDevice& dc, const CDialogProjektDaten& kopf, const Plattenlegeangaben& a, int seiten)
        : dc_(dc),
          kopf_(kopf),
          a_(a),
          raster_(dc),
          platten_(plattenliste(a)),
          doc_(
              dc, [this](PageDevice& d, int seite, int n) { return seitenkopf(d, seite, n); },
              seiten) {
        klein_ = schrift(dc, 8);
        kleinFett_ = schrift(dc, 8, true);
        normal_ = schrift(dc, 10);
        zeile_ = dc.lineHeight(8);
        const int w = raster_.breite;
        spalten_ = {static_cast<int>(w * 0.10), static_cast<int>(w * 0.17),
                    static_cast<int>(w * 0.26), static_cast<int>(w * 0.47),
                    static_cast<int>(w * 0.70)};
    }
    bool drucken();

private:
    std::string t(const char* key) const {
        return kopf_.app().getSprache().GetValue(a_.abschnitt, key, "");
    }
    std::string spalttypName(int position) const;
    int seitenkopf(PageDevice& d, int seite, int seiten);
    void tabellenkopf(int y);
    void zeichnung();
    void tabelle();

    PageDevice& dc_;
    const CDialogProjektDaten& kopf_;
    const Plattenlegeangaben& a_;
    Seitenraster raster_;
    std::vector<Platte> platten_;
    Dokument doc_;
    PageFont klein_, kleinFett_, normal_;
    int zeile_ = 0;
    std::array<int, 5> spalten_{};  // number, orientation, ports, channel, remark
};

std::string Plan::spalttypName(int position) const {
    const Spalttyp* s = kopf_.app().getData().getSpalttypListe().internalGetAt(position);
    return s ? s->getName() : "";
}

int Plan::seitenkopf(PageDevice& d, int seite, int seiten) {
    int y = kopf_.KopfDrucken(d, Rechteck{0, 0, d.pageWidth(), d.pageHeight()},
                              a_.geraetekennstring, a_.preisCode, a_.abschnitt, seite, seiten);
    if (seite > 1) {
        tabellenkopf(y);
        y += 2 * zeile_;
    }
    return y;
}

void Plan::tabellenkopf(int y) {
    const char* keys[] = {"platte", "lage", "loecher", "kanal", "bemerkung"};
    for (size_t i = 0; i < spalten_.size(); ++i)
        dc_.drawText(spalten_[i], y, t(keys[i]), kleinFett_);
    dc_.drawLine(spalten_[0], y + zeile_ + zeile_ / 4, static_cast<int>(raster_.breite * 0.92),
                 y + zeile_ + zeile_ / 4, raster_.stift);
}

// Side view of the pack: frame plate, every plate (turning plates bold),
// the port ducts with their blind ends, pressure plate, pass labels.
void Plan::zeichnung() {
    const int links = static_cast<int>(raster_.breite * 0.12);
    const int rechts = static_cast<int>(raster_.breite * 0.90);
    const int hoehe = static_cast<int>(raster_.hoehe * 0.12);
    const int oben = doc_.y + zeile_;
    const int unten = oben + hoehe;
    const int n = static_cast<int>(platten_.size());
    const int gestell = (rechts - links) / 30;
    const int x0 = links + gestell, x1 = rechts - gestell;
    auto xVon = [&](int i) { return x0 + (x1 - x0) * i / (n + 1); };  // plate i, 1-based
    const int stift = raster_.stift;

    dc_.drawRect(links, oben - hoehe / 10, x0, unten + hoehe / 10, 3 * stift);
    dc_.drawRect(x1, oben - hoehe / 10, rechts, unten + hoehe / 10, 3 * stift);
    dc_.drawText((links + x0) / 2, unten + hoehe / 10 + zeile_ / 2, "S", kleinFett_,
                 TextAlign::Center);
    dc_.drawText((x1 + rechts) / 2, unten + hoehe / 10 + zeile_ / 2, "P", kleinFett_,
                 TextAlign::Center);
    for (const Platte& p : platten_) {
        const int x = xVon(p.nummer);
        if (p.umlenkplatte || p.endplatte)
            dc_.drawLine(x, oben - zeile_ / 2, x, unten + zeile_ / 2, 5 * stift);
        else
            dc_.drawLine(x, oben, x, unten, stift);
    }
    // ducts: top (ports 1, 2) and bottom (ports 3, 4) enter through the
    // frame plate and end at every plate that closes them; an outlet open
    // in the last plate leaves through the pressure plate
    const int duktOben = oben + hoehe / 8, duktUnten = unten - hoehe / 8;
    for (size_t port = 0; port < 4; ++port) {
        const int yd = (port < 2 ? duktOben : duktUnten) + (port % 2 ? zeile_ / 3 : -zeile_ / 3);
        const int dick = port % 2 ? stift : 2 * stift;
        const int blind = zeile_ / 4;
        int von = links;
        for (const Platte& p : platten_) {
            if (p.offen[port]) continue;
            const int x = xVon(p.nummer);
            dc_.drawLine(von, yd, x - blind, yd, dick);
            dc_.drawRect(x - blind, yd - blind, x + blind, yd + blind, 2 * stift);
            von = x + blind;
        }
        if (platten_.back().offen[port]) dc_.drawLine(von, yd, rechts, yd, dick);
    }
    // passes
    const int q = a_.spaltenGesamt / 2 / a_.serien;
    for (int s = 1; s <= a_.serien; ++s) {
        const int xa = xVon(2 * q * (s - 1) + 1), xe = xVon(std::min(2 * q * s + 1, n));
        dc_.drawText((xa + xe) / 2, unten + hoehe / 10 + zeile_ / 2,
                     formatiere("%s %d", t("serie").c_str(), s), klein_, TextAlign::Center);
    }
    doc_.y = unten + hoehe / 10 + 3 * zeile_;
    // legend: ports and the pack in figures
    dc_.drawText(
        spalten_[0], doc_.y,
        formatiere("%s: %d   %s: %d   %s: %d", t("platten").c_str(), n, t("serien").c_str(),
                   a_.serien, t("kanaele").c_str(), a_.spaltenGesamt / 2),
        normal_);
    doc_.y += zeile_ + zeile_ / 2;
    for (const std::string& z :
         umbrechen(dc_, t("legende"), klein_, static_cast<int>(raster_.breite * 0.82))) {
        dc_.drawText(spalten_[0], doc_.y, z, klein_);
        doc_.y += zeile_;
    }
    doc_.y += zeile_;
}

void Plan::tabelle() {
    tabellenkopf(doc_.y);
    doc_.y += 2 * zeile_;
    for (const Platte& p : platten_) {
        doc_.platzFuer(zeile_);
        const int y = doc_.y;
        const PageFont& f = p.umlenkplatte || p.endplatte ? kleinFett_ : klein_;
        dc_.drawText(spalten_[0], y, formatiere("%d", p.nummer), f);
        dc_.drawText(spalten_[1], y, p.endplatte ? "E" : std::string(1, p.lage), f);
        std::string ports;
        for (int i = 0; i < 4; ++i)
            ports += p.offen[static_cast<size_t>(i)] ? formatiere("%d   ", i + 1) : "x   ";
        dc_.drawText(spalten_[2], y, ports, f);
        if (p.kanalSeite >= 0)
            dc_.drawText(
                spalten_[3], y,
                formatiere("%s %s  (%s %d)", t(p.kanalSeite == 0 ? "warm" : "kalt").c_str(),
                           spalttypName(p.kanalSpalttyp).c_str(), t("serie").c_str(), p.serie),
                f);
        std::string bemerkung = p.nummer == 1      ? t("ersteplatte")
                                : p.umlenkplatte   ? t("umlenkplatte")
                                : p.endplatte      ? t("endplatte")
                                : p.kanalSeite < 0 ? t("letzteplatte")
                                                   : "";
        dc_.drawText(spalten_[4], y, bemerkung, f);
        doc_.y += zeile_;
    }
}

bool Plan::drucken() {
    if (platten_.empty() || !doc_.anfangen()) return false;
    zeichnung();
    tabelle();
    return doc_.beenden();
}

}  // namespace

bool druckePlattenlegeplan(PageDevice& dc, const CDialogProjektDaten& kopf,
                           const Plattenlegeangaben& a) {
    return mitSeitenzahl(
        dc, [&](PageDevice& d, int seiten) { return Plan(d, kopf, a, seiten).drucken(); });
}

}  // namespace kal
