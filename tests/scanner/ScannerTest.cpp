#include "scanner/ScanJob.h"
#include "scanner/ScanPageWriter.h"
#include "scanner/ScannerDevice.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <cstdlib>
#include <thread>

namespace {

// A small area at a low resolution keeps the sheets quick: 118 x 157 pixels at 50 dpi.
constexpr double kWidthMm = 60;
constexpr double kHeightMm = 80;
constexpr int kDpi = 50;

class CRecordingDelegate : public CScanJobDelegate {
public:
    void OnProgress(int page, int percent) override {
        lastPage = page;
        if (cancelOnPage > 0 && page == cancelOnPage && percent > 0)
            cancel = true;
    }
    void OnPage(int page, const QString& path) override {
        pages.push_back({page, path});
        threads.push_back(std::this_thread::get_id());
    }
    bool Cancelled() override { return cancel; }

    std::vector<std::pair<int, QString>> pages;
    std::vector<std::thread::id> threads;
    int lastPage = 0;
    int cancelOnPage = 0;
    bool cancel = false;
};

class ScannerTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        UseSaneTestBackend();
        m_folder = PathIn("Camera");
    }

    CScanOptions Options(EScanSource source, EScanMode mode = EScanMode::Color) const {
        CScanOptions o;
        o.device = "test:0";
        o.source = source;
        o.mode = mode;
        o.resolution = kDpi;
        o.widthMm = kWidthMm;
        o.heightMm = kHeightMm;
        o.folder = m_folder;
        return o;
    }

    QStringList FilesInFolder() const {
        return QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // What scanimage makes of the same sheet, as SANE's own frontend reads it.
    static QImage ScanImageOf(const QStringList& modeArguments) {
        QProcess scanimage;
        scanimage.start("scanimage",
                        QStringList{"-d", "test:0", "--resolution", QString::number(kDpi), "-l",
                                    "0", "-t", "0", "-x", QString::number(kWidthMm), "-y",
                                    QString::number(kHeightMm), "--format=pnm"} +
                            modeArguments);
        if (!scanimage.waitForFinished(60000))
            return {};
        QImage image;
        image.loadFromData(scanimage.readAllStandardOutput(), "PNM");
        return image;
    }

    QString m_folder;
};

TEST_F(ScannerTest, ListsTheTestScannersWithTheirSources) {
    QString reason;
    const std::vector<CScannerInfo> scanners = ListScanners(&reason);
    EXPECT_TRUE(reason.isEmpty()) << reason.toStdString();
    ASSERT_EQ(scanners.size(), 2u);
    EXPECT_EQ(scanners[0].name, "test:0");
    EXPECT_EQ(scanners[1].name, "test:1");
    EXPECT_EQ(scanners[0].vendor, "Noname");
    EXPECT_EQ(scanners[0].Label(), "Noname frontend-tester (test:0)");

    CScannerDevice device;
    ASSERT_TRUE(device.Open("test:0", &reason)) << reason.toStdString();
    EXPECT_EQ(device.Sources(),
              (std::vector<EScanSource>{EScanSource::Flatbed, EScanSource::Feeder}));
    // The resolution is the one asked for where the scanner offers it, 300 unless given.
    ASSERT_TRUE(device.Configure(CScanOptions{}, &reason)) << reason.toStdString();
    EXPECT_EQ(device.Resolution(), 300);

    // A source the scanner lacks is refused with what it offers.
    CScanOptions duplex;
    duplex.source = EScanSource::Duplex;
    EXPECT_FALSE(device.Configure(duplex, &reason));
    EXPECT_EQ(reason, "the scanner test:0 has no duplex source (it offers: flatbed, adf)");
}

TEST_F(ScannerTest, FeederScanStoresEverySheetUntilTheFeederIsEmpty) {
    CRecordingDelegate delegate;
    const CScanResult result =
        CScanJob(Options(EScanSource::Feeder, EScanMode::Gray), delegate).Run();
    ASSERT_TRUE(result.Done()) << result.reason.toStdString();
    // The test backend's feeder holds ten sheets; each page was told as it arrived.
    ASSERT_EQ(result.pages.size(), 10);
    ASSERT_EQ(delegate.pages.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(delegate.pages[std::size_t(i)].first, i + 1);
        EXPECT_EQ(delegate.pages[std::size_t(i)].second, result.pages[i]);
        EXPECT_TRUE(result.pages[i].endsWith(".jpg"));
        EXPECT_EQ(QImage(result.pages[i]).size(), QSize(118, 157));
    }
    // Ten pictures and nothing else (no temporary files).
    EXPECT_EQ(FilesInFolder().size(), 10);
    EXPECT_EQ(QSet<QString>(result.pages.begin(), result.pages.end()).size(), 10);
}

