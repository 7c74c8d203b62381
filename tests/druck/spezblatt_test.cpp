// The specification sheet on the recording page: every row in its column
// for a condensing case, the row and frame variants of gas, user-defined
// media, drain lines and the note, the column fractions, and a long remark
// that wraps and continues below a fresh header.
#include "druck/spezblatt.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "druck/projektdaten.h"
#include "ids/dialog_ids.h"
#include "seite.h"
#include "umgebung.h"

using namespace kal;

namespace {

// Every field shows its own id, so each printed value names its source.
Form felder() {
    Form f;
    for (int id = 1000; id < 1500; ++id) f.setText(id, std::to_string(id));
    f.setText(sp::AnschlussWarm, "Drilling pattern, DN 65, stainless steel AISI 316");
    f.setText(sp::AnschlussKalt, "Special connection");
    f.setText(sp::BemerkungKalt, "");
    return f;
}

Spezblattangaben kondensierend() {
    Spezblattangaben a;
    a.geraetekennstring = "KX08-15-1P";
    a.preisCode = "KX 08-15";
    a.kondensation = true;
    a.entleerungVarianteWarm = 1;
    a.entleerungTextWarm = "F4 : drain";
    a.nennweiteTextWarm = "DN 25";
    return a;
}

struct Blatt {
    kaltest::Umgebung u;
    CDialogProjektDaten kopf{u.app};
    RecordingPage seite;
    Spezblattangaben angaben;
    bool ok = false;
    Blatt(const Form& f, const Spezblattangaben& a, RecordingPage s = RecordingPage(4960, 7016, 10))
        : seite(s), angaben(a) {
        ok = druckeSpezifikationsblatt(seite, u.app.getSprache(), kopf, f, a);
    }

    // The body below each page header: texts grouped in lines, each line
    // with its step from the last (in lines, else in device units), the
    // columns named (bold marked *); frames by the lines they hold, the
    // separator.
    std::string layout() const {
        RecordingPage leer = seite;
        const int kopfEnde = kopf.KopfDrucken(
            leer, Rechteck{0, 0, seite.pageWidth(), seite.pageHeight()}, angaben.geraetekennstring,
            angaben.preisCode, "spezifikation", 2, 2, 0.995);
        const Spezspalten s(seite.pageWidth());
        const std::map<int, std::string> namen = {
            {s.links, "L"},  {s.unterspalte, "S"},  {s.einheitWarm, "UW"}, {s.wertWarm, "VW"},
            {s.mitte, "VM"}, {s.einheitKalt, "UC"}, {s.wertKalt, "VC"}};
        const int h = seite.lineHeight(11);
        std::string aus;
        int seiteNr = 0, zeileY = -1, letzteY = -1;
        for (const std::string& eintrag : seite.log) {
            std::istringstream in(eintrag);
            std::string art;
            int x = 0, y = 0, r = 0, u = 0;
            in >> art;
            if (art == "startPage" && ++seiteNr > 1) {
                aus += "\n--- page " + std::to_string(seiteNr);
                letzteY = -1;
            }
            if (art == "rect" && in >> x >> y >> r >> u && y >= kopfEnde) {
                EXPECT_EQ(x, s.links - 4);
                EXPECT_EQ(r, s.rahmenRechts);
                aus += "\n[frame " + std::to_string((u - y - 20) / h) +
                       ((u - y - 20) % h ? " +?" : "") + "]";
                zeileY = -1;
            }
            if (art == "line" && in >> x >> y && y >= kopfEnde) {
                aus += "\n[separator]";
                zeileY = -1;
            }
            if (art != "text") continue;
            char ausrichtung = 0;
            int gewicht = 0;
            in >> x >> y >> ausrichtung >> gewicht;
            if (y < kopfEnde) continue;
            std::string text;
            in.get();
            std::getline(in, text);
            auto spalte = namen.find(x);
            if (y != zeileY && letzteY >= 0)
                aus += "\n+" +
                       ((y - letzteY) % h ? std::to_string(y - letzteY) + "u"
                                          : std::to_string((y - letzteY) / h)) +
                       " ";
            else if (y != zeileY)
                aus += "\n";
            aus += (y == zeileY ? "  " : "") +
                   (spalte == namen.end() ? std::to_string(x) : spalte->second) +
                   (gewicht == 700 ? "* " : " ") + text;
            zeileY = letzteY = y;
        }
        return aus + "\n";
    }
};

}  // namespace

