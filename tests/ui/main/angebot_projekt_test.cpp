// The offer kept with a project in the main dialog: a file without an offer
// stays the bare record, an offer and the computed-field marks come back on
// opening, and a block that cannot be read costs the offer, never the
// entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ids/dialog_ids.h"
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
    std::string gezeigt;
    {
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(beispiel("water_water_design")), 0);
        ASSERT_TRUE(d.berechnen());
        ASSERT_TRUE(d.projektSchreiben(pfad));
        ASSERT_EQ(liesDatei(pfad).size(), 1660u);
        gezeigt = d.form().text(hd::TAusKalt);
        ASSERT_FALSE(gezeigt.empty());
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
    // the block holds the marks, so the record keeps what the run filled in
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    EXPECT_TRUE(u.meldungsKeys().empty());
    ASSERT_TRUE(d.angebot());
    EXPECT_EQ(*d.angebot(), a);
    EXPECT_EQ(d.berechneteFelder(), marken);
    EXPECT_EQ(d.form().text(hd::TAusKalt), gezeigt);
    EXPECT_FALSE(d.getGeaendert());
    // typed into since: saved as the user's entry, not as computed
    d.form().setText(hd::TAusKalt, "50");
    d.textGeaendert(hd::TAusKalt);
    EXPECT_TRUE(d.berechneteFelder().empty());
    ASSERT_TRUE(d.projektSchreiben(pfad));
    ASSERT_EQ(d.projektLesen(pfad), 0);
    EXPECT_TRUE(d.berechneteFelder().empty());
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

// Completed in English and reopened in German, the choices are found by
// their item values: the connection comes back, nothing is dropped.
TEST(AngebotImProjekt, ChoicesComeBackInAnotherLanguage) {
    Umgebung en;
    const std::string pfad = en.dir.pfad("englisch.kal");
    const std::vector<Benutzeraktion> wahl = {{kp::AnschlussWarm, Art::Auswahl, 26, false, {}},
                                              {kp::Isolierung, Art::Haken, 0, true, {}}};
    std::string englisch;
    {
        CBerechnungDlg d(en.app);
        ASSERT_EQ(d.projektLesen(beispiel("water_water_design")), 0);
        ASSERT_TRUE(d.berechnen());
        const std::string kennung = std::to_string(kp::AnschlussWarm) + "=";
        for (const std::string& z : komplettiere(en, d, wahl))
            if (z.starts_with(kennung)) englisch = z;
        ASSERT_TRUE(d.projektSchreiben(pfad));
    }
    Umgebung de({.sprache = "Deutsch"});
    CBerechnungDlg d(de.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    ASSERT_TRUE(d.berechnen());
    std::string warm;
    de.p.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
        const Form& f = m.form();
        warm = f.selectedText(kp::AnschlussWarm);
        EXPECT_EQ(f.selectedValue(kp::AnschlussWarm), 26);
        EXPECT_TRUE(f.checked(kp::Isolierung));
        return 2;
    });
    d.komplettieren();
    EXPECT_EQ(de.meldungsKeys(), std::vector<std::string>{})
        << (de.p.messages.shown.empty() ? "" : de.p.messages.shown[0].text);
    EXPECT_FALSE(warm.empty());
    // the list really speaks German now, so its text alone could not match
    EXPECT_EQ(englisch.find(":" + warm), std::string::npos) << englisch << " / " << warm;
}

namespace {
// Runs the completion, its specification with `spez` and, with `projekt`,
// the price list's project data; gives the specification as it was left.
std::vector<std::string> spezifiziere(Umgebung& u, CBerechnungDlg& d,
                                      const std::vector<Benutzeraktion>& spez = {},
                                      const std::function<void(Form&)>& projekt = {}) {
    std::vector<std::string> gezeigt;
    auto& skripte = u.p.dialogs.scripts;
    skripte["CAssembly"].push_back([&](DialogModel& m) {
        skripte["DialogSpec"].push_back([&](DialogModel& s) {
            for (const Benutzeraktion& a : spez)
                EXPECT_EQ(anwenden(s.form(), a, [&s](int id, BindEvent e) { s.ereignis(id, e); }),
                          "")
                    << a.id;
            gezeigt = zustand(s.form());
            return 2;
        });
        m.ereignis(kp::CmdPrintSpec, BindEvent::Command);
        if (projekt) {
            skripte["CDialogProjektDaten"].push_back([&](DialogModel& p) {
                projekt(p.form());
                return 1;
            });
            u.p.questions.answers = {Answer::Yes};  // the list with prices nobody typed
            m.ereignis(kp::CmdZubehoer, BindEvent::Command);
        }
        return 2;
    });
    d.komplettieren();
    return gezeigt;
}
}  // namespace

