// The offer kept with a project in the main dialog: a file without an offer
// stays the bare record, an offer and the computed-field marks come back on
// opening, and a block that cannot be read costs the offer, never the
// entries.
#include <gtest/gtest.h>

#include <algorithm>

#include "ports/benutzeraktion.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "umgebung.h"

using namespace kal;
using kaltest::liesDatei;
using kaltest::Umgebung;

namespace {
const char* const kBeispiele[] = {"water_water_design", "glycol_water_rating",
                                  "steam_condenser_design", "air_cooler_design",
                                  "user_medium_design"};

std::string beispiel(const char* name) { return kaltest::distDir() + "/examples/" + name + ".kal"; }

// Every control's text, selection and check state.
std::vector<std::string> zustand(const Form& f) {
    std::vector<std::string> z;
    for (const auto& [id, c] : f.controls())
        z.push_back(std::to_string(id) + "=" + c.text + ":" + f.selectedText(id) +
                    (c.checked ? "+" : "-") + (c.enabled ? "" : "/"));
    return z;
}
std::vector<std::string> zustand(const CBerechnungDlg& d) { return zustand(d.form()); }

using Art = Benutzeraktion::Art;

// Runs the completion once: `aktionen`, then the form as it was left.
std::vector<std::string> komplettiere(Umgebung& u, CBerechnungDlg& d,
                                      const std::vector<Benutzeraktion>& aktionen = {}) {
    std::vector<std::string> gezeigt;
    u.p.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
        for (const Benutzeraktion& a : aktionen)
            EXPECT_EQ(anwenden(m.form(), a, [&m](int id, BindEvent e) { m.ereignis(id, e); }), "")
                << a.id;
        gezeigt = zustand(m.form());
        return 2;
    });
    d.komplettieren();
    return gezeigt;
}
}  // namespace

TEST(AngebotImProjekt, SampleWithoutOfferIsWrittenAsShipped) {
    for (const char* name : kBeispiele) {
        SCOPED_TRACE(name);
        Umgebung u;
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(beispiel(name)), 0);
        EXPECT_FALSE(d.angebot());
        ASSERT_TRUE(d.projektSchreiben(u.dir.pfad("neu.kal")));
        const std::string neu = liesDatei(u.dir.pfad("neu.kal")), alt = liesDatei(beispiel(name));
        ASSERT_EQ(neu.size(), alt.size());
        for (size_t i = 0; i < alt.size(); i += 20)  // names the first differing field
            ASSERT_EQ(neu.substr(i, 20), alt.substr(i, 20)) << "at byte " << i;
    }
}

TEST(AngebotImProjekt, OfferAndComputedMarksComeBack) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("angebot.kal");
    AngebotsBlock a;
    std::set<int> marken;
    std::string satz;
    {
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(beispiel("water_water_design")), 0);
        ASSERT_TRUE(d.berechnen());
        ASSERT_TRUE(d.projektSchreiben(pfad));
        satz = liesDatei(pfad);
        ASSERT_EQ(satz.size(), 1660u);
        // unknown ids and texts that are no plain number are no marks
        d.berechneteFelderSetzen({std::to_string(hd::TAusKalt), "0x10", "99999", ""});
        marken = d.berechneteFelder();
        EXPECT_EQ(marken, std::set<int>{hd::TAusKalt});
        a.revision = 1;
        a.kunde = "Molkerei Süd";
        a.komplettierung = {{"1176", 26, "DN 50", std::nullopt}};
        a.berechneteFelder = d.berechneteFelderText();
        d.setAngebot(a);
        EXPECT_TRUE(d.getGeaendert());  // an offer is a change to save
        ASSERT_TRUE(d.projektSchreiben(pfad));
        EXPECT_FALSE(d.getGeaendert());
    }
    const std::string bytes = liesDatei(pfad);
    ASSERT_GT(bytes.size(), 1660u);
    EXPECT_EQ(bytes.substr(0, 1660), satz);
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    EXPECT_TRUE(u.meldungsKeys().empty());
    ASSERT_TRUE(d.angebot());
    EXPECT_EQ(*d.angebot(), a);
    EXPECT_EQ(d.berechneteFelder(), marken);
    EXPECT_FALSE(d.getGeaendert());
    // a new project has no offer
    d.befehl(hd::CmdNeu);
    EXPECT_FALSE(d.angebot());
}

