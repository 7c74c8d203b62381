#include "datalib/inputhelper.h"

#include <gtest/gtest.h>

#include "ports/scripted.h"

using namespace kal;

namespace {
struct Feld {
    Form form;
    RecordingMessages messages;
    InputHelper helper{&messages};
    Feld() {
        helper.setErrorTitle("Prog");
        helper.setErrorMessage(1, "empty");
        helper.setErrorMessage(2, "nan");
        helper.setErrorMessage(3, "range");
    }
};
}  // namespace

TEST(InputHelper, DoubleReportsCodeTextCaptionAndFocus) {
    struct Fall {
        const char* text;
        bool leerErlaubt;
        bool ok;
        const char* meldung;
    };
    for (const Fall& f :
         {Fall{"5", false, true, ""}, Fall{"", false, false, "empty"}, Fall{"", true, true, ""},
          Fall{"1,5", false, false, "nan"}, Fall{"11", false, false, "range"}}) {
        Feld x;
        x.form.setText(7, f.text);
        x.form.setFocus(0);
        double w = -1;
        bool leer = false;
        EXPECT_EQ(x.helper.validateEditDouble(x.form, 7, w, f.leerErlaubt, 0, 10, &leer), f.ok)
            << f.text;
        if (f.ok) {
            EXPECT_TRUE(x.messages.shown.empty());
            EXPECT_EQ(leer, std::string(f.text).empty());
            EXPECT_EQ(w, leer ? -1 : 5);
        } else {
            ASSERT_EQ(x.messages.shown.size(), 1u);
            EXPECT_EQ(x.messages.shown[0].text, f.meldung);
            EXPECT_EQ(x.messages.shown[0].caption, "Prog");
            EXPECT_EQ(x.messages.shown[0].section, "global");
            EXPECT_EQ(x.form.focus(), 7);
            EXPECT_EQ(w, -1);
        }
    }
}

TEST(InputHelper, IntegerAndString) {
    Feld x;
    int w = 0;
    x.form.setText(1, "2.5");
    EXPECT_FALSE(x.helper.validateEditInteger(x.form, 1, w, false, 0, 2147483647));
    EXPECT_EQ(x.messages.shown.back().key, "error_notanumber");
    x.form.setText(1, "-1");
    EXPECT_FALSE(x.helper.validateEditInteger(x.form, 1, w, false, 0, 2147483647));
    EXPECT_EQ(x.messages.shown.back().key, "error_outofrange");
    x.form.setText(1, "17");
    EXPECT_TRUE(x.helper.validateEditInteger(x.form, 1, w, false, 0, 2147483647));
    EXPECT_EQ(w, 17);
    std::string s = "old";
    x.form.setText(2, "");
    EXPECT_FALSE(x.helper.validateEditString(x.form, 2, s, false));
    EXPECT_EQ(s, "old");
    EXPECT_TRUE(x.helper.validateEditString(x.form, 2, s, true));
    EXPECT_EQ(s, "");
    // Without a message port a bad entry still fails and moves the focus.
    InputHelper stumm;
    x.form.setText(3, "x");
    double d = 0;
    EXPECT_FALSE(stumm.validateEditDouble(x.form, 3, d, false, 0, 1));
    EXPECT_EQ(x.form.focus(), 3);
}

TEST(SetTextfield, WritesFormattedNumbers) {
    Form f;
    setTextfield(f, 1, 12.3456, 2, 0);
    EXPECT_EQ(f.text(1), "12.35");
    setTextfield(f, 1, 2.0, 2, 0);
    EXPECT_EQ(f.text(1), "2");
    setTextfield(f, 2, -42);
    EXPECT_EQ(f.text(2), "-42");
}
