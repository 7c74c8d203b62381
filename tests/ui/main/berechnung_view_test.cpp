#include "ui/main/berechnung_view.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <set>

#include "datalib/format.h"
#include "steuerelementarten.h"
#include "ui/main/colorlabel.h"
#include "umgebung.h"

using namespace kal;
using namespace kal::hd;
using kaltest::Umgebung;

namespace {
// The test installation: its title and short language files show in the texts.
const kaltest::Start kTest{.vorlage = kaltest::Vorlage::Testinstallation};

QStringList menuTitel(QMenuBar* bar) {
    QStringList t;
    for (QAction* a : bar->actions()) t << a->text();
    return t;
}
}  // namespace

TEST(BerechnungView, FrameControlsMenuAndTitle) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    EXPECT_EQ(v.windowTitle(), "Kalvoria Test 3.26.12");
    EXPECT_EQ(menuTitel(v.menuBar()), (QStringList{"&File", "&Administration", "&Info"}));
    for (int id : {RahmenModus, RahmenWarm, RahmenKalt, RahmenGeraet, RahmenErgebnis, RahmenMasse})
        EXPECT_NE(v.findChild<QGroupBox*>(QString::number(id)), nullptr) << id;
    for (int id : {Leistung, TEinWarm, GasDruckKalt, Serien, Statuszeile, KRein, StutzenVertikal})
        EXPECT_NE(v.findChild<QLineEdit*>(QString::number(id)), nullptr) << id;
    for (int id : {MediumWarm, MediumKalt, Plattentyp, Spalttyp2, EinheitLeistung})
        EXPECT_NE(v.findChild<QComboBox*>(QString::number(id)), nullptr) << id;
    EXPECT_EQ(v.findChild<QGroupBox*>(QString::number(RahmenWarm))->title(), "Warm side");
    EXPECT_TRUE(v.findChild<QLineEdit*>(QString::number(Statuszeile))->isReadOnly());
    auto* warnung = v.findChild<CColorLabel*>(QString::number(LabelWarnung));
    ASSERT_NE(warnung, nullptr);
    EXPECT_EQ(warnung->ctrl().getBkColor(), 255u);
    EXPECT_TRUE(warnung->isHidden());
    EXPECT_FALSE(warnung->timerLaeuft());
    EXPECT_EQ(v.findChild<QComboBox*>(QString::number(SerienModus))->itemData(2).toInt(), 2);
}

// The kind the model gives each control is the widget on screen, so a
// script does to a control only what a user can.
TEST(BerechnungView, ControlKindsAreTheWidgets) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    EXPECT_EQ(kaltest::artAbweichungen(v, d.form()), std::vector<std::string>{});
}

TEST(BerechnungView, LanguageChangeThroughMenu) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    u.spracheWaehlen("Deutsch");
    v.findChild<QAction*>("40016")->trigger();
    EXPECT_EQ(menuTitel(v.menuBar()), (QStringList{"&Datei", "&Verwaltung", "&Info DE"}));
    EXPECT_EQ(v.windowTitle(), "Kalvoria Test DE 3.26.12");
    EXPECT_EQ(v.findChild<QAction*>("40014")->text(), "&Beenden");
}

TEST(BerechnungView, RadioClicksReachTheModel) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    v.show();
    QTest::mouseClick(v.findChild<QRadioButton*>(QString::number(Nachrechnen)), Qt::LeftButton);
    EXPECT_EQ(d.getModus(), 1);
    EXPECT_FALSE(v.findChild<QComboBox*>(QString::number(SpaltenModus))->isEnabled());
    EXPECT_EQ(v.findChild<QComboBox*>(QString::number(SpaltenModus))->currentText(), "fixed");
    QTest::mouseClick(v.findChild<QRadioButton*>(QString::number(SystemUS)), Qt::LeftButton);
    EXPECT_EQ(d.getEinheitensystem(), 1);
    EXPECT_FALSE(v.findChild<QRadioButton*>(QString::number(SystemSI))->isChecked());
}

// No unit text is cut, in either unit system and language: a unit list's
// text field takes its widest unit, a result unit label its text.
TEST(BerechnungView, UnitTextsAreNeverCut) {
    for (const char* sprache : {"English", "Deutsch"}) {
        for (int system : {SystemUS, SystemSI}) {
            SCOPED_TRACE(std::string(sprache) + (system == SystemUS ? " US" : " SI"));
            Umgebung u({.sprache = sprache});
            CBerechnungDlg d(u.app);
            BerechnungView v(d);
            v.show();
            QTest::mouseClick(v.findChild<QRadioButton*>(QString::number(system)), Qt::LeftButton);
            QApplication::processEvents();
            int listen = 0;
            for (int id : CBerechnungDlg::kUnitListen) {
                auto* c = v.findChild<QComboBox*>(QString::number(id));
                if (!c) continue;
                ++listen;
                int text = 0;
                for (int i = 0; i < c->count(); ++i)
                    text = std::max(text, c->fontMetrics().horizontalAdvance(c->itemText(i)));
                QStyleOptionComboBox opt;
                opt.initFrom(c);
                const QRect feld = c->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                              QStyle::SC_ComboBoxEditField, c);
                EXPECT_GE(feld.width(), text) << id << " " << c->currentText().toStdString();
            }
            EXPECT_EQ(listen, 13);
            for (int id : CBerechnungDlg::ergebnisEinheitLabels()) {
                auto* l = v.findChild<QLabel*>(QString::number(id));
                ASSERT_NE(l, nullptr) << id;
                EXPECT_FALSE(l->text().isEmpty()) << id;
                EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
                    << id << " " << l->text().toStdString();
            }
        }
    }
}

