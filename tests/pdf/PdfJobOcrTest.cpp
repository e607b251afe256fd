#include "ocr/OcrEngine.h"
#include "pdf/PdfJob.h"
#include "tests/ocr/TextPages.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QFile>
#include <QProcess>
#include <QTransform>

namespace {

class CRecordingDelegate : public CPdfJobDelegate {
public:
    void OnStep(int step, int total) override {
        maxStep = std::max(maxStep, step);
        totalSteps = total;
    }
    void OnStage(EPdfJobStage stage, int page, int pageCount) override {
        if (stage == EPdfJobStage::RecognisingText)
            recognising.push_back({page, pageCount});
        cancelled = cancelled || (cancelAtRecognition && stage == EPdfJobStage::RecognisingText);
    }
    void OnPageNote(const CPdfPageNote& note) override { notes.push_back(note); }
    bool IsCancelled() override { return cancelled; }

    int maxStep = 0;
    int totalSteps = 0;
    std::vector<std::pair<int, int>> recognising;
    std::vector<CPdfPageNote> notes;
    bool cancelAtRecognition = false;
    bool cancelled = false;
};

class PdfJobOcrTest : public CPdfTest {
protected:
    void SetUp() override {
        CPdfTest::SetUp();
        ASSERT_TRUE(DrawTextPage(SampleWords(80, 1), QSize(1240, 1754), 1)
                        .image.save(PathIn("one.jpg"), "JPEG", 90));
        ASSERT_TRUE(DrawTextPage(SampleWords(80, 2), QSize(1240, 1754), 2)
                        .image.save(PathIn("two.png"), "PNG"));
        ASSERT_TRUE(DrawBlankPaper(QSize(1240, 1754), 3).save(PathIn("blank.jpg"), "JPEG", 90));
        pages = {{PathIn("one.jpg"), kImageTypeJpeg, false},
                 {QString(), kImageTypeJpeg, false},
                 {PathIn("two.png"), kImageTypePng, false},
                 {PathIn("blank.jpg"), kImageTypeJpeg, false}};
    }
    CPdfJobOptions Options(const QString& out, const QString& language = {}) {
        CPdfJobOptions options;
        options.outputPath = PathIn(out);
        options.layout = CPdfPageOptions::FromSettings(settings);
        options.ocrLanguage = language;
        return options;
    }
    static QString Text(const QString& pdf) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-q"), pdf, QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<CPdfJobPage> pages;
};

TEST_F(PdfJobOcrTest, WithoutRecognitionThePdfIsAsTheBuilderAloneMakesIt) {
    CRecordingDelegate delegate;
    ASSERT_TRUE(CPdfJob(Options("job.pdf"), delegate).Run(pages).Done());
    EXPECT_EQ(delegate.totalSteps, CPdfJob::TotalSteps(4));
    EXPECT_TRUE(delegate.recognising.empty());

    CPdfBuilder builder(nullptr, settings);
    for (const CPdfJobPage& page : pages) {
        ASSERT_TRUE(builder.AddPdfPage());
        ASSERT_TRUE(builder.PlacePicture(page.typeCode, page.path));
    }
    ASSERT_TRUE(SaveAsAJobWrites(builder, PathIn("builder.pdf")));
    EXPECT_EQ(Bytes(PathIn("job.pdf")), Bytes(PathIn("builder.pdf")));
    EXPECT_FALSE(Bytes(PathIn("job.pdf")).contains("/Font"));
}

TEST_F(PdfJobOcrTest, RecognitionStepsComeInPageOrderAndTheTextCanBeFound) {
    CRecordingDelegate delegate;
    const CPdfJobResult result = CPdfJob(Options("ocr.pdf", "eng"), delegate).Run(pages);
    ASSERT_TRUE(result.Done());
    EXPECT_TRUE(result.notes.empty());
    EXPECT_EQ(delegate.totalSteps, CPdfJob::TotalSteps(4, true));
    EXPECT_LE(delegate.maxStep, delegate.totalSteps);
    // Three pictures, the blank page has none.
    EXPECT_EQ(delegate.recognising, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));

    // Each page's text on its own page; nothing on the blank ones.
    const QStringList pagesText = Text(PathIn("ocr.pdf")).split(u'\f');
    ASSERT_GE(pagesText.size(), 4);
    for (const QString& word : SampleWords(80, 1).mid(0, 10))
        EXPECT_TRUE(pagesText[0].contains(word)) << word.toStdString();
    for (const QString& word : SampleWords(80, 2).mid(0, 10))
        EXPECT_TRUE(pagesText[2].contains(word)) << word.toStdString();
    EXPECT_TRUE(pagesText[1].trimmed().isEmpty());
    EXPECT_TRUE(pagesText[3].trimmed().isEmpty());
}

TEST_F(PdfJobOcrTest, AMissingLanguageStillGivesThePdfAndSaysWhichPagesHaveNoText) {
    CRecordingDelegate plainDelegate, delegate;
    ASSERT_TRUE(CPdfJob(Options("plain.pdf"), plainDelegate).Run(pages).Done());
    const CPdfJobResult result = CPdfJob(Options("xyz.pdf", "xyz"), delegate).Run(pages);
    ASSERT_TRUE(result.Done());
    EXPECT_EQ(result.pagesWritten, 4);
    ASSERT_EQ(result.notes.size(), 3u);
    const int indexes[] = {0, 2, 3};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(result.notes[k].index, indexes[k]);
        EXPECT_EQ(result.notes[k].issue, EPdfPageIssue::NoTextLayer);
        EXPECT_EQ(result.notes[k].textFailure, EOcrFailure::NoLanguage);
    }
    EXPECT_EQ(delegate.notes.size(), 3u);
    // The pictures as without recognition, and no text at all.
    EXPECT_EQ(Bytes(PathIn("xyz.pdf")), Bytes(PathIn("plain.pdf")));
}

TEST_F(PdfJobOcrTest, CancelBetweenRecognisedPagesLeavesNoFile) {
    CRecordingDelegate delegate;
    delegate.cancelAtRecognition = true;
    const CPdfJobResult result = CPdfJob(Options("cancel.pdf", "eng"), delegate).Run(pages);
    EXPECT_EQ(result.outcome, EPdfJobOutcome::Cancelled);
    EXPECT_EQ(delegate.recognising.size(), 1u);
    EXPECT_FALSE(QFile::exists(PathIn("cancel.pdf")));
}

TEST_F(PdfJobOcrTest, PicturesFromFilesAreReadAsTheyAreDrawn) {
    // A landscape picture made upright by auto-portrait: its words still come out.
    const CTextPage page = DrawTextPage(SampleWords(60, 8), QSize(1240, 1754), 8);
    ASSERT_TRUE(
        page.image.transformed(QTransform().rotate(90)).save(PathIn("land.jpg"), "JPEG", 90));
    CPdfJobOptions options = Options("files.pdf", "eng");
    options.autoPortrait = true;
    CRecordingDelegate delegate;
    const CPdfJobResult result = CPdfJob(options, delegate).RunOnPictures({PathIn("land.jpg")});
    ASSERT_TRUE(result.Done());
    EXPECT_TRUE(result.notes.empty());
    const QString text = Text(PathIn("files.pdf"));
    int found = 0;
    for (const CDrawnWord& word : page.words)
        found += text.contains(word.text) ? 1 : 0;
    EXPECT_GE(found, int(page.words.size()) * 9 / 10) << text.toStdString();
}

} // namespace
