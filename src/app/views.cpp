#include "app/views.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kal {

DialogSettingsView::DialogSettingsView(DialogSettings& model, QWidget* parent)
    : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mit(new QLabel(this), sprache::LabelSprache));
    auto* liste = mit(new QComboBox(this), sprache::Sprache);
    liste->setMinimumWidth(220);
    layout->addWidget(liste);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    auto* ok = mit(new QPushButton(this), sprache::Ok);
    ok->setDefault(true);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(mit(new QPushButton(this), sprache::Abbrechen));
    layout->addLayout(knoepfe);
    binder_.bindAll(this);
    binder_.push();
    connect(ok, &QPushButton::clicked, this, [this] { autoSchliessen(); });
    connect(static_cast<QPushButton*>(binder_.widget(sprache::Abbrechen)), &QPushButton::clicked,
            this, [this] { reject(); });
}

void DialogSettingsView::autoSchliessen() {
    model_.ok();
    QDialog::accept();
}

void DialogSettingsView::reject() {
    model_.abbrechen();
    QDialog::reject();
}

DialogInfoView::DialogInfoView(DialogInfo& model, QWidget* parent) : ModellView(model, parent) {
    auto* layout = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QString::number(info::Symbol));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    layout->addWidget(icon, 0, Qt::AlignTop);
    auto* zeilen = new QVBoxLayout;
    for (int id :
         {info::Zeile1, info::Zeile2, info::Zeile3, info::Zeile4, info::Zeile5, info::Zeile6})
        zeilen->addWidget(mit(new QLabel(this), id));
    auto* ok = mit(new QPushButton(QStringLiteral("OK"), this), info::Ok);
    ok->setDefault(true);
    zeilen->addWidget(ok, 0, Qt::AlignRight);
    layout->addLayout(zeilen);
    binder_.bindAll(this);
    binder_.push();
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.ok();
        accept();
    });
}

void registerFrameViews(QtDialogRunner& runner) {
    registriereView<DialogSettings, DialogSettingsView>(runner, "DialogSettings");
    registriereView<DialogInfo, DialogInfoView>(runner, "DialogInfo");
}

}  // namespace kal
