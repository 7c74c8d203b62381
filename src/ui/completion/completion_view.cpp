#include "ui/completion/completion_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "druck/projektdaten_view.h"
#include "ids/dialog_ids.h"

namespace kal {

using namespace kp;

namespace {
using bau::haken;
using bau::label;
using bau::radio;
QLineEdit* edit(QWidget* p, int id, int breite = 80) { return bau::edit(p, id, breite); }
// an amount: right-aligned, not wider than its figures need
QLineEdit* betrag(QWidget* p, int id) {
    auto* e = bau::edit(p, id, 90, 130);
    e->setAlignment(Qt::AlignRight);
    return e;
}
}  // namespace

AssemblyView::AssemblyView(CAssembly& model, QWidget* parent) : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    menuFuellen(menuBar_, model_.menu());
    auto* spalten = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(bauePreise(this));
    links->addWidget(baueAnschluesse(this));
    links->addWidget(baueOptionen(this));
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(baueBelegung(this));
    rechts->addWidget(baueDokumentation(this));
    rechts->addStretch();
    spalten->addLayout(links, 3);
    spalten->addLayout(rechts, 2);
    layout->addLayout(spalten);
    for (int id : {Zusatztext12, Zusatztext3, ZusatztextFda}) {
        auto* l = label(this, id);
        l->setWordWrap(true);
        layout->addWidget(l);
    }
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(mit(new QPushButton(this), Zurueck));
    layout->addLayout(knoepfe);
    binder_.bindAll(this);
    binder_.push();
}

// Discounts, net prices, base price and the totals of the offer item.
QWidget* AssemblyView::bauePreise(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    g->addWidget(label(box, LabelRabatt), 0, 1);
    g->addWidget(label(box, LabelWaehrung), 0, 2, Qt::AlignRight);
    int r = 1;
    for (auto [l, rabatt, netto] : {std::array{LabelPreisPaket, RabattPaket, NettoPaket},
                                    std::array{LabelPreisGestell, RabattGestell, NettoGestell}}) {
        g->addWidget(label(box, l), r, 0);
        auto* e = edit(box, rabatt, 60);
        e->setMaximumWidth(80);
        g->addWidget(e, r, 1);
        g->addWidget(betrag(box, netto), r++, 2);
    }
    auto* grund = new QHBoxLayout;
    grund->addWidget(label(box, LabelGrundpreis));
    auto* code = label(box, PreisCode);
    code->setStyleSheet("color: #555");
    grund->addWidget(code);
    grund->addStretch();
    g->addLayout(grund, r, 0, 1, 2);
    g->addWidget(betrag(box, Grundpreis), r++, 2);
    g->addWidget(label(box, LabelEinzelpreis), r, 0, 1, 2);
    g->addWidget(betrag(box, Einzelpreis), r++, 2);
    g->addWidget(label(box, LabelLieferzeit), r, 0, 1, 2);
    g->addWidget(betrag(box, Lieferzeit), r, 2);
    g->addWidget(label(box, EinheitLieferzeit), r++, 3);
    g->addWidget(label(box, LabelKennung), r, 0);
    g->addWidget(edit(box, Kennung, 380), r++, 1, 1, 3);
    g->setColumnStretch(0, 1);
    return box;
}

// Both connections: list or special text, and the typed price.
QWidget* AssemblyView::baueAnschluesse(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(haken(box, Sonderanschluesse));
    kopf->addStretch();
    auto* norm = new QWidget(box);  // own parent: the two radios form their own group
    auto* nl = new QHBoxLayout(norm);
    nl->setContentsMargins(0, 0, 0, 0);
    nl->addWidget(radio(norm, Din));
    nl->addWidget(radio(norm, Ansi));
    kopf->addWidget(norm);
    g->addLayout(kopf, 0, 0, 1, 3);
    int r = 1;
    for (auto [l, liste, sonder, preis] :
         {std::array{LabelAnschlussWarm, AnschlussWarm, SonderAnschlussWarm, PreisAnschlussWarm},
          std::array{LabelAnschlussKalt, AnschlussKalt, SonderAnschlussKalt, PreisAnschlussKalt}}) {
        g->addWidget(label(box, l), r, 0);
        auto* c = mit(new QComboBox(box), liste);
        c->setMinimumWidth(460);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        g->addWidget(c, r, 1);
        g->addWidget(edit(box, sonder, 460), r, 1);  // shown instead of the list
        g->addWidget(betrag(box, preis), r++, 2);
    }
    g->setColumnStretch(1, 1);
    return box;
}

