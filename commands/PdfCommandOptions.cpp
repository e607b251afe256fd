#include "commands/PdfCommandOptions.h"

#include "imaging/Enhance.h"
#include "pdf/PaperSizes.h"
#include "pdf/PictureQuality.h"
#include "session/ImportOrder.h"
#include "text/Catalogue.h"

#include <QFile>

QString PaperSizeNames() {
    QStringList names;
    for (const CPaperSize& p : kPaperSizes)
        names << QString::fromLatin1(p.name);
    return names.join(", ");
}

const std::vector<CCliOption>& PdfCommandOptionTable() {
    static const std::vector<CCliOption> options{
        {"-o --output", "-o OUT.pdf|-",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "the PDF to write (also --output OUT.pdf), replaced only by a complete one; with "
             "-o - the PDF goes to standard output and messages stay on standard error"),
         true},
        {"--page-size", "--page-size NAME",
         QT_TRANSLATE_NOOP("CommandLine", "the paper (see the page sizes below)")},
        {"--fit --center", "--fit | --center",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "scale pictures other than JPEG to the page, or keep their size where they fit")},
        {"--auto-portrait --no-auto-portrait", "--auto-portrait | --no-auto-portrait",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "turn landscape pictures upright in the PDF, or leave them as they are")},
        {"--order", "--order name|name-desc|newest|oldest|found",
         QT_TRANSLATE_NOOP("CommandLine", "the order of the pictures of a folder")},
        {"--ocr", "--ocr LANG",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "recognise the text in language LANG (eng, deu, eng+fra, ...) and lay it invisibly "
             "over each page, so that the PDF can be searched")},
        {"--straighten", "--straighten",
         QT_TRANSLATE_NOOP("CommandLine", "find the sheet in each photo and flatten it")},
        {"--enhance", "--enhance none|grey|bw|colour",
         QT_TRANSLATE_NOOP("CommandLine", "give each page a document look")},
        {"--quality", "--quality original|email|bw",
         QT_TRANSLATE_NOOP("CommandLine",
                           "the pictures as they are, smaller for e-mail, or black and white "
                           "text")},
        {"--files-from", "--files-from FILE",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "take pictures and folders from FILE, one per line, or from standard input when "
             "FILE is -; @FILE among the pictures does the same")},
    };
    return options;
}

QString PdfCommandSynopsis() {
    return CliSynopsis("pdf", PdfCommandOptionTable(), kPdfCommandOperands);
}

QString PdfCommandUsage() {
    return CommandUsageText("pdf");
}

