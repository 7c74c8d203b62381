// Qt view of the completion dialog: widgets named by control id, bound to
// the model through the generic binder; no rules here.
#pragma once

#include <QMenuBar>

#include "assembly_model.h"
#include "binder.h"
#include "qtports.h"

namespace kal {

class AssemblyView : public DialogView {
public:
    explicit AssemblyView(CAssembly& model, QWidget* parent = nullptr);
    void autoSchliessen() override { reject(); }
    void reject() override;  // Escape and the close box: "Back"
    FormBinder& binder() { return binder_; }

private:
    QWidget* bauePreise(QWidget* p);
    QWidget* baueAnschluesse(QWidget* p);
    QWidget* baueOptionen(QWidget* p);
    QWidget* baueBelegung(QWidget* p);
    QWidget* baueDokumentation(QWidget* p);
    void ereignis(int id, BindEvent e);

    CAssembly& model_;
    FormBinder binder_;
    QMenuBar* menuBar_ = nullptr;
};

// Registers the completion dialog's view with the runner.
void registerAssemblyView(QtDialogRunner& runner);

}  // namespace kal
