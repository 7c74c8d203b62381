#include "ui/main/addmedium_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kal {

namespace {

struct Zeile {
    int label, edit, einheit;
};
// The property rows in the order the confirmation checks them.
const Zeile kZeilen[] = {
    {am::LabelViskositaet, am::Viskositaet, am::EinheitViskositaet},
    {am::LabelViskositaetWand, am::ViskositaetWand, am::EinheitViskositaetWand},
    {am::LabelDichte, am::Dichte, am::EinheitDichte},
    {am::LabelWaermekapazitaet, am::Waermekapazitaet, am::EinheitWaermekapazitaet},
    {am::LabelWaermeleitfaehigkeit, am::Waermeleitfaehigkeit, am::EinheitWaermeleitfaehigkeit},
    {am::LabelAlfa, am::Alfa, am::EinheitAlfa},
};
}  // namespace

AddMediumView::AddMediumView(AddMediumModel& model, QWidget* parent) : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);

    auto* felder = new QGridLayout;
    felder->setHorizontalSpacing(10);
    felder->setVerticalSpacing(6);
    felder->setColumnStretch(1, 1);
    int r = 0;
    felder->addWidget(mit(new QLabel(this), am::LabelName), r, 0);
    auto* name = mit(new QLineEdit(this), am::Name);
    name->setMinimumWidth(240);
    felder->addWidget(name, r++, 1, 1, 2);
    felder->addWidget(mit(new QCheckBox(this), am::Gas), r++, 1, 1, 2, Qt::AlignLeft);

    auto* trenner = new QFrame(this);
    trenner->setFrameShape(QFrame::HLine);
    trenner->setFrameShadow(QFrame::Sunken);
    felder->addWidget(trenner, r++, 0, 1, 3);

    for (const Zeile& z : kZeilen) {
        auto* label = mit(new QLabel(this), z.label);
        auto* edit = mit(new QLineEdit(this), z.edit);
        edit->setMinimumWidth(120);
        edit->setAlignment(Qt::AlignRight);
        label->setBuddy(edit);
        auto* einheit = mit(new QComboBox(this), z.einheit);
        einheit->setMinimumWidth(130);
        einheit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        felder->addWidget(label, r, 0);
        felder->addWidget(edit, r, 1);
        felder->addWidget(einheit, r++, 2);
    }
    layout->addLayout(felder);

    auto* hinweis = mit(new QLabel(this), am::LabelHinweis);
    hinweis->setWordWrap(true);
    hinweis->setMinimumHeight(hinweis->fontMetrics().lineSpacing() * 2);
    // Keep the room of the hint so the dialog doesn't jump with the gas box.
    QSizePolicy sp = hinweis->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    hinweis->setSizePolicy(sp);
    layout->addWidget(hinweis);
    layout->addStretch();

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(mit(new QPushButton(this), am::Leeren));
    knoepfe->addStretch();
    auto* speichern = mit(new QPushButton(this), am::Speichern);
    speichern->setDefault(true);
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(mit(new QPushButton(this), am::Abbrechen));
    // The template's OK button: bound so that it follows the model (hidden).
    auto* ok = mit(new QPushButton(QStringLiteral("OK"), this), am::VorlageOk);
    ok->setAutoDefault(false);
    knoepfe->addWidget(ok);
    layout->addLayout(knoepfe);

    binder_.bindAll(this);
    binder_.push();
}

void AddMediumView::reject() {
    if (!model_.closed()) model_.abbrechenGeklickt();
    QDialog::reject();
}

}  // namespace kal
