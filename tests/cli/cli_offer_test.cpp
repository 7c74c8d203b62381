// Black-box tests of kalvoria-cli offer: the completion dialog driven by a
// choices file, its text and JSON output and its exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ausgeliefert.h"
#include "cli.h"
#include "datalib/geraetekennstring.h"
#include "ids/dialog_ids.h"

namespace kp = kal::kp;
using Json = nlohmann::json;
using kaltest::distDir;
using kaltest::Lauf;

namespace {
std::string k(int id) { return std::to_string(id); }

Lauf offer(const std::string& args, const std::string& vorher = {}) {
    return kaltest::cliLauf("--appdir " + distDir() + " offer " + args + " 2>/dev/null", {},
                            vorher);
}

// A choices file in a folder of its own.
struct Wahl {
    kaltest::TempDir dir;
    explicit Wahl(const std::string& json) { dir.schreibe("choices.json", json); }
    std::string pfad() const { return dir.pfad("choices.json"); }
};
}  // namespace

// Opened without choices, every sample shows both lists, an identification
// string that reads back into the result and an enabled menu.
TEST(CliOffer, EverySampleOpensCompleted) {
    for (const char* name : {"water_water_design", "glycol_water_rating", "steam_condenser_design",
                             "air_cooler_design", "user_medium_design"}) {
        SCOPED_TRACE(name);
        Lauf l = offer(distDir() + "/examples/" + std::string(name) + ".kal --json");
        ASSERT_EQ(l.rc, 0) << l.out;
        Json j = Json::parse(l.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded());
        EXPECT_TRUE(j["messages"].empty());
        EXPECT_FALSE(j["listen"][k(kp::AnschlussWarm)].empty());
        EXPECT_FALSE(j["listen"][k(kp::AnschlussKalt)].empty());
        EXPECT_EQ(j["listen"][k(kp::DokuSprache)].size(), 2u);
        for (const auto& [id, an] : j["menu"].items()) EXPECT_TRUE(an.get<bool>()) << id;
        EXPECT_FALSE(j["sichtbar"][k(kp::RabattPaket)].get<bool>());
        const Json& e = j["calc"]["ergebnis"];
        EXPECT_EQ(j["anzeige"][k(kp::Grundpreis)],
                  std::to_string(static_cast<int>(e["customPreis"].get<double>())));
        auto a = CGeraeteKennstring::zerlegen(kaltest::ausgelieferteDaten(),
                                              j["fall"]["geraetekennstring"].get<std::string>());
        ASSERT_TRUE(a.has_value()) << j["fall"]["geraetekennstring"];
        EXPECT_EQ(a->plattentyp, e["plattentyp"].get<int>());
        EXPECT_EQ(a->serien, e["serien"].get<int>());
        EXPECT_EQ(a->anschlussWarm, j["listen"][k(kp::AnschlussWarm)][0]["value"].get<int>());
    }
}

TEST(CliOffer, WaterSampleWithChoicesAsText) {
    Wahl w(R"([{"id": 1176, "select": 26}, {"id": 1046, "text": "180"},
               {"id": 1047, "text": "150"}, {"id": 1178, "check": true},
               {"id": 1048, "text": "420"}, {"id": 1181, "check": true},
               {"id": 1187, "text": "3000"}, {"id": 1051, "text": "310"},
               {"id": 1430, "click": true}, {"id": 40043, "command": true}])");
    Lauf l = offer(distDir() + "/examples/water_water_design.kal --choices " + w.pfad());
    EXPECT_EQ(l.rc, 0);
    EXPECT_EQ(l.out, kaltest::liesDatei(std::string(KAL_GOLDEN) + "/offer_water_water.txt"));
}

