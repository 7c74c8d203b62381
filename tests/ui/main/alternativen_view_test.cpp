#include "ui/main/alternativen_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "ausgeliefert.h"

using namespace kal;
using namespace kal::engine;
using M = AlternativenDlgModel;

namespace {
// Three packs at base prices 100, 150 and 120, customer prices 10 less; the
// warm pressure drop of each binds.
Alternativenbericht bericht() {
    Alternativenbericht b;
    Grenzwerte erlaubt;
    erlaubt.fill(1000.0);
    for (Grenze g : {Grenze::Flaechenreserve, Grenze::VSpaltMinWarm, Grenze::VSpaltMinKalt})
        erlaubt[static_cast<size_t>(g)] = 0.0;
    const double preise[] = {100, 150, 120};
    for (int i = 0; i < 3; ++i) {
        Alternative a;
        a.ergebnis.grundpreis = preise[i];
        a.ergebnis.customPreis = preise[i] - 10;
        a.ergebnis.plattentypName = "KX " + std::to_string(i);
        Grenzwerte w;
        w.fill(1.0);
        w[static_cast<size_t>(Grenze::Flaechenreserve)] = 50.0;
        w[static_cast<size_t>(Grenze::DruckverlustWarm)] = 900.0 + 10 * i;
        a.grenzen = paketGrenzen(w, erlaubt);
        b.pakete.push_back(a);
    }
    return b;
}

QString text(QTableWidget* t, int zeile, int spalte) { return t->item(zeile, spalte)->text(); }
}  // namespace

TEST(AlternativenView, KopfSortiertZeileZeigtIhreGrenzenKnopfUebernimmt) {
    M model(bericht(), kaltest::ausgelieferteDaten(), kaltest::englischeTexte());
    AlternativenView view(model);
    view.show();
    auto* tabelle = view.findChild<QTableWidget*>(QString::number(alt::Tabelle));
    auto* grenzen = view.findChild<QTableWidget*>(QString::number(alt::Grenzen));
    ASSERT_TRUE(tabelle && grenzen);
    ASSERT_EQ(tabelle->rowCount(), 3);
    EXPECT_TRUE(tabelle->item(0, M::Typ)->font().bold());  // the result
    EXPECT_FALSE(tabelle->item(1, M::Typ)->font().bold());

    // a click on the price head sorts by price, a second one turns it round
    tabelle->horizontalHeader()->sectionClicked(M::Preis);
    EXPECT_EQ(text(tabelle, 1, M::Typ), "KX 2");
    tabelle->horizontalHeader()->sectionClicked(M::Preis);
    EXPECT_EQ(text(tabelle, 0, M::Preis), "140");  // shown as the main window does
    EXPECT_EQ(model.gewaehlt(), 2);                // the result stayed selected, now last

    tabelle->setCurrentCell(0, 0);
    const int dp = static_cast<int>(Grenze::DruckverlustWarm);
    EXPECT_EQ(text(grenzen, dp, 1), "910 kPa");
    EXPECT_TRUE(grenzen->item(dp, 0)->font().bold());  // binding

    QTest::mouseClick(view.findChild<QPushButton*>(QString::number(alt::Uebernehmen)),
                      Qt::LeftButton);
    EXPECT_EQ(model.result(), 1);
    ASSERT_NE(model.uebernommen(), nullptr);
    EXPECT_EQ(model.uebernommen()->plattentypName, "KX 1");
}
