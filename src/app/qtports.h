// Qt adapters of the ports.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QPrinter>
#include <QRect>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

class QtMessages : public MessagePort {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* p) { parent_ = p; }
    void showMessage(const Message& message) override;

private:
    QPointer<QWidget> parent_;
};

class QtQuestions : public QuestionPort {
public:
    explicit QtQuestions(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* p) { parent_ = p; }
    Answer askYesNoCancel(const std::string& text, const std::string& caption,
                          const AnswerTexts& answers) override;
    Answer askYesNo(const std::string& text, const std::string& caption,
                    const AnswerTexts& answers) override;

private:
    Answer fragen(const std::string& text, const std::string& caption, const AnswerTexts& answers,
                  bool mitAbbrechen);
    QPointer<QWidget> parent_;
};

class QtFiles : public FileDialogPort {
public:
    explicit QtFiles(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* p) { parent_ = p; }
    std::optional<std::string> chooseFileToOpen(const std::string& folder,
                                                const std::string& extension) override;
    std::optional<std::string> chooseFileToSave(const std::string& defaultExtension,
                                                const std::string& folder,
                                                const std::string& name) override;

private:
    QPointer<QWidget> parent_;
};

class QtWaitCursor : public WaitCursorPort {
public:
    void beginWait() override;
    void endWait() override;
};

class QtClipboard : public ClipboardPort {
public:
    bool setText(const std::string& text) override;
};

class QtDocuments : public DocumentPort {
public:
    explicit QtDocuments(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* p) { parent_ = p; }
    // False also when the desktop's opener found no program for the file.
    bool openDocument(const std::string& path) override;
    // A modeless window with the page in a QTextBrowser; links within the
    // help folder are followed there.
    void showHelpWindow(const std::string& path) override;

private:
    QPointer<QWidget> parent_;
};

// A printer on the page of every printout (printer and preview alike, the
// same as the PDF's): A4 portrait, its margins, its resolution.
void druckerEinrichten(QPrinter& printer);
// Where the print preview opens within a screen's free area `frei`: centred,
// never larger than it.
QRect vorschauFenster(const QRect& frei);

class QtPrinter : public PrintPort {
public:
    explicit QtPrinter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* p) { parent_ = p; }
    // Printer: the printer dialog without page range, selection or file
    // output; preview: the print preview dialog; PDF: a file dialog.
    Druckausgang drucken(Druckziel ziel, const std::string& titel,
                         const Zeichnung& zeichnen) override;

private:
    QPointer<QWidget> parent_;
};

// Base of the Qt views of dialog models.
class DialogView : public QDialog {
public:
    explicit DialogView(QWidget* parent = nullptr) : QDialog(parent) {}
    // What the screenshot mode does to leave the dialog (OK by default).
    virtual void autoSchliessen() { accept(); }

protected:
    // Ends the dialog once its model was closed (result 1 accepts).
    void beendenWennGeschlossen(const DialogModel& model) {
        if (model.closed()) done(model.result() == 1 ? QDialog::Accepted : QDialog::Rejected);
    }
};

// Runs a dialog model modally in the view registered for its dialogName().
class QtDialogRunner : public SubDialogPort {
public:
    using Factory = std::function<std::unique_ptr<DialogView>(DialogModel&, QWidget* parent)>;
    void registerView(const std::string& dialogName, Factory factory);
    bool hasView(const std::string& dialogName) const;
    int runDialog(DialogModel& dialog) override;
    // Parent of the dialogs run next (the innermost open dialog by default).
    void setParent(QWidget* p) { parent_ = p; }
    // Run once the dialog of that name is on screen, each time it opens:
    // the user actions the command line hands in.
    std::map<std::string, std::function<void(DialogModel&)>> beimOeffnen;

private:
    std::map<std::string, Factory> factories_;
    QPointer<QWidget> parent_;
};

// All Qt ports in one place; `settings` is handed in (QSettings or a test
// store).
struct QtPorts {
    QtMessages messages;
    QtQuestions questions;
    QtFiles files;
    QtWaitCursor waitCursor;
    QtClipboard clipboard;
    QtDocuments documents;
    QtPrinter printer;
    QtDialogRunner dialogs;
    Ports ports(SettingsPort* settings) {
        return Ports{&messages,  &questions, &files,   &waitCursor, settings,
                     &clipboard, &documents, &printer, &dialogs};
    }
};

}  // namespace kal
