#include "commands/Quillmark.h"

#include "app/KnownFolders.h"
#include "app/Log.h"
#include "commands/CommandLine.h"
#include "commands/WindowModule.h"
#include "text/Catalogue.h"
#include "text/ProductInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

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

void NameApplication() {
    QCoreApplication::setApplicationName("quillmark");
    // Ties the window to its desktop entry and icon (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QM_APP_ID));
    QCoreApplication::setApplicationVersion(VersionLong());
}

int RunQuillmark(int argc, char** argv) {
    // Every text from here on, the command line's errors included, is in the user's language.
    UseLanguages(MessageLanguages());
    QString error;
    const auto line = ParseCommandLine(Arguments(argc, argv), &error);
    // The screens need the window system; the screenshot tour draws them off-screen.
    if (line && !line->help && !line->version && line->command.isEmpty()) {
        if (!line->screenshots.isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QString why;
        if (const CWindowModule* window = WindowModule(&why))
            return window->run(argc, argv, *line);
        QTextStream(stderr)
            << "quillmark: "
            << TranslateText("CommandLine", "the window cannot be opened: %1").arg(why) << "\n";
        return 1;
    }
    QCoreApplication app(argc, argv);
    NameApplication();

    if (!line) {
        QTextStream(stderr) << "quillmark: " << error << "\n"
                            << TranslateText("CommandLine", "Try 'quillmark --help'.") << "\n";
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
    const int status = RunCommand(*line);
    CloseLog();
    return status;
}
