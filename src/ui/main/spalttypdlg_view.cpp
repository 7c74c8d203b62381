#include "ui/main/spalttypdlg_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kal {

namespace {

// Draws the check box of a cell centred and toggles it on a click anywhere
// in the cell (the cells carry no text, a small box at the left edge is
// hard to hit); Space toggles the current cell.
class KaestchenDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        const bool kaestchen = opt.features & QStyleOptionViewItem::HasCheckIndicator;
        // the style sizes the box only while the option still has one
        const QRect rect = kaestchen ? kaestchenRect(opt) : QRect();
        opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
        if (!kaestchen) return;
        QStyleOptionViewItem box(opt);
        box.rect = rect;
        box.state &= ~QStyle::State_HasFocus;
        box.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, w);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        const Qt::ItemFlags flags = model->flags(index);
        if (!(flags & Qt::ItemIsUserCheckable) || !(flags & Qt::ItemIsEnabled)) return false;
        const QVariant stand = index.data(Qt::CheckStateRole);
        if (!stand.isValid()) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                auto* me = static_cast<QMouseEvent*>(event);
                // swallow them so a double click doesn't toggle twice
                return me->button() == Qt::LeftButton &&
                       option.rect.contains(me->position().toPoint());
            }
            case QEvent::MouseButtonRelease: {
                auto* me = static_cast<QMouseEvent*>(event);
                if (me->button() != Qt::LeftButton ||
                    !option.rect.contains(me->position().toPoint()))
                    return false;
                break;
            }
            case QEvent::KeyPress: {
                int key = static_cast<QKeyEvent*>(event)->key();
                if (key != Qt::Key_Space && key != Qt::Key_Select) return false;
                break;
            }
            default:
                return false;
        }
        const bool an = static_cast<Qt::CheckState>(stand.toInt()) == Qt::Checked;
        return model->setData(index, an ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }

private:
    static QRect kaestchenRect(const QStyleOptionViewItem& opt) {
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        QRect r = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
        r.moveCenter(opt.rect.center());
        return r;
    }
};
}  // namespace

SpalttypDlgView::SpalttypDlgView(SpalttypDlgModel& model, QWidget* parent)
    : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);

    auto* oben = new QGridLayout;
    oben->setHorizontalSpacing(10);
    auto* lblMaterial = mit(new QLabel(this), sg::LabelMaterial);
    auto* material = mit(new QComboBox(this), sg::Material);
    material->setMinimumWidth(180);
    lblMaterial->setBuddy(material);
    auto* lblDruck = mit(new QLabel(this), sg::LabelDruckstufe);
    auto* druck = mit(new QComboBox(this), sg::Druckstufe);
    druck->setMinimumWidth(90);
    lblDruck->setBuddy(druck);
    oben->addWidget(lblMaterial, 0, 0);
    oben->addWidget(material, 0, 1);
    oben->addItem(new QSpacerItem(24, 1), 0, 2);
    oben->addWidget(lblDruck, 0, 3);
    oben->addWidget(druck, 0, 4);
    oben->setColumnStretch(5, 1);
    layout->addLayout(oben);

    auto* kopf = mit(new QLabel(this), sg::LabelKopf);
    kopf->setWordWrap(true);
    layout->addWidget(kopf);

    gitter_ = mit(new QTableWidget(this), sg::Gitter);
    gitter_->setSelectionMode(QAbstractItemView::NoSelection);
    gitter_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter_->setItemDelegate(new KaestchenDelegate(gitter_));
    gitter_->setCornerButtonEnabled(false);
    gitter_->setWordWrap(true);
    QHeaderView* spalten = gitter_->horizontalHeader();
    spalten->setSectionResizeMode(QHeaderView::Stretch);
    spalten->setMinimumSectionSize(56);
    spalten->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    spalten->setSectionsClickable(false);
    // The header row is 7/3 of a normal row: room for two-line type names.
    spalten->setMinimumHeight(gitter_->verticalHeader()->defaultSectionSize() * 7 / 3);
    QHeaderView* zeilen = gitter_->verticalHeader();
    zeilen->setSectionResizeMode(QHeaderView::Stretch);  // rows share a taller grid
    zeilen->setSectionsClickable(false);
    zeilen->setDefaultAlignment(Qt::AlignCenter);
    zeilen->setMinimumWidth(zeilen->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    connect(gitter_, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { zelleGeaendert(item); });
    layout->addWidget(gitter_, 1);

    auto* beispiel = mit(new QLabel(this), sg::LabelBeispiel);
    beispiel->setWordWrap(true);
    layout->addWidget(beispiel);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    auto* speichern = mit(new QPushButton(this), sg::Speichern);
    speichern->setAutoDefault(false);
    knoepfe->addWidget(speichern);
    auto* ende = mit(new QPushButton(this), sg::Ende);
    ende->setAutoDefault(false);
    knoepfe->addWidget(ende);
    layout->addLayout(knoepfe);

    binder_.bindAll(this);
    aktualisieren();
}

