#include "pdf/ImageEmbedding.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace {

using PdfSaveTest = CPdfTest;

class CRecordingProgress : public CPdfSaveProgress {
public:
    explicit CRecordingProgress(QString path) : m_path(std::move(path)) {}
    void OnObjectWritten(unsigned entryCount, unsigned objectIndex) override {
        counts.push_back(entryCount);
        indices.push_back(objectIndex);
        fileExisted.push_back(QFile::exists(m_path));
    }
    std::vector<unsigned> counts, indices;
    std::vector<bool> fileExisted;

private:
    QString m_path;
};

void AddMixedPages(CPdfBuilder& builder, const QString& folder) {
    ASSERT_TRUE(SaveJpeg(folder + "/a.jpg", 64, 48));
    QImage png(30, 20, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(SavePicture(png, folder + "/b.png", "PNG"));
    builder.AddPdfPage();
    builder.PlacePicture(kImageTypeJpeg, folder + "/a.jpg");
    builder.AddPdfPage();
    builder.PlacePicture(kImageTypePng, folder + "/b.png");
    builder.AddPdfPage();
}

TEST_F(PdfSaveTest, OneNotificationPerObjectInFileOrderWhileSaving) {
    CPdfBuilder builder(&sink, settings);
    AddMixedPages(builder, Home());
    const QString out = PathIn("progress.pdf");
    CRecordingProgress progress(out);
    ASSERT_TRUE(builder.Save(&progress, out));
    CPdfFile file;
    ASSERT_TRUE(file.Load(out)) << file.Error().toStdString();
    const std::vector<int>& order = file.FileOrder();
    ASSERT_EQ(progress.indices.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(progress.indices[i], unsigned(order[i]));
        EXPECT_EQ(progress.counts[i], unsigned(file.XrefEntryCount()));
        EXPECT_TRUE(progress.fileExisted[i]); // told while the file is being written
    }
    EXPECT_EQ(progress.indices.front(), 1u);
    EXPECT_EQ(unsigned(file.XrefEntryCount()), order.size() + 1); // plus the free entry 0
}

TEST_F(PdfSaveTest, WritesTheSameBytesAsTheLibrarysOwnSave) {
    CPdfBuilder builder(&sink, settings);
    AddMixedPages(builder, Home());
    ASSERT_TRUE(builder.Save(nullptr, PathIn("ours.pdf")));
    ASSERT_EQ(HPDF_SaveToFile(builder.Document(), QFile::encodeName(PathIn("lib.pdf")).constData()),
              HPDF_OK);
    EXPECT_EQ(ReadFile(PathIn("ours.pdf")), ReadFile(PathIn("lib.pdf")));
}

TEST_F(PdfSaveTest, QpdfFindsNothingWrong) {
    if (QStandardPaths::findExecutable("qpdf").isEmpty())
        GTEST_SKIP() << "qpdf is not installed";
    CPdfBuilder builder(&sink, settings);
    AddMixedPages(builder, Home());
    ASSERT_TRUE(builder.Save(nullptr, PathIn("check.pdf")));
    QProcess qpdf;
    qpdf.start("qpdf", {"--check", PathIn("check.pdf")});
    ASSERT_TRUE(qpdf.waitForFinished(30000));
    const QByteArray out = qpdf.readAllStandardOutput() + qpdf.readAllStandardError();
    EXPECT_EQ(qpdf.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("No syntax or stream encoding errors")) << out.toStdString();
}

TEST_F(PdfSaveTest, UnwritableOutputIsReportedOnce) {
    WriteFile(PathIn("plain"), "x");
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    EXPECT_FALSE(builder.Save(nullptr, PathIn("plain/out.pdf")));
    EXPECT_TRUE(builder.Failed());
    ASSERT_EQ(sink.errors.size(), 1);
    EXPECT_EQ(sink.errors[0].errorNumber, unsigned(HPDF_FILE_OPEN_ERROR));
    EXPECT_EQ(sink.errors[0].heading, "Critical error");
    EXPECT_EQ(sink.errors[0].caption, "Error");
    EXPECT_EQ(sink.errors[0].body,
              "Out of memory, could not complete operation. Please free up some memory and try "
              "again. Tap 'Close' to discard this message.");
    EXPECT_EQ(sink.errors[0].picture, 11007);
    // Saving again elsewhere fails silently: the document stays failed.
    EXPECT_FALSE(builder.Save(nullptr, PathIn("elsewhere.pdf")));
    EXPECT_EQ(sink.errors.size(), 1);
}

TEST_F(PdfSaveTest, FullDiskIsAFailedSave) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    EXPECT_FALSE(builder.Save(nullptr, "/dev/full"));
    ASSERT_EQ(sink.errors.size(), 1);
    EXPECT_EQ(sink.errors[0].errorNumber, unsigned(HPDF_FILE_IO_ERROR));
}

