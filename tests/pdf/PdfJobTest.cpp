#include "pdf/PdfJob.h"

#include "imaging/ImageType.h"
#include "pdf/ImageEmbedding.h"
#include "pdf/PdfJobTexts.h"
#include "session/PageList.h"
#include "tests/pdf/PdfTestFixture.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <functional>
#include <vector>

namespace {

// Everything the job tells its delegate, in order.
class CRecordingDelegate : public CPdfJobDelegate {
public:
    struct CStage {
        EPdfJobStage stage;
        int page;
        int pageCount;
        bool operator==(const CStage&) const = default;
    };

    void OnStep(int step, int totalSteps) override {
        steps.push_back(step);
        totals.push_back(totalSteps);
    }
    void OnStage(EPdfJobStage stage, int page, int pageCount) override {
        stages.push_back({stage, page, pageCount});
        if (onStage)
            onStage(stage, page);
    }
    void OnPageNote(const CPdfPageNote& note) override { notes.push_back(note); }
    void OnObjectWritten(int written, int objectCount) override {
        written_.push_back(written);
        objectCounts.push_back(objectCount);
    }
    void OnLibraryError(const CPdfLibraryError& error) override { errors.push_back(error); }
    bool IsCancelled() override {
        ++cancelQueries;
        return cancelled;
    }

    std::vector<int> steps, totals, written_, objectCounts;
    std::vector<CStage> stages;
    std::vector<CPdfPageNote> notes;
    std::vector<CPdfLibraryError> errors;
    int cancelQueries = 0;
    bool cancelled = false;
    std::function<void(EPdfJobStage, int)> onStage;
};

class PdfJobTest : public CPdfTest {
protected:
    CPdfJobOptions Options(const QString& name = "out.pdf") const {
        CPdfJobOptions o;
        o.outputPath = PathIn(name);
        o.layout.pageSize = kPaperA5;
        o.layout.fitToPage = false;
        return o;
    }
    CPdfJobPage Page(const QString& name) const {
        return {name.isEmpty() ? QString() : PathIn(name), ImageTypeFromPath(name)};
    }
    QStringList Files() const {
        return QDir(Home()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // A noisy picture, so that its JPEG has some size.
    void SaveNoisyJpeg(const QString& name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, random.generate() | 0xFF000000u);
        ASSERT_TRUE(image.save(PathIn(name), "JPEG", 100));
    }
    void SaveColouredPng(const QString& name, int w, int h, Qt::GlobalColor colour) {
        QImage png(w, h, QImage::Format_RGB32);
        png.fill(colour);
        ASSERT_TRUE(SavePicture(png, PathIn(name), "PNG"));
    }
};

using Stage = CRecordingDelegate::CStage;

TEST_F(PdfJobTest, StepsStagesAndObjectsAreCountedExactly) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    SaveColouredPng("b.png", 30, 20, Qt::red);
    CRecordingDelegate delegate;
    const CPdfJobResult result =
        CPdfJob(Options(), delegate).Run({Page("a.jpg"), Page("b.png"), Page("")});
    ASSERT_TRUE(result.Done()) << result.ErrorText().toStdString();
    EXPECT_EQ(result.pagesWritten, 3);
    EXPECT_TRUE(result.notes.empty());

    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf"))) << file.Error().toStdString();
    EXPECT_EQ(file.Pages().size(), 3);
    EXPECT_EQ(result.bytesWritten, file.Bytes().size());
    const int objects = int(file.FileOrder().size());
    ASSERT_EQ(objects, 16); // what the library writes for these three pages

