#include "program/CommandLine.h"

#include "program/AccountCommand.h"
#include "program/PdfCommand.h"
#include "program/SendCommand.h"
#include "program/SettingsCommand.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool IsCommandName(const QString& word) {
    for (const CCliCommand& c : CliCommands())
        if (word == c.name)
            return true;
    return false;
}

} // namespace

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
            *error = option + " needs a value";
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
                *error = "--screen takes WIDTHxHEIGHT, for example 480x640, not '" + *v + "'";
                return std::nullopt;
            }
            line.screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
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
            *error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else if (line.pictures.isEmpty() && IsCommandName(arg)) {
            line.command = arg;
            line.arguments = args.mid(i + 1);
            break;
        } else if (QFileInfo::exists(arg) || !line.pictures.isEmpty()) {
            // A picture to open ("Open with" hands over files this way). Options may follow.
            line.pictures << arg;
        } else {
            // A mistyped command must not start the window with it as a picture.
            *error = "unknown command '" + arg + "' (and no file of that name)";
            return std::nullopt;
        }
    }
    if (!line.screenshots.isEmpty() && !line.pictures.isEmpty()) {
        *error = "--screenshots takes no pictures";
        return std::nullopt;
    }
    return line;
}

QString UsageText() {
    QString text =
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
        "      --screen WxH      size of the emulated device screen (default 480x640;\n"
        "                        240x320 gives the small-screen look)\n"
        "      --landscape       start with the device turned sideways\n"
        "      --log             write every log record to Quillmark.log (also QUILLMARK_LOG=1)\n"
        "      --screenshots DIR run headless through the screens, one PNG each into DIR\n"
        "\n"
        "Commands:\n";
    for (const CCliCommand& c : CliCommands())
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QString::fromUtf8(c.synopsis), QString::fromUtf8(c.summary));
    text += "\n"
            "Environment:\n"
            "  QUILLMARK_HOME   folder for the registry, log, session and undo files\n"
            "  QUILLMARK_CAMERA GStreamer source of the camera ('none' for no camera)\n";
    return text;
}

const std::vector<CCliCommand>& CliCommands() {
    static const std::vector<CCliCommand> commands = {
        {"settings", "settings list | get NAME | set NAME VALUE",
         "show or change the settings (NAME as in the registry, e.g. PageSize or "
         "SCAN_SETTINGS/PageSize)",
         [](const QStringList& args) { return RunSettingsCommand(args); }},
        {"pdf", kPdfCommandSynopsis, kPdfCommandSummary,
         [](const QStringList& args) { return RunPdfCommand(args); }},
        {"account", kAccountCommandSynopsis, kAccountCommandSummary,
         [](const QStringList& args) { return RunAccountCommand(args); }},
        {"send", kSendCommandSynopsis, kSendCommandSummary,
         [](const QStringList& args) { return RunSendCommand(args); }},
    };
    return commands;
}
