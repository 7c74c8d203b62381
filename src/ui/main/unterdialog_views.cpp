#include "unterdialog_views.h"

#include "addmedium_view.h"
#include "alternativen_view.h"
#include "spalttypdlg_view.h"

namespace kal {

void registerUnterdialogViews(QtDialogRunner& runner) {
    // The names are the models' dialogName().
    registriereView<AddMediumModel, AddMediumView>(runner, "DialogAddMedium");
    registriereView<SpalttypDlgModel, SpalttypDlgView>(runner, "PlattentypSpalttypDlg");
    registriereView<AlternativenDlgModel, AlternativenView>(runner, "AlternativenDlg");
}

}  // namespace kal
