#pragma once

// Connects the toolkit to the skin binding: binding resets the frame colours and the shared
// fonts, and shows its critical errors in the platform's plain message box titled `title`.
#include <QString>

void InstallToolkitHooks(const QString& title);
