#include "app/qtports.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/screenshot.h"
#include "datalib/dialoghilfe.h"
#include "druck/qtseite.h"

namespace kal {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

QString standardCaption(const std::string& caption) {
    if (!caption.empty()) return q(caption);
    QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("kalvoria") : name;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// How long "open" waits for xdg-open to start and to report a program that
// took the file (it reports a missing one at once).
constexpr int kXdgOpenStartMs = 3000, kXdgOpenWartenMs = 10000;
#endif

QWidget* elternFenster(QWidget* parent) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent;
}
}  // namespace

void QtMessages::showMessage(const Message& m) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (m.icon) {
        case MessageIcon::Information:
            icon = QMessageBox::Information;
            break;
        case MessageIcon::Warning:
            icon = QMessageBox::Warning;
            break;
        case MessageIcon::Error:
            icon = QMessageBox::Critical;
            break;
        case MessageIcon::Question:
            icon = QMessageBox::Question;
            break;
        case MessageIcon::None:
            break;
    }
    QMessageBox box(icon, standardCaption(m.caption), q(m.text), QMessageBox::Ok,
                    elternFenster(parent_));
    screenshotModus(&box, "message", [&box] { box.accept(); });
    box.exec();
}

Answer QtQuestions::askYesNoCancel(const std::string& text, const std::string& caption,
                                   const AnswerTexts& answers) {
    return fragen(text, caption, answers, true);
}

Answer QtQuestions::askYesNo(const std::string& text, const std::string& caption,
                             const AnswerTexts& answers) {
    return fragen(text, caption, answers, false);
}

Answer QtQuestions::fragen(const std::string& text, const std::string& caption,
                           const AnswerTexts& answers, bool mitAbbrechen) {
    QMessageBox::StandardButtons knoepfe = QMessageBox::Yes | QMessageBox::No;
    if (mitAbbrechen) knoepfe |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, standardCaption(caption), q(text), knoepfe,
                    elternFenster(parent_));
    // the program's texts where it has them, and a key of its own on each
    // button so that Alt answers as on a desktop
    std::vector<QAbstractButton*> knopfListe;
    std::vector<std::string> texte;
    const std::pair<QMessageBox::StandardButton, const std::string*> antworten[] = {
        {QMessageBox::Yes, &answers.yes},
        {QMessageBox::No, &answers.no},
        {QMessageBox::Cancel, &answers.cancel}};
    for (const auto& [knopf, t] : antworten) {
        if (QAbstractButton* b = box.button(knopf)) {
            knopfListe.push_back(b);
            texte.push_back(t->empty() ? b->text().toStdString() : *t);
        }
    }
    kuerzelVergeben(texte);
    for (size_t i = 0; i < knopfListe.size(); ++i) knopfListe[i]->setText(q(texte[i]));
    // unattended runs never keep a window open nor save: they answer "No"
    screenshotModus(&box, "question", [&box] { box.button(QMessageBox::No)->click(); });
    int r = box.exec();
    if (r == QMessageBox::Yes) return Answer::Yes;
    if (r == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

namespace {
QString startOrdner(const std::string& folder) {
    if (!folder.empty() && QFileInfo(q(folder)).isDir()) return q(folder);
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
}  // namespace

namespace {
// Files with the extension first, then every file.
QString dateifilter(const std::string& ext) {
    return ext.empty() ? QString() : "*." + q(ext) + ";;*";
}
}  // namespace

std::optional<std::string> QtFiles::chooseFileToOpen(const std::string& folder,
                                                     const std::string& extension) {
    QFileDialog dlg(elternFenster(parent_), QString(), startOrdner(folder), dateifilter(extension));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    screenshotModus(&dlg, "open", [&dlg] { dlg.reject(); });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().front().toStdString();
}

std::optional<std::string> QtFiles::chooseFileToSave(const std::string& ext,
                                                     const std::string& folder,
                                                     const std::string& name) {
    QFileDialog dlg(elternFenster(parent_), QString(), startOrdner(folder), dateifilter(ext));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    if (!ext.empty()) dlg.setDefaultSuffix(q(ext));
    if (!name.empty()) dlg.selectFile(q(name));
    screenshotModus(&dlg, "save", [&dlg] { dlg.reject(); });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().front().toStdString();
}

void QtWaitCursor::beginWait() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtWaitCursor::endWait() { QApplication::restoreOverrideCursor(); }

bool QtClipboard::setText(const std::string& text) {
    QClipboard* c = QGuiApplication::clipboard();
    if (!c) return false;
    c->setText(q(text));
    return c->text() == q(text);
}

bool QtDocuments::openDocument(const std::string& path) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open is started whether a program for the file exists or not, and
    // says which only by its exit code; one still running has handed the file
    // to a program that keeps it running
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return false;
    auto* p = new QProcess(qApp);
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
    p->start(xdgOpen, {QUrl::fromLocalFile(q(path)).toString()});
    if (!p->waitForStarted(kXdgOpenStartMs)) {
        p->deleteLater();
        return false;
    }
    // its search for a program can take seconds: the window keeps painting
    QEventLoop warten;
    bool fertig = false, erfolg = false;
    QObject::connect(p, &QProcess::finished, &warten, [&](int code, QProcess::ExitStatus status) {
        fertig = true;
        erfolg = status == QProcess::NormalExit && code == 0;
        warten.quit();
    });
    QTimer::singleShot(kXdgOpenWartenMs, &warten, &QEventLoop::quit);
    warten.exec(QEventLoop::ExcludeUserInputEvents);
    return !fertig || erfolg;
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(q(path)));
#endif
}

