// Acquisition: the main dialog's entries into the case's entries, on the
// shipped data. The first refused entry stops it with its message and the
// focus on its field.
#include "ui/main/erfassung.h"

#include <gtest/gtest.h>

#include <tuple>

#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::hd;

namespace {
// A main dialog with a water/water design entered.
struct Dialog {
    kaltest::Umgebung u;
    CBerechnungDlg d{u.app};
    HauptdialogFelder felder{d.form()};
    Erfassung erfassung{u.app.getData(), u.app.getSprache(), &u.p.messages, d.eingabe(), felder};
    Falleingaben e;

    Dialog() {
        const std::pair<int, const char*> eintraege[] = {
            {Leistung, "500"}, {TEinWarm, "90"},         {TAusWarm, "60"},        {TEinKalt, "20"},
            {TAusKalt, "50"},  {DruckverlustWarm, "50"}, {DruckverlustKalt, "50"}};
        for (const auto& [id, text] : eintraege) d.form().setText(id, text);
    }
    bool lies() { return erfassung.lesen(e); }
};
}  // namespace

TEST(Erfassung, SerienNullWirdEinsUndErsterFehler) {
    Dialog x;
    x.d.form().setText(Serien, "0");
    x.d.form().setText(DruckverlustWarm, "");
    EXPECT_FALSE(x.lies());
    EXPECT_EQ(x.d.form().text(Serien), "1");
    EXPECT_EQ(x.e.serien, 1);
    EXPECT_EQ(x.erfassung.letzterFehler().control, DruckverlustWarm);
    EXPECT_EQ(x.erfassung.letzterFehler().code, 1);
    EXPECT_EQ(x.u.meldungsKeys(), std::vector<std::string>{"error_empty"});
    EXPECT_EQ(x.u.p.messages.shown[0].caption, x.u.app.getSprache().GetValue("error", "error", ""));
    EXPECT_EQ(x.d.form().focus(), DruckverlustWarm);
}

// A negative fouling resistance has no meaning: refused like every other
// entry out of its range, in design and in rating.
TEST(Erfassung, NegativesFoulingWirdAbgelehnt) {
    struct Fall {
        int berechnungsart;
        int feld;
        const char* wert;
        bool angenommen;
    };
    const Fall faelle[] = {
        {0, FoulingWarm, "-0.0001", false}, {0, FoulingKalt, "-0.0001", false},
        {1, FoulingWarm, "-1e308", false},  {1, FoulingKalt, "-0.0001", false},
        {0, FoulingWarm, "-0", true},       {1, FoulingKalt, "0.0001", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wert);
        Dialog x;
        x.d.form().setText(f.feld, f.wert);
        x.e.berechnungsart = f.berechnungsart;
        EXPECT_EQ(x.lies(), f.angenommen);
        if (f.angenommen) {
            EXPECT_TRUE(x.u.p.messages.shown.empty());
            continue;
        }
        EXPECT_EQ(x.erfassung.letzterFehler().control, f.feld);
        EXPECT_EQ(x.erfassung.letzterFehler().code, ZahlAusserhalb);
        EXPECT_EQ(x.u.meldungsKeys(), std::vector<std::string>{"error_outofrange"});
        EXPECT_EQ(x.d.form().focus(), f.feld);
    }
}

// A condensing warm side reads its outlet field as the subcooling.
TEST(Erfassung, KondensationUnterkuehlung) {
    for (auto [sub, taus, unter] : {std::tuple{"5", 115.0, true}, std::tuple{"", 120.0, false},
                                    std::tuple{"0", 120.0, false}}) {
        Dialog x;
        x.d.form().select(MediumWarm, x.d.form().findExact(MediumWarm, "Steam"));
        x.d.auswahlGeaendert(MediumWarm);
        x.d.form().setText(TEinWarm, "120");
        x.d.form().setText(TAusWarm, sub);
        ASSERT_TRUE(x.lies()) << sub;
        EXPECT_TRUE(x.e.warm.kondensation);
        EXPECT_NEAR(x.e.warm.tAus, taus, 1e-9);
        EXPECT_TRUE(x.e.warm.tAusVorgegeben);
        EXPECT_EQ(x.e.warm.unterkuehlung, unter);
    }
}
