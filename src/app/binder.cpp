#include "app/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace kal {

FormBinder::FormBinder(Form& form, Handler handler, QObject* parent)
    : QObject(parent), form_(form), handler_(std::move(handler)) {}

int FormBinder::controlId(const QString& objectName) {
    bool ok = false;
    int id = objectName.toInt(&ok);
    return ok ? id : 0;
}

void FormBinder::bindAll(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        int id = controlId(w->objectName());
        if (id != 0 && !qobject_cast<QMenu*>(w)) bindWidget(w, id);
    }
    for (QAction* a : root->findChildren<QAction*>()) {
        int id = controlId(a->objectName());
        if (id != 0) bindAction(a, id);
    }
    // A popup is bound through its menu action, so its title follows the form.
    for (QMenu* m : root->findChildren<QMenu*>()) {
        int id = controlId(m->objectName());
        if (id != 0) bindAction(m->menuAction(), id);
    }
}

void FormBinder::bindWidget(QWidget* w, int id) {
    widgets_[id] = w;
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        connect(e, &QLineEdit::textEdited, this, [this, id, e](const QString& t) {
            ControlState& s = form_.control(id);
            std::string text = eingabeText(t.toStdString(), s.maxLength);
            if (text != t.toStdString()) {
                QSignalBlocker block(e);
                e->setText(QString::fromStdString(text));
            }
            s.text = text;
            event(id, BindEvent::Changed);
        });
        connect(e, &QLineEdit::editingFinished, this,
                [this, id] { event(id, BindEvent::FocusLost); });
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        connect(c, qOverload<int>(&QComboBox::activated), this, [this, id](int index) {
            ControlState& s = form_.control(id);
            s.selection = (index >= 0 && index < static_cast<int>(s.items.size())) ? index : -1;
            event(id, BindEvent::Changed);
        });
    } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
        connect(r, &QRadioButton::clicked, this, [this, id, r](bool) {
            // Qt unchecks the siblings itself; let the form see all of them.
            if (QWidget* parent = r->parentWidget()) {
                for (QRadioButton* other :
                     parent->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
                    int oid = controlId(other->objectName());
                    if (oid != 0) form_.control(oid).checked = other->isChecked();
                }
            }
            form_.control(id).checked = r->isChecked();
            event(id, BindEvent::Clicked);
        });
    } else if (auto* b = qobject_cast<QCheckBox*>(w)) {
        connect(b, &QCheckBox::clicked, this, [this, id](bool on) {
            form_.control(id).checked = on;
            event(id, BindEvent::Clicked);
        });
    } else if (auto* p = qobject_cast<QPushButton*>(w)) {
        connect(p, &QPushButton::clicked, this, [this, id] { event(id, BindEvent::Clicked); });
    }
}

void FormBinder::bindAction(QAction* a, int id) {
    actions_[id] = a;
    if (!a->menu())
        connect(a, &QAction::triggered, this, [this, id] { event(id, BindEvent::Command); });
}

QWidget* FormBinder::widget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QAction* FormBinder::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second.data();
}

void FormBinder::event(int id, BindEvent e) {
    // A push may make Qt emit further signals (focus changes); handle one
    // event at a time.
    if (inHandler_) return;
    inHandler_ = true;
    if (handler_) handler_(id, e);
    inHandler_ = false;
    push();
}

void FormBinder::push() {
    for (auto& [id, w] : widgets_)
        if (w) pushWidget(id, w);
    for (auto& [id, a] : actions_)
        if (a) pushAction(id, a);
    if (form_.focus() != lastFocus_) {
        lastFocus_ = form_.focus();
        if (QWidget* w = widget(lastFocus_)) w->setFocus(Qt::OtherFocusReason);
    }
}

namespace {
// Computed values on pale blue, values beyond a limit dark red on pale red.
void hervorheben(QLineEdit* e, Emphasis emphasis) {
    const QVariant bisher = e->property("emphasis");
    if (bisher.isValid() ? bisher.toInt() == static_cast<int>(emphasis)
                         : emphasis == Emphasis::None)
        return;
    e->setProperty("emphasis", static_cast<int>(emphasis));
    QPalette p;  // no role set: the widget inherits the application's palette
    if (emphasis == Emphasis::Computed) {
        p.setColor(QPalette::Base, QColor(0xdc, 0xe9, 0xfa));
    } else if (emphasis == Emphasis::Warning) {
        p.setColor(QPalette::Base, QColor(0xfb, 0xd5, 0xcf));
        p.setColor(QPalette::Text, QColor(0x9b, 0x1c, 0x1c));
    }
    e->setPalette(p);
}
}  // namespace

void FormBinder::pushWidget(int id, QWidget* w) {
    const ControlState* s = form_.find(id);
    if (!s) return;
    QSignalBlocker block(w);
    const QString text = QString::fromStdString(s->text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (s->maxLength > 0) e->setMaxLength(s->maxLength);
        e->setPlaceholderText(QString::fromStdString(s->placeholder));
        if (e->text() != text) {
            // a rule that rewrites characters as they are typed keeps the cursor
            const int cursor = e->cursorPosition();
            const bool gleichLang = e->text().size() == text.size();
            e->setText(text);
            if (gleichLang) e->setCursorPosition(cursor);
        }
        e->setReadOnly(s->readOnly);
        hervorheben(e, s->emphasis);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        bool gleich = c->count() == static_cast<int>(s->items.size());
        for (int i = 0; gleich && i < c->count(); ++i) {
            const ListEntry& item = s->items[static_cast<size_t>(i)];
            gleich =
                c->itemText(i).toStdString() == item.text && c->itemData(i).toInt() == item.value;
        }
        if (!gleich) {
            c->clear();
            for (const ListEntry& item : s->items)
                c->addItem(QString::fromStdString(item.text), item.value);
        }
        c->setCurrentIndex(s->selection);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (!s->text.empty()) b->setText(text);
        if (b->isCheckable()) {
            // Exclusive radio groups refuse to uncheck the checked button.
            bool exklusiv = b->autoExclusive();
            if (!s->checked && exklusiv) b->setAutoExclusive(false);
            b->setChecked(s->checked);
            if (!s->checked && exklusiv) b->setAutoExclusive(true);
        }
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text() != text) l->setText(text);
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        if (t->toPlainText() != text) t->setPlainText(text);
        t->setReadOnly(s->readOnly);
    }
    const QString tip = QString::fromStdString(s->toolTip);
    if (w->toolTip() != tip) w->setToolTip(tip);
    w->setEnabled(s->enabled);
    if (w->isWindow() || w->parentWidget() == nullptr) return;
    w->setVisible(s->visible);
}

void FormBinder::pushAction(int id, QAction* a) {
    const ControlState* s = form_.find(id);
    if (!s) return;
    QSignalBlocker block(a);
    if (!s->text.empty()) a->setText(QString::fromStdString(s->text));
    a->setEnabled(s->enabled);
    a->setVisible(s->visible);
}

void menuFuellen(QMenuBar* leiste, const std::vector<MenuPopup>& menu) {
    for (const MenuPopup& p : menu) {
        auto* popup = mit(new QMenu(leiste), p.id);
        for (int cmd : p.befehle) {
            if (cmd == 0)
                popup->addSeparator();
            else
                popup->addAction(QString())->setObjectName(QString::number(cmd));
        }
        leiste->addMenu(popup);
    }
}

}  // namespace kal
