#pragma once

// Accessibility of the toolkit's own controls (skinned buttons, the progress control):
// installs the factory that gives them their interfaces, on top of the platform's. Qt ignores
// a second installation of the same factory, so every control may call it when it is made.

void InstallToolkitAccessibility();
