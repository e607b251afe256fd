#include "scanner/SaneLibrary.h"

#include "app/Log.h"
#include "platform/SharedLibrary.h"

namespace {

platform::CLoadedLibrary<CSaneLibrary> Load() {
    platform::CSharedLibrary library("libsane.so.1", "QM_SANE_LIBRARY");
    platform::CLoadedLibrary<CSaneLibrary> loaded;
    CSaneLibrary& table = loaded.table;
    QM_RESOLVE(library, table, sane_init);
    QM_RESOLVE(library, table, sane_exit);
    QM_RESOLVE(library, table, sane_get_devices);
    QM_RESOLVE(library, table, sane_open);
    QM_RESOLVE(library, table, sane_close);
    QM_RESOLVE(library, table, sane_get_option_descriptor);
    QM_RESOLVE(library, table, sane_control_option);
    QM_RESOLVE(library, table, sane_get_parameters);
    QM_RESOLVE(library, table, sane_start);
    QM_RESOLVE(library, table, sane_read);
    QM_RESOLVE(library, table, sane_cancel);
    QM_RESOLVE(library, table, sane_strstatus);
    loaded.error = library.Error();
    if (!loaded.error.isEmpty())
        LogRecord(kLogError, "Scanners cannot be used: %s", loaded.error.toUtf8().constData());
    return loaded;
}

} // namespace

const CSaneLibrary* SaneLibrary(QString* why) {
    static const platform::CLoadedLibrary<CSaneLibrary> loaded = Load();
    return loaded.Get(why);
}
