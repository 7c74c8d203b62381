// The curve sheet on a recording page: one clean page in both languages
// with short and long texts, every curve where its figures put it (gaps
// where a share was not rated, the points marked, the limits as lines), and
// several printouts joined into one document.
#include "druck/kennlinienblatt.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "druck/blatt.h"
#include "druck/projektdaten.h"
#include "seite.h"
#include "umgebung.h"

using namespace kal;

namespace {

constexpr unsigned kWarm = 0xC0392B, kKalt = 0x1F5FBF;

// Keeps each polyline with its pen as well.
struct Kurvenseite : RecordingPage {
    Kurvenseite() : RecordingPage(4960, 7016, 10) {}
    struct Linie {
        std::vector<PagePoint> punkte;
        PagePen pen;
    };
    std::vector<Linie> linien;
    void drawPolyline(const std::vector<PagePoint>& p, const PagePen& pen) override {
        if (p.size() > 1) linien.push_back({p, pen});
        RecordingPage::drawPolyline(p, pen);
    }
    // The curves (thick) of one colour, and the limit lines (dash-dot).
    std::vector<Linie> kurven(unsigned farbe) const {
        std::vector<Linie> v;
        for (const Linie& l : linien)
            if (l.pen.rgb == farbe && l.pen.style != PenStyle::DashDot && l.punkte.size() > 2)
                v.push_back(l);
        return v;
    }
};

// A point's curve: duty and losses rising with the share, the outlets
// drawing together; `luecke` a share not rated.
Kennlinienkurve kurve(double skala, double luecke = -1) {
    Kennlinienkurve k;
    for (int s = 50; s <= 120; s += 5) {
        const double f = s / 100.0;
        Kennlinienwert w{double(s),  s != luecke,        100 * skala * f,   60 - 5 / f,
                         40 + 5 / f, 30 * skala * f * f, 25 * skala * f * f};
        if (!w.gueltig) w.leistung = w.austrittWarm = w.austrittKalt = w.dpWarm = w.dpKalt = 0;
        k.werte.push_back(w);
        if (s == 100) k.betriebspunkt = w;
    }
    k.dpWarmZul = 40 * skala;
    k.dpKaltZul = 35 * skala;
    return k;
}

struct Fall {
    const char* sprache;
    int punkte;
    bool lang;
};

class Kennlinienblatt : public ::testing::TestWithParam<Fall> {};

TEST_P(Kennlinienblatt, EineSauberSeiteMitAllenKurven) {
    const Fall f = GetParam();
    kaltest::Umgebung u(kaltest::Start{kaltest::Vorlage::Ausgeliefert, f.sprache});
    CDialogProjektDaten kopf(u.app);
    Kennlinienblattangaben a;
    a.preisCode = "KX 14-41-316-EPDMHT";
    a.paket = f.lang ? std::string(300, 'W') + " and more words to wrap over the line"
                     : "KX 14 with 41 plates in 1 pass(es)";
    a.einheitLeistung = f.lang ? "BTU/h" : "kW";
    a.einheitTemperatur = f.lang ? "°F" : "°C";
    a.einheitDruck = f.lang ? "psi" : "kPa";
    for (int i = 0; i < f.punkte; ++i) a.kurven.push_back(kurve(1.0 + 0.2 * i, i == 1 ? 85 : -1));
    Kurvenseite seite;
    ASSERT_TRUE(druckeKennlinienblatt(seite, kopf, a));
    EXPECT_EQ(kaltest::layoutFehler(seite), std::vector<std::string>{});
    EXPECT_EQ(kaltest::anzahl(seite.log, "startPage"), 1);

    const CIniEx& sprache = u.app.getSprache();
    auto t = [&](const char* key) { return sprache.GetValue("kennlinie", key, ""); };
    std::map<std::string, int> gezeichnet;
    for (const RecordingPage::Text& x : seite.texte) ++gezeichnet[x.text];
    EXPECT_EQ(gezeichnet[t("titel")], 1);
    EXPECT_EQ(gezeichnet[t("leistung") + " [" + a.einheitLeistung + "]"], 1);
    EXPECT_EQ(gezeichnet[t("austritt") + " [" + a.einheitTemperatur + "]"], 1);
    EXPECT_EQ(gezeichnet[t("druckverlust") + " [" + a.einheitDruck + "]"], 1);
    EXPECT_EQ(gezeichnet[t("durchsatz")], 1);
    for (int i = 1; i <= f.punkte; ++i) {
        std::string punkt = t("punkt");
        EXPECT_EQ(gezeichnet[punkt.replace(punkt.find("%1"), 2, std::to_string(i))], 1);
    }

    // warm: a duty-less temperature and a loss curve per point, split
    // where the second point was not rated; cold likewise, with the duty
    // drawn in neither colour
    const size_t erwartet = static_cast<size_t>(2 * f.punkte + (f.punkte > 1 ? 2 : 0));
    for (unsigned farbe : {kWarm, kKalt}) {
        const auto kurven = seite.kurven(farbe);
        ASSERT_EQ(kurven.size(), erwartet);
        for (const auto& k : kurven)
            for (size_t i = 1; i < k.punkte.size(); ++i)
                EXPECT_GT(k.punkte[i].x, k.punkte[i - 1].x);  // along the flow
    }
    // the warm loss curve of the first point rises (y falls) and crosses
    // its limit line between the shares whose losses lie either side
    const auto warm = seite.kurven(kWarm);
    const auto& dp = warm[erwartet / 2];
    ASSERT_EQ(dp.punkte.size(), 15u);
    EXPECT_LT(dp.punkte.back().y, dp.punkte.front().y);
    int grenzen = 0;
    for (const auto& l : seite.linien) {
        if (l.pen.style != PenStyle::DashDot || l.pen.rgb != kWarm) continue;
        ++grenzen;
        if (grenzen > 1) continue;
        // 40 lies between 30 * 1.15^2 (115 %) and 30 * 1.2^2 (120 %)
        EXPECT_LT(l.punkte[0].y, dp.punkte[13].y);
        EXPECT_GT(l.punkte[0].y, dp.punkte[14].y);
    }
    EXPECT_EQ(grenzen, f.punkte);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kennlinienblatt,
                         ::testing::Values(Fall{"English", 1, false}, Fall{"Deutsch", 1, false},
                                           Fall{"English", 3, true}, Fall{"Deutsch", 3, true}));

TEST(Kennlinienblatt, OhneKurveKeinBlatt) {
    kaltest::Umgebung u;
    CDialogProjektDaten kopf(u.app);
    RecordingPage seite;
    EXPECT_FALSE(druckeKennlinienblatt(seite, kopf, Kennlinienblattangaben{}));
    EXPECT_EQ(kaltest::anzahl(seite.log, "startDocument "), 0);
}

// Printouts drawn one after the other are one document: started once,
// ended once after the last, coloured lines passed on as they are; a part
// that fails, or a page the device refuses, aborts it.
TEST(Hintereinander, EinDokumentAusMehrerenAusdrucken) {
    struct Farbseite : RecordingPage {
        void drawPolyline(const std::vector<PagePoint>& p, const PagePen& pen) override {
            log.push_back("polyline " + std::to_string(p.size()) + " " + std::to_string(pen.rgb));
        }
    };
    auto teil = [](const char* text, bool gelingt) {
        return std::function<bool(PageDevice&)>([text, gelingt](PageDevice& dc) {
            if (!dc.startDocument("") || !dc.startPage()) return false;
            dc.drawText(0, 0, text, PageFont{});
            dc.drawPolyline({{0, 0}, {1, 1}}, PagePen{1, 255, PenStyle::Dash});
            if (!gelingt) {
                dc.abortDocument();
                return false;
            }
            return dc.endPage() && dc.endDocument();
        });
    };
    struct Zeile {
        std::vector<bool> teile;
        bool seiteScheitert;
        bool ok;
        std::vector<std::string> log;
    };
    const Zeile tabelle[] = {
        {{true, true},
         false,
         true,
         {"startDocument ", "startPage", "text 0 0 L 500 a", "polyline 2 255", "endPage",
          "startPage", "text 0 0 L 500 b", "polyline 2 255", "endPage", "endDocument"}},
        {{true, false},
         false,
         false,
         {"startDocument ", "startPage", "text 0 0 L 500 a", "polyline 2 255", "endPage",
          "startPage", "text 0 0 L 500 b", "polyline 2 255", "abortDocument"}},
        {{true, true},
         true,
         false,
         {"startDocument ", "startPage", "text 0 0 L 500 a", "polyline 2 255", "endPage",
          "abortDocument"}},
        {{}, false, false, {}},
    };
    for (const Zeile& z : tabelle) {
        Farbseite seite;
        seite.failEndPage = z.seiteScheitert;
        std::vector<std::function<bool(PageDevice&)>> teile;
        const char* texte[] = {"a", "b"};
        for (size_t i = 0; i < z.teile.size(); ++i) teile.push_back(teil(texte[i], z.teile[i]));
        EXPECT_EQ(druckeHintereinander(seite, teile), z.ok);
        EXPECT_EQ(seite.log, z.log);
    }
}

}  // namespace
