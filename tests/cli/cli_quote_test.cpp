// Black-box tests of kalvoria-cli quote: a quotation made from completed
// projects, its figures against what the completion shows for each, the
// file read back, refused files, and the one PDF with pages numbered through.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "angebot/angebotsmappe.h"
#include "cli.h"
#include "ids/dialog_ids.h"

using Json = nlohmann::json;
using kaltest::distDir;
using kaltest::Lauf;

namespace {
Lauf cli(const std::string& args) {
    return kaltest::cliLauf("--appdir " + distDir() + " " + args + " 2>/dev/null");
}

Json json(const Lauf& l) {
    Json j = Json::parse(l.out, nullptr, false);
    EXPECT_FALSE(j.is_discarded()) << l.out;
    return j;
}

// Completed as in the offer tests: connections priced, insulation, painting.
// Gives the unit price the completion shows.
double vervollstaendigen(kaltest::TempDir& d, const char* beispiel, const std::string& ziel) {
    d.schreibe("wahl.json", R"([{"id": 1176, "select": 26}, {"id": 1046, "text": "180"},
        {"id": 1047, "text": "150"}, {"id": 1178, "check": true}, {"id": 1048, "text": "420"},
        {"id": 1181, "check": true}, {"id": 1187, "text": "3000"}, {"id": 1051, "text": "310"}])");
    const Lauf l = cli("offer " + distDir() + "/examples/" + beispiel + ".kal --choices " +
                       d.pfad("wahl.json") + " --json --save " + ziel);
    EXPECT_EQ(l.rc, 0) << l.out;
    return std::stod(json(l)["anzeige"][std::to_string(kal::kp::Einzelpreis)].get<std::string>());
}
}  // namespace

TEST(CliQuote, FiguresFromTheCompletedPositions) {
    kaltest::TempDir d;
    const double a = vervollstaendigen(d, "water_water_design", d.pfad("a.kal"));
    const double b = vervollstaendigen(d, "steam_condenser_design", d.pfad("b.kal"));
    d.schreibe("kunde.json", R"({"customer": {"name": "ACME", "address": ["Street 1"]},
        "ourReference": "Q-7", "discountPercent": 2.5, "vatPercent": 19})");
    const std::string q = d.pfad("q.kalq");
    const Lauf l =
        cli("quote " + q + " --customer " + d.pfad("kunde.json") + " --add " + d.pfad("a.kal") +
            " --qty 2 --add " + d.pfad("b.kal") + " --add " + distDir() +
            "/examples/glycol_water_rating.kal --text Spare " + "--without-documents --json");
    EXPECT_EQ(l.rc, 0) << l.out;
    const Json j = json(l);
    ASSERT_EQ(j["positions"].size(), 3u);
    EXPECT_EQ(j["positions"][0]["unitPrice"], a);
    EXPECT_EQ(j["positions"][0]["total"], 2 * a);
    EXPECT_EQ(j["positions"][1]["unitPrice"], b);
    // the bare sample has no priced connection: incomplete and said so
    EXPECT_FALSE(j["positions"][2]["complete"].get<bool>());
    EXPECT_TRUE(j["positions"][2]["unitPrice"].is_null());
    EXPECT_EQ(j["positions"][2]["text"], "Spare");
    EXPECT_EQ(j["positions"][2]["documents"], false);
    EXPECT_EQ(j["positions"][1]["documents"], true);
    bool gesagt = false;
    for (const Json& m : j["messages"]) gesagt = gesagt || m["key"] == "unvollstaendig";
    EXPECT_TRUE(gesagt);
    // cents half up: discount, then VAT on the net
    const long long zwischen = std::llround((2 * a + b) * 100);
    const long long rabatt = (zwischen * 250 + 5000) / 10000, netto = zwischen - rabatt;
    const long long mwst = (netto * 1900 + 5000) / 10000;
    const Json& t = j["totals"];
    EXPECT_EQ(std::llround(t["subtotal"].get<double>() * 100), zwischen);
    EXPECT_EQ(std::llround(t["discount"].get<double>() * 100), rabatt);
    EXPECT_EQ(std::llround(t["vat"].get<double>() * 100), mwst);
    EXPECT_EQ(std::llround(t["total"].get<double>() * 100), netto + mwst);
    EXPECT_FALSE(t["complete"].get<bool>());

    // read back: the same figures, and a revision keeps them in its history
    const Lauf r = cli("quote " + q + " --revision --json");
    EXPECT_EQ(r.rc, 0) << r.out;
    const Json jr = json(r);
    EXPECT_EQ(jr["totals"], t);
    EXPECT_EQ(jr["revision"], 1);
    ASSERT_EQ(jr["history"].size(), 1u);
    EXPECT_EQ(jr["history"][0]["total"], t["total"]);

    // one PDF, the header of every page counting the whole document: the
    // letter and five printouts of each position but the third
    const Lauf p = cli("quote " + q + " --pdf " + d.pfad("q.pdf"));
    EXPECT_EQ(p.rc, 0) << p.out;
    const Lauf text = kaltest::shellLauf("pdftotext -raw -enc UTF-8 '" + d.pfad("q.pdf") + "' -");
    ASSERT_EQ(text.rc, 0);
    EXPECT_NE(text.out.find("Page 1 of 11"), std::string::npos);
    EXPECT_NE(text.out.find("Page 11 of 11"), std::string::npos);
    EXPECT_NE(text.out.find("Rev. 1"), std::string::npos);
    EXPECT_NE(text.out.find("ACME"), std::string::npos);
}

