// Qt views of the frame's dialogs: DialogSettings and DialogInfo.
#pragma once

#include "binder.h"
#include "dialoginfo.h"
#include "dialogsettings.h"
#include "qtports.h"

namespace kal {

class DialogSettingsView : public DialogView {
public:
    DialogSettingsView(DialogSettings& model, QWidget* parent = nullptr);
    void autoSchliessen() override;
    void reject() override;

private:
    DialogSettings& model_;
    FormBinder binder_;
};

class DialogInfoView : public DialogView {
public:
    DialogInfoView(DialogInfo& model, QWidget* parent = nullptr);

private:
    DialogInfo& model_;
    FormBinder binder_;
};

// Registers the views above with the runner.
void registerFrameViews(QtDialogRunner& runner);

}  // namespace kal
