// The device identification string: its layout on the shipped data, that
// different choices give different strings, and that every string reads
// back into exactly the choices it was built from.
#include "datalib/geraetekennstring.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "ausgeliefert.h"

namespace {
const Data& daten() { return kaltest::ausgelieferteDaten(); }

// List position of a channel type by name: the list order is the data's.
int typ(const std::string& name) {
    const auto& l = daten().getSpalttypListe().alle();
    for (size_t i = 0; i < l.size(); ++i)
        if (l[i].getName() == name) return static_cast<int>(i);
    return -1;
}

CGeraeteKennstring::Angaben wasser() {
    CGeraeteKennstring::Angaben a;
    a.plattentyp = 2;  // KX 08
    a.materialPlatte = 1;
    a.druckstufe = 2;
    a.dichtungWarm = a.dichtungKalt = 3;
    a.gestell = 1;
    a.spalttyp = {typ("ML"), -1};
    a.anzahl = {12, 0};
    a.serien = 1;
    a.anschlussWarm = 17;
    a.anschlussKalt = 23;
    return a;
}

std::string baue(const CGeraeteKennstring::Angaben& a) {
    CGeraeteKennstring k(daten());
    k.laden(a);
    return k.GeraeteKennstringErzeugen();
}
}  // namespace

TEST(Geraetekennstring, ReadsLikeAnOrderCode) {
    EXPECT_EQ(baue(wasser()), "KX08-25-1P-316-PN10-EPDMHT-G1D-12ML-A17.A23");
    CGeraeteKennstring::Angaben a = wasser();
    a.plattentyp = 3;
    a.spalttyp = {typ("HH"), typ("HM")};
    a.anzahl = {6, 4};
    a.serien = 2;
    a.dichtungKalt = 1;
    a.gestellVariante = 1;
    a.lackierung = 1;
    a.anschlussKalt = 0;
    EXPECT_EQ(baue(a), "KX14-41-2P-316-PN10-EPDMHT.NBR-G1A-6HH+4HM-A17.A0-RAL");
}

TEST(Geraetekennstring, NoStringForUnknownChoicesOrAnotherFormat) {
    for (auto aendere : {+[](CGeraeteKennstring::Angaben& a) { a.plattentyp = 99; },
                         +[](CGeraeteKennstring::Angaben& a) { a.dichtungKalt = 0; },
                         +[](CGeraeteKennstring::Angaben& a) { a.gestellVariante = 2; },
                         +[](CGeraeteKennstring::Angaben& a) {
                             a.spalttyp = {-1, -1};
                         },
                         +[](CGeraeteKennstring::Angaben& a) { a.spalttyp[0] = 9; },
                         +[](CGeraeteKennstring::Angaben& a) { a.serien = 0; },
                         +[](CGeraeteKennstring::Angaben& a) { a.format = 3; }}) {
        CGeraeteKennstring::Angaben a = wasser();
        aendere(a);
        EXPECT_EQ(baue(a), "");
    }
}

// Random choices from the data: distinct choices give distinct strings and
// every string decodes to its choices.
TEST(Geraetekennstring, UniqueAndDecodable) {
    std::mt19937 zufall(7);
    auto id = [&](const auto& liste) {
        return liste.alle()[zufall() % liste.alle().size()].getObjectId();
    };
    std::map<std::string, CGeraeteKennstring::Angaben> gesehen;
    for (int i = 0; i < 400; ++i) {
        CGeraeteKennstring::Angaben a;
        a.plattentyp = id(daten().getPlattentypAListe());
        a.materialPlatte = id(daten().getMaterialPlatteAListe());
        a.druckstufe = id(daten().getDruckstufeAListe());
        a.dichtungWarm = id(daten().getDichtungAListe());
        a.dichtungKalt = id(daten().getDichtungAListe());
        a.gestell = id(daten().getMaterialGestellUListe());
        a.gestellVariante = static_cast<int>(zufall() % 2);
        a.spalttyp = {static_cast<int>(zufall() % 9), static_cast<int>(zufall() % 10) - 1};
        a.anzahl = {static_cast<int>(3 + zufall() % 40),
                    a.spalttyp[1] < 0 ? 0 : static_cast<int>(3 + zufall() % 40)};
        a.serien = static_cast<int>(1 + zufall() % 4);
        a.anschlussWarm = id(daten().getAnschlussUListe());
        a.anschlussKalt = static_cast<int>(zufall() % 2) ? id(daten().getAnschlussUListe()) : 0;
        a.lackierung = static_cast<int>(zufall() % 2);
        std::string s = baue(a);
        ASSERT_FALSE(s.empty());
        auto zurueck = CGeraeteKennstring::zerlegen(daten(), s);
        ASSERT_TRUE(zurueck.has_value()) << s;
        EXPECT_EQ(*zurueck, a) << s;
        // one string, one set of choices
        auto [it, neu] = gesehen.emplace(s, a);
        if (!neu) {
            EXPECT_EQ(it->second, a) << s;
        }
    }
}

TEST(Geraetekennstring, RefusesWhatItNeverWrites) {
    for (const char* s : {"", "KX08", "KX08-25-1P-316-PN10-EPDMHT-G1D-12ML-A17.A23-XYZ",
                          "KX08-26-1P-316-PN10-EPDMHT-G1D-12ML-A17.A23",   // plates do not match
                          "KX08-25-1P-316-PN10-EPDMHT-G01D-12ML-A17.A23",  // leading zero
                          "KX08-25-1P-316-PN10-EPDMHT.EPDMHT-G1D-12ML-A17.A23",
                          "KX08-25-1P-316-PN11-EPDMHT-G1D-12ML-A17.A23",  // no such stage
                          "KX08-25-1P-316-PN10-EPDMHT-G1D-12QQ-A17.A23",  // no such channel type
                          "KX08-25-1P-316-PN10-EPDMHT-G1D-12ML-A17",      // one connection only
                          "KX08-25-1P-316-PN10-EPDMHT-G1X-12ML-A17.A23"})
        EXPECT_FALSE(CGeraeteKennstring::zerlegen(daten(), s).has_value()) << s;
}
