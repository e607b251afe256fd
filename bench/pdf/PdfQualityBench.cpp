// The three picture qualities on photographed text pages: 5 MP camera pictures (1944 x 2592,
// text in two fonts and three sizes, dark grey on paper-coloured, shaded paper with noise)
// made into an A4 PDF each way. Reported per quality: bytes per page, and OCR word recall
// of the PDF as a reader sees it (each page rendered at 200 dpi with pdftoppm, read by the
// tesseract command), also as a share of the original pictures' recall.
// Goals: email at most 300 KB per page with at least 97 % of the original's recall; bw at
// most 80 KB per page with at least 95 %.

#include "pdf/PdfJob.h"
#include "pdf/PictureQuality.h"
#include "tests/ocr/TextPages.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>
#include <vector>

namespace {

constexpr int kPages = 2;

class CQuietDelegate : public CPdfJobDelegate {
public:
    void OnStep(int, int) override {}
    void OnStage(EPdfJobStage, int, int) override {}
    void OnPageNote(const CPdfPageNote&) override {}
    void OnObjectWritten(int, int) override {}
    void OnLibraryError(const CPdfLibraryError&) override {}
    bool IsCancelled() override { return false; }
};

struct CBenchPages {
    QTemporaryDir dir;
    std::vector<CPdfJobPage> pages;
    std::vector<QStringList> words; // drawn on each page
};

const CBenchPages& Pages() {
    static CBenchPages set = [] {
        CBenchPages s;
        for (int i = 0; i < kPages; ++i) {
            const QString path = s.dir.filePath(QStringLiteral("page%1.jpg").arg(i));
            const unsigned seed = 11u + unsigned(i);
            const CTextPage drawn = DrawTextPage(SampleWords(500, seed), QSize(1944, 2592), seed);
            // As the program's camera stores them.
            drawn.image.save(path, "JPEG", 100);
            s.pages.push_back({path, kImageTypeJpeg, false});
            QStringList words;
            for (const CDrawnWord& w : drawn.words)
                words << w.text.toLower();
            s.words.push_back(words);
        }
        return s;
    }();
    return set;
}

// Share of the drawn words (with their counts) that the recognised text holds.
double Recall(const QStringList& drawn, const QString& text) {
    std::map<QString, int> found;
    static const QRegularExpression nonLetters(QStringLiteral("[^a-z]+"));
    for (const QString& w : text.toLower().split(nonLetters, Qt::SkipEmptyParts))
        ++found[w];
    int hits = 0;
    for (const QString& w : drawn)
        if (found[w]-- > 0)
            ++hits;
    return drawn.isEmpty() ? 0.0 : double(hits) / double(drawn.size());
}

struct CQualityFigures {
    bool ok = false;
    QString error;
    double bytesPerPage = 0;
    double recall = 0;
};

CQualityFigures Measure(EPictureQuality quality) {
    CQualityFigures f;
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    const QString tesseract = QStandardPaths::findExecutable(QStringLiteral("tesseract"));
    if (pdftoppm.isEmpty() || tesseract.isEmpty()) {
        f.error = QStringLiteral("pdftoppm or tesseract missing (scripts/install-deps.sh --bench)");
        return f;
    }
    const CBenchPages& set = Pages();
    QTemporaryDir work;
    CPdfJobOptions options;
    options.outputPath = work.filePath(QStringLiteral("out.pdf"));
    options.layout.pageSize = kPaperA4;
    options.quality = quality;
    CQuietDelegate delegate;
    const CPdfJobResult result = CPdfJob(options, delegate).Run(set.pages);
    if (!result.Done()) {
        f.error = QStringLiteral("the PDF was not made");
        return f;
    }
    f.bytesPerPage = double(QFileInfo(options.outputPath).size()) / kPages;
    double recall = 0;
    for (int i = 0; i < kPages; ++i) {
        const QString prefix = work.filePath(QStringLiteral("p%1").arg(i));
        QProcess render;
        render.start(pdftoppm, {"-r", "200", "-gray", "-singlefile", "-f", QString::number(i + 1),
                                "-l", QString::number(i + 1), "-png", options.outputPath, prefix});
        if (!render.waitForFinished(-1) || render.exitCode() != 0) {
            f.error = QStringLiteral("pdftoppm failed");
            return f;
        }
        QProcess ocr;
        ocr.start(tesseract, {prefix + ".png", "stdout", "-l", "eng", "--dpi", "200"});
        if (!ocr.waitForFinished(-1) || ocr.exitCode() != 0) {
            f.error = QStringLiteral("tesseract failed");
            return f;
        }
        recall += Recall(set.words[std::size_t(i)], QString::fromUtf8(ocr.readAllStandardOutput()));
    }
    f.recall = recall / kPages;
    f.ok = true;
    return f;
}

const CQualityFigures& Figures(EPictureQuality quality) {
    static std::map<EPictureQuality, CQualityFigures> cache;
    auto it = cache.find(quality);
    if (it == cache.end())
        it = cache.emplace(quality, Measure(quality)).first;
    return it->second;
}

void BM_PictureQuality(benchmark::State& state) {
    const auto quality = EPictureQuality(state.range(0));
    state.SetLabel(PictureQualityName(quality).toStdString());
    CQualityFigures figures;
    for (auto _ : state)
        figures = Figures(quality);
    if (!figures.ok) {
        state.SkipWithError(figures.error.toStdString().c_str());
        return;
    }
    const CQualityFigures& original = Figures(EPictureQuality::Original);
    state.counters["KB_per_page"] = figures.bytesPerPage / 1024.0;
    state.counters["recall_pct"] = 100.0 * figures.recall;
    state.counters["of_original_pct"] =
        original.recall > 0 ? 100.0 * figures.recall / original.recall : 0.0;
}
BENCHMARK(BM_PictureQuality)
    ->Arg(int(EPictureQuality::Original))
    ->Arg(int(EPictureQuality::Email))
    ->Arg(int(EPictureQuality::BlackAndWhite))
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