TEST_F(PdfSaveTest, SecondLibraryErrorIsSilent) {
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    builder.PlaceJpeg(PathIn("missing.jpg"));
    EXPECT_TRUE(builder.Failed());
    ASSERT_EQ(sink.errors.size(), 1);
    builder.PlaceJpeg(PathIn("missing-too.jpg"));
    builder.AddPdfPage();
    EXPECT_EQ(sink.errors.size(), 1);
    EXPECT_TRUE(builder.HasLibraryError());
}

TEST_F(PdfSaveTest, AJpegTheLibraryRejectsFailsTheDocument) {
    // A PNG named .jpg decodes for the import but is no JPEG for the library.
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(SavePicture(png, PathIn("fake.jpg"), "PNG"));
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    EXPECT_FALSE(builder.PlacePicture(kImageTypeJpeg, PathIn("fake.jpg")));
    EXPECT_TRUE(builder.Failed());
    EXPECT_EQ(sink.errors.size(), 1);
}

TEST_F(PdfSaveTest, ReleasedDocumentFailsEveryOperation) {
    CPdfBuilder builder(&sink, settings);
    builder.ReleaseDocument();
    EXPECT_EQ(builder.AddPdfPage(), nullptr);
    EXPECT_FALSE(builder.Save(nullptr, PathIn("x.pdf")));
    EXPECT_FALSE(QFile::exists(PathIn("x.pdf")));
}

} // namespace

namespace {

TEST_F(PdfSaveTest, APictureChangedBeforeTheSaveFailsIt) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    ASSERT_TRUE(SaveJpeg(PathIn("b.jpg"), 64, 48));
    CPdfBuilder builder(&sink, settings);
    for (const char* name : {"a.jpg", "b.jpg"}) {
        builder.AddPdfPage();
        builder.PlaceJpeg(PathIn(name));
    }
    // Placing reads only the head; the file is read at the save and must be unchanged.
    QFile f(PathIn("b.jpg"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("more");
    f.close();
    EXPECT_FALSE(builder.Save(nullptr, PathIn("out.pdf")));
    ASSERT_EQ(sink.errors.size(), 1);
    EXPECT_EQ(sink.errors[0].errorNumber, unsigned(HPDF_FILE_IO_ERROR));
    EXPECT_EQ(sink.errors[0].detailNumber, unsigned(kPictureChangedDetail));
}

TEST_F(PdfSaveTest, OnePictureOnManyPagesIsReadForEachAndStaysClosed) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    CPdfBuilder builder(&sink, settings);
    for (int i = 0; i < 300; ++i) {
        builder.AddPdfPage();
        builder.PlaceJpeg(PathIn("a.jpg"));
    }
    const int openBefore = int(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size());
    ASSERT_TRUE(builder.Save(nullptr, PathIn("out.pdf")));
    EXPECT_EQ(int(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size()), openBefore);
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf")));
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 300);
    EXPECT_EQ(file.Objects().at(file.Images(pages[299])[0]).rawStream, ReadFile(PathIn("a.jpg")));
}

} // namespace

