#pragma once

// The program's side of the skin graphics library: the screen class and resolution of the
// emulated device, the layout metrics that turn dialog units into pixels, binding the
// library that fits the screen, and the drawing calls every screen uses.
//
// All of it runs on the user-interface thread.

#include "skin/api/TesManager.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

class QImage;
class QPainter;
class CLogSink;

// Screen class of the emulated screen: 1 (240 x 320) ... 13 (240 x 440), 0 for any other
// size. Computed afresh on every call, so turning the device changes it.
int GetScreenClass();
int ScreenClassForSize(int width, int height);
// True for the classes 3, 4, 7, 10 and 11. Fixed by BindSkinLibrary for the rest of the run
// (FollowSkinRatio changes only the pictures);
// before binding the first call computes and keeps it.
bool IsHighResolution();
// 2 x n at high resolution, n otherwise.
int ScalePixels(int n);

// The skin for a screen of `logical` pixels on a display of `ratio` physical pixels per
// logical one. Layouts, fonts and pens are in logical pixels, so the screen class and the
// resolution flag come from the logical size; the pictures come from the physical pixels:
// the library whose pictures are at least as fine as the display (the nearest larger class),
// the finest there is when none is, drawn at `pictureRatio` picture pixels per logical pixel.
// At ratio 1 this is the library of the resolution flag, drawn 1:1.
struct SkinChoice {
    int screenClass = 0;
    bool highResolution = false;
    bool vgaPictures = false;
    int pictureRatio = 1;
};
SkinChoice ChooseSkin(const QSize& logical, double ratio);
// The pictures for a layout of that resolution on a display of `ratio` (screen class 0).
SkinChoice ChooseSkinPictures(bool highResolution, double ratio);
// Picture pixels per logical pixel of the bound library: 2 when the VGA pictures serve a
// low-resolution layout on a dense display, else 1. Set by binding and by FollowSkinRatio.
int SkinPictureRatio();

struct SkinLayoutMetrics {
    int horizontalFactor = 0; // pixels per 4 dialog units
    int verticalFactor = 0;   // pixels per 8 dialog units
    int largeSize = 0;
    int fixedSize = 0;
};
SkinLayoutMetrics GetLayoutMetrics();
SkinLayoutMetrics LayoutMetricsFor(bool highResolution, int screenClass);

// Converts a rectangle in dialog units to pixels in place (integer division).
void MapDialogRectForScreen(TesRect& rect);
// The same for a template's (x, y, width, height) in dialog units; returns the pixel rectangle.
QRect MapDialogRectForScreen(int x, int y, int cx, int cy);

// Counts the bindings of this run. Whatever is made for one resolution (fonts, the colour
// scheme of the screen frame) remembers the count it was made at and is made anew once it
// changes, so nothing of an earlier binding survives a new one.
int SkinBindingGeneration();

// Error numbers shown by a failed binding.
inline constexpr int kSkinErrorLibraryMissing = 4097;
inline constexpr int kSkinErrorWrongVersion = 4096;

// Binds Quillmark.vga or Quillmark.qvga (as ChooseSkin says for the device screen's size and
// ratio) from the program folder and hands
// the process log to it. False ends start-up; `error` (when given) then holds the number of
// the critical error the caller shows (kSkinErrorLibraryMissing, kSkinErrorWrongVersion), or
// 0 when the library could not be loaded at all. The other resolution's file is left alone:
// the screen size is chosen at every start.
bool BindSkinLibrary(int* error = nullptr);
// The same from `folder` with `log` (tests, tools). A null log gets a sink that drops
// every record.
bool BindSkinLibraryFrom(const QString& folder, CLogSink* log, int* error = nullptr);
// The display's ratio changed (the window moved to a screen of another density): binds the
// library whose pictures fit the new ratio (ChooseSkinPictures for the layout's resolution,
// which stays as it is), from the folder and with the log of the first binding. Every picture
// added so far is made again in it and keeps its handle, so the screens draw on as before;
// fonts and colours are made anew (SkinBindingGeneration counts it). True when the bound
// library fits (whether or not it had to change); false without a binding or when the other
// library cannot be bound, which leaves the bound one as it was.
bool FollowSkinRatio(double ratio);
// Destroys the manager and unloads the library (tests; the program keeps it to the end).
void UnbindSkinLibrary();
// The bound manager, or null.
ITesManager* SkinManager();
// The full path of the bound library, empty when none.
QString BoundSkinLibraryPath();

// Drawing calls; each does nothing and returns 0 (or a zero size) without a manager.
// A device context is a painter: on a QImage (RGB32, ARGB32, ARGB32_Premultiplied) with at
// most a translation the library blends in place, exactly, honouring the painter's clip.
// On any other device (a widget, a pixmap) or under another transform the picture is drawn
// through an off-screen copy with its alpha kept (exact for opaque and transparent pixels,
// within rounding for the rest), so paint on an image back buffer where exactness matters.
// The QImage overloads draw on an image no painter is active on (other formats through a
// converted copy). Positions, sizes and source rectangles are in logical pixels, which are
// picture pixels at a picture ratio of 1. At ratio 2 a picture covers half its pixel size and
// lands exactly on a painter or image whose device pixel ratio is 2 (the screens' back
// buffers on a 2x display); on anything else it is scaled smoothly.
std::int32_t SkinAddImage(std::uint32_t id);                           // 0 for id 0
std::int32_t SkinAddImageOnColour(std::uint32_t id, TesColour colour); // 0 for id 0
std::int32_t SkinDrawImage(QPainter& dc, std::int32_t handle, int x, int y,
                           const QRect* source = nullptr);
std::int32_t SkinDrawImage(QImage& dc, std::int32_t handle, int x, int y,
                           const QRect* source = nullptr);
std::int32_t SkinTileImage(QPainter& dc, std::int32_t handle, const QRect& dest,
                           const QRect* source = nullptr);
std::int32_t SkinTileImage(QImage& dc, std::int32_t handle, const QRect& dest,
                           const QRect* source = nullptr);
std::int32_t SkinReleaseImage(std::int32_t handle); // 1 with a manager, else 0
QSize SkinImageSize(std::int32_t handle);           // (0, 0) without a manager
// The library's icon of that identifier as an image (its device pixel ratio the picture
// ratio); a null image when it has none.
QImage SkinLoadIcon(std::uint32_t id);

// A QColor-free way to give a colour: TesRgb(r, g, b), or from a QRgb value.
TesColour SkinColourFromRgb(unsigned int qrgb);
