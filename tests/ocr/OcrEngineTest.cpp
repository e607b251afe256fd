#include "ocr/OcrEngine.h"
#include "tests/ocr/TextPages.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTransform>

#include <map>

namespace {

using OcrEngineTest = CTempHomeTest;

// Share of the drawn words that recognition found (as many times as drawn).
double Recall(const std::vector<CDrawnWord>& drawn, const COcrPage& page) {
    std::map<QString, int> found;
    for (const COcrWord& word : page.words)
        ++found[word.text.toLower()];
    int hits = 0;
    for (const CDrawnWord& word : drawn)
        if (found[word.text.toLower()]-- > 0)
            ++hits;
    return drawn.empty() ? 0.0 : double(hits) / double(drawn.size());
}

TEST_F(OcrEngineTest, FindsTheWordsOfAPhotographedPageInTheirBoxes) {
    const CTextPage page = DrawTextPage(SampleWords(120, 7), QSize(1240, 1754), 7);
    ASSERT_GT(page.words.size(), 100u);
    COcrEngine engine(QStringLiteral("eng"));
    ASSERT_TRUE(engine.Ready());
    const COcrPage result = engine.Recognise(page.image);
    ASSERT_TRUE(result.HasText());
    EXPECT_EQ(result.pictureSize, page.image.size());
    EXPECT_GE(Recall(page.words, result), 0.95) << PlainText(result).toStdString();
    // Every recognised word that was drawn sits in the box it was drawn in.
    int placed = 0;
    for (const COcrWord& word : result.words) {
        for (const CDrawnWord& drawn : page.words) {
            if (drawn.text == word.text && drawn.box.contains(word.box.center())) {
                ++placed;
                EXPECT_GT(word.confidence, 50.0f);
                break;
            }
        }
    }
    EXPECT_GE(placed, int(page.words.size() * 95 / 100));
}

TEST_F(OcrEngineTest, ReadsThePictureAsDrawn) {
    // An auto-portrait page: the file holds the sheet turned a quarter clockwise, the PDF
    // draws it turned back, and recognition must see what the PDF shows.
    const CTextPage page = DrawTextPage(SampleWords(40, 3), QSize(1240, 1754), 3);
    const QImage stored = page.image.transformed(QTransform().rotate(90));
    ASSERT_TRUE(stored.save(PathIn("turned.png")));
    COcrEngine engine(QStringLiteral("eng"));
    const COcrPage result = engine.RecognisePicture(PathIn("turned.png"), true);
    ASSERT_TRUE(result.HasText());
    EXPECT_EQ(result.pictureSize, QSize(1240, 1754));
    EXPECT_EQ(PlainText(result), PlainText(engine.Recognise(page.image)));
    EXPECT_GE(Recall(page.words, result), 0.8) << PlainText(result).toStdString();
}

TEST_F(OcrEngineTest, FindsNothingOnPaperWithoutText) {
    COcrEngine engine(QStringLiteral("eng"));
    const COcrPage result = engine.Recognise(DrawBlankPaper(QSize(1240, 1754), 11));
    EXPECT_TRUE(result.Recognised());
    EXPECT_FALSE(result.HasText()) << PlainText(result).toStdString();
}

TEST_F(OcrEngineTest, MissingLanguageIsAResultNotACrash) {
    EXPECT_TRUE(COcrEngine::LanguageInstalled(QStringLiteral("eng")));
    EXPECT_TRUE(COcrEngine::InstalledLanguages().contains(QStringLiteral("eng")));
    EXPECT_FALSE(COcrEngine::InstalledLanguages().contains(QStringLiteral("osd")));
    EXPECT_TRUE(COcrEngine::InstalledLanguages(PathIn(QString())).isEmpty());
    for (const char* name : {"xyz", "eng+xyz", "", "../eng", "eng/../eng"}) {
        EXPECT_FALSE(COcrEngine::LanguageInstalled(QString::fromLatin1(name))) << name;
        COcrEngine engine(QString::fromLatin1(name));
        EXPECT_FALSE(engine.Ready()) << name;
        EXPECT_EQ(engine.Recognise(DrawBlankPaper(QSize(100, 100), 1)).failure,
                  EOcrFailure::NoLanguage);
    }
    // A data folder of its own without the language.
    COcrEngine elsewhere(QStringLiteral("eng"), PathIn(QString()));
    EXPECT_FALSE(elsewhere.Ready());
}

// TESSDATA_PREFIX for one test, restored afterwards.
class CScopedDataPrefix {
public:
    explicit CScopedDataPrefix(const QString& folder)
        : m_had(qEnvironmentVariableIsSet("TESSDATA_PREFIX")), m_old(qgetenv("TESSDATA_PREFIX")) {
        qputenv("TESSDATA_PREFIX", QFile::encodeName(folder));
    }
    ~CScopedDataPrefix() {
        if (m_had)
            qputenv("TESSDATA_PREFIX", m_old);
        else
            qunsetenv("TESSDATA_PREFIX");
    }

private:
    bool m_had;
    QByteArray m_old;
};

// The English data of this machine, wherever its distribution keeps it.
QString InstalledEnglishData() {
    QStringList folders{qEnvironmentVariable("TESSDATA_PREFIX"),
                        "/usr/share/tesseract-ocr/5/tessdata",
                        "/usr/share/tesseract-ocr/4.00/tessdata", "/usr/share/tesseract/tessdata",
                        "/usr/share/tessdata"};
    for (const QString& folder : folders)
        if (!folder.isEmpty() && QFileInfo(folder + "/eng.traineddata").isFile())
            return QFileInfo(folder + "/eng.traineddata").canonicalFilePath();
    return {};
}

TEST_F(OcrEngineTest, LanguagesComeFromTheFolderTesseractIsToldOf) {
    // A data folder of its own, as on a distribution that keeps the data elsewhere or in a
    // sandbox: English linked in, a second language under another code, and files that are
    // no languages.
    const QString english = InstalledEnglishData();
    ASSERT_FALSE(english.isEmpty());
    const QString folder = PathIn("tessdata");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(english, folder + "/eng.traineddata"));
    ASSERT_TRUE(QFile::link(english, folder + "/deu.traineddata"));
    ASSERT_TRUE(QFile::link(english, folder + "/osd.traineddata"));
    WriteFile(folder + "/notes.txt", "no language");
    CScopedDataPrefix prefix(folder);

