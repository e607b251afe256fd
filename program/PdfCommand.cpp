#include "program/PdfCommand.h"

#include "app/AppSettings.h"
#include "pdf/PaperSizes.h"
#include "pdf/PdfJob.h"
#include "program/PdfCommandOptions.h"
#include "program/PdfTerminalDelegate.h"
#include "program/TerminalProgress.h"
#include "session/PictureImport.h"
#include "text/Catalogue.h"

#include <QFileInfo>

namespace {

// What --help says under the usage and the page sizes, wrapped for an 80-column terminal: a
// raw string, so the formatter leaves its lines as they are.
constexpr char kPdfCommandHelp[] = QT_TRANSLATE_NOOP(
    "PdfCommand",
    R"(--fit scales BMP and PNG pictures to the page, --center keeps their size when
they fit; JPEG pictures are always fitted and embedded unchanged.
--auto-portrait turns landscape pictures upright (a quarter counter-clockwise)
in the PDF and leaves the files as they are. A FOLDER stands for its JPEG, PNG
and BMP pictures (and those of its subfolders when Recursive is set), in the
--order given: by name A-Z or Z-A, newest or oldest first, or as found. Without
options the settings PageSize, FitToPage, AutoPortrait and PictureImportOrder
apply ('quillmark settings'); "Ask me" keeps the found order here. --straighten
finds the sheet in each photo and flattens it, --enhance gives it a document
look (grey, bw: black and white, colour); both work on copies, the pictures stay
as they are.
)");

} // namespace

int RunPdfCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                  std::FILE* progressStream) {
    QString error;
    const auto options = ParsePdfCommandOptions(args, &error);
    if (!options) {
        err << "quillmark pdf: " << error << "\n" << kPdfCommandUsage << Qt::endl;
        return 2;
    }
    if (options->help) {
        out << kPdfCommandUsage << "\n\n"
            << TranslateText("PdfCommand", "Page sizes: %1").arg(PaperSizeNames()) << "\n"
            << TranslateText("PdfCommand", kPdfCommandHelp) << Qt::flush;
        return 0;
    }

    // The settings give the defaults; the options override them for this run only.
    CAppSettings settings;
    LoadSettings(settings);
    CPdfJobOptions job;
    job.outputPath = QFileInfo(options->output).absoluteFilePath();
    job.layout = CPdfPageOptions::FromSettings(settings);
    if (options->pageSize)
        job.layout.pageSize = *options->pageSize;
    if (options->fit)
        job.layout.fitToPage = *options->fit;
    job.autoPortrait = options->autoPortrait.value_or(settings.autoPortrait != 0);
    job.ocrLanguage = options->ocr.value_or(CPdfJobOptions::OcrLanguageOf(settings));

    job.scan.straighten = options->straighten;
    if (options->enhance)
        job.scan.look = LookFromName(*options->enhance).value_or(ELook::Original);

    CTerminalProgress bar(progressStream);
    CPdfTerminalDelegate delegate(bar, err);
    // Folders are searched and sorted as the import of the program does it.
    const QStringList pictures =
        ExpandPictureArguments(options->pictures, settings.recursive != 0,
                               options->order.value_or(settings.pictureImportOrder));
    const CPdfJobResult result = CPdfJob(job, delegate).RunOnPictures(pictures);
    bar.Finish();

    const QString& output = options->output;
    switch (result.failure) {
    case EPdfJobFailure::None: break;
    case EPdfJobFailure::NoPages:
        err << "quillmark pdf: "
            << TranslateText("PdfCommand", "no picture could be used; %1 was not written")
                   .arg(output)
            << Qt::endl;
        return 1;
    case EPdfJobFailure::LibraryError:
        err << "quillmark pdf: " << TranslateText("PdfCommand", "%1 was not written").arg(output)
            << Qt::endl;
        return 1;
    case EPdfJobFailure::FileError:
        err << "quillmark pdf: "
            << TranslateText("PdfCommand", "cannot write %1: %2").arg(output, result.ErrorText())
            << Qt::endl;
        return 1;
    }
    if (!result.Done())
        return 1;
    const std::uint32_t size = job.layout.pageSize;
    const QString paper =
        QString::fromLatin1(kPaperSizes[size < kPaperSizes.size() ? size : kDefaultPaperSize].name);
    const QString wrote = result.pagesWritten == 1
                              ? TranslateText("PdfCommand", "Wrote %1: %2 page, %3, %4 bytes")
                              : TranslateText("PdfCommand", "Wrote %1: %2 pages, %3, %4 bytes");
    // One arg() call: a file name holding "%2" must not take the next value.
    out << wrote.arg(output, QString::number(result.pagesWritten), paper,
                     QString::number(result.bytesWritten))
        << Qt::endl;
    return delegate.Notes() ? 1 : 0;
}

int RunPdfCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunPdfCommand(args, out, err, stderr);
}
