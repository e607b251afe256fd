#pragma once

// A page's picture as the PDF shows it: decoded upright (EXIF applied) and, for an
// auto-portrait page, turned a quarter counter-clockwise; in 8-bit grey for recognition.

#include <QImage>
#include <QString>

// Null when the file cannot be decoded.
QImage DrawnPicture(const QString& path, bool turnCcw);