namespace {

// A noisy picture at full quality: a JPEG of about 2 bytes per pixel.
void SaveNoisyJpeg(const QString& path, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    std::uint32_t seed = 99;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, seed | 0xFF000000u);
        }
    ASSERT_TRUE(image.save(path, "JPEG", 100));
}

// JPEG files are copied from file to file at the save: each image stream is its file, byte
// for byte, and the document is the one the library's own save writes.
TEST_F(PdfSaveTest, PicturesCopiedIntoAnOpenFileAreTheirFilesAndTheLibrarysDocument) {
    SaveNoisyJpeg(PathIn("big.jpg"), 800, 800);
    ASSERT_GT(QFileInfo(PathIn("big.jpg")).size(), 1 << 20); // more than one piece
    ASSERT_TRUE(SaveJpeg(PathIn("small.jpg"), 64, 48, 6));
    CPdfBuilder builder(&sink, settings);
    for (const char* name : {"big.jpg", "small.jpg", "big.jpg"}) {
        builder.AddPdfPage();
        builder.PlaceJpeg(PathIn(name));
    }
    AddMixedPages(builder, Home());
    QFile out(PathIn("fd.pdf"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_TRUE(builder.Save(nullptr, out.handle()));
    out.close();
    ASSERT_EQ(HPDF_SaveToFile(builder.Document(), QFile::encodeName(PathIn("lib.pdf")).constData()),
              HPDF_OK);
    EXPECT_EQ(ReadFile(PathIn("fd.pdf")), ReadFile(PathIn("lib.pdf")));
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("fd.pdf"))) << file.Error().toStdString();
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 6);
    const char* names[] = {"big.jpg", "small.jpg", "big.jpg", "a.jpg"};
    for (int i = 0; i < 4; ++i) {
        const CPdfObjectText& image = file.Objects().at(file.Images(pages[i])[0]);
        EXPECT_EQ(image.rawStream, ReadFile(PathIn(names[i]))) << names[i];
        EXPECT_EQ(file.IntValue(image.dict, "Length"), QFileInfo(PathIn(names[i])).size());
    }
    EXPECT_TRUE(sink.errors.isEmpty());
}

// Cuts or removes a picture once the save has written its first object, before its bytes are
// copied.
class CChangeDuringSave : public CPdfSaveProgress {
public:
    explicit CChangeDuringSave(std::function<void()> change) : m_change(std::move(change)) {}
    void OnObjectWritten(unsigned, unsigned) override {
        if (m_change)
            std::exchange(m_change, nullptr)();
    }

private:
    std::function<void()> m_change;
};

TEST_F(PdfSaveTest, APictureCutOrRemovedWhileSavingFailsTheSaveWithItsReason) {
    const std::function<void(const QString&)> changes[] = {
        [](const QString& path) { ASSERT_TRUE(QFile::resize(path, 700)); },
        [](const QString& path) { ASSERT_TRUE(QFile::remove(path)); },
    };
    for (const auto& change : changes) {
        SaveNoisyJpeg(PathIn("b.jpg"), 200, 200);
        ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
        CRecordingSink errors;
        CPdfBuilder builder(&errors, settings);
        for (const char* name : {"a.jpg", "b.jpg"}) {
            builder.AddPdfPage();
            builder.PlaceJpeg(PathIn(name));
        }
        CChangeDuringSave progress([&] { change(PathIn("b.jpg")); });
        EXPECT_FALSE(builder.Save(&progress, PathIn("out.pdf")));
        ASSERT_EQ(errors.errors.size(), 1);
        EXPECT_EQ(errors.errors[0].errorNumber, unsigned(HPDF_FILE_IO_ERROR));
        EXPECT_EQ(errors.errors[0].detailNumber, unsigned(kPictureChangedDetail));
    }
}

