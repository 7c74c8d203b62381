// Qt view of DialogAddMedium: widgets named by control id, bound to the
// model; every rule stays in AddMediumModel.
#pragma once

#include "app/modellview.h"
#include "ui/main/addmedium_model.h"

namespace kal {

class AddMediumView : public ModellView<AddMediumModel> {
public:
    explicit AddMediumView(AddMediumModel& model, QWidget* parent = nullptr);
    // The screenshot mode leaves by cancelling: an accept without the
    // model's confirmation would hand the caller an unchecked record.
    void autoSchliessen() override { reject(); }
    void reject() override;  // Escape and the close box cancel
};

}  // namespace kal
