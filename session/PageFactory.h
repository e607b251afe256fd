#pragma once

// Turning a picture file into a page, as the import and the camera do it.

#include "session/Page.h"

#include <QString>

#include <memory>

// With autoPortrait, a landscape picture gets an upright JPEG copy beside it (".tesimg"),
// and the page refers to the copy (type code 4, marked as temporary copy, so the copy goes
// with the page); otherwise the page refers to the file itself with the type code of its
// extension. The thumbnail is built for the box; when that fails (the picture cannot be
// decoded) the page is destroyed, which removes a copy made for it, and null is returned.
// Safe to call from several threads at once for different files.
std::unique_ptr<CPage> MakePageFromFile(const QString& path, bool autoPortrait, int boxWidth,
                                        int boxHeight, QPainter* referenceDC = nullptr);