// A condensing warm side with a drain line, a side remark and a second
// channel type: every row in its column with its line step, the frames.
TEST(Spezblatt, CondensingSheetRowByRow) {
    Blatt b(felder(), kondensierend());
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.layout(), R"(
L Technical data  UW Warm side  UC Cold side
+280u L* Medium  UW* 1364  UC* 1365
+140u UW 1397
+140u VW Vapour  VM Condensate
[frame 4]
+145u L Mass flow  UW 1312  VW 1386  UC 1359  VC 1384
+1 L Volume flow  UW 1357  VW 1187  UC 1358  VC 1189
+1 L Inlet temperature  UW 1313  VW 1188  UC 1368  VC 1277
+1 L Outlet temperature  UW 1314  VM 1278  UC 1371  VC 1279
+240u L* Fluid properties
[frame 6]
+145u L Dynamic viscosity  UW 1315  VW 1194  VM 1195  UC 1372  VC 1280
+1 L Density  UW 1316  VW 1204  VM 1205  UC 1373  VC 1281
+1 L Specific heat capacity  UW 1317  VW 1282  VM 1298  UC 1374  VC 1283
+1 L Thermal conductivity  UW 1318  VW 1284  VM 1351  UC 1375  VC 1285
+1 L Condensation enthalpy  UW 1381  VW 1287  VM ---  UC ---  VC ---
+1 L Steam pressure  UW 1343  VW 1356  VM ---  UC ---  VC ---
+240u L* Performance data
[frame 10]
+145u L Heat duty  UW 1322  VM 1306
+1 L Heat transfer area  UW 1324  VM 1307
+1 L Mean temp. diff. LMTD / CMTD  UW 1326  VM 1308/1360
+1 L k-value required / effective  UW 1328  VM 1309/1361
+1 L Fouling factor  UW 1330  VM 1310
+1 L Area reserve  UW 1332  VM 1029
+1 L Pressure drop  UW 1319  VW 1295  UC 1376  VC 1299
+1 L Passes  VW 1296  VC 1300
+1 L Total channels  VM 1271
+1 L Channels  VM 1302*1366 + 1335*1367
--- page 2
L* Design
[frame 19]
+145u L Weight  UW 1342  VM approx. 1339
+1 L Hold-up volume  UW 1320  VW 1297  VC 1301
+1 L Design pressure  UW 1343  VM 1340
+1 L Max. operating temperature  UW 1344  VM 1341
[separator]
+3 L Materials  S Plates  UW 1345 ( 1378 mm )
+1 S Gaskets  UW 1346 / 1380
+1 S Frame  UW 1347
+1 L Connections  S Warm side  UW 1057 : 
+1 UW Drilling pattern, DN 65,
+1 UW stainless steel AISI 316
+1 UW F4 : drain
+1 UW DN 25
+2 S Cold side  UW 1059 : 
+1 UW Special connection
+460u L* Remark
[frame 1]
+145u L 1369
)");
    // the columns are fractions of the width: a wider page, the same sheet
    RecordingPage breit(9000, 7016, 10);
    EXPECT_EQ(Blatt(felder(), kondensierend(), breit).layout(), b.layout());
}

// The variants of the property rows and frames: gas pressure with dashes
// for the side it does not apply to, the wall viscosity of user-defined
// media, drain lines, the customer's-alpha note (cold side not in
// Werksmodus), the remark line, the second channel type.
struct Variante {
    const char* name;
    std::function<void(Spezblattangaben&, Form&)> setzen;
    const char* rahmen;  // the five frames' line counts
    const char* zeilen;  // the rows that vary, as the layout shows them
};

