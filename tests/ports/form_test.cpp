#include "ports/form.h"

#include <gtest/gtest.h>

using kal::Form;

TEST(Form, SelectionAndItemValues) {
    Form f;
    EXPECT_EQ(f.selection(5), -1);
    EXPECT_EQ(f.selectedValue(5, 99), 99);
    f.addItem(5, "Wasser", 10);
    f.addItem(5, "Wasserdampf", 20);
    f.addItem(5, "Luft", 30);
    struct Fall {
        int pos, erwartet;
    };
    for (Fall c : {Fall{1, 1}, Fall{3, -1}, Fall{-5, -1}, Fall{0, 0}}) {
        f.select(5, c.pos);
        EXPECT_EQ(f.selection(5), c.erwartet) << c.pos;
    }
    EXPECT_EQ(f.selectedValue(5), 10);
    EXPECT_EQ(f.selectedText(5), "Wasser");
    EXPECT_EQ(f.findValue(5, 30), 2);
    EXPECT_EQ(f.findValue(5, 31), -1);
    f.clearItems(5);
    EXPECT_EQ(f.selection(5), -1);
    EXPECT_EQ(f.itemCount(5), 0);
}

TEST(Form, PrefixSearchIgnoresCaseExactSearchDoesNot) {
    Form f;
    f.addItem(1, "Deutsch", 0);
    f.addItem(1, "English", 1);
    f.addItem(1, "english (US)", 2);
    EXPECT_EQ(f.findPrefix(1, "eng"), 1);
    EXPECT_EQ(f.findPrefix(1, "ENGLISH ("), 2);
    EXPECT_EQ(f.findPrefix(1, ""), 0);
    EXPECT_EQ(f.findPrefix(1, "Englisch"), -1);
    EXPECT_EQ(f.findPrefix(1, "English and much longer"), -1);
    EXPECT_EQ(f.findExact(1, "english"), -1);
    EXPECT_EQ(f.findExact(1, "English"), 1);
    EXPECT_EQ(f.findPrefix(99, "x"), -1);
}

TEST(Form, DefaultsListenerAndFocus) {
    Form f;
    EXPECT_TRUE(f.enabled(3));
    EXPECT_TRUE(f.visible(3));
    EXPECT_FALSE(f.checked(3));
    EXPECT_FALSE(f.has(3));
    std::vector<int> geaendert;
    f.setChangeListener([&](int id) { geaendert.push_back(id); });
    f.setText(3, "a");
    f.setEnabled(4, false);
    f.setFocus(3);
    EXPECT_EQ(geaendert, (std::vector<int>{3, 4, 3}));
    EXPECT_EQ(f.focus(), 3);
    EXPECT_FALSE(f.enabled(4));
}

// What an edit takes: one line (a line break of any kind one blank, NUL
// dropped), then no more bytes than the field's limit, cut at a character.
TEST(Form, EntriesAreSingleLine) {
    const std::pair<std::string, std::string> faelle[] = {
        {"Fernw\xc3\xa4rme\r\nNord", "Fernw\xc3\xa4rme Nord"},
        {"a\nb\rc", "a b c"},
        {"\r\n\r\n", "  "},
        {std::string("a\0b", 3), "ab"},
        {"tab\tbleibt", "tab\tbleibt"},
    };
    for (const auto& [ein, aus] : faelle) EXPECT_EQ(kal::eingabeText(ein, 0), aus) << ein;
    EXPECT_EQ(kal::eingabeText("12\n\xc2\xb0\xc2\xb0", 5), "12 \xc2\xb0");
}
