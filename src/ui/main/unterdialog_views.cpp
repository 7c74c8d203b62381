#include "ui/main/unterdialog_views.h"

#include "ui/main/addmedium_view.h"
#include "ui/main/alternativen_view.h"
#include "ui/main/betriebspunkte_view.h"
#include "ui/main/spalttypdlg_view.h"

namespace kal {

void registerUnterdialogViews(QtDialogRunner& runner) {
    // The names are the models' dialogName().
    registriereView<AddMediumModel, AddMediumView>(runner, "DialogAddMedium");
    registriereView<SpalttypDlgModel, SpalttypDlgView>(runner, "PlattentypSpalttypDlg");
    registriereView<AlternativenDlgModel, AlternativenView>(runner, "AlternativenDlg");
    registriereView<BetriebspunkteDlgModel, BetriebspunkteView>(runner, "BetriebspunkteDlg");
}

}  // namespace kal
