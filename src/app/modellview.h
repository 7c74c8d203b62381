// The shape of every Qt view of a dialog model: the model, the binder of
// its controls, and every user action handed to the model's ereignis();
// the view only builds widgets.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>
#include <string>

#include "app/binder.h"
#include "app/qtports.h"

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

// The controls of a view, named by their control id.
namespace bau {
inline QLabel* label(QWidget* p, int id) { return mit(new QLabel(p), id); }
// An edit at least `breite` pixels wide (at most `maxBreite`, 0: no limit).
inline QLineEdit* edit(QWidget* p, int id, int breite, int maxBreite = 0) {
    auto* e = mit(new QLineEdit(p), id);
    e->setMinimumWidth(breite);
    if (maxBreite > 0) e->setMaximumWidth(maxBreite);
    return e;
}
inline QComboBox* liste(QWidget* p, int id, int breite) {
    auto* c = mit(new QComboBox(p), id);
    c->setMinimumWidth(breite);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}
inline QRadioButton* radio(QWidget* p, int id) { return mit(new QRadioButton(p), id); }
inline QCheckBox* haken(QWidget* p, int id) { return mit(new QCheckBox(p), id); }
}  // namespace bau

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
