#include "pdf/PdfTextLayer.h"
#include "ocr/OcrEngine.h"
#include "pdf/GlyphlessFont.h"
#include "tests/ocr/TextPages.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QProcess>
#include <QRegularExpression>

#include <map>

namespace {

using PdfTextLayerTest = CPdfTest;

// What pdftotext reads from a PDF (with -bbox: an XHTML list of words with their boxes).
QString PdfToText(const QString& pdf, bool boxes = false) {
    QProcess process;
    QStringList args{QStringLiteral("-q")};
    if (boxes)
        args << QStringLiteral("-bbox");
    args << pdf << QStringLiteral("-");
    process.start(QStringLiteral("pdftotext"), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct CFoundWord {
    QString text;
    QRectF box; // points, origin top left as pdftotext gives it
};

std::vector<CFoundWord> WordBoxes(const QString& pdf) {
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<CFoundWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(PdfToText(pdf, true))) {
        words.push_back(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

double Recall(const std::vector<CDrawnWord>& drawn, const QString& text) {
    std::map<QString, int> found;
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        ++found[word.toLower()];
    int hits = 0;
    for (const CDrawnWord& word : drawn)
        if (found[word.text.toLower()]-- > 0)
            ++hits;
    return double(hits) / double(drawn.size());
}

// A page with the picture and, when `words` is given, its text layer.
void BuildPdf(const CAppSettings& settings, const QString& picture, const COcrPage* words,
              const QString& out, QRectF* pictureRect = nullptr) {
    CPdfBuilder builder(nullptr, settings);
    ASSERT_TRUE(builder.AddPdfPage());
    ASSERT_TRUE(builder.PlacePicture(kImageTypeJpeg, picture));
    if (words) {
        ASSERT_TRUE(builder.AddTextLayer(*words));
    }
    if (pictureRect)
        *pictureRect = builder.PictureRect();
    ASSERT_TRUE(builder.Save(nullptr, out));
}

TEST_F(PdfTextLayerTest, RecognisedWordsCanBeFoundAndLieOnTheirWords) {
    settings.pageSize = kPaperLetter;
    const CTextPage page = DrawTextPage(SampleWords(150, 21), QSize(1240, 1754), 21);
    ASSERT_TRUE(page.image.save(PathIn("page.jpg"), "JPEG", 90));
    COcrEngine engine(QStringLiteral("eng"));
    const COcrPage words = engine.RecognisePicture(PathIn("page.jpg"), false);
    ASSERT_TRUE(words.HasText());
    QRectF rect;
    BuildPdf(settings, PathIn("page.jpg"), &words, PathIn("ocr.pdf"), &rect);

    EXPECT_GE(Recall(page.words, PdfToText(PathIn("ocr.pdf"))), 0.95);

    // Each word pdftotext finds, taken back to the picture's pixels, is centred inside the
    // box its text was drawn in.
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("ocr.pdf")));
    const double pageHeight = file.MediaBox(file.Pages()[0]).height();
    const double scale = double(page.image.width()) / rect.width();
    int placed = 0;
    for (const CFoundWord& found : WordBoxes(PathIn("ocr.pdf"))) {
        const QPointF centre = found.box.center();
        const QPointF pixel((centre.x() - rect.x()) * scale,
                            (centre.y() - (pageHeight - rect.bottom())) * scale);
        bool inside = false;
        for (const CDrawnWord& drawn : page.words)
            inside = inside || (drawn.text == found.text && QRectF(drawn.box).contains(pixel));
        placed += inside ? 1 : 0;
    }
    EXPECT_GE(placed, int(page.words.size()) * 95 / 100);
}

TEST_F(PdfTextLayerTest, AccentedAndOtherScriptsCopyOutAsUnicode) {
    ASSERT_TRUE(SaveJpeg(PathIn("p.jpg"), 800, 1000));
    COcrPage words;
    words.pictureSize = QSize(800, 1000);
    const QStringList texts{QStringLiteral("café"),   QStringLiteral("naïve"),
                            QStringLiteral("Ärger"),  QStringLiteral("Straße"),
                            QStringLiteral("Łódź"),   QStringLiteral("Ελλάδα"),
                            QStringLiteral("Москва"), QStringLiteral("東京")};
    for (int i = 0; i < texts.size(); ++i)
        words.words.push_back(
            {texts[i], QRect(50, 50 + 100 * i, 60 * int(texts[i].size()), 40), 90});
    BuildPdf(settings, PathIn("p.jpg"), &words, PathIn("utf8.pdf"));
    const QStringList lines = PdfToText(PathIn("utf8.pdf")).split(u'\n', Qt::SkipEmptyParts);
    QStringList found;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty() && line.trimmed() != QStringLiteral("\f"))
            found << line.trimmed();
    EXPECT_EQ(found, texts);

    // Invisible: render mode 3 inside the text object; a Type 0 font with a ToUnicode map.
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("utf8.pdf"))) << file.Error().toStdString();
    const QByteArray content = file.Content(file.Pages()[0]);
    EXPECT_TRUE(content.contains("3 Tr")) << content.toStdString();
    bool type0 = false, toUnicode = false;
    for (const auto& [id, object] : file.Objects()) {
        type0 = type0 || object.dict.contains("/Type0");
        toUnicode = toUnicode || object.dict.contains("/ToUnicode");
    }
    EXPECT_TRUE(type0);
    EXPECT_TRUE(toUnicode);
}