TEST(CliQuote, UnusableFilesExitTwo) {
    kaltest::TempDir d;
    d.schreibe(
        "kaputt.kalq",
        R"({"format": "kalvoria-quotation", "version": 1, "positions": [{"project": "!!"}]})");
    d.schreibe("neuer.kalq", R"({"format": "kalvoria-quotation", "version": 3})");
    d.schreibe("kein.kal", "not a project");
    struct Fall {
        std::string args;
        const char* key;
    };
    const Fall faelle[] = {
        {"quote " + d.pfad("kaputt.kalq") + " --json", "mappeBeschaedigt"},
        {"quote " + d.pfad("neuer.kalq") + " --json", "mappeNeuer"},
        {"quote " + d.pfad("fehlt.kalq") + " --json", "mappeNichtGeoeffnet"},
        {"quote " + d.pfad("neu.kalq") + " --add " + d.pfad("kein.kal") + " --json",
         "falsche ed_version"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.args);
        const Lauf l = cli(f.args);
        EXPECT_EQ(l.rc, 2);
        const Json j = json(l);
        ASSERT_FALSE(j["messages"].empty());
        EXPECT_EQ(j["messages"].back()["key"], f.key);
    }
    EXPECT_FALSE(std::filesystem::exists(d.pfad("neu.kalq")));
    // usage errors: no file, a quantity without its position or out of range
    // and a text longer than the file keeps (it could not be opened again)
    const std::string lang = "quote " + d.pfad("lang.kalq") + " --add " + distDir() +
                             "/examples/water_water_design.kal --text " + std::string(4097, 'x');
    for (const std::string& args : {std::string("quote"), std::string("quote x.kalq --qty 2"),
                                    std::string("quote x.kalq --add a.kal --qty 0"), lang})
        EXPECT_EQ(cli(args).rc, 2) << args.substr(0, 80);
    EXPECT_FALSE(std::filesystem::exists(d.pfad("lang.kalq")));
    // more positions than a quotation holds: refused whole, nothing written
    std::string viele = "quote " + d.pfad("viele.kalq");
    for (size_t i = 0; i <= kal::kMappeMaxPositionen; ++i)
        viele += " --add " + distDir() + "/examples/water_water_design.kal";
    EXPECT_EQ(cli(viele).rc, 2);
    EXPECT_FALSE(std::filesystem::exists(d.pfad("viele.kalq")));
}

