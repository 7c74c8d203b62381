#include "ui/spec/spec_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ids/dialog_ids.h"

namespace kal {

using namespace sp;
using bau::label;

namespace {
QLineEdit* feld(QWidget* p, int id, int breite = 90) { return bau::edit(p, id, breite); }

// label | warm value, unit | cold value, unit (0: no control there)
struct Zeile {
    int label, warm, einheitWarm, kalt, einheitKalt;
};

void zeilen(QGridLayout* g, QWidget* p, int ab, std::initializer_list<Zeile> z) {
    int r = ab;
    for (const Zeile& x : z) {
        g->addWidget(label(p, x.label), r, 0);
        int spalte = 1;
        for (int id : {x.warm, x.einheitWarm, x.kalt, x.einheitKalt}) {
            if (id != 0)
                g->addWidget(spalte % 2 ? static_cast<QWidget*>(feld(p, id)) : label(p, id), r,
                             spalte);
            ++spalte;
        }
        ++r;
    }
}
}  // namespace

DialogSpecView::DialogSpecView(DialogSpec& model, QWidget* parent) : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(baueKopf(this));
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(baueSeiten(this), 3);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(bauePaket(this));
    rechts->addWidget(baueKenndaten(this));
    rechts->addStretch();
    mitte->addLayout(rechts, 2);
    layout->addLayout(mitte);
    auto* bemerkung = new QHBoxLayout;
    bemerkung->addWidget(label(this, LabelBemerkung));
    bemerkung->addWidget(feld(this, Bemerkung, 400), 1);
    layout->addLayout(bemerkung);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (int id : {Drucken, Excel, Ausschreibung, Zurueck}) {
        auto* k = mit(new QPushButton(this), id);
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    layout->addLayout(knoepfe);
    binder_.bindAll(this);
    binder_.push();
    // long texts (connections) read from their start
    for (auto* e : findChildren<QLineEdit*>()) e->setCursorPosition(0);
}

// Project data and the device.
QWidget* DialogSpecView::baueKopf(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    const int paare[4][2] = {{LabelProjekt, Projekt},
                             {LabelPosition, Position},
                             {LabelSachbearbeiter, Sachbearbeiter},
                             {LabelDurchwahl, Durchwahl}};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(label(box, paare[i][0]), i / 2, (i % 2) * 2);
        g->addWidget(feld(box, paare[i][1], 220), i / 2, (i % 2) * 2 + 1);
    }
    g->addWidget(label(box, LabelGeraet), 2, 0);
    g->addWidget(feld(box, Geraet, 220), 2, 1);
    g->addWidget(label(box, LabelKennung), 2, 2);
    g->addWidget(feld(box, Kennung, 300), 2, 3);
    return box;
}

// Both sides: media, flows, temperatures, properties, pressure drops.
QWidget* DialogSpecView::baueSeiten(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    g->addWidget(label(box, KopfWarm), 0, 1, 1, 2);
    g->addWidget(label(box, KopfKalt), 0, 3, 1, 2);
    g->addWidget(label(box, LabelMedien), 1, 0);
    g->addWidget(feld(box, MediumWarm, 160), 1, 1, 1, 2);
    g->addWidget(feld(box, MediumKalt, 160), 1, 3, 1, 2);
    g->addWidget(label(box, LabelBemerkungSeite), 2, 0);
    g->addWidget(feld(box, BemerkungWarm, 160), 2, 1, 1, 2);
    g->addWidget(feld(box, BemerkungKalt, 160), 2, 3, 1, 2);
    zeilen(
        g, box, 3,
        {{LabelMassenstrom, MassenstromWarm, EinheitMassenstromWarm, MassenstromKalt,
          EinheitMassenstromKalt},
         {LabelVolumenstrom, VolumenstromWarm, EinheitVolumenstromWarm, VolumenstromKalt,
          EinheitVolumenstromKalt},
         {LabelEintritt, TEinWarm, EinheitTEinWarm, TEinKalt, EinheitTEinKalt},
         {LabelAustritt, TAusWarm, EinheitTAusWarm, TAusKalt, EinheitTAusKalt},
         {LabelViskositaet, ViskositaetWarm, EinheitViskositaetWarm, ViskositaetKalt,
          EinheitViskositaetKalt},
         {LabelDichte, DichteWarm, EinheitDichteWarm, DichteKalt, EinheitDichteKalt},
         {LabelCp, CpWarm, EinheitCpWarm, CpKalt, EinheitCpKalt},
         {LabelLambda, LambdaWarm, EinheitLambdaWarm, LambdaKalt, EinheitLambdaKalt},
         {LabelKondensationsenthalpie, Kondensationsenthalpie, EinheitKondensationsenthalpie, 0, 0},
         {LabelDruckverlust, DruckverlustWarm, EinheitDruckverlustWarm, DruckverlustKalt,
          EinheitDruckverlustKalt},
         {LabelSerien, SerienWarm, 0, SerienKalt, 0},
         {LabelInhalt, InhaltWarm, EinheitInhaltWarm, InhaltKalt, EinheitInhaltKalt}});
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(g->rowCount(), 1);  // the rows at the top when the box is taller
    return box;
}