// The window fits a 1366x768 laptop screen (less a task bar and the title
// bar); the logo sits in the layout and covers no control at any size; Tab
// skips the read-only result fields.
TEST(BerechnungView, FitsALaptopScreenLogoCoversNothingTabSkipsResults) {
    for (const char* sprache : {"Deutsch", "English"}) {  // German has the longer texts
        Umgebung u({.sprache = sprache});
        CBerechnungDlg d(u.app);
        const QSize s = BerechnungView(d).minimumSizeHint();
        EXPECT_TRUE(s.width() <= 1366 - 16 && s.height() <= 768 - 40 - 30) << sprache;
    }
    Umgebung u;  // the shipped installation with its logo
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    const QSize mindestens = v.minimumSizeHint();
    auto* logo = v.findChild<QLabel*>("logo");
    ASSERT_NE(logo, nullptr);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    EXPECT_FALSE(logo->isHidden());
    for (const QSize groesse : {mindestens, QSize(1366, 700), QSize(1600, 1000)}) {
        v.resize(groesse);
        QApplication::processEvents();
        const QRect l(logo->mapTo(&v, QPoint(0, 0)), logo->size());
        for (QWidget* w : v.findChildren<QWidget*>()) {
            if (w == logo || !w->isVisible() || FormBinder::controlId(w->objectName()) == 0 ||
                qobject_cast<QGroupBox*>(w))
                continue;
            EXPECT_FALSE(l.intersects(QRect(w->mapTo(&v, QPoint(0, 0)), w->size())))
                << w->objectName().toStdString() << " at " << groesse.width();
        }
    }
    // Tab from the duty through the whole window lands on entries only
    auto* start = v.findChild<QLineEdit*>(QString::number(Leistung));
    start->setFocus();
    int edits = 0;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            ++edits;
            EXPECT_FALSE(e->isReadOnly()) << e->objectName().toStdString();
        }
    }
    EXPECT_GT(edits, 5);

    Umgebung ohne(kTest);  // no logo: nothing shown
    CBerechnungDlg d2(ohne.app);
    BerechnungView v2(d2);
    EXPECT_TRUE(v2.findChild<QLabel*>("logo")->isHidden());
}

TEST(BerechnungView, CloseBoxRefusedWhenStoreFails) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    v.show();
    u.p.settings.writable = false;
    EXPECT_FALSE(v.close());
    EXPECT_TRUE(v.isVisible());
    u.p.settings.writable = true;
    EXPECT_TRUE(v.close());
    EXPECT_EQ(u.p.settings.values.count("unit"), 1u);
}

TEST(BerechnungView, EscapeClosesWithoutStoring) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    v.show();
    QTest::keyClick(&v, Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(u.p.settings.values.count("unit"), 0u);
    EXPECT_EQ(d.result(), 2);
}

