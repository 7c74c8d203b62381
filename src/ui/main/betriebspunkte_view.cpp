#include "ui/main/betriebspunkte_view.h"

#include <QChart>
#include <QChartView>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPalette>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "engine/kennlinie.h"

namespace kal {

namespace {
QTableWidget* tabelle(QWidget* p) {
    auto* t = new QTableWidget(p);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
    t->setWordWrap(false);
    return t;
}

QStringList koepfe(const std::vector<std::string>& k) {
    QStringList l;
    for (const std::string& s : k) l << QString::fromStdString(s);
    return l;
}
}  // namespace

BetriebspunkteView::BetriebspunkteView(BetriebspunkteDlgModel& model, QWidget* parent)
    : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bau::label(this, bp::LabelPunkte));
    punkte_ = tabelle(this);
    punkte_->setObjectName(QStringLiteral("punkte"));
    punkte_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(punkte_, &QTableWidget::currentCellChanged, this, [this](int zeile) {
        if (fuellen_ || zeile < 0) return;
        model_.form().select(bp::Punkt, zeile);
        model_.ereignis(bp::Punkt, BindEvent::Changed);
        aktualisieren();
    });
    // an edited cell is typed text and a left field, as on the main dialog
    connect(punkte_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (fuellen_) return;
        const int id = bp::zelle(item->row(), item->column());
        model_.form().setText(id, item->text().toStdString());
        model_.ereignis(id, BindEvent::Changed);
        model_.ereignis(id, BindEvent::FocusLost);
        aktualisieren();
    });
    layout->addWidget(punkte_, 2);
    auto* knoepfe = new QHBoxLayout;
    for (int id : {bp::Hinzufuegen, bp::Entfernen, bp::Berechnen})
        knoepfe->addWidget(mit(new QPushButton(this), id));
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
    layout->addWidget(bau::label(this, bp::LabelErgebnis));
    ergebnis_ = tabelle(this);
    ergebnis_->setObjectName(QStringLiteral("ergebnis"));
    ergebnis_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ergebnis_->setSelectionMode(QAbstractItemView::NoSelection);
    ergebnis_->verticalHeader()->setVisible(false);
    layout->addWidget(ergebnis_, 2);
    auto* bindend = bau::label(this, bp::Bindend);
    QFont fett = bindend->font();
    fett.setBold(true);
    bindend->setFont(fett);
    layout->addWidget(bindend);
    kurvenTitel_ = new QLabel(this);
    layout->addWidget(kurvenTitel_);
    auto* kurven = new QHBoxLayout;
    for (QChartView*& v : kurven_) {
        v = new QChartView(this);
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumSize(300, 250);
        kurven->addWidget(v);
    }
    kurven_[0]->setObjectName(QStringLiteral("kurveLeistung"));
    kurven_[1]->setObjectName(QStringLiteral("kurveTemperatur"));
    kurven_[2]->setObjectName(QStringLiteral("kurveDruck"));
    layout->addLayout(kurven, 5);
    auto* status = bau::label(this, bp::Status);
    status->setWordWrap(true);
    layout->addWidget(status);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(mit(new QPushButton(this), bp::Schliessen));
    layout->addLayout(unten);
    binder_.bindAll(this);
    aktualisieren();
    resize(1240, 900);
}

void BetriebspunkteView::aktualisieren() {
    binder_.push();
    punkteFuellen();
    ergebnisFuellen();
    kurvenFuellen();
}

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }

// A curve chart over the flow share: the lines, the point at 100 % marked,
// the allowed limits dashed; the y axis fitted to all of them.
struct Linie {
    QString name;
    std::vector<QPointF> punkte;
    QColor farbe;
    bool gestrichelt = false;
};

QChart* kurvenChart(const QString& titel, const QString& xTitel, const std::vector<Linie>& linien,
                    const std::vector<QPointF>& marken, const QString& markenName) {
    auto* chart = new QChart;
    chart->setTitle(titel);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* x = new QValueAxis;
    x->setTitleText(xTitel);
    x->setRange(45, 125);
    // ticks on the tens of percent, the operating point (100) among them
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(50);
    x->setTickInterval(10);
    x->setLabelFormat(QStringLiteral("%.0f"));
    auto* y = new QValueAxis;
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const Linie& l : linien) {
        auto* s = new QLineSeries;
        s->setName(l.name);
        QPen pen(l.farbe);
        pen.setWidth(2);
        if (l.gestrichelt) pen.setStyle(Qt::DashLine);
        s->setPen(pen);
        for (const QPointF& p : l.punkte) {
            s->append(p);
            lo = std::min(lo, p.y());
            hi = std::max(hi, p.y());
        }
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
    auto* m = new QScatterSeries;
    m->setName(markenName);
    m->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    m->setMarkerSize(11);
    m->setColor(QColor(20, 20, 20));
    for (const QPointF& p : marken) m->append(p);
    chart->addSeries(m);
    m->attachAxis(x);
    m->attachAxis(y);
    if (lo <= hi) {
        const double rand = std::max(hi - lo, std::fabs(hi) * 0.05 + 1e-6) * 0.08;
        y->setRange(lo - rand, hi + rand);
        y->applyNiceNumbers();
    }
    return chart;
}
}  // namespace

