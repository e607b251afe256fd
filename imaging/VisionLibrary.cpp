// Loading the quillmark-vision library (VisionModule.h) on first use.

#include "imaging/VisionModule.h"

#include "app/Log.h"
#include "platform/Paths.h"
#include "platform/SharedLibrary.h"

#include <QFile>

#include <cstring>

namespace {

platform::CLoadedLibrary<const CVisionModule*> Load() {
    const QByteArray file = QFile::encodeName(platform::PrivateLibraryPath(kVisionModuleFile));
    platform::CSharedLibrary library(file.constData(), "QM_VISION_MODULE");
    using Entry = decltype(&QuillmarkVisionModule);
    Entry entry = nullptr;
    library.Resolve(kVisionModuleEntry, &entry);
    platform::CLoadedLibrary<const CVisionModule*> loaded;
    if (entry) {
        loaded.table = entry();
        if (!loaded.table || std::strcmp(loaded.table->version, QM_VERSION) != 0)
            library.SetError(QStringLiteral("%1 is of another version than the program (%2)")
                                 .arg(QString::fromLocal8Bit(file), QStringLiteral(QM_VERSION)));
    }
    loaded.error = library.Error();
    if (!loaded.error.isEmpty())
        LogRecord(kLogError, "finding, straightening and enhancing sheets are not available: %s",
                  loaded.error.toUtf8().constData());
    return loaded;
}

} // namespace

const CVisionModule* VisionModule() {
    static const platform::CLoadedLibrary<const CVisionModule*> loaded = Load();
    const CVisionModule* const* table = loaded.Get();
    return table ? *table : nullptr;
}
