// Qt view of BetriebspunkteDlg: the points as an editable table (each cell
// is the model's entry control), the buttons, the figures of each point
// with the binding one in bold and named, the status, and the selected
// point's performance curves. Tables and charts are drawn from the model
// after each action.
#pragma once

#include "app/modellview.h"
#include "ui/main/betriebspunkte_dlg.h"

class QTableWidget;
class QChartView;
class QLabel;

namespace kal {

class BetriebspunkteView : public ModellView<BetriebspunkteDlgModel> {
public:
    explicit BetriebspunkteView(BetriebspunkteDlgModel& model, QWidget* parent = nullptr);
    void autoSchliessen() override { accept(); }
    void aktualisieren();

protected:
    void nachEreignis() override { aktualisieren(); }

private:
    void punkteFuellen();
    void ergebnisFuellen();
    void kurvenFuellen();

    QTableWidget* punkte_ = nullptr;
    QTableWidget* ergebnis_ = nullptr;
    QLabel* kurvenTitel_ = nullptr;
    QChartView* kurven_[3] = {};  // duty, outlets, pressure drops
    bool fuellen_ = false;
};

}  // namespace kal