// A save that starts while the pages are made writes the objects of a save at the end, the
// pictures first: every object the same, text and bytes, at its own offset.
TEST_F(PdfSaveTest, AStreamedSaveHoldsTheObjectsOfASaveAtTheEnd) {
    CPdfBuilder plain(&sink, settings);
    AddMixedPages(plain, Home());
    ASSERT_TRUE(plain.Save(nullptr, PathIn("plain.pdf")));

    CPdfBuilder streamed(&sink, settings);
    QFile out(PathIn("streamed.pdf"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    streamed.StreamTo(out.handle());
    ASSERT_TRUE(streamed.WritePlacedPictures()); // the header alone
    ASSERT_TRUE(SaveJpeg(Home() + "/a.jpg", 64, 48));
    streamed.AddPdfPage();
    streamed.PlacePicture(kImageTypeJpeg, Home() + "/a.jpg");
    ASSERT_TRUE(streamed.WritePlacedPictures());
    EXPECT_EQ(streamed.ObjectsWritten(), 1);
    streamed.AddPdfPage();
    streamed.PlacePicture(kImageTypePng, Home() + "/b.png");
    streamed.AddPdfPage();
    ASSERT_TRUE(streamed.WritePlacedPictures());
    EXPECT_EQ(streamed.ObjectsWritten(), 2);
    CRecordingProgress progress(PathIn("streamed.pdf"));
    ASSERT_TRUE(streamed.Save(&progress, out.handle()));
    out.close();
    EXPECT_TRUE(sink.errors.isEmpty());

    CPdfFile a;
    CPdfFile b;
    ASSERT_TRUE(a.Load(PathIn("plain.pdf"))) << a.Error().toStdString();
    ASSERT_TRUE(b.Load(PathIn("streamed.pdf"))) << b.Error().toStdString();
    ASSERT_EQ(a.XrefEntryCount(), b.XrefEntryCount());
    ASSERT_EQ(a.Objects().size(), b.Objects().size());
    for (const auto& [id, object] : a.Objects()) {
        SCOPED_TRACE(id);
        const CPdfObjectText& other = b.Objects().at(id);
        EXPECT_EQ(object.dict, other.dict);
        EXPECT_EQ(object.rawStream, other.rawStream);
    }
    const QList<int> pages = b.Pages();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(b.FileOrder()[0], b.Images(pages[0])[0]);
    EXPECT_EQ(b.FileOrder()[1], b.Images(pages[1])[0]);
    // The save told of the objects it wrote itself.
    EXPECT_EQ(progress.indices.size(), b.FileOrder().size() - 2);
    EXPECT_EQ(b.Bytes().size(), a.Bytes().size());
}

// A picture placed, then cut before the streamed save copies it, fails that save with the
// picture's reason, once; nothing later is written.
TEST_F(PdfSaveTest, APictureCutBeforeTheStreamedSaveCopiesItFailsTheSave) {
    SaveNoisyJpeg(PathIn("b.jpg"), 200, 200);
    CRecordingSink errors;
    CPdfBuilder builder(&errors, settings);
    QFile out(PathIn("out.pdf"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    builder.StreamTo(out.handle());
    builder.AddPdfPage();
    builder.PlaceJpeg(PathIn("b.jpg"));
    ASSERT_TRUE(QFile::resize(PathIn("b.jpg"), 700));
    EXPECT_FALSE(builder.WritePlacedPictures());
    EXPECT_TRUE(builder.Failed());
    EXPECT_FALSE(builder.Save(nullptr, out.handle()));
    ASSERT_EQ(errors.errors.size(), 1);
    EXPECT_EQ(errors.errors[0].errorNumber, unsigned(HPDF_FILE_IO_ERROR));
    EXPECT_EQ(errors.errors[0].detailNumber, unsigned(kPictureChangedDetail));
}

} // namespace
