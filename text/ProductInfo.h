#pragma once

#include <QString>

// "1.20"
QString VersionShort();
// "1.20.189 (Linux, x86_64)": version, build number and the platform the program runs on.
QString VersionLong();
// "Tessaly Quillmark"
QString ProductName();
// "Tessaly Quillmark Mobile"
QString ProductNameLong();
