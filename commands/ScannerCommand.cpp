#include "commands/ScannerCommand.h"

#include "app/AppSettings.h"
#include "commands/CommandLine.h"
#include "commands/PdfCommandOptions.h"
#include "commands/PdfTerminalDelegate.h"
#include "commands/TerminalProgress.h"
#include "imaging/Enhance.h"
#include "ocr/OcrEngine.h"
#include "pdf/PaperSizes.h"
#include "pdf/PdfJob.h"
#include "scanner/ScanJob.h"
#include "scanner/ScannerDevice.h"
#include "text/Catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>

namespace {

constexpr char kCommand[] = "quillmark scan: ";

// What --help says under the options: a raw string, so the formatter leaves its lines alone.
constexpr char kScannerCommandHelp[] =
    R"(Without --device the first scanner SANE lists is used ('quillmark scan --list'
names them). --source adf (or duplex) takes every sheet in the document feeder
until it is empty, --source flatbed one page, or --pages N pages one after the
other. The scan area is the PDF's paper (--page-size, else the setting
PageSize), cut to what the scanner reaches. Colour and grey pages are scanned as
JPEG, black and white (lineart) ones as PNG; the pictures are made into the PDF
as the pdf command makes its pages, and removed once the PDF is written. Ctrl+C
stops the scan: the PDF is made of the pages scanned before it. SANE's own
settings apply (SANE_CONFIG_DIR names the folder of dll.conf and the backends'
files).
)";

const std::vector<CCliOption>& ScanOptionTable() {
    static const std::vector<CCliOption> options = [] {
        std::vector<CCliOption> table{
            {"-o --output", "-o OUT.pdf",
             "the PDF to write (also --output OUT.pdf), replaced only by a complete one", true},
            {"--device", "--device NAME",
             "the scanner by its SANE name (test:0, airscan:..., see --list)"},
            {"--source", "--source flatbed|adf|duplex",
             "scan from the flatbed or every sheet in the document feeder (both sides with "
             "duplex)"},
            {"--resolution", "--resolution DPI", "dots per inch (300 unless given)"},
            {"--mode", "--mode color|gray|lineart",
             "colour, grey or black and white pages (colour unless given)"},
            {"--pages", "--pages N", "scan at most N pages"},
        };
        // The pdf command's options that apply to scanned pages as they do to pictures.
        for (const CCliOption& option : PdfCommandOptionTable()) {
            const QString names = QString::fromLatin1(option.names);
            if (names.contains(QLatin1String("--output")) ||
                names.contains(QLatin1String("--order")) ||
                names.contains(QLatin1String("--files-from")))
                continue;
            table.push_back(option);
        }
        return table;
    }();
    return options;
}

const CCliOption kListOption{"--list", "--list", "list the scanners SANE finds and exit"};

struct CScanCommandOptions {
    bool help = false;
    bool list = false;
    QString output;
    CScanOptions scan;
    bool sourceGiven = false;
    QStringList pdfArguments; // handed to the pdf command's parser
};

std::optional<CScanCommandOptions> ParseScanOptions(const QStringList& args, QString* error) {
    CScanCommandOptions o;
    static const QStringList kPdfValueOptions = {"--page-size", "--ocr", "--enhance"};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString name = a.startsWith(QLatin1String("--")) ? a.section(u'=', 0, 0) : a;
        auto value = [&]() -> std::optional<QString> {
            if (a.startsWith(name + u'='))
                return a.mid(name.size() + 1);
            if (i + 1 < args.size())
                return args[++i];
            *error = TranslateText("PdfCommand", "%1 needs a value").arg(name);
            return std::nullopt;
        };
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            o.help = true;
            return o;
        }
        if (a == QLatin1String("--list")) {
            o.list = true;
            continue;
        }
        if (!a.startsWith(u'-') || a == QLatin1String("-")) {
            *error = QStringLiteral("scan takes no pictures ('%1'); it makes its pages from the "
                                    "scanner")
                         .arg(a);
            return std::nullopt;
        }
        if (!IsCliOption(ScanOptionTable(), name) || (a.contains(u'=') && !a.startsWith("--"))) {
            *error = TranslateText("PdfCommand", "unknown option '%1'").arg(a);
            return std::nullopt;
        }
        if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            if (v->isEmpty() || *v == QLatin1String("-")) {
                *error = name + QStringLiteral(" needs a file name (scan writes its PDF to a "
                                               "file)");
                return std::nullopt;
            }
            o.output = *v;
        } else if (name == QLatin1String("--device")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            o.scan.device = *v;
        } else if (name == QLatin1String("--source")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            const auto source = ScanSourceFromName(*v);
            if (!source || *source == EScanSource::Default) {
                *error =
                    QStringLiteral("unknown source '%1' (one of flatbed, adf, duplex)").arg(*v);
                return std::nullopt;
            }
            o.scan.source = *source;
            o.sourceGiven = true;
        } else if (name == QLatin1String("--mode")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            const auto mode = ScanModeFromName(*v);
            if (!mode) {
                *error = QStringLiteral("unknown mode '%1' (one of color, gray, lineart)").arg(*v);
                return std::nullopt;
            }
            o.scan.mode = *mode;
        } else if (name == QLatin1String("--resolution") || name == QLatin1String("--pages")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            bool ok = false;
            const int number = v->toInt(&ok);
            const int most = name == QLatin1String("--resolution") ? 19200 : 100000;
            if (!ok || number < 1 || number > most) {
                *error = QStringLiteral("%1 takes a number from 1 to %2, not '%3'")
                             .arg(name)
                             .arg(most)
                             .arg(*v);
                return std::nullopt;
            }
            (name == QLatin1String("--pages") ? o.scan.maxPages : o.scan.resolution) = number;
        } else if (kPdfValueOptions.contains(name)) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            o.pdfArguments << name + u'=' + *v;
        } else {
            if (a.contains(u'=')) {
                *error = name + QStringLiteral(" takes no value");
                return std::nullopt;
            }
            o.pdfArguments << a;
        }
    }
    if (!o.list && o.output.isEmpty()) {
        *error = QStringLiteral("no output file (-o OUT.pdf)");
        return std::nullopt;
    }
    return o;
}

