// Qt view of the completion dialog: widgets named by control id, bound to
// the model through the generic binder; no rules here.
#pragma once

#include <QMenuBar>

#include "app/modellview.h"
#include "ui/completion/completion_model.h"

namespace kal {

class AssemblyView : public ModellView<CAssembly> {
public:
    explicit AssemblyView(CAssembly& model, QWidget* parent = nullptr);
    void autoSchliessen() override { reject(); }
    void reject() override;  // Escape and the close box: "Back"

private:
    QWidget* bauePreise(QWidget* p);
    QWidget* baueAnschluesse(QWidget* p);
    QWidget* baueOptionen(QWidget* p);
    QWidget* baueBelegung(QWidget* p);
    QWidget* baueDokumentation(QWidget* p);

    QMenuBar* menuBar_ = nullptr;
};

// Registers the completion dialog's view with the runner.
void registerAssemblyView(QtDialogRunner& runner);

}  // namespace kal
