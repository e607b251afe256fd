#include "program/PdfCommandOptions.h"

#include "imaging/Enhance.h"
#include "pdf/PaperSizes.h"
#include "session/ImportOrder.h"
#include "text/Catalogue.h"

QString PaperSizeNames() {
    QStringList names;
    for (const CPaperSize& p : kPaperSizes)
        names << QString::fromLatin1(p.name);
    return names.join(", ");
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
        } else if (a == "--ocr" || a.startsWith("--ocr=")) {
            const auto v = value("--ocr");
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
        } else if (a == "--enhance" || a.startsWith("--enhance=")) {
            const auto v = value("--enhance");
            if (!v)
                return std::nullopt;
            if (!LookFromName(*v)) {
                *error =
                    TranslateText("PdfCommand", "unknown look '%1' (one of none, grey, bw, colour)")
                        .arg(*v);
                return std::nullopt;
            }
            o.enhance = *v;
        } else if (a == "--order" || a.startsWith("--order=")) {
            const auto v = value("--order");
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
        } else {
            *error = TranslateText("PdfCommand", "unknown option '%1'").arg(a);
            return std::nullopt;
        }
    }
    if (o.output.isEmpty()) {
        *error = TranslateText("PdfCommand", "no output file (-o OUT.pdf)");
        return std::nullopt;
    }
    if (o.pictures.isEmpty()) {
        *error = TranslateText("PdfCommand", "no pictures given");
        return std::nullopt;
    }
    return o;
}
