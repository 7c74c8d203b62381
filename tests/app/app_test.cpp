#include "app/app.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/dialogsettings.h"
#include "ports/scripted.h"
#include "verzeichnis.h"

using kal::CBerechnungApp;
using kal::DialogModel;
using kal::DialogSettings;

namespace {

struct Start {
    kaltest::AppDir dir{kaltest::Vorlage::Testinstallation};
    kal::ScriptedPorts p;
    std::vector<std::string> log;
    std::vector<std::string> geoeffnet;  // the language codes the front end was told

    // Runs start-up; the main dialog records the language state it finds.
    void run(bool werks = false) {
        CBerechnungApp app(p.ports(), werks);
        app.beiSprachwechsel([this](const std::string& c) { geoeffnet.push_back(c); });
        app.start(
            [this](CBerechnungApp& a) {
                log.push_back("main " + a.getSprachcode() + " " + a.getSprache().GetValue("title"));
            },
            dir.dir());
    }
    // Answers the language question by choosing `name` (empty: Cancel).
    void waehle(const std::string& name) {
        p.dialogs.scripts["DialogSettings"].push_back([this, name](DialogModel& m) {
            auto& d = dynamic_cast<DialogSettings&>(m);
            log.push_back("ask " + d.caption() + " " +
                          d.form().selectedText(kal::sprache::Sprache));
            if (name.empty()) {
                d.abbrechen();
                return 2;
            }
            d.form().select(kal::sprache::Sprache, d.form().findExact(kal::sprache::Sprache, name));
            d.ok();
            return 1;
        });
    }
};

}  // namespace

TEST(Start, FirstStartAsksWithEnglishTextsAndStoresChoice) {
    Start s;
    s.waehle("Deutsch");
    s.run();
    EXPECT_EQ(s.log,
              (std::vector<std::string>{"ask Language English", "main de Kalvoria Test DE"}));
    EXPECT_EQ(s.p.settings.values["language"], "Deutsch");
    EXPECT_TRUE(s.p.messages.shown.empty());

    // Next start asks nothing.
    s.log.clear();
    s.run();
    EXPECT_EQ(s.log, (std::vector<std::string>{"main de Kalvoria Test DE"}));
}

TEST(Start, CancelStoresUk) {
    Start s;
    s.waehle("");
    s.run();
    EXPECT_EQ(s.log.back(), "main uk Kalvoria Test");
    EXPECT_EQ(s.p.settings.values["language"], "English");
}

TEST(Start, StoredNameNoLongerListedAsksAgain) {
    struct Fall {
        const char* gespeichert;
        bool fragt;
    };
    const std::string langName(65, 'x');
    for (const Fall& f : {Fall{"Deutsch", false}, Fall{"Klingon", true}, Fall{"deutsch", true},
                          Fall{"", true}, Fall{langName.c_str(), true}}) {
        Start s;
        s.p.settings.values["language"] = f.gespeichert;
        s.run();
        EXPECT_EQ(s.p.dialogs.run.size(), f.fragt ? 1u : 0u) << f.gespeichert;
    }
}

TEST(Start, MissingLanguageFileGivesEnglishMessageThenUkWithChosenCodeCurrent) {
    Start s;
    s.dir.entferne("language/kalvoria_de.lng");
    s.waehle("Deutsch");
    s.run();
    ASSERT_EQ(s.p.messages.shown.size(), 1u);
    EXPECT_EQ(s.p.messages.shown[0].text,
              "Error by opening file " + s.dir.dir() + "/language/kalvoria_de.lng");
    EXPECT_EQ(s.p.messages.shown[0].caption, "");
    EXPECT_EQ(s.log.back(), "main de Kalvoria Test");
    EXPECT_EQ(s.p.settings.values["language"], "Deutsch");
}

TEST(Start, FallbackToDeWhenUkMissingAndEmptyWhenAllMissing) {
    Start s;
    s.dir.entferne("language/kalvoria_uk.lng");
    s.p.settings.values["language"] = "English";
    s.run();
    // uk itself is missing: one message, then the silent de fallback.
    EXPECT_EQ(s.p.messages.shown.size(), 1u);
    EXPECT_EQ(s.log.back(), "main uk Kalvoria Test DE");

    Start leer;
    leer.dir.entferne("language/kalvoria_uk.lng");
    leer.dir.entferne("language/kalvoria_de.lng");
    leer.p.settings.values["language"] = "English";
    leer.run();
    EXPECT_EQ(leer.log.back(), "main uk ");
}

