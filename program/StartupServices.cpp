#include "program/StartupServices.h"

#include "app/AppSettings.h"
#include "app/KnownFolders.h"
#include "app/Log.h"
#include "camera/CameraState.h"
#include "program/StartupRecovery.h"
#include "screens/MainDlg.h"
#include "skin/binding/SkinBinding.h"
#include "ui/device/Screen.h"

#include "imaging/ImageDecoder.h"

CStartupServices DefaultStartupServices(bool diagnosticLog) {
    CStartupServices s;
    s.openLog = [diagnosticLog](const QString& path) {
        OpenLog(path);
        if (diagnosticLog)
            EnableDiagnosticLog();
    };
    s.loadSettings = [] { LoadSettings(); };
    s.bindSkin = [](int* error) { return BindSkinLibrary(error); };
    s.startImaging = [] { return StartImaging(); };
    s.stopImaging = [] { StopImaging(); };
    s.saveSettings = [] { return SaveSettings(); };
    s.flushRegistry = [](platform::HKEY root) { platform::RegFlushKey(root); };
    s.closeLog = [] { CloseLog(); };
    s.makeMainScreen = [](CScreen* owner) -> std::unique_ptr<CScreen> {
        // The system's part: "Camera" in the registry is written before the main screen reads it.
        DetectCamera();
        return std::make_unique<CMainDlg>(owner);
    };
    s.recoverSession = [](CScreen* owner, CScreen& main) {
        if (auto* screen = dynamic_cast<CMainDlg*>(&main))
            OfferRecovery(owner, *screen);
    };
    return s;
}

QString StartupLogPath() {
    return GetAppDataFolder() + QStringLiteral("/Quillmark.log");
}
