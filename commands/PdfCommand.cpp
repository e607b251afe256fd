#include "commands/PdfCommand.h"

#include "app/AppSettings.h"
#include "commands/CommandLine.h"
#include "commands/PdfCommandOptions.h"
#include "commands/PdfTerminalDelegate.h"
#include "commands/TerminalProgress.h"
#include "ocr/OcrEngine.h"
#include "pdf/PaperSizes.h"
#include "pdf/PdfJob.h"
#include "platform/FileCopy.h"
#include "platform/RegularFile.h"
#include "session/PictureImport.h"
#include "text/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What --help says under the usage and the page sizes, wrapped for an 80-column terminal: a
// raw string, so the formatter leaves its lines as they are.
constexpr const char* kPdfCommandHelp = QT_TRANSLATE_NOOP(
    "PdfCommand",
    R"(--fit scales pictures other than JPEG to the page, --center keeps their size
when they fit; JPEG pictures are always fitted (and embedded unchanged unless
--quality says otherwise). --auto-portrait turns landscape pictures upright (a
quarter counter-clockwise) in the PDF and leaves the files as they are. A FOLDER
stands for its JPEG, PNG, BMP, TIFF, GIF, WebP and HEIC/HEIF pictures (and those
of its subfolders when Recursive is set), in the --order given: by name A-Z or
Z-A, newest or oldest first, or as found. Without options the settings PageSize,
FitToPage, AutoPortrait, PictureImportOrder and PictureQuality apply ('quillmark
settings'); "Ask me" keeps the found order here. --straighten finds the sheet in
each photo and flattens it, --enhance gives it a document look (grey, bw: black
and white, colour); both work on copies, the pictures stay as they are.
--quality email scales each picture to about 150 pixels per inch of the page and
stores it as a compact JPEG, for a PDF small enough to mail; --quality bw makes
each page black and white text at a fraction of the size; original (the
PictureQuality setting's default) keeps the pictures' bytes. A list (@LIST or
--files-from LIST) names one picture or folder per line, from the current folder
where the name is relative; empty lines are skipped.
)");

// Where a language's data would come from, for the message that it is missing.
QString MissingLanguageText(const QString& language, bool fromSettings) {
    // Without the library no language helps: say what is missing instead.
    const QString problem = COcrEngine::LibraryProblem();
    if (!problem.isEmpty())
        return QStringLiteral("quillmark pdf: ") +
               TranslateText("PdfCommand", "text recognition is not installed (%1); the pages "
                                           "get no text layer")
                   .arg(problem) +
               QStringLiteral("\nquillmark pdf: ") +
               TranslateText("PdfCommand", "install %1 (Debian's name)")
                   .arg(QStringLiteral("libtesseract5"));
    QStringList missing;
    for (const QString& part : language.split(u'+'))
        if (!COcrEngine::LanguageInstalled(part) && !missing.contains(part))
            missing << part;
    QStringList names, packages, files;
    for (const QString& code : missing) {
        const QString name = COcrEngine::LanguageName(code);
        names << (name == code ? code : QStringLiteral("%1 (%2)").arg(name, code));
        packages << QStringLiteral("tesseract-ocr-") + code.toLower().replace(u'_', u'-');
        files << code + QStringLiteral(".traineddata");
    }
    QStringList installed;
    for (const COcrLanguage& l : COcrEngine::AvailableLanguages())
        installed << QStringLiteral("%1 (%2)").arg(l.name, l.code);
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    QString text =
        QStringLiteral("quillmark pdf: ") +
        (fromSettings
             ? TranslateText("PdfCommand", "text recognition has no data for %1 (asked for by the "
                                           "settings RecogniseText and OcrLanguage); the pages get "
                                           "no text layer")
             : TranslateText("PdfCommand", "text recognition has no data for %1; the pages get no "
                                           "text layer"))
            .arg(names.join(QStringLiteral(", ")));
    text += QStringLiteral("\nquillmark pdf: ");
    if (installed.isEmpty())
        text +=
            prefix.isEmpty()
                ? TranslateText("PdfCommand", "no language is installed")
                : TranslateText("PdfCommand", "no language is installed (in TESSDATA_PREFIX, %1)")
                      .arg(prefix);
    else
        text += prefix.isEmpty()
                    ? TranslateText("PdfCommand", "installed: %1")
                          .arg(installed.join(QStringLiteral(", ")))
                    : TranslateText("PdfCommand", "installed: %1 (in TESSDATA_PREFIX, %2)")
                          .arg(installed.join(QStringLiteral(", ")), prefix);
    text += QStringLiteral("\nquillmark pdf: ") +
            (fromSettings
                 ? TranslateText("PdfCommand",
                                 "install %1 (Debian's names) or set TESSDATA_PREFIX to a folder "
                                 "that holds %2, or give --ocr with an installed language")
                 : TranslateText("PdfCommand",
                                 "install %1 (Debian's names) or set TESSDATA_PREFIX to a folder "
                                 "that holds %2"))
                .arg(packages.join(QStringLiteral(", ")), files.join(QStringLiteral(", ")));
    return text;
}

// Copies the finished PDF to `fd` (standard output). False with the reason when it cannot.
// The file is unlinked once open, so that nothing stays behind whatever happens to the
// reader; a reader that goes away is a write error here, not the end of the program.
bool CopyToDescriptor(const QString& path, int fd, QString* why) {
    const platform::CRegularFile file = platform::OpenRegularFile(path);
    struct stat st {};
    if (!file.Opened() || ::fstat(file.fd, &st) != 0) {
        *why = QString::fromLocal8Bit(std::strerror(file.Opened() ? errno : file.error));
        if (file.Opened())
            ::close(file.fd);
        return false;
    }
    QFile::remove(path);
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    const bool ignoring = ::sigaction(SIGPIPE, &ignore, &previous) == 0;
    const auto restore = qScopeGuard([&] {
        ::close(file.fd);
        if (ignoring)
            ::sigaction(SIGPIPE, &previous, nullptr);
    });
    // Into a file the kernel copies it; into a pipe or a terminal it goes through the buffer.
    std::vector<char> buffer(std::size_t(1) << 16);
    const platform::CFileCopy copy =
        platform::CopyFileBytes(file.fd, 0, st.st_size, fd, buffer.data(), buffer.size());
    if (copy.error != 0 || copy.copied != st.st_size) {
        *why = QString::fromLocal8Bit(std::strerror(copy.error != 0 ? copy.error : EIO));
        return false;
    }
    return true;
}

} // namespace

QString PdfCommandDetails() {
    QString text = CliOptionsHelp(PdfCommandOptionTable());
    text +=
        u'\n' + WrapText(TranslateText("PdfCommand", "Page sizes: %1").arg(PaperSizeNames()), 2);
    text += TranslateText("PdfCommand", kPdfCommandHelp);
    QStringList languages;
    for (const COcrLanguage& l : COcrEngine::AvailableLanguages())
        languages << QStringLiteral("%1 (%2)").arg(l.name, l.code);
    const QString problem = COcrEngine::LibraryProblem();
    if (!problem.isEmpty()) {
        text += u'\n' + WrapText(TranslateText("PdfCommand",
                                               "--ocr: text recognition is not installed (%1).")
                                     .arg(problem),
                                 2);
        return text;
    }
    text += u'\n' + WrapText(languages.isEmpty()
                                 ? TranslateText("PdfCommand",
                                                 "--ocr: no language is installed (Debian's "
                                                 "packages are tesseract-ocr-eng, "
                                                 "tesseract-ocr-deu, ...; TESSDATA_PREFIX names "
                                                 "another folder).")
                                 : TranslateText("PdfCommand", "--ocr languages: %1.")
                                       .arg(languages.join(QStringLiteral(", "))),
                             2);
    return text;
}

int RunPdfCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                  std::FILE* progressStream, QIODevice* in, int pdfOut) {
    QString error;
    const auto options = ParsePdfCommandOptions(args, &error);
    if (!options) {
        err << "quillmark pdf: " << error << "\n" << PdfCommandUsage() << Qt::endl;
        return 2;
    }
    if (options->help) {
        out << CommandHelpText(*FindCliCommand(QStringLiteral("pdf"))) << Qt::flush;
        return 0;
    }
    const bool toStandardOutput = options->ToStandardOutput();
    if (toStandardOutput && ::isatty(pdfOut)) {
        err << "quillmark pdf: "
            << TranslateText("PdfCommand",
                             "not writing a PDF to a terminal; send standard output to a file or "
                             "a program, or give -o OUT.pdf")
            << Qt::endl;
        return 2;
    }
    QFile standardInput;
    if (!in) {
        standardInput.open(0, QIODevice::ReadOnly);
        in = &standardInput;
    }
    const auto named = ReadPictureArguments(options->inputs, *in, &error);
    if (!named) {
        err << "quillmark pdf: " << error << Qt::endl;
        return 2;
    }
    if (named->isEmpty()) {
        err << "quillmark pdf: "
            << TranslateText("PdfCommand", "no pictures given (the lists are empty)") << Qt::endl;
        return 2;
    }

    // The settings give the defaults; the options override them for this run only.
    CAppSettings settings;
    LoadSettings(settings);
    CPdfJobOptions job;
    // Standard output gets the PDF only once it is complete: it is made in a private folder
    // first (made only then).
    std::optional<QTemporaryDir> scratch;
    if (toStandardOutput) {
        scratch.emplace(QDir::temp().filePath(QStringLiteral("quillmark-pdf-XXXXXX")));
        if (!scratch->isValid()) {
            err << "quillmark pdf: "
                << TranslateText("PdfCommand", "cannot make a temporary folder in %1: %2")
                       .arg(QDir::tempPath(), scratch->errorString())
                << Qt::endl;
            return 1;
        }
        job.outputPath = scratch->filePath(QStringLiteral("out.pdf"));
    } else {
        job.outputPath = QFileInfo(options->output).absoluteFilePath();
    }
    job.layout = CPdfPageOptions::FromSettings(settings);
    if (options->pageSize)
        job.layout.pageSize = *options->pageSize;
    if (options->fit)
        job.layout.fitToPage = *options->fit;
    job.autoPortrait = options->autoPortrait.value_or(settings.autoPortrait != 0);
    job.ocrLanguage = options->ocr.value_or(CPdfJobOptions::OcrLanguageOf(settings));
    // A language without its data leaves every page without text: said once, before any
    // work, with where the data would come from. The PDF is still made, and each page named.
    if (!job.ocrLanguage.isEmpty() && !COcrEngine::LanguageInstalled(job.ocrLanguage))
        err << MissingLanguageText(job.ocrLanguage, !options->ocr) << Qt::endl;

    job.quality =
        options->quality ? EPictureQuality(*options->quality) : PictureQualityOf(settings);
    job.scan.straighten = options->straighten;
    if (options->enhance)
        job.scan.look = LookFromName(*options->enhance).value_or(ELook::Original);

    CTerminalProgress bar(progressStream);
    CPdfTerminalDelegate delegate(bar, err);
    // Folders are searched and sorted as the import of the program does it.
    std::vector<CUnreadableFolder> unreadable;
    const QStringList pictures =
        ExpandPictureArguments(*named, settings.recursive != 0,
                               options->order.value_or(settings.pictureImportOrder), &unreadable);
    for (const CUnreadableFolder& folder : unreadable)
        err << "quillmark pdf: " << folder.path << ": "
            << TranslateText("PdfCommand", "cannot read the folder: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(folder.error)))
            << Qt::endl;
    const CPdfJobResult result = CPdfJob(job, delegate).RunOnPictures(pictures);
    bar.Finish();

    const QString output =
        toStandardOutput ? TranslateText("PdfCommand", "standard output") : options->output;
    switch (result.failure) {
    case EPdfJobFailure::None: break;
    case EPdfJobFailure::NoPages:
        err << "quillmark pdf: "
            << (toStandardOutput
                    ? TranslateText("PdfCommand",
                                    "no picture could be used; nothing was written to standard "
                                    "output")
                    : TranslateText("PdfCommand", "no picture could be used; %1 was not written")
                          .arg(output))
            << Qt::endl;
        return 1;
    case EPdfJobFailure::LibraryError:
        err << "quillmark pdf: " << TranslateText("PdfCommand", "%1 was not written").arg(output)
            << Qt::endl;
        return 1;
    case EPdfJobFailure::FileError:
        err << "quillmark pdf: "
            << (toStandardOutput
                    ? TranslateText("PdfCommand",
                                    "cannot write the PDF for standard output in %1: %2")
                          .arg(scratch->path(), result.ErrorText())
                    : TranslateText("PdfCommand", "cannot write %1: %2")
                          .arg(output, result.ErrorText()))
            << Qt::endl;
        return 1;
    }
    if (!result.Done())
        return 1;
    if (toStandardOutput && !CopyToDescriptor(job.outputPath, pdfOut, &error)) {
        err << "quillmark pdf: "
            << TranslateText("PdfCommand", "could not write the PDF to standard output: %1")
                   .arg(error)
            << Qt::endl;
        return 1;
    }
    const std::uint32_t size = job.layout.pageSize;
    // With the PDF on standard output, the summary goes with the other messages.
    QTextStream& summary = toStandardOutput ? err : out;
    const QString paper =
        QString::fromLatin1(kPaperSizes[size < kPaperSizes.size() ? size : kDefaultPaperSize].name);
    const QString wrote = result.pagesWritten == 1
                              ? TranslateText("PdfCommand", "Wrote %1: %2 page, %3, %4 bytes")
                              : TranslateText("PdfCommand", "Wrote %1: %2 pages, %3, %4 bytes");
    // One arg() call: a file name holding "%2" must not take the next value.
    summary << wrote.arg(output, QString::number(result.pagesWritten), paper,
                         QString::number(result.bytesWritten))
            << Qt::endl;
    return delegate.Notes() || !unreadable.empty() ? 1 : 0;
}

int RunPdfCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunPdfCommand(args, out, err, stderr);
}
