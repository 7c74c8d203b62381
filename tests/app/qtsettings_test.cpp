#include "app/qtsettings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "verzeichnis.h"

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TEST(QtSettingsPort, StoresAndReadsBackFromAFile) {
    kaltest::TempDir tmp;
    const QString file = q(tmp.pfad("sub/kalvoria.conf"));
    {
        kal::QtSettingsPort s(file);
        ASSERT_TRUE(s.openKey());  // creates the missing folder
        EXPECT_EQ(s.readValue("language"), std::nullopt);
        EXPECT_TRUE(s.writeValue("language", "Deutsch"));
        EXPECT_TRUE(s.writeValue("unit", "1,2,3,0,0,0,0,0,0,0,0,1,0,0,0"));
    }
    kal::QtSettingsPort again(file);
    ASSERT_TRUE(again.openKey());
    EXPECT_EQ(again.readValue("language"), "Deutsch");
    EXPECT_EQ(again.readValue("unit"), "1,2,3,0,0,0,0,0,0,0,0,1,0,0,0");
}

TEST(QtSettingsPort, HandEditedListValueReadsAsText) {
    kaltest::TempDir tmp;
    tmp.schreibe("k.conf", "[General]\nunit=1,2,3\n");
    kal::QtSettingsPort s(q(tmp.pfad("k.conf")));
    EXPECT_EQ(s.readValue("unit"), "1,2,3");
}

TEST(QtSettingsPort, UnwritableStoreFailsToOpen) {
    if (geteuid() == 0) GTEST_SKIP() << "root can write anywhere";
    namespace fs = std::filesystem;
    kaltest::TempDir tmp;
    fs::permissions(tmp.dir(), fs::perms::owner_read | fs::perms::owner_exec);
    kal::QtSettingsPort s(q(tmp.pfad("sub/k.conf")));
    EXPECT_FALSE(s.openKey());
    EXPECT_FALSE(s.writeValue("language", "x"));
    fs::permissions(tmp.dir(), fs::perms::owner_all);
}

TEST(QtSettingsPort, StoreBlockedByAFileFailsToOpen) {
    // A plain file where the folder should be: neither root nor anyone can
    // create the store.
    kaltest::TempDir tmp;
    tmp.schreibe("blocked", "");
    kal::QtSettingsPort s(q(tmp.pfad("blocked/k.conf")));
    EXPECT_FALSE(s.openKey());
    EXPECT_FALSE(s.writeValue("language", "x"));
}