// A new quotation in German takes the German standard terms.
TEST(CliQuote, NewQuotationTakesTheTermsOfItsLanguage) {
    kaltest::TempDir d;
    d.schreibe("kunde.json", R"({"language": "de", "terms": {"packing": "Kiste"}})");
    const Lauf l = cli("quote " + d.pfad("q.kalq") + " --customer " + d.pfad("kunde.json") +
                       " --add " + distDir() + "/examples/water_water_design.kal");
    EXPECT_EQ(l.rc, 0) << l.out;
    const Json q = Json::parse(kaltest::liesDatei(d.pfad("q.kalq")));
    EXPECT_EQ(q["language"], "de");
    EXPECT_EQ(q["terms"]["payment"], "30 Tage netto ab Rechnungsdatum.");
    EXPECT_EQ(q["terms"]["packing"], "Kiste");
}

namespace {
// The number of pages a PDF file's running header counts.
int seiten(const std::string& pdf) {
    const Lauf l = kaltest::shellLauf("pdftotext -raw -enc UTF-8 '" + pdf + "' -");
    EXPECT_EQ(l.rc, 0) << pdf;
    const size_t p = l.out.find("Page 1 of ");
    return p == std::string::npos ? 0 : std::stoi(l.out.substr(p + 10));
}

bool gemeldet(const Json& j, const std::string& teil) {
    for (const Json& m : j["messages"])
        if (m["text"].get<std::string>().find(teil) != std::string::npos) return true;
    return false;
}
}  // namespace

// A quotation put together in the window, driven through calc, and the same
// made by quote: one set of figures, one document.
TEST(CliQuote, TheWindowAndTheCommandMakeTheSameQuotation) {
    kaltest::TempDir d;
    vervollstaendigen(d, "water_water_design", d.pfad("a.kal"));
    vervollstaendigen(d, "steam_condenser_design", d.pfad("b.kal"));
    // add the open project twice over, save as Q1; open b in the main
    // window, calculate it, add it to Q1 opened again and save
    d.schreibe("fenster.json", R"([{"id": 40013, "command": true}, {"id": 1630, "click": true},
        {"id": 1621, "text": "2"}, {"id": 1640, "click": true}, {"id": 2, "click": true},
        {"id": 57601, "command": true}, {"id": 1166, "click": true},
        {"id": 40013, "command": true}, {"id": 1638, "click": true}, {"id": 1630, "click": true},
        {"id": 1639, "click": true}, {"id": 2, "click": true}])");
    const std::string q1 = d.pfad("q1.kalq"), q2 = d.pfad("q2.kalq");
    const Lauf c =
        cli("calc " + d.pfad("a.kal") + " --actions " + d.pfad("fenster.json") + " --answer " + q1 +
            " --answer " + d.pfad("b.kal") + " --answer " + q1 + " --json");
    ASSERT_EQ(c.rc, 0) << c.out;
    const Json fenster = json(c)["angebot"];
    EXPECT_EQ(fenster["datei"], q1);
    ASSERT_EQ(fenster["zeilen"].size(), 2u);
    EXPECT_EQ(fenster["zeilen"][0]["menge"], "2");
    EXPECT_EQ(fenster["gewaehlt"], 1);
    EXPECT_EQ(fenster["caption"].get<std::string>().find("*"), std::string::npos);  // saved

    const Lauf q = cli("quote " + q2 + " --add " + d.pfad("a.kal") + " --qty 2 --add " +
                       d.pfad("b.kal") + " --json");
    ASSERT_EQ(q.rc, 0) << q.out;
    const Json totals = json(q)["totals"];
    EXPECT_TRUE(totals["complete"].get<bool>());

    // the window's print button on Q1 and quote's own PDF of Q2
    d.schreibe("drucken.json", R"([{"id": 1642, "click": true}, {"id": 2, "click": true}])");
    const Lauf p = cli("quote " + q1 + " --actions " + d.pfad("drucken.json") + " --pdf " +
                       d.pfad("q1.pdf") + " --json");
    ASSERT_EQ(p.rc, 0) << p.out;
    const Json jp = json(p);
    EXPECT_EQ(jp["totals"], totals);
    EXPECT_EQ(jp["pdf"], d.pfad("q1.pdf"));
    EXPECT_EQ(jp["angebot"]["summen"], fenster["summen"]);
    ASSERT_EQ(cli("quote " + q2 + " --pdf " + d.pfad("q2.pdf")).rc, 0);
    EXPECT_GT(seiten(d.pfad("q1.pdf")), 2);
    EXPECT_EQ(seiten(d.pfad("q1.pdf")), seiten(d.pfad("q2.pdf")));

    // closing after a change asks; the reply decides what the file keeps
    d.schreibe("menge.json", R"([{"id": 1620, "select": 1}, {"id": 1621, "text": "5"},
        {"id": 2, "click": true}])");
    for (const char* antwort : {"no", "yes"}) {
        SCOPED_TRACE(antwort);
        const Lauf m = cli("quote " + q1 + " --actions " + d.pfad("menge.json") + " --reply " +
                           antwort + " --json");
        EXPECT_EQ(m.rc, 0) << m.out;
        EXPECT_EQ(json(m)["positions"][1]["quantity"], 5);
        const Json gelesen = json(cli("quote " + q1 + " --json"));
        EXPECT_EQ(gelesen["positions"][1]["quantity"], antwort[0] == 'y' ? 5 : 1);
    }
}

