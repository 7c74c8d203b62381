#include "druck/projektdaten_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ids/dialog_ids.h"

namespace kal {

using namespace pd;

ProjektdatenView::ProjektdatenView(CDialogProjektDaten& model, QWidget* parent)
    : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* felder = new QFormLayout;
    const std::pair<int, int> zeilen[] = {
        {LabelKunde, Kunde},       {LabelProjekt, Projekt},
        {LabelPosition, Position}, {LabelSachbearbeiter, Sachbearbeiter},
        {LabelTelefon, Telefon},   {LabelDatum, Datum}};
    for (auto [label, feld] : zeilen)
        felder->addRow(bau::label(this, label), bau::edit(this, feld, 300));
    layout->addLayout(felder);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (int id : {Drucken, Vorschau, AlsPdf, Abbrechen}) {
        auto* b = mit(new QPushButton(this), id);
        b->setAutoDefault(false);
        if (id == Drucken) b->setDefault(true);
        knoepfe->addWidget(b);
    }
    layout->addLayout(knoepfe);
    binder_.bindAll(this);
    binder_.push();
}

void ProjektdatenView::autoSchliessen() {
    model_.geklickt(Vorschau);
    beendenWennGeschlossen(model_);
}

void ProjektdatenView::reject() {
    model_.geklickt(Abbrechen);
    beendenWennGeschlossen(model_);
}

void registerProjektdatenView(QtDialogRunner& runner) {
    registriereView<CDialogProjektDaten, ProjektdatenView>(runner, "CDialogProjektDaten");
}

}  // namespace kal
