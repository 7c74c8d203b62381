// Registers the views of the main window's sub-dialogs (user-defined
// medium, channel-type permission grid) with the dialog runner.
#pragma once

#include "app/qtports.h"

namespace kal {

void registerUnterdialogViews(QtDialogRunner& runner);

}  // namespace kal
