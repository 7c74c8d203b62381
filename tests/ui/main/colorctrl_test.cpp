#include "ui/main/colorctrl.h"

#include <gtest/gtest.h>

using namespace kal;

namespace {
SystemFarben sys() {
    SystemFarben s;
    s.buttonText = 1;
    s.windowText = 2;
    s.window = 3;
    s.buttonFace = 4;
    return s;
}
}  // namespace

TEST(CColorCtrl, ColourChoice) {
    struct Fall {
        const char* name;
        Farbe text, bk;
        ControlArt art;
        bool plattform;
        Farbe erwText, erwBk;
        bool bkPlattform;
    };
    const Fall faelle[] = {
        {"none at all", kKeineFarbe, kKeineFarbe, ControlArt::Static, true, 0, 0, false},
        {"red background", kKeineFarbe, rgb(255, 0, 0), ControlArt::Static, false, 2, 255, false},
        {"button text", kKeineFarbe, 9, ControlArt::Button, false, 1, 9, false},
        {"edit background", 7, kKeineFarbe, ControlArt::Edit, false, 7, 3, false},
        {"list background", 7, kKeineFarbe, ControlArt::ListBox, false, 7, 3, false},
        {"static background", 7, kKeineFarbe, ControlArt::Static, false, 7, 4, false},
        {"scroll bar", 7, kKeineFarbe, ControlArt::ScrollBar, false, 7, 0, true},
    };
    for (const Fall& f : faelle) {
        CColorCtrl c;
        c.SetTextColor(f.text);
        c.SetBkColor(f.bk);
        FarbWahl w = c.farbwahl(f.art, sys());
        EXPECT_EQ(w.plattform, f.plattform) << f.name;
        if (f.plattform) continue;
        EXPECT_EQ(w.text, f.erwText) << f.name;
        EXPECT_EQ(w.hintergrundPlattform, f.bkPlattform) << f.name;
        if (!f.bkPlattform) {
            EXPECT_EQ(w.hintergrund, f.erwBk) << f.name;
        }
    }
}

TEST(CColorCtrl, DisableDropsRedEnableRestoresIt) {
    CColorCtrl c;
    c.SetBkColor(rgb(255, 0, 0));
    c.SetEnabledBkColor(rgb(255, 0, 0));
    EXPECT_EQ(c.farbwahl(ControlArt::Static, sys()).hintergrund, 255u);
    c.aktivieren(false);
    EXPECT_TRUE(c.farbwahl(ControlArt::Static, sys()).plattform);
    c.aktivieren(true);
    EXPECT_EQ(c.farbwahl(ControlArt::Static, sys()).hintergrund, 255u);
}

TEST(CColorCtrl, BlinkPhasesAlternateOnTicks) {
    CColorCtrl steady;
    EXPECT_FALSE(steady.erzeugt());
    EXPECT_FALSE(steady.tick());
    EXPECT_EQ(steady.getPhase(), 0);

    CColorCtrl c;
    c.SetBkBlinkColors(rgb(255, 0, 0), rgb(0, 0, 255));
    c.SetTextBlinkColors(10, 11);
    c.SetBkBlink(true);
    c.SetTextBlink(true);
    EXPECT_TRUE(c.erzeugt());
    EXPECT_EQ(c.getPeriod(), 1000);
    std::vector<Farbe> bk, text;
    for (int i = 0; i < 4; ++i) {
        FarbWahl w = c.farbwahl(ControlArt::Static, sys());
        bk.push_back(w.hintergrund);
        text.push_back(w.text);
        EXPECT_TRUE(c.tick());
    }
    EXPECT_EQ(bk,
              (std::vector<Farbe>{rgb(255, 0, 0), rgb(0, 0, 255), rgb(255, 0, 0), rgb(0, 0, 255)}));
    EXPECT_EQ(text, (std::vector<Farbe>{10, 11, 10, 11}));
    EXPECT_FALSE(c.tick(2));  // another timer id
    c.zerstoert();
    EXPECT_EQ(c.getPhase(), 0);
    c.SetPeriod(0);
    EXPECT_EQ(c.getPeriod(), 1000);
}
