// The quotation file and its money: rounding to cents, totals with discount
// and VAT, the file read back as written (unknown members kept), and every
// kind of damaged or hostile file refused with a reason naming the member.
#include "angebot/angebotsmappe.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "angebot/mappensummen.h"
#include "projekt/projektdatei.h"

using namespace kal;
using Json = nlohmann::ordered_json;

namespace {

// A record the project reader accepts: the version field set, the rest empty.
std::string projekt(const std::string& name = "") {
    ProjektInhalt p;
    p.setzeFeld(PF_Version, kProjektVersion);
    p.setzeFeld(PF_NameWarm, name);
    return p.kodieren();
}

Angebotsmappe beispiel() {
    Angebotsmappe m;
    m.kunde = {"Müller & Söhne GmbH", {"Werk 2", "Hafenstraße 12", "12345 Musterstadt"}, "Frau M."};
    m.unsereReferenz = "Q-1";
    m.anfrageReferenz = "ANF 7";
    m.anfrageDatum = "01.12.2026";
    m.datum = "09.12.2026";
    m.gueltigkeit = "30 days";
    m.sprache = "de";
    m.waehrung = "EUR";
    m.revision = 2;
    m.positionen = {{projekt("A"), 2, "with spare gaskets", {}, true},
                    {projekt("B") + "tail", 1, "", {}, false}};
    m.bedingungen = {"30 days", "FCA", "crate", "12 months"};
    m.rabatt = 250;
    m.mwst = 1900;
    m.historie = {{0, "01.12.2026", 100000, 119000}, {1, "05.12.2026", 90000, 107100}};
    return m;
}
}  // namespace

