// Qt views of the frame's dialogs: DialogSettings and DialogInfo.
#pragma once

#include "app/dialoginfo.h"
#include "app/dialogsettings.h"
#include "app/modellview.h"

namespace kal {

class DialogSettingsView : public ModellView<DialogSettings> {
public:
    DialogSettingsView(DialogSettings& model, QWidget* parent = nullptr);
    void autoSchliessen() override;
    void reject() override;
};

class DialogInfoView : public ModellView<DialogInfo> {
public:
    DialogInfoView(DialogInfo& model, QWidget* parent = nullptr);
};

// Registers the views above with the runner.
void registerFrameViews(QtDialogRunner& runner);

}  // namespace kal
