// The shape of every Qt view of a dialog model: the model, the binder of
// its controls, and every user action handed to the model's ereignis();
// the view only builds widgets.
#pragma once

#include <memory>
#include <string>

#include "binder.h"
#include "qtports.h"

namespace kal {

template <class Model>
class ModellView : public DialogView {
public:
    explicit ModellView(Model& model, QWidget* parent = nullptr)
        : DialogView(parent),
          model_(model),
          binder_(
              model.form(), [this](int id, BindEvent e) { handle(id, e); }, this) {
        setWindowTitle(QString::fromStdString(model.caption()));
    }
    FormBinder& binder() { return binder_; }

protected:
    // After the model handled an action, before the binder pushes the form:
    // for what a view draws beyond the bound controls.
    virtual void nachEreignis() {}

    Model& model_;
    FormBinder binder_;

private:
    void handle(int id, BindEvent e) {
        model_.ereignis(id, e);
        nachEreignis();
        setWindowTitle(QString::fromStdString(model_.caption()));
        beendenWennGeschlossen(model_);
    }
};

// Registers `View` as the view of the models named `name` (their dialogName()).
template <class Model, class View>
void registriereView(QtDialogRunner& runner, const std::string& name) {
    runner.registerView(name, [](DialogModel& m, QWidget* parent) -> std::unique_ptr<DialogView> {
        auto* model = dynamic_cast<Model*>(&m);
        if (!model) return nullptr;
        return std::make_unique<View>(*model, parent);
    });
}

}  // namespace kal