TEST_F(PdfTextLayerTest, TheTextMapIsOneReadersAccept) {
    // More different letters than one block of a map may hold, from several scripts.
    ASSERT_TRUE(SaveJpeg(PathIn("p.jpg"), 800, 1000));
    COcrPage words;
    words.pictureSize = QSize(800, 1000);
    QStringList texts;
    for (char16_t first : {u'A', u'a', u'\u00C0', u'\u0100', u'\u0391', u'\u0410', u'\u0430'}) {
        QString text;
        for (char16_t c = first; c < first + 26; ++c)
            text += QChar(c);
        texts << text;
    }
    texts << QStringLiteral("ﬁnancial") << QStringLiteral("東京") << QStringLiteral("0123456789€");
    for (int i = 0; i < texts.size(); ++i)
        words.words.push_back({texts[i], QRect(20, 20 + 80 * i, 700, 40), 90});
    BuildPdf(settings, PathIn("p.jpg"), &words, PathIn("map.pdf"));

    // pdftotext says nothing about the file and reads every word back.
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {PathIn("map.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), QString());
    QStringList found;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
        if (!line.trimmed().isEmpty() && line.trimmed() != QStringLiteral("\f"))
            found << line.trimmed();
    EXPECT_EQ(found, texts);

    // The map itself: code space, then blocks of character mappings of at most 100 entries,
    // each block as long as it says.
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("map.pdf"))) << file.Error().toStdString();
    QByteArray map;
    for (const auto& [id, object] : file.Objects())
        if (object.dict.contains("/ToUnicode"))
            map = file.StreamData(
                CPdfFile::Value(object.dict, "ToUnicode").trimmed().split(' ').value(0).toInt());
    ASSERT_FALSE(map.isEmpty());
    EXPECT_FALSE(map.contains("cidrange")) << map.toStdString();
    EXPECT_FALSE(map.contains("cidchar"));
    EXPECT_TRUE(map.contains("begincodespacerange"));
    static const QRegularExpression block(
        QStringLiteral(R"((\d+) begin(bfrange|bfchar)\s(.*?)endbf(range|char))"),
        QRegularExpression::DotMatchesEverythingOption);
    int blocks = 0;
    for (const QRegularExpressionMatch& m : block.globalMatch(QString::fromLatin1(map))) {
        ++blocks;
        const int count = m.captured(1).toInt();
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 100);
        const QStringList lines =
            m.captured(3).split(u'\n', Qt::SkipEmptyParts).filter(QRegularExpression("<"));
        EXPECT_EQ(lines.size(), count) << m.captured(0).toStdString();
        for (const QString& line : lines)
            EXPECT_EQ(line.count(u'<'), m.captured(2) == "bfrange" ? 3 : 2) << line.toStdString();
    }
    EXPECT_GT(blocks, 0);
}

