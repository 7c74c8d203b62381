// Checks the shipped language files and settings file against the list of
// texts the program needs and against every lookup in the source tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "datalib/ini.h"
#include "source_scan.h"
#include "verzeichnis.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kLanguageSections = {"about",           "maindialog",
                                                    "buttons",         "menu",
                                                    "combobox",        "global",
                                                    "error",           "unit",
                                                    "result",          "warning",
                                                    "settingsdialog",  "addmediumdialog",
                                                    "assemblydialog",  "anschluesse",
                                                    "zubehoerliste",   "spezifikation",
                                                    "ausschreibung",   "plattentypspalttypdlg",
                                                    "alternatives",    "betriebspunkte",
                                                    "projektdaten",    "kondatenblatt",
                                                    "plattenlegeplan", "kennlinie",
                                                    "stoffinfo",       "angebotsmappe"};

const std::vector<std::string> kLanguageFiles = {"kalvoria_uk.lng", "kalvoria_de.lng"};

using kaltest::distDir;
using kaltest::liesDatei;

CIniEx openLanguage(const std::string& file) {
    CIniEx ini;
    const std::string path = distDir() + "/language/" + file;
    EXPECT_NE(ini.Open(path, 0, 0, 1, 0), 0) << path;
    return ini;
}

using Pair = std::pair<std::string, std::string>;

std::vector<Pair> inventory() {
    std::vector<Pair> out;
    std::ifstream in(std::string(KAL_LANG_TEST_DIR) + "/language_keys.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        if (tab == std::string::npos) {
            ADD_FAILURE() << "inventory line without tab: " << line;
            continue;
        }
        out.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    return out;
}

std::set<Pair> allPairs(const CIniEx& ini) {
    std::set<Pair> out;
    for (const auto& s : ini.GetSections()) {
        std::vector<std::string> keys;
        ini.GetKeysInSection(s, keys);
        for (const auto& k : keys) out.emplace(s, k);
    }
    return out;
}

class LanguageFile : public ::testing::TestWithParam<std::string> {};

TEST_P(LanguageFile, IsValidUtf8WithoutStrayLines) {
    const std::string text = liesDatei(distDir() + "/language/" + GetParam());
    ASSERT_FALSE(text.empty());
    // Strict UTF-8 check: the dialogs and printouts take the bytes as UTF-8.
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        ASSERT_NE(len, 0) << "bad UTF-8 lead byte at " << i;
        ASSERT_LE(i + len, text.size());
        for (int j = 1; j < len; ++j)
            ASSERT_EQ(static_cast<unsigned char>(text[i + j]) >> 6, 2) << "bad UTF-8 at " << i;
        i += len;
    }
    // Every non-comment line is a section header or a key=value line, so no
    // text is silently dropped by the reader.
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == ';' || line[first] == '#') continue;
        const bool header = line[first] == '[' && line.find(']') != std::string::npos;
        EXPECT_TRUE(header || line.find('=') != std::string::npos)
            << GetParam() << ":" << n << ": " << line;
    }
}

TEST_P(LanguageFile, HoldsEveryInventoryEntry) {
    const CIniEx ini = openLanguage(GetParam());
    const auto inv = inventory();
    ASSERT_GT(inv.size(), 300u);
    for (const auto& [section, key] : inv) {
        EXPECT_TRUE(ini.HasSection(section)) << GetParam() << ": no section " << section;
        EXPECT_FALSE(ini.GetValue(section, key, "").empty())
            << GetParam() << ": " << section << "/" << key;
    }
}

TEST_P(LanguageFile, HoldsEveryLookupOfTheSource) {
    const CIniEx ini = openLanguage(GetParam());
    const fs::path src = fs::path(KAL_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src)) << src;
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        if (!e.is_regular_file()) continue;
        const auto ext = e.path().extension();
        if (ext != ".cpp" && ext != ".h") continue;
        ++files;
        for (const auto& l : kal::langtest::languageLookups(liesDatei(e.path()), kLanguageSections))
            EXPECT_FALSE(ini.GetValue(l.section, l.key, "").empty())
                << GetParam() << ": " << l.section << "/" << l.key << " used at "
                << e.path().string() << ":" << l.line;
    }
    EXPECT_GT(files, 0);
}

