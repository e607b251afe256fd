#include "app/Quillmark.h"

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/Log.h"
#include "app/SpecialFolders.h"
#include "ui/text/ProductInfo.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

int RunCommand(const CCommandLine& line) {
    for (const CCliCommand& c : CliCommands())
        if (line.command == c.name)
            return c.run(line.arguments);
    return 2;
}

// Until the device window exists, a start without a command shows what the program can do
// from the terminal.
int RunWithoutScreens() {
    QTextStream out(stdout);
    out << ProductNameLong() << " " << VersionLong() << "\n\n"
        << "This build has no screens yet. From the terminal you can use:\n";
    for (const CCliCommand& c : CliCommands())
        out << "  quillmark " << c.synopsis << "\n";
    out << "\nCurrent settings (" << GetAppDataFolder() << "):\n" << Qt::flush;
    return RunQuillmarkSettingsList();
}

}  // namespace

int RunQuillmarkSettingsList() {
    for (const CCliCommand& c : CliCommands())
        if (QLatin1String(c.name) == QLatin1String("settings"))
            return c.run({"list"});
    return 1;
}

int RunQuillmark(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("quillmark");
    QCoreApplication::setApplicationVersion(VersionLong());

    QString error;
    const auto line = ParseCommandLine(Arguments(argc, argv), &error);
    if (!line) {
        QTextStream(stderr) << "quillmark: " << error << "\n"
                            << "Try 'quillmark --help'.\n";
        return 2;
    }
    if (line->help) {
        QTextStream(stdout) << UsageText();
        return 0;
    }
    if (line->version) {
        QTextStream(stdout) << ProductNameLong() << " " << VersionLong() << "\n";
        return 0;
    }

    OpenLog(GetAppDataFolder() + "/Quillmark.log");
    if (line->log)
        EnableDiagnosticLog();
    int status = 0;
    if (!line->command.isEmpty())
        status = RunCommand(*line);
    else
        status = RunWithoutScreens();
    CloseLog();
    return status;
}
