#include "druck/kennlinienblatt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <span>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "druck/blatt.h"
#include "druck/projektdaten.h"

namespace kal {

namespace {

constexpr unsigned kFarbeWarm = 0xC0392B, kFarbeKalt = 0x1F5FBF, kFarbeLeistung = 0x202020,
                   kFarbeGitter = 0xB0B0B0;
// the points' curves apart by pattern, their marks by shape
constexpr std::array<PenStyle, 3> kMuster = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot};
constexpr int kFormen = 4;  // square, diamond, triangle, octagon

std::string einsetzen(const std::string& text, const std::vector<std::string>& teile) {
    return kal::einsetzen(text, std::span<const std::string>(teile));
}

// A scale of round steps (1, 2, 5 times a power of ten) over [lo, hi].
struct Skala {
    double von = 0.0, bis = 1.0, schritt = 1.0;
    int stellen = 0;  // decimals of the tick labels
    Skala(double lo, double hi, int teile) {
        if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0.0, hi = 1.0;
        if (hi - lo < 1e-9 * std::max(1.0, std::fabs(hi))) {
            const double rand = std::max(std::fabs(hi) * 0.1, 1.0);
            lo -= rand, hi += rand;
        }
        const double roh = (hi - lo) / teile;
        const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
        const double f = roh / zehner;
        schritt = (f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 5.0 ? 5.0 : 10.0) * zehner;
        von = std::floor(lo / schritt + 1e-9) * schritt;
        bis = std::ceil(hi / schritt - 1e-9) * schritt;
        stellen = std::max(0, static_cast<int>(std::ceil(-std::log10(schritt) - 1e-9)));
    }
    std::vector<double> marken() const {
        std::vector<double> m;
        for (int i = 0; von + i * schritt <= bis + schritt * 1e-6; ++i)
            m.push_back(von + i * schritt);
        return m;
    }
    std::string text(double x) const {
        if (std::fabs(x) < schritt * 1e-6) x = 0.0;
        return formatiere("%.*f", stellen, x);
    }
};

// One quantity of a chart: how it is read from a value, its colour.
struct Groesse {
    double (*lesen)(const Kennlinienwert&);
    unsigned farbe;
};

class Blatt {
public:
    Blatt(PageDevice& dc, const CDialogProjektDaten& kopf, const Kennlinienblattangaben& a,
          int seiten)
        : dc_(dc),
          kopf_(kopf),
          a_(a),
          raster_(dc),
          doc_(
              dc,
              [this](PageDevice& d, int seite, int n) {
                  return kopf_.KopfDrucken(d, Rechteck{0, 0, d.pageWidth(), d.pageHeight()},
                                           a_.geraetekennstring, a_.preisCode, a_.abschnitt, seite,
                                           n);
              },
              seiten) {
        klein_ = schrift(dc, 8);
        normal_ = schrift(dc, 9);
        fett_ = schrift(dc, 9, true);
        gross_ = schrift(dc, 10, true);
        zeile_ = dc.lineHeight(9);
        links_ = raster_.links + zeile_;
        rechts_ = raster_.rechts - zeile_;
    }
    bool drucken();

private:
    std::string t(const char* key) const {
        return kopf_.app().getSprache().GetValue(a_.abschnitt, key, "");
    }
    void absatz(const std::string& text, const PageFont& f);
    void legende();
    // A sample of a curve's line (and mark) at x, centred on the text line at y.
    int muster(int x, int y, const PagePen& pen, int form);
    void marke(int x, int y, int form);
    void diagramm(const std::string& titel, const std::vector<Groesse>& groessen, bool nullAn,
                  bool grenzen, int oben, int hoehe, int achseLinks, const Skala& sx);
    Skala skala(const std::vector<Groesse>& groessen, bool nullAn, bool grenzen) const;

