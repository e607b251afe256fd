#include "tests/ocr/TextPages.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <random>

namespace {

const char* const kVocabulary[] = {
    "paper",    "window",  "garden",  "morning", "letter",   "station",  "river",   "market",
    "winter",   "summer",  "number",  "travel",  "friend",   "yellow",   "kitchen", "silver",
    "mountain", "history", "people",  "village", "office",   "question", "answer",  "evening",
    "picture",  "country", "reason",  "bridge",  "forest",   "harbour",  "island",  "journey",
    "library",  "machine", "orange",  "planet",  "quiet",    "school",   "theatre", "violet",
    "wonder",   "account", "balance", "company", "delivery", "invoice",  "payment", "receipt",
    "monday",   "friday",  "total",   "amount",  "address",  "signed",   "copy",    "page",
    "the",      "and",     "with",    "from",    "over",     "under",    "about",   "between",
};

// Text needs the font database, which needs an application object (offscreen in tests).
void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillmark-tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the test process
}

QString FontFamily(const QString& file) {
    EnsureGuiApplication();
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.value(0, QStringLiteral("DejaVu Sans"));
}

QImage Photographed(const QImage& paper, unsigned seed) {
    // Slight blur: each pixel averaged with its neighbours (a small box filter).
    QImage blurred = paper
                         .scaled(paper.width() * 2 / 3, paper.height() * 2 / 3,
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .scaled(paper.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 6.0);
    for (int y = 0; y < blurred.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(blurred.scanLine(y));
        // Light falls from the top left: the far corner is a third darker.
        for (int x = 0; x < blurred.width(); ++x) {
            const double light =
                1.0 - 0.3 * (double(x) / blurred.width() + double(y) / blurred.height()) / 2;
            auto channel = [&](int v) {
                return std::clamp(int(v * light + noise(random)), 0, 255);
            };
            const QRgb p = row[x];
            row[x] = qRgb(channel(qRed(p)), channel(qGreen(p)), channel(qBlue(p)));
        }
    }
    return blurred;
}

} // namespace

QStringList SampleWords(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, int(std::size(kVocabulary)) - 1);
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << QString::fromLatin1(kVocabulary[pick(random)]);
    return words;
}

CTextPage DrawTextPage(const QStringList& words, QSize size, unsigned seed) {
    const QString families[] = {
        FontFamily(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")),
        FontFamily(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"))};
    // Body, larger and heading text for a page about 8 inches wide.
    const double sizes[] = {size.width() / 60.0, size.width() / 45.0, size.width() / 32.0};

    CTextPage page;
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(QColor(250, 248, 240));
    QPainter painter(&paper);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(30, 30, 35));
    const int margin = size.width() / 10;
    int y = margin;
    int paragraph = 0;
    qsizetype next = 0;
    while (next < words.size()) {
        QFont font(families[paragraph % 2]);
        font.setPixelSize(int(sizes[(paragraph / 2) % 3]));
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const int lineHeight = metrics.height() * 3 / 2;
        const int space = metrics.horizontalAdvance(u' ');
        // Paragraphs of up to three lines.
        for (int line = 0; line < 3 && next < words.size(); ++line) {
            if (y + lineHeight > size.height() - margin)
                break;
            int x = margin;
            while (next < words.size()) {
                const QString& word = words[next];
                const int width = metrics.horizontalAdvance(word);
                if (x + width > size.width() - margin)
                    break;
                const int baseline = y + metrics.ascent();
                painter.drawText(x, baseline, word);
                page.words.push_back(
                    {word, QRect(x, y, width, metrics.ascent() + metrics.descent())});
                x += width + space;
                ++next;
            }
            y += lineHeight;
        }
        y += lineHeight / 2;
        ++paragraph;
        if (y + lineHeight > size.height() - margin)
            break;
    }
    painter.end();
    page.image = Photographed(paper, seed);
    return page;
}

QImage DrawBlankPaper(QSize size, unsigned seed) {
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(QColor(250, 248, 240));
    return Photographed(paper, seed);
}