TEST(CliOffer, ExitCodesAndRefusals) {
    struct Fall {
        const char* name;
        std::string choices;  // empty: no choices file
        std::string projekt;
        int rc;
        const char* key;  // the last message, or ""
    } faelle[] = {
        {"hidden_control", R"([{"id": 1055, "text": "10"}])",
         distDir() + "/examples/water_water_design.kal", 1, "aktion"},
        {"no_such_entry", R"([{"id": 1176, "select": 99999}])",
         distDir() + "/examples/water_water_design.kal", 1, "aktion"},
        {"forbidden_pair", R"([{"id": 1176, "select": 28}, {"id": 1182, "select": 28}])",
         distDir() + "/examples/water_water_design.kal", 1, "unzulaessige Kombination"},
        {"missing_ral", R"([{"id": 1181, "check": true}, {"id": 40031, "command": true}])",
         distDir() + "/examples/water_water_design.kal", 1, "missingRalNr"},
        {"no_result", "", std::string(KAL_GOLDEN) + "/cases/water_plate_too_small.kal", 1, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Wahl w(f.choices);
        Lauf l = offer(f.projekt + (f.choices.empty() ? "" : " --choices " + w.pfad()) + " --json");
        EXPECT_EQ(l.rc, f.rc) << l.out;
        Json j = Json::parse(l.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded()) << l.out;
        const Json& m = j["messages"];
        EXPECT_EQ(m.empty() ? "" : m.back()["key"].get<std::string>(), f.key);
    }
    Wahl kaputt("[{\"id\": 1176}]");
    EXPECT_EQ(offer(distDir() + "/examples/water_water_design.kal --choices " + kaputt.pfad()).rc,
              2);
    Wahl keinJson("not json");
    EXPECT_EQ(offer(distDir() + "/examples/water_water_design.kal --choices " + keinJson.pfad()).rc,
              2);
    EXPECT_EQ(offer(distDir() + "/examples/water_water_design.kal --choices /nonexistent.json").rc,
              2);
    EXPECT_EQ(offer("/nonexistent.kal").rc, 2);
    EXPECT_EQ(offer("").rc, 2);
}

// The printouts as A4 PDF files, through the same drawing as the menus
// (the data sheet through its print button); --pdf needs the folder.
TEST(CliOffer, WritesThePrintoutsAsPdf) {
    kaltest::TempDir d;
    Lauf l =
        offer(distDir() + "/examples/steam_condenser_design.kal --out " + d.pfad("out") + " --pdf");
    ASSERT_EQ(l.rc, 0) << l.out;
    for (const char* name :
         {"price-list.pdf", "data-sheet.pdf", "plate-plan.pdf", "spec-sheet.pdf"}) {
        SCOPED_TRACE(name);
        const std::string pdf = kaltest::liesDatei(d.pfad("out/" + std::string(name)));
        EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
        EXPECT_NE(pdf.find("/MediaBox [0 0 595.000000 842.000000]"), std::string::npos);
    }
    EXPECT_EQ(offer(distDir() + "/examples/steam_condenser_design.kal --pdf").rc, 2);
}

// The data sheet after the completion: typed entries through the
// dialog's controls, then the tender text and the spreadsheet hand-over
// written to --out; a failed check writes nothing and exits 1.
TEST(CliOffer, SpecificationWritesTenderTextAndHandOver) {
    kaltest::TempDir aus;
    Wahl spez(R"([{"id": 1267, "text": "P-7"}, {"id": 1395, "text": "Smith"},
                  {"id": 1369, "text": "urgent"}])");
    Lauf l = offer(distDir() + "/examples/steam_condenser_design.kal --spec " + spez.pfad() +
                   " --out " + aus.dir() + " --json");
    ASSERT_EQ(l.rc, 0) << l.out;
    const std::string tender = kaltest::liesDatei(aus.pfad("tender.txt"));
    EXPECT_EQ(tender, kaltest::liesDatei(std::string(KAL_GOLDEN) + "/tender_steam.txt"));
    const std::string tabelle = kaltest::liesDatei(aus.pfad("spec-sheet.txt"));
    EXPECT_EQ(tabelle.rfind("Smith\r\nP-7\r\n", 0), 0u);
    EXPECT_EQ(tabelle.substr(tabelle.size() - 8), "urgent\r\n");
    Json j = Json::parse(l.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    // the hand-over says where the text went, as the window does
    ASSERT_EQ(j["messages"].size(), 1u) << j["messages"];
    EXPECT_EQ(j["messages"][0]["key"], "tabelleGeoeffnet");
    EXPECT_EQ(j["messages"][0]["text"],
              "The specification is on the clipboard and the spreadsheet template "
              "spec-sheet_uk.xls has been opened: paste it there (Ctrl+V).");
    // hidden values too, with their visibility
    EXPECT_EQ(j["spec"]["anzeige"][k(kal::sp::Dampfdruck)], "10.0263");
    EXPECT_FALSE(j["spec"]["sichtbar"][k(kal::sp::Dampfdruck)].get<bool>());
    EXPECT_EQ(j["spec"]["anzeige"][k(kal::sp::Projekt)], "P-7");

    // a failed check writes nothing and leaves no output folder behind
    kaltest::TempDir leer;
    Wahl heiss(R"([{"id": 1341, "text": "250"}])");
    l = offer(distDir() + "/examples/steam_condenser_design.kal --spec " + heiss.pfad() +
              " --out " + leer.pfad("out") + " --pdf");
    EXPECT_EQ(l.rc, 1);
    EXPECT_NE(l.out.find("message [error/ErrorBetriebstempC]: The operating temperature must "
                         "not exceed 200 °C."),
              std::string::npos)
        << l.out;
    EXPECT_TRUE(std::filesystem::is_empty(leer.dir()));
    Wahl falsch(R"([{"id": 1379, "text": "X"}])");  // read-only
    EXPECT_EQ(offer(distDir() + "/examples/steam_condenser_design.kal --spec " + falsch.pfad()).rc,
              1);
}

// With --appdir the files named on the command line are still those of the
// directory the command was started in: project, actions and --out.
TEST(CliOffer, AppdirKeepsRelativePathsOfTheStartingDirectory) {
    kaltest::TempDir hier;
    hier.schreibe("projekt.kal",
                  kaltest::liesDatei(distDir() + "/examples/water_water_design.kal"));
    hier.schreibe("wahl.json", R"([{"id": 1046, "text": "180"}])");
    hier.schreibe("spez.json", R"([{"id": 1267, "text": "P-7"}])");
    const Lauf l = kaltest::cliLauf("--appdir " + distDir() +
                                        " offer projekt.kal --choices wahl.json --spec spez.json"
                                        " --out aus --json 2>/dev/null",
                                    hier.dir());
    ASSERT_EQ(l.rc, 0) << l.out;
    const Json j = Json::parse(l.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << l.out;
    EXPECT_EQ(j["anzeige"][k(kp::PreisAnschlussWarm)], "180");
    EXPECT_EQ(j["spec"]["anzeige"][k(kal::sp::Projekt)], "P-7");
    EXPECT_TRUE(std::filesystem::exists(hier.pfad("aus/tender.txt")));
    EXPECT_EQ(kaltest::cliLauf("--appdir " + distDir() + " calc projekt.kal", hier.dir()).rc, 0);
}

// A file that cannot be written fails the run with a message naming it and
// the reason; no file is left half written and an old one stays as it was.
// A file size limit stands in for a full disk: the texts fit, the PDFs not.
TEST(CliOffer, WritesThatFailFail) {
    namespace fs = std::filesystem;
    kaltest::TempDir d;
    fs::create_directories(d.pfad("a/spec-sheet.txt"));
    Lauf l =
        offer(distDir() + "/examples/steam_condenser_design.kal --out " + d.pfad("a") + " --pdf");
    EXPECT_EQ(l.rc, 1);
    EXPECT_NE(l.out.find("message [error/dateiNichtGeschrieben]: The file " +
                         d.pfad("a/spec-sheet.txt") + " could not be written: Is a directory\n"),
              std::string::npos)
        << l.out;
    EXPECT_EQ(std::distance(fs::directory_iterator(d.pfad("a")), {}), 1) << "nothing else written";

    fs::create_directories(d.pfad("b"));
    d.schreibe("b/price-list.pdf", "the offer sent last week");
    l = offer(distDir() + "/examples/steam_condenser_design.kal --out " + d.pfad("b") + " --pdf",
              "trap '' XFSZ; ulimit -f 20; ");
    EXPECT_EQ(l.rc, 1);
    EXPECT_NE(l.out.find("message [error/dateiNichtGeschrieben]: The file " +
                         d.pfad("b/spec-sheet.pdf") + " could not be written: File too large\n"),
              std::string::npos)
        << l.out;
    std::vector<std::string> dateien;
    for (const auto& e : fs::directory_iterator(d.pfad("b")))
        dateien.push_back(e.path().filename().string());
    std::sort(dateien.begin(), dateien.end());
    EXPECT_EQ(dateien,
              (std::vector<std::string>{"price-list.pdf", "spec-sheet.txt", "tender.txt"}));
    EXPECT_EQ(kaltest::liesDatei(d.pfad("b/price-list.pdf")), "the offer sent last week");
    EXPECT_NE(
        l.out.find("written: " + d.pfad("b/spec-sheet.txt") + ", " + d.pfad("b/tender.txt") + "\n"),
        std::string::npos);
}

// Completed and saved with --save, the project reopened without choices
// opens the completion on the same choices; calc --save writes the bare
// record while there is no offer.
TEST(CliOffer, SavedOfferReopensOnTheSameChoices) {
    const char* const beispiele[] = {"water_water_design", "glycol_water_rating",
                                     "steam_condenser_design", "air_cooler_design",
                                     "user_medium_design"};
    Wahl wahl(R"([{"id": 1178, "check": true}, {"id": 1048, "text": "420"},
                  {"id": 1181, "check": true}, {"id": 1187, "text": "5010"},
                  {"id": 1051, "text": "310"}])");
    for (const char* name : beispiele) {
        SCOPED_TRACE(name);
        kaltest::TempDir d;
        const std::string quelle = distDir() + "/examples/" + name + ".kal";
        ASSERT_EQ(kaltest::cliLauf("--appdir " + distDir() + " calc " + quelle + " --save " +
                                   d.pfad("ohne.kal") + " >/dev/null")
                      .rc,
                  0);
        EXPECT_EQ(kaltest::liesDatei(d.pfad("ohne.kal")).size(), 1660u);

        Lauf a =
            offer(quelle + " --choices " + wahl.pfad() + " --json --save " + d.pfad("mit.kal"));
        ASSERT_EQ(a.rc, 0) << a.out;
        EXPECT_GT(kaltest::liesDatei(d.pfad("mit.kal")).size(), 1660u);
        Lauf b = offer(d.pfad("mit.kal") + " --json");
        ASSERT_EQ(b.rc, 0) << b.out;
        const Json ja = Json::parse(a.out, nullptr, false), jb = Json::parse(b.out, nullptr, false);
        ASSERT_FALSE(ja.is_discarded() || jb.is_discarded());
        EXPECT_TRUE(jb["fall"]["waermeisolierung"].get<bool>());
        EXPECT_EQ(jb["fall"]["ralNr"], "5010");
        EXPECT_EQ(jb["anzeige"][k(kp::PreisIsolierung)], ja["anzeige"][k(kp::PreisIsolierung)]);
        EXPECT_EQ(jb["anzeige"][k(kp::PreisLackierung)], ja["anzeige"][k(kp::PreisLackierung)]);
    }
}

namespace {
std::string pdfText(const std::string& pdf) {
    const Lauf l = kaltest::shellLauf("pdftotext -raw -enc UTF-8 '" + pdf + "' -");
    EXPECT_EQ(l.rc, 0) << pdf;
    return l.out;
}

std::vector<std::string> meldungen(const std::string& ausgabe) {
    std::vector<std::string> m;
    for (size_t i = ausgabe.find("\nmessage "); i != std::string::npos;
         i = ausgabe.find("\nmessage ", i + 1))
        m.push_back(ausgabe.substr(i + 1, ausgabe.find('\n', i + 1) - i - 1));
    return m;
}
}  // namespace

// Completed, specified and saved, each sample reopened without any action
// files writes the same tender text and hand-over byte for byte and
// printouts with the same text.
TEST(CliOffer, ReopenedOfferWritesTheSameDocuments) {
    Wahl wahl(R"([{"id": 1178, "check": true}, {"id": 1048, "text": "420"},
                  {"id": 1181, "check": true}, {"id": 1187, "text": "5010"},
                  {"id": 1051, "text": "310"}])");
    Wahl spez(R"([{"id": 1267, "text": "Dairy line 3"}, {"id": 1268, "text": "20"},
                  {"id": 1397, "text": "Plates pickled"}, {"id": 1369, "text": "Valid 30 days"},
                  {"id": 1029, "text": "12.5"}])");
    const char* const dateien[] = {"tender.txt",     "spec-sheet.txt", "spec-sheet.pdf",
                                   "price-list.pdf", "data-sheet.pdf", "plate-plan.pdf"};
    for (const char* name : {"water_water_design", "glycol_water_rating", "steam_condenser_design",
                             "air_cooler_design", "user_medium_design"}) {
        SCOPED_TRACE(name);
        kaltest::TempDir d;
        Lauf a =
            offer(distDir() + "/examples/" + name + ".kal --choices " + wahl.pfad() + " --spec " +
                  spez.pfad() + " --out " + d.pfad("a") + " --pdf --save " + d.pfad("offer.kal"));
        ASSERT_EQ(a.rc, 0) << a.out;
        Lauf b = offer(d.pfad("offer.kal") + " --out " + d.pfad("b") + " --pdf");
        ASSERT_EQ(b.rc, 0) << b.out;
        EXPECT_EQ(meldungen(b.out), meldungen(a.out));  // nothing dropped, nothing new
        for (const char* datei : dateien) {
            SCOPED_TRACE(datei);
            const std::string pa = d.pfad("a/") + datei, pb = d.pfad("b/") + datei;
            if (std::string(datei).ends_with(".pdf"))
                EXPECT_EQ(pdfText(pb), pdfText(pa));
            else
                EXPECT_EQ(kaltest::liesDatei(pb), kaltest::liesDatei(pa));
        }
        // what was typed is in them
        EXPECT_NE(kaltest::liesDatei(d.pfad("b/spec-sheet.txt")).find("Dairy line 3"),
                  std::string::npos);
        EXPECT_NE(pdfText(d.pfad("b/spec-sheet.pdf")).find("Valid 30 days"), std::string::npos);
    }
}