TEST_F(ScannerTest, FlatbedTakesOneSheetOrAsManyAsAsked) {
    CRecordingDelegate one;
    CScanResult result = CScanJob(Options(EScanSource::Flatbed), one).Run();
    ASSERT_TRUE(result.Done()) << result.reason.toStdString();
    EXPECT_EQ(result.pages.size(), 1);

    CScanOptions two = Options(EScanSource::Flatbed);
    two.maxPages = 2;
    CRecordingDelegate delegate;
    result = CScanJob(two, delegate).Run();
    ASSERT_TRUE(result.Done()) << result.reason.toStdString();
    EXPECT_EQ(result.pages.size(), 2);
    EXPECT_EQ(FilesInFolder().size(), 3);

    // A feeder scan stops at the number asked for as well.
    CScanOptions three = Options(EScanSource::Feeder);
    three.maxPages = 3;
    CRecordingDelegate feeder;
    EXPECT_EQ(CScanJob(three, feeder).Run().pages.size(), 3);
}

TEST_F(ScannerTest, PagesCarryTheScannedPictures) {
    // Colour as JPEG at quality 100: within what its compression changes.
    CRecordingDelegate colour;
    const CScanResult c = CScanJob(Options(EScanSource::Flatbed), colour).Run();
    ASSERT_EQ(c.pages.size(), 1);
    const QImage reference =
        ScanImageOf({"--mode", "Color"}).convertToFormat(QImage::Format_RGB888);
    const QImage scanned = QImage(c.pages[0]).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(reference.size(), QSize(118, 157));
    ASSERT_EQ(scanned.size(), reference.size());
    // The test pattern draws lines one pixel wide, which JPEG's halved colour resolution
    // smears: brightness is kept pixel for pixel, colour over each 2 x 2 block within what
    // the clipping of saturated lines costs (red and blue swapped would be off by over 60).
    long lumaError = 0;
    long colourError = 0;
    for (int y = 0; y + 1 < reference.height(); y += 2)
        for (int x = 0; x + 1 < reference.width(); x += 2) {
            int sums[2][3] = {};
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb r = reference.pixel(x + dx, y + dy);
                    const QRgb s = scanned.pixel(x + dx, y + dy);
                    lumaError += std::abs(qGray(r) - qGray(s));
                    sums[0][0] += qRed(r), sums[0][1] += qGreen(r), sums[0][2] += qBlue(r);
                    sums[1][0] += qRed(s), sums[1][1] += qGreen(s), sums[1][2] += qBlue(s);
                }
            for (int k = 0; k < 3; ++k)
                colourError += std::abs(sums[0][k] - sums[1][k]) / 4;
        }
    const int blocksWide = reference.width() / 2, blocksHigh = reference.height() / 2;
    const double blocks = double(blocksWide) * blocksHigh;
    EXPECT_LT(lumaError / (blocks * 4), 3.0);
    EXPECT_LT(colourError / (blocks * 3), 12.0);

    // Black and white as a 1-bit PNG, pixel for pixel what SANE delivers.
    CRecordingDelegate bw;
    const CScanResult b = CScanJob(Options(EScanSource::Flatbed, EScanMode::Lineart), bw).Run();
    ASSERT_EQ(b.pages.size(), 1);
    ASSERT_TRUE(b.pages[0].endsWith(".png"));
    const QImage png(b.pages[0]);
    EXPECT_EQ(png.depth(), 1);
    EXPECT_EQ(png.dotsPerMeterX(), 1969); // 50 dpi
    const QImage pbm = ScanImageOf({"--mode", "Gray", "--depth", "1"});
    ASSERT_EQ(png.size(), pbm.size());
    int differing = 0;
    int black = 0;
    for (int y = 0; y < pbm.height(); ++y)
        for (int x = 0; x < pbm.width(); ++x) {
            differing += qGray(png.pixel(x, y)) != qGray(pbm.pixel(x, y));
            black += qGray(png.pixel(x, y)) == 0;
        }
    EXPECT_EQ(differing, 0);
    // The pattern has both.
    EXPECT_GT(black, 0);
    EXPECT_LT(black, pbm.width() * pbm.height());
}

TEST_F(ScannerTest, CancelWithinASheetKeepsThePagesBefore) {
    CRecordingDelegate delegate;
    delegate.cancelOnPage = 3;
    const CScanResult result = CScanJob(Options(EScanSource::Feeder), delegate).Run();
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.failure, EScanFailure::None);
    EXPECT_EQ(result.pages.size(), 2);
    // The third sheet left nothing behind.
    EXPECT_EQ(FilesInFolder().size(), 2);

    // Cancelled before the first sheet: nothing at all.
    CRecordingDelegate early;
    early.cancel = true;
    const CScanResult none = CScanJob(Options(EScanSource::Feeder), early).Run();
    EXPECT_TRUE(none.cancelled);
    EXPECT_TRUE(none.pages.isEmpty());
}

