// Two-way binding of Qt widgets to a kal::Form by control id: a widget's
// objectName is its control id in decimal; menu actions use their command id.
// The view forwards every user edit into the form, calls the model's
// handler and then pushes the whole form back into the widgets with their
// signals blocked, so a view holds no rules of its own.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "ports/form.h"

class QWidget;
class QAction;
class QMenuBar;

namespace kal {

class FormBinder : public QObject {
public:
    using Handler = std::function<void(int id, BindEvent event)>;

    FormBinder(Form& form, Handler handler, QObject* parent = nullptr);

    // Binds every descendant of `root` (widgets and actions) whose
    // objectName is a control id.
    void bindAll(QWidget* root);
    void bindWidget(QWidget* widget, int id);
    void bindAction(QAction* action, int id);

    // Model -> widgets, signals blocked. Widgets whose id the form doesn't
    // hold keep what they show.
    void push();
    QWidget* widget(int id) const;
    QAction* action(int id) const;

    // Parses an objectName as a control id; 0 when it is none.
    static int controlId(const QString& objectName);

private:
    void pushWidget(int id, QWidget* w);
    void pushAction(int id, QAction* a);
    void event(int id, BindEvent e);

    Form& form_;
    Handler handler_;
    std::map<int, QPointer<QWidget>> widgets_;
    std::map<int, QPointer<QAction>> actions_;
    int lastFocus_ = 0;
    bool inHandler_ = false;
};

// Fills a menu bar with a dialog's popups and commands, each named by its id
// (the binder gives them their texts and enabling).
void menuFuellen(QMenuBar* leiste, const std::vector<MenuPopup>& menu);

// Names a widget by its control id, the name the binder and tests find it by.
template <class W>
W* mit(W* w, int id) {
    w->setObjectName(QString::number(id));
    return w;
}

}  // namespace kal
