// Qt view of PlattentypSpalttypDlg: the two lists on top, the permission
// grid (a QTableWidget whose cells mirror SpalttypDlgModel::zelle) and the
// buttons. The widget keeps no check state of its own: every toggle goes to
// the model and the grid is redrawn from it.
#pragma once

#include "app/modellview.h"
#include "ui/main/spalttypdlg_model.h"

class QTableWidget;
class QTableWidgetItem;

namespace kal {

class SpalttypDlgView : public ModellView<SpalttypDlgModel> {
public:
    explicit SpalttypDlgView(SpalttypDlgModel& model, QWidget* parent = nullptr);
    void autoSchliessen() override { endeAusloesen(); }
    void reject() override;  // Escape: as the Ende button
    QTableWidget* gitter() const { return gitter_; }
    // Model -> widgets: the bound controls and the grid.
    void aktualisieren();

protected:
    void closeEvent(QCloseEvent* e) override;
    void nachEreignis() override { gitterAktualisieren(); }

private:
    void zelleGeaendert(QTableWidgetItem* item);
    void gitterAktualisieren();
    void endeAusloesen();

    QTableWidget* gitter_ = nullptr;
};

}  // namespace kal
