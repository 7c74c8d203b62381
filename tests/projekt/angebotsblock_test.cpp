#include "projekt/angebotsblock.h"

#include <gtest/gtest.h>

using namespace kal;

namespace {
AngebotsBlock beispiel() {
    AngebotsBlock b;
    b.revision = 2;
    b.revisionsdatum = "09.12.2026";
    b.kunde = "Molkerei Süd \"Alpen\"";
    b.projekt = "Pasteur {2}";
    b.position = "P-7\n[b]";
    b.sachbearbeiter = "A. Weiß";
    b.telefon = "+49 89 1234";
    b.datum = "08.12.2026";
    b.paket = "T10 / 45 / 1";
    b.komplettierung = {{"anschlussWarm", 3, "DN 50", std::nullopt},
                        {"ral", std::nullopt, "5010", std::nullopt},
                        {"isolierung", std::nullopt, "", true},
                        {"rabatt", -1, "", false}};
    b.spezifikation = {{"bemerkung", std::nullopt, "Zeile 1\r\nZeile 2\t\\", std::nullopt}};
    b.berechneteFelder = {"Leistung", "TAusKalt"};
    return b;
}

std::string mitText(const std::string& json) {
    return "KALVORIA-OFFER 1 " + std::to_string(json.size()) + "\n" + json + "\n";
}
}  // namespace

TEST(Angebotsblock, RoundTripKeepsEveryChoice) {
    const std::string bytes = angebotKodieren(beispiel());
    EXPECT_EQ(bytes.rfind("KALVORIA-OFFER 1 ", 0), 0u);
    const AngebotGelesen g = angebotDekodieren(bytes);
    ASSERT_EQ(g.lage, AngebotsLage::Gelesen);
    EXPECT_EQ(*g.block, beispiel());
    // written again, the same bytes
    EXPECT_EQ(angebotKodieren(*g.block), bytes);
    // an empty offer round-trips too
    EXPECT_EQ(*angebotDekodieren(angebotKodieren({})).block, AngebotsBlock{});
}

TEST(Angebotsblock, NoBytesIsNoOffer) {
    const AngebotGelesen g = angebotDekodieren("");
    EXPECT_EQ(g.lage, AngebotsLage::Keins);
    EXPECT_FALSE(g.block);
}

// A member added later within this version is not interpreted, but it is
// written back as it was, however it nests (within the depth limit).
TEST(Angebotsblock, UnknownMembersOfThisVersionAreKept) {
    const std::string punkte = R"({"operatingPoints":[{"name":"winter","values":[[1,2],[3]]}]})";
    const AngebotGelesen g = angebotDekodieren(mitText(
        R"({"revision":1,"laterNote":"x","completion":[],"operatingPoints":[{"name":"winter","values":[[1,2],[3]]}]})"));
    ASSERT_EQ(g.lage, AngebotsLage::Gelesen);
    EXPECT_EQ(g.block->revision, 1);
    const AngebotGelesen wieder = angebotDekodieren(angebotKodieren(*g.block));
    ASSERT_EQ(wieder.lage, AngebotsLage::Gelesen);
    EXPECT_EQ(*wieder.block, *g.block);
    EXPECT_EQ(g.block->weitere, R"({"laterNote":"x",)" + punkte.substr(1));
}

struct Kaputt {
    const char* name;
    std::string bytes;
    AngebotsLage lage;
};

class AngebotsblockKaputt : public testing::TestWithParam<Kaputt> {};

TEST_P(AngebotsblockKaputt, IsReportedAndNothingRead) {
    const AngebotGelesen g = angebotDekodieren(GetParam().bytes);
    EXPECT_EQ(g.lage, GetParam().lage);
    EXPECT_FALSE(g.block);
}

const std::string kGut = angebotKodieren(beispiel());

