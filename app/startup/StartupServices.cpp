#include "app/startup/StartupServices.h"

#include "app/AppSettings.h"
#include "app/Log.h"
#include "app/KnownFolders.h"
#include "platform/screen/Screen.h"
#include "screens/MainDlg.h"
#include "ui/binding/SkinBinding.h"

#ifdef QM_HAVE_IMAGING
#include "imaging/ImageDecoder.h"
#endif

CStartupServices DefaultStartupServices(bool diagnosticLog) {
    CStartupServices s;
    s.openLog = [diagnosticLog](const QString& path) {
        OpenLog(path);
        if (diagnosticLog)
            EnableDiagnosticLog();
    };
    s.loadSettings = [] { LoadSettings(); };
    s.bindSkin = [] { return BindSkinLibrary(); };
#ifdef QM_HAVE_IMAGING
    s.startImaging = [] { return StartImaging(); };
    s.stopImaging = [] { StopImaging(); };
#else
    // The one place imaging joins start-up and shut-down once its library is built.
    s.startImaging = [] { return true; };
    s.stopImaging = [] {};
#endif
    s.saveSettings = [] { return SaveSettings(); };
    s.flushRegistry = [](platform::HKEY root) { platform::RegFlushKey(root); };
    s.closeLog = [] { CloseLog(); };
    s.makeMainScreen = [](CScreen* owner) -> std::unique_ptr<CScreen> {
        return std::make_unique<CMainDlg>(owner);
    };
    return s;
}

QString StartupLogPath() { return GetAppDataFolder() + QStringLiteral("/Quillmark.log"); }
