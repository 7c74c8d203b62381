#include "app/binder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <set>

using kal::BindEvent;
using kal::Form;
using kal::FormBinder;

namespace {

struct Fenster {
    QWidget root;
    Form form;
    std::vector<std::pair<int, BindEvent>> events;
    FormBinder binder{form, [this](int id, BindEvent e) { onEvent(id, e); }};
    std::function<void(int)> regel;  // the "model handler"

    QLineEdit* edit = nullptr;
    QComboBox* combo = nullptr;
    QCheckBox* check = nullptr;
    QRadioButton* r1 = nullptr;
    QRadioButton* r2 = nullptr;
    QLabel* label = nullptr;
    QPushButton* button = nullptr;
    QAction* action = nullptr;
    QMenu* menu = nullptr;

    Fenster() {
        auto* l = new QVBoxLayout(&root);
        auto add = [&](auto* w, int id) {
            w->setObjectName(QString::number(id));
            l->addWidget(w);
            return w;
        };
        edit = add(new QLineEdit(&root), 10);
        combo = add(new QComboBox(&root), 11);
        check = add(new QCheckBox(&root), 12);
        r1 = add(new QRadioButton(&root), 13);
        r2 = add(new QRadioButton(&root), 14);
        label = add(new QLabel(&root), 15);
        button = add(new QPushButton("B", &root), 16);
        add(new QLabel("untouched", &root), 17);
        menu = new QMenu(&root);
        menu->setObjectName("900");
        action = menu->addAction("x");
        action->setObjectName("40014");
        binder.bindAll(&root);
    }
    void onEvent(int id, BindEvent e) {
        events.emplace_back(id, e);
        if (regel) regel(id);
    }
};

}  // namespace

TEST(FormBinder, ModelToWidgets) {
    Fenster f;
    f.form.setText(10, "12.5");
    f.form.addItem(11, "Wasser", 7);
    f.form.addItem(11, "Luft", 9);
    f.form.select(11, 1);
    f.form.setChecked(12, true);
    f.form.setChecked(14, true);
    f.form.setText(15, "Label");
    f.form.setEnabled(16, false);
    f.form.setVisible(10, false);
    f.form.setText(40014, "&Quit");
    f.form.setEnabled(40014, false);
    f.form.setText(900, "&File");
    f.form.control(10).readOnly = true;
    f.binder.push();

    EXPECT_EQ(f.edit->text(), "12.5");
    EXPECT_TRUE(f.edit->isReadOnly());
    EXPECT_TRUE(f.edit->isHidden());
    ASSERT_EQ(f.combo->count(), 2);
    EXPECT_EQ(f.combo->itemText(1), "Luft");
    EXPECT_EQ(f.combo->itemData(0).toInt(), 7);
    EXPECT_EQ(f.combo->itemData(1).toInt(), 9);
    EXPECT_EQ(f.combo->currentIndex(), 1);
    EXPECT_TRUE(f.check->isChecked());
    EXPECT_TRUE(f.r2->isChecked());
    EXPECT_FALSE(f.r1->isChecked());
    EXPECT_EQ(f.label->text(), "Label");
    EXPECT_FALSE(f.button->isEnabled());
    EXPECT_EQ(f.button->text(), "B");  // no text in the form: kept
    EXPECT_EQ(f.action->text(), "&Quit");
    EXPECT_FALSE(f.action->isEnabled());
    EXPECT_EQ(f.menu->title(), "&File");
    EXPECT_EQ(f.root.findChild<QLabel*>("17")->text(), "untouched");
    EXPECT_TRUE(f.events.empty());  // pushing raises no events

    // A checked radio can be unchecked by the model; no selection clears the combo.
    f.form.setChecked(14, false);
    f.form.select(11, -1);
    f.binder.push();
    EXPECT_FALSE(f.r2->isChecked());
    EXPECT_EQ(f.combo->currentIndex(), -1);
    EXPECT_TRUE(f.events.empty());
}

