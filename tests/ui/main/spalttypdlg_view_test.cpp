#include "ui/main/spalttypdlg_view.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "ausgeliefert.h"
#include "bildablage.h"
#include "ports/scripted.h"
#include "ui/main/addmedium_model.h"
#include "ui/main/unterdialog_views.h"

using namespace kal;
using M = SpalttypDlgModel;

namespace {
// The maps the main dialog collects: list position -> id of the permitted
// plate types and plate materials.
std::map<int, int> zulaessigePlattentypen(const Data& d) {
    std::map<int, int> m;
    for (const auto& u : d.getPlattentypUListe().alle())
        if (u.getZulaessig()) m[static_cast<int>(m.size())] = u.getObjectId();
    return m;
}
std::map<int, int> zulaessigeMaterialien(const Data& d) {
    std::map<int, int> m;
    for (const auto& a : d.getMaterialPlatteAListe().alle())
        if (a.getZulaessig()) m[static_cast<int>(m.size())] = a.getObjectId();
    return m;
}

struct Umgebung {
    const Data& data = kaltest::ausgelieferteDaten();
    std::map<int, int> typen = zulaessigePlattentypen(data);
    CSpalttypenZulaessig tabelle{data, typen, zulaessigeMaterialien(data)};
    ScriptedPorts p;
    std::unique_ptr<SpalttypDlgModel> model;
    std::unique_ptr<SpalttypDlgView> view;
    Umgebung() {
        model = std::make_unique<SpalttypDlgModel>(tabelle, typen, data, kaltest::englischeTexte(),
                                                   p.ports());
        view = std::make_unique<SpalttypDlgView>(*model);
        view->resize(900, 520);
        view->show();
        QApplication::processEvents();
    }
    QTableWidget* gitter() const {
        return view->findChild<QTableWidget*>(QString::number(sg::Gitter));
    }
    template <class W>
    W* w(int id) const {
        return view->findChild<W*>(QString::number(id));
    }
    int material() const { return model->form().selectedValue(sg::Material); }
    int druckstufe() const { return model->form().selectedValue(sg::Druckstufe); }
    void klickZelle(int r, int c) {
        QTableWidget* g = gitter();
        g->scrollToItem(g->item(r, c));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(r, c)).center());
    }
    void klick(int id) { QTest::mouseClick(w<QPushButton>(id), Qt::LeftButton); }
    // Keyboard choice of a list entry; a locked list refuses it.
    void waehle(int id, int position) {
        QComboBox* c = w<QComboBox>(id);
        QTest::keyClick(c, Qt::Key_Home);
        for (int i = 0; i < position; ++i) QTest::keyClick(c, Qt::Key_Down);
    }
    // First cell of the grid that is (not) a check box.
    std::optional<std::pair<int, int>> zelle(bool kaestchen) const {
        for (int c = 0; c < model->spalten(); ++c)
            for (int r = 0; r < M::kZeilen; ++r)
                if (model->zelle(r, c).kontrollkaestchen == kaestchen) return std::make_pair(r, c);
        return std::nullopt;
    }
};

// Checks the grid against the permission table itself, not the model's cells.
void pruefeGitterGegenTabelle(const Umgebung& u, const char* wo) {
    QTableWidget* g = u.gitter();
    ASSERT_EQ(g->rowCount(), 9) << wo;
    ASSERT_EQ(g->columnCount(), static_cast<int>(u.typen.size())) << wo;
    int c = 0;
    for (const auto& [pos, typ] : u.typen) {
        EXPECT_EQ(g->horizontalHeaderItem(c)->data(Qt::UserRole).toInt(), typ) << wo;
        for (int r = 0; r < 9; ++r) {
            QTableWidgetItem* item = g->item(r, c);
            ASSERT_NE(item, nullptr) << wo;
            const bool standard = u.tabelle.istStandard(u.material(), typ, u.druckstufe(), r) != 0;
            const bool zulaessig =
                u.tabelle.istZulaessig(u.material(), typ, u.druckstufe(), r) != 0;
            EXPECT_EQ(bool(item->flags() & Qt::ItemIsUserCheckable), standard)
                << wo << " r" << r << " c" << c;
            EXPECT_FALSE(item->flags() & Qt::ItemIsEditable) << wo;
            EXPECT_TRUE(item->text().isEmpty()) << wo;
            if (standard) {
                EXPECT_EQ(item->checkState(), zulaessig ? Qt::Checked : Qt::Unchecked)
                    << wo << " r" << r << " c" << c;
            } else {
                EXPECT_FALSE(item->data(Qt::CheckStateRole).isValid())
                    << wo << " r" << r << " c" << c;
            }
        }
        ++c;
    }
}
}  // namespace

