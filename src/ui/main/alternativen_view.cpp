#include "ui/main/alternativen_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kal {

namespace {
QTableWidget* tabelle(QWidget* p, int id) {
    auto* t = mit(new QTableWidget(p), id);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setVisible(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setWordWrap(false);
    return t;
}

QTableWidgetItem* zelle(const std::string& text, bool fett, bool rechts) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    if (fett) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
    }
    if (rechts) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
}  // namespace

AlternativenView::AlternativenView(AlternativenDlgModel& model, QWidget* parent)
    : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    tabelle_ = tabelle(this, alt::Tabelle);
    tabelle_->horizontalHeader()->setSectionsClickable(true);
    connect(tabelle_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int spalte) {
        model_.sortieren(spalte);
        aktualisieren();
    });
    connect(tabelle_, &QTableWidget::currentCellChanged, this, [this](int zeile) {
        if (fuellen_) return;
        model_.waehlen(zeile);
        aktualisieren();
    });
    layout->addWidget(tabelle_, 2);
    layout->addWidget(bau::label(this, alt::LabelGrenzen));
    grenzen_ = tabelle(this, alt::Grenzen);
    grenzen_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(grenzen_, 3);
    layout->addWidget(bau::label(this, alt::LabelGruende));
    auto* gruende = bau::label(this, alt::Gruende);
    gruende->setWordWrap(true);
    gruende->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    gruende->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(gruende, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(mit(new QPushButton(this), alt::Uebernehmen));
    knoepfe->addWidget(mit(new QPushButton(this), alt::Schliessen));
    layout->addLayout(knoepfe);
    binder_.bindAll(this);
    aktualisieren();
    resize(model.zeilen() > 0 ? 1240 : 640, model.zeilen() > 0 ? 640 : 360);
}

void AlternativenView::aktualisieren() {
    binder_.push();
    tabelleFuellen();
    grenzenFuellen();
}

void AlternativenView::tabelleFuellen() {
    fuellen_ = true;
    const auto& koepfe = model_.spaltenKoepfe();
    tabelle_->setColumnCount(static_cast<int>(koepfe.size()));
    QStringList k;
    for (const std::string& s : koepfe) k << QString::fromStdString(s);
    tabelle_->setHorizontalHeaderLabels(k);
    tabelle_->setRowCount(model_.zeilen());
    using M = AlternativenDlgModel;
    auto textSpalte = [](int s) {
        return s == M::Typ || s == M::Bindend || s == M::Warm || s == M::Kalt;
    };
    for (int z = 0; z < model_.zeilen(); ++z)
        for (int s = 0; s < AlternativenDlgModel::kSpalten; ++s)
            tabelle_->setItem(
                z, s, zelle(model_.zelle(z, s).text, model_.istErgebnis(z), !textSpalte(s)));
    tabelle_->horizontalHeader()->setSortIndicatorShown(true);
    tabelle_->horizontalHeader()->setSortIndicator(
        model_.sortSpalte(), model_.absteigend() ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (model_.gewaehlt() >= 0) tabelle_->setCurrentCell(model_.gewaehlt(), 0);
    tabelle_->resizeColumnsToContents();
    fuellen_ = false;
}

void AlternativenView::grenzenFuellen() {
    const auto zeilen = model_.grenzZeilen();
    const auto koepfe = model_.grenzKoepfe();
    grenzen_->setColumnCount(static_cast<int>(koepfe.size()));
    QStringList k;
    for (const std::string& s : koepfe) k << QString::fromStdString(s);
    grenzen_->setHorizontalHeaderLabels(k);
    grenzen_->setRowCount(static_cast<int>(zeilen.size()));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
        const auto& g = zeilen[static_cast<size_t>(z)];
        grenzen_->setItem(z, 0, zelle(g.name, g.bindend, false));
        grenzen_->setItem(z, 1, zelle(g.wert, g.bindend, true));
        grenzen_->setItem(z, 2, zelle(g.erlaubt, g.bindend, true));
        grenzen_->setItem(z, 3, zelle(g.abstand, g.bindend, true));
    }
    grenzen_->resizeColumnsToContents();
}

}  // namespace kal