// The specification's entries and the project data are the project's: saved,
// reopened, the specification shows what was left, and the customer does
// not carry into the next project (only clerk and telephone do).
TEST(AngebotImProjekt, SpecificationAndProjectDataComeBack) {
    Umgebung u;
    u.p.settings.values = {{"name", "M. Berger"}, {"kunde", "Older store"}};
    const std::string pfad = u.dir.pfad("spez.kal");
    std::vector<std::string> verlassen, unberuehrt;
    {
        CBerechnungDlg d(u.app);
        ASSERT_EQ(d.projektLesen(beispiel("water_water_design")), 0);
        ASSERT_TRUE(d.berechnen());
        unberuehrt = spezifiziere(u, d);
        const std::vector<Benutzeraktion> spez = {
            {sp::Projekt, Art::Text, 0, false, "Dairy line 3"},
            {sp::Position, Art::Text, 0, false, "20"},
            {sp::BemerkungWarm, Art::Text, 0, false, "Plates pickled"},
            {sp::Bemerkung, Art::Text, 0, false, "Valid 30 days"},
            {sp::Sicherheit, Art::Text, 0, false, "12.5"},
            {sp::MaxTemperatur, Art::Text, 0, false, "99"}};
        verlassen = spezifiziere(u, d, spez, [](Form& f) {
            EXPECT_EQ(f.text(pd::Kunde), "");
            EXPECT_EQ(f.text(pd::Projekt), "Dairy line 3");
            EXPECT_EQ(f.text(pd::Sachbearbeiter), "M. Berger");
            f.setText(pd::Kunde, "Molkerei Süd");
            f.setText(pd::Datum, "01.12.2026");
        });
        ASSERT_NE(verlassen, unberuehrt);
        EXPECT_TRUE(d.getGeaendert());
        ASSERT_TRUE(d.projektSchreiben(pfad));
    }
    EXPECT_EQ(u.p.settings.values["kunde"], "Older store");
    u.p.messages.shown.clear();
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(pfad), 0);
    ASSERT_TRUE(d.berechnen());
    ASSERT_TRUE(d.angebot());
    EXPECT_EQ(projektdatenAus(*d.angebot()),
              (Projektdaten{"Molkerei Süd", "Dairy line 3", "20", "M. Berger", "", "01.12.2026"}));
    EXPECT_EQ(spezifiziere(u, d), verlassen);
    EXPECT_TRUE(u.meldungsKeys().empty());
    EXPECT_FALSE(d.getGeaendert());

    // another pack: the specification's entries go with the completion's,
    // named in the same one message
    for (int id : {hd::DruckverlustWarm, hd::DruckverlustKalt}) {
        d.form().setText(id, "90");
        d.textGeaendert(id);
    }
    ASSERT_TRUE(d.berechnen());
    u.p.messages.shown.clear();
    for (const std::string& z : spezifiziere(u, d))
        EXPECT_EQ(z.find("Plates pickled"), std::string::npos) << z;
    ASSERT_EQ(u.meldungsKeys(), std::vector<std::string>{"angebotVerworfen"});
    const std::string& text = u.p.messages.shown[0].text;
    for (const char* t : {"Plates pickled", "Valid 30 days", "12.5", "99"})
        EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;

    // a new project starts from the user's defaults alone
    u.p.questions.answers = {Answer::No};  // the changed offer is not saved
    d.befehl(hd::CmdNeu);
    EXPECT_FALSE(d.angebot());
    ASSERT_EQ(d.projektLesen(beispiel("water_water_design")), 0);
    ASSERT_TRUE(d.berechnen());
    spezifiziere(u, d, {}, [](Form& f) {
        EXPECT_EQ(f.text(pd::Kunde), "");
        EXPECT_EQ(f.text(pd::Projekt), "");
        EXPECT_EQ(f.text(pd::Sachbearbeiter), "M. Berger");
        EXPECT_EQ(f.text(pd::Datum), heutigesDatum());
    });
}

// "Save as revision": the next number and today's date under a new name, the
// header's project data carry the number; cancelled, nothing changes.
// Unsaved offer changes are asked about on closing.
TEST(AngebotImProjekt, SaveAsRevisionAndUnsavedOfferChanges) {
    Umgebung u;
    CBerechnungDlg d(u.app);
    ASSERT_EQ(d.projektLesen(beispiel("glycol_water_rating")), 0);
    ASSERT_TRUE(d.berechnen());
    komplettiere(u, d);
    ASSERT_TRUE(d.projektSchreiben(u.dir.pfad("rev0.kal")));
    const std::string rev0 = liesDatei(u.dir.pfad("rev0.kal"));

    const auto& datei = d.menu().front().befehle;
    EXPECT_NE(std::find(datei.begin(), datei.end(), hd::CmdAlsRevision), datei.end());
    EXPECT_EQ(d.form().text(hd::CmdAlsRevision), "Save as &revision...");
    d.befehl(hd::CmdAlsRevision);  // the file dialog cancelled
    EXPECT_EQ(d.angebot()->revision, 0);
    EXPECT_FALSE(d.getGeaendert());
    u.p.files.saveAnswers = {u.dir.pfad("rev1.kal")};
    d.befehl(hd::CmdAlsRevision);
    EXPECT_EQ(d.getProjektPfad(), u.dir.pfad("rev1.kal"));
    EXPECT_EQ(liesDatei(u.dir.pfad("rev0.kal")), rev0);  // the offer as sent stays
    CBerechnungDlg wieder(u.app);
    ASSERT_EQ(wieder.projektLesen(u.dir.pfad("rev1.kal")), 0);
    ASSERT_TRUE(wieder.angebot());
    EXPECT_EQ(wieder.angebot()->revision, 1);
    EXPECT_EQ(wieder.angebot()->revisionsdatum, heutigesDatum());
    int revision = -1;
    u.p.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
        revision = dynamic_cast<CAssembly&>(m).projektdaten().revision;
        return 2;
    });
    ASSERT_TRUE(wieder.berechnen());
    wieder.komplettieren();
    EXPECT_EQ(revision, 1);

    // a changed choice is an unsaved change: closing asks, cancel stays open
    komplettiere(u, wieder, {{kp::Spritzschutz, Art::Haken, 0, true, {}}});
    EXPECT_TRUE(wieder.getGeaendert());
    u.p.questions.answers = {Answer::Cancel};
    EXPECT_FALSE(wieder.schliessfeld());
    EXPECT_EQ(u.p.questions.asked.size(), 1u);
}
