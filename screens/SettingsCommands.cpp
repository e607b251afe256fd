#include "screens/SettingsCommands.h"

#include "app/AppSettings.h"
#include "resources/ResourceIds.h"
#include "screens/SettingsPageDlg.h"

bool RunSettingsPage(CScreen* owner, int command) {
    if (CSettingsPageDlg::TemplateOf(command) == 0)
        return false;
    CSettingsPageDlg page(command, AppSettings(), owner);
    if (page.Show() != IDOK)
        return false;
    // The Misc page has stored its answer itself; the others changed the record.
    if (command != ids::ID_SETTINGS_MISC)
        SaveSettings(AppSettings());
    return true;
}
