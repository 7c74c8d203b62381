// The window and the command line make one offer: the PDF files of
// `kalvoria-cli offer --out --pdf` hold the same text as the window's menu
// and print button save as PDF, for a case with a user-defined medium.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli.h"
#include "druck/qtseite.h"
#include "ids/dialog_ids.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;

namespace {

// The text of a PDF file, in the order its pages draw it.
std::string pdfText(const std::string& pdf) {
    const kaltest::Lauf l = kaltest::shellLauf("pdftotext -raw -enc UTF-8 '" + pdf + "' -");
    EXPECT_EQ(l.rc, 0) << pdf;
    return l.out;
}

}  // namespace

TEST(FensterUndKommandozeile, SamePrintoutsForAUserDefinedMedium) {
    const std::string projekt = kaltest::distDir() + "/examples/user_medium_design.kal";

    // the window: completion from the main dialog, its three printouts
    // (printing the list without connection prices), the data sheet's
    // print button; each saved as PDF as the window saves it
    kaltest::TempDir tmp;
    kaltest::Umgebung u;
    CBerechnungDlg hd(u.app);
    ASSERT_EQ(hd.projektLesen(projekt), 0);
    ASSERT_TRUE(hd.berechnen());
    std::vector<std::string> fenster;
    u.p.printer.geraet = [&](const std::string& titel, const PrintPort::Zeichnung& z) {
        fenster.push_back(tmp.pfad("fenster" + std::to_string(fenster.size()) + ".pdf"));
        return druckeAlsPdf(fenster.back(), titel, z);
    };
    auto& skripte = u.p.dialogs.scripts;
    const auto alsPdf = [](DialogModel& m) {
        m.ereignis(pd::AlsPdf, BindEvent::Clicked);
        return m.result();
    };
    u.p.questions.answers = {Answer::Yes};
    skripte["CAssembly"].push_back([&](DialogModel& m) {
        for (int cmd : {kp::CmdZubehoer, kp::CmdKonstruktion, kp::CmdPrintPlan}) {
            skripte["CDialogProjektDaten"].push_back(alsPdf);
            m.ereignis(cmd, BindEvent::Command);
        }
        skripte["DialogSpec"].push_back([&](DialogModel& s) {
            skripte["CDialogProjektDaten"].push_back(alsPdf);
            s.ereignis(sp::Drucken, BindEvent::Clicked);
            return 2;
        });
        m.ereignis(kp::CmdPrintSpec, BindEvent::Command);
        return 2;
    });
    hd.komplettieren();
    ASSERT_EQ(fenster.size(), 4u);
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{});

    // the command line, with the printouts as PDF files
    const kaltest::Lauf l = kaltest::cliLauf("--appdir " + kaltest::distDir() + " offer '" +
                                             projekt + "' --out '" + tmp.pfad("out") + "' --pdf");
    ASSERT_EQ(l.rc, 0) << l.out;
    EXPECT_NE(l.out.find("message [zubehoerliste/preisefehlen]: No price has been entered"),
              std::string::npos)
        << l.out;

    const char* dateien[] = {"price-list.pdf", "data-sheet.pdf", "plate-plan.pdf",
                             "spec-sheet.pdf"};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(dateien[i]);
        EXPECT_EQ(pdfText(tmp.pfad("out/") + dateien[i]), pdfText(fenster[i]));
    }
    // the medium's own wall viscosity stands on the data sheet with its
    // unit and value (the user-defined medium is the warm one)
    const std::string spez = pdfText(fenster[3]);
    EXPECT_NE(spez.find("\nDynamic viscosity at the wall [mPa\xc2\xb7s] 18\n"), std::string::npos)
        << spez;
}