    EXPECT_EQ(COcrEngine::InstalledLanguages(), QStringList({"deu", "eng"}));
    const auto languages = COcrEngine::AvailableLanguages();
    ASSERT_EQ(languages.size(), 2u);
    EXPECT_EQ(languages[0].code, "deu");
    EXPECT_EQ(languages[0].name, "Deutsch");
    EXPECT_EQ(languages[1].code, "eng");
    EXPECT_EQ(languages[1].name, "English");
    EXPECT_TRUE(COcrEngine::LanguageInstalled("eng+deu"));
    EXPECT_FALSE(COcrEngine::LanguageInstalled("fra"));
    EXPECT_FALSE(COcrEngine::LanguageInstalled("osd"));

    COcrEngine engine(QStringLiteral("deu"));
    ASSERT_TRUE(engine.Ready());
    const CTextPage page = DrawTextPage(SampleWords(30, 5), QSize(1240, 1754), 5);
    EXPECT_GE(Recall(page.words, engine.Recognise(page.image)), 0.8);
}

TEST_F(OcrEngineTest, AnEmptyDataFolderHasNoLanguages) {
    // Only the folder Tesseract is told of counts, not where one distribution keeps its data.
    ASSERT_TRUE(QDir().mkpath(PathIn("empty")));
    CScopedDataPrefix prefix(PathIn("empty"));
    EXPECT_TRUE(COcrEngine::InstalledLanguages().isEmpty());
    EXPECT_TRUE(COcrEngine::AvailableLanguages().empty());
    EXPECT_FALSE(COcrEngine::LanguageInstalled("eng"));
    COcrEngine engine(QStringLiteral("eng"));
    EXPECT_FALSE(engine.Ready());
    EXPECT_EQ(engine.Recognise(DrawBlankPaper(QSize(100, 100), 1)).failure,
              EOcrFailure::NoLanguage);
}

TEST_F(OcrEngineTest, LanguagesAreNamedInThemselves) {
    const std::map<QString, QString> names{
        {"eng", "English"},
        {"deu", "Deutsch"},
        {"fra", "Français"},
        {"spa", "Español"},
        {"rus", "Русский"},
        {"chi_sim", "简体中文"},
        {"chi_tra", "繁體中文"},
        {"srp", "Српски"},
        {"srp_latn", "Srpski"},
        {"deu_latf", "Deutsch (deu_latf)"},
        {"chi_sim_vert", "简体中文 (chi_sim_vert)"},
        {"eng+deu", "English + Deutsch"},
        // No name known: the code stays.
        {"xyz", "xyz"},
        {"enm", "enm"},
        {"script/Latin", "script/Latin"},
        {"", ""},
    };
    for (const auto& [code, name] : names)
        EXPECT_EQ(COcrEngine::LanguageName(code), name) << code.toStdString();
}

TEST_F(OcrEngineTest, UndecodablePictureIsNotDecoded) {
    QFile file(PathIn("broken.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    COcrEngine engine(QStringLiteral("eng"));
    EXPECT_EQ(engine.RecognisePicture(PathIn("broken.jpg"), false).failure,
              EOcrFailure::NotDecoded);
    EXPECT_EQ(engine.RecognisePicture(PathIn("missing.jpg"), false).failure,
              EOcrFailure::NotDecoded);
}

} // namespace
