#include "commands/CommandLine.h"

#include "commands/AccountCommand.h"
#include "commands/PdfCommand.h"
#include "commands/PdfCommandOptions.h"
#include "commands/ScannerCommand.h"
#include "commands/SendCommand.h"
#include "commands/SettingsCommand.h"
#include "text/Catalogue.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

std::optional<CCommandLine> ParseCommandLine(const QStringList& args, QString* error) {
    CCommandLine line;
    line.log = !qEnvironmentVariableIsEmpty("QUILLMARK_LOG") &&
               qEnvironmentVariable("QUILLMARK_LOG") != "0";
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto value = [&](const QString& option) -> std::optional<QString> {
            if (arg.startsWith(option + "="))
                return arg.mid(option.size() + 1);
            if (i + 1 < args.size())
                return args[++i];
            *error = TranslateText("CommandLine", "%1 needs a value").arg(option);
            return std::nullopt;
        };
        if (arg == "-h" || arg == "--help") {
            line.help = true;
        } else if (arg == "-V" || arg == "--version") {
            line.version = true;
        } else if (arg == "--log") {
            line.log = true;
        } else if (arg == "--landscape") {
            line.landscape = true;
        } else if (arg == "--screen" || arg.startsWith("--screen=")) {
            auto v = value("--screen");
            if (!v)
                return std::nullopt;
            static const QRegularExpression re("^(\\d{2,5})x(\\d{2,5})$");
            const auto m = re.match(*v);
            if (!m.hasMatch()) {
                *error = TranslateText("CommandLine",
                                       "--screen takes WIDTHxHEIGHT, for example 480x640, not '%1'")
                             .arg(*v);
                return std::nullopt;
            }
            line.screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
            line.screenGiven = true;
        } else if (arg == "--screenshots" || arg.startsWith("--screenshots=")) {
            auto v = value("--screenshots");
            if (!v)
                return std::nullopt;
            line.screenshots = *v;
        } else if (arg == "--") {
            // Everything after it is a picture, even one named like a command or an option.
            line.pictures += args.mid(i + 1);
            break;
        } else if (arg.startsWith("-")) {
            *error = TranslateText("CommandLine", "unknown option '%1'").arg(arg);
            return std::nullopt;
        } else if (line.pictures.isEmpty() && FindCliCommand(arg)) {
            line.command = arg;
            line.arguments = args.mid(i + 1);
            break;
        } else if (QFileInfo::exists(arg) || !line.pictures.isEmpty()) {
            // A picture to open ("Open with" hands over files this way). Options may follow.
            line.pictures << arg;
        } else {
            // A mistyped command must not start the window with it as a picture.
            *error = TranslateText("CommandLine", "unknown command '%1' (and no file of that name)")
                         .arg(arg);
            return std::nullopt;
        }
    }
    if (!line.screenshots.isEmpty() && !line.pictures.isEmpty()) {
        *error = TranslateText("CommandLine", "--screenshots takes no pictures");
        return std::nullopt;
    }
    return line;
}

bool IsCliOption(const std::vector<CCliOption>& options, const QString& name) {
    for (const CCliOption& option : options)
        if (QString::fromLatin1(option.names).split(u' ').contains(name))
            return true;
    return false;
}

QString CliSynopsis(const char* command, const std::vector<CCliOption>& options,
                    const char* operands) {
    QString text = QString::fromLatin1(command);
    for (const CCliOption& option : options)
        text += option.required ? QStringLiteral(" %1").arg(QString::fromLatin1(option.synopsis))
                                : QStringLiteral(" [%1]").arg(QString::fromLatin1(option.synopsis));
    if (operands && *operands)
        text += u' ' + QString::fromLatin1(operands);
    return text;
}

QString WrapText(const QString& text, int indent, int width, int firstColumn) {
    // A bracketed group ("[--fit | --center]") stays on one line where it fits.
    QStringList pieces;
    int depth = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (depth > 0)
            pieces.back() += u' ' + word;
        else
            pieces << word;
        depth = std::max(0, depth + int(word.count(u'[')) - int(word.count(u']')));
    }
    QString wrapped;
    QString line;
    int column = firstColumn;
    for (const QString& piece : pieces) {
        if (!line.isEmpty() && column + line.size() + 1 + piece.size() > width) {
            wrapped += line + u'\n' + QString(indent, u' ');
            line.clear();
            column = indent;
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + piece;
    }
    return wrapped + line + u'\n';
}

QString CliOptionsHelp(const std::vector<CCliOption>& options) {
    // The help beside the option where the option is short, else on the lines under it.
    constexpr int kColumn = 24;
    QString text = TranslateText("CommandLine", "Options:") + u'\n';
    std::vector<CCliOption> listed = options;
    listed.push_back(
        {"-h --help", "-h, --help", QT_TRANSLATE_NOOP("CommandLine", "show this help and exit")});
    for (const CCliOption& option : listed) {
        const QString spelled = QStringLiteral("  ") + QString::fromLatin1(option.synopsis);
        const QString help = TranslateText("CommandLine", option.help);
        if (spelled.size() < kColumn)
            text += spelled.leftJustified(kColumn, u' ') + WrapText(help, kColumn, 80, kColumn);
        else
            text += spelled + u'\n' + QString(kColumn, u' ') + WrapText(help, kColumn, 80, kColumn);
    }
    return text;
}