void PrintTo(const Variante& v, std::ostream* o) { *o << v.name; }

class Varianten : public ::testing::TestWithParam<Variante> {};

TEST_P(Varianten, RowsAndFrames) {
    Spezblattangaben a;
    Form f = felder();
    f.setText(sp::BemerkungWarm, "");
    f.setText(sp::Spalttyp2, "");
    GetParam().setzen(a, f);
    const std::string layout = Blatt(f, a, RecordingPage(4960, 20000, 10)).layout();
    std::string rahmen, zeilen;
    std::istringstream in(layout);
    for (std::string z; std::getline(in, z);) {
        if (z.rfind("[frame ", 0) == 0) rahmen += z.substr(7, z.size() - 8) + " ";
        for (const char* merkmal : {"Operating pressure", "at the wall", "gas was given",
                                    "customer.", "+ 1335", "drain", " remark", "VM 1278"})
            if (z.find(merkmal) != std::string::npos) zeilen += z + "\n";
    }
    EXPECT_EQ(rahmen, GetParam().rahmen);
    EXPECT_EQ(zeilen, GetParam().zeilen);
}

INSTANTIATE_TEST_SUITE_P(
    Blatt, Varianten,
    ::testing::Values(
        Variante{"LiquidsNoRemarks", [](Spezblattangaben&, Form&) {}, "4 4 10 17 1 ", ""},
        Variante{"WarmGas", [](Spezblattangaben& a, Form&) { a.gasWarm = true; }, "4 5 10 17 1 ",
                 "+1 L Operating pressure  UW 1401  VW 1362  UC ---  VC ---\n"},
        Variante{"ColdGasBesideCondensing",
                 [](Spezblattangaben& a, Form&) { a.gasKalt = a.kondensation = a.gasWarm = true; },
                 "4 7 10 17 1 ",
                 "+1 L Outlet temperature  UW 1314  VM 1278  UC 1371  VC 1279\n"
                 "+1 L Operating pressure  UW ---  VW ---  VM ---  UC 1388  VC 1387\n"},
        Variante{
            "UserDefinedWarmGasNoteEvenInWerksmodus",
            [](Spezblattangaben& a, Form&) { a.gasWarm = a.eigenesWarm = a.werksmodus = true; },
            // the gas adds its frame line, yet a user-defined gas prints no pressure row
            "4 6 10 17 1 ",
            "+1 L Dynamic viscosity at the wall  UW 1402  VW 1429\n"
            // the note wraps within the frame
            "+3 L The heat transfer coefficient of the user-defined gas was given by the\n"
            "+1 L customer.\n"},
        Variante{"UserDefinedColdGasNote",
                 [](Spezblattangaben& a, Form&) { a.gasKalt = a.eigenesKalt = true; },
                 "4 6 10 17 1 ",
                 "+1 L Dynamic viscosity at the wall  UC 1403  VC 1428\n"
                 "+3 L The heat transfer coefficient of the user-defined gas was given by the\n"
                 "+1 L customer.\n"},
        Variante{
            "UserDefinedColdGasInWerksmodus",
            [](Spezblattangaben& a, Form&) { a.gasKalt = a.eigenesKalt = a.werksmodus = true; },
            "4 6 10 17 1 ", "+1 L Dynamic viscosity at the wall  UC 1403  VC 1428\n"},
        Variante{"DrainsBothSidesSecondTypeColdRemark",
                 [](Spezblattangaben& a, Form& f) {
                     a.entleerungVarianteWarm = a.entleerungVarianteKalt = 2;
                     a.entleerungTextWarm = "F4 : drain";
                     a.entleerungTextKalt = "F2 : drain";
                     f.setText(sp::Spalttyp2, "LL");
                     f.setText(sp::BemerkungKalt, "remark");
                 },
                 "4 4 10 21 1 ",
                 "+140u UC remark\n"
                 "+1 L Channels  VM 1302*1366 + 1335*LL\n"
                 "+1 UW F4 : drain\n"
                 "+2 UW F2 : drain\n"}),  // after the cold text's empty second line
    [](const auto& info) { return std::string(info.param.name); });

