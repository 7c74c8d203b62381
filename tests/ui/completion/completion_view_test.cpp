// The completion dialog on screen (offscreen): reached from the main
// window's button, and given the same choices through its widgets it shows
// what `kalvoria-cli offer` prints for them.
#include "ui/completion/completion_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <nlohmann/json.hpp>

#include "bildablage.h"
#include "cli.h"
#include "steuerelementarten.h"
#include "ui/main/berechnung_view.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::kp;

namespace {

std::string probe(const std::string& name) { return kaltest::distDir() + "/examples/" + name; }

struct Fenster {
    kaltest::Umgebung u;
    CBerechnungDlg hd{u.app};
    std::unique_ptr<CAssembly> dlg;
    std::unique_ptr<AssemblyView> v;

    explicit Fenster(const std::string& projekt) {
        EXPECT_EQ(hd.projektLesen(projekt), 0);
        EXPECT_TRUE(hd.berechnen());
        dlg = std::make_unique<CAssembly>(u.app, hd.fall(), hd.fall().komplettierung);
        v = std::make_unique<AssemblyView>(*dlg);
        v->show();
    }
    template <class W>
    W* w(int id) {
        W* x = v->findChild<W*>(QString::number(id));
        EXPECT_NE(x, nullptr) << id;
        return x;
    }
    // The user's ways: pick an entry, type and press Enter, click.
    void waehle(int id, int wert) {
        auto* c = w<QComboBox>(id);
        const int i = c->findData(wert);
        ASSERT_GE(i, 0) << wert;
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    void tippe(int id, const std::string& text) {
        auto* e = w<QLineEdit>(id);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::fromStdString(text));
        QTest::keyClick(e, Qt::Key_Return);
    }
    // on the box or the caption, where a click toggles it
    void klick(int id) {
        auto* b = w<QAbstractButton>(id);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    std::string text(int id) { return w<QLineEdit>(id)->text().toStdString(); }
};

}  // namespace

TEST(AssemblyView, KomplettierenOpensTheCompletionOnTheResult) {
    kaltest::Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(probe("water_water_design.kal")), 0);
    ASSERT_TRUE(d.berechnen());
    BerechnungView v(d);
    int listen = -1;
    u.p.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
        listen = m.form().itemCount(AnschlussWarm) > 0 && m.form().itemCount(AnschlussKalt) > 0;
        return 2;
    });
    QTest::mouseClick(v.findChild<QPushButton*>(QString::number(hd::Komplettieren)),
                      Qt::LeftButton);
    EXPECT_EQ(listen, 1);
}

// The same choices through the widgets and through the CLI give the same
// prices, delivery time and identification string, on every sample.
TEST(AssemblyView, ShowsWhatTheCliPrintsForTheSameChoices) {
    for (const char* name :
         {"water_water_design.kal", "glycol_water_rating.kal", "steam_condenser_design.kal",
          "air_cooler_design.kal", "user_medium_design.kal"}) {
        SCOPED_TRACE(name);
        Fenster f(probe(name));
        const Form& form = f.dlg->form();
        ASSERT_GE(form.itemCount(AnschlussWarm), 2);
        const int zweiter = form.find(AnschlussWarm)->items[1].value;
        f.waehle(AnschlussWarm, zweiter);
        f.tippe(PreisAnschlussWarm, "180");
        f.tippe(PreisAnschlussKalt, "150.25");
        f.klick(Isolierung);
        f.tippe(PreisIsolierung, "420");
        f.klick(Lackierung);
        f.tippe(RalNr, "3000");
        f.tippe(PreisLackierung, "310");

        kaltest::TempDir dir;
        dir.schreibe("choices.json", "[{\"id\": 1176, \"select\": " + std::to_string(zweiter) +
                                         "}, {\"id\": 1046, \"text\": \"180\"},"
                                         " {\"id\": 1047, \"text\": \"150.25\"},"
                                         " {\"id\": 1178, \"check\": true},"
                                         " {\"id\": 1048, \"text\": \"420\"},"
                                         " {\"id\": 1181, \"check\": true},"
                                         " {\"id\": 1187, \"text\": \"3000\"},"
                                         " {\"id\": 1051, \"text\": \"310\"}]");
        kaltest::Lauf l =
            kaltest::cliLauf("--appdir " + kaltest::distDir() + " offer " + probe(name) +
                             " --choices " + dir.pfad("choices.json") + " --json");
        EXPECT_EQ(l.rc, 0) << l.out;
        auto j = nlohmann::json::parse(l.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded());
        for (int id : {NettoPaket, NettoGestell, Grundpreis, Einzelpreis, Lieferzeit, Kennung,
                       PreisAnschlussKalt})
            EXPECT_EQ(f.text(id), j["anzeige"][std::to_string(id)].get<std::string>()) << id;
        EXPECT_FALSE(f.text(Einzelpreis).empty());
        EXPECT_EQ(f.hd.fall().komplettierung.geraetekennstring, j["fall"]["geraetekennstring"]);
        if (std::string(name) == "water_water_design.kal") kaltest::bildAblegen(*f.v, "assembly");
    }
}

// The kind the model gives each control is the widget on screen, so a
// script does to a control only what a user can.
TEST(AssemblyView, ControlKindsAreTheWidgets) {
    Fenster f(probe("water_water_design.kal"));
    EXPECT_EQ(kaltest::artAbweichungen(*f.v, f.dlg->form()), std::vector<std::string>{});
}