TEST(SpalttypDlgView, HeadersListsAndTextsFollowTheModel) {
    Umgebung u;
    EXPECT_EQ(u.view->windowTitle(), "Channel types per plate type");
    QTableWidget* g = u.gitter();
    ASSERT_NE(g, nullptr);
    QStringList spalten, zeilen;
    for (int c = 0; c < g->columnCount(); ++c) spalten << g->horizontalHeaderItem(c)->text();
    for (int r = 0; r < g->rowCount(); ++r) zeilen << g->verticalHeaderItem(r)->text();
    EXPECT_EQ(spalten, (QStringList{"KX 04", "KX 08", "KX 14", "KX 20", "KX 32", "KX 50", "KX 75",
                                    "KX 100", "KX DW 08", "KX DW 20", "KXT 32"}));
    EXPECT_EQ(zeilen, (QStringList{"HM", "HH", "MM", "HL", "ML", "LM", "MH", "LH", "LL"}));
    QComboBox* material = u.w<QComboBox>(sg::Material);
    EXPECT_EQ(material->count(), 4);
    EXPECT_EQ(material->currentText(), "AISI 316");
    QStringList druecke;
    for (int i = 0; i < u.w<QComboBox>(sg::Druckstufe)->count(); ++i)
        druecke << u.w<QComboBox>(sg::Druckstufe)->itemText(i);
    EXPECT_EQ(druecke, (QStringList{"6", "10", "16", "25"}));
    EXPECT_EQ(u.w<QLabel>(sg::LabelMaterial)->text(), "Plate material");
    EXPECT_EQ(u.w<QLabel>(sg::LabelDruckstufe)->text(), "Pressure stage");
    EXPECT_TRUE(u.w<QLabel>(sg::LabelKopf)->text().startsWith("Ticked channel types"));
    EXPECT_TRUE(u.w<QLabel>(sg::LabelBeispiel)->text().startsWith("Example:"));
    EXPECT_EQ(u.w<QPushButton>(sg::Speichern)->text(), "Save");
    EXPECT_EQ(u.w<QPushButton>(sg::Ende)->text(), "Close");
    EXPECT_FALSE(u.w<QPushButton>(sg::Speichern)->isEnabled());
    EXPECT_EQ(g->selectionMode(), QAbstractItemView::NoSelection);
}

TEST(SpalttypDlgView, GridMatchesThePermissionTableForEveryMaterialAndStage) {
    Umgebung u;
    pruefeGitterGegenTabelle(u, "opening");
    // a stored deviation shows as an unticked box, not as a missing one
    u.tabelle.deaktivieren(2, u.typen.at(0), 3, 4);
    for (int m = 0; m < u.w<QComboBox>(sg::Material)->count(); ++m)
        for (int s = 0; s < u.w<QComboBox>(sg::Druckstufe)->count(); ++s) {
            u.waehle(sg::Material, m);
            u.waehle(sg::Druckstufe, s);
            ASSERT_EQ(u.model->form().selection(sg::Material), m);
            ASSERT_EQ(u.model->form().selection(sg::Druckstufe), s);
            std::string wo = "material " + std::to_string(m) + " stage " + std::to_string(s);
            pruefeGitterGegenTabelle(u, wo.c_str());
        }
    u.waehle(sg::Material, 1);
    u.waehle(sg::Druckstufe, 2);
    EXPECT_EQ(u.gitter()->item(4, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(u.gitter()->item(3, 0)->checkState(), Qt::Checked);
}

TEST(SpalttypDlgView, ClickTogglesThroughTheModelAndLocksTheLists) {
    Umgebung u;
    auto z = u.zelle(true);
    ASSERT_TRUE(z);
    auto [r, c] = *z;
    ASSERT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Checked);
    u.klickZelle(r, c);
    EXPECT_FALSE(u.model->zelle(r, c).an);
    EXPECT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(u.w<QPushButton>(sg::Speichern)->isEnabled());
    EXPECT_FALSE(u.w<QComboBox>(sg::Material)->isEnabled());
    EXPECT_FALSE(u.w<QComboBox>(sg::Druckstufe)->isEnabled());
    // not stored yet
    EXPECT_EQ(u.tabelle.istZulaessig(u.material(), u.typen.at(c), u.druckstufe(), r), 1);

    u.klickZelle(r, c);  // back on: still unsaved, still locked
    EXPECT_TRUE(u.model->zelle(r, c).an);
    EXPECT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Checked);
    EXPECT_TRUE(u.model->geaendert());

    // Space on the current cell toggles as well
    u.gitter()->setCurrentCell(r, c);
    QTest::keyClick(u.gitter(), Qt::Key_Space);
    EXPECT_FALSE(u.model->zelle(r, c).an);
    EXPECT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Unchecked);
}

