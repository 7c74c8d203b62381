#include "app/qtports.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>
#include <string>

#include "app/qtsprache.h"
#include "app/screenshot.h"
#include "bildablage.h"
#include "druck/qtseite.h"
#include "verzeichnis.h"

TEST(QtWaitCursor, GuardRestoresTheCursor) {
    kal::QtWaitCursor w;
    {
        kal::WaitCursorGuard g(w);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtDocuments, HelpWindowShowsThePageWithItsTitle) {
    QWidget hauptfenster;
    kal::QtDocuments docs(&hauptfenster);
    docs.showHelpWindow(kaltest::distDir() + "/help/uk/index.htm");
    auto* fenster = hauptfenster.findChild<QDialog*>("hilfe");
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(fenster->isModal());
    EXPECT_EQ(fenster->windowTitle(), QString::fromUtf8("kalvoria – user guide"));
    auto* browser = fenster->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("The two modes"));
    kaltest::bildAblegen(*fenster, "help_window");
    fenster->close();
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// "Open" fails when the desktop's opener is missing or finds no program for
// the file (it then exits non-zero at once), so the caller can show the
// page itself; a program that took the file counts as opened.
TEST(QtDocuments, OeffnenScheitertOhneProgrammFuerDieDatei) {
    kaltest::TempDir bin;
    const QByteArray pfad = qgetenv("PATH");
    auto oeffner = [&](const char* skript) {
        bin.schreibe("xdg-open", std::string("#!/bin/sh\n") + skript + "\n");
        std::filesystem::permissions(bin.pfad("xdg-open"), std::filesystem::perms::owner_all);
    };
    qputenv("PATH", QByteArray::fromStdString(bin.dir()));
    kal::QtDocuments docs;
    const std::string seite = kaltest::distDir() + "/help/uk/index.htm";
    EXPECT_FALSE(docs.openDocument(seite));  // no opener at all
    oeffner("exit 3");                       // xdg-open's "no method available"
    EXPECT_FALSE(docs.openDocument(seite));
    oeffner("test -n \"$1\"");
    EXPECT_TRUE(docs.openDocument(seite));
    qputenv("PATH", pfad);
}
#endif

// The answers carry the program's texts; an empty text keeps the toolkit's.
TEST(QtQuestions, ButtonsInTheProgramsLanguage) {
    kal::QtQuestions fragen;
    QStringList texte;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (auto k : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            texte << box->button(k)->text().remove('&');
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(fragen.askYesNoCancel("Speichern?", "kal", {"Ja", "Nein", ""}), kal::Answer::No);
    EXPECT_EQ(texte, (QStringList{"Ja", "Nein", "Cancel"}));
    // each button with an access key of its own: its letter answers
    QStringList roh;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (auto k : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            roh << box->button(k)->text();
        // without the key the box would stay: Cancel then ends it
        QTimer::singleShot(2000, box, [box] { box->button(QMessageBox::Cancel)->click(); });
        QTest::keyClick(box, Qt::Key_N);
    });
    EXPECT_EQ(fragen.askYesNoCancel("Speichern?", "kal", {"Ja", "Nein", "Abbrechen"}),
              kal::Answer::No);
    EXPECT_EQ(roh, (QStringList{"&Ja", "&Nein", "&Abbrechen"}));

    // a choice of two has no third button; Escape is the No
    int knoepfe = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        knoepfe = static_cast<int>(box->buttons().size());
        EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Trotzdem drucken");
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &esc);
    });
    EXPECT_EQ(fragen.askYesNo("Drucken?", "kal",
                              {"Trotzdem drucken",
                               "Zur\xC3\xBC"
                               "ck",
                               ""}),
              kal::Answer::No);
    EXPECT_EQ(knoepfe, 2);
}