TEST(FormBinder, WidgetEditsReachModelThenHandlerThenPush) {
    Fenster f;
    f.form.addItem(11, "a", 1);
    f.form.addItem(11, "b", 2);
    f.form.select(11, 0);
    f.binder.push();
    // The handler mirrors the edit into the label: the push must show it.
    f.root.show();
    f.regel = [&](int id) {
        if (id == 10) f.form.setText(15, "echo " + f.form.text(10));
    };
    f.edit->setFocus();
    QTest::keyClicks(f.edit, "3,5");
    EXPECT_EQ(f.form.text(10), "3,5");
    EXPECT_EQ(f.label->text(), "echo 3,5");
    ASSERT_FALSE(f.events.empty());
    EXPECT_EQ(f.events.back(), std::make_pair(10, BindEvent::Changed));

    f.events.clear();
    f.check->click();
    EXPECT_TRUE(f.form.checked(12));
    ASSERT_FALSE(f.events.empty());
    EXPECT_EQ(f.events.back(), std::make_pair(12, BindEvent::Clicked));

    f.r1->click();
    f.r2->click();
    EXPECT_TRUE(f.form.checked(14));
    EXPECT_FALSE(f.form.checked(13));

    emit f.combo->activated(1);
    EXPECT_EQ(f.form.selection(11), 1);
    EXPECT_EQ(f.form.selectedValue(11), 2);
    EXPECT_EQ(f.events.back(), std::make_pair(11, BindEvent::Changed));

    f.action->trigger();
    EXPECT_EQ(f.events.back(), std::make_pair(40014, BindEvent::Command));
    QTest::mouseClick(f.button, Qt::LeftButton);
    EXPECT_EQ(f.events.back(), std::make_pair(16, BindEvent::Clicked));
}

TEST(FormBinder, HandlerCanVetoAnEditAndMoveFocus) {
    Fenster f;
    f.root.show();
    f.regel = [&](int id) {
        if (id == 10) {
            f.form.setText(10, "");  // the model refuses the entry
            f.form.setFocus(10);
        }
    };
    QTest::keyClicks(f.edit, "x");
    EXPECT_EQ(f.edit->text(), "");
    EXPECT_EQ(f.binder.widget(10), f.edit);
    EXPECT_EQ(FormBinder::controlId("1188"), 1188);
    EXPECT_EQ(FormBinder::controlId("logo"), 0);
}

// A stored 20-byte field: typing, pasting or multi-byte characters never
// leave more bytes in the model than the field holds.
TEST(FormBinder, EditLimitCountsBytes) {
    Fenster f;
    f.form.control(10).maxLength = 5;
    f.binder.push();
    f.root.show();
    QTest::keyClicks(f.edit, "1234567");
    EXPECT_EQ(f.form.text(10), "12345");
    EXPECT_EQ(f.edit->text(), "12345");
    f.edit->clear();
    f.form.setText(10, "");
    QTest::keyClicks(f.edit, "ab\xc2\xb0\xc2\xb0");  // two-byte characters
    EXPECT_EQ(f.form.text(10), "ab\xc2\xb0");
    EXPECT_LE(f.form.text(10).size(), 5u);
}

// A pasted text with line breaks arrives on one line, in the model and in
// the field.
TEST(FormBinder, PastedLineBreaksBecomeBlanks) {
    Fenster f;
    f.root.show();
    QGuiApplication::clipboard()->setText(QStringLiteral("Kunde\r\nStadtwerke\nNord"));
    f.edit->setFocus();
    f.edit->paste();
    EXPECT_EQ(f.form.text(10), "Kunde Stadtwerke Nord");
    EXPECT_EQ(f.edit->text(), QStringLiteral("Kunde Stadtwerke Nord"));
}

// A rule that rewrites characters as they are typed (a decimal comma
// becoming a point) leaves the cursor where the user types; tooltip and
// emphasis follow the form, and no emphasis is the normal look again.
TEST(FormBinder, RewrittenTextKeepsTheCursorTooltipAndEmphasisFollowTheForm) {
    Fenster f;
    f.root.show();
    f.regel = [&](int id) {
        std::string t = f.form.text(id);
        std::replace(t.begin(), t.end(), ',', '.');
        f.form.setText(id, t);
    };
    QTest::keyClicks(f.edit, "125");
    f.edit->setCursorPosition(1);
    QTest::keyClicks(f.edit, ",");
    EXPECT_EQ(f.edit->text(), "1.25");
    EXPECT_EQ(f.edit->cursorPosition(), 2);
    auto grund = [&] { return f.edit->palette().color(QPalette::Base).rgb(); };
    std::set<QRgb> farben = {grund()};
    for (auto e : {kal::Emphasis::Computed, kal::Emphasis::Warning, kal::Emphasis::None}) {
        f.form.setEmphasis(10, e);
        f.form.setToolTip(10, e == kal::Emphasis::None ? "" : "calculated");
        f.binder.push();
        farben.insert(grund());
        EXPECT_EQ(f.edit->toolTip().isEmpty(), e == kal::Emphasis::None);
    }
    EXPECT_EQ(farben.size(), 3u);  // two colours of their own, then the normal one again
}
