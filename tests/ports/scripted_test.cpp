#include "ports/scripted.h"

#include <gtest/gtest.h>

using namespace kal;

namespace {
struct Dummy : DialogModel {
    std::string dialogName() const override { return "Dummy"; }
};
}  // namespace

TEST(ScriptedDialogs, ScriptsRunInOrderThenCancel) {
    ScriptedDialogs d;
    d.scripts["Dummy"].push_back([](DialogModel&) { return 1; });
    d.scripts["Dummy"].push_back([](DialogModel& m) {
        m.close(7);
        return 1;
    });
    Dummy a, b, c;
    EXPECT_EQ(d.runDialog(a), 1);
    EXPECT_EQ(a.result(), 1);
    d.runDialog(b);
    EXPECT_EQ(b.result(), 7);  // the dialog's own close wins
    EXPECT_EQ(d.runDialog(c), 2);
    EXPECT_EQ(d.run.size(), 3u);
}

TEST(WaitCursorGuard, RestoresOnEveryExit) {
    CountingWaitCursor w;
    try {
        WaitCursorGuard g(w);
        EXPECT_EQ(w.depth, 1);
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(w.depth, 0);
    EXPECT_EQ(w.begun, 1);
}

TEST(MemorySettings, UnavailableAndReadOnly) {
    MemorySettings s;
    EXPECT_TRUE(s.writeValue("a", "1"));
    s.writable = false;
    EXPECT_FALSE(s.writeValue("a", "2"));
    EXPECT_EQ(s.readValue("a"), "1");
    s.available = false;
    EXPECT_FALSE(s.openKey());
    EXPECT_EQ(s.readValue("a"), std::nullopt);
}