std::optional<CPdfCommandOptions> ParsePdfCommandOptions(const QStringList& args, QString* error) {
    CPdfCommandOptions o;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](const QString& name) -> std::optional<QString> {
            if (a.startsWith(name + "="))
                return a.mid(name.size() + 1);
            if (i + 1 < args.size())
                return args[++i];
            *error = TranslateText("PdfCommand", "%1 needs a value").arg(name);
            return std::nullopt;
        };
        if (onlyFiles) {
            o.inputs.push_back({a, false});
            continue;
        }
        if (a == "-") {
            *error = "'-' is no picture; to read the pictures' names from standard input, give "
                     "--files-from - or @-";
            return std::nullopt;
        }
        if (a.startsWith("@") && a.size() > 1) {
            o.inputs.push_back({a.mid(1), true});
            continue;
        }
        if (!a.startsWith("-")) {
            o.inputs.push_back({a, false});
            continue;
        }
        if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        }
        if (a == "--") {
            onlyFiles = true;
            continue;
        }
        // Only what the table lists is an option here, so none can go undocumented.
        const QString name = a.section(u'=', 0, 0);
        if (!IsCliOption(PdfCommandOptionTable(), name) ||
            (a.contains(u'=') && !a.startsWith("--"))) {
            *error = TranslateText("PdfCommand", "unknown option '%1'").arg(a);
            return std::nullopt;
        }
        if (name == "-o" || name == "--output") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            if (v->isEmpty()) {
                *error = name + " needs a file name (or - for standard output)";
                return std::nullopt;
            }
            o.output = *v;
        } else if (name == "--page-size") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            const int index = FindPaperSize(*v);
            if (index < 0) {
                *error = TranslateText("PdfCommand", "unknown page size '%1' (one of %2)")
                             .arg(*v, PaperSizeNames());
                return std::nullopt;
            }
            o.pageSize = std::uint32_t(index);
        } else if (a == "--fit" || a == "--center") {
            const bool fit = a == "--fit";
            if (o.fit && *o.fit != fit) {
                *error = TranslateText("PdfCommand", "--fit and --center exclude each other");
                return std::nullopt;
            }
            o.fit = fit;
        } else if (a == "--auto-portrait" || a == "--no-auto-portrait") {
            const bool on = a == "--auto-portrait";
            if (o.autoPortrait && *o.autoPortrait != on) {
                *error = TranslateText("PdfCommand",
                                       "--auto-portrait and --no-auto-portrait exclude each other");
                return std::nullopt;
            }
            o.autoPortrait = on;
        } else if (name == "--ocr") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            if (v->isEmpty()) {
                *error =
                    TranslateText("PdfCommand", "--ocr needs a language (eng, deu, eng+fra, ...)");
                return std::nullopt;
            }
            o.ocr = *v;
        } else if (a == "--straighten") {
            o.straighten = true;
        } else if (name == "--enhance") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            if (!LookFromName(*v)) {
                *error =
                    TranslateText("PdfCommand", "unknown look '%1' (one of none, grey, bw, colour)")
                        .arg(*v);
                return std::nullopt;
            }
            o.enhance = *v;
        } else if (name == "--quality") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            const auto quality = PictureQualityFromName(*v);
            if (!quality) {
                *error =
                    TranslateText("PdfCommand", "unknown quality '%1' (one of original, email, bw)")
                        .arg(*v);
                return std::nullopt;
            }
            o.quality = std::uint32_t(*quality);
        } else if (name == "--order") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            o.order = ParseImportOrder(*v);
            if (!o.order) {
                *error = TranslateText(
                             "PdfCommand",
                             "unknown order '%1' (one of name, name-desc, newest, oldest, found)")
                             .arg(*v);
                return std::nullopt;
            }
        } else if (name == "--files-from") {
            const auto v = value(name);
            if (!v)
                return std::nullopt;
            if (v->isEmpty()) {
                *error = "--files-from needs a file (or - for standard input)";
                return std::nullopt;
            }
            o.inputs.push_back({*v, true});
        } else {
            // "--fit=yes": a switch given a value.
            *error = name + " takes no value";
            return std::nullopt;
        }
    }
    if (o.output.isEmpty()) {
        *error =
            TranslateText("PdfCommand", "no output file (-o OUT.pdf, or -o - for standard output)");
        return std::nullopt;
    }
    if (o.inputs.empty()) {
        *error = TranslateText("PdfCommand", "no pictures given");
        return std::nullopt;
    }
    return o;
}

std::optional<QStringList> ReadPictureArguments(const std::vector<CPictureArgument>& inputs,
                                                QIODevice& standardInput, QString* error) {
    QStringList paths;
    bool readStandardInput = false;
    for (const CPictureArgument& input : inputs) {
        if (!input.list) {
            paths << input.path;
            continue;
        }
        QByteArray text;
        if (input.path == "-") {
            if (readStandardInput) {
                *error = "standard input can give the list only once";
                return std::nullopt;
            }
            readStandardInput = true;
            if (!standardInput.isOpen() && !standardInput.open(QIODevice::ReadOnly)) {
                *error = "cannot read the list on standard input";
                return std::nullopt;
            }
            text = standardInput.readAll();
        } else {
            QFile file(input.path);
            if (!file.open(QIODevice::ReadOnly)) {
                *error = "cannot read the list " + input.path + ": " + file.errorString();
                return std::nullopt;
            }
            text = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                *error = "cannot read the list " + input.path + ": " + file.errorString();
                return std::nullopt;
            }
        }
        for (QByteArray line : text.split('\n')) {
            // Lists written on other systems end their lines with CR LF.
            if (line.endsWith('\r'))
                line.chop(1);
            if (!line.trimmed().isEmpty())
                paths << QFile::decodeName(line);
        }
    }
    return paths;
}
