// The specification dialog on screen (offscreen): given the same entries
// through its widgets it writes the tender text and hands over the text that
// `kalvoria-cli offer --spec --out` writes, and its widgets show the texts
// the CLI reports.
#include "ui/spec/spec_view.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <nlohmann/json.hpp>

#include "cli.h"
#include "steuerelementarten.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::sp;

namespace {
std::string probe(const std::string& name) { return kaltest::distDir() + "/examples/" + name; }
}  // namespace

TEST(SpecView, WritesWhatTheCliWritesForTheSameEntries) {
    for (const char* name : {"steam_condenser_design.kal", "air_cooler_design.kal"}) {
        SCOPED_TRACE(name);
        kaltest::Umgebung u;
        CBerechnungDlg hd(u.app);
        ASSERT_EQ(hd.projektLesen(probe(name)), 0);
        ASSERT_TRUE(hd.berechnen());
        CAssembly ks(u.app, hd.fall(), hd.fall().komplettierung, &hd.eigeneMedien());
        ASSERT_TRUE(ks.uebernehmen());
        u.p.messages.shown.clear();  // the calculation's warnings
        DialogSpec dlg(u.app, hd.fall(), &hd.eigeneMedien());
        DialogSpecView v(dlg);
        v.show();
        auto tippe = [&](int id, const char* text) {
            auto* e = v.findChild<QLineEdit*>(QString::number(id));
            ASSERT_NE(e, nullptr) << id;
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, QString::fromUtf8(text));
            QTest::keyClick(e, Qt::Key_Tab);
        };
        tippe(Projekt, "Nord 2");
        tippe(BemerkungWarm, "clean");
        tippe(MaxTemperatur, "180");  // within both cases' limits
        kaltest::TempDir dir;
        u.p.files.saveAnswers.push_back(dir.pfad("dialog.txt"));
        for (int knopf : {Excel, Ausschreibung})
            QTest::mouseClick(v.findChild<QPushButton*>(QString::number(knopf)), Qt::LeftButton);
        EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{"tabelleGeoeffnet"});

        dir.schreibe("spec.json", R"([{"id": 1267, "text": "Nord 2"},
            {"id": 1397, "text": "clean"}, {"id": 1341, "text": "180"}])");
        kaltest::Lauf l = kaltest::cliLauf("--appdir " + kaltest::distDir() + " offer " +
                                           probe(name) + " --spec " + dir.pfad("spec.json") +
                                           " --out " + dir.pfad("cli") + " --json");
        ASSERT_EQ(l.rc, 0) << l.out;
        EXPECT_EQ(kaltest::liesDatei(dir.pfad("dialog.txt")),
                  kaltest::liesDatei(dir.pfad("cli/tender.txt")));
        EXPECT_EQ(u.p.clipboard.text, kaltest::liesDatei(dir.pfad("cli/spec-sheet.txt")));
        // every widget shows the text the CLI reports for its control
        const auto j = nlohmann::json::parse(l.out)["spec"];
        int gesehen = 0;
        for (QWidget* w : v.findChildren<QWidget*>()) {
            const std::string id = w->objectName().toStdString();
            if (!j["anzeige"].contains(id)) continue;
            QString text;
            if (auto* e = qobject_cast<QLineEdit*>(w))
                text = e->text();
            else if (auto* l = qobject_cast<QLabel*>(w))
                text = l->text();
            else
                continue;
            EXPECT_EQ(text.toStdString(), j["anzeige"][id].get<std::string>()) << id;
            EXPECT_EQ(w->isVisible(), j["sichtbar"][id].get<bool>()) << id;
            ++gesehen;
        }
        EXPECT_GT(gesehen, 100);
    }
}

// The kind the model gives each control is the widget on screen.
TEST(SpecView, ControlKindsAreTheWidgets) {
    kaltest::Umgebung u;
    CBerechnungDlg hd(u.app);
    ASSERT_EQ(hd.projektLesen(probe("steam_condenser_design.kal")), 0);
    ASSERT_TRUE(hd.berechnen());
    DialogSpec dlg(u.app, hd.fall(), &hd.eigeneMedien());
    DialogSpecView v(dlg);
    EXPECT_EQ(kaltest::artAbweichungen(v, dlg.form()), std::vector<std::string>{});
}
