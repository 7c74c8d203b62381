#include "ui/main/addmedium_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "ausgeliefert.h"
#include "bildablage.h"
#include "ports/scripted.h"

using namespace kal;

namespace {
struct Umgebung {
    ScriptedPorts p;
    std::unique_ptr<AddMediumModel> model;
    std::unique_ptr<AddMediumView> view;
    explicit Umgebung(int seite = 0, const EigenesMedium* vorher = nullptr) {
        model = std::make_unique<AddMediumModel>(kaltest::ausgelieferteDaten(),
                                                 kaltest::englischeTexte(), p.ports(), seite,
                                                 "User-defined medium, warm side", vorher);
        view = std::make_unique<AddMediumView>(*model);
        view->show();
    }
    template <class W>
    W* w(int id) const {
        return view->findChild<W*>(QString::number(id));
    }
    void tippe(int id, const char* text) {
        QLineEdit* e = w<QLineEdit>(id);
        e->selectAll();  // as a user: select and overwrite, so the edit signals reach the form
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, QString::fromUtf8(text));
    }
    // Moves a unit list down by `schritte` with the keyboard, as a user would.
    void einheitWaehlen(int id, int schritte) {
        for (int i = 0; i < schritte; ++i) QTest::keyClick(w<QComboBox>(id), Qt::Key_Down);
    }
    void klick(int id) { QTest::mouseClick(w<QAbstractButton>(id), Qt::LeftButton); }
    void fluessigkeit() {
        tippe(am::Name, "Juice");
        tippe(am::Viskositaet, "0.002");
        tippe(am::ViskositaetWand, "0.003");
        tippe(am::Dichte, "62.4");
        tippe(am::Waermekapazitaet, "3.9");
        tippe(am::Waermeleitfaehigkeit, "0.6");
    }
};
}  // namespace

TEST(AddMediumView, ControlsCarryTheirIdsTextsAndUnits) {
    Umgebung u;
    EXPECT_EQ(u.view->windowTitle(), "User-defined medium, warm side");
    for (int id : {am::Name, am::Viskositaet, am::ViskositaetWand, am::Dichte, am::Waermekapazitaet,
                   am::Waermeleitfaehigkeit, am::Alfa})
        EXPECT_NE(u.w<QLineEdit>(id), nullptr) << id;
    struct Liste {
        int id;
        QStringList einheiten;
    };
    const Liste listen[] = {
        {am::EinheitViskositaet, {"Pa·s", "mPa·s", "cP"}},
        {am::EinheitViskositaetWand, {"Pa·s", "mPa·s", "cP"}},
        {am::EinheitDichte, {"kg/m³", "lb/ft³"}},
        {am::EinheitWaermekapazitaet, {"kJ/(kg·K)", "BTU/(lb·°F)"}},
        {am::EinheitWaermeleitfaehigkeit, {"W/(m·K)", "BTU/(h·ft·°F)"}},
        {am::EinheitAlfa, {"W/(m²·K)", "BTU/(h·ft²·°F)"}},
    };
    for (const Liste& l : listen) {
        QComboBox* c = u.w<QComboBox>(l.id);
        ASSERT_NE(c, nullptr) << l.id;
        QStringList texte;
        for (int i = 0; i < c->count(); ++i) texte << c->itemText(i);
        EXPECT_EQ(texte, l.einheiten) << l.id;
        EXPECT_EQ(c->currentIndex(), 0) << l.id;
    }
    struct Text {
        int id;
        const char* text;
    };
    const Text texte[] = {{am::LabelName, "Name"},
                          {am::LabelViskositaet, "Dynamic viscosity"},
                          {am::LabelViskositaetWand, "Dynamic viscosity at the wall"},
                          {am::LabelDichte, "Density"},
                          {am::LabelWaermekapazitaet, "Specific heat capacity"},
                          {am::LabelWaermeleitfaehigkeit, "Thermal conductivity"},
                          {am::LabelAlfa, "Heat transfer coefficient"}};
    for (const Text& t : texte) EXPECT_EQ(u.w<QLabel>(t.id)->text(), t.text) << t.id;
    EXPECT_EQ(u.w<QCheckBox>(am::Gas)->text(), "Gas");
    EXPECT_EQ(u.w<QPushButton>(am::Speichern)->text(), "Save");
    EXPECT_EQ(u.w<QPushButton>(am::Leeren)->text(), "Clear");
    EXPECT_EQ(u.w<QPushButton>(am::Abbrechen)->text(), "Cancel");
    EXPECT_FALSE(u.w<QPushButton>(am::VorlageOk)->isVisible());
    EXPECT_FALSE(u.w<QPushButton>(am::VorlageOk)->isEnabled());
}

