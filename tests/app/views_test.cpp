#include "app/views.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ports/scripted.h"

namespace {
CIniEx ini(const std::string& text) {
    CIniEx i;
    i.OpenFromText(text);
    return i;
}
}  // namespace

TEST(DialogSettingsView, ShowsModelAndOkPicksTheSelection) {
    CIniEx sprache = ini("[settingsdialog]\ntitle=Language\nlanguage=Pick\nok=OK\ncancel=Cancel\n");
    CIniEx settings = ini("[languages]\nuk=English\nde=Deutsch\n");
    kal::DialogSettings model(sprache, settings, "English");
    kal::DialogSettingsView view(model);
    EXPECT_EQ(view.windowTitle(), "Language");
    auto* liste = view.findChild<QComboBox*>(QString::number(kal::sprache::Sprache));
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->currentText(), "English");
    EXPECT_EQ(view.findChild<QLabel*>(QString::number(kal::sprache::LabelSprache))->text(), "Pick");
    emit liste->activated(1);
    QTest::mouseClick(view.findChild<QPushButton*>(QString::number(kal::sprache::Ok)),
                      Qt::LeftButton);
    EXPECT_EQ(model.result(), 1);
    EXPECT_EQ(model.getErgebnis(), "Deutsch");
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST(DialogSettingsView, EscapeCancels) {
    CIniEx sprache, settings = ini("[languages]\nuk=English\n");
    kal::DialogSettings model(sprache, settings, "English");
    kal::DialogSettingsView view(model);
    view.show();
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(model.result(), 2);
    EXPECT_EQ(model.getErgebnis(), "");
}

TEST(QtDialogRunner, RunsRegisteredViewModally) {
    kal::QtDialogRunner runner;
    kal::registerFrameViews(runner);
    CIniEx settings = ini("[Daten]\nversion=7\n");
    kal::DialogInfo info("&About", settings, ini(""));
    QTimer::singleShot(0, [] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "About");
        EXPECT_EQ(w->findChild<QLabel*>(QString::number(kal::info::Zeile2))->text(),
                  "Version  3.26.7, 30.05.2006");
        QTest::mouseClick(w->findChild<QPushButton*>(QString::number(kal::info::Ok)),
                          Qt::LeftButton);
    });
    EXPECT_EQ(runner.runDialog(info), 1);

    // No view for a model: cancelled, nothing shown.
    struct Fremd : kal::DialogModel {
        std::string dialogName() const override { return "Unbekannt"; }
    } fremd;
    EXPECT_EQ(runner.runDialog(fremd), 2);
}
