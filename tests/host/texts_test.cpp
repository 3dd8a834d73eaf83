#include <gtest/gtest.h>

#include <map>

#include "common/services/table_change_text.h"
#include "common/text/languages.h"
#include "common/text/texts.h"
#include "tests/support/fakes/english_texts.h"

namespace {

TEST(ChosenLanguage, FirstPreferredLanguageSpokenByItsPrimaryLanguageElseEnglish) {
    EXPECT_EQ(ChosenLanguage({0x0407}), GermanLanguage);
    EXPECT_EQ(ChosenLanguage({0x0C07, 0x0409}), GermanLanguage);          // Austrian German
    EXPECT_EQ(ChosenLanguage({0x0C0C}), FrenchLanguage);                  // Canadian French
    EXPECT_EQ(ChosenLanguage({0x080A}), SpanishLanguage);                 // Mexican Spanish
    EXPECT_EQ(ChosenLanguage({0x0413, 0x040C, 0x0407}), FrenchLanguage);  // Dutch first
    EXPECT_EQ(ChosenLanguage({0x0809, 0x0407}), EnglishLanguage);         // British English first
    EXPECT_EQ(ChosenLanguage({0x0411}), EnglishLanguage);
    EXPECT_EQ(ChosenLanguage({}), EnglishLanguage);
}

TEST(FormatText, PlaceholdersTakeTheArgumentsInAnyOrder) {
    EXPECT_EQ(FormatText("%2 vor %1", {"eins", "zwei"}), "zwei vor eins");
    EXPECT_EQ(FormatText("%1%% von %1", {"50"}), "50% von 50");
    EXPECT_EQ(FormatText("%3 fehlt, 100%", {"a"}), " fehlt, 100%");
    EXPECT_EQ(FormatText("%1", {"%2"}), "%2");
}

TEST(TextPrefix, CutsWholeCharactersOnly) {
    const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC";  // "Café €"
    EXPECT_EQ(TextLength(text), 6u);
    EXPECT_EQ(TextPrefix(text, 4), "Caf\xC3\xA9");
    EXPECT_EQ(TextPrefix(text, 5), "Caf\xC3\xA9 ");
    EXPECT_EQ(TextPrefix(text, 9), text);
}

// A program speaks the language of the source it names: every text comes from there.
class OtherLanguage : public TextSource {
public:
    std::string Text(unsigned id) const override {
        return id == IDS_TABLE_FULL ? "Die Tabelle ist voll (%1)." : "?";
    }
    std::string FromAnsi(const std::string& ansi) const override { return ansi; }
    std::string ToAnsi(const std::string& text) const override { return text; }
};

TEST(UseTextSource, TextsComeFromTheSourceInUse) {
    const OtherLanguage german;
    UseTextSource(german);
    const std::string full = TableChangeFailureText(TableChange::TableFull);
    static const EnglishTexts english;
    UseTextSource(english);
    EXPECT_EQ(full, "Die Tabelle ist voll (1000).");
    EXPECT_EQ(TableChangeFailureText(TableChange::TableFull).substr(0, 17), "The table is full");
}

}  // namespace