TEST(CliQuote, RefusedActionsAndFailedWritesExitOne) {
    kaltest::TempDir d;
    const std::string q = d.pfad("q.kalq");
    ASSERT_EQ(cli("quote " + q + " --add " + distDir() + "/examples/water_water_design.kal").rc, 0);
    // "up" on the first position or in an empty window, a button of the
    // main window while the quotation window is open
    d.schreibe("hoch.json", R"([{"id": 1620, "select": 0}, {"id": 1631, "click": true}])");
    d.schreibe("leer.json", R"([{"id": 40013, "command": true}, {"id": 1631, "click": true}])");
    d.schreibe("haupt.json", R"([{"id": 1166, "click": true}])");
    d.schreibe("drucken.json", R"([{"id": 1642, "click": true}, {"id": 2, "click": true}])");
    struct Fall {
        std::string args, meldung;
    };
    const Fall faelle[] = {
        {"quote " + q + " --actions " + d.pfad("hoch.json"), "action refused"},
        {"quote " + q + " --actions " + d.pfad("haupt.json"), "action refused"},
        {"calc " + distDir() + "/examples/water_water_design.kal --actions " + d.pfad("leer.json"),
         "action refused"},
        // the print asks first (no complete offer): yes, then the write fails
        {"quote " + q + " --reply yes --actions " + d.pfad("drucken.json") + " --pdf " +
             d.pfad("fehlt/q.pdf"),
         d.pfad("fehlt/q.pdf")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.args);
        const Lauf l = cli(f.args + " --json");
        EXPECT_EQ(l.rc, 1) << l.out;
        const Json j = json(l);
        EXPECT_TRUE(gemeldet(j, f.meldung)) << l.out;
        EXPECT_TRUE(j.contains("angebot"));
    }
    // unanswered, the print question is a no and nothing is written
    const Lauf l = cli("quote " + q + " --actions " + d.pfad("drucken.json") + " --pdf " +
                       d.pfad("q.pdf") + " --json");
    EXPECT_EQ(l.rc, 0) << l.out;
    EXPECT_EQ(json(l)["pdf"], "");
    EXPECT_FALSE(std::filesystem::exists(d.pfad("q.pdf")));
    EXPECT_EQ(cli("quote " + q + " --reply maybe").rc, 2);
}