void SpalttypDlgView::aktualisieren() {
    binder_.push();
    setWindowTitle(QString::fromStdString(model_.caption()));
    gitterAktualisieren();
}

void SpalttypDlgView::gitterAktualisieren() {
    // Updated in place, so the current cell stays where the user is.
    QSignalBlocker block(gitter_);
    const int spalten = model_.spalten();
    const int zeilen = SpalttypDlgModel::kZeilen;
    gitter_->setColumnCount(spalten);
    gitter_->setRowCount(zeilen);
    QStringList koepfe;
    for (const std::string& k : model_.spaltenKoepfe()) koepfe << QString::fromStdString(k);
    gitter_->setHorizontalHeaderLabels(koepfe);
    for (int c = 0; c < spalten && c < static_cast<int>(model_.spaltenTypen().size()); ++c)
        gitter_->horizontalHeaderItem(c)->setData(Qt::UserRole,
                                                  model_.spaltenTypen()[static_cast<size_t>(c)]);
    QStringList namen;
    for (const std::string& z : model_.zeilenKoepfe()) namen << QString::fromStdString(z);
    gitter_->setVerticalHeaderLabels(namen);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const SpalttypDlgModel::Zelle& z = model_.zelle(r, c);
            QTableWidgetItem* item = gitter_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                gitter_->setItem(r, c, item);
            }
            if (z.kontrollkaestchen) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
                item->setCheckState(z.an ? Qt::Checked : Qt::Unchecked);
            } else {
                item->setFlags(Qt::ItemIsEnabled);
                item->setData(Qt::CheckStateRole, QVariant());  // no box at all
            }
        }
    }
    // Room for every row and column without scroll bars.
    QHeaderView* kopf = gitter_->horizontalHeader();
    QHeaderView* seite = gitter_->verticalHeader();
    const int rahmen = 2 * gitter_->frameWidth();
    gitter_->setMinimumSize(
        std::max(560, std::max(seite->minimumWidth(), seite->sizeHint().width()) +
                          spalten * kopf->minimumSectionSize() + rahmen),
        std::max(kopf->minimumHeight(), kopf->sizeHint().height()) +
            seite->defaultSectionSize() * zeilen + rahmen);
    gitter_->viewport()->update();
}

void SpalttypDlgView::zelleGeaendert(QTableWidgetItem* item) {
    if (!item) return;
    model_.kaestchenGeklickt(item->row(), item->column());
    aktualisieren();  // the widget's own toggle is replaced by the model's state
    beendenWennGeschlossen(model_);
}

void SpalttypDlgView::endeAusloesen() {
    if (!model_.closed()) model_.endeGeklickt();
    aktualisieren();
    beendenWennGeschlossen(model_);
}

void SpalttypDlgView::reject() { endeAusloesen(); }

void SpalttypDlgView::closeEvent(QCloseEvent* e) {
    if (!model_.closed()) model_.schliessenAngefordert();
    if (model_.closed()) {
        e->accept();
        beendenWennGeschlossen(model_);
    } else {
        e->ignore();
    }
}

}  // namespace kal
