#include "ui/main/alternativen_view.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

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
    auto* unten = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(bau::label(this, alt::LabelGrenzen));
    grenzen_ = tabelle(this, alt::Grenzen);
    grenzen_->setSelectionMode(QAbstractItemView::NoSelection);
    links->addWidget(grenzen_);
    unten->addLayout(links, 1);
    auto* rechts = new QVBoxLayout;
    auto* achsen = new QHBoxLayout;
    achsen->addWidget(bau::radio(this, alt::AchseReserve));
    achsen->addWidget(bau::radio(this, alt::AchseDruck));
    achsen->addStretch();
    rechts->addLayout(achsen);
    diagramm_ = new QChartView(this);
    diagramm_->setObjectName(QStringLiteral("diagramm"));
    diagramm_->setRenderHint(QPainter::Antialiasing);
    diagramm_->setMinimumSize(420, 260);
    diagramm_->setVisible(model.zeilen() > 0);
    rechts->addWidget(diagramm_);
    unten->addLayout(rechts, 1);
    layout->addLayout(unten, 3);
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
    resize(model.zeilen() > 0 ? 1240 : 640, model.zeilen() > 0 ? 760 : 360);
}

void AlternativenView::aktualisieren() {
    binder_.push();
    tabelleFuellen();
    grenzenFuellen();
    diagrammFuellen();
}

void AlternativenView::diagrammFuellen() {
    if (model_.zeilen() == 0) return;
    const auto punkte = model_.diagramm();
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    // every pack, the result and the selected one as series of their own so
    // the legend names the marks (shape and size, not colour alone)
    auto* alle = new QScatterSeries;
    alle->setName(QString::fromStdString(model_.fenstertext("diagrammPakete")));
    alle->setMarkerSize(9);
    auto* ergebnis = new QScatterSeries;
    ergebnis->setName(QString::fromStdString(model_.fenstertext("ergebnis")));
    ergebnis->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    ergebnis->setMarkerSize(13);
    ergebnis->setColor(QColor(200, 60, 30));
    auto* gewaehlt = new QScatterSeries;
    gewaehlt->setName(QString::fromStdString(model_.fenstertext("diagrammGewaehlt")));
    gewaehlt->setMarkerSize(20);
    gewaehlt->setColor(Qt::transparent);
    gewaehlt->setBorderColor(QColor(20, 20, 20));
    QPen ring(QColor(20, 20, 20));
    ring.setWidth(2);
    gewaehlt->setPen(ring);
    double xMin = HUGE_VAL, xMax = -HUGE_VAL, yMin = HUGE_VAL, yMax = -HUGE_VAL;
    for (const auto& p : punkte) {
        (p.ergebnis ? ergebnis : alle)->append(p.x, p.preis);
        if (p.gewaehlt) gewaehlt->append(p.x, p.preis);
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.preis);
        yMax = std::max(yMax, p.preis);
    }
    for (auto* s : {alle, ergebnis, gewaehlt}) chart->addSeries(s);
    auto* x = new QValueAxis;
    x->setTitleText(QString::fromStdString(model_.diagrammAchse()));
    auto* y = new QValueAxis;
    y->setTitleText(QString::fromStdString(model_.diagrammPreisAchse()));
    y->setLabelFormat(QStringLiteral("%.0f"));
    if (!punkte.empty()) {
        const double dx = std::max(xMax - xMin, 1.0) * 0.08, dy = std::max(yMax - yMin, 1.0) * 0.08;
        x->setRange(xMin - dx, xMax + dx);
        y->setRange(yMin - dy, yMax + dy);
        // round tick values read at a glance
        x->applyNiceNumbers();
        y->applyNiceNumbers();
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (auto* s : {alle, ergebnis, gewaehlt}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    // a click on a pack selects its row: the nearest point on screen
    auto waehlen = [this, chart, punkte](const QPointF& wo) {
        const QPointF ziel = chart->mapToPosition(wo);
        int beste = -1;
        double abstand = HUGE_VAL;
        for (const auto& p : punkte) {
            const QPointF d = chart->mapToPosition(QPointF(p.x, p.preis)) - ziel;
            const double a = d.x() * d.x() + d.y() * d.y();
            if (a < abstand) {
                abstand = a;
                beste = p.zeile;
            }
        }
        if (beste < 0) return;
        model_.waehlen(beste);
        QTimer::singleShot(0, this, [this] { aktualisieren(); });
    };
    for (auto* s : {alle, ergebnis}) connect(s, &QScatterSeries::clicked, this, waehlen);
    QChart* alt = diagramm_->chart();
    diagramm_->setChart(chart);
    delete alt;
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
