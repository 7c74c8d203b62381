#include "source_scan.h"

#include <gtest/gtest.h>

using kal::langtest::languageLookups;

namespace {

const std::vector<std::string> kSections = {"error", "maindialog", "spezifikation",
                                            "ausschreibung"};

std::vector<std::string> pairs(const std::string& src) {
    std::vector<std::string> out;
    for (const auto& l : languageLookups(src, kSections)) out.push_back(l.section + "/" + l.key);
    return out;
}

struct ScanCase {
    const char* name;
    const char* source;
    std::vector<std::string> expected;
};

class SourceScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SourceScan, FindsLookups) {
    EXPECT_EQ(pairs(GetParam().source), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SourceScan,
    ::testing::Values(
        ScanCase{"plain", R"(s.GetValue("error", "mindestens5", "");)", {"error/mindestens5"}},
        ScanCase{"line break between", "f(\"maindialog\",\n   \"ton\")", {"maindialog/ton"}},
        ScanCase{
            "key with blanks", R"(g("error", "falsche ed_version"))", {"error/falsche ed_version"}},
        ScanCase{"key equal to a section",
                 R"(g("error", "ausschreibung", ""))",
                 {"error/ausschreibung"}},
        ScanCase{"line comment", "// g(\"error\", \"alt\")\nx();", {}},
        ScanCase{
            "block comment", "/* g(\"error\", \"alt\") */ g(\"error\", \"neu\")", {"error/neu"}},
        ScanCase{"unknown section", R"(g("Daten", "version"))", {}},
        ScanCase{"not adjacent", R"(g("error", x, "key"))", {}},
        ScanCase{"concatenation is no pair", R"(x = "error" "abc";)", {}},
        ScanCase{"list of sections", R"(v = {"error", "maindialog", "spezifikation"};)", {}},
        ScanCase{"escaped quote",
                 R"(a("\"error\"", "x"); g("maindialog", "warm"))",
                 {"maindialog/warm"}},
        ScanCase{"char literal quote", R"(c = '"'; g("error", "e1"))", {"error/e1"}},
        ScanCase{
            "raw string", "r = R\"(g(\"error\", \"raw\"))\"; g(\"error\", \"e2\")", {"error/e2"}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

TEST(SourceScanLines, ReportsLineOfSection) {
    const auto l = languageLookups("\n\ng(\"error\",\n\"x\")", kSections);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].line, 3);
}

}  // namespace