TEST(AddMediumView, GasBoxSwitchesTheAlphaRowAndTheHint) {
    Umgebung u;
    EXPECT_FALSE(u.w<QLineEdit>(am::Alfa)->isEnabled());
    EXPECT_FALSE(u.w<QComboBox>(am::EinheitAlfa)->isEnabled());
    EXPECT_FALSE(u.w<QLabel>(am::LabelHinweis)->isVisible());

    u.klick(am::Gas);
    EXPECT_TRUE(u.model->form().checked(am::Gas));
    EXPECT_TRUE(u.w<QLineEdit>(am::Alfa)->isEnabled());
    EXPECT_TRUE(u.w<QComboBox>(am::EinheitAlfa)->isEnabled());
    EXPECT_TRUE(u.w<QLabel>(am::LabelHinweis)->isVisible());
    EXPECT_TRUE(u.w<QLabel>(am::LabelHinweis)->text().startsWith("For a gas"));
    u.tippe(am::Alfa, "45");
    EXPECT_EQ(u.model->form().text(am::Alfa), "45");

    u.klick(am::Gas);  // off again: the alpha entry goes
    EXPECT_FALSE(u.model->form().checked(am::Gas));
    EXPECT_EQ(u.w<QLineEdit>(am::Alfa)->text(), "");
    EXPECT_FALSE(u.w<QLineEdit>(am::Alfa)->isEnabled());
    EXPECT_FALSE(u.w<QLabel>(am::LabelHinweis)->isVisible());
}

TEST(AddMediumView, SaveStoresTheRecordInStoredUnitsAndTheUnitChoice) {
    Umgebung u(1);
    u.fluessigkeit();
    u.einheitWaehlen(am::EinheitDichte, 1);  // lb/ft3
    EXPECT_EQ(u.model->form().selection(am::EinheitDichte), 1);
    u.klick(am::Speichern);
    EXPECT_FALSE(u.view->isVisible());
    EXPECT_EQ(u.view->result(), QDialog::Accepted);
    EXPECT_EQ(u.model->result(), 1);
    EXPECT_TRUE(u.p.messages.shown.empty());
    const EigenesMedium& m = u.model->ergebnis();
    EXPECT_EQ(m.name, "Juice");
    EXPECT_FALSE(m.gas);
    EXPECT_NEAR(m.werte[EG_Viskositaet], 2.0, 1e-9);  // Pa s typed, kept in mPa s
    EXPECT_NEAR(m.werte[EG_ViskositaetWand], 3.0, 1e-9);
    EXPECT_NEAR(m.werte[EG_Dichte], 999.5, 0.1);  // 62.4 lb/ft3 of water
    EXPECT_NEAR(m.werte[EG_Waermekapazitaet], 3.9, 1e-9);
    EXPECT_EQ(m.einheiten[EG_Dichte], 1);
    EXPECT_TRUE(m.gespeichert);
    EXPECT_EQ(u.p.settings.values.at("unit3"), "0,1,0,0,0,0,0");
    EXPECT_EQ(u.p.settings.values.count("unit2"), 0u);
}

TEST(AddMediumView, BadEntriesKeepTheDialogOpenAtTheFirstBadField) {
    struct Fall {
        const char* name;
        std::function<void(Umgebung&)> setze;
        int feld;
    };
    const Fall faelle[] = {
        {"negative density", [](Umgebung& u) { u.tippe(am::Dichte, "-1"); }, am::Dichte},
        {"empty viscosity", [](Umgebung& u) { u.tippe(am::Viskositaet, ""); }, am::Viskositaet},
        {"text at the wall", [](Umgebung& u) { u.tippe(am::ViskositaetWand, "abc"); },
         am::ViskositaetWand},
        {"gas without alpha", [](Umgebung& u) { u.klick(am::Gas); }, am::Alfa},
        {"two bad, first reported",
         [](Umgebung& u) {
             u.tippe(am::Waermeleitfaehigkeit, "x");
             u.tippe(am::Waermekapazitaet, "-3");
         },
         am::Waermekapazitaet},
    };
    for (const Fall& f : faelle) {
        Umgebung u;
        u.fluessigkeit();
        f.setze(u);
        u.klick(am::Speichern);
        EXPECT_TRUE(u.view->isVisible()) << f.name;
        EXPECT_FALSE(u.model->closed()) << f.name;
        ASSERT_EQ(u.p.messages.shown.size(), 1u) << f.name;
        EXPECT_EQ(u.p.messages.shown[0].caption, "Error") << f.name;
        EXPECT_EQ(u.view->focusWidget(), u.w<QWidget>(f.feld)) << f.name;
        EXPECT_TRUE(u.p.settings.values.empty()) << f.name;
    }
}