INSTANTIATE_TEST_SUITE_P(
    Tabelle, AngebotsblockKaputt,
    testing::Values(
        Kaputt{"ForeignBytes", "x", AngebotsLage::Beschaedigt},
        Kaputt{"ZeroBytes", std::string(40, '\0'), AngebotsLage::Beschaedigt},
        Kaputt{"MarkerOnly", "KALVORIA-OFFER", AngebotsLage::Beschaedigt},
        Kaputt{"CutInMarkerLine", kGut.substr(0, 18), AngebotsLage::Beschaedigt},
        Kaputt{"CutInJson", kGut.substr(0, kGut.size() / 2), AngebotsLage::Beschaedigt},
        Kaputt{"ClosingNewlineMissing", kGut.substr(0, kGut.size() - 1), AngebotsLage::Beschaedigt},
        Kaputt{"BytesAppended", kGut + "x", AngebotsLage::Beschaedigt},
        Kaputt{"LengthNotANumber", "KALVORIA-OFFER 1 zwei\n{}\n", AngebotsLage::Beschaedigt},
        Kaputt{"LengthNegative", "KALVORIA-OFFER 1 -2\n{}\n", AngebotsLage::Beschaedigt},
        Kaputt{"LengthHuge", "KALVORIA-OFFER 1 99999999999999999999\n{}\n",
               AngebotsLage::Beschaedigt},
        Kaputt{"VersionZero", "KALVORIA-OFFER 0 2\n{}\n", AngebotsLage::Beschaedigt},
        Kaputt{"NewerVersion", "KALVORIA-OFFER 2 2\n{}\n", AngebotsLage::Neuer},
        Kaputt{"NewerVersionCut", "KALVORIA-OFFER 7 9000\n{\"re", AngebotsLage::Neuer},
        Kaputt{"NotJson", mitText("{revision:1}"), AngebotsLage::Beschaedigt},
        Kaputt{"NotAnObject", mitText("[1]"), AngebotsLage::Beschaedigt},
        Kaputt{"RevisionMissing", mitText("{}"), AngebotsLage::Beschaedigt},
        Kaputt{"RevisionNegative", mitText(R"({"revision":-1})"), AngebotsLage::Beschaedigt},
        Kaputt{"RevisionText", mitText(R"({"revision":"1"})"), AngebotsLage::Beschaedigt},
        Kaputt{"ValueTooLarge",
               mitText(R"({"revision":1,"completion":[{"field":"a","value":3000000000}]})"),
               AngebotsLage::Beschaedigt},
        Kaputt{"ValueFraction",
               mitText(R"({"revision":1,"completion":[{"field":"a","value":1.5}]})"),
               AngebotsLage::Beschaedigt},
        Kaputt{"EntryWithoutField", mitText(R"({"revision":1,"specification":[{"text":"a"}]})"),
               AngebotsLage::Beschaedigt},
        Kaputt{"CheckedNotBool",
               mitText(R"({"revision":1,"completion":[{"field":"a","checked":1}]})"),
               AngebotsLage::Beschaedigt},
        Kaputt{"ProjectDataNumber", mitText(R"({"revision":1,"projectData":{"customer":5}})"),
               AngebotsLage::Beschaedigt},
        Kaputt{"InvalidUtf8", mitText("{\"revision\":1,\"pack\":\"\xC3\x28\"}"),
               AngebotsLage::Beschaedigt},
        Kaputt{"DeepNesting", mitText(std::string(100000, '[') + std::string(100000, ']')),
               AngebotsLage::Beschaedigt},
        Kaputt{"TextTooLong", mitText(R"({"revision":1,"pack":")" + std::string(5000, 'a') + "\"}"),
               AngebotsLage::Beschaedigt}),
    [](const testing::TestParamInfo<Kaputt>& i) { return std::string(i.param.name); });

TEST(Angebotsblock, OperatingPointsRoundTripAndStayApartFromTheOffer) {
    AngebotsBlock b = beispiel();
    Betriebspunkt p;
    p[PunktLeistung] = "150.5";
    p[PunktTEinWarm] = "70";
    p[PunktDruckverlustKalt] = "35 \"kPa\"";
    b.betriebspunkte = {p, Betriebspunkt{}};
    const AngebotGelesen g = angebotDekodieren(angebotKodieren(b));
    ASSERT_EQ(g.lage, AngebotsLage::Gelesen);
    EXPECT_FALSE(g.punkteBeschaedigt);
    EXPECT_EQ(*g.block, b);
    EXPECT_TRUE(g.block->weitere.empty());  // a member of its own, not an unknown one
    // no points: no member, the block of before
    EXPECT_EQ(angebotKodieren(beispiel()).find("furtherOperatingPoints"), std::string::npos);
    AngebotsBlock nur;
    nur.betriebspunkte = {p};
    EXPECT_TRUE(nurBetriebspunkte(nur));
    EXPECT_FALSE(nurBetriebspunkte(b));
}

class PunkteKaputt : public testing::TestWithParam<std::pair<const char*, std::string>> {};

// A points member that is no list of short texts costs the points only.
TEST_P(PunkteKaputt, OfferIsReadWithoutThePoints) {
    const AngebotGelesen g = angebotDekodieren(mitText(
        R"({"revision":3,"pack":"T10","furtherOperatingPoints":)" + GetParam().second + "}"));
    ASSERT_EQ(g.lage, AngebotsLage::Gelesen);
    EXPECT_TRUE(g.punkteBeschaedigt);
    EXPECT_EQ(g.block->revision, 3);
    EXPECT_EQ(g.block->paket, "T10");
    EXPECT_TRUE(g.block->betriebspunkte.empty());
    EXPECT_TRUE(g.block->weitere.empty());
}

std::string punkteListe(size_t n) {
    std::string s = "[";
    for (size_t i = 0; i < n; ++i) s += std::string(i ? "," : "") + R"({"duty":"1"})";
    return s + "]";
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, PunkteKaputt,
    testing::Values(std::pair{"NotAList", std::string(R"({"duty":"1"})")},
                    std::pair{"PointNotAnObject", std::string(R"(["150"])")},
                    std::pair{"NumberNotText", std::string(R"([{"duty":150}])")},
                    std::pair{"NullText", std::string(R"([{"warmIn":null}])")},
                    std::pair{"TextTooLong", R"([{"duty":")" + std::string(65, '1') + "\"}]"},
                    std::pair{"TooManyPoints", punkteListe(kMaxWeiterePunkte + 1)}),
    [](const auto& i) { return std::string(i.param.first); });