    PageDevice& dc_;
    const CDialogProjektDaten& kopf_;
    const Kennlinienblattangaben& a_;
    Seitenraster raster_;
    Dokument doc_;
    PageFont klein_, normal_, fett_, gross_;
    int zeile_ = 0, links_ = 0, rechts_ = 0;
};

void Blatt::absatz(const std::string& text, const PageFont& f) {
    for (const std::string& z : umbrechen(dc_, text, f, rechts_ - links_)) {
        dc_.drawText(links_, doc_.y, z, f);
        doc_.y += f.height + f.height / 4;
    }
}

void Blatt::marke(int x, int y, int form) {
    const int r = klein_.height / 3;
    std::vector<PagePoint> p;
    switch (form % kFormen) {
        case 0:
            p = {{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}, {x - r, y - r}};
            break;
        case 1:
            p = {{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}, {x, y - r}};
            break;
        case 2:
            p = {{x, y - r}, {x + r, y + r}, {x - r, y + r}, {x, y - r}};
            break;
        default:
            for (int i = 0; i <= 8; ++i) {
                const double w = i * 3.14159265358979 / 4;
                p.push_back(
                    {x + static_cast<int>(r * std::cos(w)), y + static_cast<int>(r * std::sin(w))});
            }
    }
    dc_.drawPolyline(p, PagePen{2 * raster_.stift, 0x000000, PenStyle::Solid});
}

int Blatt::muster(int x, int y, const PagePen& pen, int form) {
    const int laenge = 3 * zeile_, mitte = y + normal_.height / 2;
    dc_.drawPolyline({{x, mitte}, {x + laenge, mitte}}, pen);
    if (form >= 0) marke(x + laenge / 2, mitte, form);
    return x + laenge + zeile_ / 2;
}

// What the lines and marks stand for, in rows as wide as the page allows.
void Blatt::legende() {
    const int stift = raster_.stift;
    struct Eintrag {
        PagePen pen;
        int form;
        std::string text;
    };
    std::vector<Eintrag> e = {
        {{3 * stift, kFarbeWarm, PenStyle::Solid}, -1, t("warm")},
        {{3 * stift, kFarbeKalt, PenStyle::Solid}, -1, t("kalt")},
        {{2 * stift, kFarbeLeistung, PenStyle::DashDot}, -1, t("zulaessig")},
    };
    for (size_t i = 0; i < a_.kurven.size(); ++i)
        e.push_back({{3 * stift, kFarbeLeistung, kMuster[i % kMuster.size()]},
                     static_cast<int>(i),
                     einsetzen(t("punkt"), {std::to_string(i + 1)})});
    int x = links_;
    for (const Eintrag& x0 : e) {
        const PageFont f = passend(dc_, x0.text, normal_, rechts_ - links_ - 4 * zeile_);
        const int breite = 3 * zeile_ + zeile_ / 2 + dc_.textWidth(x0.text, f) + 2 * zeile_;
        if (x > links_ && x + breite > rechts_) {
            x = links_;
            doc_.y += zeile_ + zeile_ / 2;
        }
        const int tx = muster(x, doc_.y, x0.pen, x0.form);
        dc_.drawText(tx, doc_.y, x0.text, f);
        x += breite;
    }
    doc_.y += zeile_ + zeile_ / 2;
    absatz(t("markiert"), klein_);
    // the shares where a point's pack could not be rated
    for (size_t i = 0; i < a_.kurven.size(); ++i) {
        std::string liste;
        for (const Kennlinienwert& w : a_.kurven[i].werte)
            if (!w.gueltig) liste += (liste.empty() ? "" : ", ") + formatiere("%g", w.anteil);
        if (!liste.empty())
            absatz(
                einsetzen(t("ungueltig"), {einsetzen(t("punkt"), {std::to_string(i + 1)}), liste}),
                klein_);
    }
}

Skala Blatt::skala(const std::vector<Groesse>& groessen, bool nullAn, bool grenzen) const {
    double lo = nullAn ? 0.0 : HUGE_VAL, hi = -HUGE_VAL;
    auto dazu = [&](double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    for (const Kennlinienkurve& k : a_.kurven) {
        for (const Groesse& g : groessen) {
            for (const Kennlinienwert& w : k.werte)
                if (w.gueltig) dazu(g.lesen(w));
            if (k.betriebspunkt.gueltig) dazu(g.lesen(k.betriebspunkt));
        }
        if (grenzen) dazu(k.dpWarmZul), dazu(k.dpKaltZul);
    }
    if (!(lo <= hi)) lo = 0.0, hi = 1.0;
    // a curve on a round value stays off the frame
    const double rand = (hi - lo) * 0.02;
    return Skala(nullAn && lo >= 0 ? lo : lo - rand, hi + rand, 5);
}

void Blatt::diagramm(const std::string& titel, const std::vector<Groesse>& groessen, bool nullAn,
                     bool grenzen, int oben, int hoehe, int achseLinks, const Skala& sx) {
    const int stift = raster_.stift;
    const Skala sy = skala(groessen, nullAn, grenzen);
    dc_.drawText(links_, oben, titel, passend(dc_, titel, fett_, rechts_ - links_));
    const int y0 = oben + zeile_ + zeile_ / 2, y1 = y0 + hoehe;
    const int x0 = achseLinks, x1 = rechts_;
    auto px = [&](double v) {
        return x0 + static_cast<int>(std::lround((v - sx.von) / (sx.bis - sx.von) * (x1 - x0)));
    };
    auto py = [&](double v) {
        return y1 - static_cast<int>(std::lround((v - sy.von) / (sy.bis - sy.von) * (y1 - y0)));
    };
    const PagePen gitter{stift, kFarbeGitter, PenStyle::Dot};
    const int strich = zeile_ / 3;
    for (double v : sy.marken()) {
        const int y = py(v);
        if (y > y0 && y < y1) dc_.drawPolyline({{x0, y}, {x1, y}}, gitter);
        dc_.drawLine(x0 - strich, y, x0, y, stift);
        dc_.drawText(x0 - strich - zeile_ / 4, y - klein_.height / 2, sy.text(v), klein_,
                     TextAlign::Right);
    }
    for (double v : sx.marken()) {
        const int x = px(v);
        if (x > x0 && x < x1) dc_.drawPolyline({{x, y0}, {x, y1}}, gitter);
        dc_.drawLine(x, y1, x, y1 + strich, stift);
        dc_.drawText(x, y1 + strich + zeile_ / 6, sx.text(v), klein_, TextAlign::Center);
    }
    dc_.drawRect(x0, y0, x1, y1, 2 * stift);
    if (grenzen) {
        // each allowed loss once, in its side's colour
        std::vector<std::pair<double, unsigned>> gezogen;
        for (const Kennlinienkurve& k : a_.kurven)
            for (const auto& g :
                 {std::pair{k.dpWarmZul, kFarbeWarm}, std::pair{k.dpKaltZul, kFarbeKalt}}) {
                if (!(g.first > 0) || std::find(gezogen.begin(), gezogen.end(), g) != gezogen.end())
                    continue;
                gezogen.push_back(g);
                dc_.drawPolyline({{x0, py(g.first)}, {x1, py(g.first)}},
                                 PagePen{2 * stift, g.second, PenStyle::DashDot});
            }
    }
    for (size_t i = 0; i < a_.kurven.size(); ++i) {
        const Kennlinienkurve& k = a_.kurven[i];
        for (const Groesse& g : groessen) {
            const PagePen pen{3 * stift, g.farbe, kMuster[i % kMuster.size()]};
            std::vector<PagePoint> linie;
            for (const Kennlinienwert& w : k.werte) {
                if (w.gueltig && std::isfinite(g.lesen(w))) {
                    linie.push_back({px(w.anteil), py(g.lesen(w))});
                    continue;
                }
                dc_.drawPolyline(linie, pen);  // a gap where the pack was not rated
                linie.clear();
            }
            dc_.drawPolyline(linie, pen);
            if (k.betriebspunkt.gueltig)
                marke(px(k.betriebspunkt.anteil), py(g.lesen(k.betriebspunkt)),
                      static_cast<int>(i));
        }
    }
}

bool Blatt::drucken() {
    if (a_.kurven.empty() || !doc_.anfangen()) return false;
    doc_.y += zeile_ / 2;
    absatz(a_.paket, gross_);
    absatz(t(a_.kondensation ? "hinweisKondensation" : "hinweis"), klein_);
    doc_.y += zeile_ / 2;
    legende();
    doc_.y += zeile_;

    const std::vector<Groesse> leistung = {
        {[](const Kennlinienwert& w) { return w.leistung; }, kFarbeLeistung}};
    const std::vector<Groesse> temperaturen = {
        {[](const Kennlinienwert& w) { return w.austrittWarm; }, kFarbeWarm},
        {[](const Kennlinienwert& w) { return w.austrittKalt; }, kFarbeKalt}};
    const std::vector<Groesse> druck = {
        {[](const Kennlinienwert& w) { return w.dpWarm; }, kFarbeWarm},
        {[](const Kennlinienwert& w) { return w.dpKalt; }, kFarbeKalt}};
    struct Teil {
        std::string titel;
        const std::vector<Groesse>* groessen;
        bool nullAn, grenzen;
    };
    const Teil teile[] = {
        {t("leistung") + " [" + a_.einheitLeistung + "]", &leistung, true, false},
        {t("austritt") + " [" + a_.einheitTemperatur + "]", &temperaturen, false, false},
        {t("druckverlust") + " [" + a_.einheitDruck + "]", &druck, true, true},
    };
    // the shares every curve covers, the point's 100 % among them
    double lo = 100.0, hi = 100.0;
    for (const Kennlinienkurve& k : a_.kurven)
        for (const Kennlinienwert& w : k.werte)
            lo = std::min(lo, w.anteil), hi = std::max(hi, w.anteil);
    const Skala sx(lo, hi, 7);
    // the axes start right of the widest tick label of all three charts
    int beschriftung = 0;
    for (const Teil& teil : teile) {
        const Skala sy = skala(*teil.groessen, teil.nullAn, teil.grenzen);
        for (double v : sy.marken())
            beschriftung = std::max(beschriftung, dc_.textWidth(sy.text(v), klein_));
    }
    const int achseLinks = links_ + beschriftung + zeile_;
    // below the last chart the flow axis's name
    const int rest = doc_.unten() - doc_.y - 2 * zeile_;
    const int je = rest / 3;
    const int hoehe = je - 3 * zeile_ - zeile_ / 2 - klein_.height;
    if (hoehe < 4 * zeile_) {
        dc_.abortDocument();
        return false;
    }
    for (const Teil& teil : teile) {
        diagramm(teil.titel, *teil.groessen, teil.nullAn, teil.grenzen, doc_.y, hoehe, achseLinks,
                 sx);
        doc_.y += je;
    }
    const std::string achse = t("durchsatz");
    dc_.drawText((achseLinks + rechts_) / 2, doc_.y, achse,
                 passend(dc_, achse, normal_, rechts_ - achseLinks), TextAlign::Center);
    return doc_.beenden();
}

}  // namespace

bool druckeKennlinienblatt(PageDevice& dc, const CDialogProjektDaten& kopf,
                           const Kennlinienblattangaben& a) {
    return mitSeitenzahl(
        dc, [&](PageDevice& d, int seiten) { return Blatt(d, kopf, a, seiten).drucken(); });
}

}  // namespace kal
