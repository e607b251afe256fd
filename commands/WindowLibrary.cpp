// Loading the window library (WindowModule.h) when the program starts without a command.

#include "commands/WindowModule.h"

#include "platform/SharedLibrary.h"

const CWindowModule* WindowModule(QString* why) {
    static const platform::CLoadedLibrary<const CWindowModule*> loaded =
        platform::LoadProgramModule<CWindowModule>(kWindowModuleFile, "QM_WINDOW_MODULE",
                                                   kWindowModuleEntry, QM_VERSION);
    const CWindowModule* const* table = loaded.Get(why);
    return table ? *table : nullptr;
}
