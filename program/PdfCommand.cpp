#include "program/PdfCommand.h"

#include "app/AppSettings.h"
#include "imaging/ImageType.h"
#include "pdf/ImageEmbedding.h"
#include "pdf/PageMaker.h"
#include "pdf/PaperSizes.h"
#include "pdf/PdfBuilder.h"
#include "program/TerminalProgress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kUsage[] = "usage: quillmark pdf -o OUT.pdf [--page-size NAME] [--fit | --center]\n"
                      "                     [--auto-portrait | --no-auto-portrait] PICTURE...";

// Box of the check decode: any picture decodes at its smallest scale for it.
constexpr int kCheckBox = 32;

struct CPdfOptions {
    bool help = false;
    QString output;
    std::optional<std::uint32_t> pageSize;
    std::optional<bool> fit;
    std::optional<bool> autoPortrait;
    QStringList pictures;
};

QString PaperSizeNames() {
    QStringList names;
    for (const CPaperSize& p : kPaperSizes)
        names << QString::fromLatin1(p.name);
    return names.join(", ");
}

// Parses the arguments; on a usage error fills `error` and returns nothing.
std::optional<CPdfOptions> ParseOptions(const QStringList& args, QString* error) {
    CPdfOptions o;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](const QString& name) -> std::optional<QString> {
            if (a.startsWith(name + "="))
                return a.mid(name.size() + 1);
            if (i + 1 < args.size())
                return args[++i];
            *error = name + " needs a value";
            return std::nullopt;
        };
        if (onlyFiles || !a.startsWith("-") || a == "-") {
            o.pictures << a;
        } else if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        } else if (a == "--") {
            onlyFiles = true;
        } else if (a == "-o" || a == "--output" || a.startsWith("--output=")) {
            const auto v = value(a == "-o" ? QStringLiteral("-o") : QStringLiteral("--output"));
            if (!v)
                return std::nullopt;
            o.output = *v;
        } else if (a == "--page-size" || a.startsWith("--page-size=")) {
            const auto v = value("--page-size");
            if (!v)
                return std::nullopt;
            const int index = FindPaperSize(*v);
            if (index < 0) {
                *error = "unknown page size '" + *v + "' (one of " + PaperSizeNames() + ")";
                return std::nullopt;
            }
            o.pageSize = std::uint32_t(index);
        } else if (a == "--fit" || a == "--center") {
            const bool fit = a == "--fit";
            if (o.fit && *o.fit != fit) {
                *error = "--fit and --center exclude each other";
                return std::nullopt;
            }
            o.fit = fit;
        } else if (a == "--auto-portrait" || a == "--no-auto-portrait") {
            const bool on = a == "--auto-portrait";
            if (o.autoPortrait && *o.autoPortrait != on) {
                *error = "--auto-portrait and --no-auto-portrait exclude each other";
                return std::nullopt;
            }
            o.autoPortrait = on;
        } else {
            *error = "unknown option '" + a + "'";
            return std::nullopt;
        }
    }
    if (o.output.isEmpty()) {
        *error = "no output file (-o OUT.pdf)";
        return std::nullopt;
    }
    if (o.pictures.isEmpty()) {
        *error = "no pictures given";
        return std::nullopt;
    }
    return o;
}

// Reports every written object to the terminal bar.
class CSaveBar : public CPdfSaveProgress {
public:
    explicit CSaveBar(CTerminalProgress& bar) : m_bar(bar) {}
    void OnObjectWritten(unsigned entryCount, unsigned) override {
        m_bar.Show("Saving", ++m_written, long(entryCount) - 1);
    }

private:
    CTerminalProgress& m_bar;
    long m_written = 0;
};

// A new file's permissions, as a program creating it with open(2) would leave them.
QFileDevice::Permissions NewFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions p;
    if (mode & S_IRUSR)
        p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & S_IWUSR)
        p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & S_IRGRP)
        p |= QFileDevice::ReadGroup;
    if (mode & S_IWGRP)
        p |= QFileDevice::WriteGroup;
    if (mode & S_IROTH)
        p |= QFileDevice::ReadOther;
    if (mode & S_IWOTH)
        p |= QFileDevice::WriteOther;
    return p;
}

bool SyncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QString Why(const CPdfLibraryError& e) {
    switch (e.errorNumber) {
    case HPDF_FILE_OPEN_ERROR: return "the file cannot be opened";
    case HPDF_FILE_IO_ERROR:
        return e.detailNumber == kPictureChangedDetail
                   ? "a picture changed or went away while the PDF was made"
                   : "writing failed (disk full?)";
    case HPDF_UNSUPPORTED_JPEG_FORMAT: return "a JPEG form the PDF library does not take";
    case HPDF_INVALID_JPEG_DATA: return "not a JPEG file, whatever its name says";
    case HPDF_FAILD_TO_ALLOC_MEM: return "out of memory";
    default: return QStringLiteral("PDF library error 0x%1").arg(e.errorNumber, 4, 16, QChar('0'));
    }
}

} // namespace

int RunPdfCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                  std::FILE* progressStream) {
    QString error;
    const auto options = ParseOptions(args, &error);
    if (!options) {
        err << "quillmark pdf: " << error << "\n" << kUsage << Qt::endl;
        return 2;
    }
    if (options->help) {
        out << kUsage << "\n\n"
            << "Page sizes: " << PaperSizeNames() << "\n"
            << "--fit scales BMP and PNG pictures to the page, --center keeps their size when "
               "they\n"
            << "fit; JPEG pictures are always fitted and embedded unchanged. Without options the\n"
            << "settings PageSize, FitToPage and AutoPortrait apply ('quillmark settings').\n"
            << Qt::flush;
        return 0;
    }

    LoadSettings(AppSettings());
    CAppSettings settings = AppSettings();
    if (options->pageSize)
        settings.pageSize = *options->pageSize;
    if (options->fit)
        settings.fitToPage = *options->fit ? 1 : 0;
    if (options->autoPortrait)
        settings.autoPortrait = *options->autoPortrait ? 1 : 0;

    const QString output = QFileInfo(options->output).absoluteFilePath();
    const QStringList& pictures = options->pictures;
    CTerminalProgress bar(progressStream);
    int problems = 0;
    auto report = [&](const QString& picture, const QString& why) {
        bar.Finish();
        err << "quillmark pdf: " << picture << ": " << why << Qt::endl;
        ++problems;
    };

    // Checks and auto-portrait copies of different files are independent: use every core,
    // while this thread adds the pages in order.
    const int threads = int(std::clamp(std::thread::hardware_concurrency(), 2u, 8u));
    CPageMaker maker(pictures, settings.autoPortrait != 0, kCheckBox, kCheckBox, threads);
    CPdfBuilder builder(nullptr, settings);
    int pages = 0;
    // The pictures are read again when the PDF is saved; the pages (and auto-portrait copies)
    // live until then.
    std::vector<std::unique_ptr<CPage>> placed;
    for (int i = 0; i < pictures.size() && !builder.Failed(); ++i) {
        bar.Show("Adding pages", i, pictures.size());
        const QString& picture = pictures[i];
        CPageMaker::CMadePage made = maker.Take(i);
        std::unique_ptr<CPage> page = std::move(made.page);
        if (!page) {
            const QFileInfo info(picture);
            report(picture, !info.exists()   ? "skipped: no such file"
                            : !info.isFile() ? "skipped: not a file"
                                             : "skipped: not a picture that can be read");
            continue;
        }
        if (!builder.AddPdfPage())
            break;
        ++pages;
        const int type = page->typeCode;
        if (type != kImageTypeJpeg && type != kImageTypeBmp && type != kImageTypePng) {
            report(picture, "only JPEG, PNG and BMP pictures are drawn; its page is blank");
        } else if (!(type == kImageTypeJpeg ? builder.PlacePicture(type, page->path)
                                            : builder.PlaceRaster(std::move(made.pixels))) &&
                   !builder.Failed()) {
            report(picture, "could not be decoded; its page is blank");
        } else if (builder.Failed()) {
            report(picture, "the PDF library could not take it: " +
                                (builder.HasLibraryError() ? Why(builder.LastError())
                                                           : QStringLiteral("out of memory")));
        }
        placed.push_back(std::move(page));
    }
    bar.Show("Adding pages", pictures.size(), pictures.size());
    bar.Finish();

    if (builder.Failed()) {
        err << "quillmark pdf: " << options->output << " was not written" << Qt::endl;
        return 1;
    }
    if (pages == 0) {
        err << "quillmark pdf: no picture could be used; " << options->output << " was not written"
            << Qt::endl;
        return 1;
    }

    // Written beside the output under a temporary name and renamed over it only when whole.
    QTemporaryFile temp(
        QFileInfo(output).dir().filePath(QFileInfo(output).fileName() + ".XXXXXX.part"));
    temp.setAutoRemove(true);
    if (!temp.open()) {
        err << "quillmark pdf: cannot write " << options->output << ": " << temp.errorString()
            << Qt::endl;
        return 1;
    }
    temp.close();
    CSaveBar saveBar(bar);
    const bool saved = builder.Save(&saveBar, temp.fileName());
    bar.Finish();
    builder.ReleaseDocument();
    placed.clear();
    if (!saved || !SyncFile(temp.fileName())) {
        err << "quillmark pdf: cannot write " << options->output << ": "
            << (builder.HasLibraryError() ? Why(builder.LastError()) : QString("sync failed"))
            << Qt::endl;
        return 1;
    }
    temp.setPermissions(QFile::exists(output) ? QFile::permissions(output) : NewFilePermissions());
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(output).constData()) != 0) {
        err << "quillmark pdf: cannot replace " << options->output << ": "
            << QString::fromLocal8Bit(std::strerror(errno)) << Qt::endl;
        return 1;
    }
    temp.setAutoRemove(false);
    out << "Wrote " << options->output << ": " << pages << (pages == 1 ? " page" : " pages") << ", "
        << QString::fromLatin1(
               kPaperSizes[settings.pageSize < kPaperSizes.size() ? settings.pageSize
                                                                  : kDefaultPaperSize]
                   .name)
        << ", " << QFileInfo(output).size() << " bytes" << Qt::endl;
    return problems ? 1 : 0;
}

int RunPdfCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunPdfCommand(args, out, err, stderr);
}