// Channels, plates, gaskets, frame and connections.
QWidget* DialogSpecView::bauePaket(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    int r = 0;
    g->addWidget(label(box, LabelSpaltenGesamt), r, 0);
    g->addWidget(feld(box, SpaltenGesamt, 50), r++, 1);
    g->addWidget(label(box, LabelSpalten), r, 0);
    auto* typen = new QHBoxLayout;
    for (int id : {Anzahl1, Spalttyp1, Anzahl2, Spalttyp2}) typen->addWidget(feld(box, id, 40));
    g->addLayout(typen, r++, 1, 1, 2);
    g->addWidget(label(box, LabelPlatten), r, 0);
    auto* platten = new QHBoxLayout;
    platten->addWidget(feld(box, Plattenmaterial, 100));
    platten->addWidget(feld(box, Plattendicke, 70));
    platten->addWidget(label(box, EinheitPlattendicke));
    g->addLayout(platten, r++, 1, 1, 2);
    g->addWidget(label(box, LabelDichtungen), r, 0);
    auto* dichtungen = new QHBoxLayout;
    dichtungen->addWidget(feld(box, DichtungWarm, 90));
    dichtungen->addWidget(feld(box, DichtungKalt, 90));
    g->addLayout(dichtungen, r++, 1, 1, 2);
    g->addWidget(label(box, LabelGestell), r, 0);
    g->addWidget(feld(box, Gestell, 220), r++, 1, 1, 2);
    for (auto [l, code, text] : {std::array{LabelAnschlussWarm, BelegungWarm, AnschlussWarm},
                                 std::array{LabelAnschlussKalt, BelegungKalt, AnschlussKalt}}) {
        g->addWidget(label(box, l), r, 0);
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(feld(box, code, 70));
        zeile->addWidget(feld(box, text, 300), 1);
        g->addLayout(zeile, r++, 1, 1, 2);
    }
    return box;
}

// Duty, area, temperature difference, k, fouling, reserve, weight, pressure
// and temperature.
QWidget* DialogSpecView::baueKenndaten(QWidget* p) {
    auto* box = new QGroupBox(p);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    zeilen(g, box, 0,
           {{LabelLeistung, Leistung, EinheitLeistung, 0, 0},
            {LabelFlaeche, Flaeche, EinheitFlaeche, 0, 0},
            {LabelTemperaturdifferenz, Lmtd, EinheitTemperaturdifferenz, Cmtd, 0},
            {LabelK, KErf, EinheitK, KEff, 0},
            {LabelFouling, Fouling, EinheitFouling, 0, 0},
            {LabelSicherheit, Sicherheit, EinheitSicherheit, 0, 0},
            {LabelGewicht, Gewicht, EinheitGewicht, 0, 0},
            {LabelDruck, Druck, EinheitDruck, 0, 0},
            {LabelMaxTemperatur, MaxTemperatur, EinheitMaxTemperatur, 0, 0}});
    return box;
}

void DialogSpecView::reject() {
    model_.geklickt(Zurueck);
    binder_.push();
    beendenWennGeschlossen(model_);
}

void registerSpecView(QtDialogRunner& runner) {
    registriereView<DialogSpec, DialogSpecView>(runner, "DialogSpec");
}

}  // namespace kal
