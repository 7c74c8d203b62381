// Qt view of the main dialog: widgets named by control id, bound to the
// model through the generic binder; no rules here.
#pragma once

#include <QMenuBar>
#include <QPointer>

#include "app/enbitmap.h"
#include "app/modellview.h"
#include "ui/main/berechnung_model.h"

class QLabel;

namespace kal {

class CColorLabel;

class BerechnungView : public ModellView<CBerechnungDlg> {
public:
    explicit BerechnungView(CBerechnungDlg& model, QWidget* parent = nullptr);
    // Unattended runs leave as Escape does (a question they answer No).
    void autoSchliessen() override { reject(); }
    void reject() override;  // Escape
    QMenuBar* menuBar() const { return menuBar_; }
    // Pushes the model into the widgets (after every handler).
    void aktualisieren();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* baueClient();
    void logoLaden();
    void platzFuerEinheiten();

    QMenuBar* menuBar_ = nullptr;
    QLabel* logo_ = nullptr;
    CColorLabel* warnung_ = nullptr;
    CEnBitmap bitmap_;
};

// Registers the main dialog's view with the runner.
void registerBerechnungView(QtDialogRunner& runner);

}  // namespace kal
