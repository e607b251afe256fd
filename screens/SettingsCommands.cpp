#include "screens/SettingsCommands.h"

bool RunSettingsPage(CScreen*, int) { return false; }