TEST_F(ScannerTest, FailuresSayWhy) {
    CRecordingDelegate delegate;
    CScanOptions missing = Options(EScanSource::Flatbed);
    missing.device = "test:7";
    CScanResult result = CScanJob(missing, delegate).Run();
    EXPECT_EQ(result.failure, EScanFailure::NoScanner);
    EXPECT_TRUE(result.reason.startsWith("the scanner test:7 could not be opened: "))
        << result.reason.toStdString();

    CScanOptions duplex = Options(EScanSource::Duplex);
    result = CScanJob(duplex, delegate).Run();
    EXPECT_EQ(result.failure, EScanFailure::Setup);

    // A file where the folder should be: the page cannot be stored.
    WriteFile(m_folder, "not a folder");
    result = CScanJob(Options(EScanSource::Flatbed), delegate).Run();
    EXPECT_EQ(result.failure, EScanFailure::Write);
    EXPECT_EQ(result.reason, "cannot create the folder " + m_folder);
    EXPECT_TRUE(result.pages.isEmpty());
}

TEST_F(ScannerTest, WorkerScansOnItsOwnThreadAndCanBeCancelled) {
    std::mutex mutex;
    std::vector<std::thread::id> threads;
    std::vector<QString> pages;
    std::optional<CScanResult> finished;
    {
        CScanWorker worker;
        worker.Start(Options(EScanSource::Feeder),
                     {nullptr,
                      [&](int, const QString& path) {
                          const std::lock_guard lock(mutex);
                          threads.push_back(std::this_thread::get_id());
                          pages.push_back(path);
                      },
                      [&](const CScanResult& result) {
                          const std::lock_guard lock(mutex);
                          finished = result;
                      }});
        worker.Wait();
    }
    ASSERT_TRUE(finished);
    EXPECT_TRUE(finished->Done());
    ASSERT_EQ(pages.size(), 10u);
    EXPECT_NE(threads[0], std::this_thread::get_id());

    // Cancel from this thread while it scans: it ends with what it has.
    finished.reset();
    pages.clear();
    CScanWorker worker;
    worker.Start(Options(EScanSource::Feeder), {nullptr,
                                                [&](int, const QString& path) {
                                                    const std::lock_guard lock(mutex);
                                                    pages.push_back(path);
                                                },
                                                [&](const CScanResult& result) {
                                                    const std::lock_guard lock(mutex);
                                                    finished = result;
                                                }});
    worker.Cancel();
    worker.Wait();
    ASSERT_TRUE(finished);
    EXPECT_TRUE(finished->cancelled);
    EXPECT_EQ(std::size_t(finished->pages.size()), pages.size());
    EXPECT_LT(pages.size(), 10u);
}

TEST(ScanOptionsTest, NamesAndPageLimits) {
    EXPECT_EQ(ScanSourceFromName("ADF"), EScanSource::Feeder);
    EXPECT_EQ(ScanSourceFromName("duplex"), EScanSource::Duplex);
    EXPECT_EQ(ScanSourceFromName("flatbed"), EScanSource::Flatbed);
    EXPECT_FALSE(ScanSourceFromName("tray"));
    EXPECT_EQ(ScanModeFromName("grey"), EScanMode::Gray);
    EXPECT_EQ(ScanModeFromName("lineart"), EScanMode::Lineart);
    EXPECT_FALSE(ScanModeFromName("sepia"));
    CScanOptions o;
    EXPECT_EQ(o.PageLimit(), 1);
    o.source = EScanSource::Feeder;
    EXPECT_EQ(o.PageLimit(), 0);
    o.maxPages = 4;
    EXPECT_EQ(o.PageLimit(), 4);
}

TEST(ScanPageWriterTest, NeverReplacesAPicture) {
    QTemporaryDir dir;
    CScannedPicture picture;
    picture.width = 4;
    picture.height = 2;
    picture.kind = EScanMode::Gray;
    picture.pixels.assign(8, 128);
    QString error;
    const QString first = WriteScannedPage(dir.path(), picture, &error);
    const QString second = WriteScannedPage(dir.path(), picture, &error);
    ASSERT_FALSE(first.isEmpty()) << error.toStdString();
    ASSERT_FALSE(second.isEmpty()) << error.toStdString();
    EXPECT_NE(first, second);
    EXPECT_EQ(QImage(second).pixel(3, 1), qRgb(128, 128, 128));
    // A picture whose pixels do not match its size is refused.
    picture.pixels.resize(7);
    EXPECT_TRUE(WriteScannedPage(dir.path(), picture, &error).isEmpty());
    EXPECT_EQ(error, "the scanned page is empty");
}

} // namespace
