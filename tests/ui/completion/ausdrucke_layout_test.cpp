// Every printout of an offer, made the way the window makes it (main
// dialog, completion, its menu, the data sheet's print button), for every
// sample and the variants that stretch a sheet: no two texts overlap,
// nothing lies outside the page frame or the printable area, and the
// specification sheet of an ordinary case (remarks of a line each) is one
// page.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "seite.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;

namespace {

struct Variante {
    const char* name;
    const char* projekt;  // a sample, or "cases/..." of the golden cases
    bool deutsch = false;
    bool us = false;
    bool langeNamen = false;  // the longest project data and remarks the fields take
    int serien = 0;           // passes typed before calculating (0: as stored)
    bool eintrittUnten = false;
    bool sonderanschluesse = false;  // free connection texts (Werksmodus)
};

std::string projektPfad(const std::string& p) {
    if (p.rfind("cases/", 0) == 0) return std::string(KAL_SOURCE_DIR) + "/tests/cli/golden/" + p;
    return kaltest::distDir() + "/examples/" + p;
}

// 59 characters, the most a project-data field takes, with blanks as a
// name has them.
const std::string kLang = "Fernwaermeversorgung Nordstadt, Erweiterung Bauabschnitt 3b";
const std::string kBemerkungLang =
    "Medium contains up to 5 % solids; plates and gaskets to be checked by the factory";

void tue(DialogModel& m, Benutzeraktion a) {
    EXPECT_EQ(anwenden(m.form(), a, [&m](int id, BindEvent e) { m.ereignis(id, e); }), "") << a.id;
}
void klick(DialogModel& m, int id) { tue(m, {id, Benutzeraktion::Art::Klick, 0, false, {}}); }
void tippe(DialogModel& m, int id, const std::string& t) {
    tue(m, {id, Benutzeraktion::Art::Text, 0, false, t});
}

struct Blatt {
    std::string titel;
    RecordingPage seite;
    bool ok;
};

// The printable area of an A4 page with 10 mm margins (190 x 277 mm) at
// 648 dpi, where a point is 9 units; the recording page's texts are a
// little wider than real ones, so what fits here fits on paper.
RecordingPage a4() { return RecordingPage(4847, 7067, 9); }

// The four printouts of the variant.
std::vector<Blatt> ausdrucke(const Variante& v) {
    kaltest::Umgebung u(
        {.sprache = v.deutsch ? "Deutsch" : "English", .werksmodus = v.sonderanschluesse});
    CBerechnungDlg hd(u.app);
    EXPECT_EQ(hd.projektLesen(projektPfad(v.projekt)), 0);
    if (v.langeNamen) {  // the project's data, with a revision beside the date
        AngebotsBlock a;
        a.kunde = a.projekt = a.position = a.sachbearbeiter = a.telefon = kLang;
        a.datum = "31.12.2026";
        a.revision = 12;
        hd.setAngebot(a);
    }
    if (v.us) klick(hd, hd::SystemUS);
    if (v.serien) tippe(hd, hd::Serien, std::to_string(v.serien));
    EXPECT_TRUE(hd.berechnen());
    u.p.messages.shown.clear();  // the calculation's own warnings
    if (v.serien) {
        EXPECT_EQ(hd.fall().ergebnis.serien, v.serien);
    }

    std::vector<Blatt> blaetter;
    u.p.printer.geraet = [&](const std::string& titel, const PrintPort::Zeichnung& z) {
        Blatt b{titel, a4(), false};
        b.ok = z(b.seite);
        blaetter.push_back(std::move(b));
        Druckausgang a;
        a.status = Druckausgang::Status::Gedruckt;
        return a;
    };
    auto& skripte = u.p.dialogs.scripts;
    const auto vorschau = [](DialogModel& m) {
        m.ereignis(pd::Vorschau, BindEvent::Clicked);
        return m.result();
    };
    skripte["CAssembly"].push_back([&](DialogModel& m) {
        if (v.eintrittUnten) {
            EXPECT_TRUE(m.form().enabled(kp::EintrittUnten));
            klick(m, kp::EintrittUnten);
        }
        if (v.sonderanschluesse) {
            tue(m, {kp::Sonderanschluesse, Benutzeraktion::Art::Haken, 0, true, {}});
            tippe(m, kp::SonderAnschlussWarm,
                  "Special flange to customer drawing 4711-0815 rev. C, DN 100 PN 16, "
                  "stainless steel AISI 316L with counter flanges, gaskets and bolts");
            tippe(m, kp::SonderAnschlussKalt,
                  "Threaded studs with lining and collar for customer piping per specification");
        }
        u.p.questions.answers = {Answer::Yes};  // the list without the prices nobody typed
        for (int cmd : {kp::CmdZubehoer, kp::CmdKonstruktion, kp::CmdPrintPlan}) {
            skripte["CDialogProjektDaten"].push_back(vorschau);
            m.ereignis(cmd, BindEvent::Command);
        }
        skripte["DialogSpec"].push_back([&](DialogModel& s) {
            const std::string bemerkung =
                v.langeNamen ? kBemerkungLang : "Plates to be pickled and passivated";
            for (int id : {sp::BemerkungWarm, sp::BemerkungKalt, sp::Bemerkung})
                tippe(s, id, bemerkung);
            skripte["CDialogProjektDaten"].push_back(vorschau);
            klick(s, sp::Drucken);
            return 2;
        });
        m.ereignis(kp::CmdPrintSpec, BindEvent::Command);
        return 2;
    });
    hd.komplettieren();
    EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{});
    return blaetter;
}