// The front end hears of the file actually opened: the language asked for,
// or the fallback that stood in for it; nothing when none could be read.
TEST(Start, FrontEndToldTheLanguageOfTheOpenedFile) {
    using V = std::vector<std::string>;
    Start erst;
    erst.waehle("Deutsch");
    erst.run();
    EXPECT_EQ(erst.geoeffnet, (V{"uk", "de"}));  // the question is asked in English
    Start fehlt;
    fehlt.dir.entferne("language/kalvoria_de.lng");
    fehlt.p.settings.values["language"] = "Deutsch";
    fehlt.run();
    EXPECT_EQ(fehlt.geoeffnet, V{"uk"});
    Start nichts;
    nichts.dir.entferne("language/kalvoria_uk.lng");
    nichts.dir.entferne("language/kalvoria_de.lng");
    nichts.p.settings.values["language"] = "English";
    nichts.run();
    EXPECT_EQ(nichts.geoeffnet, V{});
}

TEST(Start, UnavailableStoreShowsReadregistryAndStillStarts) {
    Start s;
    s.p.settings.available = false;
    s.waehle("Deutsch");
    s.run();
    // Once when reading (no language file yet: English text), once when storing.
    ASSERT_EQ(s.p.messages.shown.size(), 2u);
    EXPECT_EQ(s.p.messages.shown[0].key, "readregistry");
    EXPECT_FALSE(s.p.messages.shown[0].text.empty());
    EXPECT_EQ(s.p.messages.shown[1].text, "Cannot open the user settings.");
    EXPECT_EQ(s.log.back(), "main de Kalvoria Test DE");
}

TEST(Start, MissingSettingsFileMeansEmptyListAndUkStays) {
    Start s;
    s.dir.entferne("kalvoria.ini");
    s.p.dialogs.scripts["DialogSettings"].push_back([](DialogModel& m) {
        auto& d = dynamic_cast<DialogSettings&>(m);
        EXPECT_EQ(d.form().itemCount(kal::sprache::Sprache), 0);
        d.ok();
        return 1;
    });
    s.run();
    // An empty choice keeps "uk" rather than a language without a file.
    EXPECT_EQ(s.log.back(), "main uk Kalvoria Test");
    EXPECT_TRUE(s.p.messages.shown.empty());
}

TEST(Start, WorkingDirectoryIsTheAppDirAndExitReleasesObjects) {
    Start s;
    kal::ScriptedPorts& p = s.p;
    p.settings.values["language"] = "English";
    CBerechnungApp app(p.ports(), false);
    std::string gesehen;
    std::filesystem::path alt = std::filesystem::current_path();
    std::filesystem::current_path(s.dir.dir());
    app.start([&](CBerechnungApp& a) {
        gesehen = a.getAppDir();
        EXPECT_TRUE(a.hatData());
        EXPECT_EQ(a.getSettings().GetValue("Daten", "version", ""), "12");
    });
    std::filesystem::current_path(alt);
    EXPECT_EQ(std::filesystem::path(gesehen), std::filesystem::canonical(s.dir.dir()));
    EXPECT_FALSE(app.hatData());
    EXPECT_EQ(app.getSettings().GetValue("Daten", "version", "-"), "-");
}

TEST(Sprache, CodeOfDisplayName) {
    kaltest::AppDir dir{kaltest::Vorlage::Testinstallation};
    dir.schreibe("kalvoria.ini",
                 "[languages]\n=Leer\nuk=English\nde=Deutsch\nat=Deutsch\nfr=Fran\xC3\xA7"
                 "ais\n");
    kal::ScriptedPorts p;
    CBerechnungApp app(p.ports(), false);
    app.erzeugeObjekte(dir.dir());
    EXPECT_EQ(app.codeVonAnzeigeName("Deutsch"), "de");  // first listed wins
    EXPECT_EQ(app.codeVonAnzeigeName("deutsch"), "");    // case matters
    EXPECT_EQ(app.codeVonAnzeigeName("Leer"), "");       // empty keys skipped
    EXPECT_EQ(app.codeVonAnzeigeName("Fran\xC3\xA7"
                                     "ais"),
              "fr");
    EXPECT_EQ(app.codeVonAnzeigeName(""), "");
    EXPECT_EQ(app.anzeigeName("de"), "Deutsch");
    EXPECT_EQ(app.anzeigeName("xx"), "");
}

TEST(Werksmodus, SwitchOrEnvironment) {
    char prog[] = "kalvoria";
    char sw[] = "--werksmodus";
    char other[] = "--other";
    char* mit[] = {prog, sw, nullptr};
    char* ohne[] = {prog, other, nullptr};
    unsetenv("KALVORIA_WERKSMODUS");
    EXPECT_TRUE(CBerechnungApp::werksmodusAus(2, mit));
    EXPECT_FALSE(CBerechnungApp::werksmodusAus(2, ohne));
    setenv("KALVORIA_WERKSMODUS", "1", 1);
    EXPECT_TRUE(CBerechnungApp::werksmodusAus(2, ohne));
    setenv("KALVORIA_WERKSMODUS", "0", 1);
    EXPECT_FALSE(CBerechnungApp::werksmodusAus(2, ohne));
    unsetenv("KALVORIA_WERKSMODUS");
}
