// Qt view of the project-data dialog: six fields and the buttons print,
// preview, save as PDF and cancel; no rules here.
#pragma once

#include "app/modellview.h"
#include "druck/projektdaten.h"

namespace kal {

class ProjektdatenView : public ModellView<CDialogProjektDaten> {
public:
    explicit ProjektdatenView(CDialogProjektDaten& model, QWidget* parent = nullptr);
    // The screenshot mode goes on to the preview.
    void autoSchliessen() override;
    void reject() override;
};

void registerProjektdatenView(QtDialogRunner& runner);

}  // namespace kal