void BetriebspunkteView::kurvenFuellen() {
    const engine::Kennlinie* k = model_.kennlinie();
    kurvenTitel_->setText(qs(model_.fenstertext("kurveTitel")));
    for (QChartView* v : kurven_) v->setVisible(k != nullptr);
    kurvenTitel_->setVisible(k != nullptr);
    if (!k) return;
    const QColor warm(200, 60, 30), kalt(30, 90, 200);
    auto linie = [&](const QString& name, QColor farbe, double engine::Kennlinienpunkt::*wert) {
        Linie l{name, {}, farbe};
        for (const auto& p : k->werte)
            if (p.gueltig) l.punkte.emplace_back(p.anteil, p.*wert);
        return l;
    };
    auto marke = [&](double engine::Kennlinienpunkt::*wert) {
        std::vector<QPointF> m;
        if (k->betriebspunkt.gueltig) m.emplace_back(100.0, k->betriebspunkt.*wert);
        return m;
    };
    auto mitEinheit = [&](const char* key, const std::string& einheit) {
        return qs(model_.fenstertext(key)).replace(QStringLiteral("%1"), qs(einheit));
    };
    const QString xTitel = qs(model_.fenstertext("achseAnteil")),
                  punkt = qs(model_.fenstertext("kurvePunkt")),
                  w = qs(model_.fenstertext("kurveWarm")), c = qs(model_.fenstertext("kurveKalt"));
    const auto& e = k->einheiten;
    // an allowed loss dashed across the curve (none when not given)
    auto grenze = [&](const char* key, double wert, QColor farbe) {
        Linie l{qs(model_.fenstertext(key)), {}, farbe, true};
        if (wert > 0) l.punkte = {{50.0, wert}, {120.0, wert}};
        return l;
    };
    std::vector<QPointF> leistung = marke(&engine::Kennlinienpunkt::leistung);
    QChart* charts[3] = {
        kurvenChart(mitEinheit("kurveLeistung", e.leistungName), xTitel,
                    {linie(qs(model_.fenstertext("kurveLeistung")).section(' ', 0, 0), warm,
                           &engine::Kennlinienpunkt::leistung)},
                    leistung, punkt),
        kurvenChart(
            mitEinheit("kurveTemperatur", e.temperaturName), xTitel,
            {linie(w, warm, &engine::Kennlinienpunkt::austrittWarm),
             linie(c, kalt, &engine::Kennlinienpunkt::austrittKalt)},
            [&] {
                auto m = marke(&engine::Kennlinienpunkt::austrittWarm);
                auto n = marke(&engine::Kennlinienpunkt::austrittKalt);
                m.insert(m.end(), n.begin(), n.end());
                return m;
            }(),
            punkt),
        kurvenChart(
            mitEinheit("kurveDruck", e.druckName), xTitel,
            {linie(w, warm, &engine::Kennlinienpunkt::dpWarm),
             linie(c, kalt, &engine::Kennlinienpunkt::dpKalt),
             grenze("kurveZulWarm", k->dpWarmZul, warm),
             grenze("kurveZulKalt", k->dpKaltZul, kalt)},
            [&] {
                auto m = marke(&engine::Kennlinienpunkt::dpWarm);
                auto n = marke(&engine::Kennlinienpunkt::dpKalt);
                m.insert(m.end(), n.begin(), n.end());
                return m;
            }(),
            punkt)};
    for (int i = 0; i < 3; ++i) {
        QChart* alt = kurven_[i]->chart();
        kurven_[i]->setChart(charts[i]);
        delete alt;
    }
}

void BetriebspunkteView::punkteFuellen() {
    fuellen_ = true;
    const Form& f = model_.form();
    punkte_->setColumnCount(kPunktFelder);
    punkte_->setHorizontalHeaderLabels(koepfe(model_.spaltenKoepfe()));
    punkte_->setRowCount(model_.punkte());
    QStringList zeilen;
    for (int p = 0; p < model_.punkte(); ++p) {
        const ControlState* liste = f.find(bp::Punkt);
        zeilen << (liste && p < static_cast<int>(liste->items.size())
                       ? QString::fromStdString(liste->items[static_cast<size_t>(p)].text)
                       : QString::number(p + 1));
        for (int i = 0; i < kPunktFelder; ++i) {
            const int id = bp::zelle(p, i);
            auto* item = new QTableWidgetItem(QString::fromStdString(f.text(id)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (f.enabled(id))
                flags |= Qt::ItemIsEditable;
            else
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setFlags(flags);
            // the main dialog's computed values look as they look there
            if (f.emphasis(id) == Emphasis::Computed) {
                QFont k = item->font();
                k.setItalic(true);
                item->setFont(k);
            }
            punkte_->setItem(p, i, item);
        }
    }
    punkte_->setVerticalHeaderLabels(zeilen);
    if (model_.gewaehlt() >= 0)
        punkte_->setCurrentCell(model_.gewaehlt(),
                                punkte_->currentColumn() < 0 ? 0 : punkte_->currentColumn());
    punkte_->resizeColumnsToContents();
    fuellen_ = false;
}

void BetriebspunkteView::ergebnisFuellen() {
    const auto zeilen = model_.ergebnisZeilen();
    const auto k = model_.ergebnisKoepfe();
    ergebnis_->setColumnCount(static_cast<int>(k.size()));
    ergebnis_->setHorizontalHeaderLabels(koepfe(k));
    ergebnis_->setRowCount(static_cast<int>(zeilen.size()));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
        const auto& e = zeilen[static_cast<size_t>(z)];
        for (int s = 0; s < static_cast<int>(e.zellen.size()); ++s) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(e.zellen[static_cast<size_t>(s)]));
            if (s != BetriebspunkteDlgModel::EEngste)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (e.bindend) {
                QFont fett = item->font();
                fett.setBold(true);
                item->setFont(fett);
                if (s == e.bindendeSpalte) {
                    item->setBackground(QColor(255, 214, 153));
                    fett.setUnderline(true);
                    item->setFont(fett);
                }
            }
            ergebnis_->setItem(z, s, item);
        }
    }
    ergebnis_->resizeColumnsToContents();
}

}  // namespace kal
