// Loading the window library (WindowModule.h) when the program starts without a command.

#include "commands/WindowModule.h"

#include "platform/Paths.h"
#include "platform/SharedLibrary.h"

#include <QFile>

#include <cstring>

namespace {

platform::CLoadedLibrary<const CWindowModule*> Load() {
    const QByteArray file = QFile::encodeName(platform::PrivateLibraryPath(kWindowModuleFile));
    platform::CSharedLibrary library(file.constData(), "QM_WINDOW_MODULE");
    decltype(&QuillmarkWindowModule) entry = nullptr;
    library.Resolve(kWindowModuleEntry, &entry);
    platform::CLoadedLibrary<const CWindowModule*> loaded;
    if (entry) {
        loaded.table = entry();
        if (!loaded.table || std::strcmp(loaded.table->version, QM_VERSION) != 0)
            library.SetError(QStringLiteral("%1 is of another version than the program (%2)")
                                 .arg(QString::fromLocal8Bit(file), QStringLiteral(QM_VERSION)));
    }
    loaded.error = library.Error();
    return loaded;
}

} // namespace

const CWindowModule* WindowModule(QString* why) {
    static const platform::CLoadedLibrary<const CWindowModule*> loaded = Load();
    const CWindowModule* const* table = loaded.Get(why);
    return table ? *table : nullptr;
}