TEST(SpalttypDlgView, CellsWithoutLibraryPermissionNeverGetABox) {
    Umgebung u;
    u.waehle(sg::Druckstufe, 2);  // 16 bar: the KXDW plates permit only HH, MM, LL
    auto z = u.zelle(false);
    ASSERT_TRUE(z);
    auto [r, c] = *z;
    u.klickZelle(r, c);
    QTest::mouseDClick(u.gitter()->viewport(), Qt::LeftButton, {},
                       u.gitter()->visualItemRect(u.gitter()->item(r, c)).center());
    EXPECT_FALSE(u.model->geaendert());
    EXPECT_FALSE(u.model->zelle(r, c).an);
    EXPECT_FALSE(u.gitter()->item(r, c)->data(Qt::CheckStateRole).isValid());
    EXPECT_FALSE(u.w<QPushButton>(sg::Speichern)->isEnabled());
    EXPECT_TRUE(u.w<QComboBox>(sg::Material)->isEnabled());
}

TEST(SpalttypDlgView, WidgetStateNeverOverridesTheModel) {
    Umgebung u;
    auto [r, c] = *u.zelle(true);
    // a check state set behind the model's back is taken as a toggle request
    // and then replaced by what the model holds
    u.gitter()->item(r, c)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(u.model->zelle(r, c).an);
    EXPECT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Unchecked);
    // a box on a cell without permission is taken away again
    u.waehle(sg::Druckstufe, 0);
    auto leer = u.zelle(false);
    if (leer) {
        u.gitter()->item(leer->first, leer->second)->setCheckState(Qt::Checked);
        EXPECT_FALSE(
            u.gitter()->item(leer->first, leer->second)->data(Qt::CheckStateRole).isValid());
    }
}

TEST(SpalttypDlgView, SaveStoresTheGridAndUnlocksTheLists) {
    Umgebung u;
    auto [r, c] = *u.zelle(true);
    const int material = u.material(), stufe = u.druckstufe(), typ = u.typen.at(c);
    u.klickZelle(r, c);
    u.klick(sg::Speichern);
    EXPECT_TRUE(u.model->gespeichert());
    EXPECT_EQ(u.tabelle.istZulaessig(material, typ, stufe, r), 0);
    EXPECT_EQ(u.tabelle.istStandard(material, typ, stufe, r), 1);
    EXPECT_EQ(u.tabelle.abweichungenText(), std::to_string(material) + ":" + std::to_string(typ) +
                                                ":" + std::to_string(stufe) + ":" +
                                                std::to_string(r) + ",");
    EXPECT_FALSE(u.w<QPushButton>(sg::Speichern)->isEnabled());
    EXPECT_TRUE(u.w<QComboBox>(sg::Material)->isEnabled());
    EXPECT_TRUE(u.view->isVisible());
    // another material shows its own permissions; back again shows the stored change
    u.waehle(sg::Material, 1);
    EXPECT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Checked);
    u.waehle(sg::Material, 0);
    EXPECT_EQ(u.gitter()->item(r, c)->checkState(), Qt::Unchecked);
}

TEST(SpalttypDlgView, ClosingWithUnsavedChanges) {
    struct Fall {
        const char* name;
        bool ueberEnde;  // Ende button (or Escape) instead of the close box
        bool escape;
        Answer antwort;
        bool offen;
        bool gespeichert;
    };
    const Fall faelle[] = {
        {"Ende, yes", true, false, Answer::Yes, false, true},
        {"Ende, no", true, false, Answer::No, false, false},
        {"Ende, cancel stays", true, false, Answer::Cancel, true, false},
        {"Escape, cancel stays", true, true, Answer::Cancel, true, false},
        {"Escape, no", true, true, Answer::No, false, false},
        {"close box, yes", false, false, Answer::Yes, false, true},
        {"close box, cancel closes", false, false, Answer::Cancel, false, false},
    };
    for (const Fall& f : faelle) {
        Umgebung u;
        auto [r, c] = *u.zelle(true);
        const int material = u.material(), stufe = u.druckstufe(), typ = u.typen.at(c);
        u.klickZelle(r, c);
        u.p.questions.answers = {f.antwort};
        if (f.escape) {
            QTest::keyClick(u.gitter(), Qt::Key_Escape);
        } else if (f.ueberEnde) {
            u.klick(sg::Ende);
        } else {
            u.view->close();
        }
        EXPECT_EQ(u.p.questions.asked.size(), 1u) << f.name;
        EXPECT_EQ(u.view->isVisible(), f.offen) << f.name;
        EXPECT_EQ(u.model->closed(), !f.offen) << f.name;
        EXPECT_EQ(u.model->gespeichert(), f.gespeichert) << f.name;
        EXPECT_EQ(u.tabelle.istZulaessig(material, typ, stufe, r), f.gespeichert ? 0 : 1) << f.name;
    }
}

