#include "datalib/dialoghilfe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ports/scripted.h"

using namespace kal;

namespace {
CIniEx sprache() {
    CIniEx s;
    s.OpenFromText(
        "[maindialog]\npower=Duty\nwarm=Warm side\n"
        "[error]\nreadingfile=\"Cannot read \"\n"
        "[global]\nerror_empty=Enter a value\nerror_notanumber=Not a number\n"
        "error_outofrange=Out of range\n");
    return s;
}
}  // namespace

// One rule for every caption: what a message is, not who shows it.
TEST(MeldungsTitel, ByKindOfMessageAndPlaceholdersInAnyOrder) {
    CIniEx s;
    s.OpenFromText("[general]\ntitle=kal\n[error]\nerror=Error\n[warning]\nwarning=Warning\n");
    RecordingMessages port;
    for (const auto& [icon, titel] : {std::pair{MessageIcon::Error, "Error"},
                                      {MessageIcon::Warning, "Warning"},
                                      {MessageIcon::Question, "kal"},
                                      {MessageIcon::Information, "kal"}}) {
        zeigeMeldung(&port, s, "error", "x", "", icon);  // no caption of its own
        EXPECT_EQ(port.shown.back().caption, titel);
    }
    const std::string werte[] = {"a", "b"};
    EXPECT_EQ(einsetzen("%2 %1 %1, %3 50 % %", werte), "b a a, %3 50 % %");
}

// Every button of a row gets a key of its own; one a translator chose stays.
TEST(KuerzelVergeben, OneKeyPerButtonOfTheRow) {
    struct Fall {
        std::vector<std::string> vorher, nachher;
    };
    const Fall faelle[] = {
        {{"Ja", "Nein", "Abbrechen"}, {"&Ja", "&Nein", "&Abbrechen"}},
        {{"Yes", "No", "Cancel"}, {"&Yes", "&No", "&Cancel"}},
        // a toolkit text with its own key keeps it and takes that letter
        {{"Nein", "&No", "Cancel"}, {"N&ein", "&No", "&Cancel"}},
        {{"Trotzdem drucken",
          "Zur\xC3\xBC"
          "ck"},
         {"&Trotzdem drucken",
          "&Zur\xC3\xBC"
          "ck"}},
        // same first letter; no letter of UTF-8 bytes, a literal "&&" is no key
        {{"\xC3\x9C"
          "ber",
          "Ueber", "R&&D"},
         {"\xC3\x9C&ber", "&Ueber", "&R&&D"}},
        {{"", "Oui", "OK"}, {"", "&Oui", "O&K"}},
        {{"aa", "a"}, {"&aa", "a"}},  // nothing left: no key rather than a double
    };
    for (const Fall& f : faelle) {
        std::vector<std::string> t = f.vorher;
        kuerzelVergeben(t);
        EXPECT_EQ(t, f.nachher);
    }
}

TEST(Beschriftungen, TableSetsEveryCaptionAndAMissingKeyEmptiesIt) {
    Form f;
    f.setText(3, "old text");
    const Beschriftung tabelle[] = {
        {1, "maindialog", "power"},
        {2, "maindialog", "warm"},
        {3, "maindialog", "nosuchkey"},
        {4, "nosuchsection", "power"},
    };
    beschriftungenSetzen(f, sprache(), tabelle);
    EXPECT_EQ(f.text(1), "Duty");
    EXPECT_EQ(f.text(2), "Warm side");
    EXPECT_EQ(f.text(3), "");
    EXPECT_TRUE(f.has(4));
    EXPECT_EQ(f.text(4), "");
}

TEST(ZeigeMeldung, CarriesLookupCaptionIconAndAppendedText) {
    RecordingMessages port;
    zeigeMeldung(&port, sprache(), "error", "readingfile", "kalvoria", MessageIcon::Error,
                 "/tmp/x.kal");
    zeigeMeldung(&port, sprache(), "maindialog", "warm", "", MessageIcon::Warning);
    zeigeMeldung(&port, sprache(), "error", "missing", "c");
    ASSERT_EQ(port.shown.size(), 3u);
    const Message& m = port.shown[0];
    EXPECT_EQ(m.text, "Cannot read /tmp/x.kal");
    EXPECT_EQ(m.caption, "kalvoria");
    EXPECT_EQ(m.section, "error");
    EXPECT_EQ(m.key, "readingfile");
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(port.shown[1].text, "Warm side");
    EXPECT_EQ(port.shown[1].caption, "");
    EXPECT_EQ(port.shown[1].icon, MessageIcon::Warning);
    // a missing text still names its lookup, so the CLI can report it
    EXPECT_EQ(port.shown[2].text, "");
    EXPECT_EQ(port.shown[2].key, "missing");
    EXPECT_EQ(port.shown[2].icon, MessageIcon::Error);

    // without a port nothing is shown and nothing breaks
    zeigeMeldung(nullptr, sprache(), "error", "readingfile", "kalvoria");
}

TEST(EingabePruefer, ReportsTheThreeGlobalTextsUnderTheDialogTitle) {
    RecordingMessages port;
    InputHelper pruefer = eingabePruefer(sprache(), &port, "Medium");
    EXPECT_EQ(pruefer.errorTitle(), "Medium");
    Form f;
    double wert = 0;
    for (const char* eingabe : {"", "abc", "99"}) {
        f.setText(5, eingabe);
        EXPECT_FALSE(pruefer.validateEditDouble(f, 5, wert, false, 0.0, 10.0)) << eingabe;
    }
    ASSERT_EQ(port.shown.size(), 3u);
    const char* texte[] = {"Enter a value", "Not a number", "Out of range"};
    const char* keys[] = {"error_empty", "error_notanumber", "error_outofrange"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(port.shown[i].text, texte[i]);
        EXPECT_EQ(port.shown[i].caption, "Medium");
        EXPECT_EQ(port.shown[i].section, "global");
        EXPECT_EQ(port.shown[i].key, keys[i]);
    }
    EXPECT_EQ(f.focus(), 5);
}
