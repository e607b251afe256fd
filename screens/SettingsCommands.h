#pragma once

// The five settings pages, opened from the main screen's "Tools > Settings" menu.

class CScreen;

// Runs the settings page of the command (ID_SETTINGS_CAMERA, _IMPORT, _EMBEDDING, _MISC,
// _PDF). True when the user confirmed it (the settings record was written).
bool RunSettingsPage(CScreen* owner, int command);
