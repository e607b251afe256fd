#include "text/Catalogue.h"

#include "resources/StringTable.h"
#include "resources/ids/StringIds.h"
#include "text/LocaleFormats.h"
#include "text/Strings.h"
#include "text/TextFormat.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

#include <QTranslator>

using namespace ids;

namespace {

QProcessEnvironment Env(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars)
        env.insert(name, value);
    return env;
}

// Switches the process's language for one test and back to English afterwards.
class CLanguageTest : public ::testing::Test {
protected:
    void TearDown() override { UseLanguages({}); }
};

TEST(MessageLanguagesTest, ReadsTheEnvironmentLikeAnyLinuxProgram) {
    EXPECT_EQ(MessageLanguages(Env({})), QStringList());
    EXPECT_EQ(MessageLanguages(Env({{"LANG", "de_DE.UTF-8"}})), QStringList({"de_DE", "de"}));
    EXPECT_EQ(MessageLanguages(Env({{"LANG", "fr_FR.UTF-8@euro"}})), QStringList({"fr_FR", "fr"}));
    // LC_ALL wins over LC_MESSAGES, which wins over LANG; the first set one counts alone.
    EXPECT_EQ(MessageLanguages(Env({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}})),
              QStringList({"es_ES", "es"}));
    EXPECT_EQ(MessageLanguages(Env({{"LC_ALL", "fr_CA.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}})),
              QStringList({"fr_CA", "fr"}));
    // LANGUAGE lists preferences before the locale, and counts even in the C locale.
    EXPECT_EQ(MessageLanguages(Env({{"LANGUAGE", "de:fr"}, {"LANG", "es_ES.UTF-8"}})),
              QStringList({"de", "fr", "es_ES", "es"}));
    EXPECT_EQ(MessageLanguages(Env({{"LANGUAGE", "es"}, {"LANG", "C.UTF-8"}})),
              QStringList({"es"}));
    EXPECT_EQ(MessageLanguages(Env({{"LANG", "C.UTF-8"}})), QStringList());
    EXPECT_EQ(MessageLanguages(Env({{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}})), QStringList());
    // "C" in LANGUAGE means English from there on; empty entries are skipped.
    EXPECT_EQ(MessageLanguages(Env({{"LANGUAGE", "fr::C:de"}, {"LANG", "es_ES"}})),
              QStringList({"fr"}));
}

TEST(CatalogueTest, ShipsGermanFrenchAndSpanish) {
    EXPECT_EQ(ShippedLanguages(), QStringList({"de", "es", "fr"}));
}

TEST(CatalogueTest, PrefersTheFirstLanguageAndFallsBackPerText) {
    const CCatalogue catalogue({"xx_YY", "xx", "fr_FR", "fr", "de"});
    EXPECT_EQ(catalogue.Languages(), QStringList({"fr", "de"}));
    EXPECT_EQ(catalogue.Translate(kStringTableContext, "Cancel"), "Annuler");
    // A text no catalogue has stays English.
    EXPECT_EQ(catalogue.Translate(kStringTableContext, "not a text of the program"),
              "not a text of the program");
    EXPECT_EQ(CCatalogue(QStringList()).Translate(kStringTableContext, "Cancel"), "Cancel");
    EXPECT_EQ(CCatalogue({"de"}).Translate(kStringTableContext, "Cancel"), "Abbruch");
    EXPECT_EQ(CCatalogue({"es"}).Translate(kStringTableContext, "Cancel"), "Cancelar");
}

// Every text of the string table is in every shipped catalogue, with its printf placeholders
// in the order the formatter takes the arguments. (translations_are_complete checks the
// catalogues' sources, this the catalogues compiled into the program.)
TEST(CatalogueTest, EveryTableTextIsTranslatedInEveryLanguage) {
    for (const QString& language : ShippedLanguages()) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(":/i18n/quillmark_" + language + ".qm"))
            << language.toStdString();
        int texts = 0;
        for (int id = 0; id <= 0xFFFF; ++id) {
            const QString english = LookupString(std::uint16_t(id)).toString();
            if (english.isEmpty())
                continue;
            ++texts;
            const QString text =
                translator.translate(kStringTableContext, english.toUtf8().constData());
            EXPECT_FALSE(text.isEmpty()) << language.toStdString() << " lacks " << id;
            const auto conversions = [](const QString& s) {
                QStringList out;
                for (qsizetype i = s.indexOf(u'%'); i >= 0; i = s.indexOf(u'%', i + 2))
                    if (i + 1 < s.size() && s[i + 1] != u'%')
                        out << s.mid(i, 2);
                return out;
            };
            // "200%" is a menu text never formatted; only formatted texts have placeholders.
            if (english.endsWith(u'%'))
                continue;
            EXPECT_EQ(conversions(text), conversions(english))
                << language.toStdString() << " " << id << ": " << text.toStdString();
        }
        EXPECT_EQ(texts, int(StringTableSize()));
    }
}

TEST_F(CLanguageTest, LoadFormattedSpeaksTheActiveLanguage) {
    EXPECT_EQ(LoadFormatted(IDS_ADDING_PAGE, 3, 10), "Adding page 3 of 10...");
    UseLanguages({"de"});
    EXPECT_EQ(LoadFormatted(IDS_ADDING_PAGE, 3, 10), "Seite 3 von 10 wird hinzugefügt...");
    EXPECT_EQ(FormatTimeSpan(3660000), "1 Stunde, 1 Minute");
    UseLanguages({"fr"});
    EXPECT_EQ(LoadFormatted(IDS_ADDING_PAGE, 3, 10), "Ajout de la page 3 sur 10...");
    EXPECT_EQ(FormatFileSize(1536, false, false, false, u','), "1,50 Ko");
    UseLanguages({"es", "de"});
    EXPECT_EQ(LoadFormatted(IDS_ADDING_PAGE, 3, 10), "Añadiendo la página 3 de 10...");
    UseLanguages({});
    EXPECT_EQ(LoadFormatted(IDS_ADDING_PAGE, 3, 10), "Adding page 3 of 10...");
    EXPECT_EQ(LoadFormatted(IDS_UNSUPPORED_FILE_FORMAT), "Unsuppored file format.");
}

TEST(LocaleFormatsTest, LetterWhereTheLocalesPaperIsLetter) {
    EXPECT_TRUE(LocaleUsesLetterPaper(Env({{"LC_PAPER", "en_US.UTF-8"}})));
    EXPECT_TRUE(LocaleUsesLetterPaper(Env({{"LC_PAPER", "fr_CA.UTF-8"}})));
    EXPECT_TRUE(LocaleUsesLetterPaper(Env({{"LANG", "es_MX.UTF-8"}})));
    EXPECT_TRUE(LocaleUsesLetterPaper(Env({{"LANG", "en_PH"}})));
    EXPECT_FALSE(LocaleUsesLetterPaper(Env({{"LC_PAPER", "de_DE.UTF-8"}})));
    EXPECT_FALSE(LocaleUsesLetterPaper(Env({{"LC_PAPER", "en_GB.UTF-8"}})));
    EXPECT_FALSE(LocaleUsesLetterPaper(Env({{"LC_PAPER", "C.UTF-8"}})));
    EXPECT_FALSE(LocaleUsesLetterPaper(Env({})));
    // LC_PAPER before LANG; LC_ALL before both.
    EXPECT_FALSE(
        LocaleUsesLetterPaper(Env({{"LC_PAPER", "de_DE.UTF-8"}, {"LANG", "en_US.UTF-8"}})));
    EXPECT_TRUE(
        LocaleUsesLetterPaper(Env({{"LC_PAPER", "de_DE.UTF-8"}, {"LC_ALL", "en_CA.UTF-8"}})));
    EXPECT_TRUE(LocaleUsesLetterPaper(Env({{"LANG", "en_US.UTF-8"}})));
    // A territory must be whole: "en_USX" is not the US.
    EXPECT_FALSE(LocaleUsesLetterPaper(Env({{"LANG", "en_USX.UTF-8"}})));
}

TEST(LocaleFormatsTest, SizesTakeTheLocalesDecimalSeparator) {
    EXPECT_EQ(FormatFileSize(1536, false, false, false, u','), "1,50 KB");
    EXPECT_EQ(FormatFileSize(1073741825ull, false, false, false, u','), "1,00 GB");
    EXPECT_EQ(FormatFileSize(1536, false, false, true, u','), "1KB");
    EXPECT_EQ(FormatFileSize(1536, false, false, false, u'.'), "1.50 KB");
    // The tests run in the C locale.
    EXPECT_EQ(LocaleDecimalPoint(), u'.');
}

} // namespace
