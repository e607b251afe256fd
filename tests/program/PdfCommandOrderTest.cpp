#include "commands/PdfCommand.h"

#include "app/AppSettings.h"
#include "tests/pdf/PdfFile.h"
#include "tests/pdf/TestPictures.h"
#include "tests/support/TempHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// Folders given to "quillmark pdf" become their pictures in the import's order; each picture
// has its own width, so the PDF's image widths tell the page order.
class PdfCommandOrderTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        QDir().mkpath(PathIn("pics/sub"));
        // name, width, seconds after a fixed time
        Add("pics/b.jpg", 42, 30);
        Add("pics/A.JPG", 41, 10);
        Add("pics/c.png", 43, 20);
        Add("pics/sub/d.jpg", 44, 40);
        Add("pics/x.jpeg", 45, 5);
        WriteFile(PathIn("pics/notes.txt"), "not a picture");
    }
    void Add(const QString& name, int width, int seconds) {
        if (name.endsWith(".png")) {
            QImage image(width, 80, QImage::Format_RGB32);
            image.fill(Qt::blue);
            ASSERT_TRUE(SavePicture(image, PathIn(name), "PNG"));
        } else {
            ASSERT_TRUE(SaveJpeg(PathIn(name), width, 80));
        }
        QFile f(PathIn(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::fromSecsSinceEpoch(1'700'000'000 + seconds, Qt::UTC),
                      QFileDevice::FileModificationTime);
    }
    int Run(const QStringList& args) {
        QString out, err;
        QTextStream o(&out), e(&err);
        std::FILE* sink = std::tmpfile();
        const int status = RunPdfCommand(args, o, e, sink);
        std::fclose(sink);
        m_err = err;
        return status;
    }
    // The width of each page's picture, in page order.
    std::vector<int> PageWidths(const QString& path) {
        CPdfFile pdf;
        EXPECT_TRUE(pdf.Load(path)) << pdf.Error().toStdString();
        std::vector<int> widths;
        for (int page : pdf.Pages()) {
            const QList<int> images = pdf.Images(page);
            widths.push_back(
                images.isEmpty() ? -1 : pdf.IntValue(pdf.Objects().at(images[0]).dict, "Width"));
        }
        return widths;
    }
    std::vector<int> Order(const QString& order) {
        const QString out = PathIn(order + ".pdf");
        EXPECT_EQ(Run({"-o", out, "--no-auto-portrait", "--order", order, PathIn("pics")}), 0)
            << m_err.toStdString();
        return PageWidths(out);
    }
    QString m_err;
};

TEST_F(PdfCommandOrderTest, EachOrderGivesItsPageOrder) {
    // Found order is the masks' order (jpeg, jpg, png), each folder before its subfolders.
    const std::vector<int> found = Order("found");
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0], 45);
    EXPECT_EQ(found[4], 43);
    EXPECT_EQ(Order("name"), (std::vector<int>{41, 42, 43, 44, 45})); // A, b, c, sub/d, x
    EXPECT_EQ(Order("name-desc"), (std::vector<int>{45, 44, 43, 42, 41}));
    EXPECT_EQ(Order("newest"), (std::vector<int>{44, 42, 43, 41, 45}));
    EXPECT_EQ(Order("oldest"), (std::vector<int>{45, 41, 43, 42, 44}));
}

TEST_F(PdfCommandOrderTest, SettingsGiveTheDefaultsAndFilesMixWithFolders) {
    CAppSettings settings;
    LoadSettings(settings);
    settings.recursive = 0;
    settings.pictureImportOrder = kImportOldestFirst;
    SaveSettings(settings);
    const QString single = PathIn("single.jpg");
    ASSERT_TRUE(SaveJpeg(single, 50, 80));
    ASSERT_EQ(
        Run({"-o", PathIn("mixed.pdf"), "--no-auto-portrait", single, PathIn("pics"), single}), 0)
        << m_err.toStdString();
    EXPECT_EQ(PageWidths(PathIn("mixed.pdf")), (std::vector<int>{50, 45, 41, 43, 42, 50}));

    // "Ask me" keeps the found order on the command line.
    settings.pictureImportOrder = kImportAskEachTime;
    SaveSettings(settings);
    ASSERT_EQ(Run({"-o", PathIn("ask.pdf"), "--no-auto-portrait", PathIn("pics")}), 0);
    EXPECT_EQ(PageWidths(PathIn("ask.pdf")).front(), 45);
}

TEST_F(PdfCommandOrderTest, UnknownOrderIsBadUsage) {
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), "--order", "random", PathIn("pics")}), 2);
    EXPECT_TRUE(m_err.contains("unknown order 'random'"));
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), PathIn("pics"), "--order"}), 2);
    EXPECT_FALSE(QFile::exists(PathIn("o.pdf")));
}

} // namespace