// A remark longer than the frame wraps inside it (the frame grows), a long
// side remark inside its column; what does not fit continues on the next
// page below the header, each frame whole on one page.
TEST(Spezblatt, LongRemarksWrapAndContinue) {
    Form f = felder();
    std::string lang;
    for (int i = 0; i < 40; ++i) lang += "word" + std::to_string(i) + " ";
    lang.pop_back();
    f.setText(sp::Bemerkung, lang);
    f.setText(sp::BemerkungWarm, lang.substr(0, 120));
    const int hoehe = 5000;
    Blatt b(f, kondensierend(), RecordingPage(4960, hoehe, 10));
    ASSERT_TRUE(b.ok);
    const Spezspalten s(4960);
    std::string bemerkung;
    int titel = 0, seiten = kaltest::anzahl(b.seite.log, "startPage");
    for (const kaltest::Gezeichnet& g : kaltest::texte(b.seite.log)) {
        titel += g.text == "Specification";
        EXPECT_LE(g.y + b.seite.lineHeight(11), hoehe * 97 / 100) << g.text;
        const int breite = b.seite.textWidth(g.text, PageFont{"", b.seite.lineHeight(11), 500});
        if (g.text.rfind("word", 0) == 0 && g.x == s.links) {
            bemerkung += (bemerkung.empty() ? "" : " ") + g.text;
            EXPECT_LE(g.x + breite, s.rahmenRechts);
        }
        if (g.text.rfind("word", 0) == 0 && g.x == s.einheitWarm) {
            EXPECT_LE(g.x + breite, s.einheitKalt);
        }
    }
    EXPECT_EQ(bemerkung, lang);
    EXPECT_GE(seiten, 3);
    EXPECT_EQ(titel, seiten);
    const std::string layout = b.layout();
    EXPECT_NE(layout.find("[frame 4]\n+145u L word0 "), std::string::npos) << layout;
}

// US unit labels wider than their column and a special connection text
// longer than the line: the columns make room, the text wraps inside the
// frame, which grows with it; no two texts touch, nothing leaves the frame.
TEST(Spezblatt, WideUnitsMakeRoomLongConnectionsWrap) {
    Form f = felder();
    for (int id : {sp::EinheitCpWarm, sp::EinheitCpKalt}) f.setText(id, "[BTU/(lb·°F)]");
    for (int id : {sp::EinheitLambdaWarm, sp::EinheitLambdaKalt}) f.setText(id, "[BTU/(h·ft·°F)]");
    for (int id : {sp::LambdaWarm, sp::KondensatLambda, sp::LambdaKalt}) f.setText(id, "0.0201032");
    const std::string sonder =
        "Special connection to drawing 4711-0815 rev. C, flanged, with counter flanges, bolts "
        "and gaskets, material to be agreed";
    f.setText(sp::AnschlussKalt, sonder);
    Blatt b(f, kondensierend(), RecordingPage(4960, 20000, 10));
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(kaltest::layoutFehler(b.seite), std::vector<std::string>{});
    std::string gedruckt;
    for (const RecordingPage::Text& t : b.seite.texte)
        if (t.text.find("Special") == 0 || (!gedruckt.empty() && gedruckt.size() < sonder.size()))
            gedruckt += (gedruckt.empty() ? "" : " ") + t.text;
    EXPECT_EQ(gedruckt, sonder);
    const std::string layout = b.layout();
    // 17 lines, 2 of the drain, 2 more of the cold connection text
    EXPECT_NE(layout.find("[frame 21]"), std::string::npos) << layout;
}
