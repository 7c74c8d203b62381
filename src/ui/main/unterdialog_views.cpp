#include "unterdialog_views.h"

#include "addmedium_view.h"
#include "spalttypdlg_view.h"

namespace kal {

namespace {
template <class Model, class View>
void registriere(QtDialogRunner& runner, const std::string& name) {
    runner.registerView(name, [](DialogModel& m, QWidget* parent) -> std::unique_ptr<DialogView> {
        auto* model = dynamic_cast<Model*>(&m);
        if (!model) return nullptr;
        return std::make_unique<View>(*model, parent);
    });
}
}  // namespace

void registerUnterdialogViews(QtDialogRunner& runner) {
    // The names are the models' dialogName().
    registriere<AddMediumModel, AddMediumView>(runner, "DialogAddMedium");
    registriere<SpalttypDlgModel, SpalttypDlgView>(runner, "PlattentypSpalttypDlg");
}

}  // namespace kal
