#include "qtsettings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(QtSettingsPort, StoresAndReadsBackFromAFile) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString file = tmp.path() + "/sub/kalvoria.conf";
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
    QTemporaryDir tmp;
    const QString file = tmp.path() + "/k.conf";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nunit=1,2,3\n");
    f.close();
    kal::QtSettingsPort s(file);
    EXPECT_EQ(s.readValue("unit"), "1,2,3");
}

TEST(QtSettingsPort, UnwritableStoreFailsToOpen) {
    if (geteuid() == 0) GTEST_SKIP() << "root can write anywhere";
    QTemporaryDir tmp;
    QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::ExeOwner);
    kal::QtSettingsPort s(tmp.path() + "/sub/k.conf");
    EXPECT_FALSE(s.openKey());
    EXPECT_FALSE(s.writeValue("language", "x"));
    QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(QtSettingsPort, StoreBlockedByAFileFailsToOpen) {
    // A plain file where the folder should be: neither root nor anyone can
    // create the store.
    QTemporaryDir tmp;
    QFile f(tmp.path() + "/blocked");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    kal::QtSettingsPort s(tmp.path() + "/blocked/k.conf");
    EXPECT_FALSE(s.openKey());
    EXPECT_FALSE(s.writeValue("language", "x"));
}