// Qt's own buttons and dialogs speak the interface's language; English, a
// language without a catalogue or a missing catalogue leave Qt's English.
TEST(QtSprache, QtsOwnTextsFollowTheInterface) {
    auto abbrechen = [] {
        QDialogButtonBox b(QDialogButtonBox::Cancel);
        return b.button(QDialogButtonBox::Cancel)->text().remove('&');
    };
    EXPECT_EQ(kal::qtKatalog("de"), "qtbase_de");
    EXPECT_EQ(kal::qtKatalog("uk"), "");  // the program's English, not Ukrainian
    EXPECT_TRUE(kal::qtSpracheSetzen("de"));
    EXPECT_EQ(abbrechen(), "Abbrechen");

    // the file dialog (Qt's own on this platform) with German buttons
    QString oeffnen, zurueck;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        auto* knoepfe = dlg->findChild<QDialogButtonBox*>();
        ASSERT_NE(knoepfe, nullptr);
        for (QAbstractButton* b : knoepfe->buttons()) {
            const auto rolle = knoepfe->buttonRole(b);
            if (rolle == QDialogButtonBox::AcceptRole) oeffnen = b->text().remove('&');
            if (rolle == QDialogButtonBox::RejectRole) zurueck = b->text().remove('&');
        }
        dlg->resize(760, 480);
        kaltest::bildAblegen(*dlg, "file_dialog_de");
        dlg->reject();
    });
    kal::QtFiles dateien;
    EXPECT_EQ(dateien.chooseFileToOpen(kaltest::distDir() + "/examples", "kal"), std::nullopt);
    EXPECT_EQ(oeffnen, QString::fromUtf8("\xC3\x96"
                                         "ffnen"));
    EXPECT_EQ(zurueck, "Abbrechen");

    for (const auto& [code, ordner] :
         {std::pair{"uk", QString()}, {"xx", QString()}, {"de", QStringLiteral("/nonexistent")}}) {
        EXPECT_FALSE(kal::qtSpracheSetzen(code, ordner)) << code;
        EXPECT_EQ(abbrechen(), "Cancel") << code;
    }
}

// The preview fits the screen's free area and shows the whole page.
TEST(QtPrinter, PreviewFitsTheScreen) {
    for (const QRect frei :
         {QRect(0, 0, 1366, 728), QRect(0, 30, 800, 570), QRect(0, 0, 3000, 1900)}) {
        const QRect r = kal::vorschauFenster(frei);
        EXPECT_TRUE(frei.contains(r)) << frei.width() << "x" << frei.height();
        EXPECT_GT(r.height(), frei.height() * 3 / 4);
        EXPECT_LT(r.width(), r.height());  // portrait, as the page
    }
    QRect geometrie;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        geometrie = dlg->geometry();
        zoom = dlg->findChild<QPrintPreviewWidget*>()->zoomMode();
        dlg->reject();
    });
    kal::QtPrinter drucker;
    drucker.drucken(kal::Druckziel::Vorschau, "Vorschau", [](kal::PageDevice&) { return true; });
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(geometrie));
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitInView);
}

