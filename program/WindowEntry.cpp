// The entry of the window library (commands/WindowModule.h).

#include "commands/Quillmark.h"
#include "commands/WindowModule.h"
#include "program/ScanApp.h"

#include <QApplication>

#include <cstring>

namespace {

int RunWindow(int& argc, char** argv, const CCommandLine& line) {
    QApplication app(argc, argv);
    NameApplication();
    return RunScreens(line);
}

} // namespace

extern "C" __attribute__((visibility("default"))) const CWindowModule*
QuillmarkWindowModule(const char* programVersion) {
    static const CWindowModule table{&RunWindow};
    return std::strcmp(programVersion, QM_VERSION) == 0 ? &table : nullptr;
}
