// Qt view of the specification dialog: widgets named by control id, bound
// to the model through the generic binder; no rules here.
#pragma once

#include "app/modellview.h"
#include "ui/spec/spec_model.h"

namespace kal {

class DialogSpecView : public ModellView<DialogSpec> {
public:
    explicit DialogSpecView(DialogSpec& model, QWidget* parent = nullptr);
    void autoSchliessen() override { reject(); }
    void reject() override;  // Escape and the close box: "Back"

private:
    QWidget* baueKopf(QWidget* p);
    QWidget* baueSeiten(QWidget* p);
    QWidget* bauePaket(QWidget* p);
    QWidget* baueKenndaten(QWidget* p);
};

// Registers the specification dialog's view with the runner.
void registerSpecView(QtDialogRunner& runner);

}  // namespace kal