void QtDocuments::showHelpWindow(const std::string& path) {
    auto* fenster = new QDialog(elternFenster(parent_));
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->setObjectName("hilfe");
    auto* layout = new QVBoxLayout(fenster);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browser = new QTextBrowser(fenster);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(q(path)));
    layout->addWidget(browser);
    fenster->setWindowTitle(browser->documentTitle());
    fenster->resize(760, 640);
    screenshotModus(fenster, "help", [fenster] { fenster->close(); });
    fenster->show();
}

QRect vorschauFenster(const QRect& frei) {
    // a portrait page under the tool bar: a little wider than the page's
    // proportions, and never more than the free area
    const int hoehe = frei.height() * 92 / 100;
    const int breite = std::min(frei.width() * 92 / 100, hoehe * 9 / 10);
    QRect r(0, 0, breite, hoehe);
    r.moveCenter(frei.center());
    return r;
}

void druckerEinrichten(QPrinter& printer) {
    printer.setResolution(kDruckaufloesung);
    printer.setPageLayout(druckseite());
}

Druckausgang QtPrinter::drucken(Druckziel ziel, const std::string& titel,
                                const Zeichnung& zeichnen) {
    if (ziel == Druckziel::Pdf) {
        QFileDialog dlg(elternFenster(parent_), QString(), QString(), QStringLiteral("*.pdf"));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("pdf"));
        screenshotModus(&dlg, "pdf", [&dlg] { dlg.reject(); });
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
        return druckeAlsPdf(dlg.selectedFiles().front().toStdString(), titel, zeichnen);
    }
    Druckausgang aus;
    QPrinter printer(QPrinter::HighResolution);
    druckerEinrichten(printer);
    printer.setDocName(q(titel));
    if (ziel == Druckziel::Vorschau) {
        QPrintPreviewDialog dlg(&printer, elternFenster(parent_));
        dlg.setWindowTitle(q(titel));
        const QScreen* schirm = elternFenster(parent_) ? elternFenster(parent_)->screen()
                                                       : QGuiApplication::primaryScreen();
        if (schirm) dlg.setGeometry(vorschauFenster(schirm->availableGeometry()));
        // the whole page at once, whatever the screen
        if (auto* ganz = dlg.findChild<QAction*>(QStringLiteral("fitPageAction")))
            ganz->trigger();
        else if (auto* bild = dlg.findChild<QPrintPreviewWidget*>())
            bild->fitInView();
        bool ok = true;
        QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) {
            QtPageDevice seite(*p);
            ok = zeichnen(seite) && ok;
        });
        screenshotModus(&dlg, "preview", [&dlg] { dlg.reject(); });
        dlg.exec();
        aus.status = ok ? Druckausgang::Status::Gedruckt : Druckausgang::Status::Fehlgeschlagen;
        return aus;
    }
    QPrintDialog dlg(&printer, elternFenster(parent_));
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    screenshotModus(&dlg, "printer", [&dlg] { dlg.reject(); });
    if (dlg.exec() != QDialog::Accepted) return aus;
    QtPageDevice seite(printer);
    // a job the printer system refused is no printout either
    const bool ok = zeichnen(seite) && printer.printerState() != QPrinter::Error;
    aus.status = ok ? Druckausgang::Status::Gedruckt : Druckausgang::Status::Fehlgeschlagen;
    return aus;
}

void QtDialogRunner::registerView(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

bool QtDialogRunner::hasView(const std::string& name) const { return factories_.count(name) > 0; }

int QtDialogRunner::runDialog(DialogModel& dialog) {
    dialog.reopen();
    auto it = factories_.find(dialog.dialogName());
    if (it == factories_.end()) {
        dialog.close(2);
        return 2;
    }
    std::unique_ptr<DialogView> view = it->second(dialog, elternFenster(parent_));
    if (!view) {
        dialog.close(2);
        return 2;
    }
    DialogView* v = view.get();
    screenshotModus(v, dialog.dialogName(), [v] { v->autoSchliessen(); });
    if (auto skript = beimOeffnen.find(dialog.dialogName()); skript != beimOeffnen.end())
        QTimer::singleShot(0, v, [&dialog, f = skript->second] { f(dialog); });
    int r = view->exec();
    if (!dialog.closed()) dialog.close(r == QDialog::Accepted ? 1 : 2);
    return dialog.result();
}

}  // namespace kal
