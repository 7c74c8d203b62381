// Qt view of the quotation window: fields, the positions table and the
// buttons, bound by control id; every rule stays in AngebotsfensterModel.
#pragma once

#include "angebot/angebotsfenster.h"
#include "app/modellview.h"

class QTableWidget;

namespace kal {

class AngebotsfensterView : public ModellView<AngebotsfensterModel> {
public:
    explicit AngebotsfensterView(AngebotsfensterModel& model, QWidget* parent = nullptr);
    // The screenshot mode leaves without a question: nothing was changed.
    void autoSchliessen() override { QDialog::reject(); }
    void reject() override;  // Escape and the close box ask like the button
    void aktualisieren();

protected:
    void nachEreignis() override { aktualisieren(); }

private:
    QTableWidget* tabelle_ = nullptr;
    bool fuellen_ = false;
};

// Registers the view with the runner.
void registerAngebotsfensterView(QtDialogRunner& runner);

}  // namespace kal
