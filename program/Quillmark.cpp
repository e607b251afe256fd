#include "program/Quillmark.h"

#include "app/KnownFolders.h"
#include "app/Log.h"
#include "program/CommandLine.h"
#include "text/ProductInfo.h"

#include "program/ScanApp.h"

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
    const CCliCommand* command = FindCliCommand(line.command);
    if (!command)
        return 2;
    // Every command answers --help the same way, from the table that lists it.
    if (AsksForHelp(line.arguments)) {
        QTextStream(stdout) << CommandHelpText(*command);
        return 0;
    }
    return command->run(line.arguments);
}

} // namespace

int RunQuillmark(int argc, char** argv) {
    QString error;
    const auto line = ParseCommandLine(Arguments(argc, argv), &error);
    // The screens need the window system; the screenshot tour draws them off-screen.
    const bool screens = line && !line->help && !line->version && line->command.isEmpty();
    if (screens && !line->screenshots.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (screens)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName("quillmark");
    // Ties the window to its desktop entry and icon (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QM_APP_ID));
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

    // The start-up window opens and closes the log itself, in its order.
    if (line->command.isEmpty())
        return RunScreens(*line);
    OpenLog(GetAppDataFolder() + "/Quillmark.log");
    if (line->log)
        EnableDiagnosticLog();
    const int status = RunCommand(*line);
    CloseLog();
    return status;
}
