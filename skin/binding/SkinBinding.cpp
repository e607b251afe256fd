// Binding the skin library that fits the screen: choose, load, check, hand over the log.

#include "skin/binding/SkinBinding.h"

#include "skin/binding/SkinBindingState.h"

#include "app/KnownFolders.h"
#include "app/Log.h"
#include "platform/Device.h"
#include "platform/Paths.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace {

int g_generation = 0;

// Stands in for the program's log when none is given: the library may always write.
class CDroppingLogSink final : public CLogSink {
public:
    void Log(std::uint32_t, const char*, ...) override {}
};

bool Fail(int* error, int code) {
    if (error)
        *error = code;
    return false;
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

int SkinBindingGeneration() {
    return g_generation;
}

bool BindSkinLibrary(int* error) {
    return BindSkinLibraryFrom(platform::SkinLibraryFolder(), ProcessLog(), error);
}

bool BindSkinLibraryFrom(const QString& folder, CLogSink* log, int* error) {
    static CDroppingLogSink droppingSink;
    UnbindSkinLibrary();
    ++g_generation;
    if (error)
        *error = 0;

    const SkinChoice choice =
        ChooseSkin(platform::DeviceScreenSize(), platform::DeviceScreenRatio());
    SetHighResolution(choice.highResolution);
    const bool high = choice.vgaPictures;

    // Both files stay: the screen size is chosen at every start, so the other library is
    // needed the next time the program starts at the other size.
    const QString vgaPath = JoinPath(folder, "Quillmark.vga");
    const QString qvgaPath = JoinPath(folder, "Quillmark.qvga");
    const QString path = high ? vgaPath : qvgaPath;
    if (!QFileInfo(path).isFile())
        return Fail(error, kSkinErrorLibraryMissing);

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
    state.folder = folder;
    state.log = log ? log : &droppingSink;
    state.vgaPictures = choice.vgaPictures;
    state.pictureRatio = choice.pictureRatio;
    state.manager = state.init(path.toUtf8().constData(), state.log);
    if (!state.manager)
        return true; // the program runs without pictures

    if (state.manager->GetVersion() != kTesManagerVersion) {
        // The manager is the library's own object: destroy it before the code goes away.
        state.cleanup(state.manager);
        Unload(state);
        return Fail(error, kSkinErrorWrongVersion);
    }
    return true;
}

bool FollowSkinRatio(double ratio) {
    SkinBindingState& state = BindingState();
    if (!state.manager)
        return false;
    const SkinChoice choice = ChooseSkinPictures(IsHighResolution(), ratio);
    if (choice.vgaPictures == state.vgaPictures && choice.pictureRatio == state.pictureRatio)
        return true;

    const QString path =
        JoinPath(state.folder, choice.vgaPictures ? "Quillmark.vga" : "Quillmark.qvga");
    if (!QFileInfo(path).isFile())
        return false;
    SkinBindingState next;
    const QByteArray nativePath = QFile::encodeName(path);
    next.module = dlopen(nativePath.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!next.module) {
        LogRecord(kLogError, "skin library %s: %s", nativePath.constData(), dlerror());
        return false;
    }
    next.init = reinterpret_cast<InitTesManagerFn>(dlsym(next.module, kInitTesManagerName));
    next.cleanup =
        reinterpret_cast<CleanupTesManagerFn>(dlsym(next.module, kCleanupTesManagerName));
    next.manager =
        next.init && next.cleanup ? next.init(path.toUtf8().constData(), state.log) : nullptr;
    if (!next.manager || next.manager->GetVersion() != kTesManagerVersion) {
        if (next.manager)
            next.cleanup(next.manager);
        Unload(next);
        return false;
    }

    // The screens' pictures, made again from the new library under their old handles.
    for (auto& [handle, picture] : state.pictures)
        for (int use = 0; use < picture.uses; ++use)
            picture.native =
                picture.onColour
                    ? next.manager->AddResourceImageOnColour(picture.id, picture.colour)
                    : next.manager->AddResourceImage(picture.id);
    state.cleanup(state.manager);
    dlclose(state.module);
    state.module = next.module;
    state.init = next.init;
    state.cleanup = next.cleanup;
    state.manager = next.manager;
    state.path = path;
    state.vgaPictures = choice.vgaPictures;
    state.pictureRatio = choice.pictureRatio;
    ++g_generation;
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