// Ctrl+S, Ctrl+N and Ctrl+O reach the file commands; Escape with typed
// entries asks first, and Cancel keeps the window open.
TEST(BerechnungView, KeysReachTheFileCommandsAndEscapeAsks) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    auto* leistung = v.findChild<QLineEdit*>(QString::number(Leistung));
    QTest::keyClicks(leistung, "12");
    u.p.files.saveAnswers.push_back(u.dir.pfad("p.kal"));
    QTest::keyClick(&v, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&v, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(leistung->text().isEmpty());
    u.p.files.openAnswers.push_back(u.dir.pfad("p.kal"));
    QTest::keyClick(&v, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(leistung->text(), "12");
    QTest::keyClicks(leistung, "3");
    QTest::keyClick(&v, Qt::Key_Escape);  // no answer queued: Cancel
    EXPECT_TRUE(v.isVisible());
    u.p.questions.answers.push_back(Answer::No);
    QTest::keyClick(&v, Qt::Key_Escape);
    EXPECT_EQ(u.p.questions.asked.size(), 2u);
    EXPECT_FALSE(v.isVisible());
}

TEST(CColorLabel, TimerRunsOnlyWhileBlinking) {
    CColorLabel l;
    EXPECT_FALSE(l.timerLaeuft());
    l.ctrl().SetBkBlinkColors(rgb(255, 0, 0), rgb(0, 255, 0));
    l.ctrl().SetBkBlink(true);
    l.ctrl().SetPeriod(20);
    l.farbenGeaendert();
    EXPECT_TRUE(l.timerLaeuft());
    std::set<int> phasen;
    for (int i = 0; i < 50 && phasen.size() < 2; ++i) {
        QTest::qWait(10);
        phasen.insert(l.ctrl().getPhase());
    }
    EXPECT_EQ(phasen, (std::set<int>{0, 1}));
    l.setEnabled(false);
    l.ctrl().SetBkBlink(false);
    l.farbenGeaendert();
    EXPECT_FALSE(l.timerLaeuft());
    EXPECT_EQ(l.ctrl().getBkColor(), kKeineFarbe);
}

TEST(BerechnungView, QuitThroughMenuStoresAndCloses) {
    Umgebung u(kTest);
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    v.show();
    u.p.settings.writable = false;
    v.findChild<QAction*>("40014")->trigger();
    EXPECT_FALSE(v.isVisible());  // closes even though the store failed
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(v.result(), QDialog::Accepted);
    ASSERT_EQ(u.p.messages.shown.size(), 1u);
    EXPECT_EQ(u.p.messages.shown[0].key, "readregistry");
}

TEST(BerechnungView, RunsModallyThroughTheRunner) {
    Umgebung u(kTest);
    QtDialogRunner runner;
    registerBerechnungView(runner);
    CBerechnungDlg d(u.app);
    QTimer::singleShot(0, [] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Kalvoria Test 3.26.12");
        w->close();
    });
    EXPECT_EQ(runner.runDialog(d), 2);
    EXPECT_EQ(u.p.settings.values["unit"], "0,0,0,0,0,0,0,0,0,0,0,0,1,0,0");
}

// A user types a water/water duty into the window and presses Enter: the
// default button calculates, the window shows the pack, and the next edit
// clears it again.
TEST(BerechnungView, TypedCaseCalculatesAndAnEditClearsTheResult) {
    Umgebung u;  // the shipped installation
    CBerechnungDlg d(u.app);
    BerechnungView v(d);
    v.show();
    auto edit = [&](int id) { return v.findChild<QLineEdit*>(QString::number(id)); };
    const std::pair<int, const char*> eingaben[] = {
        {TEinWarm, "90"}, {TAusWarm, "60"},         {DurchsatzWarm, "3.98"}, {TEinKalt, "20"},
        {TAusKalt, "50"}, {DruckverlustWarm, "30"}, {DruckverlustKalt, "30"}};
    for (const auto& [id, text] : eingaben) QTest::keyClicks(edit(id), text);
    auto* komplett = v.findChild<QPushButton*>(QString::number(Komplettieren));
    EXPECT_FALSE(komplett->isEnabled());
    QTest::keyClick(edit(DruckverlustKalt), Qt::Key_Return);
    ASSERT_TRUE(d.getErgebnisVorhanden()) << d.form().text(Statuszeile);
    EXPECT_EQ(u.p.waitCursor.depth, 0);
    EXPECT_EQ(u.p.waitCursor.begun, 1);
    EXPECT_TRUE(komplett->isEnabled());
    // the same pack and texts as the command line shows for the sample project
    EXPECT_EQ(edit(ErgPlattentyp)->text(), "KX 08");
    EXPECT_EQ(edit(ErgSpalten)->text(), "12");
    EXPECT_EQ(edit(AlfaWarm)->text(), "20497");
    EXPECT_EQ(edit(KRein)->text(), "6832");
    EXPECT_EQ(edit(Flaeche)->text(), "1.84");
    EXPECT_EQ(v.findChild<QComboBox*>(QString::number(Spalttyp1))->currentText(), "MM");
    EXPECT_EQ(edit(Statuszeile)->text(), "1262 configurations evaluated");

    // switching the unit system shows the same result in US units
    QTest::mouseClick(v.findChild<QRadioButton*>(QString::number(SystemUS)), Qt::LeftButton);
    EXPECT_EQ(edit(Flaeche)->text().toStdString(), zahlText(1.84 / 0.09290304, 2, 10));
    QTest::mouseClick(v.findChild<QRadioButton*>(QString::number(SystemSI)), Qt::LeftButton);

    QTest::keyClicks(edit(DurchsatzWarm), "1");
    EXPECT_FALSE(d.getErgebnisVorhanden());
    EXPECT_FALSE(komplett->isEnabled());
    EXPECT_TRUE(edit(ErgPlattentyp)->text().isEmpty());
    EXPECT_TRUE(edit(AlfaWarm)->text().isEmpty());
    EXPECT_EQ(v.findChild<QComboBox*>(QString::number(Spalttyp1))->currentIndex(), -1);
}