TEST(QtClipboard, PutsPlainText) {
    kal::QtClipboard c;
    EXPECT_TRUE(c.setText("Zeile 1\nZeile 2\t\xC3\xA4"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString::fromUtf8("Zeile 1\nZeile 2\t\xC3\xA4"));
}

TEST(QtPageDevice, PrintsPagesToPdf) {
    kaltest::TempDir tmp;
    const QString pdf = QString::fromStdString(tmp.pfad("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    kal::QtPageDevice page(printer);
    EXPECT_GT(page.pageWidth(), 1000);
    EXPECT_GT(page.pageHeight(), page.pageWidth());
    EXPECT_GT(page.lineHeight(12), page.lineHeight(8));
    ASSERT_TRUE(page.startDocument("Test"));
    EXPECT_TRUE(page.startPage());
    kal::PageFont f;
    f.height = 60;
    page.drawText(100, 100, "links", f, kal::TextAlign::Left);
    f.weight = 700;
    page.drawText(2000, 200, "rechts", f, kal::TextAlign::Right);
    page.drawLine(100, 300, 2000, 300, 4);
    page.drawRect(100, 400, 2000, 900, 2);
    EXPECT_GT(page.textWidth("breiter Text", f), page.textWidth("Text", f));
    EXPECT_TRUE(page.drawPicture(100, 1000, 900, 1400, kaltest::distDir() + "/pic/Logo.bmp"));
    EXPECT_FALSE(page.drawPicture(100, 1000, 900, 1400, tmp.pfad("fehlt.bmp")));
    EXPECT_TRUE(page.endPage());
    EXPECT_TRUE(page.startPage());
    EXPECT_TRUE(page.endPage());
    page.endDocument();
    EXPECT_GT(QFileInfo(pdf).size(), 500);
    // Drawing after the end is ignored, not a crash.
    page.drawText(0, 0, "late", f, kal::TextAlign::Left);
}

// A PDF file is written whole or not at all: a failed drawing leaves no
// file, a target that cannot be written is named with the reason.
TEST(QtPageDevice, PdfWholeOrNotAtAll) {
    kaltest::TempDir tmp;
    auto seite = [](bool gelingt) {
        return [gelingt](kal::PageDevice& d) {
            if (!d.startDocument("") || !d.startPage()) return false;
            d.drawText(100, 100, "Seite", kal::PageFont{"Times New Roman", 60, 500},
                       kal::TextAlign::Left);
            return d.endPage() && d.endDocument() && gelingt;
        };
    };
    kal::Druckausgang a = kal::druckeAlsPdf(tmp.pfad("gut.pdf"), "T", seite(true));
    EXPECT_TRUE(a.gedruckt());
    const std::string pdf = kaltest::liesDatei(tmp.pfad("gut.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);

    a = kal::druckeAlsPdf(tmp.pfad("schlecht.pdf"), "T", seite(false));
    EXPECT_TRUE(a.fehlgeschlagen());
    EXPECT_TRUE(a.datei.empty()) << "the drawing's failure, not the file's";
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(tmp.pfad("schlecht.pdf"))));

    a = kal::druckeAlsPdf(tmp.pfad("fehlt/x.pdf"), "T", seite(true));
    EXPECT_TRUE(a.fehlgeschlagen());
    EXPECT_EQ(a.datei, tmp.pfad("fehlt/x.pdf"));
    EXPECT_EQ(a.grund, "No such file or directory");
}

// Printer, preview and PDF lay out on the same page: the same size, line
// heights and text widths, so the preview shows the pages the PDF holds.
TEST(QtPrinter, MeasuresLikeThePdf) {
    QPrinter printer(QPrinter::HighResolution);
    kal::druckerEinrichten(printer);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setResolution(kal::kDruckaufloesung);
    pdf.setPageLayout(kal::druckseite());
    const kal::QtPageDevice a(printer), b(pdf);
    EXPECT_EQ(b.lineHeight(11), 92);  // 11 pt
    EXPECT_EQ(a.pageWidth(), b.pageWidth());
    EXPECT_EQ(a.pageHeight(), b.pageHeight());
    for (int punkte : {8, 9, 10, 11, 14, 16}) {
        EXPECT_EQ(a.lineHeight(punkte), b.lineHeight(punkte)) << punkte;
        for (int gewicht : {500, 700}) {
            const kal::PageFont f{"Times New Roman", b.lineHeight(punkte), gewicht};
            EXPECT_EQ(a.textWidth("Specific heat capacity [BTU/(lb·°F)] 0.998", f),
                      b.textWidth("Specific heat capacity [BTU/(lb·°F)] 0.998", f));
        }
    }
}

TEST(Screenshot, PathPerDialog) {
    EXPECT_EQ(kal::screenshotPfad("/tmp/a/shot.png", "DialogSettings"),
              "/tmp/a/shot-DialogSettings.png");
    EXPECT_EQ(kal::screenshotPfad("/tmp/a/shot", "X"), "/tmp/a/shot-X.png");
}