TEST(AddMediumView, EveryWayOutButSaveCancels) {
    struct Fall {
        const char* name;
        std::function<void(Umgebung&)> raus;
    };
    const Fall faelle[] = {
        {"cancel button", [](Umgebung& u) { u.klick(am::Abbrechen); }},
        {"escape",
         [](Umgebung& u) { QTest::keyClick(u.w<QLineEdit>(am::Dichte), Qt::Key_Escape); }},
        {"close box", [](Umgebung& u) { u.view->close(); }},
        {"screenshot mode", [](Umgebung& u) { u.view->autoSchliessen(); }},
    };
    for (const Fall& f : faelle) {
        EigenesMedium vorher;
        vorher.name = "Brine";
        vorher.werte = {5, 6, 1200, 3.1, 0.5, 0};
        vorher.gespeichert = true;
        Umgebung u(0, &vorher);
        u.fluessigkeit();
        f.raus(u);
        EXPECT_FALSE(u.view->isVisible()) << f.name;
        EXPECT_EQ(u.model->result(), 2) << f.name;
        EXPECT_EQ(u.view->result(), QDialog::Rejected) << f.name;
        EXPECT_TRUE(u.p.settings.values.empty()) << f.name;
        EXPECT_FALSE(u.model->ergebnis().gespeichert) << f.name;
    }
}

TEST(AddMediumView, ReopeningShowsTheStoredValuesInTheRememberedUnits) {
    EigenesMedium vorher;
    vorher.name = "Steam";
    vorher.gas = true;
    vorher.werte = {0.012, 0.013, 0.6, 2.08, 0.025, 40.0};
    vorher.einheiten = {0, 1, 0, 1, 0, 0};
    Umgebung u(0, &vorher);
    EXPECT_EQ(u.w<QLineEdit>(am::Name)->text(), "Steam");
    EXPECT_TRUE(u.w<QCheckBox>(am::Gas)->isChecked());
    EXPECT_TRUE(u.w<QLabel>(am::LabelHinweis)->isVisible());
    EXPECT_EQ(u.w<QComboBox>(am::EinheitViskositaet)->currentText(), "Pa·s");
    EXPECT_EQ(u.w<QComboBox>(am::EinheitWaermekapazitaet)->currentText(), "BTU/(lb·°F)");
    EXPECT_NEAR(u.w<QLineEdit>(am::Viskositaet)->text().toDouble(), 1.2e-5,
                1e-10);  // mPa s -> Pa s
    EXPECT_NEAR(u.w<QLineEdit>(am::ViskositaetWand)->text().toDouble(), 0.013, 1e-9);
    EXPECT_NEAR(u.w<QLineEdit>(am::Waermekapazitaet)->text().toDouble(), 0.4968, 1e-4);
    EXPECT_EQ(u.w<QLineEdit>(am::Alfa)->text().toDouble(), 40.0);

    u.klick(am::Leeren);
    for (int id : {am::Name, am::Viskositaet, am::ViskositaetWand, am::Dichte, am::Waermekapazitaet,
                   am::Waermeleitfaehigkeit, am::Alfa})
        EXPECT_EQ(u.w<QLineEdit>(id)->text(), "") << id;
    EXPECT_TRUE(u.view->isVisible());
}

TEST(AddMediumView, LayoutShowsEveryTextUnclipped) {
    Umgebung u;
    u.klick(am::Gas);  // the longest state: hint shown
    QApplication::processEvents();
    kaltest::bildAblegen(*u.view, "addmedium");
    for (QLabel* l : u.view->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->wordWrap()) continue;
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
    }
    for (QAbstractButton* b : u.view->findChildren<QAbstractButton*>()) {
        if (!b->isVisible()) continue;
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
    }
    // edits of all rows in one column, unit lists right of them
    const int x = u.w<QLineEdit>(am::Viskositaet)->x();
    for (int id : {am::ViskositaetWand, am::Dichte, am::Waermekapazitaet, am::Waermeleitfaehigkeit,
                   am::Alfa})
        EXPECT_EQ(u.w<QLineEdit>(id)->x(), x) << id;
    EXPECT_GT(u.w<QComboBox>(am::EinheitViskositaet)->x(),
              x + u.w<QLineEdit>(am::Viskositaet)->width() - 1);
}