TEST_F(PdfTextLayerTest, PicturesStayAsTheyWereAndWordlessPagesGetNothing) {
    const CTextPage page = DrawTextPage(SampleWords(60, 5), QSize(1240, 1754), 5);
    ASSERT_TRUE(page.image.save(PathIn("page.jpg"), "JPEG", 90));
    COcrEngine engine(QStringLiteral("eng"));
    const COcrPage words = engine.RecognisePicture(PathIn("page.jpg"), false);
    BuildPdf(settings, PathIn("page.jpg"), nullptr, PathIn("plain.pdf"));
    BuildPdf(settings, PathIn("page.jpg"), &words, PathIn("ocr.pdf"));
    CPdfFile plain, ocr;
    ASSERT_TRUE(plain.Load(PathIn("plain.pdf")));
    ASSERT_TRUE(ocr.Load(PathIn("ocr.pdf")));
    const QList<int> plainImages = plain.Images(plain.Pages()[0]);
    const QList<int> ocrImages = ocr.Images(ocr.Pages()[0]);
    ASSERT_EQ(plainImages.size(), 1);
    ASSERT_EQ(ocrImages.size(), 1);
    EXPECT_EQ(plain.Objects().at(plainImages[0]).rawStream,
              ocr.Objects().at(ocrImages[0]).rawStream);
    // The text comes after the picture, which is drawn as before.
    EXPECT_TRUE(ocr.Content(ocr.Pages()[0]).startsWith(plain.Content(plain.Pages()[0])));

    // Paper without text, and a page whose recognition failed: the same bytes as no layer.
    ASSERT_TRUE(DrawBlankPaper(QSize(1240, 1754), 9).save(PathIn("blank.jpg"), "JPEG", 90));
    const COcrPage none = engine.RecognisePicture(PathIn("blank.jpg"), false);
    EXPECT_FALSE(none.HasText());
    COcrPage failed;
    failed.failure = EOcrFailure::NoLanguage;
    BuildPdf(settings, PathIn("blank.jpg"), nullptr, PathIn("blank-plain.pdf"));
    BuildPdf(settings, PathIn("blank.jpg"), &none, PathIn("blank-ocr.pdf"));
    BuildPdf(settings, PathIn("blank.jpg"), &failed, PathIn("blank-failed.pdf"));
    CPdfFile a, b, c;
    ASSERT_TRUE(a.Load(PathIn("blank-plain.pdf")));
    ASSERT_TRUE(b.Load(PathIn("blank-ocr.pdf")));
    ASSERT_TRUE(c.Load(PathIn("blank-failed.pdf")));
    EXPECT_EQ(a.Bytes(), b.Bytes());
    EXPECT_EQ(a.Bytes(), c.Bytes());
}

TEST_F(PdfTextLayerTest, TheLayerCostsLittle) {
    // Three pages of text: at most 50 KB for the document and 5 KB per page.
    COcrEngine engine(QStringLiteral("eng"));
    CPdfBuilder plain(nullptr, settings);
    CPdfBuilder ocr(nullptr, settings);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const QString path = PathIn(QStringLiteral("p%1.jpg").arg(seed));
        ASSERT_TRUE(DrawTextPage(SampleWords(150, seed), QSize(1240, 1754), seed)
                        .image.save(path, "JPEG", 85));
        const COcrPage words = engine.RecognisePicture(path, false);
        ASSERT_GT(words.words.size(), 100u);
        for (CPdfBuilder* builder : {&plain, &ocr}) {
            ASSERT_TRUE(builder->AddPdfPage());
            ASSERT_TRUE(builder->PlacePicture(kImageTypeJpeg, path));
        }
        ASSERT_TRUE(ocr.AddTextLayer(words));
    }
    ASSERT_TRUE(plain.Save(nullptr, PathIn("plain.pdf")));
    ASSERT_TRUE(ocr.Save(nullptr, PathIn("ocr.pdf")));
    const qint64 added =
        QFileInfo(PathIn("ocr.pdf")).size() - QFileInfo(PathIn("plain.pdf")).size();
    RecordProperty("text_layer_bytes", int(added));
    RecordProperty("font_bytes", int(GlyphlessFontData().size()));
    std::printf("text layer: %lld bytes for 3 pages; font file %lld bytes\n",
                static_cast<long long>(added), static_cast<long long>(GlyphlessFontData().size()));
    EXPECT_GT(added, 0);
    EXPECT_LE(added, 50 * 1024 + 3 * 5 * 1024);
}

} // namespace