QString UsageText() {
    // The option block is one text, so a translation can keep its columns.
    QString text = TranslateText(
        "CommandLine",
        "Usage: quillmark [OPTIONS] [--] [PICTURE...]\n"
        "       quillmark [OPTIONS] COMMAND [ARGUMENTS]\n"
        "\n"
        "Without a command, starts the document copier on its device window; PICTUREs\n"
        "become pages in the order given. When the program already runs for the same\n"
        "data folder, they go to its window instead. Use -- (or a path such as ./pdf)\n"
        "for a picture named like a command.\n"
        "\n"
        "Options:\n"
        "  -h, --help            show this help and exit\n"
        "  -V, --version         show the version and exit\n"
        "      --screen WxH      fix the window at this size (without it: full screen on\n"
        "                        a phone, a resizable 480x640 window on a desktop;\n"
        "                        240x320 gives the small-screen look)\n"
        "      --landscape       start with the device turned sideways\n"
        "      --log             write every log record to Quillmark.log\n"
        "                        (also QUILLMARK_LOG=1)\n"
        "      --screenshots DIR run headless through the screens, one PNG each into DIR\n");
    text +=
        u'\n' +
        TranslateText("CommandLine", "Commands ('quillmark COMMAND --help' tells more of each):") +
        u'\n';
    for (const CCliCommand& c : CliCommands()) {
        for (const QString& line : c.synopsis())
            text += QStringLiteral("  ") + WrapText(line, 4, 80, 2);
        text +=
            QStringLiteral("      ") + WrapText(TranslateText("CommandLine", c.summary), 6, 80, 6);
    }
    text += u'\n' +
            TranslateText(
                "CommandLine",
                "Environment:\n"
                "  QUILLMARK_HOME   folder for the registry, log, session and undo files\n"
                "  QUILLMARK_CAMERA GStreamer source of the camera ('none' for no camera)\n"
                "  TESSDATA_PREFIX  folder of the text recognition languages (*.traineddata)\n");
    return text;
}

bool AsksForHelp(const QStringList& args) {
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--"))
            return false;
        if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help"))
            return true;
    }
    return false;
}

QString CommandUsageText(const CCliCommand& command) {
    QString text;
    const QStringList lines = command.synopsis();
    const QString first = TranslateText("CommandLine", "usage: ");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString lead = i == 0 ? first : QString(first.size(), u' ');
        // Continuation lines start under the command's first argument.
        const int indent = int(lead.size() + qstrlen("quillmark ") + qstrlen(command.name) + 1);
        text +=
            lead + WrapText(QStringLiteral("quillmark ") + lines[i], indent, 80, int(lead.size()));
    }
    return text;
}

QString CommandUsageText(const char* name) {
    const CCliCommand* command = FindCliCommand(QLatin1String(name));
    return command ? CommandUsageText(*command).chopped(1) : QString();
}

QString CommandHelpText(const CCliCommand& command) {
    QString text = CommandUsageText(command);
    text += u'\n' + WrapText(TranslateText("CommandLine", command.summary), 0);
    if (command.details) {
        const QString details = command.details();
        if (!details.isEmpty())
            text += u'\n' + details;
    }
    return text;
}

namespace {

// Usage lines written as one text, one line each: "a ...\n  b ...".
QStringList SynopsisLines(const char* text) {
    QStringList lines;
    for (const QString& line : QString::fromUtf8(text).split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

} // namespace

const std::vector<CCliCommand>& CliCommands() {
    static const std::vector<CCliCommand> commands = {
        {"settings", [] { return QStringList{"settings list | get NAME | set NAME VALUE"}; },
         QT_TRANSLATE_NOOP("CommandLine",
                           "show or change the settings (NAME as in the registry, e.g. PageSize "
                           "or SCAN_SETTINGS/PageSize)"),
         [](const QStringList& args) { return RunSettingsCommand(args); }},
        {"pdf", [] { return QStringList{PdfCommandSynopsis()}; }, kPdfCommandSummary,
         [](const QStringList& args) { return RunPdfCommand(args); }, PdfCommandDetails},
        {"scan", ScannerCommandSynopsis, kScannerCommandSummary,
         [](const QStringList& args) { return RunScannerCommand(args); }, ScannerCommandDetails},
        {"account", [] { return SynopsisLines(kAccountCommandSynopsis); }, kAccountCommandSummary,
         [](const QStringList& args) { return RunAccountCommand(args); }},
        {"send", [] { return SynopsisLines(kSendCommandSynopsis); }, kSendCommandSummary,
         [](const QStringList& args) { return RunSendCommand(args); }},
    };
    return commands;
}

const CCliCommand* FindCliCommand(const QString& name) {
    for (const CCliCommand& c : CliCommands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}