// The engine reports messages through helpers that take the key of
// section "error" (warnings take their text from "error" as well).
TEST_P(LanguageFile, HoldsEveryEngineMessageKey) {
    const CIniEx ini = openLanguage(GetParam());
    const std::regex aufruf(R"re(\b(meldeFehler|meldeWarnung|fehler|warnung)\(\s*"([^"]+)")re");
    int gefunden = 0;
    for (const char* ordner : {"src/engine", "src/permissions"}) {
        const fs::path dir = fs::path(KAL_SOURCE_DIR) / ordner;
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            if (!e.is_regular_file() || e.path().extension() != ".cpp") continue;
            const std::string text = liesDatei(e.path());
            for (auto it = std::sregex_iterator(text.begin(), text.end(), aufruf);
                 it != std::sregex_iterator(); ++it) {
                ++gefunden;
                const std::string key = (*it)[2];
                EXPECT_FALSE(ini.GetValue("error", key, "").empty())
                    << GetParam() << ": error/" << key << " used in " << e.path().string();
            }
        }
    }
    EXPECT_GT(gefunden, 40);
}

TEST_P(LanguageFile, TitleByKeyAloneIsTheProgramTitle) {
    const CIniEx ini = openLanguage(GetParam());
    EXPECT_EQ(ini.GetValue("title"), "kalvoria");
}

TEST_P(LanguageFile, ResultCountsTakeExactlyOneDouble) {
    // The two texts are printf formats fed one double; any other directive
    // would read past the argument.
    const CIniEx ini = openLanguage(GetParam());
    for (const char* key : {"ergebnis", "keinergebnis"}) {
        const std::string v = ini.GetValue("result", key, "");
        int conversions = 0;
        for (size_t i = 0; i < v.size(); ++i) {
            if (v[i] != '%') continue;
            if (i + 1 < v.size() && v[i + 1] == '%') {
                ++i;
                continue;
            }
            size_t j = i + 1;
            while (j < v.size() && std::string("0123456789.-+ #").find(v[j]) != std::string::npos)
                ++j;
            ASSERT_LT(j, v.size()) << key;
            EXPECT_NE(std::string("fFgGeE").find(v[j]), std::string::npos) << key << ": " << v;
            ++conversions;
            i = j;
        }
        EXPECT_EQ(conversions, 1) << key << ": " << v;
    }
}

TEST_P(LanguageFile, MessagesGlueToFollowingTextKeepTheirBlank) {
    // These texts are followed directly by a path.
    const CIniEx ini = openLanguage(GetParam());
    for (const char* key : {"readingfile", "dateiNichtGeoeffnet", "dateiNichtGespeichert"}) {
        const std::string v = ini.GetValue("error", key, "");
        ASSERT_FALSE(v.empty()) << key;
        EXPECT_EQ(v.back(), ' ') << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LanguageFile, ::testing::ValuesIn(kLanguageFiles),
                         [](const auto& info) { return info.param.substr(9, 2); });

TEST(LanguageFiles, HaveTheSameEntries) {
    const auto uk = allPairs(openLanguage("kalvoria_uk.lng"));
    const auto de = allPairs(openLanguage("kalvoria_de.lng"));
    for (const auto& p : uk)
        EXPECT_TRUE(de.count(p)) << "only in uk: " << p.first << "/" << p.second;
    for (const auto& p : de)
        EXPECT_TRUE(uk.count(p)) << "only in de: " << p.first << "/" << p.second;
}

TEST(LanguageFiles, InventoryHasNoDuplicates) {
    const auto inv = inventory();
    const std::set<Pair> unique(inv.begin(), inv.end());
    EXPECT_EQ(unique.size(), inv.size());
}

TEST(SettingsFile, HasRequiredEntries) {
    CIniEx ini;
    ASSERT_NE(ini.Open(distDir() + "/kalvoria.ini", 1, 0, 0, 0), 0);
    EXPECT_EQ(ini.GetValue("languages", "uk", ""), "English");
    EXPECT_EQ(ini.GetValue("languages", "de", ""), "Deutsch");
    std::vector<std::string> codes;
    ini.GetKeysInSection("languages", codes);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), "uk");
    for (const auto& code : codes)
        EXPECT_TRUE(fs::exists(distDir() + "/language/kalvoria_" + code + ".lng")) << code;
    EXPECT_EQ(ini.GetValue("Daten", "version", ""), "12");
    EXPECT_EQ(ini.GetValue("Daten", "kennstring", ""), "1");
    EXPECT_EQ(ini.GetValue("Daten", "Ral-Nr", ""), "5012");
    EXPECT_EQ(ini.GetValue("waehrung", "waehrung", ""), "EUR");
    for (const char* k : {"info1", "info2", "info3", "info4", "info5"})
        EXPECT_FALSE(ini.GetValue("info", k, "").empty()) << k;
}

TEST(Installation, HasLogoAndHelp) {
    const std::string logo = liesDatei(distDir() + "/pic/Logo.bmp");
    ASSERT_GE(logo.size(), 54u);
    EXPECT_EQ(logo.substr(0, 2), "BM");
    auto le = [&](size_t off, int bytes) {
        long v = 0;
        for (int b = bytes - 1; b >= 0; --b)
            v = (v << 8) | static_cast<unsigned char>(logo[off + b]);
        return v;
    };
    EXPECT_EQ(le(2, 4), static_cast<long>(logo.size()));
    EXPECT_EQ(le(28, 2), 24);  // bits per pixel
    const long w = le(18, 4), h = le(22, 4);
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    EXPECT_EQ(le(10, 4) + ((w * 3 + 3) / 4 * 4) * h, static_cast<long>(logo.size()));
    for (const char* lang : {"uk", "de"}) {
        const std::string help = liesDatei(distDir() + "/help/" + std::string(lang) + "/index.htm");
        EXPECT_NE(help.find("<html"), std::string::npos) << lang;
        EXPECT_NE(help.find("kalvoria-cli"), std::string::npos) << lang;
    }
}

}  // namespace

#include <nlohmann/json.hpp>

namespace {

// The connection lists show kind, material and remark of each connection
// through section "anschluesse"; a missing entry would show the raw data text.
TEST(ConnectionTexts, CoverTheShippedConnectionData) {
    const fs::path file = fs::path(distDir()) / "data" / "anschluesse.json";
    if (!fs::exists(file)) GTEST_SKIP() << "no connection data in " << file;
    const auto json = nlohmann::json::parse(liesDatei(file), nullptr, false);
    ASSERT_FALSE(json.is_discarded());
    ASSERT_TRUE(json.contains("anschluesse"));
    for (const auto& lang : kLanguageFiles) {
        const CIniEx ini = openLanguage(lang);
        for (const auto& rec : json["anschluesse"]) {
            for (const char* field : {"art", "material", "bemerkung"}) {
                if (!rec.contains(field) || !rec[field].is_string()) continue;
                const std::string text = rec[field].get<std::string>();
                if (text.empty()) continue;
                EXPECT_FALSE(ini.GetValue("anschluesse", text, "").empty())
                    << lang << ": anschluesse/" << text;
            }
        }
    }
}

}  // namespace
