// Qt view of AlternativenDlg: the pack table (a header click sorts through
// the model), the limits of the selected pack, the reasons without a result
// and the two buttons. The tables are redrawn from the model after each action.
#pragma once

#include "app/modellview.h"
#include "ui/main/alternativen_model.h"

class QTableWidget;
class QChartView;

namespace kal {

class AlternativenView : public ModellView<AlternativenDlgModel> {
public:
    explicit AlternativenView(AlternativenDlgModel& model, QWidget* parent = nullptr);
    void autoSchliessen() override { reject(); }
    // Model -> widgets.
    void aktualisieren();

protected:
    void nachEreignis() override { aktualisieren(); }

private:
    void tabelleFuellen();
    void grenzenFuellen();
    void diagrammFuellen();

    QTableWidget* tabelle_ = nullptr;
    QTableWidget* grenzen_ = nullptr;
    QChartView* diagramm_ = nullptr;
    bool fuellen_ = false;  // while the view itself fills the tables
};

}  // namespace kal