// Special painting with its RAL number, heat insulation, splash guard.
QWidget* AssemblyView::baueOptionen(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    g->addWidget(haken(box, Lackierung), 0, 0);
    auto* ral = new QHBoxLayout;
    ral->addWidget(label(box, LabelRalNr));
    auto* nr = edit(box, RalNr, 60);
    nr->setMaximumWidth(80);
    ral->addWidget(nr);
    ral->addWidget(label(box, LabelRalStandard));
    ral->addStretch();
    g->addLayout(ral, 0, 1);
    g->addWidget(betrag(box, PreisLackierung), 0, 2);
    g->addWidget(haken(box, Isolierung), 1, 0, 1, 2);
    g->addWidget(betrag(box, PreisIsolierung), 1, 2);
    g->addWidget(haken(box, Spritzschutz), 2, 0, 1, 2);
    g->addWidget(betrag(box, PreisSpritzschutz), 2, 2);
    g->setColumnStretch(1, 1);
    return box;
}

// Where the warm medium enters, the pass picture and the nozzle texts.
QWidget* AssemblyView::baueBelegung(QWidget* p) {
    auto* box = mit(new QGroupBox(p), RahmenBelegung);
    auto* v = new QVBoxLayout(box);
    auto* eintritt = new QHBoxLayout;
    for (int id : {EintrittOben, EintrittUnten, EintrittSonder})
        eintritt->addWidget(radio(box, id));
    eintritt->addStretch();
    v->addLayout(eintritt);
    for (int id : {BildEineSerie, BildGerade, BildUngerade}) {
        auto* bild = label(box, id);
        const int bitmap = id == BildEineSerie ? 160 : id == BildGerade ? 161 : 162;
        bild->setPixmap(QPixmap(QString::fromStdString(model_.bildDatei(bitmap))));
        bild->setAlignment(Qt::AlignCenter);
        v->addWidget(bild);
    }
    auto* g = new QGridLayout;
    g->addWidget(label(box, LabelMedium), 0, 1);
    auto* entleerung = new QHBoxLayout;
    entleerung->addWidget(label(box, LabelEntleerung));
    entleerung->addWidget(new QLabel("/", box));
    entleerung->addWidget(label(box, LabelEntlueftung));
    entleerung->addStretch();
    g->addLayout(entleerung, 0, 2);
    g->addWidget(label(box, LabelWarmKurz), 1, 0);
    g->addWidget(edit(box, BelegungMediumWarm, 90), 1, 1);
    g->addWidget(edit(box, BelegungEntleerungWarm, 90), 1, 2);
    g->addWidget(label(box, LabelKaltKurz), 2, 0);
    g->addWidget(edit(box, BelegungMediumKalt, 90), 2, 1);
    g->addWidget(edit(box, BelegungEntleerungKalt, 90), 2, 2);
    v->addLayout(g);
    return box;
}

QWidget* AssemblyView::baueDokumentation(QWidget* p) {
    auto* box = mit(new QGroupBox(p), RahmenDoku);
    auto* v = new QVBoxLayout(box);
    auto* saetze = new QHBoxLayout;
    auto* anzahl = edit(box, DokuAnzahl, 30);
    anzahl->setMaximumWidth(40);
    saetze->addWidget(anzahl);
    saetze->addWidget(label(box, LabelDokuAnzahl));
    saetze->addWidget(mit(new QComboBox(box), DokuSprache));
    saetze->addStretch();
    v->addLayout(saetze);
    for (int id : {Massblatt, DokuPlan, DokuZeugnisse, DokuAbnahmezeichnung, DokuAblaufplan,
                   DokuStueckliste, DokuZertifikat, DokuFestigkeit, DokuQcPlan})
        v->addWidget(haken(box, id));
    return box;
}

void AssemblyView::reject() {
    model_.geklickt(Zurueck);
    binder_.push();
    beendenWennGeschlossen(model_);
}

void registerAssemblyView(QtDialogRunner& runner) {
    registriereView<CAssembly, AssemblyView>(runner, "CAssembly");
    registerProjektdatenView(runner);  // the printouts behind its menu
}

}  // namespace kal