    EXPECT_EQ(delegate.stages, (std::vector<Stage>{{EPdfJobStage::Preparing, 0, 3},
                                                   {EPdfJobStage::ImportingImages, 0, 3},
                                                   {EPdfJobStage::AddingPage, 1, 3},
                                                   {EPdfJobStage::AddingPage, 2, 3},
                                                   {EPdfJobStage::AddingPage, 3, 3},
                                                   {EPdfJobStage::Saving, 0, 3}}));
    // 6 x 3 + 4 = 22 steps: 1 at the start, one per page, one at saving, then one per
    // object written, never beyond the last step (reached by the one-page test below). The
    // two pictures went into the file with their pages: one step over both starts the save.
    const int pictures = 2;
    std::vector<int> steps{1, 2, 3, 4, 5, 5 + pictures};
    for (int i = pictures; i < objects; ++i)
        steps.push_back(std::min(6 + i, 22));
    EXPECT_EQ(delegate.steps, steps);
    EXPECT_EQ(delegate.totals, std::vector<int>(steps.size(), 22));
    ASSERT_EQ(int(delegate.written_.size()), objects - pictures);
    for (int i = 0; i < objects - pictures; ++i) {
        EXPECT_EQ(delegate.written_[i], pictures + i + 1);
        EXPECT_EQ(delegate.objectCounts[i], objects);
    }
    // The pictures lead the file.
    const QList<int> page = file.Pages();
    EXPECT_EQ(file.FileOrder()[0], file.Images(page[0])[0]);
    EXPECT_EQ(file.FileOrder()[1], file.Images(page[1])[0]);
    // Asked before each of the three pages and before the save.
    EXPECT_EQ(delegate.cancelQueries, 4);
    EXPECT_EQ(Files(), (QStringList{"a.jpg", "b.png", "out.pdf"}));
}

TEST_F(PdfJobTest, OnePageHasTenStepsAndTheSaveNeverGoesBeyond) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    CRecordingDelegate delegate;
    ASSERT_TRUE(CPdfJob(Options(), delegate).Run({Page("a.jpg")}).Done());
    ASSERT_GE(delegate.steps.size(), 4u);
    EXPECT_EQ(std::vector<int>(delegate.steps.begin(), delegate.steps.begin() + 4),
              (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(delegate.steps.back(), 10);
    EXPECT_EQ(*std::max_element(delegate.steps.begin(), delegate.steps.end()), 10);
    EXPECT_EQ(CPdfJob::TotalSteps(1), 10);
}

TEST_F(PdfJobTest, CancelDuringPageThreeOfFiveLeavesNoFileAndTheOlderOneUntouched) {
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(SaveJpeg(PathIn(QString("p%1.jpg").arg(i)), 40, 30));
    WriteFile(PathIn("out.pdf"), "an older PDF");
    const QStringList before = Files();
    CRecordingDelegate delegate;
    delegate.onStage = [&](EPdfJobStage stage, int page) {
        if (stage == EPdfJobStage::AddingPage && page == 3)
            delegate.cancelled = true; // the user taps Cancel while page 3 is added
    };
    const CPdfJobResult result =
        CPdfJob(Options(), delegate)
            .Run({Page("p1.jpg"), Page("p2.jpg"), Page("p3.jpg"), Page("p4.jpg"), Page("p5.jpg")});
    EXPECT_EQ(result.outcome, EPdfJobOutcome::Cancelled);
    EXPECT_EQ(result.failure, EPdfJobFailure::None);
    EXPECT_EQ(result.pagesWritten, 0);
    // Page 3 is completed, page 4 never starts, nothing is saved.
    EXPECT_EQ(delegate.stages.back(), (Stage{EPdfJobStage::AddingPage, 3, 5}));
    EXPECT_EQ(delegate.steps.back(), 4);
    EXPECT_TRUE(delegate.written_.empty());
    EXPECT_EQ(ReadFile(PathIn("out.pdf")), QByteArray("an older PDF"));
    EXPECT_EQ(Files(), before);
}

TEST_F(PdfJobTest, CancelDuringTheLastPageStopsBeforeTheSave) {
    ASSERT_TRUE(SaveJpeg(PathIn("p1.jpg"), 40, 30));
    CRecordingDelegate delegate;
    delegate.onStage = [&](EPdfJobStage stage, int) {
        delegate.cancelled = stage == EPdfJobStage::AddingPage;
    };
    EXPECT_EQ(CPdfJob(Options(), delegate).Run({Page("p1.jpg")}).outcome,
              EPdfJobOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(PathIn("out.pdf")));
}

TEST_F(PdfJobTest, AFullDiskDuringTheSaveLeavesNoPartialFileAndReportsTheLibraryError) {
    SaveNoisyJpeg("big.jpg", 400, 300);
    ASSERT_GT(QFileInfo(PathIn("big.jpg")).size(), 150 * 1024);
    WriteFile(PathIn("out.pdf"), "an older PDF");
    const QStringList before = Files();
    CRecordingDelegate delegate;
    CPdfJobResult result;
    {
        CFileSizeLimit limit(rlim_t(100) * 1024);
        ASSERT_TRUE(limit.IsSet());
        result = CPdfJob(Options(), delegate).Run({Page("big.jpg")});
    }
    EXPECT_EQ(result.outcome, EPdfJobOutcome::Failed);
    EXPECT_EQ(result.failure, EPdfJobFailure::FileError);
    ASSERT_TRUE(result.hasLibraryError);
    EXPECT_EQ(result.libraryError.errorNumber, unsigned(HPDF_FILE_IO_ERROR));
    EXPECT_EQ(result.libraryError.detailNumber, unsigned(EFBIG));
    EXPECT_EQ(result.ErrorText(), "writing failed (disk full?)");
    // The screen heard of it once, with the program's message.
    ASSERT_EQ(delegate.errors.size(), 1u);
    EXPECT_EQ(delegate.errors[0].heading, "Critical error");
    EXPECT_EQ(ReadFile(PathIn("out.pdf")), QByteArray("an older PDF"));
    EXPECT_EQ(Files(), before);
}

// A page's picture goes into the file as soon as the page is added: someone editing the
// picture later, before the save ends, changes nothing in the PDF.
TEST_F(PdfJobTest, APageFileChangedAfterItsPageWasAddedLeavesThePdfAsAdded) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    SaveNoisyJpeg("b.jpg", 64, 48);
    const QByteArray added = ReadFile(PathIn("b.jpg"));
    CRecordingDelegate delegate;
    delegate.onStage = [&](EPdfJobStage stage, int) {
        if (stage == EPdfJobStage::Saving) { // someone edits the page meanwhile
            ASSERT_TRUE(SaveJpeg(PathIn("b.jpg"), 80, 60));
        }
    };
    const CPdfJobResult result = CPdfJob(Options(), delegate).Run({Page("a.jpg"), Page("b.jpg")});
    ASSERT_TRUE(result.Done()) << result.ErrorText().toStdString();
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf"))) << file.Error().toStdString();
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(file.Objects().at(file.Images(pages[1])[0]).rawStream, added);
    EXPECT_EQ(file.IntValue(file.Objects().at(file.Images(pages[1])[0]).dict, "Width"), 64);
}

TEST_F(PdfJobTest, SkippedAndBlankPagesAreNamedWithTheirReasons) {
    ASSERT_TRUE(SaveJpeg(PathIn("good.jpg"), 40, 30));
    WriteFile(PathIn("bad.jpg"), "garbage");
    ASSERT_TRUE(QDir(Home()).mkdir("folder.png"));
    QImage xpm(10, 10, QImage::Format_RGB32);
    xpm.fill(Qt::blue);
    ASSERT_TRUE(SavePicture(xpm, PathIn("c.xpm"), "XPM"));
    CRecordingDelegate delegate;
    const CPdfJobResult result =
        CPdfJob(Options(), delegate)
            .RunOnPictures({PathIn("good.jpg"), PathIn("missing.png"), PathIn("folder.png"),
                            PathIn("bad.jpg"), PathIn("c.xpm")});
    ASSERT_TRUE(result.Done());
    EXPECT_EQ(result.pagesWritten, 2); // good.jpg and the blank page of c.xpm
    ASSERT_EQ(result.notes.size(), 4u);
    const std::vector<std::pair<int, EPdfPageIssue>> expected = {{1, EPdfPageIssue::NoSuchFile},
                                                                 {2, EPdfPageIssue::NotAFile},
                                                                 {3, EPdfPageIssue::NotAPicture},
                                                                 {4, EPdfPageIssue::TypeNotDrawn}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(result.notes[i].index, expected[i].first);
        EXPECT_EQ(result.notes[i].issue, expected[i].second);
        EXPECT_EQ(delegate.notes[i].issue, expected[i].second);
    }
    EXPECT_EQ(result.notes[1].path, PathIn("folder.png"));
    // 6 x 5 + 4: skipped pictures still count their steps.
    EXPECT_EQ(delegate.totals.front(), 34);

    // Session pages: a PNG that cannot be decoded stays a blank page, a blank page is no
    // issue at all.
    WriteFile(PathIn("broken.png"), "not a png");
    CRecordingDelegate second;
    const CPdfJobResult pages =
        CPdfJob(Options("pages.pdf"), second).Run({Page(""), Page("broken.png"), Page("good.jpg")});
    ASSERT_TRUE(pages.Done());
    EXPECT_EQ(pages.pagesWritten, 3);
    ASSERT_EQ(pages.notes.size(), 1u);
    EXPECT_EQ(pages.notes[0].index, 1);
    EXPECT_EQ(pages.notes[0].issue, EPdfPageIssue::NotDecoded);
}

TEST_F(PdfJobTest, APictureTheLibraryRefusesStopsTheJobWithItsError) {
    SaveColouredPng("fake.jpg", 8, 8, Qt::red); // a PNG under a JPEG name
    ASSERT_TRUE(SaveJpeg(PathIn("after.jpg"), 40, 30));
    WriteFile(PathIn("out.pdf"), "previous");
    CRecordingDelegate delegate;
    const CPdfJobResult result =
        CPdfJob(Options(), delegate).Run({Page("fake.jpg"), Page("after.jpg")});
    EXPECT_EQ(result.outcome, EPdfJobOutcome::Failed);
    EXPECT_EQ(result.failure, EPdfJobFailure::LibraryError);
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0].issue, EPdfPageIssue::LibraryRefused);
    EXPECT_EQ(result.notes[0].index, 0);
    EXPECT_EQ(result.ErrorText(), "not a JPEG file, whatever its name says");
    EXPECT_EQ(delegate.errors.size(), 1u);
    EXPECT_EQ(delegate.stages.back(), (Stage{EPdfJobStage::AddingPage, 1, 2}));
    EXPECT_EQ(ReadFile(PathIn("out.pdf")), QByteArray("previous"));

    CRecordingDelegate empty;
    const CPdfJobResult none = CPdfJob(Options("none.pdf"), empty).Run(std::vector<CPdfJobPage>{});
    EXPECT_EQ(none.failure, EPdfJobFailure::NoPages);
    EXPECT_FALSE(QFile::exists(PathIn("none.pdf")));
}

