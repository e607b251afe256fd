// Binding the skin library that fits the screen: choose, load, check, hand over the log.

#include "ui/binding/SkinBinding.h"

#include "ui/binding/SkinBindingState.h"

#include "app/Log.h"
#include "app/KnownFolders.h"
#include "resources/ids/StringIds.h"
#include "ui/text/Strings.h"

#include <QFileInfo>

#include <cstdio>
#include <dlfcn.h>

namespace {

SkinMessageBoxHook g_messageBox;
std::function<void()> g_resetHook;

// Stands in for the program's log when none is given: the library may always write.
class CDroppingLogSink final : public CLogSink {
public:
    void Log(std::uint32_t, const char*, ...) override {}
};

void ShowCriticalError(int code) {
    const QString text = LoadFormatted(ids::IDS_CRITICAL_APPLICATION_ERROR, code);
    if (g_messageBox) {
        g_messageBox(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

QString JoinPath(const QString& folder, const char* name) {
    if (folder.endsWith(u'/'))
        return folder + QLatin1String(name);
    return folder + u'/' + QLatin1String(name);
}

void Unload(SkinBindingState& state) {
    if (state.module)
        dlclose(state.module);
    state = SkinBindingState{};
}

} // namespace

SkinBindingState& BindingState() {
    static SkinBindingState state;
    return state;
}

void SetSkinMessageBoxHook(SkinMessageBoxHook hook) {
    g_messageBox = std::move(hook);
}

void SetSkinBindingResetHook(std::function<void()> hook) {
    g_resetHook = std::move(hook);
}

bool BindSkinLibrary() {
    return BindSkinLibraryFrom(GetAppFolder(), ProcessLog());
}

bool BindSkinLibraryFrom(const QString& folder, CLogSink* log) {
    static CDroppingLogSink droppingSink;
    UnbindSkinLibrary();
    if (g_resetHook)
        g_resetHook();

    const bool high = ComputeHighResolution();
    SetHighResolution(high);

    // Both files stay: the screen size is chosen at every start, so the other library is
    // needed the next time the program starts at the other size.
    const QString vgaPath = JoinPath(folder, "Quillmark.vga");
    const QString qvgaPath = JoinPath(folder, "Quillmark.qvga");
    const QString path = high ? vgaPath : qvgaPath;
    if (!QFileInfo(path).isFile()) {
        ShowCriticalError(kSkinErrorLibraryMissing);
        return false;
    }

    SkinBindingState& state = BindingState();
    const QByteArray nativePath = QFile::encodeName(path);
    state.module = dlopen(nativePath.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!state.module) {
        LogRecord(kLogError, "skin library %s: %s", nativePath.constData(), dlerror());
        return false;
    }
    state.init = reinterpret_cast<InitTesManagerFn>(dlsym(state.module, kInitTesManagerName));
    if (!state.init) {
        Unload(state);
        return false;
    }
    state.cleanup =
        reinterpret_cast<CleanupTesManagerFn>(dlsym(state.module, kCleanupTesManagerName));
    if (!state.cleanup) {
        Unload(state);
        return false;
    }
    state.path = path;
    state.manager = state.init(path.toUtf8().constData(), log ? log : &droppingSink);
    if (!state.manager)
        return true; // the program runs without pictures

    if (state.manager->GetVersion() != kTesManagerVersion) {
        // The manager is the library's own object: destroy it before the code goes away.
        state.cleanup(state.manager);
        Unload(state);
        ShowCriticalError(kSkinErrorWrongVersion);
        return false;
    }
    return true;
}

void UnbindSkinLibrary() {
    SkinBindingState& state = BindingState();
    if (state.manager && state.cleanup)
        state.cleanup(state.manager);
    Unload(state);
}

ITesManager* SkinManager() {
    return BindingState().manager;
}

QString BoundSkinLibraryPath() {
    return BindingState().path;
}