// Cents are rounded half up on the decimal the amount was written as.
TEST(Mappensummen, CentsRoundHalfUp) {
    const std::pair<double, long long> faelle[] = {{0.0, 0},
                                                   {0.004, 0},
                                                   {0.005, 1},
                                                   {12.344, 1234},
                                                   {12.345, 1235},
                                                   {2.675, 268},
                                                   {1.005, 101},
                                                   {3903.0, 390300},
                                                   {0.1 + 0.2, 30},
                                                   {9999999.0, 999999900},
                                                   {123456789.125, 12345678913}};
    for (const auto& [betrag, cent] : faelle) EXPECT_EQ(kal::cent(betrag), cent) << betrag;
    EXPECT_FALSE(kal::cent(-0.01));
    EXPECT_FALSE(kal::cent(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(kal::cent(std::numeric_limits<double>::infinity()));
}

TEST(Mappensummen, TotalsTable) {
    struct Fall {
        std::vector<Positionspreis> positionen;
        int rabatt, mwst;
        long long zwischensumme, rabattCent, mwstCent, gesamt;
    };
    const Fall faelle[] = {
        // 11454.00 - 2.5 % = 11167.65; 19 % of it is 2121.8535
        {{{390300, 2, 4}, {364800, 1, 6}}, 250, 1900, 1145400, 28635, 212185, 1328950},
        // half a cent of discount and of VAT rounds up
        {{{1, 1, 1}}, 5000, 5000, 1, 1, 0, 0},
        {{{3, 1, 1}}, 5000, 5000, 3, 2, 1, 2},
        {{{999, 1, 1}}, 1650, 0, 999, 165, 0, 834},
        // VAT 0 and no discount: the subtotal is the total
        {{{12345, 7, 1}}, 0, 0, 86415, 0, 0, 86415},
        // the largest amounts a file admits do not overflow
        {{{999999900, 99999, 1}},
         9999,
         10000,
         99998990000100LL,
         99988990101100LL,
         9999899000LL,
         19999798000LL},
    };
    for (const Fall& f : faelle) {
        const Mappensummen s = summieren(f.positionen, f.rabatt, f.mwst);
        EXPECT_EQ(s.zwischensumme, f.zwischensumme);
        EXPECT_EQ(s.rabatt, f.rabattCent);
        EXPECT_EQ(s.netto, f.zwischensumme - f.rabattCent);
        EXPECT_EQ(s.mwst, f.mwstCent);
        EXPECT_EQ(s.gesamt, f.gesamt);
        EXPECT_EQ(s.gesamt, s.netto + s.mwst);
    }
}

TEST(Mappensummen, IncompletePositionsAndDeliveryTime) {
    const Mappensummen s =
        summieren({{100, 2, 8}, {std::nullopt, 3, 12}, {50, 1, std::nullopt}}, 0, 1900);
    ASSERT_EQ(s.positionen.size(), 3u);
    EXPECT_EQ(s.positionen[0], 200);
    EXPECT_FALSE(s.positionen[1]);
    EXPECT_EQ(s.zwischensumme, 250);
    EXPECT_FALSE(s.vollstaendig);
    EXPECT_EQ(s.lieferzeit, 12);  // the longest, the incomplete one's included
    EXPECT_TRUE(s.aufAnfrage);
    EXPECT_TRUE(summieren({}, 0, 0).vollstaendig);
    EXPECT_EQ(centText(123456), "1234.56");
    EXPECT_EQ(centText(5, true), "0,05");
    EXPECT_EQ(prozentText(1900), "19");
    EXPECT_EQ(prozentText(250, true), "2,5");
    EXPECT_EQ(prozentText(1), "0.01");
}

TEST(Angebotsmappe, Base64OfEveryLengthAndByte) {
    std::string alle;
    for (int i = 0; i < 256; ++i) alle += static_cast<char>(i);
    for (size_t n = 0; n <= alle.size(); n += (n < 8 ? 1 : 61)) {
        const std::string s = alle.substr(0, n);
        EXPECT_EQ(ausBasis64(basis64(s)), s) << n;
    }
    EXPECT_EQ(basis64("Man"), "TWFu");
    EXPECT_EQ(basis64("Ma"), "TWE=");
    for (const char* kaputt : {"TWF", "TW=u", "T===", "TWFu=", "TW\nu", "TWE=TWFu", "TWé="})
        EXPECT_FALSE(ausBasis64(kaputt)) << kaputt;
}

TEST(Angebotsmappe, RoundTripKeepsUnknownMembers) {
    const Angebotsmappe m = beispiel();
    const MappeGelesen g = mappeDekodieren(mappeKodieren(m));
    ASSERT_EQ(g.lage, MappenLage::Gelesen) << g.grund;
    EXPECT_EQ(*g.mappe, m);

    // a later addition of the same version, at the top and in a position
    Json j = Json::parse(mappeKodieren(m));
    j["signature"] = {{"by", "QA"}, {"ok", true}};
    j["positions"][1]["drawingNo"] = "Z-17";
    const MappeGelesen mit = mappeDekodieren(j.dump());
    ASSERT_EQ(mit.lage, MappenLage::Gelesen) << mit.grund;
    const Json zurueck = Json::parse(mappeKodieren(*mit.mappe));
    EXPECT_EQ(zurueck["signature"], j["signature"]);
    EXPECT_EQ(zurueck["positions"][1]["drawingNo"], "Z-17");
    EXPECT_FALSE(zurueck["positions"][0].contains("drawingNo"));
    // a position's printouts are named only where it goes without them
    EXPECT_FALSE(zurueck["positions"][0].contains("documents"));
    EXPECT_EQ(zurueck["positions"][1]["documents"], false);
    EXPECT_EQ(zurueck["discountPercent"], 2.5);
    EXPECT_EQ(ausBasis64(zurueck["positions"][1]["project"].get<std::string>()),
              m.positionen[1].projekt);
}

// Whatever is wrong, the reader refuses the file and says where.
TEST(Angebotsmappe, DamagedFilesAreRefusedWithTheirReason) {
    const std::string gut = mappeKodieren(beispiel());
    auto mit = [&](const std::function<void(Json&)>& aendern) {
        Json j = Json::parse(gut);
        aendern(j);
        return j.dump();
    };
    struct Fall {
        const char* name;
        std::string text;
        const char* grund;  // a part of the reason
    };
    const Fall faelle[] = {
        {"empty", "", "not a JSON object"},
        {"truncated", gut.substr(0, gut.size() / 2), "not a JSON object"},
        {"array", "[1,2]", "not a JSON object"},
        {"brackets", std::string(100000, '[') + std::string(100000, ']'), "nested too deeply"},
        {"no format", mit([](Json& j) { j.erase("format"); }), "format"},
        {"other format", mit([](Json& j) { j["format"] = "kalvoria-project"; }), "format"},
        {"version text", mit([](Json& j) { j["version"] = "1"; }), "version"},
        {"version 0", mit([](Json& j) { j["version"] = 0; }), "version"},
        {"version negative", mit([](Json& j) { j["version"] = -5; }), "version"},
        {"no positions", mit([](Json& j) { j.erase("positions"); }), "positions"},
        {"positions object", mit([](Json& j) { j["positions"] = Json::object(); }), "positions"},
        {"position number", mit([](Json& j) { j["positions"][0] = 7; }), "positions[1]"},
        {"project missing", mit([](Json& j) { j["positions"][1].erase("project"); }),
         "positions[2].project"},
        {"bad base64", mit([](Json& j) { j["positions"][0]["project"] = "@@@="; }),
         "positions[1].project: not valid base64"},
        {"not a project", mit([](Json& j) { j["positions"][0]["project"] = basis64("hello"); }),
         "positions[1].project: not a project file"},
        {"quantity 0", mit([](Json& j) { j["positions"][0]["quantity"] = 0; }),
         "positions[1].quantity"},
        {"quantity huge", mit([](Json& j) { j["positions"][0]["quantity"] = 1e300; }),
         "positions[1].quantity"},
        {"quantity 2^64",
         mit([](Json& j) { j["positions"][0]["quantity"] = 18446744073709551615ULL; }),
         "positions[1].quantity"},
        {"quantity fraction", mit([](Json& j) { j["positions"][0]["quantity"] = 1.5; }),
         "positions[1].quantity"},
        {"documents text", mit([](Json& j) { j["positions"][0]["documents"] = "no"; }),
         "positions[1].documents"},
        {"discount text", mit([](Json& j) { j["discountPercent"] = "5"; }), "discountPercent"},
        {"discount over 100", mit([](Json& j) { j["discountPercent"] = 100.5; }),
         "discountPercent"},
        {"vat negative", mit([](Json& j) { j["vatPercent"] = -1; }), "vatPercent"},
        {"vat huge", mit([](Json& j) { j["vatPercent"] = 1e308; }), "vatPercent"},
        {"revision huge", mit([](Json& j) { j["revision"] = 1LL << 40; }), "revision"},
        {"customer text", mit([](Json& j) { j["customer"] = "ACME"; }), "customer"},
        {"address number", mit([](Json& j) { j["customer"]["address"][1] = 12; }),
         "customer.address"},
        {"name too long", mit([](Json& j) { j["customer"]["name"] = std::string(5000, 'x'); }),
         "customer.name"},
        {"terms list", mit([](Json& j) { j["terms"] = Json::array(); }), "terms"},
        {"history cents", mit([](Json& j) { j["history"][0]["totalCents"] = -1; }),
         "history.totalCents"},
        {"history cents huge", mit([](Json& j) { j["history"][0]["totalCents"] = 1e19; }),
         "history.totalCents"},
        {"too many positions", mit([](Json& j) {
             for (int i = 0; i < 201; ++i) j["positions"].push_back(j["positions"][0]);
         }),
         "too many positions"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const MappeGelesen g = mappeDekodieren(f.text);
        EXPECT_EQ(g.lage, MappenLage::Beschaedigt);
        EXPECT_FALSE(g.mappe);
        EXPECT_NE(g.grund.find(f.grund), std::string::npos) << g.grund;
    }
}

TEST(Angebotsmappe, LaterVersionIsNamedNotRead) {
    for (const char* version : {"2", "99", "18446744073709551615"}) {
        const MappeGelesen g =
            mappeDekodieren(std::string(R"({"format": "kalvoria-quotation", "version": )") +
                            version + R"(, "positions": "another layout"})");
        EXPECT_EQ(g.lage, MappenLage::Neuer) << version;
        EXPECT_FALSE(g.mappe);
        EXPECT_GE(g.version, 2);
    }
}

// The customer file takes only the members it holds, and nothing when one
// of them is wrong.
TEST(Angebotsmappe, CustomerFileMergesWhatItHolds) {
    Angebotsmappe m = beispiel();
    std::string grund;
    ASSERT_TRUE(mappeErgaenzen(
        m, R"({"customer": {"name": "ACME"}, "vatPercent": 7.7, "terms": {"packing": "box"}})",
        grund))
        << grund;
    EXPECT_EQ(m.kunde.name, "ACME");
    EXPECT_EQ(m.kunde.adresse, beispiel().kunde.adresse);
    EXPECT_EQ(m.mwst, 770);
    EXPECT_EQ(m.rabatt, 250);
    EXPECT_EQ(m.bedingungen.verpackung, "box");
    EXPECT_EQ(m.bedingungen.zahlung, "30 days");
    EXPECT_EQ(m.positionen, beispiel().positionen);

    const Angebotsmappe vorher = m;
    EXPECT_FALSE(mappeErgaenzen(m, R"({"customer": {"name": "X"}, "vatPercent": "7"})", grund));
    EXPECT_NE(grund.find("vatPercent"), std::string::npos);
    EXPECT_EQ(m, vorher);
    EXPECT_FALSE(mappeErgaenzen(m, "{", grund));
}