void PrintTo(const Variante& v, std::ostream* os) { *os << v.name; }

class Layout : public ::testing::TestWithParam<Variante> {};

TEST_P(Layout, NoOverprintNothingOutsideTheFrame) {
    const std::vector<Blatt> blaetter = ausdrucke(GetParam());
    ASSERT_EQ(blaetter.size(), 4u);
    for (const Blatt& b : blaetter) {
        SCOPED_TRACE(b.titel);
        EXPECT_TRUE(b.ok);
        EXPECT_EQ(kaltest::layoutFehler(b.seite), std::vector<std::string>{});
    }
    // the variant took: units and language of the data sheet
    std::string spez;
    for (const RecordingPage::Text& t : blaetter[3].seite.texte) spez += t.text + "\n";
    EXPECT_EQ(spez.find("BTU") != std::string::npos, GetParam().us);
    EXPECT_EQ(spez.find("Warme Seite") != std::string::npos, GetParam().deutsch);
    // the pack's performance curves follow on a page of their own
    const std::string kurven = GetParam().deutsch ? "Kennlinien" : "Performance curves";
    EXPECT_EQ(std::count_if(blaetter[3].seite.texte.begin(), blaetter[3].seite.texte.end(),
                            [&](const RecordingPage::Text& t) { return t.text == kurven; }),
              1);
    // the longest names and remarks may take a second page, nothing else
    if (!GetParam().langeNamen) {
        EXPECT_EQ(kaltest::anzahl(blaetter[3].seite.log, "startPage"), 2)
            << "the specification sheet on one page, the curves on the next";
    }
}

const Variante kVarianten[] = {
    {"water", "water_water_design.kal"},
    {"glycol_rating", "glycol_water_rating.kal"},
    {"steam_condensing", "steam_condenser_design.kal"},
    {"air_gas", "air_cooler_design.kal"},
    {"user_medium", "user_medium_design.kal"},
    {"water_long_names", "water_water_design.kal", false, false, true},
    {"water_us_german", "water_water_design.kal", true, true},
    {"steam_us_german", "steam_condenser_design.kal", true, true},
    {"steam_us_long_names", "steam_condenser_design.kal", false, true, true},
    {"steam_german_long_names", "steam_condenser_design.kal", true, false, true},
    {"air_us_german", "air_cooler_design.kal", true, true},
    {"user_medium_us", "user_medium_design.kal", false, true},
    {"two_passes_inlet_bottom", "cases/water_two_passes.kal", false, false, false, 0, true},
    {"mixed_two_passes_inlet_bottom_long", "cases/rating_two_types_two_passes.kal", true, true,
     true, 0, true},
    {"three_passes", "cases/water_two_passes.kal", false, false, false, 3},
    {"three_passes_inlet_bottom", "cases/water_two_passes.kal", true, false, false, 3, true},
    {"special_connections", "water_water_design.kal", false, false, false, 0, false, true},
    {"steam_special_connections_long", "steam_condenser_design.kal", true, true, true, 0, false,
     true},
};

INSTANTIATE_TEST_SUITE_P(Ausdrucke, Layout, ::testing::ValuesIn(kVarianten),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
