// The entry of the window library (commands/WindowModule.h).

#include "commands/Quillmark.h"
#include "commands/WindowModule.h"
#include "program/ScanApp.h"

#include <QApplication>

namespace {

int RunWindow(int& argc, char** argv, const CCommandLine& line) {
    QApplication app(argc, argv);
    NameApplication();
    return RunScreens(line);
}

} // namespace

extern "C" __attribute__((visibility("default"))) const CWindowModule* QuillmarkWindowModule() {
    static const CWindowModule table{QM_VERSION, &RunWindow};
    return &table;
}