QString Usage() {
    return WrapText(QStringLiteral("usage: quillmark ") +
                        ScannerCommandSynopsis().join(QStringLiteral("\n       quillmark ")),
                    int(qstrlen("usage: quillmark scan ")))
        .chopped(1);
}

std::atomic<bool> g_interrupted{false};
std::atomic<bool>* g_stopFlag = &g_interrupted;

// The first Ctrl+C stops the scan; a second one ends the program as Ctrl+C does.
void OnInterrupt(int) {
    if (g_stopFlag->exchange(true))
        std::signal(SIGINT, SIG_DFL), std::raise(SIGINT);
}

class CScanTerminalDelegate : public CScanJobDelegate {
public:
    CScanTerminalDelegate(CTerminalProgress& bar, QTextStream& err, std::atomic<bool>& stop)
        : m_bar(bar), m_err(err), m_stop(stop) {}
    void OnProgress(int page, int percent) override {
        m_bar.Show(TranslateText("ScannerCommand", "Scanning page %1").arg(page),
                   percent < 0 ? 0 : percent, 100);
    }
    void OnPage(int page, const QString&) override {
        m_bar.Finish();
        m_err << kCommand << TranslateText("ScannerCommand", "scanned page %1").arg(page)
              << Qt::endl;
    }
    bool Cancelled() override { return m_stop; }

private:
    CTerminalProgress& m_bar;
    QTextStream& m_err;
    std::atomic<bool>& m_stop;
};

int ListScannersCommand(QTextStream& out, QTextStream& err) {
    QString reason;
    const std::vector<CScannerInfo> scanners = ListScanners(&reason);
    if (!reason.isEmpty()) {
        err << kCommand << reason << Qt::endl;
        return 1;
    }
    if (scanners.empty()) {
        err << kCommand
            << TranslateText("ScannerCommand",
                             "no scanner was found (is it switched on, connected and known to "
                             "SANE? 'scanimage -L' lists what SANE sees)")
            << Qt::endl;
        return 1;
    }
    for (const CScannerInfo& s : scanners) {
        const QString maker = QStringList{s.vendor, s.model}.join(u' ').trimmed();
        out << s.name << '\t' << maker;
        if (!s.type.isEmpty())
            out << " (" << s.type << ')';
        out << '\n';
    }
    out.flush();
    return 0;
}

} // namespace

QStringList ScannerCommandSynopsis() {
    return {CliSynopsis("scan", ScanOptionTable(), ""), QStringLiteral("scan --list")};
}

QString ScannerCommandDetails() {
    std::vector<CCliOption> listed = ScanOptionTable();
    listed.push_back(kListOption);
    QString text = CliOptionsHelp(listed);
    text += u'\n' + WrapText(QStringLiteral("Page sizes: ") + PaperSizeNames(), 2);
    text += QString::fromUtf8(kScannerCommandHelp);
    return text;
}

int RunScannerCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                      std::FILE* progressStream, std::atomic<bool>* stop) {
    QString error;
    const auto options = ParseScanOptions(args, &error);
    if (!options) {
        err << kCommand << error << "\n" << Usage() << Qt::endl;
        return 2;
    }
    if (options->help) {
        out << CommandHelpText(*FindCliCommand(QStringLiteral("scan"))) << Qt::flush;
        return 0;
    }
    if (options->list)
        return ListScannersCommand(out, err);
    // The pdf command's parser judges its own options, with its own messages.
    const auto pdf = ParsePdfCommandOptions(
        options->pdfArguments + QStringList{"-o", options->output, "--", "scan"}, &error);
    if (!pdf) {
        err << kCommand << error << "\n" << Usage() << Qt::endl;
        return 2;
    }

    CAppSettings settings;
    LoadSettings(settings);
    CPdfJobOptions job;
    job.outputPath = QFileInfo(options->output).absoluteFilePath();
    job.layout = CPdfPageOptions::FromSettings(settings);
    if (pdf->pageSize)
        job.layout.pageSize = *pdf->pageSize;
    if (pdf->fit)
        job.layout.fitToPage = *pdf->fit;
    job.autoPortrait = pdf->autoPortrait.value_or(settings.autoPortrait != 0);
    job.ocrLanguage = pdf->ocr.value_or(CPdfJobOptions::OcrLanguageOf(settings));
    if (!job.ocrLanguage.isEmpty() && !COcrEngine::LanguageInstalled(job.ocrLanguage))
        err << kCommand
            << QStringLiteral("text recognition has no data for %1; the pages get no text layer "
                              "('quillmark pdf --help' lists the installed languages)")
                   .arg(job.ocrLanguage)
            << Qt::endl;
    job.scan.straighten = pdf->straighten;
    if (pdf->enhance)
        job.scan.look = LookFromName(*pdf->enhance).value_or(ELook::Original);

    // The pictures wait in a private folder beside nothing of the user's until the PDF holds
    // them; a PDF that cannot be written leaves them there, and says where.
    QTemporaryDir scratch(QDir::temp().filePath(QStringLiteral("quillmark-scan-XXXXXX")));
    if (!scratch.isValid()) {
        err << kCommand << "cannot make a temporary folder in " << QDir::tempPath() << ": "
            << scratch.errorString() << Qt::endl;
        return 1;
    }
    CScanOptions scan = options->scan;
    scan.folder = scratch.path();
    const std::uint32_t size =
        job.layout.pageSize < kPaperSizes.size() ? job.layout.pageSize : kDefaultPaperSize;
    scan.widthMm = kPaperSizes[size].width * 25.4 / 72.0;
    scan.heightMm = kPaperSizes[size].height * 25.4 / 72.0;

    std::atomic<bool>& stopFlag = stop ? *stop : g_interrupted;
    g_stopFlag = &stopFlag;
    struct sigaction interrupt {};
    struct sigaction previous {};
    interrupt.sa_handler = OnInterrupt;
    sigemptyset(&interrupt.sa_mask);
    const bool handling = !stop && ::sigaction(SIGINT, &interrupt, &previous) == 0;
    CTerminalProgress bar(progressStream);
    CScanTerminalDelegate scanDelegate(bar, err, stopFlag);
    const CScanResult scanned = CScanJob(scan, scanDelegate).Run();
    bar.Finish();
    // Making the PDF is not stopped halfway: a second Ctrl+C ends it, leaving no file.
    if (handling)
        ::sigaction(SIGINT, &previous, nullptr);

    if (!scanned.reason.isEmpty())
        err << kCommand << scanned.reason << Qt::endl;
    if (scanned.pages.isEmpty()) {
        err << kCommand
            << (scanned.cancelled
                    ? TranslateText("ScannerCommand", "stopped before a page was scanned; %1 "
                                                      "was not written")
                    : TranslateText("ScannerCommand", "no page was scanned; %1 was not written"))
                   .arg(options->output)
            << Qt::endl;
        return scanned.cancelled ? 130 : 1;
    }
    if (scanned.cancelled)
        err << kCommand
            << TranslateText("ScannerCommand", "stopped; the PDF has the %1 pages scanned before")
                   .arg(scanned.pages.size())
            << Qt::endl;

    CPdfTerminalDelegate delegate(bar, err);
    const CPdfJobResult result = CPdfJob(job, delegate).RunOnPictures(scanned.pages);
    bar.Finish();
    if (!result.Done()) {
        scratch.setAutoRemove(false);
        err << kCommand << TranslateText("PdfCommand", "%1 was not written").arg(options->output);
        if (!result.ErrorText().isEmpty())
            err << ": " << result.ErrorText();
        err << "\n"
            << kCommand
            << TranslateText("ScannerCommand", "the scanned pictures are kept in %1")
                   .arg(scratch.path())
            << Qt::endl;
        return 1;
    }
    const QString paper = QString::fromLatin1(kPaperSizes[size].name);
    const QString wrote = result.pagesWritten == 1
                              ? TranslateText("PdfCommand", "Wrote %1: %2 page, %3, %4 bytes")
                              : TranslateText("PdfCommand", "Wrote %1: %2 pages, %3, %4 bytes");
    out << wrote.arg(options->output, QString::number(result.pagesWritten), paper,
                     QString::number(result.bytesWritten))
        << Qt::endl;
    if (scanned.cancelled)
        return 130;
    return scanned.Done() && !delegate.Notes() ? 0 : 1;
}

int RunScannerCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunScannerCommand(args, out, err, stderr);
}