TEST(SpalttypDlgView, ClosingWhenCleanAsksNothing) {
    for (bool schliessfeld : {false, true}) {
        Umgebung u;
        if (schliessfeld) {
            u.view->close();
        } else {
            u.klick(sg::Ende);
        }
        EXPECT_FALSE(u.view->isVisible());
        EXPECT_TRUE(u.p.questions.asked.empty());
        EXPECT_EQ(u.model->result(), 1);
        EXPECT_FALSE(u.model->gespeichert());
    }
}

TEST(SpalttypDlgView, LayoutFitsTheGridAndTheTexts) {
    Umgebung u;
    u.view->resize(u.view->sizeHint());
    QApplication::processEvents();
    kaltest::bildAblegen(*u.view, "spalttypdlg");
    QTableWidget* g = u.gitter();
    EXPECT_GE(g->horizontalHeader()->height(), g->verticalHeader()->defaultSectionSize() * 7 / 3);
    // every row visible without scrolling at the dialog's own size
    EXPECT_GE(g->viewport()->height(), g->verticalHeader()->defaultSectionSize() * 9);
    EXPECT_LE(g->verticalHeader()->length(), g->viewport()->height());
    for (QAbstractButton* b : u.view->findChildren<QAbstractButton*>())
        if (b->isVisible()) {
            EXPECT_GE(b->width(), b->sizeHint().width());
        }
    for (int id : {sg::LabelMaterial, sg::LabelDruckstufe})
        EXPECT_GE(u.w<QLabel>(id)->width(), u.w<QLabel>(id)->sizeHint().width());
}

namespace {
// Pixels of a cell that differ from its top-left corner (the background).
int gezeichnetePunkte(const QImage& zelle) {
    int n = 0;
    const QRgb grund = zelle.pixel(2, 2);
    for (int y = 2; y < zelle.height() - 2; ++y)
        for (int x = 2; x < zelle.width() - 2; ++x) n += zelle.pixel(x, y) != grund;
    return n;
}
}  // namespace

TEST(SpalttypDlgView, TickedUntickedAndEmptyCellsLookDifferent) {
    Umgebung u;
    u.waehle(sg::Druckstufe, 2);
    auto [r, c] = *u.zelle(true);
    auto leer = u.zelle(false);
    ASSERT_TRUE(leer);
    u.klickZelle(r, c);  // this one unticked now
    int r2 = r == 0 ? 1 : 0;
    ASSERT_TRUE(u.model->zelle(r2, c).kontrollkaestchen);
    QApplication::processEvents();
    kaltest::bildAblegen(*u.view, "spalttypdlg-geaendert");
    QTableWidget* g = u.gitter();
    auto bild = [g](int zeile, int spalte) {
        return g->viewport()->grab(g->visualItemRect(g->item(zeile, spalte))).toImage();
    };
    const QImage an = bild(r2, c), aus = bild(r, c), ohne = bild(leer->first, leer->second);
    EXPECT_GT(gezeichnetePunkte(an), 20);  // a real box, not a dot
    EXPECT_GT(gezeichnetePunkte(aus), 20);
    EXPECT_EQ(gezeichnetePunkte(ohne), 0);
    EXPECT_NE(an, aus);
}

// Both views run through the runner under their dialog names.
TEST(UnterdialogViews, RunnerShowsBothDialogs) {
    QtDialogRunner runner;
    registerUnterdialogViews(runner);
    EXPECT_TRUE(runner.hasView("DialogAddMedium"));
    EXPECT_TRUE(runner.hasView("PlattentypSpalttypDlg"));

    Umgebung u;
    u.view->close();
    QTimer::singleShot(0, [] {
        if (auto* d = QApplication::activeModalWidget())
            QTest::mouseClick(d->findChild<QPushButton*>(QString::number(sg::Ende)),
                              Qt::LeftButton);
    });
    u.model->reopen();
    EXPECT_EQ(runner.runDialog(*u.model), 1);

    ScriptedPorts p;
    AddMediumModel medium(kaltest::ausgelieferteDaten(), kaltest::englischeTexte(), p.ports(), 0,
                          "User-defined medium, warm side", nullptr);
    QTimer::singleShot(0, [] {
        if (auto* d = QApplication::activeModalWidget())
            QTest::mouseClick(d->findChild<QPushButton*>(QString::number(am::Abbrechen)),
                              Qt::LeftButton);
    });
    EXPECT_EQ(runner.runDialog(medium), 2);
    EXPECT_TRUE(p.settings.values.empty());
}
