#include "druck/plattenlegeplan.h"

#include <algorithm>
#include <cctype>

#include "datalib/format.h"
#include "druck/blatt.h"
#include "druck/projektdaten.h"

namespace kal {

namespace {
constexpr std::array<int, 2> kOben{0, 1}, kUnten{2, 3};

struct Stutzen {
    bool druckplatte;
    int loch;
};

// The nozzles a text names, in order: "F1 => P4", "F4, P1".
std::vector<Stutzen> stutzenIn(const std::string& text) {
    std::vector<Stutzen> s;
    auto ziffer = [&](size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        const bool allein = i == 0 || !std::isalnum(static_cast<unsigned char>(text[i - 1]));
        if ((c == 'F' || c == 'P') && allein && text[i + 1] >= '1' && text[i + 1] <= '4' &&
            !ziffer(i + 2))
            s.push_back({c == 'P', text[i + 1] - '1'});
    }
    return s;
}
}  // namespace

Stutzenanordnung stutzenanordnung(const Plattenlegeangaben& a) {
    Stutzenanordnung s;
    const std::vector<Stutzen> warm = stutzenIn(a.belegungMediumWarm);
    if (warm.empty() || warm.front().druckplatte) return s;
    s.warmEintritt = warm.front().loch;
    // the cold medium keeps to the other two holes, or the texts describe
    // no pack this plan can draw
    for (const std::string* t : {&a.belegungMediumWarm, &a.belegungEntleerungWarm})
        for (const Stutzen& z : stutzenIn(*t))
            if (!s.warmLoch(z.loch)) return {};
    for (const std::string* t : {&a.belegungMediumKalt, &a.belegungEntleerungKalt})
        for (const Stutzen& z : stutzenIn(*t))
            if (s.warmLoch(z.loch)) return {};
    for (const std::string* t : {&a.belegungMediumWarm, &a.belegungMediumKalt,
                                 &a.belegungEntleerungWarm, &a.belegungEntleerungKalt})
        for (const Stutzen& z : stutzenIn(*t))
            (z.druckplatte ? s.druckplatte : s.gestellplatte)[static_cast<size_t>(z.loch)] = true;
    s.bekannt = true;
    return s;
}

std::vector<Platte> plattenliste(const Plattenlegeangaben& a) {
    const int kanaele = a.spaltenGesamt, p = a.serien;
    if (kanaele <= 0 || kanaele % 2 != 0 || p < 1 || (kanaele / 2) % p != 0) return {};
    const int q = kanaele / 2 / p;  // channels per pass and side
    if (a.anzahl[0] < 0 || a.anzahl[1] < 0 || a.anzahl[0] + a.anzahl[1] != q) return {};
    auto name = [&](int position) {
        return position >= 0 && position < static_cast<int>(a.spalttypNamen.size())
                   ? a.spalttypNamen[static_cast<size_t>(position)]
                   : std::string();
    };
    // a channel type's plate patterns are the two letters of its name
    auto muster = [&](int typ, size_t platte) {
        const std::string n = name(typ);
        return n.size() == 2 ? n[platte] : '?';
    };
    const int erster = a.anzahl[0] > 0 ? a.spalttyp[0] : a.spalttyp[1];
    const int letzter = a.anzahl[1] > 0 ? a.spalttyp[1] : a.spalttyp[0];

    std::vector<Platte> platten;
    for (int i = 1; i <= kanaele + 1; ++i) {
        Platte pl;
        pl.nummer = i;
        pl.lage = i % 2 ? 'A' : 'B';
        const int k = (i - 1) % (2 * q);  // place in its pass
        if (i <= kanaele) {
            // each pass repeats the warm channels' types in their order
            const int paar = k / 2;
            pl.muster = muster(paar < a.anzahl[0] ? a.spalttyp[0] : a.spalttyp[1],
                               static_cast<size_t>(k % 2));
            pl.kanalSeite = i % 2 ? 0 : 1;
            pl.serie = (i - 1) / (2 * q) + 1;
            if (pl.kanalSeite == 0)
                pl.kanalSpalttyp = paar < a.anzahl[0] ? a.spalttyp[0] : a.spalttyp[1];
        } else {
            // the last cold channel as the search counts it: closed by the
            // first plate of the first type after several passes, of the
            // last type after one
            pl.muster = muster(p > 1 ? erster : letzter, 0);
            pl.endplatte = a.endplatte != 0;
        }
        pl.umlenkplatte = i > 1 && i <= kanaele && k == 0;
        platten.push_back(pl);
    }
    // a channel is named by the patterns of the plates around it; a cold
    // one takes the type of that name
    for (size_t i = 0; i + 1 < platten.size(); ++i) {
        Platte& pl = platten[i];
        if (pl.muster != '?' && platten[i + 1].muster != '?')
            pl.kanalName = {pl.muster, platten[i + 1].muster};
        else if (pl.kanalSeite == 0)
            pl.kanalName = name(pl.kanalSpalttyp);
        if (pl.kanalSeite == 1) {
            const auto it = std::find(a.spalttypNamen.begin(), a.spalttypNamen.end(), pl.kanalName);
            pl.kanalSpalttyp = pl.kanalName.empty() || it == a.spalttypNamen.end()
                                   ? -1
                                   : static_cast<int>(it - a.spalttypNamen.begin());
        }
    }

    // open holes from the nozzle arrangement: the first plate passes the
    // frame plate's nozzles, the last one the pressure plate's, and each
    // turning plate closes the two holes on the side where the pass before
    // it was entered (the warm inlet's side after an odd pass)
    const Stutzenanordnung an = stutzenanordnung(a);
    if (an.bekannt) {
        platten.front().offen = an.gestellplatte;
        for (Platte& pl : platten) {
            if (!pl.umlenkplatte) continue;
            const int vorher = (pl.nummer - 1) / (2 * q);
            const bool oben = an.eintrittOben() == (vorher % 2 == 1);
            for (int loch : oben ? kOben : kUnten) pl.offen[static_cast<size_t>(loch)] = false;
        }
        platten.back().offen = an.druckplatte;
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
          anordnung_(stutzenanordnung(a)),
          doc_(
              dc, [this](PageDevice& d, int seite, int n) { return seitenkopf(d, seite, n); },
              seiten) {
        klein_ = schrift(dc, 8);
        kleinFett_ = schrift(dc, 8, true);
        normal_ = schrift(dc, 10);
        fett_ = schrift(dc, 10, true);
        zeile_ = dc.lineHeight(8);
        const int w = raster_.breite;
        spalten_ = {static_cast<int>(w * 0.10), static_cast<int>(w * 0.16),
                    static_cast<int>(w * 0.23), static_cast<int>(w * 0.31),
                    static_cast<int>(w * 0.48), static_cast<int>(w * 0.69)};
        ende_ = raster_.rechts - zeile_;
    }
    bool drucken();

private:
    std::string t(const char* key) const {
        return kopf_.app().getSprache().GetValue(a_.abschnitt, key, "");
    }
    int seitenkopf(PageDevice& d, int seite, int seiten);
    // The texts of one table row, each within its column.
    void tabellenzeile(int y, const std::array<std::string, 6>& texte, const PageFont& f);
    void tabellenkopf(int y);
    void zeichnung();
    void legende();
    void tabelle();

    PageDevice& dc_;
    const CDialogProjektDaten& kopf_;
    const Plattenlegeangaben& a_;
    Seitenraster raster_;
    std::vector<Platte> platten_;
    Stutzenanordnung anordnung_;
    Dokument doc_;
    PageFont klein_, kleinFett_, normal_, fett_;
    int zeile_ = 0;
    // number, orientation, pattern, ports, channel, remark
    std::array<int, 6> spalten_{};
    int ende_ = 0;  // right end of the table and the texts
};

int Plan::seitenkopf(PageDevice& d, int seite, int seiten) {
    int y = kopf_.KopfDrucken(d, Rechteck{0, 0, d.pageWidth(), d.pageHeight()},
                              a_.geraetekennstring, a_.preisCode, a_.abschnitt, seite, seiten);
    if (seite > 1) {
        tabellenkopf(y);
        y += 2 * zeile_;
    }
    return y;
}

void Plan::tabellenzeile(int y, const std::array<std::string, 6>& texte, const PageFont& f) {
    for (size_t i = 0; i < texte.size(); ++i) {
        const int bis = (i + 1 < spalten_.size() ? spalten_[i + 1] : ende_) - zeile_ / 2;
        dc_.drawText(spalten_[i], y, texte[i], passend(dc_, texte[i], f, bis - spalten_[i]));
    }
}

void Plan::tabellenkopf(int y) {
    tabellenzeile(y,
                  {t("platte"), t("lage"), t("muster"), t("loecher"), t("kanal"), t("bemerkung")},
                  kleinFett_);
    dc_.drawLine(spalten_[0], y + zeile_ + zeile_ / 4, ende_, y + zeile_ + zeile_ / 4,
                 raster_.stift);
}

// Side view of the pack: frame plate, every plate (turning plates bold),
// the port ducts with their blind ends (the warm ones bold), the nozzles
// named at both frame plates, pressure plate, pass labels.
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
    // ducts: top (holes 1, 2) and bottom (3, 4), from a nozzle or the plate
    // that starts them to the plate that closes them or a nozzle
    const int duktOben = oben + hoehe / 8, duktUnten = unten - hoehe / 8;
    if (anordnung_.bekannt) {
        for (size_t loch = 0; loch < 4; ++loch) {
            const int yd = (loch < 2 ? duktOben : duktUnten) + (loch % 2 ? 2 : -2) * zeile_ / 3;
            const int dick = anordnung_.warmLoch(static_cast<int>(loch)) ? 3 * stift : stift;
            const int blind = zeile_ / 4;
            int von = links;
            for (const Platte& p : platten_) {
                if (p.offen[loch]) continue;
                const int x = xVon(p.nummer);
                if (p.nummer > 1) dc_.drawLine(von, yd, x - blind, yd, dick);
                dc_.drawRect(x - blind, yd - blind, x + blind, yd + blind, 2 * stift);
                von = x + blind;
            }
            if (platten_.back().offen[loch]) dc_.drawLine(von, yd, rechts, yd, dick);
            const std::string nummer = std::to_string(loch + 1);
            if (anordnung_.gestellplatte[loch])
                dc_.drawText(links - zeile_ / 2, yd - klein_.height / 2, "F" + nummer, kleinFett_,
                             TextAlign::Right);
            if (anordnung_.druckplatte[loch])
                dc_.drawText(rechts + zeile_ / 2, yd - klein_.height / 2, "P" + nummer, kleinFett_,
                             TextAlign::Left);
        }
    }
    // passes
    const int q = a_.spaltenGesamt / 2 / a_.serien;
    for (int s = 1; s <= a_.serien; ++s) {
        const int xa = xVon(2 * q * (s - 1) + 1), xe = xVon(std::min(2 * q * s + 1, n));
        dc_.drawText((xa + xe) / 2, unten + hoehe / 10 + zeile_ / 2,
                     formatiere("%s %d", t("serie").c_str(), s), klein_, TextAlign::Center);
    }
    doc_.y = unten + hoehe / 10 + 3 * zeile_;
}

// The pack in figures, where the warm medium enters and how both media
// run, and what the table's letters mean.
void Plan::legende() {
    const int breite = ende_ - spalten_[0];
    auto absatz = [&](const std::string& text, const PageFont& f) {
        for (const std::string& z : umbrechen(dc_, text, f, breite)) {
            doc_.platzFuer(f.height);
            dc_.drawText(spalten_[0], doc_.y, z, f);
            doc_.y += f.height + f.height / 4;
        }
    };
    absatz(formatiere("%s: %d   %s: %d   %s: %d", t("platten").c_str(),
                      static_cast<int>(platten_.size()), t("serien").c_str(), a_.serien,
                      t("kanaele").c_str(), a_.spaltenGesamt / 2),
           normal_);
    if (anordnung_.bekannt)
        absatz(formatiere("%s: F%d (%s)", t("warmeintritt").c_str(), anordnung_.warmEintritt + 1,
                          t(anordnung_.eintrittOben() ? "oben" : "unten").c_str()),
               fett_);
    else
        absatz(t("ohneanordnung"), fett_);
    std::string wege =
        formatiere("%s: %s   %s: %s", t("warmmedium").c_str(), a_.belegungMediumWarm.c_str(),
                   t("kaltmedium").c_str(), a_.belegungMediumKalt.c_str());
    if (!stutzenIn(a_.belegungEntleerungWarm).empty() ||
        !stutzenIn(a_.belegungEntleerungKalt).empty())
        wege += formatiere("   %s: %s / %s", t("entleerung").c_str(),
                           a_.belegungEntleerungWarm.c_str(), a_.belegungEntleerungKalt.c_str());
    absatz(wege, normal_);
    absatz(t("legende"), klein_);
    doc_.y += zeile_;
}

void Plan::tabelle() {
    tabellenkopf(doc_.y);
    doc_.y += 2 * zeile_;
    for (const Platte& p : platten_) {
        doc_.platzFuer(zeile_);
        std::string ports;
        for (size_t i = 0; i < 4; ++i)
            ports += !anordnung_.bekannt ? (i ? "" : "-")
                     : p.offen[i]        ? formatiere("%d   ", static_cast<int>(i) + 1)
                                         : std::string("x   ");
        std::string kanal;
        if (p.kanalSeite >= 0)
            kanal = formatiere("%s %s  (%s %d)", t(p.kanalSeite == 0 ? "warm" : "kalt").c_str(),
                               p.kanalName.c_str(), t("serie").c_str(), p.serie);
        const std::string bemerkung = p.nummer == 1      ? t("ersteplatte")
                                      : p.umlenkplatte   ? t("umlenkplatte")
                                      : p.endplatte      ? t("endplatte")
                                      : p.kanalSeite < 0 ? t("letzteplatte")
                                                         : "";
        tabellenzeile(doc_.y,
                      {formatiere("%d", p.nummer), p.endplatte ? "E" : std::string(1, p.lage),
                       std::string(1, p.muster), ports, kanal, bemerkung},
                      p.umlenkplatte || p.endplatte ? kleinFett_ : klein_);
        doc_.y += zeile_;
    }
}

bool Plan::drucken() {
    if (platten_.empty() || !doc_.anfangen()) return false;
    zeichnung();
    legende();
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