TEST_F(PdfJobTest, AnOutputFolderThatIsMissingIsAFileError) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 40, 30));
    CRecordingDelegate delegate;
    const CPdfJobResult result =
        CPdfJob(Options("no-such-folder/out.pdf"), delegate).Run({Page("a.jpg")});
    EXPECT_EQ(result.failure, EPdfJobFailure::FileError);
    EXPECT_FALSE(result.hasLibraryError);
    EXPECT_EQ(result.systemError, ENOENT);
    EXPECT_EQ(result.ErrorText(), QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_TRUE(result.fileError.contains("no-such-folder")) << result.fileError.toStdString();
}

TEST_F(PdfJobTest, EveryWayInGivesTheBytesOfThePlainBuilder) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    SaveColouredPng("b.png", 30, 20, Qt::green);
    QImage bmp(5, 3, QImage::Format_RGB32);
    bmp.fill(Qt::blue);
    ASSERT_TRUE(SavePicture(bmp, PathIn("c.bmp"), "BMP"));
    const QStringList names{"a.jpg", "b.png", "c.bmp"};

    // The builder alone, its pictures written first as the job writes them.
    CPdfBuilder builder(nullptr, Options().layout);
    for (const QString& name : names) {
        ASSERT_NE(builder.AddPdfPage(), nullptr);
        ASSERT_TRUE(builder.PlacePicture(ImageTypeFromPath(name), PathIn(name)));
    }
    ASSERT_TRUE(SaveAsAJobWrites(builder, PathIn("plain.pdf")));
    const QByteArray plain = ReadFile(PathIn("plain.pdf"));
    ASSERT_TRUE(plain.startsWith("%PDF-1.3"));

    CRecordingDelegate delegate;
    ASSERT_TRUE(CPdfJob(Options("job.pdf"), delegate)
                    .Run({Page("a.jpg"), Page("b.png"), Page("c.bmp")})
                    .Done());
    EXPECT_EQ(ReadFile(PathIn("job.pdf")), plain);

    // Picture files made into pages on worker threads, as "quillmark pdf" does.
    CPdfJobOptions files = Options("files.pdf");
    files.threads = 3;
    ASSERT_TRUE(CPdfJob(files, delegate)
                    .RunOnPictures({PathIn("a.jpg"), PathIn("b.png"), PathIn("c.bmp")})
                    .Done());
    EXPECT_EQ(ReadFile(PathIn("files.pdf")), plain);

    // The session's page list.
    CPageList list;
    for (const QString& name : names) {
        auto page = std::make_unique<CPage>(PathIn(name));
        page->typeCode = ImageTypeFromPath(name);
        list.Append(std::move(page));
    }
    ASSERT_TRUE(CPdfJob(Options("list.pdf"), delegate).Run(list).Done());
    EXPECT_EQ(ReadFile(PathIn("list.pdf")), plain);
}

TEST_F(PdfJobTest, TheProgressTextsOfEveryStage) {
    EXPECT_EQ(PdfJobStepText(3, 10), "Step 3 of 10...");
    EXPECT_EQ(PdfJobStageText(EPdfJobStage::Preparing, 0, 5), "Preparing the PDF document...");
    EXPECT_EQ(PdfJobStageText(EPdfJobStage::ImportingImages, 0, 5), "Importing images...");
    EXPECT_EQ(PdfJobStageText(EPdfJobStage::AddingPage, 2, 5), "Adding page 2 of 5...");
    EXPECT_EQ(PdfJobStageText(EPdfJobStage::Saving, 0, 5), "Saving the PDF document...");
}

} // namespace