TEST(AngebotImProjekt, UnreadableBlockCostsTheOfferNotTheEntries) {
    Umgebung u;
    const std::string satz = liesDatei(beispiel("glycol_water_rating"));
    CBerechnungDlg ohne(u.app);
    ASSERT_EQ(ohne.projektLesen(beispiel("glycol_water_rating")), 0);
    ASSERT_TRUE(ohne.projektSchreiben(u.dir.pfad("ohne.kal")));
    const std::string geschrieben = liesDatei(u.dir.pfad("ohne.kal"));
    const std::string spaeter = "KALVORIA-OFFER 2 2\n{}\n";
    const struct {
        const char* name;
        std::string rest;
        const char* meldung;
    } faelle[] = {
        {"garbage", "x", "angebotBeschaedigt"},
        {"cut", angebotKodieren(AngebotsBlock{}).substr(0, 30), "angebotBeschaedigt"},
        {"later", spaeter, "angebotNeuer"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        u.p.messages.shown.clear();
        u.dir.schreibe("p.kal", satz + f.rest);
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(u.dir.pfad("p.kal")), 0);
        EXPECT_EQ(u.meldungsKeys(), std::vector<std::string>{f.meldung});
        EXPECT_FALSE(d.angebot());
        EXPECT_EQ(zustand(d), zustand(ohne));
        // a later version's offer is written back untouched; a damaged one is dropped
        ASSERT_TRUE(d.projektSchreiben(u.dir.pfad("q.kal")));
        EXPECT_EQ(liesDatei(u.dir.pfad("q.kal")),
                  geschrieben + (f.rest == spaeter ? spaeter : std::string()));
    }
}

// Completed, saved and reopened, the completion shows what was left; on
// another pack the stored choices are dropped and named in one message.
TEST(AngebotImProjekt, CompletionOpensOnItsChoicesOnlyForTheSamePack) {
    Umgebung u;
    const std::string pfad = u.dir.pfad("komplett.kal");
    const std::vector<Benutzeraktion> wahl = {{kp::AnschlussWarm, Art::Auswahl, 26, false, {}},
                                              {kp::Isolierung, Art::Haken, 0, true, {}},
                                              {kp::PreisIsolierung, Art::Text, 0, false, "420"},
                                              {kp::Lackierung, Art::Haken, 0, true, {}},
                                              {kp::RalNr, Art::Text, 0, false, "5010"},
                                              {kp::PreisLackierung, Art::Text, 0, false, "310"},
                                              {kp::EintrittUnten, Art::Klick, 0, false, {}}};
    std::vector<std::string> verlassen, unberuehrt;
    {
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(beispiel("water_water_design")), 0);
        ASSERT_TRUE(d.berechnen());
        unberuehrt = komplettiere(u, d);
        verlassen = komplettiere(u, d, wahl);
        ASSERT_NE(verlassen, unberuehrt);
        ASSERT_TRUE(d.projektSchreiben(pfad));
    }
    u.p.messages.shown.clear();
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    ASSERT_TRUE(d.berechnen());
    EXPECT_EQ(komplettiere(u, d), verlassen);
    EXPECT_TRUE(u.meldungsKeys().empty());

    // larger pressure drops, a smaller pack: nothing of the offer is applied to it
    for (int id : {hd::DruckverlustWarm, hd::DruckverlustKalt}) {
        d.form().setText(id, "90");
        d.textGeaendert(id);
    }
    ASSERT_TRUE(d.berechnen());
    u.p.messages.shown.clear();
    const std::vector<std::string> anders = komplettiere(u, d);
    ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"angebotVerworfen"});
    const std::string& text = u.p.messages.shown[0].text;
    EXPECT_NE(text.find("5010"), std::string::npos) << text;
    EXPECT_NE(text.find("420"), std::string::npos) << text;
    for (const std::string& z : anders) EXPECT_EQ(z.find("=5010"), std::string::npos) << z;
    // said once: the offer now holds this pack's choices
    u.p.messages.shown.clear();
    komplettiere(u, d);
    EXPECT_TRUE(u.meldungsKeys().empty());
}
