#pragma once

// Decoding picture files through the platform's decoder (Qt's image reader). Every picture
// comes back upright: the EXIF orientation that cameras and phones write is applied (all
// eight values; a missing or invalid value counts as 1). Damaged, truncated, empty and
// unsupported files give false or null, never a partial picture.
//
// LoadImageFile, ReadImageSize, JpegOrientation and MakePortraitCopy keep no shared state
// and may run on worker threads; the imaging session (OpenImage and the rest) belongs to the
// UI thread.

#include "imaging/Bitmap.h"
#include "imaging/LoadedImage.h"

#include <QSize>
#include <QString>

// Decodes the whole file into `image` as a 24-bit section (pixels set), drawn over white so
// that transparent pictures come out on white. False for a null record or an undecodable
// file; the record is Reset first in every case.
bool LoadImageFile(const QString& path, LoadedImage* image);

// The upright size of a picture file without decoding its pixels; false when the file is not
// a picture the decoder accepts.
bool ReadImageSize(const QString& path, QSize* size);

// EXIF orientation (1..8) of a JPEG file as stored: the transformation a viewer applies to
// show the stored pixels upright. 1 for files without a valid tag, for other formats and for
// unreadable files. 6 means "turn the stored pixels 90 degrees clockwise".
int JpegOrientation(const QString& path);

// The program-wide imaging session and its list of open images. All on the UI thread.
class CImageObject;
// True when the session exists afterwards (also when it existed already).
bool StartImaging();
// Closes every image still open and ends the session.
void StopImaging();
bool ImagingStarted();
// Opens a picture file through the session: null without a session or when the file is not
// a picture the decoder accepts. The object stays in the open-image list until CloseImage.
CImageObject* OpenImage(const QString& path);
// The upright size of an open image; false for an object not in the list.
bool GetImageInfo(const CImageObject* image, QSize* size);
// Decodes the open image into a new device bitmap (screen format), owned by the caller;
// null when the picture cannot be decoded or memory is short.
BitmapHandle RenderImage(const CImageObject* image);
// Releases an image of the open-image list: true; false (and nothing done) for an object
// that is not in the list.
bool CloseImage(CImageObject* image);
// Number of images open through the session.
int OpenImageCount();

// The upright copy of a landscape picture, for an auto-portrait page that needs a file of its
// own (the editor changes it) or whose type the PDF cannot draw.
struct CPortraitCopyResult {
    bool made = false;
    QString fileName;        // the copy when made, else the path given
    bool notWritten = false; // not made because the copy could not be written (a read-only
                             // folder, a full disk), not because of the picture
};
// A landscape picture (upright width greater than height) is written, turned 90 degrees
// counter-clockwise, as a JPEG at quality 100 named path + ".tesimg"; portrait and square
// pictures and undecodable files give made = false. A copy whose write failed is removed
// and counts as not made, so the page uses the original.
CPortraitCopyResult MakePortraitCopy(const QString& path);

// A further page of a multi-page picture (a TIFF's page `frame` + 1, frame >= 1) as a file
// of its own: written upright and losslessly (PNG) as path + ".page<N>.tesimg". made = false
// when the page cannot be decoded or the copy cannot be written (nothing is left then).
CPortraitCopyResult MakeFrameCopy(const QString& path, int frame);

// Suffix of auto-portrait copies.
inline constexpr const char* kPortraitCopySuffix = ".tesimg";
