// The action files of the command lines: a file larger than the limit is
// refused before it is read, one at the limit is read, and a device without
// an end is read no further than the limit allows.
#include "ports/benutzeraktion.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "verzeichnis.h"

using namespace kal;

TEST(Aktionsdatei, SizeLimitAndUnreadableFiles) {
    kaltest::TempDir dir;
    const std::string text = R"([{"id": 1176, "select": 26}])";
    dir.schreibe("gross.json", text);
    std::string fehler;
    ASSERT_TRUE(aktionenDatei(dir.pfad("gross.json"), fehler).has_value()) << fehler;
    // blanks after the list up to the limit: read as the list
    dir.schreibe("gross.json", text + std::string(kAktionsdateiMax - text.size(), ' '));
    EXPECT_EQ(aktionenDatei(dir.pfad("gross.json"), fehler)->size(), 1u) << fehler;
    // a zero byte is no JSON, whatever follows it
    dir.schreibe("null.json", text + std::string(1, '\0') + "garbage");
    EXPECT_FALSE(aktionenDatei(dir.pfad("null.json"), fehler).has_value());
    EXPECT_EQ(fehler, "not a JSON list of actions");
    // one byte more is refused unread (a sparse file)
    std::filesystem::resize_file(dir.pfad("gross.json"), kAktionsdateiMax + 1);
    EXPECT_FALSE(aktionenDatei(dir.pfad("gross.json"), fehler).has_value());
    EXPECT_EQ(fehler, "larger than 16 MiB: not an action file");
    EXPECT_FALSE(aktionenDatei("/dev/zero", fehler).has_value());
    EXPECT_EQ(fehler, "larger than 16 MiB: not an action file");
    for (const std::string& pfad : {dir.dir(), dir.pfad("fehlt.json")}) {
        EXPECT_FALSE(aktionenDatei(pfad, fehler).has_value()) << pfad;
        EXPECT_EQ(fehler, "cannot read the file");
    }
}
