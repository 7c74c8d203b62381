#include "angebot/angebotsfenster_view.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ids/dialog_ids.h"

namespace kal {

using namespace ag;

AngebotsfensterView::AngebotsfensterView(AngebotsfensterModel& model, QWidget* parent)
    : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;

    auto* kunde = new QGridLayout;
    auto zeile = [this](QGridLayout* g, int r, int label, int feld, int breite = 220) {
        g->addWidget(bau::label(this, label), r, 0);
        g->addWidget(bau::edit(this, feld, breite), r, 1);
    };
    zeile(kunde, 0, LabelKunde, Kunde);
    zeile(kunde, 1, LabelAdresse, Adresse1);
    kunde->addWidget(bau::edit(this, Adresse2, 220), 2, 1);
    kunde->addWidget(bau::edit(this, Adresse3, 220), 3, 1);
    zeile(kunde, 4, LabelKontakt, Kontakt);
    oben->addLayout(kunde, 1);

    auto* refs = new QGridLayout;
    zeile(refs, 0, LabelUnsereReferenz, UnsereReferenz, 140);
    refs->addWidget(bau::label(this, LabelAnfrageReferenz), 1, 0);
    auto* anfrage = new QHBoxLayout;
    anfrage->addWidget(bau::edit(this, AnfrageReferenz, 100));
    anfrage->addWidget(bau::edit(this, AnfrageDatum, 80, 110));
    refs->addLayout(anfrage, 1, 1);
    zeile(refs, 2, LabelGueltigkeit, Gueltigkeit, 140);
    zeile(refs, 3, LabelRabatt, Rabatt, 60);
    zeile(refs, 4, LabelMwst, Mwst, 60);
    oben->addLayout(refs, 1);

    auto* terms = new QGridLayout;
    zeile(terms, 0, LabelZahlung, Zahlung, 260);
    zeile(terms, 1, LabelLieferung, Lieferung, 260);
    zeile(terms, 2, LabelVerpackung, Verpackung, 260);
    zeile(terms, 3, LabelGewaehrleistung, Gewaehrleistung, 260);
    oben->addLayout(terms, 2);
    layout->addLayout(oben);

    auto* mitte = new QHBoxLayout;
    tabelle_ = mit(new QTableWidget(this), Positionen);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->verticalHeader()->setVisible(false);
    tabelle_->setWordWrap(false);
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    connect(tabelle_, &QTableWidget::currentCellChanged, this, [this](int z) {
        if (fuellen_) return;
        model_.waehlen(z);
        aktualisieren();
    });
    mitte->addWidget(tabelle_, 1);
    auto* knoepfe = new QVBoxLayout;
    for (int id : std::initializer_list<int>{Hinzufuegen, Zuruecknehmen, ImHauptfenster, 0, Hoch,
                                             Runter, Duplizieren, Entfernen}) {
        if (id == 0)
            knoepfe->addSpacing(12);
        else
            knoepfe->addWidget(mit(new QPushButton(this), id));
    }
    auto* menge = new QHBoxLayout;
    menge->addWidget(bau::label(this, LabelMenge));
    menge->addWidget(bau::edit(this, Menge, 60, 80));
    knoepfe->addLayout(menge);
    knoepfe->addWidget(bau::haken(this, Unterlagen));
    knoepfe->addStretch();
    mitte->addLayout(knoepfe);
    layout->addLayout(mitte, 1);

    auto* text = new QHBoxLayout;
    text->addWidget(bau::label(this, LabelPositionsText));
    text->addWidget(bau::edit(this, PositionsText, 400), 1);
    layout->addLayout(text);

    auto* summen = bau::label(this, Summen);
    summen->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont fett = summen->font();
    fett.setBold(true);
    summen->setFont(fett);
    layout->addWidget(summen);

    auto* unten = new QHBoxLayout;
    for (int id : {Neu, Oeffnen, Speichern, SpeichernUnter, AlsRevision, DruckenPdf})
        unten->addWidget(mit(new QPushButton(this), id));
    unten->addStretch();
    unten->addWidget(mit(new QPushButton(this), Schliessen));
    layout->addLayout(unten);

    binder_.bindAll(this);
    aktualisieren();
    resize(1240, 620);
}

void AngebotsfensterView::aktualisieren() {
    binder_.push();
    setWindowTitle(QString::fromStdString(model_.caption()));
    fuellen_ = true;
    const auto koepfe = model_.spaltenKoepfe();
    tabelle_->setColumnCount(static_cast<int>(koepfe.size()));
    QStringList k;
    for (const std::string& s : koepfe) k << QString::fromStdString(s);
    tabelle_->setHorizontalHeaderLabels(k);
    const auto& zeilen = model_.zeilen();
    tabelle_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const Angebotszeile& z = zeilen[static_cast<size_t>(r)];
        const std::string* zellen[] = {&z.pos,         &z.menge,  &z.beschreibung, &z.kennung,
                                       &z.einzelpreis, &z.gesamt, &z.markierung};
        for (int c = 0; c < AngebotsfensterModel::kSpalten; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(*zellen[c]));
            if (c == AngebotsfensterModel::PosSpalte || c == AngebotsfensterModel::MengeSpalte ||
                c == AngebotsfensterModel::EinzelpreisSpalte ||
                c == AngebotsfensterModel::GesamtSpalte)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!z.markierung.empty()) item->setForeground(QColor(0x9b, 0x1c, 0x1c));
            tabelle_->setItem(r, c, item);
        }
    }
    tabelle_->resizeColumnsToContents();
    if (model_.gewaehlt() >= 0)
        tabelle_->setCurrentCell(model_.gewaehlt(), 0);
    else
        tabelle_->clearSelection();
    fuellen_ = false;
}

void AngebotsfensterView::reject() {
    if (model_.schliessenErlaubt()) QDialog::reject();
}

void registerAngebotsfensterView(QtDialogRunner& runner) {
    registriereView<AngebotsfensterModel, AngebotsfensterView>(runner, "DialogAngebot");
}

}  // namespace kal
