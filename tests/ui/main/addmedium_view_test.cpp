#include "addmedium_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "scripted.h"
#include "unterdialog_umgebung.h"

using namespace kal;
using M = AddMediumModel;

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
        tippe(M::Name, "Juice");
        tippe(M::Visk, "0.002");
        tippe(M::ViskWand, "0.003");
        tippe(M::Dichte, "62.4");
        tippe(M::Cp, "3.9");
        tippe(M::Lambda, "0.6");
    }
};
}  // namespace

TEST(AddMediumView, ControlsCarryTheirIdsTextsAndUnits) {
    Umgebung u;
    EXPECT_EQ(u.view->windowTitle(), "User-defined medium, warm side");
    for (int id : {M::Name, M::Visk, M::ViskWand, M::Dichte, M::Cp, M::Lambda, M::Alfa})
        EXPECT_NE(u.w<QLineEdit>(id), nullptr) << id;
    struct Liste {
        int id;
        QStringList einheiten;
    };
    const Liste listen[] = {
        {M::EhVisk, {"Pa·s", "mPa·s", "cP"}},        {M::EhViskWand, {"Pa·s", "mPa·s", "cP"}},
        {M::EhDichte, {"kg/m³", "lb/ft³"}},          {M::EhCp, {"kJ/(kg·K)", "BTU/(lb·°F)"}},
        {M::EhLambda, {"W/(m·K)", "BTU/(h·ft·°F)"}}, {M::EhAlfa, {"W/(m²·K)", "BTU/(h·ft²·°F)"}},
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
    const Text texte[] = {{M::LblName, "Name"},
                          {M::LblVisk, "Dynamic viscosity"},
                          {M::LblViskWand, "Dynamic viscosity at the wall"},
                          {M::LblDichte, "Density"},
                          {M::LblCp, "Specific heat capacity"},
                          {M::LblLambda, "Thermal conductivity"},
                          {M::LblAlfa, "Heat transfer coefficient"}};
    for (const Text& t : texte) EXPECT_EQ(u.w<QLabel>(t.id)->text(), t.text) << t.id;
    EXPECT_EQ(u.w<QCheckBox>(M::Gas)->text(), "Gas");
    EXPECT_EQ(u.w<QPushButton>(M::Speichern)->text(), "Save");
    EXPECT_EQ(u.w<QPushButton>(M::Leeren)->text(), "Clear");
    EXPECT_EQ(u.w<QPushButton>(M::Abbrechen)->text(), "Cancel");
    EXPECT_FALSE(u.w<QPushButton>(M::VorlageOk)->isVisible());
    EXPECT_FALSE(u.w<QPushButton>(M::VorlageOk)->isEnabled());
}

TEST(AddMediumView, GasBoxSwitchesTheAlphaRowAndTheHint) {
    Umgebung u;
    EXPECT_FALSE(u.w<QLineEdit>(M::Alfa)->isEnabled());
    EXPECT_FALSE(u.w<QComboBox>(M::EhAlfa)->isEnabled());
    EXPECT_FALSE(u.w<QLabel>(M::Hinweis)->isVisible());

    u.klick(M::Gas);
    EXPECT_TRUE(u.model->form().checked(M::Gas));
    EXPECT_TRUE(u.w<QLineEdit>(M::Alfa)->isEnabled());
    EXPECT_TRUE(u.w<QComboBox>(M::EhAlfa)->isEnabled());
    EXPECT_TRUE(u.w<QLabel>(M::Hinweis)->isVisible());
    EXPECT_TRUE(u.w<QLabel>(M::Hinweis)->text().startsWith("For a gas"));
    u.tippe(M::Alfa, "45");
    EXPECT_EQ(u.model->form().text(M::Alfa), "45");

    u.klick(M::Gas);  // off again: the alpha entry goes
    EXPECT_FALSE(u.model->form().checked(M::Gas));
    EXPECT_EQ(u.w<QLineEdit>(M::Alfa)->text(), "");
    EXPECT_FALSE(u.w<QLineEdit>(M::Alfa)->isEnabled());
    EXPECT_FALSE(u.w<QLabel>(M::Hinweis)->isVisible());
}

TEST(AddMediumView, SaveStoresTheRecordInStoredUnitsAndTheUnitChoice) {
    Umgebung u(1);
    u.fluessigkeit();
    u.einheitWaehlen(M::EhDichte, 1);  // lb/ft3
    EXPECT_EQ(u.model->form().selection(M::EhDichte), 1);
    u.klick(M::Speichern);
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
        {"negative density", [](Umgebung& u) { u.tippe(M::Dichte, "-1"); }, M::Dichte},
        {"empty viscosity", [](Umgebung& u) { u.tippe(M::Visk, ""); }, M::Visk},
        {"text at the wall", [](Umgebung& u) { u.tippe(M::ViskWand, "abc"); }, M::ViskWand},
        {"gas without alpha", [](Umgebung& u) { u.klick(M::Gas); }, M::Alfa},
        {"two bad, first reported",
         [](Umgebung& u) {
             u.tippe(M::Lambda, "x");
             u.tippe(M::Cp, "-3");
         },
         M::Cp},
    };
    for (const Fall& f : faelle) {
        Umgebung u;
        u.fluessigkeit();
        f.setze(u);
        u.klick(M::Speichern);
        EXPECT_TRUE(u.view->isVisible()) << f.name;
        EXPECT_FALSE(u.model->closed()) << f.name;
        ASSERT_EQ(u.p.messages.shown.size(), 1u) << f.name;
        EXPECT_EQ(u.p.messages.shown[0].caption, "User-defined medium, warm side") << f.name;
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
        {"cancel button", [](Umgebung& u) { u.klick(M::Abbrechen); }},
        {"escape", [](Umgebung& u) { QTest::keyClick(u.w<QLineEdit>(M::Dichte), Qt::Key_Escape); }},
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
    EXPECT_EQ(u.w<QLineEdit>(M::Name)->text(), "Steam");
    EXPECT_TRUE(u.w<QCheckBox>(M::Gas)->isChecked());
    EXPECT_TRUE(u.w<QLabel>(M::Hinweis)->isVisible());
    EXPECT_EQ(u.w<QComboBox>(M::EhVisk)->currentText(), "Pa·s");
    EXPECT_EQ(u.w<QComboBox>(M::EhCp)->currentText(), "BTU/(lb·°F)");
    EXPECT_NEAR(u.w<QLineEdit>(M::Visk)->text().toDouble(), 1.2e-5, 1e-10);  // mPa s -> Pa s
    EXPECT_NEAR(u.w<QLineEdit>(M::ViskWand)->text().toDouble(), 0.013, 1e-9);
    EXPECT_NEAR(u.w<QLineEdit>(M::Cp)->text().toDouble(), 0.4968, 1e-4);
    EXPECT_EQ(u.w<QLineEdit>(M::Alfa)->text().toDouble(), 40.0);

    u.klick(M::Leeren);
    for (int id : {M::Name, M::Visk, M::ViskWand, M::Dichte, M::Cp, M::Lambda, M::Alfa})
        EXPECT_EQ(u.w<QLineEdit>(id)->text(), "") << id;
    EXPECT_TRUE(u.view->isVisible());
}

TEST(AddMediumView, LayoutShowsEveryTextUnclipped) {
    Umgebung u;
    u.klick(M::Gas);  // the longest state: hint shown
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
    const int x = u.w<QLineEdit>(M::Visk)->x();
    for (int id : {M::ViskWand, M::Dichte, M::Cp, M::Lambda, M::Alfa})
        EXPECT_EQ(u.w<QLineEdit>(id)->x(), x) << id;
    EXPECT_GT(u.w<QComboBox>(M::EhVisk)->x(), x + u.w<QLineEdit>(M::Visk)->width() - 1);
}
