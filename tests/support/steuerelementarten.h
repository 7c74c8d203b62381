// A view against its model's control kinds: the kind a model gives each
// control (what a script may do to it) must be the widget the user sees.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "app/binder.h"
#include "ports/form.h"

namespace kaltest {

inline kal::ControlKind widgetArt(const QWidget* w) {
    using kal::ControlKind;
    if (qobject_cast<const QLineEdit*>(w)) return ControlKind::Edit;
    if (qobject_cast<const QComboBox*>(w)) return ControlKind::List;
    if (qobject_cast<const QRadioButton*>(w)) return ControlKind::Radio;
    if (qobject_cast<const QCheckBox*>(w)) return ControlKind::CheckBox;
    if (qobject_cast<const QPushButton*>(w)) return ControlKind::Button;
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QGroupBox*>(w))
        return ControlKind::Label;
    return ControlKind::Unknown;
}

// "id: what the model says / what the view shows" for every disagreement,
// and every control of the model without a kind.
inline std::vector<std::string> artAbweichungen(const QWidget& view, const kal::Form& f) {
    std::vector<std::string> aus;
    auto pruefe = [&](int id, kal::ControlKind ist) {
        if (id != 0 && f.has(id) && f.kind(id) != ist)
            aus.push_back(std::to_string(id) + ": " + std::to_string(static_cast<int>(f.kind(id))) +
                          " / " + std::to_string(static_cast<int>(ist)));
    };
    for (const QWidget* w : view.findChildren<QWidget*>()) {
        if (qobject_cast<const QMenu*>(w)) continue;  // bound through its menu action
        pruefe(kal::FormBinder::controlId(w->objectName()), widgetArt(w));
    }
    for (const QAction* a : view.findChildren<QAction*>())
        pruefe(kal::FormBinder::controlId(a->objectName()), kal::ControlKind::MenuItem);
    for (const QMenu* m : view.findChildren<QMenu*>())
        pruefe(kal::FormBinder::controlId(m->objectName()), kal::ControlKind::MenuItem);
    for (const auto& [id, c] : f.controls())
        if (c.kind == kal::ControlKind::Unknown) aus.push_back(std::to_string(id) + ": no kind");
    return aus;
}

}  // namespace kaltest
