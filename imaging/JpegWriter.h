#pragma once

// JPEG writing through libjpeg's standard compression interface. Every JPEG file the program
// writes uses quality 100, baseline, and otherwise the library's defaults (YCbCr, 4:2:0,
// no Huffman optimisation); the smaller pictures made for PDFs (EncodeJpegRgb) choose their
// quality and optimise the Huffman tables. libjpeg's fatal errors return here as false.

#include "imaging/Bitmap.h"
#include "imaging/DibBitmap.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

inline constexpr int kJpegQuality = 100;

// Writes width x height pixels from `rgbBuffer` (rows top-down, each exactly width * 3 bytes,
// red-green-blue) to `path`, replacing any existing file. False when the file cannot be
// opened or libjpeg fails (a partly written file may stay; callers that must not leave one
// remove it).
bool WriteJpegRgb(const QString& path, int width, int height, int quality,
                  const unsigned char* rgbBuffer);
// The same into an open file (as a file being replaced atomically hands over); the
// descriptor stays open and belongs to the caller.
bool WriteJpegRgbToDescriptor(int fd, int width, int height, int quality,
                              const unsigned char* rgbBuffer);
// Writes any bitmap (device bitmap or 24-bit section) as a JPEG of the same size.
bool SaveBitmapAsJpeg(const QString& path, int quality, const CBitmap* bitmap);
// Writes the section turned 90 degrees counter-clockwise: a w x h picture becomes an h x w
// JPEG whose top row is the source's right column.
bool WriteJpegRotatedCcw(const QString& path, int quality, const CDibBitmap& bitmap);

// Width x height pixels (rows top-down, `rowBytes` apart, red-green-blue) as JPEG bytes in
// memory, with Huffman tables optimised for the picture: the smallest baseline file for the
// quality. Empty when libjpeg fails or memory is short.
QByteArray EncodeJpegRgb(int width, int height, int quality, const unsigned char* rgbBuffer,
                         std::size_t rowBytes);

// The text of libjpeg's last message on this thread (empty after a clean write); never shown
// to the user, kept for the log and for tests. The writers may run on any thread.
QString LastJpegMessage();
