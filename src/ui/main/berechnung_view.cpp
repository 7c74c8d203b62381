#include "ui/main/berechnung_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/main/colorlabel.h"

namespace kal {

using namespace hd;

namespace {
using bau::label;
using bau::radio;
// the window's fields grow a little with the window, not without end
QLineEdit* edit(QWidget* p, int id, int breite = 70) {
    return bau::edit(p, id, breite, breite + 40);
}
QComboBox* liste(QWidget* p, int id, int breite = 80) { return bau::liste(p, id, breite); }

// Side view of a frame with its plate pack, and the five dimensions shown
// beneath it in order: height, width, total length, nozzle distances
// horizontal and vertical.
QPixmap gestellZeichnung() {
    QPixmap bild(330, 96);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor stahl(70, 95, 140), paket(150, 170, 200);
    p.setPen(QPen(stahl, 1.5));
    p.drawLine(40, 14, 250, 14);         // carrying bar
    p.drawLine(40, 78, 250, 78);         // guiding bar
    p.fillRect(40, 8, 14, 78, stahl);    // frame plate
    p.fillRect(250, 12, 8, 74, stahl);   // support column
    p.fillRect(150, 10, 10, 74, stahl);  // pressure plate
    for (int x = 56; x < 148; x += 4) p.fillRect(x, 16, 2, 60, paket);
    p.setBrush(Qt::white);
    for (int y : {26, 64}) p.drawEllipse(QPointF(34, y), 5, 5);  // nozzles
    QFont f = p.font();
    f.setPointSize(7);
    p.setFont(f);
    p.setPen(Qt::darkGray);
    p.drawLine(14, 8, 14, 86);
    p.drawText(QRect(0, 40, 12, 12), Qt::AlignCenter, "1");
    p.drawLine(40, 92, 258, 92);
    p.drawText(QRect(140, 80, 20, 12), Qt::AlignCenter, "3");
    p.drawLine(22, 26, 22, 64);
    p.drawText(QRect(18, 40, 12, 12), Qt::AlignCenter, "5");
    // end view for the width and the horizontal nozzle distance
    p.setPen(QPen(stahl, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(278, 10, 40, 74);
    p.setBrush(Qt::white);
    for (int x : {288, 308})
        for (int y : {26, 64}) p.drawEllipse(QPointF(x, y), 4, 4);
    p.setPen(Qt::darkGray);
    p.drawLine(278, 92, 318, 92);
    p.drawText(QRect(290, 80, 16, 12), Qt::AlignCenter, "2");
    p.drawText(QRect(290, 38, 16, 12), Qt::AlignCenter, "4");
    return bild;
}

// Top row: mode, duty and reserve; the logo at the right end, in the
// layout, so that it never covers a control however the window is sized.
QLayout* kopfZeile(QWidget* client, QLabel* logo) {
    auto* oben = new QHBoxLayout;
    auto* modus = mit(new QGroupBox(client), RahmenModus);
    auto* ml = new QVBoxLayout(modus);
    ml->addWidget(radio(modus, Auslegen));
    ml->addWidget(radio(modus, Nachrechnen));
    oben->addWidget(modus);
    auto* zeilen = new QGridLayout;
    zeilen->addWidget(label(client, LabelLeistung), 0, 0);
    zeilen->addWidget(edit(client, Leistung), 0, 1);
    zeilen->addWidget(edit(client, ErgLeistung), 0, 2);
    zeilen->addWidget(liste(client, EinheitLeistung), 0, 3);
    zeilen->addWidget(label(client, LabelSicherheit), 1, 0);
    zeilen->addWidget(edit(client, Sicherheit), 1, 1);
    zeilen->addWidget(edit(client, ErgSicherheit), 1, 2);
    zeilen->addWidget(label(client, LabelProzent), 1, 3);
    // keep the rows left of the logo, which sits at a fixed place
    oben->addLayout(zeilen);
    oben->addStretch();
    oben->addWidget(logo, 0, Qt::AlignRight | Qt::AlignTop);
    return oben;
}

// Both sides with their shared row labels.
QLayout* seitenRaster(QWidget* client) {
    auto* seiten = new QGridLayout;
    seiten->setVerticalSpacing(3);
    seiten->addWidget(mit(new QGroupBox(client), RahmenWarm), 0, 1, 9, 3);
    seiten->addWidget(mit(new QGroupBox(client), RahmenKalt), 0, 4, 9, 3);
    seiten->setRowMinimumHeight(0, 14);
    const int labels[] = {LabelMedium,       LabelTEin,    LabelTAus,    LabelDurchsatz,
                          LabelDruckverlust, LabelFouling, LabelGasDruck};
    for (int r = 0; r < 7; ++r) seiten->addWidget(label(client, labels[r]), r + 1, 0);
    struct Seite {
        int spalte, medium, zeilen[6][3];
    };
    const Seite beide[2] = {
        {1,
         MediumWarm,
         {{TEinWarm, EinheitTEinWarm, ErgTEinWarm},
          {TAusWarm, EinheitTAusWarm, ErgTAusWarm},
          {DurchsatzWarm, EinheitDurchsatzWarm, ErgDurchsatzWarm},
          {DruckverlustWarm, EinheitDruckverlustWarm, ErgDruckverlustWarm},
          {FoulingWarm, EinheitFoulingWarm, 0},
          {GasDruckWarm, EinheitGasDruckWarm, 0}}},
        {4,
         MediumKalt,
         {{TEinKalt, EinheitTEinKalt, ErgTEinKalt},
          {TAusKalt, EinheitTAusKalt, ErgTAusKalt},
          {DurchsatzKalt, EinheitDurchsatzKalt, ErgDurchsatzKalt},
          {DruckverlustKalt, EinheitDruckverlustKalt, ErgDruckverlustKalt},
          {FoulingKalt, EinheitFoulingKalt, 0},
          {GasDruckKalt, EinheitGasDruckKalt, 0}}},
    };
    for (const Seite& s : beide) {
        // narrow columns: the window must fit a laptop screen in every language
        auto* m = liste(client, s.medium, 180);
        seiten->addWidget(m, 1, s.spalte, 1, 3);
        for (int r = 0; r < 6; ++r) {
            seiten->addWidget(edit(client, s.zeilen[r][0], 60), r + 2, s.spalte);
            seiten->addWidget(liste(client, s.zeilen[r][1], 70), r + 2, s.spalte + 1);
            if (s.zeilen[r][2] != 0)
                seiten->addWidget(edit(client, s.zeilen[r][2], 60), r + 2, s.spalte + 2);
        }
    }
    seiten->setRowMinimumHeight(8, 6);
    for (int c : {1, 2, 3, 4, 5, 6}) seiten->setColumnMinimumWidth(c, 10);
    return seiten;
}

// Channel row, then the buttons and the unit system.
QLayout* knopfZeilen(QWidget* client) {
    auto* zeilen = new QVBoxLayout;
    auto* spalt = new QHBoxLayout;
    spalt->addWidget(label(client, LabelSpalttyp));
    spalt->addWidget(edit(client, Anzahl1, 40));
    spalt->addWidget(liste(client, Spalttyp1, 90));
    spalt->addWidget(edit(client, Anzahl2, 40));
    spalt->addWidget(liste(client, Spalttyp2, 90));
    spalt->addStretch();
    zeilen->addLayout(spalt);
    auto* knoepfe = new QHBoxLayout;
    auto* berechnen = mit(new QPushButton(client), Berechnen);
    berechnen->setDefault(true);
    knoepfe->addWidget(berechnen);
    knoepfe->addWidget(mit(new QPushButton(client), Komplettieren));
    knoepfe->addWidget(mit(new QPushButton(client), Alternativen));
    knoepfe->addWidget(mit(new QPushButton(client), Betriebspunkte));
    knoepfe->addStretch();
    auto* einheit = new QWidget(client);  // own parent: its radios form their own group
    auto* el = new QHBoxLayout(einheit);
    el->setContentsMargins(0, 0, 0, 0);
    el->addWidget(label(einheit, LabelEinheitensystem));
    el->addWidget(radio(einheit, SystemUS));
    el->addWidget(radio(einheit, SystemSI));
    knoepfe->addWidget(einheit);
    zeilen->addLayout(knoepfe);
    return zeilen;
}

QWidget* geraetRahmen(QWidget* client) {
    auto* geraet = mit(new QGroupBox(client), RahmenGeraet);
    auto* g = new QGridLayout(geraet);
    g->setVerticalSpacing(3);
    int r = 0;
    g->addWidget(label(geraet, LabelPlatte), r, 0);
    g->addWidget(liste(geraet, MaterialPlatte, 120), r++, 1, 1, 3);
    g->addWidget(label(geraet, LabelDichtungWarm), r, 0);
    g->addWidget(liste(geraet, DichtungWarm, 120), r++, 1, 1, 3);
    g->addWidget(label(geraet, LabelDichtungKalt), r, 0);
    g->addWidget(liste(geraet, DichtungKalt, 120), r++, 1, 1, 3);
    g->addWidget(label(geraet, LabelGestell), r, 0);
    g->addWidget(liste(geraet, Gestell, 90), r, 1, 1, 2);
    g->addWidget(liste(geraet, GestellVariante, 60), r++, 3);
    g->addWidget(label(geraet, LabelDruckstufe), r, 0);
    g->addWidget(liste(geraet, Druckstufe, 120), r++, 1, 1, 3);
    // the safety plates choose among the plate types below
    g->addWidget(mit(new QCheckBox(geraet), Sicherheitsplatte), r++, 0, 1, 4);
    g->addWidget(label(geraet, LabelPlattentyp), r, 0);
    g->addWidget(liste(geraet, PlattentypModus, 60), r, 1);
    g->addWidget(edit(geraet, ErgPlattentyp, 60), r, 2);
    g->addWidget(liste(geraet, Plattentyp, 80), r++, 3);
    g->addWidget(label(geraet, LabelSpalten), r, 0);
    g->addWidget(liste(geraet, SpaltenModus, 60), r, 1);
    g->addWidget(edit(geraet, Spalten, 50), r, 2);
    g->addWidget(edit(geraet, ErgSpalten, 50), r++, 3);
    g->addWidget(label(geraet, LabelSerien), r, 0);
    g->addWidget(liste(geraet, SerienModus, 60), r, 1);
    g->addWidget(edit(geraet, Serien, 50), r, 2);
    g->addWidget(edit(geraet, ErgSerien, 50), r++, 3);
    g->addWidget(label(geraet, ErgPlatten), r++, 0, 1, 4, Qt::AlignRight);
    return geraet;
}

// Dimensions frame with the frame drawing and its five values.
QWidget* masseRahmen(QWidget* client) {
    auto* mass = mit(new QGroupBox(client), RahmenMasse);
    auto* mg = new QGridLayout(mass);
    mg->addWidget(radio(mass, MassMm), 0, 0);
    mg->addWidget(radio(mass, MassInch), 0, 1);
    auto* bild = label(mass, BildGestell);
    bild->setFrameShape(QFrame::StyledPanel);
    bild->setPixmap(gestellZeichnung());
    bild->setAlignment(Qt::AlignCenter);
    mg->addWidget(bild, 1, 0, 1, 5);
    int c = 0;
    for (int id : {Hoehe, Breite, LaengeTotal, StutzenHorizontal, StutzenVertikal})
        mg->addWidget(edit(mass, id, 40), 2, c++);
    return mass;
}

QWidget* ergebnisRahmen(QWidget* client) {
    auto* erg = mit(new QGroupBox(client), RahmenErgebnis);
    auto* eg = new QGridLayout(erg);
    eg->setVerticalSpacing(2);
    eg->addWidget(label(erg, LabelKopfWarm), 0, 1);
    eg->addWidget(label(erg, LabelKopfKalt), 0, 2);
    const int zweiseitig[4][4] = {{LabelAlfa, AlfaWarm, AlfaKalt, EinheitAlfa},
                                  {LabelVMin, VMinWarm, VMinKalt, EinheitVMin},
                                  {LabelVMax, VMaxWarm, VMaxKalt, EinheitVMax},
                                  {LabelVStutzen, VStutzenWarm, VStutzenKalt, EinheitVStutzen}};
    for (int i = 0; i < 4; ++i) {
        eg->addWidget(label(erg, zweiseitig[i][0]), i + 1, 0);
        eg->addWidget(edit(erg, zweiseitig[i][1]), i + 1, 1);
        eg->addWidget(edit(erg, zweiseitig[i][2]), i + 1, 2);
        eg->addWidget(label(erg, zweiseitig[i][3]), i + 1, 3);
    }
    const int einzeln[11][3] = {{LabelKRein, KRein, EinheitKRein},
                                {LabelKErf, KErf, EinheitKErf},
                                {LabelKEff, KEff, EinheitKEff},
                                {LabelFoulingSoll, FoulingSoll, EinheitFoulingSoll},
                                {LabelFoulingIst, FoulingIst, EinheitFoulingIst},
                                {LabelCmtd, Cmtd, EinheitCmtd},
                                {LabelFlaeche, Flaeche, EinheitFlaeche},
                                {LabelGewicht, Gewicht, EinheitGewicht},
                                {LabelLieferzeit, Lieferzeit, EinheitLieferzeit},
                                {LabelPreis, Preis, EinheitPreis},
                                {LabelCustomPreis, CustomPreis, EinheitCustomPreis}};
    // single-value rows in two blocks of six to the right of the two-sided rows
    for (int i = 0; i < 11; ++i) {
        int zeile = i % 6, spalte = 4 + (i / 6) * 3;
        eg->addWidget(label(erg, einzeln[i][0]), zeile, spalte);
        eg->addWidget(edit(erg, einzeln[i][1], 90), zeile, spalte + 1);
        eg->addWidget(label(erg, einzeln[i][2]), zeile, spalte + 2);
    }
    return erg;
}
}  // namespace

BerechnungView::BerechnungView(CBerechnungDlg& model, QWidget* parent) : ModellView(model, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    menuFuellen(menuBar_, model_.menu());
    layout->addWidget(baueClient());
    binder_.bindAll(this);
    const std::pair<int, QKeySequence::StandardKey> kuerzel[] = {
        {CmdNeu, QKeySequence::New},
        {CmdOeffnen, QKeySequence::Open},
        {CmdSpeichern, QKeySequence::Save}};
    for (const auto& [id, taste] : kuerzel)
        if (QAction* a = binder_.action(id)) a->setShortcut(taste);
    logoLaden();
    aktualisieren();
    platzFuerEinheiten();
    // Tab goes from entry to entry; a result field still takes a click, to
    // select and copy its value.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        if (e->isReadOnly()) e->setFocusPolicy(Qt::ClickFocus);
}

// Three bands that fit a 1366x768 screen: mode and duty with the logo;
// the sides, the device and its dimensions side by side; the result with
// the status line below.
QWidget* BerechnungView::baueClient() {
    auto* client = new QWidget(this);
    auto* v = new QVBoxLayout(client);
    v->setSpacing(4);
    logo_ = new QLabel(client);
    logo_->setObjectName("logo");
    logo_->hide();
    v->addLayout(kopfZeile(client, logo_));
    auto* mitte = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addLayout(seitenRaster(client));
    links->addLayout(knopfZeilen(client));
    links->addStretch();
    mitte->addLayout(links);
    for (QWidget* rahmen : {geraetRahmen(client), masseRahmen(client)}) {
        auto* spalte = new QVBoxLayout;
        spalte->addWidget(rahmen);
        spalte->addStretch();
        mitte->addLayout(spalte);
    }
    v->addLayout(mitte);
    v->addWidget(ergebnisRahmen(client));

    auto* meldung = edit(client, Statuszeile, 600);
    meldung->setMaximumWidth(QWIDGETSIZE_MAX);
    auto* status = new QHBoxLayout;
    status->addWidget(meldung, 1);
    status->addWidget(mit(new QPushButton(client), Warum));  // only without a result
    v->addLayout(status);
    warnung_ = mit(new CColorLabel(client), LabelWarnung);
    warnung_->ctrl() = model_.warnung();
    warnung_->farbenGeaendert();
    v->addWidget(warnung_);
    return client;
}

// A unit text is never cut: the unit lists are as wide as their widest
// unit, the result's unit labels keep room for the wider text of either
// unit system, so that switching the system moves nothing.
void BerechnungView::platzFuerEinheiten() {
    for (int id : CBerechnungDlg::kUnitListen) {
        auto* c = findChild<QComboBox*>(QString::number(id));
        if (!c) continue;
        // the lists hold the units of the data, which do not change while it runs
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        c->setMinimumWidth(std::max(c->minimumWidth(), c->sizeHint().width()));
    }
    for (int id : CBerechnungDlg::ergebnisEinheitLabels()) {
        auto* l = findChild<QLabel*>(QString::number(id));
        if (!l) continue;
        int breite = 0;
        for (int system : {0, 1})
            breite = std::max(breite, l->fontMetrics().horizontalAdvance(QString::fromStdString(
                                          model_.ergebnisEinheit(id, system))));
        l->setMinimumWidth(breite + 2 * l->margin() + 2);
    }
}

void BerechnungView::logoLaden() {
    if (bitmap_.LoadImage(model_.getLogoPfad(), 0)) {
        logo_->setPixmap(bitmap_.pixmap());
        logo_->show();
    }
}

void BerechnungView::aktualisieren() {
    binder_.push();
    setWindowTitle(QString::fromStdString(model_.caption()));
    // Popups the model no longer lists (the specification popup) go away.
    for (QAction* a : menuBar_->actions()) {
        int id = FormBinder::controlId(a->menu() ? a->menu()->objectName() : QString());
        bool da = false;
        for (const MenuPopup& p : model_.menu()) da = da || p.id == id;
        if (!da) {
            menuBar_->removeAction(a);
        }
    }
}

void BerechnungView::reject() {
    model_.escape();
    if (model_.closed()) QDialog::reject();  // else the question was cancelled
}

void BerechnungView::closeEvent(QCloseEvent* e) {
    if (model_.closed()) {  // closed by a command already
        e->accept();
        return;
    }
    if (model_.schliessfeld()) {
        e->accept();
        QDialog::done(QDialog::Rejected);
    } else {
        e->ignore();
    }
}

void registerBerechnungView(QtDialogRunner& runner) {
    registriereView<CBerechnungDlg, BerechnungView>(runner, "CBerechnungDlg");
}

}  // namespace kal
