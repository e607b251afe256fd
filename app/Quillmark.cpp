#include "app/Quillmark.h"

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/Log.h"
#include "app/KnownFolders.h"
#include "ui/text/ProductInfo.h"

#if __has_include("app/startup/ScanApp.h")
#include "app/startup/ScanApp.h"
#define QM_HAVE_SCREENS 1
#endif

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <memory>

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
    QString error;
    const auto line = ParseCommandLine(Arguments(argc, argv), &error);
#ifdef QM_HAVE_SCREENS
    // The screens need the window system; the screenshot tour draws them off-screen.
    const bool screens = line && !line->help && !line->version && line->command.isEmpty();
    if (screens && !line->screenshots.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (screens)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    QCoreApplication::setApplicationName("quillmark");
    QCoreApplication::setApplicationVersion(VersionLong());

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

#ifdef QM_HAVE_SCREENS
    // The start-up window opens and closes the log itself, in its order.
    if (line->command.isEmpty())
        return RunScreens(*line);
#endif
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
